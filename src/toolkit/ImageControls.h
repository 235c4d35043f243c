// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Controls that show images of an image list: menus and their items, tool
// bars and tool buttons, and buttons. A container's Images is the list its
// elements' ImageIndex refers to; a negative index shows no image. Controls
// hold a reference to the list, never a copy: a reloaded list shows at once.
#include "../qz8_export.h"
#include "ImgList.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

class QAbstractButton;

namespace qz8 {

/// Image index of a list as an icon; none for a missing list or index.
QZ8_EXPORT QIcon ImageListIcon(const TImageList* list, int index);

/// A button that shows an image and no text is named for screen readers by
/// its tool tip, and follows a change of it; a name given by the program
/// stays. Image buttons of the library call it themselves.
QZ8_EXPORT void NameImageButton(QAbstractButton* button);

/// A reference to an image list that repaints its holder when the list
/// changes.
class QZ8_EXPORT TImageLink {
public:
    /// The list referred to, nullptr for none (or after it was destroyed).
    TImageList* List() const { return fList; }
    /// Refers to list; refresh runs in holder whenever the list changes.
    void Set(TImageList* list, QObject* holder, std::function<void()> refresh);
    /// The list's image at index as an icon.
    QIcon Icon(int index) const { return ImageListIcon(fList, index); }

private:
    QPointer<TImageList> fList;
    QMetaObject::Connection fConnection;
};

/// A control that shows one image of a list of its own: Images is the list,
/// ImageIndex the image (negative: none).
class QZ8_EXPORT IImageShower {
public:
    virtual ~IImageShower() = default;
    ///@{
    /// The list the image comes from.
    virtual TImageList* Images() const = 0;
    virtual void SetImages(TImageList* images) = 0;
    ///@}
    ///@{
    /// The image in the list, negative for none.
    virtual int ImageIndex() const = 0;
    virtual void SetImageIndex(int index) = 0;
    ///@}
    /// False for a control that keeps the list it was given when the window
    /// changes its image size.
    virtual bool FollowsImageDimension() const { return true; }
};

} // namespace qz8

#define IImageShower_iid "qz8.IImageShower"
Q_DECLARE_INTERFACE(qz8::IImageShower, IImageShower_iid)

namespace qz8 {

/// The image list and index of a button that shows one image of its own
/// list: the one implementation of IImageShower for every such button. Each
/// button class still declares its Q_PROPERTYs and Q_INTERFACES (moc needs
/// them in the Q_OBJECT class itself).
template <class Button>
class TImageButton : public Button, public IImageShower {
public:
    /// The constructors of Button.
    using Button::Button;
    ///@{
    /// The list the image comes from.
    TImageList* Images() const override { return fLink.List(); }
    /// Shows the image of ImageIndex from this list from now on.
    void SetImages(TImageList* images) override
    {
        fLink.Set(images, this, [this] { this->setIcon(fLink.Icon(fIndex)); });
    }
    ///@}
    ///@{
    /// The image in the list, negative for none.
    int ImageIndex() const override { return fIndex; }
    /// Shows that image of the list.
    void SetImageIndex(int index) override
    {
        fIndex = index;
        this->setIcon(fLink.Icon(index));
        NameImageButton(this);
    }
    ///@}

private:
    TImageLink fLink;
    int fIndex = -1;
};

class TMainMenu;

/// A menu item; Tag carries the suite's command number. A separator line is
/// an item too (IsLine).
class QZ8_EXPORT TMenuItem : public QAction {
    Q_OBJECT
    /// The suite's command number (see Tag()).
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    /// The item's image in the menu's list (see ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// An item with its caption, owned by parent, in the window root.
    TMenuItem(const QString& caption, QObject* parent, QWidget* root);
    ///@{
    /// The suite's command number of the item (a negative tag is the same command).
    int Tag() const { return fTag; }
    void SetTag(int tag) { fTag = tag; }
    ///@}
    ///@{
    /// The item's image in the menu's list, -1 for none.
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    ///@}
    /// True for a separator line.
    bool IsLine() const { return isSeparator(); }
    /// Sub-items, made on demand.
    TMenuItem* Add(const QString& caption, int tag = 0);
    /// Appends a separator line to the sub-items.
    TMenuItem* AddSeparator();
    /// The sub-items, in order.
    QList<TMenuItem*> Items() const;
    /// Shows the image of ImageIndex again (after a change of list).
    void RefreshIcon();

private:
    int fTag = 0;
    int fImageIndex = -1;
    QPointer<QWidget> fRoot;
    /// The sub-items' menu belongs to its item: it takes the window's look as
    /// the window's child, and goes with the item (or with the window, first).
    struct OwnedMenu {
        QPointer<QMenu> menu;
        OwnedMenu() = default;
        OwnedMenu(const OwnedMenu&) = delete;
        OwnedMenu& operator=(const OwnedMenu&) = delete;
        ~OwnedMenu() { delete menu.data(); }
    };
    OwnedMenu fSubMenu;
};

/// The main menu: menu items with images of its list.
class QZ8_EXPORT TMainMenu : public QMenuBar {
    Q_OBJECT
    /// The list the items' images come from (see Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    /// A menu bar; a parent takes ownership.
    explicit TMainMenu(QWidget* parent = nullptr);
    ///@{
    /// The list the items' images come from.
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    ///@}
    /// Appends an item with its caption and command number.
    TMenuItem* Add(const QString& caption, int tag = 0);
    /// Appends a separator line.
    TMenuItem* AddSeparator();
    /// The items, in order.
    QList<TMenuItem*> Items() const;

private:
    TImageLink fImages;
};

/// A tool bar whose buttons show images of its list.
class QZ8_EXPORT TToolBar : public QToolBar {
    Q_OBJECT
    /// The list the buttons' images come from (see Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    /// A tool bar; a parent takes ownership.
    explicit TToolBar(QWidget* parent = nullptr);
    ///@{
    /// The list the buttons' images come from.
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    ///@}

private:
    TImageLink fImages;
};

/// A button of a tool bar, showing an image of the tool bar's list.
class QZ8_EXPORT TToolButton : public QToolButton {
    Q_OBJECT
    /// The button's image in its tool bar's list (see ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// A button added to the tool bar, which takes ownership.
    explicit TToolButton(TToolBar* toolbar);
    ///@{
    /// The button's image in its tool bar's list, -1 for none.
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    ///@}
    /// Shows the image of ImageIndex again (after a change of list).
    void RefreshIcon();

private:
    int fImageIndex = -1;
};

/// A push button with an image of its own list.
class QZ8_EXPORT TCustomButton : public TImageButton<QPushButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    /// The list the button's image comes from (see TImageButton::Images()).
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    /// The button's image in the list (see TImageButton::ImageIndex()).
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    /// The constructors of TImageButton<QPushButton>.
    using TImageButton<QPushButton>::TImageButton;
};

/// The push button of the platform, with an image of its own list.
class QZ8_EXPORT TButton : public TCustomButton {
    Q_OBJECT
public:
    /// The constructors of TCustomButton.
    using TCustomButton::TCustomButton;
};

} // namespace qz8
