// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Drawing primitives: periods, crown points, markers and gradient bands in
// pixels, canvas snapshots and block copies, and the degenerate inputs that
// must not reach an integer conversion.
#include "graphics/graphics_utilities.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace qz8;

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

bool operator==(const TOneTimePeriodRec& a, const TOneTimePeriodRec& b)
{
    return a.Left == b.Left && a.Right == b.Right && a.Width == b.Width;
}
} // namespace

TEST(Periods, WidthsAndExtents)
{
    EXPECT_DOUBLE_EQ(PeriodPxWidth(Rect(10, 0, 110, 5), 4), 25.0);
    EXPECT_DOUBLE_EQ(PeriodPxWidth(Rect(10, 0, 110, 5), 0), 100.0); // no periods count as one
    EXPECT_DOUBLE_EQ(PeriodPxWidth(Rect(10, 0, 110, 5), -3), 100.0);
    EXPECT_TRUE((PeriodRec(0, 10.5) == TOneTimePeriodRec{1, 10, 10})); // 10.5 rounds to even
    EXPECT_TRUE((PeriodRec(1, 10.5) == TOneTimePeriodRec{11, 21, 10}));
    EXPECT_TRUE((PeriodRec(3, 2.5) == TOneTimePeriodRec{9, 10, 2})); // 7.5 -> 8, 10, 2.5 -> 2
    // No number, or none finite: an empty period, not undefined behaviour.
    EXPECT_TRUE((PeriodRec(3, kNaN) == TOneTimePeriodRec{}));
    EXPECT_TRUE((PeriodRec(3, kInf) == TOneTimePeriodRec{}));
    const TOneTimePeriodRec huge = PeriodRec(std::numeric_limits<int>::max(), 1e300);
    EXPECT_EQ(huge.Right, std::numeric_limits<int>::max());
}

TEST(Crown, PointsAroundTheCentre)
{
    const TPoint c{100, 100};
    EXPECT_EQ(CrownPos(0, 4, 10, c), (TPoint{100, 110}));
    EXPECT_EQ(CrownPos(1, 4, 10, c), (TPoint{112, 100})); // odd points 1.2 times farther
    EXPECT_EQ(CrownPos(2, 4, 10, c), (TPoint{100, 90}));
    EXPECT_EQ(CrownPos(3, 4, 10, c), (TPoint{88, 100}));
    EXPECT_EQ(CrownPos(0, 0, 10, c), c); // no points
    EXPECT_EQ(CrownPos(5, -2, 10, c), c);
}

TEST(Markers, TrianglesAndCirclesInTheirPlaces)
{
    TBitmap bmp(100, 20);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, 100, 20));
    const int a = c.TextWidth("a");
    // Slot 1 of 5 across 100 pixels: centre x 10, y 10, radius a div 2.
    c.Brush.Color = clRed;
    ComputeCircleAndDrawit(c, clBlue, 1, 5, Rect(0, 0, 100, 20));
    const QImage img = bmp.Image();
    EXPECT_EQ(FromQColor(img.pixelColor(10, 10)), clRed); // filled with the brush
    EXPECT_EQ(FromQColor(img.pixelColor(10 - a / 2, 10)), clBlue); // outlined in the colour
    EXPECT_EQ(FromQColor(img.pixelColor(10 + a / 2 + 2, 10)), clWhite);
    EXPECT_EQ(FromQColor(img.pixelColor(50, 10)), clWhite);
    // The slot width in single precision, the product in full: 7 / 3 is
    // 2.33333325 as a float, times 1.5 is 3.49999988, which rounds to 3 (a
    // float product would be 3.5, giving 4).
    // Shifted 20 pixels right so the whole circle is on the bitmap.
    TBitmap narrow(40, 10);
    narrow.Canvas().Brush.Color = clWhite;
    narrow.Canvas().FillRect(Rect(0, 0, 40, 10));
    narrow.Canvas().Brush.Color = clRed;
    ComputeCircleAndDrawit(narrow.Canvas(), clBlue, 2, 3, Rect(20, 0, 27, 10));
    const int r = narrow.Canvas().TextWidth("a") / 2;
    EXPECT_EQ(FromQColor(narrow.Image().pixelColor(23 - r, 5)), clBlue) << "left edge of a circle centred at x 23";
    EXPECT_EQ(FromQColor(narrow.Image().pixelColor(23 - r - 1, 5)), clWhite);
    // No slots: nothing drawn.
    TBitmap none(20, 20);
    none.Canvas().Brush.Color = clWhite;
    none.Canvas().FillRect(Rect(0, 0, 20, 20));
    ComputeCircleAndDrawit(none.Canvas(), clBlue, 1, 0, Rect(0, 0, 20, 20));
    EXPECT_EQ(FromQColor(none.Image().pixelColor(10, 10)), clWhite);

    // A triangle pointing down from a base at (20, 2), 11 wide, 8 high.
    TBitmap tri(40, 20);
    tri.Canvas().Brush.Color = clWhite;
    tri.Canvas().FillRect(Rect(0, 0, 40, 20));
    tri.Canvas().Brush.Color = clYellow;
    DrawATriangle(tri.Canvas(), clBlack, {20, 2}, true, 11, 8);
    const QImage t = tri.Image();
    EXPECT_EQ(FromQColor(t.pixelColor(20, 4)), clYellow); // inside, near the base
    EXPECT_EQ(FromQColor(t.pixelColor(16, 8)), clWhite); // outside, near the tip
    EXPECT_EQ(FromQColor(t.pixelColor(20, 11)), clWhite); // below the tip
    DrawATriangle(tri.Canvas(), clBlack, {std::numeric_limits<int>::max(), 0}, false, 10, 10); // no overflow
}

