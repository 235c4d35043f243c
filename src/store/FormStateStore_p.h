#pragma once
// What a form read of its form state file, kept for its saves: the content
// they write their changes against, and how the read went. Kept in the
// store, per form, until the form is destroyed. Exported to the widget
// library, never installed.
#include "qz8_export.h"
#include "store/MemIniFile.h"

#include <QString>

class QObject;

namespace qz8 {

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
};

// The session of a form, made when asked for the first time.
QZ8_STORE_EXPORT TFormStateSession& FormStateSessionOf(const QObject* form);
// The session of a form for that file, null when the form read no file or
// another one (a null name: any file).
QZ8_STORE_EXPORT TFormStateSession* FindFormStateSession(const QObject* form, const QString& fileName = QString());

} // namespace qz8
