// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Colour editing in Designer for the components' colour properties. Their
// values stay the library's colours (0x00BBGGRR, or a system colour that
// follows the style), so Designer's own editor shows them as numbers; the
// task menu entry "Edit Colours..." (also the double-click action) opens a
// dialog with a colour picker and the system colours for each of them, and
// writes through the form window, so undo and the .ui file see the change.
#include <QDialog>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>

class QComboBox;
class QToolButton;

// The designable colour properties of a component class: its own (not Qt's)
// whole-number properties named "...Colour" or "...Color".
QList<QByteArray> Qz8ColourProperties(const QMetaObject* cls);

class Qz8ColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit Qz8ColourDialog(QWidget* component, QWidget* parent = nullptr);
    // The value chosen for a property (the component's until changed).
    int Value(const QByteArray& property) const;
    void SetValue(const QByteArray& property, int colour);
    // Writes the changed values to the component.
    void Apply();

private:
    struct Row {
        QByteArray property;
        int value;
        QComboBox* system;
        QToolButton* swatch;
    };
    void ShowRow(Row& row);
    QPointer<QWidget> fComponent;
    std::vector<Row> fRows;
};

class Qz8ColourTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
public:
    Qz8ColourTaskMenu(QWidget* component, QObject* parent);
    QAction* preferredEditAction() const override { return fEdit; }
    QList<QAction*> taskActions() const override { return {fEdit}; }

private:
    QPointer<QWidget> fComponent;
    QAction* fEdit;
};

// The colour editor for a component with colour properties, else nullptr.
QObject* Qz8MakeColourTaskMenu(QObject* object, QObject* parent);
