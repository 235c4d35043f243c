// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "graphics/graphics_utilities.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qz8 {

void TCardinalList::SortAscendingDefault() { std::sort(fValues.begin(), fValues.end()); }

void TMetafile::SaveToFile(const QString& fileName) const
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(Svg) != Svg.size() || !f.commit())
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

TImage::TImage(QWidget* parent) : QLabel(parent) { }

void TImage::SetPicture(const QImage& picture)
{
    fPicture = picture;
    setPixmap(QPixmap::fromImage(picture));
}

std::vector<TIconDirEntry> ReadIconDirectory(const QByteArray& data)
{
    std::vector<TIconDirEntry> entries;
    if (data.size() < 6)
        return entries;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (qFromLittleEndian<quint16>(p + 2) != 1)
        return entries;
    const quint16 count = qFromLittleEndian<quint16>(p + 4);
    // Only the entries that lie inside the data are read.
    const qsizetype fit = (data.size() - 6) / 16;
    const qsizetype n = std::min<qsizetype>(count, fit);
    entries.reserve(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const uchar* e = p + 6 + 16 * i;
        TIconDirEntry d;
        d.w = e[0];
        d.h = e[1];
        d.colours = e[2];
        d.reserved = e[3];
        d.planes = qFromLittleEndian<quint16>(e + 4);
        d.bitcount = qFromLittleEndian<quint16>(e + 6);
        d.bytes = qFromLittleEndian<quint32>(e + 8);
        d.offset = qFromLittleEndian<quint32>(e + 12);
        entries.push_back(d);
    }
    return entries;
}

std::vector<TIconDirEntry> ReadIconDirectoryOfFile(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return {};
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    // The directory sits at the start: 6 bytes and at most 65,535 entries.
    return ReadIconDirectory(f.read(6 + 16 * 65535));
}

std::vector<int> IconsizesInAnIconfile(const QString& fileName, std::uint16_t bitcount, const std::vector<int>& sizes)
{
    std::vector<int> result;
    for (const TIconDirEntry& e : ReadIconDirectoryOfFile(fileName)) {
        if (e.bitcount != bitcount)
            continue;
        for (int v : sizes) {
            if ((v == 256 && e.bytes != 0) || (v != 256 && e.w == v)) {
                result.push_back(v);
                break;
            }
        }
    }
    return result;
}

bool DimensionIsInArrayOfValidIconSizes(int n, const std::vector<int>& sizes)
{
    return std::find(sizes.begin(), sizes.end(), n) != sizes.end();
}

namespace {

// A 32-bit DIB entry (header, bottom-up BGRA rows, AND mask) decoded with its
// alpha as stored; a null image when the entry is not of that kind.
QImage DecodeDib32(const QByteArray& data, const TIconDirEntry& e)
{
    const quint64 end = quint64(e.offset) + e.bytes;
    if (e.bytes < 40 || end > quint64(data.size()))
        return {};
    const auto* p = reinterpret_cast<const uchar*>(data.constData()) + e.offset;
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    const qint32 width = qFromLittleEndian<qint32>(p + 4);
    const qint32 doubledHeight = qFromLittleEndian<qint32>(p + 8);
    const quint16 bits = qFromLittleEndian<quint16>(p + 14);
    const quint32 compression = qFromLittleEndian<quint32>(p + 16);
    if (headerSize != 40 || bits != 32 || compression != 0 || width < 1 || width > 4096 || doubledHeight < 2 ||
        doubledHeight > 8192)
        return {};
    const int height = doubledHeight / 2;
    if (40 + quint64(width) * height * 4 > e.bytes)
        return {};
    QImage img(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        memcpy(img.scanLine(height - 1 - y), p + 40 + quint64(y) * width * 4, size_t(width) * 4);
    return img;
}

int EntryWidth(const TIconDirEntry& e) { return e.w == 0 ? 256 : e.w; }

} // namespace

QImage LoadIconAtSize(const QByteArray& data, int size)
{
    if (size < 1 || size > 4096)
        return {};
    const std::vector<TIconDirEntry> entries = ReadIconDirectory(data);
    // The entry of the size (the deepest colour first), else the smallest
    // larger one, else the largest.
    int chosen = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const TIconDirEntry& e = entries[i];
        if (chosen < 0) {
            chosen = static_cast<int>(i);
            continue;
        }
        const TIconDirEntry& c = entries[static_cast<size_t>(chosen)];
        const int w = EntryWidth(e), cw = EntryWidth(c);
        const auto rank = [size](int width) { return width == size ? 0 : width > size ? 1 : 2; };
        if (rank(w) != rank(cw) ? rank(w) < rank(cw)
                                : (w == cw ? e.bitcount > c.bitcount : (rank(w) == 2 ? w > cw : w < cw)))
            chosen = static_cast<int>(i);
    }
    if (chosen < 0)
        return {};
    QImage img = DecodeDib32(data, entries[static_cast<size_t>(chosen)]);
    if (img.isNull()) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        if (chosen > 0 && !reader.jumpToImage(chosen))
            return {};
        img = reader.read().convertToFormat(QImage::Format_ARGB32);
    }
    if (img.isNull())
        return {};
    if (img.width() != size || img.height() != size)
        img = img.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32);
    return img;
}

