// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Saves the screen of an X server after a delay, cut to what is not the
// bare (black) root window: the documentation's pictures of the examples,
// which have no screenshot option of their own.
//   DISPLAY=:n screen_grab <delay ms> <out.png>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3)
        return 2;
    QThread::msleep(args[1].toULong());
    const QImage screen =
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    QRect shown;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (screen.pixel(x, y) != qRgb(0, 0, 0))
                shown |= QRect(x, y, 1, 1);
    return screen.copy(shown).save(args[2]) ? 0 : 1;
}
