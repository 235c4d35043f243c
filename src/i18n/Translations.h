// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The library's own catalogues: one call installs the translation of the
// library's texts for a locale (German and French ship with it).
#include "../qz8_export.h"

#include <QLocale>

namespace qz8 {

/// Installs the catalogue of the locale's language in the application,
/// replacing one installed before; English (or a language without a
/// catalogue) removes it. True when a catalogue is installed. Qt's own
/// catalogue of the language (qtbase_de.qm, from Qt's translations folder)
/// is installed beside it where the system has it, so that Qt's dialogs the
/// library opens speak the same language.
QZ8_EXPORT bool LoadLibraryTranslation(const QLocale& locale = QLocale());
/// Whether Qt's own catalogue went in with the last LoadLibraryTranslation.
QZ8_EXPORT bool QtTranslationInstalled();

} // namespace qz8
