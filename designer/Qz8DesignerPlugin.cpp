// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "Qz8DesignerPlugin.h"
#include "Qz8ColourEditor.h"
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"
#include "toolkit/StdCtrls.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTabWidget>
#include <QWidget>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>
#include <utility>

namespace {

// How a component is dropped on a form: its size, and whether it holds
// pages. The first row whose class the component is or derives from holds.
struct TDropShape {
    const QMetaObject* cls;
    int width;
    int height;
    bool pages;
    const char* extraXml; // properties set at the drop
};
const TDropShape kDropShapes[] = {
    {&qz8::TAdvOfficePager::staticMetaObject, 320, 200, true, ""},
    {&qz8::TMyOpenFileDialog::staticMetaObject, 240, 24, false,
     "<property name=\"OnlyFolderAllowed\"><bool>false</bool></property>"},
    {&qz8::TMyOpenFolderDialog::staticMetaObject, 240, 24, false, ""},
    {&qz8::TColourSharingCombo::staticMetaObject, 180, 24, false, ""},
    {&qz8::TNotepadGrabPanel::staticMetaObject, 120, 160, false, ""},
    {&qz8::TAdvTreeView::staticMetaObject, 240, 160, false, ""},
    {&qz8::TAdvListView::staticMetaObject, 240, 160, false, ""},
    {&qz8::TCustomListBox::staticMetaObject, 160, 120, false, ""},
    {&QWidget::staticMetaObject, 160, 100, false, ""},
};

const TDropShape& DropShapeOf(const QMetaObject* cls)
{
    for (const TDropShape& shape : kDropShapes) {
        if (cls->inherits(shape.cls))
            return shape;
    }
    return kDropShapes[std::size(kDropShapes) - 1];
}

} // namespace

Qz8DesignerWidget::Qz8DesignerWidget(qz8::TRegisteredComponent component, QObject* parent)
    : QObject(parent), fComponent(std::move(component))
{ }

QString Qz8DesignerWidget::name() const { return QString::fromLatin1(fComponent.Class->className()); }
QString Qz8DesignerWidget::group() const { return fComponent.Page; }
QString Qz8DesignerWidget::toolTip() const { return fComponent.ToolTip; }
QString Qz8DesignerWidget::whatsThis() const
{
    // The paragraph, then where the class's reference page is: Doxygen names
    // it after the class, in the help Qt Assistant opens and under share/doc.
    const QString cls = name();
    QString page = cls;
    page.replace(QStringLiteral("::"), QStringLiteral("_1_1"));
    const QString paragraph = fComponent.WhatsThis.isEmpty() ? fComponent.ToolTip : fComponent.WhatsThis;
    return QStringLiteral("<p>%1</p><p>%2</p>")
        .arg(paragraph.toHtmlEscaped(),
             QCoreApplication::translate("qz8", "Reference: %1, page class%2.html of the QZ8StyledListboxPack "
                                                "documentation (its help in Qt Assistant, or under share/doc).")
                 .arg(cls, page));
}
QString Qz8DesignerWidget::includeFile() const { return fComponent.IncludeFile; }
QIcon Qz8DesignerWidget::icon() const { return fComponent.Icon; }
bool Qz8DesignerWidget::isContainer() const { return fComponent.IsContainer || DropShapeOf(fComponent.Class).pages; }

