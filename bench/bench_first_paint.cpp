// What a user feels first: a tool window of about 200 persisted controls,
// with a tool bar of master-list icons and a style, from construction to its
// first paint, reading its form state file; against the same window of plain
// Qt widgets restoring the same values through QSettings (IniFormat).
#include "bench_util.h"
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "form/baseTMSStyleable_F.h"
#include "imagelists/tool_imagelist_master.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/ImageControls.h"
#include "toolkit/StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kControls = 200;

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// Lays out kControls controls named "Control<i>" in rows of ten on the
// window's central widget; make gives the control of position i.
template <class Make>
void FillGrid(QMainWindow& window, const Make& make)
{
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < kControls; ++i) {
        QWidget* w = make(i, central);
        w->setObjectName(QStringLiteral("Control%1").arg(i));
        grid->addWidget(w, i / 10, i % 10);
    }
    window.setCentralWidget(central);
    window.resize(1200, 900);
}

class ToolWindow : public qz8::TTMSStyleableRepositoryForm {
public:
    explicit ToolWindow(const QString& ini) : fIni(ini)
    {
        auto* bar = new qz8::TToolBar(this);
        addToolBar(bar);
        for (int command = 1; command <= 8; ++command)
            qz8::SetImagesAndNumberForToolbarButton(bar, new qz8::TToolButton(bar), command);
        FillGrid(*this, [](int i, QWidget* central) -> QWidget* {
            switch (i % 5) {
            case 0: return new qz8::TElCheckBox(QStringLiteral("Option %1").arg(i), central);
            case 1: return new QLineEdit(central);
            case 2: return new qz8::TElSpinEdit(central);
            case 3: {
                auto* g = new qz8::TRadioGroup(central);
                g->SetItems({"a", "b"});
                return g;
            }
            default: {
                auto* c = new qz8::TElComboBox(central);
                c->Items().AddStrings({"alpha", "beta", "gamma"});
                return c;
            }
            }
        });
        AddAFormStyler(this);
    }
    QString TheIniName() override { return fIni; }

private:
    QString fIni;
};

// The same controls as plain Qt widgets.
class PlainWindow : public QMainWindow {
public:
    PlainWindow()
    {
        auto* bar = new QToolBar(this);
        addToolBar(bar);
        for (int command = 1; command <= 8; ++command)
            bar->addAction(qz8::ImageListIcon(qz8::ImageListMain(), command), QString());
        FillGrid(*this, [](int i, QWidget* central) -> QWidget* {
            switch (i % 5) {
            case 0: return new QCheckBox(QStringLiteral("Option %1").arg(i), central);
            case 1: return new QLineEdit(central);
            case 2: return new QSpinBox(central);
            case 3: {
                // A radio group: a group box of two radio buttons.
                auto* g = new QGroupBox(central);
                auto* l = new QVBoxLayout(g);
                for (const char* t : {"a", "b"})
                    l->addWidget(new QRadioButton(QString::fromLatin1(t), g));
                return g;
            }
            default: {
                // An editable combo, as the ElPack combo is.
                auto* c = new QComboBox(central);
                c->setEditable(true);
                c->addItems({"alpha", "beta", "gamma"});
                return c;
            }
            }
        });
    }
    // The walk a Qt developer writes: every widget's state from its group.
    void Restore(QSettings& s)
    {
        for (QWidget* w : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            s.beginGroup(w->objectName());
            if (auto* c = qobject_cast<QCheckBox*>(w))
                c->setChecked(s.value("checked").toBool());
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                e->setText(s.value("text").toString());
            else if (auto* n = qobject_cast<QSpinBox*>(w))
                n->setValue(s.value("value").toInt());
            else if (auto* b = qobject_cast<QComboBox*>(w))
                b->setCurrentIndex(s.value("i").toInt());
            else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                const QList<QRadioButton*> buttons = g->findChildren<QRadioButton*>();
                const int i = s.value("i").toInt();
                if (i >= 0 && i < buttons.size())
                    buttons[i]->setChecked(true);
            }
            s.endGroup();
        }
    }
};

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
        for (int i = 0; i < kControls; i += 5)
            w.findChild<qz8::TElCheckBox*>(QStringLiteral("Control%1").arg(i))->setChecked(true);
        for (int i = 1; i < kControls; i += 5)
            w.findChild<QLineEdit*>(QStringLiteral("Control%1").arg(i))->setText(QStringLiteral("kept text %1").arg(i));
    } // saved at destruction
    QSettings s(qsettings, QSettings::IniFormat);
    for (int i = 0; i < kControls; ++i) {
        s.beginGroup(QStringLiteral("Control%1").arg(i));
        switch (i % 5) {
        case 0: s.setValue("checked", true); break;
        case 1: s.setValue("text", QStringLiteral("kept text %1").arg(i)); break;
        case 2: s.setValue("value", i); break;
        default: s.setValue("i", 1); break;
        }
        s.endGroup();
    }
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
    auto w = std::make_unique<PlainWindow>();
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
