// 200,000 file names on the application drive, as a multi-file edit holds
// them: saved and read through the form state file (the drive found once per
// save or read), against finding the drive for every name as a save did
// before (each name contracted outside a scope).
#include "external/ElPack.h"
#include "platform/Drives_p.h"
#include "settings/Drive_Utils.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

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

} // namespace
