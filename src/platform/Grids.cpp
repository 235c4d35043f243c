#include "platform/Grids.h"

#include <QHeaderView>
#include <algorithm>

namespace qz8 {

int TDrawGrid::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void TDrawGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(std::clamp(height, 1, 1000));
}

} // namespace qz8
