// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// How qz8-formstate reads its command line, by Qt's conventions: the known
// options anywhere before a "--", every other argument positional (a value
// such as "-5" stays a value), --help and --version, "help COMMAND".
// Apart from the commands, so that a fuzz target can feed it any line.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace qz8 {

struct TToolCommandLine {
    enum class TAction { Run, Help, Version, Usage };
    TAction action = TAction::Usage;
    QString command; ///< Run: the command asked for
    QStringList arguments; ///< Run: the command's arguments, the options it takes first ("--screens", value)
    QString help; ///< Help: the text to show (the tool's, or the command's usage)
    QString note; ///< Usage: what was wrong, when something was
};

/// The command line (its first entry the program) as the tool acts on it.
TToolCommandLine ReadToolCommandLine(const QStringList& line);

/// The usage of every command, or of one; empty for a command there is not.
QString ToolUsageText(const QString& command = QString());

/// Screens as "1920x1080+0+0 1366x768+1920+0" (spaces or commas between
/// them): nothing when one is not a size of at least 1x1 and a place that
/// a window's coordinates can hold.
std::optional<QList<QRect>> ReadScreens(const QString& text);

} // namespace qz8
