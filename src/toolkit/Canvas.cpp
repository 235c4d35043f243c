// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Canvas.h"
#include "platform/FontCoverage_p.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace qz8 {

// The canvas's device, painter and palette, and the texts it shaped for the
// font and direction they were shaped for (kept through const measuring too).
class TCanvasPrivate {
public:
    explicit TCanvasPrivate(QPaintDevice* device) : fDevice(device), fPalette(QGuiApplication::palette()) { }
    // A text shaped once, for measuring and drawing alike: its advance and
    // its positioned glyphs, relative to the text's top left.
    struct ShapedText {
        int advance = -1;
        QList<QGlyphRun> runs;
    };
    ShapedText& Shaped(const QString& text, const TFont& font, Qt::LayoutDirection direction);

    QPaintDevice* fDevice = nullptr;
    QHash<QString, ShapedText> fShaped;
    QFont fShapedFont;
    Qt::LayoutDirection fShapedDirection = Qt::LeftToRight;
    QPalette fPalette;
    QPainter* fPainter = nullptr;
    std::unique_ptr<QPainter> fOwnPainter;
};

TCanvas::TCanvas(QPaintDevice* device) : d(std::make_unique<TCanvasPrivate>(device))
{
    Font = TFont(QGuiApplication::font());
}

TCanvas::~TCanvas() { End(); }

QPaintDevice* TCanvas::Device() const { return d->fDevice; }

void TCanvas::SetPalette(const QPalette& palette) { d->fPalette = palette; }

QColor TCanvas::Resolve(TColor color) const { return ToQColor(color, d->fPalette); }

void TCanvas::SetDevice(QPaintDevice* device)
{
    End();
    d->fDevice = device;
    ClearTextCache(); // another device may measure the same font otherwise
}

void TCanvas::Attach(QPainter* painter)
{
    End();
    d->fPainter = painter;
}

void TCanvas::Detach()
{
    if (!d->fOwnPainter)
        d->fPainter = nullptr;
}

void TCanvas::End()
{
    if (d->fOwnPainter) {
        d->fOwnPainter->end();
        d->fOwnPainter.reset();
    }
    d->fPainter = nullptr;
}

QPainter* TCanvas::Painter()
{
    if (d->fPainter)
        return d->fPainter;
    // Widgets are painted only inside their paint event (through Attach).
    if (!d->fDevice || d->fDevice->devType() == QInternal::Widget)
        return nullptr;
    d->fOwnPainter = std::make_unique<QPainter>(d->fDevice);
    if (!d->fOwnPainter->isActive()) {
        d->fOwnPainter.reset();
        return nullptr;
    }
    d->fPainter = d->fOwnPainter.get();
    return d->fPainter;
}

void TCanvas::FillRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || Brush.Style == bsClear || r.IsEmpty())
        return;
    p->fillRect(r.ToQRect(), Resolve(Brush.Color));
}

void TCanvas::FrameRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || Brush.Style == bsClear || r.IsEmpty())
        return;
    const QColor c = Resolve(Brush.Color);
    p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    QPainter* p = Painter();
    const TRect r{left, top, right, bottom};
    if (!p || r.IsEmpty())
        return;
    if (Brush.Style != bsClear)
        p->fillRect(r.ToQRect(), Resolve(Brush.Color));
    if (Pen.Style == psClear || Pen.Width <= 0)
        return;
    // The outline lies inside the bounds, Pen.Width pixels thick.
    const int w = std::min({Pen.Width, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
    const QColor c = Resolve(Pen.Color);
    p->fillRect(QRect(r.Left, r.Top, r.Width(), w), c);
    p->fillRect(QRect(r.Left, r.Bottom - w, r.Width(), w), c);
    p->fillRect(QRect(r.Left, r.Top, w, r.Height()), c);
    p->fillRect(QRect(r.Right - w, r.Top, w, r.Height()), c);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    QPainter* p = Painter();
    if (!p || right - left < 1 || bottom - top < 1)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(Pen.Style == psClear ? QPen(Qt::NoPen) : QPen(Resolve(Pen.Color), 0));
    p->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(Resolve(Brush.Color)));
    p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    p->restore();
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPainter* p = Painter();
    if (!p || points.size() < 2)
        return;
    QPolygon poly;
    for (const TPoint& pt : points)
        poly << QPoint(pt.X, pt.Y);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(Pen.Style == psClear ? QPen(Qt::NoPen) : QPen(Resolve(Pen.Color), 0));
    p->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(Resolve(Brush.Color)));
    p->drawPolygon(poly);
    p->restore();
}

