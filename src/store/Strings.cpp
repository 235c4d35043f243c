// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/Strings.h"
#include "store/Exception.h"

#include <algorithm>
#include <new>

namespace qz8 {

int TStrings::AddObject(const QString& s, TObjectValue obj)
{
    const int at = Count();
    InsertObject(at, s, obj);
    return at;
}

void TStrings::AddStrings(const QStringList& list)
{
    BeginUpdate();
    for (const QString& s : list)
        Add(s);
    EndUpdate();
}

int TStrings::IndexOf(const QString& s) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        if (Get(i).compare(s, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TStrings::Assign(const TStrings& other)
{
    if (&other == this)
        return;
    BeginUpdate();
    Clear();
    for (int i = 0; i < other.Count(); ++i)
        AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

QStringList TStrings::ToStringList() const
{
    QStringList out;
    out.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        out.append(Get(i));
    return out;
}

QString TStrings::Text() const
{
    QString out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += QLatin1Char('\n');
    }
    return out;
}

void TStrings::SetText(const QString& text)
{
    BeginUpdate();
    Clear();
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& l : lines)
        Add(l);
    EndUpdate();
}

void TStrings::BeginUpdate() { ++fUpdateCount; }

void TStrings::EndUpdate()
{
    if (fUpdateCount > 0 && --fUpdateCount == 0 && fChangedWhileUpdating) {
        fChangedWhileUpdating = false;
        DoChange();
    }
}

void TStrings::DoChange()
{
    if (OnChange)
        OnChange();
}

void TStrings::Changed()
{
    if (fUpdateCount > 0) {
        fChangedWhileUpdating = true;
        return;
    }
    DoChange();
}

// The rows of a TStringList. Texts are copied into blocks that grow from
// small (a combo's few items) to kBlockChars, one after another; a row
// keeps where its text lies. A text that no row uses any more is counted
// dead: a block wholly dead is freed, and when more is dead than alive the
// live texts are copied into fresh blocks.
class TStringListPrivate {
public:
    struct Row {
        quint32 block;
        quint32 at;
        quint32 size : 31;
        quint32 mark : 1;
    };
    struct Block {
        std::unique_ptr<char16_t[]> chars;
        quint32 capacity = 0;
        quint32 used = 0;
        quint32 dead = 0;
    };
    static constexpr quint32 kFirstBlockChars = 64;
    static constexpr quint32 kBlockChars = 32768; // 64 KiB

    std::vector<Row> rows;
    std::vector<TObjectValue> objects; // empty while every object is 0
    std::vector<Block> blocks;
    qint64 liveChars = 0;
    qint64 deadChars = 0;

    QStringView View(const Row& r) const
    {
        if (r.size == 0)
            return QStringView(u"", 0); // empty, as the empty QString it was
        return {blocks[r.block].chars.get() + r.at, static_cast<qsizetype>(r.size)};
    }

    // A copy holding only the live texts, in as few blocks as they need.
    std::unique_ptr<TStringListPrivate> Copy() const
    {
        auto copy = std::make_unique<TStringListPrivate>();
        copy->rows.reserve(rows.size());
        for (const Row& r : rows) {
            Row placed = copy->Place(View(r));
            placed.mark = r.mark;
            copy->rows.push_back(placed);
        }
        copy->objects = objects;
        return copy;
    }
    TObjectValue Object(size_t i) const { return objects.empty() ? 0 : objects[i]; }
    void SetObject(size_t i, TObjectValue obj)
    {
        if (objects.empty()) {
            if (obj == 0)
                return;
            objects.resize(rows.size(), 0);
        }
        objects[i] = obj;
    }

    // Copies a text into the blocks; the row that will hold it.
    Row Place(QStringView text)
    {
        if (text.size() > qsizetype{0x7fffffff})
            throw Exception(QStringLiteral("String too long for a string list (%1 characters)").arg(text.size()));
        const auto size = static_cast<quint32>(text.size());
        if (size == 0)
            return {0, 0, 0, 0};
        if (blocks.empty() || blocks.back().capacity - blocks.back().used < size)
            AddBlock(size);
        const auto index = static_cast<quint32>(blocks.size() - 1);
        Block& b = blocks.back();
        std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), size, b.chars.get() + b.used);
        const Row r{index, b.used, size, 0};
        b.used += size;
        liveChars += size;
        return r;
    }

    // A row's text is no longer used.
    void Forget(const Row& r) { Retire(r.block, r.size); }

    // chars characters of a block are no longer used.
    void Retire(quint32 block, quint32 chars)
    {
        if (chars == 0)
            return;
        Block& b = blocks[block];
        b.dead += chars;
        liveChars -= chars;
        deadChars += chars;
        if (b.dead == b.used && block + 1 != blocks.size()) {
            deadChars -= b.dead;
            b = Block{}; // wholly dead: its memory goes back
        }
    }

    void ForgetAll()
    {
        std::vector<Row>().swap(rows); // the memory goes too, not only the rows
        std::vector<TObjectValue>().swap(objects);
        std::vector<Block>().swap(blocks);
        liveChars = deadChars = 0;
    }

    // After a change that left texts dead: copies the live ones together
    // when more is dead than alive.
    void CompactIfWasteful()
    {
        if (deadChars <= liveChars || deadChars < qint64{kBlockChars})
            return;
        std::unique_ptr<TStringListPrivate> fresh;
        try {
            fresh = Copy();
        } catch (const std::bad_alloc&) {
            return; // no room to copy into: the texts stay where they are, dead ones with them
        }
        blocks = std::move(fresh->blocks);
        rows = std::move(fresh->rows);
        liveChars = fresh->liveChars;
        deadChars = 0;
    }

private:
    void AddBlock(quint32 size)
    {
        // Each block twice the last, up to kBlockChars; a text longer than
        // that has a block of its own size.
        const quint32 last = blocks.empty() ? kFirstBlockChars / 2 : blocks.back().capacity;
        const quint32 capacity = std::max(size, std::min(kBlockChars, std::max(last * 2, kFirstBlockChars)));
        Block b;
        b.chars = std::make_unique_for_overwrite<char16_t[]>(capacity);
        b.capacity = capacity;
        blocks.push_back(std::move(b));
    }
};

