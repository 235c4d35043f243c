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
#include <QObject>
#include <functional>

namespace qz8 {

// How long the probe waits for the bus to accept and to answer its first
// line, each.
constexpr int kSessionBusProbeMs = 1000;
constexpr int kSessionBusReprobeSecs = 30;

// True once the bus answered and Qt is connected to it; never blocks (it
// starts a probe when none ran).
bool SessionBusAnswers();
// Waits up to timeoutMs for the probe's answer; true when the bus answers.
bool WaitForSessionBus(int timeoutMs);
// Runs f on the GUI thread once the bus answers (soon, if it has already),
// unless context is gone by then.
void WhenSessionBusAnswers(QObject* context, std::function<void()> f);

} // namespace qz8
