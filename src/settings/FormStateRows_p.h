// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The kinds of control a form state file keeps, beyond the layout table's
// twenty rows: plain Qt input widgets and containers, each a row of its own.
#include "store/FormStateKeys_p.h"
#include "store/MemIniFile.h"
#include "toolkit/Components.h"

#include <QString>
#include <vector>

class QObject;

namespace qz8 {

using PersistHandler = void (*)(QObject* control, TMyMemIniFile& ini, bool reading, const QString& section);

// A row of the layout: the classes it is tested with (plain Qt classes
// count as their kind) and the handler that reads or writes the state. A
// container's own controls are walked after it (walkInside).
struct LayoutRow {
    int row;
    std::vector<TClass> classes;
    PersistHandler persist;
    bool walkInside = false;
};

// The rows of plain Qt widgets, numbered from 21, in dispatch order.
const std::vector<LayoutRow>& QtWidgetRows();

// A text as it stands in the file and in the control; an unchanged text is
// not set again (no relayout, no change signal).
template <class Get, class Set>
void PersistText(TMyMemIniFile& ini, bool reading, const QString& section, Get get, Set set)
{
    if (!reading) {
        ini.WriteString(section, kText, get());
        return;
    }
    const QString text = ini.ReadString(section, kText, QString());
    if (get() != text)
        set(text);
}

} // namespace qz8
