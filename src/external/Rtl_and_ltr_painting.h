#pragma once
// One line of text in a rectangle, cut with an ellipsis when it is wider.
#include "platform/Canvas.h"
#include "qz8_export.h"

namespace qz8 {

// Draws text on one line inside r, from the left (right-to-left text from
// the right), vertically from r's top. When width, the text's measured
// width, exceeds r's width, the text is cut with an ellipsis to fit.
QZ8_EXPORT void EllipsisOutputALine(HDC dc, const QString& text, const TRect& r, int width);

} // namespace qz8
