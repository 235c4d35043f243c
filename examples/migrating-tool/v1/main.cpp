// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The corpus tool, version 1: run it, type a folder and a password, pick a
// context window, close it; then run version 2, which finds them all.
#include "../CorpusWindowV1.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName("corpus-tool"); // both versions: the same file and secrets
    CorpusWindowV1 window(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/corpus-tool.ini");
    window.setWindowTitle("Corpus tool 1.0");
    window.show();
    if (app.arguments().contains("--smoke")) { // what a user of version 1 does, then closes it
        window.corpus->SetText("/data/corpus");
        window.password->SetText("s3cret");
        window.window->setCurrentIndex(2);
        window.caseBox->setChecked(true);
        window.close();
        std::printf("version 1 kept its state\n");
        return 0;
    }
    return app.exec();
}
