// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/ColourListBoxesAndCombos_p.h"
#include "external/Rtl_and_ltr_painting.h"
#include "toolkit/Application.h"
#include "toolkit/QtBoundary_p.h"
#include "toolkit/SizeRelevant.h"

#include <QFontMetrics>
#include <QLayout>
#include <QMoveEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace qz8 {

namespace {

// The density table's rows and the window's collected classes of this
// module (toolkit/SizeRelevant.h).
[[maybe_unused]] const bool registered = [] {
    RegisterDensityRow(TDensityRow::ColourSharingListbox, &TColourSharingListbox::staticMetaObject);
    RegisterDensityRow(TDensityRow::ColourSharingCombo, &TColourSharingCombo::staticMetaObject);
    RegisterCollectedClass(7, &TColourSharingCombo::staticMetaObject);
    RegisterCollectedClass(8, &TColourSharingListbox::staticMetaObject);
    return true;
}();

const TColorArray& Active(bool usesShared, const TColorArray& own) { return usesShared ? MyColourArray : own; }

// Shared-mode controls repaint when the shared array changes.
template <class Control>
void FollowSharedArray(Control* control, const bool& usesShared)
{
    QObject::connect(&TSharedColourArrayNotifier::Instance(), &TSharedColourArrayNotifier::changed, control,
                     [control, &usesShared] {
                         if (usesShared)
                             control->update();
                     });
}

} // namespace

int IndexOfColour(bool usesShared, const TColorArray& own, TColor colour)
{
    const TColorArray& a = Active(usesShared, own);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].Value == colour)
            return static_cast<int>(i);
    }
    return NearestColourIndex(colour, a);
}

TColor ColourAtIndex(bool usesShared, const TColorArray& own, int index)
{
    const TColorArray& a = Active(usesShared, own);
    return index >= 0 && index < static_cast<int>(a.size()) ? a[static_cast<size_t>(index)].Value : 0;
}

QString ColourNameAtIndex(bool usesShared, const TColorArray& own, int index)
{
    const TColorArray& a = Active(usesShared, own);
    return index >= 0 && index < static_cast<int>(a.size()) ? a[static_cast<size_t>(index)].Name : QString();
}

void SortActiveColours(bool usesShared, TColorArray& own, TColorArraySortType method)
{
    TColorArray& a = usesShared ? MyColourArray : own;
    SortColorArray(a, 0, static_cast<int>(a.size()) - 1, method, false);
    if (usesShared)
        TSharedColourArrayNotifier::Instance().NotifyChanged();
}

void ApplyUsesSharedArray(bool& usesShared, TColorArray& own, bool value)
{
    if (value == usesShared)
        return;
    usesShared = value;
    if (!value)
        own = MyColourArray;
}

TColourSharingListbox::TColourSharingListbox(QWidget* parent)
    : TCustomListBox(parent), d(std::make_unique<TColourSharingListboxPrivate>())
{
    resize(80, 70);
    FollowSharedArray(static_cast<QWidget*>(viewport()), d->fUsesSharedArray);
    // Rows exist from the start, so a colour can be selected before the
    // window is shown; the window's creation binds them again.
    BindRows();
    connect(this, &TCustomListBox::itemIndexChanged, this, [this] { Q_EMIT selectedColourChanged(GetASelected()); });
}

TColourSharingListbox::~TColourSharingListbox() { d->fOwnArray.clear(); }

void TColourSharingListbox::CreateWnd()
{
    TCustomListBox::CreateWnd();
    setFont(QFont()); // ParentFont
    BindRows();
}

void TColourSharingListbox::BindRows()
{
    OnDrawItem = [this](QWidget* control, int index, TRect rect, TOwnerDrawState state) {
        MyDrawItem(control, index, rect, state);
    };
    SetStyle(lbVirtualOwnerDraw);
    SetCount(static_cast<int>(MyColourArray.size()));
}

const TColorArray& TColourSharingListbox::ActiveArray() const { return Active(d->fUsesSharedArray, d->fOwnArray); }

void TColourSharingListbox::SetShowText(int Value)
{
    const auto v = static_cast<TShowHexOrDescriptionSet>(Value & 7);
    if (v == d->fShowText)
        return;
    d->fShowText = v;
    viewport()->repaint();
}

void TColourSharingListbox::SetASelected(TColor Value)
{
    SetItemIndex(IndexOfColour(d->fUsesSharedArray, d->fOwnArray, Value));
}

