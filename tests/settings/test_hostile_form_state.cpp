// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Form state files under hostile conditions: FIFOs, endless devices, huge
// and unreadable files never hang a window or cost the user's settings; the
// application-drive token keeps the file system's case; debris of killed
// saves is cleared.
#include "external/ElPack.h"
#include "form/baseTMSStyleable_F.h"
#include "platform/Drives_p.h"
#include "settings/Drive_Utils.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/ImageControls.h"
#include "toolkit/ListBox.h"

#include "test_util.h"
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qz8;

namespace {

// A tool window with one check box, whose state file is given.
class StateWindow : public TTMSStyleableRepositoryForm {
public:
    explicit StateWindow(const QString& ini) : fIni(ini)
    {
        box = new QCheckBox(this);
        box->setObjectName("Box");
        box->setChecked(true);
    }
    QString TheIniName() override { return fIni; }
    QCheckBox* box;

private:
    QString fIni;
};

// Reading name must raise an error naming it, quickly, and leave the box.
void ExpectRefused(const QString& name, const char* words)
{
    TForm form;
    auto* box = new QCheckBox(&form);
    box->setObjectName("Box");
    box->setChecked(true);
    QElapsedTimer t;
    t.start();
    try {
        ReadIni(&form, name);
        ADD_FAILURE() << "read without an error: " << name.toStdString();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(name)) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(words)) << e.Message().toStdString();
    }
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_TRUE(box->isChecked());
}

} // namespace

TEST(HostileFormState, AFifoIsReportedNotWaitedFor)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("tool.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ExpectRefused(fifo, "not a regular file");
    // A window shows at once, keeps its controls and leaves the FIFO alone.
    {
        QElapsedTimer t;
        t.start();
        StateWindow w(fifo);
        w.show();
        EXPECT_LT(t.elapsed(), 1000);
        EXPECT_TRUE(w.FormStateUnreadable());
        EXPECT_TRUE(w.box->isChecked());
    }
    struct stat st { };
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(HostileFormState, EndlessAndHugeFilesAreDamaged)
{
    QTemporaryDir dir;
    const QString endless = dir.filePath("endless.ini");
    ASSERT_TRUE(QFile::link("/dev/zero", endless));
    ExpectRefused(endless, "not a regular file");
    // One byte over the cap (a sparse file: no real disk use).
    const QString huge = dir.filePath("huge.ini");
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(TMyMemIniFile::kMaxIniFileBytes + 1));
    f.close();
    ExpectRefused(huge, "larger than 16 MiB");
    // At the cap it is read.
    ASSERT_TRUE(QFile::resize(huge, TMyMemIniFile::kMaxIniFileBytes));
    TForm form;
    EXPECT_NO_THROW(ReadIni(&form, huge));
}

TEST(HostileFormState, AnUnreadableFileKeepsTheControlsAndIsNotOverwritten)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("locked.ini");
    // A regular file that cannot be opened for reading, also by root: a
    // write-only kernel setting behind a link; for others also mode 000.
    QString unreadable;
    if (QFileInfo("/proc/sys/vm/compact_memory").isFile() && QFile::link("/proc/sys/vm/compact_memory", name))
        unreadable = name;
    else if (geteuid() != 0 && qz8test::WriteBytes(name, "[Box]\nchecked=0\n") &&
             chmod(QFile::encodeName(name), 0) == 0)
        unreadable = name;
    if (unreadable.isEmpty())
        GTEST_SKIP() << "no file that cannot be read here";
    ExpectRefused(unreadable, "Cannot open");
    const QByteArray target = QFile::symLinkTarget(unreadable).toUtf8();
    {
        StateWindow w(unreadable);
        w.show();
        EXPECT_TRUE(w.FormStateUnreadable());
        EXPECT_TRUE(w.box->isChecked());
    } // no save over it
    EXPECT_EQ(QFile::symLinkTarget(unreadable).toUtf8(), target);
}

TEST(HostileFormState, TheDriveTokenKeepsTheFileSystemsCase)
{
    QTemporaryDir dir;
    DriveUtilsMountTable = dir.filePath("mounts");
    ASSERT_TRUE(qz8test::WriteBytes(DriveUtilsMountTable, "/dev/sdb1 /mnt/stick vfat rw 0 0\n"));
    OverrideExeName("/mnt/stick/tool");
    EXPECT_EQ(ContractAppDrive("/mnt/stick/data"), "app_drive$data");
    // Another place on a case-sensitive file system.
    EXPECT_EQ(ContractAppDrive("/MNT/STICK/data"), "/MNT/STICK/data");
    EXPECT_EQ(ContractAppDrive("/mnt/Stick/data"), "/mnt/Stick/data");
}

