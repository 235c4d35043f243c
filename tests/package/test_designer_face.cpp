// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// What Qt's tools see of the components: every designable property is set
// by the Designer form of tests/designer (which the package check compiles
// with uic and loads with QUiLoader), enumerations are registered, input
// controls have one USER property, and the pager is a container in
// Designer with one page to start with.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/TmsControls.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QMetaProperty>
#include <QSet>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#ifdef QZ8_DESIGNER_PLUGIN
#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPluginLoader>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#endif

using namespace qz8;

namespace {

// The classes Designer offers: the registered ones and the file chooser.
QList<const QMetaObject*> OfferedClasses()
{
    RegisterPackageComponents();
    QList<const QMetaObject*> classes;
    for (const TRegisteredComponent& c : RegisteredComponents())
        classes << c.Class;
    classes << &TMyOpenFileDialog::staticMetaObject;
    return classes;
}

// The library's own designable, writable properties of a class (the most
// derived declaration of each name).
QStringList DesignableProperties(const QMetaObject* mo)
{
    QStringList names;
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (mo->indexOfProperty(p.name()) != i || !p.isDesignable() || !p.isWritable())
            continue;
        const QMetaObject* declaring = mo;
        while (declaring->superClass() && i < declaring->superClass()->propertyCount())
            declaring = declaring->superClass();
        if (QByteArray(declaring->className()).startsWith("qz8::"))
            names << QString::fromLatin1(p.name());
    }
    return names;
}

// Class name -> the properties the form's widgets of that class set, in order.
QMap<QString, QStringList> PropertiesInTheForm()
{
    QMap<QString, QStringList> set;
    QFile file(QStringLiteral(QZ8_DESIGNER_FORM_UI));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList classes;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("widget"))
            classes.removeLast();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("widget")) {
            classes << xml.attributes().value(QLatin1String("class")).toString();
        } else if (xml.name() == QLatin1String("property") && !classes.isEmpty()) {
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            if (name != QLatin1String("geometry"))
                set[classes.last()] << name;
            xml.skipCurrentElement();
        }
    }
    return set;
}

} // namespace

TEST(DesignerFace, TheFormSetsEveryDesignablePropertyInDesignersOrder)
{
    const QMap<QString, QStringList> form = PropertiesInTheForm();
    int total = 0;
    for (const QMetaObject* mo : OfferedClasses()) {
        const QString cls = QString::fromLatin1(mo->className());
        const QStringList designable = DesignableProperties(mo);
        // Designer writes them in the meta-object's order. The form also
        // sets properties kept for older forms only (not offered): they are
        // read back by the form checks all the same.
        QStringList offered = form.value(cls);
        offered.removeIf([&](const QString& name) { return !designable.contains(name); });
        EXPECT_EQ(offered, designable) << cls.toStdString();
        total += int(designable.size());
    }
    EXPECT_GE(total, 60);
}

TEST(DesignerFace, EnumerationsAreRegisteredAndInputControlsHaveOneUserProperty)
{
    for (const QMetaObject* mo : OfferedClasses()) {
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            if (p.metaType().flags() & QMetaType::IsEnumeration) {
                EXPECT_TRUE(p.isEnumType() && p.enumerator().isValid()) << mo->className() << "." << p.name();
            }
        }
    }
    const std::pair<const QMetaObject*, const char*> inputs[] = {
        {&TStyledListbox::staticMetaObject, "ItemIndex"},
        {&TStyledListboxOwnerDrawnFixed::staticMetaObject, "ItemIndex"},
        {&TColourSharingListbox::staticMetaObject, "SelectedColour"},
        {&TColourSharingCombo::staticMetaObject, "SelectedColour"},
        {&TMyOpenFolderDialog::staticMetaObject, "FolderOrFile"},
        {&TMyOpenFileDialog::staticMetaObject, "FolderOrFile"},
    };
    for (const auto& [mo, name] : inputs)
        EXPECT_STREQ(mo->userProperty().name(), name) << mo->className();
}

