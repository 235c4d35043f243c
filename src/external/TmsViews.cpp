// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/TmsViews.h"
#include "toolkit/SizeRelevant.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace qz8 {

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

TAdvTreeView::TAdvTreeView(QWidget* parent) : QTreeWidget(parent), fHeader(new TStyledHeaderView(this))
{
    setHeader(fHeader);
    // As QTreeView's own header: the last column fills the view, so a larger
    // font does not cut the texts of a one-column tree.
    fHeader->setStretchLastSection(true);
    setUniformRowHeights(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    ApplyAppearance();
}

void TAdvTreeView::SetBorderColor(TColor c)
{
    fBorderColor = c;
    ApplyAppearance();
}

void TAdvTreeView::SetColor(TColor c)
{
    fColor = c;
    ApplyAppearance();
}

void TAdvTreeView::ApplyAppearance()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(fColor));
    pal.setColor(QPalette::Window, ToQColor(fColor));
    pal.setColor(QPalette::Text, ToQColor(fNodes.FontColor));
    pal.setColor(QPalette::Highlight, ToQColor(fNodes.SelectedFill.Color));
    pal.setColor(QPalette::HighlightedText, ToQColor(fNodes.SelectedFontColor));
    // A plain box frame is drawn in the foreground colour: the border.
    pal.setColor(QPalette::WindowText, ToQColor(fBorderColor));
    pal.setColor(QPalette::Mid, ToQColor(fNodes.StrokeColor));
    setPalette(pal);
    fHeader->SetFill(fColumns.TopFill.Gradient.Color, fColumns.TopFill.Gradient.ColorTo, fColumns.TopFontColor);
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

TAdvListView::TAdvListView(QWidget* parent)
    : QTreeWidget(parent), fHeader(new TStyledHeaderView(this)), fDelegate(new TRowHeightDelegate(this))
{
    setHeader(fHeader);
    setItemDelegate(fDelegate);
    setUniformRowHeights(true);
    setRootIsDecorated(false);
    ApplyColours();
}

void TAdvListView::SetItemHeight(int height)
{
    fItemHeight = std::clamp(height, 1, 1000);
    fDelegate->SetRowHeight(fItemHeight);
    // Uniform rows are measured once: a new height needs a new layout.
    doItemsLayout();
}

void TAdvListView::SetHeaderOwnerDraw(bool on) { Apply(fHeaderOwnerDraw, on); }

void TAdvListView::SetHeaderColor(TColor c) { Apply(fHeaderColor, c); }

void TAdvListView::SetHeaderFontColor(TColor c) { Apply(fHeaderFontColor, c); }

void TAdvListView::SetFontColor(TColor c) { Apply(fFontColor, c); }

void TAdvListView::SetColor(TColor c) { Apply(fColor, c); }

void TAdvListView::SetSelectionColor(TColor c) { Apply(fSelectionColor, c); }

void TAdvListView::SetSelectionTextColor(TColor c) { Apply(fSelectionTextColor, c); }

template <class T>
void TAdvListView::Apply(T& field, T value)
{
    field = value;
    ApplyColours();
}

void TAdvListView::ApplyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(fColor));
    pal.setColor(QPalette::Text, ToQColor(fFontColor));
    pal.setColor(QPalette::Highlight, ToQColor(fSelectionColor));
    pal.setColor(QPalette::HighlightedText, ToQColor(fSelectionTextColor));
    setPalette(pal);
    if (fHeaderOwnerDraw)
        fHeader->SetFill(fHeaderColor, fHeaderColor, fHeaderFontColor);
    else
        fHeader->SetFill(clBtnFace, clBtnFace, clWindowText);
    viewport()->update();
}

} // namespace qz8
