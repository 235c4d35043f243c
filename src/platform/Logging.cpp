// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Logging_p.h"

namespace qz8 {
Q_LOGGING_CATEGORY(lcQz8, "qz8")
} // namespace qz8
