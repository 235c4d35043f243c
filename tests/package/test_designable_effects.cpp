// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Every property Designer offers on the library's components changes
// something a user can see or a program can read: a pixel of the window, or
// the state of the widget or its children besides the property itself.
// Properties that only carry a value (a name for a file, a switch read at
// the next save) are listed with what they are for.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/General_runtime.h"
#include "helpers/property_torture.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMetaProperty>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// Content that lets each property show: rows with values in lists, pages
// with hints in the pager, a caption on the colour combo, a child in the
// containers, rows in the views.
void Fill(QWidget* w)
{
    if (auto* list = qobject_cast<TCustomListBox*>(w)) {
        if (!qobject_cast<TColourSharingListbox*>(w))
            for (int i = 0; i < 60; ++i)
                list->Items().AddObject(i % 3 ? QStringLiteral("word %1").arg(i) : QString::number(i * 1000), i * 7);
        list->SetItemIndex(1);
    }
    if (auto* pager = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < 12; ++i) {
            auto* page = new QWidget;
            page->setToolTip(QStringLiteral("Hint %1").arg(i));
            new QLabel(QStringLiteral("Page %1").arg(i), page);
            pager->addTab(page, QStringLiteral("Page number %1").arg(i));
        }
        pager->setProperty("CloseOnTab", true);
    }
    if (auto* combo = qobject_cast<TColourSharingCombo*>(w)) {
        combo->SetLabelCaption(QStringLiteral("Colour:"));
        combo->setGeometry(120, 60, 200, 26);
        combo->SetItemIndex(2);
    }
    if (qobject_cast<TTransparentContainingGroup*>(w) || qobject_cast<TContainBox*>(w))
        (new QLabel(QStringLiteral("child"), w))->move(8, 20);
    if (auto* view = qobject_cast<QTreeWidget*>(w)) {
        for (int i = 0; i < 5; ++i) {
            auto* item = new QTreeWidgetItem(view, {QStringLiteral("row %1").arg(i), QStringLiteral("%1").arg(i)});
            new QTreeWidgetItem(item, {QStringLiteral("child %1").arg(i)});
        }
    }
}

// Everything a program reads off the subject's window (the property under
// test aside): its widgets' properties and places, a styled list's row
// values, and the tool tip shown.
QStringList StateOf(QWidget* subject, const QByteArray& skip)
{
    QStringList out{QToolTip::text()};
    if (auto* styled = qobject_cast<TStyledListbox*>(subject))
        for (int i = 0; i < std::min(10, styled->Count()); ++i)
            out << QString::number(styled->RowValue(i));
    QWidget* root = subject->window();
    QList<QObject*> objects{root};
    for (QObject* child : root->findChildren<QObject*>())
        objects << child;
    for (QObject* o : objects) {
        const QMetaObject* mo = o->metaObject();
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            // Which window is active is not the widget's state.
            if (!p.isReadable() || (o == subject && p.name() == skip) || qstrcmp(p.name(), "isActiveWindow") == 0 ||
                qstrcmp(p.name(), "focus") == 0)
                continue;
            out << QStringLiteral("%1.%2=%3").arg(o->objectName(), QString::fromLatin1(p.name()), p.read(o).toString());
        }
        if (auto* w = qobject_cast<QWidget*>(o))
            out << QStringLiteral("%1 %2 geometry %3,%4 %5x%6 visible %7")
                       .arg(w->objectName(), QString::fromLatin1(mo->className()))
                       .arg(w->x())
                       .arg(w->y())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(w->isVisible());
    }
    return out;
}

// A value other than the current one; some properties need one of their own.
QVariant Other(const QMetaProperty& p, const QVariant& now)
{
    const QByteArray name = p.name();
    if (name == "ActivePage")
        return 3;
    if (name == "selectedColor" || name == "Selected" || name == "SelectedColour")
        return name == "selectedColor" ? QVariant(QColor(Qt::red)) : QVariant(int(clRed));
    if (name == "DefaultColour" || name == "defaultColor")
        return name == "defaultColor" ? QVariant(QColor(Qt::red)) : QVariant(int(clRed));
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        for (int i = e.keyCount() - 1; i >= 0; --i)
            if (e.value(i) != now.toInt())
                return e.value(i);
        return {};
    }
    switch (p.metaType().id()) {
    case QMetaType::Bool: return !now.toBool();
    case QMetaType::Int: return now.toInt() + 30;
    case QMetaType::Double: return now.toDouble() + 1.5;
    case QMetaType::QString: return QStringLiteral("/tmp/Qz8 value");
    case QMetaType::QColor: return QColor(0x12, 0xab, 0x34);
    case QMetaType::QFont: {
        QFont f = now.value<QFont>();
        f.setPixelSize(30);
        return f;
    }
    default: return {};
    }
}

