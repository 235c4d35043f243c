// String lists and the string lists over Qt widgets.
#include "platform/Types.h"
#include "platform/WidgetStrings.h"

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
