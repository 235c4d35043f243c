// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The user's number and date settings, as the library reads and writes
// numbers and dates for the user (form state files, controls).
#include "../qz8_export.h"

#include <QChar>
#include <QLocale>
#include <QString>

namespace qz8 {

/// A locale's number and date settings.
struct QZ8_STORE_EXPORT TFormatSettings {
    QLocale Locale; ///< the locale
    QChar DecimalSeparator; ///< its decimal separator
    QChar ThousandSeparator; ///< its group separator
    QString ShortDateFormat; ///< in QDate's notation
};
/// The settings of a locale.
QZ8_STORE_EXPORT TFormatSettings FormatSettingsFor(const QLocale& locale);
/// The user's locale settings: those of QLocale(), the default locale (the
/// system's unless a tool set its own with QLocale::setDefault). Tests and
/// tools may replace them; replaced, they no longer follow QLocale().
extern QZ8_STORE_EXPORT TFormatSettings UserDefaultFormatSettings;
/// UserDefaultFormatSettings, made anew first when QLocale() changed since
/// they were made from it (and they were not replaced). Every number and
/// date the library reads or writes for the user goes through it.
QZ8_STORE_EXPORT const TFormatSettings& CurrentFormatSettings();

} // namespace qz8
