// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// String lists: strings with an integer object each. TStrings is the
// abstract list that controls hand out over their own storage; TStringList
// holds its own.
#include "../qz8_export.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qz8 {

/// The integer object that travels with each string (an id, a count, a pointer value).
using TObjectValue = std::intptr_t;

/// The abstract string list: strings with an integer object each, over a storage of the implementer's (a list box's
/// rows, a combo's items, a memory list). Changes are reported through OnChange.
class QZ8_STORE_EXPORT TStrings {
public:
    virtual ~TStrings() = default;

    /// The number of strings.
    virtual int Count() const = 0;
    /// The string at index; an index out of range raises Exception.
    virtual QString Get(int index) const = 0;
    /// The object of the string at index.
    virtual TObjectValue GetObject(int index) const = 0;
    /// Replaces the string at index, keeping its object.
    virtual void Put(int index, const QString& s) = 0;
    /// Replaces the object of the string at index.
    virtual void PutObject(int index, TObjectValue obj) = 0;
    /// Inserts a string with its object before index (Count appends).
    virtual void InsertObject(int index, const QString& s, TObjectValue obj) = 0;
    /// Removes the string at index.
    virtual void Delete(int index) = 0;
    /// Removes every string.
    virtual void Clear() = 0;

    ///@{
    /// The string at index (as Get).
    QString operator[](int index) const { return Get(index); }
    QString Strings(int index) const { return Get(index); }
    ///@}
    /// The object of the string at index (as GetObject).
    TObjectValue Objects(int index) const { return GetObject(index); }
    /// Appends a string (object 0); returns its index.
    int Add(const QString& s) { return AddObject(s, 0); }
    /// Appends a string with its object; returns its index.
    int AddObject(const QString& s, TObjectValue obj);
    /// Inserts a string (object 0) before index.
    void Insert(int index, const QString& s) { InsertObject(index, s, 0); }
    /// Appends every string of the list, with one change report for all.
    void AddStrings(const QStringList& list);
    /// Case-insensitive, as the platform's string lists compare by default.
    virtual int IndexOf(const QString& s) const;
    /// Replaces the contents with a copy of another list's strings and objects.
    virtual void Assign(const TStrings& other);
    /// The strings, without their objects.
    QStringList ToStringList() const;
    ///@{
    /// Lines joined by line breaks, each ended by one.
    QString Text() const;
    void SetText(const QString& text);
    ///@}

    ///@{
    /// Calls between BeginUpdate and the matching EndUpdate report their changes once, at the end.
    void BeginUpdate();
    void EndUpdate();
    ///@}
    /// The depth of nested BeginUpdate calls.
    int UpdateCount() const { return fUpdateCount; }

    /// Called after each change (once at the end of an update).
    std::function<void()> OnChange;

protected:
    /// Reports a change: DoChange now, or at the end of the update.
    void Changed();
    /// Runs once per change, or once at the end of an update.
    virtual void DoChange();

private:
    int fUpdateCount = 0;
    bool fChangedWhileUpdating = false;
};

class TStringListPrivate;

/// A string list that holds its own strings and objects. The strings' texts
/// lie one after another in a few shared blocks rather than one QString
/// each, so that a row of about twelve characters costs under 64 bytes; Get
/// makes a QString of a row's text, View reads it without a copy.
class QZ8_STORE_EXPORT TStringList : public TStrings {
public:
    TStringList();
    ~TStringList() override;
    /// A list of the given strings (objects 0).
    TStringList(std::initializer_list<QString> items);
    ///@{
    /// Copies the strings, objects and marks (OnChange is not copied).
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);
    ///@}
    ///@{
    /// Takes the strings, objects and marks over, leaving the other list
    /// empty (OnChange is not taken).
    /// \since 0.3
    TStringList(TStringList&& other) noexcept;
    TStringList& operator=(TStringList&& other);
    ///@}

    int Count() const override;
    QString Get(int index) const override;
    TObjectValue GetObject(int index) const override;
    void Put(int index, const QString& s) override;
    void PutObject(int index, TObjectValue obj) override;
    void InsertObject(int index, const QString& s, TObjectValue obj) override;
    void Delete(int index) override;
    void Clear() override;
    /// Case-insensitive, over the stored texts without copying them.
    int IndexOf(const QString& s) const override;
    /// Swaps two strings with their objects.
    void Exchange(int a, int b);
    /// Sorts the strings case-insensitively (equal ones keep their order), their objects with them.
    void Sort();
    /// The text of the string at index without a copy; it stays valid until
    /// the list next changes. An index out of range raises Exception.
    /// \since 0.3
    QStringView View(int index) const;

protected:
    ///@{
    /// A hidden per-item mark that travels with its item (a check list box
    /// keeps its check marks in it).
    bool Mark(int index) const;
    void SetMark(int index, bool mark);
    ///@}

private:
    void CheckIndex(int index) const;
    TStringListPrivate& Store();
    std::unique_ptr<TStringListPrivate> d; // made at the first string
};

} // namespace qz8
