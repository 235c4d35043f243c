// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// What the library would refuse or bound when reading a form state file,
// found without a window: for support staff who get a user's file, and for
// qz8-formstate check. Each finding names its line (1 for the first; 0 for
// the file as a whole).
#include "../qz8_export.h"

#include <QList>
#include <QRect>
#include <QString>

namespace qz8 {

/// One thing of a form state file that a window would not take as it stands.
/// \since 0.2
struct QZ8_STORE_EXPORT TFormStateFinding {
    int Line = 0; ///< 1 for the first line; 0 for the file as a whole
    QString Section; ///< the section, empty for the file or a line outside any
    QString Key; ///< the key, empty for a section or a line
    QString Message; ///< what a window does with it, in English
};

/// What the placements and the passwords are checked against.
/// \since 0.2
struct QZ8_STORE_EXPORT TFormStateCheckOptions {
    /// The available geometries of the screens a window would open on;
    /// empty: the placements are checked for damage only.
    QList<QRect> Screens;
    /// Whether each password marker is looked up in the secret store.
    bool LookUpSecrets = true;
    /// The secret store's service of the tool that wrote the file; empty:
    /// PasswordSecretService() of this process.
    QString SecretService;
};

/// The findings of a form state file, in line order; empty for a sound
/// file. A file that cannot be read at all (missing, not a regular file,
/// unreadable, too large) is one finding of line 0.
/// \since 0.2
QZ8_STORE_EXPORT QList<TFormStateFinding> CheckFormStateFile(const QString& fileName,
                                                             const TFormStateCheckOptions& options = {});

/// True while a writer is saving the file: another process, or a thread of this one (a window's own writes run on
/// the store's writer thread), holds the file's lock (FormStateFileLocked); or a temporary of an atomic save lies
/// beside it and is younger than a minute (a save in its last moment, or one killed less than a minute ago).
/// \since 0.2
QZ8_STORE_EXPORT bool FormStateFileBeingSaved(const QString& fileName);

} // namespace qz8
