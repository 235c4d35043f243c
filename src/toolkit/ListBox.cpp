// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/ListBox.h"
#include "toolkit/ListBoxAnnouncements_p.h"
#include "toolkit/QtBoundary_p.h"
#include "toolkit/RowSelection_p.h"
#include "toolkit/SizeRelevant.h"
#include "toolkit/StyleContrast_p.h"

#include <QApplication>
#include <QDateTime>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <limits>
#include <vector>

namespace qz8 {

TListBoxAnnouncements& ListBoxAnnouncements()
{
    static TListBoxAnnouncements announcements;
    return announcements;
}

namespace {
void AnnounceRow(TCustomListBox* list, int previousRow, bool previousWasSelected, bool rowWasSelected)
{
    if (const auto f = ListBoxAnnouncements().row)
        f(list, previousRow, previousWasSelected, rowWasSelected);
}
void AnnounceRowSelection(TCustomListBox* list, int row)
{
    if (const auto f = ListBoxAnnouncements().rowSelection)
        f(list, row);
}
void AnnounceSelection(TCustomListBox* list)
{
    if (const auto f = ListBoxAnnouncements().selection)
        f(list);
}
} // namespace

namespace {
// The density table's row and the window's collected class of this module:
// list and check list boxes.
[[maybe_unused]] const bool registered = [] {
    RegisterDensityRow(TDensityRow::CustomListBox, &TCustomListBox::staticMetaObject);
    RegisterCollectedClass(2, &TCustomListBox::staticMetaObject);
    return true;
}();
} // namespace

// The list box's own state, kept out of its public header.
class TCustomListBoxPrivate {
public:
    TCustomListBoxPrivate(TCustomListBox* list, QWidget* viewport) : fItems(list), fCanvas(viewport) { }
    TListBoxStrings fItems; // the strings of the rows (Items())
    TCanvas fCanvas;
    QString fTyped; // the type-ahead text
    qint64 fTypedAt = -1; // when it was last typed (ms since epoch)
    int fCount = 0;
    int fNotifiedCount = 0; // the row count last announced
    int fItemIndex = -1;
    int fPendingItemIndex = -1; // asked for, not there yet
    int fPendingTopIndex = -1; // asked for, not there yet
    bool fScrollRangeDirty = false;
    bool fScrollRangeQueued = false;
    int fAnchor = -1;
    int fAnnouncedRow = -1; // the current row assistive technology was told of
    bool fEnsureVisibleAtShow = false; // the current row was moved while hidden
    // The selection of the row left and of the row reached before a move
    // (what a move announces as changed); as a single selection's move
    // unless the move says otherwise.
    struct {
        bool previousWasSelected = true;
        bool rowWasSelected = false;
    } fBefore;
    int fItemHeight = 16;
    // Whether a tool set the row height (SetItemHeight): then it is kept;
    // else rows are at least as high as the font's line (fFontLine).
    bool fItemHeightSet = false;
    int fFontLine = 0;
    int fTopIndex = 0;
    bool fMultiSelect = false;
    bool fExtendedSelect = true;
    TColor fColor = clWindow;
    TCustomListBox::TListBoxStyle fStyle = TCustomListBox::lbStandard;
    TWindowCreation fWindow;
    TRowSelection fSelected;
};

void TListBoxStrings::DoChange()
{
    TStringList::DoChange();
    fOwner->ItemsChanged();
}

TCustomListBox::TCustomListBox(QWidget* parent)
    : QAbstractScrollArea(parent), d(std::make_unique<TCustomListBoxPrivate>(this, viewport()))
{
    setFocusPolicy(Qt::StrongFocus);
    d->fFontLine = fontMetrics().height();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // The row that becomes current is announced to assistive technology.
    connect(this, &TCustomListBox::itemIndexChanged, this, [this](int row) {
        AnnounceRow(this, d->fAnnouncedRow, d->fBefore.previousWasSelected, d->fBefore.rowWasSelected);
        d->fAnnouncedRow = row;
        d->fBefore = {};
    });
}

TCustomListBox::~TCustomListBox() = default;

int TCustomListBox::ItemIndex() const { return d->fItemIndex; }

int TCustomListBox::ItemHeight() const
{
    return d->fItemHeightSet ? d->fItemHeight : std::max(d->fItemHeight, d->fFontLine);
}

bool TCustomListBox::ItemHeightSet() const { return d->fItemHeightSet; }

int TCustomListBox::TopIndex() const { return d->fTopIndex; }

bool TCustomListBox::MultiSelect() const { return d->fMultiSelect; }

bool TCustomListBox::ExtendedSelect() const { return d->fExtendedSelect; }

void TCustomListBox::SetExtendedSelect(bool on) { d->fExtendedSelect = on; }

TColor TCustomListBox::Color() const { return d->fColor; }

TCustomListBox::TListBoxStyle TCustomListBox::Style() const { return d->fStyle; }

bool TCustomListBox::IsVirtual() const { return d->fStyle == lbVirtual || d->fStyle == lbVirtualOwnerDraw; }

bool TCustomListBox::IsOwnerDraw() const { return d->fStyle != lbStandard && d->fStyle != lbVirtual; }

TCanvas& TCustomListBox::Canvas() { return d->fCanvas; }

TStrings& TCustomListBox::Items() { return d->fItems; }
const TStrings& TCustomListBox::Items() const { return d->fItems; }
TListBoxStrings& TCustomListBox::ItemStrings() { return d->fItems; }
const TListBoxStrings& TCustomListBox::ItemStrings() const { return d->fItems; }

int TCustomListBox::Count() const { return IsVirtual() ? d->fCount : d->fItems.Count(); }

void TCustomListBox::SetCount(int count)
{
    // Kept in every style: the virtual styles use it, also when they come
    // after it (as a form file may set them).
    d->fCount = std::max(0, count);
    if (IsVirtual())
        RowsChanged(true);
}

void TCustomListBox::RowsChanged(bool byProperty)
{
    const int n = Count();
    // Selection beyond the end goes; nothing is stored per row.
    d->fSelected.EraseFrom(n);
    if (d->fItemIndex >= n) {
        if (byProperty)
            d->fPendingItemIndex = d->fItemIndex;
        d->fItemIndex = -1;
        Q_EMIT itemIndexChanged(-1);
    }
    if (d->fAnchor >= n)
        d->fAnchor = -1;
    // Rows added: the range follows once per turn. Rows gone from under the
    // top row: at once, so TopIndex is never past the end.
    if (d->fTopIndex > std::max(0, n - VisibleRowCount()))
        UpdateScrollBar();
    else
        ScrollRangeChanged();
    // The top row asked for wins over the scrolling that shows the current.
    const int top = d->fPendingTopIndex;
    if (d->fPendingItemIndex >= 0 && d->fPendingItemIndex < n)
        SetItemIndex(d->fPendingItemIndex);
    if (top >= 0 && top < n)
        SetTopIndex(top);
    else
        d->fPendingTopIndex = top;
    viewport()->update();
    if (n != d->fNotifiedCount) {
        d->fNotifiedCount = n;
        Q_EMIT countChanged(n); // last: a receiver may delete the list
    }
}

void TCustomListBox::SetItemIndex(int index)
{
    // A row the list does not have yet is taken when it comes.
    d->fPendingItemIndex = index >= Count() ? index : -1;
    if (index < -1 || index >= Count())
        index = -1;
    const bool changed = index != d->fItemIndex;
    if (changed) // what the index change announces as changed
        d->fBefore = {d->fItemIndex >= 0 && d->fSelected.Contains(d->fItemIndex),
                      index >= 0 && d->fSelected.Contains(index)};
    if (!d->fMultiSelect) {
        d->fSelected.Clear();
        if (index >= 0)
            d->fSelected.Insert(index);
    }
    d->fItemIndex = index;
    d->fAnchor = index;
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
    d->fItemHeightSet = true;
    d->fItemHeight = height;
    UpdateScrollBar();
    viewport()->update();
}

void TCustomListBox::SetNaturalItemHeight(int height)
{
    if (height <= 0)
        return;
    d->fItemHeightSet = false;
    d->fItemHeight = height;
    UpdateScrollBar();
    viewport()->update();
}

void TCustomListBox::SetTopIndex(int index)
{
    d->fEnsureVisibleAtShow = false; // a top row asked for wins over the current row's
    FlushScrollRange(); // the range the position is clamped to
    d->fPendingTopIndex = index >= Count() ? index : -1;
    verticalScrollBar()->setValue(std::clamp(index, 0, std::max(0, Count() - 1)));
}

void TCustomListBox::SetMultiSelect(bool on)
{
    d->fMultiSelect = on;
    d->fSelected.Clear();
    if (!on && d->fItemIndex >= 0)
        d->fSelected.Insert(d->fItemIndex);
    viewport()->update();
}

void TCustomListBox::SetColor(TColor color)
{
    d->fColor = color;
    viewport()->update();
}

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    d->fStyle = style;
    RowsChanged(true);
}

