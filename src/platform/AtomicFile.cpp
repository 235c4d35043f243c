// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/AtomicFile_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <vector>

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

#ifndef Q_OS_WIN
// The longest name of a folder entry, in bytes.
constexpr qsizetype kNameMax = 255;
#endif

// The start of a temporary's name for the file named name: the name and
// the infix, the name cut short (at a character) where the whole would
// pass the file system's limit on a name.
QString DebrisPrefix(const QString& name)
{
    QString head = name;
#ifndef Q_OS_WIN
    const qsizetype room = kNameMax - qsizetype(sizeof kSaveDebrisInfix - 1) - kTailLength;
    while (!head.isEmpty() && QFile::encodeName(head).size() > room)
        head.chop(head.back().isLowSurrogate() && head.size() > 1 ? 2 : 1);
#endif
    return head + QLatin1String(kSaveDebrisInfix);
}

// The file a save really writes: the one the kernel reaches through every
// symbolic link on the way (links to links, relative links inside linked
// folders), as an editor saving through the link would. A dangling link is
// followed step by step from the link's real folder. Empty when the links
// go round in a loop. The owners of the links on the way, when there are
// any, go to linkOwners.
QString ResolvedTarget(const QString& fileName, std::vector<unsigned>* linkOwners = nullptr)
{
#ifndef Q_OS_WIN
    // Never cleaned as text: "link/.." is the folder above the link's
    // target, as the kernel takes it.
    QString path = QDir::isAbsolutePath(fileName) ? fileName : QDir::currentPath() + QLatin1Char('/') + fileName;
    for (int hop = 0; hop < 40; ++hop) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString name = path.mid(slash + 1);
        // The real folder: a relative link is read from there, not from the
        // folder its name was given in.
        const QString folder = QFileInfo(slash > 0 ? path.left(slash) : QStringLiteral("/")).canonicalFilePath();
        if (folder.isEmpty())
            return QFileInfo(path).absoluteFilePath(); // no such folder: the save reports it
        path = folder == QLatin1String("/") ? QLatin1Char('/') + name : folder + QLatin1Char('/') + name;
        const QByteArray encoded = QFile::encodeName(path);
        struct stat st { };
        if (::lstat(encoded.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        if (linkOwners)
            linkOwners->push_back(static_cast<unsigned>(st.st_uid));
        QByteArray link(4096, Qt::Uninitialized);
        const ssize_t n = ::readlink(encoded.constData(), link.data(), static_cast<size_t>(link.size()));
        if (n <= 0 || n >= link.size())
            return path;
        link.truncate(n);
        const QString raw = QFile::decodeName(link);
        path = QDir::isAbsolutePath(raw) ? raw : folder + QLatin1Char('/') + raw;
    }
    return QString();
#else
    Q_UNUSED(linkOwners);
    const QFileInfo info(fileName);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
#endif
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
    std::vector<unsigned> linkOwners;
    const QString target = ResolvedTarget(fileName, &linkOwners);
    if (target.isEmpty()) {
        error = QStringLiteral("Too many levels of symbolic links");
        return false;
    }
#ifndef Q_OS_WIN
    const QByteArray targetPath = QFile::encodeName(target);
    struct stat existing { };
    const bool exists = ::stat(targetPath.constData(), &existing) == 0;
    // A link owned by another than what it leads to (a user's link to a
    // file of root's, or to a folder of another's where the save would make
    // one) is not written through, as the kernel's protected links are not
    // followed in shared folders: whoever runs the save (root, a service)
    // would write a file the link's owner may not.
    if (!linkOwners.empty()) {
        struct stat holder { };
        const bool known =
            exists || ::stat(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), &holder) == 0;
        const auto owner = static_cast<unsigned>(exists ? existing.st_uid : holder.st_uid);
        for (const unsigned linkOwner : linkOwners) {
            if (known && linkOwner != owner) {
                error = QStringLiteral("It is a symbolic link owned by user %1 to \"%2\", which user %3 owns: it is "
                                       "not written through")
                            .arg(linkOwner)
                            .arg(target)
                            .arg(owner);
                return false;
            }
        }
    }
    if (exists && IsReadOnlyFile(target)) {
        error = QStringLiteral("The file is read-only");
        return false;
    }
    const mode_t mode = ownerOnly ? 0600 : (exists ? (existing.st_mode & 07777) : 0);
    const QFileInfo targetInfo(target);
    const QByteArray folderPath = QFile::encodeName(targetInfo.absolutePath());
    const QString prefix = targetInfo.absolutePath() + QLatin1Char('/') + DebrisPrefix(targetInfo.fileName());
    QByteArray tempPath;
    // An unnamed file first (Linux): a save killed before its rename leaves
    // nothing behind. It gets a name only for the moment of the rename.
    int fd = -1;
    bool unnamed = false;
#ifdef O_TMPFILE
    // It is named through /proc; without /proc, a named temporary serves.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd = ::open(folderPath.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, ownerOnly ? 0600 : 0666);
        unnamed = fd >= 0;
    }
