// A window of four lists side by side for the screen-reader test: the
// library's styled list and Qt's QListWidget, each once with one row
// selectable and once with several, the same thousand rows in each.
#include "controls/My_StyledTMSComponents.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("atspi_lists"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lists for a screen reader"));
    auto* layout = new QHBoxLayout(&window);
    QStringList rows;
    for (int i = 0; i < 1000; ++i)
        rows << QStringLiteral("row %1").arg(i);
    for (const bool several : {false, true}) {
        auto* ours = new qz8::TStyledListbox(&window);
        ours->setAccessibleName(several ? QStringLiteral("Ours, several rows") : QStringLiteral("Ours, one row"));
        ours->SetMultiSelect(several);
        ours->SetExtendedSelect(several);
        ours->Items().AddStrings(rows);
        ours->SetItemIndex(0);
        layout->addWidget(ours);
        auto* theirs = new QListWidget(&window);
        theirs->setAccessibleName(several ? QStringLiteral("Qt's, several rows") : QStringLiteral("Qt's, one row"));
        theirs->setSelectionMode(several ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        theirs->addItems(rows);
        theirs->setCurrentRow(0);
        layout->addWidget(theirs);
    }
    window.resize(900, 400);
    window.show();
    return QApplication::exec();
}
