// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/MemIniFile.h"
#include "platform/AtomicFile_p.h"
#include "store/Exception.h"
#include "store/FormatSettings.h"
#include "store/IniLines_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringBuilder>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace qz8 {

namespace {

const QString kCount = QStringLiteral("_count");
const QString kPer = QStringLiteral("_per");
const QString kLine = QStringLiteral("_line");
const QString kObj = QStringLiteral("_obj");
// Sections of up to this many keys are searched by a scan, without an index.
constexpr size_t kScanLimit = 8;
// The key of a line kept as it stands (a comment, a blank line, a line
// without "="): no key can hold a line break, so no look-up finds it.
const QString kLineKept = QStringLiteral("\n");

template <class Entry>
bool IsKeptLine(const Entry& e)
{
    return e.first.size() == 1 && e.first.front() == QLatin1Char('\n');
}

bool IsPlainKey(QStringView key)
{
    if (key.isEmpty())
        return true;
    const QChar first = key.front();
    if (first.isSpace() || key.back().isSpace() || first == QLatin1Char('[') || first == QLatin1Char(';') ||
        first == QLatin1Char('#'))
        return false;
    for (QChar c : key) {
        if (c == QLatin1Char('=') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return false;
    }
    return true;
}

// Keys and section names are kept to what one INI line can carry.
QString CleanKey(const QString& key)
{
    if (IsPlainKey(key))
        return key;
    QString k = key.trimmed();
    for (QChar& c : k) {
        if (c == QLatin1Char('=') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char('_');
    }
    if (!k.isEmpty() && (k[0] == QLatin1Char('[') || k[0] == QLatin1Char(';') || k[0] == QLatin1Char('#')))
        k[0] = QLatin1Char('_');
    return k;
}

bool IsPlainSection(QStringView name)
{
    if (name.isEmpty() || name.front().isSpace() || name.back().isSpace())
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return false;
    }
    return true;
}

QString CleanSection(const QString& name)
{
    if (IsPlainSection(name))
        return name;
    QString n = name.trimmed();
    for (QChar& c : n) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return n;
}

bool NeedsQuoting(const QString& v)
{
    if (v.contains(QLatin1Char('\n')) || v.contains(QLatin1Char('\r')))
        return true;
    return v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"'));
}

QString Quote(const QString& v)
{
    QString out = QStringLiteral("\"");
    for (QChar c : v) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString Unquote(QStringView v)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 1; i + 1 < v.size(); ++i) {
        QChar c = v[i];
        if (c == QLatin1Char('\\') && i + 2 < v.size()) {
            const QChar n = v[++i];
            out += n == QLatin1Char('n') ? QChar(u'\n') : n == QLatin1Char('r') ? QChar(u'\r') : n;
        } else {
            out += c;
        }
    }
    return out;
}

// Escaping for list entries: every backslash starts a pair, so "\|" can
// only be the separator.
void AppendEscaped(QString& out, const QString& s)
{
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
}

QStringList SplitEscaped(const QString& line)
{
    QStringList out;
    QString cur;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c != QLatin1Char('\\') || i + 1 >= line.size()) {
            cur += c;
            continue;
        }
        const QChar n = line[++i];
        if (n == QLatin1Char('|')) {
            out.append(cur);
            cur.clear();
        } else {
            cur += n == QLatin1Char('n') ? QChar(u'\n') : n == QLatin1Char('r') ? QChar(u'\r') : n;
        }
    }
    out.append(cur);
    return out;
}

bool ParseInt(QString text, int& value)
{
    text = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (text.startsWith(QLatin1Char('$')))
        v = QStringView(text).mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = QStringView(text).mid(2).toLongLong(&ok, 16);
    else
        v = text.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

// The names a look-up is for, as the content keeps them: the given text
// itself when it is plain, so that no string is copied.
QStringView SectionName(const QString& section, QString& cleaned)
{
    if (IsPlainSection(section))
        return section;
    cleaned = CleanSection(section);
    return cleaned;
}

QStringView KeyName(const QString& key, QString& cleaned)
{
    if (IsPlainKey(key))
        return key;
    cleaned = CleanKey(key);
    return cleaned;
}

inline char16_t FoldChar(char16_t c)
{
    if (c < 128)
        return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
    return QChar(c).toCaseFolded().unicode();
}

} // namespace

