#pragma once
// The platform's grid: a table of cells.
#include <QTableWidget>

namespace qz8 {

class TCustomDrawGrid : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;
};

class TDrawGrid : public TCustomDrawGrid {
    Q_OBJECT
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
public:
    using TCustomDrawGrid::TCustomDrawGrid;
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
};

} // namespace qz8
