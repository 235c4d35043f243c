// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Tells every running tool of the suite something, as the launcher does:
//   qz8-broadcast --style N
//   qz8-broadcast --command C [--extra E] [--value V]
#include "external/Tms_utils.h"
#include "platform/Broadcast.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Broadcasts a launcher message to the running tools."));
    parser.addHelpOption();
    const QCommandLineOption style(QStringLiteral("style"), QStringLiteral("New style <n> (command 703)."),
                                   QStringLiteral("n"));
    const QCommandLineOption command(QStringLiteral("command"), QStringLiteral("Command number <c>."),
                                     QStringLiteral("c"));
    const QCommandLineOption extra(QStringLiteral("extra"), QStringLiteral("Extra byte <e>."), QStringLiteral("e"),
                                   QStringLiteral("0"));
    const QCommandLineOption value(QStringLiteral("value"), QStringLiteral("Value <v>."), QStringLiteral("v"),
                                   QStringLiteral("0"));
    parser.addOptions({style, command, extra, value});
    parser.process(app);

    bool ok = true, okExtra = true, okValue = true;
    std::uint16_t cmd = 0;
    int v = 0;
    if (parser.isSet(style)) {
        cmd = qz8::kCommandNewStyle;
        v = parser.value(style).toInt(&ok);
        if (ok && !qz8::IsValidTMSStyle(v)) {
            std::fprintf(stderr, "qz8-broadcast: style %d does not exist (0 to %d)\n", v, qz8::TTMSStyleCount - 1);
            return 2;
        }
    } else if (parser.isSet(command)) {
        const uint c = parser.value(command).toUInt(&ok);
        ok = ok && c <= 0xFFFF;
        cmd = static_cast<std::uint16_t>(c);
        v = parser.value(value).toInt(&okValue);
    } else {
        std::fprintf(stderr, "qz8-broadcast: give --style or --command\n");
        return 2;
    }
    const uint e = parser.value(extra).toUInt(&okExtra);
    if (!ok || !okExtra || !okValue || e > 0xFF) {
        std::fprintf(stderr, "qz8-broadcast: a number is not valid\n");
        return 2;
    }
    if (!qz8::BroadcastToRunningTools(cmd, static_cast<std::uint8_t>(e), v)) {
        std::fprintf(stderr, "qz8-broadcast: no session bus to send on\n");
        return 1;
    }
    return 0;
}
