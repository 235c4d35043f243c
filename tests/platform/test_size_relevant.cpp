// The density table names real classes, and each row's class carries the
// row's action through the interface.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/TmsControls.h"
#include "platform/Grids.h"
#include "platform/SizeRelevant.h"

#include <cstring>
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

TEST(DensityTable, RowsAreThePartsOrderOverRealClasses)
{
    const auto objects = OneOfEach();
    const QList<const char*> names = DensityRowClassNames();
    ASSERT_EQ(names.size(), 13);
    for (size_t i = 0; i < objects.size(); ++i) {
        QObject* o = objects[i].get();
        // Row i+1 is the first row this object matches, and it can act on it.
        EXPECT_EQ(static_cast<int>(DensityRowOf(o)), int(i) + 1) << o->metaObject()->className();
        EXPECT_NE(qobject_cast<ISizeRelevant*>(o), nullptr) << o->metaObject()->className();
        EXPECT_TRUE(IsOfSizeRelevantClass(o) || i == 10) << o->metaObject()->className();
    }
    // The row-4 class is the platform's list box itself.
    EXPECT_STREQ(names[3], TCustomListBox::staticMetaObject.className());
    // A descendant takes its ancestor's row; the fixed styled list box is a
    // list box too, but row 2 comes first.
    TStyledListboxOwnerDrawnFixed fixed;
    EXPECT_EQ(DensityRowOf(&fixed), TDensityRow::StyledListbox);
    QObject plain;
    EXPECT_EQ(DensityRowOf(&plain), TDensityRow::None);
    EXPECT_EQ(DensityRowOf(nullptr), TDensityRow::None);
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
    for (const char* name : SizeRelevantClassNames())
        EXPECT_TRUE(std::strncmp(name, "qz8::T", 6) == 0) << name;
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
