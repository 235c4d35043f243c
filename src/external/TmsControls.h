// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Stand-ins for the TMS controls that the library recognises by class and
// whose state it keeps: thin Qt widgets with the properties it uses.
#include "../qz8_export.h"
#include "../toolkit/StdCtrls.h"
#include "../toolkit/WidgetStrings.h"

#include "../toolkit/ImageControls.h"
#include "../toolkit/SizeRelevant.h"
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
#include <memory>

namespace qz8 {

/// Controls of the set fit their fonts to a font scale (1.0: the
/// application's font) and their images to an image height.
QZ8_EXPORT void FitFontToScale(QWidget* control, float fontScale);

/// The office check box of the set: a check box whose mark and image follow the density's image height.
class QZ8_EXPORT TCustomAdvOfficeCheckBox : public QCheckBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    /// Whether the box is checked (QCheckBox::isChecked).
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked NOTIFY checkedChanged USER true)
public:
    /// A box; a parent takes ownership.
    explicit TCustomAdvOfficeCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) { AnnounceChecks(); }
    /// A box with its text; a parent takes ownership.
    explicit TCustomAdvOfficeCheckBox(const QString& text, QWidget* parent = nullptr) : QCheckBox(text, parent)
    {
        AnnounceChecks();
    }
    /// The check mark and image follow the image height.
    void CorrectForScreenResImageHeight(int& imageHeight);
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResImageHeight(step.ImageHeight); }

Q_SIGNALS:
    /// The box was checked or unchecked.
    void checkedChanged(bool checked);

private:
    void AnnounceChecks() { connect(this, &QCheckBox::toggled, this, &TCustomAdvOfficeCheckBox::checkedChanged); }
};

/// The office check box.
class QZ8_EXPORT TAdvOfficeCheckBox : public TCustomAdvOfficeCheckBox {
    Q_OBJECT
public:
    /// The constructors of TCustomAdvOfficeCheckBox.
    using TCustomAdvOfficeCheckBox::TCustomAdvOfficeCheckBox;
};

/// The office radio button: a radio button that can be unchecked again.
class QZ8_EXPORT TAdvOfficeRadioButton : public TCheckableRadioButton {
    Q_OBJECT
public:
    /// The constructors of TCheckableRadioButton.
    using TCheckableRadioButton::TCheckableRadioButton;
};

/// The office radio group: radio buttons in a titled group with one ItemIndex.
class QZ8_EXPORT TAdvOfficeRadioGroup : public TCustomRadioGroup {
    Q_OBJECT
public:
    /// The constructors of TCustomRadioGroup.
    using TCustomRadioGroup::TCustomRadioGroup;
};

/// A spin edit whose SpinType chooses whole numbers (Value) or floats
/// (FloatValue, in sptFloat).
class QZ8_EXPORT TAdvSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
    /// How the value is shown and stepped (see SpinType()).
    Q_PROPERTY(TAdvSpinType SpinType READ SpinType WRITE SetSpinType)
    /// The value as a whole number (see Value()).
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY intValueChanged USER true)
    /// The value as a float (see FloatValue()).
    Q_PROPERTY(double FloatValue READ FloatValue WRITE SetFloatValue NOTIFY floatValueChanged)
public:
    /// How a spin edit shows and steps its value.
    enum TAdvSpinType { sptNormal, sptFloat, sptHex, sptDate, sptTime };
    Q_ENUM(TAdvSpinType)

    /// A spin edit of whole numbers; a parent takes ownership.
    explicit TAdvSpinEdit(QWidget* parent = nullptr);
    ///@{
    /// How the value is shown and stepped: whole numbers (sptNormal) or floats (sptFloat) and the rest.
    TAdvSpinType SpinType() const { return fSpinType; }
    void SetSpinType(TAdvSpinType type);
    ///@}
    ///@{
    /// The value as a whole number (rounded).
    int Value() const;
    void SetValue(int value) { setValue(value); }
    ///@}
    ///@{
    /// The value as a float.
    double FloatValue() const { return value(); }
    void SetFloatValue(double value) { setValue(value); }
    ///@}

Q_SIGNALS:
    /// The value changed (as a whole number).
    void intValueChanged(int value);
    /// The value changed (as a float).
    void floatValueChanged(double value);

private:
    TAdvSpinType fSpinType = sptNormal;
};

