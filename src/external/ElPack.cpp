// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/ElPack.h"
#include "accessibility/AccessibleNames_p.h"
#include "external/General_runtime.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSpinBox>
#include <limits>

namespace qz8 {

TElDateTimePicker::TElDateTimePicker(QWidget* parent) : QDateTimeEdit(QDateTime::currentDateTime(), parent)
{
    setCalendarPopup(true);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &TElDateTimePicker::dateTimeValueChanged);
}

TCustomElEdit::TCustomElEdit(QWidget* parent) : QWidget(parent) { }

void TCustomElEdit::Hold(QWidget* editor)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    setFocusProxy(editor);
    // The editor takes the focus: it carries the control's name.
    NameInnerEditorAfter(this, editor);
    const QMetaProperty value = editor->metaObject()->userProperty();
    const int slot = metaObject()->indexOfSlot("EditorChanged()");
    if (value.hasNotifySignal())
        connect(editor, value.notifySignal(), this, metaObject()->method(slot));
}

void TCustomElEdit::EditorChanged() { Q_EMIT textChanged(Text()); }

TElEdit::TElEdit(QWidget* parent) : TCustomElEdit(parent), fEdit(new QLineEdit(this)) { Hold(fEdit); }

QString TElEdit::Text() const { return fEdit->text(); }
void TElEdit::SetText(const QString& text) { fEdit->setText(text); }

void TElEdit::SetPasswordChar(const QString& ch)
{
    fPasswordChar = ch.left(1);
    fEdit->setEchoMode(fPasswordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

TElSpinEdit::TElSpinEdit(QWidget* parent) : TCustomElEdit(parent), fSpin(new QSpinBox(this))
{
    fSpin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    Hold(fSpin);
    connect(fSpin, &QSpinBox::valueChanged, this, &TElSpinEdit::valueChanged);
}

int TElSpinEdit::Value() const { return fSpin->value(); }
void TElSpinEdit::SetValue(int value) { fSpin->setValue(value); }
void TElSpinEdit::SetRange(int min, int max) { fSpin->setRange(min, max); }
QString TElSpinEdit::Text() const { return fSpin->text(); }

void TElSpinEdit::SetText(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        fSpin->setValue(v);
}

TElFloatSpinEdit::TElFloatSpinEdit(QWidget* parent) : TCustomElEdit(parent), fSpin(new QDoubleSpinBox(this))
{
    fSpin->setRange(-1e9, 1e9);
    fSpin->setDecimals(3);
    Hold(fSpin);
    connect(fSpin, &QDoubleSpinBox::valueChanged, this, &TElFloatSpinEdit::valueChanged);
}

double TElFloatSpinEdit::Value() const { return fSpin->value(); }
void TElFloatSpinEdit::SetValue(double value) { fSpin->setValue(value); }
QString TElFloatSpinEdit::Text() const { return fSpin->text(); }

void TElFloatSpinEdit::SetText(const QString& text)
{
    // Read as the spin box's locale writes numbers, nothing looser.
    double v = 0;
    if (TryStrToFloat(text, FormatSettingsFor(fSpin->locale()), v))
        fSpin->setValue(v);
}

TElMemo::TElMemo(QWidget* parent) : TCustomElEdit(parent), fMemo(new QPlainTextEdit(this)), fLines(fMemo)
{
    Hold(fMemo);
}

QString TElMemo::Text() const { return fMemo->toPlainText(); }
void TElMemo::SetText(const QString& text)
{
    // The same text again is no change (QPlainTextEdit would announce one,
    // and lose the cursor and undo history).
    if (text != fMemo->toPlainText())
        fMemo->setPlainText(text);
}

TElFileNameEdit::TElFileNameEdit(QWidget* parent) : TCustomElEdit(parent), fEdit(new TCustomEditBtn(this))
{
    Hold(fEdit);
    fEdit->OnClickBtn = [this](QObject*) { Browse(); };
}

QString TElFileNameEdit::Text() const { return fEdit->text(); }
void TElFileNameEdit::SetText(const QString& text) { fEdit->setText(text); }

void TElFileNameEdit::Browse()
{
    QStringList chosen;
    const QString filter = FileDialogNameFilters(fFilter).join(QStringLiteral(";;"));
    // The dialog (or a hook) runs an event loop that may free this edit.
    QPointer<TElFileNameEdit> self(this);
    if (ChooseFiles)
        chosen = ChooseFiles(this);
    else if (fOptions & OpenOptionBit(ofAllowMultiSelect))
        chosen = QFileDialog::getOpenFileNames(this, QString(), fInitialDir, filter);
    else
        chosen = QStringList{QFileDialog::getOpenFileName(this, QString(), fInitialDir, filter)};
    if (!self)
        return;
    chosen.removeAll(QString());
    if (chosen.isEmpty())
        return;
    if (fOptions & OpenOptionBit(ofAllowMultiSelect)) {
        fFiles.Clear();
        for (const QString& f : chosen)
            fFiles.Add(f);
    }
    SetText(chosen.first());
}

TElFolderNameEdit::TElFolderNameEdit(QWidget* parent) : TCustomElEdit(parent), fEdit(new TCustomEditBtn(this))
{
    Hold(fEdit);
    fEdit->OnClickBtn = [this](QObject*) { Browse(); };
}

QString TElFolderNameEdit::Text() const { return fEdit->text(); }
void TElFolderNameEdit::SetText(const QString& text) { fEdit->setText(text); }

void TElFolderNameEdit::Browse()
{
    QPointer<TElFolderNameEdit> self(this);
    const QString folder =
        ChooseFolder ? ChooseFolder(this) : QFileDialog::getExistingDirectory(this, QString(), Text());
    if (self && !folder.isEmpty())
        SetText(folder);
}

TElComboBox::TElComboBox(QWidget* parent) : QComboBox(parent), fItems(this)
{
    // Editable as setEditable(true) makes a combo, except that the popup's
    // list is made when it is first needed (as a non-editable combo's is;
    // Qt then sets it up as an editable combo's): setEditable makes it at
    // once, and that is most of a combo's cost when a window of many combos
    // opens.
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette());
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, &TElComboBox::itemIndexChanged);
    NameInnerEditorAfter(this, lineEdit());
}

void TElComboBox::SetSorted(bool sorted)
{
    fSorted = sorted;
    setInsertPolicy(sorted ? QComboBox::InsertAlphabetically : QComboBox::NoInsert);
    if (sorted) {
        const QString text = currentText();
        model()->sort(0);
        setEditText(text);
    }
}

void TElComboBox::AutoHistoryUpdate()
{
    const QString text = currentText();
    if (text.isEmpty())
        return;
    const int at = fItems.IndexOf(text);
    const TObjectValue obj = at >= 0 ? fItems.GetObject(at) : 0;
    if (at >= 0)
        fItems.Delete(at);
    fItems.InsertObject(fSorted ? fItems.Count() : 0, text, obj);
    while (HistoryMaxCount > 0 && fItems.Count() > HistoryMaxCount)
        fItems.Delete(fItems.Count() - 1);
    setCurrentIndex(fItems.IndexOf(text));
}

} // namespace qz8
