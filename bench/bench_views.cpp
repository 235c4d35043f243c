// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Painting the margin grab panel, and a 10,000-node styled tree view against
// a plain QTreeWidget holding the same texts (one screen of each painted,
// header included).
#include "controls/My_StyledTMSComponents.h"

#include <QImage>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kNodes = 10'000;

// The same tree for both views: 100 parents of 99 children, expanded.
void Fill(QTreeWidget& tree)
{
    tree.setColumnCount(2);
    tree.setHeaderLabels({QStringLiteral("Word"), QStringLiteral("Frequency")});
    for (int p = 0; p < kNodes / 100; ++p) {
        auto* parent =
            new QTreeWidgetItem(&tree, QStringList{QStringLiteral("cluster %1").arg(p), QString::number(p * 7)});
        for (int c = 0; c < 99; ++c)
            new QTreeWidgetItem(parent, QStringList{QStringLiteral("word %1-%2").arg(p).arg(c), QString::number(c)});
        parent->setExpanded(true);
    }
}

void PaintScreens(benchmark::State& state, QTreeWidget& tree)
{
    tree.resize(400, 600);
    tree.show();
    QImage target(tree.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            tree.render(&target);
}

void BM_Paint10kTree_StyledTreeView(benchmark::State& state)
{
    qz8::TMyAdvTreeView tree;
    Fill(tree);
    tree.SetComponentStyle(qz8::tsOceanBlue);
    PaintScreens(state, tree);
}
BENCHMARK(BM_Paint10kTree_StyledTreeView)->Unit(benchmark::kMillisecond);

void BM_Paint10kTree_QTreeWidget(benchmark::State& state)
{
    QTreeWidget tree;
    tree.setUniformRowHeights(true);
    Fill(tree);
    PaintScreens(state, tree);
}
BENCHMARK(BM_Paint10kTree_QTreeWidget)->Unit(benchmark::kMillisecond);

void BM_PaintMarginPanel(benchmark::State& state)
{
    QWidget sheet;
    sheet.resize(420, 594);
    auto* panel = new qz8::TNotepadGrabPanel(&sheet);
    panel->SetParentControl(&sheet);
    panel->SetToMargins({1, 1, 1, 1}, 210, 297);
    sheet.show();
    QImage target(panel->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            panel->render(&target);
}
BENCHMARK(BM_PaintMarginPanel)->Unit(benchmark::kMillisecond);

} // namespace
