// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Walks over a window's components, published properties by name, and the
// numeric messages of the program that launched a tool.
//
// Walks A, B and C start from the components the form owns, D from a
// windowed control's child controls; each node is visited before the
// controls nested in it. Pending events run before each root, so every
// component is held in a QPointer and one deleted meanwhile is skipped.
#include "../qz8_export.h"
#include "../store/Strings.h"
#include "../toolkit/Components.h"
#include "../toolkit/Types.h"

#include <QList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

class QWidget;

namespace qz8 {

/// The launching program's message: command, extra byte and value.
struct QZ8_EXPORT TCallerMessage {
    std::uint16_t command = 0; ///< the command (bits 0-15 of WParam)
    std::uint8_t extra = 0; ///< the extra byte (bits 16-23 of WParam)
    std::int32_t value = 0; ///< the value (LParam)
};

/// How a menu item's caption matches a text: exactly, at its start, anywhere.
enum TMenuMatch { mmExact, mmStartsWith, mmContains };

/// Does something to a control.
using TDoThisProc = std::function<void(QWidget* AControl)>;
/// Does something to a control with a value.
using TDoThisIntegerProc = std::function<void(QWidget* AControl, int Value)>;
/// Does something to a menu item.
using TDoThisMenuitemProc = std::function<void(QObject* AMenuItem)>;
/// Does something to a menu item found by a match.
using TDoThisMenuitemHowProc = std::function<void(QObject* AMenuItem, TMenuMatch how)>;

/// A component with its class, as a TMyComponentList keeps it.
struct QZ8_EXPORT TMyComponentRec {
    TClass classe = nullptr; ///< the component's class
    QObject* obj = nullptr; ///< the component
};

/// The holder of one TMyComponentRec, owned by a TMyComponentList.
class QZ8_EXPORT TMyComponentHolder {
public:
    /// Holds a copy of the record.
    explicit TMyComponentHolder(const TMyComponentRec& e) : data(e) { }
    TMyComponentRec data; ///< the record held
};

/// A string list that owns one holder as the object of each string. The
/// holders are owned objects of the list's own: an object value that is not
/// one of its holders (a plain number stored with AddObject, or a value
/// copied by Assign) is never taken for one, and never freed.
class QZ8_EXPORT TMyComponentList : public TStringList {
public:
    TMyComponentList();
    TMyComponentList(const TMyComponentList&) = delete;
    TMyComponentList& operator=(const TMyComponentList&) = delete;
    ~TMyComponentList() override;
    /// Appends a string with a new holder of the record; returns its index.
    int AddHolder(const QString& s, const TMyComponentRec& e);
    /// The holder of a string; none for an object value it does not own.
    TMyComponentHolder* Holder(int index) const;
    /// Frees every holder, then empties the list.
    void Clear() override;
    /// Frees the string's holder (when no other string keeps it).
    void Delete(int index) override;
    void PutObject(int index, TObjectValue obj) override;

private:
    void FreeIfUnused(TObjectValue obj);
    std::unordered_map<TObjectValue, std::unique_ptr<TMyComponentHolder>> fHolders;
};

/// Walk A: appends, once each, every named component of the form that
/// matches the class list or has an assigned "Images" property. An unnamed
/// node hides its subtree. An absent list does nothing.
QZ8_EXPORT void LoadAllRelevantComponentsOfForm(QObject* form, const TClassList& classes, QList<QObject*>* target);
/// The same walk with the class test as a predicate.
QZ8_EXPORT void LoadAllComponentsOfFormMatching(QObject* form, const std::function<bool(const QObject*)>& isOfClass,
                                                QList<QObject*>* target);
/// Walk B: appends every named node whose published property of that name
/// exists and differs from value; a node reached twice is appended twice.
QZ8_EXPORT void FindComponentsWPropertyOfTypes(QObject* form, QList<QObject*>* target, const char* propertyName,
                                               int value);
/// Walk C: calls proc once per matching class-list entry on every named
/// control of the form.
QZ8_EXPORT void SetAllOfXTypesComponentsToDoThis(QObject* form, const TDoThisProc& proc, const TClassList& classes);
/// Walk D: as C over the controls nested in control, with value.
QZ8_EXPORT void SetAllOfXTypesChildControlsToDoThisInt(QWidget* control, const TDoThisIntegerProc& proc,
                                                       const TClassList& classes, int value);

/// True when the object publishes the property and its ordinal value (an
/// object's identity, 0 when unassigned) differs from value.
QZ8_EXPORT bool ObjHasPropertyAndNotValue(const QObject* obj, const char* propertyName, int value);
///@{
/// Sets a published property; false on any failure, never an exception.
QZ8_EXPORT bool TrySetPropValue(QObject* obj, const char* propertyName, const QVariant& value);
QZ8_EXPORT bool TrySetPropValue(QObject* obj, const char* propertyName, QObject* value);
///@}

/// The launching program's packing: command in bits 0-15 of WParam, extra in
/// bits 16-23, value LParam as 32 bits; the message's Result becomes 0.
/// MessageFromCallingProgram gives the value's absolute value (the most
/// negative value stays as it is), MessageExtraFromCallingProgram as sent.
///@{
QZ8_EXPORT TCallerMessage MessageFromCallingProgram(TMessage& message);
QZ8_EXPORT TCallerMessage MessageExtraFromCallingProgram(TMessage& message);
///@}

} // namespace qz8
