// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Names for screen readers that the library gives to what it makes: image
// buttons by their tool tips, inner editors after their controls. A name
// given is kept in step with its source; a name the program sets stays.
#include "accessibility/AccessibleNames_p.h"
#include "toolkit/ImageControls.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace qz8 {

namespace {

// Watches a widget and names another (or itself) from what it sees.
class GivenName : public QObject {
    Q_OBJECT
public:
    GivenName(QWidget* watched, QWidget* named) : QObject(watched), fNamed(named) { }

protected:
    QWidget* Named() const { return fNamed; }
    // Names the widget, unless the program named it.
    void Give(const QString& name)
    {
        if (!fNamed || (!fNamed->accessibleName().isEmpty() && fNamed->accessibleName() != fGiven))
            return;
        fGiven = name;
        fNamed->setAccessibleName(name);
    }

private:
    QPointer<QWidget> fNamed;
    QString fGiven; // the name this object gave
};

// An image button without a text of its own is named by its tool tip.
class ImageButtonNamer : public GivenName {
    Q_OBJECT
public:
    explicit ImageButtonNamer(QAbstractButton* button) : GivenName(button, button) { Name(button); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange || event->type() == QEvent::LanguageChange)
            Name(static_cast<QAbstractButton*>(watched));
        return false;
    }

private:
    void Name(const QAbstractButton* button)
    {
        if (button->text().isEmpty())
            Give(button->toolTip());
    }
};

// An inner editor takes its control's name, else the text of the label whose
// buddy the control is, and its description, when the control is shown.
class InnerEditorNamer : public GivenName {
    Q_OBJECT
public:
    using GivenName::GivenName;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (Named() && (event->type() == QEvent::Show || event->type() == QEvent::Polish))
            Name(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void Name(const QWidget* control)
    {
        QString name = control->accessibleName();
        if (name.isEmpty() && control->parentWidget()) {
            for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                if (label->buddy() == control)
                    name = label->text().remove(QLatin1Char('&')).trimmed();
            }
            if (name.endsWith(QLatin1Char(':')))
                name.chop(1);
        }
        Give(name);
        if (Named()->accessibleDescription().isEmpty())
            Named()->setAccessibleDescription(control->accessibleDescription());
    }
};

} // namespace

void NameImageButton(QAbstractButton* button)
{
    if (!button || button->findChild<ImageButtonNamer*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    button->installEventFilter(new ImageButtonNamer(button));
}

void NameInnerEditorAfter(QWidget* control, QWidget* editor)
{
    if (control && editor)
        control->installEventFilter(new InnerEditorNamer(control, editor));
}

} // namespace qz8

#include "AccessibleNames.moc"
