// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Stand-ins for the styled-control set's tree view and list view: Qt's item
// views with the appearance properties the library sets (border, fill and
// header colours, node and selection colours, item height), a header that
// paints its sections in a fill of its own, and the tree view's virtual-node
// walk and node-text event.
#include "../qz8_export.h"
#include "../toolkit/SizeRelevant.h"
#include "../toolkit/Types.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>
#include <memory>

namespace qz8 {

/// A header whose sections are a gradient (Color at the top to ColorTo at the
/// bottom; equal colours give a plain fill) with text in TextColor.
class QZ8_EXPORT TStyledHeaderView : public QHeaderView {
    Q_OBJECT
public:
    /// A header; a parent takes ownership.
    explicit TStyledHeaderView(QWidget* parent = nullptr);
    /// Sets the gradient's top and bottom colours and the text colour, and repaints.
    void SetFill(TColor top, TColor bottom, TColor text);
    /// The gradient's top colour.
    TColor FillTop() const { return fTop; }
    /// The gradient's bottom colour.
    TColor FillBottom() const { return fBottom; }
    /// The sections' text colour.
    TColor TextColor() const { return fText; }

protected:
    /// Paints a section as a gradient with its text.
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    TColor fTop = clBtnFace;
    TColor fBottom = clBtnFace;
    TColor fText = clWindowText;
};

/// Rows of one height (0: the style's).
class QZ8_EXPORT TRowHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// The constructors of QStyledItemDelegate.
    using QStyledItemDelegate::QStyledItemDelegate;
    ///@{
    /// The height of every row in pixels (0: the style's).
    int RowHeight() const { return fHeight; }
    void SetRowHeight(int height) { fHeight = height; }
    ///@}
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    ///@}

private:
    int fHeight = 0;
};

/// The appearance groups of the tree view.
struct QZ8_EXPORT TAdvTreeViewGradient {
    TColor Color = clBtnFace; ///< The top colour.
    TColor ColorTo = clBtnFace; ///< The bottom colour.
};
/// A fill: a plain colour and a gradient.
struct QZ8_EXPORT TAdvTreeViewFill {
    TColor Color = clBtnFace; ///< The plain colour.
    TAdvTreeViewGradient Gradient; ///< The gradient.
};
/// The look of the column headers.
struct QZ8_EXPORT TAdvTreeViewColumnsAppearance {
    TAdvTreeViewFill TopFill; ///< The headers' fill.
    TColor TopFontColor = clWindowText; ///< The headers' text colour.
};
/// The look of the nodes.
struct QZ8_EXPORT TAdvTreeViewNodesAppearance {
    TColor FontColor = clWindowText; ///< The text colour.
    TColor SelectedFontColor = clHighlightText; ///< The text colour of selected nodes.
    TAdvTreeViewFill SelectedFill{clHighlight, {clHighlight, clHighlight}}; ///< The fill of selected nodes.
    TColor StrokeColor = clBtnShadow; ///< the pen of the node lines
};

/// How a node's text is asked for.
enum TAdvTreeViewNodeTextMode : std::uint8_t { tntmDrawing, tntmEditing };

/// A node of the tree: an item of the view. A node is a numbered node when
/// its unnumbered attribute (SetNodeUnnumbered) is zero.
using TAdvTreeViewVirtualNode = QTreeWidgetItem*;
/// Supplies the text of a node's column: the view, the node, the column, what the text is for, and the text to fill in.
using TAdvTreeViewGetNodeTextEvent = std::function<void(QObject* Sender, TAdvTreeViewVirtualNode ANode, int AColumn,
                                                        TAdvTreeViewNodeTextMode AMode, QString& AText)>;

class TAdvTreeViewPrivate;

