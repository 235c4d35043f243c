// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The base window's life: create, show, activate, style change, broadcast,
// task-bar parameters and destruction, on real windows.
#include "controls/My_StyledTMSComponents.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "toolkit/Application.h"

#include "test_util.h"
#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {

class ToolWindow : public TTMSStyleableRepositoryForm {
public:
    QString ini;
    int corrections = 0;
    int styleChanges = 0;
    bool onTaskbar = false;
    QCheckBox* check = new QCheckBox(this);
    TStyledListbox* list = new TStyledListbox(this);
    explicit ToolWindow(const QString& iniName = {}) : ini(iniName)
    {
        setObjectName("ToolWindow1");
        check->setObjectName("Check1");
        list->setObjectName("List1");
        // A design that binds its own show handler; the base steps win.
        OnShow = [](QObject*) { ADD_FAILURE() << "the design's OnShow ran"; };
    }
    QString TheIniName() override { return ini; }
    void CorrigeFormScreenRes() override { ++corrections; }
    void MudancaDeEstilo(QObject* s) override
    {
        ++styleChanges;
        TTMSStyleableRepositoryForm::MudancaDeEstilo(s);
    }
    bool ShowOnTaskbar() override { return onTaskbar; }
};

} // namespace

TEST(BaseForm, ShowReadsTheFileOnceLogsEveryShowAndCorrects)
{
    // The base window as designed: created, not shown, no file of its own;
    // its first show needs none.
    {
        TTMSStyleableRepositoryForm form;
        EXPECT_EQ(form.objectName(), "TMSStyleableRepositoryForm");
        EXPECT_EQ(form.windowTitle(), "TMSStyleableRepositoryForm");
        EXPECT_TRUE(form.DoneCreateThings());
        EXPECT_FALSE(form.HasShown());
        EXPECT_FALSE(form.NeedsSizeAdjust());
        EXPECT_EQ(form.GetFormStyler(), nullptr);
        EXPECT_EQ(form.font(), DefaultFont());
        EXPECT_EQ(form.TheIniName(), "");
        form.show();
        EXPECT_TRUE(form.HasShown());
    }

    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    QFile f(ini);
    f.open(QIODevice::WriteOnly);
    f.write("[Check1]\nchecked=1\n");
    f.close();
    global_keeping_log = true;
    LogFileName = dir.filePath("log.txt");
    ToolWindow w(ini);
    w.show();
    EXPECT_TRUE(w.HasShown());
    EXPECT_TRUE(w.check->isChecked());
    EXPECT_EQ(w.corrections, 1);
    // A second show re-applies, logs and corrects but does not read again.
    w.check->setChecked(false);
    w.hide();
    w.show();
    EXPECT_FALSE(w.check->isChecked());
    EXPECT_EQ(w.corrections, 2);
    EXPECT_EQ(qz8test::ReadText(LogFileName), "FormShow ToolWindow1\nFormShow ToolWindow1\n");
}

TEST(BaseForm, DestructionSavesToTheNamedFileAndTheEmptyNameToNone)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("saved.ini");
    {
        ToolWindow w(ini);
        w.show();
        w.check->setChecked(true);
    }
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Check1]\nchecked=1\n"));
    // Saved also when never shown, at its end moment (here deleteLater).
    const QString never = dir.filePath("never.ini");
    (new ToolWindow(never))->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFile::exists(never));
    // Deleted directly, never shown nor finished: its name was never asked,
    // nothing is written (and the user's file, had there been one, stays).
    const QString unknown = dir.filePath("unknown.ini");
    {
        ToolWindow w(unknown);
        ProcessMessages();
    }
    EXPECT_FALSE(QFile::exists(unknown));
    // The base class's empty name reads and writes nothing.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        ToolWindow w;
        w.show();
    }
    QDir::setCurrent(cwd);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    // A file that cannot be written does not stop the window.
    QDir().mkpath(dir.filePath("blocked.ini"));
    {
        ToolWindow w(dir.filePath("blocked.ini"));
        w.show();
    }
}

