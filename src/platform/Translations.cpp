#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace qz8 {

namespace {
std::unique_ptr<QTranslator>& Installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
} // namespace

bool LoadLibraryTranslation(const QLocale& locale)
{
    std::unique_ptr<QTranslator>& installed = Installed();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qz8"), QStringLiteral("_"), QStringLiteral(":/qz8/i18n")))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    installed = std::move(translator);
    return true;
}

} // namespace qz8
