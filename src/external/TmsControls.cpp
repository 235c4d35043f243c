// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/TmsControls.h"
#include "accessibility/AccessibleNames_p.h"
#include "external/Tool_image_basics.h"
#include "toolkit/Components.h"
#include "toolkit/SizeRelevant.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHelpEvent>
#include <QPixmap>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <vector>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qz8 {

// What TAdvOfficePager keeps beside its Qt base, out of its class's layout.
class TAdvOfficePagerPrivate {
public:
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

TAdvOfficePager::~TAdvOfficePager() = default;

bool TAdvOfficePager::AntiAlias() const { return fPagerPart->fAntiAlias; }
int TAdvOfficePager::FixedTabs() const { return fPagerPart->fFixedTabs; }
bool TAdvOfficePager::Glow() const { return fPagerPart->fGlow; }
bool TAdvOfficePager::RotateTabLeftRight() const { return fPagerPart->fRotateTabLeftRight; }
bool TAdvOfficePager::ShowNonSelectedTabs() const { return fPagerPart->fShowNonSelectedTabs; }
bool TAdvOfficePager::ShowShortCutHints() const { return fPagerPart->fShowShortCutHints; }
int TAdvOfficePager::TabReorderIndicatorColor() const { return fPagerPart->fTabReorderIndicatorColor; }
bool TAdvOfficePager::Transparent() const { return fPagerPart->fTransparent; }

QColor TAdvOfficePager::reorderMarkerColor() const
{
    return ColorPropertyValue(fPagerPart->fTabReorderIndicatorColor, palette());
}
void TAdvOfficePager::setReorderMarkerColor(const QColor& color)
{
    fPagerPart->fTabReorderIndicatorColor = ColorFromProperty(color);
}
TImageList* TAdvOfficePager::Images() const { return fPagerPart->fImages.List(); }
int TAdvOfficePager::ActivePage() const
{
    return fPagerPart->fPendingPage >= 0 ? fPagerPart->fPendingPage : currentIndex();
}
bool TAdvOfficePager::FreeOnClose() const { return fPagerPart->fFreeOnClose; }
void TAdvOfficePager::setFreeOnClose(bool value) { fPagerPart->fFreeOnClose = value; }
bool TAdvOfficePager::MultiLine() const { return fPagerPart->fMultiLine; }
int TAdvOfficePager::PageMargin() const { return fPagerPart->fPageMargin; }
bool TAdvOfficePager::ShowCloseOnNonSelectedTabs() const { return fPagerPart->fShowCloseOnNonSelectedTabs; }
bool TAdvOfficePager::ShowTabHint() const { return fPagerPart->fShowTabHint; }
void TAdvOfficePager::setShowTabHint(bool value) { fPagerPart->fShowTabHint = value; }
void TAdvOfficePager::setAntiAlias(bool value) { fPagerPart->fAntiAlias = value; }
void TAdvOfficePager::setFixedTabs(int value) { fPagerPart->fFixedTabs = value; }
void TAdvOfficePager::setGlow(bool value) { fPagerPart->fGlow = value; }
void TAdvOfficePager::setRotateTabLeftRight(bool value) { fPagerPart->fRotateTabLeftRight = value; }
void TAdvOfficePager::setShowNonSelectedTabs(bool value) { fPagerPart->fShowNonSelectedTabs = value; }
void TAdvOfficePager::setShowShortCutHints(bool value) { fPagerPart->fShowShortCutHints = value; }
void TAdvOfficePager::setTabReorderIndicatorColor(int value) { fPagerPart->fTabReorderIndicatorColor = value; }
void TAdvOfficePager::setTransparent(bool value) { fPagerPart->fTransparent = value; }

TAdvSpinEdit::TAdvSpinEdit(QWidget* parent) : QDoubleSpinBox(parent)
{
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SetSpinType(sptNormal);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        Q_EMIT floatValueChanged(value);
        Q_EMIT intValueChanged(Value());
    });
}

void TAdvSpinEdit::SetSpinType(TAdvSpinType type)
{
    fSpinType = type;
    setDecimals(type == sptFloat ? 3 : 0);
}

