#pragma once
// The platform's grid: a table of cells.
#include <QTableWidget>

namespace qz8 {

class TCustomDrawGrid : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;
};

} // namespace qz8