namespace {
// A colour of the picker's array as the file keeps it; false for one the
// array does not hold (or no number).
template <class Select>
bool TakeColourText(bool usesShared, const TColorArray& own, const QString& text, Select select)
{
    bool ok = false;
    const int colour = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    // Exactly that colour: a colour the array no longer holds is no nearest
    // colour's.
    const TColorArray& a = Active(usesShared, own);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].Value == colour) {
            select(static_cast<int>(i));
            return true;
        }
    }
    return false;
}
} // namespace

QString TColourSharingListbox::FormStateText() const
{
    return ItemIndex() >= 0 ? QString::number(GetASelected()) : QString();
}

bool TColourSharingListbox::TakeFormStateText(const QString& text)
{
    return TakeColourText(d->fUsesSharedArray, d->fOwnArray, text, [this](int i) { SetItemIndex(i); });
}

QString TColourSharingCombo::FormStateText() const
{
    return ItemIndex() >= 0 ? QString::number(GetSelected()) : QString();
}

bool TColourSharingCombo::TakeFormStateText(const QString& text)
{
    return TakeColourText(d->fUsesSharedArray, d->fOwnArray, text, [this](int i) { SetItemIndex(i); });
}

QString TColourSharingListbox::SelectedColourName() const
{
    return ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, ItemIndex());
}

bool TColourSharingListbox::Sorted() const
{
    return !MyColourArray.empty() && !WebNamedColors().empty() &&
           MyColourArray.front().Value != WebNamedColors().front().Value;
}

void TColourSharingListbox::SortTheColours(TColorArraySortType method)
{
    SortActiveColours(d->fUsesSharedArray, d->fOwnArray, method);
    viewport()->repaint();
}

void TColourSharingListbox::CorrectForScreenResolucao(float aFontScale)
{
    const int ppi = ScreenPixelsPerInch();
    if (aFontScale == d->currentFontScale && ppi == d->current_PPI)
        return;
    d->currentFontScale = aFontScale;
    d->current_PPI = ppi;
    const double h = std::nearbyint(ScreenScaled(16, aFontScale));
    SetItemHeight(std::isfinite(h) && h >= 1 && h < 10000 ? static_cast<int>(h) : 16);
}

void TColourSharingListbox::SetComponentStyle(TTMSStyle AStyle)
{
    d->fTextColour = GetABaseTMSTextColour(AStyle);
    d->fBackgroundColour = GetABaseTMSBackgroundColour(AStyle);
    d->fSelectedText = GetABaseTMSHighlightedTextColour(AStyle);
    d->fSelectedBackgound = GetABaseTMSHighlightBackgroundColour(AStyle);
    viewport()->update();
}

void TColourSharingListbox::MyDrawItem(QWidget*, int Index, TRect Rect, TOwnerDrawState State)
{
    const TColorArray& a = ActiveArray();
    if (Index < 0 || Index >= Count() || Index >= static_cast<int>(a.size()))
        return;
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    const int m = c.TextWidth(QStringLiteral("M"));
    const int h = Rect.Bottom - Rect.Top;
    const int textTop = Rect.Top + 2;
    const int markerTop = Rect.Top + h / 2 - m / 2;
    // Laid out left to right, then mirrored in a right-to-left layout.
    const TRect row = Rect;
    const bool rtl = IsRightToLeft(c);
    const auto place = [&](const TRect& r) { return rtl ? MirrorRect(r, row) : r; };
    const TRect marker = place({Rect.Left, markerTop, Rect.Left + m, markerTop + m});
    c.Font.Color = d->fTextColour;
    c.Brush.Color = d->fBackgroundColour;
    c.FillRect(Rect);
    if (State & (odSelected | odFocused)) {
        c.Font.Color = d->fSelectedText;
        c.Brush.Color = d->fSelectedBackgound;
        c.FillRect(Rect);
    }
    Rect.Left += m;
    const TIdentMapEntry& entry = a[static_cast<size_t>(Index)];
    if (entry.Value == d->fDefaultColour) {
        c.Brush.Color = GetHighLightColor(d->fSelectedBackgound, 19);
        c.Ellipse(marker);
    }
    c.Brush.Color = entry.Value;
    InflateRect(Rect, -1, -1);
    Rect.Right = Rect.Left + std::min(c.TextWidth(QStringLiteral("99999999")), viewport()->width() / 4);
    c.FillRect(place(Rect));

    QString text;
    if (d->fShowText & ShowBit(ts_index))
        text = QString::asprintf("%.3d", Index + 1);
    if (d->fShowText & ShowBit(ts_hex)) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QString::asprintf("%.8X", static_cast<unsigned>(entry.Value));
    }
    if (d->fShowText & ShowBit(ts_description)) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += entry.Name;
    }
    c.Brush.Style = bsClear;
    if (!text.isEmpty()) {
        // A text wider than the row's room ends in "…" in either direction,
        // so the index at its start stays in view.
        const int room = row.Right - (Rect.Right + m);
        if (room > 0 && c.TextWidth(text) > room)
            text = QFontMetrics(c.Font, viewport()).elidedText(text, Qt::ElideRight, room);
        const int x = rtl ? row.Left + row.Right - (Rect.Right + m) - c.TextWidth(text) : Rect.Right + m;
        c.TextOut(x, textTop, text);
    }
}

