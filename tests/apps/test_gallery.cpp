// The gallery keeps its state: changed, closed, started again, as left.
#include "GalleryWindow.h"
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "platform/ListBox.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

TEST(Gallery, ControlsAreAsTheyWereLeftAfterARestart)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("gallery.ini");
    {
        GalleryWindow first(nullptr, state);
        first.show();
        first.findChild<TElCheckBox*>("ElCheckBox1")->setChecked(true);
        first.findChild<TElSpinEdit*>("ElSpinEdit1")->SetValue(17);
        first.findChild<TAdvOfficeRadioGroup*>("AdvOfficeRadioGroup1")->SetItemIndex(2);
        first.findChild<TListBox*>("ListBox1")->SetItemIndex(5);
        first.findChild<TElMemo*>("ElMemo1")->SetText("kept\nlines");
        first.close();
    }
    GalleryWindow second(nullptr, state);
    second.show(); // the form state file is read at the first show
    EXPECT_TRUE(second.findChild<TElCheckBox*>("ElCheckBox1")->isChecked());
    EXPECT_EQ(second.findChild<TElSpinEdit*>("ElSpinEdit1")->Value(), 17);
    EXPECT_EQ(second.findChild<TAdvOfficeRadioGroup*>("AdvOfficeRadioGroup1")->ItemIndex(), 2);
    EXPECT_EQ(second.findChild<TListBox*>("ListBox1")->ItemIndex(), 5);
    EXPECT_EQ(second.findChild<TElMemo*>("ElMemo1")->Text(), "kept\nlines");
}

TEST(Gallery, WritesOneScreenshotPerStyle)
{
    QTemporaryDir dir;
    GalleryWindow window;
    ASSERT_TRUE(window.WriteScreenshots(dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), TTMSStyleCount * 5);
}
