// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The owner-drawn list box base on a real view: rows handed to DrawItem,
// painted pixels, selection by mouse and keyboard, and virtual lists whose
// cost is the visible rows only.
#include "toolkit/ListBox.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// Paints each row in a colour of its own so the grab can be read back.
class ProbeList : public TListBox {
public:
    std::vector<int> drawn;
    std::vector<TOwnerDrawState> states;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override
    {
        drawn.push_back(Index);
        states.push_back(State);
        Canvas().Brush = TBrush{(State & odSelected) ? clRed : RGB(0, Index % 256, 0), bsSolid};
        Canvas().FillRect(Rect);
    }
};

} // namespace

TEST(ListBoxBase, EveryVisibleRowIsHandedToDrawItemAndPaintedOnTheView)
{
    ProbeList list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(100, 5 * 16 + 8);
    list.SetItemHeight(16);
    for (int i = 0; i < 50; ++i)
        list.Items().Add(QString::number(i));
    list.SetItemIndex(2);
    list.show();
    QWidget* vp = list.viewport();
    const QImage img = vp->grab().toImage();
    EXPECT_EQ(FromQColor(img.pixelColor(10, 0)), RGB(0, 0, 0));
    EXPECT_EQ(FromQColor(img.pixelColor(10, 16 + 8)), RGB(0, 1, 0));
    EXPECT_EQ(FromQColor(img.pixelColor(10, 2 * 16 + 8)), clRed);
    EXPECT_EQ(FromQColor(img.pixelColor(10, 3 * 16)), RGB(0, 3, 0));
    // Only the rows that fit (5 whole and one partial) were drawn.
    ASSERT_FALSE(list.drawn.empty());
    EXPECT_EQ(*std::max_element(list.drawn.begin(), list.drawn.end()), 5);
    EXPECT_EQ(list.ItemRect(3), Rect(0, 48, vp->width(), 64));
    EXPECT_EQ(list.ItemAtPos(Point(5, 50), true), 3);
}

TEST(ListBoxBase, OwnerDrawStyleCallsOnDrawItemAndStandardStylePaintsText)
{
    TListBox list;
    list.resize(120, 100);
    list.Items().Add("alpha");
    int calls = 0;
    list.OnDrawItem = [&](QWidget* control, int index, TRect rect, TOwnerDrawState) {
        ++calls;
        EXPECT_EQ(control, &list);
        EXPECT_EQ(index, 0);
        EXPECT_EQ(rect.Top, 0);
    };
    list.show();
    list.viewport()->grab();
    EXPECT_EQ(calls, 0); // standard style ignores the event
    list.SetStyle(TCustomListBox::lbOwnerDrawFixed);
    list.viewport()->grab();
    EXPECT_GE(calls, 1);
}

TEST(ListBoxBase, MouseAndKeyboardSelection)
{
    ProbeList list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(100, 160);
    for (int i = 0; i < 30; ++i)
        list.Items().Add(QString::number(i));
    list.show();
    int clicks = 0;
    list.OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 16 * 3 + 2));
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 4);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.ItemIndex(), 29);
    EXPECT_GT(list.TopIndex(), 0);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.TopIndex(), 0);

    list.SetMultiSelect(true);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 16 * 2 + 2));
    EXPECT_EQ(list.SelCount(), 3);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(5, 16 + 2));
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_FALSE(list.Selected(1));
    EXPECT_TRUE(list.Selected(2));
    // Deleting rows drops the selection beyond the end.
    while (list.Items().Count() > 1)
        list.Items().Delete(list.Items().Count() - 1);
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_EQ(list.ItemIndex(), -1);
    for (int i = 1; i < 10; ++i)
        list.Items().Add(QString::number(i));
    // From the keyboard, as Qt's lists: Ctrl+arrows move without selecting,
    // Ctrl+Space toggles the row, and Shift+arrows extend from that row.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 2));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.SelCount(), 2);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_TRUE(list.Selected(3));
    EXPECT_TRUE(list.Selected(4));
    EXPECT_FALSE(list.Selected(0));
}

TEST(ListBoxBase, FocusedRowCarriesOdFocusedOnlyWithFocus)
{
    ProbeList list;
    list.resize(100, 60);
    list.Items().Add("a");
    list.Items().Add("b");
    list.SetItemIndex(1);
    list.show();
    list.viewport()->grab();
    ASSERT_EQ(list.states.size(), 2u);
    EXPECT_EQ(list.states[1], TOwnerDrawState(odSelected));
    EXPECT_EQ(list.states[0], TOwnerDrawState(0));
}

