// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Controls freed by their own handlers while an event loop or a signal runs
// foreign code: nothing of them is touched afterwards (the sanitizer run
// catches any use after free). Selections kept as ranges, scaling of
// controls placed on a main window, the injectable font scale, and saved
// pictures at the library's density.
#include "controls/ColourListBoxesAndCombos.h"
#include "external/ElPack.h"
#include "external/Tool_image_basics.h"
#include "external/Tool_image_basics_p.h"
#include "form/baseTMSStyleable_F.h"
#include "graphics/graphics_utilities.h"
#include "helpers/numbered_list.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"
#include "toolkit/RowSelection_p.h"
#include "toolkit/StdCtrls.h"

#include <QMetaProperty>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace qz8;

TEST(GuardedObjects, EditsFreedWhileTheirDialogRuns)
{
    auto* file = new TElFileNameEdit;
    file->ChooseFiles = [file](TElFileNameEdit*) {
        delete file;
        return QStringList{"/a/b.txt"};
    };
    auto* button = file->findChild<TCustomEditBtn*>();
    ASSERT_NE(button, nullptr);
    button->BtnClick();

    auto* folder = new TElFolderNameEdit;
    folder->ChooseFolder = [folder](TElFolderNameEdit*) {
        delete folder;
        return QStringLiteral("/data");
    };
    auto* folderButton = folder->findChild<TCustomEditBtn*>();
    ASSERT_NE(folderButton, nullptr);
    folderButton->BtnClick();
}

TEST(GuardedObjects, AListFreedByItsIndexHandlerIsNotClicked)
{
    for (int way = 0; way < 3; ++way) {
        auto* list = new TListBox;
        list->Items().AddStrings({"a", "b", "c"});
        list->resize(100, 100);
        list->show();
        int clicks = 0;
        list->OnClick = [&](QObject*) { ++clicks; };
        QObject::connect(list, &TCustomListBox::itemIndexChanged, list, [list] { delete list; });
        QPointer<TListBox> watch(list);
        if (way == 0)
            QTest::keyClick(list, Qt::Key_Down);
        else if (way == 1)
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->ItemHeight() + 2));
        else
            QTest::keyClick(list, Qt::Key_End);
        EXPECT_TRUE(watch.isNull()) << way;
        EXPECT_EQ(clicks, 0) << way;
    }
    auto* checks = new TCheckListBox;
    checks->Items().AddStrings({"a", "b"});
    checks->resize(100, 100);
    checks->show();
    checks->OnClickCheck = [checks](QObject*) { delete checks; };
    QTest::mousePress(checks->viewport(), Qt::LeftButton, {}, QPoint(3, 3)); // no release: it is gone
}

TEST(GuardedObjects, AGroupRebuiltByItsOwnButtonsSignal)
{
    TRadioGroup group;
    group.SetItems({"x", "y"});
    auto buttons = group.findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QObject::connect(buttons[1], &QAbstractButton::toggled, &group, [&group](bool on) {
        if (on)
            group.SetItems({"p", "q", "r"});
    });
    buttons[1]->click(); // the sender is replaced inside its own signal
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(group.findChildren<QRadioButton*>().size(), 3);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
}

namespace {
// A control that frees its sibling when it is resized.
class Rude : public QWidget {
public:
    using QWidget::QWidget;
    QPointer<QWidget> victim;

protected:
    void resizeEvent(QResizeEvent*) override { delete victim.data(); }
};
} // namespace

TEST(GuardedObjects, ScalingSurvivesAControlFreedOnTheWay)
{
    TForm form;
    auto* rude = new Rude(&form);
    rude->setGeometry(0, 0, 10, 10);
    auto* other = new QWidget(&form);
    other->setGeometry(20, 20, 10, 10);
    rude->victim = other;
    form.ChangeScale(2, 1);
    EXPECT_EQ(rude->size(), QSize(20, 20));
}

