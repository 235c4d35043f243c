// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Logging_p.h"
#include "platform/SessionBus_p.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QPointer>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace qz8 {

namespace {

enum class TProbe { Answers, Silent, Unknown };

#ifndef Q_OS_WIN

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// One value of "key=value,key=value".
QByteArray AddressValue(const QByteArray& params, const QByteArray& key)
{
    for (const QByteArray& kv : params.split(',')) {
        if (kv.startsWith(key + '='))
            return QByteArray::fromPercentEncoding(kv.mid(key.size() + 1));
    }
    return {};
}

// Reads until enough came (512 bytes at most), or the bound passes; what
// came, empty when it was not enough.
template <class Enough>
QByteArray ReadUntil(int fd, Clock::time_point by, Enough enough)
{
    QByteArray got;
    while (!enough(got) && got.size() < 512) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, RemainingMs(by));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready != 1)
            return {};
        char buf[256];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0)
            return {};
        got.append(buf, n);
    }
    return enough(got) ? got : QByteArray();
}

// A line of the handshake, empty on none.
QByteArray ReadLine(int fd, Clock::time_point by)
{
    return ReadUntil(fd, by, [](const QByteArray& got) { return got.contains("\r\n"); });
}

bool SendAll(int fd, const QByteArray& data)
{
    return ::send(fd, data.constData(), static_cast<size_t>(data.size()), MSG_NOSIGNAL) == data.size();
}

// The bus's Hello call (little-endian, serial 1): what every client says
// first once authenticated. A bus answers it with the client's name.
QByteArray HelloMessage()
{
    QByteArray m("l\x01\x00\x01", 4);
    const auto u32 = [&m](quint32 v) {
        for (int i = 0; i < 4; ++i)
            m.append(char((v >> (8 * i)) & 0xff));
    };
    const auto pad = [&m](int to) {
        while (m.size() % to)
            m.append('\0');
    };
    u32(0); // body length
    u32(1); // serial
    u32(0); // header fields' length, set below
    const auto field = [&](char code, char type, const QByteArray& value) {
        pad(8);
        m.append(code);
        m.append('\x01');
        m.append(type);
        m.append('\0');
        pad(4);
        u32(static_cast<quint32>(value.size()));
        m.append(value);
        m.append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    field(6, 's', "org.freedesktop.DBus");
    const quint32 fields = static_cast<quint32>(m.size() - 16);
    for (int i = 0; i < 4; ++i)
        m[12 + i] = char((fields >> (8 * i)) & 0xff);
    pad(8);
    return m;
}

// Connects without blocking longer than the bound and asks the bus as a
// client would: on a local socket it authenticates as this user and says
// Hello, and only a reply to that counts (a bus that answers its handshake
// and then goes silent is silent); elsewhere any line of the handshake does.
TProbe ProbeSocket(int fd, const sockaddr* addr, socklen_t len, bool local)
{
    const Clock::time_point connectBy = Clock::now() + std::chrono::milliseconds(kSessionBusProbeMs);
    if (::connect(fd, addr, len) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN)
            return TProbe::Silent;
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, RemainingMs(connectBy)) != 1)
            return TProbe::Silent;
        int err = 0;
        socklen_t errLen = sizeof err;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &errLen) != 0 || err != 0)
            return TProbe::Silent;
    }
    const Clock::time_point answerBy = Clock::now() + std::chrono::milliseconds(kSessionBusProbeMs);
    if (!local) {
        if (!SendAll(fd, QByteArray("\0AUTH\r\n", 7)))
            return TProbe::Silent;
        return ReadLine(fd, answerBy).isEmpty() ? TProbe::Silent : TProbe::Answers;
    }
    const QByteArray uid = QByteArray::number(static_cast<qulonglong>(::getuid())).toHex();
    if (!SendAll(fd, QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n"))
        return TProbe::Silent;
    const QByteArray reply = ReadLine(fd, answerBy);
    if (reply.isEmpty())
        return TProbe::Silent;
    // A bus that takes this user some other way is left to the D-Bus library.
    if (!reply.startsWith("OK "))
        return TProbe::Unknown;
    if (!SendAll(fd, "BEGIN\r\n" + HelloMessage()))
        return TProbe::Silent;
    // Any reply: its fixed header is 16 bytes.
    const QByteArray got = ReadUntil(fd, answerBy, [](const QByteArray& g) { return g.size() >= 16; });
    return got.isEmpty() ? TProbe::Silent : TProbe::Answers;
}

TProbe ProbeAddress(const QByteArray& address)
{
    const qsizetype colon = address.indexOf(':');
    if (colon < 0)
        return TProbe::Silent;
    const QByteArray transport = address.left(colon);
    const QByteArray params = address.mid(colon + 1);
    if (transport == "unix") {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        QByteArray path = AddressValue(params, "path");
        bool abstract = false;
        if (path.isEmpty()) {
            path = AddressValue(params, "abstract");
            abstract = true;
        }
        if (path.isEmpty() || path.size() + 1 >= static_cast<qsizetype>(sizeof addr.sun_path))
            return path.isEmpty() ? TProbe::Unknown : TProbe::Silent;
        std::memcpy(addr.sun_path + (abstract ? 1 : 0), path.constData(), static_cast<size_t>(path.size()));
        const socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + (abstract ? 1 : 0) +
                                                     path.size() + (abstract ? 0 : 1));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return TProbe::Silent;
        const TProbe r = ProbeSocket(fd, reinterpret_cast<const sockaddr*>(&addr), len, true);
        ::close(fd);
        return r;
    }
    if (transport == "tcp") {
        addrinfo hints{};
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const QByteArray host = AddressValue(params, "host");
        if (::getaddrinfo(host.isEmpty() ? "localhost" : host.constData(), AddressValue(params, "port").constData(),
                          &hints, &found) != 0)
            return TProbe::Silent;
        TProbe r = TProbe::Silent;
        for (addrinfo* a = found; a && r != TProbe::Answers; a = a->ai_next) {
            const int fd = ::socket(a->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (fd < 0)
                continue;
            r = ProbeSocket(fd, a->ai_addr, a->ai_addrlen, false);
            ::close(fd);
        }
        ::freeaddrinfo(found);
        return r;
    }
    return TProbe::Unknown; // a transport only the D-Bus library knows
}

// The session bus as the D-Bus library finds it: the address the session
// gives, else the user's runtime folder's "bus".
TProbe ProbeSessionBus()
{
    QByteArray addresses = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (addresses.isEmpty()) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        struct stat st { };
        if (runtime.isEmpty() || ::stat((runtime + "/bus").constData(), &st) != 0 || !S_ISSOCK(st.st_mode))
            return TProbe::Silent;
        addresses = "unix:path=" + runtime + "/bus";
    }
    TProbe r = TProbe::Silent;
    for (const QByteArray& a : addresses.split(';')) {
        if (a.trimmed().isEmpty())
            continue;
        r = ProbeAddress(a.trimmed());
        if (r != TProbe::Silent)
            break;
    }
    return r;
}

