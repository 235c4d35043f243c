// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The corpus tool, version 2: its first start migrates version 1's file
// (see CorpusWindowV2.h) and keeps the old file as corpus-tool.ini.before-2.0-corpus-folder.
#include "../CorpusWindowV2.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName("corpus-tool");
    CorpusWindowV2 window(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/corpus-tool.ini");
    window.setWindowTitle("Corpus tool 2.0");
    window.show();
    if (app.arguments().contains("--smoke")) {
        std::printf("corpus %s, password %s, window %d, case %s\n", qPrintable(window.corpus->Text()),
                    window.password->Text().isEmpty() ? "empty" : "kept", window.window->value(),
                    window.caseBox->isChecked() ? "on" : "off");
        window.close();
        return 0;
    }
    return app.exec();
}