TEST(BaseForm, WithoutStylerActivationAndBroadcastRecolour)
{
    ToolWindow w;
    w.show();
    Global_TMSStyle = tsGraphite;
    w.DoActivateStuff(&w);
    EXPECT_EQ(w.Color(), GetABaseTMSBackgroundColour(tsGraphite));
    TMessage m{WM_BROADCAST_BY_SHELL, kCommandNewStyle, -2, 77};
    w.WMBroadcastByShell(m);
    EXPECT_EQ(m.Result, 0);
    EXPECT_EQ(Global_TMSStyle, tsGraphite); // ordinal 2
    EXPECT_EQ(w.styleChanges, 1);
    TMessage other{WM_BROADCAST_BY_SHELL, 704, 4, 77};
    w.WMBroadcastByShell(other);
    EXPECT_EQ(other.Result, 0);
    EXPECT_EQ(Global_TMSStyle, tsGraphite);
    EXPECT_EQ(w.styleChanges, 1);
    // An ordinal past the styles is ignored, the result still 0.
    TMessage bad{WM_BROADCAST_BY_SHELL, kCommandNewStyle, 200, 77};
    w.WMBroadcastByShell(bad);
    EXPECT_EQ(bad.Result, 0);
    EXPECT_EQ(Global_TMSStyle, tsGraphite);
    TMessage high{WM_BROADCAST_BY_SHELL, kCommandNewStyle, 0x104, 77}; // low 8 bits: 4
    w.WMBroadcastByShell(high);
    EXPECT_EQ(Global_TMSStyle, tsRoseQuartz);
    EXPECT_EQ(w.Color(), GetABaseTMSBackgroundColour(tsRoseQuartz));
}

TEST(BaseForm, AFormStylerStylesTheControlsAndCollectsSizeRelevantOnes)
{
    ToolWindow w;
    auto* combo = new TAdvCustomComboBox(&w);
    combo->setObjectName("Combo1");
    auto* plain = new QPushButton(&w);
    plain->setObjectName("Button1");
    Global_TMSStyle = tsOceanBlue;
    w.AddAFormStyler(&w);
    ASSERT_NE(w.GetFormStyler(), nullptr);
    EXPECT_EQ(w.GetFormStyler()->parent(), &w);
    EXPECT_EQ(w.list->_BackgroundColour(), GetABaseTMSBackgroundColour(tsOceanBlue));
    EXPECT_EQ(plain->palette().color(QPalette::Window), ToQColor(GetABaseTMSBackgroundColour(tsOceanBlue)));
    QStringList names;
    for (const auto& c : w.ComponentsToResize)
        names << c->objectName();
    EXPECT_EQ(names, (QStringList{"List1", "Combo1"}));
    // A second call reuses the styler and lists nothing twice.
    TAdvFormStyler* first = w.GetFormStyler();
    w.AddAFormStyler(&w);
    EXPECT_EQ(w.GetFormStyler(), first);
    EXPECT_EQ(w.ComponentsToResize.size(), 2);
    // A style change through the styler reaches the window's step.
    Global_TMSStyle = tsHighContrast;
    const int before = w.styleChanges;
    w.GetFormStyler()->SetStyle(tsHighContrast);
    EXPECT_EQ(w.styleChanges, before + 1);
    EXPECT_EQ(w.list->_BackgroundColour(), GetABaseTMSBackgroundColour(tsHighContrast));
    // Showing applies the global style through the styler.
    Global_TMSStyle = tsOliveGrove;
    w.show();
    EXPECT_EQ(w.GetFormStyler()->Style(), tsOliveGrove);
    // A size-relevant component deleted later is skipped, never touched.
    delete combo;
    EXPECT_TRUE(w.ComponentsToResize[1].isNull());
}

TEST(BaseForm, CentreButtonsAndTaskbar)
{
    ToolWindow w;
    w.setGeometry(10, 20, 101, 51);
    EXPECT_EQ(w.GetCentreofMainForm(), (TPoint{60, 45}));
    auto* a = new QPushButton(&w);
    auto* b = new QPushButton(&w);
    TTMSStyleableRepositoryForm::EnableOrDisableButtons({a, b}, ed_disable);
    EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());
    TTMSStyleableRepositoryForm::EnableOrDisableButtons({}, ed_enable);
    TTMSStyleableRepositoryForm::EnableOrDisableButtons({a}, ed_enable);
    EXPECT_TRUE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());

    ToolWindow plain;
    plain.show();
    EXPECT_EQ(plain.CreatedExStyle(), 0u);
    QWidget owner;
    ToolWindow own;
    own.onTaskbar = true;
    own.setParent(&owner, Qt::Tool);
    own.show();
    EXPECT_EQ(own.CreatedExStyle(), WS_EX_APPWINDOW);
    EXPECT_EQ(own.windowType(), Qt::Window);
}

