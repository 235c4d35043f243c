// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The margin grab panel: margins from inches on a sheet, the handles, the
// drag rules driven by real mouse events and by the keyboard, and its face
// in pixels.
#include "controls/My_StyledTMSComponents.h"
#include "toolkit/Application.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {

// A sheet 420 x 594 pixels (an A4 page at 2 pixels a millimetre) with the
// panel on it.
struct Sheet {
    std::unique_ptr<QWidget> sheet = std::make_unique<QWidget>();
    TNotepadGrabPanel* panel = new TNotepadGrabPanel(sheet.get());
    std::vector<TRect> reports;
    Sheet()
    {
        sheet->resize(420, 594);
        panel->OnStateMargins = [this](QObject* sender, TRect r) {
            EXPECT_EQ(sender, panel);
            reports.push_back(r);
        };
        panel->SetParentControl(sheet.get());
        panel->SetToMargins({1, 1, 1, 1}, 210, 297);
    }
    TRect Bounds() const
    {
        return Rect(panel->x(), panel->y(), panel->x() + panel->width(), panel->y() + panel->height());
    }
};

QPoint Centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// Sends a move to where the screen position global lies on the panel now
// (the panel moves under a fixed mouse while it is dragged).
void MoveTo(TNotepadGrabPanel* panel, QPoint global) { QTest::mouseMove(panel, panel->mapFromGlobal(global)); }

} // namespace

TEST(GrabPanel, ConstructionAndNoParent)
{
    TNotepadGrabPanel panel;
    EXPECT_EQ(panel.size(), QSize(100, 150));
    EXPECT_EQ(panel.Caption(), "");
    EXPECT_FALSE(panel.Monochrome());
    EXPECT_EQ(panel.GrabbedMidpoint(), kNoHandle);
    for (int w = t_left; w <= t_bottom; ++w)
        EXPECT_TRUE(panel.Midpoint(TWhere(w)).IsEmpty());
    // Without a sheet the margins place nothing.
    panel.move(7, 9);
    panel.SetToMargins({1, 1, 1, 1}, 210, 297);
    EXPECT_EQ(panel.geometry(), QRect(7, 9, 100, 150));
    EXPECT_EQ(panel.Color(), GetABaseTMSBackgroundColour(Global_TMSStyle));
    Global_TMSStyle = tsGraphite;
    panel.SetComponentStyle(tsClassicLight); // the global style decides
    EXPECT_EQ(panel.HandleColour(), GetABaseTMSTextColour_MOSTFREQUENT(tsGraphite));
}

TEST(GrabPanel, MarginsFromInchesOnASheet)
{
    ASSERT_EQ(ScreenPixelsPerInch(), 96);
    Sheet s;
    // 210 mm shown 420 pixels wide at 96 per inch: an inch is 50.8 -> 51.
    EXPECT_EQ(s.Bounds(), Rect(51, 51, 420 - 51, 594 - 51));
    EXPECT_TRUE(s.reports.empty()); // placing raises nothing
    s.panel->SetToMargins({0.5f, 2.0f, 0.25f, 0}, 210, 297);
    EXPECT_EQ(s.Bounds(), Rect(25, 13, 420 - 102, 594)); // 25.4 -> 25, 101.6 -> 102, 12.7 -> 13
    // Handles: squares of the width of "x" at the edges' midpoints.
    const int x = s.panel->XWidth();
    ASSERT_GT(x, 0);
    const int W = s.panel->width(), H = s.panel->height();
    EXPECT_EQ(s.panel->Midpoint(t_left), Rect(0, (H - x) / 2, x, (H - x) / 2 + x));
    EXPECT_EQ(s.panel->Midpoint(t_bottom), Rect((W - x) / 2, H - x, (W - x) / 2 + x, H));
    // Hostile sizes: no paper, no margins that are numbers, margins wider
    // than the sheet.
    const QRect before = s.panel->geometry();
    s.panel->SetToMargins({1, 1, 1, 1}, 0, 297);
    s.panel->SetToMargins({1, 1, 1, 1}, 210, -5);
    s.panel->SetToMargins({std::numeric_limits<float>::quiet_NaN(), 1, 1, 1}, 210, 297);
    s.panel->SetToMargins({std::numeric_limits<float>::infinity(), 1, 1, 1}, 210, 297);
    EXPECT_EQ(s.panel->geometry(), before);
    s.panel->SetToMargins({5, 5, 1, 1}, 210, 297);
    EXPECT_EQ(s.panel->width(), 0);
    EXPECT_GE(s.panel->height(), 0);
}

