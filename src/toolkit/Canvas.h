// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// TCanvas: a QPainter with the brush, pen and font state of the platform and
// GDI's coordinate rules (rectangles exclude right and bottom, outlines are
// drawn inside the bounds, TextOut places the top of the text cell).
// TBitmap is a QImage with a canvas, so painters can be checked in pixels.
// The Win32 drawing calls are free functions over a canvas (HDC).
#include "../qz8_export.h"
#include "Types.h"

#include <QFont>
#include <QImage>
#include <QPolygon>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace qz8 {

class TCanvasPrivate;

/// How a canvas fills: with its brush's colour, or not at all.
enum TBrushStyle { bsSolid, bsClear };
/// How a canvas outlines: with its pen's colour, or not at all.
enum TPenStyle { psSolid, psClear };

/// The fill of a canvas's shapes and text cells.
struct QZ8_EXPORT TBrush {
    TColor Color = clWhite; ///< The fill colour.
    TBrushStyle Style = bsSolid; ///< Solid, or no fill (bsClear).
};

/// The outline of a canvas's shapes and lines.
struct QZ8_EXPORT TPen {
    TColor Color = clBlack; ///< The line colour.
    int Width = 1; ///< The line width in pixels.
    TPenStyle Style = psSolid; ///< Solid, or no outline (psClear).
};

/// A font with a text colour.
class QZ8_EXPORT TFont : public QFont {
public:
    TFont() = default;
    /// A font with a text colour.
    TFont(const QFont& f, TColor color = clWindowText) : QFont(f), Color(color) { }
    TColor Color = clWindowText; ///< The text colour (system colours resolve through the canvas's palette).
};

/// A painter with the brush, pen and font state of the platform and GDI's coordinate rules: rectangles exclude their
/// right and bottom edges, outlines are drawn inside the bounds, TextOut places the top of the text cell.
class QZ8_EXPORT TCanvas {
public:
    /// A canvas over a device; a painter is opened on first drawing and closed
    /// by End() (TBitmap does that before its pixels are read). A widget can
    /// only be painted through Attach() during its paint event; outside of it
    /// the canvas measures text and ignores drawing.
    explicit TCanvas(QPaintDevice* device = nullptr);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    /// Paints on another device from now on (ends any drawing and forgets the shaped texts).
    void SetDevice(QPaintDevice* device);
    /// The device painted on.
    QPaintDevice* Device() const;
    /// Paints through an open painter (a paint event's); Detach gives it back.
    void Attach(QPainter* painter);
    /// Gives back the painter taken by Attach.
    void Detach();
    /// Ends the canvas's own painter, if it opened one.
    void End();
    /// The painter drawing goes through: the attached one, else one the canvas opens on its device (none for a widget
    /// outside its paint event).
    QPainter* Painter();

    TBrush Brush; ///< The fill of shapes and text cells.
    TPen Pen; ///< The outline of shapes and lines.
    TFont Font; ///< The text font and colour.
    TPoint PenPos; ///< The current pen position (MoveTo, LineTo, TextOut).

    /// Fills the rectangle with the brush.
    void FillRect(const TRect& r);
    /// Draws a one-pixel frame just inside the rectangle in the brush's colour.
    void FrameRect(const TRect& r);
    ///@{
    /// Draws a rectangle filled with the brush and outlined with the pen, inside its bounds.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    ///@}
    ///@{
    /// Draws an ellipse filled with the brush and outlined with the pen, inside its bounds.
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    ///@}
    /// Draws a closed polygon filled with the brush and outlined with the pen.
    void Polygon(const std::vector<TPoint>& points);
    /// Moves the pen position without drawing.
    void MoveTo(int x, int y) { PenPos = {x, y}; }
    /// Draws to (x, y) excluding the end point, as GDI does.
    void LineTo(int x, int y);
    /// Draws text with its cell's top-left at (x, y) over the brush (unless bsClear), and moves the pen position past
    /// it.
    void TextOut(int x, int y, const QString& text);
    /// Draws text at (x, y), clipped to r, over r filled with the brush (unless bsClear).
    void TextRect(const TRect& r, int x, int y, const QString& text);
    /// The advance width of text in the font, in pixels.
    int TextWidth(const QString& text) const;
    /// The height of the font's text cell, in pixels.
    int TextHeight(const QString& text) const;
    /// Draws text with its cell's top at y, in the font and its colour, with
    /// no background.
    void DrawText(int x, int y, const QString& text);
    /// Texts are shaped once per font and layout direction and kept (up to
    /// kShapedTextLimit) for measuring and drawing alike; a change of font or
    /// direction starts afresh, and a control drops them on a style change.
    void ClearTextCache();
    /// The most texts kept shaped at once; more start the cache afresh.
    static constexpr int kShapedTextLimit = 4096;
    /// Draws an image with its top-left at (x, y).
    void Draw(int x, int y, const QImage& image);
    /// Draws an image scaled to the rectangle.
    void StretchDraw(const TRect& r, const QImage& image);

    /// The layout direction of the control painted on (the application's for
    /// an image).
    Qt::LayoutDirection Direction() const;
    /// The "device context" of the Win32 calls.
    TCanvas* Handle() { return this; }
    /// System colours resolve against this palette (a control's own, so that
    /// a style's palette shows), else the application's.
    void SetPalette(const QPalette& palette);
    /// The QColor of a colour, system colours resolved through the canvas's palette.
    QColor Resolve(TColor color) const;

private:
    void DrawTextCell(int x, int y, const QString& text);
    std::unique_ptr<TCanvasPrivate> const d;
};

