// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The gallery: opens the window, or with --screenshots DIR writes one PNG of
// it per style (and per page) and exits, so it runs without a display.
#include "GalleryWindow.h"
#include "form/baseTMSStyleable_F.h"
#include "i18n/Translations.h"
#include "imagelists/tool_imagelist_master.h"
#include "settings/ReadAndSaveIni.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gallery"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The library's texts, and Qt's, in the user's language from the start.
    qz8::LoadLibraryTranslation(QLocale());
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every component of QZ8StyledListboxPack."));
    parser.addHelpOption();
    QCommandLineOption shots(QStringList{QStringLiteral("screenshots")},
                             QStringLiteral("Write one PNG per style into <dir> and exit."), QStringLiteral("dir"));
    parser.addOption(shots);
    QCommandLineOption style(QStringList{QStringLiteral("style")},
                             QStringLiteral("Start in style <n> and tell the running tools to take it too."),
                             QStringLiteral("n"));
    parser.addOption(style);
    parser.process(app);
    if (parser.isSet(style)) {
        bool ok = false;
        const int n = parser.value(style).toInt(&ok);
        if (!ok || !qz8::IsValidTMSStyle(n)) {
            std::fprintf(stderr, "gallery: style %s does not exist (0 to %d)\n", qPrintable(parser.value(style)),
                         qz8::TTMSStyleCount - 1);
            return 2;
        }
        qz8::Global_TMSStyle = static_cast<qz8::TTMSStyle>(n);
        qz8::BroadcastStyle(qz8::Global_TMSStyle);
    }

    // The icons of the nine sizes, from the image-list files beside the program.
    try {
        qz8::LoadupAllTheImageLists();
    } catch (const qz8::Exception& e) {
        std::fprintf(stderr, "gallery: %s\n", qPrintable(e.Message()));
    }
    if (parser.isSet(shots)) {
        GalleryWindow window;
        if (!window.WriteScreenshots(parser.value(shots))) {
            std::fprintf(stderr, "gallery: cannot write screenshots to %s\n", qPrintable(parser.value(shots)));
            return 1;
        }
        return 0;
    }
    // The gallery keeps its controls in its form state file beside it.
    GalleryWindow window(nullptr, qz8::DefaultFormStateFileName());
    window.show();
    return app.exec();
}