TMyMemIniFile::Name::Name(QStringView name) noexcept : text(name), hash(1469598103934665603ull)
{
    for (QChar c : name) {
        hash ^= FoldChar(c.unicode());
        hash *= 1099511628211ull;
    }
}

size_t qHash(const TMyMemIniFile::Name& key, size_t seed) noexcept
{
    // The seed still varies the buckets from one process to the next.
    return key.hash ^ (seed * 0x9E3779B97F4A7C15ull);
}

namespace {
bool SameName(QStringView a, QStringView b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && FoldChar(a[i].unicode()) != FoldChar(b[i].unicode()))
            return false;
    }
    return true;
}
} // namespace

bool operator==(const TMyMemIniFile::Name& a, const TMyMemIniFile::Name& b) noexcept
{
    return a.hash == b.hash && SameName(a.text, b.text);
}

TMyMemIniFile::TMyMemIniFile(const QString& fileName) : fFileName(fileName) { }

// The bound file's text; empty for no file (nothing there, or a folder: a
// save there fails with its own error).
QString TMyMemIniFile::FileText() const
{
    if (fFileName.isEmpty())
        return QString();
    const QFileInfo info(fFileName);
    if ((!info.exists() && !info.isSymLink()) || info.isDir())
        return QString();
    // Only a regular file (or a link to one) is read: opening a FIFO would
    // wait for a writer for ever, a device may never end.
    if (!info.isFile())
        throw Exception(QStringLiteral("\"%1\" is not a regular file; it was not read.").arg(fFileName));
    QFile f(fFileName);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fFileName, f.errorString()));
    const QByteArray data = f.read(kMaxIniFileBytes + 1);
    if (data.size() > kMaxIniFileBytes)
        throw Exception(QStringLiteral("\"%1\" is larger than %2 MiB: it is damaged and was not read.")
                            .arg(fFileName)
                            .arg(kMaxIniFileBytes / (1024 * 1024)));
    return QString::fromUtf8(data);
}

void TMyMemIniFile::Load() const
{
    if (fLoaded)
        return;
    fLoaded = true;
    const QString text = FileText();
    if (!text.isEmpty())
        Parse(text);
}

bool TMyMemIniFile::Reload()
{
    // A dangling link reads as no file here: a save makes the file it names.
    const QString text = QFileInfo::exists(fFileName) ? FileText() : QString();
    if (fLoaded && text == fText)
        return false;
    Clear();
    if (!text.isEmpty())
        Parse(text);
    return true;
}

void TMyMemIniFile::Clear()
{
    fLoaded = true;
    fSections.clear();
    fSectionIndex.clear();
    fDeadSections = 0;
    fLastRead = -1;
    fPreamble.clear();
    fText.clear();
}

QString TMyMemIniFile::Owned(const QString& s) const
{
    // Whether s points into fText: std::less orders any two pointers, where
    // the built-in < is defined only within one array.
    const QChar* begin = fText.constData();
    const std::less<const QChar*> before;
    if (!fText.isEmpty() && !before(s.constData(), begin) && before(s.constData(), begin + fText.size()))
        return QString(s.constData(), s.size());
    return s;
}

int TMyMemIniFile::FindIndex(const QString& section) const
{
    Load();
    QString cleaned;
    const QStringView name = SectionName(section, cleaned);
    // Reads come section by section: the last one read is tried first (it
    // is never an erased one).
    if (fLastRead >= 0 && SameName(fSections[static_cast<size_t>(fLastRead)].name, name))
        return fLastRead;
    auto it = fSectionIndex.constFind(Name{name});
    if (it == fSectionIndex.constEnd() || fSections[static_cast<size_t>(it.value())].dead)
        return -1;
    fLastRead = it.value();
    return fLastRead;
}

const TMyMemIniFile::Section* TMyMemIniFile::Find(const QString& section) const
{
    const int at = FindIndex(section);
    return at < 0 ? nullptr : &fSections[static_cast<size_t>(at)];
}

TMyMemIniFile::Section* TMyMemIniFile::FindLive(const QString& section)
{
    const int at = FindIndex(section);
    return at < 0 ? nullptr : &fSections[static_cast<size_t>(at)];
}

