// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// TNotepadGrabPanel of My_StyledTMSComponents.
#include "controls/My_StyledTMSComponents.h"
#include "controls/My_StyledTMSComponents_p.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/QtBoundary_p.h"
#include "toolkit/StdCtrls.h"

#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qz8 {

namespace {

int Clamp(std::int64_t v)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

TPoint ScreenPos(const QMouseEvent* e)
{
    const QPoint p = e->globalPosition().toPoint();
    return {p.x(), p.y()};
}

} // namespace

TNotepadGrabPanel::TNotepadGrabPanel(QWidget* parent) : TPanel(parent), d(std::make_unique<TNotepadGrabPanelPrivate>())
{
    d->x_width = 0;
    resize(100, 150);
    SetCaption(QString());
    d->fMonochrome = false;
    OnStateMargins = nullptr;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Page margins"));
    ClearSettings();
}

TNotepadGrabPanel::~TNotepadGrabPanel() = default;

void TNotepadGrabPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Page margins"));
        AnnounceMargins();
    }
    TPanel::changeEvent(event);
}

void TNotepadGrabPanel::ClearSettings()
{
    SetComponentStyle(Global_TMSStyle);
    d->grabbed_midpoint = kNoHandle;
    for (TRect& r : d->midpoints)
        r = TRect{};
}

void TNotepadGrabPanel::SetComponentStyle(TTMSStyle)
{
    SetColor(GetABaseTMSBackgroundColour(Global_TMSStyle));
    SetHandleColour(GetABaseTMSTextColour_MOSTFREQUENT(Global_TMSStyle));
}

void TNotepadGrabPanel::SetHandleColour(TColor colour)
{
    update();
    if (d->fHandleColour == colour)
        return;
    d->fHandleColour = colour;
    Q_EMIT handleColourChanged(colour);
}

QMargins TNotepadGrabPanel::Margins() const
{
    const TRect m = MarginsInPixels();
    return QMargins(m.Left, m.Top, m.Right, m.Bottom);
}

void TNotepadGrabPanel::SetMonochrome(bool Value)
{
    d->fMonochrome = Value;
    update();
}

void TNotepadGrabPanel::SetParentControl(QWidget* Value)
{
    d->fParentControl = Value;
    if (!Value) {
        ClearSettings();
        return;
    }
    const QRect client = Value->contentsRect();
    d->OuterRect = Rect(0, 0, client.width(), client.height());
    d->outer_height = d->OuterRect.Bottom - d->OuterRect.Top;
    d->outer_width = d->OuterRect.Right - d->OuterRect.Left;
    RecomputeAllMidpoints();
    OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        ControlMouseDown(s, b, m, x, y);
    };
    OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers m, int x, int y) { ControlMouseMove(s, m, x, y); };
    OnMouseUp = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        ControlMouseUp(s, b, m, x, y);
    };
    AnnounceMargins();
    update();
}

void TNotepadGrabPanel::RecomputeAllMidpoints()
{
    // In the form designer the handles stay as they are.
    if (IsDesigning(this))
        return;
    TCanvas canvas(this);
    canvas.Font = TFont(font());
    const int x = canvas.TextWidth(QStringLiteral("x"));
    d->x_width = x;
    const int W = width(), H = height();
    d->midpoints[t_left] = Rect(0, (H - x) / 2, x, (H - x) / 2 + x);
    d->midpoints[t_top] = Rect((W - x) / 2, 0, (W - x) / 2 + x, x);
    d->midpoints[t_right] = Rect(W - x, (H - x) / 2, W, (H - x) / 2 + x);
    d->midpoints[t_bottom] = Rect((W - x) / 2, H - x, (W - x) / 2 + x, H);
}

