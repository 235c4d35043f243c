// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The gallery keeps its state: changed, closed, started again, as left.
#include "GalleryWindow.h"
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "helpers/unnamed_objects.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {
// The persisted controls of a gallery window, each found by name.
struct PersistedControls {
    TElCheckBox* check;
    TElSpinEdit* spin;
    TAdvOfficeRadioGroup* group;
    TListBox* list;
    TElMemo* memo;
    explicit PersistedControls(QWidget& w)
        : check(w.findChild<TElCheckBox*>("ElCheckBox1")), spin(w.findChild<TElSpinEdit*>("ElSpinEdit1")),
          group(w.findChild<TAdvOfficeRadioGroup*>("AdvOfficeRadioGroup1")), list(w.findChild<TListBox*>("ListBox1")),
          memo(w.findChild<TElMemo*>("ElMemo1"))
    { }
    bool AllFound() const { return check && spin && group && list && memo; }
};
} // namespace

TEST(Gallery, ControlsAreAsTheyWereLeftAfterARestart)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("gallery.ini");
    {
        GalleryWindow first(nullptr, state);
        first.show();
        const PersistedControls c(first);
        ASSERT_TRUE(c.AllFound());
        c.check->setChecked(true);
        c.spin->SetValue(17);
        c.group->SetItemIndex(2);
        c.list->SetItemIndex(5);
        c.memo->SetText("kept\nlines");
        first.close();
    }
    GalleryWindow second(nullptr, state);
    second.show(); // the form state file is read at the first show
    const PersistedControls c(second);
    ASSERT_TRUE(c.AllFound());
    EXPECT_TRUE(c.check->isChecked());
    EXPECT_EQ(c.spin->Value(), 17);
    EXPECT_EQ(c.group->ItemIndex(), 2);
    EXPECT_EQ(c.list->ItemIndex(), 5);
    EXPECT_EQ(c.memo->Text(), "kept\nlines");
}

TEST(Gallery, WritesOneScreenshotPerStyle)
{
    QTemporaryDir dir;
    GalleryWindow window;
    ASSERT_TRUE(window.WriteScreenshots(dir.path()));
    // Every page in every style, two right to left, and the chooser's dialog.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), TTMSStyleCount * 8 + 3);
    EXPECT_TRUE(QFile::exists(dir.filePath("gallery-chooser-dialog.png")));
}

TEST(Gallery, EveryFocusableControlOfTheLibraryHasAName)
{
    QTemporaryDir dir;
    GalleryWindow window(nullptr, dir.filePath("gallery.ini"));
    window.show();
    QStringList unnamed;
    auto* pages = window.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        qz8test::CollectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed);
    }
    unnamed.removeDuplicates();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
    // Status-bar panels are labels holding their text.
    for (auto* panel : window.findChildren<TStatusPanel*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::StaticText);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
    }
}
