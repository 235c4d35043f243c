// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The colour arrays: finding the nearest and the index of a colour in a
// 100,000-entry array, and painting 1,000 rows of each colour control.
#include "controls/ColourListBoxesAndCombos.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

qz8::TColorArray BigArray()
{
    qz8::TColorArray a;
    QRandomGenerator rng(7);
    for (int i = 0; i < 100'000; ++i)
        a.push_back({static_cast<qz8::TColor>(rng.bounded(0x1000000)), QStringLiteral("colour %1").arg(i)});
    return a;
}

void BM_NearestColourIndex_100k(benchmark::State& state)
{
    const qz8::TColorArray a = BigArray();
    qz8::TColor probe = qz8::RGB(12, 200, 77);
    for (auto _ : state)
        benchmark::DoNotOptimize(qz8::NearestColourIndex(probe++, a));
}
BENCHMARK(BM_NearestColourIndex_100k)->Unit(benchmark::kMillisecond);

void BM_IndexOfColour_100k_Absent(benchmark::State& state)
{
    const qz8::TColorArray own = BigArray();
    // A colour that is not in the array: a full scan, then the nearest.
    for (auto _ : state)
        benchmark::DoNotOptimize(qz8::IndexOfColour(false, own, qz8::RGB(1, 2, 3)));
}
BENCHMARK(BM_IndexOfColour_100k_Absent)->Unit(benchmark::kMillisecond);

void BM_IndexOfColour_100k_Present(benchmark::State& state)
{
    const qz8::TColorArray own = BigArray();
    const qz8::TColor last = own.back().Value;
    for (auto _ : state)
        benchmark::DoNotOptimize(qz8::IndexOfColour(false, own, last));
}
BENCHMARK(BM_IndexOfColour_100k_Present)->Unit(benchmark::kMicrosecond);

void BM_Paint1000Rows_ColourListbox(benchmark::State& state)
{
    qz8::MyColourArray = qz8::WebNamedColors();
    qz8::TColourSharingListbox list;
    list.resize(300, 400);
    list.show();
    list.SetShowText(qz8::ShowBit(qz8::ts_index) | qz8::ShowBit(qz8::ts_hex) | qz8::ShowBit(qz8::ts_description));
    QImage target(300, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    list.Canvas().Attach(&painter);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            list.MyDrawItem(&list, i % 147, qz8::Rect(0, 0, 300, 16),
                            i % 9 == 0 ? qz8::TOwnerDrawState(qz8::odSelected) : 0u);
    list.Canvas().Detach();
}
BENCHMARK(BM_Paint1000Rows_ColourListbox)->Unit(benchmark::kMillisecond);

void BM_Paint1000Rows_ColourCombo(benchmark::State& state)
{
    qz8::MyColourArray = qz8::WebNamedColors();
    qz8::TColourSharingCombo combo;
    combo.show();
    QImage target(300, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    combo.Canvas().Attach(&painter);
    combo.Canvas().Brush = qz8::TBrush{qz8::clWhite, qz8::bsSolid};
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            combo.DrawItem(i % 147, qz8::Rect(0, 0, 300, 16), i % 9 == 0 ? qz8::TOwnerDrawState(qz8::odSelected) : 0u);
    combo.Canvas().Detach();
}
BENCHMARK(BM_Paint1000Rows_ColourCombo)->Unit(benchmark::kMillisecond);

} // namespace
