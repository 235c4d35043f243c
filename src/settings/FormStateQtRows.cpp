// Plain Qt input widgets in the form state file. A value read back that does
// not fit (an index past the end, a date out of range, a state blob of
// another version) leaves the widget as it was; the next save writes its
// real state.
#include "external/MemIniFile.h"
#include "platform/WidgetStrings.h"
#include "settings/FormStateRows_p.h"

#include <QComboBox>
#include <QDataStream>
#include <QDateTimeEdit>
#include <QDial>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIODevice>
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

// A state blob of Qt's own (splitters, headers) as base64; one that Qt does
// not take back leaves the widget as it was.
template <class Keeper>
void PersistStateBlob(Keeper* keeper, TMyMemIniFile& ini, bool reading, const QString& section, const QString& key)
{
    if (!reading) {
        ini.WriteString(section, key, QString::fromLatin1(keeper->saveState().toBase64()));
        return;
    }
    const QString text = ini.ReadString(section, key, QString());
    if (text.isEmpty())
        return;
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (decoded)
        (void)keeper->restoreState(*decoded);
}

// A splitter's state names the size of each of its panes: one of another
// splitter, or cut short, is not taken (Qt would take its sizes as empty).
bool FitsSplitter(const QSplitter* splitter, const QByteArray& state)
{
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_5_0);
    qint32 marker = 0, version = 0;
    QList<int> sizes;
    bool collapsible = false;
    qint32 handleWidth = 0;
    in >> marker >> version >> sizes >> collapsible >> handleWidth;
    // Sizes of -1 come from a splitter that was never laid out: nothing of
    // the user's to take.
    return in.status() == QDataStream::Ok && marker == 0xff && sizes.size() == splitter->count() &&
           std::all_of(sizes.begin(), sizes.end(), [](int size) { return size >= 0; });
}

void PersistSplitter(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* splitter = static_cast<QSplitter*>(c);
    if (!reading) {
        PersistStateBlob(splitter, ini, false, section, kState);
        return;
    }
    const auto state = QByteArray::fromBase64Encoding(ini.ReadString(section, kState, QString()).toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
    if (state && FitsSplitter(splitter, *state))
        (void)splitter->restoreState(*state);
}

// A header state as QHeaderView writes it (version 0), read field by field
// with every count checked against what the blob holds: Qt's own reading
// trusts the counts, and a damaged or hostile blob can make it read past
// its end (seen: a bit array's length). Only a blob whose lists fit whole,
// for as many sections as the header has, is given to restoreState.
bool FitsHeader(const QHeaderView* header, const QByteArray& state)
{
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_5_0);
    const auto left = [&] { return state.size() - in.device()->pos(); };
    // A count of items of itemBytes each that the rest of the blob holds.
    const auto countFits = [&](qint64 itemBytes, quint32& n) {
        in >> n;
        return in.status() == QDataStream::Ok && qint64{n} * itemBytes <= left();
    };
    qint32 marker = 0, version = 0, orientation = 0, order = 0, sortSection = 0;
    bool shown = false;
    in >> marker >> version >> orientation >> order >> sortSection >> shown;
    if (in.status() != QDataStream::Ok || marker != 0xff || version != 0)
        return false;
    quint32 n = 0;
    // Visual and logical indices: one int each per section.
    for (int list = 0; list < 2; ++list) {
        if (!countFits(4, n) || (n != 0 && n != static_cast<quint32>(header->count())))
            return false;
        in.skipRawData(static_cast<int>(n) * 4);
    }
    // Hidden sections: a bit array of its length in bits.
    if (!countFits(0, n) || n > static_cast<quint32>(header->count()) || (qint64{n} + 7) / 8 > left())
        return false;
    in.skipRawData(static_cast<int>((n + 7) / 8));
    // Sizes of hidden sections: int pairs.
    if (!countFits(8, n))
        return false;
    in.skipRawData(static_cast<int>(n) * 8);
    qint32 length = 0, sectionCount = 0;
    in >> length >> sectionCount;
    return in.status() == QDataStream::Ok && sectionCount >= 0 && sectionCount <= header->count() && length >= 0;
}

// The columns of a tree or table view: widths, order, sorting.
void PersistViewHeader(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(c))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(c))
        header = table->horizontalHeader();
    if (!header)
        return;
    const QString key = QStringLiteral("header");
    if (!reading) {
        PersistStateBlob(header, ini, false, section, key);
        return;
    }
    const auto state = QByteArray::fromBase64Encoding(ini.ReadString(section, key, QString()).toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
    if (state && FitsHeader(header, *state))
        (void)header->restoreState(*state);
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
