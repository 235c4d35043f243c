// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/WidgetStrings.h"
#include "toolkit/Types.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace qz8 {

namespace {
[[noreturn]] void OutOfBounds(int index)
{
    throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}
} // namespace

TComboBoxStrings::TComboBoxStrings(QComboBox* combo) : fCombo(combo) { }
TMemoLines::TMemoLines(QPlainTextEdit* memo) : fMemo(memo) { }
TListWidgetStrings::TListWidgetStrings(QListWidget* list) : fList(list) { }

int TComboBoxStrings::Count() const { return fCombo ? fCombo->count() : 0; }

QString TComboBoxStrings::Get(int index) const
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    return fCombo->itemText(index);
}

TObjectValue TComboBoxStrings::GetObject(int index) const
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    return static_cast<TObjectValue>(fCombo->itemData(index).toLongLong());
}

void TComboBoxStrings::Put(int index, const QString& s)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    fCombo->setItemText(index, s);
    Changed();
}

void TComboBoxStrings::PutObject(int index, TObjectValue obj)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    fCombo->setItemData(index, QVariant::fromValue<qlonglong>(obj));
    Changed();
}

void TComboBoxStrings::InsertObject(int index, const QString& s, TObjectValue obj)
{
    if (!fCombo)
        return;
    if (index < 0 || index > Count())
        OutOfBounds(index);
    fCombo->insertItem(index, s, QVariant::fromValue<qlonglong>(obj));
    Changed();
}

void TComboBoxStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    fCombo->removeItem(index);
    Changed();
}

void TComboBoxStrings::Clear()
{
    if (!fCombo)
        return;
    // An editable combo keeps its typed text, as the platform's combo does.
    const QString text = fCombo->isEditable() ? fCombo->currentText() : QString();
    fCombo->clear();
    if (fCombo->isEditable())
        fCombo->setEditText(text);
    Changed();
}

QStringList TMemoLines::Lines() const
{
    if (!fMemo)
        return {};
    const QString text = fMemo->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TMemoLines::SetLines(const QStringList& lines)
{
    if (!fMemo)
        return;
    fMemo->setPlainText(lines.join(QLatin1Char('\n')));
    Changed();
}

int TMemoLines::Count() const { return static_cast<int>(Lines().size()); }

QString TMemoLines::Get(int index) const
{
    const QStringList l = Lines();
    if (index < 0 || index >= l.size())
        OutOfBounds(index);
    return l[index];
}

void TMemoLines::Put(int index, const QString& s)
{
    QStringList l = Lines();
    if (index < 0 || index >= l.size())
        OutOfBounds(index);
    l[index] = s;
    SetLines(l);
}

void TMemoLines::InsertObject(int index, const QString& s, TObjectValue)
{
    QStringList l = Lines();
    if (index < 0 || index > l.size())
        OutOfBounds(index);
    l.insert(index, s);
    SetLines(l);
}

void TMemoLines::Delete(int index)
{
    QStringList l = Lines();
    if (index < 0 || index >= l.size())
        OutOfBounds(index);
    l.removeAt(index);
    SetLines(l);
}

void TMemoLines::Clear() { SetLines({}); }

void TMemoLines::Assign(const TStrings& other)
{
    if (&other != this)
        SetLines(other.ToStringList());
}

int TListWidgetStrings::Count() const { return fList ? fList->count() : 0; }

QString TListWidgetStrings::Get(int index) const
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    return fList->item(index)->text();
}

TObjectValue TListWidgetStrings::GetObject(int index) const
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    return static_cast<TObjectValue>(fList->item(index)->data(Qt::UserRole).toLongLong());
}

void TListWidgetStrings::Put(int index, const QString& s)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    fList->item(index)->setText(s);
    Changed();
}

void TListWidgetStrings::PutObject(int index, TObjectValue obj)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    fList->item(index)->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(obj));
    Changed();
}

void TListWidgetStrings::InsertObject(int index, const QString& s, TObjectValue obj)
{
    if (!fList)
        return;
    if (index < 0 || index > Count())
        OutOfBounds(index);
    auto* item = new QListWidgetItem(s);
    item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(obj));
    fList->insertItem(index, item);
    Changed();
}

void TListWidgetStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        OutOfBounds(index);
    delete fList->takeItem(index);
    Changed();
}

void TListWidgetStrings::Clear()
{
    if (!fList)
        return;
    fList->clear();
    Changed();
}

} // namespace qz8
