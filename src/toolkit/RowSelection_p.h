// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The selected rows of a list as disjoint ranges, as QItemSelectionModel
// keeps them: selecting ten million rows is one range, costs no memory per
// row, and every question is answered in logarithmic time.
#include "qz8_export.h"

#include <QtGlobal>
#include <map>

namespace qz8 {

class QZ8_AUTOTEST_EXPORT TRowSelection {
public:
    void Clear();
    bool Contains(int row) const;
    // Selects first..last (inclusive; in either order).
    void Insert(int first, int last);
    void Insert(int row) { Insert(row, row); }
    void Erase(int row);
    // Flips a row; true when it is selected afterwards.
    bool Toggle(int row);
    // Drops every row from n on.
    void EraseFrom(int n);
    qint64 Count() const { return fCount; }
    // The ranges: disjoint, not adjacent, ascending.
    const std::map<int, int>& Ranges() const { return fRanges; }

private:
    std::map<int, int> fRanges; // first -> last
    qint64 fCount = 0;
};

} // namespace qz8
