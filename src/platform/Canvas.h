#pragma once
// TCanvas: a QPainter with the brush, pen and font state of the platform and
// GDI's coordinate rules (rectangles exclude right and bottom, outlines are
// drawn inside the bounds, TextOut places the top of the text cell).
// TBitmap is a QImage with a canvas, so painters can be checked in pixels.
// The Win32 drawing calls are free functions over a canvas (HDC).
#include "platform/Types.h"
#include "qz8_export.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPolygon>
#include <QStaticText>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace qz8 {

enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psClear };

struct QZ8_EXPORT TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct QZ8_EXPORT TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

class QZ8_EXPORT TFont : public QFont {
public:
    TFont() = default;
    TFont(const QFont& f, TColor color = clWindowText) : QFont(f), Color(color) { }
    TColor Color = clWindowText;
};

class QZ8_EXPORT TCanvas {
public:
    // A canvas over a device; a painter is opened on first drawing and closed
    // by End() (TBitmap does that before its pixels are read). A widget can
    // only be painted through Attach() during its paint event; outside of it
    // the canvas measures text and ignores drawing.
    explicit TCanvas(QPaintDevice* device = nullptr);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    void SetDevice(QPaintDevice* device);
    QPaintDevice* Device() const { return fDevice; }
    // Paints through an open painter (a paint event's); Detach gives it back.
    void Attach(QPainter* painter);
    void Detach();
    void End();
    QPainter* Painter();

    TBrush Brush;
    TPen Pen;
    TFont Font;
    TPoint PenPos;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void MoveTo(int x, int y) { PenPos = {x, y}; }
    // Draws to (x, y) excluding the end point, as GDI does.
    void LineTo(int x, int y);
    void TextOut(int x, int y, const QString& text);
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Draws text with its cell's top at y, in the font and its colour, with
    // no background.
    void DrawText(int x, int y, const QString& text);
    // Texts are shaped once per font and layout direction and kept (up to
    // kShapedTextLimit) for measuring and drawing alike; a change of font or
    // direction starts afresh, and a control drops them on a style change.
    void ClearTextCache();
    static constexpr int kShapedTextLimit = 4096;
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& r, const QImage& image);

    // The layout direction of the control painted on (the application's for
    // an image).
    Qt::LayoutDirection Direction() const;
    // The "device context" of the Win32 calls.
    TCanvas* Handle() { return this; }
    // System colours resolve against this palette (a control's own, so that
    // a style's palette shows), else the application's.
    void SetPalette(const QPalette& palette) { fPalette = palette; }
    QColor Resolve(TColor color) const { return ToQColor(color, fPalette); }

private:
    struct ShapedText {
        int advance = -1;
        QStaticText text; // laid out at the first drawing
        bool laidOut = false;
    };
    ShapedText& Shaped(const QString& text) const;
    void DrawTextCell(int x, int y, const QString& text);
    QPaintDevice* fDevice = nullptr;
    // The shaped texts of the font and direction they were shaped for: the
    // canvas's own state, kept through const measuring too.
    mutable QHash<QString, ShapedText> fShaped;
    mutable QFont fShapedFont;
    mutable Qt::LayoutDirection fShapedDirection = Qt::LeftToRight;
    QPalette fPalette;
    QPainter* fPainter = nullptr;
    std::unique_ptr<QPainter> fOwnPainter;
};

class QZ8_EXPORT TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return fImage.width(); }
    int Height() const { return fImage.height(); }
    // A new size starts white.
    void SetSize(int width, int height);
    TCanvas& Canvas() { return fCanvas; }
    // The pixels, with any drawing finished first.
    const QImage& Image();
    void Assign(const QImage& image);
    TColor Pixel(int x, int y);
    bool LoadFromFile(const QString& fileName);
    bool SaveToFile(const QString& fileName);

private:
    QImage fImage;
    TCanvas fCanvas;
};

using HDC = TCanvas*;

// DrawTextW format flags.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_HIDEPREFIX = 0x100000
};
enum : unsigned { SRCCOPY = 0x00CC0020 };

QZ8_EXPORT bool TextOutW(HDC dc, int x, int y, const QString& text);
// Draws text in r, or with DT_CALCRECT only measures it and widens or
// narrows r to the text. "&" marks a mnemonic ("&&" is a literal "&") unless
// DT_NOPREFIX is given; a mnemonic marker takes no room. Returns the height.
QZ8_EXPORT int DrawTextW(HDC dc, const QString& text, TRect& r, unsigned format);
// Copies a w x h block from src at (sx, sy) to dst at (x, y).
QZ8_EXPORT bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, unsigned rop = SRCCOPY);

struct QZ8_EXPORT TWCRange {
    char16_t wcLow = 0;
    int cGlyphs = 0;
};
struct QZ8_EXPORT TGlyphSet {
    int cGlyphsSupported = 0;
    std::vector<TWCRange> ranges;
};
// The 16-bit characters the canvas's font really covers, as ranges.
QZ8_EXPORT TGlyphSet GetFontUnicodeRanges(HDC dc);

// A path wider than maxWidth pixels on the canvas gets its leading folders
// replaced by "..." until it fits (or only its name is left); "/" and "\"
// paths alike. Texts without a folder are returned unchanged.
QZ8_EXPORT QString MinimizeName(const QString& fileName, const TCanvas& canvas, int maxWidth);

} // namespace qz8
