// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Colour pickers over one shared colour array: a list box showing a swatch
// with the row number, hex value and/or name, and a drop-down combo with a
// swatch and the name and an optional caption label. By default both read
// the suite's shared array (a sort from any of them reorders it for all);
// each can switch to a private copy that it may reorder on its own.
#include "../external/Colour_utils.h"
#include "../external/Tms_utils.h"
#include "../qz8_export.h"
#include "../toolkit/ColorBox.h"
#include "../toolkit/FormStateValue.h"
#include "../toolkit/ListBox.h"
#include "../toolkit/StdCtrls.h"

#include <QPointer>
#include <memory>

namespace qz8 {

/// What a colour row shows: its index, its hex value, its name.
enum TShowHexOrDescription { ts_index, ts_hex, ts_description };
/// A set of TShowHexOrDescription in one byte: bit 0 index, 1 hex, 2 name.
using TShowHexOrDescriptionSet = std::uint8_t;
/// The bit of one TShowHexOrDescription in a set.
constexpr TShowHexOrDescriptionSet ShowBit(TShowHexOrDescription v) { return std::uint8_t(1u << v); }

/// The shared colour-array operations: each works on the active array, the
/// shared one while usesShared is true, else own.
///@{
/// The position of a colour in the active array, -1 when it is not there.
QZ8_EXPORT int IndexOfColour(bool usesShared, const TColorArray& own, TColor colour);
/// The colour at a position of the active array.
QZ8_EXPORT TColor ColourAtIndex(bool usesShared, const TColorArray& own, int index);
/// The name of the colour at a position of the active array.
QZ8_EXPORT QString ColourNameAtIndex(bool usesShared, const TColorArray& own, int index);
///@}
/// Sorts the active array in place; a sort of the shared array is announced
/// to every shared-mode control.
QZ8_EXPORT void SortActiveColours(bool usesShared, TColorArray& own, TColorArraySortType method);
/// A colour's name and its value as \#RRGGBB ("red \#FF0000").
QZ8_EXPORT QString ColourNameAndHex(const QString& name, TColor colour);
/// Switches modes; leaving shared mode copies the shared array as it is.
QZ8_EXPORT void ApplyUsesSharedArray(bool& usesShared, TColorArray& own, bool value);

class TColourSharingListboxPrivate;
/// The colour list box: one row per colour of the suite's shared colour array (or of a private copy), with a swatch and
/// the index, hex value or name; its selected colour is kept in form state files.
///
/// \image html example-colour-pickers.png "The colour list box and combo over one array"
class QZ8_EXPORT TColourSharingListbox : public TCustomListBox,
                                         public ITMSStyle,
                                         public ISizeRelevant,
                                         public IFormStateValue {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle qz8::ISizeRelevant qz8::IFormStateValue)
    /// The rows are the colour array's: their number and style are the list's own.
    Q_PROPERTY(int Count READ Count WRITE SetCount DESIGNABLE false)
    /// How the rows are painted: the list's own.
    Q_PROPERTY(qz8::TCustomListBox::TListBoxStyle Style READ Style WRITE SetStyle DESIGNABLE false)
    /// What the rows show (see ShowText()).
    Q_PROPERTY(qz8::TShowTextFlags ShowText READ ShowTextFlags WRITE setShowText)
    /// The colour chosen when a given colour is not in the array (see DefaultColour()).
    Q_PROPERTY(int DefaultColour READ DefaultColour WRITE SetDefaultColour DESIGNABLE false)
    /// The colour chosen when the one asked for is not in the array, as a QColor for Designer's property editor (see
    /// defaultColor()).
    Q_PROPERTY(QColor defaultColor READ defaultColor WRITE setDefaultColor)
    /// The colour of the current row (see GetASelected()).
    Q_PROPERTY(
        int SelectedColour READ GetASelected WRITE SetASelected NOTIFY selectedColourChanged USER true DESIGNABLE false)
    /// The colour of the current row, as a QColor for Designer's property editor (see selectedColor()).
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor NOTIFY selectedColourChanged)
    /// Whether the rows are the shared array or a private copy (see UsesSharedArray()).
    Q_PROPERTY(bool UsesSharedArray READ UsesSharedArray WRITE SetUseSharedArray)
