// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "accessibility/ListBoxAccessible_p.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListBoxAnnouncements_p.h"
#include "toolkit/Types.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <list>

namespace qz8 {

namespace {

class RowAccessible;

// Above this many rows a list is presented as a table of one column: screen
// readers (Orca) count a list's items one child at a time when it takes the
// focus, which takes about a millisecond a row over the bus, while a
// table's size is one call.
constexpr int kTableRows = 5'000;

bool PresentedAsTable(const TCustomListBox* list) { return list && list->Count() > kTableRows; }

// The list: its children are all its rows (as QListView's table reports
// them), each made when asked for; a bounded cache keeps the rows asked for
// last, so a list of ten million rows costs no object per row. Like
// QListView's, it is also a table of one column: the AT-SPI bridge then tells
// screen readers that it manages its descendants (they follow the focus and
// ask for the rows they need instead of walking every child) and they read
// the number of rows at once.
class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListAccessible(TCustomListBox* list) : QAccessibleWidget(list, QAccessible::List) { }
    TCustomListBox* List() const { return static_cast<TCustomListBox*>(widget()); }
    QAccessible::Role role() const override
    {
        return PresentedAsTable(List()) ? QAccessible::Table : QAccessible::List;
    }
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
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The table of one column.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return column == 0 ? child(row) : nullptr; }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const int row : selectedRows())
            cells << child(row);
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override
    {
        const int n = List()->SelCount();
        return n >= 0 ? n : (List()->ItemIndex() >= 0 ? 1 : 0);
    }
    int columnCount() const override { return 1; }
    int rowCount() const override { return List()->Count(); }
    QList<int> selectedColumns() const override { return {}; }
    // At most kListedSelectedRows: a selection of millions of rows is not
    // sent over the bus row by row (selectedRowCount() has their number).
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (int row = List()->NextSelected(0); row >= 0 && rows.size() < kListedSelectedRows;
             row = List()->NextSelected(row + 1))
            rows << row;
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return List()->Selected(row); }
    bool selectRow(int row) override
    {
        if (row < 0 || row >= List()->Count())
            return false;
        if (List()->MultiSelect())
            List()->SetSelected(row, true);
        else
            List()->SetItemIndex(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override
    {
        if (row < 0 || row >= List()->Count())
            return false;
        List()->SetSelected(row, false);
        return true;
    }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    static constexpr int kListedSelectedRows = 10'000;
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
    QAccessible::Role role() const override
    {
        return PresentedAsTable(fList) ? QAccessible::Cell : QAccessible::ListItem;
    }
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
// meets the same object for the same row while it is cached. At most
// kRowInterfaceLimit rows of a list are: the least recently asked for go
// first, but never the focused row, and selected rows only when nothing
// else is left to drop (a focus-lost or selection event must not carry a
// row object already gone).
constexpr int kRowInterfaceLimit = 512;

struct TRowCache {
    struct Entry {
        QAccessible::Id id;
        std::list<int>::iterator use;
    };
    QHash<int, Entry> rows;
    std::list<int> uses; // least recently asked for first
};

QHash<const QObject*, TRowCache>& RowCaches()
{
    static QHash<const QObject*, TRowCache> caches;
    return caches;
}

// Drops one row interface, the least recently used that may go; false when
// none may.
bool DropOneRow(TCustomListBox* list, TRowCache& cache, int keep)
{
    const int focused = list->ItemIndex();
    auto victim = cache.uses.end();
    for (auto it = cache.uses.begin(); it != cache.uses.end(); ++it) {
        if (*it == keep || *it == focused)
            continue;
        if (!list->Selected(*it)) {
            victim = it;
            break;
        }
        if (victim == cache.uses.end())
            victim = it; // the least recent selected row, if nothing else
    }
    if (victim == cache.uses.end())
        return false;
    const auto entry = cache.rows.find(*victim);
    QAccessible::deleteAccessibleInterface(entry->id);
    cache.rows.erase(entry);
    cache.uses.erase(victim);
    return true;
}

QAccessibleInterface* RowInterface(TCustomListBox* list, int row)
{
    QHash<const QObject*, TRowCache>& caches = RowCaches();
    const bool tracked = caches.contains(list);
    TRowCache& cache = caches[list];
    if (auto it = cache.rows.find(row); it != cache.rows.end()) {
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(it->id)) {
            cache.uses.splice(cache.uses.end(), cache.uses, it->use); // now the most recent
            return known;
        }
        cache.uses.erase(it->use);
        cache.rows.erase(it);
    }
    auto* iface = new RowAccessible(list, row);
    cache.uses.push_back(row);
    cache.rows.insert(row, {QAccessible::registerAccessibleInterface(iface), std::prev(cache.uses.end())});
    while (cache.rows.size() > kRowInterfaceLimit && DropOneRow(list, cache, row)) {
    }
    if (!tracked) {
        // The rows of a list go with it.
        QObject::connect(list, &QObject::destroyed, [list] {
            const TRowCache gone = RowCaches().take(list);
            for (const TRowCache::Entry& entry : gone.rows)
                QAccessible::deleteAccessibleInterface(entry.id);
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

void AnnounceListBoxRow(TCustomListBox* list, int previousRow, bool previousWasSelected, bool rowWasSelected)
{
    if (!list || !Listening())
        return;
    const int row = list->ItemIndex();
    // As QListView: the focus, then only what changed: the row reached
    // when its selection changed, the row left when it is no longer
    // selected. A focus move with Ctrl changes no selection.
    if (row >= 0) {
        Send(list, QAccessible::Focus, row);
        if (list->Selected(row) != rowWasSelected)
            Send(list, list->Selected(row) ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, row);
    }
    if (previousRow >= 0 && previousRow != row && previousRow < list->Count() && previousWasSelected &&
        !list->Selected(previousRow))
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
    return it == RowCaches().constEnd() ? 0 : int(it->rows.size());
}

void AnnounceListBoxSelection(TCustomListBox* list)
{
    if (!list || !Listening())
        return;
    // The selection within the list changed as a whole: never "the list is
    // not selected".
    Send(list, QAccessible::SelectionWithin);
}

namespace {
const bool installed = [] {
    QAccessible::installFactory(ListBoxAccessibleFactory);
    ListBoxAnnouncements() = {AnnounceListBoxRow, AnnounceListBoxRowSelection, AnnounceListBoxSelection};
    RegisterGlobalReset([] { AccessibilityUpdate = nullptr; });
    return true;
}();
} // namespace

} // namespace qz8
