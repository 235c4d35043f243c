// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Layouts of Qt's own widgets (column headers, splitters, a window's tool
// bars and docks) as a form state file keeps them, as plain values: read
// and checked here, applied through Qt's public setters by the widget
// library (settings/LayoutValues_p.h, form/BarsAndDocks_p.h), bounded by
// what the widget has. Exported to the widget library, never installed.
// Qt's restoreState functions trust their input, and a form state file is
// the user's to edit: no blob read from one is ever handed to Qt. Blobs
// that earlier releases wrote (headers, splitters) are read field by field
// by the readers here.
#include "qz8_export.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace qz8 {

class TMyMemIniFile;

// What a column header keeps, by logical section.
struct THeaderLayout {
    QList<int> sizes; // width of each section (a hidden one: its width when shown)
    QList<int> visual; // visual position of each section
    QList<bool> hidden;
    int sortSection = -1;
    int sortOrder = 0; // Qt::SortOrder
    bool sortShown = false;
};

// The key of a header's or a splitter's sizes.
inline const QString kLayoutSizes = QStringLiteral("sizes");

// The largest count of sections or panes read from a file.
constexpr int kMaxLayoutSections = 4096;
// The largest size of a section, a pane or a dock read from a file.
constexpr int kMaxLayoutExtent = 100000;

// A header's state as QHeaderView wrote it (format 0); nothing for one that
// does not parse whole, or holds more sections than kMaxLayoutSections.
QZ8_STORE_EXPORT std::optional<THeaderLayout> ReadHeaderStateBlob(const QByteArray& state);
// What a header's layout holds that no header takes, by itself (a section
// width out of range, positions that do not name each section once, a sort
// order that is none); empty when it is sound.
struct THeaderLayoutProblem {
    QString key; // the key of the file that holds the value ("sizes", "positions", "hidden", "sort")
    QString message;
};
QZ8_STORE_EXPORT QList<THeaderLayoutProblem> HeaderLayoutProblems(const THeaderLayout& layout);
QZ8_STORE_EXPORT void WriteHeaderLayout(TMyMemIniFile& ini, const QString& section, const THeaderLayout& layout);
QZ8_STORE_EXPORT std::optional<THeaderLayout> ReadHeaderLayout(const TMyMemIniFile& ini, const QString& section);

// A splitter's pane sizes as QSplitter wrote them; nothing for a blob that
// does not parse.
QZ8_STORE_EXPORT std::optional<QList<int>> ReadSplitterStateBlob(const QByteArray& state);
// Sizes that fit a splitter of count panes: as many as it has, each within
// 0 and kMaxLayoutExtent, not all 0.
QZ8_STORE_EXPORT bool SplitterSizesFit(const QList<int>& sizes, int count);

// A list of whole numbers as the file keeps it ("1,2,3"); nothing when an
// entry is no number or there are more than kMaxLayoutSections.
QZ8_STORE_EXPORT std::optional<QList<int>> ReadIntList(const QString& text);
QZ8_STORE_EXPORT QString IntListText(const QList<int>& values);

// A permutation of 0..n-1.
QZ8_STORE_EXPORT bool IsPermutation(const QList<int>& order);

// The section of a window's tool bars and docks.
inline const QString kBarsAndDocksSection = QStringLiteral("Window layout");
// The key prefixes of a tool bar's and a dock's values.
inline const QString kBarKeyPrefix = QStringLiteral("bar:");
inline const QString kDockKeyPrefix = QStringLiteral("dock:");
// A tool bar's place: its area (Qt::ToolBarArea), its line in the area, its
// order in the line, and whether it is shown.
struct TBarPlace {
    int area = 0;
    int line = 0;
    int order = 0;
    bool shown = true;
    bool operator==(const TBarPlace&) const = default;
};
// A tool bar's place as the file keeps it ("area,line,order,shown");
// nothing for one a window does not take.
QZ8_STORE_EXPORT std::optional<TBarPlace> ReadBarPlace(const QString& text);
// Whether a tool bar's value and a dock's values (area, floating, shown,
// width, height, x, y) are ones a window takes.
QZ8_STORE_EXPORT bool BarPlaceFits(const QString& text);
QZ8_STORE_EXPORT bool DockValuesFit(const QList<int>& values);

} // namespace qz8
