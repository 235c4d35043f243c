// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Drives on Linux are mount points; a fake sysfs and mount table make a USB
// stick, a hard disk and network mounts. The user folders come from the
// standard locations.
#include "platform/Drives_p.h"
#include "settings/Drive_Utils.h"
#include "settings/user_and_system_utils.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/Types.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A fake /sys with a USB disk (sdb) and a SATA disk (sda), and a mount table.
struct FakeMachine {
    QTemporaryDir dir;
    FakeMachine(const QString& mounts)
    {
        const QString sys = dir.filePath("sys");
        const QString usb =
            sys + "/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1";
        const QString sata = sys + "/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda1";
        QDir().mkpath(usb);
        QDir().mkpath(sata);
        QDir().mkpath(sys + "/class/block");
        QFile::link(usb, sys + "/class/block/sdb1");
        QFile::link(sata, sys + "/class/block/sda1");
        DriveUtilsSysRoot = sys;
        DriveUtilsMountTable = dir.filePath("mounts");
        QFile f(DriveUtilsMountTable);
        f.open(QIODevice::WriteOnly);
        f.write(mounts.toUtf8());
    }
};

const QString kMounts = "/dev/sda1 / ext4 rw 0 0\n"
                        "/dev/sdb1 /media/stick vfat rw 0 0\n"
                        "server:/export /mnt/nfs nfs4 rw 0 0\n"
                        "//srv/share /mnt/smb cifs rw 0 0\n"
                        "/dev/sdb1 /media/with\\040space vfat rw 0 0\n"
                        "proc /proc proc rw 0 0\n";

} // namespace

TEST(DriveUtils, UsbMountsAreBusSevenAndEverythingElseUnknown)
{
    FakeMachine m(kMounts);
    EXPECT_EQ(GetBusType("/media/stick"), BusTypeUsb);
    EXPECT_EQ(GetBusType("/media/stick/"), BusTypeUsb);
    EXPECT_EQ(GetBusType("/media/with space"), BusTypeUsb);
    EXPECT_EQ(GetBusType("/"), BusTypeUnknown);
    EXPECT_EQ(GetBusType("/mnt/nfs"), BusTypeUnknown);
    EXPECT_EQ(GetBusType("/mnt/smb"), BusTypeUnknown);
    EXPECT_EQ(GetBusType("/proc"), BusTypeUnknown);
    EXPECT_EQ(GetBusType("/not/mounted"), BusTypeUnknown);
    EXPECT_EQ(GetBusType(""), BusTypeUnknown);

    TStringList drives{"existing"};
    GetUsbDrives(drives);
    EXPECT_EQ(drives.ToStringList(), (QStringList{"existing", "/media/stick", "/media/with space"}));
    EXPECT_EQ(MountPointOf("/media/stick/tools/viewer"), "/media/stick");
    EXPECT_EQ(MountPointOf("/home/user"), "/");
}

TEST(DriveUtils, NoUsbDriveLeavesTheListAndMissingFactsGiveUnknown)
{
    FakeMachine m("/dev/sda1 / ext4 rw 0 0\ngarbage\n\n");
    TStringList drives{"a"};
    GetUsbDrives(drives);
    EXPECT_EQ(drives.ToStringList(), QStringList{"a"});
    DriveUtilsMountTable = m.dir.filePath("missing");
    EXPECT_EQ(GetBusType("/"), BusTypeUnknown);
    EXPECT_EQ(MountPointOf("/x"), "");
}

TEST(UserFolders, RunningFromAStickButNeverFromANetworkPath)
{
    FakeMachine m(kMounts);
    OverrideExeName("/media/stick/tools/viewer");
    EXPECT_TRUE(RunningFromUSBStick());
    EXPECT_EQ(FilenameForSettingsFolderInfo(), "/media/stick/tools/settings_folder.txt");
    OverrideExeName("/usr/bin/viewer");
    EXPECT_FALSE(RunningFromUSBStick());
    OverrideExeName("//media/stick/viewer");
    EXPECT_FALSE(RunningFromUSBStick());
}

namespace {
// Points HOME and the XDG folders at a temporary tree for one test.
struct FakeHome {
    QTemporaryDir dir;
    QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME"), oldData = qgetenv("XDG_DATA_DIRS");
    FakeHome()
    {
        qputenv("HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath(".config").toUtf8());
        qputenv("XDG_DATA_DIRS", (dir.filePath("machine") + ":" + dir.filePath("other")).toUtf8());
    }
    ~FakeHome()
    {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("XDG_DATA_DIRS", oldData);
    }
};
} // namespace

TEST(UserFolders, DocumentsAndMachineFoldersRaiseTheirMessagesWhenMissing)
{
    FakeHome home;
    try {
        GetMyDocumentsFolder();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Couldn't find My Documents folder location.");
    }
    EXPECT_THROW(GetMyDocumentsTarnwickFolder(), Exception);
    try {
        GetUsersAppDataFolder();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Couldn't find All Users\\Application Data folder location.");
    }
    QDir().mkpath(home.dir.filePath("Documents"));
    QDir().mkpath(home.dir.filePath("other"));
    EXPECT_EQ(GetMyDocumentsFolder(), home.dir.filePath("Documents"));
    EXPECT_EQ(GetMyDocumentsTarnwickFolder(), home.dir.filePath("Documents/tarnwick8"));
    EXPECT_EQ(GetUsersAppDataFolder(), home.dir.filePath("other"));
}

TEST(UserFolders, SettingsFolderFileNamesAFolderOrSelf)
{
    FakeHome home;
    FakeMachine m("/dev/sda1 / ext4 rw 0 0\n");
    OverrideExeName("/opt/tarnwick/viewer");
    QDir().mkpath(home.dir.filePath("Documents/tarnwick8"));
    EXPECT_EQ(FilenameForSettingsFolderInfo(), home.dir.filePath("Documents/tarnwick8/settings_folder.txt"));
    EXPECT_EQ(Get_Ini_Folder(), "");
    auto write = [&](const QString& value) {
        TMyMemIniFile ini(FilenameForSettingsFolderInfo());
        ini.Clear();
        ini.WriteString("Settings", "folder", value);
        ini.UpdateFile();
    };
    write("self");
    EXPECT_EQ(Get_Ini_Folder(), "/opt/tarnwick/");
    write("Self");
    EXPECT_EQ(Get_Ini_Folder(), "Self");
    write("/data/settings");
    EXPECT_EQ(Get_Ini_Folder(), "/data/settings");
    TMyMemIniFile other(FilenameForSettingsFolderInfo());
    other.Clear();
    other.WriteString("Other", "folder", "x");
    other.UpdateFile();
    EXPECT_EQ(Get_Ini_Folder(), "");
}
