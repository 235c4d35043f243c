// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Icon files, image-list files, metafiles, font sizes and font coverage.
#include "graphics/graphics_utilities.h"
#include "test_util.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QImage Drawn(int size, QColor colour)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(1, 1, size - 2, size - 2));
    return img;
}

// An icon directory made by hand: entries (w, bitcount, bytes).
QByteArray Directory(quint16 type, const std::vector<std::tuple<int, int, quint32>>& entries, int claimed = -1)
{
    QByteArray d(6 + 16 * entries.size(), '\0');
    auto* p = reinterpret_cast<uchar*>(d.data());
    qToLittleEndian<quint16>(type, p + 2);
    qToLittleEndian<quint16>(claimed < 0 ? quint16(entries.size()) : quint16(claimed), p + 4);
    for (size_t i = 0; i < entries.size(); ++i) {
        uchar* e = p + 6 + 16 * i;
        const auto [w, bits, bytes] = entries[i];
        e[0] = static_cast<uchar>(w & 0xFF);
        e[1] = static_cast<uchar>(w & 0xFF);
        qToLittleEndian<quint16>(quint16(bits), e + 6);
        qToLittleEndian<quint32>(bytes, e + 8);
    }
    return d;
}

} // namespace

TEST(IconFiles, SizesByBitCountInFileOrder)
{
    QTemporaryDir dir;
    const QString ico = dir.filePath("a.ico");
    ASSERT_TRUE(qz8test::WriteBytes(
        ico, Directory(1, {{16, 32, 100}, {32, 32, 100}, {48, 32, 100}, {0, 32, 100}, {16, 8, 100}})));
    EXPECT_EQ(IconsizesInAnIconfile(ico, 32, {16, 24, 32, 48, 256}), (std::vector<int>{16, 32, 48, 256}));
    EXPECT_EQ(IconsizesInAnIconfile(ico, 8, {32, 48}), std::vector<int>{});
    EXPECT_EQ(IconsizesInAnIconfile(ico, 8, {16}), std::vector<int>{16});
    // 256 takes any entry with image data, whatever its width byte.
    ASSERT_TRUE(qz8test::WriteBytes(ico, Directory(1, {{64, 32, 10}, {64, 32, 0}})));
    EXPECT_EQ(IconsizesInAnIconfile(ico, 32, {16, 256}), std::vector<int>{256});
    // A cursor file has no icon sizes; a missing file none either.
    ASSERT_TRUE(qz8test::WriteBytes(ico, Directory(2, {{16, 32, 100}})));
    EXPECT_TRUE(IconsizesInAnIconfile(ico, 32, {16}).empty());
    EXPECT_TRUE(IconsizesInAnIconfile(dir.filePath("none.ico"), 32, {16}).empty());
    EXPECT_TRUE(DimensionIsInArrayOfValidIconSizes(24, {16, 24}));
    EXPECT_FALSE(DimensionIsInArrayOfValidIconSizes(20, {16, 24}));
}

TEST(IconFiles, HostileDirectoriesAreReadOnlyInsideTheFile)
{
    // A count far beyond the bytes, and a file cut inside an entry.
    QByteArray d = Directory(1, {{16, 32, 1}, {32, 32, 1}}, 65535);
    EXPECT_EQ(ReadIconDirectory(d).size(), 2u);
    EXPECT_EQ(ReadIconDirectory(d.left(6 + 16 + 7)).size(), 1u);
    EXPECT_TRUE(ReadIconDirectory(d.left(5)).empty());
    EXPECT_TRUE(ReadIconDirectory(QByteArray()).empty());
    QRandomGenerator rng(99);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk(rng.bounded(200), '\0');
        for (char& c : junk)
            c = static_cast<char>(rng.bounded(256));
        if (junk.size() >= 4)
            junk[2] = 1, junk[3] = 0;
        const auto entries = ReadIconDirectory(junk);
        EXPECT_LE(static_cast<qsizetype>(entries.size() * 16 + 6), std::max<qsizetype>(junk.size(), 6));
    }
}

TEST(IconFiles, WrittenIconsReadBackAtTheirSizes)
{
    QTemporaryDir dir;
    const QString ico = dir.filePath("round.ico");
    WriteIconFile(ico, {Drawn(16, Qt::red), Drawn(32, Qt::blue), Drawn(48, Qt::green)});
    EXPECT_EQ(IconsizesInAnIconfile(ico, 32, {16, 32, 48}), (std::vector<int>{16, 32, 48}));
    const QImage at32 = LoadIconAtSize(ico, 32);
    ASSERT_EQ(at32.size(), QSize(32, 32));
    EXPECT_EQ(at32.pixelColor(16, 16), QColor(Qt::blue));
    EXPECT_EQ(qAlpha(at32.pixel(0, 0)), 0);
    // A size the file lacks is scaled from the best image.
    EXPECT_EQ(LoadIconAtSize(ico, 24).size(), QSize(24, 24));
    EXPECT_TRUE(LoadIconAtSize(dir.filePath("missing.ico"), 16).isNull());
}