void Qz8DesignerWidget::initialize(QDesignerFormEditorInterface* core)
{
    fInitialized = true;
    if (!core)
        return;
    fFormEditor = core;
    // The pager's pages, for Designer's page commands: once per extension
    // manager, by the pager.
    QExtensionManager* manager = core->extensionManager();
    if (DropShapeOf(fComponent.Class).pages && manager && manager != fExtendedManager) {
        fExtendedManager = manager;
        const auto pages = [](QObject* object, QObject* parent) -> QObject* {
            if (!object->metaObject()->inherits(&qz8::TAdvOfficePager::staticMetaObject))
                return nullptr;
            return new Qz8PagerContainer(static_cast<QTabWidget*>(object), parent);
        };
        manager->registerExtensions(new Qz8ExtensionFactory(manager, Q_TYPEID(QDesignerContainerExtension), pages),
                                    Q_TYPEID(QDesignerContainerExtension));
    }
    // The colour editor of every component with colour properties: once per
    // extension manager, whichever component Designer initialises first.
    static QList<QPointer<QObject>> coloured;
    coloured.removeAll(nullptr);
    if (manager && !coloured.contains(manager)) {
        coloured.append(manager);
        manager->registerExtensions(
            new Qz8ExtensionFactory(manager, Q_TYPEID(QDesignerTaskMenuExtension), Qz8MakeColourTaskMenu),
            Q_TYPEID(QDesignerTaskMenuExtension));
    }
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
    const TDropShape& shape = DropShapeOf(fComponent.Class);
    QString inner = QStringLiteral("<property name=\"geometry\"><rect><x>0</x><y>0</y><width>%1</width>"
                                   "<height>%2</height></rect></property>")
                        .arg(shape.width)
                        .arg(shape.height);
    inner += QString::fromLatin1(shape.extraXml);
    if (shape.pages) {
        inner += QStringLiteral("<widget class=\"QWidget\" name=\"page\"><attribute name=\"title\">"
                                "<string>%1</string></attribute></widget>")
                     .arg(QCoreApplication::translate("qz8", "Page 1"));
    }
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">%3</widget></ui>")
        .arg(name(), base, inner);
}

Qz8PagerContainer::Qz8PagerContainer(QTabWidget* pager, QObject* parent) : QObject(parent), fPager(pager) { }

bool Qz8PagerContainer::canRemove(int index) const { return fPager && index >= 0 && index < fPager->count(); }

int Qz8PagerContainer::count() const { return fPager ? fPager->count() : 0; }

int Qz8PagerContainer::currentIndex() const { return fPager ? fPager->currentIndex() : -1; }

void Qz8PagerContainer::setCurrentIndex(int index)
{
    if (fPager)
        fPager->setCurrentIndex(index);
}

QWidget* Qz8PagerContainer::widget(int index) const { return fPager ? fPager->widget(index) : nullptr; }

void Qz8PagerContainer::addWidget(QWidget* page)
{
    if (fPager)
        fPager->addTab(page, page->windowTitle());
}

void Qz8PagerContainer::insertWidget(int index, QWidget* page)
{
    if (fPager)
        fPager->insertTab(index, page, page->windowTitle());
}

void Qz8PagerContainer::remove(int index)
{
    if (fPager)
        fPager->removeTab(index);
}

Qz8ExtensionFactory::Qz8ExtensionFactory(QExtensionManager* parent, QString iid, Make make)
    : QExtensionFactory(parent), fIid(std::move(iid)), fMake(std::move(make))
{ }

QObject* Qz8ExtensionFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    return iid == fIid ? fMake(object, parent) : nullptr;
}

Qz8DesignerPlugin::Qz8DesignerPlugin(QObject* parent) : QObject(parent)
{
    qz8::RegisterPackageComponents();
    for (const qz8::TRegisteredComponent& c : qz8::RegisteredComponents()) {
        fWidgets.append(new Qz8DesignerWidget(c, this));
        // The file chooser is offered beside the folder chooser it derives
        // from (the package registers the folder chooser only).
        if (c.Class == &qz8::TMyOpenFolderDialog::staticMetaObject) {
            qz8::TRegisteredComponent file = qz8::ComponentOf<qz8::TMyOpenFileDialog>(
                c.Page, c.IncludeFile, QCoreApplication::translate("qz8", "A file chooser"));
            file.Icon = c.Icon;
            file.WhatsThis = c.WhatsThis;
            fWidgets.append(new Qz8DesignerWidget(std::move(file), this));
        }
    }
}
