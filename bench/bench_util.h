// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Shared pieces of the benchmarks.
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace qz8bench {

// Work that a tool does once per window (a save at close, a walk when the
// window is styled) never runs from a warm cache: each iteration of such a
// benchmark starts with the caches flushed, outside the timing, so a window
// of 1,000 components is not measured from cache while one of 10,000 is not.
inline void FlushCaches(benchmark::State& state)
{
    state.PauseTiming();
    static std::vector<char> buffer(64 * 1024 * 1024);
    for (size_t i = 0; i < buffer.size(); i += 64)
        buffer[i] = static_cast<char>(buffer[i] + 1);
    benchmark::DoNotOptimize(buffer.data());
    state.ResumeTiming();
}

// Windows made once per size and kept to the end of the process: they must
// not outlive the application object, so they are never destroyed.
template <class Window>
Window& KeptWindow(int size)
{
    static auto* windows = new std::vector<std::pair<int, Window*>>;
    for (auto& [n, w] : *windows)
        if (n == size)
            return *w;
    windows->emplace_back(size, new Window(size));
    return *windows->back().second;
}

// The process's resident memory in KiB (Linux; 0 elsewhere).
inline long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Ours and the peer timed in turn within each iteration, each from flushed
// caches; Report gives the median of the per-round ratios ours / peer and
// the ratio of the sums, so a slow patch of the machine falls on both.
class RoundByRound {
public:
    template <class Work>
    void Time(benchmark::State& state, int side, const Work& work)
    {
        FlushCaches(state);
        QElapsedTimer t;
        t.start();
        work();
        fNs[side].push_back(static_cast<double>(t.nsecsElapsed()));
    }
    void Report(benchmark::State& state, const char* name) const
    {
        std::vector<double> ratios;
        double sum[2] = {0, 0};
        for (size_t i = 0; i < fNs[0].size() && i < fNs[1].size(); ++i) {
            ratios.push_back(fNs[0][i] / fNs[1][i]);
            sum[0] += fNs[0][i];
            sum[1] += fNs[1][i];
        }
        if (ratios.empty())
            return;
        std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
        state.counters[std::string(name) + " median"] = ratios[ratios.size() / 2];
        state.counters[std::string(name) + " of sums"] = sum[0] / sum[1];
    }

private:
    std::vector<double> fNs[2];
};

} // namespace qz8bench
