#include "platform/Forms.h"
#include "platform/Components.h"

#include <QEvent>
#include <QPainter>

namespace qz8 {

namespace {
const bool registered = [] {
    RegisterOwnerRootClass(&TForm::staticMetaObject);
    RegisterOwnerRootClass(&TFrame::staticMetaObject);
    RegisterContainerClass(&TPanel::staticMetaObject);
    return true;
}();
} // namespace

TForm::TForm(QWidget* parent) : QMainWindow(parent)
{
    (void)registered;
}

void TForm::SetColor(TColor color)
{
    fColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (OnShow)
        OnShow(this);
}

void TForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && OnActivate)
        OnActivate(this);
}

TFrame::TFrame(QWidget* parent) : QFrame(parent) {}

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
}

void TPanel::SetCaption(const QString& caption)
{
    fCaption = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (fCaption.isEmpty())
        return;
    QPainter p(this);
    p.drawText(contentsRect(), Qt::AlignCenter, fCaption);
}

} // namespace qz8
