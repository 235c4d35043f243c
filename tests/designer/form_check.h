// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Reads a .ui file and compares every property it gives a widget (geometry
// aside) with the value the widget of that name has: numbers, truth values,
// texts, enumerators (by key), colours, fonts and icons; and that each widget is of
// the class the file names (QUiLoader without the plugin would make a base
// class, whose dynamic properties read back too). Used on a form built by
// uic's code and on one loaded by QUiLoader.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QMetaProperty>
#include <QStringList>
#include <QWidget>
#include <QXmlStreamReader>

inline QStringList MismatchedProperties(const QWidget* form, const QString& uiFile, int* checked)
{
    QStringList wrong;
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + uiFile};
    QXmlStreamReader xml(&file);
    QStringList widgets; // the enclosing widgets' names
    QString property;
    int depthOfProperty = -1;
    int depth = 0;
    *checked = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            --depth;
            if (xml.name() == QLatin1String("widget"))
                widgets.removeLast();
            if (depth < depthOfProperty)
                depthOfProperty = -1;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        ++depth;
        const auto tag = xml.name().toString();
        if (tag == QLatin1String("widget")) {
            widgets.append(xml.attributes().value(QLatin1String("name")).toString());
            // Each widget is of its own class, not a stand-in of a base class.
            const QString cls = xml.attributes().value(QLatin1String("class")).toString();
            const QWidget* w = widgets.size() < 2 ? form : form->findChild<QWidget*>(widgets.last());
            if (!w || (cls != QLatin1String("QWidget") && QLatin1String(w->metaObject()->className()) != cls))
                wrong << widgets.last() + QStringLiteral(" is not a ") + cls;
            continue;
        }
        if (tag == QLatin1String("property") && depthOfProperty < 0) {
            property = xml.attributes().value(QLatin1String("name")).toString();
            depthOfProperty = depth;
            continue;
        }
        if (depthOfProperty < 0 || depth != depthOfProperty + 1 || property == QLatin1String("geometry") ||
            widgets.size() < 2)
            continue;
        const QWidget* w = form->findChild<QWidget*>(widgets.last());
        const QString where = widgets.last() + QLatin1Char('.') + property;
        if (!w) {
            wrong << where + QStringLiteral(": no such widget");
            continue;
        }
        const QVariant value = w->property(property.toLatin1().constData());
        bool same = false;
        if (tag == QLatin1String("number")) {
            same = value.toInt() == xml.readElementText().toInt();
        } else if (tag == QLatin1String("bool")) {
            same = value.toBool() == (xml.readElementText() == QLatin1String("true"));
        } else if (tag == QLatin1String("string")) {
            same = value.toString() == xml.readElementText();
        } else if (tag == QLatin1String("enum")) {
            const QMetaObject* mo = w->metaObject();
            const QMetaProperty p = mo->property(mo->indexOfProperty(property.toLatin1().constData()));
            const QString key = xml.readElementText().section(QStringLiteral("::"), -1);
            same = p.isEnumType() && p.enumerator().keyToValue(key.toLatin1().constData()) == value.toInt();
        } else if (tag == QLatin1String("set")) {
            const QMetaObject* mo = w->metaObject();
            const QMetaProperty p = mo->property(mo->indexOfProperty(property.toLatin1().constData()));
            QStringList keys = xml.readElementText().split(QLatin1Char('|'));
            for (QString& key : keys)
                key = key.section(QStringLiteral("::"), -1);
            same = p.isFlagType() &&
                   p.enumerator().keysToValue(keys.join(QLatin1Char('|')).toLatin1().constData()) == value.toInt();
        } else if (tag == QLatin1String("font")) {
            int points = -1;
            bool bold = false;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("pointsize"))
                    points = xml.readElementText().toInt();
                else if (xml.name() == QLatin1String("bold"))
                    bold = xml.readElementText() == QLatin1String("true");
                else
                    xml.skipCurrentElement();
            }
            const QFont f = value.value<QFont>();
            same = f.pointSize() == points && f.bold() == bold;
        } else if (tag == QLatin1String("color")) {
            int rgb[3] = {-1, -1, -1};
            while (xml.readNextStartElement()) {
                const int at = xml.name() == QLatin1String("red")     ? 0
                               : xml.name() == QLatin1String("green") ? 1
                               : xml.name() == QLatin1String("blue")  ? 2
                                                                      : -1;
                if (at >= 0)
                    rgb[at] = xml.readElementText().toInt();
                else
                    xml.skipCurrentElement();
            }
            same = value.value<QColor>() == QColor(rgb[0], rgb[1], rgb[2]);
        } else if (tag == QLatin1String("iconset")) {
            xml.skipCurrentElement();
            same = !value.value<QIcon>().isNull();
        } else {
            xml.skipCurrentElement();
        }
        ++*checked;
        --depth; // the value's end element is consumed
        if (!same)
            wrong << where + QStringLiteral(" reads ") + value.toString();
    }
    if (xml.hasError())
        wrong << xml.errorString();
    return wrong;
}
