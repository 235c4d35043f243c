// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// What users of Qt's own lists expect of the owner-drawn ones: type-ahead,
// tool tips of shortened rows, and no stale shaped text.
#include "controls/My_StyledTMSComponents.h"
#include "external/General_runtime.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace qz8;

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
