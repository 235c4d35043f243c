#pragma once
// Helpers of the suite's general runtime: logging, file tests, the number
// encoding of texts, and the user's locale format settings.
#include <QChar>
#include <QLocale>
#include <QString>

namespace qz8 {

// Logging is optional and global: when global_keeping_log is on, lines are
// appended to LogFileName (by default log.txt in the application's local
// data folder). A failure to write is ignored: logging never breaks a tool.
extern bool global_keeping_log;
extern QString LogFileName;
QString DefaultLogFileName();
void AddToLogFile(const QString& line);

// True only when the file (or folder) exists on a ready drive; never raises.
bool DriveAndFileExist(const QString& fileName);
bool DriveAndFolderExist(const QString& folderName);

// An INI-safe encoding of any text: each 16-bit code as four hex digits.
// FromNumStr(ToNumStr(s)) == s for every s; a damaged encoding decodes up to
// its first bad group.
QString ToNumStr(const QString& text);
QString FromNumStr(const QString& encoded);

struct TFormatSettings {
    QLocale Locale;
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QString ShortDateFormat;  // in QDate's notation
};
TFormatSettings FormatSettingsFor(const QLocale& locale);
// The user's locale settings; tests and tools may replace them.
extern TFormatSettings UserDefaultFormatSettings;

} // namespace qz8
