#pragma once
// Stand-ins for the styled-control set's tree view and list view: Qt's item
// views with the appearance properties the library sets (border, fill and
// header colours, node and selection colours, item height), a header that
// paints its sections in a fill of its own, and the tree view's virtual-node
// walk and node-text event.
#include "../platform/SizeRelevant.h"
#include "../platform/Types.h"
#include "../qz8_export.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>

namespace qz8 {

/// A header whose sections are a gradient (Color at the top to ColorTo at the
/// bottom; equal colours give a plain fill) with text in TextColor.
class QZ8_EXPORT TStyledHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit TStyledHeaderView(QWidget* parent = nullptr);
    void SetFill(TColor top, TColor bottom, TColor text);
    TColor FillTop() const { return fTop; }
    TColor FillBottom() const { return fBottom; }
    TColor TextColor() const { return fText; }

protected:
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
    using QStyledItemDelegate::QStyledItemDelegate;
    int RowHeight() const { return fHeight; }
    void SetRowHeight(int height) { fHeight = height; }
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    ///@}

private:
    int fHeight = 0;
};

/// The appearance groups of the tree view.
struct QZ8_EXPORT TAdvTreeViewGradient {
    TColor Color = clBtnFace;
    TColor ColorTo = clBtnFace;
};
struct QZ8_EXPORT TAdvTreeViewFill {
    TColor Color = clBtnFace;
    TAdvTreeViewGradient Gradient;
};
struct QZ8_EXPORT TAdvTreeViewColumnsAppearance {
    TAdvTreeViewFill TopFill;
    TColor TopFontColor = clWindowText;
};
struct QZ8_EXPORT TAdvTreeViewNodesAppearance {
    TColor FontColor = clWindowText;
    TColor SelectedFontColor = clHighlightText;
    TAdvTreeViewFill SelectedFill{clHighlight, {clHighlight, clHighlight}};
    TColor StrokeColor = clBtnShadow; ///< the pen of the node lines
};

/// How a node's text is asked for.
enum TAdvTreeViewNodeTextMode : std::uint8_t { tntmDrawing, tntmEditing };

/// A node of the tree: an item of the view. A node is a numbered node when
/// its unnumbered attribute (SetNodeUnnumbered) is zero.
using TAdvTreeViewVirtualNode = QTreeWidgetItem*;
using TAdvTreeViewGetNodeTextEvent = std::function<void(QObject* Sender, TAdvTreeViewVirtualNode ANode, int AColumn,
                                                        TAdvTreeViewNodeTextMode AMode, QString& AText)>;

class QZ8_EXPORT TAdvTreeView : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
public:
    explicit TAdvTreeView(QWidget* parent = nullptr);

    TColor BorderColor() const { return fBorderColor; }
    void SetBorderColor(TColor c);
    TColor Color() const { return fColor; }
    void SetColor(TColor c);
    ///@{
    /// The view's own pen (its frame lines).
    TColor StrokeColor() const { return fStrokeColor; }
    void SetStrokeColor(TColor c) { fStrokeColor = c; }
    ///@}
    TAdvTreeViewColumnsAppearance& ColumnsAppearance() { return fColumns; }
    const TAdvTreeViewColumnsAppearance& ColumnsAppearance() const { return fColumns; }
    TAdvTreeViewNodesAppearance& NodesAppearance() { return fNodes; }
    const TAdvTreeViewNodesAppearance& NodesAppearance() const { return fNodes; }
    /// Shows the appearance properties as set.
    void ApplyAppearance();

    /// The column headers' texts, in order.
    QStringList Columns() const;
    int ColumnCount() const { return columnCount(); }
    /// Every node, parents before their children, in tree order.
    TAdvTreeViewVirtualNode GetFirstRootVirtualNode() const;
    TAdvTreeViewVirtualNode GetNextVirtualNode(TAdvTreeViewVirtualNode node) const;
    static void SetNodeUnnumbered(TAdvTreeViewVirtualNode node, int attribute);
    static int NodeUnnumbered(TAdvTreeViewVirtualNode node);
    static bool IsNumberedNode(TAdvTreeViewVirtualNode node) { return NodeUnnumbered(node) == 0; }

    /// Supplies node texts to those who ask (an export); the default gives
    /// the item's text of the column.
    TAdvTreeViewGetNodeTextEvent OnGetNodeText;

private:
    TColor fBorderColor = clBtnShadow;
    TColor fColor = clWindow;
    TColor fStrokeColor = clBtnShadow;
    TAdvTreeViewColumnsAppearance fColumns;
    TAdvTreeViewNodesAppearance fNodes;
    TStyledHeaderView* fHeader; ///< owned by the view
};

/// The list view: rows of one ItemHeight, and colours of its own.
class QZ8_EXPORT TAdvListView : public QTreeWidget, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(bool HeaderOwnerDraw READ HeaderOwnerDraw WRITE SetHeaderOwnerDraw)
    Q_PROPERTY(int HeaderColor READ HeaderColor WRITE SetHeaderColor)
    Q_PROPERTY(int HeaderFontColor READ HeaderFontColor WRITE SetHeaderFontColor)
    Q_PROPERTY(int FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int SelectionColor READ SelectionColor WRITE SetSelectionColor)
    Q_PROPERTY(int SelectionTextColor READ SelectionTextColor WRITE SetSelectionTextColor)
public:
    explicit TAdvListView(QWidget* parent = nullptr);
    int ItemHeight() const { return fItemHeight; }
    void SetItemHeight(int height);
    void ResizeForImageHeight(TDensityStep& step) override { SetItemHeight(step.ItemHeight()); }

    bool OwnerDraw() const { return fOwnerDraw; }
    void SetOwnerDraw(bool on) { fOwnerDraw = on; }
    ///@{
    /// The header paints in HeaderColor only when it is drawn by the view.
    bool HeaderOwnerDraw() const { return fHeaderOwnerDraw; }
    void SetHeaderOwnerDraw(bool on);
    ///@}
    TColor HeaderColor() const { return fHeaderColor; }
    void SetHeaderColor(TColor c);
    TColor HeaderFontColor() const { return fHeaderFontColor; }
    void SetHeaderFontColor(TColor c);
    TColor FontColor() const { return fFontColor; }
    void SetFontColor(TColor c);
    TColor Color() const { return fColor; }
    void SetColor(TColor c);
    TColor SelectionColor() const { return fSelectionColor; }
    void SetSelectionColor(TColor c);
    TColor SelectionTextColor() const { return fSelectionTextColor; }
    void SetSelectionTextColor(TColor c);

private:
    /// Sets an appearance field and shows it.
    template <class T>
    void Apply(T& field, T value);
    void ApplyColours();
    int fItemHeight = 0;
    bool fOwnerDraw = false;
    bool fHeaderOwnerDraw = false;
    TColor fHeaderColor = clBtnFace;
    TColor fHeaderFontColor = clWindowText;
    TColor fFontColor = clWindowText;
    TColor fColor = clWindow;
    TColor fSelectionColor = clHighlight;
    TColor fSelectionTextColor = clHighlightText;
    TStyledHeaderView* fHeader; ///< owned by the view
    TRowHeightDelegate* fDelegate; ///< owned by the view
};

} // namespace qz8
