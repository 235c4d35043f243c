// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Reading and writing a 100,000-key INI file: TMyMemIniFile against QSettings
// in IniFormat on the same content.
#include "store/MemIniFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSections = 1000;
constexpr int kKeysPerSection = 100; // 100,000 keys in all

// The content, made once so the runs time the INI work only.
struct Content {
    std::vector<QString> sections, keys, fullKeys, values;
    Content()
    {
        for (int s = 0; s < kSections; ++s)
            sections.push_back(QStringLiteral("Control%1").arg(s));
        for (int k = 0; k < kKeysPerSection; ++k)
            keys.push_back(QStringLiteral("key%1").arg(k));
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k) {
                fullKeys.push_back(sections[s] + QLatin1Char('/') + keys[k]);
                values.push_back(QStringLiteral("value %1 of %2").arg(k).arg(s));
            }
    }
};
const Content& C()
{
    static const Content c;
    return c;
}
const QString& Section(int s) { return C().sections[s]; }
const QString& Key(int k) { return C().keys[k]; }
const QString& Value(int s, int k) { return C().values[s * kKeysPerSection + k]; }
const QString& FullKey(int s, int k) { return C().fullKeys[s * kKeysPerSection + k]; }

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

QString FilledFile()
{
    const QString name = Dir().filePath(QStringLiteral("filled.ini"));
    if (!QFile::exists(name)) {
        qz8::TMyMemIniFile ini(name);
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                ini.WriteString(Section(s), Key(k), Value(s, k));
        ini.UpdateFile();
    }
    return name;
}

void BM_MemIni_Write(benchmark::State& state)
{
    const QString name = Dir().filePath(QStringLiteral("memini_write.ini"));
    C();
    for (auto _ : state) {
        qz8::TMyMemIniFile ini(name);
        ini.Clear();
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                ini.WriteString(Section(s), Key(k), Value(s, k));
        ini.UpdateFile();
    }
}
BENCHMARK(BM_MemIni_Write)->Unit(benchmark::kMillisecond);

void BM_QSettings_Write(benchmark::State& state)
{
    const QString name = Dir().filePath(QStringLiteral("qsettings_write.ini"));
    C();
    for (auto _ : state) {
        QFile::remove(name);
        QSettings ini(name, QSettings::IniFormat);
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                ini.setValue(FullKey(s, k), Value(s, k));
        ini.sync();
    }
}
BENCHMARK(BM_QSettings_Write)->Unit(benchmark::kMillisecond);

void BM_MemIni_Read(benchmark::State& state)
{
    const QString name = FilledFile();
    for (auto _ : state) {
        qz8::TMyMemIniFile ini(name);
        qsizetype total = 0;
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                total += ini.ReadString(Section(s), Key(k), QString()).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_MemIni_Read)->Unit(benchmark::kMillisecond);

void BM_QSettings_Read(benchmark::State& state)
{
    const QString name = FilledFile();
    for (auto _ : state) {
        QSettings ini(name, QSettings::IniFormat);
        qsizetype total = 0;
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                total += ini.value(FullKey(s, k)).toString().size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_QSettings_Read)->Unit(benchmark::kMillisecond);

} // namespace
