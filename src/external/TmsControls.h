#pragma once
// Stand-ins for the TMS controls that the library recognises by class and
// whose state it keeps: thin Qt widgets with the properties it uses.
#include "platform/StdCtrls.h"
#include "platform/WidgetStrings.h"

#include "external/Tms_utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>

namespace qz8 {

class TCustomAdvOfficeCheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
public:
    using QCheckBox::QCheckBox;
};

class TAdvOfficeCheckBox : public TCustomAdvOfficeCheckBox {
    Q_OBJECT
public:
    using TCustomAdvOfficeCheckBox::TCustomAdvOfficeCheckBox;
};

class TAdvOfficeRadioButton : public TCheckableRadioButton {
    Q_OBJECT
public:
    using TCheckableRadioButton::TCheckableRadioButton;
};

class TAdvOfficeRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

// A spin edit whose SpinType chooses whole numbers (Value) or floats
// (FloatValue, in sptFloat).
class TAdvSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
    Q_PROPERTY(TAdvSpinType SpinType READ SpinType WRITE SetSpinType)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(double FloatValue READ FloatValue WRITE SetFloatValue)
public:
    enum TAdvSpinType { sptNormal, sptFloat, sptHex, sptDate, sptTime };
    Q_ENUM(TAdvSpinType)

    explicit TAdvSpinEdit(QWidget* parent = nullptr);
    TAdvSpinType SpinType() const { return fSpinType; }
    void SetSpinType(TAdvSpinType type);
    int Value() const;
    void SetValue(int value) { setValue(value); }
    double FloatValue() const { return value(); }
    void SetFloatValue(double value) { setValue(value); }

private:
    TAdvSpinType fSpinType = sptNormal;
};

// The TMS combo family whose text is the whole window text.
class TAdvCustomCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TAdvCustomCombo(QWidget* parent = nullptr);
    TStrings& Items() { return fItems; }
    QString Text() const { return currentText(); }
    void SetText(const QString& text) { setEditText(text); }

private:
    TComboBoxStrings fItems;
};

// The TMS combo-box family; its text is read with GetTextEx.
class TAdvCustomComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit TAdvCustomComboBox(QWidget* parent = nullptr);
    TStrings& Items() { return fItems; }
    QString GetTextEx() const { return currentText(); }

private:
    TComboBoxStrings fItems;
};

class TAdvEditBtn : public TCustomEditBtn {
    Q_OBJECT
public:
    using TCustomEditBtn::TCustomEditBtn;
};

// The form styler: owned by the window it is created with. SetStyle gives
// every control of that window that implements ITMSStyle the style, and the
// window's plain Qt widgets the style's palette; when the style changes it
// announces it through OnNotify (with itself as sender).
class TAdvFormStyler : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Style READ Style)
public:
    explicit TAdvFormStyler(QObject* owner);
    TTMSStyle Style() const { return fStyle; }
    // A value outside the enumeration is ignored.
    void SetStyle(TTMSStyle style);
    std::function<void(QObject* Sender)> OnNotify;

private:
    TTMSStyle fStyle = tsClassicLight;
    bool fApplied = false;
};

// Thin stand-ins that the size-relevant class list names.
class TAdvOfficePager : public QTabWidget {
    Q_OBJECT
public:
    using QTabWidget::QTabWidget;
};

class TAdvOfficeTabSet : public QTabBar {
    Q_OBJECT
public:
    using QTabBar::QTabBar;
};

class TCustomAdvMenuStyler : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

class TAdvProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;
};

class TAdvListView : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
};

} // namespace qz8
