// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Migrations of form state files: a tool's next release renames a control,
// moves a value into another control or drops one, and declares how its
// users' files follow, as ordered steps with stable ids. ReadIni runs the
// steps a file has not had, once, before any control is restored; the file
// records them in a section of the library's own ("Form state migrations"),
// and the file as it was is kept once beside it as "<name>.before-<step id>".
//
//   class CorpusWindow : public TTMSStyleableRepositoryForm, public IFormStateMigrations {
//       Q_OBJECT
//       Q_INTERFACES(qz8::IFormStateMigrations)
//       TFormStateMigrations FormStateMigrations() const override {
//           return TFormStateMigrations()
//               .RenameSection("2.0-corpus-folder", "Edit1", "CorpusFolder")
//               .MoveKey("2.0-case", "Options", "case", "CaseBox", "checked");
//       }
//   };
//
// A step that fails leaves the file as it was (no step of that start is
// kept) and is said through the "qz8" logging category; the window opens
// with what it can read and its saves keep the sections it does not know,
// so the next start can try again. A file whose record names steps this
// tool does not know (a newer release wrote it) keeps that record and the
// sections this tool does not write.
#include "../qz8_export.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace qz8 {

class TMyMemIniFile;

/// The section of the library's own that records the steps a file has had:
/// one key per step id, its value a UTC time (ISO 8601): when the step ran
/// over the file, or, for a step recorded as behind a file this release
/// wrote (a fresh file, one that had every step), the time of that save.
/// \since 0.2
QZ8_STORE_EXPORT QString FormStateMigrationsSection();

/// Where the file as it was before a migration's first step is kept:
/// "<fileName>.before-<stepId>".
/// \since 0.2
QZ8_STORE_EXPORT QString MigrationBackupName(const QString& fileName, const QString& stepId);

/// A value's conversion: the text the file holds, and the whole file to
/// look at; nothing when the value cannot be converted (the step fails).
using TFormStateConversion = std::function<std::optional<QString>(const QString& value, const TMyMemIniFile& ini)>;
/// A step written as a function over the file: false, with a reason in
/// error, when it fails.
using TFormStateStepFunction = std::function<bool(TMyMemIniFile& ini, QString& error)>;

/// What a run of migration steps did to a file.
/// \since 0.2
struct QZ8_STORE_EXPORT TFormStateMigrationResult {
    /// The ids of the steps that ran, in order (none when one failed).
    QStringList Applied;
    /// The id of the step that failed, empty when none did.
    QString FailedStep;
    /// Why it failed.
    QString Error;
    /// The ids the file's record names that the steps do not (a newer
    /// release's).
    QStringList Unknown;
    /// True when no step failed.
    bool Ok() const { return FailedStep.isEmpty(); }
};

/// The ordered migration steps of a tool's form state file. Each step has an
/// id that never changes once released: letters, digits, '.', '-' and '_'
/// (it names the backup file), unique in the list. Section and key names
/// compare without case, as in the file.
/// \since 0.2
class QZ8_STORE_EXPORT TFormStateMigrations {
public:
    /// No steps.
    TFormStateMigrations();
    ~TFormStateMigrations();
    /// Copies share the steps.
    TFormStateMigrations(const TFormStateMigrations&);
    /// Copies share the steps.
    TFormStateMigrations& operator=(const TFormStateMigrations&);

    /// A control renamed: its section takes the new name. A password's
    /// secret moves with it in the secret store. Fails when a section of
    /// the new name exists already.
    TFormStateMigrations& RenameSection(const QString& id, const QString& from, const QString& to);
    /// Sections renamed where they stand, in one pass over the file: each
    /// section for which newName gives a name (not an empty one) takes it,
    /// with its keys and a password's secret. For a family of controls
    /// renamed at once (a page's prefix changed). Fails, changing nothing,
    /// when two sections would then share a name; a chain (A to B while B
    /// is renamed on) is allowed.
    TFormStateMigrations& RenameSections(const QString& id, std::function<QString(const QString& section)> newName);
    /// A key of a section renamed; nothing to do when the key is not there.
    /// Fails when the new key exists already.
    TFormStateMigrations& RenameKey(const QString& id, const QString& section, const QString& from, const QString& to);
    /// A value moved into another control's section (under toKey, or its
    /// own key name when toKey is empty), replacing what that key held.
    TFormStateMigrations& MoveKey(const QString& id, const QString& fromSection, const QString& key,
                                  const QString& toSection, const QString& toKey = QString());
    /// A control's keys moved into the section of another name (a control
    /// that went into a page whose name it now carries, a control whose
    /// state another one takes over): each key replaces the one of that
    /// name there, the others of that section stay, and the old section
    /// goes. A password's secret moves with it.
    TFormStateMigrations& MoveSection(const QString& id, const QString& from, const QString& into);
    /// A control that is no more: its section goes.
    TFormStateMigrations& DropSection(const QString& id, const QString& section);
    /// A value converted into another control's (or the same) key; the
    /// source key goes when it moved. Nothing to do when the key is not
    /// there; fails when convert gives nothing.
    TFormStateMigrations& ConvertValue(const QString& id, const QString& section, const QString& key,
                                       const QString& toSection, const QString& toKey, TFormStateConversion convert);
    /// A step of the tool's own over the whole file.
    TFormStateMigrations& Step(const QString& id, TFormStateStepFunction apply);

    /// The ids of the steps, in order.
    QStringList Ids() const;
    /// The number of steps.
    int Count() const;

    /// Runs on ini, in order, the steps its record does not name, and adds
    /// them to the record. A step that fails leaves ini as it was. Secrets
    /// moved by a step are written under their new keys; the old keys are
    /// listed in secretsToRemove (keys of PasswordSecretService()) for the
    /// caller to remove once the migrated file is saved; without a list they
    /// are removed at once. A file without a record runs every step: it was
    /// written before the first.
    TFormStateMigrationResult Apply(TMyMemIniFile& ini, QStringList* secretsToRemove = nullptr) const;

    /// One step (the library's own).
    struct TStep;

private:
    TFormStateMigrations& Add(TStep step);
    std::shared_ptr<std::vector<TStep>> d;
};

/// A window (or any form) that declares the migration steps of its form
/// state file. ReadIni asks it before any control is restored.
/// \since 0.2
class QZ8_STORE_EXPORT IFormStateMigrations {
public:
    virtual ~IFormStateMigrations() = default;
    /// The steps, in the order they were released.
    virtual TFormStateMigrations FormStateMigrations() const = 0;
};

} // namespace qz8

#define IFormStateMigrations_iid "qz8.IFormStateMigrations"
Q_DECLARE_INTERFACE(qz8::IFormStateMigrations, IFormStateMigrations_iid)
