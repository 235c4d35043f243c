// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The plain Qt window of the first-paint measurements: about 200 Qt widgets
// restoring their values from QSettings by a walk, as a Qt developer writes
// it. Qt only, so that a process of its own loads nothing of the library.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>

namespace qz8bench {

inline constexpr int kControls = 200;

// Lays out kControls controls named "Control<i>" in rows of ten on the
// window's central widget; make gives the control of position i.
template <class Make>
void FillGrid(QMainWindow& window, const Make& make)
{
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < kControls; ++i) {
        QWidget* w = make(i, central);
        w->setObjectName(QStringLiteral("Control%1").arg(i));
        grid->addWidget(w, i / 10, i % 10);
    }
    window.setCentralWidget(central);
    window.resize(1200, 900);
}

// The same controls as plain Qt widgets.
class PlainWindow : public QMainWindow {
public:
    // icon gives the tool bar's icon of a command (none by default).
    explicit PlainWindow(const std::function<QIcon(int)>& icon = {})
    {
        auto* bar = new QToolBar(this);
        addToolBar(bar);
        for (int command = 1; command <= 8; ++command)
            bar->addAction(icon ? icon(command) : QIcon(), QString());
        FillGrid(*this, [](int i, QWidget* central) -> QWidget* {
            switch (i % 5) {
            case 0: return new QCheckBox(QStringLiteral("Option %1").arg(i), central);
            case 1: return new QLineEdit(central);
            case 2: return new QSpinBox(central);
            case 3: {
                // A radio group: a group box of two radio buttons.
                auto* g = new QGroupBox(central);
                auto* l = new QVBoxLayout(g);
                for (const char* t : {"a", "b"})
                    l->addWidget(new QRadioButton(QString::fromLatin1(t), g));
                return g;
            }
            default: {
                // An editable combo, as the ElPack combo is.
                auto* c = new QComboBox(central);
                c->setEditable(true);
                c->addItems({"alpha", "beta", "gamma"});
                return c;
            }
            }
        });
    }
    // The walk a Qt developer writes: every widget's state from its group.
    void Restore(QSettings& s)
    {
        for (QWidget* w : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            s.beginGroup(w->objectName());
            if (auto* c = qobject_cast<QCheckBox*>(w))
                c->setChecked(s.value("checked").toBool());
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                e->setText(s.value("text").toString());
            else if (auto* n = qobject_cast<QSpinBox*>(w))
                n->setValue(s.value("value").toInt());
            else if (auto* b = qobject_cast<QComboBox*>(w))
                b->setCurrentIndex(s.value("i").toInt());
            else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                const QList<QRadioButton*> buttons = g->findChildren<QRadioButton*>();
                const int i = s.value("i").toInt();
                if (i >= 0 && i < buttons.size())
                    buttons[i]->setChecked(true);
            }
            s.endGroup();
        }
    }
};

// The same values as the plain window's QSettings keep them.
inline void WriteKeptValues(QSettings& s)
{
    for (int i = 0; i < kControls; ++i) {
        s.beginGroup(QStringLiteral("Control%1").arg(i));
        switch (i % 5) {
        case 0: s.setValue("checked", true); break;
        case 1: s.setValue("text", QStringLiteral("kept text %1").arg(i)); break;
        case 2: s.setValue("value", i); break;
        default: s.setValue("i", 1); break;
        }
        s.endGroup();
    }
}

} // namespace qz8bench
