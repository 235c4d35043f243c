// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// How ReadIni and SaveIni meet the migrations of store/FormStateMigrations.h
// (exported to the widget library, never installed).
#include "qz8_export.h"

#include "store/FormStateStore_p.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QObject;

namespace qz8 {

class TMyMemIniFile;

// A migration whose save is being written on the store's writer thread while
// the controls read the migrated content. Finish() waits for it and makes the
// outcome known: the steps' record, the backup, the secrets moved, the log.
// The destructor finishes too.
class QZ8_STORE_EXPORT TPendingMigration {
public:
    TPendingMigration() = default;
    TPendingMigration(TPendingMigration&&) noexcept = default;
    TPendingMigration& operator=(TPendingMigration&&) = delete;
    ~TPendingMigration();
    void Finish();

private:
    friend TPendingMigration MigrateAtRead(QObject* form, TMyMemIniFile& ini);
    TFormStateWrite fWrite;
    QPointer<QObject> fForm;
    QString fFileName;
    QString fBackup; // the file as it was
    bool fMadeBackup = false; // by this migration: it goes when the save fails
    QStringList fApplied; // the steps run; empty once finished
    QStringList fMovedSecrets; // removed from the secret store once saved
    QString fError; // why the save was not begun
};

// Runs the form's migration steps on ini (just read from its file) that the
// file has not had: the file as it was is kept once as
// "<file>.before-<first step's id>", the migrated content is saved
// atomically and stays in ini for the controls to read. A failed step or
// save leaves the file as it was, is logged, and makes the form's later
// saves keep the file's other sections; so does a record naming steps the
// form does not know. The record read is kept on the form for its saves.
// The save finishes with what is returned (see TPendingMigration).
QZ8_STORE_EXPORT TPendingMigration MigrateAtRead(QObject* form, TMyMemIniFile& ini);
// Writes the record a save of the form carries: the steps its file had and
// every step the form declares (its controls hold that version's state).
QZ8_STORE_EXPORT void WriteMigrationRecord(const QObject* form, TMyMemIniFile& ini);
// Whether the form's saves keep the sections of the existing file they do
// not write (a newer release's file, or one a step could not migrate).
QZ8_STORE_EXPORT bool KeepsOtherSections(const QObject* form);

} // namespace qz8
