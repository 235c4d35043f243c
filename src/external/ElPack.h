// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Stand-ins for the ElPack controls that form state persistence recognises:
// thin Qt widgets with the properties and methods the library uses.
#include "../qz8_export.h"
#include "../store/Strings.h"
#include "../toolkit/Dialogs.h"
#include "../toolkit/StdCtrls.h"
#include "../toolkit/WidgetStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QRadioButton>

class QLineEdit;
class QSpinBox;
class QDoubleSpinBox;
class QPlainTextEdit;

namespace qz8 {

/// The check group of the ElPack set: check boxes in a titled group.
class QZ8_EXPORT TElCheckGroup : public TCustomCheckGroup {
    Q_OBJECT
public:
    /// The constructors of TCustomCheckGroup.
    using TCustomCheckGroup::TCustomCheckGroup;
};

/// The date and time picker of the ElPack set.
class QZ8_EXPORT TElDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
    /// The date and time shown (see DateTime()).
    Q_PROPERTY(QDateTime DateTime READ DateTime WRITE SetDateTime NOTIFY dateTimeValueChanged USER true)
public:
    /// A picker; a parent takes ownership.
    explicit TElDateTimePicker(QWidget* parent = nullptr);
    ///@{
    /// The date and time shown.
    QDateTime DateTime() const { return dateTime(); }
    void SetDateTime(const QDateTime& value) { setDateTime(value); }
    ///@}

Q_SIGNALS:
    /// The date and time shown changed.
    void dateTimeValueChanged(const QDateTime& value);
};

/// The check box of the ElPack set.
class QZ8_EXPORT TElCheckBox : public QCheckBox {
    Q_OBJECT
    /// Whether the box is checked (QCheckBox::isChecked).
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked NOTIFY checkedChanged USER true)
public:
    /// A box; a parent takes ownership.
    explicit TElCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) { AnnounceChecks(); }
    /// A box with its text; a parent takes ownership.
    explicit TElCheckBox(const QString& text, QWidget* parent = nullptr) : QCheckBox(text, parent) { AnnounceChecks(); }

Q_SIGNALS:
    /// The box was checked or unchecked.
    void checkedChanged(bool checked);

private:
    void AnnounceChecks() { connect(this, &QCheckBox::toggled, this, &TElCheckBox::checkedChanged); }
};

/// The radio button of the ElPack set: one that can be unchecked again.
class QZ8_EXPORT TElRadioButton : public TCheckableRadioButton {
    Q_OBJECT
public:
    /// The constructors of TCheckableRadioButton.
    using TCheckableRadioButton::TCheckableRadioButton;
};

/// The radio group of the ElPack set: radio buttons in a titled group with one ItemIndex.
class QZ8_EXPORT TElRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    /// The constructors of TCustomRadioGroup.
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// The ElPack edits share this base: a widget around an inner editor, with
/// the editor's text as Text.
class QZ8_EXPORT TCustomElEdit : public QWidget {
    Q_OBJECT
    /// The editor's text (see Text()).
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY textChanged USER true)
public:
    /// An edit; a parent takes ownership.
    explicit TCustomElEdit(QWidget* parent = nullptr);
    ///@{
    /// The editor's text.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    ///@}

Q_SIGNALS:
    /// The editor's text changed.
    void textChanged(const QString& text);

protected:
    /// Lays the inner editor out to fill the control, and announces its
    /// changes (through the editor's USER property) as textChanged.
    void Hold(QWidget* editor);

private Q_SLOTS:
    void EditorChanged();
};

/// The one-line edit of the ElPack set.
class QZ8_EXPORT TElEdit : public TCustomElEdit {
    Q_OBJECT
    /// The character that hides the text (see PasswordChar()).
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE SetPasswordChar)
public:
    /// An edit; a parent takes ownership.
    explicit TElEdit(QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    ///@{
    /// Empty for a plain edit; any character hides the text.
    QString PasswordChar() const { return fPasswordChar; }
    void SetPasswordChar(const QString& ch);
    ///@}
    /// The inner line edit.
    QLineEdit* Editor() const { return fEdit; }

private:
    QLineEdit* fEdit;
    QString fPasswordChar;
};

/// The whole-number spin edit of the ElPack set.
class QZ8_EXPORT TElSpinEdit : public TCustomElEdit {
    Q_OBJECT
    /// The value (see Value()).
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY valueChanged USER true)
public:
    /// A spin edit; a parent takes ownership.
    explicit TElSpinEdit(QWidget* parent = nullptr);
    ///@{
    /// The value.
    int Value() const;
    void SetValue(int value);
    ///@}
    /// The smallest and largest value.
    void SetRange(int min, int max);
    QString Text() const override;
    void SetText(const QString& text) override;

Q_SIGNALS:
    /// The value changed.
    void valueChanged(int value);

private:
    QSpinBox* fSpin;
};

