// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Where CurrentDPIScale asks for the monitor font scale: a system's text
// scaling, or a test's. Unset, the scale is pixels per inch over 96.
#include "qz8_export.h"
#include <functional>

namespace qz8 {

QZ8_AUTOTEST_EXPORT extern std::function<float(int pixelsPerInch)> MonitorFontScaleQuery;

} // namespace qz8
