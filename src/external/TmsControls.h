#pragma once
// Stand-ins for the TMS controls that the library recognises by class and
// whose state it keeps: thin Qt widgets with the properties it uses.
#include "../platform/StdCtrls.h"
#include "../platform/WidgetStrings.h"
#include "../qz8_export.h"

#include "../platform/ImageControls.h"
#include "../platform/SizeRelevant.h"
#include "TmsViews.h"
#include "Tms_utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>

namespace qz8 {

/// Controls of the set fit their fonts to a font scale (1.0: the
/// application's font) and their images to an image height.
QZ8_EXPORT void FitFontToScale(QWidget* control, float fontScale);

class QZ8_EXPORT TCustomAdvOfficeCheckBox : public QCheckBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
public:
    using QCheckBox::QCheckBox;
    /// The check mark and image follow the image height.
    void CorrectForScreenResImageHeight(int& imageHeight);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResImageHeight(step.ImageHeight); }
};

class QZ8_EXPORT TAdvOfficeCheckBox : public TCustomAdvOfficeCheckBox {
    Q_OBJECT
public:
    using TCustomAdvOfficeCheckBox::TCustomAdvOfficeCheckBox;
};

class QZ8_EXPORT TAdvOfficeRadioButton : public TCheckableRadioButton {
    Q_OBJECT
public:
    using TCheckableRadioButton::TCheckableRadioButton;
};

class QZ8_EXPORT TAdvOfficeRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// A spin edit whose SpinType chooses whole numbers (Value) or floats
/// (FloatValue, in sptFloat).
class QZ8_EXPORT TAdvSpinEdit : public QDoubleSpinBox {
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

/// The TMS combo family whose text is the whole window text.
class QZ8_EXPORT TAdvCustomCombo : public QComboBox {
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

/// The TMS combo-box family; its text is read with GetTextEx.
class QZ8_EXPORT TAdvCustomComboBox : public QComboBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit TAdvCustomComboBox(QWidget* parent = nullptr);
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    TStrings& Items() { return fItems; }
    QString GetTextEx() const { return currentText(); }

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

private:
    TComboBoxStrings fItems;
};

class QZ8_EXPORT TAdvEditBtn : public TCustomEditBtn {
    Q_OBJECT
public:
    using TCustomEditBtn::TCustomEditBtn;
};

/// The form styler: owned by the window it is created with. SetStyle gives
/// every control of that window that implements ITMSStyle the style, and the
/// window's plain Qt widgets the style's palette; when the style changes it
/// announces it through OnNotify (with itself as sender).
class QZ8_EXPORT TAdvFormStyler : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Style READ Style)
public:
    explicit TAdvFormStyler(QObject* owner);
    TTMSStyle Style() const { return fStyle; }
    /// A value outside the enumeration is ignored.
    void SetStyle(TTMSStyle style);
    std::function<void(QObject* Sender)> OnNotify;

private:
    TTMSStyle fStyle = tsClassicLight;
    bool fApplied = false;
};

/// A page of a pager; its image is the pager's image of ImageIndex.
class QZ8_EXPORT TAdvOfficePage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    using QWidget::QWidget;
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);

private:
    int fImageIndex = -1;
};

/// The pager: pages on tabs. Its design-time properties carry the set's
/// defaults; those with a Qt counterpart act through it (CloseOnTab: closable
/// tabs; TabReorder: movable tabs; ActivePage: the current page).
class QZ8_EXPORT TAdvOfficePager : public QTabWidget, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(bool AntiAlias MEMBER fAntiAlias)
    Q_PROPERTY(bool CloseOnTab READ tabsClosable WRITE setTabsClosable)
    Q_PROPERTY(int FixedTabs MEMBER fFixedTabs)
    Q_PROPERTY(bool FreeOnClose MEMBER fFreeOnClose)
    Q_PROPERTY(bool Glow MEMBER fGlow)
    Q_PROPERTY(bool MultiLine MEMBER fMultiLine)
    Q_PROPERTY(int PageMargin MEMBER fPageMargin)
    Q_PROPERTY(bool RotateTabLeftRight MEMBER fRotateTabLeftRight)
    Q_PROPERTY(bool ShowCloseOnNonSelectedTabs MEMBER fShowCloseOnNonSelectedTabs)
    Q_PROPERTY(bool ShowNonSelectedTabs MEMBER fShowNonSelectedTabs)
    Q_PROPERTY(bool ShowTabHint MEMBER fShowTabHint)
    Q_PROPERTY(bool ShowShortCutHints MEMBER fShowShortCutHints)
    Q_PROPERTY(bool TabReorder READ isMovable WRITE setMovable)
    Q_PROPERTY(int TabReorderIndicatorColor MEMBER fTabReorderIndicatorColor)
    Q_PROPERTY(bool Transparent MEMBER fTransparent)
    Q_PROPERTY(QString Version READ Version)
