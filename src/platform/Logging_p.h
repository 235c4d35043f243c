// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The library's logging category, "qz8": its diagnostics can be filtered
// and redirected with QT_LOGGING_RULES like any other Qt category.
#include "qz8_export.h"

#include <QLoggingCategory>

namespace qz8 {
QZ8_AUTOTEST_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcQz8)
} // namespace qz8
