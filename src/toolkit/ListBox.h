// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The owner-drawn list box of the platform: a control of its own on
// QAbstractScrollArea. Rows are a count plus, unless the list is virtual,
// Items (strings with an integer object each). Every visible row is handed to
// the virtual DrawItem(Index, Rect, State) with a canvas on the viewport, and
// only visible rows cost anything: a virtual list stores nothing per row.
#include "../qz8_export.h"
#include "../store/Strings.h"
#include "Canvas.h"
#include "SizeRelevant.h"
#include "Types.h"

#include <QAbstractScrollArea>
#include <functional>
#include <memory>

namespace qz8 {

/// The state bits of a row being painted, as DrawItem and OnDrawItem get them.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 0x1, ///< The row is selected.
    odGrayed = 0x2, ///< The row is greyed.
    odDisabled = 0x4, ///< The control is disabled.
    odChecked = 0x8, ///< The row is checked.
    odFocused = 0x10, ///< The row is the current row and the control has the focus.
    odDefault = 0x20, ///< The row is the default one.
    odComboBoxEdit = 0x1000 ///< The row is painted in a combo box's edit part.
};
/// A combination of TOwnerDrawStateFlag bits.
using TOwnerDrawState = unsigned;

class TCustomListBox;
class TCustomListBoxPrivate;

/// Tracks a control's native window: it comes into being at the first show
/// and again after a change of parent. Call Before and After around the base
/// class's event handler; After answers true when CreateWnd is due.
struct QZ8_EXPORT TWindowCreation {
    bool created = false; ///< True once the native window exists.
    /// Call before the base class handles the event.
    void Before(const QEvent* event);
    /// Call after the base class handled the event; true when CreateWnd is due.
    bool After(const QEvent* event);
};

/// The item list of a list box: tells the list box about every change.
class QZ8_EXPORT TListBoxStrings : public TStringList {
public:
    /// An item list reporting to its list box.
    explicit TListBoxStrings(TCustomListBox* owner) : fOwner(owner) { }
    ///@{
    /// The hidden per-row mark (a check list box's check marks).
    using TStringList::Mark;
    using TStringList::SetMark;
    ///@}

protected:
    void DoChange() override;

private:
    TCustomListBox* fOwner; ///< The list box told about changes.
};

/// The owner-drawn list box: a control of its own on QAbstractScrollArea. Rows are a count plus, unless the list is
/// virtual, Items (strings with an integer object each). Every visible row is handed to the virtual DrawItem(Index,
/// Rect, State) with a canvas on the viewport; only visible rows cost anything, and a virtual list stores nothing per
/// row. Selections are kept as ranges.
class QZ8_EXPORT TCustomListBox : public QAbstractScrollArea {
    Q_OBJECT
    /// The current row, -1 for none (see ItemIndex()).
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged USER true)
    /// The height of every row in pixels (see ItemHeight()).
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    /// The number of rows (see Count()). Set from code for a virtual list,
    /// whose rows come from code; not offered in Designer, where a plain
    /// list's count is its items' and Qt cannot offer it for one style only.
    Q_PROPERTY(int Count READ Count WRITE SetCount NOTIFY countChanged DESIGNABLE false)
    /// The first row shown (see TopIndex()).
    Q_PROPERTY(int TopIndex READ TopIndex WRITE SetTopIndex NOTIFY topIndexChanged)
    /// Whether several rows can be selected (see MultiSelect()).
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    /// Whether Shift and Ctrl extend a multiple selection (see ExtendedSelect()).
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    /// The background colour, a TColor (see Color()).
    Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
    /// The background colour, as a QColor for Designer's property editor (see backgroundColor()).
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    /// How rows are kept and painted (see Style()).
    Q_PROPERTY(TListBoxStyle Style READ Style WRITE SetStyle)