TEST(HostileFormState, TheDriveIsFoundOncePerSaveOrRead)
{
    QTemporaryDir dir;
    DriveUtilsMountTable = dir.filePath("mounts");
    ASSERT_TRUE(qz8test::WriteBytes(DriveUtilsMountTable, "/dev/sdb1 /mnt/stick vfat rw 0 0\n"));
    OverrideExeName("/mnt/stick/tool");
    {
        const TAppDriveScope scope;
        EXPECT_EQ(AppDriveRoot(), "/mnt/stick/");
        // The mount table changes: the scope still answers what it found.
        ASSERT_TRUE(qz8test::WriteBytes(DriveUtilsMountTable, "/dev/sdc1 /mnt vfat rw 0 0\n"));
        EXPECT_EQ(AppDriveRoot(), "/mnt/stick/");
        {
            const TAppDriveScope inner;
            EXPECT_EQ(AppDriveRoot(), "/mnt/stick/");
        }
        EXPECT_EQ(AppDriveRoot(), "/mnt/stick/");
    }
    EXPECT_EQ(AppDriveRoot(), "/mnt/");
}

// Only the library's own temporaries of killed saves go; a user's files
// that merely look like temporaries stay, however old.
TEST(HostileFormState, OnlyOwnSaveDebrisIsRemovedAtTheNextSave)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("tool.ini");
    const QString stale = name + ".qz8-save-Ab12Cd", fresh = name + ".qz8-save-Zz99Yy";
    const QStringList users = {
        name + ".backup",      name + ".orig01", name + ".2024v1", name + ".Ab12Cd", name + ".qz8-save-Ab12Cd.txt",
        name + ".qz8-save-Ab1"};
    for (const QString& f : QStringList{stale, fresh} + users) {
        ASSERT_TRUE(qz8test::WriteBytes(f, QByteArray(1000, 'x')));
        if (f == fresh)
            continue;
        QFile old(f);
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    TForm form;
    SaveIni(&form, name);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(fresh)); // another save may still be writing it
    for (const QString& f : users)
        EXPECT_TRUE(QFile::exists(f)) << f.toStdString();
    EXPECT_TRUE(QFile::exists(name));
    // A save leaves nothing of its own beside the file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), users.size() + 2);
}

TEST(HostileFormState, SubMenusGoWithTheirItems)
{
    TForm window;
    auto* menu = new TMainMenu(&window);
    for (int round = 0; round < 1000; ++round) {
        TMenuItem* item = menu->Add("File");
        item->Add("Open");
        QPointer<QMenu> sub = item->menu();
        ASSERT_FALSE(sub.isNull());
        delete item;
        ASSERT_TRUE(sub.isNull());
    }
    EXPECT_LE(window.findChildren<QMenu*>().size(), 1);
    // Without a window the menus are the items' alone.
    auto* loose = new TMenuItem("Loose", nullptr, nullptr);
    loose->Add("Child");
    QPointer<QMenu> sub = loose->menu();
    delete loose;
    EXPECT_TRUE(sub.isNull());
}

TEST(HostileFormState, HugeItemHeightsGiveASizeHintInRange)
{
    TListBox list;
    list.SetItemHeight(std::numeric_limits<int>::max());
    const QWidget& widget = list;
    EXPECT_GT(widget.sizeHint().height(), 0);
    EXPECT_LE(widget.sizeHint().height(), QWIDGETSIZE_MAX);
}

namespace {
// Saves a form whose box is checked or not through name; false with the
// error's text when the save was refused.
bool SaveBox(const QString& name, bool checked, QString* error = nullptr)
{
    TForm form;
    auto* box = new QCheckBox(&form);
    box->setObjectName("Box");
    box->setChecked(checked);
    try {
        SaveIni(&form, name);
        return true;
    } catch (const Exception& e) {
        if (error)
            *error = e.Message();
        return false;
    }
}
} // namespace

