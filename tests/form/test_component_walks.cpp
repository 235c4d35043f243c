// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The four walks, property tests and message unpacking on real windows.
#include "controls/My_StyledTMSComponents.h"
#include "external/TmsControls.h"
#include "form/components_and_ControlsU_base.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A window whose components repeat in the walks: a named list box on a
// named panel, a frame's list box on an unnamed panel.
struct WalkWindow {
    TForm form;
    TPanel* panel = new TPanel(&form);
    TListBox* onPanel = new TListBox(panel);
    TFrame* frame = new TFrame(&form);
    QWidget* unnamedPanel = new TPanel(frame);
    TListBox* inFrame = new TListBox(unnamedPanel);
    QCheckBox* check = new QCheckBox(&form);
    TStyledListbox* styled = new TStyledListbox(&form);
    WalkWindow()
    {
        panel->setObjectName("Panel1");
        onPanel->setObjectName("ListOnPanel");
        frame->setObjectName("Frame1");
        inFrame->setObjectName("FrameList");
        check->setObjectName("Check1");
        styled->setObjectName("Styled1");
    }
};

QStringList Names(const QList<QObject*>& list)
{
    QStringList out;
    for (QObject* o : list)
        out << o->objectName();
    return out;
}

// Counts the events processed while a walk runs.
struct EventCounter : QObject {
    int seen = 0;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) {
            ++seen;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

TEST(WalkA, CollectsOnceAndUnnamedPanelsHideTheirSubtree)
{
    WalkWindow w;
    QList<QObject*> found;
    LoadAllRelevantComponentsOfForm(&w.form, {&TCustomListBox::staticMetaObject, &TListBox::staticMetaObject}, &found);
    // The form's list box on its panel is listed once; the frame's list box
    // on an unnamed panel is never reached.
    EXPECT_EQ(Names(found), (QStringList{"ListOnPanel", "Styled1"}));
    EXPECT_FALSE(found.contains(w.inFrame));
    // An empty class list collects nothing.
    QList<QObject*> none;
    LoadAllRelevantComponentsOfForm(&w.form, {}, &none);
    EXPECT_TRUE(none.isEmpty());
    // A second walk over a filled list adds nothing twice.
    LoadAllRelevantComponentsOfForm(&w.form, {&TCustomListBox::staticMetaObject}, &found);
    EXPECT_EQ(found.size(), 2);
}

TEST(WalkB, AppendsEveryReachAndVisitsUnnamedNodes)
{
    WalkWindow w;
    QList<QObject*> found;
    FindComponentsWPropertyOfTypes(&w.form, &found, "ItemHeight", 0);
    // Reached twice: as an owned component and inside its panel.
    EXPECT_EQ(found.count(w.onPanel), 2);
    // The frame's list box is reached through the frame's nested controls.
    EXPECT_EQ(found.count(w.inFrame), 1);
    EXPECT_EQ(found.count(w.styled), 1);
    found.clear();
    FindComponentsWPropertyOfTypes(&w.form, &found, "ItemHeight", 16);
    EXPECT_TRUE(found.isEmpty());
}

TEST(WalkC, CallsOncePerMatchingEntryAndReach)
{
    WalkWindow w;
    QMap<QString, int> calls;
    SetAllOfXTypesComponentsToDoThis(&w.form, [&](QWidget* c) { ++calls[c->objectName()]; },
                                     {&TCustomListBox::staticMetaObject, &TListBox::staticMetaObject});
    EXPECT_EQ(calls["ListOnPanel"], 4); // two entries, two reaches
    EXPECT_EQ(calls["FrameList"], 2);
    EXPECT_EQ(calls["Styled1"], 1); // a TCustomListBox, not a TListBox
    EXPECT_EQ(calls.value("Check1"), 0);
}

TEST(WalkD, StartsFromTheChildControlsWithTheValue)
{
    WalkWindow w;
    QList<std::pair<QString, int>> calls;
    SetAllOfXTypesChildControlsToDoThisInt(
        w.frame,
        [&](QWidget* c, int v) {
            calls.append({c->objectName(), v});
        },
        {&TListBox::staticMetaObject}, 7);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0], (std::pair<QString, int>{"FrameList", 7}));
}

TEST(Walks, AbsentTargetsDoNothingAndProcessNoEvents)
{
    WalkWindow w;
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    LoadAllRelevantComponentsOfForm(&w.form, {&TListBox::staticMetaObject}, nullptr);
    FindComponentsWPropertyOfTypes(&w.form, nullptr, "ItemHeight", 0);
    SetAllOfXTypesComponentsToDoThis(&w.form, nullptr, {&TListBox::staticMetaObject});
    SetAllOfXTypesChildControlsToDoThisInt(w.frame, nullptr, {&TListBox::staticMetaObject}, 1);
    EXPECT_EQ(counter.seen, 0);
    QList<QObject*> found;
    LoadAllRelevantComponentsOfForm(&w.form, {&TListBox::staticMetaObject}, &found);
    EXPECT_EQ(counter.seen, 1); // a real walk lets pending events run
}

