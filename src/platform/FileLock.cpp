// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/FileLock_p.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLockFile>

namespace qz8 {

QString TFileWriteLock::LockFileName(const QString& fileName)
{
    // A name at the file system's limit has no room for ".lock": its lock is
    // named by a shorter part of it and a digest of the whole.
    const QFileInfo info(fileName);
    const QString name = info.fileName();
    if (name.toUtf8().size() + 5 <= 255)
        return fileName + QStringLiteral(".lock");
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return info.path() + QLatin1Char('/') + name.left(64) + QLatin1Char('~') + QString::fromLatin1(digest) +
           QStringLiteral(".lock");
}

TFileWriteLock::TFileWriteLock(const QString& fileName, int waitMs)
    : fLock(std::make_unique<QLockFile>(LockFileName(fileName)))
{
    fLock->setStaleLockTime(30 * 1000);
    fLocked = fLock->tryLock(waitMs);
    if (fLocked)
        return;
    switch (fLock->error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString host, app;
        fLock->getLockInfo(&pid, &host, &app);
        fError = QStringLiteral("another program (%1, process %2) is writing it; waited %3 s")
                     .arg(app.isEmpty() ? QStringLiteral("?") : app)
                     .arg(pid)
                     .arg(waitMs / 1000.0);
        break;
    }
    case QLockFile::PermissionError:
        fError = QStringLiteral("its lock \"%1\" cannot be made in its folder").arg(LockFileName(fileName));
        break;
    default: fError = QStringLiteral("its lock \"%1\" cannot be taken").arg(LockFileName(fileName)); break;
    }
}

TFileWriteLock::~TFileWriteLock()
{
    if (fLocked)
        fLock->unlock();
}

bool TFileWriteLock::Held(const QString& fileName)
{
    if (!QFileInfo::exists(LockFileName(fileName)))
        return false;
    const TFileWriteLock probe(fileName, 0);
    return !probe.Locked() && probe.fLock->error() == QLockFile::LockFailedError;
}

} // namespace qz8
