// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/WindowGeometry.h"
#include "store/MemIniFile.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace qz8 {

namespace {

constexpr int kMinVisible = 32;
// The largest size a window takes (QWIDGETSIZE_MAX, a constant of Qt Gui).
constexpr int kMaxWindowExtent = (1 << 24) - 1;

const QString kNormal = QStringLiteral("normal");
const QString kMaximized = QStringLiteral("maximized");
const QString kFullScreen = QStringLiteral("fullscreen");

QString Signed(int v)
{
    return (v < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(std::abs(qint64{v}));
}

// The squared distance from a point to a rectangle, 0 inside it.
qint64 DistanceSquared(const QPoint& p, const QRect& r)
{
    const qint64 dx = p.x() < r.left() ? qint64{r.left()} - p.x() : (p.x() > r.right() ? qint64{p.x()} - r.right() : 0);
    const qint64 dy = p.y() < r.top() ? qint64{r.top()} - p.y() : (p.y() > r.bottom() ? qint64{p.y()} - r.bottom() : 0);
    return dx * dx + dy * dy;
}

} // namespace

QString TWindowPlacement::ToText() const
{
    const QString state = State.testFlag(Qt::WindowFullScreen)
                              ? kFullScreen
                              : (State.testFlag(Qt::WindowMaximized) ? kMaximized : kNormal);
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(Normal.x())
        .arg(Normal.y())
        .arg(Normal.width())
        .arg(Normal.height())
        .arg(state);
}

std::optional<TWindowPlacement> TWindowPlacement::FromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (std::abs(qint64{v[0]}) > kMaxWindowCoordinate || std::abs(qint64{v[1]}) > kMaxWindowCoordinate || v[2] < 1 ||
        v[3] < 1 || v[2] > kMaxWindowExtent || v[3] > kMaxWindowExtent)
        return std::nullopt;
    TWindowPlacement p;
    p.Normal = QRect(v[0], v[1], v[2], v[3]);
    const QString state = parts[4].trimmed();
    if (state == kMaximized)
        p.State = Qt::WindowMaximized;
    else if (state == kFullScreen)
        p.State = Qt::WindowFullScreen;
    else if (state != kNormal)
        return std::nullopt;
    return p;
}

QString ScreenArrangementKey(const QList<QRect>& screens)
{
    QStringList parts;
    for (const QRect& s : screens)
        parts << QStringLiteral("%1x%2%3%4").arg(s.width()).arg(s.height()).arg(Signed(s.x()), Signed(s.y()));
    parts.sort();
    return parts.join(QLatin1Char(' '));
}

QRect FitOnScreens(const QRect& saved, const QList<QRect>& available)
{
    if (available.isEmpty() || saved.isEmpty())
        return saved;
    // The screen the window goes to: the one showing most of it, else the
    // one nearest to its centre.
    const int needW = std::min(saved.width(), kMinVisible);
    const int needH = std::min(saved.height(), kMinVisible);
    const QRect* screen = nullptr;
    qint64 mostShown = 0;
    for (const QRect& a : available) {
        const QRect on = saved & a;
        const qint64 shown = qint64{on.width()} * on.height();
        if (on.width() >= needW && on.height() >= needH && shown > mostShown) {
            mostShown = shown;
            screen = &a;
        }
    }
    const bool shows = screen != nullptr;
    if (!screen) {
        const QPoint centre(static_cast<int>((qint64{saved.left()} + saved.right()) / 2),
                            static_cast<int>((qint64{saved.top()} + saved.bottom()) / 2));
        qint64 best = std::numeric_limits<qint64>::max();
        for (const QRect& a : available) {
            const qint64 d = DistanceSquared(centre, a);
            if (!a.isEmpty() && d < best) {
                best = d;
                screen = &a;
            }
        }
    }
    if (!screen)
        return saved;
    // Never larger than that screen: a damaged size would otherwise cost a
    // backing store of its area.
    const QSize size = saved.size().boundedTo(screen->size());
    if (shows && size == saved.size())
        return saved;
    const int x = std::clamp(saved.x(), screen->left(), screen->left() + screen->width() - size.width());
    const int y = std::clamp(saved.y(), screen->top(), screen->top() + screen->height() - size.height());
    return QRect(QPoint(x, y), size);
}

QString WindowGeometrySection() { return QStringLiteral("Window geometry"); }

TPlacements ReadPlacements(const TMyMemIniFile& ini)
{
    TPlacements out;
    const QString section = WindowGeometrySection();
    for (const QString& key : ini.ReadSection(section)) {
        if (static_cast<int>(out.size()) >= kMaxKeptArrangements)
            break;
        if (auto p = TWindowPlacement::FromText(ini.ReadString(section, key, QString())))
            out.emplace_back(key, *p);
    }
    return out;
}

void WritePlacements(TMyMemIniFile& ini, const TPlacements& placements)
{
    const QString section = WindowGeometrySection();
    ini.EraseSection(section);
    int n = 0;
    for (const auto& [key, p] : placements) {
        if (n++ >= kMaxKeptArrangements)
            break;
        ini.WriteString(section, key, p.ToText());
    }
}

std::optional<TWindowPlacement> PlacementFor(const TPlacements& placements, const QString& arrangement)
{
    for (const auto& [key, placement] : placements) {
        if (key.compare(arrangement, Qt::CaseInsensitive) == 0)
            return placement;
    }
    if (placements.empty())
        return std::nullopt;
    return placements.front().second;
}

void PutPlacementFirst(TPlacements& placements, const QString& arrangement, const TWindowPlacement& p)
{
    std::erase_if(placements, [&](const auto& e) { return e.first.compare(arrangement, Qt::CaseInsensitive) == 0; });
    placements.insert(placements.begin(), {arrangement, p});
}

} // namespace qz8