#endif

struct TPending {
    QPointer<QObject> context;
    std::function<void()> f;
    bool each = false; // again at every new connection
    int deliveredFor = 0; // the connection it last ran for
};

// The process's one view of the bus. The library's calls go through a
// connection of its own name, made anew after a bus failed: Qt keeps a
// failed connection under its name for good, and a bus that recovers is
// then used again. The probe thread touches Qt only while the application
// lives: the post routine that ends it takes the same lock.
class TBusGate {
public:
    static TBusGate& Instance()
    {
        static TBusGate* gate = new TBusGate; // outlives every static that may ask
        return *gate;
    }

    bool Answers()
    {
        std::unique_lock lock(fMutex);
        DropIfGone(lock);
        StartProbeIfDue(lock);
        return fAnswers;
    }

    bool Wait(int timeoutMs, bool needConnection)
    {
        std::unique_lock lock(fMutex);
        DropIfGone(lock);
        StartProbeIfDue(lock);
        // Once a probe has told, later ones run in the background: the last
        // answer stands meanwhile, and the caller never waits for them.
        bool& told = needConnection ? fConnectTold : fEverTold;
        if (!told)
            fChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&told] { return told; });
        return needConnection ? fAnswers : (fAnswers || fRawAnswers);
    }

    TSessionBusState State()
    {
        std::unique_lock lock(fMutex);
        DropIfGone(lock);
        StartProbeIfDue(lock);
        if (fAnswers)
            return TSessionBusState::Answers;
        return fConnectTold ? TSessionBusState::Silent : TSessionBusState::Probing;
    }

    void SetReprobe(std::chrono::milliseconds interval)
    {
        std::lock_guard lock(fMutex);
        fReprobe = interval;
    }

    QDBusConnection Connection()
    {
        std::lock_guard lock(fMutex);
        return QDBusConnection(fAnswers ? fName : QString());
    }

    void When(QObject* context, std::function<void()> f, bool each)
    {
        std::unique_lock lock(fMutex);
        fPending.push_back({context, std::move(f), each});
        if (fAnswers)
            PostDelivery();
        else
            StartProbeIfDue(lock);
    }

