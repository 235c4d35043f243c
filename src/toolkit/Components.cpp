// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Components.h"
#include "toolkit/Types.h"

#include <QAbstractScrollArea>
#include <QDockWidget>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLayout>
#include <QMainWindow>
#include <QMetaProperty>
#include <QPointer>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBox>
#include <QWidget>
#include <algorithm>

namespace qz8 {

namespace {

struct Registry {
    TClassList containers{&QScrollArea::staticMetaObject,    &QGroupBox::staticMetaObject,
                          &QStackedWidget::staticMetaObject, &QTabWidget::staticMetaObject,
                          &QSplitter::staticMetaObject,      &QToolBox::staticMetaObject,
                          &QDockWidget::staticMetaObject,    &QMainWindow::staticMetaObject};
    TClassList roots;
    TClassList composites;
    // What a class is, found once per class: bit 0 container, bit 1 owner
    // root by class, bit 2 composite. Cleared when a registry changes.
    QHash<const QMetaObject*, int> kinds;
    // Explicit ownership: object -> owner, and per owner the order given.
    QHash<const QObject*, QPointer<QObject>> explicitOwner;
    QHash<const QObject*, QList<QPointer<QObject>>> explicitOwned;
};

Registry& Reg()
{
    static Registry r;
    return r;
}

enum : int { kContainer = 1, kRootClass = 2, kComposite = 4 };

int KindOf(const QObject* obj)
{
    auto& reg = Reg();
    const QMetaObject* mo = obj->metaObject();
    auto it = reg.kinds.constFind(mo);
    if (it != reg.kinds.constEnd())
        return it.value();
    int kind = 0;
    if (obj->isWidgetType() &&
        (mo == &QWidget::staticMetaObject || mo == &QFrame::staticMetaObject || MatchesClassList(obj, reg.containers)))
        kind |= kContainer;
    if (MatchesClassList(obj, reg.roots))
        kind |= kRootClass;
    if (MatchesClassList(obj, reg.composites))
        kind |= kComposite;
    reg.kinds.insert(mo, kind);
    return kind;
}

bool IsQtInternal(const QObject* obj) { return obj->objectName().startsWith(QLatin1String("qt_")); }

// Internal parts of Qt that still hold the user's widgets: a scroll area's
// viewport and a tab widget's page stack.
bool IsInternalHolder(const QObject* obj)
{
    if (qobject_cast<const QStackedWidget*>(obj))
        return true;
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(obj->parent()))
        return area->viewport() == obj && qobject_cast<const QScrollArea*>(area) != nullptr;
    return false;
}

void Collect(const QObject* owner, const QObject* node, QList<QObject*>& out)
{
    auto& reg = Reg();
    for (QObject* child : node->children()) {
        if (!child->isWidgetType() && qobject_cast<QLayout*>(child))
            continue;
        if (IsQtInternal(child)) {
            if (IsInternalHolder(child))
                Collect(owner, child, out);
            continue;
        }
        auto it = reg.explicitOwner.constFind(child);
        const bool ownedElsewhere = it != reg.explicitOwner.constEnd() && it.value() && it.value() != owner;
        if (!ownedElsewhere && !(it != reg.explicitOwner.constEnd() && it.value() == owner))
            out.append(child);
        if (!ownedElsewhere && !IsOwnerRoot(child))
            Collect(owner, child, out);
    }
}

} // namespace

bool InheritsFrom(const QObject* obj, TClass cls) { return obj && cls && obj->metaObject()->inherits(cls); }

bool MatchesClassList(const QObject* obj, const TClassList& classes)
{
    return std::any_of(classes.begin(), classes.end(), [obj](TClass c) { return InheritsFrom(obj, c); });
}

void RegisterContainerClass(TClass cls)
{
    auto& list = Reg().containers;
    if (std::find(list.begin(), list.end(), cls) == list.end())
        list.push_back(cls);
    Reg().kinds.clear();
}

void RegisterOwnerRootClass(TClass cls)
{
    auto& list = Reg().roots;
    if (std::find(list.begin(), list.end(), cls) == list.end())
        list.push_back(cls);
    Reg().kinds.clear();
}

