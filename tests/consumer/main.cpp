// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool outside the repository: finds the installed package and uses it
// as a tool of the suite does, built with QT_NO_KEYWORDS.
#include "ui_ToolForm.h"
#include <QZ8StyledListboxPack/controls/ColourListBoxesAndCombos.h>
#include <QZ8StyledListboxPack/controls/FileFolderOpenDlgU.h>
#include <QZ8StyledListboxPack/controls/My_StyledTMSComponents.h>
#include <QZ8StyledListboxPack/external/Colour_utils.h>
#include <QZ8StyledListboxPack/external/Tms_utils.h>
#include <QZ8StyledListboxPack/external/Tool_image_basics.h>

#include <QApplication>
#include <cstdio>

namespace {
// A tool's own control derived from one of the library's: its vtable reaches
// the library's thunks, those of const members too.
class ToolColourCombo : public qz8::TColourSharingCombo {
public:
    using TColourSharingCombo::TColourSharingCombo;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qz8::TStyledListbox list;
    list.Items().Add("1234");
    std::printf("rows %d\n", list.Count());

    // Class and interface casts need the library's exported meta-objects.
    QObject* asObject = &list;
    const bool cast = qobject_cast<qz8::TStyledListbox*>(asObject) == &list &&
                      qobject_cast<qz8::TCustomListBox*>(asObject) != nullptr &&
                      qobject_cast<qz8::ITMSStyle*>(asObject) != nullptr && asObject->inherits("qz8::TCustomListBox");
    std::printf("casts %s\n", cast ? "ok" : "failed");

    // The process-wide data of the library, read and written from here.
    qz8::Global_TMSStyle = qz8::tsGraphite;
    list.SetComponentStyle(qz8::Global_TMSStyle);
    const bool globals =
        qz8::Global_TMSStyle == qz8::tsGraphite && qz8::ImageLists[0] != nullptr && qz8::GlobalMonitorFontScale == 1.0f;
    std::printf("globals %s\n", globals ? "ok" : "failed");

    // A window made in Designer with the library's components, opened.
    QWidget window;
    Ui::ToolForm ui;
    ui.setupUi(&window);
    window.show();
    app.processEvents();
    // A TColor property of an older .ui file and a QColor property name one colour.
    const bool colours =
        ui.wordList->selectedColor() == QColor(255, 0, 0) && ui.colourCombo->GetSelected() == qz8::RGB(0, 0, 255);
    const bool form = ui.wordList && ui.colourCombo->count() > 0 && ui.corpusFolder->GetText() == "/tmp" &&
                      ui.corpusFolder->OnlyFolderAllowed() && window.isVisible() && colours;
    std::printf("form %s\n", form ? "ok" : "failed");

    ToolColourCombo derived(&window);
    qz8::IFormStateValue* value = qobject_cast<qz8::IFormStateValue*>(&derived);
    const bool subclass = value && value->FormStateKey() == "colour";
    std::printf("subclass %s\n", subclass ? "ok" : "failed");
    return list.Count() == 1 && cast && globals && form && subclass ? 0 : 1;
}
