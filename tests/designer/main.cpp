// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A form made with every designable property of the library's Designer
// components, built two ways against the installed package: by uic's code
// (DesignerForm.ui, compiled without stdset), and by QUiLoader with the
// installed Designer plugin. Every value reads back after the form is shown.
#include "form_check.h"
#include "ui_DesignerForm.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QUiLoader>
#include <cstdio>

namespace {
bool Check(const char* how, QWidget* form, const QString& uiFile)
{
    form->show();
    QApplication::processEvents();
    int checked = 0;
    const QStringList wrong = MismatchedProperties(form, uiFile, &checked);
    for (const QString& w : wrong)
        std::printf("%s: %s\n", how, qPrintable(w));
    std::printf("%s: %d properties read back, %d wrong\n", how, checked, int(wrong.size()));
    return wrong.isEmpty() && checked > 80;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: designer-form <DesignerForm.ui> <designer plugin folder>\n");
        return 2;
    }
    const QString uiFile = QString::fromLocal8Bit(argv[1]);

    QWidget byUic;
    Ui::DesignerForm ui;
    ui.setupUi(&byUic);
    const bool uicOk = Check("uic", &byUic, uiFile);

    QUiLoader loader;
    loader.addPluginPath(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    QFile file(uiFile);
    file.open(QIODevice::ReadOnly);
    QWidget* loaded = loader.load(&file);
    if (!loaded) {
        std::printf("QUiLoader: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    const bool loaderOk = Check("QUiLoader", loaded, uiFile);
    delete loaded;
    return uicOk && loaderOk ? 0 : 1;
}
