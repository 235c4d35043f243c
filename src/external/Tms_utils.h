// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The visual styles of the styled-control set and the colours of each style.
// Ordinal 0 is the default style; each style is a coherent palette.
#include "../qz8_export.h"
#include "../toolkit/Types.h"

#include <QObject>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace qz8 {
Q_NAMESPACE_EXPORT(QZ8_EXPORT)

/// The suite's styles: the colours of every styled control and window.
enum TTMSStyle : std::uint8_t {
    tsClassicLight, ///< neutral light grey, the default
    tsOceanBlue, ///< soft blue surfaces, navy text
    tsGraphite, ///< dark surfaces, light text
    tsOliveGrove, ///< warm green-grey
    tsRoseQuartz, ///< pale rose with plum accents
    tsHighContrast ///< black and white with yellow selection
};
Q_ENUM_NS(TTMSStyle)

/// Where a combo's caption label stands beside it.
enum TLabelPosition : std::uint8_t {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter
};
Q_ENUM_NS(TLabelPosition)

/// What a colour row shows, as flags (check boxes in Designer, names in .ui
/// files): the same bits as a TShowHexOrDescriptionSet.
enum TShowTextFlag : unsigned {
    stIndex = 1, ///< the row's index
    stHex = 2, ///< the colour's hex value
    stDescription = 4 ///< the colour's name
};
Q_DECLARE_FLAGS(TShowTextFlags, TShowTextFlag)
Q_FLAG_NS(TShowTextFlags)

/// The number of styles.
constexpr int TTMSStyleCount = 6;
/// True for an ordinal that names a style.
constexpr bool IsValidTMSStyle(int ordinal) { return ordinal >= 0 && ordinal < TTMSStyleCount; }
/// The style's name as menus show it (translated).
QZ8_EXPORT QString TMSStyleName(TTMSStyle style);

/// The process-wide current style; the last writer wins.
extern QZ8_EXPORT TTMSStyle Global_TMSStyle;

///@{
/// One colour per style and role (background, text, highlight, gradient
/// ends, scroll areas). An ordinal outside the enumeration reads the default
/// style's colours.
QZ8_EXPORT TColor GetABaseTMSBackgroundColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSTextColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSHighlightBackgroundColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSHighlightedTextColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSGradientBackgroundLightColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSGradientBackgroundDarkColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSScrollDarkBackgroundColour(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSScrollTextColour(TTMSStyle style);
///@}
///@{
/// Text of the most frequent entries and of search hits.
QZ8_EXPORT TColor GetABaseTMSTextColour_MOSTFREQUENT(TTMSStyle style);
QZ8_EXPORT TColor GetABaseTMSTextColour_SEARCHWORD(TTMSStyle style);
///@}

///@{
/// The style as a Qt palette, and that palette given to a widget and all its
/// children, so plain Qt widgets match the styled controls.
QZ8_EXPORT QPalette TMSStylePalette(TTMSStyle style);
QZ8_EXPORT void ApplyTMSStylePalette(QWidget* widget, TTMSStyle style);
/// The same, for a walk that has the widget's descendants already
/// (findChildren<QWidget*>()).
QZ8_EXPORT void ApplyTMSStylePalette(QWidget* widget, TTMSStyle style, const QList<QWidget*>& descendants);
///@}

/// The styling interface of the styled controls; it never owns the control.
class QZ8_EXPORT ITMSStyle {
public:
    virtual ~ITMSStyle() = default;
    /// Takes the style's colours.
    virtual void SetComponentStyle(TTMSStyle AStyle) = 0;
};

} // namespace qz8

#define ITMSStyle_iid "qz8.ITMSStyle"
Q_DECLARE_INTERFACE(qz8::ITMSStyle, ITMSStyle_iid)

Q_DECLARE_OPERATORS_FOR_FLAGS(qz8::TShowTextFlags)
