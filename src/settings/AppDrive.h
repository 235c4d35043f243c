// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The application-drive token of form state files: a file or folder name on
// the drive (Windows) or mount point (Linux) that holds the executable is
// stored as "app_drive$" plus the rest, so settings travel with a tool that
// is run from a USB stick mounted elsewhere next time.
#include "../qz8_export.h"
#include "../store/DriveToken.h"
#include <QString>
#include <QStringList>

namespace qz8 {

/// The application drive with a trailing delimiter; empty when unknown.
QZ8_EXPORT QString AppDriveRoot();

/// While one lives, AppDriveRoot answers from the value it found first
/// inside the outermost scope: a save or read of many names finds the drive once
/// (the executable's path and the mount table are not read per name).
class QZ8_EXPORT TAppDriveScope {
public:
    TAppDriveScope();
    ~TAppDriveScope();
    TAppDriveScope(const TAppDriveScope&) = delete;
    TAppDriveScope& operator=(const TAppDriveScope&) = delete;
};
/// A name on the application drive as the token plus the rest; the drive is
/// compared case-sensitively where paths are (not on Windows).
QZ8_EXPORT QString ContractAppDrive(const QString& name);
/// A stored name with the token resolved. A file that no longer exists gives
/// its folder when that exists; a folder that does not exist gives nothing.
QZ8_EXPORT QString ExpandAppDrive(const QString& stored, bool IsFile);
/// ExpandAppDrive for many names (a list's remembered names): checked in one
/// batch, with one bounded wait for a mount that does not answer.
QZ8_EXPORT QStringList ExpandAppDriveNames(const QStringList& stored, bool IsFile);
/// The folder part of a name with its trailing delimiter; empty without one.
QZ8_EXPORT QString FolderPart(const QString& fileName);

} // namespace qz8
