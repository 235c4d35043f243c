// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "form/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace qz8 {

QList<QRect> ScreenGeometries()
{
    QList<QRect> out;
    for (const QScreen* s : QGuiApplication::screens())
        out << s->geometry();
    return out;
}

QList<QRect> AvailableScreenGeometries()
{
    QList<QRect> out;
    for (const QScreen* s : QGuiApplication::screens())
        out << s->availableGeometry();
    return out;
}

} // namespace qz8
