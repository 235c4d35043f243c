#pragma once
// Colour pickers over one shared colour array: a list box showing a swatch
// with the row number, hex value and/or name, and a drop-down combo with a
// swatch and the name and an optional caption label. By default both read
// the suite's shared array (a sort from any of them reorders it for all);
// each can switch to a private copy that it may reorder on its own.
#include "../external/Colour_utils.h"
#include "../external/Tms_utils.h"
#include "../platform/ColorBox.h"
#include "../platform/FormStateValue.h"
#include "../platform/ListBox.h"
#include "../platform/StdCtrls.h"
#include "../qz8_export.h"

#include <QPointer>

namespace qz8 {

enum TShowHexOrDescription { ts_index, ts_hex, ts_description };
/// A set of TShowHexOrDescription in one byte: bit 0 index, 1 hex, 2 name.
using TShowHexOrDescriptionSet = std::uint8_t;
constexpr TShowHexOrDescriptionSet ShowBit(TShowHexOrDescription v) { return std::uint8_t(1u << v); }

/// The shared colour-array operations: each works on the active array, the
/// shared one while usesShared is true, else own.
QZ8_EXPORT int IndexOfColour(bool usesShared, const TColorArray& own, TColor colour);
QZ8_EXPORT TColor ColourAtIndex(bool usesShared, const TColorArray& own, int index);
QZ8_EXPORT QString ColourNameAtIndex(bool usesShared, const TColorArray& own, int index);
/// Sorts the active array in place; a sort of the shared array is announced
/// to every shared-mode control.
QZ8_EXPORT void SortActiveColours(bool usesShared, TColorArray& own, TColorArraySortType method);
/// A colour's name and its value as #RRGGBB ("red #FF0000").
QZ8_EXPORT QString ColourNameAndHex(const QString& name, TColor colour);
/// Switches modes; leaving shared mode copies the shared array as it is.
QZ8_EXPORT void ApplyUsesSharedArray(bool& usesShared, TColorArray& own, bool value);

class QZ8_EXPORT TColourSharingListbox : public TCustomListBox,
                                         public ITMSStyle,
                                         public ISizeRelevant,
                                         public IFormStateValue {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle qz8::ISizeRelevant qz8::IFormStateValue)
    Q_PROPERTY(int ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(int DefaultColour READ DefaultColour WRITE SetDefaultColour)
    Q_PROPERTY(int SelectedColour READ GetASelected WRITE SetASelected NOTIFY selectedColourChanged)
    Q_PROPERTY(bool UsesSharedArray READ UsesSharedArray WRITE SetUseSharedArray)
public:
    explicit TColourSharingListbox(QWidget* parent = nullptr);
    ~TColourSharingListbox() override;

    TShowHexOrDescriptionSet ShowText() const { return fShowText; }
    void SetShowText(int Value);
    TColor DefaultColour() const { return fDefaultColour; }
    void SetDefaultColour(TColor Value) { fDefaultColour = Value; }
    TColor GetASelected() const { return GetAColour(ItemIndex()); }
    void SetASelected(TColor Value);
    bool UsesSharedArray() const { return fUsesSharedArray; }
    void SetUseSharedArray(bool Value) { ApplyUsesSharedArray(fUsesSharedArray, fOwnArray, Value); }
    const TColorArray& ActiveArray() const;

    QString SelectedColourName() const;
    /// A form state file keeps the selected colour (key "colour").
    QString FormStateKey() const override { return QStringLiteral("colour"); }
    QString FormStateText() const override;
    bool TakeFormStateText(const QString& text) override;
    /// True when the shared array is not in the web-colour table's order
    /// (its first entry differs from the table's first), whatever the mode.
    bool Sorted() const;
    void SortTheColours(TColorArraySortType method);
    /// Row height from the font scale; nothing when scale and density are
    /// as at the last call.
    void CorrectForScreenResolucao(float aFontScale);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
    void SetComponentStyle(TTMSStyle AStyle) override;
    /// A colour row for type-ahead and assistive technology: the colour's
    /// name and its hex value.
    QString RowText(int Index) const override;
    void MyDrawItem(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State);
    TColor GetAColour(int i) const { return ColourAtIndex(fUsesSharedArray, fOwnArray, i); }

Q_SIGNALS:
    /// The chosen colour changed (through the row chosen).
    void selectedColourChanged(int colour);

protected:
    void CreateWnd() override;

private:
    /// The rows: the painter, the virtual style and the shared array's length.
    void BindRows();

    TColor fDefaultColour = clNone;
    TColor fTextColour = clBlack;
    TColor fBackgroundColour = clWhite;
    TColor fSelectedText = clWhite;
    TColor fSelectedBackgound = clBlack;
    TColorArray fOwnArray;
    bool fUsesSharedArray = true;
    TShowHexOrDescriptionSet fShowText = ShowBit(ts_description);
    int current_PPI = 0;
    float currentFontScale = 0.0f;
};

enum TLabelPosition : std::uint8_t {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter
};

class QZ8_EXPORT TColourSharingCombo : public TCustomColorBox, public ISizeRelevant, public IFormStateValue {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant qz8::IFormStateValue)
    Q_PROPERTY(bool LabelAlwaysEnabled READ LabelAlwaysEnabled WRITE SetLabelAlwaysEnabled)
    Q_PROPERTY(QString LabelCaption READ GetLabelCaption WRITE SetLabelCaption)
    Q_PROPERTY(int LabelPosition READ LabelPosition WRITE SetLabelPositionOrdinal)
    Q_PROPERTY(int LabelMargin READ LabelMargin WRITE SetLabelMargin)
    Q_PROPERTY(bool LabelTransparent READ LabelTransparent WRITE SetLabelTransparent)
    Q_PROPERTY(QFont LabelFont READ LabelFont WRITE SetLabelFont)
    Q_PROPERTY(int SelectedColour READ GetSelected WRITE SetSelected NOTIFY selectedColourChanged)
    ///@{
    /// The colour box's Selected, over this combo's own rows: the same as
    /// SelectedColour, which is the one offered in Designer.
    Q_PROPERTY(int Selected READ GetSelected WRITE SetSelected NOTIFY selectedColourChanged DESIGNABLE false)
    Q_PROPERTY(bool UsesSharedAray READ UsesSharedAray WRITE SetUseSharedArray)
    ///@}
public:
    explicit TColourSharingCombo(QWidget* parent = nullptr);
    ~TColourSharingCombo() override;

