// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The margin grab panel over a page preview, and the styled tree and list
// views with their export as tab-separated text.
#include <QZ8StyledListboxPack/controls/My_StyledTMSComponents.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);

    // The sheet: an A4 page at one pixel a millimetre; the panel stands for
    // its printable area, and dragging a handle moves a margin.
    auto* sheet = new QWidget(&window);
    sheet->setFixedSize(210, 297);
    sheet->setAutoFillBackground(true);
    auto* margins = new qz8::TNotepadGrabPanel(sheet);
    margins->SetParentControl(sheet);
    margins->SetToMargins({0.75f, 0.75f, 1.0f, 1.0f}, 210, 297);
    margins->OnStateMargins = [](QObject*, qz8::TRect bounds) {
        std::printf("printable area %d,%d to %d,%d\n", bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
    };
    layout->addWidget(sheet);

    auto* tree = new qz8::TMyAdvTreeView(&window);
    tree->setHeaderLabels({QObject::tr("Cluster"), QObject::tr("Frequency")});
    auto* node = new QTreeWidgetItem(tree, {"river bank", "97"});
    qz8::TAdvTreeView::SetNodeUnnumbered(new QTreeWidgetItem(node, {"river banks", ""}), 1);
    layout->addWidget(tree);

    auto* list = new qz8::TMyAdvListView(&window);
    list->setHeaderLabels({QObject::tr("Key word"), QObject::tr("Keyness")});
    new QTreeWidgetItem(list, {"estuary", "312.4"});
    layout->addWidget(list);

    window.show();
    if (app.arguments().contains("--smoke")) {
        const QString text =
            tree->AllStringsOfTreeview(tree, [](QObject*, qz8::TAdvTreeViewVirtualNode n, int column,
                                                qz8::TAdvTreeViewNodeTextMode, QString& t) { t = n->text(column); });
        std::printf("%s", qPrintable(text));
        const qz8::TRect m = margins->MarginsInPixels();
        std::printf("margins %d %d %d %d\n", m.Left, m.Top, m.Right, m.Bottom);
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
