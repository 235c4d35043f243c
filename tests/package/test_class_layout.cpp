// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The classes whose layout later releases keep: what each adds to its Qt
// base, recorded. A field added to one of them (instead of to its private
// part) changes its size and fails here; so does a field added to a base.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/TmsControls.h"
#include "external/TmsViews.h"
#include "form/baseTMSStyleable_F.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "toolkit/ColorBox.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

struct TLayout {
    const char* name;
    size_t size;
    size_t qtBase;
    size_t recorded; // bytes the class adds to its Qt base (x86-64, libstdc++):
                     // its published event handlers, its private part, an interface's table
};

template <class T, class QtBase>
TLayout Layout(const char* name, size_t recorded)
{
    return {name, sizeof(T), sizeof(QtBase), recorded};
}

} // namespace

TEST(ClassLayout, TheKeptClassesAddOnlyWhatTheRecordSays)
{
#if defined(__x86_64__) && defined(__GLIBCXX__)
    const TLayout kept[] = {
        Layout<TForm, QMainWindow>("TForm", 72),
        Layout<TTMSStyleableRepositoryForm, QMainWindow>("TTMSStyleableRepositoryForm", 208),
        Layout<TPanel, QFrame>("TPanel", 8),
        Layout<TNotepadGrabPanel, QFrame>("TNotepadGrabPanel", 152),
        Layout<TCustomListBox, QAbstractScrollArea>("TCustomListBox", 136),
        Layout<TListBox, QAbstractScrollArea>("TListBox", 144),
        Layout<TCheckListBox, QAbstractScrollArea>("TCheckListBox", 176),
        Layout<TStyledListbox, QAbstractScrollArea>("TStyledListbox", 192),
        Layout<TStyledListboxOwnerDrawnFixed, QAbstractScrollArea>("TStyledListboxOwnerDrawnFixed", 200),
        Layout<TColourSharingListbox, QAbstractScrollArea>("TColourSharingListbox", 168),
        Layout<TCustomColorBox, QComboBox>("TCustomColorBox", 40),
        Layout<TColourSharingCombo, QComboBox>("TColourSharingCombo", 64),
        Layout<TAdvOfficePager, QTabWidget>("TAdvOfficePager", 16),
        Layout<TQZAdvOfficePager, QTabWidget>("TQZAdvOfficePager", 16),
        Layout<TMyOpenFolderDialog, QLineEdit>("TMyOpenFolderDialog", 120),
        Layout<TMyOpenFileDialog, QLineEdit>("TMyOpenFileDialog", 128),
        Layout<TAdvListView, QTreeWidget>("TAdvListView", 16),
        Layout<TMyAdvListView, QTreeWidget>("TMyAdvListView", 32),
        Layout<TAdvTreeView, QTreeWidget>("TAdvTreeView", 40),
        Layout<TMyAdvTreeView, QTreeWidget>("TMyAdvTreeView", 56),
    };
    for (const TLayout& l : kept) {
        EXPECT_EQ(l.size - l.qtBase, l.recorded) << l.name << ": a field in the class itself changes its layout";
    }
#else
    GTEST_SKIP() << "the sizes are recorded for x86-64 with libstdc++";
#endif
}