TEST(GrabPanel, DragClampsKeepTheMarginsOnTheSheet)
{
    Sheet s;
    s.panel->show();
    s.sheet->show();
    const QPoint press = s.panel->mapToGlobal(Centre(s.panel->Midpoint(t_left)));
    QTest::mousePress(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(press));
    EXPECT_TRUE(s.panel->Altering());
    MoveTo(s.panel, press); // choosing: the handle is found
    EXPECT_EQ(s.panel->GrabbedMidpoint(), t_left);
    EXPECT_EQ(s.panel->GestureCursor(), TNotepadGrabPanel::crSizeWE);
    EXPECT_TRUE(s.reports.empty());
    // Far to the right: stops at two thirds of the sheet.
    MoveTo(s.panel, press + QPoint(1000, 0));
    EXPECT_EQ(s.panel->x(), 280);
    EXPECT_EQ(s.panel->x() + s.panel->width(), 369); // the right edge stays
    // Far to the left: stops at 2.
    MoveTo(s.panel, press - QPoint(1000, 0));
    EXPECT_EQ(s.panel->x(), 2);
    ASSERT_EQ(s.reports.size(), 2u);
    EXPECT_EQ(s.reports[1], Rect(2, 51, 369, 543));
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(press - QPoint(1000, 0)));
    EXPECT_FALSE(s.panel->Altering());
    EXPECT_EQ(s.panel->GestureCursor(), TNotepadGrabPanel::crDefault);
    EXPECT_EQ(s.reports.size(), 2u); // the release raises nothing
    // The handles follow the new size only now.
    EXPECT_EQ(s.panel->Midpoint(t_right).Right, s.panel->width());

    // The right handle past the sheet's edge stops at the edge.
    const QPoint right = s.panel->mapToGlobal(Centre(s.panel->Midpoint(t_right)));
    QTest::mousePress(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(right));
    MoveTo(s.panel, right);
    MoveTo(s.panel, right + QPoint(500, 0));
    EXPECT_EQ(s.panel->x() + s.panel->width(), 420);
    MoveTo(s.panel, right - QPoint(2000, 0));
    EXPECT_EQ(s.panel->x() + s.panel->width(), 280);
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(right));
    // The top handle dragged below its limit gives no negative height.
    const QPoint top = s.panel->mapToGlobal(Centre(s.panel->Midpoint(t_top)));
    QTest::mousePress(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(top));
    MoveTo(s.panel, top);
    MoveTo(s.panel, top + QPoint(0, 5000));
    EXPECT_EQ(s.panel->y(), 396);
    EXPECT_GE(s.panel->height(), 0);
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(top));
}

TEST(GrabPanel, EveryDragStepReportsAndOtherButtonsStartNothing)
{
    Sheet s;
    s.sheet->show();
    const QPoint press = s.panel->mapToGlobal(Centre(s.panel->Midpoint(t_bottom)));
    QTest::mousePress(s.panel, Qt::RightButton, {}, s.panel->mapFromGlobal(press));
    EXPECT_FALSE(s.panel->Altering());
    QTest::mouseRelease(s.panel, Qt::RightButton, {}, s.panel->mapFromGlobal(press));
    QTest::mousePress(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(press));
    MoveTo(s.panel, press);
    for (int step = 1; step <= 5; ++step)
        MoveTo(s.panel, press - QPoint(0, 3 * step));
    ASSERT_EQ(s.reports.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(s.reports[i].Bottom, 543 - 3 * int(i + 1));
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(press));
    // Away from every handle nothing is grabbed.
    const QPoint middle = s.panel->mapToGlobal(QPoint(s.panel->width() / 2, s.panel->height() / 2));
    QTest::mousePress(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(middle));
    MoveTo(s.panel, middle + QPoint(5, 5));
    MoveTo(s.panel, middle + QPoint(50, 50));
    EXPECT_EQ(s.panel->GrabbedMidpoint(), kNoHandle);
    EXPECT_EQ(s.reports.size(), 5u);
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, s.panel->mapFromGlobal(middle));
}

