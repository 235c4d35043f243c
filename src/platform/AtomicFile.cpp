#include "platform/AtomicFile_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qz8 {

namespace {

constexpr int kTailLength = 6;

QString RandomTail()
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tail;
    for (int i = 0; i < kTailLength; ++i)
        tail += QLatin1Char(chars[QRandomGenerator::global()->bounded(int(sizeof chars) - 1)]);
    return tail;
}

bool IsDebrisTail(QStringView tail)
{
    return tail.size() == kTailLength &&
           std::all_of(tail.begin(), tail.end(), [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
}

// The file a save really writes: a symbolic link's target, as an editor
// saving through the link would.
QString ResolvedTarget(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
}

#ifndef Q_OS_WIN

QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool WriteAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

#endif

} // namespace

bool WriteFileAtomically(const QString& fileName, const QByteArray& data, bool ownerOnly, QString& error)
{
    if (fileName.isEmpty()) {
        error = QStringLiteral("No file name");
        return false;
    }
    const QString target = ResolvedTarget(fileName);
#ifndef Q_OS_WIN
    const QByteArray targetPath = QFile::encodeName(target);
    struct stat existing { };
    const bool exists = ::stat(targetPath.constData(), &existing) == 0;
    QByteArray tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = QFile::encodeName(target + QLatin1String(kSaveDebrisInfix) + RandomTail());
        // The kernel applies the user's umask to a new file; an owner-only
        // one is narrowed from its first byte.
        fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnly ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = ErrnoText();
        return false;
    }
    const auto fail = [&] {
        error = ErrnoText();
        ::close(fd);
        ::unlink(tempPath.constData());
        return false;
    };
    const mode_t mode = ownerOnly ? 0600 : (exists ? (existing.st_mode & 07777) : 0);
    if ((ownerOnly || exists) && ::fchmod(fd, mode) != 0)
        return fail();
    if (!WriteAll(fd, data) || ::fsync(fd) != 0)
        return fail();
    if (::close(fd) != 0) {
        error = ErrnoText();
        ::unlink(tempPath.constData());
        return false;
    }
    if (::rename(tempPath.constData(), targetPath.constData()) != 0) {
        error = ErrnoText();
        ::unlink(tempPath.constData());
        return false;
    }
    // As QSaveFile: the data is on disk before the rename; the folder is not
    // synced (a sync of the folder would cost every save a few milliseconds,
    // and a crash right after the rename leaves the old file or the new one
    // whole, either way).
    return true;
#else
    QString tempName;
    QFile temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + QLatin1String(kSaveDebrisInfix) + RandomTail();
        temp.setFileName(tempName);
        if (temp.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (QFileInfo::exists(tempName))
            continue;
        error = temp.errorString();
        return false;
    }
    if (!temp.isOpen()) {
        error = temp.errorString();
        return false;
    }
    if (ownerOnly)
        temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (temp.write(data) != data.size() || !temp.flush()) {
        error = temp.errorString();
        temp.close();
        temp.remove();
        return false;
    }
    FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(temp.handle())));
    temp.close();
    if (!MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(tempName).utf16()),
                     reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = QStringLiteral("Cannot replace the file (error %1)").arg(GetLastError());
        QFile::remove(tempName);
        return false;
    }
    return true;
#endif
}

void RemoveSaveDebris(const QString& fileName, int maxAgeSecs)
{
    const QFileInfo target(ResolvedTarget(fileName));
    const QDir dir = target.absoluteDir();
    const QString prefix = target.fileName() + QLatin1String(kSaveDebrisInfix);
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-maxAgeSecs);
    QStringList patterns{prefix + QStringLiteral("??????")};
    const QStringList names = dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!name.startsWith(prefix) || !IsDebrisTail(QStringView(name).mid(prefix.size())))
            continue;
        if (QFileInfo(dir.filePath(name)).lastModified().toUTC() < old)
            QFile::remove(dir.filePath(name));
    }
}

} // namespace qz8
