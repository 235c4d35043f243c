// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The suite's filter combo: an editable combo of file types built from a
// filter text ("description|mask|description|mask..."). Each entry carries
// its mask; a typed mask can be added.
#include "../qz8_export.h"
#include "../toolkit/WidgetStrings.h"

#include <QComboBox>

namespace qz8 {

/// A combo of file masks built from a dialog filter, one entry per
/// description and mask; a typed mask joins as the last entry.
class QZ8_EXPORT TmyAdvFilterCombo : public QComboBox {
    Q_OBJECT
    /// The filter the entries are built from (see Filter()).
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    /// The current entry, -1 for none (QComboBox::currentIndex).
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex NOTIFY itemIndexChanged)
public:
    /// A filter combo; a parent takes ownership.
    explicit TmyAdvFilterCombo(QWidget* parent = nullptr);
    /// The entries, as a string list over the combo's own.
    TStrings& Items() { return fItems; }
    ///@{
    /// The filter ("description|masks|" pairs) that BuildList builds from.
    QString Filter() const { return fFilter; }
    void SetFilter(const QString& filter) { fFilter = filter; }
    ///@}
    /// Rebuilds the entries from the filter: one per description and mask.
    void BuildList();
    /// The mask of an entry: the one it was built with, else the text in its
    /// last parentheses, else its whole text. Empty outside the list.
    QString GetAFileMask(int index) const;
    /// Adds a typed mask as the last entry and selects it.
    void InsertLastText(const QString& text);

Q_SIGNALS:
    /// The current entry changed.
    void itemIndexChanged(int index);

private:
    TComboBoxStrings fItems;
    QString fFilter;
};

} // namespace qz8