private:
    // Under the lock: a connection the bus dropped is let go, and the bus
    // probed again when due.
    void DropIfGone(std::unique_lock<std::mutex>&)
    {
        if (!fAnswers || fAppGone || QDBusConnection(fName).isConnected())
            return;
        fAnswers = false;
        fRawAnswers = false;
        QDBusConnection::disconnectFromBus(fName);
        qCInfo(lcQz8, "the session bus went away: the launcher broadcast and the secret store are off");
    }

    void StartProbeIfDue(std::unique_lock<std::mutex>&)
    {
        if (!QCoreApplication::instance() || QCoreApplication::closingDown())
            return;
        if (fAppGone) {
            // Another application object after the first one went.
            fAppGone = false;
            fPostRoutineAdded = false;
            fLastProbe = {};
        }
        if (fAnswers || fProbing)
            return;
        if (fLastProbe.time_since_epoch().count() != 0 && std::chrono::steady_clock::now() - fLastProbe < fReprobe)
            return;
        fProbing = true;
        fLastProbe = std::chrono::steady_clock::now();
        if (!fPostRoutineAdded) {
            fPostRoutineAdded = true;
            qAddPostRoutine([] { Instance().AppGoing(); });
        }
        // Detached: a probe is bounded, but the D-Bus library's own connect
        // after it is not, and must never hold up the process's end.
        std::thread([this] { Probe(); }).detach();
    }

    void Probe()
    {
#ifdef Q_OS_WIN
        const bool answers = false; // no session bus on Windows
        QString name;
#else
        const TProbe probe = ProbeSessionBus();
        bool answers = false;
        QString name;
        {
            // Told at once: what waits only for the bus to answer (the
            // secret store, whose library connects by itself) goes on.
            std::lock_guard lock(fMutex);
            fRawAnswers = probe != TProbe::Silent;
            fEverTold = true;
            fChanged.notify_all();
        }
        if (probe != TProbe::Silent) {
            std::unique_lock lock(fMutex);
            const bool appAlive = !fAppGone;
            name = QStringLiteral("qz8_session_bus_%1").arg(++fGeneration);
            lock.unlock();
            // Off the GUI thread: Qt's connect and register may still wait.
            if (appAlive) {
                answers = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name).isConnected();
                if (!answers)
                    QDBusConnection::disconnectFromBus(name);
            }
        }
#endif
        std::unique_lock lock(fMutex);
        fProbing = false;
        fEverTold = true;
        fConnectTold = true;
        fAnswers = answers;
        if (answers)
            fName = name;
        if (!answers && !fAppGone)
            qCInfo(lcQz8, "the session bus does not answer: the launcher broadcast and the secret store are off");
        if (answers)
            PostDelivery();
        fChanged.notify_all();
    }

    // Under the lock: hands the callbacks not yet run for the connection in
    // use to the GUI thread; those for every connection stay for the next.
    void PostDelivery()
    {
        if (fAppGone || fPending.empty())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this] {
                std::vector<TPending> due;
                {
                    std::lock_guard lock(fMutex);
                    if (!fAnswers)
                        return;
                    std::vector<TPending> keep;
                    for (TPending& p : fPending) {
                        if (!p.context)
                            continue;
                        if (p.deliveredFor == fGeneration) {
                            keep.push_back(p);
                            continue;
                        }
                        due.push_back(p);
                        if (p.each) {
                            p.deliveredFor = fGeneration;
                            keep.push_back(p);
                        }
                    }
                    fPending.swap(keep);
                }
                for (TPending& p : due) {
                    if (p.context)
                        p.f();
                }
            },
            Qt::QueuedConnection);
    }

    void AppGoing()
    {
        std::lock_guard lock(fMutex);
        fAppGone = true;
        fPending.clear();
    }

    std::mutex fMutex;
    std::condition_variable fChanged;
    std::vector<TPending> fPending;
    std::chrono::steady_clock::time_point fLastProbe{};
    QString fName; // the library's connection, while fAnswers
    int fGeneration = 0;
    std::chrono::milliseconds fReprobe = std::chrono::seconds(kSessionBusReprobeSecs);
    bool fProbing = false;
    bool fEverTold = false; // a probe has said whether the bus answers
    bool fConnectTold = false; // and the library's connection was tried
    bool fRawAnswers = false; // the last probe's word
    bool fAnswers = false; // the library's connection is up
    bool fAppGone = false;
    bool fPostRoutineAdded = false;
};

} // namespace

bool SessionBusAnswers() { return TBusGate::Instance().Answers(); }
bool WaitForSessionBus(int timeoutMs) { return TBusGate::Instance().Wait(timeoutMs, false); }
bool WaitForLibrarySessionBus(int timeoutMs) { return TBusGate::Instance().Wait(timeoutMs, true); }
TSessionBusState LibrarySessionBusState() { return TBusGate::Instance().State(); }
void WhenSessionBusAnswers(QObject* context, std::function<void()> f)
{
    TBusGate::Instance().When(context, std::move(f), false);
}
void OnEachSessionBus(QObject* context, std::function<void()> f)
{
    TBusGate::Instance().When(context, std::move(f), true);
}
QDBusConnection LibrarySessionBus() { return TBusGate::Instance().Connection(); }
void SetSessionBusReprobeInterval(std::chrono::milliseconds interval) { TBusGate::Instance().SetReprobe(interval); }

} // namespace qz8
