// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
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

/// How an image list draws its images (kept with the list).
enum TDrawingStyle : std::uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };

/// A list of images of one size: the icons of one size of the suite, loaded from and saved to the library's image-list
/// files. Controls that show an image of it repaint when it changes.
class QZ8_EXPORT TImageList : public QObject {
    Q_OBJECT
    /// The images' width (see Width()).
    Q_PROPERTY(int Width READ Width)
    /// The images' height (see Height()).
    Q_PROPERTY(int Height READ Height)
    /// The number of images (see Count()).
    Q_PROPERTY(int Count READ Count)
public:
    /// An empty list of 16 x 16 images; a parent takes ownership.
    explicit TImageList(QObject* parent = nullptr);

    /// The images' width in pixels.
    int Width() const { return fWidth; }
    /// The images' height in pixels.
    int Height() const { return fHeight; }
    /// Sets the images' size (the images already added stay as they are).
    void SetSize(int width, int height);
    ///@{
    /// How the list draws its images.
    TDrawingStyle DrawingStyle() const { return fDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle style) { fDrawingStyle = style; }
    ///@}
    /// The number of images.
    int Count() const { return static_cast<int>(fImages.size()); }
    /// The image at index; a null image outside the list.
    const QImage& Image(int index) const;
    /// Appends an image (as 32-bit ARGB); returns its index.
    int Add(const QImage& image);
    /// Removes every image.
    void Clear();
    /// Copies image index into the bitmap; false outside the list.
    bool GetBitmap(int index, TBitmap& bitmap) const;
    /// Replaces name, size, style and images with the file's.
    void LoadFromFile(const QString& fileName);
    /// The same from any device; sourceName names it in errors.
    void LoadFromDevice(QIODevice& device, const QString& sourceName);
    /// Writes the list to a file in the format above; raises Exception naming the file on failure.
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

/// Declares lists that hold the same images at different sizes (the master
/// image lists are one family): an icon taken from one of them carries the
/// images of all, so that Qt draws the one that matches the screen's device
/// pixels (the 32 px image for a 16 px icon at a device pixel ratio of 2)
/// instead of scaling one up. A list belongs to one family at a time; null
/// entries are skipped; a list leaves its family when it is deleted.
/// \since 0.2
QZ8_EXPORT void SetImageListFamily(const std::vector<TImageList*>& lists);
/// The lists of a list's family that still exist, itself included; a list
/// without a family is its family alone.
/// \since 0.2
QZ8_EXPORT std::vector<const TImageList*> ImageListFamily(const TImageList* list);

} // namespace qz8
