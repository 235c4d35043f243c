// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The component model on Qt's object tree: derived ownership, class
// references and class lists, and published properties by name.
//
// The owner of an object is the nearest ancestor that is an owner root (a
// form, a TFrame, a top-level window, or any widget that owns its internal
// parts), unless SetOwner gave it another. Containers (plain QWidget and
// QFrame, panels, group boxes, scroll areas, tab and stacked pages,
// splitters, tool boxes, dock widgets, main windows) pass ownership through
// to their children. Qt's own internal parts (named "qt_...") are never
// components.
#include "../qz8_export.h"
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <vector>

class QWidget;

namespace qz8 {

/// A component is a QObject; its Name is objectName().
using TComponent = QObject;
/// A class reference: the class's meta-object.
using TClass = const QMetaObject*;
/// A list of class references.
using TClassList = std::vector<TClass>;

/// True when obj is of class cls or of a descendant.
QZ8_EXPORT bool InheritsFrom(const QObject* obj, TClass cls);
/// True when obj matches an entry of the list (class or descendant).
QZ8_EXPORT bool MatchesClassList(const QObject* obj, const TClassList& classes);

/// Classes that pass ownership through to their children; extended by the
/// library's own container controls at load time.
QZ8_EXPORT void RegisterContainerClass(TClass cls);
/// Classes that are owner roots whatever else they are (forms, frames).
QZ8_EXPORT void RegisterOwnerRootClass(TClass cls);
/// Controls that keep controls of their own as internal parts (a radio group
/// and its buttons): they own them, and the parts are not components.
QZ8_EXPORT void RegisterCompositeClass(TClass cls);
/// True for an object of a registered container class.
QZ8_EXPORT bool IsContainer(const QObject* obj);
/// True for an object of a registered owner-root class.
QZ8_EXPORT bool IsOwnerRoot(const QObject* obj);
/// Forms, frames, top-level windows and non-visual objects: the owners whose
/// object tree holds components. A control's children are internal parts.
QZ8_EXPORT bool HoldsComponents(const QObject* obj);

/// The component's owner: the explicit one of SetOwner, else the nearest
/// ancestor that holds components.
QZ8_EXPORT QObject* Owner(const QObject* obj);
/// What owner owns: its object tree in depth-first pre-order (the order of
/// construction), descending through containers only, followed by the
/// objects given to it with SetOwner.
QZ8_EXPORT QList<QObject*> Components(const QObject* owner);
/// The number of Components of owner.
QZ8_EXPORT int ComponentCount(const QObject* owner);
/// The child controls of a windowed control, in child order. Qt's internal
/// holders (a scroll area's viewport, a tab widget's page stack) are looked
/// through; its other internal parts (scroll bars, tab bars) are not controls.
QZ8_EXPORT QList<QWidget*> Controls(const QWidget* control);

/// Gives obj an explicit owner; nullptr returns it to its derived owner.
QZ8_EXPORT void SetOwner(QObject* obj, QObject* owner);

///@{
/// Published properties (Q_PROPERTY) by name. Reading an unknown property
/// gives an invalid QVariant; writing never creates a dynamic property and
/// answers false for an unknown, read-only or unconvertible value.
QZ8_EXPORT bool HasPublishedProperty(const QObject* obj, const char* name);
QZ8_EXPORT QVariant GetPublishedProperty(const QObject* obj, const char* name);
QZ8_EXPORT bool SetPublishedProperty(QObject* obj, const char* name, const QVariant& value);
///@}

} // namespace qz8