/// The TMS combo family whose text is the whole window text.
/// The combo of the set whose text is the whole window text.
class QZ8_EXPORT TAdvCustomCombo : public QComboBox {
    Q_OBJECT
    /// The current item, -1 for none (QComboBox::currentIndex).
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex NOTIFY itemIndexChanged)
    /// The text of the edit (see Text()).
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY textChanged USER true)
public:
    /// A combo; a parent takes ownership.
    explicit TAdvCustomCombo(QWidget* parent = nullptr);
    /// The items, as a string list over the combo's own.
    TStrings& Items() { return fItems; }
    ///@{
    /// The text of the edit.
    QString Text() const { return currentText(); }
    void SetText(const QString& text) { setEditText(text); }
    ///@}

Q_SIGNALS:
    /// The current item changed.
    void itemIndexChanged(int index);
    /// The text of the edit changed.
    void textChanged(const QString& text);

private:
    TComboBoxStrings fItems;
};

/// The TMS combo-box family; its text is read with GetTextEx.
/// The combo box of the set: its font follows the density's font scale; its text is read with GetTextEx.
class QZ8_EXPORT TAdvCustomComboBox : public QComboBox, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    /// The current item, -1 for none (QComboBox::currentIndex).
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex NOTIFY itemIndexChanged)
public:
    /// A combo box; a parent takes ownership.
    explicit TAdvCustomComboBox(QWidget* parent = nullptr);
    /// Density correction: fits the font to the font scale (1.0: the application's font).
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    /// The items, as a string list over the combo's own.
    TStrings& Items() { return fItems; }
    /// The shown text.
    QString GetTextEx() const { return currentText(); }

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

Q_SIGNALS:
    /// The current item changed.
    void itemIndexChanged(int index);

private:
    TComboBoxStrings fItems;
};

/// The edit with a button of the set (see TCustomEditBtn).
class QZ8_EXPORT TAdvEditBtn : public TCustomEditBtn {
    Q_OBJECT
public:
    /// The constructors of TCustomEditBtn.
    using TCustomEditBtn::TCustomEditBtn;
};

/// The form styler: owned by the window it is created with. SetStyle gives
/// every control of that window that implements ITMSStyle the style, and the
/// window's plain Qt widgets the style's palette; when the style changes it
/// announces it through OnNotify (with itself as sender).
class QZ8_EXPORT TAdvFormStyler : public QObject {
    Q_OBJECT
    /// The style applied last (see Style()).
    Q_PROPERTY(int Style READ Style)
public:
    /// A styler for the window owner; the owner takes ownership.
    explicit TAdvFormStyler(QObject* owner);
    /// The style applied last (tsClassicLight before any).
    TTMSStyle Style() const { return fStyle; }
    /// A value outside the enumeration is ignored.
    void SetStyle(TTMSStyle style);
    /// Called after a change of style, with the styler as sender.
    std::function<void(QObject* Sender)> OnNotify;

private:
    TTMSStyle fStyle = tsClassicLight;
    bool fApplied = false;
};

/// A page of a pager; its image is the pager's image of ImageIndex.
class QZ8_EXPORT TAdvOfficePage : public QWidget {
    Q_OBJECT
    /// The image of the page in its pager's list (see ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// The constructors of QWidget.
    using QWidget::QWidget;
    ///@{
    /// The image of the page in its pager's list, -1 for none.
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    ///@}

private:
    int fImageIndex = -1;
};

class TAdvOfficePagerPrivate;

