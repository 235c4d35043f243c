// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Right-to-left layout: the styled list box's numbers lead from the left and
// its texts from the right; the colour list box's and combo's swatches move
// to the right; the combo's label goes to the other side; the plain, check
// and colour box lists mirror too. The check list's box is the style's.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Colour_utils.h"
#include "external/General_runtime.h"

#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// The columns where anything other than the background shows.
std::pair<int, int> InkColumns(const QImage& img, QRgb back, int top, int bottom)
{
    int left = -1, right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != back) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

TEST(RightToLeft, StyledListBoxRowsMirror)
{
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.setLayoutDirection(Qt::RightToLeft);
    list.Items().AddStrings({"1234", "collocation"});
    list.SetItemHeight(20);
    list.resize(240, 60);
    list.show();
    const QImage img = list.viewport()->grab().toImage();
    const QRgb back = ToQColor(list._BackgroundColour()).rgb();
    // The number starts one full stop (4 px) from the left edge.
    const auto number = InkColumns(img, back, 0, 20);
    EXPECT_NEAR(number.first, 5, 1);
    EXPECT_LT(number.second, 60);
    // The text ends two pixels from the right edge.
    const auto text = InkColumns(img, back, 20, 40);
    EXPECT_GT(text.first, 140);
    EXPECT_NEAR(text.second, 240 - 3, 2);
    // Left to right, the same rows sit the other way round.
    list.setLayoutDirection(Qt::LeftToRight);
    const QImage ltr = list.viewport()->grab().toImage();
    EXPECT_GT(InkColumns(ltr, back, 0, 20).first, 180);
    EXPECT_LT(InkColumns(ltr, back, 20, 40).first, 5);
}

TEST(RightToLeft, ColourSwatchesAndTheComboLabelMirror)
{
    MyColourArray = {{clRed, "red"}, {clNavy, "navy"}};
    QWidget window;
    window.resize(400, 100);
    auto* combo = new TColourSharingCombo(&window);
    combo->SetLabelCaption("Colour");
    combo->SetLabelPosition(lpLeftCenter);
    combo->setGeometry(150, 30, 150, 24);
    window.setLayoutDirection(Qt::RightToLeft);
    window.show();
    ASSERT_NE(combo->Label(), nullptr);
    // The label is on the right of the combo now.
    EXPECT_GE(combo->Label()->x(), combo->x() + combo->width());

    // A row: the swatch at the right edge, the name right-aligned before it.
    TCanvas& c = combo->Canvas();
    TBitmap bmp(200, 16);
    bmp.Canvas().Brush.Color = clWhite;
    bmp.Canvas().FillRect(Rect(0, 0, 200, 16));
    c.Attach(bmp.Canvas().Painter());
    c.Font = TFont(combo->font(), clBlack);
    c.Brush = TBrush{clWhite, bsSolid};
    combo->DrawItem(1, Rect(0, 0, 200, 16), 0);
    c.Detach();
    const QImage img = bmp.Image();
    EXPECT_EQ(FromQColor(img.pixelColor(198, 8)), clNavy);
    EXPECT_EQ(FromQColor(img.pixelColor(1, 8)), clWhite);
    const auto name = InkColumns(img, qRgb(255, 255, 255), 0, 16);
    EXPECT_NEAR(name.first, 200 - 20 - 32, 3); // "navy" is 32 pixels wide
}

