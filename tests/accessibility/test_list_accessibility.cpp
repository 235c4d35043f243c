// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The owner-drawn lists as assistive technology reads them: the
// accessibility tree (read only through QAccessible, as a screen reader
// does), and the focus and selection changes it hears.
#include "accessibility/ListBoxAccessible_p.h"
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Colour_utils.h"
#include "external/General_runtime.h"
#include "helpers/numbered_list.h"
#include "test_util.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QAccessibleInterface* Tree(QObject* o)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    EXPECT_NE(i, nullptr);
    return i;
}

// Records the accessibility events of a test.
struct Events {
    static std::vector<std::pair<QAccessible::Event, int>>& Log()
    {
        static std::vector<std::pair<QAccessible::Event, int>> log;
        return log;
    }
    Events()
    {
        Log().clear();
        AccessibilityUpdate = [](QAccessibleEvent* e) { Log().emplace_back(e->type(), e->child()); };
    }
    ~Events() { AccessibilityUpdate = nullptr; }
};

struct English {
    English() { UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

// Every kind of list of the library in one window, with its name.
struct FiveLists {
    QWidget window;
    TListBox* plain = new TListBox(&window);
    TCheckListBox* check = new TCheckListBox(&window);
    TStyledListbox* styled = new TStyledListbox(&window);
    TStyledListbox* virtualRows = new TStyledListbox(&window);
    TColourSharingListbox* colours = new TColourSharingListbox(&window);
    const std::pair<const char*, TCustomListBox*> lists[5] = {{"TListBox", plain},
                                                              {"TCheckListBox", check},
                                                              {"TStyledListbox", styled},
                                                              {"virtual", virtualRows},
                                                              {"TColourSharingListbox", colours}};
    FiveLists() { virtualRows->SetStyle(TCustomListBox::lbVirtualOwnerDraw); }
    auto Each() { return std::tuple(plain, check, styled, virtualRows, colours); }
};

} // namespace

TEST(ListBoxAccessibility, RowsNamedAsShownWithTheirStates)
{
    English en;
    Events events;
    TStyledListbox list;
    list.setAccessibleName("Frequencies");
    list.SetMultiSelect(true);
    list.Items().AddStrings({"1234.5", "-999999", "-999998", "collocation", "/a/very/long/path/to/a/file.txt"});
    list.resize(120, 200);
    list.show();
    QAccessibleInterface* tree = Tree(&list);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->role(), QAccessible::List);
    EXPECT_EQ(tree->text(QAccessible::Name), "Frequencies");
    ASSERT_EQ(tree->childCount(), 5);
    QStringList names;
    for (int i = 0; i < tree->childCount(); ++i) {
        QAccessibleInterface* row = tree->child(i);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->role(), QAccessible::ListItem);
        EXPECT_EQ(row->parent(), tree);
        EXPECT_EQ(tree->indexOfChild(row), i);
        names << row->text(QAccessible::Name);
    }
    EXPECT_EQ(names, (QStringList{"1,234.50", "n/a", "", "collocation", "/a/very/long/path/to/a/file.txt"}));
    // The same row is the same object.
    EXPECT_EQ(tree->child(1), tree->child(1));

    list.setFocus();
    ASSERT_TRUE(qz8test::Activate(&list));
    list.SetItemIndex(0);
    list.SetSelected(3, true);
    QTest::keyClick(&list, Qt::Key_Down);
    // A plain move selects the new row only.
    EXPECT_TRUE(tree->child(1)->state().selected);
    EXPECT_TRUE(tree->child(1)->state().active);
    EXPECT_FALSE(tree->child(3)->state().selected);
    EXPECT_FALSE(tree->child(0)->state().selected);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(tree->child(1)->state().selected);
    EXPECT_TRUE(tree->child(2)->state().selected);
    // The move was announced: focus on row 1, and its selection.
    const auto& log = Events::Log();
    EXPECT_NE(std::find(log.begin(), log.end(), std::pair{QAccessible::Focus, 1}), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), std::pair{QAccessible::SelectionAdd, 1}), log.end());
}

