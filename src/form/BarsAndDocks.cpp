// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "form/BarsAndDocks_p.h"
#include "form/WindowGeometry.h"
#include "settings/LayoutValues_p.h"
#include "store/MemIniFile.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <map>
#include <optional>

namespace qz8 {

namespace {

// The areas in the order they are laid out again.
constexpr Qt::ToolBarArea kBarAreas[] = {Qt::TopToolBarArea, Qt::BottomToolBarArea, Qt::LeftToolBarArea,
                                         Qt::RightToolBarArea};

using BarPlace = TBarPlace;

QList<QToolBar*> BarsOf(const QMainWindow* w)
{
    return w->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QDockWidget*> DocksOf(const QMainWindow* w)
{
    return w->findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

// Where each named tool bar is now. Bars of an area are taken in their
// order on the screen (across, then along the area), the child order where
// they have no geometry yet; a break before a bar starts a new line.
std::map<QString, BarPlace> BarPlaces(const QMainWindow* w)
{
    std::map<QString, BarPlace> places;
    const QList<QToolBar*> bars = BarsOf(w);
    for (const Qt::ToolBarArea area : kBarAreas) {
        QList<QToolBar*> in;
        for (QToolBar* b : bars)
            if (!b->objectName().isEmpty() && w->toolBarArea(b) == area)
                in << b;
        const bool horizontal = area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
        std::stable_sort(in.begin(), in.end(), [horizontal](const QToolBar* a, const QToolBar* b) {
            const QPoint pa = a->pos(), pb = b->pos();
            return horizontal ? std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x())
                              : std::pair(pa.x(), pa.y()) < std::pair(pb.x(), pb.y());
        });
        int line = 0, order = 0;
        for (int i = 0; i < in.size(); ++i) {
            if (i > 0 && w->toolBarBreak(in[i])) {
                ++line;
                order = 0;
            }
            places[in[i]->objectName()] = {static_cast<int>(area), line, order++, !in[i]->isHidden()};
        }
    }
    return places;
}

void PlaceBars(QMainWindow* w, const std::map<QString, BarPlace>& wanted)
{
    // The bars the file places, by area, line and order.
    std::map<std::tuple<int, int, int>, QToolBar*> order;
    for (QToolBar* b : BarsOf(w)) {
        const auto it = wanted.find(b->objectName());
        if (it == wanted.end() || b->objectName().isEmpty() ||
            !b->isAreaAllowed(static_cast<Qt::ToolBarArea>(it->second.area)))
            continue;
        order.emplace(std::tuple(it->second.area, it->second.line, it->second.order), b);
    }
    if (order.empty())
        return;
    for (const auto& [key, b] : order) {
        if (w->toolBarBreak(b))
            w->removeToolBarBreak(b);
        w->removeToolBar(b);
    }
    int lastArea = -1, lastLine = -1;
    for (const auto& [key, b] : order) {
        const auto [area, line, position] = key;
        const auto a = static_cast<Qt::ToolBarArea>(area);
        if (area == lastArea && line != lastLine)
            w->addToolBarBreak(a);
        w->addToolBar(a, b);
        b->setHidden(!wanted.at(b->objectName()).shown);
        lastArea = area;
        lastLine = line;
    }
}

void PlaceDock(QMainWindow* w, QDockWidget* d, const QList<int>& v)
{
    if (!DockValuesFit(v))
        return;
    const auto area = static_cast<Qt::DockWidgetArea>(v[0]);
    if (d->isAreaAllowed(area) && w->dockWidgetArea(d) != area)
        w->addDockWidget(area, d);
    const bool floating = v[1] != 0 && d->features().testFlag(QDockWidget::DockWidgetFloatable);
    if (d->isFloating() != floating)
        d->setFloating(floating);
    if (floating) {
        // The screen must hold the dock's frame too: fit the frame, and put
        // the dock inside it (a dock fitted to the whole screen was pushed
        // past its edge by its frame).
        const QMargins frame = d->windowHandle() ? d->windowHandle()->frameMargins() : QMargins();
        const QRect fitted =
            FitOnScreens(QRect(v[5], v[6], v[3], v[4]).marginsAdded(frame), AvailableScreenGeometries());
        d->setGeometry(fitted.marginsRemoved(frame));
    } else {
        const bool across = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
        w->resizeDocks({d}, {across ? v[3] : v[4]}, across ? Qt::Horizontal : Qt::Vertical);
    }
    d->setHidden(v[2] == 0);
}

} // namespace

bool HasBarsOrDocks(const QMainWindow* window) { return !BarsOf(window).isEmpty() || !DocksOf(window).isEmpty(); }

void WriteBarsAndDocks(const QMainWindow* window, TMyMemIniFile& ini, const QString& section)
{
    for (const auto& [name, p] : BarPlaces(window))
        ini.WriteString(section, kBarKeyPrefix + name, IntListText({p.area, p.line, p.order, p.shown ? 1 : 0}));
    for (QDockWidget* d : DocksOf(window)) {
        if (d->objectName().isEmpty())
            continue;
        const QRect g = d->geometry();
        ini.WriteString(section, kDockKeyPrefix + d->objectName(),
                        IntListText({static_cast<int>(window->dockWidgetArea(d)), d->isFloating() ? 1 : 0,
                                     d->isHidden() ? 0 : 1, g.width(), g.height(), g.x(), g.y()}));
    }
}

void ReadBarsAndDocks(QMainWindow* window, const TMyMemIniFile& ini, const QString& section)
{
    std::map<QString, BarPlace> bars;
    std::map<QString, QList<int>> docks;
    for (const QString& key : ini.ReadSection(section)) {
        const QString value = ini.ReadString(section, key, QString());
        if (key.startsWith(kBarKeyPrefix, Qt::CaseInsensitive)) {
            if (const auto p = ReadBarPlace(value))
                bars[key.mid(kBarKeyPrefix.size())] = *p;
        } else if (key.startsWith(kDockKeyPrefix, Qt::CaseInsensitive)) {
            if (const auto v = ReadIntList(value))
                docks[key.mid(kDockKeyPrefix.size())] = *v;
        }
    }
    if (bars.empty() && docks.empty())
        return;
    // As the bars are already (the common case), nothing is laid out again.
    std::map<QString, BarPlace> now = BarPlaces(window);
    const bool barsAsTheyAre = std::all_of(bars.begin(), bars.end(), [&](const auto& b) {
        const auto it = now.find(b.first);
        return it == now.end() || it->second == b.second;
    });
    if (!barsAsTheyAre)
        PlaceBars(window, bars);
    for (QDockWidget* d : DocksOf(window)) {
        const auto it = docks.find(d->objectName());
        if (it != docks.end() && !d->objectName().isEmpty())
            PlaceDock(window, d, it->second);
    }
}

} // namespace qz8
