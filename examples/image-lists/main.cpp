// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The master image lists: the icons of every standard size, loaded from the
// image-list files beside the program, attached by command number to a menu
// and a tool bar. A change of density switches every attached icon at once.
#include <QZ8StyledListboxPack/imagelists/tool_imagelist_master.h>
#include <QZ8StyledListboxPack/toolkit/ImageControls.h>

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    try {
        qz8::LoadupAllTheImageLists();
    } catch (const qz8::Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    QMainWindow window;
    auto* menu = new qz8::TMainMenu(&window);
    window.setMenuBar(menu);
    auto* tools = new qz8::TToolBar(&window);
    window.addToolBar(tools);
    // The first icons of the catalogue: a menu item and a tool button each.
    const auto& catalogue = qz8::ToolIconCatalogue();
    for (std::size_t i = 0; i < std::min<std::size_t>(4, catalogue.size()); ++i) {
        const int command = catalogue[i].command;
        menu->Add(catalogue[i].name, command);
        auto* button = new qz8::TToolButton(tools);
        button->setToolTip(catalogue[i].name); // also its name for screen readers
        qz8::SetImagesAndNumberForToolbarButton(tools, button, command);
    }
    qz8::SetImagesForListOfMenuItems(menu);

    window.show();
    if (app.arguments().contains("--smoke")) {
        std::printf("%d icons of %d pixels\n", qz8::ImageListMain()->Count(), qz8::GlobalImageHeight);
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