void TCanvas::LineTo(int x, int y)
{
    QPainter* p = Painter();
    const TPoint from = PenPos;
    PenPos = {x, y};
    if (!p || Pen.Style == psClear || (from.X == x && from.Y == y))
        return;
    // GDI leaves out the end point: step one pixel back along the major axis.
    const int dx = x - from.X, dy = y - from.Y;
    int ex = x, ey = y;
    if (std::abs(dx) >= std::abs(dy))
        ex -= (dx > 0) - (dx < 0);
    else
        ey -= (dy > 0) - (dy < 0);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QPen(Resolve(Pen.Color), Pen.Width <= 1 ? 0 : Pen.Width));
    p->drawLine(from.X, from.Y, ex, ey);
    p->restore();
}

Qt::LayoutDirection TCanvas::Direction() const
{
    const auto* widget = dynamic_cast<const QWidget*>(d->fDevice);
    return widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
}

TCanvasPrivate::ShapedText& TCanvasPrivate::Shaped(const QString& text, const TFont& font,
                                                   Qt::LayoutDirection direction)
{
    if (fShapedDirection != direction || !(fShapedFont == font) || fShaped.size() >= TCanvas::kShapedTextLimit) {
        fShaped.clear();
        fShapedFont = font;
        fShapedDirection = direction;
    }
    ShapedText& shaped = fShaped[text];
    if (shaped.advance >= 0)
        return shaped;
    // Line breaks as QStaticText reads them in plain text; each line below
    // the one before, the advance the widest line's.
    QString plain = text;
    plain.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(plain, font, fDevice);
    layout.setCacheEnabled(true); // the glyphs stay shaped for glyphRuns() after endLayout()
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    qreal y = 0, widest = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(0, y));
        y += line.height();
        widest = std::max(widest, line.horizontalAdvance());
    }
    shaped.runs = layout.glyphRuns();
    shaped.advance = qRound(widest);
    return shaped;
}

void TCanvas::ClearTextCache() { d->fShaped.clear(); }

void TCanvas::DrawText(int x, int y, const QString& text)
{
    QPainter* p = Painter();
    if (!p || text.isEmpty())
        return;
    TCanvasPrivate::ShapedText& shaped = d->Shaped(text, Font, Direction());
    p->save();
    p->setPen(Resolve(Font.Color));
    for (const QGlyphRun& run : std::as_const(shaped.runs))
        p->drawGlyphRun(QPointF(x, y), run);
    p->restore();
}

void TCanvas::DrawTextCell(int x, int y, const QString& text)
{
    QPainter* p = Painter();
    if (!p)
        return;
    if (Brush.Style != bsClear)
        p->fillRect(QRect(x, y, TextWidth(text), TextHeight(text)), Resolve(Brush.Color));
    DrawText(x, y, text);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    DrawTextCell(x, y, text);
    PenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
    QPainter* p = Painter();
    if (!p)
        return;
    p->save();
    p->setClipRect(r.ToQRect());
    if (Brush.Style != bsClear)
        p->fillRect(r.ToQRect(), Resolve(Brush.Color));
    p->setFont(Font);
    p->setPen(Resolve(Font.Color));
    p->drawText(x, y + QFontMetrics(Font, d->fDevice).ascent(), text);
    p->restore();
}

int TCanvas::TextWidth(const QString& text) const { return d->Shaped(text, Font, Direction()).advance; }

int TCanvas::TextHeight(const QString&) const { return QFontMetrics(Font, d->fDevice).height(); }