TMyMemIniFile::Section& TMyMemIniFile::Ensure(const QString& section) const
{
    Load();
    // Writes come section by section: try the last section first.
    QString cleaned;
    const QStringView view = SectionName(section, cleaned);
    if (!fSections.empty() && !fSections.back().dead && SameName(fSections.back().name, view))
        return fSections.back();
    // One look-up for a new section as for a known one. The index views
    // the name's text, which the new section's name shares.
    const QString name = cleaned.isNull() ? section : cleaned;
    const qsizetype known = fSectionIndex.size();
    int& place = fSectionIndex[Name{name}];
    if (fSectionIndex.size() == known && !fSections[static_cast<size_t>(place)].dead)
        return fSections[static_cast<size_t>(place)];
    // New, or erased before: made again at the end of the file.
    place = static_cast<int>(fSections.size());
    fSections.push_back(Section{name, {}, {}, false});
    return fSections.back();
}

void TMyMemIniFile::Put(Section& s, const QString& key, const QString& value, bool replace)
{
    const int at = FindKey(s, key);
    if (at >= 0) {
        if (replace)
            s.entries[static_cast<size_t>(at)].second = value;
        return;
    }
    // A new key goes after the section's keys, before the lines kept at its
    // end (a blank line, the next section's comment).
    auto place = s.entries.end();
    while (place != s.entries.begin() && IsKeptLine(*(place - 1)))
        --place;
    if (place != s.entries.end()) {
        s.entries.insert(place, {key, value});
        Reindex(s);
        return;
    }
    Append(s, key, value);
}

void TMyMemIniFile::Append(Section& s, const QString& key, const QString& value)
{
    s.entries.emplace_back(key, value);
    if (IsKeptLine(s.entries.back()))
        return;
    if (!s.index.isEmpty())
        s.index.insert(Name{s.entries.back().first}, static_cast<int>(s.entries.size() - 1));
    else if (s.entries.size() > kScanLimit)
        Reindex(s);
}

int TMyMemIniFile::FindKey(const Section& s, QStringView key)
{
    if (!s.index.isEmpty()) {
        auto it = s.index.constFind(Name{key});
        return it == s.index.constEnd() ? -1 : it.value();
    }
    for (size_t i = 0; i < s.entries.size(); ++i) {
        if (SameName(s.entries[i].first, key))
            return static_cast<int>(i);
    }
    return -1;
}

void TMyMemIniFile::Reindex(Section& s)
{
    s.index.clear();
    if (s.entries.size() <= kScanLimit)
        return;
    for (size_t i = 0; i < s.entries.size(); ++i) {
        if (!IsKeptLine(s.entries[i]))
            s.index.insert(Name{s.entries[i].first}, static_cast<int>(i));
    }
}

const QString* TMyMemIniFile::Value(const QString& section, const QString& key) const
{
    const Section* s = Find(section);
    if (!s)
        return nullptr;
    QString cleaned;
    const int at = FindKey(*s, KeyName(key, cleaned));
    return at < 0 ? nullptr : &s->entries[static_cast<size_t>(at)].second;
}

QString TMyMemIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const QString* v = Value(section, key);
    return v ? Owned(*v) : def;
}

int TMyMemIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const QString* v = Value(section, key);
    int value = def;
    return v && ParseInt(*v, value) ? value : def;
}

bool TMyMemIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

double TMyMemIniFile::ReadFloat(const QString& section, const QString& key, double def) const
{
    const QString* v = Value(section, key);
    if (!v)
        return def;
    QString text = v->trimmed();
    const QChar sep = CurrentFormatSettings().DecimalSeparator;
    if (sep != QLatin1Char('.')) {
        if (text.contains(QLatin1Char('.')))
            return def;
        text.replace(sep, QLatin1Char('.'));
    }
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok && std::isfinite(d) ? d : def;
}

void TMyMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Put(Ensure(section), CleanKey(key), value, true);
}

void TMyMemIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TMyMemIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMyMemIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), CurrentFormatSettings().DecimalSeparator);
    WriteString(section, key, text);
}

