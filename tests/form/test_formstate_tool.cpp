// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// qz8-formstate on real files, as a support script runs it: every command,
// check on the hostile files a window meets (each found, none crashing the
// tool), set racing a window's save, a file being saved refused, and no
// password ever printed.
#include "external/ElPack.h"
#include "settings/ReadAndSaveIni.h"
#include "store/FormStateCheck.h"
#include "store/MemIniFile.h"
#include "toolkit/Forms.h"

#include "test_util.h"
#include <QBitArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QZ8StyledListboxPack/qz8_version.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qz8;

namespace {

struct ToolRun {
    int exitCode = -1;
    bool crashed = true;
    QString out, err;
};

ToolRun Tool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.setProcessEnvironment(qz8test::ToolEnvironment());
    p.start(QZ8_FORMSTATE_TOOL, args);
    if (!input.isEmpty()) {
        p.write(input);
        p.closeWriteChannel();
    }
    ToolRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const QString kScreen = QStringLiteral("1024x768+0+0");

QString Base64Header(qint32 sectionCount, qint32 itemCount)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_0);
    s << qint32(0xff) << qint32(0) << qint32(Qt::Horizontal) << qint32(0) << qint32(-1) << false;
    s << QList<int>() << QList<int>() << QBitArray(sectionCount) << QHash<int, int>();
    s << qint32(400) << qint32(sectionCount);
    s << false << true << false << true << false << qint32(0) << qint32(0) << qint32(100) << qint32(20)
      << qint32(Qt::AlignLeft) << qint32(0);
    s << quint32(1) << qint32(100) << itemCount << qint32(0);
    s << qint32(1000) << false << qint32(100);
    return QString::fromLatin1(out.toBase64());
}

} // namespace

TEST(FormStateTool, GetSetDeleteListDiffSayWhatTheyDoAndNeverShowAPassword)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Words]\ntext=alpha\n[Password]\ntext=<in secret store>\n[Old]\n"
                                         "text=0041004200430044\n[Gone]\na=1\nb=2\n"));
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner));

    ToolRun r = Tool({"get", ini, "words", "TEXT"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "alpha\n");
    EXPECT_EQ(Tool({"get", ini, "Words", "missing"}).exitCode, 1);
    EXPECT_EQ(Tool({"get", ini, "Password", "text"}).out, "<in secret store>\n");
    // A scrambled password in an owner-only file is never printed.
    r = Tool({"list", ini});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("[Old]\ntext=<scrambled password>\n")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("0041004200430044"));
    EXPECT_EQ(Tool({"list", ini, "Gone"}).out, "[Gone]\na=1\nb=2\n");

    r = Tool({"set", ini, "Words", "text", "beta"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "[Words] text: \"alpha\" -> \"beta\"\n");
    EXPECT_EQ(Tool({"set", ini, "Words", "text", "beta"}).out, "no change\n");
    EXPECT_EQ(Tool({"set", ini, "New", "value", "7"}).out, "[New] value: new, \"7\"\n");
    r = Tool({"set", ini, "Password", "text", "clear"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("is a password")) << r.err.toStdString();
    EXPECT_EQ(Tool({"delete", ini, "Gone", "a"}).out, "[Gone] a deleted (was \"1\")\n");
    EXPECT_EQ(Tool({"delete", ini, "Gone"}).out, "[Gone] deleted, with 1 keys\n");
    EXPECT_EQ(Tool({"delete", ini, "Gone"}).out, "no change\n");
    // Written through the atomic save: the owner-only file stays so.
    TMyMemIniFile after(ini);
    EXPECT_EQ(after.ReadString("Words", "text", ""), "beta");
    EXPECT_EQ(after.ReadString("New", "value", ""), "7");
    EXPECT_EQ(after.ReadString("Password", "text", ""), "<in secret store>");
    EXPECT_FALSE(after.SectionExists("Gone"));
    EXPECT_EQ(QFile::permissions(ini) & (QFile::ReadGroup | QFile::ReadOther), 0);

    const QString other = dir.filePath("other.ini");
    ASSERT_TRUE(qz8test::WriteBytes(other, "[words]\nTEXT=beta\nk=1\n[Password]\ntext=<in secret store>\n"
                                           "[Only]\nx=1\n[New]\nvalue=8\n"));
    r = Tool({"diff", ini, other});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains("only in " + ini + ": [Old]")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("only in " + other + ": [Only]")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("[New] value: \"7\" | \"8\"")) << r.out.toStdString();
    // Names compare without case.
    EXPECT_TRUE(r.out.contains("[Words] k: only in " + other + " (\"1\")")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("TEXT")) << r.out.toStdString();
    EXPECT_EQ(Tool({"diff", ini, ini}).exitCode, 0);

    EXPECT_EQ(Tool({"bogus"}).exitCode, 2);
    EXPECT_EQ(Tool({"get", dir.filePath("none.ini"), "a", "b"}).exitCode, 2);
}

