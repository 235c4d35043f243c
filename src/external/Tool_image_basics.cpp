#include "external/Tool_image_basics.h"
#include "platform/Types.h"

#include <algorithm>
#include <cmath>

namespace qz8 {

int GlobalImageHeight = 20;
TImageDimensions GlobalImageDimension = id20;
float GlobalMonitorFontScale = 1.0f;

namespace {
const bool registered = [] {
    RegisterGlobalReset([] {
        GlobalImageHeight = 20;
        GlobalImageDimension = id20;
        GlobalMonitorFontScale = 1.0f;
    });
    return true;
}();
} // namespace

TImageDimensions IntegerToImageDimension(int pixels)
{
    (void)registered;
    int ordinal = 0;
    for (int i = 0; i < ImageDimensionCount; ++i) {
        if (ImageDimensionSizes[static_cast<size_t>(i)] <= pixels)
            ordinal = i;
    }
    return static_cast<TImageDimensions>(ordinal);
}

int ImageDimensionToInteger(TImageDimensions dimension)
{
    const int d = static_cast<int>(dimension);
    return d >= 0 && d < ImageDimensionCount ? ImageDimensionSizes[static_cast<size_t>(d)] : 20;
}

float CurrentDPIScale(int pixelsPerInch)
{
    return pixelsPerInch > 0 ? static_cast<float>(pixelsPerInch) / 96.0f : 1.0f;
}

const std::vector<TToolIcon>& ToolIconCatalogue()
{
    // The command numbers are the suite's "cm_" constants of these tools.
    static const std::vector<TToolIcon> catalogue = {
        {1, QStringLiteral("open"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {2, QStringLiteral("save"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {3, QStringLiteral("search"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {4, QStringLiteral("sort"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {5, QStringLiteral("chart"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {6, QStringLiteral("palette"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {7, QStringLiteral("text"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {8, QStringLiteral("settings"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        // Detailed icons that only the larger sizes carry.
        {9, QStringLiteral("concordance"), {32, 40, 48, 64, 96, 128}},
        {10, QStringLiteral("info"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
        {12, QStringLiteral("help"), {16, 20, 24, 32, 40, 48, 64, 96, 128}},
    };
    return catalogue;
}

int ImageListMainNum(int command, int imageHeight)
{
    const int size = ImageDimensionToInteger(IntegerToImageDimension(imageHeight));
    int position = 0;
    for (const TToolIcon& icon : ToolIconCatalogue()) {
        const bool drawn = std::find(icon.validSizes.begin(), icon.validSizes.end(), size) != icon.validSizes.end();
        if (icon.command == command)
            return drawn ? position : -1;
        if (drawn)
            ++position;
    }
    return -1;
}

} // namespace qz8
