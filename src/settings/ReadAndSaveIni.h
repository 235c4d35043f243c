#pragma once
// Form state files: a window's control states (check marks, chosen items,
// edit texts, spin values, list contents) kept in an INI file, one section
// per named control, so that a tool window reopens as the user left it.
//
// Password texts of ElPack edits whose password character is "*" are
// scrambled (settings/Scramble.h) before they are stored; names on the
// application drive are stored with its token (settings/AppDrive.h).
#include "qz8_export.h"
#include "settings/AppDrive.h"
#include "settings/Scramble.h"

#include <QString>

class QObject;

namespace qz8 {

class TMyMemIniFile;

// Switches, read at every save and read.
extern QZ8_EXPORT bool MEMINI_include_Listboxes; // default false
extern QZ8_EXPORT bool MEMINI_include_Memos; // default false
extern QZ8_EXPORT bool MEMINI_check_filenames; // default true
// Whether the check marks of check list boxes travel with their items (as
// object values 1 and 0); default true.
extern QZ8_EXPORT bool MEMINI_include_checklistbox_checkeds;

// Reading does nothing when the file does not exist. Saving rewrites the
// whole file; a name without a folder part saves nothing. A file that
// cannot be written raises Exception naming it; the previous file stays.
QZ8_EXPORT void ReadIni(QObject* form, const QString& fileName);
QZ8_EXPORT void ReadIni(QObject* form, const char* fileName);
QZ8_EXPORT void ReadIni(QObject* form);
QZ8_EXPORT void ReadIni(QObject* form, bool UseDocumentsFolder);
QZ8_EXPORT void SaveIni(QObject* form, const QString& fileName);
QZ8_EXPORT void SaveIni(QObject* form, const char* fileName);
QZ8_EXPORT void SaveIni(QObject* form);
QZ8_EXPORT void SaveIni(QObject* form, bool UseDocumentsFolder);

// The executable's name with ".ini" for its extension, or with
// UseDocumentsFolder its name part in the product documents folder.
QZ8_EXPORT QString DefaultFormStateFileName();
QZ8_EXPORT QString FormStateFileName(bool UseDocumentsFolder);

// The walk over what a component owns; Reading true restores, false stores.
QZ8_EXPORT void PersistComponentStates(QObject* component, TMyMemIniFile& ini, bool Reading);
// The row of the layout table that handles a component, 0 for none.
QZ8_EXPORT int PersistRowOf(const QObject* component);
// Memos and multi-selection file-name edits.
QZ8_EXPORT void PersistMultiLineControl(TMyMemIniFile& ini, bool Reading, QObject* control);

QZ8_EXPORT bool IsFileOrFolderNameEdit(const QObject* component);
QZ8_EXPORT bool IsMultiFileNameEdit(const QObject* component);

} // namespace qz8
