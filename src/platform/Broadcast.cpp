// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Broadcast.h"
#include "platform/Logging_p.h"
#include "platform/SessionBus_p.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <utility>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <windows.h>
#endif

namespace qz8 {

namespace {
const QString kBusPath = QStringLiteral("/org/tarnwick/suite");
const QString kBusInterface = QStringLiteral("org.tarnwick.suite.Launcher");
const QString kBusSignal = QStringLiteral("Broadcast");

#ifndef Q_OS_WIN
// Queues the signal on the connection (Qt's bus thread sends it).
bool SendSignal(const QDBusConnection& bus, quint64 wParam, std::int32_t value)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage signal = QDBusMessage::createSignal(kBusPath, kBusInterface, kBusSignal);
    signal << uint(WM_BROADCAST_BY_SHELL) << qulonglong(wParam) << qlonglong(value);
    return bus.send(signal);
}
#endif

quint64 WParam(std::uint16_t command, std::uint8_t extra) { return command | (quint64(extra) << 16); }
} // namespace

bool BroadcastToRunningTools(std::uint16_t command, std::uint8_t extra, std::int32_t value)
{
    const quint64 wParam = WParam(command, extra);
#ifdef Q_OS_WIN
    return PostMessageW(HWND_BROADCAST, WM_BROADCAST_BY_SHELL, static_cast<WPARAM>(wParam),
                        static_cast<LPARAM>(value)) != 0;
#else
    // A bus that never answers must not hold the sender for ever.
    if (!WaitForLibrarySessionBus(3 * kSessionBusProbeMs))
        return false;
    QDBusConnection bus = LibrarySessionBus();
    if (!SendSignal(bus, wParam, value))
        return false;
    // A round trip to the bus: the signal has left when it returns, also
    // when the sender exits right after.
    const QDBusMessage ping =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    return bus.call(ping, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
#endif
}

bool BroadcastToRunningToolsWithoutWaiting(std::uint16_t command, std::uint8_t extra, std::int32_t value)
{
#ifdef Q_OS_WIN
    return BroadcastToRunningTools(command, extra, value); // a posted message never waits
#else
    const quint64 wParam = WParam(command, extra);
    switch (LibrarySessionBusState()) {
    case TSessionBusState::Answers: return SendSignal(LibrarySessionBus(), wParam, value);
    case TSessionBusState::Silent: return false;
    case TSessionBusState::Probing: break;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // The first probe runs: the broadcast goes when the bus answers, unless
    // that is too late to be this broadcast's (a bus that comes back later).
    QElapsedTimer asked;
    asked.start();
    WhenSessionBusAnswers(app, [asked, wParam, value] {
        if (asked.elapsed() <= 3 * kSessionBusProbeMs)
            SendSignal(LibrarySessionBus(), wParam, value);
        else
            qCDebug(lcQz8, "a broadcast waited too long for the session bus and was dropped");
    });
    return true;
#endif
}

#ifdef Q_OS_WIN
// The message arrives at each top-level window; the filter takes the copy
// addressed to its own window.
class TLauncherListener::NativeFilter : public QAbstractNativeEventFilter {
public:
    explicit NativeFilter(TLauncherListener* owner) : fOwner(owner) { }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        const quintptr own = fOwner->fNativeWindow();
        if (msg->message != WM_BROADCAST_BY_SHELL || !own || msg->hwnd != reinterpret_cast<HWND>(own))
            return false;
        Q_EMIT fOwner->received(msg->message, static_cast<quint64>(msg->wParam), static_cast<qint64>(msg->lParam));
        if (result)
            *result = 0;
        return true;
    }

private:
    TLauncherListener* fOwner;
};
#else
class TLauncherListener::NativeFilter { };
#endif

TLauncherListener::TLauncherListener(QObject* owner, std::function<quintptr()> nativeWindow)
    : QObject(owner), fNativeWindow(std::move(nativeWindow))
{
#ifdef Q_OS_WIN
    fFilter = std::make_unique<NativeFilter>(this);
    QCoreApplication::instance()->installNativeEventFilter(fFilter.get());
    fListening = true;
#else
    // Connected once the bus has answered, off the GUI thread: a window never
    // waits for the bus.
    OnEachSessionBus(this, [this] {
        if (!LibrarySessionBus().connect(QString(), kBusPath, kBusInterface, kBusSignal, this,
                                         SLOT(OnBusSignal(uint, qulonglong, qlonglong))))
            return;
        fListening = true;
        Q_EMIT listening();
    });
#endif
}

TLauncherListener::~TLauncherListener()
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(fFilter.get());
#endif
}

void TLauncherListener::OnBusSignal(uint msg, qulonglong wParam, qlonglong lParam)
{
    Q_EMIT received(msg, wParam, lParam);
}

} // namespace qz8
