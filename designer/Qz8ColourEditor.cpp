// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "Qz8ColourEditor.h"
#include "toolkit/Types.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMetaProperty>
#include <QToolButton>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace {

// The system colours a property may follow, by their names.
struct TSystemColour {
    const char* name;
    qz8::TColor value;
};
const TSystemColour kSystemColours[] = {
    {"clWindow", qz8::clWindow},
    {"clWindowText", qz8::clWindowText},
    {"clBtnFace", qz8::clBtnFace},
    {"clBtnText", qz8::clBtnText},
    {"clBtnShadow", qz8::clBtnShadow},
    {"clBtnHighlight", qz8::clBtnHighlight},
    {"clHighlight", qz8::clHighlight},
    {"clHighlightText", qz8::clHighlightText},
    {"clGrayText", qz8::clGrayText},
    {"clInfoBk", qz8::clInfoBk},
    {"clInfoText", qz8::clInfoText},
    {"clMenu", qz8::clMenu},
    {"clMenuText", qz8::clMenuText},
    {"clActiveCaption", qz8::clActiveCaption},
    {"clCaptionText", qz8::clCaptionText},
    {"clAppWorkSpace", qz8::clAppWorkSpace},
    {"cl3DDkShadow", qz8::cl3DDkShadow},
    {"cl3DLight", qz8::cl3DLight},
    {"clNone", qz8::clNone},
};

QString Tr(const char* text) { return QCoreApplication::translate("qz8", text); }

} // namespace

QList<QByteArray> Qz8ColourProperties(const QMetaObject* cls)
{
    QList<QByteArray> names;
    for (int i = 0; i < cls->propertyCount(); ++i) {
        const QMetaProperty p = cls->property(i);
        const QByteArray name = p.name();
        // The TColor properties, which the property editor does not offer
        // (it shows their QColor siblings): this dialog keeps their system
        // colours and clNone, which a QColor cannot name.
        if (cls->indexOfProperty(name) != i || !p.isWritable() || p.metaType() != QMetaType::fromType<int>() ||
            !(name.endsWith("Colour") || name.endsWith("Color")))
            continue;
        const QMetaObject* declaring = cls;
        while (declaring->superClass() && i < declaring->superClass()->propertyCount())
            declaring = declaring->superClass();
        if (QByteArray(declaring->className()).startsWith("qz8::"))
            names << name;
    }
    return names;
}

Qz8ColourDialog::Qz8ColourDialog(QWidget* component, QWidget* parent) : QDialog(parent), fComponent(component)
{
    setWindowTitle(Tr("Edit Colours"));
    auto* form = new QFormLayout(this);
    for (const QByteArray& property : Qz8ColourProperties(component->metaObject())) {
        Row row{property, component->property(property.constData()).toInt(), new QComboBox(this),
                new QToolButton(this)};
        row.system->setObjectName(QString::fromLatin1(property));
        row.system->addItem(Tr("Custom colour"), QVariant());
        for (const TSystemColour& s : kSystemColours)
            row.system->addItem(QString::fromLatin1(s.name), s.value);
        row.swatch->setText(Tr("Choose..."));
        row.swatch->setToolTip(Tr("Pick a colour"));
        auto* line = new QHBoxLayout;
        line->addWidget(row.swatch);
        line->addWidget(row.system, 1);
        form->addRow(QString::fromLatin1(property), line);
        fRows.push_back(row);
    }
    for (Row& row : fRows) {
        ShowRow(row);
        const QByteArray property = row.property;
        connect(row.system, &QComboBox::activated, this, [this, property](int index) {
            for (Row& r : fRows) {
                if (r.property == property && r.system->itemData(index).isValid())
                    SetValue(property, r.system->itemData(index).toInt());
            }
        });
        connect(row.swatch, &QToolButton::clicked, this, [this, property] {
            const QColor chosen = QColorDialog::getColor(qz8::ToQColor(Value(property)), this, Tr("Pick a colour"));
            if (chosen.isValid())
                SetValue(property, qz8::FromQColor(chosen));
        });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int Qz8ColourDialog::Value(const QByteArray& property) const
{
    for (const Row& row : fRows) {
        if (row.property == property)
            return row.value;
    }
    return qz8::clNone;
}

void Qz8ColourDialog::SetValue(const QByteArray& property, int colour)
{
    for (Row& row : fRows) {
        if (row.property == property) {
            row.value = colour;
            ShowRow(row);
        }
    }
}

void Qz8ColourDialog::ShowRow(Row& row)
{
    const int system = row.system->findData(row.value);
    row.system->setCurrentIndex(system >= 0 ? system : 0);
    QPixmap swatch(16, 16);
    swatch.fill(row.value == qz8::clNone ? QColor(Qt::transparent) : qz8::ToQColor(row.value));
    row.swatch->setIcon(QIcon(swatch));
    row.swatch->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void Qz8ColourDialog::Apply()
{
    if (!fComponent)
        return;
    QDesignerFormWindowInterface* formWindow = QDesignerFormWindowInterface::findFormWindow(fComponent);
    for (const Row& row : fRows) {
        if (fComponent->property(row.property.constData()).toInt() == row.value)
            continue;
        // Through the form window: undoable, and saved into the .ui file.
        if (formWindow && formWindow->cursor())
            formWindow->cursor()->setWidgetProperty(fComponent, QString::fromLatin1(row.property), row.value);
        else
            fComponent->setProperty(row.property.constData(), row.value);
    }
}

Qz8ColourTaskMenu::Qz8ColourTaskMenu(QWidget* component, QObject* parent)
    : QObject(parent), fComponent(component), fEdit(new QAction(Tr("Edit Colours..."), this))
{
    connect(fEdit, &QAction::triggered, this, [this] {
        if (!fComponent)
            return;
        auto* dialog = new Qz8ColourDialog(fComponent, fComponent->window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

QObject* Qz8MakeColourTaskMenu(QObject* object, QObject* parent)
{
    auto* component = qobject_cast<QWidget*>(object);
    if (!component || Qz8ColourProperties(component->metaObject()).isEmpty())
        return nullptr;
    return new Qz8ColourTaskMenu(component, parent);
}
