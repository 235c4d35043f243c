// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Icon files, image-list files, metafiles, font sizes and font coverage.
#include "../qz8_export.h"
#include "../toolkit/Canvas.h"
#include "../toolkit/ImgList.h"

#include <QByteArray>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <vector>

namespace qz8 {

/// One entry of an icon file's directory (16 bytes, little-endian).
struct QZ8_EXPORT TIconDirEntry {
    std::uint8_t w = 0; ///< width; 0 stands for 256
    std::uint8_t h = 0; ///< height; 0 stands for 256
    std::uint8_t colours = 0; ///< colours of a palette image, 0 for none
    std::uint8_t reserved = 0; ///< 0
    std::uint16_t planes = 0; ///< colour planes
    std::uint16_t bitcount = 0; ///< bits per pixel
    std::uint32_t bytes = 0; ///< bytes of the image data
    std::uint32_t offset = 0; ///< where the image data starts in the file
};

/// A candidate icon for an image list.
struct QZ8_EXPORT T2StringAndIntArray {
    QString icon_fname; ///< the icon file
    QString description; ///< what the icon stands for
    std::vector<int> valid_icon_sizes; ///< the sizes it is drawn for
};

/// A list of unsigned 32-bit values.
class QZ8_EXPORT TCardinalList {
public:
    /// Appends a value.
    void AddOne(std::uint32_t value) { fValues.push_back(value); }
    /// Sorts the values ascending.
    void SortAscendingDefault();
    /// The number of values.
    int Count() const { return static_cast<int>(fValues.size()); }
    /// The value at i.
    std::uint32_t operator[](int i) const { return fValues[static_cast<size_t>(i)]; }
    /// The values, in order.
    const std::vector<std::uint32_t>& Values() const { return fValues; }

private:
    std::vector<std::uint32_t> fValues;
};

/// A recorded picture: an SVG document with the bitmap embedded.
class QZ8_EXPORT TMetafile {
public:
    int Width = 0; ///< width in pixels
    int Height = 0; ///< height in pixels
    QByteArray Svg; ///< the SVG document
    /// Writes the document; raises Exception naming the file on failure.
    void SaveToFile(const QString& fileName) const;
};

/// An image control showing a picture.
class QZ8_EXPORT TImage : public QLabel {
    Q_OBJECT
public:
    /// An image control; a parent takes ownership.
    explicit TImage(QWidget* parent = nullptr);
    ///@{
    /// The picture shown.
    const QImage& Picture() const { return fPicture; }
    void SetPicture(const QImage& picture);
    ///@}

private:
    QImage fPicture;
};

/// The directory of an icon file, read from the bytes (only bytes inside
/// them are read: entries past the end are not listed). Not an icon (type
/// other than 1), or shorter than its header: no entries.
QZ8_EXPORT std::vector<TIconDirEntry> ReadIconDirectory(const QByteArray& data);
/// The directory of a file; a missing file gives none. A file that exists
/// but cannot be opened raises Exception naming it.
QZ8_EXPORT std::vector<TIconDirEntry> ReadIconDirectoryOfFile(const QString& fileName);

/// For each entry of bitcount, the first wanted size that matches it (256
/// matches any entry with image data); one size per matching entry.
QZ8_EXPORT std::vector<int> IconsizesInAnIconfile(const QString& fileName, std::uint16_t bitcount,
                                                  const std::vector<int>& sizes);
/// True when n is one of sizes.
QZ8_EXPORT bool DimensionIsInArrayOfValidIconSizes(int n, const std::vector<int>& sizes);
/// Builds the list "ImageList<size>" of the usable icons at size x size and
/// writes it to resFile when it holds any; returns the positions used.
QZ8_EXPORT std::vector<int> SaveImageListFromListOfIconFiles(const std::vector<T2StringAndIntArray>& items, int size,
                                                             const QString& resFile);
/// Loads an icon file's image at size x size (the entry of that size, else
/// the best one scaled); a null image when the file holds none.
QZ8_EXPORT QImage LoadIconAtSize(const QString& fileName, int size);
/// The same from the file's bytes. 32-bit entries are decoded here, with
/// their straight alpha kept exactly; other entries by Qt's icon reader.
/// Only bytes inside data are read.
QZ8_EXPORT QImage LoadIconAtSize(const QByteArray& data, int size);
/// Writes an icon file of 32-bit images (with their AND masks), one entry per
/// image, as the platform's icon format has them.
QZ8_EXPORT void WriteIconFile(const QString& fileName, const std::vector<QImage>& images);

///@{
/// The picture as a metafile: an SVG document embedding it.
QZ8_EXPORT TMetafile ConvertBitmapToWindowsMetafile(TBitmap& bitmap);
QZ8_EXPORT TMetafile ConvertBitmapToWindowsMetafile(const TImage& image);
///@}
/// The picture as a metafile, written to fileName; raises Exception naming the file on failure.
QZ8_EXPORT void ConvertBitmapToWindowsMetafileAndSave(const TImage& image, const QString& fileName);

///@{
/// Points to tenths of a millimetre (negative: a character height), and back.
QZ8_EXPORT int MapFontHeight(int points);
QZ8_EXPORT int MapFontSize(int tenthsOfMillimetre);
///@}

// ---- Drawing primitives ----

/// The horizontal pixel extent of one time period.
struct QZ8_EXPORT TOneTimePeriodRec {
    int Left = 0; ///< first pixel
    int Right = 0; ///< last pixel
    int Width = 0; ///< the nominal width, rounded
};

/// Font style bits of a TCanvasSettings.
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = std::uint8_t; ///< bits of TFontStyle
/// The bit of a font style.
constexpr TFontStyles FontStyleBit(TFontStyle s) { return static_cast<TFontStyles>(1u << static_cast<unsigned>(s)); }

/// A snapshot of a canvas's font and brush.
struct QZ8_EXPORT TCanvasSettings {
    QString fontname; ///< the font's family
    int fontsize = 0; ///< points
    TFontStyles fontstyle = 0; ///< TFontStyle bits
    TColor brushcolour = clWhite; ///< the brush colour
    TColor fontcolour = clBlack; ///< the font colour
};

/// Width of one of count periods across the rectangle (a count below 1
/// counts as 1).
QZ8_EXPORT double PeriodPxWidth(const TRect& r, int count);
/// Period i of width w: pixels round(i w) + 1 to round((i + 1) w), halves to
/// even. A width that is no finite number gives an empty period at 0.
QZ8_EXPORT TOneTimePeriodRec PeriodRec(int i, double w);
/// The canvas's font and brush.
QZ8_EXPORT TCanvasSettings GetCanvasSettings(const TCanvas& canvas);
/// The text's height plus an eighth of it (integer division).
QZ8_EXPORT int HeightOfAStringPlusOneEighth(const TCanvas& canvas, const QString& text);
/// A triangle in the pen's colour, filled with the canvas's brush: base at P
/// and tip height below it (down), or tip at P and base height below it.
QZ8_EXPORT void DrawATriangle(TCanvas& canvas, TColor colour, TPoint P, bool down, int width, int height);
/// The triangle of an "a" cell in the rectangle's bottom-right corner.
QZ8_EXPORT void ComputeTriangleAndDrawit(TCanvas& canvas, TColor colour, const TRect& R, bool down);
/// A circle in the middle of slot k (from 1) of n equal slots across the
/// rectangle; no slots (n below 1) draws nothing.
QZ8_EXPORT void ComputeCircleAndDrawit(TCanvas& canvas, TColor colour, int k, int n, const TRect& R);
/// steps + 1 bands from one colour to the other across the rectangle,
/// horizontally or vertically; clNone at one end fills with the other.
QZ8_EXPORT void MyDrawGradient(TCanvas& canvas, TColor from, TColor to, int steps, TRect R, bool horizontal);
/// Point i of a crown of n points around the centre: point 0 straight below,
/// odd points a fifth farther out. No points (n below 1) gives the centre.
QZ8_EXPORT TPoint CrownPos(int i, int n, int radius, TPoint centre);
/// Sizes the bitmap to w x h and copies that block of the canvas at (x, y).
QZ8_EXPORT void CopyARegionOfCanvasToABitmap(int x, int y, int w, int h, TBitmap& bitmap, TCanvas& canvas);
/// Copies the bitmap's top-left block of the rectangle's size to the
/// rectangle's corner on the canvas.
QZ8_EXPORT void CopyABitmapToARegionOfCanvas(const TRect& r, TBitmap& bitmap, TCanvas& canvas);

/// The 16-bit characters the canvas's font can show, ascending.
QZ8_EXPORT TCardinalList CharNums16BitViewableInFont(TCanvas& canvas);

} // namespace qz8