TEST(ListBoxBase, VirtualListOfTenMillionRowsStoresNothingAndPaintsTheVisibleRows)
{
    ProbeList list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(100, 10 * 16);
    list.SetStyle(TCustomListBox::lbVirtualOwnerDraw);
    list.SetCount(10'000'000);
    EXPECT_EQ(list.Count(), 10'000'000);
    EXPECT_EQ(list.Items().Count(), 0);
    list.show();
    EXPECT_EQ(list.verticalScrollBar()->maximum(), 10'000'000 - 10);
    list.SetTopIndex(9'999'990);
    list.drawn.clear();
    list.viewport()->grab();
    EXPECT_EQ(list.drawn.size(), 10u);
    EXPECT_EQ(list.drawn.front(), 9'999'990);
    EXPECT_EQ(list.drawn.back(), 9'999'999);
    list.SetItemIndex(9'999'999);
    EXPECT_EQ(list.ItemIndex(), 9'999'999);
    list.SetCount(5);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.TopIndex(), 0);
    // A plain list box ignores a virtual count.
    TListBox plain;
    plain.SetCount(7);
    EXPECT_EQ(plain.Count(), 0);
}

TEST(ListBoxBase, VirtualStandardRowsTakeTheirTextFromOnData)
{
    TListBox list;
    list.SetStyle(TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int index, QString& data) { data = QStringLiteral("row %1").arg(index); };
    list.SetCount(3);
    EXPECT_EQ(list.ItemText(2), "row 2");
    EXPECT_EQ(list.ItemText(3), QString());
}

TEST(CheckListBox, ChecksTravelWithTheirItemsAndToggleByBoxClickAndSpace)
{
    TCheckListBox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(120, 100);
    list.Items().Add("a");
    list.Items().Add("b");
    list.Items().Add("c");
    list.SetChecked(2, true);
    list.Items().Delete(0);
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(0));
    list.Items().Insert(0, "z");
    EXPECT_TRUE(list.Checked(2));
    EXPECT_FALSE(list.Checked(99));
    list.show();
    int checks = 0;
    list.OnClickCheck = [&](QObject*) { ++checks; };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 16 + 8));
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(checks, 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(80, 8));
    EXPECT_FALSE(list.Checked(0));
    EXPECT_EQ(list.ItemIndex(), 0);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.Checked(0));
    // The box of a checked row is drawn: its centre is the text colour.
    list.SetChecked(2, false);
    const QImage img = list.viewport()->grab().toImage();
    EXPECT_NE(FromQColor(img.pixelColor(8, 8)), ColorToRGB(clWindow));
    EXPECT_EQ(FromQColor(img.pixelColor(8, 2 * 16 + 8)), ColorToRGB(clWindow));
}

TEST(ListBox, ACurrentRowSetBeforeTheFirstShowScrollsOnlyWhenItIsNotInView)
{
    // Fifty 20 px rows in a 100 px list, the current row set while hidden.
    const auto hiddenList = [](TListBox& list, int current) {
        list.setFrameShape(QFrame::NoFrame);
        for (int i = 0; i < 50; ++i)
            list.Items().Add(QString::number(i));
        list.SetItemHeight(20);
        list.resize(120, 100);
        list.SetItemIndex(current);
    };
    // Row 3 fits: nothing scrolls.
    TListBox list;
    hiddenList(list, 3);
    list.show();
    EXPECT_EQ(list.TopIndex(), 0);
    // Row 30 does not: it is the last row in view once shown.
    TListBox far;
    hiddenList(far, 30);
    EXPECT_EQ(far.TopIndex(), 0); // not yet: the list has no height to fit rows into
    far.show();
    EXPECT_EQ(far.TopIndex(), 30 - 5 + 1);
    // A top row asked for after the current row (a .ui file, a form state
    // file) stays.
    TListBox asked;
    hiddenList(asked, 30);
    asked.SetTopIndex(1);
    asked.show();
    EXPECT_EQ(asked.TopIndex(), 1);
    EXPECT_EQ(asked.ItemIndex(), 30);
}