/// The tree view of the set: nodes in columns, colours and appearance groups of its own, and its nodes walked in tree
/// order.
class QZ8_EXPORT TAdvTreeView : public QTreeWidget {
    Q_OBJECT
    /// The colour of the frame (see BorderColor()).
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor DESIGNABLE false)
    /// The colour of the frame, as a QColor for Designer's property editor (see frameColor()).
    Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
    /// The background colour (see Color()).
    Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
    /// The background colour, as a QColor for Designer's property editor (see backgroundColor()).
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
public:
    /// A tree view; a parent takes ownership.
    explicit TAdvTreeView(QWidget* parent = nullptr);
    ~TAdvTreeView() override;
    ///@{
    /// The background colour: the TColor property Color as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor backgroundColor() const { return ColorPropertyValue(Color(), palette()); }
    void setBackgroundColor(const QColor& color) { SetColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The colour of the frame: the TColor property BorderColor as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor frameColor() const { return ColorPropertyValue(BorderColor(), palette()); }
    void setFrameColor(const QColor& color) { SetBorderColor(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// The colour of the frame.
    TColor BorderColor() const;
    void SetBorderColor(TColor c);
    /// SetBorderColor under the name uic calls.
    void setBorderColor(TColor c) { SetBorderColor(c); }
    ///@}
    ///@{
    /// The background colour.
    TColor Color() const;
    void SetColor(TColor c);
    /// SetColor under the name uic calls.
    void setColor(TColor c) { SetColor(c); }
    ///@}
    ///@{
    /// The view's own pen (its frame lines).
    TColor StrokeColor() const;
    void SetStrokeColor(TColor c);
    ///@}
    ///@{
    /// The look of the column headers (ApplyAppearance shows a change).
    TAdvTreeViewColumnsAppearance& ColumnsAppearance();
    const TAdvTreeViewColumnsAppearance& ColumnsAppearance() const;
    ///@}
    ///@{
    /// The look of the nodes (ApplyAppearance shows a change).
    TAdvTreeViewNodesAppearance& NodesAppearance();
    const TAdvTreeViewNodesAppearance& NodesAppearance() const;
    ///@}
    /// Shows the appearance properties as set.
    void ApplyAppearance();

    /// The column headers' texts, in order.
    QStringList Columns() const;
    /// The number of columns.
    int ColumnCount() const { return columnCount(); }
    /// Every node, parents before their children, in tree order.
    TAdvTreeViewVirtualNode GetFirstRootVirtualNode() const;
    /// The node after node in tree order, nullptr after the last.
    TAdvTreeViewVirtualNode GetNextVirtualNode(TAdvTreeViewVirtualNode node) const;
    /// Sets a node's unnumbered attribute: zero makes it a numbered node.
    static void SetNodeUnnumbered(TAdvTreeViewVirtualNode node, int attribute);
    /// A node's unnumbered attribute (zero for a numbered node).
    static int NodeUnnumbered(TAdvTreeViewVirtualNode node);
    /// True when the node's unnumbered attribute is zero.
    static bool IsNumberedNode(TAdvTreeViewVirtualNode node) { return NodeUnnumbered(node) == 0; }

    /// Supplies node texts to those who ask (an export); the default gives
    /// the item's text of the column.
    TAdvTreeViewGetNodeTextEvent OnGetNodeText;

protected:
    /// The style draws the branch indicators (expand and collapse arrows) in
    /// the nodes' text colour, not in the frame's.
    void initViewItemOption(QStyleOptionViewItem* option) const override;

private:
    std::unique_ptr<TAdvTreeViewPrivate> fTreePart;
};

class TAdvListViewPrivate;

/// The list view: rows of one ItemHeight, and colours of its own.
class QZ8_EXPORT TAdvListView : public QTreeWidget, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    /// The height of every row (see ItemHeight()).
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    /// Kept for code and form files only: Qt's delegate draws the rows either way (see OwnerDraw()).
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw DESIGNABLE false)
    /// Whether the header is drawn by the view (see HeaderOwnerDraw()).
    Q_PROPERTY(bool HeaderOwnerDraw READ HeaderOwnerDraw WRITE SetHeaderOwnerDraw)
    /// The header's colour (see HeaderColor()).
    Q_PROPERTY(int HeaderColor READ HeaderColor WRITE SetHeaderColor DESIGNABLE false)
    /// The header's colour, as a QColor for Designer's property editor (see headerBackgroundColor()).
    Q_PROPERTY(QColor headerBackgroundColor READ headerBackgroundColor WRITE setHeaderBackgroundColor)
    /// The header's text colour (see HeaderFontColor()).
    Q_PROPERTY(int HeaderFontColor READ HeaderFontColor WRITE SetHeaderFontColor DESIGNABLE false)
    /// The header's text colour, as a QColor for Designer's property editor (see headerTextColor()).
    Q_PROPERTY(QColor headerTextColor READ headerTextColor WRITE setHeaderTextColor)
    /// The rows' text colour (see FontColor()).
    Q_PROPERTY(int FontColor READ FontColor WRITE SetFontColor DESIGNABLE false)
    /// The rows' text colour, as a QColor for Designer's property editor (see textColor()).
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    /// The background colour (see Color()).
    Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
    /// The background colour, as a QColor for Designer's property editor (see backgroundColor()).
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    /// The colour of selected rows (see SelectionColor()).
    Q_PROPERTY(int SelectionColor READ SelectionColor WRITE SetSelectionColor DESIGNABLE false)
    /// The colour of selected rows, as a QColor for Designer's property editor (see selectedColor()).
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor)
    /// The text colour of selected rows (see SelectionTextColor()).
    Q_PROPERTY(int SelectionTextColor READ SelectionTextColor WRITE SetSelectionTextColor DESIGNABLE false)
    /// The text colour of selected rows, as a QColor for Designer's property editor (see selectedTextColor()).
    Q_PROPERTY(QColor selectedTextColor READ selectedTextColor WRITE setSelectedTextColor)
