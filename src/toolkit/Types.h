// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Plain value types of the component platform: colours, rectangles, points,
// window messages, and the process-wide reset registry used by tests.
#include "../platform/ProcessGlobals.h" // RegisterGlobalReset, ResetProcessGlobals
#include "../qz8_export.h"
#include "../store/Exception.h"
#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>

namespace qz8 {

/// A 32-bit colour: red in the low byte, then green and blue. A top byte of
/// 0xFF marks a system colour whose low byte is the system colour index.
using TColor = std::int32_t;

/// The TColor of system colour index (COLOR_*): its top byte 0xFF, the index below.
constexpr TColor MakeSysColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

///@{
/// The sixteen standard colours, as 0x00BBGGRR values.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
///@}
/// No colour at all (a transparent fill, an unset property).
constexpr TColor clNone = 0x1FFFFFFF;
/// The control's default colour (its style's).
constexpr TColor clDefault = 0x20000000;

/// System colour indices (COLOR_*) and their TColor values.
///@{
constexpr TColor clScrollBar = MakeSysColor(0);
constexpr TColor clBackground = MakeSysColor(1);
constexpr TColor clActiveCaption = MakeSysColor(2);
constexpr TColor clInactiveCaption = MakeSysColor(3);
constexpr TColor clMenu = MakeSysColor(4);
constexpr TColor clWindow = MakeSysColor(5);
constexpr TColor clWindowFrame = MakeSysColor(6);
constexpr TColor clMenuText = MakeSysColor(7);
constexpr TColor clWindowText = MakeSysColor(8);
constexpr TColor clCaptionText = MakeSysColor(9);
constexpr TColor clActiveBorder = MakeSysColor(10);
constexpr TColor clInactiveBorder = MakeSysColor(11);
constexpr TColor clAppWorkSpace = MakeSysColor(12);
constexpr TColor clHighlight = MakeSysColor(13);
constexpr TColor clHighlightText = MakeSysColor(14);
constexpr TColor clBtnFace = MakeSysColor(15);
constexpr TColor clBtnShadow = MakeSysColor(16);
constexpr TColor clGrayText = MakeSysColor(17);
constexpr TColor clBtnText = MakeSysColor(18);
constexpr TColor clInactiveCaptionText = MakeSysColor(19);
constexpr TColor clBtnHighlight = MakeSysColor(20);
constexpr TColor cl3DDkShadow = MakeSysColor(21);
constexpr TColor cl3DLight = MakeSysColor(22);
constexpr TColor clInfoText = MakeSysColor(23);
constexpr TColor clInfoBk = MakeSysColor(24);
constexpr TColor clHotLight = MakeSysColor(26);
constexpr TColor clMenuHighlight = MakeSysColor(29);
constexpr TColor clMenuBar = MakeSysColor(30);
///@}

// <windows.h> defines RGB and Get?Value as macros of the same values: the
// names are parenthesised here so that either order of inclusion compiles,
// and a call in a tool that includes both means the same colour.

/// The TColor of red, green and blue components (0..255 each).
constexpr TColor(RGB)(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
///@{
/// The red, green and blue components of an RGB (not a system) colour.
constexpr int(GetRValue)(TColor c) { return c & 0xFF; }
constexpr int(GetGValue)(TColor c) { return (c >> 8) & 0xFF; }
constexpr int(GetBValue)(TColor c) { return (c >> 16) & 0xFF; }
///@}

/// Resolves system colours through the application palette; clNone and
/// clDefault resolve to the window background. Returns 0x00BBGGRR.
QZ8_EXPORT TColor ColorToRGB(TColor color);
/// The QColor of a TColor; system colours resolve through the application palette.
QZ8_EXPORT QColor ToQColor(TColor color);
/// The same against a given palette (a widget's, when it has a style's).
QZ8_EXPORT TColor ColorToRGB(TColor color, const QPalette& palette);
///@{
/// The QColor of a TColor against a given palette.
QZ8_EXPORT QColor ToQColor(TColor color, const QPalette& palette);
/// The TColor (0x00BBGGRR) of a QColor, without its alpha.
///@}
QZ8_EXPORT TColor FromQColor(const QColor& color);
/// A TColor as a QColor property (the Qt-named colour properties that
/// Designer's property editor shows as a swatch) reads it: a system colour
/// resolved through the palette, clNone and clDefault as an invalid QColor.
QZ8_EXPORT QColor ColorPropertyValue(TColor color, const QPalette& palette);
/// The TColor a QColor property sets: an invalid QColor is clNone.
QZ8_EXPORT TColor ColorFromProperty(const QColor& color);

/// The contrast ratio of two colours as WCAG 2 defines it: from 1 (the same
/// luminance) to 21 (black and white). Text needs 4.5, a control's parts 3.
/// \since 0.3
QZ8_EXPORT double ContrastRatio(const QColor& a, const QColor& b);
/// colour, moved toward toward in small steps until its contrast against
/// every one of backgrounds is at least ratio (toward itself when no step
/// gets there).
/// \since 0.3
QZ8_EXPORT QColor ReadableColour(const QColor& colour, const QColor& toward, std::initializer_list<QColor> backgrounds,
                                 double ratio);

/// A point in pixels.
struct QZ8_EXPORT TPoint {
    int X = 0; ///< The horizontal coordinate.
    int Y = 0; ///< The vertical coordinate.
    /// Points are equal when both coordinates are.
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// A rectangle that excludes its right and bottom edge.
struct QZ8_EXPORT TRect {
    int Left = 0; ///< The left edge (included).
    int Top = 0; ///< The top edge (included).
    int Right = 0; ///< The right edge (excluded).
    int Bottom = 0; ///< The bottom edge (excluded).

    /// Right minus Left.
    int Width() const { return Right - Left; }
    /// Bottom minus Top.
    int Height() const { return Bottom - Top; }
    /// True when the rectangle has no area.
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    /// True when the point lies inside (right and bottom edges excluded).
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    /// The top-left corner.
    TPoint TopLeft() const { return {Left, Top}; }
    /// The rectangle mirrored left to right inside another (a right-to-left
    /// layout of a row laid out left to right).
    TRect MirroredIn(const TRect& within) const
    {
        return {within.Left + within.Right - Right, Top, within.Left + within.Right - Left, Bottom};
    }
    /// The bottom-right corner (outside the rectangle).
    TPoint BottomRight() const { return {Right, Bottom}; }
    /// The same rectangle as a QRect.
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    /// The TRect of a QRect.
    static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    /// Rectangles are equal when all four edges are.
    friend bool operator==(const TRect&, const TRect&) = default;
};

/// A rectangle from its four edges.
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
/// A rectangle from its top-left corner and its size.
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
/// A point from its coordinates.
constexpr TPoint Point(int x, int y) { return {x, y}; }
/// True when the point lies inside the rectangle.
QZ8_EXPORT bool PtInRect(const TRect& r, TPoint p);
/// Sets dest to the intersection of a and b; false (and dest empty) when they do not meet.
QZ8_EXPORT bool IntersectRect(TRect& dest, const TRect& a, const TRect& b);
/// Grows the rectangle by dx on the left and right and dy on the top and bottom (shrinks for negative values).
QZ8_EXPORT void InflateRect(TRect& r, int dx, int dy);
/// Moves the rectangle by (dx, dy).
QZ8_EXPORT void OffsetRect(TRect& r, int dx, int dy);

/// A window message: a number with two parameters and a result.
struct QZ8_EXPORT TMessage {
    unsigned Msg = 0; ///< The message number.
    std::uintptr_t WParam = 0; ///< The first parameter.
    std::intptr_t LParam = 0; ///< The second parameter.
    std::intptr_t Result = 0; ///< The answer of the receiver.
};

} // namespace qz8
