// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/TmsViews.h"
#include "toolkit/SizeRelevant.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace qz8 {

// What TAdvListView keeps beside its Qt base, out of its class's layout.
class TAdvListViewPrivate {
public:
    int fItemHeight = 0;
    bool fOwnerDraw = false;
    bool fHeaderOwnerDraw = false;
    TColor fHeaderColor = clBtnFace;
    TColor fHeaderFontColor = clWindowText;
    TColor fFontColor = clWindowText;
    TColor fColor = clWindow;
    TColor fSelectionColor = clHighlight;
    TColor fSelectionTextColor = clHighlightText;
    TStyledHeaderView* fHeader = nullptr; ///< owned by the view
    TRowHeightDelegate* fDelegate = nullptr; ///< owned by the view
};

TAdvListView::~TAdvListView() = default;

int TAdvListView::ItemHeight() const { return fListPart->fItemHeight; }
bool TAdvListView::OwnerDraw() const { return fListPart->fOwnerDraw; }
void TAdvListView::SetOwnerDraw(bool on) { fListPart->fOwnerDraw = on; }
bool TAdvListView::HeaderOwnerDraw() const { return fListPart->fHeaderOwnerDraw; }
TColor TAdvListView::HeaderColor() const { return fListPart->fHeaderColor; }
TColor TAdvListView::HeaderFontColor() const { return fListPart->fHeaderFontColor; }
TColor TAdvListView::FontColor() const { return fListPart->fFontColor; }
TColor TAdvListView::Color() const { return fListPart->fColor; }
TColor TAdvListView::SelectionColor() const { return fListPart->fSelectionColor; }
TColor TAdvListView::SelectionTextColor() const { return fListPart->fSelectionTextColor; }

// What TAdvTreeView keeps beside its Qt base, out of its class's layout.
class TAdvTreeViewPrivate {
public:
    TColor fBorderColor = clBtnShadow;
    TColor fColor = clWindow;
    TColor fStrokeColor = clBtnShadow;
    TAdvTreeViewColumnsAppearance fColumns;
    TAdvTreeViewNodesAppearance fNodes;
    TStyledHeaderView* fHeader = nullptr; ///< owned by the view
};

TAdvTreeView::~TAdvTreeView() = default;

TColor TAdvTreeView::BorderColor() const { return fTreePart->fBorderColor; }
TColor TAdvTreeView::Color() const { return fTreePart->fColor; }
TColor TAdvTreeView::StrokeColor() const { return fTreePart->fStrokeColor; }
void TAdvTreeView::SetStrokeColor(TColor c) { fTreePart->fStrokeColor = c; }
TAdvTreeViewColumnsAppearance& TAdvTreeView::ColumnsAppearance() { return fTreePart->fColumns; }
const TAdvTreeViewColumnsAppearance& TAdvTreeView::ColumnsAppearance() const { return fTreePart->fColumns; }
TAdvTreeViewNodesAppearance& TAdvTreeView::NodesAppearance() { return fTreePart->fNodes; }
const TAdvTreeViewNodesAppearance& TAdvTreeView::NodesAppearance() const { return fTreePart->fNodes; }

namespace {
// The density table's row and the window's collected class of this module.
[[maybe_unused]] const bool registered = [] {
    RegisterDensityRow(TDensityRow::AdvListView, &TAdvListView::staticMetaObject);
    RegisterCollectedClass(13, &TAdvListView::staticMetaObject);
    return true;
}();
// Where a node keeps its unnumbered attribute.
constexpr int kUnnumberedRole = Qt::UserRole + 0x51;
} // namespace

TStyledHeaderView::TStyledHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) { }

void TStyledHeaderView::SetFill(TColor top, TColor bottom, TColor text)
{
    fTop = top;
    fBottom = bottom;
    fText = text;
    viewport()->update();
}

void TStyledHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QColor top = ToQColor(fTop), bottom = ToQColor(fBottom);
    if (top == bottom) {
        painter->fillRect(rect, top);
    } else {
        QLinearGradient g(rect.topLeft(), rect.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        painter->fillRect(rect, g);
    }
    painter->setPen(ToQColor(fText));
    const QString text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    // A line between the sections in the text's colour, faint.
    QColor line = ToQColor(fText);
    line.setAlpha(80);
    painter->setPen(line);
    painter->drawLine(rect.topRight(), rect.bottomRight());
}

QSize TRowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    if (fHeight > 0)
        s.setHeight(fHeight);
    return s;
}