TEST(MainWindowScaling, ControlsPlacedOnTheWindowItselfScale)
{
    TForm form;
    form.resize(400, 300);
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* direct = new TPanel(&form);
    direct->setGeometry(4, 60, 100, 40);
    auto* onCentral = new TPanel(central);
    onCentral->setGeometry(4, 60, 100, 40);
    form.show();
    const QObjectList before = form.children();
    form.ChangeScale(120, 96);
    // The correction adds nothing to the window (no status bar, no menu bar).
    EXPECT_EQ(form.children(), before);
    EXPECT_EQ(form.findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(direct->geometry(), QRect(5, 75, 125, 50));
    EXPECT_EQ(onCentral->geometry(), QRect(5, 75, 125, 50));
    EXPECT_TRUE(PlacedByLayout(central));
    EXPECT_FALSE(PlacedByLayout(direct));
}

TEST(FontScale, TheMonitorsScaleCanBeSetAndDrivesTheCorrection)
{
    MonitorFontScaleQuery = [](int) { return 1.25f; };
    TTMSStyleableRepositoryForm w;
    w.show();
    EXPECT_EQ(w.PixelsPerInch(), 96);
    EXPECT_FLOAT_EQ(GlobalMonitorFontScale, 1.25f);
    EXPECT_TRUE(w.NeedsSizeAdjust());
    // Nonsense from the query means no scaling.
    MonitorFontScaleQuery = [](int) { return std::numeric_limits<float>::quiet_NaN(); };
    EXPECT_FLOAT_EQ(CurrentDPIScale(96), 1.0f);
}

TEST(RangeSelection, MillionsOfRowsAreOneRange)
{
    TListBox list;
    qz8test::ShowNumberedList(list, 10'000'000);
    QSignalSpy moved(&list, &TCustomListBox::itemIndexChanged);
    list.SetItemIndex(0);
    QTest::keyClick(&list, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(list.ItemIndex(), 9'999'999);
    EXPECT_EQ(list.SelCount(), 10'000'000);
    EXPECT_TRUE(list.Selected(5'000'000));
    EXPECT_GE(moved.count(), 1);
    // Ctrl-click inside the range splits it; the rows on screen paint as
    // selected or not.
    list.SetTopIndex(0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(5, list.ItemHeight() * 2 + 2));
    EXPECT_FALSE(list.Selected(2));
    EXPECT_TRUE(list.Selected(1));
    EXPECT_TRUE(list.Selected(3));
    EXPECT_EQ(list.SelCount(), 9'999'999);
    const QImage img = list.viewport()->grab().toImage();
    const QColor highlight = list.palette().color(QPalette::Highlight);
    EXPECT_NE(img.pixelColor(list.viewport()->width() - 2, list.ItemHeight() * 2 + 3), highlight);
    EXPECT_EQ(img.pixelColor(list.viewport()->width() - 2, list.ItemHeight() * 3 + 3), highlight);
}

TEST(RangeSelection, RangesAgreeWithASetOfRows)
{
    TRowSelection ranges;
    std::set<int> rows;
    unsigned seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
    };
    for (int step = 0; step < 5000; ++step) {
        const int a = next(200), b = next(200);
        switch (next(4)) {
        case 0:
            ranges.Insert(a, b);
            for (int i = std::min(a, b); i <= std::max(a, b); ++i)
                rows.insert(i);
            break;
        case 1:
            ranges.Erase(a);
            rows.erase(a);
            break;
        case 2:
            EXPECT_EQ(ranges.Toggle(a), rows.count(a) == 0);
            if (!rows.erase(a))
                rows.insert(a);
            break;
        default:
            if (next(10) == 0) {
                ranges.EraseFrom(a);
                rows.erase(rows.lower_bound(a), rows.end());
            }
        }
        ASSERT_EQ(ranges.Count(), static_cast<qint64>(rows.size())) << step;
        for (int i = 0; i < 200; i += 7)
            ASSERT_EQ(ranges.Contains(i), rows.count(i) > 0) << step << " row " << i;
        // Disjoint, not touching.
        int lastEnd = std::numeric_limits<int>::min();
        for (const auto& [first, last] : ranges.Ranges()) {
            ASSERT_LE(first, last);
            ASSERT_GT(qint64{first}, qint64{lastEnd} + 1);
            lastEnd = last;
        }
    }
}

TEST(Notify, UserChangedPropertiesAnnounceThemselves)
{
    for (auto [meta, name] : {std::pair{&TCustomListBox::staticMetaObject, "ItemIndex"},
                              {&TColourSharingListbox::staticMetaObject, "SelectedColour"},
                              {&TColourSharingCombo::staticMetaObject, "SelectedColour"}}) {
        const int i = meta->indexOfProperty(name);
        ASSERT_GE(i, 0) << name;
        EXPECT_TRUE(meta->property(i).hasNotifySignal()) << meta->className() << "::" << name;
    }
}

TEST(Metafiles, SavedPicturesKeepTheirPixelSize)
{
    TBitmap bmp(30, 20);
    const TMetafile meta = ConvertBitmapToWindowsMetafile(bmp);
    // 30 x 20 pixels at 96 per inch: 7.9375 mm x 5.29167 mm.
    EXPECT_TRUE(meta.Svg.contains("width=\"7.9375mm\"")) << meta.Svg.left(300).constData();
    EXPECT_TRUE(meta.Svg.contains("height=\"5.29167mm\""));
}
