// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// List boxes, plain and virtual: a styled list of words and numbers (the
// numbers right-aligned in the user's locale), and a virtual list of ten
// million rows that stores nothing per row and asks for the rows it shows.
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

    auto* words = new qz8::TStyledListbox(&window);
    words->Items().AddStrings({"estuary", "312", QLocale().toString(18.5), "tide"});
    words->SetMultiSelect(true); // Ctrl+A selects every row, as one range
    layout->addWidget(words);

    auto* counts = new qz8::TStyledListbox(&window);
    counts->SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
    counts->OnGetStringAndInt = [](QObject*, int row, qz8::TStringAndIntegerRec& rec) {
        rec.S = QStringLiteral("row %1").arg(row + 1);
    };
    counts->SetCount(10'000'000);
    layout->addWidget(counts);
    QObject::connect(counts, &qz8::TCustomListBox::itemIndexChanged,
                     [](int row) { std::printf("current row %d\n", row); });

    window.resize(480, 320);
    window.show();
    if (app.arguments().contains("--smoke")) {
        counts->SetItemIndex(9'999'999); // the last row: scrolled to, nothing stored
        words->SelectAll();
        std::printf("selected %d of %d\n", words->SelCount(), words->Count());
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
