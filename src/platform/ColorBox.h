#pragma once
// The colour combo of the platform: a QComboBox whose rows (the list and the
// closed box) are painted by the virtual DrawItem(Index, Rect, State) on a
// canvas, as the owner-drawn list box does. Each item's object is its colour.
#include "../qz8_export.h"
#include "Canvas.h"
#include "ListBox.h"
#include "WidgetStrings.h"

#include <QComboBox>
#include <functional>

namespace qz8 {

/// Where the rows come from: with cbCustomColors, from OnGetColors.
enum TColorBoxStyleFlag : unsigned {
    cbStandardColors = 1,
    cbExtendedColors = 2,
    cbSystemColors = 4,
    cbCustomColors = 8
};

class QZ8_EXPORT TCustomColorBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Selected READ Selected WRITE SetSelected)
public:
    explicit TCustomColorBox(QWidget* parent = nullptr);
    ~TCustomColorBox() override;

    TStrings& Items() { return fItems; }
    TColor Colors(int index) const;
    QString ColorNames(int index) const;
    void AddColor(const QString& name, TColor color);
    TColor Selected() const;
    void SetSelected(TColor color);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    int ItemHeight() const { return fItemHeight; }
    void SetItemHeight(int height);
    TCanvas& Canvas() { return fCanvas; }

    /// Paints one row: a swatch and the colour's name by default. The brush
    /// and font colour are prepared for the row's state before the call.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

    unsigned ColorBoxStyle() const { return fStyle; }
    void SetColorBoxStyle(unsigned style);
    /// Refills the rows from OnGetColors (with cbCustomColors).
    void PopulateList();
    std::function<void(TCustomColorBox* Sender, TStrings& Items)> OnGetColors;

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    ///@}
    /// Runs when the native window comes into being: at the first show, and
    /// again after a change of parent.
    virtual void CreateWnd() { }
    /// The brush and font of a row in the given state.
    void PrepareRow(TOwnerDrawState State);

private:
    friend class TColorBoxDelegate;
    TComboBoxStrings fItems;
    TCanvas fCanvas;
    int fItemHeight = 16;
    unsigned fStyle = cbStandardColors;
    TWindowCreation fWindow;
};

} // namespace qz8