/// The float spin edit of the ElPack set.
class QZ8_EXPORT TElFloatSpinEdit : public TCustomElEdit {
    Q_OBJECT
    /// The value (see Value()).
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged USER true)
public:
    /// A spin edit; a parent takes ownership.
    explicit TElFloatSpinEdit(QWidget* parent = nullptr);
    ///@{
    /// The value.
    double Value() const;
    void SetValue(double value);
    ///@}
    QString Text() const override;
    void SetText(const QString& text) override;

Q_SIGNALS:
    /// The value changed.
    void valueChanged(double value);

private:
    QDoubleSpinBox* fSpin;
};

/// The memo of the ElPack set: several lines of plain text.
class QZ8_EXPORT TElMemo : public TCustomElEdit {
    Q_OBJECT
public:
    /// A memo; a parent takes ownership.
    explicit TElMemo(QWidget* parent = nullptr);
    /// The lines, as a string list over the memo's text.
    TStrings& Lines() { return fLines; }
    QString Text() const override;
    void SetText(const QString& text) override;
    /// The inner plain-text editor.
    QPlainTextEdit* Editor() const { return fMemo; }

private:
    QPlainTextEdit* fMemo;
    TMemoLines fLines;
};

/// An edit with a button that chooses a file (or, with ofAllowMultiSelect,
/// files: Files holds them with an object each).
class QZ8_EXPORT TElFileNameEdit : public TCustomElEdit, public IInitialFolder {
    Q_OBJECT
    Q_INTERFACES(qz8::IInitialFolder)
    /// Open options, ofAllowMultiSelect and the rest (see Options()).
    Q_PROPERTY(unsigned Options READ Options WRITE SetOptions)
    /// The folder the dialog opens in (see InitialDir()).
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    /// The dialog's filter (see Filter()).
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
public:
    /// An edit; a parent takes ownership.
    explicit TElFileNameEdit(QWidget* parent = nullptr);
    ///@{
    /// Open options of the dialog: bits of TOpenOption (OpenOptionBit).
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    ///@}
    ///@{
    /// The folder the dialog opens in.
    QString InitialDir() const { return fInitialDir; }
    void SetInitialDir(const QString& dir) { fInitialDir = dir; }
    ///@}
    ///@{
    /// The dialog's filter: "description|masks|" pairs.
    QString Filter() const { return fFilter; }
    void SetFilter(const QString& filter) { fFilter = filter; }
    ///@}
    /// The files of the last choice, with an object each.
    TStringList& Files() { return fFiles; }
    QString Text() const override;
    void SetText(const QString& text) override;
    /// A window's starting folder is where its dialog opens.
    void TakeInitialFolder(const QString& folder) override { SetInitialDir(folder); }
    /// Where the button's dialog is shown; replaceable so tests need none.
    std::function<QStringList(TElFileNameEdit*)> ChooseFiles;

private:
    void Browse();
    TCustomEditBtn* fEdit;
    unsigned fOptions = 0;
    QString fInitialDir;
    QString fFilter;
    TStringList fFiles;
};

/// An edit with a button that chooses a folder.
class QZ8_EXPORT TElFolderNameEdit : public TCustomElEdit, public IInitialFolder {
    Q_OBJECT
    Q_INTERFACES(qz8::IInitialFolder)
public:
    /// An edit; a parent takes ownership.
    explicit TElFolderNameEdit(QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    void TakeInitialFolder(const QString& folder) override { SetText(folder); }
    /// Where the button's folder dialog is shown; replaceable so tests need none.
    std::function<QString(TElFolderNameEdit*)> ChooseFolder;

private:
    void Browse();
    TCustomEditBtn* fEdit;
};

/// An editable combo; with AutoHistory the current text joins the list.
class QZ8_EXPORT TElComboBox : public QComboBox {
    Q_OBJECT
    /// Whether the items are kept sorted (see Sorted()).
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    /// Whether the current text joins the list (see AutoHistory()).
    Q_PROPERTY(bool AutoHistory READ AutoHistory WRITE SetAutoHistory)
    /// The current item, -1 for none (QComboBox::currentIndex).
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex NOTIFY itemIndexChanged)
public:
    /// A combo; a parent takes ownership.
    explicit TElComboBox(QWidget* parent = nullptr);
    /// The items, as a string list over the combo's own.
    TStrings& Items() { return fItems; }
    ///@{
    /// Whether the items are kept sorted (case-insensitively).
    bool Sorted() const { return fSorted; }
    void SetSorted(bool sorted);
    ///@}
    ///@{
    /// Whether the current text joins the list (AutoHistoryUpdate).
    bool AutoHistory() const { return fAutoHistory; }
    void SetAutoHistory(bool on) { fAutoHistory = on; }
    ///@}
    int HistoryMaxCount = 30; ///< The most entries AutoHistoryUpdate keeps.
    /// The history rule: a non-empty current text moves to the top (added
    /// when new, moved when already there, ignoring case); the list keeps at
    /// most HistoryMaxCount entries.
    void AutoHistoryUpdate();

Q_SIGNALS:
    /// The current item changed.
    void itemIndexChanged(int index);

private:
    TComboBoxStrings fItems;
    bool fSorted = false;
    bool fAutoHistory = false;
};

} // namespace qz8
