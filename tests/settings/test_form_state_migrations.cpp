// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Form state files that outlive tool versions: version 2 of the example
// corpus tool reads version 1's file (checked in) under its new names, once;
// a newer release's file keeps its record and sections; a failing step
// leaves the file as it was; a password follows its renamed control.
#include "form/baseTMSStyleable_F.h"
#include "platform/SecretStore.h"
#include "settings/ReadAndSaveIni.h"
#include "store/FormStateMigrations.h"
#include "store/FormStateMigrations_p.h"
#include "store/MemIniFile.h"

#include "helpers/memory_secret_store.h"
#include "migrating-tool/CorpusWindowV2.h"
#include "test_util.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QString DataFile(const char* name) { return QStringLiteral(QZ8_TEST_DATA "/") + QLatin1String(name); }

// A copy of a checked-in file to work on.
QString CopyOf(const QTemporaryDir& dir, const char* name)
{
    const QString to = dir.filePath("corpus-tool.ini");
    QFile::remove(to);
    EXPECT_TRUE(QFile::copy(DataFile(name), to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    return to;
}

QByteArray Bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList kVersion2Steps{"2.0-corpus-folder", "2.0-password-onto-server-page", "2.0-context-window-spin"};

// A form whose steps the test gives.
class StepsForm : public TForm, public IFormStateMigrations {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateMigrations)
public:
    TFormStateMigrations steps;
    TFormStateMigrations FormStateMigrations() const override { return steps; }
};

// A window whose declaration names a step twice.
class FaultyForm : public TForm, public IFormStateMigrations {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateMigrations)
public:
    TFormStateMigrations FormStateMigrations() const override
    {
        return TFormStateMigrations().DropSection("a", "Edit1").DropSection("A", "Edit2");
    }
};

} // namespace

TEST(FormStateMigrations, Version2ReadsVersion1UnderItsNewNamesOnce)
{
    QTemporaryDir dir;
    const QString ini = CopyOf(dir, "corpus-tool-v1.ini");
    const QByteArray version1 = Bytes(ini);
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.corpus->Text(), "/data/corpus");
        EXPECT_EQ(w.password->Text(), "s3cret");
        EXPECT_EQ(w.window->value(), 20);
        EXPECT_TRUE(w.caseBox->isChecked());
        // Migrated and saved at once, the old file kept beside it.
        EXPECT_EQ(Bytes(MigrationBackupName(ini, "2.0-corpus-folder")), version1);
        TMyMemIniFile migrated(ini);
        EXPECT_EQ(migrated.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
        EXPECT_FALSE(migrated.SectionExists("Edit1"));
        EXPECT_FALSE(migrated.SectionExists("Edit2"));
        EXPECT_EQ(migrated.ReadString("WindowSpin", "value", ""), "20");
        EXPECT_EQ(migrated.ReadString("Window geometry", "1024x768+0+0", ""), "100,80,500,300,normal");
        EXPECT_EQ(QFileInfo(ini).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
        w.corpus->SetText("/data/corpus-2");
        w.close();
    }
    // The window's save keeps the record; the second start applies nothing
    // and writes nothing.
    const QByteArray saved = Bytes(ini);
    EXPECT_TRUE(saved.contains("[Form state migrations]\n2.0-corpus-folder=")) << saved.constData();
    CorpusWindowV2 again(ini);
    again.show();
    EXPECT_EQ(again.corpus->Text(), "/data/corpus-2");
    EXPECT_EQ(again.window->value(), 20);
    EXPECT_EQ(Bytes(ini), saved);
    EXPECT_EQ(Bytes(MigrationBackupName(ini, "2.0-corpus-folder")), version1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2)
        << QDir(dir.path()).entryList().join(' ').toStdString();
}