void TMyMemIniFile::ReadMultiString(const QString& section, TStrings& list) const
{
    const Section* s = Find(section);
    if (!s || FindKey(*s, kCount) < 0)
        return;
    int count = 0;
    if (!ParseInt(ReadString(section, kCount, {}), count) || count < 0)
        count = 0;
    int per = 1;
    if (!ParseInt(ReadString(section, kPer, {}), per) || per < 1)
        per = 1;
    // Entries come from the lines that are there, however large the count;
    // they reach the target list in one assignment.
    TStringList read;
    for (int line = 0; read.Count() < count; ++line) {
        const QString* text = Value(section, kLine + QString::number(line));
        if (!text)
            break;
        const QStringList entries = SplitEscaped(*text);
        for (qsizetype k = 0; k < entries.size() && k < per && read.Count() < count; ++k) {
            const int at = read.Count();
            int obj = 0;
            if (const QString* o = Value(section, kObj + QString::number(at)); !o || !ParseInt(*o, obj))
                obj = 0;
            read.AddObject(entries[k], obj);
        }
    }
    // A list that already holds these entries (a combo's own items, read
    // back at every start) is left as it is: assigning it again refills the
    // control for nothing.
    bool same = list.Count() == read.Count();
    for (int i = 0; same && i < read.Count(); ++i)
        same = list.Objects(i) == read.Objects(i) && list.Strings(i) == read.Strings(i);
    if (!same)
        list.Assign(read);
}

void TMyMemIniFile::WriteMultiString(const QString& section, const TStrings& list, int bound)
{
    Section& s = Ensure(section);
    // Drop the list stored before; the section's other keys stay.
    auto isListKey = [](const QString& k) {
        return k.compare(kCount, Qt::CaseInsensitive) == 0 || k.compare(kPer, Qt::CaseInsensitive) == 0 ||
               k.startsWith(kLine, Qt::CaseInsensitive) || k.startsWith(kObj, Qt::CaseInsensitive);
    };
    const auto oldSize = s.entries.size();
    s.entries.erase(
        std::remove_if(s.entries.begin(), s.entries.end(), [&](const auto& e) { return isListKey(e.first); }),
        s.entries.end());
    if (s.entries.size() != oldSize)
        Reindex(s);

    const int count = list.Count();
    const int per = bound > 0 ? bound : 1;
    Put(s, kCount, QString::number(count), true);
    Put(s, kPer, QString::number(per), true);
    for (int first = 0, line = 0; first < count; first += per, ++line) {
        QString text;
        for (int i = first; i < std::min(count, first + per); ++i) {
            if (i > first)
                text += QLatin1String("\\|");
            AppendEscaped(text, list.Get(i));
        }
        Put(s, kLine + QString::number(line), text, true);
    }
    for (int i = 0; i < count; ++i) {
        const TObjectValue obj = list.GetObject(i);
        if (obj != 0)
            Put(s, kObj + QString::number(i), QString::number(static_cast<qlonglong>(obj)), true);
    }
}

bool TMyMemIniFile::SectionExists(const QString& section) const { return Find(section) != nullptr; }

bool TMyMemIniFile::ValueExists(const QString& section, const QString& key) const
{
    return Value(section, key) != nullptr;
}

bool TMyMemIniFile::ValueIs(const QString& section, const QString& key, QStringView value) const
{
    const QString* v = Value(section, key);
    return v && QStringView(*v) == value;
}

bool TMyMemIniFile::AnyValueIs(const QString& key, QStringView value) const
{
    Load();
    QString cleaned;
    const QStringView name = KeyName(key, cleaned);
    return std::any_of(fSections.begin(), fSections.end(), [&](const Section& s) {
        const int at = s.dead ? -1 : FindKey(s, name);
        return at >= 0 && QStringView(s.entries[static_cast<size_t>(at)].second) == value;
    });
}

QStringList TMyMemIniFile::ReadSections() const
{
    Load();
    QStringList out;
    for (const Section& s : fSections) {
        if (!s.dead)
            out.append(s.name);
    }
    return out;
}

QStringList TMyMemIniFile::ReadSection(const QString& section) const
{
    QStringList out;
    if (const Section* s = Find(section)) {
        for (const auto& e : s->entries) {
            if (!IsKeptLine(e))
                out.append(Owned(e.first));
        }
    }
    return out;
}

void TMyMemIniFile::EraseSection(const QString& section)
{
    Section* gone = FindLive(section);
    if (!gone)
        return;
    // The section's place stays, empty, and its index entry stays too: a
    // migration that erases thousands of sections (just read, so found
    // without a look-up) moves nothing and changes no index each time.
    gone->dead = true;
    gone->entries = {};
    gone->index.clear();
    fLastRead = -1;
    ++fDeadSections;
    Compact();
}

