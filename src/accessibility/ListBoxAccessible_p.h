// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// What assistive technology sees of the owner-drawn list boxes: a List with
// one ListItem per row (made when asked for, a bounded number kept, so a
// virtual list of ten million rows has ten million children and no object
// per row), each named by the text it shows, with its selected, focused and
// checked states; focus and selection changes are announced as QListView
// announces them. Installed as a QAccessible factory when the library loads.
#include "qz8_export.h"

#include <functional>

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace qz8 {

class TCustomListBox;

QZ8_AUTOTEST_EXPORT QAccessibleInterface* ListBoxAccessibleFactory(const QString& className, QObject* object);
// Announces the list's current row as focused, and the selection changes of
// it and of the row it left (previousRow, -1 for none), given whether each
// was selected before the move.
QZ8_AUTOTEST_EXPORT void AnnounceListBoxRow(TCustomListBox* list, int previousRow = -1, bool previousWasSelected = true,
                                            bool rowWasSelected = false);
// Announces one row's selection as it now is (selected or not), for a row
// toggled in place.
QZ8_AUTOTEST_EXPORT void AnnounceListBoxRowSelection(TCustomListBox* list, int row);
// How many row objects of the list are kept for assistive technology.
QZ8_AUTOTEST_EXPORT int CachedRowInterfaces(const TCustomListBox* list);
// Announces that the selection changed as a whole (select all): one event,
// whatever the number of rows.
QZ8_AUTOTEST_EXPORT void AnnounceListBoxSelection(TCustomListBox* list);
// Where the announcements go: QAccessible::updateAccessibility unless
// replaced (a test listens here; the offscreen platform has no bridge).
QZ8_AUTOTEST_EXPORT extern std::function<void(QAccessibleEvent*)> AccessibilityUpdate;

} // namespace qz8