TEST(Walks, AComponentDeletedWhileEventsRunIsSkipped)
{
    WalkWindow w;
    QPointer<TListBox> doomed = w.inFrame;
    // Deleted by a pending event during the walk, before its turn comes.
    QTimer::singleShot(0, doomed.data(), [&] { delete doomed.data(); });
    int visited = 0;
    SetAllOfXTypesComponentsToDoThis(&w.form, [&](QWidget*) { ++visited; }, {&TListBox::staticMetaObject});
    EXPECT_TRUE(doomed.isNull());
    EXPECT_EQ(visited, 2); // only the panel's list box, twice
}

TEST(Walks, WhatAVisitPostsIsDeliveredBeforeTheNextRoot)
{
    WalkWindow w;
    QList<QPointer<TListBox>> lists;
    for (TListBox* l : w.form.findChildren<TListBox*>())
        lists << l;
    ASSERT_GE(lists.size(), 2);
    // The first visit posts the deletion of every other list box: the walk
    // delivers it before it goes on (the window system is polled less often,
    // posted events never wait).
    QSet<QWidget*> seen;
    SetAllOfXTypesComponentsToDoThis(&w.form,
                                     [&](QWidget* v) {
                                         if (seen.isEmpty())
                                             for (const QPointer<TListBox>& l : lists)
                                                 if (l && l != v)
                                                     QMetaObject::invokeMethod(
                                                         l.data(), [p = l] { delete p.data(); }, Qt::QueuedConnection);
                                         seen.insert(v);
                                     },
                                     {&TListBox::staticMetaObject});
    EXPECT_EQ(seen.size(), 1);
    EXPECT_EQ(std::count_if(lists.begin(), lists.end(), [](const auto& l) { return !l.isNull(); }), 1);
}

TEST(Properties, ImagesAssignedAndTrySetNeverThrows)
{
    TListBox list;
    EXPECT_TRUE(ObjHasPropertyAndNotValue(&list, "ItemHeight", 0));
    EXPECT_FALSE(ObjHasPropertyAndNotValue(&list, "ItemHeight", 16));
    EXPECT_FALSE(ObjHasPropertyAndNotValue(&list, "Images", 0));
    EXPECT_FALSE(ObjHasPropertyAndNotValue(&list, "NoSuch", 12345));
    EXPECT_FALSE(ObjHasPropertyAndNotValue(nullptr, "ItemHeight", 0));
    EXPECT_TRUE(TrySetPropValue(&list, "ItemHeight", QVariant(22)));
    EXPECT_EQ(list.ItemHeight(), 22);
    EXPECT_FALSE(TrySetPropValue(&list, "NoSuch", QVariant(1)));
    EXPECT_FALSE(TrySetPropValue(&list, "ItemHeight", QVariant("x")));
    EXPECT_FALSE(TrySetPropValue(&list, "ItemHeight", static_cast<QObject*>(&list)));
    EXPECT_FALSE(TrySetPropValue(nullptr, "ItemHeight", QVariant(1)));
}

TEST(CallerMessages, UnpackCommandExtraAndValue)
{
    TMessage m{1256, 0x12AB02BF, -3, 99};
    TCallerMessage c = MessageFromCallingProgram(m);
    EXPECT_EQ(c.command, 703);
    EXPECT_EQ(c.extra, 0xAB);
    EXPECT_EQ(c.value, 3);
    EXPECT_EQ(m.Result, 0);
    m.Result = 5;
    c = MessageExtraFromCallingProgram(m);
    EXPECT_EQ(c.value, -3);
    EXPECT_EQ(m.Result, 0);
    TMessage most{1256, 703, static_cast<std::intptr_t>(INT32_MIN), 0};
    EXPECT_EQ(MessageFromCallingProgram(most).value, INT32_MIN);
    EXPECT_EQ(MessageExtraFromCallingProgram(most).value, INT32_MIN);
    TMessage wide{1256, 703, static_cast<std::intptr_t>(0x1FFFFFFFEll), 0}; // bits past 32 are dropped
    EXPECT_EQ(MessageExtraFromCallingProgram(wide).value, -2);
}

TEST(ComponentList, OwnsAndFreesItsHolders)
{
    TMyComponentList list;
    TListBox box;
    list.AddHolder("a", {&TListBox::staticMetaObject, &box});
    list.AddHolder("b", {&TCustomListBox::staticMetaObject, nullptr});
    EXPECT_EQ(list.Holder(0)->data.obj, &box);
    EXPECT_EQ(list.Holder(1)->data.classe, &TCustomListBox::staticMetaObject);
    // A plain number is no holder: never taken for one, never freed.
    list.AddObject("number", 12345);
    EXPECT_EQ(list.Holder(2), nullptr);
    list.Delete(2);
    // Deleting or overwriting a holder's string frees the holder.
    list.Delete(0);
    EXPECT_EQ(list.Holder(0)->data.obj, nullptr);
    list.PutObject(0, 7);
    EXPECT_EQ(list.Holder(0), nullptr);
    // Values copied from another list are not this list's holders.
    TMyComponentList other;
    other.AddHolder("x", {&TListBox::staticMetaObject, &box});
    list.Assign(other);
    EXPECT_EQ(list.Holder(0), nullptr);
    other.Clear();
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}
