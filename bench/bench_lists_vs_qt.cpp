// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The list boxes against Qt's own lists over the same rows, in one run:
// type-ahead that finds nothing (every row asked once), Shift+End and
// Ctrl+A on 10,000,000 rows, filling 1,000,000 rows one by one up to the
// first paint, and scrolling page by page so new rows come on screen.
#include "bench_util.h"
#include "controls/My_StyledTMSComponents.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTenMillion = 10'000'000;
constexpr int kMillion = 1'000'000;

// Every tenth row a word, the others numbers, as a frequency list shows.
QString Row(int i) { return i % 10 == 0 ? QStringLiteral("word%1").arg(i) : QString::number(i); }

// Qt's side of a virtual list: a model that makes each row's text when asked.
class RowModel : public QAbstractListModel {
public:
    explicit RowModel(int rows) : fRows(rows) { }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : fRows; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(Row(index.row())) : QVariant();
    }

private:
    int fRows;
};

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &press);
}

// A shown QListView over the model, multi-selecting where asked.
std::unique_ptr<QListView> ViewOf(RowModel& model, bool multi)
{
    auto view = std::make_unique<QListView>();
    view->setUniformItemSizes(true);
    if (multi)
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setModel(&model);
    view->resize(300, 400);
    view->show();
    return view;
}

qz8::TStyledListbox* VirtualStyled(int rows)
{
    auto* list = new qz8::TStyledListbox;
    list->SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
    list->OnGetStringAndInt = [](QObject*, int i, qz8::TStringAndIntegerRec& rec) { rec.S = Row(i); };
    list->SetCount(rows);
    list->resize(300, 400);
    return list;
}

void BM_TypeAheadMiss_StyledListbox(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    for (auto _ : state) {
        QApplication::setKeyboardInputInterval(0); // every search starts afresh
        benchmark::DoNotOptimize(list->KeyboardSearch(QStringLiteral("x")));
    }
}
BENCHMARK(BM_TypeAheadMiss_StyledListbox)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_TypeAheadMiss_QListView(benchmark::State& state)
{
    RowModel model(kTenMillion);
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.setCurrentIndex(model.index(0));
    for (auto _ : state) {
        view.keyboardSearch(QString()); // a fresh search
        view.keyboardSearch(QStringLiteral("x"));
        benchmark::DoNotOptimize(view.currentIndex());
    }
}
BENCHMARK(BM_TypeAheadMiss_QListView)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ShiftEnd_StyledListbox(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    list->SetMultiSelect(true);
    list->show();
    for (auto _ : state) {
        list->SetItemIndex(0);
        Key(list.get(), Qt::Key_End, Qt::ShiftModifier);
        benchmark::DoNotOptimize(list->SelCount());
    }
}
BENCHMARK(BM_ShiftEnd_StyledListbox)->Unit(benchmark::kMillisecond);

void BM_ShiftEnd_QListView(benchmark::State& state)
{
    RowModel model(kTenMillion);
    const auto view = ViewOf(model, true);
    for (auto _ : state) {
        view->setCurrentIndex(model.index(0));
        Key(view.get(), Qt::Key_End, Qt::ShiftModifier);
        benchmark::DoNotOptimize(view->selectionModel()->hasSelection());
    }
}
BENCHMARK(BM_ShiftEnd_QListView)->Unit(benchmark::kMillisecond);

void BM_SelectAll_StyledListbox(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    list->SetMultiSelect(true);
    list->show();
    const long before = qz8bench::ResidentKiB();
    for (auto _ : state) {
        list->ClearSelection();
        Key(list.get(), Qt::Key_A, Qt::ControlModifier);
        benchmark::DoNotOptimize(list->SelCount());
    }
    state.counters["rows_selected"] = list->SelCount();
    state.counters["rss_growth_KiB"] = static_cast<double>(qz8bench::ResidentKiB() - before);
}
BENCHMARK(BM_SelectAll_StyledListbox)->Unit(benchmark::kMicrosecond);

void BM_SelectAll_QListView(benchmark::State& state)
{
    RowModel model(kTenMillion);
    const auto view = ViewOf(model, true);
    for (auto _ : state) {
        view->clearSelection();
        Key(view.get(), Qt::Key_A, Qt::ControlModifier);
        benchmark::DoNotOptimize(view->selectionModel()->hasSelection());
    }
}
BENCHMARK(BM_SelectAll_QListView)->Unit(benchmark::kMicrosecond);