TEST(FormStateMigrations, AWindowDeletedOrQuitAfterAMigrationKeepsTheNewNamesAndTheRecord)
{
    QTemporaryDir dir;
    const QString ini = CopyOf(dir, "corpus-tool-v1.ini");
    {
        // Deleted directly: only the base part saves, from the record it read.
        auto* w = new CorpusWindowV2(ini);
        w->show();
        w->corpus->SetText("/data/deleted");
        delete w;
    }
    TMyMemIniFile deleted(ini);
    EXPECT_EQ(deleted.ReadString("CorpusFolder", "text", ""), "/data/deleted");
    EXPECT_EQ(deleted.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
    EXPECT_FALSE(deleted.SectionExists("Edit1"));
    {
        // The file is removed (settings reset) while the window is open:
        // the file its save makes is this release's, and says so.
        CorpusWindowV2 w(ini);
        w.show();
        ASSERT_TRUE(QFile::remove(ini));
        w.window->setValue(34);
        w.close();
    }
    TMyMemIniFile remade(ini);
    EXPECT_EQ(remade.ReadInteger("WindowSpin", "value", 0), 34);
    EXPECT_EQ(remade.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
    // The application quits with the window open.
    CorpusWindowV2 w(ini);
    w.show();
    w.window->setValue(33);
    // The signal is private to QCoreApplication: raised through its meta-object.
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection);
    TMyMemIniFile quit(ini);
    EXPECT_EQ(quit.ReadInteger("WindowSpin", "value", 0), 33);
    EXPECT_EQ(quit.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
}

TEST(FormStateMigrations, ANewerReleasesFileKeepsItsRecordAndSections)
{
    QTemporaryDir dir;
    const QString ini = CopyOf(dir, "corpus-tool-v3.ini");
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.corpus->Text(), "/data/corpus-3");
        EXPECT_EQ(w.window->value(), 50);
        EXPECT_FALSE(w.caseBox->isChecked());
        w.window->setValue(7);
        w.close();
    }
    TMyMemIniFile saved(ini);
    EXPECT_EQ(saved.ReadInteger("WindowSpin", "value", 0), 7);
    EXPECT_EQ(saved.ReadString("Highlighting", "colour", ""), "clRed");
    EXPECT_EQ(saved.ReadString("Highlighting", "words", ""), "the|a");
    EXPECT_EQ(saved.ReadString(FormStateMigrationsSection(), "3.0-highlighting", ""), "2026-06-01T12:00:00Z");
    EXPECT_EQ(saved.ReadString(FormStateMigrationsSection(), "2.0-corpus-folder", ""), "2026-01-10T09:00:00Z");
    EXPECT_FALSE(QFile::exists(MigrationBackupName(ini, "2.0-corpus-folder")));
    // A tool without any step (an older release still) keeps them too.
    TForm older;
    ReadIni(&older, ini);
    SaveIni(&older, ini);
    TMyMemIniFile again(ini);
    EXPECT_TRUE(again.SectionExists("Highlighting"));
    EXPECT_EQ(again.ReadSection(FormStateMigrationsSection()).size(), 4);
}

TEST(FormStateMigrations, AFailingStepLeavesTheFileAsItWasAndItsSectionsAreSaved)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("corpus-tool.ini");
    // An index version 1 never wrote: the conversion cannot take it.
    QByteArray hostile = Bytes(DataFile("corpus-tool-v1.ini"));
    hostile.replace("i=2", "i=99");
    ASSERT_TRUE(qz8test::WriteBytes(ini, hostile));
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(Bytes(ini), hostile);
        EXPECT_FALSE(QFile::exists(MigrationBackupName(ini, "2.0-corpus-folder")));
        EXPECT_TRUE(w.caseBox->isChecked()); // what it could read
        EXPECT_EQ(w.corpus->Text(), "");
        w.close();
    }
    // Nothing of the user's is gone: the next release (or a fixed step) can
    // still migrate it, and the defaults the window showed in place of the
    // values it could not take are not written over their new names.
    TMyMemIniFile saved(ini);
    EXPECT_EQ(saved.ReadString("Edit1", "text", ""), "/data/corpus");
    EXPECT_EQ(saved.ReadString("WindowCombo", "i", ""), "99");
    EXPECT_FALSE(saved.SectionExists("CorpusFolder"));

    // A step that throws changes nothing.
    const QByteArray before = Bytes(ini);
    StepsForm thrower;
    thrower.steps.DropSection("a", "Edit1").Step("b", [](TMyMemIniFile&, QString&) -> bool {
        throw std::runtime_error("no");
    });
    ReadIni(&thrower, ini);
    EXPECT_EQ(Bytes(ini), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"corpus-tool.ini"});
}

