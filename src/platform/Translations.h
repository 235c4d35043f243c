#pragma once
// The library's own catalogues: one call installs the translation of the
// library's texts for a locale (German and French ship with it).
#include "qz8_export.h"

#include <QLocale>

namespace qz8 {

// Installs the catalogue of the locale's language in the application,
// replacing one installed before; English (or a language without a
// catalogue) removes it. True when a catalogue is installed.
QZ8_EXPORT bool LoadLibraryTranslation(const QLocale& locale = QLocale());

} // namespace qz8