void TCanvas::Draw(int x, int y, const QImage& image)
{
    if (QPainter* p = Painter())
        p->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image)
{
    if (QPainter* p = Painter())
        p->drawImage(r.ToQRect(), image);
}

TBitmap::TBitmap() : fImage(0, 0, QImage::Format_ARGB32), fCanvas(&fImage) { }

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() { fCanvas.End(); }

int TBitmap::Width() const { return qRound(fImage.deviceIndependentSize().width()); }

int TBitmap::Height() const { return qRound(fImage.deviceIndependentSize().height()); }

void TBitmap::SetSize(int width, int height)
{
    fCanvas.End();
    const qreal ratio = fImage.devicePixelRatio();
    fImage = QImage(qRound(std::max(0, width) * ratio), qRound(std::max(0, height) * ratio), QImage::Format_ARGB32);
    fImage.setDevicePixelRatio(ratio);
    fImage.fill(Qt::white);
    fCanvas.SetDevice(&fImage);
}

void TBitmap::SetDevicePixelRatio(qreal ratio)
{
    if (!std::isfinite(ratio) || ratio < 1)
        ratio = 1;
    const int width = Width();
    const int height = Height();
    fCanvas.End();
    fImage.setDevicePixelRatio(ratio);
    SetSize(width, height);
}

const QImage& TBitmap::Image()
{
    fCanvas.End();
    return fImage;
}

void TBitmap::Assign(const QImage& image)
{
    fCanvas.End();
    fImage = image.convertToFormat(QImage::Format_ARGB32);
    fCanvas.SetDevice(&fImage);
}

TColor TBitmap::Pixel(int x, int y)
{
    const QImage& img = Image();
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clNone;
    const qreal ratio = img.devicePixelRatio();
    return FromQColor(
        img.pixelColor(std::min(img.width() - 1, int(x * ratio)), std::min(img.height() - 1, int(y * ratio))));
}

bool TBitmap::LoadFromFile(const QString& fileName)
{
    QImage img;
    if (!img.load(fileName))
        return false;
    Assign(img);
    return true;
}

bool TBitmap::SaveToFile(const QString& fileName) { return Image().save(fileName); }

bool TextOutW(HDC dc, int x, int y, const QString& text)
{
    if (!dc)
        return false;
    const TPoint keep = dc->PenPos;
    dc->TextOut(x, y, text);
    dc->PenPos = keep;
    return true;
}

