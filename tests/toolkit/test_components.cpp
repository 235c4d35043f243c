// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Derived ownership, class tests and published properties on real widgets.
#include "external/ElPack.h"
#include "external/TmsControls.h"
#include "toolkit/Components.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

QStringList Names(const QList<QObject*>& objects)
{
    QStringList out;
    for (QObject* o : objects)
        out.append(o->objectName());
    return out;
}

template <class W>
W* Make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TEST(Ownership, FormOwnsControlsThroughContainersInConstructionOrder)
{
    TForm form;
    form.setObjectName("Form1");
    auto* central = Make<QWidget>(&form, "Central");
    form.setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* panel = Make<TPanel>(central, "Panel1");
    auto* spin = Make<QSpinBox>(panel, "Spin1");
    auto* combo = Make<QComboBox>(panel, "Combo1");
    combo->setEditable(true);
    auto* tabs = Make<QTabWidget>(central, "Tabs");
    auto* page = Make<QWidget>(nullptr, "Page1");
    auto* onPage = Make<TListBox>(page, "ListOnPage");
    tabs->addTab(page, "one");
    auto* frame = Make<TFrame>(central, "Frame1");
    auto* inFrame = Make<QSpinBox>(frame, "SpinInFrame");
    auto* framePanel = Make<TPanel>(frame, "FramePanel");
    auto* deep = Make<QComboBox>(framePanel, "DeepCombo");
    for (QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(tabs), static_cast<QWidget*>(frame)})
        layout->addWidget(w);

    EXPECT_EQ(Names(Components(&form)),
              (QStringList{"Central", "Panel1", "Spin1", "Combo1", "Tabs", "Page1", "ListOnPage", "Frame1"}));
    EXPECT_EQ(Names(Components(frame)), (QStringList{"SpinInFrame", "FramePanel", "DeepCombo"}));
    // Qt's inner parts (the spin box's line edit, the list's viewport) are
    // never components: their owner is the control.
    EXPECT_TRUE(Components(spin).isEmpty());
    EXPECT_TRUE(Components(combo).isEmpty());
    EXPECT_TRUE(Components(onPage).isEmpty());
    EXPECT_EQ(Owner(spin), &form);
    EXPECT_EQ(Owner(onPage), &form);
    EXPECT_EQ(Owner(inFrame), frame);
    EXPECT_EQ(Owner(deep), frame);
    EXPECT_EQ(Owner(frame), &form);
    EXPECT_EQ(ComponentCount(&form), 8);
}

TEST(Ownership, ScrollAreaContentsAndGroupsPassThroughButCompositeControlsDoNot)
{
    TForm form;
    auto* area = Make<QScrollArea>(&form, "Area");
    auto* inner = Make<QWidget>(nullptr, "Inner");
    Make<QSpinBox>(inner, "SpinInArea");
    area->setWidget(inner);
    auto* group = Make<QGroupBox>(&form, "Group");
    Make<TElCheckBox>(group, "CheckInGroup");
    auto* radios = Make<TAdvOfficeRadioGroup>(&form, "Radios");
    radios->SetItems({"a", "b"});
    Make<TElEdit>(&form, "ElEdit");
    EXPECT_EQ(Names(Components(&form)),
              (QStringList{"Area", "Inner", "SpinInArea", "Group", "CheckInGroup", "Radios", "ElEdit"}));
}

TEST(Ownership, ExplicitOwnerMovesTheComponentAndFollowsDeletion)
{
    TForm form;
    auto* a = Make<QSpinBox>(&form, "A");
    auto* b = Make<QSpinBox>(&form, "B");
    auto* frame = Make<TFrame>(&form, "Frame");
    SetOwner(a, frame);
    EXPECT_EQ(Owner(a), frame);
    EXPECT_EQ(Names(Components(&form)), (QStringList{"B", "Frame"}));
    EXPECT_EQ(Names(Components(frame)), (QStringList{"A"}));
    // A non-visual component owned by the form is listed after the tree.
    auto* timer = new QTimer;
    timer->setObjectName("Timer1");
    SetOwner(timer, &form);
    EXPECT_EQ(Names(Components(&form)), (QStringList{"B", "Frame", "Timer1"}));
    delete timer;
    EXPECT_EQ(Names(Components(&form)), (QStringList{"B", "Frame"}));
    SetOwner(a, nullptr);
    EXPECT_EQ(Owner(a), &form);
    EXPECT_EQ(Names(Components(&form)), (QStringList{"A", "B", "Frame"}));
    (void)b;
}

TEST(ClassTests, InheritsThroughTheHierarchyAndClassLists)
{
    TCheckListBox checks;
    EXPECT_TRUE(InheritsFrom(&checks, &TCustomListBox::staticMetaObject));
    EXPECT_TRUE(InheritsFrom(&checks, &QAbstractScrollArea::staticMetaObject));
    EXPECT_FALSE(InheritsFrom(&checks, &TListBox::staticMetaObject));
    TElSpinEdit spin;
    EXPECT_TRUE(InheritsFrom(&spin, &TCustomElEdit::staticMetaObject));
    EXPECT_FALSE(InheritsFrom(nullptr, &QObject::staticMetaObject));
    EXPECT_TRUE(MatchesClassList(&spin, {&TListBox::staticMetaObject, &TCustomElEdit::staticMetaObject}));
    EXPECT_FALSE(MatchesClassList(&spin, {}));
    EXPECT_FALSE(MatchesClassList(&spin, {&TListBox::staticMetaObject}));
}

TEST(PublishedProperties, ReadWriteRefuseAndNeverCreateDynamicProperties)
{
    TListBox list;
    list.Items().Add("a");
    list.Items().Add("b");
    EXPECT_TRUE(SetPublishedProperty(&list, "ItemHeight", 24));
    EXPECT_EQ(list.ItemHeight(), 24);
    EXPECT_EQ(GetPublishedProperty(&list, "ItemHeight").toInt(), 24);
    EXPECT_TRUE(SetPublishedProperty(&list, "ItemHeight", QStringLiteral("30")));
    EXPECT_EQ(list.ItemHeight(), 30);
    // Refused: unconvertible text, an invalid value, an unknown name, a
    // read-only property, an enum value out of range.
    EXPECT_FALSE(SetPublishedProperty(&list, "ItemHeight", QStringLiteral("tall")));
    EXPECT_FALSE(SetPublishedProperty(&list, "ItemHeight", QVariant()));
    EXPECT_EQ(list.ItemHeight(), 30);
    EXPECT_FALSE(SetPublishedProperty(&list, "NoSuchProperty", 1));
    EXPECT_FALSE(GetPublishedProperty(&list, "NoSuchProperty").isValid());
    EXPECT_TRUE(list.dynamicPropertyNames().isEmpty());
    EXPECT_FALSE(SetPublishedProperty(&list, "metaObjectNoWrite", 1));
    QObject plain;
    EXPECT_FALSE(SetPublishedProperty(&plain, "objectName", 5.5) && plain.objectName() != "5.5");
    EXPECT_TRUE(SetPublishedProperty(&list, "Style", int(TCustomListBox::lbOwnerDrawFixed)));
    EXPECT_EQ(list.Style(), TCustomListBox::lbOwnerDrawFixed);
    EXPECT_FALSE(SetPublishedProperty(&list, "Style", 99));
    EXPECT_EQ(list.Style(), TCustomListBox::lbOwnerDrawFixed);
    TElSpinEdit spin;
    EXPECT_TRUE(HasPublishedProperty(&spin, "Value"));
    EXPECT_FALSE(HasPublishedProperty(nullptr, "Value"));
}
