// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/LayoutValues_p.h"
#include "store/MemIniFile.h"
#include "store/WindowGeometry.h"

#include <QBitArray>
#include <QDataStream>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace qz8 {

namespace {
const QString kPositions = QStringLiteral("positions");
const QString kHidden = QStringLiteral("hidden");
const QString kSort = QStringLiteral("sort");

bool InExtent(int v) { return v >= 0 && v <= kMaxLayoutExtent; }

// The areas a tool bar and a dock may be in, in the order they are laid out.
constexpr int kBarAreas[] = {Qt::TopToolBarArea, Qt::BottomToolBarArea, Qt::LeftToolBarArea, Qt::RightToolBarArea};
constexpr int kDockAreas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::TopDockWidgetArea,
                              Qt::BottomDockWidgetArea};

template <std::size_t N>
bool IsOneOf(int v, const int (&areas)[N])
{
    return std::find(std::begin(areas), std::end(areas), v) != std::end(areas);
}

// Reads a count of items of itemBytes each that the rest of the stream
// holds, at most kMaxLayoutSections.
bool ReadCount(QDataStream& in, qint64 total, qint64 itemBytes, quint32& n)
{
    in >> n;
    const qint64 left = total - in.device()->pos();
    return in.status() == QDataStream::Ok && n <= static_cast<quint32>(kMaxLayoutSections) &&
           qint64{n} * itemBytes <= left;
}

bool ReadInts(QDataStream& in, qint64 total, QList<int>& out)
{
    quint32 n = 0;
    if (!ReadCount(in, total, 4, n))
        return false;
    out.resize(n);
    for (quint32 i = 0; i < n; ++i) {
        qint32 v = 0;
        in >> v;
        out[i] = v;
    }
    return in.status() == QDataStream::Ok;
}
} // namespace

std::optional<QList<int>> ReadIntList(const QString& text)
{
    QList<int> out;
    if (text.trimmed().isEmpty())
        return out;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > kMaxLayoutSections)
        return std::nullopt;
    for (const QString& p : parts) {
        bool ok = false;
        const int v = p.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        out << v;
    }
    return out;
}

