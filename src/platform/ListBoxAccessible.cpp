#include "platform/ListBox.h"
#include "platform/ListBoxAccessible_p.h"
#include "platform/Types.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace qz8 {

namespace {

class RowAccessible;

// The list: its children are the rows on the screen.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(TCustomListBox* list) : QAccessibleWidget(list, QAccessible::List) { }
    TCustomListBox* List() const { return static_cast<TCustomListBox*>(widget()); }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = List()->MultiSelect();
        return s;
    }
    // The first row shown and how many are shown.
    int FirstRow() const { return List()->TopIndex(); }
};

// One row, made on demand; it holds the list weakly and its row number.
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(TCustomListBox* list, int row) : fList(list), fRow(row) { }
    bool isValid() const override { return fList && fRow >= 0 && fRow < fList->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return fList ? fList->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return fList ? QAccessible::queryAccessibleInterface(fList) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        return t == QAccessible::Name ? fList->RowText(fRow) : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = fList->ItemRect(fRow).ToQRect();
        return QRect(fList->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = fList->Selected(fRow);
        s.focused = fRow == fList->ItemIndex() && fList->hasFocus();
        s.active = fRow == fList->ItemIndex();
        const int check = fList->RowCheckState(fRow);
        s.checkable = check >= 0;
        s.checked = check == 1;
        s.invisible = fList->ItemRect(fRow).IsEmpty();
        return s;
    }
    int Row() const { return fRow; }

private:
    QPointer<TCustomListBox> fList;
    int fRow;
};

// Row interfaces are registered once per list and row, so a screen reader
// meets the same object for the same row.
QAccessibleInterface* RowInterface(TCustomListBox* list, int row)
{
    static QHash<QPair<const QObject*, int>, QAccessible::Id> ids;
    const auto key = qMakePair(static_cast<const QObject*>(list), row);
    if (auto it = ids.constFind(key); it != ids.constEnd()) {
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(it.value()))
            return known;
    }
    auto* iface = new RowAccessible(list, row);
    ids.insert(key, QAccessible::registerAccessibleInterface(iface));
    static QSet<const QObject*> tracked;
    if (!tracked.contains(list)) {
        tracked.insert(list);
        // The rows of a list go with it.
        QObject::connect(list, &QObject::destroyed, [list] {
            tracked.remove(list);
            for (auto it = ids.begin(); it != ids.end();) {
                if (it.key().first == list) {
                    QAccessible::deleteAccessibleInterface(it.value());
                    it = ids.erase(it);
                } else {
                    ++it;
                }
            }
        });
    }
    return iface;
}

int ListAccessible::childCount() const
{
    const TCustomListBox* l = List();
    return std::max(0, std::min(l->VisibleRowCount() + 1, l->Count() - l->TopIndex()));
}

QAccessibleInterface* ListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return RowInterface(List(), FirstRow() + index);
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* row = dynamic_cast<const RowAccessible*>(child);
    if (!row || row->parent() == nullptr)
        return -1;
    const int index = row->Row() - FirstRow();
    return index >= 0 && index < childCount() ? index : -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const
{
    const QPoint local = List()->viewport()->mapFromGlobal(QPoint(x, y));
    const int row = List()->ItemAtPos({local.x(), local.y()}, true);
    return row >= 0 ? RowInterface(List(), row) : nullptr;
}

} // namespace

std::function<void(QAccessibleEvent*)> AccessibilityUpdate;

QAccessibleInterface* ListBoxAccessibleFactory(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<TCustomListBox*>(object))
        return new ListAccessible(list);
    return nullptr;
}

void AnnounceListBoxRow(TCustomListBox* list)
{
    // Nobody listens: nothing to build (an index change is a hot path).
    if (!list || (!AccessibilityUpdate && !QAccessible::isActive()))
        return;
    const int row = list->ItemIndex();
    if (row < 0)
        return;
    const int child = row - list->TopIndex();
    const auto send = [](QAccessibleEvent* e) {
        if (AccessibilityUpdate)
            AccessibilityUpdate(e);
        else
            QAccessible::updateAccessibility(e);
    };
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(child);
    send(&focus);
    QAccessibleEvent selection(list, QAccessible::SelectionAdd);
    selection.setChild(child);
    send(&selection);
}

void AnnounceListBoxSelection(TCustomListBox* list)
{
    if (!list || (!AccessibilityUpdate && !QAccessible::isActive()))
        return;
    QAccessibleEvent changed(list, QAccessible::Selection);
    if (AccessibilityUpdate)
        AccessibilityUpdate(&changed);
    else
        QAccessible::updateAccessibility(&changed);
}

namespace {
const bool installed = [] {
    QAccessible::installFactory(ListBoxAccessibleFactory);
    RegisterGlobalReset([] { AccessibilityUpdate = nullptr; });
    return true;
}();
} // namespace

} // namespace qz8
