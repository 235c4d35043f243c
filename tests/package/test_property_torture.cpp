// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Every designable property of every class the package offers Qt Designer,
// set to edge values in random orders, then shown, resized, painted, clicked
// and typed into, as Designer, uic and QUiLoader do with a user's form.
// Nothing may abort; booleans and enumerations read back what was set last.
#include "controls/My_StyledTMSComponents.h"
#include "helpers/property_torture.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

using namespace qz8;

using qz8test::DeclaredByTheLibrary;
using qz8test::EdgeValues;
using qz8test::Exercise;

namespace {
struct Assignment {
    QMetaProperty property;
    QVariant value;
};
} // namespace

TEST(PropertyTorture, EveryDesignablePropertyInRandomOrdersNeverAborts)
{
    RegisterPackageComponents();
    QWidget sheet;
    sheet.resize(400, 300);
    for (const TRegisteredComponent& c : RegisteredComponents()) {
        SCOPED_TRACE(c.Class->className());
        std::vector<Assignment> all;
        for (int i = QWidget::staticMetaObject.propertyCount(); i < c.Class->propertyCount(); ++i) {
            const QMetaProperty p = c.Class->property(i);
            // The library's own properties (Qt's own classes answer for theirs).
            if (!p.isWritable() || !p.isDesignable() || !DeclaredByTheLibrary(*c.Class, i))
                continue;
            for (const QVariant& v : EdgeValues(p))
                all.push_back({p, v});
        }
        EXPECT_FALSE(all.empty() && QByteArray(c.Class->className()) == "qz8::TStyledListbox");
        for (quint32 seed = 1; seed <= 12; ++seed) {
            QRandomGenerator random(seed);
            std::vector<Assignment> order = all;
            for (size_t i = order.size(); i > 1; --i)
                std::swap(order[i - 1], order[random.bounded(static_cast<quint32>(i))]);
            std::unique_ptr<QWidget> w(c.Create(&sheet));
            ASSERT_NE(w, nullptr);
            QHash<QByteArray, QVariant> last;
            for (const Assignment& a : order) {
                a.property.write(w.get(), a.value);
                last.insert(a.property.name(), a.value);
            }
            for (const Assignment& a : all) {
                const QVariant want = last.value(a.property.name());
                if (a.property.metaType().id() == QMetaType::Bool || a.property.isEnumType()) {
                    EXPECT_EQ(a.property.read(w.get()).toInt(), want.toInt())
                        << a.property.name() << " after seed " << seed;
                }
            }
            Exercise(*w);
        }
    }
}

// The crash that ended a Designer session: a virtual list with a row count
// and no row event, made and set as uic's generated code does.
TEST(PropertyTorture, VirtualListsWithACountAndNoRowEventPaintEmptyRows)
{
    for (const char* cls : {"TStyledListbox", "TStyledListboxOwnerDrawnFixed"}) {
        for (const TCustomListBox::TListBoxStyle style :
             {TCustomListBox::lbVirtual, TCustomListBox::lbVirtualOwnerDraw}) {
            SCOPED_TRACE(cls);
            QWidget form;
            TStyledListbox* list = QByteArray(cls) == "TStyledListbox" ? new TStyledListbox(&form)
                                                                       : new TStyledListboxOwnerDrawnFixed(&form);
            list->setObjectName("styledListbox");
            list->setGeometry(0, 0, 200, 200);
            list->setProperty("Style", static_cast<int>(style));
            list->setProperty("Count", 5);
            form.show();
            const QImage shot = list->grab().toImage();
            EXPECT_FALSE(shot.isNull());
            QTest::keyClick(list, Qt::Key_B); // type-ahead reads every row
            QTest::keyClick(list, Qt::Key_End);
            EXPECT_EQ(list->RowText(4), QString());
        }
    }
}

// A tool's row handler that raises costs its row, not the program.
TEST(PropertyTorture, ARowHandlerThatRaisesLeavesItsRowEmpty)
{
    TListBox list;
    list.resize(200, 200);
    list.SetStyle(TCustomListBox::lbOwnerDrawFixed);
    list.Items().AddStrings({"a", "b", "c"});
    int drawn = 0;
    list.OnDrawItem = [&](QWidget*, int index, const TRect&, TOwnerDrawState) {
        if (index == 1)
            throw std::runtime_error("a tool's own failure");
        ++drawn;
    };
    list.show();
    (void)list.grab();
    EXPECT_GE(drawn, 2);
}
