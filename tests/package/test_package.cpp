// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The package: load and unload, its description table, the registration
// table, and the Designer plugin loaded as Designer loads it.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Tool_image_basics.h"
#include "helpers/unnamed_objects.h"
#include "imagelists/tool_imagelist_master.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"
#include "toolkit/StdCtrls.h"

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>

#ifdef QZ8_DESIGNER_PLUGIN
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#endif
#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {
const QStringList kSamples{"qz8::TTransparentContainingGroup",
                           "qz8::TContainBox",
                           "qz8::TMyAdvTreeView",
                           "qz8::TMyAdvListView",
                           "qz8::TStyledListbox",
                           "qz8::TStyledListboxOwnerDrawnFixed",
                           "qz8::TNotepadGrabPanel",
                           "qz8::TColourSharingListbox",
                           "qz8::TColourSharingCombo",
                           "qz8::TMyOpenFolderDialog",
                           "qz8::TQZAdvOfficePager"};
#ifdef QZ8_DESIGNER_PLUGIN
// Designer offers the file chooser beside the folder chooser.
QStringList PluginSamples()
{
    QStringList names = kSamples;
    names.insert(names.indexOf("qz8::TMyOpenFolderDialog") + 1, "qz8::TMyOpenFileDialog");
    return names;
}
#endif
} // namespace

TEST(Package, LoadAndUnloadCreateAndFreeTheNineListsOnly)
{
    ASSERT_TRUE(PackageLoaded());
    for (int round = 0; round < 2; ++round) {
        FinalizePackage();
        EXPECT_FALSE(PackageLoaded());
        for (TImageList* l : ImageLists)
            EXPECT_EQ(l, nullptr);
        // Unloaded, the lists' users get none and do not fail.
        EXPECT_EQ(ImageListMain(), nullptr);
        TBitmap bmp;
        EXPECT_FALSE(GetABitmap(0, bmp));
        LoadupAllTheImageLists();
        InitializePackage();
        EXPECT_TRUE(PackageLoaded());
        for (TImageList* l : ImageLists) {
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->Count(), 0); // loading reads no file
        }
    }
    InitializePackage(); // a second load keeps the lists it has
    const TImageList* first = ImageLists[0];
    InitializePackage();
    EXPECT_EQ(ImageLists[0], first);
    // The description a loaded package gives names its units and what it needs.
    const TPackageInfo& info = PackageInfoTable();
    EXPECT_EQ(info.Contains.size(), 12);
    EXPECT_TRUE(info.Contains.contains("tool_imagelist_master"));
    EXPECT_TRUE(info.Requires.contains("Qt6Widgets"));
}

// Every registered class, made as Designer makes it and given a name as a
// form gives it: each focusable part the library makes inside it (an inner
// editor, a browse button) has a name a screen reader can speak. A combo box
// is named by what it shows (Qt's way on Linux), the colour combo with no
// colour shown by the name it was given. Registering twice registers each
// class once, on the page "Samples", with its header and icon.
TEST(Package, EveryRegisteredClassNamesTheFocusablePartsItMakes)
{
    UnregisterAllComponents();
    RegisterPackageComponents();
    RegisterPackageComponents();
    QStringList names;
    for (const TRegisteredComponent& c : RegisteredComponents()) {
        names << c.Class->className();
        EXPECT_EQ(c.Page, "Samples");
        EXPECT_FALSE(c.IncludeFile.isEmpty());
        EXPECT_FALSE(c.Icon.isNull()) << c.Class->className();
        QWidget form;
        QWidget* w = c.Create(&form);
        ASSERT_NE(w, nullptr) << c.Class->className();
        w->setAccessibleName(QStringLiteral("A %1").arg(QString::fromLatin1(c.Class->className())));
        // A pager's tab bar is named by its current tab (Qt's way): a form's
        // pager has pages, as Designer drops it with one.
        if (auto* pages = qobject_cast<QTabWidget*>(w))
            pages->addTab(new QWidget, QStringLiteral("Results"));
        form.show();
        QApplication::processEvents();
        QStringList unnamed;
        qz8test::CollectUnnamed(QAccessible::queryAccessibleInterface(&form), unnamed);
        EXPECT_TRUE(unnamed.isEmpty()) << c.Class->className() << ": " << unnamed.join(", ").toStdString();
    }
    EXPECT_EQ(names, kSamples);
}

#ifdef QZ8_DESIGNER_PLUGIN
TEST(Package, DesignerLoadsThePluginAndCreatesEveryWidget)
{
    QPluginLoader loader(QZ8_DESIGNER_PLUGIN);
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    QStringList names;
    QWidget parent;
    for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
        names << w->name();
        EXPECT_EQ(w->group(), "Samples");
        EXPECT_FALSE(w->toolTip().isEmpty());
        // What's This: a paragraph of its own (more than the tool tip), and
        // the class's reference page, one the documentation build makes.
        EXPECT_GT(w->whatsThis().size(), w->toolTip().size() + 80) << w->name().toStdString();
        QString page = w->name();
        page.replace("::", "_1_1");
        EXPECT_TRUE(w->whatsThis().contains("class" + page + ".html")) << w->whatsThis().toStdString();
        EXPECT_TRUE(w->domXml().contains(w->name()));
        EXPECT_EQ(w->isContainer(), w->name() == "qz8::TTransparentContainingGroup" ||
                                        w->name() == "qz8::TContainBox" || w->name() == "qz8::TQZAdvOfficePager");
        // Made before Designer's form editor initialised it (as QUiLoader
        // makes widgets): live; made inside the form editor: designing.
        QWidget* live = w->createWidget(&parent);
        ASSERT_NE(live, nullptr) << w->name().toStdString();
        EXPECT_FALSE(IsDesigning(live)) << w->name().toStdString();
        QDesignerFormEditorInterface core;
        w->initialize(&core);
        QWidget* made = w->createWidget(&parent);
        ASSERT_NE(made, nullptr) << w->name().toStdString();
        EXPECT_EQ(QString::fromLatin1(made->metaObject()->className()), w->name());
        EXPECT_TRUE(IsDesigning(made));
    }
    EXPECT_EQ(names, PluginSamples());
    // The chooser's palette image is its bitmap.
    EXPECT_EQ(collection->customWidgets()[9]->icon().pixmap(14, 14).toImage().pixelColor(3, 7), QColor(255, 255, 0));
}