TEST(ListBoxAccessibility, EveryRowIsAChildWithoutAnObjectPerRow)
{
    Events events;
    TListBox list;
    list.SetStyle(TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int i, QString& s) { s = QStringLiteral("row %1").arg(i); };
    list.SetCount(10'000'000);
    list.SetItemHeight(20);
    list.resize(100, 200);
    list.show();
    QAccessibleInterface* tree = Tree(&list);
    ASSERT_NE(tree, nullptr);
    // Row count and position in set are true: the last row is row 10,000,000
    // of 10,000,000, wherever the list is scrolled.
    EXPECT_EQ(tree->childCount(), 10'000'000);
    list.setFocus();
    ASSERT_TRUE(qz8test::Activate(&list));
    list.SetItemIndex(0);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.ItemIndex(), 9'999'999);
    QAccessibleInterface* last = tree->child(9'999'999);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(QAccessible::Name), "row 9999999");
    EXPECT_EQ(tree->indexOfChild(last), 9'999'999);
    EXPECT_TRUE(last->state().focused || last->state().active);
    EXPECT_EQ(tree->child(5'000'000)->text(QAccessible::Name), "row 5000000");
    EXPECT_EQ(tree->child(10'000'000), nullptr);
    // The move left row 0 and announced it, as QListView does.
    const auto& log = Events::Log();
    EXPECT_NE(std::find(log.begin(), log.end(), std::pair{QAccessible::SelectionAdd, 9'999'999}), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), std::pair{QAccessible::SelectionRemove, 0}), log.end());
    // A screen reader walking many rows leaves a bounded number of objects.
    for (int i = 0; i < 5000; ++i)
        ASSERT_NE(tree->child(i * 1999), nullptr);
    EXPECT_LE(CachedRowInterfaces(&list), 512);
    EXPECT_GT(CachedRowInterfaces(&list), 0);
    // An evicted row comes back when asked for again, with its name.
    EXPECT_EQ(tree->child(1999)->text(QAccessible::Name), "row 1999");

    TCheckListBox checks;
    checks.Items().AddStrings({"a", "b"});
    checks.SetChecked(1, true);
    checks.show();
    QAccessibleInterface* c = Tree(&checks);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->child(1)->state().checkable);
    EXPECT_TRUE(c->child(1)->state().checked);
    EXPECT_FALSE(c->child(0)->state().checked);
}

TEST(ListBoxAccessibility, ColourRowsAreNamedByNameAndValue)
{
    MyColourArray = {{clRed, "red"}, {clNavy, "navy"}};
    TColourSharingListbox list;
    list.show();
    QAccessibleInterface* tree = Tree(&list);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->childCount(), 2);
    EXPECT_EQ(tree->child(0)->text(QAccessible::Name), "red #FF0000");
    EXPECT_EQ(tree->child(1)->text(QAccessible::Name), "navy #000080");
    TColourSharingCombo combo;
    combo.show();
    EXPECT_EQ(combo.itemData(1, Qt::AccessibleTextRole).toString(), "navy #000080");
}

TEST(SelectionAnnouncements, RowsToggledInPlaceAndRangesLeftAreHeard)
{
    std::vector<std::pair<QAccessible::Event, int>> heard;
    AccessibilityUpdate = [&](QAccessibleEvent* e) {
        if (e->type() != QAccessible::Focus)
            heard.emplace_back(e->type(), e->child());
    };
    TListBox list;
    qz8test::ShowNumberedList(list, 10'000'000);
    list.SetExtendedSelect(true);
    list.SetItemIndex(5);
    heard.clear();

    // Space toggles the current row in place: one event naming that row.
    QTest::keyClick(&list, Qt::Key_Space);
    ASSERT_TRUE(list.Selected(5));
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::SelectionAdd, 5}}));
    heard.clear();
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::SelectionRemove, 5}}));

    // A call changes a row: heard; the same state again: nothing.
    heard.clear();
    list.SetSelected(9'000'000, true);
    list.SetSelected(9'000'000, true);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::SelectionAdd, 9'000'000}}));

    // Shift+End selects millions of rows: the row reached and one event for
    // the range, not one per row; a plain move leaves them all the same way.
    heard.clear();
    QTest::keyClick(&list, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(list.SelCount(), 10'000'000 - 5);
    EXPECT_LE(heard.size(), 3u);
    EXPECT_TRUE(std::count(heard.begin(), heard.end(), std::pair{QAccessible::SelectionWithin, -1}) == 1);
    heard.clear();
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_LE(heard.size(), 3u);
    EXPECT_TRUE(std::count(heard.begin(), heard.end(), std::pair{QAccessible::SelectionWithin, -1}) == 1);
    EXPECT_TRUE(std::count(heard.begin(), heard.end(), std::pair{QAccessible::SelectionAdd, 0}) == 1);
    AccessibilityUpdate = nullptr;
}

