// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "form/components_and_ControlsU_base.h"
#include "toolkit/Application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaProperty>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace qz8 {

namespace {

// Visits node, then the controls nested in it. visit answers whether to
// descend. The children are held as QPointers: a visit may run events.
template <class Visit>
void VisitTree(QObject* node, const Visit& visit)
{
    if (!visit(node) || !node->isWidgetType())
        return;
    std::vector<QPointer<QWidget>> children;
    for (QWidget* w : Controls(static_cast<QWidget*>(node)))
        children.emplace_back(w);
    for (const QPointer<QWidget>& child : children) {
        if (child)
            VisitTree(child.data(), visit);
    }
}

// The roots of a walk, taken once; pending events run before each. The
// events the walk itself posts (layout, polish, update requests) are
// delivered before every root; the window system is asked for its events
// (a poll of its connection, the costly part) before the first root and then
// at most every kSystemEventsMs, so that a long walk keeps the window
// responsive and a short one does not poll two hundred times.
constexpr qint64 kSystemEventsMs = 8;

template <class Visit>
void WalkRoots(const QList<QObject*>& roots, const Visit& visit)
{
    std::vector<QPointer<QObject>> held(roots.begin(), roots.end());
    QElapsedTimer sinceSystemEvents;
    for (const QPointer<QObject>& root : held) {
        if (!sinceSystemEvents.isValid() || sinceSystemEvents.elapsed() >= kSystemEventsMs) {
            ProcessMessages();
            sinceSystemEvents.start();
        } else if (QCoreApplication::instance()) {
            QCoreApplication::sendPostedEvents();
        }
        if (root)
            VisitTree(root.data(), visit);
    }
}

QList<QObject*> ChildControlsOf(QWidget* control)
{
    QList<QObject*> out;
    for (QWidget* w : Controls(control))
        out.append(w);
    return out;
}

bool Named(const QObject* obj) { return !obj->objectName().isEmpty(); }

} // namespace

TMyComponentList::TMyComponentList() = default;

TMyComponentList::~TMyComponentList() { TMyComponentList::Clear(); }

int TMyComponentList::AddHolder(const QString& s, const TMyComponentRec& e)
{
    auto holder = std::make_unique<TMyComponentHolder>(e);
    const auto key = reinterpret_cast<TObjectValue>(holder.get());
    fHolders.emplace(key, std::move(holder));
    return AddObject(s, key);
}

TMyComponentHolder* TMyComponentList::Holder(int index) const
{
    const auto it = fHolders.find(GetObject(index));
    return it == fHolders.end() ? nullptr : it->second.get();
}

void TMyComponentList::FreeIfUnused(TObjectValue obj)
{
    if (!fHolders.count(obj))
        return;
    for (int i = 0; i < Count(); ++i) {
        if (GetObject(i) == obj)
            return;
    }
    fHolders.erase(obj);
}

void TMyComponentList::Clear()
{
    TStringList::Clear();
    fHolders.clear();
}

void TMyComponentList::Delete(int index)
{
    const TObjectValue obj = GetObject(index);
    TStringList::Delete(index);
    FreeIfUnused(obj);
}

void TMyComponentList::PutObject(int index, TObjectValue obj)
{
    const TObjectValue old = GetObject(index);
    TStringList::PutObject(index, obj);
    if (old != obj)
        FreeIfUnused(old);
}

void LoadAllRelevantComponentsOfForm(QObject* form, const TClassList& classes, QList<QObject*>* target)
{
    // An empty class list collects nothing, not even image-list holders.
    if (classes.empty())
        return;
    LoadAllComponentsOfFormMatching(
        form,
        [&classes](const QObject* node) {
            return std::any_of(classes.begin(), classes.end(), [node](TClass cls) { return InheritsFrom(node, cls); });
        },
        target);
}

