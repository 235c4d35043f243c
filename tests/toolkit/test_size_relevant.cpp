// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The density table names real classes, and each row's class carries the
// row's action through the interface.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/TmsControls.h"
#include "toolkit/Grids.h"
#include "toolkit/SizeRelevant.h"

#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {

// One object of each class the tables name, made through the class.
std::vector<std::unique_ptr<QObject>> OneOfEach()
{
    std::vector<std::unique_ptr<QObject>> out;
    out.emplace_back(new TColourSharingListbox);
    out.emplace_back(new TStyledListbox);
    out.emplace_back(new TAdvListView);
    out.emplace_back(new TListBox);
    out.emplace_back(new TCustomAdvOfficeCheckBox);
    out.emplace_back(new TAdvOfficeTabSet);
    out.emplace_back(new TAdvOfficePager);
    out.emplace_back(new TAdvCustomComboBox);
    out.emplace_back(new TCustomAdvMenuStyler);
    out.emplace_back(new TAdvProgressBar);
    out.emplace_back(new TAdvGlowButton);
    out.emplace_back(new TColourSharingCombo);
    out.emplace_back(new TDrawGrid);
    return out;
}

} // namespace

// The density table and the collected classes, row by row and place by
// place, as meta-objects: a renamed or moved class fails to compile here, and
// one whose module stops registering it fails below.
const QList<const QMetaObject*> kExpectedRows{&TColourSharingListbox::staticMetaObject,
                                              &TStyledListbox::staticMetaObject,
                                              &TAdvListView::staticMetaObject,
                                              &TCustomListBox::staticMetaObject,
                                              &TCustomAdvOfficeCheckBox::staticMetaObject,
                                              &TAdvOfficeTabSet::staticMetaObject,
                                              &TAdvOfficePager::staticMetaObject,
                                              &TAdvCustomComboBox::staticMetaObject,
                                              &TCustomAdvMenuStyler::staticMetaObject,
                                              &TAdvProgressBar::staticMetaObject,
                                              &TAdvGlowButton::staticMetaObject,
                                              &TColourSharingCombo::staticMetaObject,
                                              &TDrawGrid::staticMetaObject};
const QList<const QMetaObject*> kExpectedCollected{&TCustomAdvOfficeCheckBox::staticMetaObject,
                                                   &TCustomListBox::staticMetaObject,
                                                   &TAdvOfficePager::staticMetaObject,
                                                   &TAdvOfficeTabSet::staticMetaObject,
                                                   &TAdvCustomComboBox::staticMetaObject,
                                                   &TAdvCustomCombo::staticMetaObject,
                                                   &TColourSharingCombo::staticMetaObject,
                                                   &TColourSharingListbox::staticMetaObject,
                                                   &TCustomAdvMenuStyler::staticMetaObject,
                                                   &TCustomDrawGrid::staticMetaObject,
                                                   &TStyledListbox::staticMetaObject,
                                                   &TAdvProgressBar::staticMetaObject,
                                                   &TAdvListView::staticMetaObject};

TEST(DensityTable, EveryRowAndPlaceHoldsItsClassInTheLibrarysOrder)
{
    EXPECT_EQ(DensityRowClasses(), kExpectedRows);
    EXPECT_EQ(CollectedClasses(), kExpectedCollected);
    const auto objects = OneOfEach();
    for (size_t i = 0; i < objects.size(); ++i) {
        QObject* o = objects[i].get();
        // Row i+1 is the first row this object matches, and it can act on it.
        EXPECT_EQ(static_cast<int>(DensityRowOf(o)), int(i) + 1) << o->metaObject()->className();
        EXPECT_NE(qobject_cast<ISizeRelevant*>(o), nullptr) << o->metaObject()->className();
        EXPECT_TRUE(IsOfSizeRelevantClass(o) || i == 10) << o->metaObject()->className();
    }
    // A descendant takes its ancestor's row; the fixed styled list box is a
    // list box too, but row 2 comes first.
    TStyledListboxOwnerDrawnFixed fixed;
    EXPECT_EQ(DensityRowOf(&fixed), TDensityRow::StyledListbox);
    QObject plain;
    EXPECT_EQ(DensityRowOf(&plain), TDensityRow::None);
    EXPECT_EQ(DensityRowOf(nullptr), TDensityRow::None);
}

// A class whose registration is missing shows: its row is empty, the check
// above fails, and its controls fall to the next row that matches.
TEST(DensityTable, AClassLeftUnregisteredIsFound)
{
    RegisterDensityRow(TDensityRow::StyledListbox, nullptr);
    EXPECT_NE(DensityRowClasses(), kExpectedRows);
    EXPECT_EQ(DensityRowClasses().indexOf(nullptr), 1);
    TStyledListbox list;
    EXPECT_EQ(DensityRowOf(&list), TDensityRow::CustomListBox);
    RegisterDensityRow(TDensityRow::StyledListbox, &TStyledListbox::staticMetaObject);
    EXPECT_EQ(DensityRowClasses(), kExpectedRows);
}

TEST(DensityTable, CollectedClassesIncludeTheTwoWithoutARow)
{
    TAdvCustomCombo combo;
    TCustomDrawGrid grid;
    TAdvGlowButton glow;
    EXPECT_TRUE(IsOfSizeRelevantClass(&combo));
    EXPECT_TRUE(IsOfSizeRelevantClass(&grid));
    EXPECT_EQ(DensityRowOf(&combo), TDensityRow::None);
    EXPECT_EQ(DensityRowOf(&grid), TDensityRow::None);
    // Glow buttons are collected only for their image list.
    EXPECT_FALSE(IsOfSizeRelevantClass(&glow));
}

TEST(DensityTable, RowActionsUseTheStepsValues)
{
    int height = 24;
    float scale = 1.25f;
    TDensityStep step{height, scale};
    EXPECT_EQ(step.ItemHeight(), 19);
    TListBox list;
    list.ResizeForImageHeight(step);
    EXPECT_EQ(list.ItemHeight(), 19);
    TDrawGrid grid;
    grid.ResizeForImageHeight(step);
    EXPECT_EQ(grid.DefaultRowHeight(), 19);
    TCustomAdvMenuStyler styler;
    styler.ResizeForImageHeight(step);
    EXPECT_FLOAT_EQ(styler.FontScale(), 1.25f);
}
