// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The styled tree and list views: their colours under every style, the
// list view's row height, the tree export as text and on the clipboard, and
// how they look in pixels.
#include "controls/My_StyledTMSComponents.h"
#include "external/Tool_image_basics.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A tree with two columns: two numbered nodes, the second with an
// unnumbered child.
struct Tree {
    TMyAdvTreeView view;
    QTreeWidgetItem* first;
    QTreeWidgetItem* second;
    QTreeWidgetItem* child;
    Tree()
    {
        view.setColumnCount(2);
        view.setHeaderLabels({"Word", "Freq."});
        first = new QTreeWidgetItem(&view, QStringList{"the", "6402"});
        second = new QTreeWidgetItem(&view, QStringList{"river", "97"});
        child = new QTreeWidgetItem(second, QStringList{"rivers", "12"});
        TAdvTreeView::SetNodeUnnumbered(child, 1);
    }
};

void ItemText(QObject*, TAdvTreeViewVirtualNode node, int column, TAdvTreeViewNodeTextMode, QString& text)
{
    text = node->text(column);
}

} // namespace

TEST(StyledTreeView, TakesTheGlobalStylesColours)
{
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto G = static_cast<TTMSStyle>(s);
        Global_TMSStyle = G;
        TMyAdvTreeView view;
        view.SetComponentStyle(tsClassicLight); // the argument is not used
        EXPECT_EQ(view.BorderColor(), GetABaseTMSGradientBackgroundDarkColour(G));
        EXPECT_EQ(view.StrokeColor(), view.BorderColor());
        EXPECT_EQ(view.Color(), GetABaseTMSBackgroundColour(G));
        EXPECT_EQ(view.ColumnsAppearance().TopFill.Gradient.Color, GetABaseTMSGradientBackgroundDarkColour(G));
        EXPECT_EQ(view.ColumnsAppearance().TopFill.Gradient.ColorTo, GetABaseTMSGradientBackgroundLightColour(G));
        EXPECT_EQ(view.ColumnsAppearance().TopFill.Color, GetABaseTMSBackgroundColour(G));
        EXPECT_EQ(view.ColumnsAppearance().TopFontColor, GetABaseTMSTextColour(G));
        EXPECT_EQ(view.NodesAppearance().FontColor, GetABaseTMSTextColour(G));
        EXPECT_EQ(view.NodesAppearance().SelectedFontColor, GetABaseTMSHighlightedTextColour(G));
        EXPECT_EQ(view.NodesAppearance().SelectedFill.Color, GetABaseTMSHighlightBackgroundColour(G));
        EXPECT_EQ(view.NodesAppearance().StrokeColor, view.BorderColor());
    }
}

TEST(StyledTreeView, PaintsItsColours)
{
    Global_TMSStyle = tsGraphite;
    Tree t;
    t.view.SetComponentStyle(tsGraphite);
    t.view.resize(200, 120);
    t.view.show();
    const QImage img = t.view.grab().toImage();
    // The border, the background below the rows, and the header's fill:
    // the gradient's start colour at its top, the end colour at its bottom.
    EXPECT_EQ(FromQColor(img.pixelColor(0, 60)), GetABaseTMSGradientBackgroundDarkColour(tsGraphite));
    EXPECT_EQ(FromQColor(img.pixelColor(150, 80)), GetABaseTMSBackgroundColour(tsGraphite));
    const QRect header = t.view.header()->geometry();
    const auto near = [](QColor a, TColor b) {
        const QColor c = ToQColor(b);
        return std::abs(a.red() - c.red()) <= 3 && std::abs(a.green() - c.green()) <= 3 &&
               std::abs(a.blue() - c.blue()) <= 3;
    };
    EXPECT_TRUE(
        near(img.pixelColor(header.left() + 60, header.top()), GetABaseTMSGradientBackgroundDarkColour(tsGraphite)));
    EXPECT_TRUE(near(img.pixelColor(header.left() + 60, header.bottom()),
                     GetABaseTMSGradientBackgroundLightColour(tsGraphite)));
    EXPECT_NE(GetABaseTMSGradientBackgroundDarkColour(tsGraphite),
              GetABaseTMSGradientBackgroundLightColour(tsGraphite));
    // The last column reaches the right edge, as in Qt's tree.
    t.view.resize(400, 120);
    const QHeaderView* columns = t.view.header();
    EXPECT_TRUE(QTest::qWaitFor([&] { return columns->length() == t.view.viewport()->width(); }, 2000))
        << columns->length() << " " << t.view.viewport()->width();
}

