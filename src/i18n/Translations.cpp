// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace qz8 {

namespace {

// The library's catalogue and Qt's own of the same language, so that the
// library's dialogs (Qt's file dialog among them) speak one language.
struct TInstalled {
    std::unique_ptr<QTranslator> library;
    std::unique_ptr<QTranslator> qt;
};

TInstalled& Installed()
{
    static TInstalled installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& t)
{
    if (t) {
        QCoreApplication::removeTranslator(t.get());
        t.reset();
    }
}

std::unique_ptr<QTranslator> Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

bool LoadLibraryTranslation(const QLocale& locale)
{
    TInstalled& installed = Installed();
    Remove(installed.library);
    Remove(installed.qt);
    installed.library = Install(locale, QStringLiteral("qz8"), QStringLiteral(":/qz8/i18n"));
    if (!installed.library)
        return false;
    // Qt's own texts, where the system has Qt's catalogue of the language.
    installed.qt = Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

bool QtTranslationInstalled() { return Installed().qt != nullptr; }

} // namespace qz8