QString ColourNameAndHex(const QString& name, TColor colour)
{
    const TColor rgb = ColorToRGB(colour);
    const unsigned value = (unsigned(GetRValue(rgb)) << 16) | (unsigned(GetGValue(rgb)) << 8) | GetBValue(rgb);
    return name + QStringLiteral(" #") + QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
}

QString TColourSharingListbox::RowText(int Index) const
{
    if (Index < 0 || Index >= Count())
        return {};
    return ColourNameAndHex(ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, Index), GetAColour(Index));
}

TColourSharingCombo::TColourSharingCombo(QWidget* parent)
    : TCustomColorBox(parent), d(std::make_unique<TColourSharingComboPrivate>())
{
    d->FLabelFont = font();
    FollowSharedArray(static_cast<QWidget*>(this), d->fUsesSharedArray);
    BindColours();
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT selectedColourChanged(GetSelected()); });
    connect(model(), &QAbstractItemModel::rowsInserted, this, &TColourSharingCombo::NameRows);
    connect(model(), &QAbstractItemModel::modelReset, this, &TColourSharingCombo::NameRows);
    // Another control sorted or changed the shared array.
    connect(&TSharedColourArrayNotifier::Instance(), &TSharedColourArrayNotifier::changed, this, [this] {
        if (d->fUsesSharedArray)
            NameRows();
    });
    NameRows();
    // With no colour chosen the box says so, as a QComboBox's placeholder.
    setPlaceholderText(tr("No colour chosen"));
}

QString TColourSharingCombo::RowName(int index) const
{
    return ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, index);
}

namespace {

// Whether layout (or a layout nested in it) holds widget.
bool LayoutHolds(const QLayout* layout, const QWidget* widget)
{
    if (layout->indexOf(widget) >= 0)
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        const QLayout* inner = layout->itemAt(i) ? layout->itemAt(i)->layout() : nullptr;
        if (inner && LayoutHolds(inner, widget))
            return true;
    }
    return false;
}

} // namespace

bool TColourSharingCombo::PlacedByLayout() const
{
    const QWidget* parent = parentWidget();
    return parent && parent->layout() && LayoutHolds(parent->layout(), this);
}

int TColourSharingCombo::CaptionWidth() const
{
    TCanvas canvas(d->FLabel.data());
    canvas.Font = TFont(d->FLabel->font());
    TRect box{0, 0, 1000, 255};
    DrawTextW(canvas.Handle(), d->FLabel->text(), box, DT_CALCRECT | DT_HIDEPREFIX);
    return box.Width();
}

QMargins TColourSharingCombo::LabelRoom() const
{
    if (!d->FLabel || d->FLabel->text().isEmpty() || !PlacedByLayout())
        return {};
    // The label's extent off the box, as its placement puts it; bounded so
    // that no margin makes a size out of range.
    const int margin = std::clamp(d->FLabelMargin, 0, 10000);
    switch (d->FLabelPosition) {
    case lpLeftTop:
    case lpLeftCenter:
    case lpLeftBottom: return {std::min(CaptionWidth(), 10000) + margin, 0, 0, 0};
    case lpLeftTopLeft:
    case lpLeftCenterLeft:
    case lpLeftBottomLeft: return {margin, 0, 0, 0};
    case lpTopLeft:
    case lpTopCenter: return {0, std::min(d->FLabel->sizeHint().height(), 10000) + margin, 0, 0};
    case lpBottomLeft:
    case lpBottomCenter: return {0, 0, 0, std::min(d->FLabel->sizeHint().height(), 10000) + margin};
    }
    return {};
}

