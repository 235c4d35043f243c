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

namespace qz8 {

/// Image index of a list as an icon; none for a missing list or index.
QZ8_EXPORT QIcon ImageListIcon(const TImageList* list, int index);

/// A reference to an image list that repaints its holder when the list
/// changes.
class QZ8_EXPORT TImageLink {
public:
    TImageList* List() const { return fList; }
    void Set(TImageList* list, QObject* holder, std::function<void()> refresh);
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
    virtual TImageList* Images() const = 0;
    virtual void SetImages(TImageList* images) = 0;
    virtual int ImageIndex() const = 0;
    virtual void SetImageIndex(int index) = 0;
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
    using Button::Button;
    TImageList* Images() const override { return fLink.List(); }
    void SetImages(TImageList* images) override
    {
        fLink.Set(images, this, [this] { this->setIcon(fLink.Icon(fIndex)); });
    }
    int ImageIndex() const override { return fIndex; }
    void SetImageIndex(int index) override
    {
        fIndex = index;
        this->setIcon(fLink.Icon(index));
    }

private:
    TImageLink fLink;
    int fIndex = -1;
};

class TMainMenu;

/// A menu item; Tag carries the suite's command number. A separator line is
/// an item too (IsLine).
class QZ8_EXPORT TMenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    TMenuItem(const QString& caption, QObject* parent, QWidget* root);
    int Tag() const { return fTag; }
    void SetTag(int tag) { fTag = tag; }
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    bool IsLine() const { return isSeparator(); }
    /// Sub-items, made on demand.
    TMenuItem* Add(const QString& caption, int tag = 0);
    TMenuItem* AddSeparator();
    QList<TMenuItem*> Items() const;
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

class QZ8_EXPORT TMainMenu : public QMenuBar {
    Q_OBJECT
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    explicit TMainMenu(QWidget* parent = nullptr);
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);
    TMenuItem* Add(const QString& caption, int tag = 0);
    TMenuItem* AddSeparator();
    QList<TMenuItem*> Items() const;

private:
    TImageLink fImages;
};

class QZ8_EXPORT TToolBar : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
public:
    explicit TToolBar(QWidget* parent = nullptr);
    TImageList* Images() const { return fImages.List(); }
    void SetImages(TImageList* images);

private:
    TImageLink fImages;
};

class QZ8_EXPORT TToolButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    explicit TToolButton(TToolBar* toolbar);
    int ImageIndex() const { return fImageIndex; }
    void SetImageIndex(int index);
    void RefreshIcon();

private:
    int fImageIndex = -1;
};

/// A push button with an image of its own list.
class QZ8_EXPORT TCustomButton : public TImageButton<QPushButton> {
    Q_OBJECT
    Q_INTERFACES(qz8::IImageShower)
    Q_PROPERTY(qz8::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    using TImageButton<QPushButton>::TImageButton;
};

class QZ8_EXPORT TButton : public TCustomButton {
    Q_OBJECT
public:
    using TCustomButton::TCustomButton;
};

} // namespace qz8
