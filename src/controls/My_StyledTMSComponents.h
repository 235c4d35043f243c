#pragma once
// The styled list boxes and the two container controls.
//
// TStyledListbox paints every row itself in the colours of a style: a row
// whose text reads as a whole number is drawn right-aligned as an integer,
// a decimal with two decimals and digit grouping, any other text from the
// left and cut to fit, a path with its leading folders elided first. The
// widest text met while painting is offered as MaxWidthOfStrings. Rows come
// from Items or, row by row, from OnGetStringAndInt (a virtual list of any
// length costs only its visible rows).
#include "external/General_runtime.h"
#include "external/Tms_utils.h"
#include "platform/ListBox.h"
#include "qz8_export.h"

namespace qz8 {

// Row values with a fixed meaning: nothing drawn, and "not applicable".
constexpr int kNoValue = -999998;
constexpr int kNotApplicable = -999999;

class QZ8_EXPORT TStyledListbox : public TCustomListBox, public ITMSStyle, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ITMSStyle qz8::ISizeRelevant)
    Q_PROPERTY(int _SelectedColour READ _SelectedColour WRITE Set_SelectedColour)
    Q_PROPERTY(int _SelectedTextColour READ _SelectedTextColour WRITE Set_SelectedTextColour)
    Q_PROPERTY(bool Show_Values READ Show_Values WRITE SetShowValues)
    Q_PROPERTY(int MaxWidthOfStrings READ MaxWidthOfStrings WRITE SetMaxWidthOfStrings)
    Q_PROPERTY(int _BackgroundColour READ _BackgroundColour WRITE Set_BackgroundColour)
    Q_PROPERTY(int _TextColour READ _TextColour WRITE Set_TextColour)
public:
    explicit TStyledListbox(QWidget* parent = nullptr);

    void SetComponentStyle(TTMSStyle AStyle) override;

    // The colour properties write their fields only: a new value shows at the
    // next repaint, and the next SetComponentStyle overwrites it.
    TColor _SelectedColour() const { return fSelectionColour; }
    void Set_SelectedColour(TColor c) { fSelectionColour = c; }
    TColor _SelectedTextColour() const { return fSelectionTextColour; }
    void Set_SelectedTextColour(TColor c) { fSelectionTextColour = c; }
    TColor _BackgroundColour() const { return fNormalBack; }
    void Set_BackgroundColour(TColor c) { fNormalBack = c; }
    TColor _TextColour() const { return fTextColour; }
    void Set_TextColour(TColor c) { fTextColour = c; }
    bool Show_Values() const { return fShowValues; }
    void SetShowValues(bool Value);
    int MaxWidthOfStrings() const { return max_width_of_strings; }
    void SetMaxWidthOfStrings(int w) { max_width_of_strings = w; }

    TOnGetStringAndInt OnGetStringAndInt;

    // ItemHeight = (height of "gh" * 5) div 4 in the list's font.
    void MySetItemHeight();
    // Takes the window's font, then MySetItemHeight; the scale is not used.
    void CorrectForScreenResolucao(float aFontScale);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
    // The row painter, bound to OnDrawItem by the constructor.
    void StandardDrawItem(QWidget* Control, int Index, TRect Rect, TOwnerDrawState State);
    // A row's integer value: the handler's, else with Show_Values the item's
    // object; kNoValue when there is none. The standard painter draws the
    // text only.
    int RowValue(int Index) const;

protected:
    void DrawAnInteger(int value, const TRect& Rect);
    void DrawAFloat(double value, const TRect& Rect);

private:
    void DrawRightAligned(const QString& text, const TRect& Rect);

    int max_width_of_strings = 0;
    bool fShowValues = false;
    TColor fSelectionColour = clHighlight;
    TColor fSelectionTextColour = clHighlightText;
    TColor fNormalBack = clWindow;
    TColor fTextColour = clWindowText;
};

// The fixed variant: the standard painter runs even with OnDrawItem cleared,
// and the row height follows the font whenever the window is created.
class QZ8_EXPORT TStyledListboxOwnerDrawnFixed : public TStyledListbox {
    Q_OBJECT
public:
    explicit TStyledListboxOwnerDrawnFixed(QWidget* parent = nullptr);
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    // Height = "Yg" height * 1.2, rounded half to even; the same for all rows.
    void MyMeasureItem(QWidget* Control, int Index, int& Height);

protected:
    void CreateWnd() override;
};

// A transparent control that holds other controls.
class QZ8_EXPORT TTransparentContainingGroup : public QWidget {
    Q_OBJECT
public:
    explicit TTransparentContainingGroup(QWidget* parent = nullptr);
};

// A plain control that holds other controls and shows its parent's colour.
class QZ8_EXPORT TContainBox : public QWidget {
    Q_OBJECT
public:
    explicit TContainBox(QWidget* parent = nullptr);
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// One column of a tabular display, for the suite's tools.
struct QZ8_EXPORT TColumnInfoRec {
    TAlignment Alignment = taLeftJustify;
    int Left = 0;
    int Width = 0;
};

} // namespace qz8