void TNotepadGrabPanel::SetToMargins(const TPrintMarginInches& pmi, int papersize_MM_Width, int papersize_MM_Height)
{
    SetParentControl(d->fParentControl);
    if (d->outer_width == 0 || d->outer_height == 0)
        return;
    const int ppiInt = ScreenPixelsPerInch();
    // A sheet of no size (or a density of none) has no scale: the division
    // below would be by zero, so the panel stays where it is.
    if (papersize_MM_Width <= 0 || papersize_MM_Height <= 0 || ppiInt <= 0)
        return;
    const float ppi = static_cast<float>(ppiInt);
    const float a = static_cast<float>(d->outer_width) / ppi;
    const float sx = (static_cast<float>(papersize_MM_Width) / inch_to_mm) / a;
    const float b = static_cast<float>(d->outer_height) / ppi;
    const float sy = (static_cast<float>(papersize_MM_Height) / inch_to_mm) / b;
    int margins[4]; // left, right, top, bottom
    const float inches[4] = {pmi.Left, pmi.Right, pmi.Top, pmi.Bottom};
    for (int k = 0; k < 4; ++k) {
        const double px = std::nearbyint(static_cast<double>(ppi * inches[k] / (k < 2 ? sx : sy)));
        // A margin that is no number, or beyond any sheet, places nothing.
        if (!std::isfinite(px) || std::fabs(px) > 1e7)
            return;
        margins[k] = static_cast<int>(px);
    }
    const int left = margins[0], top = margins[2];
    // A sheet smaller than its margins leaves a panel of no size, never a
    // negative one.
    const int w = std::max(0, d->outer_width - left - margins[1]);
    const int h = std::max(0, d->outer_height - top - margins[3]);
    setGeometry(left, top, w, h);
    RecomputeAllMidpoints();
    AnnounceMargins();
    update();
}

void TNotepadGrabPanel::ShowMargins()
{
    const TRect bounds = Rect(x(), y(), x() + width(), y() + height());
    AnnounceMargins();
    QPointer<TNotepadGrabPanel> self(this);
    if (OnStateMargins)
        OnStateMargins(this, bounds);
    if (self)
        Q_EMIT stateMargins(bounds.ToQRect());
}

TRect TNotepadGrabPanel::MarginsInPixels() const
{
    return Rect(x(), y(), d->outer_width - (x() + width()), d->outer_height - (y() + height()));
}

void TNotepadGrabPanel::AnnounceMargins()
{
    if (!d->fParentControl)
        return;
    const TRect m = MarginsInPixels();
    // A change of the description is announced to assistive technology.
    setAccessibleDescription(tr("Margins in pixels: left %1, top %2, right %3, bottom %4")
                                 .arg(m.Left)
                                 .arg(m.Top)
                                 .arg(m.Right)
                                 .arg(m.Bottom));
}

void TNotepadGrabPanel::SetGestureCursor(TGestureCursor cursor)
{
    d->fCursor = cursor;
    switch (cursor) {
    case crSizeWE: setCursor(Qt::SizeHorCursor); break;
    case crSizeNS: setCursor(Qt::SizeVerCursor); break;
    case crDefault: unsetCursor(); break;
    }
}

void TNotepadGrabPanel::DragHandle(int where, int dx, int dy)
{
    const std::int64_t L = x(), T = y(), W = width(), H = height();
    const std::int64_t twoThirdsW = (d->outer_width / 3) * 2, twoThirdsH = (d->outer_height / 3) * 2;
    std::int64_t left = L, top = T, w = W, h = H;
    switch (where) {
    case t_left: {
        const std::int64_t right = L + W;
        left = std::min(twoThirdsW, std::max<std::int64_t>(2, L + dx));
        w = right - left;
        break;
    }
    case t_top: {
        const std::int64_t bottom = T + H;
        top = std::min(twoThirdsH, std::max<std::int64_t>(2, T + dy));
        h = bottom - top;
        break;
    }
    case t_right: w = std::max(twoThirdsW, std::min<std::int64_t>(d->outer_width, L + W + dx)) - L; break;
    case t_bottom: h = std::max(twoThirdsH, std::min<std::int64_t>(d->outer_height, T + H + dy)) - T; break;
    default: return;
    }
    // A drag never turns the panel inside out.
    setGeometry(Clamp(left), Clamp(top), Clamp(std::max<std::int64_t>(0, w)), Clamp(std::max<std::int64_t>(0, h)));
    ShowMargins();
}