// Edits change their own lines only: a note, comments, blank lines and
// lines the library does not read stay where they stand.
TEST(FormStateTool, EditsKeepTheLinesTheyDoNotChange)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QByteArray before = "; support: ticket 4411, reset on 2026-11-02\r\n"
                              "\r\n"
                              "[Words]\r\n"
                              "# the corpus word list\r\n"
                              "text=alpha\r\n"
                              "case sensitive, as agreed with the user\r\n"
                              "size=3\r\n"
                              "\r\n"
                              "; colours below\r\n"
                              "[Colours]\r\n"
                              "a=1\r\n"
                              "b=2\r\n";
    ASSERT_TRUE(qz8test::WriteBytes(ini, before));
    ASSERT_EQ(Tool({"set", ini, "Words", "text", "beta"}).exitCode, 0);
    ASSERT_EQ(Tool({"set", ini, "Words", "added", "1"}).exitCode, 0);
    ASSERT_EQ(Tool({"delete", ini, "Colours", "a"}).exitCode, 0);
    EXPECT_EQ(qz8test::ReadText(ini), "; support: ticket 4411, reset on 2026-11-02\n"
                                      "\n"
                                      "[Words]\n"
                                      "# the corpus word list\n"
                                      "text=beta\n"
                                      "case sensitive, as agreed with the user\n"
                                      "size=3\n"
                                      "added=1\n"
                                      "\n"
                                      "; colours below\n"
                                      "[Colours]\n"
                                      "b=2\n");
    // A second edit changes nothing else: the text is stable.
    const QString once = qz8test::ReadText(ini);
    ASSERT_EQ(Tool({"set", ini, "Colours", "b", "3"}).exitCode, 0);
    QString expected = once;
    expected.replace("b=2", "b=3");
    EXPECT_EQ(qz8test::ReadText(ini), expected);
}

// Writes that would reach a file the caller does not mean: through a link
// of another owner, or over the input by another name of it.
TEST(FormStateTool, NoWriteThroughAnotherOwnersLinkNorOverTheFileExported)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Words]\ntext=alpha\n[Password]\ntext=<in secret store>\n"));
    const QByteArray original = qz8test::ReadText(ini).toUtf8();
    // A hard link is the same file by another name.
    const QString hard = dir.filePath("hard.ini");
    ASSERT_EQ(::link(QFile::encodeName(ini).constData(), QFile::encodeName(hard).constData()), 0);
    ToolRun r = Tool({"export", ini, hard});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("is the file exported")) << r.err.toStdString();
    EXPECT_EQ(qz8test::ReadText(ini).toUtf8(), original);

    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link another owner needs root";
    // Root runs a set on a user's file that is a link to a file of root's.
    const QString rootsFile = dir.filePath("system.conf");
    ASSERT_TRUE(qz8test::WriteBytes(rootsFile, "#!/bin/sh\necho system\n"));
    const QString usersLink = dir.filePath("users-tool.ini");
    ASSERT_TRUE(QFile::link(rootsFile, usersLink));
    ASSERT_EQ(::lchown(QFile::encodeName(usersLink).constData(), 4242, 4242), 0);
    r = Tool({"set", usersLink, "Words", "text", "x"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("not written through")) << r.err.toStdString();
    EXPECT_EQ(qz8test::ReadText(rootsFile), "#!/bin/sh\necho system\n");
    // A dangling link of the user's into a folder of root's makes no file.
    const QString dangling = dir.filePath("dangling.ini");
    ASSERT_TRUE(QFile::link(dir.filePath("made-by-root.ini"), dangling));
    ASSERT_EQ(::lchown(QFile::encodeName(dangling).constData(), 4242, 4242), 0);
    EXPECT_EQ(Tool({"set", dangling, "Words", "text", "x"}).exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("made-by-root.ini")));
    // A link of the target's own owner is written through, as before.
    const QString own = dir.filePath("own.ini");
    ASSERT_TRUE(QFile::link(ini, own));
    EXPECT_EQ(Tool({"set", own, "Words", "text", "beta"}).exitCode, 0);
    EXPECT_EQ(TMyMemIniFile(ini).ReadString("Words", "text", ""), "beta");
}

