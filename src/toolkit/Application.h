// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Application helpers of the platform.
#include "../platform/ProcessGlobals.h"
#include "../qz8_export.h"
#include <QFont>
#include <QString>

namespace qz8 {

/// ExeName and OverrideExeName: platform/ProcessGlobals.h.
/// Lets pending events run (timers, posted events, repaints).
QZ8_EXPORT void ProcessMessages();
/// The font new windows start with.
QZ8_EXPORT QFont DefaultFont();
/// The primary screen's logical density (96 without a screen).
QZ8_EXPORT int ScreenPixelsPerInch();

} // namespace qz8
