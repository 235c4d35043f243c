// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/FormStateCheck.h"
#include "platform/AtomicFile_p.h"
#include "platform/SecretStore.h"
#include "store/Exception.h"
#include "store/FormStateMigrations.h"
#include "store/FormStateStore.h"
#include "store/IniLines_p.h"
#include "store/LayoutValues_p.h"
#include "store/MemIniFile.h"
#include "store/WindowGeometry.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace qz8 {

namespace {

// A QLineEdit takes no longer text (its default maxLength).
constexpr int kLineEditMaxLength = 32767;

struct TLines {
    QHash<QString, int> sections; // folded name -> first line
    QHash<QString, int> keys; // folded "section\nkey" -> first line
    QList<TFormStateFinding> findings; // lines that carry nothing, repeated keys
};

QString Folded(const QString& section, const QString& key = QString())
{
    return (section + QLatin1Char('\n') + key).toCaseFolded();
}

// The lines of the file as TMyMemIniFile parses them: where each section
// and key stands, and the lines it passes over.
TLines ScanLines(const QString& text)
{
    TLines out;
    QString section;
    bool inSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QStringView raw(lines[i]);
        if (i == 0 && raw.startsWith(QChar(0xFEFF)))
            raw = raw.mid(1);
        const TIniLine line = ReadIniLine(raw);
        if (line.kind == TIniLineKind::Nothing)
            continue;
        if (line.kind == TIniLineKind::Section) {
            section = line.name.toString();
            inSection = true;
            out.sections.insert(Folded(section), out.sections.value(Folded(section), number));
            continue;
        }
        if (!inSection || line.kind == TIniLineKind::Stray) {
            out.findings.append({number, section, QString(),
                                 inSection ? QStringLiteral("neither a section nor a key: the line is passed over")
                                           : QStringLiteral("a line before the first section is passed over")});
            continue;
        }
        const QString key = line.name.trimmed().toString();
        if (key.isEmpty()) {
            out.findings.append({number, section, QString(), QStringLiteral("a value without a key is passed over")});
            continue;
        }
        const QString folded = Folded(section, key);
        if (out.keys.contains(folded))
            out.findings.append({number, section, key,
                                 QStringLiteral("the key is repeated; only its first value (line %1) is read")
                                     .arg(out.keys.value(folded))});
        else
            out.keys.insert(folded, number);
    }
    return out;
}

class TChecker {
public:
    TChecker(const TMyMemIniFile& ini, const TLines& lines, const TFormStateCheckOptions& options)
        : fIni(ini), fLines(lines), fOptions(options)
    { }

    QList<TFormStateFinding> Run()
    {
        for (const QString& section : fIni.ReadSections()) {
            // The migration record holds step ids, no control's values.
            if (section.compare(FormStateMigrationsSection(), Qt::CaseInsensitive) == 0)
                continue;
            if (section.compare(WindowGeometrySection(), Qt::CaseInsensitive) == 0)
                CheckPlacements(section);
            else if (section.compare(kBarsAndDocksSection, Qt::CaseInsensitive) == 0)
                CheckBarsAndDocks(section);
            else
                CheckControl(section);
        }
        return fFound;
    }

private:
    void Add(const QString& section, const QString& key, const QString& message)
    {
        const int line = key.isEmpty()
                             ? fLines.sections.value(Folded(section))
                             : fLines.keys.value(Folded(section, key), fLines.sections.value(Folded(section)));
        fFound.append({line, section, key, message});
    }

