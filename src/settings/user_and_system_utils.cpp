// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "settings/user_and_system_utils.h"
#include "external/General_runtime.h"
#include "settings/Drive_Utils.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/Types.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qz8 {

namespace {

QString WithoutTrailingDelimiter(QString path)
{
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return path;
}

QString WithTrailingDelimiter(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')) ? path : path + QDir::separator();
}

QString ProgramFolder() { return WithTrailingDelimiter(QFileInfo(ExeName()).absolutePath()); }

} // namespace

QString GetMyDocumentsFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QFileInfo(docs).isDir())
        throw Exception(QCoreApplication::translate("qz8", "Couldn't find My Documents folder location."));
    return WithoutTrailingDelimiter(QDir::toNativeSeparators(docs));
}

QString GetMyDocumentsTarnwickFolder()
{
    return WithTrailingDelimiter(GetMyDocumentsFolder()) + QStringLiteral("tarnwick8");
}

QString GetUsersAppDataFolder()
{
    // The machine-wide data folders are the generic data locations after the
    // user's own writable one.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (dir != own && QFileInfo(dir).isDir())
            return WithoutTrailingDelimiter(QDir::toNativeSeparators(dir));
    }
    throw Exception(QCoreApplication::translate("qz8", "Couldn't find All Users\\Application Data folder location."));
}

bool RunningFromUSBStick()
{
    const QString exe = ExeName();
    if (exe.isEmpty() || exe.startsWith(QLatin1String("//")) || exe.startsWith(QLatin1String("\\\\")))
        return false;
    const QString drive = MountPointOf(exe);
    return !drive.isEmpty() && GetBusType(drive) == BusTypeUsb;
}

QString FilenameForSettingsFolderInfo()
{
    const QString folder =
        RunningFromUSBStick() ? ProgramFolder() : WithTrailingDelimiter(GetMyDocumentsTarnwickFolder());
    return folder + QStringLiteral("settings_folder.txt");
}

QString Get_Ini_Folder()
{
    const QString info = FilenameForSettingsFolderInfo();
    if (!DriveAndFileExist(info))
        return {};
    const TMyMemIniFile ini(info);
    const QString value = ini.ReadString(QStringLiteral("Settings"), QStringLiteral("folder"), QString());
    return value == QLatin1String("self") ? ProgramFolder() : value;
}

} // namespace qz8
