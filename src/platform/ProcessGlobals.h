#pragma once
// Process-wide values of the library and how they are set back to their
// start-up values (a test's clean slate, a package loaded again).
#include "../qz8_export.h"

#include <functional>

namespace qz8 {

/// Process-wide values register a function that sets them back to their
/// start-up values; tests call ResetProcessGlobals between cases.
QZ8_EXPORT void RegisterGlobalReset(std::function<void()> reset);
/// Calls every registered reset, in the order they were registered.
QZ8_EXPORT void ResetProcessGlobals();

} // namespace qz8