TEST(SelectionAnnouncements, CtrlMovesAreHeardAsFocusAndOnlyRealChangesAsSelection)
{
    std::vector<std::pair<QAccessible::Event, int>> heard;
    AccessibilityUpdate = [&](QAccessibleEvent* e) { heard.emplace_back(e->type(), e->child()); };
    TListBox list;
    list.Items().AddStrings({"a", "b", "c", "d", "e", "f"});
    list.SetMultiSelect(true);
    list.SetExtendedSelect(true);
    list.resize(200, 200);
    list.show();
    list.SetItemIndex(1);
    list.SetSelected(1, true);
    heard.clear();

    // Ctrl+Down, Ctrl+End, Ctrl+Home: the focus moves (as QListWidget says
    // it), no selection changes and none is announced.
    QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, 2}}));
    heard.clear();
    QTest::keyClick(&list, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, 5}, {QAccessible::Focus, 0}}));
    EXPECT_EQ(list.SelCount(), 1);

    // Ctrl+click on row 3 from row 0 (neither selected): row 3 is selected
    // and focused; row 0 was not selected, so nothing says it is not.
    heard.clear();
    const QRect row3 = list.ItemRect(3).ToQRect();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, row3.center());
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, 3}, {QAccessible::SelectionAdd, 3}}));
    // Ctrl+click on the selected row 1: it is no longer selected, and row 3
    // stays selected.
    heard.clear();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, list.ItemRect(1).ToQRect().center());
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, 1}, {QAccessible::SelectionRemove, 1}}));
    // Toggled in place, then moved by a call: the call changes no selection
    // in a multi-select list, so only the focus is heard.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, list.ItemRect(1).ToQRect().center());
    heard.clear();
    list.SetItemIndex(4);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, 4}}));
    AccessibilityUpdate = nullptr;
}

