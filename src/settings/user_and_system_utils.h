// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The user's folders, the suite's product folder and the settings folder.
#include "../qz8_export.h"
#include <QString>

namespace qz8 {

/// The Documents folder, without a trailing delimiter. Raises Exception
/// "Couldn't find My Documents folder location." when there is none.
QZ8_EXPORT QString GetMyDocumentsFolder();
/// The product documents folder: Documents, a delimiter and "tarnwick8".
QZ8_EXPORT QString GetMyDocumentsTarnwickFolder();
/// The machine-wide application-data folder, without a trailing delimiter.
/// Raises Exception "Couldn't find All Users\Application Data folder
/// location." when there is none.
QZ8_EXPORT QString GetUsersAppDataFolder();
/// True when the program file lies on a USB drive; never for a network path.
QZ8_EXPORT bool RunningFromUSBStick();
/// Where "settings_folder.txt" is looked for: beside the program on a stick,
/// else in the product documents folder.
QZ8_EXPORT QString FilenameForSettingsFolderInfo();
/// The folder that settings_folder.txt designates ([Settings] folder=...);
/// "self" is the program's own folder with a trailing delimiter. Empty when
/// the file or the key is missing.
QZ8_EXPORT QString Get_Ini_Folder();

} // namespace qz8