public:
    explicit TAdvOfficePager(QWidget* parent = nullptr);
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    void RefreshIcons();
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    ///@{
    /// The current page. A page asked for before it exists (a form file sets
    /// ActivePage before it adds the pages) becomes current when it is added.
    int ActivePage() const { return fPendingPage >= 0 ? fPendingPage : currentIndex(); }
    void SetActivePage(int index);
    ///@}

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

protected:
    void tabInserted(int index) override;

private:
    int fPendingPage = -1;
    TImageLink fImages;
    bool fAntiAlias = true;
    int fFixedTabs = 0;
    bool fFreeOnClose = false;
    bool fGlow = true;
    bool fMultiLine = false;
    int fPageMargin = 1;
    bool fRotateTabLeftRight = true;
    bool fShowCloseOnNonSelectedTabs = false;
    bool fShowNonSelectedTabs = false;
    bool fShowTabHint = false;
    bool fShowShortCutHints = true;
    int fTabReorderIndicatorColor = 0xFF0000;
    bool fTransparent = false;
};

class QZ8_EXPORT TAdvOfficeTabSet : public QTabBar, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    using QTabBar::QTabBar;
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
};

/// Styles a window's menus; its font follows the font scale.
class QZ8_EXPORT TCustomAdvMenuStyler : public QObject, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    using QObject::QObject;
    void CorrectForScreenResolucao(float& fontScale) { fFontScale = fontScale; }
    float FontScale() const { return fFontScale; }

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

private:
    float fFontScale = 1.0f;
};

class QZ8_EXPORT TAdvProgressBar : public QProgressBar, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    using QProgressBar::QProgressBar;
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
};

/// A status-bar panel: text with an image of the status bar's list.
class QZ8_EXPORT TStatusPanel : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    explicit TStatusPanel(QWidget* parent = nullptr);
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    void RefreshIcon();

private:
    int fImageIndex = -1;
};

class QZ8_EXPORT TAdvOfficeStatusBar : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    explicit TAdvOfficeStatusBar(QWidget* parent = nullptr);
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    TStatusPanel* AddPanel(const QString& text);
    int PanelCount() const { return static_cast<int>(fPanels.size()); }
    TStatusPanel* Panel(int index) const;

private:
    TImageLink fImages;
    std::vector<TStatusPanel*> fPanels;
};

/// Buttons of the set with an image list of their own.
class QZ8_EXPORT TAdvCustomGlowButton : public TImageButton<QToolButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    explicit TAdvCustomGlowButton(QWidget* parent = nullptr);
};

class QZ8_EXPORT TAdvGlowButton : public TAdvCustomGlowButton, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    using TAdvCustomGlowButton::TAdvCustomGlowButton;
    /// A button that shows an image takes the current main list.
    void ResizeForImageHeight(TDensityStep& step) override;
};

/// The tool button of the set calls its list ImageList.
class QZ8_EXPORT TAdvToolButton : public TImageButton<QToolButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    Q_PROPERTY(qz8::TImageList* ImageList READ ImageList WRITE SetImageList)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    using TImageButton<QToolButton>::TImageButton;
    TImageList* ImageList() const { return Images(); }
    void SetImageList(TImageList* images) { SetImages(images); }
};

/// Keeps the list it was given when the window's image size changes.
class QZ8_EXPORT TAdvSmoothButton : public TImageButton<QPushButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    using TImageButton<QPushButton>::TImageButton;
    bool FollowsImageDimension() const override { return false; }
};

} // namespace qz8
