// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Grids.h"
#include "toolkit/SizeRelevant.h"

#include <QHeaderView>
#include <algorithm>

namespace qz8 {

namespace {
// The density table's row and the window's collected class of this module.
[[maybe_unused]] const bool registered = [] {
    RegisterDensityRow(TDensityRow::DrawGrid, &TDrawGrid::staticMetaObject);
    RegisterCollectedClass(10, &TCustomDrawGrid::staticMetaObject);
    return true;
}();
} // namespace

int TDrawGrid::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void TDrawGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(std::clamp(height, 1, 1000));
}

} // namespace qz8
