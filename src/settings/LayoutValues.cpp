// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "settings/LayoutValues_p.h"

#include <QHeaderView>

#include <algorithm>

namespace qz8 {

namespace {
bool InExtent(int v) { return v >= 0 && v <= kMaxLayoutExtent; }
} // namespace

THeaderLayout HeaderLayoutOf(const QHeaderView* header)
{
    THeaderLayout l;
    const int n = header->count();
    for (int i = 0; i < n; ++i) {
        // A hidden section tells no width (0: none of the user's to keep).
        l.hidden << header->isSectionHidden(i);
        l.sizes << header->sectionSize(i);
        l.visual << header->visualIndex(i);
    }
    l.sortSection = header->sortIndicatorSection();
    l.sortOrder = header->sortIndicatorOrder();
    l.sortShown = header->isSortIndicatorShown();
    return l;
}

void ApplyHeaderLayout(QHeaderView* header, const THeaderLayout& l)
{
    const int n = header->count();
    const int known = std::min<int>(n, static_cast<int>(l.sizes.size()));
    for (int i = 0; i < known; ++i) {
        if (i < l.hidden.size() && l.hidden[i] != header->isSectionHidden(i))
            header->setSectionHidden(i, l.hidden[i]);
        // Zero means "no width of the user's"; the header's own stays. A
        // hidden section takes the width as its width when shown.
        if (InExtent(l.sizes[i]) && l.sizes[i] > 0 && header->sectionResizeMode(i) == QHeaderView::Interactive &&
            header->sectionSize(i) != l.sizes[i])
            header->resizeSection(i, l.sizes[i]);
    }
    // Positions only when they name every section the header has, each once;
    // also for a header the user cannot move sections of (a table view's by
    // default), whose sections the tool's code moved.
    if (l.visual.size() == n && IsPermutation(l.visual)) {
        for (int target = 0; target < n; ++target) {
            const int logical = static_cast<int>(l.visual.indexOf(target));
            const int from = header->visualIndex(logical);
            if (from != target)
                header->moveSection(from, target);
        }
    }
    if (l.sortSection >= -1 && l.sortSection < n &&
        (l.sortOrder == Qt::AscendingOrder || l.sortOrder == Qt::DescendingOrder)) {
        header->setSortIndicatorShown(l.sortShown);
        header->setSortIndicator(l.sortSection, static_cast<Qt::SortOrder>(l.sortOrder));
    }
}

} // namespace qz8