#endif
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = QFile::encodeName(prefix + RandomTail());
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
        if (!tempPath.isEmpty())
            ::unlink(tempPath.constData());
        return false;
    };
    if ((ownerOnly || exists) && ::fchmod(fd, mode) != 0)
        return fail();
    if (!WriteAll(fd, data) || ::fsync(fd) != 0)
        return fail();
    if (unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = QFile::encodeName(prefix + RandomTail());
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, tempPath.constData(), AT_SYMLINK_FOLLOW) == 0)
                break;
            const int e = errno;
            tempPath.clear();
            if (e != EEXIST) {
                errno = e;
                return fail();
            }
        }
        if (tempPath.isEmpty())
            return fail();
    }
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
    if (QFileInfo::exists(target) && IsReadOnlyFile(target)) {
        error = QStringLiteral("The file is read-only");
        return false;
    }
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

namespace {
// The temporaries of saves of fileName, with their ages' test: older (true)
// or younger (false) than maxAgeSecs.
template <class Visit>
void ForEachSaveTemporary(const QString& fileName, int maxAgeSecs, Visit visit)
{
    const QString resolved = ResolvedTarget(fileName);
    if (resolved.isEmpty())
        return;
    const QFileInfo target(resolved);
    const QDir dir = target.absoluteDir();
    const QString prefix = DebrisPrefix(target.fileName());
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-maxAgeSecs);
    // No wildcard pattern: the name may hold "[", "]", "*" or "?".
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!name.startsWith(prefix) || !IsDebrisTail(QStringView(name).mid(prefix.size())))
            continue;
        visit(dir.filePath(name), QFileInfo(dir.filePath(name)).lastModified().toUTC() < old);
    }
}
} // namespace

bool IsSameFile(const QString& a, const QString& b)
{
#ifndef Q_OS_WIN
    struct stat sa { };
    struct stat sb { };
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    const auto identity = [](const QString& name, BY_HANDLE_FILE_INFORMATION& info) {
        const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(name).utf16()), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = GetFileInformationByHandle(h, &info) != 0;
        CloseHandle(h);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    return identity(a, ia) && identity(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
#endif
}

bool IsReadOnlyFile(const QString& fileName)
{
#ifndef Q_OS_WIN
    // A file the user made read-only is not replaced (a rename would, even
    // where the folder may be written; root too may write any file).
    const QByteArray path = QFile::encodeName(fileName);
    struct stat st { };
    if (::stat(path.constData(), &st) != 0)
        return false;
    return (st.st_mode & 0222) == 0 || ::access(path.constData(), W_OK) != 0;
#else
    return QFileInfo::exists(fileName) && !QFileInfo(fileName).isWritable();
#endif
}

void RemoveSaveDebris(const QString& fileName, int maxAgeSecs)
{
    ForEachSaveTemporary(fileName, maxAgeSecs, [](const QString& temporary, bool isOld) {
        if (isOld)
            QFile::remove(temporary);
    });
}

bool SaveInProgress(const QString& fileName, int withinSecs)
{
    bool young = false;
    ForEachSaveTemporary(fileName, withinSecs, [&young](const QString&, bool isOld) { young = young || !isOld; });
    return young;
}

bool KeepFileAs(const QString& fileName, const QString& keptName, QString& error)
{
    // A hard link to the file's content (a link's target): saves replace
    // files and never write into them, so it keeps the content as it is now,
    // without a copy. Where the file system has no hard links, a copy.
#ifdef Q_OS_WIN
    const QString target = QFileInfo(fileName).canonicalFilePath();
    if (!target.isEmpty() &&
        CreateHardLinkW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(keptName).utf16()),
                        reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(target).utf16()), nullptr))
        return true;
#else
    if (::linkat(AT_FDCWD, QFile::encodeName(fileName).constData(), AT_FDCWD, QFile::encodeName(keptName).constData(),
                 AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST) {
        error = QStringLiteral("\"%1\" exists").arg(keptName);
        return false;
    }
#endif
    QFile raw(fileName);
    if (!raw.open(QIODevice::ReadOnly)) {
        error = raw.errorString();
        return false;
    }
    return WriteFileAtomically(keptName, raw.read(kMaxKeptFileBytes), true, error);
}

} // namespace qz8
