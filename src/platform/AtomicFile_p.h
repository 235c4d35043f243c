// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Whole-file writes that never leave a torn file: the data goes to a
// temporary file of the library's own naming beside the target, is flushed
// to disk, and replaces the target in one rename. A save killed half-way
// leaves the target as it was and, at worst, a temporary named
// "<file>.qz8-save-XXXXXX" (six letters or digits), which the next
// successful save removes once it is old. Nothing else beside the target is
// ever touched.
#include "qz8_export.h"

#include <QByteArray>
#include <QString>

namespace qz8 {

// The infix of the temporaries: "<file>" + kSaveDebrisInfix + six characters.
inline constexpr char kSaveDebrisInfix[] = ".qz8-save-";

// Writes data as the whole content of fileName (a symbolic link's target
// is written). ownerOnly makes the file readable by its owner only, before
// a byte is written; otherwise an existing file keeps its permissions and a
// new one gets the process's default. False with a reason in error.
bool WriteFileAtomically(const QString& fileName, const QByteArray& data, bool ownerOnly, QString& error);

// Keeps the present content of fileName (a link's target) under keptName,
// which must not exist: a hard link where the file system has them (no copy:
// saves replace the file, never write into it), else an owner-only copy of
// at most kMaxKeptFileBytes. False with a reason in error.
inline constexpr qint64 kMaxKeptFileBytes = 16 * 1024 * 1024;
bool KeepFileAs(const QString& fileName, const QString& keptName, QString& error);

// True when both names reach one existing file (the same device and inode:
// through links, hard links or other spellings alike).
QZ8_STORE_EXPORT bool IsSameFile(const QString& a, const QString& b);

// True for an existing file that saves do not replace: one without any
// write permission (also for root), or one this process may not write.
bool IsReadOnlyFile(const QString& fileName);

// Removes the temporaries of earlier, killed saves of fileName that are
// older than maxAgeSecs (younger ones may belong to a save in progress).
void RemoveSaveDebris(const QString& fileName, int maxAgeSecs);

// True when a temporary of a save of fileName is younger than withinSecs:
// another process (or thread) is saving it now.
bool SaveInProgress(const QString& fileName, int withinSecs);

} // namespace qz8
