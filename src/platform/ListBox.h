#pragma once
// The owner-drawn list box of the platform: a control of its own on
// QAbstractScrollArea. Rows are a count plus, unless the list is virtual,
// Items (strings with an integer object each). Every visible row is handed to
// the virtual DrawItem(Index, Rect, State) with a canvas on the viewport, and
// only visible rows cost anything: a virtual list stores nothing per row.
#include "platform/Canvas.h"
#include "platform/RowSelection.h"
#include "platform/SizeRelevant.h"
#include "platform/Strings.h"
#include "platform/Types.h"
#include "qz8_export.h"

#include <QAbstractScrollArea>
#include <functional>

namespace qz8 {

enum TOwnerDrawStateFlag : unsigned {
    odSelected = 0x1,
    odGrayed = 0x2,
    odDisabled = 0x4,
    odChecked = 0x8,
    odFocused = 0x10,
    odDefault = 0x20,
    odComboBoxEdit = 0x1000
};
using TOwnerDrawState = unsigned;

class TCustomListBox;

// Tracks a control's native window: it comes into being at the first show
// and again after a change of parent. Call Before and After around the base
// class's event handler; After answers true when CreateWnd is due.
struct QZ8_EXPORT TWindowCreation {
    bool created = false;
    void Before(const QEvent* event);
    bool After(const QEvent* event);
};

// The item list of a list box: tells the list box about every change.
class QZ8_EXPORT TListBoxStrings : public TStringList {
public:
    explicit TListBoxStrings(TCustomListBox* owner) : fOwner(owner) { }
    using TStringList::Mark;
    using TStringList::SetMark;

protected:
    void DoChange() override;

private:
    TCustomListBox* fOwner;
};

class QZ8_EXPORT TCustomListBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(int TopIndex READ TopIndex WRITE SetTopIndex)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TListBoxStyle Style READ Style WRITE SetStyle)
public:
    enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
    Q_ENUM(TListBoxStyle)

    explicit TCustomListBox(QWidget* parent = nullptr);
    ~TCustomListBox() override;

    TStrings& Items() { return fItems; }
    const TStrings& Items() const { return fItems; }
    // Rows: the virtual count in the virtual styles, else the item count.
    int Count() const;
    void SetCount(int count);
    int ItemIndex() const { return fItemIndex; }
    void SetItemIndex(int index);
    int ItemHeight() const { return fItemHeight; }
    void SetItemHeight(int height);
    // ItemHeight from a density step's image height, and the parent's font.
    void TakeImageItemHeight(const TDensityStep& step);
    int TopIndex() const { return fTopIndex; }
    void SetTopIndex(int index);
    bool MultiSelect() const { return fMultiSelect; }
    void SetMultiSelect(bool on);
    bool ExtendedSelect() const { return fExtendedSelect; }
    void SetExtendedSelect(bool on) { fExtendedSelect = on; }
    TColor Color() const { return fColor; }
    void SetColor(TColor color);
    TListBoxStyle Style() const { return fStyle; }
    void SetStyle(TListBoxStyle style);
    bool IsVirtual() const { return fStyle == lbVirtual || fStyle == lbVirtualOwnerDraw; }
    bool IsOwnerDraw() const { return fStyle != lbStandard && fStyle != lbVirtual; }

    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    void ClearSelection();
    // Selects every row of a multi-select list (Ctrl+A does it too): one
    // range whatever the number of rows. Nothing for a single-select list.
    void SelectAll();
    void Clear();
    // The row's rectangle in viewport coordinates (empty when not shown).
    TRect ItemRect(int index) const;
    // The row at a viewport point; -1 (or Count when !existing) below the rows.
    int ItemAtPos(TPoint pos, bool existing) const;
    // The control's height, the bottom that rows are compared with.
    int Height() const { return viewport()->height(); }
    // The canvas rows are painted on; outside painting it measures only.
    TCanvas& Canvas() { return fCanvas; }
    int VisibleRowCount() const;

    // Paints one row. The default hands it to OnDrawItem in the owner-draw
    // styles and otherwise draws the standard row.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    void DrawStandardItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // The text of a row: Items, or OnData for a virtual list.
    QString ItemText(int index) const;
    // The text a row shows, as painted (a descendant's painter may show
    // another text than ItemText); type-ahead, tool tips and assistive
    // technology read it.
    virtual QString RowText(int index) const { return ItemText(index); }
    // Whether a row's shown text starts with what was typed (in any case);
    // a descendant that knows its rows' shapes may answer without making
    // the shown text.
    virtual bool RowStartsWith(int index, const QString& typed) const
    {
        return RowText(index).startsWith(typed, Qt::CaseInsensitive);
    }
    // Moves to the next row whose shown text starts with what was typed
    // within the keyboard-search interval (QAbstractItemView's rule); each
    // row is looked at once at the most. The row found, or -1.
    int KeyboardSearch(const QString& typed);
    // -1 for a row without a check box, else whether it is checked.
    virtual int RowCheckState(int index) const
    {
        Q_UNUSED(index);
        return -1;
    }

    std::function<void(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State)> OnDrawItem;
    std::function<void(QWidget* Control, int Index, int& Height)> OnMeasureItem;
    std::function<void(QWidget* Control, int Index, QString& Data)> OnData;
    std::function<void(QObject* Sender)> OnClick;

    // Called by the item list after each change.
    void ItemsChanged() { RowsChanged(false); }

