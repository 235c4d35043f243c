// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// String lists and the string lists over Qt widgets.
#include "toolkit/Types.h"
#include "toolkit/WidgetStrings.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

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

namespace {
// Reaches the hidden marks, as the check list does.
class MarkedList : public TStringList {
public:
    using TStringList::Mark;
    using TStringList::SetMark;
};
} // namespace

// The texts lie in shared blocks: inserts anywhere, texts replaced by
// longer, shorter and empty ones, deletes that leave blocks dead and force
// the live texts together, sorts, copies and moves must keep every row's
// text, object and mark, checked against plain vectors after every step.
TEST(StringList, RowsKeepTheirTextsObjectsAndMarksThroughEveryEdit)
{
    std::mt19937 random(20261210);
    const auto text = [&random] {
        const int kind = static_cast<int>(random() % 20);
        if (kind == 0)
            return QString();
        if (kind == 1)
            return QString(40000 + static_cast<int>(random() % 100), QChar(u'λ')); // over a block
        QString t;
        const int n = 1 + static_cast<int>(random() % 30);
        for (int i = 0; i < n; ++i)
            t += random() % 7 == 0 ? QStringLiteral("\U0001F600")
                                   : QString(QChar(static_cast<char16_t>(u'a' + random() % 26)));
        return t;
    };
    using Row = std::tuple<QString, TObjectValue, bool>;
    std::vector<Row> model;
    MarkedList list;
    const auto same = [&](const TStringList& l, const char* step) {
        ASSERT_EQ(l.Count(), static_cast<int>(model.size())) << step;
        for (int i = 0; i < l.Count(); ++i) {
            ASSERT_EQ(l.Get(i), std::get<0>(model[i])) << step << " row " << i;
            ASSERT_EQ(l.View(i), std::get<0>(model[i])) << step << " row " << i;
            ASSERT_EQ(l.Objects(i), std::get<1>(model[i])) << step << " row " << i;
        }
    };
    for (int step = 0; step < 6000; ++step) {
        const int n = static_cast<int>(model.size());
        const int op = static_cast<int>(random() % (n < 50 ? 4 : 10));
        const int at = n == 0 ? 0 : static_cast<int>(random() % n);
        if (op <= 2) {
            const QString t = text();
            const TObjectValue obj = random() % 3 == 0 ? static_cast<TObjectValue>(random()) : 0;
            const int where = static_cast<int>(random() % (n + 1));
            list.InsertObject(where, t, obj);
            model.insert(model.begin() + where, Row{t, obj, false});
        } else if (op == 3 && n > 0) {
            const bool mark = random() % 2 == 0;
            list.SetMark(at, mark);
            std::get<2>(model[at]) = mark;
        } else if (op == 4) {
            const QString t = text();
            list.Put(at, t);
            std::get<0>(model[at]) = t;
        } else if (op == 5) {
            const auto obj = static_cast<TObjectValue>(random() % 5);
            list.PutObject(at, obj);
            std::get<1>(model[at]) = obj;
        } else if (op <= 8) {
            list.Delete(at);
            model.erase(model.begin() + at);
        } else {
            const int other = static_cast<int>(random() % n);
            list.Exchange(at, other);
            std::swap(model[at], model[other]);
        }
        if (step % 500 == 0)
            same(list, "edits");
    }
    same(list, "edits");
    for (int i = 0; i < list.Count(); ++i)
        ASSERT_EQ(list.Mark(i), std::get<2>(model[i])) << i;

    list.Sort();
    std::stable_sort(model.begin(), model.end(), [](const Row& x, const Row& y) {
        return std::get<0>(x).compare(std::get<0>(y), Qt::CaseInsensitive) < 0;
    });
    same(list, "sort");
    for (int i = 0; i < list.Count(); ++i)
        ASSERT_EQ(list.Mark(i), std::get<2>(model[i])) << i;
    if (list.Count() > 0) {
        EXPECT_EQ(list.IndexOf(std::get<0>(model.back()).toUpper()),
                  static_cast<int>(std::find_if(model.begin(), model.end(),
                                                [&](const Row& r) {
                                                    return std::get<0>(r).compare(std::get<0>(model.back()),
                                                                                  Qt::CaseInsensitive) == 0;
                                                }) -
                                   model.begin()));
    }

    // A copy and its source change apart; a moved-from list is empty.
    TStringList copy = list;
    same(copy, "copy");
    while (list.Count() > 0)
        list.Delete(list.Count() - 1);
    same(copy, "copy after the source emptied");
    TStringList moved = std::move(copy);
    same(moved, "moved");
    EXPECT_EQ(copy.Count(), 0); // NOLINT(bugprone-use-after-move): a moved-from list is empty
    copy.Add("again");
    EXPECT_EQ(copy[0], "again");

    // An empty text comes back empty, not null, as the QString it was.
    list.Add(QStringLiteral(""));
    EXPECT_FALSE(list.Get(0).isNull());
    EXPECT_THROW(list.View(1), Exception);
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