/// The pager: pages on tabs. Its design-time properties carry the set's
/// defaults. Those with a Qt counterpart act through it: ActivePage (the
/// current page), CloseOnTab (closable tabs), ShowCloseOnNonSelectedTabs
/// (close buttons on the other tabs too), FreeOnClose (a closed page is
/// deleted, else only taken off its tab), MultiLine (every tab shown, the
/// names elided, instead of scroll buttons: Qt's tab bar has one row),
/// PageMargin (the pages' margin), ShowTabHint (a tab's tool tip is its
/// page's) and TabReorder (movable tabs). The others (AntiAlias, FixedTabs,
/// Glow, RotateTabLeftRight, ShowNonSelectedTabs, ShowShortCutHints,
/// Transparent, the reorder marker's colour) are kept for code and for
/// existing form files only: Qt's style draws the tabs, so they change
/// nothing, and Designer does not offer them.
class QZ8_EXPORT TAdvOfficePager : public QTabWidget, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
    /// The list the tabs' images come from (see Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages DESIGNABLE false)
    /// The current page (see ActivePage()).
    Q_PROPERTY(int ActivePage READ ActivePage WRITE SetActivePage NOTIFY activePageChanged)
    /// Kept only: whether tabs are drawn anti-aliased.
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE setAntiAlias DESIGNABLE false)
    /// Whether tabs have a close button (QTabWidget::tabsClosable).
    Q_PROPERTY(bool CloseOnTab READ tabsClosable WRITE setCloseOnTab)
    /// Kept only: the number of tabs that do not scroll.
    Q_PROPERTY(int FixedTabs READ FixedTabs WRITE setFixedTabs DESIGNABLE false)
    /// Whether a page closed by its tab's close button is deleted (see FreeOnClose()).
    Q_PROPERTY(bool FreeOnClose READ FreeOnClose WRITE setFreeOnClose)
    /// Kept only: whether the hovered tab glows.
    Q_PROPERTY(bool Glow READ Glow WRITE setGlow DESIGNABLE false)
    /// Whether every tab is shown, its name shortened, instead of scroll buttons (see MultiLine()).
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE setMultiLine)
    /// The margin around the pages, in pixels (see PageMargin()).
    Q_PROPERTY(int PageMargin READ PageMargin WRITE setPageMargin)
    /// Kept only: whether tabs on the left and right are rotated.
    Q_PROPERTY(bool RotateTabLeftRight READ RotateTabLeftRight WRITE setRotateTabLeftRight DESIGNABLE false)
    /// Whether tabs that are not current show a close button too (see ShowCloseOnNonSelectedTabs()).
    Q_PROPERTY(bool ShowCloseOnNonSelectedTabs READ ShowCloseOnNonSelectedTabs WRITE setShowCloseOnNonSelectedTabs)
    /// Kept only: whether tabs that are not current are drawn with their background.
    Q_PROPERTY(bool ShowNonSelectedTabs READ ShowNonSelectedTabs WRITE setShowNonSelectedTabs DESIGNABLE false)
    /// Whether a tab shows its page's tool tip as its own (see ShowTabHint()).
    Q_PROPERTY(bool ShowTabHint READ ShowTabHint WRITE setShowTabHint)
    /// Kept only: whether shortcut hints are shown.
    Q_PROPERTY(bool ShowShortCutHints READ ShowShortCutHints WRITE setShowShortCutHints DESIGNABLE false)
    /// Whether the user can drag tabs to reorder them (QTabWidget::isMovable).
    Q_PROPERTY(bool TabReorder READ isMovable WRITE setMovable)
    /// Kept only: the colour of the reorder marker (TColor).
    Q_PROPERTY(
        int TabReorderIndicatorColor READ TabReorderIndicatorColor WRITE setTabReorderIndicatorColor DESIGNABLE false)
    /// Kept only: the colour of the reorder marker, as a QColor (see reorderMarkerColor()).
    Q_PROPERTY(QColor reorderMarkerColor READ reorderMarkerColor WRITE setReorderMarkerColor DESIGNABLE false)
    /// Kept only: whether the pager shows its parent's background.
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent DESIGNABLE false)
    /// The version of the pager (see Version()).
    Q_PROPERTY(QString Version READ Version DESIGNABLE false)