TAdvTreeView::TAdvTreeView(QWidget* parent) : QTreeWidget(parent), fTreePart(std::make_unique<TAdvTreeViewPrivate>())
{
    fTreePart->fHeader = new TStyledHeaderView(this);
    setHeader(fTreePart->fHeader);
    // As QTreeView's own header: the last column fills the view, so a larger
    // font does not cut the texts of a one-column tree.
    fTreePart->fHeader->setStretchLastSection(true);
    setUniformRowHeights(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    ApplyAppearance();
}

void TAdvTreeView::SetBorderColor(TColor c)
{
    fTreePart->fBorderColor = c;
    ApplyAppearance();
}

void TAdvTreeView::SetColor(TColor c)
{
    fTreePart->fColor = c;
    ApplyAppearance();
}

void TAdvTreeView::ApplyAppearance()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(fTreePart->fColor));
    pal.setColor(QPalette::Window, ToQColor(fTreePart->fColor));
    pal.setColor(QPalette::Text, ToQColor(fTreePart->fNodes.FontColor));
    pal.setColor(QPalette::Highlight, ToQColor(fTreePart->fNodes.SelectedFill.Color));
    pal.setColor(QPalette::HighlightedText, ToQColor(fTreePart->fNodes.SelectedFontColor));
    // A plain box frame is drawn in the foreground colour: the border.
    pal.setColor(QPalette::WindowText, ToQColor(fTreePart->fBorderColor));
    pal.setColor(QPalette::Mid, ToQColor(fTreePart->fNodes.StrokeColor));
    setPalette(pal);
    fTreePart->fHeader->SetFill(fTreePart->fColumns.TopFill.Gradient.Color,
                                fTreePart->fColumns.TopFill.Gradient.ColorTo, fTreePart->fColumns.TopFontColor);
    viewport()->update();
    update();
}

void TAdvTreeView::initViewItemOption(QStyleOptionViewItem* option) const
{
    QTreeWidget::initViewItemOption(option);
    // The palette's foreground is the frame's colour (a plain box frame is
    // drawn in it); the arrows are read like the text beside them.
    option->palette.setColor(QPalette::WindowText, option->palette.color(QPalette::Text));
}

QStringList TAdvTreeView::Columns() const
{
    QStringList out;
    const QTreeWidgetItem* h = headerItem();
    for (int c = 0; c < columnCount(); ++c)
        out << (h ? h->text(c) : QString());
    return out;
}

TAdvTreeViewVirtualNode TAdvTreeView::GetFirstRootVirtualNode() const { return topLevelItem(0); }

TAdvTreeViewVirtualNode TAdvTreeView::GetNextVirtualNode(TAdvTreeViewVirtualNode node) const
{
    if (!node)
        return nullptr;
    if (node->childCount() > 0)
        return node->child(0);
    // Up until a parent has a next sibling.
    for (QTreeWidgetItem* n = node; n;) {
        QTreeWidgetItem* parent = n->parent();
        const int index = parent ? parent->indexOfChild(n) : indexOfTopLevelItem(n);
        const int siblings = parent ? parent->childCount() : topLevelItemCount();
        if (index >= 0 && index + 1 < siblings)
            return parent ? parent->child(index + 1) : topLevelItem(index + 1);
        n = parent;
    }
    return nullptr;
}

void TAdvTreeView::SetNodeUnnumbered(TAdvTreeViewVirtualNode node, int attribute)
{
    if (node)
        node->setData(0, kUnnumberedRole, attribute);
}

int TAdvTreeView::NodeUnnumbered(TAdvTreeViewVirtualNode node)
{
    return node ? node->data(0, kUnnumberedRole).toInt() : 0;
}

TAdvListView::TAdvListView(QWidget* parent) : QTreeWidget(parent), fListPart(std::make_unique<TAdvListViewPrivate>())
{
    fListPart->fHeader = new TStyledHeaderView(this);
    fListPart->fDelegate = new TRowHeightDelegate(this);
    setHeader(fListPart->fHeader);
    setItemDelegate(fListPart->fDelegate);
    setUniformRowHeights(true);
    setRootIsDecorated(false);
    ApplyColours();
}

void TAdvListView::SetItemHeight(int height)
{
    fListPart->fItemHeight = std::clamp(height, 1, 1000);
    fListPart->fDelegate->SetRowHeight(fListPart->fItemHeight);
    // Uniform rows are measured once: a new height needs a new layout.
    doItemsLayout();
}

void TAdvListView::SetHeaderOwnerDraw(bool on) { Apply(fListPart->fHeaderOwnerDraw, on); }

void TAdvListView::SetHeaderColor(TColor c) { Apply(fListPart->fHeaderColor, c); }

void TAdvListView::SetHeaderFontColor(TColor c) { Apply(fListPart->fHeaderFontColor, c); }

void TAdvListView::SetFontColor(TColor c) { Apply(fListPart->fFontColor, c); }

void TAdvListView::SetColor(TColor c) { Apply(fListPart->fColor, c); }

void TAdvListView::SetSelectionColor(TColor c) { Apply(fListPart->fSelectionColor, c); }

void TAdvListView::SetSelectionTextColor(TColor c) { Apply(fListPart->fSelectionTextColor, c); }

template <class T>
void TAdvListView::Apply(T& field, T value)
{
    field = value;
    ApplyColours();
}

void TAdvListView::ApplyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(fListPart->fColor));
    pal.setColor(QPalette::Text, ToQColor(fListPart->fFontColor));
    pal.setColor(QPalette::Highlight, ToQColor(fListPart->fSelectionColor));
    pal.setColor(QPalette::HighlightedText, ToQColor(fListPart->fSelectionTextColor));
    setPalette(pal);
    if (fListPart->fHeaderOwnerDraw)
        fListPart->fHeader->SetFill(fListPart->fHeaderColor, fListPart->fHeaderColor, fListPart->fHeaderFontColor);
    else
        fListPart->fHeader->SetFill(clBtnFace, clBtnFace, clWindowText);
    viewport()->update();
}

} // namespace qz8
