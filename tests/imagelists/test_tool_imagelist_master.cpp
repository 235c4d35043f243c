// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The master image lists: loading, nearest sizes, menus and the attach
// operations, and the table of image numbers.
#include "external/TmsControls.h"
#include "graphics/graphics_utilities.h"
#include "imagelists/tool_imagelist_master.h"
#include "test_util.h"
#include "toolkit/Application.h"
#include "toolkit/ImageControls.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QImage Square(int size, int shade)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(QColor(shade, 255 - shade, (shade * 7) % 256, 200));
    return img;
}

// Nine image-list files of `count` images beside a program in dir.
void WriteLists(const QTemporaryDir& dir, int count)
{
    for (int size : ImageDimensionSizes) {
        TImageList list;
        list.setObjectName(QStringLiteral("ImageList%1").arg(size));
        list.SetSize(size, size);
        list.SetDrawingStyle(dsTransparent);
        for (int i = 0; i < count; ++i)
            list.Add(Square(size, i * 20 + size));
        list.SaveToFile(dir.filePath(QStringLiteral("ImageListMain%1.res").arg(size)));
    }
}

struct ClearedLists {
    ClearedLists()
    {
        for (TImageList* l : ImageLists)
            l->Clear();
    }
    ~ClearedLists()
    {
        for (TImageList* l : ImageLists)
            l->Clear();
    }
};

} // namespace

TEST(MasterLists, RoundTripFromIconsToTheNineListsInPixels)
{
    ClearedLists cleared;
    QTemporaryDir dir;
    OverrideExeName(dir.filePath("tool"));
    // Icons drawn for each size, built into the nine files, loaded back.
    std::vector<T2StringAndIntArray> items;
    for (int k = 0; k < 3; ++k) {
        std::vector<QImage> images;
        for (int size : ImageDimensionSizes)
            images.push_back(Square(size, 40 * k + size));
        const QString ico = dir.filePath(QStringLiteral("icon%1.ico").arg(k));
        WriteIconFile(ico, images);
        items.push_back({ico, QString(), std::vector<int>(ImageDimensionSizes.begin(), ImageDimensionSizes.end())});
    }
    for (int size : ImageDimensionSizes)
        SaveImageListFromListOfIconFiles(items, size, dir.filePath(QStringLiteral("ImageListMain%1.res").arg(size)));
    LoadupAllTheImageLists();
    for (int d = 0; d < ImageDimensionCount; ++d) {
        const int size = ImageDimensionSizes[d];
        TImageList* list = ImageLists[d];
        EXPECT_EQ(list->objectName(), QStringLiteral("ImageList%1").arg(size));
        EXPECT_EQ(list->Width(), size);
        ASSERT_EQ(list->Count(), 3);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(list->Image(k), Square(size, 40 * k + size)) << size << " " << k;
    }
}

TEST(MasterLists, MissingFilesLeaveListsAndADamagedFileStopsTheLoad)
{
    ClearedLists cleared;
    QTemporaryDir dir;
    OverrideExeName(dir.filePath("tool"));
    LoadupAllTheImageLists();
    for (TImageList* l : ImageLists)
        EXPECT_EQ(l->Count(), 0);
    WriteLists(dir, 2);
    qz8test::WriteBytes(dir.filePath("ImageListMain32.res"), "QZ8IMGL1garbage");
    try {
        LoadupAllTheImageLists();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("ImageListMain32.res"));
    }
    EXPECT_EQ(ImageLists[id24]->Count(), 2); // loaded before the damage
    EXPECT_EQ(ImageLists[id32]->Count(), 0);
    EXPECT_EQ(ImageLists[id40]->Count(), 0); // not reached
}