TEST(FormStateTool, ExportLeavesPasswordsOutAndImportCarriesTheRest)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QString root = dir.filePath("stick/");
    ASSERT_TRUE(
        qz8test::WriteBytes(ini, ("[Corpus]\ntext=" + root + "corpus\n[Files]\n_count=2\n_per=2\n_line0=" + root +
                                  "a.txt\\|/elsewhere/b.txt\n[Password]\ntext=<in secret store>\n"
                                  "[Form state migrations]\n2.0-x=2026-01-01T00:00:00Z\n")
                                     .toUtf8()));
    const QString exported = dir.filePath("exported.ini");
    ToolRun r = Tool({"export", "--drive", root, ini, exported});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("1 password(s) left out")) << r.err.toStdString();
    TMyMemIniFile e(exported);
    EXPECT_EQ(e.ReadString("Corpus", "text", ""), "app_drive$corpus");
    EXPECT_EQ(e.ReadString("Files", "_line0", ""), "app_drive$a.txt\\|/elsewhere/b.txt");
    EXPECT_FALSE(e.SectionExists("Password"));
    EXPECT_EQ(e.ReadString("Form state migrations", "2.0-x", ""), "2026-01-01T00:00:00Z");
    // Never over the file it exports, by any name of it: the file stays.
    const QByteArray original = qz8test::ReadText(ini).toUtf8();
    const QString alias = dir.filePath("alias.ini");
    ASSERT_TRUE(QFile::link(ini, alias));
    for (const QString& out : {ini, alias}) {
        r = Tool({"export", ini, out});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("is the file exported")) << r.err.toStdString();
    }
    EXPECT_EQ(qz8test::ReadText(ini).toUtf8(), original);
    // Without a file, the export goes to standard output.
    r = Tool({"export", ini});
    EXPECT_TRUE(r.out.contains("[Corpus]")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("secret store"));

    // Another machine's file: its password stays, the rest comes over.
    const QString target = dir.filePath("target.ini");
    ASSERT_TRUE(qz8test::WriteBytes(target, "[Password]\ntext=<in secret store>\n[Corpus]\ntext=/old\n"));
    r = Tool({"import", target, exported});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("[Corpus] text: \"/old\" -> \"app_drive$corpus\"")) << r.out.toStdString();
    TMyMemIniFile t(target);
    EXPECT_EQ(t.ReadString("Password", "text", ""), "<in secret store>");
    EXPECT_EQ(t.ReadString("Files", "_count", ""), "2");
    EXPECT_TRUE(t.SectionExists("Form state migrations"));
    EXPECT_EQ(Tool({"import", target, exported}).out, "no change\n");
}

