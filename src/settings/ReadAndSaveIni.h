#pragma once
// Form state files: a window's control states (check marks, chosen items,
// edit texts, spin values, list contents) kept in an INI file, one section
// per named control, so that a tool window reopens as the user left it.
//
// Password texts of ElPack edits whose password character is "*" are
// scrambled (settings/Scramble.h) before they are stored; names on the
// application drive are stored with its token (settings/AppDrive.h).
#include "settings/AppDrive.h"
#include "settings/Scramble.h"

#include <QString>

class QObject;

namespace qz8 {

class TMyMemIniFile;

// Switches, read at every save and read.
extern bool MEMINI_include_Listboxes;  // default false
extern bool MEMINI_include_Memos;      // default false
extern bool MEMINI_check_filenames;    // default true
// Whether the check marks of check list boxes travel with their items (as
// object values 1 and 0); default true.
extern bool MEMINI_include_checklistbox_checkeds;

// Reading does nothing when the file does not exist. Saving rewrites the
// whole file; a name without a folder part saves nothing. A file that
// cannot be written raises Exception naming it; the previous file stays.
void ReadIni(QObject* form, const QString& fileName);
void ReadIni(QObject* form, const char* fileName);
void ReadIni(QObject* form);
void ReadIni(QObject* form, bool UseDocumentsFolder);
void SaveIni(QObject* form, const QString& fileName);
void SaveIni(QObject* form, const char* fileName);
void SaveIni(QObject* form);
void SaveIni(QObject* form, bool UseDocumentsFolder);

// The executable's name with ".ini" for its extension, or with
// UseDocumentsFolder its name part in the product documents folder.
QString DefaultFormStateFileName();
QString FormStateFileName(bool UseDocumentsFolder);

// The walk over what a component owns; Reading true restores, false stores.
void PersistComponentStates(QObject* component, TMyMemIniFile& ini, bool Reading);
// The row of the layout table that handles a component, 0 for none.
int PersistRowOf(const QObject* component);
// Memos and multi-selection file-name edits.
void PersistMultiLineControl(TMyMemIniFile& ini, bool Reading, QObject* control);

bool IsFileOrFolderNameEdit(const QObject* component);
bool IsMultiFileNameEdit(const QObject* component);

} // namespace qz8