TEST(MasterLists, NearestSizesAtTheBorders)
{
    const std::vector<std::pair<int, int>> cases = {
        {17, 0}, {18, 1}, {21, 1}, {22, 2}, {26, 2},  {27, 3},  {35, 3}, {36, 4}, {43, 4},        {44, 5},
        {55, 5}, {56, 6}, {79, 6}, {80, 7}, {111, 7}, {112, 1}, {-1, 1}, {0, 0},  {INT32_MIN, 1}, {INT32_MAX, 1}};
    for (auto [pixels, ordinal] : cases)
        EXPECT_EQ(IntegerToNearestImageDimension(pixels), ordinal) << pixels;
    EXPECT_EQ(IntegerToNearestImageHeight(29), 32);
    EXPECT_EQ(IntegerToNearestImageHeight(19), 20);
    GlobalImageHeight = 53;
    EXPECT_EQ(ImageListMain_Times(0.5f), ImageLists[id24]); // 26.5 rounds to 26
    EXPECT_EQ(GlobalImageDimension, id20); // left alone
    EXPECT_EQ(ImageListMain_Times(std::numeric_limits<float>::infinity()), ImageLists[id20]);
    EXPECT_EQ(ImageListMain_Times(std::numeric_limits<float>::quiet_NaN()), ImageLists[id20]);
    EXPECT_EQ(ImageListMain(), ImageLists[id48]);
    EXPECT_EQ(GlobalImageDimension, id48);
}

TEST(MasterLists, MenusGetTheirCommandsIconsSkippingSeparators)
{
    ClearedLists cleared;
    QTemporaryDir dir;
    OverrideExeName(dir.filePath("tool"));
    WriteLists(dir, 12);
    LoadupAllTheImageLists();
    GlobalImageHeight = 20;
    TMainMenu menu;
    TMenuItem* file = menu.Add("File", 1);
    TMenuItem* open = file->Add("Open", 1);
    file->AddSeparator();
    TMenuItem* help = file->Add("Help", -12);
    TMenuItem* sub = file->Add("More", 0);
    TMenuItem* deep = sub->Add("Sort", 4);
    menu.AddSeparator();
    TMenuItem* view = menu.Add("View", 3);
    const QList<TMenuItem*> items = GetImagesListOfMenuItems(&menu);
    EXPECT_EQ(items, (QList<TMenuItem*>{file, open, help, sub, deep, view}));
    EXPECT_EQ(menu.Images(), ImageLists[id20]);
    EXPECT_EQ(help->ImageIndex(), ImageListMainNum(12, 20));
    EXPECT_GE(help->ImageIndex(), 0);
    EXPECT_EQ(open->ImageIndex(), 0);
    EXPECT_EQ(sub->ImageIndex(), -1); // command 0 has no icon
    EXPECT_FALSE(open->icon().isNull());
    EXPECT_TRUE(sub->icon().isNull());
    // A command without an icon at this size: a negative index, no image.
    EXPECT_EQ(ImageListMainNum(9, 20), -1);
    EXPECT_GE(ImageListMainNum(9, 32), 0);
    EXPECT_EQ(ImageListMainNum(10, 20), 8);
    EXPECT_EQ(ImageListMainNum(10, 32), 9);
    TBitmap bmp;
    EXPECT_TRUE(GetABitmap(2, bmp));
    EXPECT_EQ(bmp.Image(), ImageLists[id20]->Image(2));
    EXPECT_FALSE(GetABitmap(99, bmp));
}

TEST(MasterLists, AttachOperations)
{
    ClearedLists cleared;
    GlobalImageHeight = 24;
    QWidget window;
    TToolBar bar(&window);
    auto* tool = new TToolButton(&bar);
    QPushButton notATool(&bar);
    SetImagesAndNumberForToolbarButton(&bar, &notATool, 3);
    EXPECT_EQ(bar.Images(), nullptr); // nothing changes, not even the bar
    SetImagesAndNumberForToolbarButton(&bar, tool, 3);
    EXPECT_EQ(bar.Images(), ImageLists[id24]);
    EXPECT_EQ(tool->ImageIndex(), ImageListMainNum(3, 24));

    TAdvOfficeStatusBar status(&window);
    status.AddPanel("one");
    status.AddPanel("two");
    SetImagesAndNumberForStatusBarPanel(&status, 2, 5); // index = panel count
    EXPECT_EQ(status.Images(), ImageLists[id24]);
    EXPECT_EQ(status.Panel(0)->ImageIndex(), -1);
    EXPECT_EQ(status.Panel(1)->ImageIndex(), -1);
    SetImagesAndNumberForStatusBarPanel(&status, 1, 5);
    EXPECT_EQ(status.Panel(1)->ImageIndex(), ImageListMainNum(5, 24));

    TAdvOfficePager pager(&window);
    auto* page = new TAdvOfficePage;
    pager.addTab(page, "Page");
    SetImagesAndNumberForAdvOfficePager(&pager, page, 2);
    EXPECT_EQ(pager.Images(), ImageLists[id24]);
    EXPECT_EQ(page->ImageIndex(), ImageListMainNum(2, 24));

    TButton button(&window);
    TAdvGlowButton glow(&window);
    TAdvToolButton advTool(&window);
    QPushButton plain(&window);
    SetImagesAndNumberForButton(&button, 1);
    SetImagesAndNumberForButton(&glow, 2);
    SetImagesAndNumberForButton(&advTool, 3);
    SetImagesAndNumberForButton(&plain, 4);
    EXPECT_EQ(button.Images(), ImageLists[id24]);
    EXPECT_EQ(glow.ImageIndex(), ImageListMainNum(2, 24));
    EXPECT_EQ(advTool.ImageList(), ImageLists[id24]);
    EXPECT_TRUE(plain.icon().isNull());
}

