// The library's lists beside QListWidget in one window, saved as a picture at
// the screen's device pixels (1:1), for the documentation:
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 beside_qt out.png [-reverse]
#include "controls/My_StyledTMSComponents.h"
#include "toolkit/Canvas.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

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
    grid->addWidget(new CanvasDrawing(&window), 4, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{styled, qtList, checks, qtChecks})
        w->setFixedHeight(120);
    window.resize(460, 420);
    window.show();
    QApplication::processEvents();
    const QString out = QApplication::arguments().value(1, QStringLiteral("beside-qt.png"));
    return window.grab().save(out) ? 0 : 1;
}