QRect TColourSharingCombo::BoxRect() const
{
    const QMargins room = LabelRoom();
    if (room.isNull())
        return rect();
    return QStyle::visualRect(layoutDirection(), rect(), rect().marginsRemoved(room));
}

QSize TColourSharingCombo::sizeHint() const
{
    const QMargins room = LabelRoom();
    QSize size = TCustomColorBox::sizeHint().grownBy(room);
    // A label above or below is no wider than the space the layout gives.
    if (room.top() > 0 || room.bottom() > 0)
        size.setWidth(std::max(size.width(), std::min(d->FLabel->sizeHint().width(), 10000)));
    return size;
}

QSize TColourSharingCombo::minimumSizeHint() const { return sizeHint(); }

TColourSharingCombo::~TColourSharingCombo()
{
    delete d->FLabel.data();
    d->fOwnArray.clear();
}

void TColourSharingCombo::CreateWnd()
{
    TCustomColorBox::CreateWnd();
    setFont(QFont()); // ParentFont
    BindColours();
}

void TColourSharingCombo::BindColours()
{
    OnGetColors = [this](TCustomColorBox* sender, TStrings& items) { GetColours(sender, items); };
    SetColorBoxStyle(cbCustomColors);
}

void TColourSharingCombo::GetColours(TCustomColorBox*, TStrings& Items)
{
    Items.Clear();
    for (size_t i = 0; i < MyColourArray.size(); ++i)
        Items.Add(ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, static_cast<int>(i)));
}

void TColourSharingCombo::NameRows()
{
    for (int i = 0; i < count(); ++i) {
        const QString name = ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, i);
        if (itemText(i) != name)
            setItemText(i, name);
        setItemData(i, ColourNameAndHex(name, GetAColour(i)), Qt::AccessibleTextRole);
    }
}

void TColourSharingCombo::SetSelected(TColor Value)
{
    SetItemIndex(IndexOfColour(d->fUsesSharedArray, d->fOwnArray, Value));
}

void TColourSharingCombo::SortTheColours(TColorArraySortType method)
{
    SortActiveColours(d->fUsesSharedArray, d->fOwnArray, method);
    NameRows();
    repaint();
}

TColor TColourSharingCombo::SwatchBorderColour(TColor rgb, TOwnerDrawState State)
{
    if (GetRValue(rgb) > 192 || GetGValue(rgb) > 192 || GetBValue(rgb) > 192)
        return clBlack;
    return (State & odSelected) ? clWhite : rgb;
}

void TColourSharingCombo::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    const TColorArray& a = Active(d->fUsesSharedArray, d->fOwnArray);
    if (Index < 0 || Index >= static_cast<int>(a.size()))
        return;
    TCanvas& c = Canvas();
    c.FillRect(Rect);
    const TColor remembered = c.Brush.Color;
    const int h = Rect.Bottom - Rect.Top;
    const bool rtl = IsRightToLeft(c);
    TRect swatch{Rect.Left, Rect.Top, Rect.Left + h, Rect.Bottom};
    InflateRect(swatch, -1, -1);
    if (rtl) // the swatch leads on the right
        swatch = MirrorRect(swatch, Rect);
    const TIdentMapEntry& entry = a[static_cast<size_t>(Index)];
    c.Brush.Color = entry.Value;
    c.FillRect(swatch);
    c.Brush.Color = SwatchBorderColour(ColorToRGB(entry.Value), State);
    c.FrameRect(swatch);
    c.Brush.Color = remembered;
    TRect text = Rect;
    const int top = Rect.Top + (h - c.TextHeight(entry.Name)) / 2;
    if (rtl) {
        text.Right = swatch.Left - 5;
        c.TextRect(text, text.Right - c.TextWidth(entry.Name), top, entry.Name);
    } else {
        text.Left = swatch.Right + 5;
        c.TextRect(text, text.Left, top, entry.Name);
    }
}

TLabel* TColourSharingCombo::CreateLabel()
{
    auto* label = new TLabel(parentWidget());
    label->SetFocusControl(this);
    label->setFont(font());
    return label;
}

QString TColourSharingCombo::GetLabelCaption() const { return d->FLabel ? d->FLabel->text() : QString(); }

void TColourSharingCombo::SetLabelCaption(const QString& Value)
{
    if (!d->FLabel)
        d->FLabel = CreateLabel();
    d->FLabel->setText(Value);
    d->FLabel->adjustSize();
    d->FLabel->show();
    UpdateLabel();
}

