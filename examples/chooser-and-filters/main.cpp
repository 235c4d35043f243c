// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The folder and file chooser, and the file-dialog filters of the suite's
// tools: an edit with a browse button that completes paths as one types and
// marks a path that does not exist, and the filter of a tool shown as the
// name filters a Qt file dialog gets.
#include <QZ8StyledListboxPack/controls/FileFolderOpenDlgU.h>
#include <QZ8StyledListboxPack/dialogs/dialog_stuff.h>

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* form = new QFormLayout(&window);

    auto* corpus = new qz8::TMyOpenFolderDialog(&window); // folders only
    corpus->SetText(QDir::homePath());
    form->addRow(QObject::tr("Corpus folder:"), corpus);

    auto* stopList = new qz8::TMyOpenFileDialog(&window);
    stopList->SetOnlyFolderAllowed(false); // files
    form->addRow(QObject::tr("Stop list:"), stopList);
    QObject::connect(stopList, &qz8::TMyOpenFolderDialog::folderChosen,
                     [](const QString& path) { std::printf("chosen %s\n", qPrintable(path)); });

    // The word lister's filter, as "description|masks|" entries, and the
    // name filters a file dialog shows for it.
    const QString filter = qz8::SuitableFilterForTool(qz8::tt_WordLister);
    for (const QString& nameFilter : qz8::FileDialogNameFilters(filter))
        std::printf("%s\n", qPrintable(nameFilter));

    window.show();
    if (app.arguments().contains("--smoke"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
