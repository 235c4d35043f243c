// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Drives_p.h"
#include "platform/ProcessGlobals.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <cstddef>
#include <string>
#include <windows.h>
#include <winioctl.h>
#endif

namespace qz8 {

QString DriveUtilsSysRoot = QStringLiteral("/sys");
QString DriveUtilsMountTable = QStringLiteral("/proc/self/mounts");

namespace {

const bool registered = [] {
    RegisterGlobalReset([] {
        DriveUtilsSysRoot = QStringLiteral("/sys");
        DriveUtilsMountTable = QStringLiteral("/proc/self/mounts");
    });
    return true;
}();

// The mount table escapes blanks and the like as \ooo.
QString Unescape(const QString& field)
{
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code > 0 && code < 256) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

std::vector<TMountEntry> ReadMountTable()
{
    (void)registered;
    std::vector<TMountEntry> mounts;
    QFile f(DriveUtilsMountTable);
    if (!f.open(QIODevice::ReadOnly))
        return mounts;
    // A mount table is small; a hostile one is cut at 4 MiB.
    const QByteArray data = f.read(4 * 1024 * 1024);
    for (const QByteArray& line : data.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        mounts.push_back({Unescape(QString::fromUtf8(fields[0])), Unescape(QString::fromUtf8(fields[1])),
                          QString::fromUtf8(fields[2])});
    }
    return mounts;
}

bool IsNetworkFileSystem(const QString& type)
{
    static const QStringList kNetwork{"nfs",   "nfs4", "cifs", "smb3", "smbfs",
                                      "ncpfs", "afs",  "9p",   "ceph", "glusterfs"};
    return kNetwork.contains(type) || type.startsWith(QLatin1String("fuse.sshfs"));
}

bool BlockDeviceOnUsb(const QString& device)
{
    QString dev = QFileInfo(device).canonicalFilePath();
    if (dev.isEmpty())
        dev = device;
    if (!dev.startsWith(QLatin1String("/dev/")))
        return false;
    const QString name = QFileInfo(dev).fileName();
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        return false;
    const QString link = DriveUtilsSysRoot + QStringLiteral("/class/block/") + name;
    const QString real = QFileInfo(link).canonicalFilePath();
    if (real.isEmpty())
        return false;
    static const QRegularExpression usbSegment(QStringLiteral("^usb\\d+$"));
    for (const QString& part : real.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (usbSegment.match(part).hasMatch())
            return true;
    }
    return false;
}

#ifdef Q_OS_WIN

QStringList LogicalDriveLetters()
{
    QStringList letters;
    const DWORD mask = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (mask & (1u << bit))
            letters.append(QString(QChar(u'a' + bit)));
    }
    return letters;
}

std::uint8_t QueryStorageBusType(QChar letter)
{
    // No "insert a disk" box for an empty card reader while asking.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    struct RestoreMode {
        UINT mode;
        ~RestoreMode() { SetErrorMode(mode); }
    } restore{oldMode};
    const std::wstring path = L"\\\\.\\" + std::wstring(1, static_cast<wchar_t>(letter.toLower().unicode())) + L":";
    HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    struct CloseOnExit {
        HANDLE h;
        ~CloseOnExit() { CloseHandle(h); }
    } closer{h};
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    // The descriptor is followed by variable-length strings; room for them.
    alignas(STORAGE_DEVICE_DESCRIPTOR) unsigned char buffer[1024] = {};
    DWORD returned = 0;
    if (!DeviceIoControl(h, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, buffer, sizeof buffer, &returned,
                         nullptr) ||
        returned < offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof(STORAGE_BUS_TYPE))
        return 0;
    const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(buffer);
    return static_cast<std::uint8_t>(descriptor->BusType);
}

#else

QStringList LogicalDriveLetters() { return {}; }
std::uint8_t QueryStorageBusType(QChar) { return 0; }

#endif

} // namespace qz8
