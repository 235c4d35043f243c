// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/FormStateMigrations.h"
#include "platform/AtomicFile_p.h"
#include "platform/Logging_p.h"
#include "platform/SecretStore.h"
#include "store/Exception.h"
#include "store/FormStateKeys_p.h"
#include "store/FormStateMigrations_p.h"
#include "store/FormStateStore.h"
#include "store/FormStateStore_p.h"
#include "store/MemIniFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QVariant>
#include <algorithm>

namespace qz8 {

namespace {

// What the steps of one run did to the secret store.
struct TRunSecrets {
    QStringList written; // new keys, removed again when the run fails
    QStringList moved; // old keys, removed once the migrated file is saved
};

using TApply = std::function<bool(TMyMemIniFile&, TRunSecrets&, QString&)>;

bool ValidId(const QString& id)
{
    if (id.isEmpty() || id.size() > 100)
        return false;
    return std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('.') || c == QLatin1Char('-') ||
               c == QLatin1Char('_');
    });
}

QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

// A password's secret follows its section from one name to another; the
// section holds the marker where the secret store keeps it.
// The secret of the password edit whose section is (now) at moves from the
// key of section from to that of section to.
bool CarrySecret(const TMyMemIniFile& ini, TRunSecrets& secrets, const QString& at, const QString& from,
                 const QString& to, QString& error)
{
    if (!ini.ValueIs(at, kText, SecretStoreMarker()))
        return true;
    const QString service = PasswordSecretService();
    const QString oldKey = PasswordSecretKey(ini.FileName(), from);
    const QString newKey = PasswordSecretKey(ini.FileName(), to);
    QString secret;
    const TSecretResult read = SecretStore().Read(service, oldKey, secret);
    if (read != TSecretResult::Ok) {
        error = QStringLiteral("the password of \"%1\" could not be taken from the secret store (%2)")
                    .arg(from, read == TSecretResult::NotFound ? QStringLiteral("not found")
                                                               : QStringLiteral("store unavailable"));
        return false;
    }
    if (SecretStore().Write(service, newKey, secret) != TSecretResult::Ok) {
        error = QStringLiteral("the password of \"%1\" could not be put into the secret store as \"%2\"").arg(from, to);
        return false;
    }
    secrets.written << newKey;
    secrets.moved << oldKey;
    return true;
}

