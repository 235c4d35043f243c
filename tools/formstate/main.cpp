// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// qz8-formstate: reads, checks, edits and carries a tool's form state file
// from a shell, for support staff and set-up scripts:
//   qz8-formstate get FILE SECTION KEY
//   qz8-formstate set FILE SECTION KEY VALUE
//   qz8-formstate delete FILE SECTION [KEY]
//   qz8-formstate list FILE [SECTION]
//   qz8-formstate check [--screens "WxH+X+Y ..."] [--tool NAME] [--no-secrets] FILE
//   qz8-formstate diff FILE1 FILE2
//   qz8-formstate export [--drive ROOT] FILE [OUT]
//   qz8-formstate import FILE EXPORTED
// It writes through the library's form state store (the file's lock, then
// the atomic save), so a running tool's saves and other edits are never
// lost; it never prints a password (a marker is shown as it stands, a
// scrambled one as "<scrambled password>"), and says what it changed.
// Exit status: 0 done (nothing found, no difference); 1 found or differs,
// or the key is not there; 2 a usage or file error.
#include "formstate/CommandLine.h"
#include "platform/AtomicFile_p.h"
#include "store/DriveToken.h"
#include "store/Exception.h"
#include "store/FormStateCheck.h"
#include "store/FormStateStore.h"
#include "store/MemIniFile.h"
#include "store/WindowGeometry.h"

#include <QZ8StyledListboxPack/qz8_version.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace qz8;

namespace {

constexpr int kFound = 1;
constexpr int kError = 2;
const QString kScrambledShown = QStringLiteral("<scrambled password>");

void Out(const QString& text) { std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData()); }
void Note(const QString& text) { std::fprintf(stderr, "qz8-formstate: %s\n", text.toLocal8Bit().constData()); }

int Fail(const QString& message)
{
    Note(message);
    return kError;
}

// A usage error: the usage on standard error, status 2.
int Usage()
{
    std::fputs(ToolUsageText().toLocal8Bit().constData(), stderr);
    return kError;
}

struct TFile {
    QString name;
    TMyMemIniFile ini;
    explicit TFile(const QString& fileName) : name(fileName), ini(fileName) { }
};

// Reads a file whole; nothing, said, when it cannot be read.
std::unique_ptr<TFile> Open(const QString& fileName, bool mustExist = true)
{
    auto f = std::make_unique<TFile>(fileName);
    if (!QFileInfo::exists(fileName)) {
        if (mustExist) {
            Note(QStringLiteral("there is no file \"%1\"").arg(fileName));
            return nullptr;
        }
        f->ini.Clear();
        return f;
    }
    try {
        f->ini.Load();
    } catch (const Exception& e) {
        Note(e.Message());
        return nullptr;
    }
    return f;
}

// A password edit's text as the library writes it: the secret store's
// marker, or a password kept in the file, scrambled as uppercase hex
// quadruples. Known by that form in any file, whatever its mode (a copied
// file, a checkout of dotfiles): a plain text of that form is hidden too,
// the safe side.
bool IsPassword(const QString& key, const QString& value)
{
    if (key.compare(QLatin1String("text"), Qt::CaseInsensitive) != 0 || value.isEmpty())
        return false;
    if (value == SecretStoreMarker())
        return true;
    static const QRegularExpression hex(QStringLiteral("^(?:[0-9A-F]{4})+$"));
    return hex.match(value).hasMatch();
}

// A value as it may be printed.
QString Shown(const TFile& f, const QString& section, const QString& key)
{
    const QString value = f.ini.ReadString(section, key, QString());
    if (IsPassword(key, value) && value != SecretStoreMarker())
        return kScrambledShown;
    return value;
}

