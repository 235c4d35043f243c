// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The characters a font's own character map holds (its cmap), read through
// the system's font library: fontconfig's character set on Linux, the GDI
// query on Windows. Qt's QRawFont::supportsCharacter answers for what Qt can
// draw instead (it says yes to a tab for any font with a space).
#include "qz8_export.h"

#include <QFont>
#include <utility>
#include <vector>

namespace qz8 {

// Ascending, disjoint runs (first character, count) of the 16-bit
// characters in the font's character map; none when the font is unknown.
QZ8_AUTOTEST_EXPORT std::vector<std::pair<char16_t, int>> FontCharacterRuns16(const QFont& font);

} // namespace qz8
