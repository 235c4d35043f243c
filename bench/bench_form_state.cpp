// SaveIni then ReadIni of windows with 100, 1,000 and 10,000 persisted
// controls, against QSettings (IniFormat) writing and reading the same keys
// and values.
#include "external/ElPack.h"
#include "platform/Components.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "settings/ReadAndSaveIni.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

struct StateForm {
    qz8::TForm form;
    std::vector<std::pair<QString, QString>> keyValues;  // what QSettings writes
    explicit StateForm(int controls)
    {
        for (int i = 0; i < controls; ++i) {
            const QString name = QStringLiteral("Control%1").arg(i);
            switch (i % 4) {
            case 0: {
                auto* c = new qz8::TElCheckBox(&form);
                c->setChecked(i % 3 == 0);
                c->setObjectName(name);
                keyValues.emplace_back(name + "/checked", c->isChecked() ? "1" : "0");
                break;
            }
            case 1: {
                auto* e = new QLineEdit(QStringLiteral("text of control %1").arg(i), &form);
                e->setObjectName(name);
                keyValues.emplace_back(name + "/text", e->text());
                break;
            }
            case 2: {
                auto* s = new qz8::TElSpinEdit(&form);
                s->SetValue(i);
                s->setObjectName(name);
                keyValues.emplace_back(name + "/value", QString::number(i));
                break;
            }
            default: {
                auto* g = new qz8::TRadioGroup(&form);
                g->SetItems({"a", "b", "c"});
                g->SetItemIndex(i % 3);
                g->setObjectName(name);
                keyValues.emplace_back(name + "/i", QString::number(i % 3));
                break;
            }
            }
        }
    }
};

StateForm& FormOf(int controls)
{
    static std::map<int, std::unique_ptr<StateForm>> forms;
    auto& f = forms[controls];
    if (!f) {
        f = std::make_unique<StateForm>(controls);
        QCoreApplication::processEvents();
    }
    return *f;
}

// A form is saved once when it closes and read once when it opens, never
// in a hot loop: each iteration starts with caches flushed, so that a form of
// 1,000 controls is not measured from cache while one of 10,000 is not.
void FlushCaches(benchmark::State& state)
{
    state.PauseTiming();
    static std::vector<char> buffer(64 * 1024 * 1024);
    for (size_t i = 0; i < buffer.size(); i += 64)
        buffer[i] = static_cast<char>(buffer[i] + 1);
    benchmark::DoNotOptimize(buffer.data());
    state.ResumeTiming();
}

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_FormState_SaveAndRead(benchmark::State& state)
{
    StateForm& f = FormOf(static_cast<int>(state.range(0)));
    const QString name = Dir().filePath(QStringLiteral("form%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        FlushCaches(state);
        qz8::SaveIni(&f.form, name);
        qz8::ReadIni(&f.form, name);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormState_SaveAndRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_QSettings_SaveAndRead(benchmark::State& state)
{
    StateForm& f = FormOf(static_cast<int>(state.range(0)));
    const QString name = Dir().filePath(QStringLiteral("qsettings%1.ini").arg(state.range(0)));
    for (auto _ : state) {
        FlushCaches(state);
        {
            QFile::remove(name);
            QSettings out(name, QSettings::IniFormat);
            for (const auto& [key, value] : f.keyValues)
                out.setValue(key, value);
            out.sync();
        }
        QSettings in(name, QSettings::IniFormat);
        qsizetype total = 0;
        for (const auto& kv : f.keyValues)
            total += in.value(kv.first).toString().size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_QSettings_SaveAndRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
