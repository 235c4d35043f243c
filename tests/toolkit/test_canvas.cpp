// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The GDI rules of TCanvas, checked in pixels of a TBitmap, and the Win32
// drawing functions over a canvas.
#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// Fills a white bitmap, lets draw() paint, and returns it.
struct Paper {
    TBitmap bmp{40, 30};
    Paper()
    {
        bmp.Canvas().Brush = TBrush{clWhite, bsSolid};
        bmp.Canvas().FillRect(Rect(0, 0, 40, 30));
    }
    TColor At(int x, int y) { return bmp.Pixel(x, y); }
};

} // namespace

TEST(Canvas, FillRectExcludesRightAndBottomAndClearBrushPaintsNothing)
{
    Paper p;
    p.bmp.Canvas().Brush.Color = clRed;
    p.bmp.Canvas().FillRect(Rect(2, 3, 10, 8));
    EXPECT_EQ(p.At(2, 3), clRed);
    EXPECT_EQ(p.At(9, 7), clRed);
    EXPECT_EQ(p.At(10, 7), clWhite);
    EXPECT_EQ(p.At(9, 8), clWhite);
    EXPECT_EQ(p.At(1, 3), clWhite);
    p.bmp.Canvas().Brush = TBrush{clBlue, bsClear};
    p.bmp.Canvas().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(p.At(0, 0), clWhite);
}

TEST(Canvas, RectangleOutlinesInsideWithPenAndFillsWithBrush)
{
    Paper p;
    TCanvas& c = p.bmp.Canvas();
    c.Pen = TPen{clBlue, 1, psSolid};
    c.Brush = TBrush{clLime, bsSolid};
    c.Rectangle(5, 5, 15, 12);
    EXPECT_EQ(p.At(5, 5), clBlue);
    EXPECT_EQ(p.At(14, 11), clBlue);
    EXPECT_EQ(p.At(14, 8), clBlue);
    EXPECT_EQ(p.At(15, 8), clWhite);
    EXPECT_EQ(p.At(10, 12), clWhite);
    EXPECT_EQ(p.At(6, 6), clLime);
    EXPECT_EQ(p.At(13, 10), clLime);
    // A clear brush leaves the inside alone.
    c.Brush.Style = bsClear;
    c.Pen.Color = clRed;
    c.Rectangle(20, 5, 30, 15);
    EXPECT_EQ(p.At(20, 5), clRed);
    EXPECT_EQ(p.At(25, 10), clWhite);
    // A pen of width 2 stays inside the bounds too.
    c.Pen = TPen{clBlack, 2, psSolid};
    c.Rectangle(0, 20, 10, 30);
    EXPECT_EQ(p.At(1, 21), clBlack);
    EXPECT_EQ(p.At(8, 28), clBlack);
    EXPECT_EQ(p.At(9, 29), clBlack);
    EXPECT_EQ(p.At(5, 25), clWhite);
}

TEST(Canvas, FrameRectUsesTheBrushForAOnePixelBorder)
{
    Paper p;
    p.bmp.Canvas().Brush.Color = clMaroon;
    p.bmp.Canvas().FrameRect(Rect(4, 4, 10, 10));
    EXPECT_EQ(p.At(4, 4), clMaroon);
    EXPECT_EQ(p.At(9, 9), clMaroon);
    EXPECT_EQ(p.At(10, 9), clWhite);
    EXPECT_EQ(p.At(5, 5), clWhite);
}

TEST(Canvas, TextOutPlacesTheTopOfTheCellAndFillsItWithASolidBrush)
{
    Paper p;
    TCanvas& c = p.bmp.Canvas();
    c.Font.setPixelSize(13);
    c.Font.Color = clBlack;
    c.Brush = TBrush{clYellow, bsSolid};
    const int w = c.TextWidth("W");
    const int h = c.TextHeight("W");
    c.TextOut(3, 4, "W");
    // The cell (3, 4)-(3+w, 4+h) is the brush's colour behind the glyph.
    EXPECT_EQ(p.At(3, 4), clYellow);
    EXPECT_EQ(p.At(3 + w - 1, 4 + h - 1), clYellow);
    EXPECT_EQ(p.At(3 + w, 4), clWhite);
    EXPECT_EQ(p.At(3, 4 + h), clWhite);
    EXPECT_EQ(p.At(3, 3), clWhite);
    // Some glyph pixel is dark and lies inside the cell.
    bool dark = false;
    for (int y = 4; y < 4 + h; ++y)
        for (int x = 3; x < 3 + w; ++x)
            dark = dark || GetRValue(p.At(x, y)) < 100;
    EXPECT_TRUE(dark);
    EXPECT_EQ(c.PenPos, Point(3 + w, 4));
    // A clear brush draws the glyph only.
    c.Brush.Style = bsClear;
    c.TextOut(20, 4, "W");
    EXPECT_EQ(p.At(20, 4), clWhite);
}

