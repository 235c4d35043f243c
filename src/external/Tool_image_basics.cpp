// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/Tool_image_basics.h"
#include "external/Tool_image_basics_p.h"
#include "toolkit/ImgList.h"
#include "toolkit/Types.h"

#include <algorithm>
#include <cmath>
#include <memory>

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
        MonitorFontScaleQuery = nullptr;
    });
    return true;
}();
// The master lists live while the package is loaded; the array of plain
// pointers is the view that callers index (all null while unloaded).
struct MasterLists {
    std::array<std::unique_ptr<TImageList>, ImageDimensionCount> owned;
    std::array<TImageList*, ImageDimensionCount> lists{};
    MasterLists() { Create(); }
    void Create()
    {
        for (size_t d = 0; d < owned.size(); ++d) {
            if (!owned[d])
                owned[d] = std::make_unique<TImageList>();
            lists[d] = owned[d].get();
        }
        // The same icons at every size: an icon carries them all.
        SetImageListFamily({lists.begin(), lists.end()});
    }
    void Free()
    {
        lists = {};
        for (auto& l : owned)
            l.reset();
    }
};
MasterLists masterLists;
} // namespace

const std::array<TImageList*, ImageDimensionCount>& ImageLists = masterLists.lists;

void CreateMasterImageLists() { masterLists.Create(); }
void FreeMasterImageLists() { masterLists.Free(); }
bool MasterImageListsExist() { return masterLists.lists[0] != nullptr; }

TImageList* ImageListMain()
{
    GlobalImageDimension = IntegerToImageDimension(GlobalImageHeight);
    return ImageLists[GlobalImageDimension];
}

TImageDimensions IntegerToNearestImageDimension(int pixels)
{
    struct Band {
        int upTo;
        TImageDimensions dimension;
    };
    static const Band bands[] = {{17, id16}, {21, id20}, {26, id24}, {35, id32},
                                 {43, id40}, {55, id48}, {79, id64}, {111, id96}};
    if (pixels < 0)
        return id20;
    for (const Band& b : bands) {
        if (pixels <= b.upTo)
            return b.dimension;
    }
    return id20;
}

int IntegerToNearestImageHeight(int pixels) { return ImageDimensionToInteger(IntegerToNearestImageDimension(pixels)); }

TImageList* ImageListMain_Times(float factor)
{
    const float product = static_cast<float>(GlobalImageHeight) * factor;
    const double rounded = std::nearbyint(static_cast<double>(product));
    // A product that is no number or beyond the integers is "any other".
    const int pixels = std::isfinite(rounded) && std::fabs(rounded) < 1e9 ? static_cast<int>(rounded) : -1;
    return ImageLists[IntegerToNearestImageDimension(pixels)];
}

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

std::function<float(int pixelsPerInch)> MonitorFontScaleQuery;

float CurrentDPIScale(int pixelsPerInch)
{
    if (MonitorFontScaleQuery) {
        const float scale = MonitorFontScaleQuery(pixelsPerInch);
        // A query that answers nonsense means no scaling.
        return std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
    }
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
