// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// What a user feels first: a tool window of about 200 persisted controls,
// with a tool bar of master-list icons and a style, from construction to its
// first paint, reading its form state file; against the same window of plain
// Qt widgets restoring the same values through QSettings (IniFormat).
#include "bench_util.h"
#include "first_paint_windows.h"
#include "settings/ReadAndSaveIni.h"

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using qz8bench::kControls;
using qz8bench::PlainWindow;
using qz8bench::ToolWindow;

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// A shown window paints first when the event loop comes round: what was
// posted until then (layout requests, polish, the window's own events) is
// delivered before the paint, for both windows alike.
void FirstPaint(QWidget& window, QImage& target)
{
    QCoreApplication::processEvents();
    window.render(&target);
}

void Prepare(const QString& ini, const QString& qsettings)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qz8::Global_TMSStyle = qz8::tsOceanBlue;
    qz8::MEMINI_check_filenames = false;
    {
        ToolWindow w(ini);
        qz8bench::SetKeptValues(w);
    } // saved at destruction
    QSettings s(qsettings, QSettings::IniFormat);
    qz8bench::WriteKeptValues(s);
    s.sync();
}

// What each benchmark times: a window made, shown (ours reads its form
// state file, styles and corrects) and painted for the first time.
std::unique_ptr<ToolWindow> OpenToolWindow(const QString& ini, QImage& target)
{
    auto w = std::make_unique<ToolWindow>(ini);
    w->show();
    FirstPaint(*w, target);
    return w;
}

std::unique_ptr<PlainWindow> OpenPlainWindow(const QString& qsettings, QImage& target)
{
    auto w =
        std::make_unique<PlainWindow>([](int command) { return qz8::ImageListIcon(qz8::ImageListMain(), command); });
    QSettings s(qsettings, QSettings::IniFormat);
    w->Restore(s);
    w->show();
    FirstPaint(*w, target);
    return w;
}

// Closes a window outside the timing: the save at destruction is not part
// of the first paint.
template <class Window>
void CloseUntimed(benchmark::State& state, std::unique_ptr<Window>& w)
{
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
}

void BM_FirstPaint_ToolWindow(benchmark::State& state)
{
    const QString ini = Dir().filePath("tool.ini"), qs = Dir().filePath("plain.ini");
    Prepare(ini, qs);
    QImage target(1200, 900, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto w = OpenToolWindow(ini, target);
        CloseUntimed(state, w);
    }
}
BENCHMARK(BM_FirstPaint_ToolWindow)->Unit(benchmark::kMillisecond);

void BM_FirstPaint_PlainQtWithQSettings(benchmark::State& state)
{
    const QString ini = Dir().filePath("tool.ini"), qs = Dir().filePath("plain.ini");
    Prepare(ini, qs);
    QImage target(1200, 900, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto w = OpenPlainWindow(qs, target);
        CloseUntimed(state, w);
    }
}
BENCHMARK(BM_FirstPaint_PlainQtWithQSettings)->Unit(benchmark::kMillisecond);

// The two windows in turn, round by round: the ratio ours / Qt's own that the
// goal is stated in, free of the drift between two separate benchmarks.
void BM_FirstPaint_RoundByRound(benchmark::State& state)
{
    const QString ini = Dir().filePath("tool.ini"), qs = Dir().filePath("plain.ini");
    Prepare(ini, qs);
    QImage target(1200, 900, QImage::Format_ARGB32_Premultiplied);
    qz8bench::RoundByRound rounds;
    for (auto _ : state) {
        std::unique_ptr<ToolWindow> ours;
        rounds.Time(state, 0, [&] { ours = OpenToolWindow(ini, target); });
        CloseUntimed(state, ours);
        std::unique_ptr<PlainWindow> plain;
        rounds.Time(state, 1, [&] { plain = OpenPlainWindow(qs, target); });
        CloseUntimed(state, plain);
    }
    rounds.Report(state, "ours/Qt");
}
BENCHMARK(BM_FirstPaint_RoundByRound)->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace
