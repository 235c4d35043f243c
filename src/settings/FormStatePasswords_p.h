// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The password policy of the form state files: password edits' texts go to
// the desktop's secret store, the file holding a marker; without a store
// they are scrambled into the file. A marker the store cannot resolve when
// read is kept, with its secret, until the user changes the password.
#include <QString>

class QObject;

namespace qz8 {

class TElEdit;
class TMyMemIniFile;

// A password's text as the file holds it: the marker when the secret store
// took it, else scrambled. An emptied password leaves nothing in the store.
QString StoredPassword(TMyMemIniFile& ini, const QString& section, QString text);
// The password a file holds: from the secret store for the marker, else
// unscrambled. False when the store does not give it: the edit keeps its
// text.
bool StoredPasswordText(const TMyMemIniFile& ini, const QString& section, QString& text);
// Marks an edit whose marker the store did not resolve with the secret's
// key (an empty key clears the mark); a change of its text clears it.
void MarkUnresolved(TElEdit* edit, const QString& key);
bool IsUnresolved(const QObject* edit);
// The key of the secret an unresolved edit's marker stood for.
QString UnresolvedKey(const QObject* edit);
// What a save writes for an unresolved password: the marker into the file
// it was read from; into another file the secret carried over (or, while
// the store does not give it, an empty password, said through the log).
QString UnresolvedPasswordInFile(TMyMemIniFile& ini, const QString& section, const QString& readKey);

} // namespace qz8