void TNotepadGrabPanel::ControlMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Button != Qt::LeftButton || !Sender || !Sender->isWidgetType())
        return;
    d->altering = true;
    // The press grabs the mouse for this widget until the release (Qt's
    // implicit grab): the drag goes on outside the panel too.
    d->oldPos = d->fCursorPos;
}

void TNotepadGrabPanel::ControlMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y)
{
    if (!d->altering)
        return;
    const TPoint P = d->fCursorPos;
    if (d->fCursor == crSizeWE || d->fCursor == crSizeNS) {
        const int dx = Clamp(std::int64_t{P.X} - d->oldPos.X), dy = Clamp(std::int64_t{P.Y} - d->oldPos.Y);
        DragHandle(d->grabbed_midpoint, dx, dy);
        d->oldPos = P;
        return;
    }
    for (int w = t_left; w <= t_bottom; ++w) {
        const TRect& r = d->midpoints[w];
        if (r.Left <= X && X <= r.Right && r.Top <= Y && Y <= r.Bottom) {
            d->grabbed_midpoint = w;
            SetGestureCursor(w == t_left || w == t_right ? crSizeWE : crSizeNS);
            return; // the first step of the drag counts from the press
        }
        d->grabbed_midpoint = kNoHandle;
        SetGestureCursor(crDefault);
    }
    d->oldPos = P;
}

void TNotepadGrabPanel::ControlMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    if (!d->altering)
        return;
    SetGestureCursor(crDefault);
    RecomputeAllMidpoints();
    update();
    d->altering = false;
}

void TNotepadGrabPanel::mousePressEvent(QMouseEvent* event)
{
    AtQtBoundary("TNotepadGrabPanel::mousePressEvent", [&] {
        d->fCursorPos = ScreenPos(event);
        if (OnMouseDown) {
            const QPoint p = event->position().toPoint();
            OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
        }
        event->accept();
    });
}

void TNotepadGrabPanel::mouseMoveEvent(QMouseEvent* event)
{
    AtQtBoundary("TNotepadGrabPanel::mouseMoveEvent", [&] {
        d->fCursorPos = ScreenPos(event);
        if (OnMouseMove) {
            const QPoint p = event->position().toPoint();
            OnMouseMove(this, event->modifiers(), p.x(), p.y());
        }
    });
}

void TNotepadGrabPanel::mouseReleaseEvent(QMouseEvent* event)
{
    AtQtBoundary("TNotepadGrabPanel::mouseReleaseEvent", [&] {
        d->fCursorPos = ScreenPos(event);
        if (OnMouseUp) {
            const QPoint p = event->position().toPoint();
            OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
        }
    });
}

void TNotepadGrabPanel::keyPressEvent(QKeyEvent* event)
{
    AtQtBoundary("TNotepadGrabPanel::keyPressEvent", [&] {
        const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
        const bool horizontal = d->fFocusedHandle == t_left || d->fFocusedHandle == t_right;
        int dx = 0, dy = 0;
        switch (event->key()) {
        case Qt::Key_Left: dx = -step; break;
        case Qt::Key_Right: dx = step; break;
        case Qt::Key_Up: dy = -step; break;
        case Qt::Key_Down: dy = step; break;
        default: TPanel::keyPressEvent(event); return;
        }
        // A handle moves along its own axis only.
        if ((horizontal && dx == 0) || (!horizontal && dy == 0) || !d->fParentControl) {
            event->ignore();
            return;
        }
        DragHandle(d->fFocusedHandle, dx, dy);
        RecomputeAllMidpoints();
        update();
        event->accept();
    });
}

