// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Column headers' layouts applied through Qt's public setters and read
// back; the values and their checks are the store's (store/LayoutValues_p.h).
#include "store/LayoutValues_p.h"

class QHeaderView;

namespace qz8 {

THeaderLayout HeaderLayoutOf(const QHeaderView* header);
void ApplyHeaderLayout(QHeaderView* header, const THeaderLayout& layout);

} // namespace qz8
