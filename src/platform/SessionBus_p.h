// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Whether the session bus answers, found out off the GUI thread.
//
// Qt's first use of the session bus connects and registers synchronously, and
// a bus that accepts connections but never answers (a stopped daemon, a hung
// process holding the socket) blocks that call for ever. So the library never
// asks Qt for the session bus before a probe on a thread of its own has had
// an answer from it within a short bound: a window opens at once whatever the
// bus does, and what needs the bus (the launcher broadcast, the secret store)
// is off until the bus answers. A silent bus is probed again at most every
// kSessionBusReprobeSecs.
#include "qz8_export.h"
#include <QDBusConnection>
#include <QObject>
#include <chrono>
#include <functional>

namespace qz8 {

// How long the probe waits for the bus to accept and to answer its first
// line, each.
constexpr int kSessionBusProbeMs = 1000;
constexpr int kSessionBusReprobeSecs = 30;
// How long a password read or save waits for the first probe: a live bus
// answers in a few milliseconds; the window's thread never waits longer.
constexpr int kSessionBusFirstWaitMs = 50;

// True once the bus answered and Qt is connected to it; never blocks (it
// starts a probe when none ran).
QZ8_AUTOTEST_EXPORT bool SessionBusAnswers();
// True when the bus answers. Until a first probe has told, waits up to
// timeoutMs for it; later probes never make the caller wait.
QZ8_AUTOTEST_EXPORT bool WaitForSessionBus(int timeoutMs);
// The same for the library's own connection (LibrarySessionBus).
bool WaitForLibrarySessionBus(int timeoutMs);
// What is known of the library's connection now, without a wait.
enum class TSessionBusState { Answers, Silent, Probing };
QZ8_AUTOTEST_EXPORT TSessionBusState LibrarySessionBusState();
// Runs f on the GUI thread once the bus answers (soon, if it has already),
// unless context is gone by then.
void WhenSessionBusAnswers(QObject* context, std::function<void()> f);
// The same, again at every new connection (a bus that went away and came
// back), for as long as context lives.
void OnEachSessionBus(QObject* context, std::function<void()> f);
// The library's own connection to the session bus; not connected while the
// bus does not answer. Made anew when a bus that failed answers again.
QZ8_AUTOTEST_EXPORT QDBusConnection LibrarySessionBus();
// Tests: the time between probes of a silent bus (kSessionBusReprobeSecs
// seconds by default).
QZ8_AUTOTEST_EXPORT void SetSessionBusReprobeInterval(std::chrono::milliseconds interval);

} // namespace qz8