public:
    /// A pager; a parent takes ownership.
    explicit TAdvOfficePager(QWidget* parent = nullptr);
    ~TAdvOfficePager() override;
    ///@{
    /// The colour of the reorder marker: the TColor property TabReorderIndicatorColor as a QColor (ColorPropertyValue,
    /// ColorFromProperty).
    /// \since 0.2
    QColor reorderMarkerColor() const;
    void setReorderMarkerColor(const QColor& color);
    ///@}
    ///@{
    /// The list the tabs' images come from; each page's ImageIndex picks its image.
    TImageList* Images() const;
    void SetImages(TImageList* images);
    ///@}
    /// Gives every tab its page's image again.
    void RefreshIcons();
    /// Density correction: fits the font to the font scale (1.0: the application's font).
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    /// The version of the set's pager this pager stands for ("1.0.0.0").
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    ///@{
    /// The current page. A page asked for before it exists (a form file sets
    /// ActivePage before it adds the pages) becomes current when it is added.
    int ActivePage() const;
    void SetActivePage(int index);
    /// SetActivePage under the name uic calls.
    void setActivePage(int index) { SetActivePage(index); }
    ///@}
    ///@{
    /// Whether a page closed by its tab's close button is deleted (true) or
    /// only taken off its tab, kept as a child of the pager (false).
    /// \since 0.2
    bool FreeOnClose() const;
    void setFreeOnClose(bool value);
    ///@}
    ///@{
    /// Whether every tab is shown with its name shortened where they do not
    /// fit (true), or the tabs scroll with buttons (false, the default).
    /// \since 0.2
    bool MultiLine() const;
    void setMultiLine(bool value);
    ///@}
    ///@{
    /// The margin around the pages in pixels, 0 to 1000.
    /// \since 0.2
    int PageMargin() const;
    void setPageMargin(int value);
    ///@}
    ///@{
    /// Whether the tabs that are not current show their close button too
    /// (with CloseOnTab; by default only the current tab has one).
    /// \since 0.2
    bool ShowCloseOnNonSelectedTabs() const;
    void setShowCloseOnNonSelectedTabs(bool value);
    ///@}
    ///@{
    /// Whether a tab without a tool tip of its own shows its page's tool tip
    /// (a tab's own tool tip shows either way, as in any QTabWidget).
    /// \since 0.2
    bool ShowTabHint() const;
    void setShowTabHint(bool value);
    ///@}
    /// Closes page index as its tab's close button does: takes it off its
    /// tab, and deletes it with FreeOnClose.
    /// \since 0.2
    void ClosePage(int index);

    ///@{
    /// AntiAlias, kept for form files only (it changes nothing shown); setAntiAlias is the name uic calls.
    /// \since 0.3 (the getter)
    bool AntiAlias() const;
    void setAntiAlias(bool value);
    ///@}
    ///@{
    /// FixedTabs, kept for form files only (it changes nothing shown); setFixedTabs is the name uic calls.
    /// \since 0.3 (the getter)
    int FixedTabs() const;
    void setFixedTabs(int value);
    ///@}
    ///@{
    /// Glow, kept for form files only (it changes nothing shown); setGlow is the name uic calls.
    /// \since 0.3 (the getter)
    bool Glow() const;
    void setGlow(bool value);
    ///@}
    ///@{
    /// RotateTabLeftRight, kept for form files only (it changes nothing shown); setRotateTabLeftRight is the name uic
    /// calls.
    /// \since 0.3 (the getter)
    bool RotateTabLeftRight() const;
    void setRotateTabLeftRight(bool value);
    ///@}
    ///@{
    /// ShowNonSelectedTabs, kept for form files only (it changes nothing shown); setShowNonSelectedTabs is the name uic
    /// calls.
    /// \since 0.3 (the getter)
    bool ShowNonSelectedTabs() const;
    void setShowNonSelectedTabs(bool value);
    ///@}
    ///@{
    /// ShowShortCutHints, kept for form files only (it changes nothing shown); setShowShortCutHints is the name uic
    /// calls.
    /// \since 0.3 (the getter)
    bool ShowShortCutHints() const;
    void setShowShortCutHints(bool value);
    ///@}
    ///@{
    /// TabReorderIndicatorColor, kept for form files only (it changes nothing shown); setTabReorderIndicatorColor is
    /// the name uic calls.
    /// \since 0.3 (the getter)
    int TabReorderIndicatorColor() const;
    void setTabReorderIndicatorColor(int value);
    ///@}
    ///@{
    /// Transparent, kept for form files only (it changes nothing shown); setTransparent is the name uic calls.
    /// \since 0.3 (the getter)
    bool Transparent() const;
    void setTransparent(bool value);
    ///@}
    /// Sets CloseOnTab (the name uic calls).
    void setCloseOnTab(bool on);
    /// Sets TabReorder (the name uic calls).
    void setTabReorder(bool on) { setMovable(on); }

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

Q_SIGNALS:
    /// The current page changed.
    void activePageChanged(int index);

protected:
    /// Makes a page asked for by ActivePage current when it arrives.
    void tabInserted(int index) override;
    /// Keeps the close buttons ShowCloseOnNonSelectedTabs asks for.
    void tabRemoved(int index) override;
    /// Holds back the tab bar's tool tips while ShowTabHint is off.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TAdvOfficePagerPrivate> fPagerPart;
    /// Shows the close buttons ShowCloseOnNonSelectedTabs asks for.
    void UpdateCloseButtons();
};

/// The tab set of the set: tabs without pages; its font follows the font scale.
class QZ8_EXPORT TAdvOfficeTabSet : public QTabBar, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// The constructors of QTabBar.
    using QTabBar::QTabBar;
    /// Density correction: fits the font to the font scale (1.0: the application's font).
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
};

