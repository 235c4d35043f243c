// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Types.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

namespace qz8 {

namespace {

QColor SystemColor(int index, const QPalette& pal)
{
    switch (index) {
    case 0: return pal.color(QPalette::Button);
    case 1: return pal.color(QPalette::Window);
    case 2: return pal.color(QPalette::Highlight);
    case 3: return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return pal.color(QPalette::Window);
    case 5: return pal.color(QPalette::Base);
    case 6: return pal.color(QPalette::Shadow);
    case 7: return pal.color(QPalette::WindowText);
    case 8: return pal.color(QPalette::Text);
    case 9: return pal.color(QPalette::HighlightedText);
    case 10:
    case 11: return pal.color(QPalette::Button);
    case 12: return pal.color(QPalette::Dark);
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);
    case 16: return pal.color(QPalette::Dark);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return pal.color(QPalette::Light);
    case 21: return pal.color(QPalette::Shadow);
    case 22: return pal.color(QPalette::Midlight);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    case 26: return pal.color(QPalette::Link);
    case 29: return pal.color(QPalette::Highlight);
    case 30: return pal.color(QPalette::Window);
    default: return QColor(Qt::black);
    }
}

} // namespace

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

TColor ColorToRGB(TColor color, const QPalette& palette)
{
    if (color == clNone || color == clDefault)
        return FromQColor(SystemColor(5, palette));
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u)
        return FromQColor(SystemColor(color & 0xFF, palette));
    return color & 0xFFFFFF;
}

TColor ColorToRGB(TColor color) { return ColorToRGB(color, QGuiApplication::palette()); }

QColor ToQColor(TColor color, const QPalette& palette)
{
    const TColor c = ColorToRGB(color, palette);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QColor ToQColor(TColor color) { return ToQColor(color, QGuiApplication::palette()); }

QColor ColorPropertyValue(TColor color, const QPalette& palette)
{
    if (color == clNone || color == clDefault)
        return {};
    return ToQColor(color, palette);
}

TColor ColorFromProperty(const QColor& color) { return color.isValid() ? FromQColor(color) : clNone; }

bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b)
{
    dest = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (dest.IsEmpty()) {
        dest = {};
        return false;
    }
    return true;
}

void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Top -= dy;
    r.Right += dx;
    r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

namespace {
double RelativeLuminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor& colour, const QColor& toward, std::initializer_list<QColor> backgrounds,
                      double ratio)
{
    const auto readable = [&](const QColor& c) {
        return std::all_of(backgrounds.begin(), backgrounds.end(),
                           [&](const QColor& back) { return ContrastRatio(c, back) >= ratio; });
    };
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor c = QColor::fromRgbF(static_cast<float>(colour.redF() + (toward.redF() - colour.redF()) * t),
                                          static_cast<float>(colour.greenF() + (toward.greenF() - colour.greenF()) * t),
                                          static_cast<float>(colour.blueF() + (toward.blueF() - colour.blueF()) * t));
        if (readable(c))
            return c;
    }
    return toward;
}

} // namespace qz8