bool TCustomListBox::Selected(int index) const { return d->fSelected.Contains(index); }

int TCustomListBox::NextSelected(int from) const
{
    from = std::max(0, from);
    const std::map<int, int>& ranges = d->fSelected.Ranges();
    auto it = ranges.upper_bound(from); // the first range starting after from
    if (it != ranges.begin() && std::prev(it)->second >= from)
        return from < Count() ? from : -1; // from lies in the range before
    return it != ranges.end() && it->first < Count() ? it->first : -1;
}

void TCustomListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= Count())
        return;
    if (!d->fMultiSelect) {
        SetItemIndex(selected ? index : (index == d->fItemIndex ? -1 : d->fItemIndex));
        return;
    }
    if (selected == Selected(index))
        return;
    if (selected)
        d->fSelected.Insert(index);
    else
        d->fSelected.Erase(index);
    viewport()->update();
    AnnounceRowSelection(this, index);
}

int TCustomListBox::SelCount() const
{
    return d->fMultiSelect ? static_cast<int>(std::min<qint64>(d->fSelected.Count(), std::numeric_limits<int>::max()))
                           : -1;
}

void TCustomListBox::ClearSelection()
{
    const bool had = d->fSelected.Count() > 0;
    d->fSelected.Clear();
    if (!d->fMultiSelect)
        SetItemIndex(-1);
    viewport()->update();
    if (had && d->fMultiSelect)
        Q_EMIT selectionChanged();
}

