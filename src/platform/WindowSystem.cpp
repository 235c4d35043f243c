// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/ProcessGlobals.h"
#include "platform/WindowSystem_p.h"

#include <QGuiApplication>

namespace qz8 {

std::optional<bool> WindowsPlaceThemselvesAnswer;

bool WindowsPlaceThemselves()
{
    if (WindowsPlaceThemselvesAnswer)
        return *WindowsPlaceThemselvesAnswer;
    // "wayland", "wayland-egl", "wayland-xcomposite-...": every Wayland
    // integration of Qt.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

namespace {
const bool installed = [] {
    RegisterGlobalReset([] { WindowsPlaceThemselvesAnswer.reset(); });
    return true;
}();
} // namespace

} // namespace qz8
