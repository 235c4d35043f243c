// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Changes the offscreen platform's screens while the test runs, as a user
// plugs a monitor in or out. The offscreen plugin offers "setConfiguration"
// as a resource of its native interface; the function takes the
// configuration and the native interface itself.
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>

namespace qz8test {

// False where the platform cannot change its screens (not offscreen).
inline bool SetOffscreenScreens(const QList<QRect>& screens)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || QGuiApplication::platformName() != QLatin1String("offscreen"))
        return false;
    using SetConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    auto set = reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"));
    if (!set)
        return false;
    QJsonArray list;
    int n = 0;
    for (const QRect& r : screens) {
        list.append(QJsonObject{{"name", QStringLiteral("Screen%1").arg(++n)},
                                {"x", r.x()},
                                {"y", r.y()},
                                {"width", r.width()},
                                {"height", r.height()},
                                {"logicalDpi", 96},
                                {"logicalBaseDpi", 96},
                                {"dpr", 1}});
    }
    set(QJsonObject{{"synchronousWindowSystemEvents", false}, {"windowFrameMargins", false}, {"screens", list}},
        native);
    return QGuiApplication::screens().size() == screens.size();
}

// The platform's screens as they were when the test started: back at its end.
class ScopedOffscreenScreens {
public:
    ScopedOffscreenScreens()
    {
        for (const QScreen* s : QGuiApplication::screens())
            fSaved << s->geometry();
    }
    ~ScopedOffscreenScreens() { SetOffscreenScreens(fSaved); }
    ScopedOffscreenScreens(const ScopedOffscreenScreens&) = delete;
    ScopedOffscreenScreens& operator=(const ScopedOffscreenScreens&) = delete;

private:
    QList<QRect> fSaved;
};

} // namespace qz8test
