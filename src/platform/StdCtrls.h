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

class QButtonGroup;
class QAction;

namespace qz8 {

/// A group box of radio buttons, one per item; ItemIndex -1 selects none.
class QZ8_EXPORT TCustomRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
public:
    explicit TCustomRadioGroup(QWidget* parent = nullptr);
    QStringList Items() const { return fItems; }
    void SetItems(const QStringList& items);
    int ItemCount() const { return static_cast<int>(fItems.size()); }
    int ItemIndex() const { return fItemIndex; }
    /// An index outside the items selects none.
    void SetItemIndex(int index);

Q_SIGNALS:
    void itemIndexChanged(int index);

private:
    QStringList fItems;
    QButtonGroup* fGroup;
    int fItemIndex = -1;
};

class QZ8_EXPORT TRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// A group box of check boxes, one per item.
class QZ8_EXPORT TCustomCheckGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
public:
    explicit TCustomCheckGroup(QWidget* parent = nullptr);
    QStringList Items() const { return fItems; }
    void SetItems(const QStringList& items);
    int ItemCount() const { return static_cast<int>(fItems.size()); }
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);

private:
    QStringList fItems;
};

/// A radio button whose check mark can also be taken away in code, as the
/// platform's radio buttons allow (Qt refuses to uncheck an exclusive one).
class QZ8_EXPORT TCheckableRadioButton : public QRadioButton {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE SetChecked)
public:
    using QRadioButton::QRadioButton;
    void SetChecked(bool checked);
};
/// The same for any radio button.
QZ8_EXPORT void SetRadioChecked(QRadioButton* button, bool checked);

/// A caption. FocusControl is the control its accelerator key focuses; a
/// transparent label paints no background.
class QZ8_EXPORT TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    explicit TLabel(QWidget* parent = nullptr);
    bool Transparent() const { return !autoFillBackground(); }
    void SetTransparent(bool transparent) { setAutoFillBackground(!transparent); }
    void SetFocusControl(QWidget* control) { setBuddy(control); }
};

/// Alignment of a control in its parent, as the platform's Align property.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

/// A window is loading while its stored description is applied: from
/// BeginLoading to EndLoading. EndLoading runs Loaded() on every component
/// that has it (a Q_INVOKABLE "Loaded"), frames included; a window built in
/// code needs only the EndLoading call.
QZ8_EXPORT void BeginLoading(QObject* root);
QZ8_EXPORT void EndLoading(QObject* root);
/// True while the object or one of its ancestors is loading.
QZ8_EXPORT bool IsLoading(const QObject* object);
///@{
/// Components made by the form designer are designing (csDesigning), and so
/// are the controls placed on them.
QZ8_EXPORT void SetDesigning(QObject* component);
QZ8_EXPORT bool IsDesigning(const QObject* object);
///@}

/// A one-line edit with a button at its right end.
class QZ8_EXPORT TCustomEditBtn : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QIcon Glyph READ Glyph WRITE SetGlyph)
public:
    explicit TCustomEditBtn(QWidget* parent = nullptr);
    QIcon Glyph() const;
    void SetGlyph(const QIcon& glyph);
    /// Acts as a press of the button.
    virtual void BtnClick();
    QAction* ButtonAction() const { return fButton; }
    std::function<void(QObject* Sender)> OnClickBtn;

private:
    QAction* fButton;
};

} // namespace qz8
