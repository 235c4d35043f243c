// One whole process of the cold-start measurement (bench/cold_start.py): a
// window opened, painted once on the screen, and the process gone.
//   qz8_cold_start prepare DIR   writes both windows' state files
//   qz8_cold_start ours DIR      the tool window, reading its form state file
//   qz8_cold_start plain DIR     the plain Qt window, restored from QSettings
#include "../first_paint_windows.h"
#include "settings/ReadAndSaveIni.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace {

// Ends the process once the window's first paint is done: what is measured
// is the start up to the first paint (a save at quit is not part of it).
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] {
                std::fflush(stdout);
                std::_Exit(0);
            });
        return QObject::eventFilter(watched, event);
    }
};

int Prepare(const QDir& dir)
{
    qz8::MEMINI_check_filenames = false;
    {
        qz8bench::ToolWindow w(dir.filePath(QStringLiteral("tool.ini")));
        w.show();
        qz8bench::SetKeptValues(w);
        w.SaveFormState();
    }
    qz8bench::PlainWindow plain;
    plain.show();
    QSettings s(dir.filePath(QStringLiteral("plain.ini")), QSettings::IniFormat);
    s.setValue(QStringLiteral("geometry"), plain.saveGeometry());
    qz8bench::WriteKeptValues(s);
    s.sync();
    return s.status() == QSettings::NoError ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return 2;
    const QDir dir(args[2]);
    qz8::Global_TMSStyle = qz8::tsOceanBlue;
    if (args[1] == QLatin1String("prepare"))
        return Prepare(dir);
    FirstPaint firstPaint;
    std::unique_ptr<QMainWindow> window;
    if (args[1] == QLatin1String("ours")) {
        qz8::MEMINI_check_filenames = false;
        window = std::make_unique<qz8bench::ToolWindow>(dir.filePath(QStringLiteral("tool.ini")));
    } else {
        auto plain = std::make_unique<qz8bench::PlainWindow>();
        QSettings s(dir.filePath(QStringLiteral("plain.ini")), QSettings::IniFormat);
        plain->restoreGeometry(s.value(QStringLiteral("geometry")).toByteArray());
        plain->Restore(s);
        window = std::move(plain);
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
