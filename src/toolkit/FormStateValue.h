// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The seam through which a control says how a form state file keeps it: one
// value under one key of its section, as text. The form state walk asks a
// control for it before any row of its layout, so a control of the library
// that is also a list box or a combo (the colour pickers) keeps what it is
// about (its colour), not its rows.
#include "../qz8_export.h"

#include <QObject>
#include <QString>

namespace qz8 {

/// A control that says how a form state file keeps it: one value as text
/// under a key of its section. It comes before the general rule of the
/// USER property.
class QZ8_EXPORT IFormStateValue {
public:
    virtual ~IFormStateValue() = default;
    /// The key in the control's section ("colour").
    virtual QString FormStateKey() const = 0;
    /// The value to keep, as text.
    virtual QString FormStateText() const = 0;
    /// Takes a value read back; false, and the control as it was, for a value
    /// that does not fit.
    virtual bool TakeFormStateText(const QString& text) = 0;
};

} // namespace qz8

#define IFormStateValue_iid "qz8.IFormStateValue"
Q_DECLARE_INTERFACE(qz8::IFormStateValue, IFormStateValue_iid)
