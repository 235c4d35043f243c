// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The string list's rows (texts in shared blocks) against the storage it
// replaced (one QString and one 40-byte item a row), in one run, ours and
// the former in turn within each iteration: adding, sorting and IndexOf on
// 1,000,000 rows, and a styled list box over each for type-ahead and
// scrolling with painting. The former storage reaches the list box through
// its row event, which calls one std::function more a row than the former
// list box did: the list-box rounds lean slightly the former's way.
#include "bench_util.h"
#include "controls/My_StyledTMSComponents.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kMillion = 1'000'000;

// Twelve letters in mixed case, in no order.
QString Row(int i)
{
    quint32 h = static_cast<quint32>(i) * 2654435761u + 12345u;
    QString s(12, Qt::Uninitialized);
    for (int k = 0; k < 12; ++k) {
        h = h * 1103515245u + 12345u;
        const auto letter = static_cast<char16_t>(((h >> 16) % 26) + ((h >> 8) % 4 == 0 ? u'A' : u'a'));
        s[k] = QChar(letter);
    }
    return s;
}

// The former storage, as it was: a QString and an item per row.
class FormerStringList {
public:
    struct Item {
        QString text;
        qz8::TObjectValue object = 0;
        bool mark = false;
    };
    int Count() const { return static_cast<int>(fItems.size()); }
    QString Get(int i) const { return fItems[static_cast<size_t>(i)].text; }
    int Add(const QString& s)
    {
        fItems.insert(fItems.end(), Item{s, 0, false});
        return Count() - 1;
    }
    int IndexOf(const QString& s) const
    {
        for (int i = 0; i < Count(); ++i)
            if (Get(i).compare(s, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    void Sort()
    {
        std::stable_sort(fItems.begin(), fItems.end(),
                         [](const Item& x, const Item& y) { return x.text.compare(y.text, Qt::CaseInsensitive) < 0; });
    }

private:
    std::vector<Item> fItems;
};

void Fill(qz8::TStrings& list, int rows)
{
    for (int i = 0; i < rows; ++i)
        list.Add(Row(i));
}

void Fill(FormerStringList& list, int rows)
{
    for (int i = 0; i < rows; ++i)
        list.Add(Row(i));
}

// The same million rows in both storages.
struct FilledStorages {
    FilledStorages()
    {
        Fill(ours, kMillion);
        Fill(former, kMillion);
    }
    qz8::TStringList ours;
    FormerStringList former;
};

void BM_StringRows_Add_RoundByRound(benchmark::State& state)
{
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        auto ours = std::make_unique<qz8::TStringList>();
        auto former = std::make_unique<FormerStringList>();
        rounds.Time(state, 0, [&] { Fill(*ours, kMillion); });
        rounds.Time(state, 1, [&] { Fill(*former, kMillion); });
        state.PauseTiming();
        ours.reset();
        former.reset();
        state.ResumeTiming();
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_Add_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StringRows_Sort_RoundByRound(benchmark::State& state)
{
    const FilledStorages filled;
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        state.PauseTiming();
        qz8::TStringList ours = filled.ours;
        FormerStringList former = filled.former;
        state.ResumeTiming();
        rounds.Time(state, 0, [&] { ours.Sort(); });
        rounds.Time(state, 1, [&] { former.Sort(); });
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_Sort_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StringRows_IndexOfMiss_RoundByRound(benchmark::State& state)
{
    const FilledStorages filled;
    const qz8::TStringList& ours = filled.ours;
    const FormerStringList& former = filled.former;
    const QString missing = QStringLiteral("not a row at all");
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        rounds.Time(state, 0, [&] { benchmark::DoNotOptimize(ours.IndexOf(missing)); });
        rounds.Time(state, 1, [&] { benchmark::DoNotOptimize(former.IndexOf(missing)); });
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_IndexOfMiss_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

// Making every row's QString: what the shared blocks pay for (a copy a
// row where the former storage shared its QString).
void BM_StringRows_GetEvery_RoundByRound(benchmark::State& state)
{
    const FilledStorages filled;
    const qz8::TStringList& ours = filled.ours;
    const FormerStringList& former = filled.former;
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        rounds.Time(state, 0, [&] {
            for (int i = 0; i < kMillion; ++i)
                benchmark::DoNotOptimize(ours.Get(i).size());
        });
        rounds.Time(state, 1, [&] {
            for (int i = 0; i < kMillion; ++i)
                benchmark::DoNotOptimize(former.Get(i).size());
        });
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_GetEvery_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

// Two styled list boxes of the same million rows: one holding them, one
// reading the former storage through its row event.
struct ListPair {
    ListPair()
    {
        Fill(ours.Items(), kMillion);
        Fill(rows, kMillion);
        former.OnGetStringAndInt = [this](QObject*, int i, qz8::TStringAndIntegerRec& rec) { rec.S = rows.Get(i); };
        former.SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
        former.SetCount(kMillion);
        for (qz8::TStyledListbox* list : {&ours, &former}) {
            list->resize(300, 400);
            list->show();
        }
    }
    qz8::TStyledListbox ours;
    FormerStringList rows;
    qz8::TStyledListbox former;
};

void BM_StringRows_TypeAheadMiss_RoundByRound(benchmark::State& state)
{
    ListPair lists;
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        for (int side = 0; side < 2; ++side) {
            qz8::TStyledListbox& list = side == 0 ? lists.ours : lists.former;
            rounds.Time(state, side, [&] {
                QApplication::setKeyboardInputInterval(0); // every search starts afresh
                benchmark::DoNotOptimize(list.KeyboardSearch(QStringLiteral("#")));
            });
        }
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_TypeAheadMiss_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StringRows_ScrollPages_RoundByRound(benchmark::State& state)
{
    ListPair lists;
    QImage target(lists.ours.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        for (int side = 0; side < 2; ++side) {
            qz8::TStyledListbox& list = side == 0 ? lists.ours : lists.former;
            rounds.Time(state, side, [&] {
                for (int page = 0; page < 200; ++page) {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
                    QCoreApplication::sendEvent(&list, &press);
                    list.viewport()->render(&target);
                }
            });
        }
    }
    rounds.Report(state, "shared/former");
}
BENCHMARK(BM_StringRows_ScrollPages_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
