// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The colour pickers: a colour list box and a colour combo over the suite's
// one shared colour array (a sort from either reorders it for both), and a
// list box with a private copy of its own.
#include <QZ8StyledListboxPack/controls/ColourListBoxesAndCombos.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);

    auto* shared = new qz8::TColourSharingListbox(&window);
    shared->SetShowText(qz8::ShowBit(qz8::ts_hex) | qz8::ShowBit(qz8::ts_description));
    layout->addWidget(shared);

    auto* own = new qz8::TColourSharingListbox(&window);
    own->SetUseSharedArray(false); // a private copy, sorted on its own
    own->SortTheColours(qz8::csByHue);
    layout->addWidget(own);

    auto* combo = new qz8::TColourSharingCombo(&window);
    combo->SetLabelCaption(QObject::tr("&Highlight:"));
    combo->SetLabelPosition(qz8::lpLeftCenter);
    layout->addWidget(combo);
    QObject::connect(shared, &qz8::TColourSharingListbox::selectedColourChanged, [combo](int colour) {
        combo->SetSelected(colour); // the combo follows the list
    });

    window.show();
    if (app.arguments().contains("--smoke")) {
        shared->SetASelected(qz8::FromQColor(QColor(Qt::red)));
        std::printf("combo shows %s\n", qPrintable(combo->SelectedColourName()));
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