// What a user or program then does, the same on the widget as it was and
// as changed, for the properties that change behaviour rather than looks.
void Use(QWidget* w)
{
    if (auto* list = qobject_cast<TCustomListBox*>(w)) {
        // Selecting a range with the mouse and the keyboard.
        list->SetMultiSelect(true);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->ItemRect(0).ToQRect().center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, list->ItemRect(2).ToQRect().center());
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    }
    if (auto* combo = qobject_cast<TColourSharingCombo*>(w)) {
        // Disabled in a stored window, with a font of its own.
        QFont own = combo->font();
        own.setPixelSize(11);
        combo->setFont(own);
        combo->setEnabled(false);
        combo->Loaded();
    }
    if (auto* pager = qobject_cast<QTabWidget*>(w)) {
        // A hover over the first tab, then its close button.
        QTabBar* bar = pager->tabBar();
        QHelpEvent help(QEvent::ToolTip, bar->tabRect(0).center(), bar->mapToGlobal(bar->tabRect(0).center()));
        QApplication::sendEvent(bar, &help);
        for (QAbstractButton* close : bar->findChildren<QAbstractButton*>())
            if (close->isVisible() && bar->tabAt(close->geometry().center()) == 0) {
                close->click();
                break;
            }
    }
    // The shared colour array is sorted elsewhere: shared controls follow.
    if (qobject_cast<TColourSharingListbox*>(w) || qobject_cast<TColourSharingCombo*>(w)) {
        TColourSharingListbox other;
        other.SortTheColours(csByHue);
    }
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(DesignableProperties, EachChangesWhatAUserSeesOrAProgramReads)
{
    RegisterPackageComponents();
    std::vector<TRegisteredComponent> components = RegisteredComponents();
    components.push_back(ComponentOf<TMyOpenFileDialog>(QString(), QString(), QString()));
    QStringList idle;
    const TColorArray SavedColours = MyColourArray;
    for (const TRegisteredComponent& c : components) {
        const QMetaObject* mo = c.Class;
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            // A property a subclass declares again is offered as the subclass declares it.
            if (!p.isDesignable() || !p.isWritable() || !qz8test::DeclaredByTheLibrary(*mo, i) ||
                mo->indexOfProperty(p.name()) != i)
                continue;
            // The widget to change, and the same widget unchanged for what
            // follows a user's actions; both shown before anything is read.
            QWidget window, same;
            QWidget* w = nullptr;
            QWidget* unchanged = nullptr;
            for (auto [top, made] : {std::pair{&window, &w}, std::pair{&same, &unchanged}}) {
                top->resize(420, 300);
                *made = c.Create(top);
                (*made)->setObjectName(QStringLiteral("subject"));
                (*made)->setGeometry(20, 20, 360, 240);
                Fill(*made);
                top->show();
            }
            QApplication::processEvents();
            const QVariant other = Other(p, p.read(w));
            if (!other.isValid())
                continue;
            const QImage before = window.grab().toImage();
            const QStringList stateBefore = StateOf(w, p.name());
            p.write(w, other);
            QApplication::processEvents();
            bool seen = window.grab().toImage() != before || StateOf(w, p.name()) != stateBefore;
            if (!seen) {
                MyColourArray = SavedColours;
                Use(unchanged);
                const QImage usedBefore = same.grab().toImage();
                const QStringList usedStateBefore = StateOf(unchanged, p.name());
                MyColourArray = SavedColours;
                Use(w);
                seen = window.grab().toImage() != usedBefore || StateOf(w, p.name()) != usedStateBefore;
            }
            MyColourArray = SavedColours;
            if (!seen)
                idle << QStringLiteral("%1::%2").arg(QString::fromLatin1(mo->className()),
                                                     QString::fromLatin1(p.name()));
        }
    }
    EXPECT_TRUE(idle.isEmpty()) << idle.join(QStringLiteral("\n")).toStdString();
}
