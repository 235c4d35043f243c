// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The user's state on disk as it changes, shared by every writer of the
// file: a session killed mid-way keeps what was set two seconds before,
// concurrent writers lose nothing, a window read through its parent's show
// saves once at its end, a window that never read its file writes over none
// of its values, and a failed save is not called saved.
#include "form/baseTMSStyleable_F.h"
#include "settings/ReadAndSaveIni.h"
#include "store/FormStateStore.h"
#include "store/MemIniFile.h"

#include "test_util.h"
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <csignal>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

class Tool : public TTMSStyleableRepositoryForm {
public:
    explicit Tool(QString ini, QWidget* parent = nullptr) : TTMSStyleableRepositoryForm(parent), fIni(std::move(ini))
    {
        setObjectName("Tool");
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        for (QWidget* w : std::initializer_list<QWidget*>{check, spin, edit})
            layout->addWidget(w);
        check->setObjectName("Check");
        spin->setObjectName("Spin");
        spin->setRange(0, 1000);
        edit->setObjectName("Edit");
        setCentralWidget(page);
    }
    QString TheIniName() override { return fIni; }
    void DoCreateStuff(QObject* sender) override
    {
        TTMSStyleableRepositoryForm::DoCreateStuff(sender);
        ++creates;
    }
    void ReadFormSections(const TMyMemIniFile& ini) override
    {
        TTMSStyleableRepositoryForm::ReadFormSections(ini);
        readsAfterCreate += creates == 1;
        ++reads;
    }
    void SaveFormSections(TMyMemIniFile& ini) override
    {
        TTMSStyleableRepositoryForm::SaveFormSections(ini);
        if (savesOut)
            ++*savesOut;
    }
    QCheckBox* check = new QCheckBox(this);
    QSpinBox* spin = new QSpinBox(this);
    QLineEdit* edit = new QLineEdit(this);
    int creates = 0;
    int reads = 0;
    int readsAfterCreate = 0;
    int* savesOut = nullptr; // counts the saves of the window's own sections

private:
    QString fIni;
};

} // namespace

TEST(FormStateStore, AWriterPutsOnlyItsChangesOverTheFileAsItIsNow)
{
    TMyMemIniFile base{QString()}, mine{QString()}, now{QString()};
    base.SetText("[List]\n_count=2\n_line0=a\n_line1=b\n[Spin]\nvalue=1\n[Edit]\ntext=x\n[Gone]\nk=1\n");
    // This writer: the spin changed, the list shrank (a key gone), the edit
    // untouched, a new section; it no longer writes [Gone].
    mine.SetText("[List]\n_count=1\n_line0=a\n[Spin]\nvalue=5\n[Edit]\ntext=x\n[New]\nk=2\n");
    // Meanwhile another writer changed the edit, added a key to the spin's
    // section and a section of its own.
    now.SetText("[Other]\nset=by another\n[List]\n_count=2\n_line0=a\n_line1=b\n[Spin]\nvalue=1\nextra=7\n"
                "[Edit]\ntext=theirs\n[Gone]\nk=1\n");
    TMyMemIniFile kept = now;
    EXPECT_TRUE(PutFormStateChanges(base, mine, kept, false));
    EXPECT_EQ(kept.ToText(), "[Other]\nset=by another\n\n[List]\n_count=1\n_line0=a\n\n[Spin]\nvalue=5\nextra=7\n\n"
                             "[Edit]\ntext=theirs\n\n[Gone]\nk=1\n\n[New]\nk=2\n");
    // A writer of the whole file also drops what it read and no longer writes.
    TMyMemIniFile whole = now;
    EXPECT_TRUE(PutFormStateChanges(base, mine, whole, true));
    EXPECT_FALSE(whole.SectionExists("Gone"));
    EXPECT_EQ(whole.ReadString("Other", "set", ""), "by another");
    // Nothing changed: nothing to write.
    TMyMemIniFile same = now;
    EXPECT_FALSE(PutFormStateChanges(base, base, same, false));
    EXPECT_EQ(same.ToText(), now.ToText());
}

