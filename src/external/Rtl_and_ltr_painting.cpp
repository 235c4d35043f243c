// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
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
    const int room = std::max(0, r.Width() - 2 * kPad);
    const QString shown =
        width > r.Width() ? QFontMetrics(dc->Font, dc->Device()).elidedText(text, Qt::ElideRight, room) : text;
    p->save();
    p->setClipRect(r.ToQRect());
    // Measured and drawn from the canvas's shaped texts.
    const int w = dc->TextWidth(shown);
    const int x = text.isRightToLeft() || IsRightToLeft(*dc) ? r.Right - kPad - w : r.Left + kPad;
    dc->DrawText(x, r.Top, shown);
    p->restore();
}

TRect MirrorRect(const TRect& r, const TRect& within) { return r.MirroredIn(within); }

bool IsRightToLeft(const TCanvas& canvas) { return canvas.Direction() == Qt::RightToLeft; }

} // namespace qz8
