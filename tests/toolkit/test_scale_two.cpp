// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// In a process whose screen has a device pixel ratio of 2 (ctest runs
// ScaleTwo.* with QT_SCALE_FACTOR=2; elsewhere they skip): what a window
// paints is made at the device pixels, not scaled up from logical ones.
#include "toolkit/Canvas.h"
#include "toolkit/ImageControls.h"
#include "toolkit/ImgList.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

bool AtScaleTwo() { return qApp->devicePixelRatio() == 2.0; }

// A control painting through a canvas, as a tool's own controls do.
class CanvasLines : public QWidget {
public:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        TCanvas canvas;
        canvas.Attach(&painter);
        canvas.Brush = TBrush{clWhite, bsSolid};
        canvas.FillRect(Rect(0, 0, width(), height()));
        canvas.Pen = TPen{clBlack, 1, psSolid};
        canvas.MoveTo(0, 10);
        canvas.LineTo(width(), 10);
        canvas.Detach();
    }
};

// A 1-pixel checkerboard of two colours: no image scaled up from half its
// size can show it.
QImage Checkerboard(int side, QColor a, QColor b)
{
    QImage img(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            img.setPixelColor(x, y, (x + y) % 2 ? a : b);
    return img;
}

} // namespace

TEST(ScaleTwo, CanvasLinesAreOneDevicePixelAndToolIconsComeFromTheListOfThatSize)
{
    if (!AtScaleTwo())
        GTEST_SKIP() << "runs at QT_SCALE_FACTOR=2 (ctest ScaleTwo)";

    CanvasLines lines;
    lines.resize(60, 20);
    lines.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lines));
    const QImage shot = lines.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(120, 40)); // the window's device pixels
    // A pen of width 1: one row of device pixels, nothing blended beside it.
    for (int x = 0; x < 118; ++x) {
        ASSERT_EQ(shot.pixelColor(x, 20), QColor(Qt::black)) << x;
        ASSERT_EQ(shot.pixelColor(x, 19), QColor(Qt::white)) << x;
        ASSERT_EQ(shot.pixelColor(x, 21), QColor(Qt::white)) << x;
    }

    // A 16 px tool icon is drawn from the family's 32 px list at this ratio.
    TImageList small, large;
    large.SetSize(32, 32);
    small.Add(QImage(16, 16, QImage::Format_ARGB32));
    small.Add(Checkerboard(16, Qt::red, Qt::blue));
    large.Add(QImage(32, 32, QImage::Format_ARGB32));
    large.Add(Checkerboard(32, Qt::red, Qt::blue));
    SetImageListFamily({&small, &large});
    TToolBar bar;
    bar.setIconSize(QSize(16, 16));
    bar.SetImages(&small);
    auto* button = new TToolButton(&bar);
    button->SetImageIndex(1);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    const QImage icon = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Somewhere in the button, 32 x 32 device pixels alternate red and blue
    // one by one; an icon scaled up from 16 px would show 2 x 2 blocks.
    int alternating = 0;
    for (int y = 0; y + 1 < icon.height(); ++y)
        for (int x = 0; x + 1 < icon.width(); ++x) {
            const QColor c = icon.pixelColor(x, y);
            if ((c == Qt::red || c == Qt::blue) && icon.pixelColor(x + 1, y) != c &&
                (icon.pixelColor(x + 1, y) == Qt::red || icon.pixelColor(x + 1, y) == Qt::blue))
                ++alternating;
        }
    EXPECT_GT(alternating, 32 * 28);
}
