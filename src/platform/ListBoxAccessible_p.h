#pragma once
// What assistive technology sees of the owner-drawn list boxes: a List with
// one ListItem per visible row (a virtual list of ten million rows exposes
// the rows on the screen only), each named by the text it shows, with its
// selected, focused and checked states; focus and selection changes are
// announced. Installed as a QAccessible factory when the library loads.
#include "qz8_export.h"

#include <functional>

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace qz8 {

class TCustomListBox;

QZ8_AUTOTEST_EXPORT QAccessibleInterface* ListBoxAccessibleFactory(const QString& className, QObject* object);
// Announces the list's current row as focused and its selection as changed.
QZ8_AUTOTEST_EXPORT void AnnounceListBoxRow(TCustomListBox* list);
// Announces that the selection changed as a whole (select all): one event,
// whatever the number of rows.
QZ8_AUTOTEST_EXPORT void AnnounceListBoxSelection(TCustomListBox* list);
// Where the announcements go: QAccessible::updateAccessibility unless
// replaced (a test listens here; the offscreen platform has no bridge).
QZ8_AUTOTEST_EXPORT extern std::function<void(QAccessibleEvent*)> AccessibilityUpdate;

} // namespace qz8
