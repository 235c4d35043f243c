// Form state files under hostile conditions: FIFOs, endless devices, huge
// and unreadable files never hang a window or cost the user's settings; the
// application-drive token keeps the file system's case; debris of killed
// saves is cleared.
#include "external/ElPack.h"
#include "external/MemIniFile.h"
#include "form/baseTMSStyleable_F.h"
#include "platform/Application.h"
#include "platform/Drives_p.h"
#include "platform/ImageControls.h"
#include "platform/ListBox.h"
#include "settings/Drive_Utils.h"
#include "settings/ReadAndSaveIni.h"

#include "test_util.h"
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
