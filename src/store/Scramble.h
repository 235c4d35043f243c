// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The scrambling of password texts in form state files: each character is
// combined with a fixed key, so the same call undoes it. That is
// obfuscation, not protection: anyone with the file can undo it.
#include "../qz8_export.h"
#include <QString>

namespace qz8 {

/// Scrambles (or unscrambles) the text in place, up to a NUL character; a
/// character that would become 0 or 26 stays as it is.
QZ8_STORE_EXPORT void ScrambleText(QString& text);

} // namespace qz8
