// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/Strings.h"
#include "store/Exception.h"

#include <algorithm>

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

TStringList::TStringList(std::initializer_list<QString> items)
{
    for (const QString& s : items)
        fItems.push_back({s, 0, false});
}

TStringList::TStringList(const TStringList& other) : TStrings(), fItems(other.fItems) { }

TStringList& TStringList::operator=(const TStringList& other)
{
    if (this != &other) {
        fItems = other.fItems;
        Changed();
    }
    return *this;
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QString TStringList::Get(int index) const
{
    CheckIndex(index);
    return fItems[static_cast<size_t>(index)].text;
}

TObjectValue TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return fItems[static_cast<size_t>(index)].object;
}

void TStringList::Put(int index, const QString& s)
{
    CheckIndex(index);
    fItems[static_cast<size_t>(index)].text = s;
    Changed();
}

void TStringList::PutObject(int index, TObjectValue obj)
{
    CheckIndex(index);
    fItems[static_cast<size_t>(index)].object = obj;
    Changed();
}

void TStringList::InsertObject(int index, const QString& s, TObjectValue obj)
{
    if (index < 0 || index > Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    fItems.insert(fItems.begin() + index, Item{s, obj, false});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    fItems.erase(fItems.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (fItems.empty())
        return;
    fItems.clear();
    Changed();
}

void TStringList::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    std::swap(fItems[static_cast<size_t>(a)], fItems[static_cast<size_t>(b)]);
    Changed();
}

bool TStringList::Mark(int index) const
{
    CheckIndex(index);
    return fItems[static_cast<size_t>(index)].mark;
}

void TStringList::SetMark(int index, bool mark)
{
    CheckIndex(index);
    fItems[static_cast<size_t>(index)].mark = mark;
}

void TStringList::Sort()
{
    std::stable_sort(fItems.begin(), fItems.end(),
                     [](const Item& x, const Item& y) { return x.text.compare(y.text, Qt::CaseInsensitive) < 0; });
    Changed();
}

} // namespace qz8
