// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A form state file read into a tool window that holds one control of each
// persisted kind, every switch on, then saved; and the round trip: the saved
// file read into a fresh window and saved again is byte-identical. Passwords
// go to a secret store in memory, so markers are read and written too; the
// window's placements are read and written as well, and the plain Qt
// widgets' rows (the seeds hold damaged splitter and header states).
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "fuzz_common.h"
#include "helpers/memory_secret_store.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

namespace {

template <class W>
W* Named(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

std::unique_ptr<qz8::TTMSStyleableRepositoryForm> MakeWindow()
{
    auto form = std::make_unique<qz8::TTMSStyleableRepositoryForm>();
    QWidget* f = form.get();
    Named<qz8::TListBox>(f, "ListBox1")->Items().AddStrings({"a", "b"});
    Named<qz8::TCheckListBox>(f, "CheckListBox1")->Items().AddStrings({"a", "b"});
    Named<QListWidget>(f, "QtList");
    Named<qz8::TElCheckGroup>(f, "CheckGroup")->SetItems({"x", "y"});
    Named<qz8::TElDateTimePicker>(f, "Date");
    Named<qz8::TElCheckBox>(f, "ElCheck");
    Named<qz8::TAdvOfficeCheckBox>(f, "OfficeCheck");
    Named<QCheckBox>(f, "Check");
    Named<qz8::TElSpinEdit>(f, "ElSpin");
    Named<qz8::TAdvSpinEdit>(f, "AdvSpin")->SetSpinType(qz8::TAdvSpinEdit::sptFloat);
    Named<qz8::TElRadioButton>(Named<qz8::TPanel>(f, "P1"), "ElRadio");
    Named<qz8::TAdvOfficeRadioButton>(Named<qz8::TPanel>(f, "P2"), "OfficeRadio");
    Named<QRadioButton>(Named<qz8::TPanel>(f, "P3"), "Radio");
    Named<qz8::TElRadioGroup>(f, "ElGroup")->SetItems({"x", "y"});
    Named<qz8::TAdvOfficeRadioGroup>(f, "OfficeGroup")->SetItems({"x", "y"});
    Named<qz8::TRadioGroup>(f, "Group")->SetItems({"x", "y"});
    Named<qz8::TElComboBox>(f, "ElCombo");
    auto* filter = Named<qz8::TmyAdvFilterCombo>(f, "Filter");
    filter->SetFilter(QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"));
    filter->BuildList();
    Named<qz8::TAdvCustomCombo>(f, "AdvCombo");
    Named<qz8::TAdvCustomComboBox>(f, "AdvComboBox");
    Named<qz8::TElEdit>(f, "ElEdit");
    Named<qz8::TElEdit>(f, "Password")->SetPasswordChar(QStringLiteral("*"));
    Named<qz8::TElFloatSpinEdit>(f, "ElFloat");
    Named<qz8::TElMemo>(f, "ElMemo");
    Named<qz8::TElFileNameEdit>(f, "FileEdit");
    Named<qz8::TElFileNameEdit>(f, "MultiFile")->SetOptions(qz8::OpenOptionBit(qz8::ofAllowMultiSelect));
    Named<qz8::TElFolderNameEdit>(f, "FolderEdit");
    Named<QLineEdit>(f, "Line");
    Named<QPlainTextEdit>(f, "Memo");
    // Plain Qt widgets, rows of their own.
    Named<QSpinBox>(f, "QtSpin");
    Named<QDoubleSpinBox>(f, "QtDSpin");
    Named<QComboBox>(f, "QtFixed")->addItems({"a", "b", "c"});
    auto* editable = Named<QComboBox>(f, "QtEditable");
    editable->setEditable(true);
    Named<QSlider>(f, "QtSlider");
    Named<QDateTimeEdit>(f, "QtStamp");
    Named<QDateEdit>(f, "QtDate");
    Named<QKeySequenceEdit>(f, "QtKeys");
    auto* tabs = Named<QTabWidget>(f, "QtTabs");
    tabs->addTab(new QWidget, QStringLiteral("one"));
    tabs->addTab(new QWidget, QStringLiteral("two"));
    auto* splitter = Named<QSplitter>(f, "QtSplitter");
    splitter->addWidget(new QWidget);
    splitter->addWidget(new QWidget);
    Named<QTreeWidget>(f, "QtTree")->setColumnCount(3);
    Named<QGroupBox>(f, "QtGroup")->setCheckable(true);
    return form;
}

QByteArray Saved(qz8::TTMSStyleableRepositoryForm& form, const QString& name)
{
    qz8::SaveIni(&form, name);
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    qz8::MEMINI_include_Listboxes = true;
    qz8::MEMINI_include_Memos = true;
    qz8::MEMINI_check_filenames = true;
    qz8::MEMINI_include_checklistbox_checkeds = true;
    static qz8test::MemorySecretStore store;
    qz8::SetSecretStore(&store);
    const QString input = dir.filePath(QStringLiteral("input.ini"));
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const auto first = MakeWindow();
    try {
        qz8::ReadIni(first.get(), input);
    } catch (const qz8::Exception&) {
        return 0; // refused whole, nothing touched
    }
    const QByteArray once = Saved(*first, dir.filePath(QStringLiteral("once.ini")));
    const auto fresh = MakeWindow();
    qz8::ReadIni(fresh.get(), dir.filePath(QStringLiteral("once.ini")));
    const QByteArray twice = Saved(*fresh, dir.filePath(QStringLiteral("twice.ini")));
    if (once != twice) {
        std::fprintf(stderr, "a saved form state did not survive a read and a save:\n%s\n---\n%s\n", once.constData(),
                     twice.constData());
        std::abort();
    }
    return 0;
}