public:
    /// A colour list box over the shared array; a parent takes ownership.
    explicit TColourSharingListbox(QWidget* parent = nullptr);
    ~TColourSharingListbox() override;
    ///@{
    /// The colour of the current row: the TColor property SelectedColour as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// No colour (an invalid QColor) while no row is current.
    /// \since 0.2
    QColor selectedColor() const { return ItemIndex() >= 0 ? ColorPropertyValue(GetASelected(), palette()) : QColor(); }
    void setSelectedColor(const QColor& color) { SetASelected(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The colour chosen when the one asked for is not in the array: the TColor property DefaultColour as a QColor
    /// (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor defaultColor() const { return ColorPropertyValue(DefaultColour(), palette()); }
    void setDefaultColor(const QColor& color) { SetDefaultColour(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// What the rows show: TShowHexOrDescriptionSet bits (ShowBit).
    TShowHexOrDescriptionSet ShowText() const;
    void SetShowText(int Value);
    /// SetShowText under the name uic calls.
    void setShowText(int Value) { SetShowText(Value); }
    /// The same with flags (the ShowText property).
    void setShowText(TShowTextFlags Value) { SetShowText(int(Value.toInt())); }
    /// What the rows show, as flags.
    TShowTextFlags ShowTextFlags() const;
    ///@}
    ///@{
    /// The colour chosen by SetASelected when the colour asked for is not in the array (clNone: none).
    TColor DefaultColour() const;
    void SetDefaultColour(TColor Value);
    /// SetDefaultColour under the name uic calls.
    void setDefaultColour(TColor Value) { SetDefaultColour(Value); }
    ///@}
    ///@{
    /// The colour of the current row; setting it makes that colour's row current.
    TColor GetASelected() const { return GetAColour(ItemIndex()); }
    void SetASelected(TColor Value);
    /// SetASelected under the name uic calls.
    void setSelectedColour(TColor Value) { SetASelected(Value); }
    ///@}
    ///@{
    /// Whether the rows are the shared array (true) or a private copy, which leaving shared mode takes as the shared
    /// array is.
    bool UsesSharedArray() const;
    void SetUseSharedArray(bool Value);
    /// SetUseSharedArray under the name uic calls.
    void setUsesSharedArray(bool Value) { SetUseSharedArray(Value); }
    ///@}
    /// The array the rows show: the shared one or the private copy.
    const TColorArray& ActiveArray() const;

    /// The name of the current row's colour.
    QString SelectedColourName() const;
    /// A form state file keeps the selected colour (key "colour").
    QString FormStateKey() const override { return QStringLiteral("colour"); }
    ///@{
    /// The selected colour as text, and taking it back from a form state file.
    QString FormStateText() const override;
    bool TakeFormStateText(const QString& text) override;
    ///@}
    /// True when the shared array is not in the web-colour table's order
    /// (its first entry differs from the table's first), whatever the mode.
    bool Sorted() const;
    /// Sorts the active array (a sort of the shared array reorders every shared-mode control).
    void SortTheColours(TColorArraySortType method);
    /// Row height from the font scale; nothing when scale and density are
    /// as at the last call.
    void CorrectForScreenResolucao(float aFontScale);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
    /// Takes AStyle's text, background and selection colours and repaints.
    void SetComponentStyle(TTMSStyle AStyle) override;
    /// A colour row for type-ahead and assistive technology: the colour's
    /// name and its hex value.
    QString RowText(int Index) const override;
    /// Paints a colour row: its swatch and the texts ShowText asks for.
    void MyDrawItem(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State);
    /// The colour at a row.
    TColor GetAColour(int i) const;

Q_SIGNALS:
    /// The chosen colour changed (through the row chosen).
    void selectedColourChanged(int colour);

protected:
    void CreateWnd() override;

private:
    /// The rows: the painter, the virtual style and the shared array's length.
    void BindRows();
    std::unique_ptr<TColourSharingListboxPrivate> const d;
};

class TColourSharingComboPrivate;
/// The colour combo: the shared colour array (or a private copy) as a drop-down list with a swatch and the name, and an
/// optional caption label; its selected colour is kept in form state files.
///
/// \image html example-colour-pickers.png "The colour list box and combo over one array"
class QZ8_EXPORT TColourSharingCombo : public TCustomColorBox, public ISizeRelevant, public IFormStateValue {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant qz8::IFormStateValue)
    /// Whether the label stays enabled while the combo is disabled (see LabelAlwaysEnabled()).
    Q_PROPERTY(bool LabelAlwaysEnabled READ LabelAlwaysEnabled WRITE SetLabelAlwaysEnabled)
    /// The label's text (see GetLabelCaption()).
    Q_PROPERTY(QString LabelCaption READ GetLabelCaption WRITE SetLabelCaption)
    /// Where the label stands (see LabelPosition()).
    Q_PROPERTY(qz8::TLabelPosition LabelPosition READ LabelPosition WRITE setLabelPosition)
    /// The gap between label and combo in pixels (see LabelMargin()).
    Q_PROPERTY(int LabelMargin READ LabelMargin WRITE SetLabelMargin)
    /// Whether the label shows its parent's background (see LabelTransparent()).
    Q_PROPERTY(bool LabelTransparent READ LabelTransparent WRITE SetLabelTransparent)
    /// The label's font (see LabelFont()).
    Q_PROPERTY(QFont LabelFont READ LabelFont WRITE SetLabelFont)
    /// The colour of the current row (see GetSelected()).
    Q_PROPERTY(
        int SelectedColour READ GetSelected WRITE SetSelected NOTIFY selectedColourChanged USER true DESIGNABLE false)
    /// The selected colour, as a QColor for Designer's property editor (see selectedColor()).
    Q_PROPERTY(QColor selectedColor READ selectedColor WRITE setSelectedColor NOTIFY selectedColourChanged)
    /// The colour box's Selected, over this combo's own rows: the same as
    /// SelectedColour, which is the one offered in Designer.
    Q_PROPERTY(int Selected READ GetSelected WRITE SetSelected NOTIFY selectedColourChanged DESIGNABLE false)
    /// Whether the rows are the shared array or a private copy (see UsesSharedAray()).
    Q_PROPERTY(bool UsesSharedAray READ UsesSharedAray WRITE SetUseSharedArray)
public:
    /// A colour combo over the shared array; a parent takes ownership.
    explicit TColourSharingCombo(QWidget* parent = nullptr);
    ~TColourSharingCombo() override;
    ///@{
    /// The selected colour: the TColor property SelectedColour as a QColor (ColorPropertyValue, ColorFromProperty).
    /// No colour (an invalid QColor) while no row is chosen.
    /// \since 0.2
    QColor selectedColor() const { return ItemIndex() >= 0 ? ColorPropertyValue(GetSelected(), palette()) : QColor(); }
    void setSelectedColor(const QColor& color) { SetSelected(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// Whether the label stays enabled while the combo is disabled.
    bool LabelAlwaysEnabled() const;
    void SetLabelAlwaysEnabled(bool Value);
    /// SetLabelAlwaysEnabled under the name uic calls.
    void setLabelAlwaysEnabled(bool Value) { SetLabelAlwaysEnabled(Value); }
    ///@}
    ///@{
    /// The label's text; an empty text removes the label.
    QString GetLabelCaption() const;
    void SetLabelCaption(const QString& Value);
    /// SetLabelCaption under the name uic calls.
    void setLabelCaption(const QString& Value) { SetLabelCaption(Value); }
    ///@}
    ///@{
    /// Where the label stands beside the combo.
    TLabelPosition LabelPosition() const;
    void SetLabelPosition(TLabelPosition Value);
    ///@}
    /// The same with the position's number (a form file's or Designer's value).
    void SetLabelPositionOrdinal(int Value);
    /// SetLabelPositionOrdinal under the name uic calls.
    void setLabelPosition(int Value) { SetLabelPositionOrdinal(Value); }
    /// SetLabelPosition under the name uic calls (a value outside the
    /// enumeration is ignored).
    void setLabelPosition(TLabelPosition Value) { SetLabelPositionOrdinal(Value); }
    ///@{
    /// The gap between label and combo in pixels.
    int LabelMargin() const;
    void SetLabelMargin(int Value);
    /// SetLabelMargin under the name uic calls.
    void setLabelMargin(int Value) { SetLabelMargin(Value); }
    ///@}
    ///@{
    /// Whether the label shows its parent's background.
    bool LabelTransparent() const;
    void SetLabelTransparent(bool Value);
    /// SetLabelTransparent under the name uic calls.
    void setLabelTransparent(bool Value) { SetLabelTransparent(Value); }
    ///@}
    ///@{
    /// The label's font.
    QFont LabelFont() const;
    void SetLabelFont(const QFont& Value);
    /// SetLabelFont under the name uic calls.
    void setLabelFont(const QFont& Value) { SetLabelFont(Value); }
    ///@}
    /// The caption label, nullptr while there is none.
    TLabel* Label() const;

    ///@{
    /// The colour of the current row; setting it makes that colour's row current.
    TColor GetSelected() const { return GetAColour(ItemIndex()); }
    void SetSelected(TColor Value);
    /// SetSelected under the name uic calls.
    void setSelectedColour(TColor Value) { SetSelected(Value); }
    ///@}
    ///@{
    /// Whether the rows are the shared array (true) or a private copy.
    bool UsesSharedAray() const;
    void SetUseSharedArray(bool Value);
    /// SetUseSharedArray under the name uic calls.
    void setUsesSharedAray(bool Value) { SetUseSharedArray(Value); }
    ///@}
    /// The colour at a row.
    TColor GetAColour(int i) const;
    /// The name of the current row's colour.
    QString SelectedColourName() const;
    /// A form state file keeps the selected colour (key "colour").
    QString FormStateKey() const override { return QStringLiteral("colour"); }
    ///@{
    /// The selected colour as text, and taking it back from a form state file.
    QString FormStateText() const override;
    bool TakeFormStateText(const QString& text) override;
    ///@}
    /// Sorts the active array (a sort of the shared array reorders every shared-mode control).
    void SortTheColours(TColorArraySortType method);
    void ResizeForImageHeight(TDensityStep& step) override { SetItemHeight(step.ItemHeight()); }

    ///@{
    /// The alignment of the combo within its parent.
    TAlign Align() const;
    void SetAlign(TAlign align);
    ///@}
    /// Sets the bounds, first making room for the label where the alignment
    /// asks for it.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    /// Places the label once the form is loaded.
    Q_INVOKABLE void Loaded();

    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    ///@{
    /// The box's size, and where a layout places the combo, the label's room
    /// beside, above or below it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    ///@}
    /// The frame colour of a swatch: black for a light colour (a component
    /// above 192), white on a selected row, else the colour itself.
    static TColor SwatchBorderColour(TColor rgb, TOwnerDrawState State);

Q_SIGNALS:
    /// The colour of the current row changed.
    void selectedColourChanged(int colour);

protected:
    void CreateWnd() override;
    QString RowName(int index) const override;
    /// Within a layout, the widget less the label's room; else all of it.
    QRect BoxRect() const override;
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Within a layout, the label is hidden and shown with the combo (the
    /// layout gives its room to others while the combo is hidden).
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    ///@}

private:
    /// The colour list comes from the hook: one row per shared entry.
    void BindColours();
    void GetColours(TCustomColorBox* Sender, TStrings& Items);
    // Gives every row its colour's name (type-ahead, currentText()) and its
    // name and value for assistive technology, as the active array has them.
    void NameRows();
    TLabel* CreateLabel();
    void UpdateLabel();
    void UpdateLabelPos();
    void LabelFontChange();
    /// Whether a layout of the parent (or one nested in it) places the combo.
    bool PlacedByLayout() const;
    /// The room the label takes around the box when a layout places the
    /// combo (left is the leading side); none otherwise.
    QMargins LabelRoom() const;
    /// The caption's width as the text measurement gives it ("&" takes no room).
    int CaptionWidth() const;

    std::unique_ptr<TColourSharingComboPrivate> const d;
};

} // namespace qz8