TStringList::TStringList() = default;
TStringList::~TStringList() = default;

TStringList::TStringList(std::initializer_list<QString> items)
{
    for (const QString& s : items) {
        TStringListPrivate& store = Store();
        store.rows.push_back(store.Place(s));
    }
}

TStringList::TStringList(const TStringList& other) : TStrings(), d(other.Count() > 0 ? other.d->Copy() : nullptr) { }

TStringList& TStringList::operator=(const TStringList& other)
{
    if (this != &other) {
        d = other.Count() > 0 ? other.d->Copy() : nullptr;
        Changed();
    }
    return *this;
}

TStringList::TStringList(TStringList&& other) noexcept : TStrings(), d(std::move(other.d)) { }

TStringList& TStringList::operator=(TStringList&& other)
{
    if (this != &other) {
        d = std::move(other.d);
        Changed();
    }
    return *this;
}

TStringListPrivate& TStringList::Store()
{
    if (!d)
        d = std::make_unique<TStringListPrivate>();
    return *d;
}

int TStringList::Count() const { return d ? static_cast<int>(d->rows.size()) : 0; }

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QStringView TStringList::View(int index) const
{
    CheckIndex(index);
    return d->View(d->rows[static_cast<size_t>(index)]);
}

QString TStringList::Get(int index) const { return View(index).toString(); }

TObjectValue TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return d->Object(static_cast<size_t>(index));
}

void TStringList::Put(int index, const QString& s)
{
    CheckIndex(index);
    auto& row = d->rows[static_cast<size_t>(index)];
    if (!s.isEmpty() && s.size() <= qsizetype{row.size}) {
        // In place: the shorter text's tail is dead.
        std::copy_n(reinterpret_cast<const char16_t*>(s.utf16()), s.size(), d->blocks[row.block].chars.get() + row.at);
        d->Retire(row.block, static_cast<quint32>(row.size - s.size()));
        row.size = static_cast<quint32>(s.size());
    } else {
        auto placed = d->Place(s);
        placed.mark = row.mark;
        d->Forget(row);
        row = placed;
    }
    d->CompactIfWasteful();
    Changed();
}

void TStringList::PutObject(int index, TObjectValue obj)
{
    CheckIndex(index);
    d->SetObject(static_cast<size_t>(index), obj);
    Changed();
}

void TStringList::InsertObject(int index, const QString& s, TObjectValue obj)
{
    if (index < 0 || index > Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    TStringListPrivate& store = Store();
    const auto placed = store.Place(s);
    try {
        if (!store.objects.empty() || obj != 0) {
            if (store.objects.empty())
                store.objects.resize(store.rows.size(), 0);
            store.objects.insert(store.objects.begin() + index, obj);
        }
        store.rows.insert(store.rows.begin() + index, placed);
    } catch (...) {
        // Out of memory: the list stays as it was.
        if (store.objects.size() > store.rows.size())
            store.objects.erase(store.objects.begin() + index);
        store.Forget(placed);
        throw;
    }
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    d->Forget(d->rows[static_cast<size_t>(index)]);
    d->rows.erase(d->rows.begin() + index);
    if (!d->objects.empty())
        d->objects.erase(d->objects.begin() + index);
    if (d->rows.empty())
        d->ForgetAll();
    else
        d->CompactIfWasteful();
    Changed();
}

void TStringList::Clear()
{
    if (Count() == 0)
        return;
    d->ForgetAll();
    Changed();
}

int TStringList::IndexOf(const QString& s) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        if (d->View(d->rows[static_cast<size_t>(i)]).compare(s, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TStringList::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    std::swap(d->rows[static_cast<size_t>(a)], d->rows[static_cast<size_t>(b)]);
    if (!d->objects.empty())
        std::swap(d->objects[static_cast<size_t>(a)], d->objects[static_cast<size_t>(b)]);
    Changed();
}

bool TStringList::Mark(int index) const
{
    CheckIndex(index);
    return d->rows[static_cast<size_t>(index)].mark;
}

void TStringList::SetMark(int index, bool mark)
{
    CheckIndex(index);
    d->rows[static_cast<size_t>(index)].mark = mark ? 1 : 0;
}

void TStringList::Sort()
{
    if (Count() > 1) {
        const TStringListPrivate& store = *d;
        const auto before = [&store](const auto& x, const auto& y) {
            return store.View(x).compare(store.View(y), Qt::CaseInsensitive) < 0;
        };
        if (d->objects.empty()) {
            std::stable_sort(d->rows.begin(), d->rows.end(), before);
        } else {
            // The objects go with their rows.
            std::vector<std::pair<TStringListPrivate::Row, TObjectValue>> paired;
            paired.reserve(d->rows.size());
            for (size_t i = 0; i < d->rows.size(); ++i)
                paired.emplace_back(d->rows[i], d->objects[i]);
            std::stable_sort(paired.begin(), paired.end(),
                             [&before](const auto& x, const auto& y) { return before(x.first, y.first); });
            for (size_t i = 0; i < paired.size(); ++i) {
                d->rows[i] = paired[i].first;
                d->objects[i] = paired[i].second;
            }
        }
    }
    Changed();
}

} // namespace qz8
