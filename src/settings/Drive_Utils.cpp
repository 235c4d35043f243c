// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "settings/Drive_Utils.h"
#include "platform/Drives_p.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace qz8 {

namespace {

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
    return drive.isEmpty() ? BusTypeUnknown : QueryStorageBusType(drive.at(0));
}

void GetUsbDrives(TStrings& list)
{
    const UpdateScope scope(list);
    for (const QString& letter : LogicalDriveLetters()) {
        if (GetBusType(letter) == BusTypeUsb)
            list.Add(letter);
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
    const TMountEntry* found = nullptr;
    const std::vector<TMountEntry> mounts = ReadMountTable();
    for (const TMountEntry& m : mounts) {
        if (m.point == point)
            found = &m; // the last mount on a point is the one in effect
    }
    if (!found || IsNetworkFileSystem(found->type))
        return BusTypeUnknown;
    return BlockDeviceOnUsb(found->device) ? BusTypeUsb : BusTypeUnknown;
}

void GetUsbDrives(TStrings& list)
{
    const UpdateScope scope(list);
    QStringList seen;
    for (const TMountEntry& m : ReadMountTable()) {
        if (seen.contains(m.point))
            continue;
        seen.append(m.point);
        if (GetBusType(m.point) == BusTypeUsb)
            list.Add(m.point);
    }
}

QString MountPointOf(const QString& path)
{
    QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString best;
    for (const TMountEntry& m : ReadMountTable()) {
        const QString point = StripTrailing(m.point);
        const bool holds = point == QLatin1String("/")
                               ? target.startsWith(QLatin1Char('/'))
                               : (target == point || target.startsWith(point + QLatin1Char('/')));
        if (holds && point.size() >= best.size())
            best = point;
    }
    return best;
}

#endif

} // namespace qz8