void TCustomListBox::SelectAll()
{
    const int n = Count();
    if (!d->fMultiSelect || n == 0 || d->fSelected.Count() == n)
        return;
    const bool currentWasSelected = d->fItemIndex >= 0 && d->fSelected.Contains(d->fItemIndex);
    d->fSelected.Clear();
    d->fSelected.Insert(0, n - 1);
    viewport()->update();
    AnnounceSelection(this);
    if (d->fItemIndex >= 0 && !currentWasSelected)
        AnnounceRowSelection(this, d->fItemIndex); // the focused row is selected now
    Q_EMIT selectionChanged();
}

void TCustomListBox::Clear()
{
    if (IsVirtual())
        SetCount(0);
    else
        d->fItems.Clear();
}

int TCustomListBox::RowHeight(int index) const
{
    int h = ItemHeight();
    if (d->fStyle == lbOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(const_cast<TCustomListBox*>(this), index, h);
    return std::max(1, h);
}

int TCustomListBox::VisibleRowCount() const { return std::max(1, viewport()->height() / std::max(1, ItemHeight())); }

TRect TCustomListBox::ItemRect(int index) const
{
    if (index < d->fTopIndex || index >= Count())
        return {};
    int y = 0;
    const int bottom = viewport()->height();
    for (int i = d->fTopIndex; i < index; ++i) {
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
    for (int i = d->fTopIndex; i < n; ++i) {
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
    return d->fItems.Get(index);
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
    TCanvas& c = d->fCanvas;
    c.Brush.Color = sel ? clHighlight : d->fColor;
    c.Brush.Style = bsSolid;
    c.Font.Color = (State & odDisabled) ? clGrayText : sel ? clHighlightText : clWindowText;
    c.FillRect(Rect);
    const QString text = ItemText(Index);
    // The text starts at the row's leading edge: the right one in a
    // right-to-left layout.
    const int top = Rect.Top + (Rect.Height() - c.TextHeight(text)) / 2;
    const int x = layoutDirection() == Qt::RightToLeft ? Rect.Right - 2 - c.TextWidth(text) : Rect.Left + 2;
    c.TextOut(x, top, text);
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
    d->fWindow.Before(event);
    if (event->type() != QEvent::Show)
        return QAbstractScrollArea::event(event); // its handlers may delete the list
    const QPointer<TCustomListBox> self(this);
    const bool result = QAbstractScrollArea::event(event);
    if (self && d->fWindow.After(event))
        AtQtBoundary("TCustomListBox::CreateWnd", [&] { CreateWnd(); });
    if (self && d->fEnsureVisibleAtShow && isVisible()) {
        d->fEnsureVisibleAtShow = false;
        if (d->fItemIndex >= 0)
            EnsureVisible(d->fItemIndex);
    }
    return result;
}

namespace {
// A focus frame the style draws below 3:1 against the row (Fusion's is a
// faint tint of the highlight) gets a solid one that a low-vision user finds.
void DrawFocusThatStandsOut(const QWidget* list, QPainter& painter, const QStyleOptionFocusRect& focus, bool selected)
{
    const QStyle* style = list->style();
    const QColor back = focus.backgroundColor;
    const TStandOutKey key{style, QStyle::PE_FrameFocusRect, focus.palette.cacheKey(), back.rgba(), focus.rect.size()};
    const bool standsOut = StandsOut(key, 3.0, [&](QPainter& probe) {
        QStyleOptionFocusRect alone = focus;
        alone.rect = QRect(QPoint(), focus.rect.size());
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &alone, &probe, list);
    });
    if (standsOut)
        return;
    const QPalette& pal = focus.palette;
    // On a selected row, from the selected text's colour; else from the highlight.
    const QColor from = pal.color(selected ? QPalette::HighlightedText : QPalette::Highlight);
    painter.save();
    painter.setPen(StandingOutColour(from, {back}));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(focus.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}
} // namespace

void TCustomListBox::paintEvent(QPaintEvent*)
{
    FlushScrollRange();
    QPainter painter(viewport());
    d->fCanvas.Attach(&painter);
    d->fCanvas.SetPalette(palette());
    d->fCanvas.Font = TFont(font(), clWindowText);
    const int w = viewport()->width();
    const int h = viewport()->height();
    painter.fillRect(QRect(0, 0, w, h), d->fCanvas.Resolve(d->fColor));
    const int n = Count();
    int y = 0;
    for (int i = d->fTopIndex; i < n && y < h; ++i) {
        const int rh = RowHeight(i);
        TOwnerDrawState state = 0;
        if (Selected(i))
            state |= odSelected;
        if (i == d->fItemIndex && hasFocus())
            state |= odFocused;
        if (!isEnabled())
            state |= odDisabled;
        // Each row starts from the list's font and a solid brush.
        d->fCanvas.Brush = TBrush{d->fColor, bsSolid};
        d->fCanvas.Pen = TPen{};
        d->fCanvas.Font = TFont(font(), clWindowText);
        // A row whose drawing raises (a tool's handler, a text it cannot
        // give) stays empty; the other rows are drawn.
        const TRect rect{0, y, w, y + rh};
        if (!AtQtBoundary("TCustomListBox::DrawItem", [&] { DrawItem(i, rect, state); }))
            painter.fillRect(rect.ToQRect(), d->fCanvas.Resolve(d->fColor));
        // The focused row's frame, as the widget's style draws it, over
        // whatever drew the row (the standard text or a tool's own drawing).
        if (state & odFocused) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect.ToQRect();
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
            focus.backgroundColor = Selected(i) ? palette().color(QPalette::Highlight) : d->fCanvas.Resolve(d->fColor);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
            DrawFocusThatStandsOut(this, painter, focus, Selected(i));
        }
        y += rh;
    }
    d->fCanvas.Detach();
}

void TCustomListBox::ScrollRangeChanged()
{
    d->fScrollRangeDirty = true;
    if (d->fScrollRangeQueued)
        return;
    d->fScrollRangeQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            d->fScrollRangeQueued = false;
            FlushScrollRange();
        },
        Qt::QueuedConnection);
}