public:
    /// How rows are kept and painted.
    enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
    Q_ENUM(TListBoxStyle)

    /// A list box; a parent takes ownership.
    explicit TCustomListBox(QWidget* parent = nullptr);
    ~TCustomListBox() override;
    ///@{
    /// The background colour: the TColor property Color as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor backgroundColor() const { return ColorPropertyValue(Color(), palette()); }
    void setBackgroundColor(const QColor& color) { SetColor(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// The strings of the rows (unused in the virtual styles).
    TStrings& Items();
    const TStrings& Items() const;
    ///@}
    ///@{
    /// Rows: the virtual count in the virtual styles, else the item count.
    int Count() const;
    void SetCount(int count);
    /// SetCount under the name uic calls.
    void setCount(int count) { SetCount(count); }
    ///@}
    ///@{
    /// The current row, -1 for none. Setting it makes that row current and scrolls it into view; on a single-select
    /// list it becomes the one selected row, on a multi-select list the selection stays as it was. A row that does
    /// not exist yet (a form file may set ItemIndex before Count) is kept and taken when it comes.
    int ItemIndex() const;
    void SetItemIndex(int index);
    /// SetItemIndex under the name uic calls.
    void setItemIndex(int index) { SetItemIndex(index); }
    ///@}
    ///@{
    /// The height of every row in pixels. Until a tool sets one (SetItemHeight), rows are at least as high as the
    /// font's line and follow every change of the font (its own, the application's, a density correction), as Qt's
    /// lists do; a height the tool set is kept whatever the font (ItemHeightSet() tells the two apart).
    int ItemHeight() const;
    void SetItemHeight(int height);
    /// True once a tool set the row height (SetItemHeight).
    bool ItemHeightSet() const;
    /// SetItemHeight under the name uic calls.
    void setItemHeight(int height) { SetItemHeight(height); }
    ///@}
    /// ItemHeight from a density step's image height, and the parent's font.
    void TakeImageItemHeight(const TDensityStep& step);

protected:
    /// A row height the list derives itself (from its font or its images):
    /// the least height of its rows, which still follow the font.
    void SetNaturalItemHeight(int height);

public:
    ///@{
    /// The first row shown; kept for when the rows come, as ItemIndex.
    int TopIndex() const;
    void SetTopIndex(int index);
    /// SetTopIndex under the name uic calls.
    void setTopIndex(int index) { SetTopIndex(index); }
    ///@}
    ///@{
    /// Whether several rows can be selected at once.
    bool MultiSelect() const;
    void SetMultiSelect(bool on);
    /// SetMultiSelect under the name uic calls.
    void setMultiSelect(bool on) { SetMultiSelect(on); }
    ///@}
    ///@{
    /// Whether Shift extends and Ctrl toggles the selection of a multi-select list (true by default).
    bool ExtendedSelect() const;
    void SetExtendedSelect(bool on);
    /// SetExtendedSelect under the name uic calls.
    void setExtendedSelect(bool on) { SetExtendedSelect(on); }
    ///@}
    ///@{
    /// The background colour of the rows.
    TColor Color() const;
    void SetColor(TColor color);
    /// SetColor under the name uic calls.
    void setColor(TColor color) { SetColor(color); }
    ///@}
    ///@{
    /// How rows are kept and painted: standard, owner-drawn (fixed or variable height), or virtual (rows from OnData,
    /// nothing stored).
    TListBoxStyle Style() const;
    void SetStyle(TListBoxStyle style);
    /// SetStyle under the name uic calls.
    void setStyle(TListBoxStyle style) { SetStyle(style); }
    /// QWidget's setStyle(QStyle*) stays callable beside it.
    using QWidget::setStyle;
    ///@}
    /// True in the virtual styles.
    bool IsVirtual() const;
    /// True in the owner-drawn styles (DrawItem hands rows to OnDrawItem).
    bool IsOwnerDraw() const;

    ///@{
    /// Whether a row is selected.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    ///@}
    /// The first selected row at or after from, -1 when none is: walks the
    /// selection of a list of millions of rows without asking every row.
    int NextSelected(int from) const;
    /// The number of selected rows of a multi-select list; -1 for a
    /// single-select list (use ItemIndex there), as the platform's list box
    /// answers.
    int SelCount() const;
    /// Unselects every row (one selectionChanged).
    void ClearSelection();
    /// Selects every row of a multi-select list (Ctrl+A does it too): one
    /// range whatever the number of rows. Nothing for a single-select list.
    void SelectAll();
    /// Removes every row (and the selection).
    void Clear();
    /// The row's rectangle in viewport coordinates (empty when not shown).
    TRect ItemRect(int index) const;
    /// The row at a viewport point; -1 (or Count when !existing) below the rows.
    int ItemAtPos(TPoint pos, bool existing) const;
    /// The height of the area rows are painted in (the viewport's, without
    /// frame and scroll bars), in pixels: the bottom that rows are compared
    /// with.
    int Height() const { return viewport()->height(); }
    /// The canvas rows are painted on; outside painting it measures only.
    TCanvas& Canvas();
    /// How many whole rows fit in Height(), at least 1.
    int VisibleRowCount() const;

    /// Paints one row. The default hands it to OnDrawItem in the owner-draw
    /// styles and otherwise draws the standard row.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    /// Paints a row as the standard style does: background, selection and its shown text.
    void DrawStandardItem(int Index, const TRect& Rect, TOwnerDrawState State);
    /// The text of a row: Items, or OnData for a virtual list.
    QString ItemText(int index) const;
    /// The text a row shows, as painted (a descendant's painter may show
    /// another text than ItemText); type-ahead, tool tips and assistive
    /// technology read it.
    virtual QString RowText(int index) const { return ItemText(index); }
    /// Whether a row's shown text starts with what was typed (in any case);
    /// a descendant that knows its rows' shapes may answer without making
    /// the shown text.
    virtual bool RowStartsWith(int index, const QString& typed) const
    {
        return RowText(index).startsWith(typed, Qt::CaseInsensitive);
    }
    /// Moves to the next row whose shown text starts with what was typed
    /// within the keyboard-search interval (QAbstractItemView's rule); each
    /// row is looked at once at the most. The row found, or -1.
    int KeyboardSearch(const QString& typed);
    /// -1 for a row without a check box, else whether it is checked.
    virtual int RowCheckState(int index) const
    {
        Q_UNUSED(index);
        return -1;
    }

    /// Paints a row of the owner-drawn styles (on Canvas()).
    std::function<void(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State)> OnDrawItem;
    /// Gives the height of a row of lbOwnerDrawVariable.
    std::function<void(QWidget* Control, int Index, int& Height)> OnMeasureItem;
    /// Gives the text of a row of a virtual list.
    std::function<void(QWidget* Control, int Index, QString& Data)> OnData;
    /// Called when the user makes a row current by mouse or keyboard.
    std::function<void(QObject* Sender)> OnClick;

    /// Called by the item list after each change.
    void ItemsChanged() { RowsChanged(false); }

Q_SIGNALS:
    /// The current row changed (by the user or through SetItemIndex).
    void itemIndexChanged(int index);
    /// The number of rows changed.
    void countChanged(int count);
    /// The first row shown changed (scrolling, or SetTopIndex).
    void topIndexChanged(int index);
    /// The selection changed as a whole (SelectAll, ClearSelection).
    void selectionChanged();

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QSize sizeHint() const override;
    ///@}
    /// Runs when the control's native window comes into being: at its first
    /// show, and again after it was re-created by a change of parent.
    virtual void CreateWnd() { }
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    ///@}
    /// True when the row's shown text does not fit its rectangle (its tool
    /// tip then shows it whole).
    virtual bool RowIsShortened(int index, const TRect& rect);
    /// A mouse press on a row; a check list box uses it for its boxes.
    virtual void RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods);
    /// Space on the current row; a check list box flips its box.
    virtual void SpacePressed();
    /// The height of a row (OnMeasureItem's answer in lbOwnerDrawVariable).
    int RowHeight(int index) const;
    ///@{
    /// The rows' strings with their hidden marks (a check list box's checks).
    /// \since 0.3
    TListBoxStrings& ItemStrings();
    const TListBoxStrings& ItemStrings() const;
    ///@}

private:
    /// After the rows changed. A current row or top row asked for before the
    /// list had it (a form file may set ItemIndex before Count or Style) is
    /// kept and taken as soon as the row exists; byProperty keeps a current
    /// row that a change of Style or Count took away, for when it returns.
    void RowsChanged(bool byProperty);
    void UpdateScrollBar();
    /// The scroll range follows the row count once per event-loop turn (or
    /// at the next paint or scroll), not once per added row.
    void ScrollRangeChanged();
    void FlushScrollRange();
    void MoveTo(int index, Qt::KeyboardModifiers mods);
    void EnsureVisible(int index);
    void Click();

    std::unique_ptr<TCustomListBoxPrivate> const d;
};

/// List and check list boxes take the item height of the image height and
/// their parent's font at a density change.
class QZ8_EXPORT TListBox : public TCustomListBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// A list box; a parent takes ownership.
    explicit TListBox(QWidget* parent = nullptr) : TCustomListBox(parent) { }
    void ResizeForImageHeight(TDensityStep& step) override { TakeImageItemHeight(step); }
};

/// A list box with a check box in front of each row.
class QZ8_EXPORT TCheckListBox : public TCustomListBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// A check list box; a parent takes ownership.
    explicit TCheckListBox(QWidget* parent = nullptr);
    void ResizeForImageHeight(TDensityStep& step) override { TakeImageItemHeight(step); }
    ///@{
    /// Whether a row's box is checked.
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    ///@}
    int RowCheckState(int index) const override { return Checked(index) ? 1 : 0; }
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    /// Called when the user flips a row's box.
    std::function<void(QObject* Sender)> OnClickCheck;

protected:
    void RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods) override;
    void SpacePressed() override;

private:
    int BoxSize() const;
};

} // namespace qz8
