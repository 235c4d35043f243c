// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Plain Qt input widgets in the form state file. A value read back that does
// not fit (an index past the end, a date out of range, a state blob of
// another version) leaves the widget as it was; the next save writes its
// real state.
#include "settings/FormStateRows_p.h"
#include "settings/LayoutValues_p.h"
#include "store/MemIniFile.h"
#include "toolkit/WidgetStrings.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDial>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolBox>
#include <QTreeView>

#include <algorithm>
#include <optional>
#include <type_traits>

namespace qz8 {

namespace {

const QString kState = QStringLiteral("state");

// A value within the widget's range (spin boxes, sliders, dials, scroll
// bars; whole numbers, or decimals for QDoubleSpinBox); one outside it is
// not taken, an unchanged one not set again.
template <class Ranged>
void PersistRangedValue(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* w = static_cast<Ranged*>(c);
    constexpr bool decimal = std::is_same_v<decltype(w->value()), double>;
    if (!reading) {
        if constexpr (decimal)
            ini.WriteFloat(section, kValue, w->value());
        else
            ini.WriteInteger(section, kValue, w->value());
        return;
    }
    const auto v = decimal ? ini.ReadFloat(section, kValue, w->value()) : ini.ReadInteger(section, kValue, w->value());
    if (v != w->value() && v >= w->minimum() && v <= w->maximum())
        w->setValue(v);
}

// The font family of a font combo.
void PersistFontComboBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<QFontComboBox*>(c);
    const QString key = QStringLiteral("family");
    if (!reading) {
        ini.WriteString(section, key, combo->currentFont().family());
        return;
    }
    const QString family = ini.ReadString(section, key, QString());
    if (!family.isEmpty() && combo->findText(family) >= 0)
        combo->setCurrentFont(QFont(family));
}

// An editable combo keeps its items and text, as the library's combos do; a
// fixed one its current item, by text (which survives a reordering) and by
// index.
void PersistComboBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<QComboBox*>(c);
    if (combo->isEditable()) {
        TComboBoxStrings items(combo);
        if (reading) {
            TStringList stored;
            ini.ReadMultiString(section, stored);
            if (stored.Count() > 0) {
                combo->clear();
                for (int i = 0; i < stored.Count(); ++i)
                    combo->addItem(stored[i]);
            }
            const QString text = ini.ReadString(section, kText, combo->currentText());
            combo->setCurrentText(text);
            return;
        }
        ini.WriteMultiString(section, items);
        ini.WriteString(section, kText, combo->currentText());
        return;
    }
    if (!reading) {
        ini.WriteInteger(section, kI, combo->currentIndex());
        ini.WriteString(section, kText, combo->currentText());
        return;
    }
    const QString text = ini.ReadString(section, kText, QString());
    if (!text.isEmpty() && combo->currentText() == text)
        return; // already so: no search through the items
    const int byText = combo->findText(text);
    const int byIndex = ini.ReadInteger(section, kI, -1);
    if (byText >= 0)
        combo->setCurrentIndex(byText);
    else if (byIndex >= 0 && byIndex < combo->count())
        combo->setCurrentIndex(byIndex);
}

// Dates and times in ISO form, whatever the locale: a file read under
// another locale still gives them back.
void PersistDateTimeEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<QDateTimeEdit*>(c);
    const bool dateOnly = qobject_cast<QDateEdit*>(edit) != nullptr;
    const bool timeOnly = qobject_cast<QTimeEdit*>(edit) != nullptr;
    if (!reading) {
        const QString text = dateOnly   ? edit->date().toString(Qt::ISODate)
                             : timeOnly ? edit->time().toString(Qt::ISODateWithMs)
                                        : edit->dateTime().toString(Qt::ISODateWithMs);
        ini.WriteString(section, kValue, text);
        return;
    }
    const QString text = ini.ReadString(section, kValue, QString());
    if (dateOnly) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        if (d.isValid() && d != edit->date() && d >= edit->minimumDate() && d <= edit->maximumDate())
            edit->setDate(d);
    } else if (timeOnly) {
        const QTime t = QTime::fromString(text, Qt::ISODateWithMs);
        if (t.isValid() && t != edit->time() && t >= edit->minimumTime() && t <= edit->maximumTime())
            edit->setTime(t);
    } else {
        const QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (dt.isValid() && dt != edit->dateTime() && dt >= edit->minimumDateTime() && dt <= edit->maximumDateTime())
            edit->setDateTime(dt);
    }
}

void PersistKeySequenceEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<QKeySequenceEdit*>(c);
    const QString key = QStringLiteral("keys");
    if (!reading) {
        ini.WriteString(section, key, edit->keySequence().toString(QKeySequence::PortableText));
        return;
    }
    if (ini.ValueExists(section, key))
        edit->setKeySequence(
            QKeySequence::fromString(ini.ReadString(section, key, QString()), QKeySequence::PortableText));
}

// The current page of a tab widget, stacked widget or tool box.
template <class Pages>
void PersistCurrentPage(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* pages = static_cast<Pages*>(c);
    if (!reading) {
        ini.WriteInteger(section, kI, pages->currentIndex());
        return;
    }
    const int i = ini.ReadInteger(section, kI, -1);
    if (i >= 0 && i < pages->count())
        pages->setCurrentIndex(i);
}

// Layouts are plain values (settings/LayoutValues_p.h); a state blob that
// an earlier release wrote in their place is read by the library's own
// reader, never by Qt's.
std::optional<QByteArray> LegacyBlob(const TMyMemIniFile& ini, const QString& section, const QString& key)
{
    const QString text = ini.ReadString(section, key, QString());
    if (text.isEmpty())
        return std::nullopt;
    auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? std::optional<QByteArray>(std::move(*decoded)) : std::nullopt;
}

void PersistSplitter(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* splitter = static_cast<QSplitter*>(c);
    if (!reading) {
        ini.WriteString(section, kLayoutSizes, IntListText(splitter->sizes()));
        return;
    }
    std::optional<QList<int>> sizes;
    if (ini.ValueExists(section, kLayoutSizes))
        sizes = ReadIntList(ini.ReadString(section, kLayoutSizes, QString()));
    else if (const auto blob = LegacyBlob(ini, section, kState))
        sizes = ReadSplitterStateBlob(*blob);
    if (sizes && SplitterSizesFit(*sizes, splitter->count()) && *sizes != splitter->sizes())
        splitter->setSizes(*sizes);
}

// The columns of a tree or table view: widths, order, hidden ones, sorting.
void PersistViewHeader(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(c))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(c))
        header = table->horizontalHeader();
    if (!header)
        return;
    if (!reading) {
        WriteHeaderLayout(ini, section, HeaderLayoutOf(header));
        return;
    }
    auto layout = ReadHeaderLayout(ini, section);
    if (!layout) {
        if (const auto blob = LegacyBlob(ini, section, QStringLiteral("header")))
            layout = ReadHeaderStateBlob(*blob);
    }
    if (layout)
        ApplyHeaderLayout(header, *layout);
}

void PersistGroupBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* group = static_cast<QGroupBox*>(c);
    if (!group->isCheckable())
        return;
    if (reading)
        group->setChecked(ini.ReadBool(section, kChecked, group->isChecked()));
    else
        ini.WriteBool(section, kChecked, group->isChecked());
}

} // namespace

const std::vector<LayoutRow>& QtWidgetRows()
{
    static const std::vector<LayoutRow> rows = {
        {21, {&QSpinBox::staticMetaObject}, PersistRangedValue<QSpinBox>},
        {22, {&QDoubleSpinBox::staticMetaObject}, PersistRangedValue<QDoubleSpinBox>},
        {23, {&QFontComboBox::staticMetaObject}, PersistFontComboBox},
        {24, {&QComboBox::staticMetaObject}, PersistComboBox},
        {25,
         {&QSlider::staticMetaObject, &QDial::staticMetaObject, &QScrollBar::staticMetaObject},
         PersistRangedValue<QAbstractSlider>},
        {26, {&QDateTimeEdit::staticMetaObject}, PersistDateTimeEdit},
        {27, {&QKeySequenceEdit::staticMetaObject}, PersistKeySequenceEdit},
        {28, {&QTabWidget::staticMetaObject}, PersistCurrentPage<QTabWidget>, true},
        {29, {&QStackedWidget::staticMetaObject}, PersistCurrentPage<QStackedWidget>, true},
        {30, {&QToolBox::staticMetaObject}, PersistCurrentPage<QToolBox>, true},
        {31, {&QSplitter::staticMetaObject}, PersistSplitter, true},
        {32, {&QTreeView::staticMetaObject, &QTableView::staticMetaObject}, PersistViewHeader},
        {33, {&QGroupBox::staticMetaObject}, PersistGroupBox, true},
    };
    return rows;
}

} // namespace qz8
