#include "Qz8DesignerPlugin.h"
#include "package/QZ8StyledListboxPack.h"
#include "platform/Registration.h"
#include "platform/StdCtrls.h"

#include <QMetaObject>
#include <QWidget>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <utility>

Qz8DesignerWidget::Qz8DesignerWidget(qz8::TRegisteredComponent component, QObject* parent)
    : QObject(parent), fComponent(std::move(component))
{ }

QString Qz8DesignerWidget::name() const { return QString::fromLatin1(fComponent.Class->className()); }
QString Qz8DesignerWidget::group() const { return fComponent.Page; }
QString Qz8DesignerWidget::toolTip() const { return fComponent.ToolTip; }
QString Qz8DesignerWidget::whatsThis() const { return fComponent.ToolTip; }
QString Qz8DesignerWidget::includeFile() const { return fComponent.IncludeFile; }
QIcon Qz8DesignerWidget::icon() const { return fComponent.Icon; }
bool Qz8DesignerWidget::isContainer() const { return fComponent.IsContainer; }

void Qz8DesignerWidget::initialize(QDesignerFormEditorInterface* core)
{
    fInitialized = true;
    if (core)
        fFormEditor = core;
}

QWidget* Qz8DesignerWidget::createWidget(QWidget* parent)
{
    QWidget* w = fComponent.Create(parent);
    // What Designer's form editor makes is being designed (csDesigning);
    // what QUiLoader makes at run time is live.
    if (fFormEditor)
        qz8::SetDesigning(w);
    return w;
}

QString Qz8DesignerWidget::domXml() const
{
    // The object name: the class without namespace and T, starting small.
    QString base = name().section(QStringLiteral("::"), -1);
    if (base.startsWith(QLatin1Char('T')))
        base.remove(0, 1);
    if (!base.isEmpty())
        base[0] = base[0].toLower();
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>").arg(name(), base);
}

Qz8DesignerPlugin::Qz8DesignerPlugin(QObject* parent) : QObject(parent)
{
    qz8::RegisterPackageComponents();
    for (const qz8::TRegisteredComponent& c : qz8::RegisteredComponents())
        fWidgets.append(new Qz8DesignerWidget(c, this));
}
