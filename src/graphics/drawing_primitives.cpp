// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The drawing primitives of graphics_utilities.
#include "graphics/graphics_utilities.h"

#include <QFontInfo>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace qz8 {

namespace {

// A rounded (half to even) or truncated value as an int: no number gives 0,
// and values beyond the integers stop at their ends, so nothing a caller
// passes reaches an undefined conversion.
int ToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}
int Round(double v) { return ToInt(std::nearbyint(v)); }
int Clamp(std::int64_t v)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

double PeriodPxWidth(const TRect& r, int count) { return (static_cast<double>(r.Right) - r.Left) / std::max(1, count); }

TOneTimePeriodRec PeriodRec(int i, double w)
{
    if (!std::isfinite(w))
        return {};
    return {Clamp(static_cast<std::int64_t>(Round(i * w)) + 1), Round((static_cast<double>(i) + 1) * w), Round(w)};
}

TCanvasSettings GetCanvasSettings(const TCanvas& canvas)
{
    TCanvasSettings s;
    const TFont& f = canvas.Font;
    s.fontname = f.family();
    // A font given in pixels is reported in points at the library's 96 per inch.
    s.fontsize = f.pointSize() > 0 ? f.pointSize() : Round(f.pixelSize() * 72.0 / 96.0);
    if (f.bold())
        s.fontstyle |= FontStyleBit(fsBold);
    if (f.italic())
        s.fontstyle |= FontStyleBit(fsItalic);
    if (f.underline())
        s.fontstyle |= FontStyleBit(fsUnderline);
    if (f.strikeOut())
        s.fontstyle |= FontStyleBit(fsStrikeOut);
    s.brushcolour = canvas.Brush.Color;
    s.fontcolour = f.Color;
    return s;
}

int HeightOfAStringPlusOneEighth(const TCanvas& canvas, const QString& text)
{
    const int h = canvas.TextHeight(text);
    return h + h / 8;
}

void DrawATriangle(TCanvas& canvas, TColor colour, TPoint P, bool down, int width, int height)
{
    canvas.Pen.Color = colour;
    const std::int64_t half = width / 2;
    const int left = Clamp(P.X - half), right = Clamp(P.X + half), below = Clamp(std::int64_t{P.Y} + height);
    if (down)
        canvas.Polygon({{left, P.Y}, {right, P.Y}, {P.X, below}});
    else
        canvas.Polygon({{left, below}, {right, below}, {P.X, P.Y}});
}

void ComputeTriangleAndDrawit(TCanvas& canvas, TColor colour, const TRect& R, bool down)
{
    const int ax = canvas.TextWidth(QStringLiteral("a"));
    const int ay = canvas.TextHeight(QStringLiteral("a"));
    const int h = ay / 2 + 1;
    DrawATriangle(canvas, colour, {Clamp(std::int64_t{R.Right} - ax), Clamp(std::int64_t{R.Bottom} - h)}, down, ax, h);
}

void ComputeCircleAndDrawit(TCanvas& canvas, TColor colour, int k, int n, const TRect& R)
{
    if (n < 1)
        return; // no slots to mark
    // The slot width is kept in single precision; the product is taken in
    // full precision from it (R = (0, 0, 7, 10), n = 3, k = 2: 3.49999988,
    // centre x 3).
    const float s = static_cast<float>(static_cast<double>(R.Right) - R.Left) / static_cast<float>(n);
    const double offset = (static_cast<double>(k) - 0.5) * static_cast<double>(s);
    const int cx = Clamp(std::int64_t{Round(offset)} + R.Left);
    const int cy = Clamp((std::int64_t{R.Bottom} - R.Top) / 2 + R.Top);
    const int r = canvas.TextWidth(QStringLiteral("a")) / 2;
    canvas.Pen.Color = colour;
    canvas.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

void MyDrawGradient(TCanvas& canvas, TColor from, TColor to, int steps, TRect R, bool horizontal)
{
    if (R.Top == R.Bottom)
        return;
    if (R.Bottom < R.Top)
        std::swap(R.Top, R.Bottom);
    // clNone stays clNone here (the platform's ColorToRGB gives it the
    // window colour for painting).
    const auto toRGB = [](TColor c) { return c == clNone ? clNone : ColorToRGB(c); };
    const TColor c1 = toRGB(from), c2 = toRGB(to);
    if (c1 == clNone || c2 == clNone) {
        const TColor fill = c1 == clNone && c2 != clNone ? c2 : c1;
        canvas.Brush.Color = fill;
        canvas.Pen.Color = fill;
        canvas.Rectangle(R);
        return;
    }
    const std::int64_t extent = horizontal ? std::int64_t{R.Right} - R.Left - 1 : std::int64_t{R.Bottom} - R.Top - 1;
    std::int64_t bands = std::min<std::int64_t>(steps, extent);
    if (bands < 1)
        bands = 1;
    const double spacing = static_cast<double>(extent) / static_cast<double>(bands);
    const auto channel = [](TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    double change[3];
    for (int k = 0; k < 3; ++k)
        change[k] = (channel(c2, 8 * k) - channel(c1, 8 * k)) / static_cast<double>(bands);
    // Each band is one pixel longer than the spacing, so no gap is left.
    const std::int64_t length = static_cast<std::int64_t>(1 + spacing);
    for (std::int64_t i = 0; i <= bands; ++i) {
        TColor colour = 0;
        for (int k = 0; k < 3; ++k)
            colour |= static_cast<TColor>(channel(c1, 8 * k) + Round(static_cast<double>(i) * change[k])) << (8 * k);
        canvas.Pen.Color = colour;
        canvas.Brush.Color = colour;
        // Held in 64 bits: a 16-bit offset would wrap on sheets wider than
        // 65,535 pixels and put bands in the wrong place.
        const std::int64_t offset = static_cast<std::int64_t>(static_cast<double>(i) * spacing);
        if (horizontal)
            canvas.Rectangle(Clamp(R.Left + offset), R.Top,
                             Clamp(std::min<std::int64_t>(R.Right, R.Left + offset + length)), R.Bottom);
        else
            canvas.Rectangle(R.Left, Clamp(R.Top + offset), R.Right,
                             Clamp(std::min<std::int64_t>(R.Bottom, R.Top + offset + length)));
    }
}

TPoint CrownPos(int i, int n, int radius, TPoint centre)
{
    if (n < 1)
        return centre; // no points: every point is the centre
    const float step = 360.0f / static_cast<float>(n);
    const float angle = static_cast<float>(i) * step * std::numbers::pi_v<float> / 180.0f;
    float r = static_cast<float>(radius);
    if (i % 2 != 0)
        r = r * 6.0f / 5.0f;
    const int dx = Round(static_cast<double>(std::sin(angle) * r));
    const int dy = Round(static_cast<double>(std::cos(angle) * r));
    return {Clamp(std::int64_t{centre.X} + dx), Clamp(std::int64_t{centre.Y} + dy)};
}

void CopyARegionOfCanvasToABitmap(int x, int y, int w, int h, TBitmap& bitmap, TCanvas& canvas)
{
    bitmap.SetSize(std::max(0, w), std::max(0, h));
    BitBlt(bitmap.Canvas().Handle(), 0, 0, w, h, canvas.Handle(), x, y, SRCCOPY);
}

void CopyABitmapToARegionOfCanvas(const TRect& r, TBitmap& bitmap, TCanvas& canvas)
{
    BitBlt(canvas.Handle(), r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

} // namespace qz8
