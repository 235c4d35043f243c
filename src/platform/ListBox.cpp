#include "platform/ListBox.h"
#include "platform/ListBoxAccessible.h"
#include "platform/QtBoundary_p.h"
#include "platform/SizeRelevant.h"

#include <QApplication>
#include <QDateTime>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace qz8 {

namespace {
// The density table's row and the window's collected class of this module:
// list and check list boxes.
[[maybe_unused]] const bool registered = [] {
    RegisterDensityRow(TDensityRow::CustomListBox, &TCustomListBox::staticMetaObject);
    RegisterCollectedClass(2, &TCustomListBox::staticMetaObject);
    return true;
}();
} // namespace

void TListBoxStrings::DoChange()
{
    TStringList::DoChange();
    fOwner->ItemsChanged();
}

TCustomListBox::TCustomListBox(QWidget* parent) : QAbstractScrollArea(parent), fItems(this), fCanvas(viewport())
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // The row that becomes current is announced to assistive technology.
    connect(this, &TCustomListBox::itemIndexChanged, this, [this] { AnnounceListBoxRow(this); });
}

TCustomListBox::~TCustomListBox() = default;

int TCustomListBox::Count() const { return IsVirtual() ? fCount : fItems.Count(); }

void TCustomListBox::SetCount(int count)
{
    // Kept in every style: the virtual styles use it, also when they come
    // after it (as a form file may set them).
    fCount = std::max(0, count);
    if (IsVirtual())
        RowsChanged(true);
}

void TCustomListBox::RowsChanged(bool byProperty)
{
    const int n = Count();
    // Selection beyond the end goes; nothing is stored per row.
    fSelected.EraseFrom(n);
    if (fItemIndex >= n) {
        if (byProperty)
            fPendingItemIndex = fItemIndex;
        fItemIndex = -1;
        Q_EMIT itemIndexChanged(-1);
    }
    if (fAnchor >= n)
        fAnchor = -1;
    // Rows added: the range follows once per turn. Rows gone from under the
    // top row: at once, so TopIndex is never past the end.
    if (fTopIndex > std::max(0, n - VisibleRowCount()))
        UpdateScrollBar();
    else
        ScrollRangeChanged();
    // The top row asked for wins over the scrolling that shows the current.
    const int top = fPendingTopIndex;
    if (fPendingItemIndex >= 0 && fPendingItemIndex < n)
        SetItemIndex(fPendingItemIndex);
    if (top >= 0 && top < n)
        SetTopIndex(top);
    else
        fPendingTopIndex = top;
    viewport()->update();
}

void TCustomListBox::SetItemIndex(int index)
{
    // A row the list does not have yet is taken when it comes.
    fPendingItemIndex = index >= Count() ? index : -1;
    if (index < -1 || index >= Count())
        index = -1;
    if (!fMultiSelect) {
        fSelected.Clear();
        if (index >= 0)
            fSelected.Insert(index);
    }
    const bool changed = index != fItemIndex;
    fItemIndex = index;
    fAnchor = index;
    if (index >= 0)
        EnsureVisible(index);
    viewport()->update();
    if (changed)
        Q_EMIT itemIndexChanged(index);
}

void TCustomListBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    fItemHeight = height;
    UpdateScrollBar();
    viewport()->update();
}

void TCustomListBox::SetTopIndex(int index)
{
    FlushScrollRange(); // the range the position is clamped to
    fPendingTopIndex = index >= Count() ? index : -1;
    verticalScrollBar()->setValue(std::clamp(index, 0, std::max(0, Count() - 1)));
}

void TCustomListBox::SetMultiSelect(bool on)
{
    fMultiSelect = on;
    fSelected.Clear();
    if (!on && fItemIndex >= 0)
        fSelected.Insert(fItemIndex);
    viewport()->update();
}

void TCustomListBox::SetColor(TColor color)
{
    fColor = color;
    viewport()->update();
}

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    fStyle = style;
    RowsChanged(true);
}

bool TCustomListBox::Selected(int index) const { return fSelected.Contains(index); }

void TCustomListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= Count())
        return;
    if (!fMultiSelect) {
        SetItemIndex(selected ? index : (index == fItemIndex ? -1 : fItemIndex));
        return;
    }
    if (selected)
        fSelected.Insert(index);
    else
        fSelected.Erase(index);
    viewport()->update();
}

int TCustomListBox::SelCount() const
{
    return fMultiSelect ? static_cast<int>(std::min<qint64>(fSelected.Count(), std::numeric_limits<int>::max())) : -1;
}

void TCustomListBox::ClearSelection()
{
    const bool had = fSelected.Count() > 0;
    fSelected.Clear();
    if (!fMultiSelect)
        SetItemIndex(-1);
    viewport()->update();
    if (had && fMultiSelect)
        Q_EMIT selectionChanged();
}

void TCustomListBox::SelectAll()
{
    const int n = Count();
    if (!fMultiSelect || n == 0 || fSelected.Count() == n)
        return;
    fSelected.Clear();
    fSelected.Insert(0, n - 1);
    viewport()->update();
    AnnounceListBoxSelection(this);
    Q_EMIT selectionChanged();
}

void TCustomListBox::Clear()
{
    if (IsVirtual())
        SetCount(0);
    else
        fItems.Clear();
}

int TCustomListBox::RowHeight(int index) const
{
    int h = fItemHeight;
    if (fStyle == lbOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(const_cast<TCustomListBox*>(this), index, h);
    return std::max(1, h);
}

int TCustomListBox::VisibleRowCount() const { return std::max(1, viewport()->height() / std::max(1, fItemHeight)); }

TRect TCustomListBox::ItemRect(int index) const
{
    if (index < fTopIndex || index >= Count())
        return {};
    int y = 0;
    const int bottom = viewport()->height();
    for (int i = fTopIndex; i < index; ++i) {
        y += RowHeight(i);
        if (y >= bottom)
            return {};
    }
    return {0, y, viewport()->width(), y + RowHeight(index)};
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const
{
    if (pos.X < 0 || pos.X >= viewport()->width() || pos.Y < 0)
        return existing ? -1 : Count();
    const int n = Count();
    int y = 0;
    for (int i = fTopIndex; i < n; ++i) {
        const int h = RowHeight(i);
        if (pos.Y < y + h)
            return i;
        y += h;
        if (y > viewport()->height())
            break;
    }
    return existing ? -1 : n;
}

QString TCustomListBox::ItemText(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    if (IsVirtual()) {
        QString text;
        if (OnData)
            OnData(const_cast<TCustomListBox*>(this), index, text);
        return text;
    }
    return fItems.Get(index);
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (IsOwnerDraw() && OnDrawItem)
        OnDrawItem(this, Index, Rect, State);
    else
        DrawStandardItem(Index, Rect, State);
}

void TCustomListBox::DrawStandardItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    const bool sel = State & odSelected;
    fCanvas.Brush.Color = sel ? clHighlight : fColor;
    fCanvas.Brush.Style = bsSolid;
    fCanvas.Font.Color = sel ? clHighlightText : clWindowText;
    fCanvas.FillRect(Rect);
    const QString text = ItemText(Index);
    fCanvas.TextOut(Rect.Left + 2, Rect.Top + (Rect.Height() - fCanvas.TextHeight(text)) / 2, text);
}

void TWindowCreation::Before(const QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        created = false; // the window is made anew when shown again
}

bool TWindowCreation::After(const QEvent* event)
{
    if (event->type() != QEvent::Show || created)
        return false;
    created = true;
    return true;
}

bool TCustomListBox::event(QEvent* event)
{
    fWindow.Before(event);
    const bool result = QAbstractScrollArea::event(event);
    if (fWindow.After(event))
        AtQtBoundary("TCustomListBox::CreateWnd", [&] { CreateWnd(); });
    return result;
}

void TCustomListBox::paintEvent(QPaintEvent*)
{
    FlushScrollRange();
    QPainter painter(viewport());
    fCanvas.Attach(&painter);
    fCanvas.SetPalette(palette());
    fCanvas.Font = TFont(font(), clWindowText);
    const int w = viewport()->width();
    const int h = viewport()->height();
    painter.fillRect(QRect(0, 0, w, h), fCanvas.Resolve(fColor));
    const int n = Count();
    int y = 0;
    for (int i = fTopIndex; i < n && y < h; ++i) {
        const int rh = RowHeight(i);
        TOwnerDrawState state = 0;
        if (Selected(i))
            state |= odSelected;
        if (i == fItemIndex && hasFocus())
            state |= odFocused;
        if (!isEnabled())
            state |= odDisabled;
        // Each row starts from the list's font and a solid brush.
        fCanvas.Brush = TBrush{fColor, bsSolid};
        fCanvas.Pen = TPen{};
        fCanvas.Font = TFont(font(), clWindowText);
        // A row whose drawing raises (a tool's handler, a text it cannot
        // give) stays empty; the other rows are drawn.
        const TRect rect{0, y, w, y + rh};
        if (!AtQtBoundary("TCustomListBox::DrawItem", [&] { DrawItem(i, rect, state); }))
            painter.fillRect(rect.ToQRect(), fCanvas.Resolve(fColor));
        y += rh;
    }
    fCanvas.Detach();
}

void TCustomListBox::ScrollRangeChanged()
{
    fScrollRangeDirty = true;
    if (fScrollRangeQueued)
        return;
    fScrollRangeQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            fScrollRangeQueued = false;
            FlushScrollRange();
        },
        Qt::QueuedConnection);
}

