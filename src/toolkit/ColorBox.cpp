// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/ColorBox.h"
#include "toolkit/QtBoundary_p.h"
#include <algorithm>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QtMath>

namespace qz8 {

// What a colour box keeps beside its Qt base, out of its class's layout.
class TCustomColorBoxPrivate {
public:
    explicit TCustomColorBoxPrivate(TCustomColorBox* box) : fItems(box), fCanvas(box) { }
    TComboBoxStrings fItems;
    TCanvas fCanvas;
    int fItemHeight = 16;
    mutable int fLongestName = -1;
    unsigned fStyle = cbStandardColors;
    TWindowCreation fWindow;
};

class TColorBoxDelegate : public QStyledItemDelegate {
public:
    explicit TColorBoxDelegate(TCustomColorBox* box) : QStyledItemDelegate(box), fBox(box) { }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TOwnerDrawState state = 0;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            state |= odFocused;
        TCanvas& c = fBox->fBoxPart->fCanvas;
        c.Attach(painter);
        c.SetPalette(fBox->palette());
        c.Font = TFont(fBox->font(), clWindowText);
        c.Pen = TPen{};
        fBox->PrepareRow(state);
        fBox->DrawItem(index.row(), TRect::FromQRect(option.rect), state);
        c.Detach();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // In 64 bits: any item height gives a size in range.
        const qint64 w = qint64{QStyledItemDelegate::sizeHint(option, index).width()} + fBox->fBoxPart->fItemHeight + 8;
        return QSize(static_cast<int>(std::min<qint64>(w, QWIDGETSIZE_MAX)), fBox->fBoxPart->fItemHeight);
    }

private:
    TCustomColorBox* fBox;
};

namespace {

// What a colour box shows in words: the current row's text, or for a row
// that is only painted (its text blank) the words it carries for assistive
// technology.
QString ShownInWords(const QComboBox* box)
{
    const int i = box->currentIndex();
    if (i < 0)
        return QString();
    const QString text = box->itemText(i);
    return text.trimmed().isEmpty() ? box->itemData(i, Qt::AccessibleTextRole).toString() : text;
}

// A colour box as assistive technology reads a combo box: its value is the
// colour shown, in words, and so is its name where Qt names a combo box by
// its value (Linux, whose screen readers take the label from the relation),
// else by the name the program gave; its one child is the popup list.
class ColorBoxAccessible : public QAccessibleWidget {
public:
    explicit ColorBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) { }
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return ShownInWords(Box());
#ifdef Q_OS_UNIX
        // With no colour shown, the name the program gave.
        if (t == QAccessible::Name) {
            const QString shown = ShownInWords(Box());
            if (!shown.isEmpty())
                return shown;
        }
#endif
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == Box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* ColorBoxAccessibleFactory(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TCustomColorBox*>(object))
        return new ColorBoxAccessible(box);
    return nullptr;
}

const bool installed = [] {
    QAccessible::installFactory(ColorBoxAccessibleFactory);
    return true;
}();

} // namespace

TCustomColorBox::TCustomColorBox(QWidget* parent)
    : QComboBox(parent), fBoxPart(std::make_unique<TCustomColorBoxPrivate>(this))
{
    setItemDelegate(new TColorBoxDelegate(this));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        // The colour reached, in words (Qt's own announcement carries the
        // row's text, a blank for a painted row).
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent changed(this, ShownInWords(this));
            QAccessible::updateAccessibility(&changed);
        }
        Q_EMIT itemIndexChanged(index);
        Q_EMIT selectedChanged(Selected());
    });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model(), signal, this, &TCustomColorBox::InvalidateRowNames);
    connect(model(), &QAbstractItemModel::modelReset, this, &TCustomColorBox::InvalidateRowNames);
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    InvalidateRowNames();
            });
}

void TCustomColorBox::InvalidateRowNames()
{
    fBoxPart->fLongestName = -1;
    updateGeometry();
}

void TCustomColorBox::initStyleOption(QStyleOptionComboBox* option) const
{
    QComboBox::initStyleOption(option);
    option->rect = BoxRect();
}

QSize TCustomColorBox::sizeHint() const
{
    // As QComboBox measures its texts: the longest name (or the placeholder),
    // here after a swatch as high as the row, then the style's frame and arrow.
    const QFontMetrics fm = fontMetrics();
    if (fBoxPart->fLongestName < 0) {
        fBoxPart->fLongestName = 0;
        for (int i = 0; i < count(); ++i)
            fBoxPart->fLongestName = std::max(fBoxPart->fLongestName, fm.horizontalAdvance(RowName(i)));
    }
    const int text = std::max(fBoxPart->fLongestName, fm.horizontalAdvance(placeholderText()));
    const int high = std::max({qCeil(QFontMetricsF(fm).height()), 14, std::min(fBoxPart->fItemHeight, 1000)}) + 2;
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(high + 6 + text, high), this);
}

