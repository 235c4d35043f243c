// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/FormatSettings.h"
#include "platform/ProcessGlobals.h"

namespace qz8 {

TFormatSettings UserDefaultFormatSettings = FormatSettingsFor(QLocale());

namespace {
// The default locale UserDefaultFormatSettings were last made from.
QLocale followedLocale;
const bool registered = [] {
    RegisterGlobalReset([] {
        followedLocale = QLocale();
        UserDefaultFormatSettings = FormatSettingsFor(followedLocale);
    });
    return true;
}();
} // namespace

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

const TFormatSettings& CurrentFormatSettings()
{
    (void)registered;
    const QLocale now;
    // Comparing locales compares shared data: cheap enough for every row.
    if (now != followedLocale) {
        if (UserDefaultFormatSettings.Locale == followedLocale)
            UserDefaultFormatSettings = FormatSettingsFor(now);
        followedLocale = now;
    }
    return UserDefaultFormatSettings;
}

} // namespace qz8