void TCustomListBox::FlushScrollRange()
{
    if (fScrollRangeDirty)
        UpdateScrollBar();
}

void TCustomListBox::UpdateScrollBar()
{
    fScrollRangeDirty = false;
    const int n = Count();
    const int visible = VisibleRowCount();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(visible);
    bar->setRange(0, std::max(0, n - visible));
    fTopIndex = bar->value();
}

void TCustomListBox::scrollContentsBy(int, int)
{
    fTopIndex = verticalScrollBar()->value();
    viewport()->update();
}

void TCustomListBox::resizeEvent(QResizeEvent* event)
{
    AtQtBoundary("TCustomListBox::resizeEvent", [&] {
        QAbstractScrollArea::resizeEvent(event);
        UpdateScrollBar();
    });
}

QSize TCustomListBox::sizeHint() const
{
    // Eight rows, in 64 bits: a huge item height must not overflow.
    const qint64 h = qint64{fItemHeight} * 8 + 2 * qint64{frameWidth()};
    return QSize(160, static_cast<int>(std::clamp<qint64>(h, 0, QWIDGETSIZE_MAX)));
}

void TCustomListBox::EnsureVisible(int index)
{
    const int visible = VisibleRowCount();
    if (index < fTopIndex)
        SetTopIndex(index);
    else if (index >= fTopIndex + visible)
        SetTopIndex(index - visible + 1);
}

void TCustomListBox::Click()
{
    if (OnClick)
        OnClick(this);
}

void TCustomListBox::RowPressed(int index, const QPoint&, Qt::KeyboardModifiers mods)
{
    // A handler of itemIndexChanged may free the list.
    QPointer<TCustomListBox> self(this);
    MoveTo(index, mods);
    if (self)
        Click();
}

void TCustomListBox::MoveTo(int index, Qt::KeyboardModifiers mods)
{
    fPendingItemIndex = -1; // the user's choice wins
    const int n = Count();
    if (n == 0)
        return;
    index = std::clamp(index, 0, n - 1);
    if (!fMultiSelect) {
        SetItemIndex(index);
        return;
    }
    const int anchor = fAnchor;
    if (fExtendedSelect && (mods & Qt::ShiftModifier) && anchor >= 0) {
        if (!(mods & Qt::ControlModifier))
            fSelected.Clear();
        fSelected.Insert(anchor, index);
    } else if (fExtendedSelect && (mods & Qt::ControlModifier)) {
        fSelected.Toggle(index);
    } else if (fExtendedSelect) {
        fSelected.Clear();
        fSelected.Insert(index);
    } else {
        // Simple multi-selection: a click toggles the row.
        fSelected.Toggle(index);
    }
    const bool changed = fItemIndex != index;
    fItemIndex = index;
    if (!(mods & Qt::ShiftModifier))
        fAnchor = index;
    EnsureVisible(index);
    viewport()->update();
    if (changed)
        Q_EMIT itemIndexChanged(index);
}