namespace {

// Removes mnemonic markers: "&&" becomes "&", a single "&" vanishes.
QString StripPrefix(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                out += QLatin1Char('&');
            ++i;
            if (i < text.size() && text[i] != QLatin1Char('&'))
                out += text[i];
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

int DrawTextW(HDC dc, const QString& text, TRect& r, unsigned format)
{
    if (!dc)
        return 0;
    const QString shown = (format & DT_NOPREFIX) ? text : StripPrefix(text);
    const QFontMetrics fm(dc->Font, dc->Device());
    int flags = 0;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_SINGLELINE)
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    QString line = shown;
    if (format & DT_SINGLELINE)
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));

    if (format & DT_CALCRECT) {
        int w = 0, h = 0;
        if (format & DT_WORDBREAK) {
            const QRect b =
                fm.boundingRect(QRect(0, 0, std::max(1, r.Width()), 1 << 20), Qt::AlignLeft | Qt::TextWordWrap, line);
            w = line.isEmpty() ? 0 : b.width();
            h = std::max(fm.height(), b.height());
        } else {
            // Advance widths, as GDI measures; one text height per line.
            const QStringList lines = line.split(QLatin1Char('\n'));
            for (const QString& l : lines)
                w = std::max(w, fm.horizontalAdvance(l));
            h = fm.height() * static_cast<int>(lines.size());
        }
        r.Right = r.Left + w;
        r.Bottom = r.Top + h;
        return h;
    }

    if (format & DT_END_ELLIPSIS)
        line = fm.elidedText(line, Qt::ElideRight, r.Width());
    else if (format & DT_PATH_ELLIPSIS)
        line = fm.elidedText(line, Qt::ElideMiddle, r.Width());
    QPainter* p = dc->Painter();
    if (!p)
        return fm.height();
    p->save();
    if (!(format & DT_NOCLIP))
        p->setClipRect(r.ToQRect());
    p->setFont(dc->Font);
    p->setPen(dc->Resolve(dc->Font.Color));
    QRect drawn;
    if (dc->Brush.Style != bsClear) {
        const QRect b = fm.boundingRect(r.ToQRect(), flags, line);
        p->fillRect(b, dc->Resolve(dc->Brush.Color));
    }
    p->drawText(r.ToQRect(), flags, line, &drawn);
    p->restore();
    return drawn.height();
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, unsigned rop)
{
    if (!dst || !src || w <= 0 || h <= 0 || rop != SRCCOPY)
        return false;
    QImage block;
    QPaintDevice* dev = src->Device();
    if (!dev)
        return false;
    if (dev->devType() == QInternal::Image) {
        src->End();
        // In the source's logical pixels: a block of device pixels that
        // keeps its ratio.
        const auto* image = static_cast<QImage*>(dev);
        const qreal ratio = image->devicePixelRatio();
        block = image->copy(QRectF(sx * ratio, sy * ratio, w * ratio, h * ratio).toRect());
        block.setDevicePixelRatio(ratio);
    } else if (dev->devType() == QInternal::Widget) {
        block = static_cast<QWidget*>(dev)->grab(QRect(sx, sy, w, h)).toImage();
    } else {
        return false;
    }
    QPainter* p = dst->Painter();
    if (!p)
        return false;
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(QPoint(x, y), block);
    p->restore();
    return true;
}

TGlyphSet GetFontUnicodeRanges(HDC dc)
{
    TGlyphSet set;
    if (!dc)
        return set;
    // The font's own character map, not what Qt could draw in its place.
    for (const auto& [first, count] : FontCharacterRuns16(dc->Font)) {
        set.ranges.push_back({first, count});
        set.cGlyphsSupported += count;
    }
    return set;
}

namespace {

// "/a/b/" becomes "/.../b/", "/.../b/" becomes "/.../"; a folder part that
// is only "..." is dropped.
QString CutFirstDirectory(const QString& dir, QChar sep)
{
    const bool root = dir.startsWith(sep);
    QString rest = root ? dir.mid(1) : dir;
    const QString dots = QStringLiteral("...") + sep;
    if (rest.startsWith(dots)) {
        rest = rest.mid(dots.size());
        if (rest.isEmpty())
            return {};
    }
    const qsizetype next = rest.indexOf(sep);
    rest = next < 0 ? QString() : rest.mid(next + 1);
    return (root ? QString(sep) : QString()) + dots + rest;
}

} // namespace

QString MinimizeName(const QString& fileName, const TCanvas& canvas, int maxWidth)
{
    const qsizetype back = fileName.lastIndexOf(QLatin1Char('\\'));
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype last = std::max(back, slash);
    if (last < 0 || canvas.TextWidth(fileName) <= maxWidth)
        return fileName;
    const QChar sep = back > slash ? QLatin1Char('\\') : QLatin1Char('/');
    const QString name = fileName.mid(last + 1);
    QString dir = fileName.left(last + 1);
    QString drive;
    if (dir.size() >= 2 && dir[1] == QLatin1Char(':')) {
        drive = dir.left(2);
        dir = dir.mid(2);
    }
    QString result = fileName;
    const QString rootDots = QString(sep) + QStringLiteral("...") + sep;
    while ((!dir.isEmpty() || !drive.isEmpty()) && canvas.TextWidth(result) > maxWidth) {
        if (dir == rootDots) {
            drive.clear();
            dir = QStringLiteral("...") + sep;
        } else if (dir.isEmpty()) {
            drive.clear();
        } else {
            dir = CutFirstDirectory(dir, sep);
        }
        result = drive + dir + name;
    }
    return result;
}

} // namespace qz8
