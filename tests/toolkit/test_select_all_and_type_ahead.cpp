// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Select all on lists of any size, and type-ahead over a styled list of
// numbers and words.
#include "accessibility/ListBoxAccessible_p.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/General_runtime.h"
#include "helpers/numbered_list.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace qz8;

TEST(SelectAll, OneRangeForTenMillionRowsByKeyAndByCall)
{
    // One "selection within changed" event on the list, never "the list is
    // (not) selected".
    int events = 0;
    int wrong = 0;
    AccessibilityUpdate = [&](QAccessibleEvent* e) {
        if (e->type() == QAccessible::SelectionWithin && e->child() == -1)
            ++events;
        if (e->type() == QAccessible::Selection && e->child() == -1)
            ++wrong;
    };
    TListBox list;
    qz8test::ShowNumberedList(list, 10'000'000);
    int signals = 0;
    QObject::connect(&list, &TCustomListBox::selectionChanged, [&] { ++signals; });
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.SelCount(), 10'000'000);
    EXPECT_TRUE(list.Selected(0) && list.Selected(9'999'999));
    EXPECT_EQ(signals, 1);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(wrong, 0);
    // Again: nothing changes, nothing is announced.
    list.SelectAll();
    EXPECT_EQ(signals, 1);
    list.ClearSelection();
    EXPECT_EQ(list.SelCount(), 0);
    EXPECT_EQ(signals, 2);
    list.SelectAll();
    EXPECT_EQ(list.SelCount(), 10'000'000);

    // Ten rows the same way.
    TListBox small;
    small.Items().AddStrings({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    small.SetMultiSelect(true);
    small.SelectAll();
    EXPECT_EQ(small.SelCount(), 10);

    // A single-select list has nothing to select all: the current row stays.
    TListBox single;
    single.Items().AddStrings({"alpha", "beta"});
    single.SetItemIndex(1);
    single.show();
    QTest::keyClick(&single, Qt::Key_A, Qt::ControlModifier);
    single.SelectAll();
    EXPECT_EQ(single.ItemIndex(), 1);
    EXPECT_FALSE(single.Selected(0));
    AccessibilityUpdate = nullptr;
}

TEST(TypeAhead, StyledListOfNumbersAndWordsMatchesTheShownText)
{
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    TStyledListbox list;
    list.Items().AddStrings({"1234", "0.5", "apple", "42", "banana", "-7", "007"});
    list.resize(200, 200);
    list.show();
    const auto typed = [&](const QString& text) {
        QApplication::setKeyboardInputInterval(0); // a new search each time
        return list.KeyboardSearch(text);
    };
    EXPECT_EQ(typed("b"), 4);
    EXPECT_EQ(typed("A"), 2); // case does not matter
    EXPECT_EQ(typed("4"), 3);
    EXPECT_EQ(typed("0.50"), 1); // as shown, two decimals
    EXPECT_EQ(typed("-"), 5);
    EXPECT_EQ(typed("7"), 6); // "007" is shown as 7
    EXPECT_EQ(typed("x"), -1);
    // A row of the "not applicable" value reads "n/a": typed "n" finds it,
    // whatever character was asked of the number rows before.
    list.Items().Add(QString::number(kNotApplicable));
    EXPECT_EQ(typed("n"), 7);
    EXPECT_EQ(typed("x"), -1);
    list.SetItemIndex(0);
    EXPECT_EQ(typed("N"), 7);
    EXPECT_EQ(list.RowText(0), "1234");
    EXPECT_EQ(list.RowText(6), "7");
    QApplication::setKeyboardInputInterval(400);
    UserDefaultFormatSettings = FormatSettingsFor(QLocale::system());
}
