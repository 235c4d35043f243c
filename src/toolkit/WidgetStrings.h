// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// TStrings over the storage of Qt widgets, so that a combo's items, a memo's
// lines and a QListWidget's rows are string lists with integer objects.
#include "../qz8_export.h"
#include "../store/Strings.h"

#include <QPointer>

class QComboBox;
class QPlainTextEdit;
class QListWidget;

namespace qz8 {

/// Items of a combo box; an item's object is kept in its user data.
class QZ8_EXPORT TComboBoxStrings : public TStrings {
public:
    /// The items of combo (which must outlive the list).
    explicit TComboBoxStrings(QComboBox* combo);
    int Count() const override;
    QString Get(int index) const override;
    TObjectValue GetObject(int index) const override;
    void Put(int index, const QString& s) override;
    void PutObject(int index, TObjectValue obj) override;
    void InsertObject(int index, const QString& s, TObjectValue obj) override;
    void Delete(int index) override;
    void Clear() override;

private:
    QPointer<QComboBox> fCombo;
};

/// Lines of a plain-text memo. Objects are not kept (always 0).
class QZ8_EXPORT TMemoLines : public TStrings {
public:
    /// The lines of memo (which must outlive the list).
    explicit TMemoLines(QPlainTextEdit* memo);
    int Count() const override;
    QString Get(int index) const override;
    TObjectValue GetObject(int) const override { return 0; }
    void Put(int index, const QString& s) override;
    void PutObject(int, TObjectValue) override { }
    void InsertObject(int index, const QString& s, TObjectValue obj) override;
    void Delete(int index) override;
    void Clear() override;
    /// One change of the memo's text, not one per line.
    void Assign(const TStrings& other) override;

private:
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    QPointer<QPlainTextEdit> fMemo;
};

/// Rows of a QListWidget; an item's object is kept in its user data.
class QZ8_EXPORT TListWidgetStrings : public TStrings {
public:
    /// The rows of list (which must outlive the string list).
    explicit TListWidgetStrings(QListWidget* list);
    int Count() const override;
    QString Get(int index) const override;
    TObjectValue GetObject(int index) const override;
    void Put(int index, const QString& s) override;
    void PutObject(int index, TObjectValue obj) override;
    void InsertObject(int index, const QString& s, TObjectValue obj) override;
    void Delete(int index) override;
    void Clear() override;

private:
    QPointer<QListWidget> fList;
};

} // namespace qz8
