// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/StdCtrls.h"
#include "toolkit/QtBoundary_p.h"

#include "toolkit/Components.h"
#include <QSet>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QVBoxLayout>

namespace qz8 {

namespace {
const bool registered = [] {
    // Groups own their buttons: the buttons are parts, not components.
    RegisterCompositeClass(&TCustomRadioGroup::staticMetaObject);
    RegisterCompositeClass(&TCustomCheckGroup::staticMetaObject);
    return true;
}();

void Rebuild(QGroupBox* box, const QStringList& items, const std::function<QAbstractButton*(const QString&)>& make)
{
    delete box->layout();
    // The old buttons leave the group at once but are freed later: one of
    // them may be the sender of the signal whose handler rebuilds the group.
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        b->hide();
        b->setParent(nullptr);
        b->deleteLater();
    }
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (const QString& item : items)
        layout->addWidget(make(item));
    layout->addStretch(1);
}
} // namespace

TCustomRadioGroup::TCustomRadioGroup(QWidget* parent) : QGroupBox(parent), fGroup(new QButtonGroup(this))
{
    (void)registered;
    fGroup->setExclusive(true);
    // The checked item is kept at hand: reading it is the common case.
    connect(fGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            fItemIndex = id;
            Q_EMIT itemIndexChanged(id);
        } else if (id == fItemIndex) {
            fItemIndex = -1;
        }
    });
}

void TCustomRadioGroup::SetItems(const QStringList& items)
{
    fItems = items;
    fItemIndex = -1;
    for (QAbstractButton* b : fGroup->buttons())
        fGroup->removeButton(b);
    int id = 0;
    Rebuild(this, items, [&](const QString& text) {
        auto* b = new QRadioButton(text, this);
        fGroup->addButton(b, id++);
        return b;
    });
}

void TCustomRadioGroup::SetItemIndex(int index)
{
    if (index == fItemIndex)
        return;
    if (QAbstractButton* b = fGroup->button(index)) {
        b->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = fGroup->checkedButton()) {
        fGroup->setExclusive(false);
        checked->setChecked(false);
        fGroup->setExclusive(true);
        fItemIndex = -1;
        Q_EMIT itemIndexChanged(-1);
    }
}

TCustomCheckGroup::TCustomCheckGroup(QWidget* parent) : QGroupBox(parent) { }

void TCustomCheckGroup::SetItems(const QStringList& items)
{
    fItems = items;
    Rebuild(this, items, [this](const QString& text) { return new QCheckBox(text, this); });
}

bool TCustomCheckGroup::Checked(int index) const
{
    const auto boxes = findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
    return index >= 0 && index < boxes.size() && boxes[index]->isChecked();
}

void TCustomCheckGroup::SetChecked(int index, bool checked)
{
    const auto boxes = findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (index >= 0 && index < boxes.size())
        boxes[index]->setChecked(checked);
}

TLabel::TLabel(QWidget* parent) : QLabel(parent) { setAutoFillBackground(true); }

namespace {
// The roots being loaded; an object leaves when it is destroyed mid-load.
QSet<const QObject*>& LoadingRoots()
{
    static QSet<const QObject*> roots;
    return roots;
}

// The components made by the form designer.
QSet<const QObject*>& DesignedComponents()
{
    static QSet<const QObject*> designed;
    return designed;
}

// Adds an object to a set that forgets it when it is destroyed.
void AddTracked(QSet<const QObject*>& set, QObject* object)
{
    if (!object || set.contains(object))
        return;
    set.insert(object);
    QObject::connect(object, &QObject::destroyed, [&set, object] { set.remove(object); });
}

bool InSetOrAncestor(const QSet<const QObject*>& set, const QObject* object)
{
    for (const QObject* o = object; o; o = o->parent()) {
        if (set.contains(o))
            return true;
    }
    return false;
}
} // namespace

void SetDesigning(QObject* component) { AddTracked(DesignedComponents(), component); }

bool IsDesigning(const QObject* object) { return InSetOrAncestor(DesignedComponents(), object); }

void BeginLoading(QObject* root) { AddTracked(LoadingRoots(), root); }

bool IsLoading(const QObject* object) { return InSetOrAncestor(LoadingRoots(), object); }

void EndLoading(QObject* root)
{
    if (!root)
        return;
    LoadingRoots().remove(root);
    for (QObject* c : Components(root)) {
        if (c->metaObject()->indexOfMethod("Loaded()") >= 0)
            QMetaObject::invokeMethod(c, "Loaded", Qt::DirectConnection);
        if (HoldsComponents(c))
            EndLoading(c);
    }
}

void SetRadioChecked(QRadioButton* button, bool checked)
{
    if (!button || button->isChecked() == checked)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

void TCheckableRadioButton::SetChecked(bool checked) { SetRadioChecked(this, checked); }

// What an edit with a button keeps beside its Qt base, out of its class's layout.
class TCustomEditBtnPrivate {
public:
    QAction* fButton = nullptr; // an action of the edit, owned by it
};

TCustomEditBtn::TCustomEditBtn(QWidget* parent)
    : QLineEdit(parent), fEditPart(std::make_unique<TCustomEditBtnPrivate>())
{
    QPixmap dots(16, 16);
    dots.fill(Qt::transparent);
    {
        QPainter p(&dots);
        p.setBrush(palette().color(QPalette::Text));
        p.setPen(Qt::NoPen);
        for (int x : {2, 7, 12})
            p.drawEllipse(QRect(x, 10, 3, 3));
    }
    fEditPart->fButton = addAction(QIcon(dots), QLineEdit::TrailingPosition);
    NameButton();
    connect(fEditPart->fButton, &QAction::triggered, this,
            [this] { AtQtBoundary("TAdvEditBtn::BtnClick", [this] { BtnClick(); }); });
}

TCustomEditBtn::~TCustomEditBtn() = default;

QAction* TCustomEditBtn::ButtonAction() const { return fEditPart->fButton; }

QIcon TCustomEditBtn::Glyph() const { return fEditPart->fButton->icon(); }

void TCustomEditBtn::SetGlyph(const QIcon& glyph) { fEditPart->fButton->setIcon(glyph); }

QString TCustomEditBtn::ButtonPurpose() const { return QCoreApplication::translate("qz8", "Browse"); }

void TCustomEditBtn::NameButton()
{
    const QString purpose = ButtonPurpose();
    fEditPart->fButton->setText(purpose);
    // The key that presses it from the edit, as the platform writes keys.
    fEditPart->fButton->setToolTip(
        QCoreApplication::translate("qz8", "%1 (%2)")
            .arg(purpose, QKeySequence(Qt::ALT | Qt::Key_Down).toString(QKeySequence::NativeText)));
}

void TCustomEditBtn::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    const bool f4 = event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier;
    if ((altDown || f4) && fEditPart->fButton->isEnabled() && fEditPart->fButton->isVisible()) {
        event->accept();
        fEditPart->fButton->trigger();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TCustomEditBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        NameButton();
    QLineEdit::changeEvent(event);
}

void TCustomEditBtn::BtnClick()
{
    if (OnClickBtn)
        OnClickBtn(this);
}

} // namespace qz8
