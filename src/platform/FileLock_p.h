// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// One writer at a time for a file, across processes and threads: a lock file
// "<file>.lock" beside it (QLockFile), held from the read a writer writes
// against to the rename of its atomic save. A lock left by a process that
// died (on this machine) is taken over at once; one older than 30 seconds
// (a process on another machine of a shared home) too; a live holder is
// waited for, within a bound.
#include "qz8_export.h"

#include <QString>
#include <memory>

class QLockFile;

namespace qz8 {

class TFileWriteLock {
public:
    // Waits at most waitMs for the lock of fileName.
    TFileWriteLock(const QString& fileName, int waitMs);
    ~TFileWriteLock();
    TFileWriteLock(const TFileWriteLock&) = delete;
    TFileWriteLock& operator=(const TFileWriteLock&) = delete;

    bool Locked() const { return fLocked; }
    // Why the lock was not taken, for a message.
    QString Error() const { return fError; }
    // The lock file of fileName.
    static QString LockFileName(const QString& fileName);
    // True while another process or thread holds the lock of fileName.
    static bool Held(const QString& fileName);

private:
    std::unique_ptr<QLockFile> fLock;
    bool fLocked = false;
    QString fError;
};

} // namespace qz8
