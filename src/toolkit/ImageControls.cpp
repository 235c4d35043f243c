// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/ImageControls.h"

#include <QMenu>
#include <QPixmap>

namespace qz8 {

void TImageLink::Set(TImageList* list, QObject* holder, std::function<void()> refresh)
{
    QObject::disconnect(fConnection);
    fList = list;
    if (list)
        fConnection = QObject::connect(list, &TImageList::changed, holder, refresh);
    refresh();
}

QIcon ImageListIcon(const TImageList* list, int index)
{
    if (!list || index < 0 || index >= list->Count())
        return {};
    // The image at every size the list's family has: Qt takes the one that
    // matches the device pixels, at any device pixel ratio.
    QIcon icon;
    for (const TImageList* member : ImageListFamily(list)) {
        if (index < member->Count() && !member->Image(index).isNull())
            icon.addPixmap(QPixmap::fromImage(member->Image(index)));
    }
    return icon;
}

namespace {
TImageList* ImagesOfRoot(QWidget* root)
{
    auto* menu = qobject_cast<TMainMenu*>(root);
    return menu ? menu->Images() : nullptr;
}

QList<TMenuItem*> ItemsOf(const QWidget* w)
{
    QList<TMenuItem*> out;
    if (!w)
        return out;
    for (QAction* a : w->actions()) {
        if (auto* item = qobject_cast<TMenuItem*>(a))
            out.append(item);
    }
    return out;
}
} // namespace

TMenuItem::TMenuItem(const QString& caption, QObject* parent, QWidget* root) : QAction(caption, parent), fRoot(root) { }

void TMenuItem::SetImageIndex(int index)
{
    fImageIndex = index;
    RefreshIcon();
}

void TMenuItem::RefreshIcon() { setIcon(ImageListIcon(ImagesOfRoot(fRoot), fImageIndex)); }

TMenuItem* TMenuItem::Add(const QString& caption, int tag)
{
    if (!menu()) {
        // Owned by this item: freed with it, not with the window.
        fSubMenu.menu = new QMenu(fRoot);
        setMenu(fSubMenu.menu.data());
    }
    auto* item = new TMenuItem(caption, menu(), fRoot);
    item->SetTag(tag);
    menu()->addAction(item);
    return item;
}

TMenuItem* TMenuItem::AddSeparator()
{
    TMenuItem* line = Add(QString());
    line->setSeparator(true);
    return line;
}

QList<TMenuItem*> TMenuItem::Items() const { return ItemsOf(menu()); }

TMainMenu::TMainMenu(QWidget* parent) : QMenuBar(parent) { }

void TMainMenu::SetImages(TImageList* images)
{
    fImages.Set(images, this, [this] {
        std::function<void(const QList<TMenuItem*>&)> refresh = [&](const QList<TMenuItem*>& items) {
            for (TMenuItem* item : items) {
                item->RefreshIcon();
                refresh(item->Items());
            }
        };
        refresh(Items());
    });
}

TMenuItem* TMainMenu::Add(const QString& caption, int tag)
{
    auto* item = new TMenuItem(caption, this, this);
    item->SetTag(tag);
    addAction(item);
    return item;
}

TMenuItem* TMainMenu::AddSeparator()
{
    TMenuItem* line = Add(QString());
    line->setSeparator(true);
    return line;
}

QList<TMenuItem*> TMainMenu::Items() const { return ItemsOf(this); }

TToolBar::TToolBar(QWidget* parent) : QToolBar(parent) { }

void TToolBar::SetImages(TImageList* images)
{
    fImages.Set(images, this, [this] {
        for (TToolButton* b : findChildren<TToolButton*>())
            b->RefreshIcon();
    });
}

TToolButton::TToolButton(TToolBar* toolbar) : QToolButton(toolbar)
{
    if (toolbar)
        toolbar->addWidget(this);
    NameImageButton(this);
}

void TToolButton::SetImageIndex(int index)
{
    fImageIndex = index;
    RefreshIcon();
}

void TToolButton::RefreshIcon()
{
    auto* bar = qobject_cast<TToolBar*>(parentWidget());
    TImageList* images = bar ? bar->Images() : nullptr;
    const QIcon icon = ImageListIcon(images, fImageIndex);
    setIcon(icon);
    if (images)
        setIconSize(QSize(images->Width(), images->Height()));
    // A button without an image shows its words (its tool tip when it has
    // no text), never an empty face that takes the focus.
    if (icon.isNull() && text().isEmpty())
        setText(toolTip());
    setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

} // namespace qz8