void CopyKeys(TMyMemIniFile& ini, const QString& from, const QString& into)
{
    for (const QString& key : ini.ReadSection(from))
        ini.WriteString(into, key, ini.ReadString(from, key, QString()));
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

struct TFormStateMigrations::TStep {
    QString id;
    TApply apply;
};

QString FormStateMigrationsSection() { return QStringLiteral("Form state migrations"); }

TFormStateMigrations::TFormStateMigrations() : d(std::make_shared<std::vector<TStep>>()) { }
TFormStateMigrations::~TFormStateMigrations() = default;
TFormStateMigrations::TFormStateMigrations(const TFormStateMigrations&) = default;
TFormStateMigrations& TFormStateMigrations::operator=(const TFormStateMigrations&) = default;

TFormStateMigrations& TFormStateMigrations::Add(TStep step)
{
    // A step named twice, or by a name no file can carry, is the tool's
    // fault: said where the steps are declared, at the tool's first run of
    // them (its own tests), not when a user's file is migrated.
    if (!ValidId(step.id))
        throw Exception(QStringLiteral("migration step id \"%1\": an id is 1 to 100 letters, digits, '.', '-' and '_'")
                            .arg(step.id));
    const QString folded = step.id.toCaseFolded();
    if (std::any_of(d->begin(), d->end(), [&](const TStep& s) { return s.id.toCaseFolded() == folded; }))
        throw Exception(QStringLiteral("migration step id \"%1\" names two steps").arg(step.id));
    // Copies share the steps until one of them adds a step.
    if (d.use_count() > 1)
        d = std::make_shared<std::vector<TStep>>(*d);
    d->push_back(std::move(step));
    return *this;
}

TFormStateMigrations& TFormStateMigrations::RenameSection(const QString& id, const QString& from, const QString& to)
{
    return Add({id, [from, to](TMyMemIniFile& ini, TRunSecrets& secrets, QString& error) {
                    if (!ini.SectionExists(from) || SameName(from, to))
                        return true;
                    if (ini.SectionExists(to)) {
                        error = QStringLiteral("a section \"%1\" exists already").arg(to);
                        return false;
                    }
                    if (!CarrySecret(ini, secrets, from, from, to, error))
                        return false;
                    ini.RenameSection(from, to);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::RenameSections(const QString& id,
                                                           std::function<QString(const QString& section)> newName)
{
    return Add({id, [newName](TMyMemIniFile& ini, TRunSecrets& secrets, QString& error) {
                    if (!newName) {
                        error = QStringLiteral("the step has no function");
                        return false;
                    }
                    QList<std::pair<QString, QString>> renamed;
                    QString clash;
                    if (!ini.RenameSections(newName, renamed, clash)) {
                        error = QStringLiteral("a section \"%1\" exists already").arg(clash);
                        return false;
                    }
                    // A failed step's changes are dropped: the secrets can
                    // follow the renames (a file of no password has none).
                    if (!ini.AnyValueIs(kText, SecretStoreMarker()))
                        return true;
                    for (const auto& [from, to] : std::as_const(renamed)) {
                        if (!CarrySecret(ini, secrets, to, from, to, error))
                            return false;
                    }
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::RenameKey(const QString& id, const QString& section, const QString& from,
                                                      const QString& to)
{
    return Add({id, [section, from, to](TMyMemIniFile& ini, TRunSecrets&, QString& error) {
                    if (!ini.ValueExists(section, from) || SameName(from, to))
                        return true;
                    if (ini.ValueExists(section, to)) {
                        error = QStringLiteral("the key \"%1\" of \"%2\" exists already").arg(to, section);
                        return false;
                    }
                    ini.WriteString(section, to, ini.ReadString(section, from, QString()));
                    ini.DeleteKey(section, from);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::MoveKey(const QString& id, const QString& fromSection, const QString& key,
                                                    const QString& toSection, const QString& toKey)
{
    const QString target = toKey.isEmpty() ? key : toKey;
    return Add({id, [fromSection, key, toSection, target](TMyMemIniFile& ini, TRunSecrets& secrets, QString& error) {
                    if (!ini.ValueExists(fromSection, key))
                        return true;
                    if (SameName(fromSection, toSection) && SameName(key, target))
                        return true;
                    if (SameName(key, kText) && SameName(target, kText) &&
                        !CarrySecret(ini, secrets, fromSection, fromSection, toSection, error))
                        return false;
                    const QString value = ini.ReadString(fromSection, key, QString());
                    ini.DeleteKey(fromSection, key);
                    ini.WriteString(toSection, target, value);
                    if (ini.ReadSection(fromSection).isEmpty())
                        ini.EraseSection(fromSection);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::MoveSection(const QString& id, const QString& from, const QString& into)
{
    return Add({id, [from, into](TMyMemIniFile& ini, TRunSecrets& secrets, QString& error) {
                    if (!ini.SectionExists(from) || SameName(from, into))
                        return true;
                    if (!CarrySecret(ini, secrets, from, from, into, error))
                        return false;
                    CopyKeys(ini, from, into);
                    ini.EraseSection(from);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::DropSection(const QString& id, const QString& section)
{
    return Add({id, [section](TMyMemIniFile& ini, TRunSecrets&, QString&) {
                    ini.EraseSection(section);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::ConvertValue(const QString& id, const QString& section, const QString& key,
                                                         const QString& toSection, const QString& toKey,
                                                         TFormStateConversion convert)
{
    return Add({id, [section, key, toSection, toKey, convert](TMyMemIniFile& ini, TRunSecrets&, QString& error) {
                    if (!ini.ValueExists(section, key))
                        return true;
                    const QString value = ini.ReadString(section, key, QString());
                    const std::optional<QString> converted = convert ? convert(value, ini) : std::nullopt;
                    if (!converted) {
                        error = QStringLiteral("the value \"%1\" of \"%2\" (key \"%3\") could not be converted")
                                    .arg(value.left(80), section, key);
                        return false;
                    }
                    const QString target = toSection.isEmpty() ? section : toSection;
                    const QString targetKey = toKey.isEmpty() ? key : toKey;
                    if (!SameName(section, target) || !SameName(key, targetKey)) {
                        ini.DeleteKey(section, key);
                        if (ini.ReadSection(section).isEmpty())
                            ini.EraseSection(section);
                    }
                    ini.WriteString(target, targetKey, *converted);
                    return true;
                }});
}

TFormStateMigrations& TFormStateMigrations::Step(const QString& id, TFormStateStepFunction apply)
{
    return Add({id, [apply](TMyMemIniFile& ini, TRunSecrets&, QString& error) {
                    if (!apply) {
                        error = QStringLiteral("the step has no function");
                        return false;
                    }
                    return apply(ini, error);
                }});
}

QStringList TFormStateMigrations::Ids() const
{
    QStringList ids;
    for (const TStep& s : *d)
        ids << s.id;
    return ids;
}

int TFormStateMigrations::Count() const { return static_cast<int>(d->size()); }

TFormStateMigrationResult TFormStateMigrations::Apply(TMyMemIniFile& ini, QStringList* secretsToRemove) const
{
    TFormStateMigrationResult result;
    const QString record = FormStateMigrationsSection();
    // The ids were checked as the steps were declared (Add).
    QSet<QString> ids;
    for (const TStep& s : *d)
        ids.insert(s.id.toCaseFolded());
    for (const QString& id : ini.ReadSection(record)) {
        if (!ids.contains(id.toCaseFolded()))
            result.Unknown << id;
    }
    TMyMemIniFile work(ini.FileName());
    TRunSecrets secrets;
    bool copied = false;
    for (const TStep& s : *d) {
        if (ini.ValueExists(record, s.id))
            continue;
        if (!copied) {
            work = ini; // shares the text read, no second parse
            copied = true;
        }
        QString error;
        bool ok = false;
        // A step of the tool's own may throw: it fails like any other.
        try {
            ok = s.apply(work, secrets, error);
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        } catch (...) {
            error = QStringLiteral("the step threw");
        }
        if (!ok) {
            for (const QString& key : std::as_const(secrets.written))
                SecretStore().Remove(PasswordSecretService(), key);
            result.Applied.clear();
            result.FailedStep = s.id;
            result.Error = error.isEmpty() ? QStringLiteral("the step failed") : error;
            return result;
        }
        result.Applied << s.id;
    }
    if (result.Applied.isEmpty())
        return result;
    const QString now = Now();
    for (const QString& id : std::as_const(result.Applied))
        work.WriteString(record, id, now);
    ini = std::move(work);
    if (secretsToRemove) {
        *secretsToRemove << secrets.moved;
    } else {
        for (const QString& key : std::as_const(secrets.moved))
            SecretStore().Remove(PasswordSecretService(), key);
    }
    return result;
}

QString MigrationBackupName(const QString& fileName, const QString& stepId)
{
    return fileName + QStringLiteral(".before-") + stepId;
}

namespace {
// The steps a form declares; nothing (said) when the declaration is faulty.
std::optional<TFormStateMigrations> DeclaredSteps(const IFormStateMigrations* declared, const QString& fileName)
{
    if (!declared)
        return TFormStateMigrations();
    try {
        return declared->FormStateMigrations();
    } catch (const Exception& e) {
        qCWarning(lcQz8, "form state file \"%s\": %s: nothing is migrated", qPrintable(fileName),
                  qPrintable(e.Message()));
        return std::nullopt;
    }
}
} // namespace

TPendingMigration MigrateAtRead(QObject* form, TMyMemIniFile& ini)
{
    TPendingMigration pending;
    const QString record = FormStateMigrationsSection();
    auto* declared = qobject_cast<IFormStateMigrations*>(form);
    TFormStateSession& session = FormStateSessionOf(form);
    session.MigrationFailed = false;
    session.KeepsOtherSections = false;
    // The common case (no steps, no record) costs a look-up.
    if (!declared && !ini.SectionExists(record))
        return pending;
    const std::optional<TFormStateMigrations> declaredSteps = DeclaredSteps(declared, ini.FileName());
    if (!declaredSteps) {
        session.MigrationFailed = true;
        session.KeepsOtherSections = true;
        return pending;
    }
    const TFormStateMigrations& steps = *declaredSteps;
    bool toRun = false;
    for (const QString& id : steps.Ids())
        toRun = toRun || !ini.ValueExists(record, id);
    if (!toRun) {
        // Nothing to run: only whether the record names steps of a newer release.
        session.KeepsOtherSections = !steps.Apply(ini).Unknown.isEmpty();
        return pending;
    }
    // The steps run under the file's lock, over the file as it is on disk
    // now, and the migrated file is saved before the lock goes: a writer
    // that saved since the read is not undone. The save itself is written
    // on the writer thread while the controls read.
    QStringList moved;
    TFormStateMigrationResult r;
    QString backup;
    QString error;
    bool madeBackup = false;
    const QString fileName = ini.FileName();
    try {
        // The controls read the migrated content, saved or not (or the
        // file as another start of the tool migrated it meanwhile).
        EditFormStateFileWritingLater(
            ini,
            [&](TMyMemIniFile& now) {
                r = steps.Apply(now, &moved);
                if (!r.Ok())
                    return false;
                if (r.Applied.isEmpty())
                    return false;
                if (IsReadOnlyFile(fileName))
                    throw Exception(QStringLiteral("the file is read-only"));
                // The file as it was is kept once, beside it. An earlier backup
                // (a regular file) is kept; a name taken by anything else (a
                // link, dangling or not, a folder, a FIFO) is neither written
                // through nor named: the backup takes the first free name
                // "<name>.1", "<name>.2", ...
                backup = MigrationBackupName(fileName, r.Applied.first());
                const auto isTaken = [](const QString& name) {
                    const QFileInfo at(name);
                    return at.isSymLink() || (at.exists() && !at.isFile());
                };
                if (isTaken(backup)) {
                    const QString first = backup;
                    for (int n = 1; n <= 99 && isTaken(backup); ++n)
                        backup = first + QLatin1Char('.') + QString::number(n);
                    if (isTaken(backup))
                        throw Exception(
                            QStringLiteral("the backup names \"%1\" to \"%2\" are taken by what is not a backup")
                                .arg(first, backup));
                }
                const QFileInfo taken(backup);
                if (!taken.exists()) {
                    QString why;
                    if (!KeepFileAs(fileName, backup, why))
                        throw Exception(QStringLiteral("the backup \"%1\" could not be written: %2").arg(backup, why));
                    madeBackup = true;
                }
                return true;
            },
            pending.fWrite);
    } catch (const Exception& e) {
        error = e.Message();
    }
    if (!r.Ok()) {
        session.MigrationFailed = true;
        session.KeepsOtherSections = true;
        qCWarning(lcQz8,
                  "form state file \"%s\": migration step \"%s\" failed: %s; the file is left as it was, its "
                  "sections are kept and the steps run again at the next read",
                  qPrintable(fileName), qPrintable(r.FailedStep), qPrintable(r.Error));
        return pending;
    }
    if (r.Applied.isEmpty() && !error.isEmpty()) {
        // Not run at all (the lock was not had, the file could not be read
        // again): as a failed step, nothing is recorded and the next read
        // runs the steps.
        session.MigrationFailed = true;
        session.KeepsOtherSections = true;
        qCWarning(lcQz8, "form state file \"%s\": not migrated: %s; the steps run at the next read",
                  qPrintable(fileName), qPrintable(error));
        return pending;
    }
    session.KeepsOtherSections = !r.Unknown.isEmpty();
    if (r.Applied.isEmpty())
        return pending;
    pending.fForm = form;
    pending.fFileName = fileName;
    pending.fBackup = backup;
    pending.fMadeBackup = madeBackup;
    pending.fApplied = r.Applied;
    pending.fMovedSecrets = moved;
    pending.fError = error; // the save was not begun (a read-only file, no backup)
    return pending;
}

TPendingMigration::~TPendingMigration()
{
    try {
        Finish();
    } catch (...) {
        qCWarning(lcQz8, "form state file \"%s\": the migration could not be finished", qPrintable(fFileName));
    }
}

void TPendingMigration::Finish()
{
    if (fApplied.isEmpty())
        return;
    const QString error = fError.isEmpty() ? fWrite.Wait() : fError;
    const QStringList applied = std::exchange(fApplied, {});
    if (error.isEmpty()) {
        for (const QString& key : std::as_const(fMovedSecrets))
            SecretStore().Remove(PasswordSecretService(), key);
        qCInfo(lcQz8, "form state file \"%s\": migrated by %s; the file as it was is \"%s\"", qPrintable(fFileName),
               qPrintable(applied.join(QStringLiteral(", "))), qPrintable(fBackup));
        return;
    }
    // Read as migrated, but the file stays as it was (with no backup of a
    // migration that did not happen): the record stays as the file has it,
    // and the window's saves keep what they do not write.
    if (fMadeBackup)
        QFile::remove(fBackup);
    if (TFormStateSession* session = fForm ? FindFormStateSession(fForm, fFileName) : nullptr) {
        session->MigrationFailed = true;
        session->KeepsOtherSections = true;
    }
    qCWarning(lcQz8, "form state file \"%s\": migrated for this run only, not saved: %s", qPrintable(fFileName),
              qPrintable(error));
}

void WriteMigrationRecord(const QObject* form, TMyMemIniFile& ini)
{
    auto* declared = qobject_cast<const IFormStateMigrations*>(form);
    const TFormStateSession* session = FindFormStateSession(form, ini.FileName());
    const QString record = FormStateMigrationsSection();
    if (session) {
        // The record as the file had it: a save never says a step ran that
        // did not.
        ini.EraseSection(record);
        for (const QString& id : session->Base.ReadSection(record))
            ini.WriteString(record, id, session->Base.ReadString(record, id, QString()));
        if (session->MigrationFailed)
            return;
    }
    const std::optional<TFormStateMigrations> steps = DeclaredSteps(declared, ini.FileName());
    if (!declared || !steps)
        return;
    // A file this release writes fresh (or that has had every step) holds
    // this release's state: every step it declares is behind it.
    const QString now = Now();
    for (const QString& id : steps->Ids()) {
        if (!ini.ValueExists(record, id))
            ini.WriteString(record, id, now);
    }
}

bool KeepsOtherSections(const QObject* form)
{
    const TFormStateSession* session = FindFormStateSession(form);
    return session && session->KeepsOtherSections;
}

} // namespace qz8