int TAdvSpinEdit::Value() const
{
    const double v = std::nearbyint(value());
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(
        std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

namespace {
// A status-bar panel reads as a label holding its text (or its tool tip
// when it shows an image only), not as a push button.
class StatusPanelAccessible : public QAccessibleWidget {
public:
    explicit StatusPanelAccessible(TStatusPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) { }
    QString text(QAccessible::Text t) const override
    {
        const auto* panel = static_cast<const TStatusPanel*>(widget());
        if (t == QAccessible::Name && panel->accessibleName().isEmpty())
            return panel->text().isEmpty() ? panel->toolTip() : panel->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* StatusPanelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("qz8::TStatusPanel"))
        return new StatusPanelAccessible(static_cast<TStatusPanel*>(object));
    return nullptr;
}

const bool registered = [] {
    QAccessible::installFactory(StatusPanelFactory);
    // A pager's pages hold controls of the window.
    RegisterContainerClass(&TAdvOfficePager::staticMetaObject);
    // The density table's rows and the window's collected classes of this
    // module (toolkit/SizeRelevant.h).
    RegisterDensityRow(TDensityRow::CustomAdvOfficeCheckBox, &TCustomAdvOfficeCheckBox::staticMetaObject);
    RegisterDensityRow(TDensityRow::AdvOfficeTabSet, &TAdvOfficeTabSet::staticMetaObject);
    RegisterDensityRow(TDensityRow::AdvOfficePager, &TAdvOfficePager::staticMetaObject);
    RegisterDensityRow(TDensityRow::AdvCustomComboBox, &TAdvCustomComboBox::staticMetaObject);
    RegisterDensityRow(TDensityRow::CustomAdvMenuStyler, &TCustomAdvMenuStyler::staticMetaObject);
    RegisterDensityRow(TDensityRow::AdvProgressBar, &TAdvProgressBar::staticMetaObject);
    RegisterDensityRow(TDensityRow::AdvGlowButton, &TAdvGlowButton::staticMetaObject);
    RegisterCollectedClass(1, &TCustomAdvOfficeCheckBox::staticMetaObject);
    RegisterCollectedClass(3, &TAdvOfficePager::staticMetaObject);
    RegisterCollectedClass(4, &TAdvOfficeTabSet::staticMetaObject);
    RegisterCollectedClass(5, &TAdvCustomComboBox::staticMetaObject);
    RegisterCollectedClass(6, &TAdvCustomCombo::staticMetaObject);
    RegisterCollectedClass(9, &TCustomAdvMenuStyler::staticMetaObject);
    RegisterCollectedClass(12, &TAdvProgressBar::staticMetaObject);
    return true;
}();
} // namespace

TAdvFormStyler::TAdvFormStyler(QObject* owner) : QObject(owner) { (void)registered; }

void TAdvFormStyler::SetStyle(TTMSStyle style)
{
    if (!IsValidTMSStyle(style))
        return;
    const bool changed = !fApplied || style != fStyle;
    fStyle = style;
    fApplied = true;
    if (auto* window = qobject_cast<QWidget*>(parent())) {
        // One walk serves the palette and the styled controls; a control that
        // a palette change deletes is passed over.
        const QList<QWidget*> descendants = window->findChildren<QWidget*>();
        std::vector<QPointer<QWidget>> styled;
        for (QWidget* w : descendants) {
            if (qobject_cast<ITMSStyle*>(w))
                styled.emplace_back(w);
        }
        ApplyTMSStylePalette(window, style, descendants);
        for (const QPointer<QWidget>& w : styled) {
            if (w)
                qobject_cast<ITMSStyle*>(w.data())->SetComponentStyle(style);
        }
    }
    if (changed && OnNotify)
        OnNotify(this);
}

void FitFontToScale(QWidget* control, float fontScale)
{
    if (!control || !std::isfinite(fontScale) || fontScale <= 0.0f)
        return;
    QFont f = QApplication::font();
    if (f.pixelSize() > 0)
        // Clamped as a float first: a huge scale must not reach the int.
        f.setPixelSize(static_cast<int>(std::nearbyint(std::clamp(f.pixelSize() * fontScale, 1.0f, 1000.0f))));
    else
        f.setPointSizeF(std::clamp(f.pointSizeF() * fontScale, 1.0, 1000.0));
    control->setFont(f);
}

void TCustomAdvOfficeCheckBox::CorrectForScreenResImageHeight(int& imageHeight)
{
    const int side = std::clamp(imageHeight, 8, 256);
    setIconSize(QSize(side, side));
}

void TAdvOfficePage::SetImageIndex(int index)
{
    fImageIndex = index;
    for (QWidget* p = parentWidget(); p; p = p->parentWidget()) {
        if (auto* pager = qobject_cast<TAdvOfficePager*>(p)) {
            pager->RefreshIcons();
            break;
        }
    }
}

TAdvOfficePager::TAdvOfficePager(QWidget* parent)
    : QTabWidget(parent), fPagerPart(std::make_unique<TAdvOfficePagerPrivate>())
{
    // A page the user or the program picks is no longer waited for.
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == fPagerPart->fPendingPage)
            fPagerPart->fPendingPage = -1;
        UpdateCloseButtons();
        Q_EMIT activePageChanged(index);
    });
    connect(this, &QTabWidget::tabCloseRequested, this, &TAdvOfficePager::ClosePage);
    tabBar()->installEventFilter(this);
    setUsesScrollButtons(true);
    setPageMargin(fPagerPart->fPageMargin);
}

void TAdvOfficePager::setCloseOnTab(bool on)
{
    setTabsClosable(on);
    UpdateCloseButtons();
}

void TAdvOfficePager::setShowCloseOnNonSelectedTabs(bool value)
{
    fPagerPart->fShowCloseOnNonSelectedTabs = value;
    UpdateCloseButtons();
}