TEST(Gradient, BandsAndTheirColours)
{
    // Black to white over 101 pixels: 100 steps, band i at pixel i in grey
    // round(i * 2.55), the last band exactly white.
    TBitmap bmp(101, 4);
    MyDrawGradient(bmp.Canvas(), clBlack, clWhite, 255, Rect(0, 0, 101, 4), true);
    const QImage img = bmp.Image();
    for (int x : {0, 1, 2, 10, 50, 99, 100}) {
        const int grey = static_cast<int>(std::nearbyint(x * 2.55));
        EXPECT_EQ(img.pixelColor(x, 2), QColor(grey, grey, grey)) << x;
    }
    // Vertical, red to blue, 2 bands over 2 pixels.
    TBitmap two(3, 2);
    MyDrawGradient(two.Canvas(), clRed, clBlue, 50, Rect(0, 0, 3, 2), false);
    EXPECT_EQ(FromQColor(two.Image().pixelColor(1, 0)), clRed);
    EXPECT_EQ(FromQColor(two.Image().pixelColor(1, 1)), clBlue);
    // clNone at one end fills with the other.
    TBitmap fill(10, 10);
    MyDrawGradient(fill.Canvas(), clNone, clGreen, 5, Rect(0, 0, 10, 10), true);
    EXPECT_EQ(FromQColor(fill.Image().pixelColor(5, 5)), clGreen);
    MyDrawGradient(fill.Canvas(), clNavy, clNone, 5, Rect(0, 0, 10, 10), true);
    EXPECT_EQ(FromQColor(fill.Image().pixelColor(5, 5)), clNavy);
    // Zero height draws nothing, whatever the direction; bottom above top is
    // put in order.
    TBitmap flat(10, 10);
    flat.Canvas().Brush.Color = clWhite;
    flat.Canvas().FillRect(Rect(0, 0, 10, 10));
    MyDrawGradient(flat.Canvas(), clBlack, clBlack, 5, Rect(0, 5, 10, 5), true);
    EXPECT_EQ(FromQColor(flat.Image().pixelColor(5, 5)), clWhite);
    MyDrawGradient(flat.Canvas(), clBlack, clBlack, 0, Rect(0, 10, 10, 0), false);
    EXPECT_EQ(FromQColor(flat.Image().pixelColor(5, 5)), clBlack);
}

TEST(CanvasHelpers, SettingsHeightsAndBlockCopies)
{
    TBitmap bmp(30, 30);
    TCanvas& c = bmp.Canvas();
    QFont f("DejaVu Sans");
    f.setPointSize(12);
    f.setBold(true);
    f.setUnderline(true);
    c.Font = TFont(f, clMaroon);
    c.Brush.Color = clTeal;
    const TCanvasSettings s = GetCanvasSettings(c);
    EXPECT_EQ(s.fontname, "DejaVu Sans");
    EXPECT_EQ(s.fontsize, 12);
    EXPECT_EQ(s.fontstyle, FontStyleBit(fsBold) | FontStyleBit(fsUnderline));
    EXPECT_EQ(s.brushcolour, clTeal);
    EXPECT_EQ(s.fontcolour, clMaroon);
    const int h = c.TextHeight("Ag");
    EXPECT_EQ(HeightOfAStringPlusOneEighth(c, "Ag"), h + h / 8);

    c.Brush.Color = clRed;
    c.FillRect(Rect(5, 5, 15, 15));
    TBitmap copy;
    CopyARegionOfCanvasToABitmap(5, 5, 10, 10, copy, c);
    EXPECT_EQ(copy.Width(), 10);
    EXPECT_EQ(FromQColor(copy.Image().pixelColor(9, 9)), clRed);
    TBitmap target(40, 40);
    target.Canvas().Brush.Color = clWhite;
    target.Canvas().FillRect(Rect(0, 0, 40, 40));
    CopyABitmapToARegionOfCanvas(Rect(20, 20, 25, 25), copy, target.Canvas());
    EXPECT_EQ(FromQColor(target.Image().pixelColor(22, 22)), clRed);
    EXPECT_EQ(FromQColor(target.Image().pixelColor(26, 26)), clWhite); // only the rectangle's size
}