/// Styles a window's menus; its font follows the font scale.
class QZ8_EXPORT TCustomAdvMenuStyler : public QObject, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// The constructors of QObject.
    using QObject::QObject;
    /// Density correction: keeps the font scale for the menus.
    void CorrectForScreenResolucao(float& fontScale) { fFontScale = fontScale; }
    /// The font scale of the menus (1.0: the application's font).
    float FontScale() const { return fFontScale; }

    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }

private:
    float fFontScale = 1.0f;
};

/// The progress bar of the set; its font follows the font scale.
class QZ8_EXPORT TAdvProgressBar : public QProgressBar, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// The constructors of QProgressBar.
    using QProgressBar::QProgressBar;
    /// Density correction: fits the font to the font scale (1.0: the application's font).
    void CorrectForScreenResolucao(float& fontScale) { FitFontToScale(this, fontScale); }
    void ResizeForImageHeight(TDensityStep& step) override { CorrectForScreenResolucao(step.FontScale); }
};

/// A status-bar panel: text with an image of the status bar's list.
class QZ8_EXPORT TStatusPanel : public QToolButton {
    Q_OBJECT
    /// The image of the panel in its status bar's list (see ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// A panel; a parent takes ownership.
    explicit TStatusPanel(QWidget* parent = nullptr);
    ///@{
    /// The image of the panel in its status bar's list, -1 for none.
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    ///@}
    /// Shows the image of ImageIndex again (after a change of list).
    void RefreshIcon();

private:
    int fImageIndex = -1;
};

/// The status bar of the set: panels with images of its list.
class QZ8_EXPORT TAdvOfficeStatusBar : public QStatusBar {
    Q_OBJECT
    /// The list the panels' images come from (see Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    /// A status bar; a parent takes ownership.
    explicit TAdvOfficeStatusBar(QWidget* parent = nullptr);
    ///@{
    /// The list the panels' images come from.
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    ///@}
    /// Appends a panel with the text; the status bar owns it.
    TStatusPanel* AddPanel(const QString& text);
    /// The number of panels.
    int PanelCount() const { return static_cast<int>(fPanels.size()); }
    /// The panel at index, nullptr outside the panels.
    TStatusPanel* Panel(int index) const;

private:
    TImageLink fImages;
    std::vector<TStatusPanel*> fPanels;
};

/// Buttons of the set with an image list of their own.
class QZ8_EXPORT TAdvCustomGlowButton : public TImageButton<QToolButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    /// The list the button's image comes from (see TImageButton::Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    /// The button's image in the list (see TImageButton::ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// A button; a parent takes ownership.
    explicit TAdvCustomGlowButton(QWidget* parent = nullptr);
};

/// The glow button of the set; with an image it follows the density's image size.
class QZ8_EXPORT TAdvGlowButton : public TAdvCustomGlowButton, public ISizeRelevant {
    Q_OBJECT
    Q_INTERFACES(qz8::ISizeRelevant)
public:
    /// The constructors of TAdvCustomGlowButton.
    using TAdvCustomGlowButton::TAdvCustomGlowButton;
    /// A button that shows an image takes the current main list.
    void ResizeForImageHeight(TDensityStep& step) override;
};

/// The tool button of the set calls its list ImageList.
class QZ8_EXPORT TAdvToolButton : public TImageButton<QToolButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    /// The list the button's image comes from (see ImageList()).
    Q_PROPERTY(qz8::TImageList* ImageList READ ImageList WRITE SetImageList)
    /// The button's image in the list (see TImageButton::ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// The constructors of TImageButton<QToolButton>.
    using TImageButton<QToolButton>::TImageButton;
    ///@{
    /// The list the button's image comes from (Images under the set's name).
    TImageList* ImageList() const { return Images(); }
    void SetImageList(TImageList* images) { SetImages(images); }
    ///@}
};

/// Keeps the list it was given when the window's image size changes.
class QZ8_EXPORT TAdvSmoothButton : public TImageButton<QPushButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    /// The list the button's image comes from (see TImageButton::Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    /// The button's image in the list (see TImageButton::ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// The constructors of TImageButton<QPushButton>.
    using TImageButton<QPushButton>::TImageButton;
    /// False: the button keeps its list when the image size changes.
    bool FollowsImageDimension() const override { return false; }
};

} // namespace qz8