    void CheckPlacements(const QString& section)
    {
        int valid = 0;
        for (const QString& key : fIni.ReadSection(section)) {
            const auto p = TWindowPlacement::FromText(fIni.ReadString(section, key, QString()));
            if (!p) {
                Add(section, key, QStringLiteral("a damaged or absurd placement: it is passed over"));
                continue;
            }
            if (++valid > kMaxKeptArrangements) {
                Add(section, key,
                    QStringLiteral("more than %1 screen arrangements: it is passed over").arg(kMaxKeptArrangements));
                continue;
            }
            if (fOptions.Screens.isEmpty())
                continue;
            const QRect fitted = FitOnScreens(p->Normal, fOptions.Screens);
            if (fitted.size() != p->Normal.size())
                Add(section, key,
                    QStringLiteral("larger than the screen: the window opens at %1 x %2")
                        .arg(fitted.width())
                        .arg(fitted.height()));
            else if (fitted != p->Normal)
                Add(section, key,
                    QStringLiteral("off every screen: the window opens at %1, %2").arg(fitted.x()).arg(fitted.y()));
        }
    }

    void CheckBarsAndDocks(const QString& section)
    {
        for (const QString& key : fIni.ReadSection(section)) {
            const QString value = fIni.ReadString(section, key, QString());
            if (key.startsWith(kBarKeyPrefix, Qt::CaseInsensitive)) {
                if (!BarPlaceFits(value))
                    Add(section, key, QStringLiteral("a tool bar place no window takes: it is passed over"));
            } else if (key.startsWith(kDockKeyPrefix, Qt::CaseInsensitive)) {
                const auto values = ReadIntList(value);
                if (!values || !DockValuesFit(*values))
                    Add(section, key, QStringLiteral("a dock place no window takes: it is passed over"));
            } else {
                Add(section, key, QStringLiteral("not a tool bar's or a dock's value: it is passed over"));
            }
        }
    }

    void CheckLayoutList(const QString& section, const QString& key, bool header)
    {
        const QString text = fIni.ReadString(section, key, QString());
        const auto values = ReadIntList(text);
        if (!values) {
            Add(section, key,
                QStringLiteral("not a list of at most %1 whole numbers: it is passed over").arg(kMaxLayoutSections));
            return;
        }
        if (!header && key == kLayoutSizes && !SplitterSizesFit(*values, static_cast<int>(values->size())))
            Add(section, key,
                QStringLiteral("pane sizes outside 0 to %1, or all 0: they are passed over").arg(kMaxLayoutExtent));
    }

    void CheckHeader(const QString& section)
    {
        for (const char* key : {"sizes", "positions", "hidden", "sort"}) {
            if (fIni.ValueExists(section, QLatin1String(key)))
                CheckLayoutList(section, QLatin1String(key), true);
        }
        if (const auto layout = ReadHeaderLayout(fIni, section)) {
            for (const THeaderLayoutProblem& problem : HeaderLayoutProblems(*layout))
                Add(section, problem.key, problem.message);
        }
    }

    // A state blob of an earlier release: base64 of what Qt wrote.
    void CheckBlob(const QString& section, const QString& key, bool header)
    {
        const auto decoded = QByteArray::fromBase64Encoding(fIni.ReadString(section, key, QString()).toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            Add(section, key, QStringLiteral("not base64: the state is passed over"));
            return;
        }
        if (header) {
            const auto layout = ReadHeaderStateBlob(*decoded);
            if (!layout) {
                Add(section, key,
                    QStringLiteral("a header state that does not parse whole, or of more than %1 "
                                   "columns: it is passed over")
                        .arg(kMaxLayoutSections));
                return;
            }
            for (const THeaderLayoutProblem& problem : HeaderLayoutProblems(*layout))
                Add(section, key, problem.message);
            return;
        }
        const auto sizes = ReadSplitterStateBlob(*decoded);
        if (!sizes || !SplitterSizesFit(*sizes, static_cast<int>(sizes->size())))
            Add(section, key, QStringLiteral("a splitter state that does not parse or fit: it is passed over"));
    }

