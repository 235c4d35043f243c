// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The operating-system services beneath the toolkit: path questions asked
// off the GUI thread, the mount table, and the values that go back to their
// start-up state.
#include "platform/Drives_p.h"
#include "platform/PathCheck_p.h"
#include "platform/ProcessGlobals.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

TEST(PathChecks, KindsOfPathsAndANulCharacterNamesNothing)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("a file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(PathKindWithin(dir.path(), 5000), TPathKind::Folder);
    EXPECT_EQ(PathKindWithin(file.fileName(), 5000), TPathKind::File);
    EXPECT_EQ(PathKindWithin(dir.filePath("none"), 5000), TPathKind::Missing);
    // The system would read the path only up to the NUL: it names nothing.
    EXPECT_EQ(PathKindWithin(dir.path() + QChar(0) + "x", 5000), TPathKind::Missing);
    EXPECT_EQ(PathKindWithin(QString(), 5000), TPathKind::Missing);
}

TEST(MountTable, EntriesUnescapedInOrderAndAnUnreadableTableIsEmpty)
{
    QTemporaryDir dir;
    const QString saved = DriveUtilsMountTable;
    DriveUtilsMountTable = dir.filePath("mounts");
    QFile table(DriveUtilsMountTable);
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("/dev/sda1 / ext4 rw 0 0\n"
                "/dev/sdb1 /media/with\\040space\\011tab vfat rw 0 0\n"
                "too short\n"
                "server:/export /mnt/nfs nfs4 rw 0 0\n");
    table.close();
    const std::vector<TMountEntry> entries = ReadMountTable();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].point, "/");
    EXPECT_EQ(entries[1].point, "/media/with space\ttab");
    EXPECT_EQ(entries[1].type, "vfat");
    EXPECT_EQ(entries[2].device, "server:/export");
    EXPECT_TRUE(IsNetworkFileSystem(entries[2].type));
    EXPECT_TRUE(IsNetworkFileSystem("cifs"));
    EXPECT_TRUE(IsNetworkFileSystem("fuse.sshfs"));
    EXPECT_FALSE(IsNetworkFileSystem("ext4"));
    EXPECT_FALSE(IsNetworkFileSystem("vfat"));

    DriveUtilsMountTable = dir.filePath("no such table");
    EXPECT_TRUE(ReadMountTable().empty());
    DriveUtilsMountTable = saved;
}

TEST(ProcessGlobals, ResetsRunInTheOrderTheyWereRegistered)
{
    static std::vector<int> order;
    order.clear();
    RegisterGlobalReset([] { order.push_back(1); });
    RegisterGlobalReset([] { order.push_back(2); });
    ResetProcessGlobals();
    // Others registered before (the library's own) ran too; ours in order.
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ((std::vector<int>(order.end() - 2, order.end())), (std::vector<int>{1, 2}));
}
