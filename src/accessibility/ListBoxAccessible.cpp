#include "accessibility/ListBoxAccessible_p.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListBoxAnnouncements_p.h"
#include "toolkit/Types.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <deque>

namespace qz8 {

namespace {

class RowAccessible;

// The list: its children are all its rows (as QListView's table reports
// them), each made when asked for; a bounded cache keeps the rows asked for
// last, so a list of ten million rows costs no object per row.
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
// meets the same object for the same row while it is cached; at most
// kRowInterfaceLimit rows of a list are, the first made going first.
constexpr int kRowInterfaceLimit = 512;

struct TRowCache {
    QHash<int, QAccessible::Id> ids;
    std::deque<int> made; // rows in the order they were made
};

QHash<const QObject*, TRowCache>& RowCaches()
{
    static QHash<const QObject*, TRowCache> caches;
    return caches;
}

QAccessibleInterface* RowInterface(TCustomListBox* list, int row)
{
    QHash<const QObject*, TRowCache>& caches = RowCaches();
    const bool tracked = caches.contains(list);
    TRowCache& cache = caches[list];
    if (auto it = cache.ids.constFind(row); it != cache.ids.constEnd()) {
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(it.value()))
            return known;
    }
    auto* iface = new RowAccessible(list, row);
    cache.ids.insert(row, QAccessible::registerAccessibleInterface(iface));
    cache.made.push_back(row);
    while (cache.ids.size() > kRowInterfaceLimit && !cache.made.empty()) {
        const int oldest = cache.made.front();
        cache.made.pop_front();
        if (oldest == row)
            continue;
        if (auto it = cache.ids.find(oldest); it != cache.ids.end()) {
            QAccessible::deleteAccessibleInterface(it.value());
            cache.ids.erase(it);
        }
    }
    if (!tracked) {
        // The rows of a list go with it.
        QObject::connect(list, &QObject::destroyed, [list] {
            const TRowCache gone = RowCaches().take(list);
            for (const QAccessible::Id id : gone.ids)
                QAccessible::deleteAccessibleInterface(id);
        });
    }
    return iface;
}

int ListAccessible::childCount() const { return List()->Count(); }

QAccessibleInterface* ListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return RowInterface(List(), index);
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* row = dynamic_cast<const RowAccessible*>(child);
    if (!row || row->parent() != this || !row->isValid())
        return -1;
    return row->Row();
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

namespace {

// Whether anyone listens: nothing is built otherwise (an index change is a
// hot path).
bool Listening() { return AccessibilityUpdate || QAccessible::isActive(); }

// Sends an event about the list, or about one of its rows (child >= 0).
void Send(TCustomListBox* list, QAccessible::Event type, int child = -1)
{
    QAccessibleEvent e(list, type);
    e.setChild(child);
    if (AccessibilityUpdate)
        AccessibilityUpdate(&e);
    else
        QAccessible::updateAccessibility(&e);
}

} // namespace

void AnnounceListBoxRow(TCustomListBox* list, int previousRow)
{
    if (!list || !Listening())
        return;
    const int row = list->ItemIndex();
    // As QListView: the focus, the row selected, and the row left when it
    // is no longer selected.
    if (row >= 0) {
        Send(list, QAccessible::Focus, row);
        Send(list, QAccessible::SelectionAdd, row);
    }
    if (previousRow >= 0 && previousRow != row && previousRow < list->Count() && !list->Selected(previousRow))
        Send(list, QAccessible::SelectionRemove, previousRow);
}

void AnnounceListBoxRowSelection(TCustomListBox* list, int row)
{
    if (list && row >= 0 && row < list->Count() && Listening())
        Send(list, list->Selected(row) ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, row);
}

int CachedRowInterfaces(const TCustomListBox* list)
{
    const auto it = RowCaches().constFind(list);
    return it == RowCaches().constEnd() ? 0 : int(it->ids.size());
}

void AnnounceListBoxSelection(TCustomListBox* list)
{
    if (list && Listening())
        Send(list, QAccessible::Selection);
}

namespace {
const bool installed = [] {
    QAccessible::installFactory(ListBoxAccessibleFactory);
    ListBoxAnnouncements() = {[](TCustomListBox* list, int previousRow) { AnnounceListBoxRow(list, previousRow); },
                              AnnounceListBoxRowSelection, AnnounceListBoxSelection};
    RegisterGlobalReset([] { AccessibilityUpdate = nullptr; });
    return true;
}();
} // namespace

} // namespace qz8