public:
    /// A list view; a parent takes ownership.
    explicit TAdvListView(QWidget* parent = nullptr);
    ~TAdvListView() override;
    ///@{
    /// The text colour of selected rows: the TColor property SelectionTextColor as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor selectedTextColor() const { return ColorPropertyValue(SelectionTextColor(), palette()); }
    void setSelectedTextColor(const QColor& color) { SetSelectionTextColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The colour of selected rows: the TColor property SelectionColor as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor selectedColor() const { return ColorPropertyValue(SelectionColor(), palette()); }
    void setSelectedColor(const QColor& color) { SetSelectionColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The background colour: the TColor property Color as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor backgroundColor() const { return ColorPropertyValue(Color(), palette()); }
    void setBackgroundColor(const QColor& color) { SetColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The rows' text colour: the TColor property FontColor as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor textColor() const { return ColorPropertyValue(FontColor(), palette()); }
    void setTextColor(const QColor& color) { SetFontColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The header's text colour: the TColor property HeaderFontColor as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor headerTextColor() const { return ColorPropertyValue(HeaderFontColor(), palette()); }
    void setHeaderTextColor(const QColor& color) { SetHeaderFontColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The header's colour: the TColor property HeaderColor as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor headerBackgroundColor() const { return ColorPropertyValue(HeaderColor(), palette()); }
    void setHeaderBackgroundColor(const QColor& color) { SetHeaderColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The height of every row in pixels (0: the style's); follows the density's image height.
    int ItemHeight() const;
    void SetItemHeight(int height);
    /// SetItemHeight under the name uic calls.
    void setItemHeight(int height) { SetItemHeight(height); }
    ///@}
    void ResizeForImageHeight(TDensityStep& step) override { SetItemHeight(step.ItemHeight()); }

    ///@{
    /// Whether the rows are drawn by the view.
    bool OwnerDraw() const;
    void SetOwnerDraw(bool on);
    /// SetOwnerDraw under the name uic calls.
    void setOwnerDraw(bool on) { SetOwnerDraw(on); }
    ///@}
    ///@{
    /// The header paints in HeaderColor only when it is drawn by the view.
    bool HeaderOwnerDraw() const;
    void SetHeaderOwnerDraw(bool on);
    /// SetHeaderOwnerDraw under the name uic calls.
    void setHeaderOwnerDraw(bool on) { SetHeaderOwnerDraw(on); }
    ///@}
    ///@{
    /// The header's colour (shown when HeaderOwnerDraw is on).
    TColor HeaderColor() const;
    void SetHeaderColor(TColor c);
    /// SetHeaderColor under the name uic calls.
    void setHeaderColor(TColor c) { SetHeaderColor(c); }
    ///@}
    ///@{
    /// The header's text colour.
    TColor HeaderFontColor() const;
    void SetHeaderFontColor(TColor c);
    /// SetHeaderFontColor under the name uic calls.
    void setHeaderFontColor(TColor c) { SetHeaderFontColor(c); }
    ///@}
    ///@{
    /// The rows' text colour.
    TColor FontColor() const;
    void SetFontColor(TColor c);
    /// SetFontColor under the name uic calls.
    void setFontColor(TColor c) { SetFontColor(c); }
    ///@}
    ///@{
    /// The background colour.
    TColor Color() const;
    void SetColor(TColor c);
    /// SetColor under the name uic calls.
    void setColor(TColor c) { SetColor(c); }
    ///@}
    ///@{
    /// The colour of selected rows.
    TColor SelectionColor() const;
    void SetSelectionColor(TColor c);
    /// SetSelectionColor under the name uic calls.
    void setSelectionColor(TColor c) { SetSelectionColor(c); }
    ///@}
    ///@{
    /// The text colour of selected rows.
    TColor SelectionTextColor() const;
    void SetSelectionTextColor(TColor c);
    /// SetSelectionTextColor under the name uic calls.
    void setSelectionTextColor(TColor c) { SetSelectionTextColor(c); }
    ///@}

private:
    std::unique_ptr<TAdvListViewPrivate> fListPart;
    /// Sets an appearance field and shows it.
    template <class T>
    void Apply(T& field, T value);
    void ApplyColours();
};

} // namespace qz8
