// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "controls/My_StyledTMSComponents.h"
#include "controls/My_StyledTMSComponents_p.h"
#include "external/Rtl_and_ltr_painting.h"
#include "toolkit/Components.h"
#include "toolkit/SizeRelevant.h"

#include <QEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace qz8 {

namespace {
const bool registered = [] {
    RegisterContainerClass(&TTransparentContainingGroup::staticMetaObject);
    RegisterContainerClass(&TContainBox::staticMetaObject);
    RegisterDensityRow(TDensityRow::StyledListbox, &TStyledListbox::staticMetaObject);
    RegisterCollectedClass(11, &TStyledListbox::staticMetaObject);
    return true;
}();
} // namespace

TStyledListbox::TStyledListbox(QWidget* parent) : TCustomListBox(parent), d(std::make_unique<TStyledListboxPrivate>())
{
    (void)registered;
    SetStyle(lbOwnerDrawFixed);
    OnDrawItem = [this](QWidget* control, int index, TRect rect, TOwnerDrawState state) {
        StandardDrawItem(control, index, rect, state);
    };
    SetComponentStyle(static_cast<TTMSStyle>(0));
}

TStyledListbox::~TStyledListbox() = default;

void TStyledListbox::SetComponentStyle(TTMSStyle AStyle)
{
    const std::array<TColor, 4> before{d->fTextColour, d->fNormalBack, d->fSelectionColour, d->fSelectionTextColour};
    d->fTextColour = GetABaseTMSTextColour(AStyle);
    d->fNormalBack = GetABaseTMSBackgroundColour(AStyle);
    SetColor(d->fNormalBack);
    d->fSelectionColour = GetABaseTMSHighlightBackgroundColour(AStyle);
    d->fSelectionTextColour = GetABaseTMSHighlightedTextColour(AStyle);
    viewport()->update();
    if (before != std::array<TColor, 4>{d->fTextColour, d->fNormalBack, d->fSelectionColour, d->fSelectionTextColour})
        Q_EMIT coloursChanged();
}

void TStyledListbox::SetRowColour(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT coloursChanged();
}

void TStyledListbox::SetShowValues(bool Value)
{
    d->fShowValues = Value;
    viewport()->update();
}

void TStyledListbox::MySetItemHeight()
{
    Canvas().Font = TFont(font(), Canvas().Font.Color);
    // Derived from the font: the rows still follow it when it changes.
    SetNaturalItemHeight((Canvas().TextHeight(QStringLiteral("gh")) * 5) / 4);
}

void TStyledListbox::CorrectForScreenResolucao(float)
{
    setFont(QFont()); // ParentFont: the window's (corrected) font
    MySetItemHeight();
}

int TStyledListbox::RowValue(int Index) const
{
    if (Index < 0 || Index >= Count())
        return kNoValue;
    if (OnGetStringAndInt) {
        TStringAndIntegerRec rec;
        OnGetStringAndInt(const_cast<TStyledListbox*>(this), Index, rec);
        return rec.I;
    }
    if (d->fShowValues && !IsVirtual())
        return static_cast<std::int32_t>(Items().Objects(Index));
    return kNoValue;
}

