#pragma once
// The colour combo of the platform: a QComboBox whose rows (the list and the
// closed box) are painted by the virtual DrawItem(Index, Rect, State) on a
// canvas, as the owner-drawn list box does. Each item's object is its colour.
#include "platform/Canvas.h"
#include "platform/ListBox.h"
#include "platform/WidgetStrings.h"

#include <QComboBox>

namespace qz8 {

class TCustomColorBox : public QComboBox {
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

    // Paints one row: a swatch and the colour's name by default.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TColorBoxDelegate;
    TComboBoxStrings fItems;
    TCanvas fCanvas;
    int fItemHeight = 16;
};

} // namespace qz8