TEST(GrabPanel, TheKeyboardMovesTheFocusedHandle)
{
    Sheet s;
    s.sheet->show();
    s.panel->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(s.panel->FocusedHandle(), t_left);
    QTest::keyClick(s.panel, Qt::Key_Right);
    EXPECT_EQ(s.panel->x(), 52);
    QTest::keyClick(s.panel, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(s.panel->x(), 62);
    QTest::keyClick(s.panel, Qt::Key_Up); // not this handle's axis
    EXPECT_EQ(s.panel->y(), 51);
    ASSERT_EQ(s.reports.size(), 2u);
    EXPECT_EQ(s.reports[1].Left, 62);
    // Tab moves to the next handle while there is one.
    QTest::keyClick(s.panel, Qt::Key_Tab);
    EXPECT_EQ(s.panel->FocusedHandle(), t_top);
    QTest::keyClick(s.panel, Qt::Key_Up);
    EXPECT_EQ(s.panel->y(), 50);
    QTest::keyClick(s.panel, Qt::Key_Tab);
    QTest::keyClick(s.panel, Qt::Key_Tab);
    EXPECT_EQ(s.panel->FocusedHandle(), t_bottom);
    for (int i = 0; i < 100; ++i)
        QTest::keyClick(s.panel, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(s.panel->y() + s.panel->height(), 594); // the drag clamps hold
    // The margins are announced.
    EXPECT_TRUE(s.panel->accessibleDescription().contains("left 62"));
    EXPECT_TRUE(s.panel->accessibleDescription().contains("bottom 0"));
}

TEST(GrabPanel, FaceInPixels)
{
    Global_TMSStyle = tsOceanBlue;
    Sheet s;
    s.panel->SetComponentStyle(tsOceanBlue);
    const QImage img = s.panel->grab().toImage();
    const TRect left = s.panel->Midpoint(t_left), top = s.panel->Midpoint(t_top);
    EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), GetABaseTMSTextColour_SEARCHWORD(tsOceanBlue)); // frame
    EXPECT_EQ(FromQColor(img.pixelColor(s.panel->width() - 1, 40)), GetABaseTMSTextColour_SEARCHWORD(tsOceanBlue));
    EXPECT_EQ(FromQColor(img.pixelColor(left.Right - 1, left.Top + 2)), s.panel->HandleColour()); // handle outline
    EXPECT_EQ(FromQColor(img.pixelColor(top.Left + 2, top.Bottom - 1)), s.panel->HandleColour());
    EXPECT_EQ(FromQColor(img.pixelColor(2, 2)), GetABaseTMSBackgroundColour(tsOceanBlue));
    s.panel->SetMonochrome(true);
    const QImage mono = s.panel->grab().toImage();
    EXPECT_EQ(FromQColor(mono.pixelColor(0, 0)), TColor(0x808080));
    EXPECT_EQ(FromQColor(mono.pixelColor(left.Right - 1, left.Top + 2)), clBlack);
}

TEST(GrabPanel, ANarrowPanelShowsTwoDotsARow)
{
    // No sheet: no handles to cross the rows.
    TNotepadGrabPanel panel;
    panel.resize(16, 60);
    const QImage img = panel.grab().toImage();
    const QRgb back = ToQColor(GetABaseTMSBackgroundColour(Global_TMSStyle)).rgb();
    // The first row: count the separate runs of ink inside the frame.
    int runs = 0;
    bool inRun = false;
    for (int x = 1; x < 15; ++x) {
        bool ink = false;
        for (int y = 3; y < 3 + QFontMetrics(panel.font()).height(); ++y)
            ink = ink || img.pixel(x, y) != back;
        if (ink && !inRun)
            ++runs;
        inRun = ink;
    }
    EXPECT_EQ(runs, 2);
}
