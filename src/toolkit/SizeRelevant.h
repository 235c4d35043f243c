// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The seam between a window's density correction and the controls it fits.
//
// A control that resizes itself for an image height implements ISizeRelevant
// with the action of its row of the density table. Which row a control takes
// (and whether the window collects it at all) is decided by the tables here,
// by class along the control's meta-object chain, so the window never lists
// the concrete control classes. The module that declares a class registers
// it at its row (RegisterDensityRow) and its place in the window's list
// (RegisterCollectedClass) when the library loads; TDensityRow is the table's
// order, and a test checks that every row and place has its class.
#include "../qz8_export.h"
#include <QList>
#include <QObject>

namespace qz8 {

/// The process-wide values of one correction, by reference as the styled
/// controls' own correction methods take them.
struct QZ8_EXPORT TDensityStep {
    int& ImageHeight; ///< the image height in pixels
    float& FontScale; ///< the font scale (1.0: the application's font)
    /// The image height times 0.8, rounded half to even.
    int ItemHeight() const;
};

/// A control that density correction resizes: its row of the density table
/// says what it takes (an image list, an item height, a font scale).
class QZ8_EXPORT ISizeRelevant {
public:
    virtual ~ISizeRelevant() = default;
    /// The action of this control's row of the density table.
    virtual void ResizeForImageHeight(TDensityStep& step) = 0;
};

/// The rows of the density table, in the order they are tried.
enum class TDensityRow : int {
    None = 0,
    ColourSharingListbox,
    StyledListbox,
    AdvListView,
    CustomListBox,
    CustomAdvOfficeCheckBox,
    AdvOfficeTabSet,
    AdvOfficePager,
    AdvCustomComboBox,
    CustomAdvMenuStyler,
    AdvProgressBar,
    AdvGlowButton,
    ColourSharingCombo,
    DrawGrid,
};

/// The first row of the table that the object's class (or an ancestor)
/// matches; None when it matches no row.
QZ8_EXPORT TDensityRow DensityRowOf(const QObject* object);
/// True when the object is of one of the thirteen classes that a window
/// collects for its density correction (or a descendant).
QZ8_EXPORT bool IsOfSizeRelevantClass(const QObject* object);
/// Gives a row of the density table its class (the class's own module does,
/// as the library loads); nullptr empties the row.
QZ8_EXPORT void RegisterDensityRow(TDensityRow row, const QMetaObject* cls);
/// Gives a place (1 to 13) of the window's list of collected classes its
/// class; nullptr empties the place.
QZ8_EXPORT void RegisterCollectedClass(int place, const QMetaObject* cls);
///@{
/// The classes of the density table in row order (row 1 first), and of the
/// collected classes in the order the window lists them; nullptr where no
/// class registered.
QZ8_EXPORT QList<const QMetaObject*> DensityRowClasses();
QZ8_EXPORT QList<const QMetaObject*> CollectedClasses();
///@}

} // namespace qz8

#define ISizeRelevant_iid "qz8.ISizeRelevant"
Q_DECLARE_INTERFACE(qz8::ISizeRelevant, ISizeRelevant_iid)