TEST(StyledTreeView, ExportOfNodesAndColumns)
{
    Tree t;
    // A header line, then a line per node: numbered nodes count, the
    // unnumbered child starts with a blank; three cells on node lines.
    EXPECT_EQ(t.view.AllStringsOfTreeview(&t.view, ItemText),
              "Word\tFreq.\r\n1\tthe\t6402\r\n2\triver\t97\r\n \trivers\t12\r\n");
    // A handler that leaves the text as it is repeats the previous cell (the
    // last header text at first).
    const auto silent = [](QObject*, TAdvTreeViewVirtualNode, int, TAdvTreeViewNodeTextMode, QString&) {};
    EXPECT_EQ(t.view.AllStringsOfTreeview(&t.view, silent),
              "Word\tFreq.\r\n1\tFreq.\tFreq.\r\n2\tFreq.\tFreq.\r\n \tFreq.\tFreq.\r\n");
    // The sender is the exporting view, also for another tree's export.
    TMyAdvTreeView other;
    QObject* sender = nullptr;
    other.AllStringsOfTreeview(
        &t.view, [&](QObject* s, TAdvTreeViewVirtualNode, int, TAdvTreeViewNodeTextMode, QString&) { sender = s; });
    EXPECT_EQ(sender, &other);
    // Columns but no nodes: the header line alone.
    TMyAdvTreeView empty;
    empty.setHeaderLabels({"A", "B"});
    EXPECT_EQ(empty.AllStringsOfTreeview(&empty, ItemText), "A\tB\r\n");
    EXPECT_EQ(empty.AllStringsOfTreeview(nullptr, ItemText), "");
}

TEST(StyledTreeView, ExportGoesToTheClipboardAsTabSeparatedValues)
{
    Tree t;
    const bool copied = t.view.CopyTreeToClipboard(&t.view, ItemText);
    // A compositor without a seat has no clipboard: the copy says so.
    if (!copied && QGuiApplication::platformName().startsWith("wayland"))
        GTEST_SKIP() << "this Wayland compositor offers no clipboard";
    ASSERT_TRUE(copied);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QString expected = t.view.AllStringsOfTreeview(&t.view, ItemText);
    EXPECT_EQ(QString::fromUtf8(data->data("text/tab-separated-values")), expected);
    EXPECT_EQ(data->text(), expected);
}

TEST(StyledListView, SystemBackgroundStyleTextAndRowHeight)
{
    for (auto [image, row] : {std::pair{16, 14}, {24, 22}, {32, 29}, {20, 18}}) {
        GlobalImageHeight = image;
        TMyAdvListView view;
        EXPECT_EQ(view.ItemHeight(), row) << image;
    }
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto G = static_cast<TTMSStyle>(s);
        Global_TMSStyle = G;
        TMyAdvListView view;
        EXPECT_EQ(view.Color(), clWindow);
        EXPECT_EQ(view.FontColor(), GetABaseTMSTextColour(G));
        EXPECT_EQ(view.HeaderColor(), GetABaseTMSScrollDarkBackgroundColour(G));
        EXPECT_EQ(view.HeaderFontColor(), GetABaseTMSScrollTextColour(G));
        EXPECT_EQ(view.SelectionColor(), GetABaseTMSHighlightBackgroundColour(G));
        EXPECT_EQ(view.SelectionTextColor(), GetABaseTMSHighlightedTextColour(G));
        EXPECT_TRUE(view.OwnerDraw());
        EXPECT_TRUE(view.HeaderOwnerDraw());
    }
    // Rows really take the height; the density step's 0.8 wins when it runs
    // last.
    GlobalImageHeight = 32;
    TMyAdvListView view;
    view.setHeaderLabels({"Word"});
    for (int i = 0; i < 5; ++i)
        new QTreeWidgetItem(&view, QStringList{QString::number(i)});
    view.resize(200, 200);
    view.show();
    EXPECT_EQ(view.visualItemRect(view.topLevelItem(1)).height(), 29);
    float scale = 1.0f;
    TDensityStep step{GlobalImageHeight, scale};
    view.ResizeForImageHeight(step);
    EXPECT_EQ(view.visualItemRect(view.topLevelItem(1)).height(), 26);
    EXPECT_NE(qobject_cast<ITMSStyle*>(&view), nullptr);
    EXPECT_NE(qobject_cast<ISizeRelevant*>(&view), nullptr);
}