QSize TCustomColorBox::minimumSizeHint() const { return sizeHint(); }

TCustomColorBox::~TCustomColorBox() = default;

TStrings& TCustomColorBox::Items() { return fBoxPart->fItems; }
int TCustomColorBox::ItemHeight() const { return fBoxPart->fItemHeight; }
TCanvas& TCustomColorBox::Canvas() { return fBoxPart->fCanvas; }
unsigned TCustomColorBox::ColorBoxStyle() const { return fBoxPart->fStyle; }

TColor TCustomColorBox::Colors(int index) const
{
    if (index < 0 || index >= count())
        return clBlack;
    return static_cast<TColor>(itemData(index).toLongLong());
}

QString TCustomColorBox::ColorNames(int index) const
{
    return index >= 0 && index < count() ? itemText(index) : QString();
}

void TCustomColorBox::AddColor(const QString& name, TColor color) { fBoxPart->fItems.AddObject(name, color); }

TColor TCustomColorBox::Selected() const { return Colors(currentIndex()); }

void TCustomColorBox::SetSelected(TColor color)
{
    for (int i = 0; i < count(); ++i) {
        if (Colors(i) == color) {
            setCurrentIndex(i);
            return;
        }
    }
}

void TCustomColorBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

void TCustomColorBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    fBoxPart->fItemHeight = height;
    if (view())
        view()->doItemsLayout();
    InvalidateRowNames();
    update();
}

void TCustomColorBox::PrepareRow(TOwnerDrawState State)
{
    const bool sel = State & odSelected;
    fBoxPart->fCanvas.Brush = TBrush{sel ? clHighlight : clWindow, bsSolid};
    fBoxPart->fCanvas.Font.Color = sel ? clHighlightText : clWindowText;
}

void TCustomColorBox::SetColorBoxStyle(unsigned style)
{
    fBoxPart->fStyle = style;
    PopulateList();
}

void TCustomColorBox::PopulateList()
{
    if ((fBoxPart->fStyle & cbCustomColors) && OnGetColors) {
        const int keep = currentIndex();
        fBoxPart->fItems.BeginUpdate();
        OnGetColors(this, fBoxPart->fItems);
        fBoxPart->fItems.EndUpdate();
        setCurrentIndex(keep < count() ? keep : -1);
    }
}

bool TCustomColorBox::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fBoxPart->fLongestName = -1;
    fBoxPart->fWindow.Before(event);
    const bool result = QComboBox::event(event);
    if (fBoxPart->fWindow.After(event))
        AtQtBoundary("TCustomColorBox::CreateWnd", [&] { CreateWnd(); });
    return result;
}

void TCustomColorBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    const bool sel = State & odSelected;
    fBoxPart->fCanvas.FillRect(Rect);
    if (Index < 0 || Index >= count())
        return;
    // Swatch, then name, from the row's leading edge: mirrored in a
    // right-to-left layout.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int side = std::max(1, Rect.Height() - 4);
    const TRect swatch = Bounds(Rect.Left + 2, Rect.Top + 2, side, side);
    fBoxPart->fCanvas.Brush.Color = Colors(Index);
    fBoxPart->fCanvas.Pen = TPen{clBlack, 1, psSolid};
    fBoxPart->fCanvas.Rectangle(rtl ? swatch.MirroredIn(Rect) : swatch);
    fBoxPart->fCanvas.Brush.Style = bsClear;
    fBoxPart->fCanvas.Font.Color = sel ? clHighlightText : clWindowText;
    const QString name = ColorNames(Index);
    const int top = Rect.Top + (Rect.Height() - fBoxPart->fCanvas.TextHeight(QStringLiteral("Yg"))) / 2;
    const int x = rtl ? Rect.Right - side - 6 - fBoxPart->fCanvas.TextWidth(name) : Rect.Left + side + 6;
    fBoxPart->fCanvas.TextOut(x, top, name);
}

void TCustomColorBox::paintEvent(QPaintEvent*)
{
    AtQtBoundary("TCustomColorBox::paintEvent", [&] {
        QStylePainter painter(this);
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        opt.currentText.clear();
        opt.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, opt);
        const QRect edit = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        fBoxPart->fCanvas.Attach(&painter);
        fBoxPart->fCanvas.SetPalette(palette());
        fBoxPart->fCanvas.Font = TFont(font(), clWindowText);
        const TOwnerDrawState state = odComboBoxEdit | (hasFocus() ? odFocused : 0u);
        PrepareRow(state);
        DrawItem(currentIndex(), TRect::FromQRect(edit), state);
        fBoxPart->fCanvas.Detach();
        // No colour chosen: the placeholder, as QComboBox shows it.
        if (currentIndex() < 0 && !placeholderText().isEmpty()) {
            opt.currentText = placeholderText();
            opt.palette.setBrush(QPalette::ButtonText, opt.palette.placeholderText());
            painter.setPen(opt.palette.placeholderText().color());
            painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
        }
    });
}

} // namespace qz8
