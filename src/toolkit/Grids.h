// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The platform's grid: a table of cells.
#include "../qz8_export.h"
#include "SizeRelevant.h"

#include <QTableWidget>

namespace qz8 {

/// The draw grid of the platform: a table of cells.
class QZ8_EXPORT TCustomDrawGrid : public QTableWidget {
    Q_OBJECT
public:
    /// The constructors of QTableWidget.
    using QTableWidget::QTableWidget;
};

/// The draw grid; its rows follow the density's item height.
class QZ8_EXPORT TDrawGrid : public TCustomDrawGrid, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    /// The height of the rows (see DefaultRowHeight()).
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
public:
    /// The constructors of TCustomDrawGrid.
    using TCustomDrawGrid::TCustomDrawGrid;
    ///@{
    /// The height of every row in pixels.
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    ///@}
    void ResizeForImageHeight(TDensityStep& step) override { SetDefaultRowHeight(step.ItemHeight()); }
};

} // namespace qz8