void LoadAllComponentsOfFormMatching(QObject* form, const std::function<bool(const QObject*)>& isOfClass,
                                     QList<QObject*>* target)
{
    if (!target || !form)
        return;
    // Membership is kept in a set beside the list: "never twice" costs
    // constant time per node, also for long lists.
    QSet<const QObject*> present(target->begin(), target->end());
    WalkRoots(Components(form), [&](QObject* node) {
        if (!Named(node))
            return false;
        if ((isOfClass(node) || ObjHasPropertyAndNotValue(node, "Images", 0)) && !present.contains(node)) {
            present.insert(node);
            target->append(node);
        }
        return true;
    });
}

void FindComponentsWPropertyOfTypes(QObject* form, QList<QObject*>* target, const char* propertyName, int value)
{
    if (!target || !form)
        return;
    WalkRoots(Components(form), [&](QObject* node) {
        if (Named(node) && ObjHasPropertyAndNotValue(node, propertyName, value))
            target->append(node);
        return true;
    });
}

namespace {
void CallForMatches(QObject* node, const TClassList& classes, const std::function<void(QWidget*)>& call)
{
    if (!node->isWidgetType())
        return;
    for (TClass cls : classes) {
        if (InheritsFrom(node, cls) && Named(node))
            call(static_cast<QWidget*>(node));
    }
}
} // namespace

void SetAllOfXTypesComponentsToDoThis(QObject* form, const TDoThisProc& proc, const TClassList& classes)
{
    if (!proc || !form)
        return;
    WalkRoots(Components(form), [&](QObject* node) {
        CallForMatches(node, classes, proc);
        return true;
    });
}

void SetAllOfXTypesChildControlsToDoThisInt(QWidget* control, const TDoThisIntegerProc& proc, const TClassList& classes,
                                            int value)
{
    if (!proc || !control)
        return;
    WalkRoots(ChildControlsOf(control), [&](QObject* node) {
        CallForMatches(node, classes, [&](QWidget* w) { proc(w, value); });
        return true;
    });
}

bool ObjHasPropertyAndNotValue(const QObject* obj, const char* propertyName, int value)
{
    if (!HasPublishedProperty(obj, propertyName))
        return false;
    const QMetaProperty prop = obj->metaObject()->property(obj->metaObject()->indexOfProperty(propertyName));
    const QVariant v = prop.read(obj);
    qint64 ordinal = 0;
    if (prop.metaType().flags() & QMetaType::PointerToQObject)
        ordinal = reinterpret_cast<qintptr>(v.value<QObject*>());
    else if (v.canConvert<qlonglong>())
        ordinal = v.toLongLong();
    else
        return false; // not an ordinal property
    return ordinal != value;
}

bool TrySetPropValue(QObject* obj, const char* propertyName, const QVariant& value)
{
    try {
        return SetPublishedProperty(obj, propertyName, value);
    } catch (...) {
        return false;
    }
}

bool TrySetPropValue(QObject* obj, const char* propertyName, QObject* value)
{
    try {
        if (!HasPublishedProperty(obj, propertyName))
            return false;
        const QMetaProperty prop = obj->metaObject()->property(obj->metaObject()->indexOfProperty(propertyName));
        const QMetaType type = prop.metaType();
        if (!prop.isWritable() || !(type.flags() & QMetaType::PointerToQObject))
            return false;
        if (value && !value->metaObject()->inherits(type.metaObject()))
            return false;
        return prop.write(obj, QVariant(type, &value));
    } catch (...) {
        return false;
    }
}

namespace {
TCallerMessage Unpack(TMessage& message, bool absolute)
{
    TCallerMessage m;
    m.command = static_cast<std::uint16_t>(message.WParam & 0xFFFF);
    m.extra = static_cast<std::uint8_t>((message.WParam >> 16) & 0xFF);
    const auto raw = static_cast<std::int32_t>(static_cast<std::uint32_t>(message.LParam & 0xFFFFFFFF));
    // Negation in 32-bit two's complement: the most negative value stays.
    m.value = absolute && raw < 0 ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(raw)) : raw;
    message.Result = 0;
    return m;
}
} // namespace

TCallerMessage MessageFromCallingProgram(TMessage& message) { return Unpack(message, true); }
TCallerMessage MessageExtraFromCallingProgram(TMessage& message) { return Unpack(message, false); }

} // namespace qz8