TEST(Canvas, TextIsMeasuredAsQtMeasuresItAndALineBreakDrawsTheNextLineBelow)
{
    TBitmap bmp(200, 60);
    TCanvas& c = bmp.Canvas();
    c.Brush = TBrush{clWhite, bsSolid};
    c.FillRect(Rect(0, 0, 200, 60));
    c.Font.setPixelSize(13);
    c.Font.Color = clBlack;
    const QFontMetrics fm(c.Font, &bmp.Image());
    for (const QString& text : {QStringLiteral("1,234.50"), QStringLiteral("Wörter"), QStringLiteral("فارسی")})
        EXPECT_EQ(c.TextWidth(text), fm.horizontalAdvance(text)) << text.toStdString();
    // Drawn first, measured after: the same figure from the same shaping.
    c.DrawText(0, 0, QStringLiteral("kept 42"));
    EXPECT_EQ(c.TextWidth(QStringLiteral("kept 42")), fm.horizontalAdvance(QStringLiteral("kept 42")));

    c.FillRect(Rect(0, 0, 200, 60));
    c.Brush.Style = bsClear;
    c.DrawText(2, 2, QStringLiteral("WWWW\nW"));
    EXPECT_EQ(c.TextWidth(QStringLiteral("WWWW\nW")), fm.horizontalAdvance(QStringLiteral("WWWW")));
    const auto inkIn = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (GetRValue(bmp.Pixel(x, y)) < 100)
                    return true;
        return false;
    };
    const int line = fm.height(), w = fm.horizontalAdvance(QLatin1Char('W'));
    EXPECT_TRUE(inkIn(2, 2, 200, 2 + line));
    EXPECT_TRUE(inkIn(2, 2 + line, 2 + w, 2 + 2 * line)) << "the second line is not below the first";
    EXPECT_FALSE(inkIn(2 + w + 1, 2 + line, 200, 2 + 2 * line)) << "the second line holds one W";
}

TEST(Canvas, EllipseAndPolygonStayInsideTheirBounds)
{
    Paper p;
    TCanvas& c = p.bmp.Canvas();
    c.Pen.Color = clBlack;
    c.Brush = TBrush{clRed, bsSolid};
    c.Ellipse(0, 0, 21, 21);
    EXPECT_EQ(p.At(10, 10), clRed);
    EXPECT_EQ(p.At(0, 0), clWhite);
    EXPECT_EQ(p.At(21, 10), clWhite);
    EXPECT_EQ(p.At(10, 0), clBlack);
    c.Brush.Color = clBlue;
    c.Polygon({{25, 2}, {38, 2}, {38, 15}});
    EXPECT_EQ(p.At(36, 4), clBlue);
    EXPECT_EQ(p.At(26, 13), clWhite);
}

TEST(Canvas, LineToLeavesOutTheEndPoint)
{
    Paper p;
    TCanvas& c = p.bmp.Canvas();
    c.Pen.Color = clBlack;
    c.MoveTo(2, 2);
    c.LineTo(8, 2);
    EXPECT_EQ(p.At(2, 2), clBlack);
    EXPECT_EQ(p.At(7, 2), clBlack);
    EXPECT_EQ(p.At(8, 2), clWhite);
    EXPECT_EQ(c.PenPos, Point(8, 2));
}

TEST(Win32Drawing, DrawTextCalcRectHidesPrefixesAndTextOutWKeepsThePen)
{
    TBitmap bmp(200, 40);
    TCanvas& c = bmp.Canvas();
    c.Font.setPixelSize(13);
    TRect r = Rect(10, 5, 10, 5);
    const int h = DrawTextW(c.Handle(), "&File", r, DT_CALCRECT | DT_HIDEPREFIX | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), c.TextWidth("File"));
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(h, c.TextHeight("File"));
    EXPECT_EQ(r.Height(), h);
    r = Rect(0, 0, 0, 0);
    DrawTextW(c.Handle(), "a&&b", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), c.TextWidth("a&b"));
    r = Rect(0, 0, 0, 0);
    DrawTextW(c.Handle(), "a&&b", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.Width(), c.TextWidth("a&&b"));
    r = Rect(0, 0, 0, 0);
    DrawTextW(c.Handle(), "", r, DT_CALCRECT);
    EXPECT_EQ(r.Width(), 0);

    c.MoveTo(1, 1);
    c.Brush = TBrush{clAqua, bsSolid};
    EXPECT_TRUE(TextOutW(c.Handle(), 50, 10, "x"));
    EXPECT_EQ(c.PenPos, Point(1, 1));
    EXPECT_EQ(bmp.Pixel(50, 10), clAqua);
    EXPECT_FALSE(TextOutW(nullptr, 0, 0, "x"));
}

