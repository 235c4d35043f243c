#pragma once
// A window's tool bars and docks in its form state file, as plain values
// (see settings/LayoutValues_p.h for why no Qt state blob is kept).
#include <QList>
#include <QString>

class QMainWindow;

namespace qz8 {

class TMyMemIniFile;

// The section of a window's bars and docks.
inline const QString kBarsAndDocksSection = QStringLiteral("Window layout");
// The key prefixes of a tool bar's and a dock's values.
inline const QString kBarKeyPrefix = QStringLiteral("bar:");
inline const QString kDockKeyPrefix = QStringLiteral("dock:");
// Whether a tool bar's value (area, line, order, shown) and a dock's values
// (area, floating, shown, width, height, x, y) are ones a window takes.
bool BarPlaceFits(const QString& text);
bool DockValuesFit(const QList<int>& values);

// Whether the window has tool bars or docks of its own.
bool HasBarsOrDocks(const QMainWindow* window);
// The tool bars (area, line, order, shown) and docks (area, floating,
// shown, size, floating geometry) by object name, one key each.
void WriteBarsAndDocks(const QMainWindow* window, TMyMemIniFile& ini, const QString& section);
// Applies what section holds to the bars and docks of those names; unknown
// names and values out of range are passed over, floating docks are kept
// on the available screens.
void ReadBarsAndDocks(QMainWindow* window, const TMyMemIniFile& ini, const QString& section);

} // namespace qz8