namespace {
// "-?[1-9][0-9]*" or "0": the text QString::number gives for its value.
bool IsPlainDecimal(const QString& text)
{
    const qsizetype sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == sign || (text.size() > sign + 1 && text[sign] == QLatin1Char('0')) ||
        (sign && text == QLatin1String("-0")))
        return false;
    return std::all_of(text.begin() + sign, text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// What a row's text shows as: numbers as they are drawn, other texts whole.
// Each text is parsed at most once, and a text whose first character can
// start no number not at all (type-ahead asks this of every row).
QString ShownText(const QString& text)
{
    const auto first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
    if (first == text.end())
        return {};
    if (!CanStartANumber(*first))
        return text;
    int value = 0;
    if (TryStrToInt(text, value)) {
        if (value == kNoValue)
            return {};
        if (value == kNotApplicable)
            return _QZNonApplicable();
        // A number written as it is shown is its own text: no new string.
        return IsPlainDecimal(text) ? text : QString::number(value);
    }
    double d = 0;
    if (TryStrToFloat(text, d))
        return CurrentFormatSettings().Locale.toString(d, 'f', 2);
    return text;
}
} // namespace

QString TStyledListbox::SourceText(int Index) const
{
    if (OnGetStringAndInt) {
        TStringAndIntegerRec rec;
        OnGetStringAndInt(const_cast<TStyledListbox*>(this), Index, rec);
        return rec.S;
    }
    // A virtual list without its row event has rows of empty text, as the
    // unassigned event gives: never the items it does not use.
    return IsVirtual() ? QString() : ItemText(Index);
}

QString TStyledListbox::RowText(int Index) const
{
    if (Index < 0 || Index >= Count())
        return {};
    return ShownText(SourceText(Index));
}

void TStyledListbox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        d->fNotApplicable = QString();
    TCustomListBox::changeEvent(event);
}

bool TStyledListbox::RowStartsWith(int Index, const QString& typed) const
{
    if (Index < 0 || Index >= Count() || typed.isEmpty())
        return false;
    const auto startsWith = [this, &typed](QStringView text) {
        const auto first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
        if (first == text.end())
            return false; // shows nothing
        if (!CanStartANumber(*first))
            return text.startsWith(typed, Qt::CaseInsensitive); // shown whole
        if (first == text.begin() && !NumberRowsMayStartWith(typed.front()))
            return false;
        return ShownText(text.toString()).startsWith(typed, Qt::CaseInsensitive);
    };
    // Stored rows are read where they lie, without a copy each.
    if (!OnGetStringAndInt && !IsVirtual())
        return startsWith(ItemStrings().View(Index));
    return startsWith(SourceText(Index));
}

bool TStyledListbox::NumberRowsMayStartWith(QChar typed) const
{
    const QChar separator = CurrentFormatSettings().DecimalSeparator;
    if (d->fNotApplicable.isNull()) {
        d->fNotApplicable = _QZNonApplicable();
        d->fRuledChar = QChar(); // asked afresh in the new language
    }
    if (typed != d->fRuledChar || separator != d->fRuledSeparator || d->fRuledChar.isNull()) {
        d->fRuledChar = typed;
        d->fRuledSeparator = separator;
        d->fRuledMayStart =
            CanStartANumber(typed) || typed.isSpace() || d->fNotApplicable.startsWith(typed, Qt::CaseInsensitive);
    }
    return d->fRuledMayStart;
}

void TStyledListbox::StandardDrawItem(QWidget*, int Index, TRect Rect, TOwnerDrawState State)
{
    const int count = Count();
    if (Index < 0 || Index >= count)
        return;
    const QString text = SourceText(Index);
    TCanvas& c = Canvas();
    const bool selected = State & odSelected;
    c.Brush = TBrush{selected ? d->fSelectionColour : d->fNormalBack, bsSolid};
    c.Font.Color = selected ? d->fSelectionTextColour : d->fTextColour;
    c.FillRect(Rect);

    // The widest text is measured in full, before any shortening.
    const int width = c.TextWidth(text);
    if (width > d->max_width_of_strings)
        d->max_width_of_strings = width;
    const QString shortened = MinimizeName(text, c, Rect.Right - Rect.Left);
    switch (IsANumber(shortened)) {
    case 0: {
        int value = 0;
        if (TryStrToInt(shortened, value) && value != kNoValue)
            DrawAnInteger(value, Rect);
        break;
    }
    case 1: {
        double value = 0;
        if (TryStrToFloat(shortened, value))
            DrawAFloat(value, Rect);
        break;
    }
    case 3: EllipsisOutputALine(c.Handle(), shortened, Rect, c.TextWidth(shortened)); break;
    default: break;
    }

    // Below the last row, nothing left over from earlier paints may show.
    if (Index == count - 1 && Rect.Bottom < Height()) {
        c.Brush = TBrush{Color(), bsSolid};
        c.Pen = TPen{Color(), 1, psSolid};
        c.Rectangle(Rect.Left, Rect.Bottom, Rect.Right, Height());
    }
}

