#pragma once
// What assistive technology sees of the owner-drawn list boxes: a List with
// one ListItem per visible row (a virtual list of ten million rows exposes
// the rows on the screen only), each named by the text it shows, with its
// selected, focused and checked states; focus and selection changes are
// announced. Installed as a QAccessible factory when the library loads.
#include "qz8_export.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace qz8 {

class TCustomListBox;

QZ8_EXPORT QAccessibleInterface* ListBoxAccessibleFactory(const QString& className, QObject* object);
// Announces the list's current row as focused and its selection as changed.
QZ8_EXPORT void AnnounceListBoxRow(TCustomListBox* list);

} // namespace qz8
