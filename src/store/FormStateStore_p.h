// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// What a form read of its form state file, kept for its saves: the content
// they write their changes against, and how the read went. Kept in the
// store, per form, until the form is destroyed. Exported to the widget
// library, never installed.
#include "qz8_export.h"
#include "store/MemIniFile.h"

#include <QString>
#include <functional>
#include <memory>

class QObject;

namespace qz8 {

class TFileWriteLock;

// A save finished on the store's writer thread: the file's lock goes with
// it and is let go once the file is on disk (or the save failed), so the
// thread that began it goes on meanwhile and no other writer comes between.
class QZ8_STORE_EXPORT TFormStateWrite {
public:
    TFormStateWrite();
    TFormStateWrite(TFormStateWrite&&) noexcept;
    TFormStateWrite& operator=(TFormStateWrite&&) noexcept;
    ~TFormStateWrite(); // waits for the save
    // Starts writing content (its text as it is now) under lock.
    void Start(std::unique_ptr<TFileWriteLock> lock, const TMyMemIniFile& content);
    // Waits for the save: its error, empty when the file is on disk (or
    // nothing was pending).
    QString Wait();

private:
    struct State;
    std::shared_ptr<State> fState;
};

// As EditFormStateFile over ini, with the save left to write (the writer
// thread): nothing is pending when edit refused or raised.
QZ8_STORE_EXPORT bool EditFormStateFileWritingLater(TMyMemIniFile& ini,
                                                    const std::function<bool(TMyMemIniFile& now)>& edit,
                                                    TFormStateWrite& write);

struct TFormStateSession {
    QString FileName; // the file read
    // The file's content as read (migrated), then as last written by this
    // form: a save writes what differs from it.
    TMyMemIniFile Base{QString()};
    // The file existed when it was read.
    bool Existed = false;
    // A migration step failed at the read: the record stays as the file has
    // it, and the saves keep the sections they do not write.
    bool MigrationFailed = false;
    // The saves keep the sections of the file they do not write (a newer
    // release's file, or one a step could not migrate).
    bool KeepsOtherSections = false;
    // The read raised (the file could not be read, a reader failed): the
    // window that read it does not write over what it never had.
    bool Unreadable = false;
};

// The session of a form, made when asked for the first time.
QZ8_STORE_EXPORT TFormStateSession& FormStateSessionOf(const QObject* form);
// The session of a form for that file, null when the form read no file or
// another one (a null name: any file).
QZ8_STORE_EXPORT TFormStateSession* FindFormStateSession(const QObject* form, const QString& fileName = QString());

} // namespace qz8