TEST(RightToLeft, PlainCheckAndColourBoxListsMirror)
{
    // One 20 px row in a 200 px list, right to left.
    const auto rightToLeft = [](TCustomListBox& list, const QString& row) {
        list.setFrameShape(QFrame::NoFrame);
        list.Items().Add(row);
        list.SetItemHeight(20);
        list.resize(200, 40);
        list.setLayoutDirection(Qt::RightToLeft);
        list.show();
    };
    // The plain list: a row's text ends two pixels from the right edge.
    TListBox list;
    rightToLeft(list, QStringLiteral("estuary"));
    const QRgb back = ToQColor(list.Color(), list.palette()).rgb();
    const auto text = InkColumns(list.viewport()->grab().toImage(), back, 0, 20);
    EXPECT_GT(text.first, 100);
    EXPECT_NEAR(text.second, 200 - 3, 2);
    list.setLayoutDirection(Qt::LeftToRight);
    EXPECT_NEAR(InkColumns(list.viewport()->grab().toImage(), back, 0, 20).first, 2, 2);

    // The check list: the box leads on the right, the text before it, and
    // a click on the right-hand box column toggles the row.
    TCheckListBox checks;
    rightToLeft(checks, QStringLiteral("tide"));
    const int column = 13 + 4; // the box of a 20 px row, and its margins
    const auto row = InkColumns(checks.viewport()->grab().toImage(), back, 0, 20);
    EXPECT_GT(row.first, 100);
    EXPECT_GE(row.second, 200 - column);
    QTest::mouseClick(checks.viewport(), Qt::LeftButton, {}, QPoint(200 - column / 2, 10));
    EXPECT_TRUE(checks.Checked(0));
    QTest::mouseClick(checks.viewport(), Qt::LeftButton, {}, QPoint(column / 2, 10));
    EXPECT_TRUE(checks.Checked(0)); // the left end is text now

    // The colour box: the swatch at the right edge, the name before it.
    TCustomColorBox box;
    box.setLayoutDirection(Qt::RightToLeft);
    box.addItem(QStringLiteral("red"));
    TBitmap bmp(200, 16);
    bmp.Canvas().Brush.Color = clWhite;
    bmp.Canvas().FillRect(Rect(0, 0, 200, 16));
    TCanvas& c = box.Canvas();
    c.Attach(bmp.Canvas().Painter());
    c.SetPalette(box.palette());
    c.Font = TFont(box.font(), clBlack);
    c.Brush = TBrush{clWhite, bsSolid};
    box.DrawItem(0, Rect(0, 0, 200, 16), 0);
    c.Detach();
    const QImage img = bmp.Image();
    const auto ink = InkColumns(img, QColor(Qt::white).rgb(), 0, 16);
    EXPECT_NEAR(ink.second, 200 - 3, 1); // the swatch's frame
    EXPECT_GT(ink.first, 100); // the name ends before the swatch, from the right
}

TEST(CheckListBox, TheCheckMarkIsTheStylesIndicator)
{
    // The box is what the widget's style draws for a checked and an
    // unchecked item-view indicator: a tick in every style, never a square.
    // Its edge may be outlined (a style's faint box): it stands at 3:1.
    TCheckListBox checks;
    checks.setFrameShape(QFrame::NoFrame);
    checks.Items().AddStrings({"on", "off"});
    checks.SetItemHeight(20);
    checks.resize(160, 40);
    checks.SetChecked(0, true);
    checks.show();
    const QImage shown = checks.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int box = 13; // the box of a 20 px row
    for (const bool on : {true, false}) {
        const QRect where(2, (on ? 0 : 20) + (20 - box) / 2, box, box);
        QImage expected(shown.size(), QImage::Format_RGB32);
        expected.fill(ToQColor(checks.Color(), checks.palette()));
        QPainter painter(&expected);
        QStyleOptionViewItem option;
        option.initFrom(&checks);
        option.rect = where;
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        option.checkState = on ? Qt::Checked : Qt::Unchecked;
        option.state = (option.state & ~QStyle::State_HasFocus) | (on ? QStyle::State_On : QStyle::State_Off);
        checks.style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &option, &painter, &checks);
        painter.end();
        int differing = 0;
        double edge = 1.0;
        const QColor back = ToQColor(checks.Color(), checks.palette());
        for (int y = where.top(); y <= where.bottom(); ++y) {
            for (int x = where.left(); x <= where.right(); ++x) {
                if (where.adjusted(1, 1, -1, -1).contains(x, y))
                    differing += shown.pixel(x, y) != expected.pixel(x, y);
                else
                    edge = std::max(edge, ContrastRatio(shown.pixelColor(x, y), back));
            }
        }
        EXPECT_EQ(differing, 0) << (on ? "checked" : "unchecked");
        EXPECT_GE(edge, 3.0) << (on ? "checked" : "unchecked");
    }
}
