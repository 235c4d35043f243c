// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/ElPack.h"
#include "external/General_runtime.h"
#include "platform/Logging_p.h"
#include "platform/SecretStore.h"
#include "settings/FormStatePasswords_p.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "store/Scramble.h"
#include "toolkit/Application.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QSet>
#include <QVariant>

namespace qz8 {

// A password edit whose marker the secret store did not resolve when read
// (store down, locked, or silent) carries this property, the secret's key,
// until its text changes: until then its save into that same file writes
// the marker back and leaves the secret in the store alone, so a store that
// is away at show loses nothing.
namespace {
const char* const kUnresolvedSecret = "qz8UnresolvedSecret";
} // namespace

bool IsUnresolved(const QObject* edit) { return !UnresolvedKey(edit).isEmpty(); }

QString UnresolvedKey(const QObject* edit) { return edit->property(kUnresolvedSecret).toString(); }

void MarkUnresolved(TElEdit* edit, const QString& key)
{
    if (key.isEmpty()) {
        edit->setProperty(kUnresolvedSecret, QVariant());
        return;
    }
    const bool connected = IsUnresolved(edit);
    edit->setProperty(kUnresolvedSecret, key);
    if (connected)
        return;
    // Any change of the text after the read is the user's (or the tool's)
    // word on that password.
    QObject::connect(
        edit->Editor(), &QLineEdit::textChanged, edit, [edit] { edit->setProperty(kUnresolvedSecret, QVariant()); },
        Qt::SingleShotConnection);
}

QString UnresolvedPasswordInFile(TMyMemIniFile& ini, const QString& section, const QString& readKey)
{
    // The file it was read from: the marker, the secret where it was.
    if (readKey == PasswordSecretKey(ini.FileName(), section)) {
        ini.SetOwnerOnly(true);
        return SecretStoreMarker();
    }
    // Another file (a profile saved under a new name): a marker there would
    // point at nothing. The secret is carried over once the store gives it.
    QString secret;
    if (MEMINI_passwords_in_secret_store &&
        SecretStore().Read(PasswordSecretService(), readKey, secret) == TSecretResult::Ok)
        return StoredPassword(ini, section, secret);
    // Left out: that file holds an empty password, as an edit left empty.
    qCWarning(lcQz8,
              "the password of \"%s\" is not saved into \"%s\": the secret store did not give it; it stays "
              "in the file it was read from",
              qPrintable(section), qPrintable(ini.FileName()));
    return QString();
}

// A password's text as the file holds it: the marker when the secret store
// took it, else scrambled. An emptied password leaves nothing in the store.
QString StoredPassword(TMyMemIniFile& ini, const QString& section, QString text)
{
    if (MEMINI_passwords_in_secret_store) {
        ISecretStore& store = SecretStore();
        const QString key = PasswordSecretKey(ini.FileName(), section);
        if (text.isEmpty()) {
            store.Remove(PasswordSecretService(), key);
            return text;
        }
        if (store.Write(PasswordSecretService(), key, text) == TSecretResult::Ok) {
            ini.SetOwnerOnly(true);
            return SecretStoreMarker();
        }
    }
    if (!text.isEmpty())
        ini.SetOwnerOnly(true);
    ScrambleText(text);
    return ToNumStr(text);
}

// The password a file holds: from the secret store for the marker, else
// unscrambled. False when the store does not give it: the edit keeps its
// text.
bool StoredPasswordText(const TMyMemIniFile& ini, const QString& section, QString& text)
{
    if (text == SecretStoreMarker()) {
        const TSecretResult r =
            SecretStore().Read(PasswordSecretService(), PasswordSecretKey(ini.FileName(), section), text);
        // Told once per password and process, not at every read.
        static QSet<QString> told;
        if (r != TSecretResult::Ok && !told.contains(PasswordSecretKey(ini.FileName(), section))) {
            told.insert(PasswordSecretKey(ini.FileName(), section));
            qCWarning(lcQz8,
                      "the password of \"%s\" could not be taken from the secret store (%s); it stays there "
                      "and the file keeps its marker until the password is changed",
                      qPrintable(section), r == TSecretResult::NotFound ? "not found" : "store unavailable");
        }
        return r == TSecretResult::Ok;
    }
    text = FromNumStr(text);
    ScrambleText(text);
    return true;
}

QStringList UnresolvedPasswords(const QObject* form)
{
    QStringList names;
    if (!form)
        return names;
    for (const TElEdit* edit : form->findChildren<TElEdit*>()) {
        if (IsUnresolved(edit))
            names << edit->objectName();
    }
    return names;
}

} // namespace qz8
