#pragma once
// String lists: strings with an integer object each. TStrings is the
// abstract list that controls hand out over their own storage; TStringList
// holds its own.
#include "qz8_export.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace qz8 {

using TObjectValue = std::intptr_t;

class QZ8_EXPORT TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    virtual QString Get(int index) const = 0;
    virtual TObjectValue GetObject(int index) const = 0;
    virtual void Put(int index, const QString& s) = 0;
    virtual void PutObject(int index, TObjectValue obj) = 0;
    virtual void InsertObject(int index, const QString& s, TObjectValue obj) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    QString operator[](int index) const { return Get(index); }
    QString Strings(int index) const { return Get(index); }
    TObjectValue Objects(int index) const { return GetObject(index); }
    int Add(const QString& s) { return AddObject(s, 0); }
    int AddObject(const QString& s, TObjectValue obj);
    void Insert(int index, const QString& s) { InsertObject(index, s, 0); }
    void AddStrings(const QStringList& list);
    // Case-insensitive, as the platform's string lists compare by default.
    virtual int IndexOf(const QString& s) const;
    virtual void Assign(const TStrings& other);
    QStringList ToStringList() const;
    // Lines joined by line breaks, each ended by one.
    QString Text() const;
    void SetText(const QString& text);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return fUpdateCount; }

    std::function<void()> OnChange;

protected:
    void Changed();
    // Runs once per change, or once at the end of an update.
    virtual void DoChange();

private:
    int fUpdateCount = 0;
    bool fChangedWhileUpdating = false;
};

class QZ8_EXPORT TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<QString> items);
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);

    int Count() const override { return static_cast<int>(fItems.size()); }
    QString Get(int index) const override;
    TObjectValue GetObject(int index) const override;
    void Put(int index, const QString& s) override;
    void PutObject(int index, TObjectValue obj) override;
    void InsertObject(int index, const QString& s, TObjectValue obj) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int a, int b);
    void Sort();

protected:
    // A hidden per-item mark that travels with its item (a check list box
    // keeps its check marks in it).
    bool Mark(int index) const;
    void SetMark(int index, bool mark);

private:
    struct Item {
        QString text;
        TObjectValue object = 0;
        bool mark = false;
    };
    void CheckIndex(int index) const;
    std::vector<Item> fItems;
};

} // namespace qz8
