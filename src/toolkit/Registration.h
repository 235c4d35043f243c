// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Components offered to a form designer: each with its palette page, a
// factory, the header that declares it, a tool tip and whether it holds
// other controls. The designer plugin lists them in registration order.
#include "../qz8_export.h"

#include <QIcon>
#include <QString>
#include <functional>
#include <vector>

class QWidget;
struct QMetaObject;

namespace qz8 {

/// A component offered by the form designer on a page of its palette.
struct QZ8_EXPORT TRegisteredComponent {
    QString Page; ///< the palette page ("Samples")
    const QMetaObject* Class = nullptr; ///< the component's class
    std::function<QWidget*(QWidget* parent)> Create; ///< makes one on a parent
    QString IncludeFile; ///< the header uic includes for it
    QString ToolTip; ///< the palette's tool tip (translatable source text)
    bool IsContainer = false; ///< whether other controls can be dropped on it
    QIcon Icon; ///< the palette image; none: the designer draws its own
    /// The designer's What's This: what the component is for, its main
    /// properties and where its state is kept (translatable source text).
    /// \since 0.2
    QString WhatsThis;
};

/// Registers a component on a page; a class registered before keeps its
/// first registration.
QZ8_EXPORT void RegisterComponent(TRegisteredComponent component);
/// Every registration, in the order they were made.
QZ8_EXPORT const std::vector<TRegisteredComponent>& RegisteredComponents();
/// Forgets every registration (the package's unload).
QZ8_EXPORT void UnregisterAllComponents();

/// A registration of class T made through its parent-taking constructor.
template <class T>
TRegisteredComponent ComponentOf(const QString& page, const QString& includeFile, const QString& toolTip,
                                 bool isContainer = false)
{
    return {page,
            &T::staticMetaObject,
            [](QWidget* parent) -> QWidget* { return new T(parent); },
            includeFile,
            toolTip,
            isContainer,
            QIcon(),
            QString()};
}

} // namespace qz8
