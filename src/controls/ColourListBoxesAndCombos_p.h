// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The private parts of the classes of ColourListBoxesAndCombos.h.
#include "controls/ColourListBoxesAndCombos.h"

namespace qz8 {

class TColourSharingComboPrivate {
public:
    QPointer<TLabel> FLabel;
    QFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FlabelAlwaysEnabled = false;
    bool FParentFnt = true;
    bool FLabelTransparent = false;
    TColorArray fOwnArray;
    bool fUsesSharedArray = true;
    TAlign fAlign = alNone;
};

class TColourSharingListboxPrivate {
public:
    TColor fDefaultColour = clNone;
    TColor fTextColour = clBlack;
    TColor fBackgroundColour = clWhite;
    TColor fSelectedText = clWhite;
    TColor fSelectedBackgound = clBlack;
    TColorArray fOwnArray;
    bool fUsesSharedArray = true;
    TShowHexOrDescriptionSet fShowText = ShowBit(ts_description);
    int current_PPI = 0;
    float currentFontScale = 0.0f;
};

} // namespace qz8
