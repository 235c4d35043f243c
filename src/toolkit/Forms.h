// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Forms, frames and panels.
#include "../qz8_export.h"
#include "Types.h"

#include <QFrame>
#include <QMainWindow>
#include <functional>
#include <memory>

namespace qz8 {

class TFormPrivate;
class TPanelPrivate;

/// A tool window. Its Color is the window's background; OnShow runs at every
/// show and OnActivate whenever the window becomes the active one.
class QZ8_EXPORT TForm : public QMainWindow {
    Q_OBJECT
    /// The window's background colour (see Color()).
    Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
    /// The window's background colour, as a QColor for Designer's property editor (see backgroundColor()).
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    /// The density the window was designed for (see PixelsPerInch()).
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    /// Whether the window scales with the density (see Scaled()).
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
public:
    /// A window; a parent takes ownership.
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;
    ///@{
    /// The window's background colour: the TColor property Color as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor backgroundColor() const { return ColorPropertyValue(Color(), palette()); }
    void setBackgroundColor(const QColor& color) { SetColor(ColorFromProperty(color)); }
    ///@}

    ///@{
    /// The window's background colour.
    TColor Color() const;
    void SetColor(TColor color);
    /// SetColor under the name uic calls.
    void setColor(TColor color) { SetColor(color); }
    ///@}
    ///@{
    /// The density the window was designed for, in dots per inch (96 by default).
    int PixelsPerInch() const;
    void SetPixelsPerInch(int ppi);
    ///@}
    ///@{
    /// Whether the window scales with the density (true by default).
    bool Scaled() const;
    void SetScaled(bool scaled);
    ///@}

    /// Called at every show.
    std::function<void(QObject* Sender)> OnShow;
    /// Called whenever the window becomes the active one.
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
    std::unique_ptr<TFormPrivate> fFormPart;
};

/// True when the widget's parent's layout places it (a main window's central
/// widget, bars and docks included), so scaling must leave its geometry.
QZ8_EXPORT bool PlacedByLayout(const QWidget* w);

/// A frame owns the controls placed on it.
class QZ8_EXPORT TFrame : public QFrame {
    Q_OBJECT
public:
    /// A frame; a parent takes ownership.
    explicit TFrame(QWidget* parent = nullptr);
};

/// A panel passes ownership of its controls through to its owner.
class QZ8_EXPORT TPanel : public QFrame {
    Q_OBJECT
    /// The text painted in the middle (see Caption()).
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    /// The background colour (see Color()).
    Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
    /// The background colour, as a QColor for Designer's property editor (see backgroundColor()).
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
public:
    /// A panel; a parent takes ownership.
    explicit TPanel(QWidget* parent = nullptr);
    ~TPanel() override;
    ///@{
    /// The background colour: the TColor property Color as a QColor (ColorPropertyValue, ColorFromProperty).
    /// \since 0.2
    QColor backgroundColor() const { return ColorPropertyValue(Color(), palette()); }
    void setBackgroundColor(const QColor& color) { SetColor(ColorFromProperty(color)); }
    ///@}
    ///@{
    /// The text painted in the middle of the panel.
    QString Caption() const;
    void SetCaption(const QString& caption);
    /// SetCaption under the name uic calls.
    void setCaption(const QString& caption) { SetCaption(caption); }
    ///@}
    ///@{
    /// The panel's background; clBtnFace until set.
    TColor Color() const;
    void SetColor(TColor color);
    /// SetColor under the name uic calls.
    void setColor(TColor color) { SetColor(color); }
    ///@}

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void paintEvent(QPaintEvent* event) override;
    ///@}

private:
    std::unique_ptr<TPanelPrivate> fPanelPart;
};

} // namespace qz8