TEST(FormStateMigrations, IdsAreCheckedWhereTheStepsAreDeclared)
{
    // A step named twice (ids compare without case) or by a name no file
    // can carry is refused as it is declared, before any file is touched.
    TFormStateMigrations steps;
    steps.DropSection("same", "Edit1");
    EXPECT_THROW(steps.DropSection("SAME", "Edit2"), Exception);
    EXPECT_THROW(steps.RenameSection("../../etc", "Edit1", "x"), Exception);
    EXPECT_THROW(steps.Step("", [](TMyMemIniFile&, QString&) { return true; }), Exception);
    EXPECT_THROW(steps.RenameKey(QString(101, QLatin1Char('a')), "s", "a", "b"), Exception);
    EXPECT_EQ(steps.Ids(), QStringList{"same"});

    // A window whose declaration throws reads its file unmigrated, leaves it
    // as it was and records no step.
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        TMyMemIniFile f(ini);
        f.WriteString("Edit1", "text", "kept");
        f.UpdateFile();
    }
    const QByteArray before = Bytes(ini);
    FaultyForm faulty;
    ReadIni(&faulty, ini);
    EXPECT_EQ(Bytes(ini), before);
    TMyMemIniFile out(ini);
    WriteMigrationRecord(&faulty, out);
    EXPECT_FALSE(out.SectionExists(FormStateMigrationsSection()));
}

TEST(FormStateMigrations, AReadOnlyFileIsReadMigratedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const QString ini = CopyOf(dir, "corpus-tool-v1.ini");
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray version1 = Bytes(ini);
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.corpus->Text(), "/data/corpus");
        EXPECT_EQ(w.window->value(), 20);
        w.close();
    }
    EXPECT_EQ(Bytes(ini), version1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"corpus-tool.ini"});
}

// The migrated file is written on the store's writer thread while the
// controls read: a save that fails there (the disk refuses the bytes) is
// known before the read ends, as one that fails at once.
TEST(FormStateMigrations, ASaveThatFailsOnTheWriterThreadLeavesTheFileAndRunsTheStepsAgain)
{
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "a file size limit makes the write fail";
#else
    QTemporaryDir dir;
    const QString ini = CopyOf(dir, "corpus-tool-v1.ini");
    const QByteArray version1 = Bytes(ini);
    qz8test::LogCapture log;
    {
        CorpusWindowV2 w(ini);
        {
            // Room for the lock file, not for the migrated file.
            const qz8test::FileSizeLimit limit(version1.size() - 10);
            w.show();
        }
        EXPECT_EQ(w.corpus->Text(), "/data/corpus") << "read migrated";
        EXPECT_EQ(Bytes(ini), version1);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"corpus-tool.ini"}) << "no backup stays";
        EXPECT_TRUE(log.Text().contains("not saved")) << log.Text().toStdString();
        w.caseBox->setChecked(false);
        w.close();
    }
    TMyMemIniFile after(ini);
    EXPECT_TRUE(after.ReadSection(FormStateMigrationsSection()).isEmpty());
    EXPECT_EQ(after.ReadString("Edit1", "text", ""), "/data/corpus");
    EXPECT_EQ(after.ReadInteger("CaseBox", "checked", 1), 0);
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.corpus->Text(), "/data/corpus");
        EXPECT_FALSE(w.caseBox->isChecked());
        w.close();
    }
    TMyMemIniFile migrated(ini);
    EXPECT_EQ(migrated.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
    EXPECT_FALSE(migrated.SectionExists("Edit1"));
#endif
}