void TCustomListBox::mousePressEvent(QMouseEvent* event)
{
    AtQtBoundary("TCustomListBox::mousePressEvent", [&] {
        setFocus(Qt::MouseFocusReason);
        if (event->button() != Qt::LeftButton)
            return;
        const QPoint pos = event->position().toPoint();
        const int index = ItemAtPos({pos.x(), pos.y()}, true);
        if (index >= 0)
            RowPressed(index, pos, event->modifiers());
    });
}

void TCustomListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TCustomListBox::SpacePressed()
{
    if (fMultiSelect && fItemIndex >= 0) {
        fSelected.Toggle(fItemIndex);
        viewport()->update();
    }
}

void TCustomListBox::keyPressEvent(QKeyEvent* event)
{
    AtQtBoundary("TCustomListBox::keyPressEvent", [&] {
        const int n = Count();
        const int page = VisibleRowCount();
        const Qt::KeyboardModifiers mods = event->modifiers();
        // With Ctrl held the focus moves without changing the selection.
        auto go = [&](int index) {
            if (fMultiSelect && (mods & Qt::ControlModifier) && !(mods & Qt::ShiftModifier)) {
                fItemIndex = std::clamp(index, 0, std::max(0, n - 1));
                EnsureVisible(fItemIndex);
                viewport()->update();
            } else {
                QPointer<TCustomListBox> self(this);
                MoveTo(index, mods);
                if (!self)
                    return; // freed by a handler of itemIndexChanged
            }
            Click();
        };
        // Ctrl+A (the platform's select-all keys) on a multi-select list.
        if (fMultiSelect && event->matches(QKeySequence::SelectAll)) {
            SelectAll();
            event->accept();
            return;
        }
        switch (event->key()) {
        case Qt::Key_Up: go(fItemIndex < 0 ? 0 : fItemIndex - 1); break;
        case Qt::Key_Down: go(fItemIndex + 1); break;
        case Qt::Key_PageUp: go(std::max(0, fItemIndex - page + 1)); break;
        case Qt::Key_PageDown: go(fItemIndex < 0 ? page - 1 : fItemIndex + page - 1); break;
        case Qt::Key_Home: go(0); break;
        case Qt::Key_End: go(n - 1); break;
        case Qt::Key_Space:
            if (!fTyped.isEmpty() &&
                QDateTime::currentMSecsSinceEpoch() - fTypedAt < QApplication::keyboardInputInterval()) {
                KeyboardSearch(event->text()); // a space inside a typed word
                break;
            }
            SpacePressed();
            break;
        default: {
            const QString text = event->text();
            if (!text.isEmpty() && text.at(0).isPrint() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
                QPointer<TCustomListBox> self(this);
                if (KeyboardSearch(text) >= 0 && self)
                    Click();
                break;
            }
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        }
        event->accept();
    });
}

int TCustomListBox::KeyboardSearch(const QString& typed)
{
    const int n = Count();
    if (n == 0 || typed.isEmpty())
        return -1;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool goOn = fTypedAt >= 0 && now - fTypedAt < QApplication::keyboardInputInterval();
    fTypedAt = now;
    fTyped = goOn ? fTyped + typed : typed;
    // The same letter typed again walks the rows that start with it; a
    // longer text keeps the current row when it still matches.
    const bool sameLetter = fTyped.size() > 1 && fTyped.count(fTyped.at(0)) == fTyped.size();
    const QString search = sameLetter ? QString(fTyped.at(0)) : fTyped;
    int start = fItemIndex < 0 ? 0 : fItemIndex;
    if (fTyped.size() == 1 || sameLetter)
        start = fItemIndex < 0 ? 0 : fItemIndex + 1;
    for (int k = 0; k < n; ++k) {
        const int row = static_cast<int>((qint64{start} + k) % n);
        if (RowStartsWith(row, search)) {
            MoveTo(row, Qt::NoModifier);
            return row;
        }
    }
    return -1;
}

bool TCustomListBox::RowIsShortened(int index, const TRect& rect)
{
    return Canvas().TextWidth(RowText(index)) > rect.Width();
}

bool TCustomListBox::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        AtQtBoundary("TCustomListBox::viewportEvent", [&] {
            const int row = ItemAtPos({help->pos().x(), help->pos().y()}, true);
            fCanvas.Font = TFont(font(), clWindowText);
            if (row >= 0 && RowIsShortened(row, ItemRect(row)))
                QToolTip::showText(help->globalPos(), RowText(row), viewport(), ItemRect(row).ToQRect());
            else
                QToolTip::hideText();
        });
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TCustomListBox::changeEvent(QEvent* event)
{
    // Shaped texts belong to a font and a style: drop them with those.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange)
        fCanvas.ClearTextCache();
    QAbstractScrollArea::changeEvent(event);
}

void TCustomListBox::wheelEvent(QWheelEvent* event)
{
    AtQtBoundary("TCustomListBox::wheelEvent", [&] {
        const int steps = event->angleDelta().y() / 40;
        SetTopIndex(fTopIndex - steps);
        event->accept();
    });
}

void TCustomListBox::focusInEvent(QFocusEvent* event)
{
    AtQtBoundary("TCustomListBox::focusInEvent", [&] {
        QAbstractScrollArea::focusInEvent(event);
        AnnounceListBoxRow(this);
        viewport()->update();
    });
}

void TCustomListBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

TCheckListBox::TCheckListBox(QWidget* parent) : TCustomListBox(parent) { }

bool TCheckListBox::Checked(int index) const { return index >= 0 && index < fItems.Count() && fItems.Mark(index); }

void TCheckListBox::SetChecked(int index, bool checked)
{
    if (index < 0 || index >= fItems.Count())
        return;
    fItems.SetMark(index, checked);
    viewport()->update();
}

int TCheckListBox::BoxSize() const { return std::max(8, std::min(ItemHeight() - 2, 13)); }

void TCheckListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    // The box column keeps the list's colour; the rest is the row.
    const int box = BoxSize();
    const int column = box + 4;
    TCanvas& c = Canvas();
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect({Rect.Left, Rect.Top, Rect.Left + column, Rect.Bottom});
    const TRect boxRect = Bounds(Rect.Left + 2, Rect.Top + (Rect.Height() - box) / 2, box, box);
    c.Pen = TPen{clWindowText, 1, psSolid};
    c.Brush = TBrush{clWindow, bsSolid};
    c.Rectangle(boxRect);
    if (Checked(Index)) {
        c.Brush.Color = clWindowText;
        TRect mark = boxRect;
        InflateRect(mark, -3, -3);
        c.FillRect(mark);
    }
    c.Brush = TBrush{Color(), bsSolid};
    c.Font.Color = clWindowText;
    TCustomListBox::DrawItem(Index, {Rect.Left + column, Rect.Top, Rect.Right, Rect.Bottom},
                             State | (Checked(Index) ? odChecked : 0u));
}

void TCheckListBox::RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods)
{
    QPointer<TCheckListBox> self(this);
    if (pos.x() < BoxSize() + 4) {
        SetChecked(index, !Checked(index));
        if (OnClickCheck)
            OnClickCheck(this);
    }
    if (self) // a handler may have freed the list
        TCustomListBox::RowPressed(index, pos, mods);
}

void TCheckListBox::SpacePressed()
{
    if (ItemIndex() >= 0) {
        SetChecked(ItemIndex(), !Checked(ItemIndex()));
        if (OnClickCheck)
            OnClickCheck(this);
    }
}

void TCustomListBox::TakeImageItemHeight(const TDensityStep& step)
{
    SetItemHeight(step.ItemHeight());
    setFont(QFont()); // ParentFont
}

} // namespace qz8
