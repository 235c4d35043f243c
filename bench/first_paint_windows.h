#pragma once
// The two windows of the first-paint measurements: a tool window of about
// 200 persisted controls with a tool bar of master-list icons and a style,
// and the same window of plain Qt widgets restoring the same values through
// QSettings. Shared by the in-process benchmark and the cold-start program.
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "imagelists/tool_imagelist_master.h"
#include "toolkit/ImageControls.h"
#include "toolkit/StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

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

class ToolWindow : public qz8::TTMSStyleableRepositoryForm {
public:
    explicit ToolWindow(const QString& ini) : fIni(ini)
    {
        auto* bar = new qz8::TToolBar(this);
        addToolBar(bar);
        for (int command = 1; command <= 8; ++command)
            qz8::SetImagesAndNumberForToolbarButton(bar, new qz8::TToolButton(bar), command);
        FillGrid(*this, [](int i, QWidget* central) -> QWidget* {
            switch (i % 5) {
            case 0: return new qz8::TElCheckBox(QStringLiteral("Option %1").arg(i), central);
            case 1: return new QLineEdit(central);
            case 2: return new qz8::TElSpinEdit(central);
            case 3: {
                auto* g = new qz8::TRadioGroup(central);
                g->SetItems({"a", "b"});
                return g;
            }
            default: {
                auto* c = new qz8::TElComboBox(central);
                c->Items().AddStrings({"alpha", "beta", "gamma"});
                return c;
            }
            }
        });
        AddAFormStyler(this);
    }
    QString TheIniName() override { return fIni; }

private:
    QString fIni;
};

// The same controls as plain Qt widgets.
class PlainWindow : public QMainWindow {
public:
    PlainWindow()
    {
        auto* bar = new QToolBar(this);
        addToolBar(bar);
        for (int command = 1; command <= 8; ++command)
            bar->addAction(qz8::ImageListIcon(qz8::ImageListMain(), command), QString());
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

// The values both windows keep: every fifth check box on, every fifth edit
// with a text.
inline void SetKeptValues(QMainWindow& w)
{
    for (int i = 0; i < kControls; i += 5)
        w.findChild<qz8::TElCheckBox*>(QStringLiteral("Control%1").arg(i))->setChecked(true);
    for (int i = 1; i < kControls; i += 5)
        w.findChild<QLineEdit*>(QStringLiteral("Control%1").arg(i))->setText(QStringLiteral("kept text %1").arg(i));
}

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