Q_SIGNALS:
    void itemIndexChanged(int index);
    // The selection changed as a whole (SelectAll, ClearSelection).
    void selectionChanged();

protected:
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
    // Runs when the control's native window comes into being: at its first
    // show, and again after it was re-created by a change of parent.
    virtual void CreateWnd() { }
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // True when the row's shown text does not fit its rectangle (its tool
    // tip then shows it whole).
    virtual bool RowIsShortened(int index, const TRect& rect);
    // A mouse press on a row; a check list box uses it for its boxes.
    virtual void RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods);
    virtual void SpacePressed();
    int RowHeight(int index) const;
    TListBoxStrings fItems;

private:
    // After the rows changed. A current row or top row asked for before the
    // list had it (a form file may set ItemIndex before Count or Style) is
    // kept and taken as soon as the row exists; byProperty keeps a current
    // row that a change of Style or Count took away, for when it returns.
    void RowsChanged(bool byProperty);
    void UpdateScrollBar();
    // The scroll range follows the row count once per event-loop turn (or
    // at the next paint or scroll), not once per added row.
    void ScrollRangeChanged();
    void FlushScrollRange();
    void MoveTo(int index, Qt::KeyboardModifiers mods);
    void EnsureVisible(int index);
    void Click();

    TCanvas fCanvas;
    QString fTyped; // the type-ahead text
    qint64 fTypedAt = -1; // when it was last typed (ms since epoch)
    int fCount = 0;
    int fItemIndex = -1;
    int fPendingItemIndex = -1; // asked for, not there yet
    int fPendingTopIndex = -1; // asked for, not there yet
    bool fScrollRangeDirty = false;
    bool fScrollRangeQueued = false;
    int fAnchor = -1;
    int fItemHeight = 16;
    int fTopIndex = 0;
    bool fMultiSelect = false;
    bool fExtendedSelect = true;
    TColor fColor = clWindow;
    TListBoxStyle fStyle = lbStandard;
    TWindowCreation fWindow;
    TRowSelection fSelected;
};

// List and check list boxes take the item height of the image height and
// their parent's font at a density change.
class QZ8_EXPORT TListBox : public TCustomListBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    explicit TListBox(QWidget* parent = nullptr) : TCustomListBox(parent) { }
    void ResizeForImageHeight(TDensityStep& step) override { TakeImageItemHeight(step); }
};

// A list box with a check box in front of each row.
class QZ8_EXPORT TCheckListBox : public TCustomListBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    explicit TCheckListBox(QWidget* parent = nullptr);
    void ResizeForImageHeight(TDensityStep& step) override { TakeImageItemHeight(step); }
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    int RowCheckState(int index) const override { return Checked(index) ? 1 : 0; }
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    std::function<void(QObject* Sender)> OnClickCheck;

protected:
    void RowPressed(int index, const QPoint& pos, Qt::KeyboardModifiers mods) override;
    void SpacePressed() override;

private:
    int BoxSize() const;
};

} // namespace qz8