TEST(HostileFormState, LinksAreFollowedToTheFileTheKernelReaches)
{
    QTemporaryDir dir;
    QDir d(dir.path());
    ASSERT_TRUE(d.mkpath("data") && d.mkpath("a/b"));
    const QString real = dir.filePath("data/tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(real, "[Box]\nchecked=0\n"));
    // A chain: link1 -> link2 -> the file. Both links stay links.
    ASSERT_EQ(::symlink(real.toLocal8Bit().constData(), dir.filePath("link2").toLocal8Bit().constData()), 0);
    ASSERT_EQ(::symlink("link2", dir.filePath("link1").toLocal8Bit().constData()), 0);
    ASSERT_TRUE(SaveBox(dir.filePath("link1"), true));
    EXPECT_TRUE(QFileInfo(dir.filePath("link2")).isSymLink());
    EXPECT_TRUE(qz8test::ReadText(real).contains("checked=1"));
    // A relative link inside a linked folder is read from its real folder:
    // alias -> a/b, and a/b/state.ini -> ../../data/tool.ini.
    ASSERT_EQ(::symlink(dir.filePath("a/b").toLocal8Bit().constData(), dir.filePath("alias").toLocal8Bit().constData()),
              0);
    ASSERT_EQ(::symlink("../../data/tool.ini", dir.filePath("a/b/state.ini").toLocal8Bit().constData()), 0);
    ASSERT_TRUE(SaveBox(dir.filePath("alias/state.ini"), false));
    EXPECT_TRUE(qz8test::ReadText(real).contains("checked=0"));
    EXPECT_TRUE(QFileInfo(dir.filePath("a/b/state.ini")).isSymLink());
    // A dangling relative link in the linked folder makes its target there.
    ASSERT_EQ(::symlink("../../data/new.ini", dir.filePath("a/b/new.ini").toLocal8Bit().constData()), 0);
    ASSERT_TRUE(SaveBox(dir.filePath("alias/new.ini"), true));
    EXPECT_TRUE(qz8test::ReadText(dir.filePath("data/new.ini")).contains("checked=1"));
    // ".." after a linked folder is the folder above the link's target, as
    // the kernel takes it: alias/../data is a/data, not data.
    ASSERT_TRUE(QDir(dir.path()).mkpath("a/data"));
    ASSERT_EQ(::symlink("alias/../data/other.ini", dir.filePath("through.ini").toLocal8Bit().constData()), 0);
    ASSERT_TRUE(SaveBox(dir.filePath("through.ini"), true));
    EXPECT_TRUE(QFile::exists(dir.filePath("a/data/other.ini")));
    EXPECT_FALSE(QFile::exists(dir.filePath("data/other.ini")));
    // A loop of links is refused, with a reason.
    ASSERT_EQ(::symlink("loop2", dir.filePath("loop1").toLocal8Bit().constData()), 0);
    ASSERT_EQ(::symlink("loop1", dir.filePath("loop2").toLocal8Bit().constData()), 0);
    QString error;
    EXPECT_FALSE(SaveBox(dir.filePath("loop1"), true, &error));
    EXPECT_TRUE(error.contains("loop1")) << error.toStdString();
}

TEST(HostileFormState, AReadOnlyFileIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    for (const mode_t mode : {mode_t(0444), mode_t(0)}) {
        const QString name = dir.filePath(QStringLiteral("ro%1.ini").arg(mode, 0, 8));
        ASSERT_TRUE(qz8test::WriteBytes(name, "[Box]\nchecked=0\n"));
        ASSERT_EQ(::chmod(name.toLocal8Bit().constData(), mode), 0);
        QString error;
        EXPECT_FALSE(SaveBox(name, true, &error));
        EXPECT_TRUE(error.contains(name) && error.contains("read-only")) << error.toStdString();
        struct stat st { };
        ASSERT_EQ(::stat(name.toLocal8Bit().constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        ::chmod(name.toLocal8Bit().constData(), 0644);
        EXPECT_EQ(qz8test::ReadText(name), "[Box]\nchecked=0\n");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(HostileFormState, OddAndLongNamesSaveAndLeaveNoDebris)
{
    QTemporaryDir dir;
    // Names with wildcard characters: their old debris is found and removed.
    const QString odd = dir.filePath("tool [v2] *?.ini");
    const QString debris = odd + ".qz8-save-Ab12Cd";
    ASSERT_TRUE(qz8test::WriteBytes(debris, "x"));
    {
        QFile old(debris);
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(SaveBox(odd, true));
    EXPECT_FALSE(QFile::exists(debris));
    // Names up to the file system's limit save, whatever their length.
    for (const int length : {240, 244, 248, 255}) {
        const QString name = dir.filePath(QString(length - 4, QLatin1Char('n')) + ".ini");
        QString error;
        EXPECT_TRUE(SaveBox(name, true, &error)) << length << ": " << error.toStdString();
        EXPECT_TRUE(qz8test::ReadText(name).contains("checked=1")) << length;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5);
}

// Saves killed at any moment: the file is always whole, and on Linux the
// data is written to an unnamed file, so a kill before the rename leaves no
// named temporary behind (at most one killed in the instant between naming
// and renaming).
TEST(HostileFormState, SavesKilledHalfWayLeaveTheFileWholeAndNoTemporaries)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("tool.ini");
    const QString big(2 * 1024 * 1024, QLatin1Char('x'));
    {
        TMyMemIniFile ini(name);
        ini.WriteString("State", "text", "first");
        ini.UpdateFile();
    }
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                TMyMemIniFile ini(name);
                ini.WriteString("State", "text", big);
                ini.UpdateFile();
            }
        }
        ::usleep(static_cast<useconds_t>(2000 + 1500 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const QString text = qz8test::ReadText(name);
        EXPECT_TRUE(text == "[State]\ntext=first\n" || text == "[State]\ntext=" + big + "\n") << text.size();
    }
    const QStringList debris = QDir(dir.path()).entryList({"*.qz8-save-*"}, QDir::Files | QDir::Hidden);
    EXPECT_LE(debris.size(), 1) << debris.join(' ').toStdString();
}
