// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Form state files: a window's control states (check marks, chosen items,
// edit texts, spin values, list contents) kept in an INI file, one section
// per named control, so that a tool window reopens as the user left it.
//
// Password texts of ElPack edits whose password character is "*" go to the
// desktop's secret store (platform/SecretStore.h) under the tool's name, the
// file and the control, and the file holds SecretStoreMarker() in their
// place; without a reachable store (or with MEMINI_passwords_in_secret_store
// off) they are scrambled (settings/Scramble.h) into the file, as older files
// hold them. A file holding either is written for its owner only. Names on
// the application drive are stored with its token (settings/AppDrive.h).
//
// A window with state of its own beside its controls' (its geometry)
// implements IFormStateSections; ReadIni and SaveIni call it after the
// controls.
#include "../qz8_export.h"
#include "../store/FormStateStore.h"
#include "../store/Scramble.h"
#include "AppDrive.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace qz8 {

class TMyMemIniFile;

// The switches of the form state files: process-wide, read at every save
// and read (ReadIni, SaveIni, the base window's own). A tool sets them once
// in main(), before its first window opens.

/// Whether list boxes, check list boxes and QListWidgets are kept: their
/// items and current row (a virtual list: its current row only); default
/// false, so that a list a tool fills itself is not read back over its own
/// rows. Set it to true in main() for lists the user fills or picks from.
extern QZ8_EXPORT bool MEMINI_include_Listboxes;
/// Whether memos (ElPack memos, multi-file name edits, QPlainTextEdit) keep
/// their lines; default false (a memo's text can be long).
extern QZ8_EXPORT bool MEMINI_include_Memos;
/// Whether file and folder names are kept with the application drive's
/// token in place of the drive the tool runs from, so that a tool on a
/// removable drive finds its files under another mount; default true.
extern QZ8_EXPORT bool MEMINI_check_filenames;
/// Whether the check marks of check list boxes travel with their items (as
/// object values 1 and 0); default true.
extern QZ8_EXPORT bool MEMINI_include_checklistbox_checkeds;
/// Whether a window keeps its size, position and state (per screen
/// arrangement); default true. Off, the file holds no geometry section.
extern QZ8_EXPORT bool MEMINI_include_geometry;
/// Whether password texts go to the desktop's secret store; default true.
/// Off, they are scrambled into the file and the store is not touched; a
/// marker already in a file is still resolved when read.
extern QZ8_EXPORT bool MEMINI_passwords_in_secret_store;

/// SecretStoreMarker, PasswordSecretService and PasswordSecretKey: store/FormStateStore.h.
/// The password edits of a form (by name) whose marker the secret store could
/// not resolve at the last read: the store was down, locked or silent, or
/// lost the secret. Each keeps its marker in the file, and its secret in the
/// store, until its text is changed; a tool may tell the user or read again.
QZ8_EXPORT QStringList UnresolvedPasswords(const QObject* form);

/// A window that keeps sections of its own in its form state file (the base
/// window keeps its placement).
class QZ8_EXPORT IFormStateSections {
public:
    virtual ~IFormStateSections() = default;
    /// After the controls were read from ini.
    virtual void ReadFormSections(const TMyMemIniFile& ini) = 0;
    /// After the controls were written into ini, before it is saved.
    virtual void SaveFormSections(TMyMemIniFile& ini) = 0;
};

///@{
/// Reads the state of every control of the form from the file, and the
/// form's own sections (IFormStateSections); without a name, from
/// DefaultFormStateFileName or FormStateFileName. Reading does nothing when
/// the file does not exist. Saving rewrites the whole file; a name without a
/// folder part saves nothing. A file that cannot be written raises Exception
/// naming it; the previous file stays.
QZ8_EXPORT void ReadIni(QObject* form, const QString& fileName);
QZ8_EXPORT void ReadIni(QObject* form, const char* fileName);
QZ8_EXPORT void ReadIni(QObject* form);
QZ8_EXPORT void ReadIni(QObject* form, bool UseDocumentsFolder);
///@}
///@{
/// Stores the state of every control of the form into the file, and the
/// form's own sections (IFormStateSections); without a name, into
/// DefaultFormStateFileName or FormStateFileName.
QZ8_EXPORT void SaveIni(QObject* form, const QString& fileName);
QZ8_EXPORT void SaveIni(QObject* form, const char* fileName);
QZ8_EXPORT void SaveIni(QObject* form);
QZ8_EXPORT void SaveIni(QObject* form, bool UseDocumentsFolder);
///@}

/// The executable's name with ".ini" for its extension, or with
/// UseDocumentsFolder its name part in the product documents folder.
///@{
QZ8_EXPORT QString DefaultFormStateFileName();
QZ8_EXPORT QString FormStateFileName(bool UseDocumentsFolder);
///@}

/// The walk over what a component owns; Reading true restores, false stores.
QZ8_EXPORT void PersistComponentStates(QObject* component, TMyMemIniFile& ini, bool Reading);
/// The row of the layout table that handles a component, 0 for none. Rows 1
/// to 20 are the layout's own; 21 to 33 plain Qt widgets (spin boxes,
/// combos, sliders, date and time edits, key sequences, tab widgets, stacked
/// widgets, tool boxes, splitters, tree and table headers, checkable group
/// boxes); 40 a control that says how it is kept (IFormStateValue), 41 a
/// registered kind, 42 the general rule: a widget whose class no row names
/// keeps its USER property as text.
QZ8_EXPORT int PersistRowOf(const QObject* component);

/// How a form state file keeps a tool's own kind of control: reading true
/// restores from the control's section, false stores into it.
using TFormStateHandler =
    std::function<void(QObject* control, TMyMemIniFile& ini, bool reading, const QString& section)>;
/// Registers the handler of a class (and its descendants), before the Qt
/// rows and the general rule; an empty handler removes the registration.
QZ8_EXPORT void RegisterFormStateHandler(const QMetaObject* cls, TFormStateHandler handler);
/// Memos and multi-selection file-name edits.
QZ8_EXPORT void PersistMultiLineControl(TMyMemIniFile& ini, bool Reading, QObject* control);

/// True for the file-name and folder-name edits (their paths are kept).
QZ8_EXPORT bool IsFileOrFolderNameEdit(const QObject* component);
/// True for a file-name edit that takes several files.
QZ8_EXPORT bool IsMultiFileNameEdit(const QObject* component);

} // namespace qz8

#define IFormStateSections_iid "qz8.IFormStateSections"
Q_DECLARE_INTERFACE(qz8::IFormStateSections, IFormStateSections_iid)
