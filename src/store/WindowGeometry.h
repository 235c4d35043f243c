// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Where a window was: its restored geometry and whether it was maximised or
// full screen, kept per screen arrangement (the set of screens and their
// geometries), so a window closed on a laptop's screen and reopened beside
// an external monitor gets the placement of each set-up.
//
// In a form state file the placements are one section, one key per
// arrangement, the most recent first:
//   [Window geometry]
//   1366x768+0+0 1920x1080+1366+0=1500,100,640,300,maximized
#include "../qz8_export.h"

#include <QList>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace qz8 {

class TMyMemIniFile;

/// Where a window was: its normal geometry and its maximised or full-screen
/// state.
struct QZ8_STORE_EXPORT TWindowPlacement {
    QRect Normal; ///< the geometry when neither maximised nor full screen
    Qt::WindowStates State = Qt::WindowNoState; ///< WindowMaximized and/or WindowFullScreen only

    /// "x,y,width,height,state" with state "normal", "maximized" or
    /// "fullscreen".
    QString ToText() const;
    /// Nothing for a damaged text or an absurd geometry.
    static std::optional<TWindowPlacement> FromText(const QString& text);
    /// Placements are equal when geometry and state are.
    friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

/// An arrangement's key: each screen as "WxH+X+Y", sorted, joined by spaces.
QZ8_STORE_EXPORT QString ScreenArrangementKey(const QList<QRect>& screens);
/// A saved geometry made to fit the screens there are. The screen it goes to
/// is the one showing the largest part of it (at least 32 x 32 pixels, or all
/// of it if smaller), else the one nearest to its centre. It is never larger
/// than that screen's area: a larger one is shrunk to it and moved onto it.
/// One that fits and shows on a screen is left unchanged; one that shows on
/// none is moved whole onto the nearest.
QZ8_STORE_EXPORT QRect FitOnScreens(const QRect& saved, const QList<QRect>& available);

/// The placements per arrangement key, most recent first.
using TPlacements = std::vector<std::pair<QString, TWindowPlacement>>;
/// The farthest a window's (or a floating dock's) position is from the origin, in either direction: beyond, a
/// position is no screen's but a damaged file's, and is not taken.
constexpr int kMaxWindowCoordinate = 1 << 24;
/// The most screen arrangements a file keeps a placement for.
constexpr int kMaxKeptArrangements = 8;
/// The name of the placements' section: "Window geometry".
QZ8_STORE_EXPORT QString WindowGeometrySection();
/// The valid entries of the section, at most kMaxKeptArrangements.
QZ8_STORE_EXPORT TPlacements ReadPlacements(const TMyMemIniFile& ini);
/// Replaces the section with the placements, at most kMaxKeptArrangements.
QZ8_STORE_EXPORT void WritePlacements(TMyMemIniFile& ini, const TPlacements& placements);
/// The arrangement's placement, else the most recent one; nothing when there
/// are none.
QZ8_STORE_EXPORT std::optional<TWindowPlacement> PlacementFor(const TPlacements& placements,
                                                              const QString& arrangement);
/// Puts the arrangement's placement first, dropping its older one.
QZ8_STORE_EXPORT void PutPlacementFirst(TPlacements& placements, const QString& arrangement, const TWindowPlacement& p);

} // namespace qz8
