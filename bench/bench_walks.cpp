// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Walks A, B and C over windows of 1,000 and 10,000 components.
#include "bench_util.h"
#include "external/TmsControls.h"
#include "form/components_and_ControlsU_base.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Panels of ten controls each: list boxes, check boxes and combos, all
// named, so every walk reaches each control twice.
struct WalkForm {
    qz8::TForm form;
    explicit WalkForm(int components)
    {
        for (int i = 0; i < components;) {
            auto* panel = new qz8::TPanel(&form);
            panel->setObjectName(QStringLiteral("Panel%1").arg(i++));
            for (int k = 0; k < 9 && i < components; ++k, ++i) {
                QWidget* w = nullptr;
                switch (k % 3) {
                case 0: w = new qz8::TListBox(panel); break;
                case 1: w = new QCheckBox(panel); break;
                default: w = new qz8::TAdvCustomComboBox(panel); break;
                }
                w->setObjectName(QStringLiteral("Control%1").arg(i));
            }
        }
        QCoreApplication::processEvents();
    }
};

WalkForm& FormOf(int n) { return qz8bench::KeptWindow<WalkForm>(n); }

const qz8::TClassList kClasses{&qz8::TCustomListBox::staticMetaObject, &qz8::TAdvCustomComboBox::staticMetaObject};

void BM_WalkA(benchmark::State& state)
{
    WalkForm& f = FormOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        QList<QObject*> found;
        qz8::LoadAllRelevantComponentsOfForm(&f.form, kClasses, &found);
        benchmark::DoNotOptimize(found.size());
    }
}
BENCHMARK(BM_WalkA)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WalkB(benchmark::State& state)
{
    WalkForm& f = FormOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        QList<QObject*> found;
        qz8::FindComponentsWPropertyOfTypes(&f.form, &found, "ItemHeight", 0);
        benchmark::DoNotOptimize(found.size());
    }
}
BENCHMARK(BM_WalkB)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WalkC(benchmark::State& state)
{
    WalkForm& f = FormOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qz8bench::FlushCaches(state);
        int calls = 0;
        qz8::SetAllOfXTypesComponentsToDoThis(
            &f.form, [&](QWidget*) { ++calls; }, kClasses);
        benchmark::DoNotOptimize(calls);
    }
}
BENCHMARK(BM_WalkC)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
