#include "settings/Drive_Utils.h"
#include "platform/Types.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

#ifdef Q_OS_WIN
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

struct Mount {
    QString device;
    QString point;
    QString type;
};

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

std::vector<Mount> ReadMounts()
{
    std::vector<Mount> mounts;
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

bool IsNetworkType(const QString& type)
{
    static const QStringList kNetwork{"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "ceph", "glusterfs"};
    return kNetwork.contains(type) || type.startsWith(QLatin1String("fuse.sshfs"));
}

// True when the sysfs device path of a block device passes a USB bus.
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

// EndUpdate follows BeginUpdate on every way out.
struct UpdateScope {
    TStrings& list;
    explicit UpdateScope(TStrings& l) : list(l) { list.BeginUpdate(); }
    ~UpdateScope() { list.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;
};

QString StripTrailing(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

#ifdef Q_OS_WIN

std::uint8_t GetBusType(const QString& drive)
{
    if (drive.isEmpty())
        return BusTypeUnknown;
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    struct Restore {
        UINT mode;
        ~Restore() { SetErrorMode(mode); }
    } restore{oldMode};
    const QString path = QStringLiteral("\\\\.\\%1:").arg(drive.left(1).toLower());
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return BusTypeUnknown;
    unsigned char query[18] = {};
    unsigned char answer[1024] = {};
    const DWORD size = sizeof answer;
    memcpy(answer + 4, &size, 4);
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(h, 0x2D1400, query, sizeof query, answer, sizeof answer, &returned, nullptr);
    CloseHandle(h);
    return ok ? answer[28] : BusTypeUnknown;
}

void GetUsbDrives(TStrings& list)
{
    const UpdateScope scope(list);
    const DWORD mask = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (mask & (1u << bit)) {
            const QString letter(QChar('a' + bit));
            if (GetBusType(letter) == BusTypeUsb)
                list.Add(letter);
        }
    }
}

QString MountPointOf(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\")))
        return {};
    return native.size() >= 2 && native[1] == QLatin1Char(':') ? native.left(2) : QString();
}

#else

std::uint8_t GetBusType(const QString& drive)
{
    if (drive.isEmpty())
        return BusTypeUnknown;
    const QString point = StripTrailing(drive);
    const Mount* found = nullptr;
    const std::vector<Mount> mounts = ReadMounts();
    for (const Mount& m : mounts) {
        if (m.point == point)
            found = &m;  // the last mount on a point is the one in effect
    }
    if (!found || IsNetworkType(found->type))
        return BusTypeUnknown;
    return BlockDeviceOnUsb(found->device) ? BusTypeUsb : BusTypeUnknown;
}

void GetUsbDrives(TStrings& list)
{
    const UpdateScope scope(list);
    QStringList seen;
    for (const Mount& m : ReadMounts()) {
        if (seen.contains(m.point))
            continue;
        seen.append(m.point);
        if (GetBusType(m.point) == BusTypeUsb)
            list.Add(m.point);
    }
}

QString MountPointOf(const QString& path)
{
    (void)registered;
    QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString best;
    for (const Mount& m : ReadMounts()) {
        const QString point = StripTrailing(m.point);
        const bool holds = point == QLatin1String("/") ? target.startsWith(QLatin1Char('/'))
                                                        : (target == point || target.startsWith(point + QLatin1Char('/')));
        if (holds && point.size() >= best.size())
            best = point;
    }
    return best;
}

#endif

} // namespace qz8
