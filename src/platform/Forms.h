#pragma once
// Forms, frames and panels.
#include "../qz8_export.h"
#include "Types.h"

#include <QFrame>
#include <QMainWindow>
#include <functional>

namespace qz8 {

/// A tool window. Its Color is the window's background; OnShow runs at every
/// show and OnActivate whenever the window becomes the active one.
class QZ8_EXPORT TForm : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
public:
    explicit TForm(QWidget* parent = nullptr);

    TColor Color() const { return fColor; }
    void SetColor(TColor color);
    int PixelsPerInch() const { return fPixelsPerInch; }
    void SetPixelsPerInch(int ppi) { fPixelsPerInch = ppi; }
    bool Scaled() const { return fScaled; }
    void SetScaled(bool scaled) { fScaled = scaled; }

    std::function<void(QObject* Sender)> OnShow;
    std::function<void(QObject* Sender)> OnActivate;

    /// Multiplies the positions, sizes and fonts of the window and its
    /// controls by M and divides them by D (in 64 bits, kept in range).
    void ChangeScale(int M, int D);

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    ///@}
    /// The window's screen, or that screen's logical density, changed (and
    /// once at the first show, when the design density meets the screen's).
    virtual void ScreenDensityChanged(qreal logicalDpi) { Q_UNUSED(logicalDpi); }

private:
    void FollowScreen();
    bool fFollowsScreen = false;
    QMetaObject::Connection fScreenDensity;
    TColor fColor = clBtnFace;
    int fPixelsPerInch = 96;
    bool fScaled = true;
};

/// True when the widget's parent's layout places it (a main window's central
/// widget, bars and docks included), so scaling must leave its geometry.
QZ8_EXPORT bool PlacedByLayout(const QWidget* w);

/// A frame owns the controls placed on it.
class QZ8_EXPORT TFrame : public QFrame {
    Q_OBJECT
public:
    explicit TFrame(QWidget* parent = nullptr);
};

/// A panel passes ownership of its controls through to its owner.
class QZ8_EXPORT TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
public:
    explicit TPanel(QWidget* parent = nullptr);
    QString Caption() const { return fCaption; }
    void SetCaption(const QString& caption);
    ///@{
    /// The panel's background; clBtnFace until set.
    TColor Color() const { return fColor; }
    void SetColor(TColor color);
    ///@}

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void paintEvent(QPaintEvent* event) override;
    ///@}

private:
    QString fCaption;
    TColor fColor = clBtnFace;
};

} // namespace qz8
