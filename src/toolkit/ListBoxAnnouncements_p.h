// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// How a list box tells assistive technology of its focus and selection. The
// accessibility room installs the announcements when the library loads; the
// toolkit only calls them, so it needs nothing of the bridge.
namespace qz8 {

class TCustomListBox;

struct TListBoxAnnouncements {
    // The current row as focused, and the selection changes of it and of
    // the row it left (previousRow, -1 for none): each was selected or not
    // before the move (rowWasSelected, previousWasSelected).
    void (*row)(TCustomListBox* list, int previousRow, bool previousWasSelected, bool rowWasSelected) = nullptr;
    // One row's selection as it now is, for a row toggled in place.
    void (*rowSelection)(TCustomListBox* list, int row) = nullptr;
    // The selection changed as a whole (select all, a range).
    void (*selection)(TCustomListBox* list) = nullptr;
};

// The installed announcements; each stays null until installed.
TListBoxAnnouncements& ListBoxAnnouncements();

} // namespace qz8
