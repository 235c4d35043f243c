// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The gallery: a real tool window that shows every component of the library
// and switches between the styles.
#include "external/Tms_utils.h"
#include "form/baseTMSStyleable_F.h"

class QComboBox;
class QTabWidget;
class QLabel;

class GalleryWindow : public qz8::TTMSStyleableRepositoryForm {
    Q_OBJECT
public:
    // With a state file, the window restores its controls from it at its
    // first show and saves them to it when it is destroyed.
    explicit GalleryWindow(QWidget* parent = nullptr, const QString& stateFile = QString());
    // Makes style the process-wide style and restyles the window.
    void ApplyStyle(qz8::TTMSStyle style);
    QString TheIniName() override { return fStateFile; }
    void MudancaDeEstilo(QObject* Sender) override;
    // The density correction, then the icons of the current size again.
    void CorrigeFormScreenRes() override;
    // Writes one PNG of the window per style into dir; false on a failure.
    bool WriteScreenshots(const QString& dir);

private:
    QWidget* BuildPlatformPage();
    QWidget* BuildPersistedPage();
    QWidget* BuildStyledListPage();
    static QStringList StyledRows();
    // The library's and Qt's texts, and the numbers, in a language.
    void SetLanguage(const QLocale& locale);
    QWidget* BuildColourPage();
    QWidget* BuildIconPage();
    QWidget* BuildFilesPage();
    QWidget* BuildViewsPage();
    QWidget* BuildDrawingPage();
    // Menus, tool bar, status bar, pager and buttons take the icons of their
    // commands from the current master list.
    void AttachIcons();
    QComboBox* fStyleCombo = nullptr;
    QLabel* fDensityInfo = nullptr;
    QTabWidget* fTabs = nullptr;
    QString fStateFile;
};
