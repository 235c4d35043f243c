// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The one way form state files are written: every writer (a window's saves,
// its migrations, qz8-formstate, a tool's own code) takes the file's lock,
// reads the file as it is on disk now, puts its changes over it and saves it
// atomically before it lets the lock go. So writers never lose each other's
// updates: a key another writer changed since this one read the file is
// kept, unless this writer changed the same key; a key this writer deleted
// is deleted.
#include "../qz8_export.h"

#include <QString>
#include <functional>

namespace qz8 {

class TMyMemIniFile;

/// How long a writer waits for another to finish with the same file, in milliseconds.
/// \since 0.3
inline constexpr int kFormStateLockWaitMs = 10000;

/// Edits a form state file under its lock: edit gets the file's content as it is on disk now (empty when there is no
/// file) and returns whether to save it; the file is then written atomically before the lock is let go. Raises
/// Exception naming the file when the lock is not had within kFormStateLockWaitMs, or when the file cannot be read or
/// written; the file then stays as it was. Returns whether the file was written.
/// \since 0.3
QZ8_STORE_EXPORT bool EditFormStateFile(const QString& fileName, const std::function<bool(TMyMemIniFile& now)>& edit);
/// The same over ini, the file's content as the caller read it and has not changed since (a window's read about to
/// be migrated): read again under the lock only when the file changed since, edited in place, and written; ini holds
/// the content edited (or the file as it is now, when edit refused).
/// \since 0.3
QZ8_STORE_EXPORT bool EditFormStateFile(TMyMemIniFile& ini, const std::function<bool(TMyMemIniFile& now)>& edit);

/// Puts what a writer changed over the content of now: every key of mine whose value differs from base's (or that
/// base lacks) is set in now; every key of base that mine lacks is deleted from now, in the sections mine writes, or
/// in every section when dropUnwritten (a writer that rewrites the whole file); a section left without keys goes.
/// Keys that mine and base agree on keep now's values. Returns whether now changed.
/// \since 0.3
QZ8_STORE_EXPORT bool PutFormStateChanges(const TMyMemIniFile& base, const TMyMemIniFile& mine, TMyMemIniFile& now,
                                          bool dropUnwritten);

/// True while another process (or thread) holds the lock of the file: it is writing it now.
/// \since 0.3
QZ8_STORE_EXPORT bool FormStateFileLocked(const QString& fileName);

/// What a file holds in place of a password kept in the secret store.
QZ8_STORE_EXPORT QString SecretStoreMarker();
/// Where a password edit's text is kept in the secret store: the service is
/// the tool's name (the application's), the key the form state file's
/// absolute name and the control's name.
QZ8_STORE_EXPORT QString PasswordSecretService();
/// The key of a password edit's text in the secret store.
QZ8_STORE_EXPORT QString PasswordSecretKey(const QString& fileName, const QString& control);

} // namespace qz8
