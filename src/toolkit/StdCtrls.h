// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Standard controls of the platform that Qt has no direct match for: radio
// groups and check groups (a group box of buttons that owns its buttons), a
// radio button that can be unchecked, and an edit with a button.
#include "../qz8_export.h"
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <functional>
#include <memory>

class QButtonGroup;
class QAction;

namespace qz8 {

/// A group box of radio buttons, one per item; ItemIndex -1 selects none.
class QZ8_EXPORT TCustomRadioGroup : public QGroupBox {
    Q_OBJECT
    /// The captions of the radio buttons (see Items()).
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    /// The checked item, -1 for none (see ItemIndex()).
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
public:
    /// A radio group; a parent takes ownership.
    explicit TCustomRadioGroup(QWidget* parent = nullptr);
    ///@{
    /// The captions of the radio buttons, one button each.
    QStringList Items() const { return fItems; }
    void SetItems(const QStringList& items);
    ///@}
    /// The number of items.
    int ItemCount() const { return static_cast<int>(fItems.size()); }
    /// The checked item, -1 for none.
    int ItemIndex() const { return fItemIndex; }
    /// An index outside the items selects none.
    void SetItemIndex(int index);

Q_SIGNALS:
    /// The checked item changed (by the user or through SetItemIndex).
    void itemIndexChanged(int index);

private:
    QStringList fItems;
    QButtonGroup* fGroup;
    int fItemIndex = -1;
};

/// The radio group of the platform.
class QZ8_EXPORT TRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    /// The constructors of TCustomRadioGroup.
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// A group box of check boxes, one per item.
class QZ8_EXPORT TCustomCheckGroup : public QGroupBox {
    Q_OBJECT
    /// The captions of the check boxes (see Items()).
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
public:
    /// A check group; a parent takes ownership.
    explicit TCustomCheckGroup(QWidget* parent = nullptr);
    ///@{
    /// The captions of the check boxes, one box each.
    QStringList Items() const { return fItems; }
    void SetItems(const QStringList& items);
    ///@}
    /// The number of items.
    int ItemCount() const { return static_cast<int>(fItems.size()); }
    ///@{
    /// Whether the box of an item is checked (false outside the items).
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    ///@}

private:
    QStringList fItems;
};

/// A radio button whose check mark can also be taken away in code, as the
/// platform's radio buttons allow (Qt refuses to uncheck an exclusive one).
class QZ8_EXPORT TCheckableRadioButton : public QRadioButton {
    Q_OBJECT
    /// Whether the button is checked (see SetChecked()).
    Q_PROPERTY(bool Checked READ isChecked WRITE SetChecked NOTIFY checkedChanged USER true)
public:
    /// A button; a parent takes ownership.
    explicit TCheckableRadioButton(QWidget* parent = nullptr) : QRadioButton(parent) { AnnounceChecks(); }
    /// A button with its text; a parent takes ownership.
    explicit TCheckableRadioButton(const QString& text, QWidget* parent = nullptr) : QRadioButton(text, parent)
    {
        AnnounceChecks();
    }
    /// Checks or unchecks the button (unchecking works for an exclusive one too).
    void SetChecked(bool checked);

Q_SIGNALS:
    /// The button was checked or unchecked.
    void checkedChanged(bool checked);

private:
    void AnnounceChecks() { connect(this, &QRadioButton::toggled, this, &TCheckableRadioButton::checkedChanged); }
};
/// The same for any radio button.
QZ8_EXPORT void SetRadioChecked(QRadioButton* button, bool checked);

/// A caption. FocusControl is the control its accelerator key focuses; a
/// transparent label paints no background.
class QZ8_EXPORT TLabel : public QLabel {
    Q_OBJECT
    /// The text (QLabel::text).
    Q_PROPERTY(QString Caption READ text WRITE setText)
    /// Whether the label paints no background (see Transparent()).
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    /// A label; a parent takes ownership.
    explicit TLabel(QWidget* parent = nullptr);
    ///@{
    /// Whether the label paints no background.
    bool Transparent() const { return !autoFillBackground(); }
    void SetTransparent(bool transparent) { setAutoFillBackground(!transparent); }
    ///@}
    /// The control the label's accelerator key focuses (QLabel::setBuddy).
    void SetFocusControl(QWidget* control) { setBuddy(control); }
};

/// Alignment of a control in its parent, as the platform's Align property.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

///@{
/// A window is loading while its stored description is applied: from
/// BeginLoading to EndLoading. EndLoading runs Loaded() on every component
/// that has it (a Q_INVOKABLE "Loaded"), frames included; a window built in
/// code needs only the EndLoading call.
QZ8_EXPORT void BeginLoading(QObject* root);
QZ8_EXPORT void EndLoading(QObject* root);
///@}
/// True while the object or one of its ancestors is loading.
QZ8_EXPORT bool IsLoading(const QObject* object);
///@{
/// Components made by the form designer are designing (csDesigning), and so
/// are the controls placed on them.
QZ8_EXPORT void SetDesigning(QObject* component);
QZ8_EXPORT bool IsDesigning(const QObject* object);
///@}

class TCustomEditBtnPrivate;

/// A one-line edit with a button at its right end. From the keyboard, Alt+Down or F4 in the edit presses the button,
/// as they open a combo box's list; the button's tool tip names the key.
class QZ8_EXPORT TCustomEditBtn : public QLineEdit {
    Q_OBJECT
    /// The button's image (see Glyph()).
    Q_PROPERTY(QIcon Glyph READ Glyph WRITE SetGlyph)
public:
    /// An edit with a button; a parent takes ownership.
    explicit TCustomEditBtn(QWidget* parent = nullptr);
    ~TCustomEditBtn() override;
    ///@{
    /// The button's image.
    QIcon Glyph() const;
    void SetGlyph(const QIcon& glyph);
    /// SetGlyph under the name uic calls.
    void setGlyph(const QIcon& glyph) { SetGlyph(glyph); }
    ///@}
    /// Acts as a press of the button.
    virtual void BtnClick();
    /// The button, as an action of the edit.
    QAction* ButtonAction() const;
    /// Called when the button is pressed (BtnClick).
    std::function<void(QObject* Sender)> OnClickBtn;
    /// What the button does, in the user's language: its text for screen
    /// readers and its tool tip ("Browse" unless a descendant says more).
    virtual QString ButtonPurpose() const;
    /// Gives the button its purpose again (after a change of language or of
    /// what the button does).
    void NameButton();

protected:
    /// Renames the button after a change of language.
    void changeEvent(QEvent* event) override;
    /// Alt+Down and F4 press the button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<TCustomEditBtnPrivate> fEditPart;
};

} // namespace qz8