TEST(Win32Drawing, BitBltCopiesABlockBetweenBitmaps)
{
    TBitmap src(10, 10), dst(10, 10);
    src.Canvas().Brush.Color = clGreen;
    src.Canvas().FillRect(Rect(2, 2, 5, 5));
    EXPECT_TRUE(BitBlt(dst.Canvas().Handle(), 6, 6, 3, 3, src.Canvas().Handle(), 2, 2));
    EXPECT_EQ(dst.Pixel(6, 6), clGreen);
    EXPECT_EQ(dst.Pixel(8, 8), clGreen);
    EXPECT_EQ(dst.Pixel(5, 5), clWhite);
    EXPECT_FALSE(BitBlt(dst.Canvas().Handle(), 0, 0, 0, 3, src.Canvas().Handle(), 0, 0));
}

TEST(Win32Drawing, FontRangesComeFromTheRealFont)
{
    TBitmap bmp(1, 1);
    bmp.Canvas().Font = TFont(QFont("DejaVu Sans"));
    const TGlyphSet set = GetFontUnicodeRanges(bmp.Canvas().Handle());
    EXPECT_GT(set.cGlyphsSupported, 1000);
    bool hasA = false;
    for (const TWCRange& r : set.ranges)
        hasA = hasA || (r.wcLow <= u'A' && u'A' < r.wcLow + r.cGlyphs);
    EXPECT_TRUE(hasA);
}

TEST(Colours, SystemColoursResolveThroughThePaletteAndRGBPacksRedLow)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(clWindow, static_cast<TColor>(0xFF000005u));
    EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000Fu));
    EXPECT_EQ(ColorToRGB(clWindow), FromQColor(QGuiApplication::palette().color(QPalette::Base)));
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    TRect r;
    EXPECT_FALSE(IntersectRect(r, Rect(0, 0, 5, 5), Rect(5, 0, 9, 5)));
    EXPECT_TRUE(IntersectRect(r, Rect(0, 0, 5, 5), Rect(3, 2, 9, 9)));
    EXPECT_EQ(r, Rect(3, 2, 5, 5));
    EXPECT_FALSE(PtInRect(Rect(0, 0, 5, 5), Point(5, 0)));
}

TEST(Canvas, ABitmapAtADevicePixelRatioOfTwoDrawsAtTheDevicePixels)
{
    TBitmap bmp(40, 20);
    bmp.SetDevicePixelRatio(2);
    EXPECT_EQ(bmp.Width(), 40);
    EXPECT_EQ(bmp.Height(), 20);
    EXPECT_EQ(bmp.Image().size(), QSize(80, 40));
    EXPECT_EQ(bmp.Image().devicePixelRatio(), 2.0);
    TCanvas& c = bmp.Canvas();
    c.Pen = TPen{clBlack, 1, psSolid};
    c.MoveTo(0, 10);
    c.LineTo(40, 10);
    // A line of pen width 1 is one device pixel wide, as GDI draws it at
    // the screen's resolution: a whole device row, nothing blended beside.
    const QImage img = bmp.Image().convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < 78; ++x) {
        ASSERT_EQ(img.pixelColor(x, 20), QColor(Qt::black)) << x;
        ASSERT_EQ(img.pixelColor(x, 19), QColor(Qt::white)) << x;
        ASSERT_EQ(img.pixelColor(x, 21), QColor(Qt::white)) << x;
    }
    EXPECT_EQ(bmp.Pixel(5, 10), clBlack);
    EXPECT_EQ(bmp.Pixel(5, 9), clWhite);
    EXPECT_EQ(bmp.Pixel(40, 0), clNone);

    // Text keeps the detail of the device pixels: an image scaled up from
    // 40 x 20 would have every device pixel equal to its neighbour in pairs.
    c.Font = TFont(QFont(QStringLiteral("DejaVu Sans"), 9), clBlack);
    c.Brush.Style = bsClear;
    c.TextOut(2, 0, QStringLiteral("Wg"));
    const QImage text = bmp.Image().convertToFormat(QImage::Format_RGB32);
    int finer = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x + 1 < 60; x += 2)
            finer += text.pixel(x, y) != text.pixel(x + 1, y);
    EXPECT_GT(finer, 10);

    // A block copied in logical pixels lands where it was, at the same ratio.
    TBitmap copy(40, 20);
    copy.SetDevicePixelRatio(2);
    EXPECT_TRUE(BitBlt(&copy.Canvas(), 0, 0, 40, 20, &bmp.Canvas(), 0, 0));
    EXPECT_EQ(copy.Pixel(5, 10), clBlack);
    EXPECT_EQ(copy.Image().convertToFormat(QImage::Format_RGB32).pixelColor(7, 20), QColor(Qt::black));

    // A ratio below one is one; setting one starts the bitmap white.
    bmp.SetDevicePixelRatio(0.5);
    EXPECT_EQ(bmp.DevicePixelRatio(), 1.0);
    EXPECT_EQ(bmp.Image().size(), QSize(40, 20));
    EXPECT_EQ(bmp.Pixel(5, 10), clWhite);
}
