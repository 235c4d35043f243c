// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
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
#include <memory>

namespace qz8 {

/// Where the rows come from: with cbCustomColors, from OnGetColors.
enum TColorBoxStyleFlag : unsigned {
    cbStandardColors = 1, ///< the standard colours
    cbExtendedColors = 2, ///< the extended colours
    cbSystemColors = 4, ///< the system colours
    cbCustomColors = 8 ///< the rows from OnGetColors
};

class TCustomColorBoxPrivate;

/// The colour box of the platform: a combo of colours, each row a swatch and the colour's name, painted through
/// DrawItem on a canvas.
class QZ8_EXPORT TCustomColorBox : public QComboBox {
    Q_OBJECT
    /// The height of every row (see ItemHeight()).
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    /// The current row, -1 for none (see ItemIndex()).
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
    /// The colour of the current row (see Selected()).
    Q_PROPERTY(int Selected READ Selected WRITE SetSelected NOTIFY selectedChanged USER true)
public:
    /// A colour box; a parent takes ownership.
    explicit TCustomColorBox(QWidget* parent = nullptr);
    ~TCustomColorBox() override;

    /// The rows' names with their colours as objects.
    TStrings& Items();
    /// The colour of a row.
    TColor Colors(int index) const;
    /// The name of a row.
    QString ColorNames(int index) const;
    /// Appends a row.
    void AddColor(const QString& name, TColor color);
    ///@{
    /// The colour of the current row; setting it makes that colour's row current.
    TColor Selected() const;
    void SetSelected(TColor color);
    /// SetSelected under the name uic calls.
    void setSelected(TColor color) { SetSelected(color); }
    ///@}
    ///@{
    /// The current row, -1 for none.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    /// SetItemIndex under the name uic calls.
    void setItemIndex(int index) { SetItemIndex(index); }
    ///@}
    ///@{
    /// The height of every row in pixels.
    int ItemHeight() const;
    void SetItemHeight(int height);
    /// SetItemHeight under the name uic calls.
    void setItemHeight(int height) { SetItemHeight(height); }
    ///@}
    /// The canvas rows are painted on.
    TCanvas& Canvas();

    /// Paints one row: a swatch and the colour's name by default. The brush
    /// and font colour are prepared for the row's state before the call.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

    ///@{
    /// Where the rows come from: TColorBoxStyleFlag bits.
    unsigned ColorBoxStyle() const;
    void SetColorBoxStyle(unsigned style);
    ///@}
    /// Refills the rows from OnGetColors (with cbCustomColors).
    void PopulateList();
    ///@{
    /// Room for the swatch and the longest colour name (or the placeholder
    /// text), as QComboBox gives for its longest text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    ///@}
    /// Fills the rows (with cbCustomColors): the sender and the list to fill.
    std::function<void(TCustomColorBox* Sender, TStrings& Items)> OnGetColors;

Q_SIGNALS:
    /// The current row changed.
    void itemIndexChanged(int index);
    /// The colour of the current row changed (with the row).
    void selectedChanged(int colour);

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
    /// The name a row shows (the sizes are measured on it): its text.
    virtual QString RowName(int index) const { return ColorNames(index); }
    /// The rectangle the box itself takes within the widget: all of it here.
    virtual QRect BoxRect() const { return rect(); }
    /// Qt's combo option, over BoxRect().
    void initStyleOption(QStyleOptionComboBox* option) const override;
    /// Measures the names again at the next size hint (rows or font changed).
    void InvalidateRowNames();

private:
    friend class TColorBoxDelegate;
    std::unique_ptr<TCustomColorBoxPrivate> fBoxPart;
};

} // namespace qz8
