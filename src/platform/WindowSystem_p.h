// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// What the window system lets a window do. On Wayland a window cannot
// place itself: the compositor chooses where it goes, and a position the
// window reads of itself means nothing.
#include "../qz8_export.h"

#include <optional>

namespace qz8 {

// True unless the platform leaves window positions to its compositor.
QZ8_AUTOTEST_EXPORT bool WindowsPlaceThemselves();
// Set by a test to answer for the platform; unset, the platform answers.
QZ8_AUTOTEST_EXPORT extern std::optional<bool> WindowsPlaceThemselvesAnswer;

} // namespace qz8