TEST(FormStateMigrations, ABackupNameTakenByALinkOrAFolderGivesWayToTheNextFreeName)
{
    // The name is taken by a dangling link, then by a folder: the backup
    // goes to the next free name, the file is migrated, the log names the
    // backup written, and nothing is written through the link.
    for (int taken = 0; taken < 2; ++taken) {
        QTemporaryDir dir;
        const QString ini = CopyOf(dir, "corpus-tool-v1.ini");
        const QByteArray version1 = Bytes(ini);
        const QString backup = MigrationBackupName(ini, "2.0-corpus-folder");
        const QString elsewhere = dir.filePath("elsewhere.txt");
        if (taken == 0)
            ASSERT_TRUE(QFile::link(elsewhere, backup));
        else
            ASSERT_TRUE(QDir(dir.path()).mkdir(QFileInfo(backup).fileName()));
        qz8test::LogCapture log;
        {
            CorpusWindowV2 w(ini);
            w.show();
            EXPECT_EQ(w.corpus->Text(), "/data/corpus");
            w.close();
        }
        EXPECT_FALSE(QFile::exists(elsewhere)) << taken;
        EXPECT_EQ(Bytes(backup + ".1"), version1) << taken;
        EXPECT_TRUE(log.Text().contains(backup + ".1")) << log.Text().toStdString();
        EXPECT_FALSE(TMyMemIniFile(ini).SectionExists("Edit1")) << taken;
        EXPECT_FALSE(TMyMemIniFile(ini).ReadSection(FormStateMigrationsSection()).isEmpty()) << taken;
    }
}

TEST(FormStateMigrations, EachKindOfStepOnAFile)
{
    TMyMemIniFile ini(QString{});
    ini.SetText("[A]\nx=1\ny=2\n[B]\nz=3\n[Old]\nk=v\n[Gone]\nq=1\n");
    TFormStateMigrations steps;
    steps.RenameKey("k1", "A", "x", "x2")
        .MoveKey("k2", "A", "y", "B", "y2")
        .MoveSection("k3", "Old", "B")
        .DropSection("k4", "Gone")
        .ConvertValue("k5", "B", "z", "C", "z",
                      [](const QString& v, const TMyMemIniFile&) { return std::optional<QString>(v + v); })
        .Step("k6",
              [](TMyMemIniFile& f, QString&) {
                  f.WriteString("D", "made", "yes");
                  return true;
              })
        .RenameKey("k7", "A", "missing", "other") // nothing to do is no failure
        .RenameSections("k8", [](const QString& s) { return s == "D" || s == "B" ? s + "2" : QString(); });
    const TFormStateMigrationResult r = steps.Apply(ini);
    ASSERT_TRUE(r.Ok()) << r.Error.toStdString();
    EXPECT_EQ(r.Applied.size(), 8);
    // Renamed where they stand.
    EXPECT_EQ(ini.ReadSections().mid(0, 4), QStringList({"A", "B2", "C", "D2"}));
    ini.RenameSection("B2", "B");
    ini.RenameSection("D2", "D");
    EXPECT_EQ(ini.ReadString("A", "x2", ""), "1");
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    EXPECT_EQ(ini.ReadString("B", "y2", ""), "2");
    EXPECT_EQ(ini.ReadString("B", "k", ""), "v");
    EXPECT_FALSE(ini.SectionExists("Old"));
    EXPECT_FALSE(ini.SectionExists("Gone"));
    EXPECT_EQ(ini.ReadString("C", "z", ""), "33");
    EXPECT_FALSE(ini.ValueExists("B", "z"));
    EXPECT_EQ(ini.ReadString("D", "made", ""), "yes");
    // Run again: every step is in the record.
    const QString after = ini.ToText();
    EXPECT_TRUE(steps.Apply(ini).Applied.isEmpty());
    EXPECT_EQ(ini.ToText(), after);

    // A rename onto a section that exists fails whole, with the steps before
    // it in the same run; ids a file names that the list does not are told.
    TMyMemIniFile clash(QString{});
    clash.SetText("[P]\na=1\n[Q]\nb=2\n[Form state migrations]\nfuture=2030-01-01T00:00:00Z\n");
    const QString clashText = clash.ToText();
    const TFormStateMigrationResult failed =
        TFormStateMigrations().RenameKey("first", "Q", "b", "c").RenameSection("second", "Q", "P").Apply(clash);
    EXPECT_FALSE(failed.Ok());
    EXPECT_EQ(failed.FailedStep, "second");
    EXPECT_TRUE(failed.Applied.isEmpty());
    EXPECT_EQ(failed.Unknown, QStringList{"future"});
    EXPECT_EQ(clash.ToText(), clashText);
}

