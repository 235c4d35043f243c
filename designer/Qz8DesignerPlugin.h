// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The Qt Designer plugin of the package: every registered component on the
// widget box page "Samples", in registration order, and the file chooser
// beside the folder chooser. The pager is a container as QTabWidget is:
// Designer inserts, deletes and switches its pages.
#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

#include "toolkit/Registration.h"

class QTabWidget;

// One component as Designer sees it.
class Qz8DesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    // A copy: the registry may grow or be emptied while Designer runs.
    Qz8DesignerWidget(qz8::TRegisteredComponent component, QObject* parent);
    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return fInitialized; }
    // Designer's form editor calls this with itself; QUiLoader never does, so
    // its widgets are live ones.
    void initialize(QDesignerFormEditorInterface* core) override;
    // The widget as it is dropped on a form: a usable size, and the pager
    // with its first page.
    QString domXml() const override;

private:
    const qz8::TRegisteredComponent fComponent;
    bool fInitialized = false;
    QPointer<QObject> fFormEditor; // Designer's, while it lives
    QPointer<QObject> fExtendedManager; // the manager that knows the pager's pages
};

// The pages of a pager for Designer: its QTabWidget's pages.
class Qz8PagerContainer : public QObject, public QDesignerContainerExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)
public:
    Qz8PagerContainer(QTabWidget* pager, QObject* parent);
    bool canAddWidget() const override { return true; }
    bool canRemove(int index) const override;
    int count() const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    QWidget* widget(int index) const override;
    void addWidget(QWidget* page) override;
    void insertWidget(int index, QWidget* page) override;
    void remove(int index) override;

private:
    QPointer<QTabWidget> fPager;
};

// Makes the plugin's extension of one interface (a container, a task menu)
// for the objects that make() accepts: it answers nullptr for the others.
class Qz8ExtensionFactory : public QExtensionFactory {
    Q_OBJECT
public:
    using Make = std::function<QObject*(QObject* object, QObject* parent)>;
    Qz8ExtensionFactory(QExtensionManager* parent, QString iid, Make make);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    const QString fIid;
    const Make fMake;
};

class Qz8DesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit Qz8DesignerPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return fWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> fWidgets; // children of the plugin
};