TEST(DesignerFace, ChangeSignalsComeOncePerRealChange)
{
    TStyledListbox list;
    list.resize(120, 100);
    list.SetStyle(TCustomListBox::lbVirtual);
    QSignalSpy counts(&list, &TCustomListBox::countChanged);
    QSignalSpy tops(&list, &TCustomListBox::topIndexChanged);
    list.setCount(1000);
    list.setCount(1000);
    EXPECT_EQ(counts.count(), 1);
    EXPECT_EQ(counts.first().first().toInt(), 1000);
    list.show();
    list.setTopIndex(10);
    list.setTopIndex(10);
    EXPECT_EQ(tops.count(), 1);
    EXPECT_EQ(list.TopIndex(), 10);

    // Colours change by their properties and by a style: once each.
    QSignalSpy colours(&list, &TStyledListbox::coloursChanged);
    list.set_TextColour(clRed);
    list.set_TextColour(clRed);
    EXPECT_EQ(colours.count(), 1);
    list.SetComponentStyle(tsGraphite);
    list.SetComponentStyle(tsGraphite);
    EXPECT_EQ(colours.count(), 2);
    TNotepadGrabPanel panel;
    QSignalSpy handles(&panel, &TNotepadGrabPanel::handleColourChanged);
    panel.setHandleColour(clRed);
    panel.setHandleColour(clRed);
    EXPECT_EQ(handles.count(), 1);
    EXPECT_EQ(panel.metaObject()->property(panel.metaObject()->indexOfProperty("Margins")).notifySignal().name(),
              QByteArray("stateMargins"));

    TQZAdvOfficePager pager;
    QSignalSpy pages(&pager, &TAdvOfficePager::activePageChanged);
    pager.addTab(new QWidget, QStringLiteral("one"));
    pager.addTab(new QWidget, QStringLiteral("two"));
    pages.clear();
    pager.setActivePage(1);
    pager.setActivePage(1);
    EXPECT_EQ(pages.count(), 1);
    EXPECT_EQ(pager.property("ActivePage").toInt(), 1);
    // The pager's kept properties read their defaults through Designer's
    // property system, and the one that acts closes tabs.
    EXPECT_TRUE(pager.property("AntiAlias").toBool());
    EXPECT_FALSE(pager.property("CloseOnTab").toBool());
    EXPECT_EQ(pager.property("FixedTabs").toInt(), 0);
    EXPECT_TRUE(pager.property("Glow").toBool());
    EXPECT_EQ(pager.property("PageMargin").toInt(), 1);
    EXPECT_TRUE(pager.property("RotateTabLeftRight").toBool());
    EXPECT_EQ(pager.property("TabReorderIndicatorColor").toInt(), 0xFF0000);
    ASSERT_TRUE(pager.setProperty("CloseOnTab", true));
    EXPECT_TRUE(pager.tabsClosable());
}

