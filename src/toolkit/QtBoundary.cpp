// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Logging_p.h"
#include "toolkit/QtBoundary_p.h"

#include <QSet>
#include <QString>
#include <mutex>

namespace qz8 {

void ReportAtQtBoundary(const char* where, const std::exception* e) noexcept
{
    try {
        const QString what = e ? QString::fromUtf8(e->what()) : QStringLiteral("an exception of unknown type");
        // A paint that raises raises at every paint: said once.
        static std::mutex mutex;
        static QSet<QString> told;
        {
            std::lock_guard lock(mutex);
            const QString key = QString::fromLatin1(where) + QLatin1Char('|') + what;
            if (told.contains(key))
                return;
            if (told.size() < 1000)
                told.insert(key);
        }
        qCWarning(lcQz8, "%s: %s (ignored, the control carries on)", where, qPrintable(what));
    } catch (...) {
        // Nothing may leave the boundary, not even a failure to log.
    }
}

} // namespace qz8
