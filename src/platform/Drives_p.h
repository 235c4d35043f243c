// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The operating system's facts about drives: the mount table and the sysfs
// bus of a block device (Linux), the logical drives and the storage bus
// query (Windows). The Linux sources are injectable so that tests can build
// a fake USB stick.
#include "qz8_export.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace qz8 {

// Where the drive facts come from (Linux): "/sys" and "/proc/self/mounts".
extern QZ8_AUTOTEST_EXPORT QString DriveUtilsSysRoot;
extern QZ8_AUTOTEST_EXPORT QString DriveUtilsMountTable;

// One line of the mount table, unescaped.
struct QZ8_AUTOTEST_EXPORT TMountEntry {
    QString device;
    QString point;
    QString type;
};

// The mount table in its order (empty when it cannot be read; a hostile one
// is cut at 4 MiB).
QZ8_AUTOTEST_EXPORT std::vector<TMountEntry> ReadMountTable();
// True for a network file system type (never a USB drive).
QZ8_AUTOTEST_EXPORT bool IsNetworkFileSystem(const QString& type);
// True when the sysfs device path of a block device passes a USB bus.
QZ8_AUTOTEST_EXPORT bool BlockDeviceOnUsb(const QString& device);

// Windows: the letters of the logical drives, lower case; empty elsewhere.
QZ8_AUTOTEST_EXPORT QStringList LogicalDriveLetters();
// Windows: the STORAGE_BUS_TYPE of a drive letter from the storage property
// query, 0 when it cannot be asked; 0 elsewhere.
QZ8_AUTOTEST_EXPORT std::uint8_t QueryStorageBusType(QChar letter);

} // namespace qz8
