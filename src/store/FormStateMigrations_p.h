#pragma once
// How ReadIni and SaveIni meet the migrations of store/FormStateMigrations.h
// (exported to the widget library, never installed).
#include "qz8_export.h"

#include <QString>

class QObject;

namespace qz8 {

class TMyMemIniFile;

// Runs the form's migration steps on ini (just read from its file) that the
// file has not had: the file as it was is kept once as
// "<file>.before-<first step's id>", the migrated content is saved
// atomically and stays in ini for the controls to read. A failed step or
// save leaves the file as it was, is logged, and makes the form's later
// saves keep the file's other sections; so does a record naming steps the
// form does not know. The record read is kept on the form for its saves.
QZ8_STORE_EXPORT void MigrateAtRead(QObject* form, TMyMemIniFile& ini);
// Writes the record a save of the form carries: the steps its file had and
// every step the form declares (its controls hold that version's state).
QZ8_STORE_EXPORT void WriteMigrationRecord(const QObject* form, TMyMemIniFile& ini);
// Whether the form's saves keep the sections of the existing file they do
// not write (a newer release's file, or one a step could not migrate).
QZ8_STORE_EXPORT bool KeepsOtherSections(const QObject* form);

} // namespace qz8