TEST(FormStateStore, AnEditOverWhatAWriterReadParsesAgainOnlyWhatChanged)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("tool.ini");
    qz8test::WriteBytes(name, "[Edit]\ntext=first\n");
    TMyMemIniFile ini(name);
    ASSERT_EQ(ini.ReadString("Edit", "text", ""), "first");
    // Unchanged on disk: not parsed again, and what it holds stays.
    EXPECT_FALSE(ini.Reload());
    // Another writer saved meanwhile: the edit goes over its file, and the
    // object holds the edited content afterwards.
    qz8test::WriteBytes(name, "[Edit]\ntext=theirs\n[Other]\nk=1\n");
    EXPECT_TRUE(EditFormStateFile(ini, [](TMyMemIniFile& now) {
        EXPECT_EQ(now.ReadString("Edit", "text", ""), "theirs");
        now.WriteString("Spin", "value", "5");
        return true;
    }));
    EXPECT_EQ(ini.ReadString("Other", "k", ""), "1");
    TMyMemIniFile saved(name);
    EXPECT_EQ(saved.ReadString("Spin", "value", ""), "5");
    EXPECT_EQ(saved.ReadString("Edit", "text", ""), "theirs");
    // A refused edit writes nothing; a file gone reads as empty.
    const QString before = qz8test::ReadText(name);
    EXPECT_FALSE(EditFormStateFile(ini, [](TMyMemIniFile& now) {
        now.WriteString("Spin", "value", "6");
        return false;
    }));
    EXPECT_EQ(qz8test::ReadText(name), before);
    ASSERT_TRUE(QFile::remove(name));
    EXPECT_TRUE(ini.Reload());
    EXPECT_TRUE(ini.ReadSections().isEmpty());
}

TEST(FormStateStore, FourProcessesOfFiftySetsLoseNothing)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < 4; ++w) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(qz8test::ToolEnvironment());
        QString script =
            QStringLiteral("for i in $(seq 50); do \"$0\" set \"$1\" W%1 k$i v$i > /dev/null || exit 1; done").arg(w);
        p->start("/bin/sh", {"-c", script, QZ8_FORMSTATE_TOOL, ini});
        writers.push_back(std::move(p));
    }
    for (auto& p : writers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    TMyMemIniFile file(ini);
    int found = 0;
    for (int w = 0; w < 4; ++w) {
        for (int i = 1; i <= 50; ++i)
            found += file.ReadString(QStringLiteral("W%1").arg(w), QStringLiteral("k%1").arg(i), "") ==
                     QStringLiteral("v%1").arg(i);
    }
    EXPECT_EQ(found, 200);
    EXPECT_FALSE(QFile::exists(ini + ".lock"));
}

TEST(FormStateStore, AWindowOpenDuringASetKeepsTheSetValue)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Spin]\nvalue=3\n[Edit]\ntext=before\n"));
    Tool w(ini);
    w.show();
    EXPECT_EQ(w.spin->value(), 3);
    // Support staff set a key the user does not touch, and one of a
    // section the window does not know.
    QProcess p;
    p.setProcessEnvironment(qz8test::ToolEnvironment());
    p.start(QZ8_FORMSTATE_TOOL, {"set", ini, "Edit", "text", "set by support"});
    ASSERT_TRUE(p.waitForFinished(15000));
    ASSERT_EQ(p.exitCode(), 0);
    p.start(QZ8_FORMSTATE_TOOL, {"set", ini, "Support", "note", "call back"});
    ASSERT_TRUE(p.waitForFinished(15000));
    w.spin->setValue(40);
    w.close();
    TMyMemIniFile file(ini);
    EXPECT_EQ(file.ReadInteger("Spin", "value", 0), 40);
    EXPECT_EQ(file.ReadString("Edit", "text", ""), "set by support");
    EXPECT_EQ(file.ReadString("Support", "note", ""), "call back");
}

// The child of the next test: a session that changes three controls, lets
// their write happen (within two seconds), and dies without any end moment.
TEST(DurableFormStateChild, ChangesThreeControlsAndIsKilled)
{
    const QString ini = qEnvironmentVariable("QZ8_TEST_KILLED_SESSION");
    if (ini.isEmpty())
        GTEST_SKIP() << "run by DurableFormState.ASessionKilledKeepsWhatWasSetTwoSecondsBefore";
    Tool w(ini);
    w.show();
    w.check->setChecked(true);
    w.spin->setValue(77);
    w.edit->setText("typed before the crash");
    // Killed once the changes are on disk (an autosave that never comes
    // leaves the file as it was: the parent sees the old values).
    (void)QTest::qWaitFor([&] { return qz8test::ReadText(ini).contains("typed before the crash"); }, 20000);
    std::raise(SIGKILL);
}

TEST(DurableFormState, ASessionKilledKeepsWhatWasSetTwoSecondsBefore)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Spin]\nvalue=3\n"));
    QProcess child;
    QProcessEnvironment env = qz8test::ToolEnvironment();
    env.insert("QZ8_TEST_KILLED_SESSION", ini);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=DurableFormStateChild.*"});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    TMyMemIniFile file(ini);
    EXPECT_TRUE(file.ReadBool("Check", "checked", false));
    EXPECT_EQ(file.ReadInteger("Spin", "value", 0), 77);
    EXPECT_EQ(file.ReadString("Edit", "text", ""), "typed before the crash");
}

