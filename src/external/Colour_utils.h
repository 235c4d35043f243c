// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Colour arrays: the platform's table of web-named colours, the suite's
// shared colour array, finding the nearest colour, sorting, and shades.
#include "../qz8_export.h"
#include "../toolkit/Types.h"

#include <QObject>
#include <QString>
#include <vector>

namespace qz8 {

/// A named colour.
struct QZ8_EXPORT TIdentMapEntry {
    TColor Value = 0; ///< the colour
    QString Name; ///< its name
    /// Entries are equal when colour and name are.
    friend bool operator==(const TIdentMapEntry&, const TIdentMapEntry&) = default;
};
/// An array of named colours.
using TColorArray = std::vector<TIdentMapEntry>;

/// The platform's table of web-named colours: the CSS named colours as Qt
/// knows them, in Qt's order, with Qt's (lower-case) names.
QZ8_EXPORT const TColorArray& WebNamedColors();

/// The shared colour array of the suite: filled with WebNamedColors at start;
/// a shared-mode control sorts it in place for every control.
extern QZ8_EXPORT TColorArray MyColourArray;

/// Tells the shared-mode colour controls that MyColourArray was reordered or
/// refilled, so they repaint at once.
class QZ8_EXPORT TSharedColourArrayNotifier : public QObject {
    Q_OBJECT
public:
    /// The one notifier of the process.
    static TSharedColourArrayNotifier& Instance();
    /// Announces a change of MyColourArray.
    void NotifyChanged() { Q_EMIT changed(); }
Q_SIGNALS:
    /// MyColourArray was reordered or refilled.
    void changed();
};

/// The index of the entry nearest to colour, by the CIE76 distance in CIELAB
/// (plain Euclidean distance of L*, a*, b* under D65): close to how far apart
/// people see two colours, cheap enough for long arrays. -1 for an empty
/// array. System colours are resolved first.
QZ8_EXPORT int NearestColourIndex(TColor colour, const TColorArray& array);

/// The orders a colour array can be sorted in.
enum TColorArraySortType { csByName, csByValue, csByHue, csByLuminance, csBySaturation };
/// Sorts entries lo..hi (inclusive, clamped to the array) in place, stably;
/// reverse turns the order round. Names compare without case; hue sorts the
/// greys (no saturation) first, then by hue, luminance.
QZ8_EXPORT void SortColorArray(TColorArray& array, int lo, int hi, TColorArraySortType sortType, bool reverse);

/// A lighter shade: the colour's luminance on the 0..240 scale raised by
/// step (a negative step darkens), hue and saturation kept.
QZ8_EXPORT TColor GetHighLightColor(TColor colour, int step);

/// A base height scaled by a font scale, as a float.
QZ8_EXPORT double ScreenScaled(int base, double fontScale);

} // namespace qz8