bool TNotepadGrabPanel::focusNextPrevChild(bool next)
{
    // Tab walks the four handles before it leaves the panel (the panel has
    // no children: it is asked only for its own Tab key).
    const int to = d->fFocusedHandle + (next ? 1 : -1);
    if (to >= t_left && to <= t_bottom) {
        d->fFocusedHandle = to;
        update();
        return true;
    }
    return TPanel::focusNextPrevChild(next);
}

void TNotepadGrabPanel::focusInEvent(QFocusEvent* event)
{
    AtQtBoundary("TNotepadGrabPanel::focusInEvent", [&] {
        if (event->reason() == Qt::TabFocusReason)
            d->fFocusedHandle = t_left;
        else if (event->reason() == Qt::BacktabFocusReason)
            d->fFocusedHandle = t_bottom;
        TPanel::focusInEvent(event);
        update();
    });
}

void TNotepadGrabPanel::paintEvent(QPaintEvent*)
{
    AtQtBoundary("TNotepadGrabPanel::paintEvent", [&] {
        QPainter painter(this);
        TCanvas canvas(this);
        canvas.Attach(&painter);
        canvas.Font = TFont(font(), GetABaseTMSTextColour(Global_TMSStyle));
        TRect R = Rect(0, 0, width(), height());
        const TRect frame = R;
        canvas.Brush.Color = GetABaseTMSBackgroundColour(Global_TMSStyle);
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(R);
        const int h = canvas.TextHeight(QStringLiteral("x"));
        R = ShrinkRect(R, 3);
        // The largest count up to 100 whose dots fit strictly inside R, or 2:
        // the width grows with the count, so a binary search finds it.
        const QString hundred(100, QLatin1Char('.'));
        const auto fits = [&](int count) { return canvas.TextWidth(hundred.left(count)) < R.Width(); };
        int n = 2;
        if (fits(100)) {
            n = 100;
        } else {
            int lo = 2, hi = 100; // fits(hi) is false
            while (hi - lo > 1) {
                const int mid = (lo + hi) / 2;
                (fits(mid) ? lo : hi) = mid;
            }
            n = lo;
        }
        const QString dots = hundred.left(n);
        for (int i = 0; i <= 100 && h > 0 && R.Top + i * h < R.Bottom - 3; ++i)
            canvas.TextOut(R.Left, R.Top + i * h, dots);
        canvas.Pen.Color = d->fMonochrome ? clBlack : d->fHandleColour;
        canvas.Brush.Style = bsClear;
        for (int w = t_left; w <= t_bottom; ++w)
            canvas.Rectangle(d->midpoints[w]);
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = d->fMonochrome ? TColor(0x808080) : GetABaseTMSTextColour_SEARCHWORD(Global_TMSStyle);
        canvas.FrameRect(frame);
        // The handle that the arrow keys move, while the panel has the focus.
        if (hasFocus() && !d->midpoints[d->fFocusedHandle].IsEmpty()) {
            canvas.Brush.Color = d->fMonochrome ? clBlack : d->fHandleColour;
            canvas.FillRect(ShrinkRect(d->midpoints[d->fFocusedHandle], 1));
        }
        canvas.Detach();
    });
}

TColor TNotepadGrabPanel::HandleColour() const { return d->fHandleColour; }

bool TNotepadGrabPanel::Monochrome() const { return d->fMonochrome; }

QWidget* TNotepadGrabPanel::ParentControl() const { return d->fParentControl; }

TRect TNotepadGrabPanel::Midpoint(TWhere w) const { return d->midpoints[w]; }

int TNotepadGrabPanel::GrabbedMidpoint() const { return d->grabbed_midpoint; }

bool TNotepadGrabPanel::Altering() const { return d->altering; }

TNotepadGrabPanel::TGestureCursor TNotepadGrabPanel::GestureCursor() const { return d->fCursor; }

int TNotepadGrabPanel::XWidth() const { return d->x_width; }

int TNotepadGrabPanel::OuterWidth() const { return d->outer_width; }

int TNotepadGrabPanel::OuterHeight() const { return d->outer_height; }

int TNotepadGrabPanel::FocusedHandle() const { return d->fFocusedHandle; }

} // namespace qz8
