#pragma once
// Shared pieces of the benchmarks.
#include <QFile>
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

} // namespace qz8bench
