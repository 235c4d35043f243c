// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// What a low-vision user reads in every style of the library: text,
// selection and placeholders at 4.5:1 against their backgrounds, the tree's
// expand and collapse arrows, the check boxes (the lists' and Qt's own) and
// the lists' focus frames at 3:1 (WCAG 2), measured on painted pixels where
// the style draws them.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Colour_utils.h"
#include "external/Tms_utils.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// The highest contrast of a pixel of area against background: what the
// strongest part of a glyph or an arrow shows.
double Strongest(const QImage& image, const QRect& area, const QColor& background)
{
    double best = 1.0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
    }
    return best;
}

struct EveryStyle {
    ~EveryStyle() { Global_TMSStyle = tsClassicLight; }
};

} // namespace

TEST(Contrast, RatiosAndReadableColours)
{
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01); // the known near miss
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(0x33, 0x66, 0xCC), QColor(0x33, 0x66, 0xCC)), 1.0);
    const QColor grey(0xB4, 0xB4, 0xB4);
    const QColor readable = ReadableColour(grey, Qt::black, {Qt::white, QColor(0xDC, 0xDC, 0xDC)}, 4.5);
    EXPECT_GE(ContrastRatio(readable, QColor(0xDC, 0xDC, 0xDC)), 4.5);
    EXPECT_LT(readable.lightness(), grey.lightness());
    EXPECT_GT(readable.lightness(), 0) << "moved only as far as needed";
    EXPECT_EQ(ReadableColour(Qt::black, Qt::black, {Qt::white}, 4.5), QColor(Qt::black)) << "readable already";
    EXPECT_EQ(ReadableColour(grey, Qt::white, {Qt::white}, 4.5), QColor(Qt::white)) << "no step reaches it";
}

TEST(Contrast, TextSelectionAndPlaceholdersInEveryStyle)
{
    EveryStyle reset;
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto style = static_cast<TTMSStyle>(s);
        const std::string name = TMSStyleName(style).toStdString();
        const QPalette pal = TMSStylePalette(style);
        EXPECT_GE(ContrastRatio(pal.color(QPalette::WindowText), pal.color(QPalette::Window)), 4.5) << name;
        EXPECT_GE(ContrastRatio(pal.color(QPalette::Text), pal.color(QPalette::Base)), 4.5) << name;
        EXPECT_GE(ContrastRatio(pal.color(QPalette::ButtonText), pal.color(QPalette::Button)), 4.5) << name;
        EXPECT_GE(ContrastRatio(pal.color(QPalette::HighlightedText), pal.color(QPalette::Highlight)), 4.5) << name;
        EXPECT_GE(ContrastRatio(ToQColor(GetABaseTMSHighlightedTextColour(style)),
                                ToQColor(GetABaseTMSHighlightBackgroundColour(style))),
                  4.5)
            << name;
        EXPECT_GE(ContrastRatio(pal.color(QPalette::PlaceholderText), pal.color(QPalette::Base)), 4.5) << name;
        EXPECT_GE(ContrastRatio(pal.color(QPalette::PlaceholderText), pal.color(QPalette::Button)), 4.5) << name;

        // The colour combo's "No colour chosen", as painted on its button.
        MyColourArray = {{clBlack, "black"}, {clWhite, "white"}};
        QWidget window;
        auto* combo = new TColourSharingCombo(&window);
        combo->setGeometry(0, 0, 200, 28);
        window.resize(220, 40);
        ApplyTMSStylePalette(&window, style);
        window.show();
        ASSERT_EQ(combo->currentIndex(), -1) << name;
        const QImage shot = combo->grab().toImage();
        const QColor button = shot.pixelColor(4, shot.height() / 2);
        EXPECT_GE(Strongest(shot, QRect(4, 2, 110, shot.height() - 4), button), 4.5) << name;
        MyColourArray.clear();
    }
}

TEST(Contrast, TheTreesArrowsInEveryStyle)
{
    EveryStyle reset;
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto style = static_cast<TTMSStyle>(s);
        const std::string name = TMSStyleName(style).toStdString();
        Global_TMSStyle = style;
        TMyAdvTreeView view;
        view.setColumnCount(1);
        auto* parent = new QTreeWidgetItem(&view, QStringList{"river"});
        new QTreeWidgetItem(parent, QStringList{"rivers"});
        auto* open = new QTreeWidgetItem(&view, QStringList{"sea"});
        new QTreeWidgetItem(open, QStringList{"seas"});
        open->setExpanded(true);
        view.SetComponentStyle(style);
        view.resize(200, 140);
        view.show();
        const QImage shot = view.viewport()->grab().toImage();
        const QColor background = ToQColor(view.Color());
        for (QTreeWidgetItem* item : {parent, open}) {
            const QRect row = view.visualItemRect(item);
            // The arrow stands in the indentation before the row's text.
            const QRect arrow(0, row.top(), view.indentation(), row.height());
            EXPECT_GE(Strongest(shot, arrow, background), 3.0) << name << (item == open ? " (open)" : " (closed)");
        }
    }
}

