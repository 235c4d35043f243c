// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "formstate/CommandLine.h"
#include "store/WindowGeometry.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

namespace qz8 {

namespace {

// The commands, their arguments and options, in the order of the help.
const char* const kSynopses[] = {
    "get FILE SECTION KEY",
    "set FILE SECTION KEY VALUE",
    "delete FILE SECTION [KEY]",
    "list FILE [SECTION]",
    "check [--screens \"WxH+X+Y ...\"] [--tool NAME] [--no-secrets] FILE",
    "diff FILE1 FILE2",
    "export [--drive ROOT] FILE [OUT]",
    "import FILE EXPORTED",
};

} // namespace

QString ToolUsageText(const QString& command)
{
    QString text;
    for (const char* synopsis : kSynopses) {
        const QString line = QString::fromLatin1(synopsis);
        if (command.isEmpty() || line.section(QLatin1Char(' '), 0, 0) == command)
            text +=
                (text.isEmpty() ? QStringLiteral("usage: qz8-formstate ") : QStringLiteral("       qz8-formstate ")) +
                line + QLatin1Char('\n');
    }
    return text;
}

std::optional<QList<QRect>> ReadScreens(const QString& text)
{
    static const QRegularExpression one(QStringLiteral("^(\\d+)x(\\d+)([+-]\\d+)([+-]\\d+)$"));
    static const QRegularExpression between(QStringLiteral("[ ,]+"));
    QList<QRect> screens;
    for (const QString& part : text.split(between, Qt::SkipEmptyParts)) {
        const auto m = one.match(part);
        if (!m.hasMatch())
            return std::nullopt;
        // A screen has a size and a place a window can have.
        int v[4] = {};
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = m.captured(i + 1).toInt(&ok);
            if (!ok || std::abs(v[i]) > kMaxWindowCoordinate || (i < 2 && v[i] < 1))
                return std::nullopt;
        }
        screens << QRect(v[2], v[3], v[0], v[1]);
    }
    return screens;
}

TToolCommandLine ReadToolCommandLine(const QStringList& line)
{
    TToolCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Reads, checks, edits and carries a tool's form state file.\n\n"
            "Exit status: 0 done (nothing found, no difference); 1 found or differs, or the key is not there; "
            "2 a usage or file error.\n\n") +
        ToolUsageText());
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("This help, or the command's."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("The library's version."));
    const QCommandLineOption screens(QStringLiteral("screens"),
                                     QStringLiteral("check: the screens windows open on, \"WxH+X+Y ...\"."),
                                     QStringLiteral("screens"));
    const QCommandLineOption tool(QStringLiteral("tool"),
                                  QStringLiteral("check: the tool whose secret store service holds the passwords."),
                                  QStringLiteral("name"));
    const QCommandLineOption noSecrets(QStringLiteral("no-secrets"),
                                       QStringLiteral("check: markers are not looked up in the secret store."));
    const QCommandLineOption drive(QStringLiteral("drive"),
                                   QStringLiteral("export: names under ROOT with the tool's drive token."),
                                   QStringLiteral("root"));
    const QList<QCommandLineOption> all{help, version, screens, tool, noSecrets, drive};
    parser.addOptions(all);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("get, set, delete, list, check, diff, "
                                                                           "export or import, with its arguments."));
    // The parser sees the known options (anywhere on the line, before a
    // "--") and then every other argument as positional.
    QStringList known{line.value(0)}, positional;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QString& arg = line[i];
        if (arg == QLatin1String("--")) {
            positional += line.mid(i + 1);
            break;
        }
        const QString name = arg.startsWith(QLatin1String("--")) ? arg.mid(2).section(QLatin1Char('='), 0, 0)
                             : arg == QLatin1String("-h")        ? QStringLiteral("h")
                                                                 : QString();
        const auto option =
            std::find_if(all.begin(), all.end(), [&](const QCommandLineOption& o) { return o.names().contains(name); });
        if (name.isEmpty() || option == all.end()) {
            positional << arg;
            continue;
        }
        known << arg;
        if (!option->valueName().isEmpty() && !arg.contains(QLatin1Char('=')) && i + 1 < line.size())
            known << line[++i];
    }
    if (!parser.parse(known + QStringList{QStringLiteral("--")} + positional)) {
        result.note = parser.errorText();
        return result;
    }
    QStringList args = parser.positionalArguments();
    if (parser.isSet(version)) {
        result.action = TToolCommandLine::TAction::Version;
        return result;
    }
    // "qz8-formstate help [COMMAND]" as "--help".
    const bool helpAsked = parser.isSet(help) || args.value(0) == QLatin1String("help");
    if (!args.isEmpty() && args.first() == QLatin1String("help"))
        args.removeFirst();
    if (helpAsked) {
        result.action = TToolCommandLine::TAction::Help;
        result.command = args.value(0);
        const QString usage = ToolUsageText(result.command);
        result.help = result.command.isEmpty() || usage.isEmpty() ? parser.helpText() : usage;
        return result;
    }
    if (args.isEmpty())
        return result;
    const QString command = args.takeFirst();
    // The commands take their options first, as they read them.
    const bool checking = command == QLatin1String("check");
    const bool exporting = command == QLatin1String("export");
    if ((!checking && (parser.isSet(screens) || parser.isSet(tool) || parser.isSet(noSecrets))) ||
        (!exporting && parser.isSet(drive))) {
        result.note = QStringLiteral("an option that \"%1\" does not take").arg(command);
        return result;
    }
    QStringList options;
    if (parser.isSet(noSecrets))
        options << QStringLiteral("--no-secrets");
    for (const QCommandLineOption* o : {&screens, &tool, &drive}) {
        if (parser.isSet(*o))
            options << QStringLiteral("--") + o->names().first() << parser.value(*o);
    }
    result.action = TToolCommandLine::TAction::Run;
    result.command = command;
    result.arguments = options + args;
    return result;
}

} // namespace qz8
