// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A window of four lists side by side for the screen-reader test: the
// library's styled list and Qt's QListWidget, each once with one row
// selectable and once with several, the same thousand rows in each.
// With --rows N: the library's virtual list and a QListView over a model,
// N numbered rows each, for measuring a screen reader on huge lists.
#include "controls/My_StyledTMSComponents.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QListView>
#include <QListWidget>
#include <QTimer>

namespace {

class NumberedRows : public QAbstractListModel {
public:
    explicit NumberedRows(int rows) : fRows(rows) { }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : fRows; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("row %1").arg(index.row())) : QVariant();
    }

private:
    int fRows;
};

int HugeLists(QWidget& window, int rows)
{
    auto* layout = new QHBoxLayout(&window);
    auto* ours = new qz8::TStyledListbox(&window);
    ours->setAccessibleName(QStringLiteral("Ours, huge"));
    ours->SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
    ours->OnGetStringAndInt = [](QObject*, int i, qz8::TStringAndIntegerRec& rec) {
        rec.S = QStringLiteral("row %1").arg(i);
    };
    ours->SetCount(rows);
    ours->SetMultiSelect(true);
    ours->SetItemIndex(0);
    layout->addWidget(ours);
    auto* theirs = new QListView(&window);
    theirs->setAccessibleName(QStringLiteral("Qt's, huge"));
    theirs->setUniformItemSizes(true);
    theirs->setModel(new NumberedRows(rows));
    theirs->setCurrentIndex(theirs->model()->index(0, 0));
    layout->addWidget(theirs);
    window.resize(600, 400);
    window.show();
    ours->setFocus();
    // No window manager gives the window the keyboard on a bare X server.
    QTimer::singleShot(500, &window, [&window] { window.activateWindow(); });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("atspi_lists"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lists for a screen reader"));
    if (const int at = QApplication::arguments().indexOf(QStringLiteral("--rows")); at > 0)
        return HugeLists(window, QApplication::arguments().value(at + 1).toInt());
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
