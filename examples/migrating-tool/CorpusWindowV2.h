// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Version 2 of the corpus tool's window: the controls have names that say
// what they hold, the password moved onto a page of its own, and the
// context window is a spin box. Three migration steps carry every user's
// version 1 file over, once, at the first start of version 2.
#include <QZ8StyledListboxPack/external/ElPack.h>
#include <QZ8StyledListboxPack/form/baseTMSStyleable_F.h>
#include <QZ8StyledListboxPack/store/FormStateMigrations.h>
#include <QZ8StyledListboxPack/store/MemIniFile.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QTabWidget>

class CorpusWindowV2 : public qz8::TTMSStyleableRepositoryForm, public qz8::IFormStateMigrations {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateMigrations)
public:
    explicit CorpusWindowV2(QString iniName) : fIniName(std::move(iniName))
    {
        setObjectName("CorpusWindow");
        auto* pages = new QTabWidget(this);
        auto* search = new QWidget;
        auto* searchForm = new QFormLayout(search);
        corpus->setObjectName("CorpusFolder");
        window->setObjectName("WindowSpin");
        window->setRange(1, 100);
        window->setValue(10);
        caseBox->setObjectName("CaseBox");
        searchForm->addRow(tr("Corpus folder"), corpus);
        searchForm->addRow(tr("Context window"), window);
        searchForm->addRow(caseBox);
        auto* server = new QWidget;
        auto* serverForm = new QFormLayout(server);
        password->setObjectName("ServerPassword");
        password->SetPasswordChar("*");
        serverForm->addRow(tr("Password"), password);
        pages->addTab(search, tr("Search"));
        pages->addTab(server, tr("Server"));
        setCentralWidget(pages);
    }
    QString TheIniName() override { return fIniName; }

    // The steps, oldest first. An id is never changed or reused once
    // released: the file records the ids it has had.
    qz8::TFormStateMigrations FormStateMigrations() const override
    {
        return qz8::TFormStateMigrations()
            .RenameSection("2.0-corpus-folder", "Edit1", "CorpusFolder")
            .MoveSection("2.0-password-onto-server-page", "Edit2", "ServerPassword")
            .ConvertValue("2.0-context-window-spin", "WindowCombo", "i", "WindowSpin", "value",
                          [](const QString& index, const qz8::TMyMemIniFile&) -> std::optional<QString> {
                              // Version 1's items, by index.
                              const QStringList sizes{"5", "10", "20", "50"};
                              bool ok = false;
                              const int i = index.toInt(&ok);
                              if (!ok || i < 0 || i >= sizes.size())
                                  return std::nullopt;
                              return sizes.at(i);
                          });
    }

    qz8::TElEdit* corpus = new qz8::TElEdit(this);
    qz8::TElEdit* password = new qz8::TElEdit(this);
    QSpinBox* window = new QSpinBox(this);
    QCheckBox* caseBox = new QCheckBox(tr("Match case"), this);

private:
    QString fIniName;
};
