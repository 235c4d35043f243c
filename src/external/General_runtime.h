// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the suite's general runtime: logging, file tests, the number
// encoding of texts, and the user's locale format settings.
#include "../qz8_export.h"
#include "../store/FormatSettings.h"
#include "../toolkit/Types.h"
#include <QChar>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>

class QObject;

namespace qz8 {

/// Logging is optional and global: when global_keeping_log is on, lines are
/// appended to LogFileName (by default log.txt in the application's local
/// data folder). A failure to write is ignored: logging never breaks a tool.
///@{
extern QZ8_EXPORT bool global_keeping_log;
extern QZ8_EXPORT QString LogFileName;
///@}
/// log.txt in the application's local data folder.
QZ8_EXPORT QString DefaultLogFileName();
/// Appends a line to the log file when global_keeping_log is on.
QZ8_EXPORT void AddToLogFile(const QString& line);

/// True only when the file (or folder) exists on a ready drive; never raises.
///@{
QZ8_EXPORT bool DriveAndFileExist(const QString& fileName);
QZ8_EXPORT bool DriveAndFolderExist(const QString& folderName);
///@}

/// An INI-safe encoding of any text: each 16-bit code as four hex digits.
/// FromNumStr(ToNumStr(s)) == s for every s; a damaged encoding decodes up to
/// its first bad group.
///@{
QZ8_EXPORT QString ToNumStr(const QString& text);
QZ8_EXPORT QString FromNumStr(const QString& encoded);
///@}

/// Whole numbers as the platform's TryStrToInt reads them: blanks around the
/// text, an optional sign, decimal digits or a hexadecimal number after "$"
/// or "0x", within 32 bits.
QZ8_EXPORT bool TryStrToInt(const QString& text, int& value);
///@{
/// A decimal number as the current locale settings write it: their decimal
/// separator, their group separator only where they would put it, an
/// optional exponent. Under German "0,714" and "1.234,5" are numbers, while
/// "0.714" (a dot the locale would never put there) is not.
QZ8_EXPORT bool TryStrToFloat(const QString& text, double& value);
QZ8_EXPORT bool TryStrToFloat(const QString& text, const TFormatSettings& settings, double& value);
///@}

/// The kind of a text: 0 a whole number (TryStrToInt reads it), 1 a decimal
/// number (TryStrToFloat reads it), 2 nothing to show (empty or blanks),
/// 3 any other text.
QZ8_EXPORT int IsANumber(const QString& text);
/// Whether a number can start with the character (a digit, a sign, "$" or
/// the decimal separator): a text starting otherwise is text.
QZ8_EXPORT bool CanStartANumber(QChar c);

/// "n/a": the text shown where a value does not apply.
QZ8_EXPORT QString _QZNonApplicable();

/// Page margins in inches: left, right, top, bottom.
struct QZ8_EXPORT TPrintMarginInches {
    float Left = 0; ///< the left margin
    float Right = 0; ///< the right margin
    float Top = 0; ///< the top margin
    float Bottom = 0; ///< the bottom margin
};
/// Millimetres in an inch.
constexpr float inch_to_mm = 25.4f;
/// The rectangle with every side moved inward by by pixels.
QZ8_EXPORT TRect ShrinkRect(const TRect& r, int by);
/// line + separator + text, without a separator before the first part.
QZ8_EXPORT void AddToListWithSeparatorIfNeeded(QString& line, const QString& text, const QString& separator);

/// A row's text and value, filled by a list's OnGetStringAndInt handler.
struct QZ8_EXPORT TStringAndIntegerRec {
    QString S; ///< the text
    std::int32_t I = 0; ///< the value
};
/// Fills a row's text and value: the list, the row, the record to fill.
using TOnGetStringAndInt = std::function<void(QObject* Sender, int Index, TStringAndIntegerRec& Rec)>;

} // namespace qz8
