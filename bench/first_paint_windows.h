// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The tool window of the first-paint measurements: about 200 persisted
// controls with a tool bar of master-list icons and a style; its plain Qt
// peer is in plain_window.h. Shared by the in-process benchmark and the
// cold-start programs.
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "imagelists/tool_imagelist_master.h"
#include "toolkit/ImageControls.h"
#include "toolkit/StdCtrls.h"

#include "plain_window.h"

namespace qz8bench {

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

// The values both windows keep: every fifth check box on, every fifth edit
// with a text.
inline void SetKeptValues(QMainWindow& w)
{
    for (int i = 0; i < kControls; i += 5)
        w.findChild<qz8::TElCheckBox*>(QStringLiteral("Control%1").arg(i))->setChecked(true);
    for (int i = 1; i < kControls; i += 5)
        w.findChild<QLineEdit*>(QStringLiteral("Control%1").arg(i))->setText(QStringLiteral("kept text %1").arg(i));
}

} // namespace qz8bench