QString IntListText(const QList<int>& values)
{
    QStringList parts;
    parts.reserve(values.size());
    for (int v : values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

std::optional<THeaderLayout> ReadHeaderStateBlob(const QByteArray& state)
{
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_5_0);
    const qint64 total = state.size();
    qint32 marker = 0, version = 0, orientation = 0, order = 0, sortSection = 0;
    bool shown = false;
    in >> marker >> version >> orientation >> order >> sortSection >> shown;
    if (in.status() != QDataStream::Ok || marker != 0xff || version != 0)
        return std::nullopt;
    QList<int> visualOf, logicalAt;
    if (!ReadInts(in, total, visualOf) || !ReadInts(in, total, logicalAt))
        return std::nullopt;
    // Hidden sections by visual position: a bit array, its length in bits.
    quint32 bits = 0;
    if (!ReadCount(in, total, 0, bits) || (qint64{bits} + 7) / 8 > total - in.device()->pos())
        return std::nullopt;
    QList<bool> hiddenAt(bits);
    {
        const QByteArray bytes = in.device()->read((bits + 7) / 8);
        for (quint32 i = 0; i < bits; ++i)
            hiddenAt[i] = (static_cast<uchar>(bytes.at(i / 8)) >> (i % 8)) & 1;
    }
    // Widths of hidden sections, by logical index.
    quint32 pairs = 0;
    if (!ReadCount(in, total, 8, pairs))
        return std::nullopt;
    QList<std::pair<int, int>> hiddenSizes;
    for (quint32 i = 0; i < pairs; ++i) {
        qint32 k = 0, v = 0;
        in >> k >> v;
        hiddenSizes.append({k, v});
    }
    qint32 length = 0, sectionCount = 0;
    in >> length >> sectionCount;
    if (in.status() != QDataStream::Ok || sectionCount < 0 || sectionCount > kMaxLayoutSections)
        return std::nullopt;
    const int n = sectionCount;
    // Index lists are empty while no section was moved.
    if ((!visualOf.isEmpty() && visualOf.size() != n) || (!logicalAt.isEmpty() && logicalAt.size() != n) ||
        static_cast<int>(bits) > n)
        return std::nullopt;
    if (visualOf.isEmpty())
        for (int i = 0; i < n; ++i)
            visualOf << i;
    if (logicalAt.isEmpty())
        for (int i = 0; i < n; ++i)
            logicalAt << i;
    if (!IsPermutation(visualOf) || !IsPermutation(logicalAt))
        return std::nullopt;
    bool movable = false, clickable = false, highlight = false, stretchLast = false, cascading = false;
    qint32 stretchSections = 0, contentsSections = 0, defaultSize = 0, minimumSize = 0, alignment = 0, mode = 0;
    in >> movable >> clickable >> highlight >> stretchLast >> cascading >> stretchSections >> contentsSections >>
        defaultSize >> minimumSize >> alignment >> mode;
    // Section items in visual order, each standing for count sections of
    // one size: the counts must add up to the sections, no more.
    quint32 items = 0;
    if (!ReadCount(in, total, 12, items))
        return std::nullopt;
    QList<int> sizeAt;
    for (quint32 i = 0; i < items; ++i) {
        qint32 size = 0, count = 0, resizeMode = 0;
        in >> size >> count >> resizeMode;
        if (in.status() != QDataStream::Ok || count < 0 || count > n - sizeAt.size())
            return std::nullopt;
        for (qint32 c = 0; c < count; ++c)
            sizeAt << size;
    }
    if (in.status() != QDataStream::Ok || sizeAt.size() != n)
        return std::nullopt;
    THeaderLayout l;
    l.sizes.resize(n);
    l.hidden.resize(n);
    l.visual = visualOf;
    for (int v = 0; v < n; ++v) {
        const int logical = logicalAt[v];
        l.sizes[logical] = std::clamp(sizeAt[v], 0, kMaxLayoutExtent);
        l.hidden[logical] = v < static_cast<int>(bits) && hiddenAt[v];
    }
    for (const auto& [logical, size] : hiddenSizes)
        if (logical >= 0 && logical < n && l.hidden[logical])
            l.sizes[logical] = std::clamp(size, 0, kMaxLayoutExtent);
    l.sortSection = sortSection;
    l.sortOrder = order;
    l.sortShown = shown;
    return l;
}

void WriteHeaderLayout(TMyMemIniFile& ini, const QString& section, const THeaderLayout& l)
{
    QList<int> hidden;
    for (bool h : l.hidden)
        hidden << (h ? 1 : 0);
    ini.WriteString(section, kLayoutSizes, IntListText(l.sizes));
    ini.WriteString(section, kPositions, IntListText(l.visual));
    ini.WriteString(section, kHidden, IntListText(hidden));
    ini.WriteString(section, kSort, IntListText({l.sortSection, l.sortOrder, l.sortShown ? 1 : 0}));
}

QList<THeaderLayoutProblem> HeaderLayoutProblems(const THeaderLayout& l)
{
    QList<THeaderLayoutProblem> problems;
    if (!std::all_of(l.sizes.begin(), l.sizes.end(), InExtent))
        problems.append(
            {kLayoutSizes, QStringLiteral("a column width outside 0 to %1 is not taken").arg(kMaxLayoutExtent)});
    if (!l.visual.isEmpty() && (l.visual.size() != l.sizes.size() || !IsPermutation(l.visual)))
        problems.append(
            {kPositions, QStringLiteral("the column positions do not name each column once; they are not taken")});
    if (l.hidden.size() > l.sizes.size())
        problems.append({kHidden, QStringLiteral("more hidden flags than columns")});
    if (l.sortSection < -1 || l.sortSection >= l.sizes.size() ||
        (l.sortOrder != Qt::AscendingOrder && l.sortOrder != Qt::DescendingOrder))
        problems.append({kSort, QStringLiteral("the sort column or order is none a header has; it is not taken")});
    return problems;
}

std::optional<THeaderLayout> ReadHeaderLayout(const TMyMemIniFile& ini, const QString& section)
{
    if (!ini.ValueExists(section, kLayoutSizes))
        return std::nullopt;
    const auto sizes = ReadIntList(ini.ReadString(section, kLayoutSizes, QString()));
    const auto positions = ReadIntList(ini.ReadString(section, kPositions, QString()));
    const auto hidden = ReadIntList(ini.ReadString(section, kHidden, QString()));
    const auto sort = ReadIntList(ini.ReadString(section, kSort, QString()));
    if (!sizes)
        return std::nullopt;
    THeaderLayout l;
    l.sizes = *sizes;
    if (positions)
        l.visual = *positions;
    if (hidden)
        for (int h : *hidden)
            l.hidden << (h != 0);
    if (sort && sort->size() == 3) {
        l.sortSection = sort->at(0);
        l.sortOrder = sort->at(1);
        l.sortShown = sort->at(2) != 0;
    }
    return l;
}

std::optional<QList<int>> ReadSplitterStateBlob(const QByteArray& state)
{
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_5_0);
    qint32 marker = 0, version = 0;
    in >> marker >> version;
    QList<int> sizes;
    if (in.status() != QDataStream::Ok || marker != 0xff || !ReadInts(in, state.size(), sizes))
        return std::nullopt;
    return sizes;
}

bool SplitterSizesFit(const QList<int>& sizes, int count)
{
    // Sizes of -1 come from a splitter that was never laid out: nothing of
    // the user's to take; all 0 would hide every pane.
    return sizes.size() == count && count > 0 && std::all_of(sizes.begin(), sizes.end(), InExtent) &&
           std::any_of(sizes.begin(), sizes.end(), [](int s) { return s > 0; });
}

// A permutation of 0..n-1.
bool IsPermutation(const QList<int>& order)
{
    QList<bool> seen(order.size(), false);
    for (int v : order) {
        if (v < 0 || v >= order.size() || seen[v])
            return false;
        seen[v] = true;
    }
    return true;
}

std::optional<TBarPlace> ReadBarPlace(const QString& text)
{
    const auto v = ReadIntList(text);
    if (!v || v->size() != 4 || !IsOneOf(v->at(0), kBarAreas) || v->at(1) < 0 || v->at(1) > kMaxLayoutSections ||
        v->at(2) < 0 || v->at(2) > kMaxLayoutSections)
        return std::nullopt;
    return TBarPlace{v->at(0), v->at(1), v->at(2), v->at(3) != 0};
}

bool BarPlaceFits(const QString& text) { return ReadBarPlace(text).has_value(); }

bool DockValuesFit(const QList<int>& v)
{
    // area, floating, shown, width, height, x, y; a floating dock's place
    // is bounded as a window's is (no overflow when it is made a rectangle).
    return v.size() == 7 && IsOneOf(v[0], kDockAreas) && v[3] > 0 && v[3] <= kMaxLayoutExtent && v[4] > 0 &&
           v[4] <= kMaxLayoutExtent && std::abs(v[5]) <= kMaxWindowCoordinate && std::abs(v[6]) <= kMaxWindowCoordinate;
}

} // namespace qz8
