#include "external/Rtl_and_ltr_painting.h"

#include <QFontMetrics>
#include <QPainter>

namespace qz8 {

namespace {
constexpr int kPad = 2; // the gap between the row's edge and its text
} // namespace

void EllipsisOutputALine(HDC dc, const QString& text, const TRect& r, int width)
{
    if (!dc || r.IsEmpty())
        return;
    QPainter* p = dc->Painter();
    if (!p)
        return;
    const QFontMetrics fm(dc->Font, dc->Device());
    const int room = std::max(0, r.Width() - 2 * kPad);
    const QString shown = width > r.Width() ? fm.elidedText(text, Qt::ElideRight, room) : text;
    p->save();
    p->setClipRect(r.ToQRect());
    p->setFont(dc->Font);
    p->setPen(dc->Resolve(dc->Font.Color));
    const int w = fm.horizontalAdvance(shown);
    const int x = text.isRightToLeft() ? r.Right - kPad - w : r.Left + kPad;
    p->drawText(x, r.Top + fm.ascent(), shown);
    p->restore();
}

} // namespace qz8