TEST(ListBoxAccessibility, TheFocusedAndSelectedRowsOutliveOtherRowsAskedFor)
{
    TListBox list;
    qz8test::ShowNumberedList(list, 100'000);
    list.SetItemIndex(7);
    list.SetSelected(40'000, true);
    QAccessibleInterface* tree = Tree(&list);
    ASSERT_NE(tree, nullptr);
    const QAccessible::Id focused = QAccessible::uniqueId(tree->child(7));
    const QAccessible::Id selected = QAccessible::uniqueId(tree->child(40'000));
    const QAccessible::Id plain = QAccessible::uniqueId(tree->child(3));
    // 600 other rows asked for, more than are kept.
    for (int i = 50'000; i < 50'600; ++i)
        ASSERT_NE(tree->child(i), nullptr);
    ASSERT_NE(QAccessible::accessibleInterface(focused), nullptr);
    EXPECT_TRUE(QAccessible::accessibleInterface(focused)->isValid());
    EXPECT_EQ(tree->indexOfChild(QAccessible::accessibleInterface(focused)), 7);
    ASSERT_NE(QAccessible::accessibleInterface(selected), nullptr);
    EXPECT_EQ(tree->child(40'000), QAccessible::accessibleInterface(selected));
    // An ordinary row asked for long ago went; the number kept stays bounded.
    EXPECT_EQ(QAccessible::accessibleInterface(plain), nullptr);
    EXPECT_LE(CachedRowInterfaces(&list), 512);
    // A row asked for again is the most recent: it stays while others go.
    const QAccessible::Id recent = QAccessible::uniqueId(tree->child(50'000));
    for (int i = 60'000; i < 60'500; ++i)
        tree->child(i);
    tree->child(50'000);
    for (int i = 61'000; i < 61'100; ++i)
        tree->child(i);
    EXPECT_NE(QAccessible::accessibleInterface(recent), nullptr);
}

TEST(ListBoxAccessibility, AListIsATableOfOneColumnAsQListViewsIs)
{
    // The table interface is what makes the AT-SPI bridge say that the list
    // manages its descendants, so that a screen reader does not walk ten
    // million children.
    TListBox list;
    qz8test::ShowNumberedList(list, 10'000'000);
    QAccessibleInterface* tree = Tree(&list);
    QAccessibleTableInterface* table = tree->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 10'000'000);
    EXPECT_EQ(table->columnCount(), 1);
    EXPECT_EQ(table->cellAt(9'999'999, 0), tree->child(9'999'999));
    EXPECT_EQ(table->cellAt(0, 1), nullptr);
    // Its role says so above a few thousand rows: Orca reads a table's size
    // in one call, where it counts a list's items child by child (about a
    // millisecond each) each time the list takes the focus.
    EXPECT_EQ(tree->role(), QAccessible::Table);
    EXPECT_EQ(tree->child(5)->role(), QAccessible::Cell);
    list.SetCount(5'000);
    EXPECT_EQ(tree->role(), QAccessible::List);
    EXPECT_EQ(tree->child(5)->role(), QAccessible::ListItem);
    list.SetCount(10'000'000);

    list.SetSelected(3, true);
    list.SetSelected(9'000'000, true);
    EXPECT_EQ(list.NextSelected(0), 3);
    EXPECT_EQ(list.NextSelected(4), 9'000'000);
    EXPECT_EQ(list.NextSelected(9'000'001), -1);
    EXPECT_EQ(table->selectedRowCount(), 2);
    EXPECT_EQ(table->selectedRows(), (QList<int>{3, 9'000'000}));
    EXPECT_TRUE(table->isRowSelected(9'000'000));
    EXPECT_TRUE(table->unselectRow(3));
    EXPECT_FALSE(list.Selected(3));
    EXPECT_TRUE(table->selectRow(7));
    EXPECT_TRUE(list.Selected(7));
    EXPECT_FALSE(table->selectRow(10'000'000));

    // Select-all: the count is every row; the rows listed stay bounded.
    list.SelectAll();
    EXPECT_EQ(table->selectedRowCount(), 10'000'000);
    EXPECT_EQ(table->selectedRows().size(), 10'000);
    EXPECT_EQ(list.NextSelected(5'000'000), 5'000'000);

    // A single-select list's selection is its current row.
    TListBox single;
    single.Items().AddStrings({"a", "b", "c"});
    single.SetItemIndex(2);
    QAccessibleTableInterface* one = Tree(&single)->tableInterface();
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->selectedRowCount(), 1);
    EXPECT_EQ(one->selectedRows(), QList<int>{2});
    EXPECT_TRUE(one->selectRow(0));
    EXPECT_EQ(single.ItemIndex(), 0);
}

// A keyboard user sees which list has the focus: every list draws the
// style's focus frame on its current row (the pictures with and without the
// focus differ), whatever draws its rows.
TEST(ListFocus, EveryListShowsTheFocusOnItsCurrentRow)
{
    MyColourArray = {{clWhite, "white"}, {clNavy, "navy"}, {clBlack, "black"}};
    FiveLists five;
    QWidget& window = five.window;
    auto* elsewhere = new QLineEdit(&window);
    auto [plain, check, styled, virtualRows, colours] = five.Each();
    for (TCustomListBox* list : std::initializer_list<TCustomListBox*>{plain, check, styled}) {
        for (const char* row : {"alpha", "beta", "gamma"})
            list->Items().Add(row);
    }
    virtualRows->OnGetStringAndInt = [](QObject*, int index, TStringAndIntegerRec& rec) {
        rec.S = QString::number(index);
    };
    virtualRows->SetCount(1000);
    const auto& lists = five.lists;
    int y = 30;
    for (const auto& [name, list] : lists) {
        list->setGeometry(0, y, 200, 60);
        list->SetItemIndex(1);
        y += 70;
    }
    window.resize(220, y);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        GTEST_SKIP() << "the window system does not activate the window";
    for (const auto& [name, list] : lists) {
        list->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([&] { return list->hasFocus(); }, 2000))
            GTEST_SKIP() << "the window system does not give the window the keyboard focus";
        const QImage focused = list->viewport()->grab().toImage();
        elsewhere->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return elsewhere->hasFocus(); }, 2000)) << name;
        const QImage unfocused = list->viewport()->grab().toImage();
        EXPECT_NE(focused, unfocused) << name << ": the focus is not seen";
    }
    MyColourArray.clear();
}

// A low-vision user's 20 pt font: every list's rows grow to hold their
// text, at once and at every later change; a height the tool set is kept.
TEST(ListFocus, RowsFollowTheFontUnlessTheToolSetTheirHeight)
{
    FiveLists five;
    QWidget& window = five.window;
    auto [plain, check, styled, virtualRows, colours] = five.Each();
    styled->MySetItemHeight(); // from the font of now: still follows the font
    const auto& lists = five.lists;
    QFont large = window.font();
    large.setPointSize(20);
    window.setFont(large);
    for (const auto& [name, list] : lists) {
        const int line = QFontMetrics(list->font()).height();
        EXPECT_GT(line, 20) << name;
        EXPECT_GE(list->ItemHeight(), line) << name;
        EXPECT_FALSE(list->ItemHeightSet()) << name;
    }
    // The tool's own height stays, whatever the font.
    plain->SetItemHeight(12);
    large.setPointSize(30);
    window.setFont(large);
    EXPECT_EQ(plain->ItemHeight(), 12);
    EXPECT_TRUE(plain->ItemHeightSet());
    EXPECT_GE(check->ItemHeight(), QFontMetrics(check->font()).height());
}