bool TMyMemIniFile::RenameSection(const QString& from, const QString& to)
{
    const int at = FindIndex(from);
    if (at < 0)
        return false;
    const QString name = CleanSection(to);
    // One look-up finds the new name or makes its entry, viewing the text
    // the section's name will share.
    const qsizetype known = fSectionIndex.size();
    int& place = fSectionIndex[Name{name}];
    const bool isNew = fSectionIndex.size() != known;
    if (!isNew && place != at && !fSections[static_cast<size_t>(place)].dead)
        return false;
    Section& s = fSections[static_cast<size_t>(at)];
    if (!isNew && place == at) {
        // A change of case: the entry views the old text, which goes.
        fSectionIndex.remove(Name{s.name});
        s.name = name;
        fSectionIndex.insert(Name{s.name}, at);
    } else {
        place = at;
        // The old name's entry views the old text: it goes before the text.
        fSectionIndex.remove(Name{s.name});
        s.name = name;
    }
    fLastRead = at;
    return true;
}

bool TMyMemIniFile::RenameSections(const std::function<QString(const QString& section)>& newName,
                                   QList<std::pair<QString, QString>>& renamed, QString& clash)
{
    Load();
    renamed.clear();
    // The new names first; the content changes only once they all fit.
    std::vector<QString> names(fSections.size());
    bool any = false;
    for (size_t i = 0; i < fSections.size(); ++i) {
        const Section& s = fSections[i];
        if (s.dead)
            continue;
        const QString to = newName(s.name);
        if (to.isEmpty() || SameName(s.name, to))
            continue;
        names[i] = CleanSection(to);
        any = true;
    }
    if (!any)
        return true;
    // One index of the names as they will be, built once (rather than a
    // look-up, an insertion and a removal for each section), with the erased
    // sections' places given back. It views the texts the sections will hold:
    // a moved QString keeps its text where it is.
    Index index;
    index.reserve(static_cast<qsizetype>(fSections.size()) - fDeadSections);
    int place = 0;
    for (size_t i = 0; i < fSections.size(); ++i) {
        if (fSections[i].dead)
            continue;
        const QString& name = names[i].isNull() ? fSections[i].name : names[i];
        const qsizetype known = index.size();
        index[Name{name}] = place++;
        if (index.size() == known) {
            clash = name;
            return false;
        }
    }
    std::vector<Section> sections;
    sections.reserve(static_cast<size_t>(place));
    for (size_t i = 0; i < fSections.size(); ++i) {
        Section& s = fSections[i];
        if (s.dead)
            continue;
        if (!names[i].isNull()) {
            renamed.append({s.name, names[i]});
            s.name = std::move(names[i]);
        }
        sections.push_back(std::move(s));
    }
    fSections = std::move(sections);
    fSectionIndex = std::move(index);
    fDeadSections = 0;
    fLastRead = -1;
    return true;
}

void TMyMemIniFile::Compact()
{
    if (fDeadSections <= 64 || static_cast<size_t>(fDeadSections) * 2 <= fSections.size())
        return;
    std::erase_if(fSections, [](const Section& sec) { return sec.dead; });
    fDeadSections = 0;
    fLastRead = -1;
    fSectionIndex.clear();
    for (size_t i = 0; i < fSections.size(); ++i)
        fSectionIndex.insert(Name{fSections[i].name}, static_cast<int>(i));
}

void TMyMemIniFile::DeleteKey(const QString& section, const QString& key)
{
    Section* found = FindLive(section);
    if (!found)
        return;
    Section& s = *found;
    QString cleaned;
    const int k = FindKey(s, KeyName(key, cleaned));
    if (k < 0)
        return;
    s.entries.erase(s.entries.begin() + k);
    Reindex(s);
}

