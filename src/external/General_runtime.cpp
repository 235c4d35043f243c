#include "external/General_runtime.h"
#include "platform/Types.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qz8 {

bool global_keeping_log = false;
QString LogFileName;
TFormatSettings UserDefaultFormatSettings = FormatSettingsFor(QLocale::system());

namespace {
const bool registered = [] {
    RegisterGlobalReset([] {
        global_keeping_log = false;
        LogFileName.clear();
        UserDefaultFormatSettings = FormatSettingsFor(QLocale::system());
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

bool DriveAndFolderExist(const QString& folderName)
{
    return !folderName.isEmpty() && QFileInfo(folderName).isDir();
}

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

TFormatSettings FormatSettingsFor(const QLocale& locale)
{
    TFormatSettings s;
    s.Locale = locale;
    s.DecimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().at(0);
    s.ThousandSeparator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().at(0);
    // Years are kept in full so that a stored date keeps its century.
    s.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!s.ShortDateFormat.contains(QLatin1String("yyyy")))
        s.ShortDateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return s;
}

} // namespace qz8
