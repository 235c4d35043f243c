// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/General_runtime.h"
#include "toolkit/Types.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qz8 {

bool global_keeping_log = false;
QString LogFileName;

namespace {
const bool registered = [] {
    RegisterGlobalReset([] {
        global_keeping_log = false;
        LogFileName.clear();
    });
    return true;
}();
} // namespace

QString DefaultLogFileName()
{
    (void)registered;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/log.txt");
}

void AddToLogFile(const QString& line)
{
    const QString name = LogFileName.isEmpty() ? DefaultLogFileName() : LogFileName;
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    f.write(line.toUtf8());
    f.write("\n");
}

bool DriveAndFileExist(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    const QFileInfo fi(fileName);
    return fi.exists() && !fi.isDir();
}

bool DriveAndFolderExist(const QString& folderName) { return !folderName.isEmpty() && QFileInfo(folderName).isDir(); }

QString ToNumStr(const QString& text)
{
    QString out;
    out.reserve(text.size() * 4);
    for (QChar c : text)
        out += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return out;
}

QString FromNumStr(const QString& encoded)
{
    QString out;
    out.reserve(encoded.size() / 4);
    for (qsizetype i = 0; i + 4 <= encoded.size(); i += 4) {
        bool ok = false;
        const uint code = QStringView(encoded).mid(i, 4).toUInt(&ok, 16);
        if (!ok)
            break;
        out += QChar(static_cast<char16_t>(code));
    }
    return out;
}

} // namespace qz8

namespace qz8 {

bool TryStrToInt(const QString& text, int& value)
{
    // A view, never a copy: this runs for every row a list shows or searches.
    const QStringView t = QStringView(text).trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')) {
        negative = t[0] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < t.size() && t[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == QLatin1Char('0') &&
               (t[i + 1] == QLatin1Char('x') || t[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return false;
    qint64 v = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        v = v * base + digit;
        if (v > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

bool TryStrToFloat(const QString& text, double& value) { return TryStrToFloat(text, CurrentFormatSettings(), value); }

bool TryStrToFloat(const QString& text, const TFormatSettings& settings, double& value)
{
    // Read as the locale writes numbers: its decimal separator, its group
    // separator only between groups of three digits after a first group of
    // one to three that does not start with 0, an optional exponent. Anything
    // else ("0.714" under German, where the dot groups) is not a number of
    // the locale. The characters come from the settings, so no locale is
    // asked per call.
    const QString t = text.trimmed();
    const QChar dec = settings.DecimalSeparator;
    const QChar group = settings.ThousandSeparator;
    const auto isDigit = [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; };
    QByteArray plain; // the number in C notation
    plain.reserve(t.size());
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QChar(0x2212) || t[i] == QLatin1Char('+'))) {
        if (t[i] != QLatin1Char('+'))
            plain += '-';
        ++i;
    }
    // The whole part, grouped or not.
    qsizetype groupDigits = 0, groups = 0;
    bool firstGroupStartsWithZero = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            if (groups == 0 && groupDigits == 0)
                firstGroupStartsWithZero = c == QLatin1Char('0');
            plain += char(c.unicode());
            ++groupDigits;
        } else if (c == group && c != dec) {
            if (groupDigits == 0 || (groups == 0 ? groupDigits > 3 || firstGroupStartsWithZero : groupDigits != 3))
                return false;
            ++groups;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (groups > 0 && groupDigits != 3)
        return false;
    bool digits = plain.size() > 0 && plain != "-";
    if (i < t.size() && t[i] == dec) {
        plain += '.';
        ++i;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            plain += char(t[i].unicode());
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
            plain += char(t[i++].unicode());
        const qsizetype start = i;
        for (; i < t.size() && isDigit(t[i]); ++i)
            plain += char(t[i].unicode());
        if (i == start)
            return false;
    }
    if (i != t.size())
        return false;
    bool ok = false;
    const double d = QLocale::c().toDouble(QLatin1String(plain), &ok);
    if (!ok || !std::isfinite(d))
        return false;
    value = d;
    return true;
}

bool CanStartANumber(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'-' || u == u'+' || u == 0x2212 || u == u'$' ||
           c == CurrentFormatSettings().DecimalSeparator;
}

int IsANumber(const QString& text)
{
    // Most rows of words are told by their first character, unparsed.
    const auto first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
    if (first == text.end())
        return 2;
    if (!CanStartANumber(*first))
        return 3;
    int i = 0;
    if (TryStrToInt(text, i))
        return 0;
    double d = 0;
    if (TryStrToFloat(text, d))
        return 1;
    return 3;
}

TRect ShrinkRect(const TRect& r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

void AddToListWithSeparatorIfNeeded(QString& line, const QString& text, const QString& separator)
{
    if (!line.isEmpty())
        line += separator;
    line += text;
}

QString _QZNonApplicable() { return QCoreApplication::translate("qz8", "n/a"); }

} // namespace qz8