TEST(Contrast, TheCheckListsBoxesInEveryStyle)
{
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto style = static_cast<TTMSStyle>(s);
        const std::string name = TMSStyleName(style).toStdString();
        QWidget window;
        auto* list = new TCheckListBox(&window);
        list->Items().AddStrings({"Word counts", "Collocations"});
        list->SetChecked(1, true);
        list->setGeometry(0, 0, 200, 80);
        window.resize(220, 100);
        ApplyTMSStylePalette(&window, style);
        window.show();
        const QImage shot = list->viewport()->grab().toImage();
        const QColor background = shot.pixelColor(0, 0);
        const int row = list->ItemHeight();
        // The empty box, then the checked one, in the column before the text.
        EXPECT_GE(Strongest(shot, QRect(0, 0, 16, row), background), 3.0) << name << " (empty)";
        EXPECT_GE(Strongest(shot, QRect(0, row, 16, row), background), 3.0) << name << " (checked)";
    }
}

TEST(Contrast, QtsOwnCheckBoxesAndRadioButtonsInAStyledWindow)
{
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto style = static_cast<TTMSStyle>(s);
        const std::string name = TMSStyleName(style).toStdString();
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new QCheckBox("Ignore case", &window);
        auto* radio = new QRadioButton("Whole words", &window);
        auto* list = new QListWidget(&window);
        auto* item = new QListWidgetItem("Lemmas", list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        for (QWidget* w : std::initializer_list<QWidget*>{box, radio, list})
            layout->addWidget(w);
        ApplyTMSStylePalette(&window, style);
        window.show();
        const QColor back = window.palette().color(QPalette::Window);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect boxArea = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        EXPECT_GE(Strongest(box->grab().toImage(), boxArea, back), 3.0) << name << " (check box)";
        option.initFrom(radio);
        const QRect radioArea = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
        EXPECT_GE(Strongest(radio->grab().toImage(), radioArea, back), 3.0) << name << " (radio button)";
        const QRect row = list->visualItemRect(item);
        const QImage rows = list->viewport()->grab().toImage();
        EXPECT_GE(Strongest(rows, QRect(row.left(), row.top(), row.height(), row.height()),
                            list->palette().color(QPalette::Base)),
                  3.0)
            << name << " (a checkable row)";
        // A check box whose style the tool chose keeps it.
        auto* own = new QCheckBox("Own style", &window);
        own->setStyle(QApplication::style());
        ApplyTMSStylePalette(&window, style);
        EXPECT_EQ(own->style(), QApplication::style()) << name;
    }
}

TEST(Contrast, TheListsFocusFramesInEveryStyle)
{
    EveryStyle reset;
    // One window for every style: a window system may not activate a second one.
    QWidget window;
    auto* elsewhere = new QLineEdit(&window);
    auto* plain = new TListBox(&window);
    auto* styled = new TStyledListbox(&window);
    styled->SetMultiSelect(true);
    int y = 30;
    for (TCustomListBox* list : std::initializer_list<TCustomListBox*>{plain, styled}) {
        list->Items().AddStrings({"alpha", "beta", "gamma"});
        list->setGeometry(0, y, 200, 60);
        list->SetItemIndex(1);
        y += 70;
    }
    styled->SetSelected(1, false); // the frame on a row that is not selected
    window.resize(220, y);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        GTEST_SKIP() << "the window system does not activate the window";
    for (int s = 0; s < TTMSStyleCount; ++s) {
        const auto style = static_cast<TTMSStyle>(s);
        const std::string name = TMSStyleName(style).toStdString();
        ApplyTMSStylePalette(&window, style);
        styled->SetComponentStyle(style); // the list's own colours, as in a styled window
        for (TCustomListBox* list : std::initializer_list<TCustomListBox*>{plain, styled}) {
            const std::string which = name + (list == plain ? " (selected row)" : " (row not selected)");
            list->setFocus(Qt::TabFocusReason);
            if (!QTest::qWaitFor([&] { return list->hasFocus(); }, 5000))
                GTEST_SKIP() << "the window system does not give the window the keyboard focus";
            const QImage focused = list->viewport()->grab().toImage();
            elsewhere->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(QTest::qWaitFor([&] { return elsewhere->hasFocus(); }, 5000)) << which;
            const QImage unfocused = list->viewport()->grab().toImage();
            // The frame's top edge across the row, against what the row shows there unfocused.
            const int top = list->ItemHeight();
            int seen = 0, across = 0;
            for (int x = 4; x < focused.width() - 4; ++x, ++across) {
                if (ContrastRatio(focused.pixelColor(x, top), unfocused.pixelColor(x, top)) >= 3.0)
                    ++seen;
            }
            EXPECT_GE(seen, across * 9 / 10) << which << ": " << seen << " of " << across << " pixels at 3:1";
        }
    }
}