TEST(DurableFormState, AnIdleWindowWritesNothingAndAChangeHeldDownIsWrittenEveryDelay)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Spin]\nvalue=3\n"));
    Tool w(ini);
    w.show();
    // A compositor that sizes windows itself (a kiosk or tiling shell) gives
    // the window a placement of its own after the show, which is written;
    // after that the window is idle and writes nothing.
    QTest::qWait(2500);
    const QDateTime written = QFileInfo(ini).lastModified();
    const QString settled = qz8test::ReadText(ini);
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        EXPECT_EQ(settled, "[Spin]\nvalue=3\n"); // nothing written since the show
    }
    QTest::qWait(2500);
    EXPECT_EQ(QFileInfo(ini).lastModified(), written);
    EXPECT_EQ(qz8test::ReadText(ini), settled);
    EXPECT_EQ(TMyMemIniFile(ini).ReadInteger("Spin", "value", 0), 3);
    // A spin box's arrow held down for five seconds: written as it goes, at
    // most three times, and the last value within two seconds of the end.
    int writes = 0;
    QDateTime last = written;
    QElapsedTimer held;
    held.start();
    while (held.elapsed() < 5000) {
        w.spin->stepUp();
        QTest::qWait(50);
        const QDateTime now = QFileInfo(ini).lastModified();
        if (now != last) {
            ++writes;
            last = now;
        }
    }
    const int value = w.spin->value();
    QTest::qWait(2000);
    writes += QFileInfo(ini).lastModified() != last;
    EXPECT_LE(writes, 3);
    EXPECT_GE(writes, 2);
    EXPECT_EQ(TMyMemIniFile(ini).ReadInteger("Spin", "value", 0), value);
}

TEST(DurableFormState, AWindowInADialogReadsItsFileAndSavesOnceWhenTheDialogEnds)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Check]\nchecked=1\n[Spin]\nvalue=12\n[Edit]\ntext=the user's\n"));
    auto* dialog = new QDialog;
    auto* layout = new QVBoxLayout(dialog);
    // Made as a window of its own, then placed in the dialog's layout.
    auto* w = new Tool(ini);
    int saves = 0;
    w->savesOut = &saves;
    layout->addWidget(w);
    QTimer::singleShot(0, dialog, [&] {
        // Made whole, then read, when the dialog showed it: the user's
        // values, not the design's.
        EXPECT_EQ(w->creates, 1);
        EXPECT_EQ(w->readsAfterCreate, 1);
        EXPECT_TRUE(w->check->isChecked());
        EXPECT_EQ(w->spin->value(), 12);
        EXPECT_EQ(w->edit->text(), "the user's");
        w->spin->setValue(13);
        dialog->accept();
    });
    dialog->exec();
    delete dialog; // and the window in it
    EXPECT_EQ(saves, 1);
    TMyMemIniFile file(ini);
    EXPECT_EQ(file.ReadInteger("Spin", "value", 0), 13);
    EXPECT_EQ(file.ReadString("Edit", "text", ""), "the user's");
    EXPECT_TRUE(file.ReadBool("Check", "checked", false));
}

TEST(DurableFormState, AWindowNeverShownWritesOverNoneOfTheFilesValues)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Check]\nchecked=1\n[Spin]\nvalue=12\n"));
    {
        Tool w(ini);
        w.FinishConstruction();
        w.close();
    }
    {
        auto* w = MakeWindow<Tool>(ini);
        delete w;
    }
    TMyMemIniFile file(ini);
    EXPECT_TRUE(file.ReadBool("Check", "checked", false));
    EXPECT_EQ(file.ReadInteger("Spin", "value", 0), 12);
    // What the file lacked (a control added in this release) is added.
    EXPECT_EQ(file.ReadString("Edit", "text", "missing"), "");
}

TEST(DurableFormState, AFailedSaveIsNotCalledSavedAndTheNextEndMomentSaves)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Spin]\nvalue=3\n"));
    Tool w(ini);
    w.show();
    w.spin->setValue(9);
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner));
    EXPECT_FALSE(w.SaveFormState());
    EXPECT_FALSE(w.FormStateSaved());
    EXPECT_EQ(qz8test::ReadText(ini), "[Spin]\nvalue=3\n");
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner));
    w.close();
    EXPECT_TRUE(w.FormStateSaved());
    EXPECT_EQ(TMyMemIniFile(ini).ReadInteger("Spin", "value", 0), 9);
}
