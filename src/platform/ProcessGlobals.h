// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Process-wide values of the library and how they are set back to their
// start-up values (a test's clean slate, a package loaded again).
#include "../qz8_export.h"

#include <QString>
#include <functional>

namespace qz8 {

/// Process-wide values register a function that sets them back to their
/// start-up values; tests call ResetProcessGlobals between cases.
QZ8_STORE_EXPORT void RegisterGlobalReset(std::function<void()> reset);
/// Calls every registered reset, in the order they were registered.
QZ8_STORE_EXPORT void ResetProcessGlobals();

/// The running program's full file name.
QZ8_STORE_EXPORT QString ExeName();
/// Makes ExeName answer another name (a launcher running a tool, or a test
/// placing the program on another drive); empty restores the real one.
QZ8_STORE_EXPORT void OverrideExeName(const QString& fileName);

} // namespace qz8
