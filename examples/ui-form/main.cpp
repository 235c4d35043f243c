// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A form made in Qt Designer with the library's widgets (the package's
// Designer plugin offers them on the page "Samples"): uic turns WordForm.ui
// into code, and the widgets are used as any other.
#include "ui_WordForm.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::WordForm ui;
    ui.setupUi(&window);
    ui.words->Items().AddStrings({"estuary", "312"});
    window.show();
    if (app.arguments().contains("--smoke")) {
        std::printf("%d words, %d colours, corpus %s\n", ui.words->Count(), ui.highlight->count(),
                    qPrintable(ui.corpus->GetText()));
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