// Every value a user changes announces itself through its property's NOTIFY
// signal, once per real change, as Qt's own widgets do.
TEST(DesignerFace, InputValuesNotifyOncePerChange)
{
    struct Case {
        std::function<QWidget*()> make;
        const char* property;
        QVariant value;
    };
    const auto withItems = [](QComboBox* combo) {
        combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        return combo;
    };
    const std::vector<Case> cases = {
        {[] { return new TAdvOfficeCheckBox; }, "Checked", true},
        {[] { return new TElCheckBox; }, "Checked", true},
        {[] { return new TElRadioButton; }, "Checked", true},
        {[] { return new TAdvSpinEdit; }, "Value", 7},
        {[] { return new TAdvSpinEdit; }, "FloatValue", 2.5},
        {[&] { return withItems(new TAdvCustomCombo); }, "ItemIndex", 2},
        {[] { return new TAdvCustomCombo; }, "Text", QStringLiteral("typed")},
        {[&] { return withItems(new TAdvCustomComboBox); }, "ItemIndex", 2},
        {[&] { return withItems(new TElComboBox); }, "ItemIndex", 2},
        {[&] { return withItems(new TmyAdvFilterCombo); }, "ItemIndex", 2},
        {[] { return new TElEdit; }, "Text", QStringLiteral("typed")},
        {[] { return new TElMemo; }, "Text", QStringLiteral("two\nlines")},
        {[] { return new TElSpinEdit; }, "Value", 7},
        {[] { return new TElFloatSpinEdit; }, "Value", 2.5},
        {[] { return new TElDateTimePicker; }, "DateTime", QDateTime(QDate(2001, 2, 3), QTime(4, 5))},
        {[] { return new TColourSharingCombo; }, "ItemIndex", 3},
        {[] { return new TStyledListbox; }, "TopIndex", 0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        const QMetaObject* mo = w->metaObject();
        const QMetaProperty p = mo->property(mo->indexOfProperty(c.property));
        ASSERT_TRUE(p.hasNotifySignal()) << mo->className() << "." << c.property;
        if (QByteArray(c.property) == "TopIndex")
            continue; // scrolling: ChangeSignalsComeOncePerRealChange
        QSignalSpy spy(w.get(), p.notifySignal());
        ASSERT_TRUE(w->setProperty(c.property, c.value)) << mo->className() << "." << c.property;
        w->setProperty(c.property, c.value);
        EXPECT_EQ(spy.count(), 1) << mo->className() << "." << c.property;
    }
}

#ifdef QZ8_DESIGNER_PLUGIN
TEST(DesignerFace, ThePagerIsAContainerWithItsFirstPage)
{
    QPluginLoader loader(QZ8_DESIGNER_PLUGIN);
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    QDesignerCustomWidgetInterface* pagerFace = nullptr;
    for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
        if (w->name() == QLatin1String("qz8::TQZAdvOfficePager"))
            pagerFace = w;
        // Every component drops with a usable size.
        EXPECT_TRUE(w->domXml().contains(QLatin1String("<width>"))) << w->name().toStdString();
    }
    ASSERT_NE(pagerFace, nullptr);
    EXPECT_TRUE(pagerFace->isContainer());
    EXPECT_TRUE(pagerFace->domXml().contains(QLatin1String("<widget class=\"QWidget\" name=\"page\">")));

    // A form editor with an extension manager, as Designer's own.
    struct FormEditor : QDesignerFormEditorInterface {
        explicit FormEditor(QExtensionManager* manager) { setExtensionManager(manager); }
    };
    QExtensionManager manager;
    FormEditor core(&manager);
    pagerFace->initialize(&core);
    QWidget parent;
    QWidget* pager = pagerFace->createWidget(&parent);
    auto* pages = qt_extension<QDesignerContainerExtension*>(&manager, pager);
    ASSERT_NE(pages, nullptr);
    auto* first = new QWidget;
    auto* second = new QWidget;
    pages->addWidget(first);
    pages->insertWidget(0, second);
    EXPECT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->widget(0), second);
    pages->setCurrentIndex(1);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_EQ(pager->property("ActivePage").toInt(), 1);
    pages->remove(0);
    EXPECT_EQ(pages->count(), 1);
    EXPECT_EQ(pages->widget(0), first);
    delete second;
    // Another kind of widget gets no pages from the plugin.
    QWidget plain;
    EXPECT_EQ(qt_extension<QDesignerContainerExtension*>(&manager, &plain), nullptr);
}
#endif

#ifdef QZ8_DESIGNER_PLUGIN
// Colour properties keep the library's colours (system colours included);
// Designer edits them through the plugin's "Edit Colours..." task, a colour
// picker and the system colours for each.
TEST(DesignerFace, EveryColourPropertyHasAColourEditor)
{
    QPluginLoader loader(QZ8_DESIGNER_PLUGIN);
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    struct FormEditor : QDesignerFormEditorInterface {
        explicit FormEditor(QExtensionManager* manager) { setExtensionManager(manager); }
    };
    QExtensionManager manager;
    FormEditor core(&manager);
    for (QDesignerCustomWidgetInterface* w : collection->customWidgets())
        w->initialize(&core);

    int colours = 0;
    for (QDesignerCustomWidgetInterface* face : collection->customWidgets()) {
        QWidget window;
        QWidget* component = face->createWidget(&window);
        // The TColor properties of the library's classes: the property
        // editor shows their QColor siblings; this dialog edits them.
        QStringList expected;
        const QMetaObject* mo = component->metaObject();
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            const QByteArray name = p.name();
            if (p.metaType() == QMetaType::fromType<int>() && p.isWritable() &&
                (name.endsWith("Colour") || name.endsWith("Color")) && mo->indexOfProperty(name) == i &&
                QByteArray(mo->className()).startsWith("qz8::") && i >= QWidget::staticMetaObject.propertyCount())
                expected << QString::fromLatin1(name);
        }
        auto* task = qt_extension<QDesignerTaskMenuExtension*>(&manager, component);
        if (expected.isEmpty()) {
            EXPECT_EQ(task, nullptr) << face->name().toStdString();
            continue;
        }
        ASSERT_NE(task, nullptr) << face->name().toStdString();
        ASSERT_NE(task->preferredEditAction(), nullptr);
        task->preferredEditAction()->trigger();
        auto* dialog = window.findChild<QDialog*>();
        ASSERT_NE(dialog, nullptr) << face->name().toStdString();
        for (const QString& name : expected) {
            auto* choice = dialog->findChild<QComboBox*>(name);
            ASSERT_NE(choice, nullptr) << face->name().toStdString() << "." << name.toStdString();
            // A system colour is chosen by name and kept as the system colour.
            const int face3D = choice->findText(QStringLiteral("clBtnFace"));
            ASSERT_GE(face3D, 0);
            Q_EMIT choice->activated(face3D);
            ++colours;
        }
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        for (const QString& name : expected) {
            // A colour picker's own value becomes its nearest colour of the array.
            if (name == QLatin1String(component->metaObject()->userProperty().name()))
                continue;
            EXPECT_EQ(component->property(name.toLatin1().constData()).toInt(), clBtnFace)
                << face->name().toStdString() << "." << name.toStdString();
        }
    }
    EXPECT_GE(colours, 25);
}
#endif

