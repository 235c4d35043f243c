// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Painting a viewport of 40 rows: the styled list box against a plain
// QListWidget with its default delegate painting the same texts; and a
// 10,000,000-row virtual list against a 100-row list painting one screen.
#include "bench_util.h"
#include "controls/My_StyledTMSComponents.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 40;
constexpr int kRowHeight = 16;

QString RowText(int i)
{
    switch (i % 5) {
    case 0: return QString::number(i * 37);
    case 1: return QString::number(i * 3.25, 'f', 2);
    case 2: return QStringLiteral("/home/analyst/corpora/english/novels/volume_%1/chapter.txt").arg(i);
    case 3: return QStringLiteral("collocate %1").arg(i);
    default: return QStringLiteral("a plain row of text number %1 in the list").arg(i);
    }
}

void Paint(QWidget* viewport, QImage& target) { viewport->render(&target); }

void BM_Paint40Rows_StyledListbox(benchmark::State& state)
{
    qz8::TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(300, kRows * kRowHeight);
    list.SetItemHeight(kRowHeight);
    for (int i = 0; i < kRows; ++i)
        list.Items().Add(RowText(i));
    list.show();
    QImage target(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            Paint(list.viewport(), target);
}
BENCHMARK(BM_Paint40Rows_StyledListbox)->Unit(benchmark::kMillisecond);

void BM_Paint40Rows_QListWidget(benchmark::State& state)
{
    QListWidget list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(300, kRows * kRowHeight);
    list.setUniformItemSizes(true);
    for (int i = 0; i < kRows; ++i) {
        auto* item = new QListWidgetItem(RowText(i), &list);
        item->setSizeHint(QSize(300, kRowHeight));
    }
    list.show();
    QImage target(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            Paint(list.viewport(), target);
}
BENCHMARK(BM_Paint40Rows_QListWidget)->Unit(benchmark::kMillisecond);

// One screen of a virtual list fed row by row, at its end. Row texts repeat
// every 100 rows, so both lists paint the same texts and only the count
// differs.
void BM_PaintScreen_Virtual(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    qz8::TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(300, kRows * kRowHeight);
    list.SetItemHeight(kRowHeight);
    list.SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
    list.OnGetStringAndInt = [](QObject*, int index, qz8::TStringAndIntegerRec& rec) { rec.S = RowText(index % 100); };
    list.SetCount(count);
    list.show();
    list.SetTopIndex(count - kRows);
    QImage target(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        Paint(list.viewport(), target);
}
BENCHMARK(BM_PaintScreen_Virtual)->Arg(100)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// Shift+End on a virtual list of 10,000,000 rows: the selection is one
// range, so the time and the memory do not grow with the rows.
void BM_ShiftEndOn10MillionRows(benchmark::State& state)
{
    qz8::TListBox list;
    list.SetStyle(qz8::TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int i, QString& s) { s = QString::number(i); };
    list.SetCount(10'000'000);
    list.SetMultiSelect(true);
    list.resize(300, 400);
    list.show();
    const long before = qz8bench::ResidentKiB();
    for (auto _ : state) {
        list.SetItemIndex(0);
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&list, &end);
        benchmark::DoNotOptimize(list.SelCount());
    }
    state.counters["rows_selected"] = list.SelCount();
    state.counters["rss_growth_KiB"] = static_cast<double>(qz8bench::ResidentKiB() - before);
}
BENCHMARK(BM_ShiftEndOn10MillionRows)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The worst type-ahead: no row of 10,000,000 starts with what was typed, so
// each row's text is asked once.
void BM_TypeAheadMissOn10MillionRows(benchmark::State& state)
{
    qz8::TListBox list;
    list.SetStyle(qz8::TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int i, QString& s) { s = QString::number(i); };
    list.SetCount(10'000'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.KeyboardSearch(QStringLiteral("x")));
}
BENCHMARK(BM_TypeAheadMissOn10MillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