TEST(ImageListFiles, OnlyUsableIconsAreSavedInInputOrder)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.ico"), b = dir.filePath("b.ico"), c = dir.filePath("c.ico");
    WriteIconFile(a, {Drawn(16, Qt::red), Drawn(24, Qt::red)});
    WriteIconFile(c, {Drawn(16, Qt::blue), Drawn(24, Qt::blue)});
    const QString res = dir.filePath("ImageListMain24.res");
    // No usable icon: no file, an empty result.
    EXPECT_TRUE(SaveImageListFromListOfIconFiles({{b, "missing", {24}}, {a, "not at 24", {16}}}, 24, res).empty());
    EXPECT_FALSE(QFile::exists(res));
    // Icons 0 and 2 are usable.
    const std::vector<T2StringAndIntArray> items{{a, "red", {16, 24}}, {b, "missing", {24}}, {c, "blue", {24}}};
    EXPECT_EQ(SaveImageListFromListOfIconFiles(items, 24, res), (std::vector<int>{0, 2}));
    TImageList list;
    list.LoadFromFile(res);
    EXPECT_EQ(list.objectName(), "ImageList24");
    EXPECT_EQ(list.Width(), 24);
    EXPECT_EQ(list.DrawingStyle(), dsTransparent);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(0), LoadIconAtSize(a, 24));
    EXPECT_EQ(list.Image(1), LoadIconAtSize(c, 24));
}

TEST(ImageListFiles, DamagedFilesRaiseANamedErrorAndLeaveTheListAlone)
{
    QTemporaryDir dir;
    TImageList good;
    good.setObjectName("ImageList16");
    good.SetSize(16, 16);
    good.Add(Drawn(16, Qt::red));
    const QString name = dir.filePath("good.res");
    good.SaveToFile(name);
    const QByteArray bytes = qz8test::ReadText(name).toLatin1();
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    const QByteArray raw = f.readAll();
    TImageList target;
    target.Add(Drawn(16, Qt::green));
    const auto expectDamage = [&](const QByteArray& data) {
        const QString bad = dir.filePath("bad.res");
        qz8test::WriteBytes(bad, data);
        try {
            target.LoadFromFile(bad);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains(bad));
        }
        EXPECT_EQ(target.Count(), 1);
    };
    expectDamage(raw.left(raw.size() - 1)); // cut off
    expectDamage(raw.left(10)); // header cut
    expectDamage(QByteArray("NOTALIST") + raw.mid(8));
    QByteArray huge = raw;
    huge[huge.size() - 16 * 16 * 4 - 8 - 1] = '\x7f'; // an absurd image count
    expectDamage(huge);
    EXPECT_THROW(target.LoadFromFile(dir.filePath("absent.res")), Exception);
    target.LoadFromFile(name);
    EXPECT_EQ(target.Count(), 1);
    EXPECT_EQ(target.Image(0), good.Image(0));
    (void)bytes;
}

TEST(Metafiles, TheBitmapIsRecordedAsSvg)
{
    TBitmap bmp(20, 10);
    bmp.Canvas().Brush.Color = clRed;
    bmp.Canvas().FillRect(Rect(0, 0, 20, 10));
    const TMetafile meta = ConvertBitmapToWindowsMetafile(bmp);
    EXPECT_EQ(meta.Width, 20);
    EXPECT_EQ(meta.Height, 10);
    QSvgRenderer renderer(meta.Svg);
    ASSERT_TRUE(renderer.isValid());
    QImage back(20, 10, QImage::Format_ARGB32);
    back.fill(Qt::white);
    QPainter p(&back);
    renderer.render(&p);
    p.end();
    EXPECT_EQ(back.pixelColor(10, 5), QColor(Qt::red));
    QTemporaryDir dir;
    TImage image;
    image.SetPicture(bmp.Image());
    ConvertBitmapToWindowsMetafileAndSave(image, dir.filePath("m.svg"));
    EXPECT_TRUE(qz8test::ReadText(dir.filePath("m.svg")).contains("<svg"));
    EXPECT_THROW(ConvertBitmapToWindowsMetafileAndSave(image, dir.path()), Exception);
}

TEST(FontSizes, PointsAndTenthsOfMillimetres)
{
    EXPECT_EQ(MapFontHeight(12), -42);
    EXPECT_EQ(MapFontSize(42), 11);
    EXPECT_EQ(MapFontHeight(0), 0);
    MapFontHeight(std::numeric_limits<int>::max()); // wraps in 32 bits, no undefined behaviour
    EXPECT_EQ(MapFontSize(-42), -11);
}

TEST(FontCoverage, EveryShownCharacterAscending)
{
    TBitmap bmp(1, 1);
    bmp.Canvas().Font = TFont(QFont("DejaVu Sans"));
    const TCardinalList chars = CharNums16BitViewableInFont(bmp.Canvas());
    ASSERT_GT(chars.Count(), 1000);
    EXPECT_TRUE(std::is_sorted(chars.Values().begin(), chars.Values().end()));
    EXPECT_NE(std::find(chars.Values().begin(), chars.Values().end(), 'A'), chars.Values().end());
    EXPECT_EQ(chars.Count(), GetFontUnicodeRanges(bmp.Canvas().Handle()).cGlyphsSupported);
    // The font's own character map: no tab, although Qt would draw one.
    EXPECT_EQ(std::find(chars.Values().begin(), chars.Values().end(), 9u), chars.Values().end());
    EXPECT_NE(std::find(chars.Values().begin(), chars.Values().end(), 0x20u), chars.Values().end());
}
