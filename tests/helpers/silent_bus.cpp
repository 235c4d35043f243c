// Stand-ins for a session bus that never answers, for the tests of bounded
// waits:
//   silent_bus socket PATH  listens on a Unix socket, takes every connection
//                           and never writes a byte (a hung or stopped bus);
//   silent_bus secrets      on the real session bus, owns the Secret
//                           Service's name and never answers a call.
// Both print "ready" once in place and run until killed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

class NeverAnswers : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage&, const QDBusConnection&) override { return true; } // no reply, ever
};

int SilentSocket(const char* path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path, sizeof addr.sun_path - 1);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 64) != 0) {
        std::perror("silent_bus");
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    std::vector<int> held;
    for (;;) {
        const int c = ::accept(fd, nullptr, nullptr);
        if (c >= 0)
            held.push_back(c);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "socket") == 0)
        return SilentSocket(argv[2]);
    if (argc != 2 || std::strcmp(argv[1], "secrets") != 0) {
        std::fputs("usage: silent_bus socket PATH | silent_bus secrets\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    NeverAnswers object;
    if (!bus.registerVirtualObject(QStringLiteral("/"), &object, QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("org.freedesktop.secrets"))) {
        std::fputs("silent_bus: cannot own org.freedesktop.secrets\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