    bool LabelAlwaysEnabled() const { return FlabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    QString GetLabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    void SetLabelPositionOrdinal(int Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    QFont LabelFont() const { return FLabelFont; }
    void SetLabelFont(const QFont& Value);
    TLabel* Label() const { return FLabel; }

    TColor GetSelected() const { return GetAColour(ItemIndex()); }
    void SetSelected(TColor Value);
    bool UsesSharedAray() const { return fUsesSharedArray; }
    void SetUseSharedArray(bool Value) { ApplyUsesSharedArray(fUsesSharedArray, fOwnArray, Value); }
    TColor GetAColour(int i) const { return ColourAtIndex(fUsesSharedArray, fOwnArray, i); }
    QString SelectedColourName() const { return ColourNameAtIndex(fUsesSharedArray, fOwnArray, ItemIndex()); }
    /// A form state file keeps the selected colour (key "colour").
    QString FormStateKey() const override { return QStringLiteral("colour"); }
    QString FormStateText() const override;
    bool TakeFormStateText(const QString& text) override;
    void SortTheColours(TColorArraySortType method);
    void ResizeForImageHeight(TDensityStep& step) override { SetItemHeight(step.ItemHeight()); }

    TAlign Align() const { return fAlign; }
    void SetAlign(TAlign align) { fAlign = align; }
    /// Sets the bounds, first making room for the label where the alignment
    /// asks for it.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    Q_INVOKABLE void Loaded();

    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    /// The frame colour of a swatch: black for a light colour (a component
    /// above 192), white on a selected row, else the colour itself.
    static TColor SwatchBorderColour(TColor rgb, TOwnerDrawState State);

Q_SIGNALS:
    void selectedColourChanged(int colour);

protected:
    void CreateWnd() override;
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    ///@}

private:
    /// The colour list comes from the hook: one row per shared entry.
    void BindColours();
    void GetColours(TCustomColorBox* Sender, TStrings& Items);
    TLabel* CreateLabel();
    void UpdateLabel();
    void UpdateLabelPos();
    void LabelFontChange();

    QPointer<TLabel> FLabel;
    QFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FlabelAlwaysEnabled = false;
    bool FParentFnt = true;
    bool FLabelTransparent = false;
    TColorArray fOwnArray;
    bool fUsesSharedArray = true;
    TAlign fAlign = alNone;
};

} // namespace qz8
