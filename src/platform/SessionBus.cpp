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

// Connects without blocking longer than the bound, says AUTH without a
// mechanism and waits for any line: a bus that is alive answers with the
// mechanisms it offers.
TProbe ProbeSocket(int fd, const sockaddr* addr, socklen_t len)
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
    static const char hello[] = "\0AUTH\r\n";
    if (::send(fd, hello, sizeof hello - 1, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof hello - 1))
        return TProbe::Silent;
    const Clock::time_point answerBy = Clock::now() + std::chrono::milliseconds(kSessionBusProbeMs);
    QByteArray line;
    while (!line.contains("\r\n") && line.size() < 512) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, RemainingMs(answerBy));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready != 1)
            return TProbe::Silent;
        char buf[256];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0)
            return TProbe::Silent;
        line.append(buf, n);
    }
    return line.contains("\r\n") ? TProbe::Answers : TProbe::Silent;
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
        const TProbe r = ProbeSocket(fd, reinterpret_cast<const sockaddr*>(&addr), len);
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
            r = ProbeSocket(fd, a->ai_addr, a->ai_addrlen);
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
};

// The process's one view of the bus. The probe thread touches Qt only while
// the application lives: the post routine that ends it takes the same lock.
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
        StartProbeIfDue(lock);
        return fAnswers;
    }

    bool Wait(int timeoutMs)
    {
        std::unique_lock lock(fMutex);
        StartProbeIfDue(lock);
        fChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !fProbing; });
        return fAnswers;
    }

    void When(QObject* context, std::function<void()> f)
    {
        std::unique_lock lock(fMutex);
        fPending.push_back({context, std::move(f)});
        if (fAnswers)
            PostDelivery();
        else
            StartProbeIfDue(lock);
    }

private:
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
        if (fLastProbe.time_since_epoch().count() != 0 &&
            std::chrono::steady_clock::now() - fLastProbe < std::chrono::seconds(kSessionBusReprobeSecs))
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
#else
        const TProbe probe = ProbeSessionBus();
        bool answers = false;
        if (probe != TProbe::Silent) {
            std::unique_lock lock(fMutex);
            const bool appAlive = !fAppGone;
            lock.unlock();
            // Off the GUI thread: Qt's connect and register may still wait.
            answers = appAlive && QDBusConnection::sessionBus().isConnected();
        }
#endif
        std::unique_lock lock(fMutex);
        fProbing = false;
        fAnswers = answers;
        if (!answers && !fAppGone)
            qCInfo(lcQz8, "the session bus does not answer: the launcher broadcast and the secret store are off");
        if (answers)
            PostDelivery();
        fChanged.notify_all();
    }

    // Under the lock: hands the waiting callbacks to the GUI thread.
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
                    due.swap(fPending);
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
    bool fProbing = false;
    bool fAnswers = false;
    bool fAppGone = false;
    bool fPostRoutineAdded = false;
};

} // namespace

bool SessionBusAnswers() { return TBusGate::Instance().Answers(); }
bool WaitForSessionBus(int timeoutMs) { return TBusGate::Instance().Wait(timeoutMs); }
void WhenSessionBusAnswers(QObject* context, std::function<void()> f)
{
    TBusGate::Instance().When(context, std::move(f));
}

} // namespace qz8
