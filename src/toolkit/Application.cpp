// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Application.h"
#include "toolkit/Types.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qz8 {

void ProcessMessages()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QFont DefaultFont() { return QGuiApplication::font(); }

int ScreenPixelsPerInch()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return 96;
    const double dpi = s->logicalDotsPerInch();
    return std::isfinite(dpi) && dpi > 0 ? static_cast<int>(std::nearbyint(dpi)) : 96;
}

} // namespace qz8
