// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The form state store's costs: the GUI thread's part of one change in a
// shown window of 2,000 controls (goal: at most 1 ms), and a three-step
// migration of a file of 2,000 and 8,000 controls against a plain read of
// the migrated file (goal: at most twice).
#include "bench_util.h"
#include "form/FormStateAutosave_p.h"
#include "form/baseTMSStyleable_F.h"
#include "settings/ReadAndSaveIni.h"
#include "store/FormStateMigrations.h"
#include "store/MemIniFile.h"
#include "toolkit/Forms.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <ctime>

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// A tool window of spin boxes and line edits, shown (its file read).
class ShownTool : public qz8::TTMSStyleableRepositoryForm {
public:
    explicit ShownTool(int controls) : fIni(Dir().filePath(QStringLiteral("shown%1.ini").arg(controls)))
    {
        setObjectName("ShownTool");
        auto* page = new QWidget(this);
        for (int i = 0; i < controls; ++i) {
            QWidget* w = nullptr;
            if (i % 2) {
                auto* spin = new QSpinBox(page);
                spin->setRange(0, 1'000'000);
                spin->setValue(i);
                spins.push_back(spin);
                w = spin;
            } else {
                w = new QLineEdit(QStringLiteral("text of control %1").arg(i), page);
            }
            w->setObjectName(QStringLiteral("Control%1").arg(i));
        }
        setCentralWidget(page);
        show();
        QCoreApplication::processEvents();
    }
    QString TheIniName() override { return fIni; }
    std::vector<QSpinBox*> spins;

private:
    QString fIni;
};

void BM_DurableState_OneChangeOnTheGuiThread(benchmark::State& state)
{
    ShownTool& w = qz8bench::KeptWindow<ShownTool>(static_cast<int>(state.range(0)));
    qz8::TFormStateAutosave* autosave = qz8::TFormStateAutosave::Of(&w);
    static int value = 0; // every change a new value, over the benchmark's runs
    int collected = 0;
    for (auto _ : state) {
        // The change, through the control's signal, and what the GUI thread
        // collects for the write.
        ++value;
        w.spins[static_cast<size_t>(value) % w.spins.size()]->setValue(value);
        collected += autosave->Collect() != nullptr;
    }
    // Every change was collected for a write (else nothing was measured).
    if (collected != state.iterations())
        state.SkipWithError("a change was not collected");
}
BENCHMARK(BM_DurableState_OneChangeOnTheGuiThread)->Arg(2000)->Unit(benchmark::kMicrosecond);

// A spin box's arrow held down for five seconds in a shown 2,000-control
// window (a step every 50 ms, as auto-repeat does): the counter "writes" is
// how often the file changed, until two seconds after the release (goal: at
// most 3).
// Runs the event loop for ms milliseconds.
void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_DurableState_WritesWhileASpinBoxIsHeld(benchmark::State& state)
{
    ShownTool& w = qz8bench::KeptWindow<ShownTool>(2000);
    const QString file = w.TheIniName();
    w.FlushFormState();
    int writes = 0;
    for (auto _ : state) {
        QDateTime last = QFileInfo(file).lastModified();
        const auto poll = [&] {
            const QDateTime now = QFileInfo(file).lastModified();
            writes += now != last;
            last = now;
        };
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 5000) {
            w.spins.front()->stepUp();
            Wait(50);
            poll();
        }
        Wait(2000);
        poll();
    }
    state.counters["writes"] = benchmark::Counter(writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DurableState_WritesWhileASpinBoxIsHeld)->Iterations(1)->Unit(benchmark::kSecond);

// A form of named edits whose file, before the migration, holds them under
// their old names: a release that renamed its controls (a page's prefix),
// migrated by the library's kinds of step.
class MigratingForm : public qz8::TForm, public qz8::IFormStateMigrations {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateMigrations)
public:
    explicit MigratingForm(int controls)
    {
        for (int i = 0; i < controls; ++i)
            (new QLineEdit(this))->setObjectName(QStringLiteral("New%1").arg(i));
    }
    qz8::TFormStateMigrations FormStateMigrations() const override
    {
        return qz8::TFormStateMigrations()
            .RenameSection("1-rename", "Old0", "New0")
            .DropSection("2-drop", "Gone")
            .RenameSections("3-all", [](const QString& section) {
                return section.startsWith(QLatin1String("Old")) ? QStringLiteral("New") + section.mid(3) : QString();
            });
    }
};

