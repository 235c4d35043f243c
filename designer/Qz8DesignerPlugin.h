#pragma once
// The Qt Designer plugin of the package: every registered component on the
// widget box page "Samples", in registration order.
#include <QObject>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>
#include <vector>

#include "platform/Registration.h"

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
    QString domXml() const override;

private:
    const qz8::TRegisteredComponent fComponent;
    bool fInitialized = false;
    QPointer<QObject> fFormEditor; // Designer's, while it lives
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