void TStyledListbox::DrawRightAligned(const QString& text, const TRect& Rect)
{
    TCanvas& c = Canvas();
    // One full stop from the row's trailing edge: the right, or the left in
    // a right-to-left layout.
    const int x = IsRightToLeft(c) ? Rect.Left + c.TextWidth(QStringLiteral("."))
                                   : Rect.Right - c.TextWidth(text + QLatin1Char('.'));
    TextOutW(c.Handle(), x, Rect.Top, text);
}

void TStyledListbox::DrawAnInteger(int value, const TRect& Rect)
{
    if (value == kNoValue)
        return;
    DrawRightAligned(value == kNotApplicable ? _QZNonApplicable() : QString::number(value), Rect);
}

void TStyledListbox::DrawAFloat(double value, const TRect& Rect)
{
    // "%.2n": two decimals with the locale's separators and grouping.
    DrawRightAligned(CurrentFormatSettings().Locale.toString(value, 'f', 2), Rect);
}

TStyledListboxOwnerDrawnFixed::TStyledListboxOwnerDrawnFixed(QWidget* parent)
    : TStyledListbox(parent), d(std::make_unique<TStyledListboxOwnerDrawnFixedPrivate>())
{
    OnMeasureItem = [this](QWidget* control, int index, int& height) { MyMeasureItem(control, index, height); };
    SetStyle(lbOwnerDrawFixed);
}

void TStyledListboxOwnerDrawnFixed::CreateWnd()
{
    TStyledListbox::CreateWnd();
    MySetItemHeight();
}

void TStyledListboxOwnerDrawnFixed::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem)
        OnDrawItem(this, Index, Rect, State);
    else
        StandardDrawItem(this, Index, Rect, State);
}

void TStyledListboxOwnerDrawnFixed::MyMeasureItem(QWidget*, int, int& Height)
{
    Canvas().Font = TFont(font(), Canvas().Font.Color);
    Height = static_cast<int>(std::nearbyint(Canvas().TextHeight(QStringLiteral("Yg")) * 1.2));
}

TTransparentContainingGroup::TTransparentContainingGroup(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
}

TContainBox::TContainBox(QWidget* parent) : QWidget(parent)
{
    // ParentColor: the inherited palette's window colour fills the box.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);
}

TColor TStyledListbox::_SelectedColour() const { return d->fSelectionColour; }

void TStyledListbox::Set_SelectedColour(TColor c) { SetRowColour(d->fSelectionColour, c); }

TColor TStyledListbox::_SelectedTextColour() const { return d->fSelectionTextColour; }

void TStyledListbox::Set_SelectedTextColour(TColor c) { SetRowColour(d->fSelectionTextColour, c); }

TColor TStyledListbox::_BackgroundColour() const { return d->fNormalBack; }

void TStyledListbox::Set_BackgroundColour(TColor c) { SetRowColour(d->fNormalBack, c); }

TColor TStyledListbox::_TextColour() const { return d->fTextColour; }

void TStyledListbox::Set_TextColour(TColor c) { SetRowColour(d->fTextColour, c); }

bool TStyledListbox::Show_Values() const { return d->fShowValues; }

int TStyledListbox::MaxWidthOfStrings() const { return d->max_width_of_strings; }

void TStyledListbox::SetMaxWidthOfStrings(int w) { d->max_width_of_strings = w; }

TStyledListboxOwnerDrawnFixed::~TStyledListboxOwnerDrawnFixed() = default;

} // namespace qz8
