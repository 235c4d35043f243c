#pragma once
// The platform's grid: a table of cells.
#include "../qz8_export.h"
#include "SizeRelevant.h"

#include <QTableWidget>

namespace qz8 {

class QZ8_EXPORT TCustomDrawGrid : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;
};

class QZ8_EXPORT TDrawGrid : public TCustomDrawGrid, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
public:
    using TCustomDrawGrid::TCustomDrawGrid;
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    void ResizeForImageHeight(TDensityStep& step) override { SetDefaultRowHeight(step.ItemHeight()); }
};

} // namespace qz8
