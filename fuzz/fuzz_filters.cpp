// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// File-dialog filter strings ("description|masks|..."): every mask reaches
// the dialog as exactly its patterns. Either Qt reads the entry's text into
// exactly its patterns, or the dialog matches by the patterns itself.
#include "fuzz_common.h"
#include "toolkit/Dialogs.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <cstdio>
#include <cstdlib>
#include <qpa/qplatformdialoghelper.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString filter = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<qz8::TNameFilter> entries = qz8::FileDialogFilterEntries(filter);
    // The masks as the filter gives them, pair by pair.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<QStringList> masks;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList m;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'))) {
            if (!p.trimmed().isEmpty())
                m << p.trimmed();
        }
        if (!m.isEmpty())
            masks << m;
    }
    if (static_cast<qsizetype>(entries.size()) != masks.size()) {
        std::fprintf(stderr, "%zu entries for %lld mask lists\n", entries.size(), static_cast<long long>(masks.size()));
        std::abort();
    }
    bool allRead = true;
    for (size_t i = 0; i < entries.size(); ++i) {
        const qz8::TNameFilter& e = entries[i];
        if (e.Patterns != masks[static_cast<qsizetype>(i)]) {
            std::fprintf(stderr, "entry %zu: patterns differ from its masks\n", i);
            std::abort();
        }
        if (e.QtReadsPatterns && QPlatformFileDialogHelper::cleanFilterList(e.Text) != e.Patterns) {
            std::fprintf(stderr, "entry %zu: Qt reads \"%s\" otherwise\n", i, qPrintable(e.Text));
            std::abort();
        }
        allRead = allRead && e.QtReadsPatterns;
    }
    if (size < 512) {
        qz8::TOpenDialog open;
        open.SetFilter(filter);
        const auto dialog = open.MakeQtDialog();
        if (!allRead && !dialog->proxyModel()) {
            std::fprintf(stderr, "no exact matching for entries Qt reads otherwise\n");
            std::abort();
        }
    }
    return 0;
}
