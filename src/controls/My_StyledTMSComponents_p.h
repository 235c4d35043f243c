// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The private parts of the classes of My_StyledTMSComponents.h.
#include "controls/My_StyledTMSComponents.h"

namespace qz8 {

class TNotepadGrabPanelPrivate {
public:
    int x_width = 0;
    int outer_width = 0;
    int outer_height = 0;
    bool altering = false;
    TRect OuterRect;
    TPoint oldPos;
    int grabbed_midpoint = kNoHandle;
    TRect midpoints[4];
    bool fMonochrome = false;
    QPointer<QWidget> fParentControl;
    TColor fHandleColour = clBlack;
    TNotepadGrabPanel::TGestureCursor fCursor = TNotepadGrabPanel::crDefault;
    TPoint fCursorPos; // the screen position of the event being handled
    int fFocusedHandle = t_left;
};

class TStyledListboxPrivate {
public:
    int max_width_of_strings = 0;
    bool fShowValues = false;
    TColor fSelectionColour = clHighlight;
    TColor fSelectionTextColour = clHighlightText;
    TColor fNormalBack = clWindow;
    TColor fTextColour = clWindowText;
    QString fNotApplicable; // "n/a" in the current language, once asked
    QChar fRuledChar; // the character last asked of NumberRowsMayStartWith
    QChar fRuledSeparator; // the decimal separator it was asked under
    bool fRuledMayStart = true; // its answer
};

class TStyledListboxOwnerDrawnFixedPrivate { };

class TMyAdvTreeViewPrivate { };

class TMyAdvListViewPrivate { };

} // namespace qz8