void TCustomListBox::FlushScrollRange()
{
    if (d->fScrollRangeDirty)
        UpdateScrollBar();
}

void TCustomListBox::UpdateScrollBar()
{
    d->fScrollRangeDirty = false;
    const int n = Count();
    const int visible = VisibleRowCount();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(visible);
    bar->setRange(0, std::max(0, n - visible));
    d->fTopIndex = bar->value();
}

void TCustomListBox::scrollContentsBy(int, int)
{
    // Qt calls it once per change of the scroll bar's value.
    d->fTopIndex = verticalScrollBar()->value();
    viewport()->update();
    Q_EMIT topIndexChanged(d->fTopIndex);
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
    const qint64 h = qint64{ItemHeight()} * 8 + 2 * qint64{frameWidth()};
    return QSize(160, static_cast<int>(std::clamp<qint64>(h, 0, QWIDGETSIZE_MAX)));
}

void TCustomListBox::EnsureVisible(int index)
{
    // A list not shown yet has no height to fit rows into: the current row
    // is made visible when it is shown, and only if it is not already.
    if (!isVisible()) {
        d->fEnsureVisibleAtShow = true;
        return;
    }
    const int visible = VisibleRowCount();
    if (index < d->fTopIndex)
        SetTopIndex(index);
    else if (index >= d->fTopIndex + visible)
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
    d->fPendingItemIndex = -1; // the user's choice wins
    const int n = Count();
    if (n == 0)
        return;
    index = std::clamp(index, 0, n - 1);
    if (!d->fMultiSelect) {
        SetItemIndex(index);
        return;
    }
    const int anchor = d->fAnchor;
    const qint64 before = d->fSelected.Count();
    bool toggled = false; // only the row reached changed
    const bool changed = d->fItemIndex != index;
    if (changed) // what the index change below announces as changed
        d->fBefore = {d->fItemIndex >= 0 && d->fSelected.Contains(d->fItemIndex), d->fSelected.Contains(index)};
    if (d->fExtendedSelect && (mods & Qt::ShiftModifier) && anchor >= 0) {
        if (!(mods & Qt::ControlModifier))
            d->fSelected.Clear();
        d->fSelected.Insert(anchor, index);
    } else if (d->fExtendedSelect && (mods & Qt::ControlModifier)) {
        d->fSelected.Toggle(index);
        toggled = true;
    } else if (d->fExtendedSelect) {
        d->fSelected.Clear();
        d->fSelected.Insert(index);
    } else {
        // Simple multi-selection: a click toggles the row.
        d->fSelected.Toggle(index);
        toggled = true;
    }
    d->fItemIndex = index;
    if (!(mods & Qt::ShiftModifier))
        d->fAnchor = index;
    EnsureVisible(index);
    viewport()->update();
    // Assistive technology hears of the row reached and the row left (on the
    // index change below), of a row toggled in place, and of a change of
    // more rows than those two as one event, whatever their number.
    if (!changed)
        AnnounceRowSelection(this, index);
    if (!toggled && (std::abs(d->fSelected.Count() - before) > 1 || (before > 1 && d->fSelected.Count() <= 1)))
        AnnounceSelection(this);
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
    if (d->fMultiSelect && d->fItemIndex >= 0) {
        d->fSelected.Toggle(d->fItemIndex);
        // The row toggled is where a Shift+arrow extends from, as in Qt's lists.
        d->fAnchor = d->fItemIndex;
        viewport()->update();
        AnnounceRowSelection(this, d->fItemIndex);
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
            if (d->fMultiSelect && (mods & Qt::ControlModifier) && !(mods & Qt::ShiftModifier)) {
                const int to = std::clamp(index, 0, std::max(0, n - 1));
                const bool changed = to != d->fItemIndex;
                if (changed)
                    d->fBefore = {d->fItemIndex >= 0 && d->fSelected.Contains(d->fItemIndex),
                                  d->fSelected.Contains(to)};
                d->fItemIndex = to;
                EnsureVisible(to);
                viewport()->update();
                // The focus moved: heard as a focus event, like any move.
                QPointer<TCustomListBox> self(this);
                if (changed)
                    Q_EMIT itemIndexChanged(to);
                if (!self)
                    return;
            } else {
                QPointer<TCustomListBox> self(this);
                MoveTo(index, mods);
                if (!self)
                    return; // freed by a handler of itemIndexChanged
            }
            Click();
        };
        // Ctrl+A (the platform's select-all keys) on a multi-select list.
        if (d->fMultiSelect && event->matches(QKeySequence::SelectAll)) {
            SelectAll();
            event->accept();
            return;
        }
        switch (event->key()) {
        case Qt::Key_Up: go(d->fItemIndex < 0 ? 0 : d->fItemIndex - 1); break;
        case Qt::Key_Down: go(d->fItemIndex + 1); break;
        case Qt::Key_PageUp: go(std::max(0, d->fItemIndex - page + 1)); break;
        case Qt::Key_PageDown: go(d->fItemIndex < 0 ? page - 1 : d->fItemIndex + page - 1); break;
        case Qt::Key_Home: go(0); break;
        case Qt::Key_End: go(n - 1); break;
        case Qt::Key_Space:
            if (!d->fTyped.isEmpty() &&
                QDateTime::currentMSecsSinceEpoch() - d->fTypedAt < QApplication::keyboardInputInterval()) {
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
    const bool goOn = d->fTypedAt >= 0 && now - d->fTypedAt < QApplication::keyboardInputInterval();
    d->fTypedAt = now;
    d->fTyped = goOn ? d->fTyped + typed : typed;
    // The same letter typed again walks the rows that start with it; a
    // longer text keeps the current row when it still matches.
    const bool sameLetter = d->fTyped.size() > 1 && d->fTyped.count(d->fTyped.at(0)) == d->fTyped.size();
    const QString search = sameLetter ? QString(d->fTyped.at(0)) : d->fTyped;
    int start = d->fItemIndex < 0 ? 0 : d->fItemIndex;
    if (d->fTyped.size() == 1 || sameLetter)
        start = d->fItemIndex < 0 ? 0 : d->fItemIndex + 1;
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
            d->fCanvas.Font = TFont(font(), clWindowText);
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
        d->fCanvas.ClearTextCache();
    // Rows follow the font (a new font, the application's, a density
    // correction), as Qt's lists do, unless a tool set their height.
    if (event->type() == QEvent::FontChange && d->fFontLine != fontMetrics().height()) {
        d->fFontLine = fontMetrics().height();
        if (!d->fItemHeightSet) {
            UpdateScrollBar();
            updateGeometry();
            viewport()->update();
        }
    }
    QAbstractScrollArea::changeEvent(event);
}

void TCustomListBox::wheelEvent(QWheelEvent* event)
{
    AtQtBoundary("TCustomListBox::wheelEvent", [&] {
        const int steps = event->angleDelta().y() / 40;
        SetTopIndex(d->fTopIndex - steps);
        event->accept();
    });
}

void TCustomListBox::focusInEvent(QFocusEvent* event)
{
    AtQtBoundary("TCustomListBox::focusInEvent", [&] {
        QAbstractScrollArea::focusInEvent(event);
        AnnounceRow(this, -1, true, false); // the focus, and the row as selected when it is
        viewport()->update();
    });
}

void TCustomListBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

TCheckListBox::TCheckListBox(QWidget* parent) : TCustomListBox(parent) { }

bool TCheckListBox::Checked(int index) const
{
    return index >= 0 && index < ItemStrings().Count() && ItemStrings().Mark(index);
}

void TCheckListBox::SetChecked(int index, bool checked)
{
    if (index < 0 || index >= ItemStrings().Count())
        return;
    ItemStrings().SetMark(index, checked);
    viewport()->update();
}

int TCheckListBox::BoxSize() const { return std::max(8, std::min(ItemHeight() - 2, 13)); }

void TCheckListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    // The box column (on the row's leading edge) keeps the list's colour;
    // the rest is the row. The box is the style's check indicator.
    const int box = BoxSize();
    const int column = box + 4;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    TCanvas& c = Canvas();
    const TRect boxColumn = TRect{Rect.Left, Rect.Top, Rect.Left + column, Rect.Bottom};
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect(rtl ? boxColumn.MirroredIn(Rect) : boxColumn);
    const TRect boxRect = Bounds(Rect.Left + 2, Rect.Top + (Rect.Height() - box) / 2, box, box);
    if (QPainter* painter = c.Painter()) {
        QStyleOptionViewItem check;
        check.initFrom(this);
        check.rect = (rtl ? boxRect.MirroredIn(Rect) : boxRect).ToQRect();
        check.features = QStyleOptionViewItem::HasCheckIndicator;
        check.checkState = Checked(Index) ? Qt::Checked : Qt::Unchecked;
        check.state = (check.state & ~QStyle::State_HasFocus) | (Checked(Index) ? QStyle::State_On : QStyle::State_Off);
        if (State & odDisabled)
            check.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, this);
        // A box the style draws too faintly to be found (below 3:1 against
        // the list) gets an outline that can be.
        const QColor back = c.Resolve(Color());
        if ((check.state & QStyle::State_Enabled) &&
            !EmptyIndicatorStandsOut(style(), QStyle::PE_IndicatorItemViewItemCheck, check, back, this)) {
            painter->save();
            painter->setPen(OutlineColour(palette(), {back}));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(check.rect).adjusted(0.5, 0.5, -0.5, -0.5));
            painter->restore();
        }
    }
    c.Brush = TBrush{Color(), bsSolid};
    c.Font.Color = clWindowText;
    const TRect textRect{Rect.Left + column, Rect.Top, Rect.Right, Rect.Bottom};
    TCustomListBox::DrawItem(Index, rtl ? textRect.MirroredIn(Rect) : textRect,
                             State | (Checked(Index) ? odChecked : 0u));
}

void TCheckListBox::RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods)
{
    QPointer<TCheckListBox> self(this);
    const int column = BoxSize() + 4;
    const bool onBox =
        layoutDirection() == Qt::RightToLeft ? pos.x() >= viewport()->width() - column : pos.x() < column;
    if (onBox) {
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
    SetNaturalItemHeight(step.ItemHeight());
    setFont(QFont()); // ParentFont
}

} // namespace qz8
