// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Forms.h"
#include "toolkit/Components.h"
#include "toolkit/QtBoundary_p.h"

#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace qz8 {

namespace {
const bool registered = [] {
    RegisterOwnerRootClass(&TForm::staticMetaObject);
    RegisterOwnerRootClass(&TFrame::staticMetaObject);
    RegisterContainerClass(&TPanel::staticMetaObject);
    return true;
}();
} // namespace

// What a window keeps beside its Qt base, out of its class's layout.
class TFormPrivate {
public:
    bool fFollowsScreen = false;
    QMetaObject::Connection fScreenDensity;
    TColor fColor = clBtnFace;
    int fPixelsPerInch = 96;
    bool fScaled = true;
};

TForm::TForm(QWidget* parent) : QMainWindow(parent), fFormPart(std::make_unique<TFormPrivate>()) { (void)registered; }

TForm::~TForm() = default;

TColor TForm::Color() const { return fFormPart->fColor; }
int TForm::PixelsPerInch() const { return fFormPart->fPixelsPerInch; }
void TForm::SetPixelsPerInch(int ppi) { fFormPart->fPixelsPerInch = ppi; }
bool TForm::Scaled() const { return fFormPart->fScaled; }
void TForm::SetScaled(bool scaled) { fFormPart->fScaled = scaled; }

namespace {
// A widget's background in a colour of its own.
void FillBackground(QWidget* w, TColor color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
} // namespace

void TForm::SetColor(TColor color)
{
    fFormPart->fColor = color;
    FillBackground(this, color);
}

namespace {
int MulDiv(int value, int M, int D)
{
    const qint64 v = static_cast<qint64>(value) * M / D;
    return static_cast<int>(std::clamp<qint64>(v, -1000000, 1000000));
}

QFont ScaledFont(QFont f, int M, int D)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, MulDiv(f.pixelSize(), M, D)));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(std::clamp(f.pointSizeF() * M / D, 1.0, 10000.0));
    return f;
}
} // namespace

namespace {
bool InLayout(const QLayout* layout, const QWidget* w)
{
    if (!layout)
        return false;
    if (layout->menuBar() == w)
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item && (item->widget() == w || InLayout(item->layout(), w)))
            return true;
    }
    return false;
}
} // namespace

bool PlacedByLayout(const QWidget* w)
{
    const QWidget* parent = w ? w->parentWidget() : nullptr;
    if (!parent)
        return false;
    // A main window's own layout places its central widget, bars and docks,
    // not the controls put on the window by hand.
    if (const auto* main = qobject_cast<const QMainWindow*>(parent)) {
        // Asked of the child itself: QMainWindow::statusBar() would make a
        // status bar for a window that has none.
        if (w == main->centralWidget() || w == main->menuWidget() || qobject_cast<const QStatusBar*>(w) ||
            qobject_cast<const QToolBar*>(w) || qobject_cast<const QDockWidget*>(w))
            return true;
    }
    return InLayout(parent->layout(), w);
}

void TForm::ChangeScale(int M, int D)
{
    if (M <= 0 || D <= 0 || M == D)
        return;
    resize(MulDiv(width(), M, D), MulDiv(height(), M, D));
    setFont(ScaledFont(font(), M, D));
    // A font or geometry change runs the controls' own handlers, which may
    // free other controls of the list: each is held weakly and checked.
    QPointer<TForm> self(this);
    const QList<QWidget*> children = findChildren<QWidget*>();
    std::vector<QPointer<QWidget>> held(children.begin(), children.end());
    for (const QPointer<QWidget>& p : held) {
        if (!self)
            return;
        QWidget* w = p.data();
        if (!w || w->isWindow())
            continue;
        // Controls that keep a font of their own scale it too; the others
        // inherit the window's.
        if (w->testAttribute(Qt::WA_SetFont))
            w->setFont(ScaledFont(w->font(), M, D));
        // Controls placed by hand move and resize; laid-out ones follow
        // their layouts.
        if (!PlacedByLayout(w))
            w->setGeometry(MulDiv(w->x(), M, D), MulDiv(w->y(), M, D), MulDiv(w->width(), M, D),
                           MulDiv(w->height(), M, D));
    }
}

void TForm::FollowScreen()
{
    if (fFormPart->fFollowsScreen || !windowHandle())
        return;
    fFormPart->fFollowsScreen = true;
    // Only the screen the window is on now speaks for it.
    auto follow = [this](QScreen* s) {
        disconnect(fFormPart->fScreenDensity);
        if (!s)
            return;
        fFormPart->fScreenDensity = connect(s, &QScreen::logicalDotsPerInchChanged, this, [this](qreal dpi) {
            AtQtBoundary("TForm::ScreenDensityChanged", [&] { ScreenDensityChanged(dpi); });
        });
        AtQtBoundary("TForm::ScreenDensityChanged", [&] { ScreenDensityChanged(s->logicalDotsPerInch()); });
    };
    connect(windowHandle(), &QWindow::screenChanged, this, follow);
    follow(windowHandle()->screen());
}

void TForm::showEvent(QShowEvent* event)
{
    AtQtBoundary("TForm::showEvent", [&] {
        FollowScreen();
        QMainWindow::showEvent(event);
        if (OnShow)
            OnShow(this);
    });
}

void TForm::changeEvent(QEvent* event)
{
    AtQtBoundary("TForm::changeEvent", [&] {
        QMainWindow::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && OnActivate)
            OnActivate(this);
    });
}

TFrame::TFrame(QWidget* parent) : QFrame(parent) { }

// What a panel keeps beside its Qt base, out of its class's layout.
class TPanelPrivate {
public:
    QString fCaption;
    TColor fColor = clBtnFace;
};

TPanel::TPanel(QWidget* parent) : QFrame(parent), fPanelPart(std::make_unique<TPanelPrivate>())
{
    setFrameShape(QFrame::StyledPanel);
}

TPanel::~TPanel() = default;

QString TPanel::Caption() const { return fPanelPart->fCaption; }
TColor TPanel::Color() const { return fPanelPart->fColor; }

void TPanel::SetColor(TColor color)
{
    fPanelPart->fColor = color;
    FillBackground(this, color);
}

void TPanel::SetCaption(const QString& caption)
{
    fPanelPart->fCaption = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent* event)
{
    AtQtBoundary("TPanel::paintEvent", [&] {
        QFrame::paintEvent(event);
        if (fPanelPart->fCaption.isEmpty())
            return;
        QPainter p(this);
        p.drawText(contentsRect(), Qt::AlignCenter, fPanelPart->fCaption);
    });
}

} // namespace qz8