void TAdvOfficePager::UpdateCloseButtons()
{
    if (!tabsClosable())
        return;
    const auto side = static_cast<QTabBar::ButtonPosition>(
        style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabBar()));
    for (int i = 0; i < count(); ++i) {
        if (QWidget* button = tabBar()->tabButton(i, side))
            button->setVisible(fPagerPart->fShowCloseOnNonSelectedTabs || i == currentIndex());
    }
}

void TAdvOfficePager::ClosePage(int index)
{
    QWidget* page = widget(index);
    if (!page)
        return;
    removeTab(index);
    if (fPagerPart->fFreeOnClose)
        page->deleteLater(); // the close button's click is still being delivered
}

void TAdvOfficePager::setMultiLine(bool value)
{
    // Qt's tab bar has a single row: every tab in view, the names shortened,
    // is the nearest to tabs on several rows.
    fPagerPart->fMultiLine = value;
    setUsesScrollButtons(!value);
    setElideMode(value ? Qt::ElideRight : Qt::ElideNone);
}

void TAdvOfficePager::setPageMargin(int value)
{
    fPagerPart->fPageMargin = std::clamp(value, 0, 1000);
    if (auto* pages = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
        pages->setContentsMargins(fPagerPart->fPageMargin, fPagerPart->fPageMargin, fPagerPart->fPageMargin,
                                  fPagerPart->fPageMargin);
}

bool TAdvOfficePager::eventFilter(QObject* watched, QEvent* event)
{
    // With ShowTabHint, a tab without a tool tip of its own shows its page's.
    if (fPagerPart->fShowTabHint && watched == tabBar() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int i = tabBar()->tabAt(help->pos());
        if (i >= 0 && tabToolTip(i).isEmpty() && widget(i) && !widget(i)->toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), widget(i)->toolTip(), tabBar(), tabBar()->tabRect(i));
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void TAdvOfficePager::tabRemoved(int index)
{
    QTabWidget::tabRemoved(index);
    UpdateCloseButtons();
}

void TAdvOfficePager::SetActivePage(int index)
{
    fPagerPart->fPendingPage = index >= count() ? index : -1;
    if (index < count())
        setCurrentIndex(index);
}

void TAdvOfficePager::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    UpdateCloseButtons();
    if (fPagerPart->fPendingPage >= 0 && fPagerPart->fPendingPage < count()) {
        const int page = fPagerPart->fPendingPage;
        fPagerPart->fPendingPage = -1;
        setCurrentIndex(page);
    }
}

void TAdvOfficePager::SetImages(TImageList* images)
{
    fPagerPart->fImages.Set(images, this, [this] { RefreshIcons(); });
}

void TAdvOfficePager::RefreshIcons()
{
    for (int i = 0; i < count(); ++i) {
        auto* page = qobject_cast<TAdvOfficePage*>(widget(i));
        setTabIcon(i, page ? fPagerPart->fImages.Icon(page->ImageIndex()) : QIcon());
    }
}

TStatusPanel::TStatusPanel(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TStatusPanel::SetImageIndex(int index)
{
    fImageIndex = index;
    RefreshIcon();
}

void TStatusPanel::RefreshIcon()
{
    for (QWidget* p = parentWidget(); p; p = p->parentWidget()) {
        if (auto* bar = qobject_cast<TAdvOfficeStatusBar*>(p)) {
            setIcon(ImageListIcon(bar->Images(), fImageIndex));
            return;
        }
    }
}

TAdvOfficeStatusBar::TAdvOfficeStatusBar(QWidget* parent) : QStatusBar(parent) { }

void TAdvOfficeStatusBar::SetImages(TImageList* images)
{
    fImages.Set(images, this, [this] {
        for (TStatusPanel* p : fPanels)
            p->RefreshIcon();
    });
}

TStatusPanel* TAdvOfficeStatusBar::AddPanel(const QString& text)
{
    auto* panel = new TStatusPanel(this);
    panel->setText(text);
    addPermanentWidget(panel);
    fPanels.push_back(panel);
    return panel;
}

TStatusPanel* TAdvOfficeStatusBar::Panel(int index) const
{
    return index >= 0 && index < PanelCount() ? fPanels[static_cast<size_t>(index)] : nullptr;
}

TAdvCustomGlowButton::TAdvCustomGlowButton(QWidget* parent) : TImageButton<QToolButton>(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

TAdvCustomCombo::TAdvCustomCombo(QWidget* parent) : QComboBox(parent), fItems(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, &TAdvCustomCombo::itemIndexChanged);
    NameInnerEditorAfter(this, lineEdit());
    connect(this, &QComboBox::currentTextChanged, this, &TAdvCustomCombo::textChanged);
}

TAdvCustomComboBox::TAdvCustomComboBox(QWidget* parent) : QComboBox(parent), fItems(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, &TAdvCustomComboBox::itemIndexChanged);
    NameInnerEditorAfter(this, lineEdit());
}

void TAdvGlowButton::ResizeForImageHeight(TDensityStep&)
{
    if (ImageIndex() >= 0)
        SetImages(ImageListMain());
}

} // namespace qz8
