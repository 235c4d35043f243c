// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/RowSelection_p.h"

#include <algorithm>
#include <iterator>

namespace qz8 {

namespace {
qint64 Length(int first, int last) { return qint64{last} - first + 1; }
} // namespace

void TRowSelection::Clear()
{
    fRanges.clear();
    fCount = 0;
}

bool TRowSelection::Contains(int row) const
{
    auto it = fRanges.upper_bound(row);
    if (it == fRanges.begin())
        return false;
    --it;
    return row <= it->second;
}

void TRowSelection::Insert(int first, int last)
{
    if (first > last)
        std::swap(first, last);
    // Merge every range that overlaps or touches first..last.
    auto it = fRanges.upper_bound(first);
    if (it != fRanges.begin()) {
        auto prev = std::prev(it);
        if (qint64{prev->second} + 1 >= first)
            it = prev;
    }
    while (it != fRanges.end() && qint64{it->first} <= qint64{last} + 1) {
        first = std::min(first, it->first);
        last = std::max(last, it->second);
        fCount -= Length(it->first, it->second);
        it = fRanges.erase(it);
    }
    fRanges.emplace(first, last);
    fCount += Length(first, last);
}

void TRowSelection::Erase(int row)
{
    auto it = fRanges.upper_bound(row);
    if (it == fRanges.begin())
        return;
    --it;
    const int first = it->first, last = it->second;
    if (row > last)
        return;
    fRanges.erase(it);
    fCount -= 1;
    if (first < row)
        fRanges.emplace(first, row - 1);
    if (row < last)
        fRanges.emplace(row + 1, last);
}

bool TRowSelection::Toggle(int row)
{
    if (Contains(row)) {
        Erase(row);
        return false;
    }
    Insert(row);
    return true;
}

void TRowSelection::EraseFrom(int n)
{
    auto it = fRanges.lower_bound(n);
    while (it != fRanges.end()) {
        fCount -= Length(it->first, it->second);
        it = fRanges.erase(it);
    }
    if (!fRanges.empty()) {
        auto last = std::prev(fRanges.end());
        if (last->second >= n) {
            fCount -= Length(n, last->second);
            last->second = n - 1;
        }
    }
}

} // namespace qz8
