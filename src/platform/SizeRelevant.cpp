#include "platform/SizeRelevant.h"

#include <array>
#include <cmath>
#include <cstring>

namespace qz8 {

namespace {

// The density table: a control takes the first row whose class it is of,
// and nothing more. Order matters: the colour list box and the styled list
// box are list boxes too, and their rows come before the list-box row so
// that they get their own correction instead of the plain list box's.
constexpr std::array<const char*, 13> kDensityRows{
    "qz8::TColourSharingListbox", // 1: CorrectForScreenResolucao(font scale)
    "qz8::TStyledListbox", // 2: CorrectForScreenResolucao(font scale)
    "qz8::TAdvListView", // 3: ItemHeight from the image height
    "qz8::TCustomListBox", // 4: list and check list boxes: ItemHeight, ParentFont
    "qz8::TCustomAdvOfficeCheckBox", // 5: CorrectForScreenResImageHeight(image height)
    "qz8::TAdvOfficeTabSet", // 6: CorrectForScreenResolucao(font scale)
    "qz8::TAdvOfficePager", // 7: CorrectForScreenResolucao(font scale)
    "qz8::TAdvCustomComboBox", // 8: CorrectForScreenResolucao(font scale)
    "qz8::TCustomAdvMenuStyler", // 9: CorrectForScreenResolucao(font scale)
    "qz8::TAdvProgressBar", // 10: CorrectForScreenResolucao(font scale)
    "qz8::TAdvGlowButton", // 11: the current main list, when it shows an image
    "qz8::TColourSharingCombo", // 12: ItemHeight from the image height
    "qz8::TDrawGrid", // 13: DefaultRowHeight from the image height
};

// The classes a window collects for its correction (besides anything with
// an image list), in the order the window lists them.
constexpr std::array<const char*, 13> kCollectedClasses{"qz8::TCustomAdvOfficeCheckBox",
                                                        "qz8::TCustomListBox",
                                                        "qz8::TAdvOfficePager",
                                                        "qz8::TAdvOfficeTabSet",
                                                        "qz8::TAdvCustomComboBox",
                                                        "qz8::TAdvCustomCombo",
                                                        "qz8::TColourSharingCombo",
                                                        "qz8::TColourSharingListbox",
                                                        "qz8::TCustomAdvMenuStyler",
                                                        "qz8::TCustomDrawGrid",
                                                        "qz8::TStyledListbox",
                                                        "qz8::TAdvProgressBar",
                                                        "qz8::TAdvListView"};

bool IsOfClassNamed(const QObject* object, const char* name)
{
    for (const QMetaObject* m = object->metaObject(); m; m = m->superClass()) {
        if (std::strcmp(m->className(), name) == 0)
            return true;
    }
    return false;
}

} // namespace

int TDensityStep::ItemHeight() const
{
    return static_cast<int>(std::nearbyint(static_cast<long double>(ImageHeight) * 0.8L));
}

TDensityRow DensityRowOf(const QObject* object)
{
    if (!object)
        return TDensityRow::None;
    for (size_t i = 0; i < kDensityRows.size(); ++i) {
        if (IsOfClassNamed(object, kDensityRows[i]))
            return static_cast<TDensityRow>(i + 1);
    }
    return TDensityRow::None;
}

bool IsOfSizeRelevantClass(const QObject* object)
{
    if (!object)
        return false;
    for (const char* name : kCollectedClasses) {
        if (IsOfClassNamed(object, name))
            return true;
    }
    return false;
}

QList<const char*> DensityRowClassNames() { return {kDensityRows.begin(), kDensityRows.end()}; }
QList<const char*> SizeRelevantClassNames() { return {kCollectedClasses.begin(), kCollectedClasses.end()}; }

} // namespace qz8
