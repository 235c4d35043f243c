// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// SaveIni then ReadIni of windows with 100, 1,000 and 10,000 persisted
// controls, against QSettings (IniFormat) writing and reading the same keys
// and values, and against the fair peer: the same walk over the widgets,
// reading and setting each, stored through QSettings.
#include "bench_util.h"
#include "external/ElPack.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Components.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct StateForm {
    qz8::TForm form;
    std::vector<std::pair<QString, QString>> keyValues; // what QSettings writes
    explicit StateForm(int controls)
    {
        for (int i = 0; i < controls; ++i) {
            const QString name = QStringLiteral("Control%1").arg(i);
            switch (i % 4) {
            case 0: {
                auto* c = new qz8::TElCheckBox(&form);
                c->setChecked(i % 3 == 0);
                c->setObjectName(name);
                keyValues.emplace_back(name + "/checked", c->isChecked() ? "1" : "0");
                break;
            }
            case 1: {
                auto* e = new QLineEdit(QStringLiteral("text of control %1").arg(i), &form);
                e->setObjectName(name);
                keyValues.emplace_back(name + "/text", e->text());
                break;
            }
            case 2: {
                auto* s = new qz8::TElSpinEdit(&form);
                s->SetValue(i);
                s->setObjectName(name);
                keyValues.emplace_back(name + "/value", QString::number(i));
                break;
            }
            default: {
                auto* g = new qz8::TRadioGroup(&form);
                g->SetItems({"a", "b", "c"});
                g->SetItemIndex(i % 3);
                g->setObjectName(name);
                keyValues.emplace_back(name + "/i", QString::number(i % 3));
                break;
            }
            }
        }
    }
};

// The same window with plain Qt input widgets mixed in: every eighth
// control each a QSpinBox, a QComboBox, a QSlider and a QDateEdit.
struct MixedForm {
    qz8::TForm form;
    explicit MixedForm(int controls)
    {
        for (int i = 0; i < controls; ++i) {
            QWidget* w = nullptr;
            switch (i % 8) {
            case 0: w = new qz8::TElCheckBox(&form); break;
            case 1: w = new QLineEdit(QStringLiteral("text of control %1").arg(i), &form); break;
            case 2: w = new qz8::TElSpinEdit(&form); break;
            case 3: {
                auto* g = new qz8::TRadioGroup(&form);
                g->SetItems({"a", "b", "c"});
                w = g;
                break;
            }
            case 4: w = new QSpinBox(&form); break;
            case 5: {
                auto* c = new QComboBox(&form);
                c->addItems({"a", "b", "c"});
                w = c;
                break;
            }
            case 6: w = new QSlider(&form); break;
            default: w = new QDateEdit(&form); break;
            }
            w->setObjectName(QStringLiteral("Control%1").arg(i));
        }
    }
};

StateForm& FormOf(int controls)
{
    StateForm& f = qz8bench::KeptWindow<StateForm>(controls);
    QCoreApplication::processEvents();
    return f;
}

// What is timed: the window's state saved to its file and read back.
void SaveAndRead(qz8::TForm& form, const QString& name)
{
    qz8::SaveIni(&form, name);
    qz8::ReadIni(&form, name);
}

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_FormState_SaveAndRead(benchmark::State& state)
{
    StateForm& f = FormOf(static_cast<int>(state.range(0)));
    const QString name = Dir().filePath(QStringLiteral("form%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        SaveAndRead(f.form, name);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormState_SaveAndRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FormState_SaveAndRead_QtKindsMixedIn(benchmark::State& state)
{
    MixedForm& f = qz8bench::KeptWindow<MixedForm>(static_cast<int>(state.range(0)));
    QCoreApplication::processEvents();
    const QString name = Dir().filePath(QStringLiteral("mixed%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        SaveAndRead(f.form, name);
    }
}
BENCHMARK(BM_FormState_SaveAndRead_QtKindsMixedIn)->Arg(10000)->Unit(benchmark::kMillisecond);

// Both windows of 10,000 controls in turn, round by round, so drift of the
// machine falls on both alike; reports the ratio mixed / original.
void BM_FormState_QtKindsMixedIn_RoundByRound(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    StateForm& plain = FormOf(n);
    MixedForm& mixed = qz8bench::KeptWindow<MixedForm>(n);
    QCoreApplication::processEvents();
    const QString plainName = Dir().filePath(QStringLiteral("rr-plain%1.ini").arg(n));
    const QString mixedName = Dir().filePath(QStringLiteral("rr-mixed%1.ini").arg(n));
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        rounds.Time(state, 0, [&] { SaveAndRead(plain.form, plainName); });
        rounds.Time(state, 1, [&] { SaveAndRead(mixed.form, mixedName); });
    }
    rounds.Report(state, "mixed/original");
}
BENCHMARK(BM_FormState_QtKindsMixedIn_RoundByRound)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_QSettings_SaveAndRead(benchmark::State& state)
{
    StateForm& f = FormOf(static_cast<int>(state.range(0)));
    const QString name = Dir().filePath(QStringLiteral("qsettings%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        {
            QFile::remove(name);
            QSettings out(name, QSettings::IniFormat);
            for (const auto& [key, value] : f.keyValues)
                out.setValue(key, value);
            out.sync();
        }
        QSettings in(name, QSettings::IniFormat);
        qsizetype total = 0;
        for (const auto& kv : f.keyValues)
            total += in.value(kv.first).toString().size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_QSettings_SaveAndRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The fair peer a Qt developer would write: the same walk over the same
// widgets, each widget's state read and set, stored through QSettings.
void PersistThroughQSettings(QWidget& form, QSettings& s, bool reading)
{
    for (QObject* child : form.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->objectName().isEmpty())
            continue;
        s.beginGroup(w->objectName());
        if (auto* c = qobject_cast<qz8::TElCheckBox*>(w)) {
            if (reading)
                c->setChecked(s.value(QStringLiteral("checked")).toBool());
            else
                s.setValue(QStringLiteral("checked"), c->isChecked());
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (reading)
                e->setText(s.value(QStringLiteral("text")).toString());
            else
                s.setValue(QStringLiteral("text"), e->text());
        } else if (auto* n = qobject_cast<qz8::TElSpinEdit*>(w)) {
            if (reading)
                n->SetValue(s.value(QStringLiteral("value")).toInt());
            else
                s.setValue(QStringLiteral("value"), n->Value());
        } else if (auto* g = qobject_cast<qz8::TRadioGroup*>(w)) {
            if (reading)
                g->SetItemIndex(s.value(QStringLiteral("i"), -1).toInt());
            else
                s.setValue(QStringLiteral("i"), g->ItemIndex());
        }
        s.endGroup();
    }
}

void BM_QSettingsWalk_SaveAndRead(benchmark::State& state)
{
    StateForm& f = FormOf(static_cast<int>(state.range(0)));
    const QString name = Dir().filePath(QStringLiteral("walk%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        {
            QFile::remove(name);
            QSettings out(name, QSettings::IniFormat);
            PersistThroughQSettings(f.form, out, false);
            out.sync();
        }
        QSettings in(name, QSettings::IniFormat);
        PersistThroughQSettings(f.form, in, true);
    }
}
BENCHMARK(BM_QSettingsWalk_SaveAndRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
