// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/Colour_utils.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace qz8 {

namespace {

TColorArray BuildWebNamedColors()
{
    TColorArray table;
    for (const QString& name : QColor::colorNames()) {
        const QColor c = QColor::fromString(name);
        if (name == QLatin1String("transparent") || !c.isValid())
            continue;
        table.push_back({FromQColor(c), name});
    }
    return table;
}

const bool registered = [] {
    RegisterGlobalReset([] { MyColourArray = WebNamedColors(); });
    return true;
}();

struct Lab {
    double L, a, b;
};

// sRGB channel to linear light, from a table of the 256 values.
double Linear(int channel)
{
    static const auto table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[static_cast<size_t>(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[static_cast<size_t>(channel & 0xFF)];
}

double LabF(double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; }

Lab ToLab(TColor colour)
{
    const TColor c = ColorToRGB(colour);
    const double r = Linear(GetRValue(c)), g = Linear(GetGValue(c)), b = Linear(GetBValue(c));
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const double fx = LabF(x), fy = LabF(y), fz = LabF(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

} // namespace

TColorArray MyColourArray = BuildWebNamedColors();

const TColorArray& WebNamedColors()
{
    (void)registered;
    static const TColorArray table = BuildWebNamedColors();
    return table;
}

TSharedColourArrayNotifier& TSharedColourArrayNotifier::Instance()
{
    static TSharedColourArrayNotifier notifier;
    return notifier;
}

int NearestColourIndex(TColor colour, const TColorArray& array)
{
    const Lab target = ToLab(colour);
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < array.size(); ++i) {
        const Lab l = ToLab(array[i].Value);
        const double d = (l.L - target.L) * (l.L - target.L) + (l.a - target.a) * (l.a - target.a) +
                         (l.b - target.b) * (l.b - target.b);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void SortColorArray(TColorArray& array, int lo, int hi, TColorArraySortType sortType, bool reverse)
{
    const int n = static_cast<int>(array.size());
    lo = std::max(lo, 0);
    hi = std::min(hi, n - 1);
    if (lo >= hi)
        return;
    auto key = [sortType](const TIdentMapEntry& e) {
        const QColor c = ToQColor(e.Value);
        switch (sortType) {
        case csByValue: return std::tuple<int, int, int>(ColorToRGB(e.Value), 0, 0);
        case csByHue: return std::tuple<int, int, int>(c.hslHue(), c.lightness(), c.hslSaturation());
        case csByLuminance: return std::tuple<int, int, int>(c.lightness(), c.hslHue(), 0);
        case csBySaturation: return std::tuple<int, int, int>(c.hslSaturation(), c.hslHue(), c.lightness());
        case csByName: break;
        }
        return std::tuple<int, int, int>(0, 0, 0);
    };
    auto less = [&](const TIdentMapEntry& a, const TIdentMapEntry& b) {
        if (sortType == csByName)
            return a.Name.compare(b.Name, Qt::CaseInsensitive) < 0;
        return key(a) < key(b);
    };
    std::stable_sort(array.begin() + lo, array.begin() + hi + 1, less);
    if (reverse)
        std::reverse(array.begin() + lo, array.begin() + hi + 1);
}

TColor GetHighLightColor(TColor colour, int step)
{
    const QColor c = ToQColor(colour);
    // Qt's HSL lightness runs 0..255; the step is given on the 0..240 scale.
    const int lightness = std::clamp(c.lightness() + (step * 255 + 120) / 240, 0, 255);
    QColor shade = QColor::fromHsl(c.hslHue(), c.hslSaturation(), lightness);
    return FromQColor(shade);
}

double ScreenScaled(int base, double fontScale) { return std::isfinite(fontScale) ? base * fontScale : base; }

} // namespace qz8
