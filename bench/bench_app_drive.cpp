// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// 200,000 file names on the application drive, as a multi-file edit holds
// them: saved and read through the form state file (the drive found once per
// save or read), against finding the drive for every name as a save did
// before (each name contracted outside a scope); and the check of remembered
// names at a read.
#include "external/ElPack.h"
#include "platform/Drives_p.h"
#include "settings/Drive_Utils.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kNames = 200'000;

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

void OnAStick()
{
    qz8::DriveUtilsMountTable = Dir().filePath(QStringLiteral("mounts"));
    QFile f(qz8::DriveUtilsMountTable);
    if (f.open(QIODevice::WriteOnly))
        f.write("/dev/root / ext4 rw 0 0\n/dev/sdb1 /mnt/stick vfat rw 0 0\n");
    qz8::OverrideExeName(QStringLiteral("/mnt/stick/tools/viewer"));
}

void BM_MultiFileEdit_200kNames_SaveAndRead(benchmark::State& state)
{
    OnAStick();
    qz8::TForm form;
    auto* edit = new qz8::TElFileNameEdit(&form);
    edit->setObjectName(QStringLiteral("Files"));
    edit->SetOptions(qz8::OpenOptionBit(qz8::ofAllowMultiSelect));
    for (int i = 0; i < kNames; ++i)
        edit->Files().Add(QStringLiteral("/mnt/stick/corpus/text%1.txt").arg(i));
    const QString ini = Dir().filePath(QStringLiteral("files.ini"));
    for (auto _ : state) {
        qz8::SaveIni(&form, ini);
        edit->Files().Clear();
        qz8::ReadIni(&form, ini);
    }
    state.counters["names"] = edit->Files().Count();
}
BENCHMARK(BM_MultiFileEdit_200kNames_SaveAndRead)->Unit(benchmark::kMillisecond);

void BM_200kNames_DriveOncePerSave(benchmark::State& state)
{
    OnAStick();
    for (auto _ : state) {
        const qz8::TAppDriveScope scope;
        for (int i = 0; i < kNames; ++i)
            benchmark::DoNotOptimize(qz8::ContractAppDrive(QStringLiteral("/mnt/stick/corpus/t%1.txt").arg(i)));
    }
}
BENCHMARK(BM_200kNames_DriveOncePerSave)->Unit(benchmark::kMillisecond);

void BM_200kNames_DrivePerName_AsBefore(benchmark::State& state)
{
    OnAStick();
    for (auto _ : state)
        for (int i = 0; i < kNames; ++i)
            benchmark::DoNotOptimize(qz8::ContractAppDrive(QStringLiteral("/mnt/stick/corpus/t%1.txt").arg(i)));
}
BENCHMARK(BM_200kNames_DrivePerName_AsBefore)->Unit(benchmark::kMillisecond)->Iterations(1);

// A read of a multi-file edit's remembered names, every name checked (a
// file there, or a file gone whose folder is there), next to the same read
// with no name checked (the file parsed, the list handed to the edit), at
// 1,000, 10,000 and 200,000 names.
QString RememberedFile(int names)
{
    const QString folder = Dir().filePath(QStringLiteral("corpus"));
    if (!QDir(folder).exists()) {
        QDir().mkpath(folder);
        for (int i = 0; i < 1000; ++i) {
            QFile f(folder + QStringLiteral("/text%1.txt").arg(i));
            f.open(QIODevice::WriteOnly);
        }
    }
    // Half the names are files there (each of them many times), half files
    // gone from a folder that is there.
    qz8::TStringList lines;
    for (int i = 0; i < names; ++i)
        lines.Add(folder +
                  (i % 2 ? QStringLiteral("/gone%1.txt").arg(i) : QStringLiteral("/text%1.txt").arg(i % 1000)));
    const QString ini = Dir().filePath(QStringLiteral("remembered%1.ini").arg(names));
    qz8::TMyMemIniFile file(ini);
    file.Clear();
    file.WriteMultiString(QStringLiteral("Files"), lines, 50);
    file.UpdateFile();
    return ini;
}

void ReadRemembered(benchmark::State& state, bool checked)
{
    const int names = static_cast<int>(state.range(0));
    const QString ini = RememberedFile(names);
    qz8::TForm form;
    auto* edit = new qz8::TElFileNameEdit(&form);
    edit->setObjectName(QStringLiteral("Files"));
    edit->SetOptions(qz8::OpenOptionBit(qz8::ofAllowMultiSelect));
    for (auto _ : state) {
        edit->Files().Clear();
        if (checked) {
            qz8::ReadIni(&form, ini);
            continue;
        }
        const qz8::TMyMemIniFile file(ini);
        qz8::TStringList stored;
        file.ReadMultiString(QStringLiteral("Files"), stored);
        for (int i = 0; i < stored.Count(); ++i)
            edit->Files().AddObject(stored[i], stored.Objects(i));
    }
    state.counters["names"] = edit->Files().Count();
}

void BM_ReadIni_RememberedNames(benchmark::State& state) { ReadRemembered(state, true); }
BENCHMARK(BM_ReadIni_RememberedNames)->Arg(1000)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_ReadIni_RememberedNamesUnchecked(benchmark::State& state) { ReadRemembered(state, false); }
BENCHMARK(BM_ReadIni_RememberedNamesUnchecked)->Arg(1000)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace
