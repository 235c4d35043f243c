#pragma once
// The user's folders, the suite's product folder and the settings folder.
#include <QString>

namespace qz8 {

// The Documents folder, without a trailing delimiter. Raises Exception
// "Couldn't find My Documents folder location." when there is none.
QString GetMyDocumentsFolder();
// The product documents folder: Documents, a delimiter and "tarnwick8".
QString GetMyDocumentsTarnwickFolder();
// The machine-wide application-data folder, without a trailing delimiter.
// Raises Exception "Couldn't find All Users\Application Data folder
// location." when there is none.
QString GetUsersAppDataFolder();
// True when the program file lies on a USB drive; never for a network path.
bool RunningFromUSBStick();
// Where "settings_folder.txt" is looked for: beside the program on a stick,
// else in the product documents folder.
QString FilenameForSettingsFolderInfo();
// The folder that settings_folder.txt designates ([Settings] folder=...);
// "self" is the program's own folder with a trailing delimiter. Empty when
// the file or the key is missing.
QString Get_Ini_Folder();

} // namespace qz8