// The same, with a step of the tool's own that also renames the key: every
// section read, erased and written anew.
class HandMigratingForm : public MigratingForm {
    Q_OBJECT
public:
    using MigratingForm::MigratingForm;
    qz8::TFormStateMigrations FormStateMigrations() const override
    {
        return qz8::TFormStateMigrations()
            .RenameSection("1-rename", "Old0", "New0")
            .RenameKey("2-key", "Old1", "txt", "text")
            .Step("3-all", [](qz8::TMyMemIniFile& ini, QString&) {
                for (const QString& section : ini.ReadSections()) {
                    if (section.startsWith(QLatin1String("Old"))) {
                        const QString value = ini.ReadString(section, "txt", ini.ReadString(section, "text", ""));
                        ini.EraseSection(section);
                        ini.WriteString(QStringLiteral("New") + section.mid(3), "text", value);
                    }
                }
                return true;
            });
    }
};

QByteArray OldFile(int controls, const char* key)
{
    QString text;
    for (int i = 0; i < controls; ++i)
        text += QStringLiteral("[Old%1]\n%2=value of control %1\n").arg(i).arg(QLatin1String(key));
    return text.toUtf8();
}

void WriteFile(const QString& name, const QByteArray& text)
{
    QFile::remove(qz8::MigrationBackupName(name, "1-rename"));
    QFile f(name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text);
}

benchmark::Counter ProcessMs(std::clock_t process)
{
    return benchmark::Counter(1000.0 * static_cast<double>(process) / CLOCKS_PER_SEC,
                              benchmark::Counter::kAvgIterations);
}

template <class Form>
void Migrate(benchmark::State& state, const char* key)
{
    // One line a read says what it migrated: not what is measured.
    QLoggingCategory::setFilterRules(QStringLiteral("qz8.info=false"));
    const int controls = static_cast<int>(state.range(0));
    Form& form = qz8bench::KeptWindow<Form>(controls);
    const QString name = Dir().filePath(QStringLiteral("migrate%1.ini").arg(controls));
    const QByteArray old = OldFile(controls, key);
    // The CPU time is the GUI thread's (the migrated file is written on the
    // store's writer thread meanwhile); the process's, both threads, beside it.
    std::clock_t process = 0;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(name, old);
        state.ResumeTiming();
        const std::clock_t start = std::clock();
        qz8::ReadIni(&form, name);
        process += std::clock() - start;
    }
    state.counters["process_cpu_ms"] = ProcessMs(process);
}

void BM_DurableState_ThreeStepMigration(benchmark::State& state) { Migrate<MigratingForm>(state, "text"); }
BENCHMARK(BM_DurableState_ThreeStepMigration)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_DurableState_ThreeStepMigrationHandWritten(benchmark::State& state)
{
    Migrate<HandMigratingForm>(state, "txt");
}
BENCHMARK(BM_DurableState_ThreeStepMigrationHandWritten)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

// The peer: a plain read of the file the migration made (the controls hold
// the same values in both).
void BM_DurableState_PlainReadOfTheMigratedFile(benchmark::State& state)
{
    const int controls = static_cast<int>(state.range(0));
    MigratingForm& form = qz8bench::KeptWindow<MigratingForm>(controls);
    const QString name = Dir().filePath(QStringLiteral("migrated%1.ini").arg(controls));
    WriteFile(name, OldFile(controls, "text"));
    qz8::ReadIni(&form, name);
    std::clock_t process = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        qz8::ReadIni(&form, name);
        process += std::clock() - start;
    }
    state.counters["process_cpu_ms"] = ProcessMs(process);
}
BENCHMARK(BM_DurableState_PlainReadOfTheMigratedFile)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace

#include "bench_durable_state.moc"
