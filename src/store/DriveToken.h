// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The application-drive token of form state files: a name on the drive or
// mount point that holds the tool is kept as "app_drive$" plus the rest
// (settings/AppDrive.h finds the drive and resolves the token).
#include "../qz8_export.h"

#include <QString>

namespace qz8 {

/// The token: "app_drive$".
QZ8_STORE_EXPORT QString AppDriveToken();
/// A name under root (a drive or mount point with its trailing delimiter) as
/// the token plus the rest; other names, and any name for an empty root, as
/// they are. The drive compares case-sensitively where paths do (not on
/// Windows).
/// \since 0.2
QZ8_STORE_EXPORT QString ContractDrive(const QString& name, const QString& root);

} // namespace qz8
