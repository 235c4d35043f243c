// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The developer tool for image lists, run as the suite's developers run it.
#include "test_util.h"
#include "toolkit/ImgList.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

ToolRun Tool(const QStringList& args)
{
    QProcess p;
    p.start(QZ8_IMAGELISTS_TOOL, args);
    ToolRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

TEST(ImageListsTool, BuildsTheNineFilesFromDrawnIcons)
{
    QTemporaryDir dir;
    ASSERT_EQ(Tool({"draw-icons", dir.filePath("icons")}).exitCode, 0);
    const ToolRun built = Tool({"build", dir.filePath("icons/icons.lst"), dir.filePath("lists")});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(built.out.contains("ImageListMain16.res: 10 icons"));
    EXPECT_TRUE(built.out.contains("ImageListMain32.res: 11 icons"));
    qz8::TImageList list;
    list.LoadFromFile(dir.filePath("lists/ImageListMain128.res"));
    EXPECT_EQ(list.Count(), 11);
    EXPECT_EQ(list.Width(), 128);
    const ToolRun sizes = Tool({"sizes", dir.filePath("icons/concordance.ico")});
    EXPECT_EQ(sizes.out.split('\n', Qt::SkipEmptyParts), (QStringList{"32", "40", "48", "64", "96", "128"}));
}

TEST(ImageListsTool, MissingOrDamagedInputGivesAMessageAndAFailure)
{
    QTemporaryDir dir;
    ToolRun r = Tool({"build", dir.filePath("none.lst"), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("none.lst"));
    qz8test::WriteBytes(dir.filePath("bad.lst"), "only-one-field\n");
    r = Tool({"build", dir.filePath("bad.lst"), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("bad.lst:1"));
    qz8test::WriteBytes(dir.filePath("gone.lst"), "gone.ico|x|16\n");
    r = Tool({"build", dir.filePath("gone.lst"), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("gone.ico"));
    EXPECT_EQ(Tool({"table", dir.filePath("absent.pas")}).exitCode, 1);
    EXPECT_EQ(Tool({"sizes", dir.filePath("absent.ico")}).exitCode, 1);
    EXPECT_EQ(Tool({"frobnicate"}).exitCode, 2);
    qz8test::WriteBytes(dir.filePath("m.pas"), "cm_TarnwickTag: 0\ncm_Open, cm_Load: 3\n");
    r = Tool({"table", dir.filePath("m.pas")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "cm_TarnwickTag\t0\ncm_Open\t3\ncm_Load\t3\n");
}
