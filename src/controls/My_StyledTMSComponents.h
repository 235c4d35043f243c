// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The styled list boxes, the two container controls and the margin grab
// panel.
//
// TStyledListbox paints every row itself in the colours of a style: a row
// whose text reads as a whole number is drawn right-aligned as an integer,
// a decimal with two decimals and digit grouping, any other text from the
// left and cut to fit, a path with its leading folders elided first. The
// widest text met while painting is offered as MaxWidthOfStrings. Rows come
// from Items or, row by row, from OnGetStringAndInt (a virtual list of any
// length costs only its visible rows).
#include "../external/General_runtime.h"
#include "../external/TmsViews.h"
#include "../external/Tms_utils.h"
#include "../qz8_export.h"
#include "../toolkit/Forms.h"
#include "../toolkit/ListBox.h"

#include <QMargins>
#include <QPointer>
#include <memory>

namespace qz8 {

/// Row values with a fixed meaning: nothing drawn, and "not applicable".
///@{
constexpr int kNoValue = -999998;
constexpr int kNotApplicable = -999999;
///@}

class TStyledListboxPrivate;
/// The styled list box of the suite: rows of text in the global style's
/// colours, numbers right-aligned as the locale writes them, an optional
/// value column (Show_Values), and virtual rows from OnGetStringAndInt.
///
/// \image html gallery-styled-lists.png "The styled lists in the gallery"
class QZ8_EXPORT TStyledListbox : public TCustomListBox, public ITMSStyle, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle qz8::ISizeRelevant)
    /// The fill of selected rows (see _SelectedColour()).
    Q_PROPERTY(int _SelectedColour READ _SelectedColour WRITE Set_SelectedColour NOTIFY coloursChanged DESIGNABLE false)
    /// The fill of selected rows, as a QColor for Designer's property editor (see selectedColor()).
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor NOTIFY coloursChanged)
    /// The text colour of selected rows (see _SelectedTextColour()).
    Q_PROPERTY(int _SelectedTextColour READ _SelectedTextColour WRITE Set_SelectedTextColour NOTIFY coloursChanged
                   DESIGNABLE false)
    /// The text colour of selected rows, as a QColor for Designer's property editor (see selectedTextColor()).
    Q_PROPERTY(QColor selectedTextColor READ selectedTextColor WRITE setSelectedTextColor NOTIFY coloursChanged)
    /// Whether values are drawn beside the texts (see Show_Values()).
    Q_PROPERTY(bool Show_Values READ Show_Values WRITE SetShowValues)
    /// The widest row text so far, a measure the painting gives (see MaxWidthOfStrings()).
    Q_PROPERTY(int MaxWidthOfStrings READ MaxWidthOfStrings WRITE SetMaxWidthOfStrings DESIGNABLE false)
    /// The fill of the other rows (see _BackgroundColour()).
    Q_PROPERTY(
        int _BackgroundColour READ _BackgroundColour WRITE Set_BackgroundColour NOTIFY coloursChanged DESIGNABLE false)
    /// The fill of the other rows, as a QColor for Designer's property editor (see rowColor()).
    Q_PROPERTY(QColor rowColor READ rowColor WRITE setRowColor NOTIFY coloursChanged)
    /// The text colour of the other rows (see _TextColour()).
    Q_PROPERTY(int _TextColour READ _TextColour WRITE Set_TextColour NOTIFY coloursChanged DESIGNABLE false)
    /// The text colour of the other rows, as a QColor for Designer's property editor (see textColor()).
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY coloursChanged)
public:
    /// A styled list box; a parent takes ownership.
    explicit TStyledListbox(QWidget* parent = nullptr);
    ~TStyledListbox() override;
    ///@{
    /// The text colour of the other rows: the TColor property _TextColour as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor textColor() const { return ColorPropertyValue(_TextColour(), palette()); }
    void setTextColor(const QColor& color) { Set_TextColour(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The fill of the other rows: the TColor property _BackgroundColour as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor rowColor() const { return ColorPropertyValue(_BackgroundColour(), palette()); }
    void setRowColor(const QColor& color) { Set_BackgroundColour(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The text colour of selected rows: the TColor property _SelectedTextColour as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor selectedTextColor() const { return ColorPropertyValue(_SelectedTextColour(), palette()); }
    void setSelectedTextColor(const QColor& color) { Set_SelectedTextColour(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The fill of selected rows: the TColor property _SelectedColour as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor selectedColor() const { return ColorPropertyValue(_SelectedColour(), palette()); }
    void setSelectedColor(const QColor& color) { Set_SelectedColour(ColorFromProperty(color)); }
    ///@}

    /// Takes AStyle's text, background and selection colours, repaints, and
    /// emits coloursChanged when they changed.
    void SetComponentStyle(TTMSStyle AStyle) override;

    // The colour properties write their fields only: a new value shows at the
    // next repaint, and the next SetComponentStyle overwrites it.
    ///@{
    /// The fill of selected rows (shown at the next repaint; the next
    /// SetComponentStyle overwrites it).
    TColor _SelectedColour() const;
    void Set_SelectedColour(TColor c);
    /// Set_SelectedColour under the name uic calls.
    void set_SelectedColour(TColor c) { Set_SelectedColour(c); }
    ///@}
    ///@{
    /// The text colour of selected rows (shown at the next repaint; the next
    /// SetComponentStyle overwrites it).
    TColor _SelectedTextColour() const;
    void Set_SelectedTextColour(TColor c);
    /// Set_SelectedTextColour under the name uic calls.
    void set_SelectedTextColour(TColor c) { Set_SelectedTextColour(c); }
    ///@}
    ///@{
    /// The fill of the other rows (shown at the next repaint; the next
    /// SetComponentStyle overwrites it).
    TColor _BackgroundColour() const;
    void Set_BackgroundColour(TColor c);
    /// Set_BackgroundColour under the name uic calls.
    void set_BackgroundColour(TColor c) { Set_BackgroundColour(c); }
    ///@}
    ///@{
    /// The text colour of the other rows (shown at the next repaint; the next
    /// SetComponentStyle overwrites it).
    TColor _TextColour() const;
    void Set_TextColour(TColor c);
    /// Set_TextColour under the name uic calls.
    void set_TextColour(TColor c) { Set_TextColour(c); }
    ///@}
    ///@{
    /// Whether each row's integer object is drawn right-aligned beside its text.
    bool Show_Values() const;
    void SetShowValues(bool Value);
    /// SetShowValues under the name uic calls.
    void setShow_Values(bool Value) { SetShowValues(Value); }
    ///@}
    ///@{
    /// The widest row text measured so far, in pixels (where values start).
    int MaxWidthOfStrings() const;
    void SetMaxWidthOfStrings(int w);
    /// SetMaxWidthOfStrings under the name uic calls.
    void setMaxWidthOfStrings(int w) { SetMaxWidthOfStrings(w); }
    ///@}

    /// Gives a row's text and integer value (a virtual list's rows).
    TOnGetStringAndInt OnGetStringAndInt;

    /// ItemHeight = (height of "gh" * 5) div 4 in the list's font.
    void MySetItemHeight();
    /// Takes the window's font, then MySetItemHeight; the scale is not used.
    void CorrectForScreenResolucao(float aFontScale);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
    /// The row painter, bound to OnDrawItem by the constructor.
    void StandardDrawItem(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State);
    /// A row's integer value: the handler's, else with Show_Values the item's
    /// object; kNoValue when there is none. The standard painter draws the
    /// text only.
    int RowValue(int Index) const;
    /// The row as painted: a whole number or a decimal formatted as shown,
    /// "n/a" for the not-applicable value, nothing for no value, any other
    /// text in full (also a path that is shown shortened).
    QString RowText(int Index) const override;
    /// Type-ahead: a row whose source can start no number is compared as it
    /// is; one that can shows a number, "n/a" or itself, so a typed text that
    /// starts as none of those is no match, and nothing is parsed.
    bool RowStartsWith(int Index, const QString& typed) const override;

protected:
    /// A change of language drops the remembered "n/a".
    void changeEvent(QEvent* event) override;
    /// Draws a whole number right-aligned in the row, as the locale writes it.
    void DrawAnInteger(int value, const TRect& Rect);
    /// Draws a decimal right-aligned in the row, as the locale writes it.
    void DrawAFloat(double value, const TRect& Rect);

Q_SIGNALS:
    /// A colour of the rows changed (by a property, or by a style).
    void coloursChanged();

private:
    /// The row's text as its source gives it (the handler, else Items).
    QString SourceText(int Index) const;
    /// Sets a colour field; a real change is announced (coloursChanged).
    void SetRowColour(TColor& field, TColor value);
    void DrawRightAligned(const QString& text, const TRect& Rect);
    /// Whether a row showing a number (or "n/a") can start with the character
    /// typed, answered once per character and decimal separator, not per row.
    bool NumberRowsMayStartWith(QChar typed) const;
    std::unique_ptr<TStyledListboxPrivate> const d;
};

class TStyledListboxOwnerDrawnFixedPrivate;
/// The fixed variant: the standard painter runs even with OnDrawItem cleared,
/// and the row height follows the font whenever the window is created.
///
/// \image html gallery-styled-lists.png "The styled lists in the gallery"
class QZ8_EXPORT TStyledListboxOwnerDrawnFixed : public TStyledListbox {
    Q_OBJECT
    /// The row height follows the font: the list's own.
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight DESIGNABLE false)
    /// The style is the class's own: rows of fixed height, drawn by the list.
    Q_PROPERTY(TListBoxStyle Style READ Style WRITE SetStyle DESIGNABLE false)
public:
    /// A fixed styled list box; a parent takes ownership.
    explicit TStyledListboxOwnerDrawnFixed(QWidget* parent = nullptr);
    ~TStyledListboxOwnerDrawnFixed() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    /// Height = "Yg" height * 1.2, rounded half to even; the same for all rows.
    void MyMeasureItem(QWidget* Control, int Index, int& Height);

protected:
    void CreateWnd() override;

private:
    std::unique_ptr<TStyledListboxOwnerDrawnFixedPrivate> const d; // room for the state of later releases
};

/// A transparent control that holds other controls.
class QZ8_EXPORT TTransparentContainingGroup : public QWidget {
    Q_OBJECT
public:
    /// A group; a parent takes ownership.
    explicit TTransparentContainingGroup(QWidget* parent = nullptr);
};

/// A plain control that holds other controls and shows its parent's colour.
class QZ8_EXPORT TContainBox : public QWidget {
    Q_OBJECT
public:
    /// A box; a parent takes ownership.
    explicit TContainBox(QWidget* parent = nullptr);
};

// ---- Margin grab panel ----

/// The four handles; 4 (one past t_bottom) is "no handle".
enum TWhere : std::uint8_t { t_left, t_top, t_right, t_bottom };
constexpr int kNoHandle = 4; ///< The GrabbedMidpoint of no handle.

class TNotepadGrabPanelPrivate;
/// The printable area of a page on a page preview (its ParentControl, which
/// stands for the sheet): a notepad face with four handles at the midpoints
/// of its edges. Dragging a handle moves that margin; every step reports the
/// panel's bounds through OnStateMargins. The handles are reachable from the
/// keyboard too: Tab moves between them, the arrow keys move the focused one
/// a pixel (ten with Shift).
///
/// \image html gallery-margins-and-views.png "The margin panel (left) and the views in the gallery"
class QZ8_EXPORT TNotepadGrabPanel : public TPanel, public ITMSStyle {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle)
    /// The panel's caption: kept for code, not shown (the margins fill the panel).
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
    /// The colour of the handles (see HandleColour()).
    Q_PROPERTY(int HandleColour READ HandleColour WRITE SetHandleColour NOTIFY handleColourChanged DESIGNABLE false)
    /// The colour of the handles, as a QColor for Designer's property editor (see handleColor()).
    Q_PROPERTY(QColor handleColor READ handleColor WRITE setHandleColor NOTIFY handleColourChanged)
    /// Whether the panel is drawn in black and white (see Monochrome()).
    Q_PROPERTY(bool Monochrome READ Monochrome WRITE SetMonochrome)
    /// The control that stands for the sheet (see ParentControl()).
    Q_PROPERTY(QWidget* ParentControl READ ParentControl WRITE SetParentControl DESIGNABLE false)
    /// The margins in pixels, changed by every step of a drag (see Margins()).
    Q_PROPERTY(QMargins Margins READ Margins NOTIFY stateMargins)
public:
    /// Screen cursor states of the gesture.
    enum TGestureCursor { crDefault, crSizeWE, crSizeNS };

    /// A margin panel; a parent takes ownership (SetParentControl binds it to its sheet).
    explicit TNotepadGrabPanel(QWidget* parent = nullptr);
    ~TNotepadGrabPanel() override;
    ///@{
    /// The colour of the handles: the TColor property HandleColour as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor handleColor() const { return ColorPropertyValue(HandleColour(), palette()); }
    void setHandleColor(const QColor& color) { SetHandleColour(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// The colour of the handles.
    TColor HandleColour() const;
    void SetHandleColour(TColor colour);
    /// SetHandleColour under the name uic calls.
    void setHandleColour(TColor colour) { SetHandleColour(colour); }
    ///@}
    ///@{
    /// Whether the panel is drawn in black and white (for a monochrome preview).
    bool Monochrome() const;
    void SetMonochrome(bool Value);
    /// SetMonochrome under the name uic calls.
    void setMonochrome(bool Value) { SetMonochrome(Value); }
    ///@}
    /// The control that stands for the sheet.
    QWidget* ParentControl() const;
    /// Takes the sheet's size, places the handles and binds the mouse
    /// gesture; none clears the settings.
    void SetParentControl(QWidget* Value);

    /// The global style's background and handle colours (the argument is not
    /// used).
    void SetComponentStyle(TTMSStyle AStyle) override;
    /// Unbinds the sheet and forgets the handles.
    void ClearSettings();
    /// Places the four handles at the midpoints of the panel's edges again.
    void RecomputeAllMidpoints();
    /// Places the panel from margins in inches on a sheet of the size given
    /// in millimetres, shown over the parent control. A sheet or paper of no
    /// size changes nothing.
    void SetToMargins(const TPrintMarginInches& pmi, int papersize_MM_Width, int papersize_MM_Height);
    /// Reports the panel's bounds in its parent's coordinates.
    void ShowMargins();

    /// The mouse gesture on the sheet: a press on a handle starts a drag.
    void ControlMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    /// The mouse gesture on the sheet: a move drags the grabbed handle.
    void ControlMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    /// The mouse gesture on the sheet: a release ends the drag and reports.
    void ControlMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

    ///@{
    /// The panel's mouse events; SetParentControl binds them to the gesture.
    std::function<void(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)> OnMouseDown;
    std::function<void(QObject*, Qt::KeyboardModifiers, int X, int Y)> OnMouseMove;
    std::function<void(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)> OnMouseUp;
    ///@}
    /// Called with the panel's bounds after every step of a drag.
    std::function<void(QObject* Sender, TRect Margs)> OnStateMargins;

    /// The rectangle of a handle.
    TRect Midpoint(TWhere w) const;
    /// The handle being dragged, kNoHandle for none.
    int GrabbedMidpoint() const;
    /// True while a handle is being dragged.
    bool Altering() const;
    /// The cursor the gesture shows.
    TGestureCursor GestureCursor() const;
    /// The width of a handle in pixels.
    int XWidth() const;
    /// The width of the sheet in pixels.
    int OuterWidth() const;
    /// The height of the sheet in pixels.
    int OuterHeight() const;
    /// The handle that the arrow keys move.
    int FocusedHandle() const;
    /// The margins in pixels: left, top, right, bottom of the sheet.
    TRect MarginsInPixels() const;
    /// The same as QMargins (the Margins property).
    QMargins Margins() const;

Q_SIGNALS:
    /// The panel's bounds after a step of a drag (as OnStateMargins).
    void stateMargins(const QRect& bounds);
    /// The colour of the handles changed (by the property, or by a style).
    void handleColourChanged(int colour);

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    ///@}
    /// Its accessible name and description follow a change of language.
    void changeEvent(QEvent* event) override;

private:
    void SetGestureCursor(TGestureCursor cursor);
    /// Moves a handle by (dx, dy) under the drag rules, then reports.
    void DragHandle(int where, int dx, int dy);
    void AnnounceMargins();

    std::unique_ptr<TNotepadGrabPanelPrivate> const d;
};

// ---- Styled tree and list views ----

class TMyAdvTreeViewPrivate;
/// A tree view in the global style's colours, with an export of its contents
/// as tab-separated text.
///
/// \image html gallery-margins-and-views.png "The tree view (middle) in the gallery"
class QZ8_EXPORT TMyAdvTreeView : public TAdvTreeView, public ITMSStyle {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle)
public:
    /// A styled tree view; a parent takes ownership.
    explicit TMyAdvTreeView(QWidget* parent = nullptr);
    ~TMyAdvTreeView() override;
    /// Takes the colours of the process-wide style (Global_TMSStyle); the
    /// argument is not read.
    void SetComponentStyle(TTMSStyle AStyle) override;
    /// The tree a as text: a header line of the column texts, then one line
    /// per node (in tree order) starting with the node's number (numbered
    /// nodes) or a blank, followed by a tab and each cell's text as
    /// aOnGetText gives it; lines end with CR LF.
    QString AllStringsOfTreeview(TAdvTreeView* a, const TAdvTreeViewGetNodeTextEvent& aOnGetText);
    /// The same export put on the clipboard as tab-separated values and
    /// plain text, for pasting into a spreadsheet; false when there is no
    /// clipboard or the window system did not take the text.
    bool CopyTreeToClipboard(TAdvTreeView* a, const TAdvTreeViewGetNodeTextEvent& aOnGetText);

private:
    std::unique_ptr<TMyAdvTreeViewPrivate> const d; // room for the state of later releases
};

class TMyAdvListViewPrivate;
/// A list view in the global style's colours; its rows take 0.9 of the image
/// height.
///
/// \image html gallery-margins-and-views.png "The list view (right) in the gallery"
class QZ8_EXPORT TMyAdvListView : public TAdvListView, public ITMSStyle {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle)
public:
    /// A styled list view; a parent takes ownership.
    explicit TMyAdvListView(QWidget* parent = nullptr);
    ~TMyAdvListView() override;
    /// Takes the colours of the process-wide style (Global_TMSStyle); the
    /// argument is not read.
    void SetComponentStyle(TTMSStyle AStyle) override;

private:
    std::unique_ptr<TMyAdvListViewPrivate> const d; // room for the state of later releases
};

/// How a column's text is aligned.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

/// One column of a tabular display, for the suite's tools.
struct QZ8_EXPORT TColumnInfoRec {
    TAlignment Alignment = taLeftJustify; ///< How the column's text is aligned.
    int Left = 0; ///< The column's left edge in pixels.
    int Width = 0; ///< The column's width in pixels.
};

} // namespace qz8
