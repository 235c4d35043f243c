// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Small helpers shared by the tests.
#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QMessageLogContext>
#include <QProcessEnvironment>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace qz8test {

// A file's whole content as UTF-8 text; empty when it cannot be read.
inline QString ReadText(const QString& fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Writes bytes to a file, replacing it.
inline bool WriteBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The default locale for one scope, as a tool sets its own (widgets made
// in the scope take it too).
struct ScopedDefaultLocale {
    QLocale saved;
    explicit ScopedDefaultLocale(const QLocale& l) { QLocale::setDefault(l); }
    ~ScopedDefaultLocale() { QLocale::setDefault(saved); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;
};

// The environment of the library's command-line tools run by a test: no
// display, and a session bus address that points at nothing.
inline QProcessEnvironment ToolEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/qz8-no-bus");
    return env;
}

// Makes a shown window the active one as the window system would, on every
// platform (a Wayland compositor grants no activation to a request), in place
// of QApplication::setActiveWindow, deprecated since Qt 6.5.
inline bool Activate(QWidget* window)
{
    QWindow* handle = window->window()->windowHandle();
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0) // renamed in 6.7
    QWindowSystemInterface::handleFocusWindowChanged<QWindowSystemInterface::SynchronousDelivery>(
        handle, Qt::ActiveWindowFocusReason);
#else
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        handle, Qt::ActiveWindowFocusReason);
#endif
    return window->isActiveWindow();
}

// Collects what is logged while it lives (every category and level), one
// message a line; what was logged before goes on as before afterwards.
class LogCapture {
public:
    LogCapture() : fPrevious(qInstallMessageHandler(&Handler)) { Current() = this; }
    ~LogCapture()
    {
        Current() = nullptr;
        qInstallMessageHandler(fPrevious);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    QString Text() const { return fText; }

private:
    static LogCapture*& Current()
    {
        static LogCapture* current = nullptr;
        return current;
    }
    static void Handler(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (Current())
            Current()->fText += message + QLatin1Char('\n');
    }
    QtMessageHandler fPrevious;
    QString fText;
};

#ifdef Q_OS_LINUX
// Files this process writes may not grow beyond bytes while it lives (a
// write past it fails with EFBIG instead of raising SIGXFSZ).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &fPrevious);
        fSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = fPrevious;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &fPrevious);
        std::signal(SIGXFSZ, fSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit fPrevious{};
    void (*fSignal)(int) = nullptr;
};
#endif

} // namespace qz8test