void TColourSharingCombo::SetLabelFont(const QFont& Value)
{
    d->FLabelFont = Value;
    LabelFontChange();
}

void TColourSharingCombo::LabelFontChange()
{
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::SetLabelMargin(int Value)
{
    d->FLabelMargin = Value;
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::SetLabelPosition(TLabelPosition Value)
{
    d->FLabelPosition = Value;
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::SetLabelPositionOrdinal(int Value)
{
    if (Value >= lpLeftTop && Value <= lpBottomCenter)
        SetLabelPosition(static_cast<TLabelPosition>(Value));
}

void TColourSharingCombo::SetLabelTransparent(bool Value)
{
    d->FLabelTransparent = Value;
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::SetLabelAlwaysEnabled(bool Value)
{
    d->FlabelAlwaysEnabled = Value;
    if (d->FLabel && Value)
        d->FLabel->setEnabled(true);
    update();
}

void TColourSharingCombo::UpdateLabel()
{
    d->FLabel->SetTransparent(d->FLabelTransparent);
    d->FLabel->setFont(d->FParentFnt ? font() : d->FLabelFont);
    d->FLabel->adjustSize();
    UpdateLabelPos();
    updateGeometry(); // a layout gives the label's new room
    update();
}

void TColourSharingCombo::UpdateLabelPos()
{
    // In 64 bits: a margin or place of any size must not overflow.
    const qint64 w = CaptionWidth();
    const qint64 labelWidth = d->FLabel->width(), labelHeight = d->FLabel->height();
    // Placed against the box: within a layout, the widget less the label's
    // room (read left to right, mirrored below).
    const QRect whole = geometry();
    const QMargins room = LabelRoom();
    const QRect g = whole.marginsRemoved(room);
    const qint64 left = g.left(), top = g.top(), width = g.width(), height = g.height();
    const qint64 margin = d->FLabelMargin;
    qint64 lt = top, ll = left;
    switch (d->FLabelPosition) {
    case lpLeftTop:
        lt = top;
        ll = left - w - margin;
        break;
    case lpLeftCenter:
        lt = top + (height - labelHeight) / 2;
        ll = left - w - margin;
        break;
    case lpLeftBottom:
        lt = top + height - labelHeight;
        ll = left - w - margin;
        break;
    case lpTopLeft:
        lt = top - labelHeight - margin;
        ll = left;
        break;
    case lpBottomLeft:
        lt = top + height + margin;
        ll = left;
        break;
    case lpLeftTopLeft:
        lt = top;
        ll = left - margin;
        break;
    case lpLeftCenterLeft:
        lt = top + (height - labelHeight) / 2;
        ll = left - margin;
        break;
    case lpLeftBottomLeft:
        lt = top + height - labelHeight;
        ll = left - margin;
        break;
    case lpTopCenter:
        lt = top - labelHeight - margin;
        ll = left + (width - labelWidth) / 2;
        break;
    case lpBottomCenter:
        lt = top + height + margin;
        ll = left + (width - labelWidth) / 2;
        break;
    }
    // A right-to-left layout mirrors the label's place around the combo.
    if (layoutDirection() == Qt::RightToLeft)
        ll = 2 * qint64{whole.left()} + whole.width() - ll - labelWidth;
    // No widget can stand further out than this.
    constexpr qint64 kFarthest = 1 << 24;
    const QPoint at(static_cast<int>(std::clamp(ll, -kFarthest, kFarthest)),
                    static_cast<int>(std::clamp(lt, -kFarthest, kFarthest)));
    if (room.isNull()) {
        d->FLabel->move(at);
        return;
    }
    // Within a layout the label stays inside the space the layout gave the
    // combo, above it, never over a sibling.
    d->FLabel->adjustSize();
    d->FLabel->setGeometry(QRect(at, d->FLabel->size()).intersected(whole));
    d->FLabel->raise();
}

bool TColourSharingCombo::event(QEvent* event)
{
    const bool result = TCustomColorBox::event(event);
    AtQtBoundary("TColourSharingCombo::event", [&] {
        const bool shown = event->type() == QEvent::ShowToParent;
        if ((shown || event->type() == QEvent::HideToParent) && d->FLabel && PlacedByLayout())
            d->FLabel->setVisible(shown);
    });
    return result;
}

void TColourSharingCombo::changeEvent(QEvent* event)
{
    AtQtBoundary("TColourSharingCombo::changeEvent", [&] {
        TCustomColorBox::changeEvent(event);
        if (event->type() == QEvent::LayoutDirectionChange && d->FLabel)
            UpdateLabelPos();
    });
}

void TColourSharingCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A layout gives the label its room inside the combo's own space.
    if (d->FLabel && !PlacedByLayout()) {
        const bool horizontal = d->fAlign == alTop || d->fAlign == alBottom || d->fAlign == alClient;
        const bool vertical =
            d->fAlign == alTop || d->fAlign == alLeft || d->fAlign == alRight || d->fAlign == alClient;
        switch (d->FLabelPosition) {
        case lpLeftTop:
        case lpLeftCenter:
        case lpLeftBottom:
            if (horizontal) {
                // The label's room is on the leading side.
                if (layoutDirection() != Qt::RightToLeft)
                    ALeft += d->FLabel->width() + d->FLabelMargin;
                AWidth -= d->FLabel->width() + d->FLabelMargin;
            }
            break;
        case lpTopLeft:
        case lpTopCenter:
            if (vertical)
                ATop += d->FLabel->height();
            break;
        default: break;
        }
    }
    setGeometry(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::Loaded()
{
    SetBounds(x(), y(), width(), height());
    if (d->FLabel && !isEnabled() && !d->FlabelAlwaysEnabled)
        d->FLabel->setEnabled(false);
    if (d->FLabel)
        UpdateLabel();
    const bool parentFont = !testAttribute(Qt::WA_SetFont);
    if (parentFont && d->FLabel)
        d->FLabel->setFont(font());
    d->FParentFnt = parentFont;
    if (d->FLabel)
        UpdateLabel();
}

void TColourSharingCombo::moveEvent(QMoveEvent* event)
{
    AtQtBoundary("TColourSharingCombo::moveEvent", [&] {
        TCustomColorBox::moveEvent(event);
        if (d->FLabel)
            UpdateLabelPos();
    });
}

void TColourSharingCombo::resizeEvent(QResizeEvent* event)
{
    AtQtBoundary("TColourSharingCombo::resizeEvent", [&] {
        TCustomColorBox::resizeEvent(event);
        if (d->FLabel)
            UpdateLabelPos();
    });
}

bool TColourSharingCombo::LabelAlwaysEnabled() const { return d->FlabelAlwaysEnabled; }

TLabelPosition TColourSharingCombo::LabelPosition() const { return d->FLabelPosition; }

int TColourSharingCombo::LabelMargin() const { return d->FLabelMargin; }

bool TColourSharingCombo::LabelTransparent() const { return d->FLabelTransparent; }

QFont TColourSharingCombo::LabelFont() const { return d->FLabelFont; }

TLabel* TColourSharingCombo::Label() const { return d->FLabel; }

bool TColourSharingCombo::UsesSharedAray() const { return d->fUsesSharedArray; }

void TColourSharingCombo::SetUseSharedArray(bool Value)
{
    ApplyUsesSharedArray(d->fUsesSharedArray, d->fOwnArray, Value);
    NameRows();
}

TColor TColourSharingCombo::GetAColour(int i) const { return ColourAtIndex(d->fUsesSharedArray, d->fOwnArray, i); }

QString TColourSharingCombo::SelectedColourName() const
{
    return ColourNameAtIndex(d->fUsesSharedArray, d->fOwnArray, ItemIndex());
}

TAlign TColourSharingCombo::Align() const { return d->fAlign; }

void TColourSharingCombo::SetAlign(TAlign align) { d->fAlign = align; }

TShowHexOrDescriptionSet TColourSharingListbox::ShowText() const { return d->fShowText; }

TShowTextFlags TColourSharingListbox::ShowTextFlags() const { return TShowTextFlags::fromInt(d->fShowText); }

TColor TColourSharingListbox::DefaultColour() const { return d->fDefaultColour; }

void TColourSharingListbox::SetDefaultColour(TColor Value) { d->fDefaultColour = Value; }

bool TColourSharingListbox::UsesSharedArray() const { return d->fUsesSharedArray; }

void TColourSharingListbox::SetUseSharedArray(bool Value)
{
    ApplyUsesSharedArray(d->fUsesSharedArray, d->fOwnArray, Value);
}

TColor TColourSharingListbox::GetAColour(int i) const { return ColourAtIndex(d->fUsesSharedArray, d->fOwnArray, i); }

} // namespace qz8