// The plugin outlives any change of the registry: another package or a
// tool registering components of its own, or the package's unload.
TEST(Package, DesignerPluginSurvivesARegistryThatGrowsOrEmpties)
{
    QPluginLoader loader(QZ8_DESIGNER_PLUGIN);
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    for (int i = 0; i < 200; ++i)
        RegisterComponent(ComponentOf<TContainBox>(QStringLiteral("Page%1").arg(i), "x.h", "tip"));
    UnregisterAllComponents();
    QWidget parent;
    QStringList names;
    for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
        names << w->name();
        EXPECT_EQ(w->group(), "Samples");
        EXPECT_FALSE(w->includeFile().isEmpty());
        EXPECT_NE(w->createWidget(&parent), nullptr);
    }
    EXPECT_EQ(names, PluginSamples());
    RegisterPackageComponents();
}

// Values a form file gives before the state that makes them meaningful are
// kept and taken when that state arrives, in the order Designer writes them.
TEST(Package, UiValuesStickInAnyOrder)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(QZ8_DESIGNER_PLUGIN)).absolutePath());
    QByteArray ui = R"(<ui version="4.0"><class>Form</class>
<widget class="QWidget" name="Form">
 <widget class="qz8::TStyledListbox" name="list">
  <property name="geometry"><rect><x>0</x><y>0</y><width>150</width><height>120</height></rect></property>
  <property name="Count"><number>50</number></property>
  <property name="ItemIndex"><number>7</number></property>
  <property name="TopIndex"><number>3</number></property>
  <property name="Style"><enum>lbVirtualOwnerDraw</enum></property>
 </widget>
 <widget class="qz8::TColourSharingListbox" name="colours">
  <property name="SelectedColour"><number>255</number></property>
  <property name="Style"><enum>lbOwnerDrawFixed</enum></property>
  <property name="Count"><number>10</number></property>
 </widget>
 <widget class="qz8::TColourSharingCombo" name="combo">
  <property name="SelectedColour"><number>255</number></property>
 </widget>
 <widget class="qz8::TQZAdvOfficePager" name="pager">
  <property name="ActivePage"><number>2</number></property>
  <widget class="QWidget" name="page1"/>
  <widget class="QWidget" name="page2"/>
  <widget class="QWidget" name="page3"/>
 </widget>
</widget></ui>)";
    QBuffer buffer(&ui);
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    form->show();
    QCoreApplication::processEvents();
    auto* list = form->findChild<TStyledListbox*>("list");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 50);
    EXPECT_EQ(list->ItemIndex(), 7);
    EXPECT_EQ(list->TopIndex(), 3);
    auto* colours = form->findChild<TColourSharingListbox*>("colours");
    ASSERT_NE(colours, nullptr);
    EXPECT_EQ(colours->GetASelected(), 255);
    auto* combo = form->findChild<TColourSharingCombo*>("combo");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetSelected(), 255);
    EXPECT_EQ(combo->property("Selected").toInt(), 255);
    combo->setProperty("Selected", 0xFF0000);
    EXPECT_EQ(combo->GetSelected(), 0xFF0000);
    auto* pager = form->findChild<TQZAdvOfficePager*>("pager");
    ASSERT_NE(pager, nullptr);
    EXPECT_EQ(pager->count(), 3);
    EXPECT_EQ(pager->currentIndex(), 2);
}

// A form loaded at run time through QUiLoader gets live widgets: the margin
// panel has its handles.
TEST(Package, UiLoaderMakesLiveWidgetsThroughThePlugin)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(QZ8_DESIGNER_PLUGIN)).absolutePath());
    ASSERT_TRUE(loader.availableWidgets().contains("qz8::TNotepadGrabPanel"));
    QByteArray ui = R"(<ui version="4.0"><class>Form</class>
<widget class="QWidget" name="Form"><property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>400</height></rect></property>
<widget class="qz8::TNotepadGrabPanel" name="margins"/>
</widget></ui>)";
    QBuffer buffer(&ui);
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    auto* panel = form->findChild<TNotepadGrabPanel*>("margins");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(IsDesigning(panel));
    panel->SetParentControl(form.get());
    form->show();
    QCoreApplication::processEvents();
    EXPECT_GT(panel->XWidth(), 0);
    EXPECT_FALSE(panel->Midpoint(t_left).IsEmpty());
}
#endif

TEST(Package, InTheDesignerTheHandlesStay)
{
    QWidget sheet;
    sheet.resize(200, 300);
    auto* panel = new TNotepadGrabPanel(&sheet);
    SetDesigning(panel);
    panel->SetParentControl(&sheet);
    EXPECT_TRUE(panel->Midpoint(t_left).IsEmpty());
}
