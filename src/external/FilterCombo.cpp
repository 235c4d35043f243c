// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/FilterCombo.h"
#include "accessibility/AccessibleNames_p.h"

#include <QLineEdit>

namespace qz8 {

namespace {
constexpr int MaskRole = Qt::UserRole + 1;
} // namespace

TmyAdvFilterCombo::TmyAdvFilterCombo(QWidget* parent) : QComboBox(parent), fItems(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, &TmyAdvFilterCombo::itemIndexChanged);
    NameInnerEditorAfter(this, lineEdit());
}

void TmyAdvFilterCombo::BuildList()
{
    fItems.Clear();
    const QStringList parts = fFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            continue;
        addItem(parts[i]);
        setItemData(count() - 1, parts[i + 1], MaskRole);
    }
    if (count() > 0)
        setCurrentIndex(0);
}

QString TmyAdvFilterCombo::GetAFileMask(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QVariant mask = itemData(index, MaskRole);
    if (mask.isValid())
        return mask.toString();
    const QString text = itemText(index);
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    const qsizetype close = text.lastIndexOf(QLatin1Char(')'));
    if (open >= 0 && close > open)
        return text.mid(open + 1, close - open - 1).trimmed();
    return text;
}

void TmyAdvFilterCombo::InsertLastText(const QString& text)
{
    addItem(text);
    setItemData(count() - 1, text, MaskRole);
    setCurrentIndex(count() - 1);
}

} // namespace qz8