class MigratedPasswords : public ::testing::Test {
protected:
    void SetUp() override { SetSecretStore(&store); }
    void TearDown() override { SetSecretStore(nullptr); }
    qz8test::MemorySecretStore store;
    QTemporaryDir dir;
};

TEST_F(MigratedPasswords, ASecretFollowsItsRenamedControlOrTheStepFails)
{
    const QString ini = dir.filePath("corpus-tool.ini");
    QByteArray v1 = Bytes(DataFile("corpus-tool-v1.ini"));
    v1.replace("003E00520011001000090011", SecretStoreMarker().toUtf8());
    ASSERT_TRUE(qz8test::WriteBytes(ini, v1));
    // Not in the store: the step fails, the marker stays where it was.
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(Bytes(ini), v1);
        EXPECT_TRUE(store.secrets.isEmpty());
    }
    ASSERT_TRUE(qz8test::WriteBytes(ini, v1));
    store.secrets.clear();
    store.Write(PasswordSecretService(), PasswordSecretKey(ini, "Edit2"), "kept in the store");
    CorpusWindowV2 w(ini);
    w.show();
    EXPECT_EQ(w.password->Text(), "kept in the store");
    QString secret;
    EXPECT_EQ(store.Read(PasswordSecretService(), PasswordSecretKey(ini, "ServerPassword"), secret), TSecretResult::Ok);
    EXPECT_EQ(secret, "kept in the store");
    EXPECT_EQ(store.Read(PasswordSecretService(), PasswordSecretKey(ini, "Edit2"), secret), TSecretResult::NotFound);
    EXPECT_EQ(TMyMemIniFile(ini).ReadString("ServerPassword", "text", ""), SecretStoreMarker());
}

TEST_F(MigratedPasswords, RenamedSectionsCarryTheirSecretsOrFailWhole)
{
    const QString name = dir.filePath("tool.ini");
    const QString text =
        QStringLiteral("[OldPw]\ntext=%1\n[OldOther]\nx=1\n[NewOther]\ny=2\n").arg(SecretStoreMarker());
    store.Write(PasswordSecretService(), PasswordSecretKey(name, "OldPw"), "secret");
    const auto newNames = [](const QString& s) { return s.startsWith("Old") ? "New" + s.mid(3) : QString(); };
    TMyMemIniFile ini(name);
    ini.SetText(text);
    const QString before = ini.ToText();
    const TFormStateMigrationResult clash = TFormStateMigrations().RenameSections("r", newNames).Apply(ini);
    EXPECT_EQ(clash.FailedStep, "r");
    EXPECT_EQ(ini.ToText(), before);
    EXPECT_TRUE(ini.SectionExists("OldPw"));
    EXPECT_EQ(store.secrets.size(), 1) << "the secret written for the failed run is taken back";
    ini.EraseSection("NewOther");
    ASSERT_TRUE(TFormStateMigrations().RenameSections("r", newNames).Apply(ini).Ok());
    EXPECT_EQ(ini.ReadSections().mid(0, 2), QStringList({"NewPw", "NewOther"}));
    QString secret;
    EXPECT_EQ(store.Read(PasswordSecretService(), PasswordSecretKey(name, "NewPw"), secret), TSecretResult::Ok);
    EXPECT_EQ(secret, "secret");
    EXPECT_EQ(store.Read(PasswordSecretService(), PasswordSecretKey(name, "OldPw"), secret), TSecretResult::NotFound);
}