QImage LoadIconAtSize(const QString& fileName, int size)
{
    QFile f(fileName);
    // An icon file of more than 64 MiB is not one.
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024 * 1024)
        return {};
    return LoadIconAtSize(f.readAll(), size);
}

namespace {
// Writes an integer in the icon format's byte order.
template <class T>
void PutLittleEndian(QIODevice& device, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    device.write(bytes, sizeof(T));
}
} // namespace

void WriteIconFile(const QString& fileName, const std::vector<QImage>& images)
{
    QByteArray data;
    QBuffer buf(&data);
    buf.open(QIODevice::WriteOnly);
    auto put16 = [&](quint16 v) { PutLittleEndian(buf, v); };
    auto put32 = [&](quint32 v) { PutLittleEndian(buf, v); };
    put16(0);
    put16(1);
    put16(static_cast<quint16>(images.size()));
    std::vector<QByteArray> bodies;
    for (const QImage& source : images) {
        const QImage img = source.convertToFormat(QImage::Format_ARGB32);
        QByteArray body;
        QBuffer b(&body);
        b.open(QIODevice::WriteOnly);
        auto b32 = [&](quint32 v) { PutLittleEndian(b, v); };
        auto b16 = [&](quint16 v) { PutLittleEndian(b, v); };
        // BITMAPINFOHEADER with the doubled height of colour plus mask.
        b32(40);
        b32(static_cast<quint32>(img.width()));
        b32(static_cast<quint32>(img.height() * 2));
        b16(1);
        b16(32);
        for (int i = 0; i < 6; ++i)
            b32(0);
        for (int y = img.height() - 1; y >= 0; --y)
            b.write(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
        const int maskRow = ((img.width() + 31) / 32) * 4;
        for (int y = img.height() - 1; y >= 0; --y) {
            QByteArray row(maskRow, '\0');
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(img.pixel(x, y)) == 0)
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
            b.write(row);
        }
        bodies.push_back(body);
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage& img = images[i];
        buf.putChar(static_cast<char>(img.width() >= 256 ? 0 : img.width()));
        buf.putChar(static_cast<char>(img.height() >= 256 ? 0 : img.height()));
        buf.putChar(0);
        buf.putChar(0);
        put16(1);
        put16(32);
        put32(static_cast<quint32>(bodies[i].size()));
        put32(offset);
        offset += static_cast<quint32>(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        buf.write(body);
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

std::vector<int> SaveImageListFromListOfIconFiles(const std::vector<T2StringAndIntArray>& items, int size,
                                                  const QString& resFile)
{
    std::vector<int> result;
    TImageList list;
    list.setObjectName(QStringLiteral("ImageList%1").arg(size));
    list.SetDrawingStyle(dsTransparent);
    list.SetSize(size, size);
    for (size_t k = 0; k < items.size(); ++k) {
        const T2StringAndIntArray& item = items[k];
        if (!QFileInfo::exists(item.icon_fname) || !DimensionIsInArrayOfValidIconSizes(size, item.valid_icon_sizes))
            continue;
        const QImage icon = LoadIconAtSize(item.icon_fname, size);
        if (icon.isNull())
            continue;
        list.Add(icon);
        result.push_back(static_cast<int>(k));
    }
    if (!result.empty())
        list.SaveToFile(resFile);
    return result;
}

TMetafile ConvertBitmapToWindowsMetafile(TBitmap& bitmap)
{
    TMetafile meta;
    const QImage& img = bitmap.Image();
    meta.Width = img.width();
    meta.Height = img.height();
    QBuffer buffer(&meta.Svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(img.size());
    // The library's density: a saved picture keeps its pixel size in every
    // viewer (the generator's default of 72 dpi would grow it by 4/3).
    generator.setResolution(96);
    generator.setViewBox(QRect(QPoint(0, 0), img.size()));
    {
        QPainter painter(&generator);
        painter.drawImage(0, 0, img);
    }
    return meta;
}

TMetafile ConvertBitmapToWindowsMetafile(const TImage& image)
{
    TBitmap bitmap;
    bitmap.Assign(image.Picture());
    return ConvertBitmapToWindowsMetafile(bitmap);
}

void ConvertBitmapToWindowsMetafileAndSave(const TImage& image, const QString& fileName)
{
    ConvertBitmapToWindowsMetafile(image).SaveToFile(fileName);
}

int MapFontHeight(int points)
{
    // The product in 32 bits, as the platform computes it (wrapping, not
    // undefined), the division in floating point.
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(points) * 254u);
    return -static_cast<int>(std::trunc(product / 72.0));
}

int MapFontSize(int tenthsOfMillimetre)
{
    return static_cast<int>(std::trunc((static_cast<double>(tenthsOfMillimetre) * 72.0) / 254.0));
}

TCardinalList CharNums16BitViewableInFont(TCanvas& canvas)
{
    TCardinalList result;
    const TGlyphSet set = GetFontUnicodeRanges(canvas.Handle());
    if (set.cGlyphsSupported > 0) {
        for (const TWCRange& r : set.ranges) {
            for (int c = r.wcLow + r.cGlyphs - 1; c >= r.wcLow; --c)
                result.AddOne(static_cast<std::uint32_t>(c & 0xFFFF));
        }
    }
    result.SortAscendingDefault();
    return result;
}

} // namespace qz8
