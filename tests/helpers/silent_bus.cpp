// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Stand-ins for a session bus that never answers, for the tests of bounded
// waits:
//   silent_bus socket PATH  listens on a Unix socket, takes every connection
//                           and never writes a byte (a hung or stopped bus);
//   silent_bus handshake PATH  the same, but it answers the handshake (the
//                           AUTH lines, with OK) and then goes silent;
//   silent_bus secrets      on the real session bus, owns the Secret
//                           Service's name and never answers a call.
// Both print "ready" once in place and run until killed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
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

int SilentSocket(const char* path, bool handshake)
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
    std::vector<pollfd> fds{{fd, POLLIN, 0}};
    std::vector<std::string> lines{""};
    for (;;) {
        if (::poll(fds.data(), fds.size(), -1) <= 0)
            continue;
        for (size_t i = 0; i < fds.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            if (i == 0) {
                const int c = ::accept(fd, nullptr, nullptr);
                if (c >= 0) {
                    fds.push_back({c, short(handshake ? POLLIN : 0), 0});
                    lines.emplace_back();
                }
                continue;
            }
            char buf[512];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n <= 0) {
                fds[i].events = 0; // held open, never read again
                continue;
            }
            lines[i].append(buf, static_cast<size_t>(n));
            // Each AUTH line is taken; after BEGIN nothing is ever answered.
            for (size_t end; (end = lines[i].find("\r\n")) != std::string::npos;) {
                const std::string line = lines[i].substr(0, end);
                lines[i].erase(0, end + 2);
                if (line.find("BEGIN") != std::string::npos) {
                    fds[i].events = 0;
                    break;
                }
                if (line.find("AUTH") != std::string::npos) {
                    static const char ok[] = "OK 0123456789abcdef0123456789abcdef\r\n";
                    (void)::write(fds[i].fd, ok, sizeof ok - 1);
                }
            }
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "socket") == 0)
        return SilentSocket(argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "handshake") == 0)
        return SilentSocket(argv[2], true);
    if (argc != 2 || std::strcmp(argv[1], "secrets") != 0) {
        std::fputs("usage: silent_bus socket PATH | silent_bus handshake PATH | silent_bus secrets\n", stderr);
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