QString Quoted(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

// Runs an edit on the file and saves it, under the file's lock: the edit
// sees the file as it is on disk now, and no other writer (a tool's window,
// another qz8-formstate) saves between this read and this save. The edit
// returns the lines saying what it changed (none: nothing to save) or
// nothing on refusal.
using TEdit = std::function<std::optional<QStringList>(TFile&)>;
int Edit(const QString& fileName, bool mayCreate, const TEdit& edit)
{
    if (!mayCreate && !QFileInfo::exists(fileName))
        return Fail(QStringLiteral("there is no file \"%1\"").arg(fileName));
    TFile f(fileName);
    std::optional<QStringList> said;
    try {
        EditFormStateFile(f.ini, [&](TMyMemIniFile&) {
            said = edit(f);
            return said && !said->isEmpty();
        });
    } catch (const Exception& e) {
        return Fail(e.Message());
    }
    if (!said)
        return kError;
    if (said->isEmpty()) {
        Out(QStringLiteral("no change"));
        return 0;
    }
    for (const QString& line : *said)
        Out(line);
    return 0;
}

int Get(const QStringList& a)
{
    if (a.size() != 3)
        return Usage();
    const auto f = Open(a[0]);
    if (!f)
        return kError;
    if (!f->ini.ValueExists(a[1], a[2])) {
        Note(QStringLiteral("[%1] has no key \"%2\"").arg(a[1], a[2]));
        return kFound;
    }
    Out(Shown(*f, a[1], a[2]));
    return 0;
}

int Set(const QStringList& a)
{
    if (a.size() != 4)
        return Usage();
    return Edit(a[0], true, [&](TFile& f) -> std::optional<QStringList> {
        const bool had = f.ini.ValueExists(a[1], a[2]);
        const QString before = f.ini.ReadString(a[1], a[2], QString());
        if (had && IsPassword(a[2], before)) {
            Note(QStringLiteral("[%1] %2 is a password: set it in the tool").arg(a[1], a[2]));
            return std::nullopt;
        }
        if (had && before == a[3])
            return QStringList();
        f.ini.WriteString(a[1], a[2], a[3]);
        return QStringList{had ? QStringLiteral("[%1] %2: %3 -> %4").arg(a[1], a[2], Quoted(before), Quoted(a[3]))
                               : QStringLiteral("[%1] %2: new, %3").arg(a[1], a[2], Quoted(a[3]))};
    });
}

int Delete(const QStringList& a)
{
    if (a.size() != 2 && a.size() != 3)
        return Usage();
    return Edit(a[0], false, [&](TFile& f) -> std::optional<QStringList> {
        if (a.size() == 2) {
            if (!f.ini.SectionExists(a[1]))
                return QStringList();
            const qsizetype keys = f.ini.ReadSection(a[1]).size();
            f.ini.EraseSection(a[1]);
            return QStringList{QStringLiteral("[%1] deleted, with %2 keys").arg(a[1]).arg(keys)};
        }
        if (!f.ini.ValueExists(a[1], a[2]))
            return QStringList();
        const QString before = Shown(f, a[1], a[2]);
        f.ini.DeleteKey(a[1], a[2]);
        return QStringList{QStringLiteral("[%1] %2 deleted (was %3)").arg(a[1], a[2], Quoted(before))};
    });
}

int List(const QStringList& a)
{
    if (a.size() != 1 && a.size() != 2)
        return Usage();
    const auto f = Open(a[0]);
    if (!f)
        return kError;
    if (a.size() == 2 && !f->ini.SectionExists(a[1])) {
        Note(QStringLiteral("there is no section [%1]").arg(a[1]));
        return kFound;
    }
    for (const QString& section : a.size() == 2 ? QStringList{a[1]} : f->ini.ReadSections()) {
        Out(QLatin1Char('[') + section + QLatin1Char(']'));
        for (const QString& key : f->ini.ReadSection(section))
            Out(key + QLatin1Char('=') + Shown(*f, section, key));
    }
    return 0;
}

int Check(const QStringList& arguments)
{
    QStringList a = arguments;
    TFormStateCheckOptions options;
    bool screensGiven = false;
    while (!a.isEmpty() && a.first().startsWith(QLatin1String("--"))) {
        const QString option = a.takeFirst();
        if (option == QLatin1String("--no-secrets")) {
            options.LookUpSecrets = false;
        } else if ((option == QLatin1String("--screens") || option == QLatin1String("--tool")) && !a.isEmpty()) {
            const QString value = a.takeFirst();
            if (option == QLatin1String("--tool")) {
                options.SecretService = value;
                continue;
            }
            const auto screens = ReadScreens(value);
            if (!screens || screens->isEmpty())
                return Fail(QStringLiteral("\"%1\" is not a list of screens WxH+X+Y").arg(value));
            options.Screens = *screens;
            screensGiven = true;
        } else {
            return Usage();
        }
    }
    if (a.size() != 1)
        return Usage();
    // The tool needs no display: the screens a user's windows open on are
    // theirs, given with --screens.
    if (!screensGiven)
        Note(QStringLiteral("no screens given (--screens): placements are checked for damage only"));
    // The tool that wrote the file is most often named as its file (the
    // library's default is "<program>.ini").
    if (options.SecretService.isEmpty())
        options.SecretService = QFileInfo(a[0]).completeBaseName();
    const QList<TFormStateFinding> found = CheckFormStateFile(a[0], options);
    for (const TFormStateFinding& f : found) {
        QString where = QStringLiteral("%1:%2:").arg(a[0]).arg(f.Line);
        if (!f.Section.isEmpty())
            where += QStringLiteral(" [%1]").arg(f.Section);
        if (!f.Key.isEmpty())
            where += QLatin1Char(' ') + f.Key;
        if (!f.Section.isEmpty())
            where += QLatin1Char(':');
        Out(where + QLatin1Char(' ') + f.Message);
    }
    if (found.isEmpty())
        Out(QStringLiteral("%1: nothing a window would refuse").arg(a[0]));
    return found.isEmpty() ? 0 : kFound;
}

int Diff(const QStringList& a)
{
    if (a.size() != 2)
        return Usage();
    const auto one = Open(a[0]);
    const auto two = Open(a[1]);
    if (!one || !two)
        return kError;
    int differences = 0;
    const auto said = [&](const QString& line) {
        Out(line);
        ++differences;
    };
    for (const QString& section : one->ini.ReadSections()) {
        if (!two->ini.SectionExists(section)) {
            said(QStringLiteral("only in %1: [%2]").arg(a[0], section));
            continue;
        }
        for (const QString& key : one->ini.ReadSection(section)) {
            if (!two->ini.ValueExists(section, key))
                said(QStringLiteral("[%1] %2: only in %3 (%4)")
                         .arg(section, key, a[0], Quoted(Shown(*one, section, key))));
            else if (one->ini.ReadString(section, key, {}) != two->ini.ReadString(section, key, {}))
                said(QStringLiteral("[%1] %2: %3 | %4")
                         .arg(section, key, Quoted(Shown(*one, section, key)), Quoted(Shown(*two, section, key))));
        }
        for (const QString& key : two->ini.ReadSection(section)) {
            if (!one->ini.ValueExists(section, key))
                said(QStringLiteral("[%1] %2: only in %3 (%4)")
                         .arg(section, key, a[1], Quoted(Shown(*two, section, key))));
        }
    }
    for (const QString& section : two->ini.ReadSections()) {
        if (!one->ini.SectionExists(section))
            said(QStringLiteral("only in %1: [%2]").arg(a[1], section));
    }
    return differences ? kFound : 0;
}

// An absolute name under root written with the tool's drive token; list
// entries ("\|" between them) one by one.
QString Portable(const QString& key, const QString& value, const QString& root)
{
    if (root.isEmpty())
        return value;
    if (key.startsWith(QLatin1String("_line"), Qt::CaseInsensitive)) {
        QStringList entries = value.split(QStringLiteral("\\|"));
        for (QString& e : entries)
            e = ContractDrive(e, root);
        return entries.join(QStringLiteral("\\|"));
    }
    return ContractDrive(value, root);
}

int Export(const QStringList& arguments)
{
    QStringList a = arguments;
    QString root;
    if (a.size() >= 2 && a.first() == QLatin1String("--drive")) {
        a.takeFirst();
        root = a.takeFirst();
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
    }
    if (a.size() != 1 && a.size() != 2)
        return Usage();
    // The export leaves passwords out: written over its own file (by any
    // name of it), it would lose them.
    if (a.size() == 2 && IsSameFile(a[0], a[1]))
        return Fail(QStringLiteral("\"%1\" is the file exported: give another output file").arg(a[1]));
    const auto f = Open(a[0]);
    if (!f)
        return kError;
    TMyMemIniFile out(a.size() == 2 ? a[1] : QString());
    out.Clear();
    int passwords = 0;
    for (const QString& section : f->ini.ReadSections()) {
        for (const QString& key : f->ini.ReadSection(section)) {
            const QString value = f->ini.ReadString(section, key, QString());
            if (IsPassword(key, value)) {
                ++passwords;
                continue;
            }
            const QString portable = Portable(key, value, root);
            if (root.isEmpty() && portable.startsWith(QLatin1Char('/')))
                Note(QStringLiteral("[%1] %2 names \"%3\", a place on this machine (give --drive ROOT for a tool "
                                    "drive's names)")
                         .arg(section, key, portable.left(120)));
            out.WriteString(section, key, portable);
        }
    }
    if (passwords)
        Note(QStringLiteral("%1 password(s) left out").arg(passwords));
    if (a.size() == 1) {
        QString text = out.ToText();
        if (!text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }
    try {
        out.UpdateFile();
    } catch (const Exception& e) {
        return Fail(e.Message());
    }
    Out(QStringLiteral("exported %1 sections into \"%2\"").arg(out.ReadSections().size()).arg(a[1]));
    return 0;
}

int Import(const QStringList& a)
{
    if (a.size() != 2)
        return Usage();
    const auto from = Open(a[1]);
    if (!from)
        return kError;
    return Edit(a[0], true, [&](TFile& f) -> std::optional<QStringList> {
        QStringList said;
        for (const QString& section : from->ini.ReadSections()) {
            for (const QString& key : from->ini.ReadSection(section)) {
                const QString value = from->ini.ReadString(section, key, QString());
                // A marker names a secret of another machine's store; a
                // password here is the user's to keep.
                if (value == SecretStoreMarker() || IsPassword(key, f.ini.ReadString(section, key, QString())))
                    continue;
                const bool had = f.ini.ValueExists(section, key);
                const QString before = f.ini.ReadString(section, key, QString());
                if (had && before == value)
                    continue;
                f.ini.WriteString(section, key, value);
                said << (had ? QStringLiteral("[%1] %2: %3 -> %4").arg(section, key, Quoted(before), Quoted(value))
                             : QStringLiteral("[%1] %2: new, %3").arg(section, key, Quoted(value)));
            }
        }
        return said;
    });
}

} // namespace

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qz8-formstate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QZ8_VERSION_STRING));
    const TToolCommandLine line = ReadToolCommandLine(QCoreApplication::arguments());
    switch (line.action) {
    case TToolCommandLine::TAction::Version:
        Out(QStringLiteral("qz8-formstate %1").arg(QCoreApplication::applicationVersion()));
        return 0;
    case TToolCommandLine::TAction::Help: std::fputs(line.help.toLocal8Bit().constData(), stdout); return 0;
    case TToolCommandLine::TAction::Usage:
        if (!line.note.isEmpty())
            Note(line.note);
        return Usage();
    case TToolCommandLine::TAction::Run: break;
    }
    const struct {
        const char* name;
        int (*run)(const QStringList&);
    } commands[] = {{"get", Get},     {"set", Set},   {"delete", Delete}, {"list", List},
                    {"check", Check}, {"diff", Diff}, {"export", Export}, {"import", Import}};
    for (const auto& c : commands) {
        if (line.command == QLatin1String(c.name))
            return c.run(line.arguments);
    }
    Note(QStringLiteral("no command \"%1\"").arg(line.command));
    return Usage();
}
