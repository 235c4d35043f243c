#pragma once
// Layouts of Qt's own widgets (column headers, splitters; a window's tool
// bars and docks in form/BarsAndDocks_p.h) kept in a form state file as plain values, checked and
// applied through Qt's public setters, bounded by what the widget has.
// Qt's restoreState functions trust their input, and a form state file is
// the user's to edit: no blob read from one is ever handed to Qt. Blobs
// that earlier releases wrote (headers, splitters) are read field by field
// by the readers here.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QHeaderView;
class QSplitter;

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

THeaderLayout HeaderLayoutOf(const QHeaderView* header);
void ApplyHeaderLayout(QHeaderView* header, const THeaderLayout& layout);
// A header's state as QHeaderView wrote it (format 0); nothing for one that
// does not parse whole, or holds more sections than kMaxLayoutSections.
std::optional<THeaderLayout> ReadHeaderStateBlob(const QByteArray& state);
// What a header's layout holds that no header takes, by itself (a section
// width out of range, positions that do not name each section once, a sort
// order that is none); empty when it is sound.
QStringList HeaderLayoutProblems(const THeaderLayout& layout);
void WriteHeaderLayout(TMyMemIniFile& ini, const QString& section, const THeaderLayout& layout);
std::optional<THeaderLayout> ReadHeaderLayout(const TMyMemIniFile& ini, const QString& section);

// A splitter's pane sizes as QSplitter wrote them; nothing for a blob that
// does not parse.
std::optional<QList<int>> ReadSplitterStateBlob(const QByteArray& state);
// Sizes that fit a splitter of count panes: as many as it has, each within
// 0 and kMaxLayoutExtent, not all 0.
bool SplitterSizesFit(const QList<int>& sizes, int count);

// A list of whole numbers as the file keeps it ("1,2,3"); nothing when an
// entry is no number or there are more than kMaxLayoutSections.
std::optional<QList<int>> ReadIntList(const QString& text);
QString IntListText(const QList<int>& values);

} // namespace qz8