void RegisterCompositeClass(TClass cls)
{
    auto& list = Reg().composites;
    if (std::find(list.begin(), list.end(), cls) == list.end())
        list.push_back(cls);
    Reg().kinds.clear();
}

bool HoldsComponents(const QObject* obj)
{
    if (!obj)
        return false;
    if (!obj->isWidgetType() || (KindOf(obj) & kRootClass))
        return true;
    return static_cast<const QWidget*>(obj)->isWindow();
}

bool IsContainer(const QObject* obj) { return obj && (KindOf(obj) & kContainer); }

bool IsOwnerRoot(const QObject* obj)
{
    if (!obj)
        return false;
    if (HoldsComponents(obj) || (KindOf(obj) & kComposite))
        return true;
    return !IsContainer(obj);
}

QObject* Owner(const QObject* obj)
{
    if (!obj)
        return nullptr;
    auto it = Reg().explicitOwner.constFind(obj);
    if (it != Reg().explicitOwner.constEnd() && it.value())
        return it.value();
    for (QObject* p = obj->parent(); p; p = p->parent()) {
        if (IsOwnerRoot(p))
            return p;
    }
    return nullptr;
}

QList<QObject*> Components(const QObject* owner)
{
    QList<QObject*> out;
    if (!owner)
        return out;
    if (HoldsComponents(owner))
        Collect(owner, owner, out);
    auto it = Reg().explicitOwned.constFind(owner);
    if (it != Reg().explicitOwned.constEnd()) {
        for (const QPointer<QObject>& p : it.value()) {
            if (p && Reg().explicitOwner.value(p) == owner && !out.contains(p.data()))
                out.append(p.data());
        }
    }
    return out;
}

QList<QWidget*> Controls(const QWidget* control)
{
    QList<QWidget*> out;
    if (!control)
        return out;
    for (QObject* child : control->children()) {
        if (!child->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(child);
        if (IsQtInternal(w)) {
            if (IsInternalHolder(w))
                out.append(Controls(w));
            continue;
        }
        out.append(w);
    }
    return out;
}

int ComponentCount(const QObject* owner) { return static_cast<int>(Components(owner).size()); }

void SetOwner(QObject* obj, QObject* owner)
{
    if (!obj)
        return;
    auto& reg = Reg();
    if (auto old = reg.explicitOwner.take(obj)) {
        auto& list = reg.explicitOwned[old.data()];
        list.removeAll(QPointer<QObject>(obj));
    }
    if (!owner)
        return;
    reg.explicitOwner.insert(obj, owner);
    reg.explicitOwned[owner].append(obj);
    // Forget the entries when either side goes away.
    QObject::connect(obj, &QObject::destroyed, [obj] { Reg().explicitOwner.remove(obj); });
    QObject::connect(owner, &QObject::destroyed, [owner] { Reg().explicitOwned.remove(owner); });
}

bool HasPublishedProperty(const QObject* obj, const char* name)
{
    return obj && name && obj->metaObject()->indexOfProperty(name) >= 0;
}

QVariant GetPublishedProperty(const QObject* obj, const char* name)
{
    if (!HasPublishedProperty(obj, name))
        return {};
    const QMetaProperty prop = obj->metaObject()->property(obj->metaObject()->indexOfProperty(name));
    return prop.isReadable() ? prop.read(obj) : QVariant();
}

bool SetPublishedProperty(QObject* obj, const char* name, const QVariant& value)
{
    if (!HasPublishedProperty(obj, name) || !value.isValid())
        return false;
    const QMetaProperty prop = obj->metaObject()->property(obj->metaObject()->indexOfProperty(name));
    if (!prop.isWritable())
        return false;
    QVariant v = value;
    if (v.metaType() != prop.metaType()) {
        if (prop.isEnumType() && v.canConvert<int>()) {
            bool ok = false;
            const int n = v.toInt(&ok);
            if (!ok || !prop.enumerator().valueToKey(n))
                return false;
            v = QVariant(n);
        } else if (!v.convert(prop.metaType())) {
            return false;
        }
    }
    return prop.write(obj, v);
}

} // namespace qz8