void TMyMemIniFile::ReplaceSection(const QString& section, const QList<std::pair<QString, QString>>& entries)
{
    Section& s = Ensure(section);
    // Lines kept as they stand stay with the key they stood before (a
    // comment on it); those before no key stay at the section's end.
    struct Kept {
        QString key; // the key the lines stood before
        std::vector<QString> lines;
        bool placed = false;
    };
    std::vector<Kept> before;
    std::vector<QString> pending;
    for (const auto& e : s.entries) {
        if (IsKeptLine(e)) {
            pending.push_back(e.second);
        } else if (!pending.empty()) {
            before.push_back({e.first, std::move(pending), false});
            pending.clear();
        }
    }
    s.entries.clear();
    s.index.clear();
    for (const auto& [name, value] : entries) {
        const QString key = CleanKey(name);
        if (key.isEmpty())
            continue;
        if (const int at = FindKey(s, key); at >= 0) {
            s.entries[static_cast<size_t>(at)].second = value; // a repeated key: the last value
            continue;
        }
        for (Kept& k : before) {
            if (!k.placed && SameName(k.key, key)) {
                for (const QString& line : k.lines)
                    Append(s, kLineKept, line);
                k.placed = true;
            }
        }
        Append(s, key, value);
    }
    // Those of keys that went, then those of the end, in their order.
    for (const Kept& k : before) {
        for (const QString& line : k.placed ? std::vector<QString>() : k.lines)
            Append(s, kLineKept, line);
    }
    for (const QString& line : pending)
        Append(s, kLineKept, line);
}

QString TMyMemIniFile::ToText() const
{
    Load();
    QString out;
    // About the size of the text read: one allocation for most saves.
    out.reserve(fText.size() + fText.size() / 16 + 256);
    for (const QString& line : fPreamble)
        out += line % QLatin1Char('\n');
    bool first = true;
    bool endsKept = false;
    for (const Section& s : fSections) {
        if (s.dead)
            continue;
        // A blank line between sections, unless the lines kept at the end
        // of the one before (a blank line, the next one's comment) are there.
        if (!first && !endsKept)
            out += QLatin1Char('\n');
        first = false;
        endsKept = !s.entries.empty() && IsKeptLine(s.entries.back());
        out += QLatin1Char('[') % s.name % QLatin1String("]\n");
        for (const auto& e : s.entries) {
            if (IsKeptLine(e)) {
                out += e.second % QLatin1Char('\n');
                continue;
            }
            out += e.first % QLatin1Char('=');
            out += NeedsQuoting(e.second) ? Quote(e.second) : e.second;
            out += QLatin1Char('\n');
        }
    }
    return out;
}

void TMyMemIniFile::SetText(const QString& text)
{
    Clear();
    Parse(text);
}

void TMyMemIniFile::Parse(const QString& text) const
{
    fText = text;
    QStringView all(fText);
    if (all.startsWith(QChar(0xFEFF)))
        all = all.mid(1);
    Section* current = nullptr;
    qsizetype pos = 0;
    while (pos < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = all.size();
        QStringView raw = all.mid(pos, end - pos);
        const TIniLine line = ReadIniLine(raw);
        pos = end + 1;
        if (line.kind == TIniLineKind::Section) {
            current = &Ensure(line.name.toString());
            continue;
        }
        if (current && line.kind == TIniLineKind::Key) {
            const QString key = CleanKey(QString::fromRawData(line.name.data(), line.name.size()));
            if (!key.isEmpty()) {
                // The first of duplicate keys wins, as a string list's Values
                // does; the others go.
                if (FindKey(*current, key) < 0) {
                    const QStringView v = line.value;
                    const bool quoted = v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"'));
                    Append(*current, key, quoted ? Unquote(v) : QString::fromRawData(v.data(), v.size()));
                }
                continue;
            }
        }
        // A comment, a blank line, a line without "=" or one before any
        // section carries nothing, and stays where it stands: a user's note
        // in the file outlives every save.
        // Without the line end's "\r" (every one: a kept line reads back
        // as it was written).
        while (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString kept = QString::fromRawData(raw.data(), raw.size());
        if (current)
            current->entries.emplace_back(kLineKept, kept);
        else
            fPreamble.append(kept);
    }
}

void TMyMemIniFile::UpdateFile() const { WriteFileText(fFileName, ToText(), fOwnerOnly); }

void TMyMemIniFile::WriteFileText(const QString& fileName, const QString& text, bool ownerOnly)
{
    QString error;
    // The secret of an owner-only file is never readable by others, not even
    // in the temporary file.
    if (!WriteFileAtomically(fileName, text.toUtf8(), ownerOnly, error))
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, error));
    // Debris of a save killed before its rename; ten minutes old, no other
    // save can still be writing it.
    RemoveSaveDebris(fileName, 10 * 60);
}

} // namespace qz8
