// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The launcher's broadcast to the running tools of the suite: window message
// 1256 (WParam: command in bits 0-15, extra in bits 16-23; LParam: value).
// It travels as a D-Bus signal on the session bus on Linux and as the window
// message to every top-level window on Windows.
//
// This module depends on Qt Core and D-Bus only, so that a small sender such
// as qz8-broadcast can be built from it alone.
#include "../qz8_export.h"
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

namespace qz8 {

constexpr unsigned WM_BROADCAST_BY_SHELL = 1024 + 232; ///< 1256
/// The launcher's command "new style": the value's low byte is the style.
constexpr std::uint16_t kCommandNewStyle = 703;

/// Sends the launcher's message to every running tool; false when it could
/// not be sent (no session bus).
QZ8_EXPORT bool BroadcastToRunningTools(std::uint16_t command, std::uint8_t extra, std::int32_t value);
/// The same from a window's thread, which it never holds: on a bus that
/// answers, the signal is queued (no round trip); while the first probe of
/// the bus has not told, it goes once the bus answers, if that is within
/// the probe's bound (else it is dropped, said at the debug level of "qz8").
/// False when the bus is known not to answer, or is not there.
QZ8_EXPORT bool BroadcastToRunningToolsWithoutWaiting(std::uint16_t command, std::uint8_t extra, std::int32_t value);

/// Hears the launcher's message for one window, for as long as its owner
/// lives. nativeWindow gives the window's native handle (0 while it has
/// none): on Windows only the copy addressed to it is taken. Without a
/// session bus (Linux) it hears nothing.
class QZ8_EXPORT TLauncherListener : public QObject {
    Q_OBJECT
public:
    /// A listener for the window owner, which takes ownership.
    TLauncherListener(QObject* owner, std::function<quintptr()> nativeWindow);
    ~TLauncherListener() override;
    /// True once the listener hears the launcher: at once on Windows; on
    /// Linux once the session bus has answered (it is asked off the GUI
    /// thread, so a window never waits for it).
    bool IsListening() const { return fListening; }

Q_SIGNALS:
    /// The launcher's message arrived: its number and parameters.
    void received(quint32 msg, quint64 wParam, qint64 lParam);
    /// The listener hears the launcher from now on.
    void listening();

private Q_SLOTS:
    void OnBusSignal(uint msg, qulonglong wParam, qlonglong lParam);

private:
    class NativeFilter;
    std::function<quintptr()> fNativeWindow;
    bool fListening = false;
    std::unique_ptr<NativeFilter> fFilter; ///< Windows only
};

} // namespace qz8
