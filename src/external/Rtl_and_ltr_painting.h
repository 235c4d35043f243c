// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// One line of text in a rectangle, cut with an ellipsis when it is wider.
#include "../qz8_export.h"
#include "../toolkit/Canvas.h"

namespace qz8 {

/// Draws text on one line inside r, from the left (right-to-left text from
/// the right), vertically from r's top. When width, the text's measured
/// width, exceeds r's width, the text is cut with an ellipsis to fit.
/// In a right-to-left layout (the canvas's control's) the line is drawn from
/// the right as well, as Qt's own item views draw their rows.
QZ8_EXPORT void EllipsisOutputALine(HDC dc, const QString& text, const TRect& r, int width);

/// The rectangle mirrored inside within: what lies at within's left lies at
/// its right (the right-to-left place of a left-to-right design).
QZ8_EXPORT TRect MirrorRect(const TRect& r, const TRect& within);
/// True when the canvas paints a control laid out right to left.
QZ8_EXPORT bool IsRightToLeft(const TCanvas& canvas);

} // namespace qz8
