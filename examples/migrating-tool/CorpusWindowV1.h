// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Version 1 of a corpus tool's window: controls named as Designer named them.
#include <QZ8StyledListboxPack/external/ElPack.h>
#include <QZ8StyledListboxPack/form/baseTMSStyleable_F.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

class CorpusWindowV1 : public qz8::TTMSStyleableRepositoryForm {
public:
    explicit CorpusWindowV1(QString iniName) : fIniName(std::move(iniName))
    {
        setObjectName("CorpusWindow");
        auto* page = new QWidget(this);
        auto* form = new QFormLayout(page);
        corpus->setObjectName("Edit1");
        password->setObjectName("Edit2");
        password->SetPasswordChar("*"); // kept in the desktop's secret store
        window->setObjectName("WindowCombo");
        window->addItems({"5", "10", "20", "50"}); // words either side of a match
        caseBox->setObjectName("CaseBox");
        form->addRow(tr("Corpus folder"), corpus);
        form->addRow(tr("Server password"), password);
        form->addRow(tr("Context window"), window);
        form->addRow(caseBox);
        setCentralWidget(page);
    }
    QString TheIniName() override { return fIniName; }

    qz8::TElEdit* corpus = new qz8::TElEdit(this);
    qz8::TElEdit* password = new qz8::TElEdit(this);
    QComboBox* window = new QComboBox(this);
    QCheckBox* caseBox = new QCheckBox(tr("Match case"), this);

private:
    QString fIniName;
};
