// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The storage bus of a drive and the list of USB drives.
//
// On Windows a drive is a letter, asked through the storage property query.
// On Linux a drive is a mount point: its bus is 7 (USB) when the block
// device mounted there hangs off a USB bus in sysfs, 0 when it cannot be
// told; a network or virtual mount is never USB. Where the sysfs root and
// the mount table are read from is set in platform/Drives_p.h (the
// library's own; its tests build a fake stick there).
#include "../qz8_export.h"
#include "../store/Strings.h"

#include <QString>
#include <cstdint>

namespace qz8 {

/// The bus of a drive that cannot be told.
constexpr std::uint8_t BusTypeUnknown = 0;
/// The bus of a USB drive.
constexpr std::uint8_t BusTypeUsb = 7;

/// The bus type of a drive: a letter on Windows, a mount point on Linux.
QZ8_EXPORT std::uint8_t GetBusType(const QString& drive);
/// Appends one entry per USB drive: the lower-case letter on Windows, the
/// mount point on Linux. Entries already in the list stay first.
QZ8_EXPORT void GetUsbDrives(TStrings& list);

/// The mount point that holds a path (Linux; the path's drive elsewhere),
/// with no trailing delimiter except for "/". Empty when there is none.
QZ8_EXPORT QString MountPointOf(const QString& path);

} // namespace qz8