// A million rows added one by one, then shown and painted once.
void BM_FillRowByRow_StyledListbox(benchmark::State& state)
{
    for (auto _ : state) {
        const long before = qz8bench::ResidentKiB();
        auto list = std::make_unique<qz8::TStyledListbox>();
        list->resize(300, 400);
        for (int i = 0; i < kMillion; ++i)
            list->Items().Add(Row(i));
        list->show();
        QCoreApplication::processEvents();
        QImage target(list->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        list->viewport()->render(&target);
        state.counters["bytes_per_row"] = (qz8bench::ResidentKiB() - before) * 1024.0 / kMillion;
    }
}
BENCHMARK(BM_FillRowByRow_StyledListbox)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FillRowByRow_QListWidget(benchmark::State& state)
{
    for (auto _ : state) {
        const long before = qz8bench::ResidentKiB();
        auto list = std::make_unique<QListWidget>();
        list->resize(300, 400);
        list->setUniformItemSizes(true);
        for (int i = 0; i < kMillion; ++i)
            list->addItem(Row(i));
        list->show();
        QCoreApplication::processEvents();
        QImage target(list->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        list->viewport()->render(&target);
        state.counters["bytes_per_row"] = (qz8bench::ResidentKiB() - before) * 1024.0 / kMillion;
    }
}
BENCHMARK(BM_FillRowByRow_QListWidget)->Unit(benchmark::kMillisecond)->Iterations(1);

// Page Down and a repaint, 200 times, each iteration going on from where
// the last one stopped: rows never seen before on every page.
void BM_ScrollPages_StyledListbox(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    list->show();
    QImage target(list->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const long before = qz8bench::ResidentKiB();
    for (auto _ : state) {
        for (int page = 0; page < 200; ++page) {
            Key(list.get(), Qt::Key_PageDown);
            list->viewport()->render(&target);
        }
    }
    // What the texts kept shaped cost (the cache is bounded).
    state.counters["rss_growth_KiB"] = static_cast<double>(qz8bench::ResidentKiB() - before);
}
BENCHMARK(BM_ScrollPages_StyledListbox)->Unit(benchmark::kMillisecond);

void BM_ScrollPages_QListView(benchmark::State& state)
{
    RowModel model(kTenMillion);
    const auto view = ViewOf(model, false);
    QImage target(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view->setCurrentIndex(model.index(0));
    for (auto _ : state) {
        for (int page = 0; page < 200; ++page) {
            Key(view.get(), Qt::Key_PageDown);
            view->viewport()->render(&target);
        }
    }
}
BENCHMARK(BM_ScrollPages_QListView)->Unit(benchmark::kMillisecond);

// The goals' ratios, ours and Qt's in turn within each iteration.
void BM_TypeAheadMiss_RoundByRound(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    RowModel model(kTenMillion);
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.setCurrentIndex(model.index(0));
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        rounds.Time(state, 0, [&] {
            QApplication::setKeyboardInputInterval(0);
            benchmark::DoNotOptimize(list->KeyboardSearch(QStringLiteral("x")));
        });
        rounds.Time(state, 1, [&] {
            view.keyboardSearch(QString());
            view.keyboardSearch(QStringLiteral("x"));
            benchmark::DoNotOptimize(view.currentIndex());
        });
    }
    rounds.Report(state, "ours/Qt");
}
BENCHMARK(BM_TypeAheadMiss_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_ScrollPages_RoundByRound(benchmark::State& state)
{
    std::unique_ptr<qz8::TStyledListbox> list(VirtualStyled(kTenMillion));
    list->show();
    RowModel model(kTenMillion);
    const auto view = ViewOf(model, false);
    view->setCurrentIndex(model.index(0));
    QImage ours(list->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QImage theirs(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        rounds.Time(state, 0, [&] {
            for (int page = 0; page < 200; ++page) {
                Key(list.get(), Qt::Key_PageDown);
                list->viewport()->render(&ours);
            }
        });
        rounds.Time(state, 1, [&] {
            for (int page = 0; page < 200; ++page) {
                Key(view.get(), Qt::Key_PageDown);
                view->viewport()->render(&theirs);
            }
        });
    }
    rounds.Report(state, "ours/Qt");
}
BENCHMARK(BM_ScrollPages_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
