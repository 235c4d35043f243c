#pragma once
// Icon files, image-list files, metafiles, font sizes and font coverage.
#include "platform/Canvas.h"
#include "platform/ImgList.h"
#include "qz8_export.h"

#include <QByteArray>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <vector>

namespace qz8 {

// One entry of an icon file's directory (16 bytes, little-endian).
struct QZ8_EXPORT TIconDirEntry {
    std::uint8_t w = 0; // width; 0 stands for 256
    std::uint8_t h = 0;
    std::uint8_t colours = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitcount = 0;
    std::uint32_t bytes = 0;
    std::uint32_t offset = 0;
};

// A candidate icon for an image list.
struct QZ8_EXPORT T2StringAndIntArray {
    QString icon_fname;
    QString description;
    std::vector<int> valid_icon_sizes;
};

// A list of unsigned 32-bit values.
class QZ8_EXPORT TCardinalList {
public:
    void AddOne(std::uint32_t value) { fValues.push_back(value); }
    void SortAscendingDefault();
    int Count() const { return static_cast<int>(fValues.size()); }
    std::uint32_t operator[](int i) const { return fValues[static_cast<size_t>(i)]; }
    const std::vector<std::uint32_t>& Values() const { return fValues; }

private:
    std::vector<std::uint32_t> fValues;
};

// A recorded picture: an SVG document with the bitmap embedded.
class QZ8_EXPORT TMetafile {
public:
    int Width = 0;
    int Height = 0;
    QByteArray Svg;
    // Writes the document; raises Exception naming the file on failure.
    void SaveToFile(const QString& fileName) const;
};

// An image control showing a picture.
class QZ8_EXPORT TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    const QImage& Picture() const { return fPicture; }
    void SetPicture(const QImage& picture);

private:
    QImage fPicture;
};

// The directory of an icon file, read from the bytes (only bytes inside
// them are read: entries past the end are not listed). Not an icon (type
// other than 1), or shorter than its header: no entries.
QZ8_EXPORT std::vector<TIconDirEntry> ReadIconDirectory(const QByteArray& data);
// The directory of a file; a missing file gives none. A file that exists
// but cannot be opened raises Exception naming it.
QZ8_EXPORT std::vector<TIconDirEntry> ReadIconDirectoryOfFile(const QString& fileName);

// For each entry of bitcount, the first wanted size that matches it (256
// matches any entry with image data); one size per matching entry.
QZ8_EXPORT std::vector<int> IconsizesInAnIconfile(const QString& fileName, std::uint16_t bitcount,
                                                  const std::vector<int>& sizes);
QZ8_EXPORT bool DimensionIsInArrayOfValidIconSizes(int n, const std::vector<int>& sizes);
// Builds the list "ImageList<size>" of the usable icons at size x size and
// writes it to resFile when it holds any; returns the positions used.
QZ8_EXPORT std::vector<int> SaveImageListFromListOfIconFiles(const std::vector<T2StringAndIntArray>& items, int size,
                                                             const QString& resFile);
// Loads an icon file's image at size x size (the entry of that size, else
// the best one scaled); a null image when the file holds none.
QZ8_EXPORT QImage LoadIconAtSize(const QString& fileName, int size);
// The same from the file's bytes. 32-bit entries are decoded here, with
// their straight alpha kept exactly; other entries by Qt's icon reader.
// Only bytes inside data are read.
QZ8_EXPORT QImage LoadIconAtSize(const QByteArray& data, int size);
// Writes an icon file of 32-bit images (with their AND masks), one entry per
// image, as the platform's icon format has them.
QZ8_EXPORT void WriteIconFile(const QString& fileName, const std::vector<QImage>& images);

QZ8_EXPORT TMetafile ConvertBitmapToWindowsMetafile(TBitmap& bitmap);
QZ8_EXPORT TMetafile ConvertBitmapToWindowsMetafile(const TImage& image);
QZ8_EXPORT void ConvertBitmapToWindowsMetafileAndSave(const TImage& image, const QString& fileName);

// Points to tenths of a millimetre (negative: a character height), and back.
QZ8_EXPORT int MapFontHeight(int points);
QZ8_EXPORT int MapFontSize(int tenthsOfMillimetre);

// The 16-bit characters the canvas's font can show, ascending.
QZ8_EXPORT TCardinalList CharNums16BitViewableInFont(TCanvas& canvas);

} // namespace qz8
