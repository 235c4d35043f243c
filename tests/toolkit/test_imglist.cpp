// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Image lists and their file: exact pixels through a save and a load,
// damaged files refused with the list left alone, and change notices.
#include "external/Tool_image_basics.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageControls.h"
#include "toolkit/ImgList.h"
#include "toolkit/Types.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QImage Square(int size, QRgb colour)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(colour);
    img.setPixel(0, 0, qRgba(1, 2, 3, 4)); // a nearly transparent corner
    return img;
}

} // namespace

TEST(ImageList, SavedAndLoadedPixelForPixel)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("ImageListMain24.res");
    TImageList list;
    list.SetSize(24, 24);
    list.SetDrawingStyle(dsTransparent);
    list.Add(Square(24, qRgba(200, 10, 10, 255)));
    list.Add(Square(24, qRgba(0, 0, 255, 128)));
    list.SaveToFile(file);

    TImageList back;
    QSignalSpy changed(&back, &TImageList::changed);
    back.LoadFromFile(file);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(back.Width(), 24);
    EXPECT_EQ(back.Height(), 24);
    EXPECT_EQ(back.DrawingStyle(), dsTransparent);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Image(1).pixel(10, 10), qRgba(0, 0, 255, 128));
    EXPECT_EQ(back.Image(0).pixel(0, 0), qRgba(1, 2, 3, 4)); // straight alpha kept

    TBitmap bmp(1, 1);
    EXPECT_TRUE(back.GetBitmap(0, bmp));
    EXPECT_EQ(bmp.Image().pixel(5, 5), qRgba(200, 10, 10, 255));
    EXPECT_FALSE(back.GetBitmap(2, bmp));
    EXPECT_FALSE(back.GetBitmap(-1, bmp));
}

TEST(ImageList, DamagedFilesAreRefusedAndTheListStays)
{
    QTemporaryDir dir;
    TImageList good;
    good.SetSize(16, 16);
    good.Add(Square(16, qRgb(9, 9, 9)));
    const QString file = dir.filePath("good.res");
    good.SaveToFile(file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();

    TImageList target;
    target.Add(Square(16, qRgb(7, 7, 7)));
    for (const QByteArray& damaged :
         {bytes.left(bytes.size() - 5), bytes.left(8), QByteArray("QZ8IMGL2") + bytes.mid(8), QByteArray()}) {
        const QString bad = dir.filePath("bad.res");
        QFile out(bad);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(damaged);
        out.close();
        try {
            target.LoadFromFile(bad);
            ADD_FAILURE() << "a damaged file of " << damaged.size() << " bytes was taken";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains("bad.res")) << e.Message().toStdString();
        }
        ASSERT_EQ(target.Count(), 1);
        EXPECT_EQ(target.Image(0).pixel(3, 3), qRgb(7, 7, 7));
    }
    EXPECT_THROW(target.LoadFromFile(dir.filePath("missing.res")), Exception);
}

TEST(ImageList, ChangesAreAnnounced)
{
    TImageList list;
    QSignalSpy changed(&list, &TImageList::changed);
    list.Add(Square(16, qRgb(1, 1, 1)));
    list.SetSize(20, 20);
    list.Clear();
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListFamily, AnIconCarriesEverySizeAndQtTakesTheOneOfTheDevicePixels)
{
    // The same icon at 16 and 32 px (told apart by colour).
    TImageList small, large, unrelated;
    small.SetSize(16, 16);
    large.SetSize(32, 32);
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QImage blue(32, 32, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    small.Add(red);
    large.Add(blue);
    unrelated.Add(red);
    SetImageListFamily({&small, nullptr, &large});
    EXPECT_EQ(ImageListFamily(&large).size(), 2u);
    EXPECT_EQ(ImageListFamily(&unrelated), (std::vector<const TImageList*>{&unrelated}));

    const QIcon icon = ImageListIcon(&small, 0);
    // At a device pixel ratio of 2 a 16 px icon is the 32 px image, not the
    // 16 px one scaled up; at 1 it is the 16 px image.
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(sharp.toImage().pixelColor(5, 5), QColor(Qt::blue));
    const QPixmap plain = icon.pixmap(QSize(16, 16), 1.0);
    EXPECT_EQ(plain.size(), QSize(16, 16));
    EXPECT_EQ(plain.toImage().pixelColor(5, 5), QColor(Qt::red));

    // A list of the family that is deleted leaves it.
    {
        TImageList gone;
        SetImageListFamily({&small, &large, &gone});
        EXPECT_EQ(ImageListFamily(&small).size(), 3u);
    }
    EXPECT_EQ(ImageListFamily(&small).size(), 2u);
    // A list moved into another family leaves the one it had.
    SetImageListFamily({&large, &unrelated});
    EXPECT_EQ(ImageListFamily(&small), (std::vector<const TImageList*>{&small}));
    // The master lists are one family of every size.
    if (MasterImageListsExist()) {
        EXPECT_EQ(ImageListFamily(ImageLists[0]).size(), ImageLists.size());
    }
}