TEST_F(MigratedPasswords, AFailedRunIsNotRecordedAndTheNextStartBringsEveryValue)
{
    const QString ini = dir.filePath("corpus-tool.ini");
    QByteArray v1 = Bytes(DataFile("corpus-tool-v1.ini"));
    v1.replace("003E00520011001000090011", SecretStoreMarker().toUtf8());
    ASSERT_TRUE(qz8test::WriteBytes(ini, v1));
    store.Write(PasswordSecretService(), PasswordSecretKey(ini, "Edit2"), "kept in the store");
    // The store is down at the first start of version 2: the password's
    // step fails. The user works and closes the window.
    store.reachable = false;
    {
        CorpusWindowV2 w(ini);
        w.show();
        w.caseBox->setChecked(false);
        w.close();
    }
    TMyMemIniFile after(ini);
    EXPECT_TRUE(after.ReadSection(FormStateMigrationsSection()).isEmpty());
    EXPECT_EQ(after.ReadString("Edit1", "text", ""), "/data/corpus");
    EXPECT_FALSE(after.SectionExists("CorpusFolder"));
    EXPECT_EQ(after.ReadInteger("CaseBox", "checked", 1), 0); // what the user changed is kept
    // The store is back: every value arrives under its new name.
    store.reachable = true;
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.corpus->Text(), "/data/corpus");
        EXPECT_EQ(w.window->value(), 20);
        EXPECT_EQ(w.password->Text(), "kept in the store");
        EXPECT_FALSE(w.caseBox->isChecked());
        w.close();
    }
    TMyMemIniFile migrated(ini);
    EXPECT_EQ(migrated.ReadSection(FormStateMigrationsSection()), kVersion2Steps);
    EXPECT_FALSE(migrated.SectionExists("Edit1"));
}

TEST(FormStateMigrations, AThrowingStepRunsAgainAtTheNextReadUntilItSucceeds)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Old]\ntext=user value\n"));
    bool fails = true;
    StepsForm form;
    auto* edit = new QLineEdit(&form);
    edit->setObjectName("New");
    form.steps.Step("1-rename", [&](TMyMemIniFile& file, QString&) {
        if (fails)
            throw std::runtime_error("not now");
        file.WriteString("New", "text", file.ReadString("Old", "text", ""));
        file.EraseSection("Old");
        return true;
    });
    // Each start fails and saves: the record stays empty, the value where
    // it was, and the control's default is not written under its new name.
    for (int start = 0; start < 2; ++start) {
        ReadIni(&form, ini);
        SaveIni(&form, ini);
        TMyMemIniFile file(ini);
        EXPECT_TRUE(file.ReadSection(FormStateMigrationsSection()).isEmpty()) << start;
        EXPECT_EQ(file.ReadString("Old", "text", ""), "user value") << start;
        EXPECT_FALSE(file.SectionExists("New")) << start;
    }
    fails = false;
    ReadIni(&form, ini);
    EXPECT_EQ(edit->text(), "user value");
    SaveIni(&form, ini);
    TMyMemIniFile file(ini);
    EXPECT_EQ(file.ReadSection(FormStateMigrationsSection()), QStringList{"1-rename"});
    EXPECT_EQ(file.ReadString("New", "text", ""), "user value");
    EXPECT_FALSE(file.SectionExists("Old"));
}

// Against a real Secret Service (tests/helpers/with-keyring.sh).
TEST(DesktopSecretStore, RealSecretServiceCarriesAPasswordThroughAMigration)
{
    if (qgetenv("QZ8_TEST_SECRET_SERVICE") != "1")
        GTEST_SKIP() << "runs under tests/helpers/with-keyring.sh";
    QTemporaryDir dir;
    const QString ini = dir.filePath("corpus-tool.ini");
    QByteArray v1 = Bytes(DataFile("corpus-tool-v1.ini"));
    v1.replace("003E00520011001000090011", SecretStoreMarker().toUtf8());
    ASSERT_TRUE(qz8test::WriteBytes(ini, v1));
    ASSERT_EQ(DesktopSecretStore().Write(PasswordSecretService(), PasswordSecretKey(ini, "Edit2"), "from version 1"),
              TSecretResult::Ok);
    {
        CorpusWindowV2 w(ini);
        w.show();
        EXPECT_EQ(w.password->Text(), "from version 1");
    }
    QString secret;
    EXPECT_EQ(DesktopSecretStore().Read(PasswordSecretService(), PasswordSecretKey(ini, "ServerPassword"), secret),
              TSecretResult::Ok);
    EXPECT_EQ(secret, "from version 1");
    EXPECT_EQ(DesktopSecretStore().Read(PasswordSecretService(), PasswordSecretKey(ini, "Edit2"), secret),
              TSecretResult::NotFound);
    DesktopSecretStore().Remove(PasswordSecretService(), PasswordSecretKey(ini, "ServerPassword"));
}

#include "test_form_state_migrations.moc"
