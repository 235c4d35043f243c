#include "toolkit/Types.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
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

} // namespace qz8
