// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/Exception.h"

namespace qz8 {

Exception::Exception(const QString& message) : std::runtime_error(message.toStdString()) { }

} // namespace qz8
