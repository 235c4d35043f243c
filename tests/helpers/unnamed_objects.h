// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The library's focusable objects in an accessible tree that have no name:
// controls of the library and the parts they make (a chooser's browse
// button), rows aside (a row is named by the text it shows).
#include <QAccessible>
#include <QObject>
#include <QStringList>

namespace qz8test {

inline void CollectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    const QObject* object = iface->object();
    const auto ofLibrary = [](const QObject* o) {
        return o && QByteArray(o->metaObject()->className()).startsWith("qz8::");
    };
    const QAccessible::State state = iface->state();
    if ((ofLibrary(object) || (object && ofLibrary(object->parent()))) && state.focusable && !state.invisible &&
        iface->role() != QAccessible::ListItem && iface->role() != QAccessible::Cell &&
        iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') + object->objectName() +
                       QStringLiteral(" in ") + QString::fromLatin1(object->parent()->metaObject()->className());
    if (iface->role() == QAccessible::List || iface->role() == QAccessible::Table)
        return; // rows: named as shown (a table here is a list of millions of rows)
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), unnamed, depth + 1);
}

} // namespace qz8test