    void CheckList(const QString& section)
    {
        bool ok = false;
        const int count = fIni.ReadString(section, QStringLiteral("_count"), QString()).toInt(&ok);
        if (!ok || count < 0) {
            Add(section, QStringLiteral("_count"), QStringLiteral("not a count: the list is read as empty"));
            return;
        }
        const int per = std::max(1, fIni.ReadString(section, QStringLiteral("_per"), QStringLiteral("1")).toInt());
        int lines = 0;
        while (fIni.ValueExists(section, QStringLiteral("_line") + QString::number(lines)))
            ++lines;
        if (static_cast<qint64>(lines) * per < count)
            Add(section, QStringLiteral("_count"),
                QStringLiteral("the list says %1 entries, its lines hold at most %2: those are read")
                    .arg(count)
                    .arg(static_cast<qint64>(lines) * per));
    }

    void CheckSecret(const QString& section)
    {
        const QString service = fOptions.SecretService.isEmpty() ? PasswordSecretService() : fOptions.SecretService;
        QString secret;
        const TSecretResult r = SecretStore().Read(service, PasswordSecretKey(fIni.FileName(), section), secret);
        secret.fill(QLatin1Char(' '));
        if (r != TSecretResult::Ok)
            Add(section, QStringLiteral("text"),
                QStringLiteral("a password marker the secret store does not resolve (%1): the edit keeps its text")
                    .arg(r == TSecretResult::NotFound ? QStringLiteral("not found in service \"%1\"").arg(service)
                                                      : QStringLiteral("store unavailable")));
    }

    void CheckControl(const QString& section)
    {
        const bool header = fIni.ValueExists(section, QStringLiteral("positions")) ||
                            fIni.ValueExists(section, QStringLiteral("hidden")) ||
                            fIni.ValueExists(section, QStringLiteral("sort"));
        if (header)
            CheckHeader(section);
        else if (fIni.ValueExists(section, kLayoutSizes))
            CheckLayoutList(section, kLayoutSizes, false);
        if (fIni.ValueExists(section, QStringLiteral("header")))
            CheckBlob(section, QStringLiteral("header"), true);
        if (fIni.ValueExists(section, QStringLiteral("state")))
            CheckBlob(section, QStringLiteral("state"), false);
        if (fIni.ValueExists(section, QStringLiteral("_count")))
            CheckList(section);
        const QString text = fIni.ReadString(section, QStringLiteral("text"), QString());
        if (text == SecretStoreMarker()) {
            if (fOptions.LookUpSecrets)
                CheckSecret(section);
        } else if (text.size() > kLineEditMaxLength) {
            Add(section, QStringLiteral("text"),
                QStringLiteral("%1 characters: a line edit takes the first %2")
                    .arg(text.size())
                    .arg(kLineEditMaxLength));
        }
    }

    const TMyMemIniFile& fIni;
    const TLines& fLines;
    const TFormStateCheckOptions& fOptions;
    QList<TFormStateFinding> fFound;
};

} // namespace

QList<TFormStateFinding> CheckFormStateFile(const QString& fileName, const TFormStateCheckOptions& options)
{
    const QFileInfo info(fileName);
    if (!info.exists() && !info.isSymLink())
        return {{0, QString(), QString(), QStringLiteral("there is no file \"%1\"").arg(fileName)}};
    TMyMemIniFile ini(fileName);
    try {
        ini.Load();
    } catch (const Exception& e) {
        return {{0, QString(), QString(), e.Message()}};
    }
    QList<TFormStateFinding> found;
    if (IsReadOnlyFile(fileName))
        found.append({0, QString(), QString(), QStringLiteral("read-only: windows read it and never save into it")});
    // Read once more as text for the line numbers; Load has bounded its size.
    QFile file(fileName);
    const TLines lines = ScanLines(
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(TMyMemIniFile::kMaxIniFileBytes)) : QString());
    found += lines.findings;
    found += TChecker(ini, lines, options).Run();
    std::stable_sort(found.begin(), found.end(),
                     [](const TFormStateFinding& a, const TFormStateFinding& b) { return a.Line < b.Line; });
    return found;
}

bool FormStateFileBeingSaved(const QString& fileName)
{
    return FormStateFileLocked(fileName) || SaveInProgress(fileName, 60);
}

} // namespace qz8