TEST(Broadcast, TravelsBetweenTwoProcessesOverAPrivateSessionBus)
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(daemon.waitForStarted(5000));
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    ASSERT_TRUE(address.startsWith("unix:")) << address.toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", address);
    // The receiver's window on the platform this test runs on (Wayland too).
    env.insert("QT_QPA_PLATFORM", QGuiApplication::platformName());

    QProcess receiver;
    receiver.setProcessEnvironment(env);
    receiver.start(QZ8_BROADCAST_RECEIVER, {});
    ASSERT_TRUE(receiver.waitForReadyRead(10000));
    EXPECT_EQ(QString::fromUtf8(receiver.readLine()).trimmed(), "ready on " + QGuiApplication::platformName());

    QProcess sender;
    sender.setProcessEnvironment(env);
    sender.start(QZ8_BROADCAST_TOOL, {"--style", "4"});
    ASSERT_TRUE(sender.waitForFinished(10000));
    EXPECT_EQ(sender.exitCode(), 0) << sender.readAllStandardError().toStdString();
    ASSERT_TRUE(receiver.waitForFinished(10000));
    EXPECT_EQ(QString::fromUtf8(receiver.readAllStandardOutput()).trimmed(), "style 4");
    EXPECT_EQ(receiver.exitCode(), 0);

    // A style that does not exist is refused by the tool.
    QProcess bad;
    bad.setProcessEnvironment(env);
    bad.start(QZ8_BROADCAST_TOOL, {"--style", "99"});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    daemon.kill();
    daemon.waitForFinished(5000);
}

namespace {
// A tool window that extends the create step, binds OnCreate and builds a
// styler in its constructor.
class OverridingWindow : public TTMSStyleableRepositoryForm {
public:
    QStringList& log;
    int creates = 0;
    explicit OverridingWindow(QStringList& l) : log(l)
    {
        // The base create step has run: its state is there already.
        log << QStringLiteral("ctor has_shown=%1 resize=%2 onshow=%3")
                   .arg(HasShown())
                   .arg(ComponentsToResize.size())
                   .arg(static_cast<bool>(OnShow));
        (new TStyledListbox(this))->setObjectName("Words");
        AddAFormStyler(this);
        OnCreate = [this](QObject*) { log << "OnCreate"; };
    }
    void DoCreateStuff(QObject* sender) override
    {
        ++creates;
        TTMSStyleableRepositoryForm::DoCreateStuff(sender);
        log << "DoCreateStuff";
    }
    void DoShowStuff(QObject* sender) override
    {
        log << "show";
        TTMSStyleableRepositoryForm::DoShowStuff(sender);
    }
};
} // namespace

TEST(BaseForm, ADerivedCreateStepRunsOnceAfterItsConstructorBeforeOnCreateAndTheFirstShow)
{
    for (const bool finishedFirst : {false, true}) {
        SCOPED_TRACE(finishedFirst ? "made by MakeWindow" : "shown at once");
        QStringList log;
        std::unique_ptr<OverridingWindow> w(finishedFirst ? MakeWindow<OverridingWindow>(log)
                                                          : new OverridingWindow(log));
        // Events alone never end construction: a constructor may run them.
        QCoreApplication::processEvents();
        EXPECT_EQ(w->creates, finishedFirst ? 1 : 0);
        w->show();
        QCoreApplication::processEvents();
        w->hide();
        w->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(w->creates, 1);
        ASSERT_GE(log.size(), 4);
        EXPECT_EQ(log.mid(0, 4),
                  (QStringList{"ctor has_shown=0 resize=0 onshow=1", "DoCreateStuff", "OnCreate", "show"}));
        // The inherited step at the end of construction undid nothing the
        // constructor did.
        EXPECT_NE(w->GetFormStyler(), nullptr);
        EXPECT_EQ(w->ComponentsToResize.size(), 1);
        EXPECT_TRUE(w->HasShown());
    }
}
