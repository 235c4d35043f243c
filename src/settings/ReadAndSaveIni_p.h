// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Saving a form state file for a window that cannot save its whole state.
#include <QList>
#include <QString>
#include <QStringList>

class QObject;

namespace qz8 {

class TMyMemIniFile;

// What a save of a form writes over its file.
enum class TFormStateSaveMode {
    Whole, // its controls and own sections; sections it does not write go
    KeepOtherSections, // the same, keeping the sections it does not write
    AddMissing, // its own sections, and the controls whose sections the file lacks
};

// SaveIni, keeping the sections of the existing file that this save does
// not write, but for those named in notKept (the saver's own): what a
// window's own SaveFormSections would have written, when only its base can
// still save.
void SaveIniKeepingOtherSections(QObject* form, const QString& fileName, const QStringList& notKept);

// Writes the form's own sections (IFormStateSections) over its file, and
// adds the sections of its controls that the file lacks: a window that
// never read its file holds no value of the user's to write over the file's.
void SaveIniAddingMissing(QObject* form, const QString& fileName);

// The components of the form whose state its file keeps, each in a section
// of its own name, in the order of the walk.
QList<QObject*> KeptControls(const QObject* form);
// Stores the state of these components (each its own section) into ini.
void SaveControlStates(const QList<QObject*>& controls, TMyMemIniFile& ini);

} // namespace qz8
