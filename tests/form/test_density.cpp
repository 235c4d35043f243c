// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The density correction: image height and font scale from the window's
// density, the size-relevant components readjusted, density messages.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "imagelists/tool_imagelist_master.h"
#include "test_util.h"
#include "toolkit/Grids.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A custom list box of another kind, which keeps its item height.
class OtherListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};

struct DensityWindow : TTMSStyleableRepositoryForm {
    TListBox* list = new TListBox(this);
    TCheckListBox* checks = new TCheckListBox(this);
    OtherListBox* other = new OtherListBox(this);
    TStyledListbox* styled = new TStyledListbox(this);
    TColourSharingListbox* colours = new TColourSharingListbox(this);
    TColourSharingCombo* combo = new TColourSharingCombo(this);
    TAdvListView* view = new TAdvListView(this);
    TDrawGrid* grid = new TDrawGrid(this);
    TAdvSmoothButton* smooth = new TAdvSmoothButton(this);
    TAdvGlowButton* glow = new TAdvGlowButton(this);
    TButton* button = new TButton(this);
    TImageList own;
    DensityWindow()
    {
        setObjectName("DensityWindow");
        int n = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{list, checks, other, styled, colours, combo, view, grid,
                                                          smooth, glow, button})
            w->setObjectName(QStringLiteral("C%1").arg(n++));
        other->setObjectName("Other");
        smooth->SetImages(&own);
        glow->SetImages(&own);
        button->SetImages(&own);
        list->setFont(QFont("DejaVu Sans", 30));
        other->SetItemHeight(33);
        AddAFormStyler(this);
    }
};

} // namespace

TEST(Density, AtTheDesignDensityNothingIsTouched)
{
    DensityWindow w;
    w.list->SetItemHeight(40);
    w.show();
    EXPECT_EQ(w.PixelsPerInch(), 96);
    EXPECT_EQ(GlobalImageHeight, 20); // 96 / 5 = 19: ordinal 1
    EXPECT_FLOAT_EQ(GlobalMonitorFontScale, 1.0f);
    EXPECT_FALSE(w.NeedsSizeAdjust());
    EXPECT_EQ(w.list->ItemHeight(), 40);
    EXPECT_EQ(w.smooth->Images(), &w.own);
}

TEST(Density, AnotherDensityReadjustsEveryCollectedComponentAndLogs)
{
    QTemporaryDir dir;
    global_keeping_log = true;
    LogFileName = dir.filePath("log.txt");
    DensityWindow w;
    w.glow->SetImageIndex(-1);
    w.SetPixelsPerInch(120);
    w.CorrigeFormScreenRes();
    EXPECT_TRUE(w.NeedsSizeAdjust());
    EXPECT_EQ(GlobalImageHeight, 24);
    EXPECT_FLOAT_EQ(GlobalMonitorFontScale, 1.25f);
    // 24 * 0.8 = 19.2: 19.
    EXPECT_EQ(w.list->ItemHeight(), 19);
    EXPECT_FALSE(w.list->testAttribute(Qt::WA_SetFont)); // takes its parent's font
    EXPECT_EQ(w.checks->ItemHeight(), 19);
    EXPECT_EQ(w.other->ItemHeight(), 33);
    EXPECT_EQ(w.view->ItemHeight(), 19);
    EXPECT_EQ(w.combo->ItemHeight(), 19);
    EXPECT_EQ(w.grid->DefaultRowHeight(), 19);
    EXPECT_EQ(w.colours->ItemHeight(), 20); // ScreenScaled(16, 1.25)
    // Images: the smooth button keeps its list, the others get the size's.
    EXPECT_EQ(w.smooth->Images(), &w.own);
    EXPECT_EQ(w.button->Images(), ImageLists[id24]);
    EXPECT_EQ(w.glow->Images(), ImageLists[id24]); // only the "Images" step
    const QStringList lines = qz8test::ReadText(LogFileName).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "DensityWindow componentstoresize start");
    EXPECT_EQ(lines[1], "\t1: " + w.ComponentsToResize[0]->objectName());
    EXPECT_EQ(lines[2], "\t2: " + w.ComponentsToResize[1]->objectName());
    EXPECT_EQ(lines.size(), w.ComponentsToResize.size() + 1);
}

TEST(Density, TheMessageOf144RescalesAndBackTo96StillCorrects)
{
    DensityWindow w;
    w.resize(400, 200);
    const QSize before = w.size();
    TRect suggested = Rect(10, 20, 610, 320);
    TMessage m{WM_DPICHANGED, static_cast<std::uintptr_t>(144 | (144 << 16)),
               reinterpret_cast<std::intptr_t>(&suggested), 9};
    w.WMDpiChanged(m);
    EXPECT_EQ(m.Result, 0);
    EXPECT_EQ(w.PixelsPerInch(), 144);
    EXPECT_EQ(w.RecommendedSize(), suggested);
    EXPECT_EQ(w.size(), QSize(before.width() * 144 / 96, before.height() * 144 / 96));
    EXPECT_EQ(GlobalImageHeight, 32); // taken for 29 pixels: ordinal 3
    // Back at 96, the window that once ran elsewhere corrects again.
    w.list->SetItemHeight(50);
    TMessage back{WM_DPICHANGED, static_cast<std::uintptr_t>(96 | (96 << 16)), 0, 9};
    w.WMDpiChanged(back);
    EXPECT_EQ(GlobalImageHeight, 20);
    EXPECT_EQ(w.list->ItemHeight(), 16);
}

TEST(Density, AScreenDensityChangeReachesTheWindow)
{
    DensityWindow w;
    w.show();
    QScreen* screen = w.screen();
    ASSERT_NE(screen, nullptr);
    Q_EMIT screen->logicalDotsPerInchChanged(192);
    EXPECT_EQ(w.PixelsPerInch(), 192);
    EXPECT_EQ(GlobalImageHeight, 40); // 192 / 5 = 38: ordinal 4
    // A collected component deleted since is skipped, never touched.
    delete w.checks;
    Q_EMIT screen->logicalDotsPerInchChanged(120);
    EXPECT_EQ(w.PixelsPerInch(), 120);
}

TEST(Density, ImageHeightsGiveItemHeightsAtFourFifths)
{
    DensityWindow w;
    // At the design density nothing is corrected: the rows follow the list's
    // own (30 pt) font, as a list's rows do until a tool sets their height.
    const int ownFontLine = QFontMetrics(w.list->font()).height();
    ASSERT_GT(ownFontLine, 16);
    for (auto [ppi, item] : {std::pair{96, ownFontLine}, {120, 19}, {144, 26}, {192, 32}, {240, 38}, {480, 77}}) {
        w.SetPixelsPerInch(ppi);
        w.CorrigeFormScreenRes();
        EXPECT_EQ(w.list->ItemHeight(), item) << ppi;
    }
}
