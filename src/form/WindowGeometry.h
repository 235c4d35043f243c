// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Where a window was, per screen arrangement (store/WindowGeometry.h), and
// the screens there are now.
#include "../qz8_export.h"
#include "../store/WindowGeometry.h"

namespace qz8 {

///@{
/// The geometries, and the available geometries (without panels), of the
/// screens there are now.
QZ8_EXPORT QList<QRect> ScreenGeometries();
QZ8_EXPORT QList<QRect> AvailableScreenGeometries();
///@}

} // namespace qz8