TEST(DesignerFace, ColoursAreEditedAsQColorAndTheTColorPropertiesStayForCode)
{
    // Every TColor property of the offered classes is hidden from the
    // property editor and has a designable QColor sibling.
    int hidden = 0;
    for (const QMetaObject* mo : OfferedClasses()) {
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            const QByteArray name = p.name();
            if (p.metaType() == QMetaType::fromType<int>() && (name.endsWith("Colour") || name.endsWith("Color"))) {
                EXPECT_FALSE(p.isDesignable()) << mo->className() << "." << name.constData();
                ++hidden;
            }
        }
    }
    EXPECT_GE(hidden, 10);

    struct Pair {
        QWidget* widget;
        const char* tcolor;
        const char* qcolor;
    };
    TStyledListbox list;
    TNotepadGrabPanel panel;
    TColourSharingListbox colours;
    TColourSharingCombo combo;
    TMyAdvListView view;
    TAdvOfficePager pager;
    const Pair pairs[] = {{&list, "_SelectedColour", "selectedColor"},
                          {&list, "_TextColour", "textColor"},
                          {&list, "_BackgroundColour", "rowColor"},
                          {&list, "Color", "backgroundColor"},
                          {&panel, "HandleColour", "handleColor"},
                          {&colours, "DefaultColour", "defaultColor"},
                          {&view, "SelectionTextColor", "selectedTextColor"},
                          {&pager, "TabReorderIndicatorColor", "reorderMarkerColor"}};
    for (const Pair& pair : pairs) {
        const QMetaObject* mo = pair.widget->metaObject();
        const QMetaProperty q = mo->property(mo->indexOfProperty(pair.qcolor));
        // The pager's reorder marker is kept for code only (Qt draws no marker).
        ASSERT_TRUE(q.isValid() && q.isDesignable() == (pair.widget != &pager) &&
                    q.metaType() == QMetaType::fromType<QColor>())
            << pair.qcolor;
        // Set through the QColor, read through the TColor, and back.
        EXPECT_TRUE(pair.widget->setProperty(pair.qcolor, QColor(0x12, 0x34, 0x56)));
        EXPECT_EQ(pair.widget->property(pair.tcolor).toInt(), RGB(0x12, 0x34, 0x56)) << pair.tcolor;
        EXPECT_TRUE(pair.widget->setProperty(pair.tcolor, int(RGB(0xAB, 0xCD, 0xEF))));
        EXPECT_EQ(pair.widget->property(pair.qcolor).value<QColor>(), QColor(0xAB, 0xCD, 0xEF)) << pair.qcolor;
    }
    // A system colour reads as the palette's; clNone as an invalid colour,
    // and an invalid colour sets clNone.
    QPalette palette = list.palette();
    palette.setColor(QPalette::Highlight, QColor(0x20, 0x40, 0x60));
    list.setPalette(palette);
    list.Set_SelectedColour(clHighlight);
    EXPECT_EQ(list.selectedColor(), QColor(0x20, 0x40, 0x60));
    colours.SetDefaultColour(clNone);
    EXPECT_FALSE(colours.defaultColor().isValid());
    colours.SetDefaultColour(clRed);
    colours.setDefaultColor(QColor());
    EXPECT_EQ(colours.DefaultColour(), clNone);
    // The QColor setter announces a real change once, as the TColor one does.
    QSignalSpy changed(&panel, &TNotepadGrabPanel::handleColourChanged);
    panel.setHandleColor(QColor(1, 2, 3));
    panel.setHandleColor(QColor(1, 2, 3));
    EXPECT_EQ(changed.count(), 1);
}
