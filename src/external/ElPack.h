#pragma once
// Stand-ins for the ElPack controls that form state persistence recognises:
// thin Qt widgets with the properties and methods the library uses.
#include "../platform/Dialogs.h"
#include "../platform/StdCtrls.h"
#include "../platform/Strings.h"
#include "../platform/WidgetStrings.h"
#include "../qz8_export.h"

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

class QZ8_EXPORT TElCheckGroup : public TCustomCheckGroup {
    Q_OBJECT
public:
    using TCustomCheckGroup::TCustomCheckGroup;
};

class QZ8_EXPORT TElDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
    Q_PROPERTY(QDateTime DateTime READ DateTime WRITE SetDateTime)
public:
    explicit TElDateTimePicker(QWidget* parent = nullptr);
    QDateTime DateTime() const { return dateTime(); }
    void SetDateTime(const QDateTime& value) { setDateTime(value); }
};

class QZ8_EXPORT TElCheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
public:
    using QCheckBox::QCheckBox;
};

class QZ8_EXPORT TElRadioButton : public TCheckableRadioButton {
    Q_OBJECT
public:
    using TCheckableRadioButton::TCheckableRadioButton;
};

class QZ8_EXPORT TElRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// The ElPack edits share this base: a widget around an inner editor, with
/// the editor's text as Text.
class QZ8_EXPORT TCustomElEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TCustomElEdit(QWidget* parent = nullptr);
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;

protected:
    void Hold(QWidget* editor);
};

class QZ8_EXPORT TElEdit : public TCustomElEdit {
    Q_OBJECT
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE SetPasswordChar)
public:
    explicit TElEdit(QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    ///@{
    /// Empty for a plain edit; any character hides the text.
    QString PasswordChar() const { return fPasswordChar; }
    void SetPasswordChar(const QString& ch);
    ///@}
    QLineEdit* Editor() const { return fEdit; }

private:
    QLineEdit* fEdit;
    QString fPasswordChar;
};

class QZ8_EXPORT TElSpinEdit : public TCustomElEdit {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)
public:
    explicit TElSpinEdit(QWidget* parent = nullptr);
    int Value() const;
    void SetValue(int value);
    void SetRange(int min, int max);
    QString Text() const override;
    void SetText(const QString& text) override;

private:
    QSpinBox* fSpin;
};

class QZ8_EXPORT TElFloatSpinEdit : public TCustomElEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
public:
    explicit TElFloatSpinEdit(QWidget* parent = nullptr);
    double Value() const;
    void SetValue(double value);
    QString Text() const override;
    void SetText(const QString& text) override;

private:
    QDoubleSpinBox* fSpin;
};

class QZ8_EXPORT TElMemo : public TCustomElEdit {
    Q_OBJECT
public:
    explicit TElMemo(QWidget* parent = nullptr);
    TStrings& Lines() { return fLines; }
    QString Text() const override;
    void SetText(const QString& text) override;
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
    Q_PROPERTY(unsigned Options READ Options WRITE SetOptions)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
public:
    explicit TElFileNameEdit(QWidget* parent = nullptr);
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    QString InitialDir() const { return fInitialDir; }
    void SetInitialDir(const QString& dir) { fInitialDir = dir; }
    QString Filter() const { return fFilter; }
    void SetFilter(const QString& filter) { fFilter = filter; }
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

class QZ8_EXPORT TElFolderNameEdit : public TCustomElEdit, public IInitialFolder {
    Q_OBJECT
    Q_INTERFACES(qz8::IInitialFolder)
public:
    explicit TElFolderNameEdit(QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    void TakeInitialFolder(const QString& folder) override { SetText(folder); }
    std::function<QString(TElFolderNameEdit*)> ChooseFolder;

private:
    void Browse();
    TCustomEditBtn* fEdit;
};

/// An editable combo; with AutoHistory the current text joins the list.
class QZ8_EXPORT TElComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(bool AutoHistory READ AutoHistory WRITE SetAutoHistory)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit TElComboBox(QWidget* parent = nullptr);
    TStrings& Items() { return fItems; }
    bool Sorted() const { return fSorted; }
    void SetSorted(bool sorted);
    bool AutoHistory() const { return fAutoHistory; }
    void SetAutoHistory(bool on) { fAutoHistory = on; }
    int HistoryMaxCount = 30;
    /// The history rule: a non-empty current text moves to the top (added
    /// when new, moved when already there, ignoring case); the list keeps at
    /// most HistoryMaxCount entries.
    void AutoHistoryUpdate();

private:
    TComboBoxStrings fItems;
    bool fSorted = false;
    bool fAutoHistory = false;
};

} // namespace qz8