TEST(ImageNumberTable, MarkedTextsGiveTheirNamesAndNumbers)
{
    const QStringList text = {"unit x;",
                              "{ Master_ImageListNumbers",
                              "cm_Early: 99",
                              "cm_TarnwickTag: 0",
                              "cm_Open , cm_OpenFile  : 12",
                              "CM_Save: 3",
                              "cm_Hidden: -1",
                              "other: 5",
                              "cm_A, , cm_B: 4",
                              "cm_NoColon cm_X",
                              "   ",
                              "cm_Bad: x7",
                              "cm_Lost: 8",
                              "}",
                              "// *** assumes this routine placed just after",
                              "cm_After: 1"};
    const TStringList table = ComputeMASTER_16_ConstsForIconsFromLines(text);
    QStringList names;
    QList<qintptr> numbers;
    for (int i = 0; i < table.Count(); ++i) {
        names << table[i];
        numbers << table.Objects(i);
    }
    // The line before the tail marker ("}") is dropped, and with it nothing
    // else; "cm_Lost" stays because "}" is the line before the marker.
    EXPECT_EQ(names, (QStringList{"cm_TarnwickTag", "cm_Open", "cm_OpenFile", "CM_Save", "cm_A", "cm_B", "cm_Lost"}));
    EXPECT_EQ(numbers, (QList<qintptr>{0, 12, 12, 3, 4, 4, 8}));
    // Without the head marker every line from cm_TarnwickTag on counts; a
    // name line just before the tail marker is lost.
    const TStringList lost =
        ComputeMASTER_16_ConstsForIconsFromLines({"cm_First: 1", "cm_TarnwickTag: 2", "cm_Kept: 3", "cm_Dropped: 4",
                                                  "// *** assumes this routine placed just after"});
    EXPECT_EQ(lost.ToStringList(), (QStringList{"cm_TarnwickTag", "cm_Kept"}));
    EXPECT_EQ(ComputeMASTER_16_ConstsForIconsFromLines({"no markers", "and no colons"}).Count(), 0);
    // Absurd lines give what matches and nothing else.
    QStringList absurd{QString(100000, ':'), QString(50000, ',') + ":1", "cm_" + QString(100000, 'x') + ":2",
                       QString::fromUtf8("\x01\x02"
                                         "cm_ctl:3"),
                       "cm_big: 99999999999"};
    const TStringList safe = ComputeMASTER_16_ConstsForIconsFromLines(absurd);
    ASSERT_EQ(safe.Count(), 2) << safe.Text().left(200).toStdString();
    EXPECT_EQ(safe.Objects(0), 2);
    EXPECT_EQ(safe[1], "cm_ctl");
    QTemporaryDir dir;
    EXPECT_THROW(ComputeMASTER_16_ConstsForIcons(dir.filePath("absent.pas")), Exception);
    qz8test::WriteBytes(dir.filePath("m.pas"), "cm_TarnwickTag: 7\r\ncm_Z : 1\r\n");
    EXPECT_EQ(ComputeMASTER_16_ConstsForIcons(dir.filePath("m.pas")).ToStringList(),
              (QStringList{"cm_TarnwickTag", "cm_Z"}));
}
