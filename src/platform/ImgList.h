#pragma once
// Image lists: a named list of images of one size with a drawing style.
//
// The image-list file ("ImageListMain%d.res") is our own format, written by
// SaveToFile through QSaveFile and read by LoadFromFile:
//   8 bytes   "QZ8IMGL1"
//   QDataStream (Qt 6.4 format, big-endian) of:
//     QString  the list's name (for example "ImageList16")
//     qint32   image width, qint32 image height
//     quint8   drawing style (TDrawingStyle)
//     quint32  number of images
//     per image: qint32 width, qint32 height, then width * height * 4 bytes,
//                32-bit ARGB (not premultiplied), rows top to bottom
// Lossless, alpha included. A damaged file raises Exception naming it and
// leaves the list as it was.
#include "../qz8_export.h"
#include "Types.h"

#include <QImage>
#include <QObject>

class QIODevice;
#include <vector>

namespace qz8 {

class TBitmap;

enum TDrawingStyle : std::uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };

class QZ8_EXPORT TImageList : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width)
    Q_PROPERTY(int Height READ Height)
    Q_PROPERTY(int Count READ Count)
public:
    explicit TImageList(QObject* parent = nullptr);

    int Width() const { return fWidth; }
    int Height() const { return fHeight; }
    void SetSize(int width, int height);
    TDrawingStyle DrawingStyle() const { return fDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle style) { fDrawingStyle = style; }
    int Count() const { return static_cast<int>(fImages.size()); }
    const QImage& Image(int index) const;
    int Add(const QImage& image);
    void Clear();
    /// Copies image index into the bitmap; false outside the list.
    bool GetBitmap(int index, TBitmap& bitmap) const;
    /// Replaces name, size, style and images with the file's.
    void LoadFromFile(const QString& fileName);
    /// The same from any device; sourceName names it in errors.
    void LoadFromDevice(QIODevice& device, const QString& sourceName);
    void SaveToFile(const QString& fileName) const;

Q_SIGNALS:
    /// The list's images or settings changed: controls showing it repaint.
    void changed();

private:
    int fWidth = 16;
    int fHeight = 16;
    TDrawingStyle fDrawingStyle = dsNormal;
    std::vector<QImage> fImages;
};

} // namespace qz8
