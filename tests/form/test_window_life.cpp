// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool window's whole life in C++: the most-derived create step runs once,
// after the last constructor and before the first show, whatever the
// constructors do; the form state file is written once, with the
// most-derived file name and the derived window's own sections, at every
// way a window can end.
#include "form/baseTMSStyleable_F.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"

#include "test_util.h"
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace qz8;

namespace {

enum class CtorEvents { None, ProcessEvents, ProcessMessages, ModalDialog };
enum class End { Close, DeleteLater, DeleteOnClose, ParentDeleted, ApplicationQuit, SaveThenDelete };

const char* Name(CtorEvents e)
{
    switch (e) {
    case CtorEvents::None: return "no events";
    case CtorEvents::ProcessEvents: return "processEvents";
    case CtorEvents::ProcessMessages: return "ProcessMessages";
    case CtorEvents::ModalDialog: return "modal dialog";
    }
    return "";
}

const char* Name(End e)
{
    switch (e) {
    case End::Close: return "close()";
    case End::DeleteLater: return "deleteLater";
    case End::DeleteOnClose: return "WA_DeleteOnClose";
    case End::ParentDeleted: return "parent deleted";
    case End::ApplicationQuit: return "application quit";
    case End::SaveThenDelete: return "SaveFormState, then delete";
    }
    return "";
}

struct Record {
    QStringList steps;
    int ownSaves = 0;
};

// An intermediate window class whose constructor runs events, as a splash
// screen, a message box or a dialog would. Its own file name is not the
// tool's: a name asked on the half-built window would save there.
class Intermediate : public TTMSStyleableRepositoryForm {
public:
    Intermediate(QWidget* parent, CtorEvents events, Record& r, QString wrongName)
        : TTMSStyleableRepositoryForm(parent), rec(r), wrong(std::move(wrongName))
    {
        switch (events) {
        case CtorEvents::None: break;
        case CtorEvents::ProcessEvents: QCoreApplication::processEvents(); break;
        case CtorEvents::ProcessMessages: ProcessMessages(); break;
        case CtorEvents::ModalDialog: {
            QDialog dialog;
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            dialog.exec();
            break;
        }
        }
    }
    void DoCreateStuff(QObject* sender) override
    {
        rec.steps << "intermediate create";
        TTMSStyleableRepositoryForm::DoCreateStuff(sender);
    }
    QString TheIniName() override { return wrong; }
    Record& rec;
    QString wrong;
};

class Leaf : public Intermediate {
public:
    Leaf(QWidget* parent, CtorEvents events, Record& r, const QString& dir)
        : Intermediate(parent, events, r, dir + "/wrong.ini"), file(dir + "/tool.ini")
    {
        setObjectName("Leaf");
        check->setObjectName("Check1");
        OnCreate = [this](QObject*) { rec.steps << "OnCreate"; };
    }
    void DoCreateStuff(QObject* sender) override
    {
        Intermediate::DoCreateStuff(sender);
        rec.steps << "leaf create";
    }
    void DoShowStuff(QObject* sender) override
    {
        rec.steps << "show";
        Intermediate::DoShowStuff(sender);
    }
    QString TheIniName() override { return file; }
    void SaveFormSections(TMyMemIniFile& ini) override
    {
        ++rec.ownSaves;
        ini.WriteString("Leaf own", "words", own);
        Intermediate::SaveFormSections(ini);
    }
    QString file;
    QString own = "kept";
    QCheckBox* check = new QCheckBox(this);
};

} // namespace

TEST(WindowLife, CreatedOnceAndSavedOnceWithTheDerivedNameAndSectionsAtEveryEnd)
{
    for (const bool shown : {true, false}) {
        for (const End end : {End::Close, End::DeleteLater, End::DeleteOnClose, End::ParentDeleted,
                              End::ApplicationQuit, End::SaveThenDelete}) {
            for (const CtorEvents events :
                 {CtorEvents::None, CtorEvents::ProcessEvents, CtorEvents::ProcessMessages, CtorEvents::ModalDialog}) {
                SCOPED_TRACE(QStringLiteral("%1, %2, %3")
                                 .arg(shown ? "shown" : "never shown", Name(end), Name(events))
                                 .toStdString());
                QTemporaryDir dir;
                Record rec;
                auto* parent = end == End::ParentDeleted ? new QWidget : nullptr;
                QPointer<Leaf> w = new Leaf(parent, events, rec, dir.path());
                // Events after construction end nothing: only a show, a
                // save or an end does.
                QCoreApplication::processEvents();
                if (shown) {
                    w->show();
                    QCoreApplication::processEvents();
                }
                w->check->setChecked(true);
                w->own = "set by the user";
                switch (end) {
                case End::Close: w->close(); break;
                case End::DeleteLater:
                    w->deleteLater();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    break;
                case End::DeleteOnClose:
                    w->setAttribute(Qt::WA_DeleteOnClose);
                    w->close();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    break;
                case End::ParentDeleted: delete parent; break;
                case End::ApplicationQuit:
                    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                    QApplication::exec();
                    break;
                case End::SaveThenDelete: EXPECT_TRUE(w->SaveFormState()); break;
                }
                // What happens after the end moment is not saved again.
                if (w) {
                    w->check->setChecked(false);
                    delete w.data();
                }
                EXPECT_TRUE(w.isNull());
                EXPECT_EQ(rec.steps.count("leaf create"), 1);
                ASSERT_GE(rec.steps.size(), 3);
                QStringList expected{"intermediate create", "leaf create", "OnCreate"};
                if (shown)
                    expected << "show";
                EXPECT_EQ(rec.steps.mid(0, expected.size()), expected);
                EXPECT_EQ(rec.ownSaves, 1);
                EXPECT_FALSE(QFile::exists(dir.filePath("wrong.ini")));
                const QString text = qz8test::ReadText(dir.filePath("tool.ini"));
                EXPECT_TRUE(text.contains("[Leaf own]\nwords=set by the user\n")) << text.toStdString();
                EXPECT_TRUE(text.contains("[Check1]\nchecked=1\n")) << text.toStdString();
            }
        }
    }
}

TEST(WindowLife, ADirectDeleteKeepsTheOwnSectionsItCannotWriteAndAClosedWindowShownAgainSavesAgain)
{
    QTemporaryDir dir;
    Record rec;
    const QString ini = dir.filePath("tool.ini");
    {
        // Closed, shown again and closed again: two saves, the last wins.
        std::unique_ptr<Leaf> w(MakeWindow<Leaf>(nullptr, CtorEvents::None, rec, dir.path()));
        w->show();
        w->own = "first";
        w->close();
        w->show();
        w->own = "second";
        w->close();
        EXPECT_EQ(rec.ownSaves, 2);
    }
    EXPECT_EQ(rec.ownSaves, 2);
    EXPECT_TRUE(qz8test::ReadText(ini).contains("words=second\n"));
    {
        // Deleted directly: the base writes the controls and keeps the
        // derived window's section from the file.
        std::unique_ptr<Leaf> w(MakeWindow<Leaf>(nullptr, CtorEvents::None, rec, dir.path()));
        w->show();
        w->check->setChecked(true);
        w->own = "lost: no moment reaches the derived window";
    }
    EXPECT_EQ(rec.ownSaves, 2);
    const QString text = qz8test::ReadText(ini);
    EXPECT_TRUE(text.contains("[Check1]\nchecked=1\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Leaf own]\nwords=second\n")) << text.toStdString();
}
