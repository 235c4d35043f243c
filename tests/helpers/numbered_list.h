// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// A shown multi-select virtual list whose rows are their numbers: the lists
// of millions of rows the tests select, walk and announce.
#include "toolkit/ListBox.h"

namespace qz8test {

inline void ShowNumberedList(qz8::TListBox& list, int rows)
{
    list.SetStyle(qz8::TCustomListBox::lbVirtual);
    list.OnData = [](QWidget*, int i, QString& s) { s = QString::number(i); };
    list.SetCount(rows);
    list.SetMultiSelect(true);
    list.resize(200, 200);
    list.show();
}

} // namespace qz8test
