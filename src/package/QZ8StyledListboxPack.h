// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The package frame: its load and unload entries, its description table
// and the registration of its components on the designer page "Samples".
//
// Loading the library loads the package; a tool may also unload and load it
// again. Of the package's modules only the master image lists do work then:
// loading creates the nine empty lists, unloading frees them.
#include "../qz8_export.h"
#include <QZ8StyledListboxPack/qz8_version.h>

#include <QStringList>

namespace qz8 {

/// The package's modules and the packages it requires.
struct QZ8_EXPORT TPackageInfo {
    QStringList Contains; ///< the modules of the package
    QStringList Requires; ///< the packages it requires
};

/// The package's load: creates the nine empty master image lists (done
/// when the library loads; again after FinalizePackage). It registers no
/// component: RegisteredComponents() stays empty until a tool or the
/// Designer plugin calls RegisterPackageComponents().
QZ8_EXPORT void InitializePackage();
/// Every control that shows one of the master lists must be gone before.
QZ8_EXPORT void FinalizePackage();
/// True between InitializePackage and FinalizePackage.
QZ8_EXPORT bool PackageLoaded();
/// The package's modules and requirements.
QZ8_EXPORT const TPackageInfo& PackageInfoTable();

///@{
/// The four modules' registration procedures, on the page "Samples".
QZ8_EXPORT void My_StyledTMSComponents_Register();
QZ8_EXPORT void ColourListBoxesAndCombos_Register();
QZ8_EXPORT void FileFolderOpenDlgU_Register();
QZ8_EXPORT void My_TMSAdvOfficePagerU_Register();
///@}
/// All four, in that order.
QZ8_EXPORT void RegisterPackageComponents();

/// The version of the library the tool runs with ("major.minor.patch"),
/// which QZ8_VERSION_STRING names at compile time.
/// \since 0.2
QZ8_EXPORT const char* LibraryVersionString();

} // namespace qz8
