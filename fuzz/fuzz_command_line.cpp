// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// qz8-formstate's command line: any arguments (the input split at NUL
// bytes) read to one action without a crash; help always has a text, a
// usage error runs nothing, and --screens values never give a screen
// without a size or beyond the coordinates a window can have.
#include "formstate/CommandLine.h"
#include "fuzz_common.h"
#include "store/WindowGeometry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList line{QStringLiteral("qz8-formstate")};
    for (const QByteArray& part : bytes.split('\0'))
        line << QString::fromUtf8(part);
    using TAction = qz8::TToolCommandLine::TAction;
    const qz8::TToolCommandLine read = qz8::ReadToolCommandLine(line);
    if (read.action == TAction::Help && read.help.isEmpty())
        FuzzFinding("help without a text");
    if (read.action != TAction::Run && !read.arguments.isEmpty())
        FuzzFinding("arguments for a command that does not run");
    if (read.action == TAction::Run && read.arguments.size() > line.size())
        FuzzFinding("more arguments than the line had");
    for (const QString& argument : line) {
        const auto screens = qz8::ReadScreens(argument);
        for (const QRect& s : screens.value_or(QList<QRect>())) {
            if (s.width() < 1 || s.height() < 1 || std::abs(s.x()) > qz8::kMaxWindowCoordinate ||
                std::abs(s.y()) > qz8::kMaxWindowCoordinate)
                FuzzFinding("a screen no window could open on");
        }
    }
    return 0;
}