TEST(FormStateTool, TheCommandLineFollowsQtsConventions)
{
    // Help on standard output with status 0, for the tool and for a
    // command; the library's version.
    ToolRun r = Tool({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("qz8-formstate export [--drive ROOT] FILE [OUT]")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("--version")) << r.out.toStdString();
    r = Tool({"check", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "usage: qz8-formstate check [--screens \"WxH+X+Y ...\"] [--tool NAME] [--no-secrets] FILE\n");
    EXPECT_EQ(Tool({"help", "get"}).out, "usage: qz8-formstate get FILE SECTION KEY\n");
    r = Tool({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "qz8-formstate " QZ8_VERSION_STRING "\n");
    // Options anywhere, a value that begins with "-", and "--".
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Window geometry]\n1920x1080+0+0=5000,10,640,480,normal\n"));
    r = Tool({"check", ini, "--screens", kScreen});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains("off every screen")) << r.out.toStdString();
    EXPECT_EQ(Tool({"set", ini, "Spin", "value", "-5"}).exitCode, 0);
    EXPECT_EQ(Tool({"get", ini, "Spin", "value"}).out, "-5\n");
    EXPECT_EQ(Tool({"--", "set", ini, "Spin", "value", "--drive"}).exitCode, 0);
    EXPECT_EQ(Tool({"get", ini, "Spin", "value"}).out, "--drive\n");
    // An option the command does not take, or none: a usage error.
    EXPECT_EQ(Tool({"get", ini, "Spin", "value", "--drive", "/x"}).exitCode, 2);
    EXPECT_EQ(Tool({}).exitCode, 2);
}

TEST(FormStateTool, AScrambledPasswordIsShownByNoCommandWhateverTheFilesMode)
{
    // A copied file (mode 0644) with a password kept scrambled in it.
    QTemporaryDir dir;
    const QString scrambled = "00250014001C0016000900170054";
    const QString ini = dir.filePath("copied.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + scrambled + "\n[Words]\ntext=plain\n").toUtf8()));
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString other = dir.filePath("other.ini");
    ASSERT_TRUE(qz8test::WriteBytes(other, "[Words]\ntext=plain\n"));
    for (const QStringList& args :
         {QStringList{"get", ini, "Password", "text"}, QStringList{"list", ini}, QStringList{"diff", ini, other},
          QStringList{"diff", other, ini}, QStringList{"export", ini}}) {
        const ToolRun r = Tool(args);
        EXPECT_FALSE(r.crashed);
        EXPECT_FALSE(r.out.contains(scrambled)) << args.join(' ').toStdString() << "\n" << r.out.toStdString();
        EXPECT_FALSE(r.err.contains(scrambled)) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(Tool({"list", ini}).out.contains("text=plain"));
}

TEST(FormStateTool, CheckFindsWhatAWindowWouldRefuseOnEachHostileFile)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray content;
        const char* expected; // in the finding
    };
    const QString longText(40000, QLatin1Char('x'));
    const std::vector<Case> cases{
        {"header-far.ini", "[Tree]\nsizes=50,60\npositions=0,1000000\nhidden=0,0\nsort=-1,0,0\n", "positions"},
        {"header-blob.ini", ("[Tree]\nheader=" + Base64Header(5000000, 5000000) + "\n").toLatin1(), "does not parse"},
        {"header-items.ini", ("[Tree]\nheader=" + Base64Header(4, 0x7fffffff) + "\n").toLatin1(), "header"},
        {"header-values.ini", "[Tree]\nsizes=1,-5,999999999,x\npositions=3,3,3,3\n", "whole numbers"},
        {"header-sort.ini", "[Tree]\nsizes=50,60,70,80\npositions=0,1,2,1000000\nhidden=1,1,1,1,1,1\nsort=77,9,1\n",
         "sort"},
        {"splitter.ini", "[Splitter]\nsizes=-1,2147483647,5\n", "pane sizes"},
        {"splitter-blob.ini", "[Splitter]\nstate=AAAA\n", "splitter state"},
        {"bars.ini", "[Window layout]\nbar:Files=9,0,0,1\n", "tool bar"},
        {"docks.ini", "[Window layout]\ndock:Notes=2,1,1,99999999,-5,2147483647,-2147483648\n", "dock"},
        {"state-blob.ini", "[Window layout]\nstate=AAAA/wAAAAD9AAAAAA==\n", "passed over"},
        {"off-screen.ini", "[Window geometry]\n1024x768+0+0=5000,5000,300,200,normal\n", "off every screen"},
        {"too-large.ini", "[Window geometry]\n1024x768+0+0=0,0,4000,3000,maximized\n", "larger than the screen"},
        {"damaged-placement.ini", "[Window geometry]\n1024x768+0+0=1,2,zero,4,normal\n", "damaged"},
        {"marker.ini", "[Password]\ntext=<in secret store>\n", "secret store"},
        {"long.ini", ("[Name]\ntext=" + longText + "\n").toUtf8(), "32767"},
        {"list.ini", "[Words]\n_count=1000000\n_per=1\n_line0=a\n", "1000000 entries"},
        {"lines.ini", "stray\n[A]\nnothing here\nk=1\nk=2\n", "repeated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath(c.name);
        ASSERT_TRUE(qz8test::WriteBytes(file, c.content));
        const ToolRun r = Tool({"check", "--screens", kScreen, file});
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 1) << r.out.toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.expected)) << r.out.toStdString();
    }
    // Screens no window is placed on are refused, not taken as given.
    for (const char* screens : {"0x0+0+0", "1920x1080+99999999999+0", "1920x99999999999+0+0"}) {
        const ToolRun r = Tool({"check", "--screens", screens, dir.filePath("lines.ini")});
        EXPECT_EQ(r.exitCode, 2) << screens;
        EXPECT_TRUE(r.err.contains("is not a list of screens")) << r.err.toStdString();
    }
    // The line of each finding.
    const ToolRun lines = Tool({"check", "--screens", kScreen, dir.filePath("lines.ini")});
    EXPECT_TRUE(lines.out.contains("lines.ini:1: a line before the first section")) << lines.out.toStdString();
    EXPECT_TRUE(lines.out.contains("lines.ini:3: [A]: neither a section nor a key")) << lines.out.toStdString();
    EXPECT_TRUE(lines.out.contains("lines.ini:5: [A] k: the key is repeated; only its first value (line 4)"))
        << lines.out.toStdString();

    // Files that are no files: a FIFO, an endless device, one too large, one
    // that cannot be read. Each is said, at once.
    const QString fifo = dir.filePath("fifo.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString endless = dir.filePath("endless.ini");
    ASSERT_TRUE(QFile::link("/dev/zero", endless));
    const QString huge = dir.filePath("huge.ini");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(TMyMemIniFile::kMaxIniFileBytes + 1));
    }
    QStringList noFiles{fifo, endless, huge};
    // Unreadable also by root: a write-only kernel setting behind a link.
    const QString locked = dir.filePath("locked.ini");
    if (QFileInfo("/proc/sys/vm/compact_memory").isFile() && QFile::link("/proc/sys/vm/compact_memory", locked))
        noFiles << locked;
    else if (geteuid() != 0 && qz8test::WriteBytes(locked, "[A]\nb=1\n") && chmod(QFile::encodeName(locked), 0) == 0)
        noFiles << locked;
    for (const QString& file : noFiles) {
        SCOPED_TRACE(file.toStdString());
        const ToolRun r = Tool({"check", "--screens", kScreen, file});
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.contains(":0: ")) << r.out.toStdString();
    }
    // A read-only file is read by windows and never saved into.
    const QString readOnly = dir.filePath("read-only.ini");
    ASSERT_TRUE(qz8test::WriteBytes(readOnly, "[A]\nb=1\n"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    EXPECT_TRUE(Tool({"check", "--screens", kScreen, readOnly}).out.contains("read-only"));
    // A sound file is sound.
    const QString sound = dir.filePath("sound.ini");
    ASSERT_TRUE(qz8test::WriteBytes(sound, "[Tree]\nsizes=50,60\npositions=1,0\nhidden=0,1\nsort=1,0,1\n"
                                           "[Splitter]\nsizes=100,200\n[Window geometry]\n1024x768+0+0=10,10,500,400,"
                                           "normal\n[Window layout]\nbar:Files=4,0,0,1\n"));
    const ToolRun r = Tool({"check", "--screens", kScreen, sound});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
}

TEST(FormStateTool, ASetWaitsForAnotherWritersLockAndRacingAWindowsSaveKeepsItWhole)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[A]\nb=1\n"));
    {
        // Another writer holds the file's lock: the set waits, then writes
        // over what that writer saved, losing none of it.
        QLockFile held(ini + ".lock");
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_TRUE(FormStateFileBeingSaved(ini));
        QProcess p;
        p.setProcessEnvironment(qz8test::ToolEnvironment());
        p.start(QZ8_FORMSTATE_TOOL, {"set", ini, "A", "b", "2"});
        ASSERT_TRUE(p.waitForStarted());
        EXPECT_FALSE(p.waitForFinished(700));
        ASSERT_TRUE(qz8test::WriteBytes(ini, "[A]\nb=1\nc=3\n"));
        held.unlock();
        ASSERT_TRUE(p.waitForFinished(15000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        EXPECT_EQ(qz8test::ReadText(ini), "[A]\nb=2\nc=3\n");
        EXPECT_FALSE(FormStateFileBeingSaved(ini));
    }

    // A window with many controls saves over and over while the tool sets
    // a key: every file there ever was is whole.
    TForm form;
    for (int i = 0; i < 200; ++i) {
        auto* spin = new QSpinBox(&form);
        spin->setObjectName(QStringLiteral("Spin%1").arg(i));
        spin->setRange(0, 1000);
        spin->setValue(i);
    }
    for (int round = 0; round < 10; ++round) {
        QProcess p;
        p.setProcessEnvironment(qz8test::ToolEnvironment());
        p.start(QZ8_FORMSTATE_TOOL, {"set", ini, "Tool", "round", QString::number(round)});
        ASSERT_TRUE(p.waitForStarted());
        do {
            SaveIni(&form, ini);
        } while (!p.waitForFinished(1));
        EXPECT_NE(p.exitStatus(), QProcess::CrashExit);
        TMyMemIniFile saved(ini);
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(saved.ReadInteger(QStringLiteral("Spin%1").arg(i), "value", -1), i) << "round " << round;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tool.ini"});
}
