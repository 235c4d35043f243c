// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The library's lists beside QListWidget in one window, saved as a picture at
// the screen's device pixels (1:1), for the documentation:
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 beside_qt out.png [-reverse]
// With --low-vision, a low-vision user's setting: a 20 pt font and the
// high-contrast style, with the trees beside each other too.
#include "controls/My_StyledTMSComponents.h"
#include "external/Tms_utils.h"
#include "toolkit/Canvas.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QTreeWidget>

namespace {

// A canvas drawing: lines of pen width 1, a frame and text.
class CanvasDrawing : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {200, 90}; }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        qz8::TCanvas c;
        c.Attach(&painter);
        c.Brush = qz8::TBrush{qz8::clWhite, qz8::bsSolid};
        c.FillRect(qz8::Rect(0, 0, width(), height()));
        c.Pen = qz8::TPen{qz8::clNavy, 1, qz8::psSolid};
        c.Brush = qz8::TBrush{qz8::RGB(204, 221, 255), qz8::bsSolid};
        c.Rectangle(qz8::Rect(8, 8, 70, 50));
        c.Ellipse(qz8::Rect(80, 8, 140, 50));
        for (int i = 0; i < 5; ++i) {
            c.MoveTo(150, 10 + i * 9);
            c.LineTo(190, 14 + i * 9);
        }
        c.Brush.Style = qz8::bsClear;
        c.TextOut(8, 62, QStringLiteral("TCanvas, pen width 1"));
        c.Detach();
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool lowVision = QApplication::arguments().contains(QStringLiteral("--low-vision"));
    if (lowVision) {
        QFont large = QApplication::font();
        large.setPointSize(20);
        QApplication::setFont(large);
    }
    QWidget window;
    auto* grid = new QGridLayout(&window);
    const QStringList rows = {"the", "1234", "0.714", "collocation", "/corpus/texts/a.txt", "Wörter"};
    auto* styled = new qz8::TStyledListbox(&window);
    styled->Items().AddStrings(rows);
    styled->SetItemIndex(2);
    auto* qtList = new QListWidget(&window);
    qtList->addItems(rows);
    qtList->setCurrentRow(2);
    auto* checks = new qz8::TCheckListBox(&window);
    checks->Items().AddStrings({"Word counts", "Collocations", "Concordance"});
    checks->SetChecked(0, true);
    checks->SetChecked(2, true);
    auto* qtChecks = new QListWidget(&window);
    for (const QString s : {"Word counts", "Collocations", "Concordance"}) {
        auto* item = new QListWidgetItem(s, qtChecks);
        item->setCheckState(s == "Collocations" ? Qt::Unchecked : Qt::Checked);
    }
    grid->addWidget(new QLabel(QStringLiteral("TStyledListbox"), &window), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("QListWidget"), &window), 0, 1);
    grid->addWidget(styled, 1, 0);
    grid->addWidget(qtList, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("TCheckListBox"), &window), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("QListWidget, checkable"), &window), 2, 1);
    grid->addWidget(checks, 3, 0);
    grid->addWidget(qtChecks, 3, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{styled, qtList, checks, qtChecks})
        w->setFixedHeight(lowVision ? 200 : 120);
    if (lowVision) {
        auto* tree = new qz8::TMyAdvTreeView(&window);
        auto* qtTree = new QTreeWidget(&window);
        for (QTreeWidget* t : {static_cast<QTreeWidget*>(tree), qtTree}) {
            t->setHeaderLabels({QStringLiteral("Word")});
            auto* open = new QTreeWidgetItem(t, QStringList{QStringLiteral("river")});
            new QTreeWidgetItem(open, QStringList{QStringLiteral("rivers")});
            auto* closed = new QTreeWidgetItem(t, QStringList{QStringLiteral("sea")});
            new QTreeWidgetItem(closed, QStringList{QStringLiteral("seas")});
            open->setExpanded(true);
            t->setCurrentItem(open);
            t->setFixedHeight(200);
        }
        grid->addWidget(new QLabel(QStringLiteral("TMyAdvTreeView"), &window), 4, 0);
        grid->addWidget(new QLabel(QStringLiteral("QTreeWidget"), &window), 4, 1);
        grid->addWidget(tree, 5, 0);
        grid->addWidget(qtTree, 5, 1);
        qz8::Global_TMSStyle = qz8::tsHighContrast;
        // As a window's styler does: the palette, and the styled controls.
        qz8::ApplyTMSStylePalette(&window, qz8::tsHighContrast);
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (auto* control = qobject_cast<qz8::ITMSStyle*>(w))
                control->SetComponentStyle(qz8::tsHighContrast);
        }
        window.resize(760, 980);
    } else {
        grid->addWidget(new CanvasDrawing(&window), 4, 0);
        window.resize(460, 420);
    }
    window.show();
    QApplication::processEvents();
    const QString out = QApplication::arguments().value(1, QStringLiteral("beside-qt.png"));
    return window.grab().save(out) ? 0 : 1;
}
