// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// What the property torture test and its fuzz target share: the edge values
// of a property's type, which properties are the library's own, and what a
// user does with a widget once its properties are set.
#include <QCoreApplication>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QTest>
#include <QWidget>
#include <limits>

namespace qz8test {

// The edge values of a property's type; none for types a form cannot set.
inline QVariantList EdgeValues(const QMetaProperty& p)
{
    if (p.isEnumType()) {
        QVariantList out;
        const QMetaEnum e = p.enumerator();
        for (int i = 0; i < e.keyCount(); ++i)
            out << e.value(i);
        return out;
    }
    switch (p.metaType().id()) {
    case QMetaType::Bool: return {true, false};
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return {0, -1, 1, 5, 100000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    case QMetaType::Double:
    case QMetaType::Float: return {0.0, -1.0, 0.5, 1e300, -1e300};
    case QMetaType::QString: return {QString(), QStringLiteral("x"), QString(5000, QLatin1Char('w')), "0.714"};
    case QMetaType::QStringList: return {QStringList(), QStringList{"a", "", "b"}};
    case QMetaType::QColor: return {QColor(Qt::red), QColor()};
    default: return {};
    }
}

inline bool DeclaredByTheLibrary(const QMetaObject& mo, int index)
{
    for (const QMetaObject* m = &mo; m; m = m->superClass()) {
        if (index >= m->propertyOffset())
            return QByteArray(m->className()).startsWith("qz8::");
    }
    return false;
}

// What a user then does with the widget.
inline void Exercise(QWidget& w)
{
    w.show();
    w.resize(1, 1);
    w.repaint();
    w.resize(320, 240);
    w.repaint();
    (void)w.grab();
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(&w, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
    for (const int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Space})
        QTest::keyClick(&w, static_cast<Qt::Key>(key));
    // A letter typed that no row starts with reads every row, as Qt's own
    // lists do: over the two thousand million rows a count may be set to, a
    // search of minutes (in an instrumented build), not a fault.
    const QVariant count = w.property("Count");
    if (!count.isValid() || count.toLongLong() <= 10'000'000)
        QTest::keyClick(&w, Qt::Key_A);
    for (QWidget* child : w.findChildren<QWidget*>())
        (void)child->grab();
    QCoreApplication::processEvents();
}

} // namespace qz8test
