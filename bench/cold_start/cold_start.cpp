// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The library's side of the cold-start measurement (bench/cold_start.py):
// the tool window opened, painted once on the screen, and the process gone.
//   qz8_cold_start prepare DIR   writes both windows' state files
//   qz8_cold_start ours DIR      the tool window, reading its form state file
// The plain Qt window is qz8_cold_start_plain, a program without the library.
#include "../first_paint_windows.h"
#include "first_paint_exit.h"
#include "settings/ReadAndSaveIni.h"

#include <QApplication>
#include <QDir>

namespace {

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
    if (args[1] != QLatin1String("ours"))
        return 2;
    qz8bench::ExitAfterFirstPaint firstPaint;
    qz8::MEMINI_check_filenames = false;
    qz8bench::ToolWindow window(dir.filePath(QStringLiteral("tool.ini")));
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