/// An image in memory with a canvas, so that painters can be checked in pixels.
class QZ8_EXPORT TBitmap {
public:
    /// An empty bitmap.
    TBitmap();
    /// A white bitmap of the given size.
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    /// The width in pixels (logical pixels: see DevicePixelRatio()).
    int Width() const;
    /// The height in pixels (logical pixels).
    int Height() const;
    /// A new size starts white.
    void SetSize(int width, int height);
    ///@{
    /// Device pixels per pixel (1 unless set): a bitmap shown on a screen of
    /// ratio 2 is made with SetDevicePixelRatio(widget->devicePixelRatioF())
    /// so that it is drawn at the screen's own resolution and stays sharp.
    /// Drawing, Width(), Height() and Pixel() stay in logical pixels; Image()
    /// holds the device pixels and carries the ratio. Setting it starts the
    /// bitmap white at its size; ratios below 1 (or not finite) are 1.
    qreal DevicePixelRatio() const { return fImage.devicePixelRatio(); }
    void SetDevicePixelRatio(qreal ratio);
    ///@}
    /// The canvas that draws on the bitmap.
    TCanvas& Canvas() { return fCanvas; }
    /// The pixels, with any drawing finished first.
    const QImage& Image();
    /// Takes a copy of an image (any drawing is finished first).
    void Assign(const QImage& image);
    /// The colour of a pixel, in logical pixels (any drawing is finished
    /// first); at a ratio above 1, that of its top-left device pixel.
    TColor Pixel(int x, int y);
    /// Loads an image file; false when it cannot be read.
    bool LoadFromFile(const QString& fileName);
    /// Saves to an image file (its format from the suffix); false when it cannot be written.
    bool SaveToFile(const QString& fileName);

private:
    QImage fImage;
    TCanvas fCanvas;
};

/// A canvas as the Win32 drawing calls name it (a device context).
using HDC = TCanvas*;

// <windows.h> defines the DrawTextW flags and SRCCOPY as macros of the same
// values; where it came first, its definitions serve.
///@{
/// A DrawTextW format flag (DT_*), or BitBlt's plain copy (SRCCOPY).
#ifndef DT_LEFT
inline constexpr unsigned DT_LEFT = 0x0;
#endif
#ifndef DT_CENTER
inline constexpr unsigned DT_CENTER = 0x1;
#endif
#ifndef DT_RIGHT
inline constexpr unsigned DT_RIGHT = 0x2;
#endif
#ifndef DT_VCENTER
inline constexpr unsigned DT_VCENTER = 0x4;
#endif
#ifndef DT_BOTTOM
inline constexpr unsigned DT_BOTTOM = 0x8;
#endif
#ifndef DT_WORDBREAK
inline constexpr unsigned DT_WORDBREAK = 0x10;
#endif
#ifndef DT_SINGLELINE
inline constexpr unsigned DT_SINGLELINE = 0x20;
#endif
#ifndef DT_NOCLIP
inline constexpr unsigned DT_NOCLIP = 0x100;
#endif
#ifndef DT_CALCRECT
inline constexpr unsigned DT_CALCRECT = 0x400;
#endif
#ifndef DT_NOPREFIX
inline constexpr unsigned DT_NOPREFIX = 0x800;
#endif
#ifndef DT_PATH_ELLIPSIS
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
#endif
#ifndef DT_END_ELLIPSIS
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
#endif
#ifndef DT_HIDEPREFIX
inline constexpr unsigned DT_HIDEPREFIX = 0x100000;
#endif
#ifndef SRCCOPY
inline constexpr unsigned SRCCOPY = 0x00CC0020;
#endif
///@}

/// Draws text with its cell's top-left at (x, y) on the canvas; true.
QZ8_EXPORT bool TextOutW(HDC dc, int x, int y, const QString& text);
/// Draws text in r, or with DT_CALCRECT only measures it and widens or
/// narrows r to the text. "&" marks a mnemonic ("&&" is a literal "&") unless
/// DT_NOPREFIX is given; a mnemonic marker takes no room. Returns the height.
QZ8_EXPORT int DrawTextW(HDC dc, const QString& text, TRect& r, unsigned format);
/// Copies a w x h block from src at (sx, sy) to dst at (x, y).
QZ8_EXPORT bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, unsigned rop = SRCCOPY);

/// A run of characters a font covers.
struct QZ8_EXPORT TWCRange {
    char16_t wcLow = 0; ///< The first character of the run.
    int cGlyphs = 0; ///< How many characters follow from it.
};
/// The characters a font covers: GetFontUnicodeRanges's answer.
struct QZ8_EXPORT TGlyphSet {
    int cGlyphsSupported = 0; ///< The number of characters in all ranges.
    std::vector<TWCRange> ranges; ///< The runs, ascending.
};
/// The 16-bit characters the canvas's font really covers, as ranges.
QZ8_EXPORT TGlyphSet GetFontUnicodeRanges(HDC dc);

/// A path wider than maxWidth pixels on the canvas gets its leading folders
/// replaced by "..." until it fits (or only its name is left); "/" and "\"
/// paths alike. Texts without a folder are returned unchanged.
QZ8_EXPORT QString MinimizeName(const QString& fileName, const TCanvas& canvas, int maxWidth);

} // namespace qz8
