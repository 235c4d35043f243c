// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/ImgList.h"
#include "toolkit/Canvas.h"

#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSaveFile>
#include <algorithm>
#include <memory>

namespace qz8 {

namespace {
const QByteArray kMagic("QZ8IMGL1");
constexpr int kMaxSide = 4096;

[[noreturn]] void Damaged(const QString& fileName, const QString& why)
{
    throw Exception(QStringLiteral("Damaged image-list file \"%1\": %2").arg(fileName, why));
}
} // namespace

TImageList::TImageList(QObject* parent) : QObject(parent) { }

void TImageList::SetSize(int width, int height)
{
    fWidth = width;
    fHeight = height;
    Q_EMIT changed();
}

const QImage& TImageList::Image(int index) const
{
    static const QImage none;
    return index >= 0 && index < Count() ? fImages[static_cast<size_t>(index)] : none;
}

int TImageList::Add(const QImage& image)
{
    fImages.push_back(image.convertToFormat(QImage::Format_ARGB32));
    Q_EMIT changed();
    return Count() - 1;
}

void TImageList::Clear()
{
    fImages.clear();
    Q_EMIT changed();
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const
{
    if (index < 0 || index >= Count())
        return false;
    bitmap.Assign(fImages[static_cast<size_t>(index)]);
    return true;
}

void TImageList::SaveToFile(const QString& fileName) const
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
    f.write(kMagic);
    QDataStream out(&f);
    out.setVersion(QDataStream::Qt_6_4);
    out << objectName() << qint32(fWidth) << qint32(fHeight) << quint8(fDrawingStyle) << quint32(fImages.size());
    for (const QImage& img : fImages) {
        out << qint32(img.width()) << qint32(img.height());
        for (int y = 0; y < img.height(); ++y)
            out.writeRawData(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
    }
    if (out.status() != QDataStream::Ok || !f.commit())
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

void TImageList::LoadFromFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    LoadFromDevice(f, fileName);
}

void TImageList::LoadFromDevice(QIODevice& f, const QString& fileName)
{
    if (f.read(kMagic.size()) != kMagic)
        Damaged(fileName, QStringLiteral("not an image-list file"));
    QDataStream in(&f);
    in.setVersion(QDataStream::Qt_6_4);
    QString name;
    qint32 width = 0, height = 0;
    quint8 style = 0;
    quint32 count = 0;
    in >> name >> width >> height >> style >> count;
    if (in.status() != QDataStream::Ok)
        Damaged(fileName, QStringLiteral("truncated header"));
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || style > dsTransparent)
        Damaged(fileName, QStringLiteral("impossible list settings"));
    // Every image takes at least its 8 size bytes: a count larger than the
    // file allows is damage, not a reason to reserve memory.
    if (count > static_cast<quint64>(f.size()) / 8)
        Damaged(fileName, QStringLiteral("more images than the file holds"));
    std::vector<QImage> images;
    images.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        qint32 w = 0, h = 0;
        in >> w >> h;
        if (in.status() != QDataStream::Ok || w < 1 || h < 1 || w > kMaxSide || h > kMaxSide)
            Damaged(fileName, QStringLiteral("image %1 has no valid size").arg(i));
        if (static_cast<qint64>(w) * h * 4 > f.size() - f.pos())
            Damaged(fileName, QStringLiteral("image %1 is cut off").arg(i));
        QImage img(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            if (in.readRawData(reinterpret_cast<char*>(img.scanLine(y)), w * 4) != w * 4)
                Damaged(fileName, QStringLiteral("image %1 is cut off").arg(i));
        }
        images.push_back(std::move(img));
    }
    // Only a whole file changes the list.
    setObjectName(name);
    fWidth = width;
    fHeight = height;
    fDrawingStyle = static_cast<TDrawingStyle>(style);
    fImages = std::move(images);
    Q_EMIT changed();
}

namespace {
using TFamily = std::vector<QPointer<TImageList>>;
QHash<const TImageList*, std::shared_ptr<TFamily>>& Families()
{
    static QHash<const TImageList*, std::shared_ptr<TFamily>> families;
    return families;
}
} // namespace

void SetImageListFamily(const std::vector<TImageList*>& lists)
{
    auto family = std::make_shared<TFamily>();
    for (TImageList* list : lists) {
        if (!list || Families().value(list) == family)
            continue;
        family->emplace_back(list);
        if (const std::shared_ptr<TFamily> old = Families().value(list)) {
            // It leaves the family it had.
            old->erase(std::remove(old->begin(), old->end(), QPointer<TImageList>(list)), old->end());
        } else {
            QObject::connect(list, &QObject::destroyed, [list] { Families().remove(list); });
        }
        Families().insert(list, family);
    }
}

std::vector<const TImageList*> ImageListFamily(const TImageList* list)
{
    std::vector<const TImageList*> lists;
    if (!list)
        return lists;
    const std::shared_ptr<TFamily> family = Families().value(list);
    if (!family)
        return {list};
    for (const QPointer<TImageList>& member : *family) {
        if (member)
            lists.push_back(member.data());
    }
    return lists;
}

} // namespace qz8
