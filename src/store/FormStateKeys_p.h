// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The keys the kinds of control share in a form state file, in its style.
#include <QString>

namespace qz8 {

inline const QString kChecked = QStringLiteral("checked");
inline const QString kI = QStringLiteral("i");
inline const QString kText = QStringLiteral("text");
inline const QString kValue = QStringLiteral("value");

} // namespace qz8
