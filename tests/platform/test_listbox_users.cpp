// What users of Qt's own lists expect of the owner-drawn ones: the
// accessibility tree (read only through QAccessible, as a screen reader
// does), type-ahead, tool tips of shortened rows, and no stale shaped text.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Colour_utils.h"
#include "external/General_runtime.h"
#include "platform/ListBox.h"
#include "platform/ListBoxAccessible_p.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
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
    QApplication::setActiveWindow(&list);
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
    QApplication::setActiveWindow(&list);
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

TEST(TypeAhead, TypingMovesToTheRowsThatStartSo)
{
    TListBox list;
    list.Items().AddStrings({"banana", "cobalt", "collocation", "colour", "apple"});
    list.resize(100, 200);
    list.show();
    QTest::keyClicks(&list, "col");
    EXPECT_EQ(list.ItemIndex(), 2);
    QTest::keyClicks(&list, "o");
    EXPECT_EQ(list.ItemIndex(), 3);
    // After the interval a new search starts; a letter again walks its rows.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(&list, 'c');
    EXPECT_EQ(list.ItemIndex(), 1); // wraps round past the end
    QTest::keyClick(&list, 'c');
    EXPECT_EQ(list.ItemIndex(), 2);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(&list, "zz");
    EXPECT_EQ(list.ItemIndex(), 2); // no match: stays
}

TEST(TypeAhead, VirtualListsSearchThroughTheirRowText)
{
    TListBox list;
    list.SetStyle(TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int i, QString& s) {
        s = i == 700'000 ? QStringLiteral("target") : QStringLiteral("row");
    };
    list.SetCount(1'000'000);
    list.show();
    EXPECT_EQ(list.KeyboardSearch("t"), 700'000);
    EXPECT_EQ(list.ItemIndex(), 700'000);
    EXPECT_EQ(list.TopIndex() + list.VisibleRowCount() - 1 >= 700'000, true);
}

TEST(ShortenedRows, OnlyRowsThatDoNotFitHaveATip)
{
    TStyledListbox list;
    const QString path = "/home/analyst/corpora/english/novels/nineteenth-century/dickens/bleak_house.txt";
    list.Items().AddStrings({path, "short"});
    list.resize(160, 100);
    list.show();
    const auto tipAt = [&](int row) {
        const QRect r = list.ItemRect(row).ToQRect();
        QHelpEvent help(QEvent::ToolTip, r.center(), list.viewport()->mapToGlobal(r.center()));
        QApplication::sendEvent(list.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(1), ""); // fits: no tip
    EXPECT_EQ(tipAt(0), path);
}

TEST(ShapedText, AFontChangeRepaintsInTheNewFont)
{
    TListBox list;
    list.Items().Add("WWWW");
    list.resize(200, 60);
    list.show();
    const auto inkWidth = [&] {
        const QImage img = list.viewport()->grab().toImage();
        const QRgb back = img.pixel(img.width() - 1, img.height() - 1);
        int right = -1;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < list.ItemHeight(); ++y)
                if (img.pixel(x, y) != back)
                    right = std::max(right, x);
        return right;
    };
    const int before = inkWidth();
    QFont big = list.font();
    big.setPixelSize(big.pixelSize() * 2);
    list.setFont(big);
    list.SetItemHeight(40);
    EXPECT_GT(inkWidth(), before + 10);
}
