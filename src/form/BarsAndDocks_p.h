// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// A window's tool bars and docks in its form state file, as plain values
// (the section, its keys and their checks are in store/LayoutValues_p.h,
// which says why no Qt state blob is kept).
#include "store/LayoutValues_p.h"

#include <QList>
#include <QString>

class QMainWindow;

namespace qz8 {

class TMyMemIniFile;

// Whether the window has tool bars or docks of its own.
bool HasBarsOrDocks(const QMainWindow* window);
// The tool bars (area, line, order, shown) and docks (area, floating,
// shown, size, floating geometry) by object name, one key each.
void WriteBarsAndDocks(const QMainWindow* window, TMyMemIniFile& ini, const QString& section);
// Applies what section holds to the bars and docks of those names; unknown
// names and values out of range are passed over, floating docks are kept
// on the available screens.
void ReadBarsAndDocks(QMainWindow* window, const TMyMemIniFile& ini, const QString& section);

} // namespace qz8
