// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The plain Qt side of the cold-start measurement (bench/cold_start.py): a
// QMainWindow of about 200 Qt widgets restored from QSettings by a walk and
// restoreGeometry, painted once; a process that loads nothing of the library.
//   qz8_cold_start_plain DIR   (DIR prepared by qz8_cold_start prepare)
#include "../plain_window.h"
#include "first_paint_exit.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2)
        return 2;
    qz8bench::ExitAfterFirstPaint firstPaint;
    qz8bench::PlainWindow window;
    QSettings s(QDir(args[1]).filePath(QStringLiteral("plain.ini")), QSettings::IniFormat);
    window.restoreGeometry(s.value(QStringLiteral("geometry")).toByteArray());
    window.Restore(s);
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
