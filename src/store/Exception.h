// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The error type of the library and its form state store.
#include "../qz8_export.h"

#include <QString>
#include <stdexcept>

namespace qz8 {

/// The error type of the library: a message naming what failed.
class QZ8_STORE_EXPORT Exception : public std::runtime_error {
public:
    /// An error with a message (kept as UTF-8).
    explicit Exception(const QString& message);
    /// The message.
    QString Message() const { return QString::fromUtf8(what()); }
};

} // namespace qz8
