// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// String lists and the string lists over Qt widgets.
#include "toolkit/Types.h"
#include "toolkit/WidgetStrings.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace qz8;

TEST(StringList, ObjectsIndexOfIgnoringCaseUpdatesAndBounds)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.AddObject("Alpha", 7);
    list.Add("beta");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
    EXPECT_EQ(list.Objects(0), 7);
    list.BeginUpdate();
    list.Add("c");
    list.Add("d");
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(list.Get(4), Exception);
    EXPECT_THROW(list.Insert(9, "x"), Exception);
    list.SetText("one\r\ntwo\n\nfour\n");
    EXPECT_EQ(list.ToStringList(), (QStringList{"one", "two", "", "four"}));
    EXPECT_EQ(list.Text(), "one\ntwo\n\nfour\n");
}

TEST(StringList, SortExchangeAndAssignCarryTheObjects)
{
    TStringList list{"pear", "Apple", "fig", "apple"};
    for (int i = 0; i < list.Count(); ++i)
        list.PutObject(i, 10 + i);
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    // Without case, and stable: "Apple" stays before "apple".
    list.Sort();
    EXPECT_EQ(list.ToStringList(), (QStringList{"Apple", "apple", "fig", "pear"}));
    EXPECT_EQ(list.Objects(0), 11);
    EXPECT_EQ(list.Objects(1), 13);
    EXPECT_EQ(list.Objects(3), 10);
    EXPECT_EQ(changes, 1);

    list.Exchange(0, 3);
    EXPECT_EQ(list[0], "pear");
    EXPECT_EQ(list.Objects(0), 10);
    EXPECT_EQ(list.Objects(3), 11);
    EXPECT_THROW(list.Exchange(0, 4), Exception);
    EXPECT_THROW(list.Exchange(-1, 0), Exception);
    EXPECT_EQ(list[0], "pear"); // a refused exchange moves nothing

    // Assign replaces the contents with one change notice; assigning a list
    // to itself keeps it.
    TStringList other{"x", "y"};
    other.PutObject(1, 99);
    changes = 0;
    list.Assign(other);
    EXPECT_EQ(list.ToStringList(), (QStringList{"x", "y"}));
    EXPECT_EQ(list.Objects(1), 99);
    EXPECT_EQ(changes, 1);
    list.Assign(list);
    EXPECT_EQ(list.Count(), 2);
    // A copy is independent of its source.
    TStringList copy = list;
    copy.Put(0, "changed");
    EXPECT_EQ(list[0], "x");
}

TEST(WidgetStrings, ComboMemoAndListWidgetAreStringLists)
{
    QComboBox combo;
    TComboBoxStrings items(&combo);
    items.AddObject("x", 42);
    items.Insert(0, "w");
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(items.Objects(1), 42);
    EXPECT_EQ(items.IndexOf("X"), 1);
    EXPECT_THROW(items.Delete(5), Exception);

    QPlainTextEdit memo;
    TMemoLines lines(&memo);
    lines.Add("first");
    lines.Add("");
    lines.Add("third");
    EXPECT_EQ(memo.toPlainText(), "first\n\nthird");
    EXPECT_EQ(lines.Count(), 3);
    lines.Delete(1);
    EXPECT_EQ(lines.ToStringList(), (QStringList{"first", "third"}));

    QListWidget widget;
    TListWidgetStrings rows(&widget);
    rows.AddObject("r", -5);
    EXPECT_EQ(widget.count(), 1);
    EXPECT_EQ(rows.Objects(0), -5);
    rows.Clear();
    EXPECT_EQ(widget.count(), 0);
}
