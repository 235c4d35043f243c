# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""Reads the gallery's accessible tree as a screen reader does (pyatspi over
the AT-SPI bus) and checks what a listener meets: every row of a list is a
child with its true position, the tool-bar image buttons and the browse
buttons have names, combo boxes (the colour combo too) say what they show, the
status-bar panels are labels holding their text."""
import pyatspi
from atspi_common import check, find_app, finish

app = find_app("gallery", "the gallery")

found = {}


def walk(node, depth=0):
    if depth > 14:
        return
    try:
        role, name, count = node.getRoleName(), node.name, node.childCount
    except Exception:
        return
    found.setdefault(role, []).append((name, node))
    if role in ("list", "table", "tree table"):
        return  # rows are checked below, by index
    for i in range(min(count, 80)):
        child = node.getChildAtIndex(i)
        if child:
            walk(child, depth + 1)


walk(app)
# A list of millions of rows is a table of one column (a screen reader reads
# a table's size in one call, where it counts a list's items one by one).
lists = dict((name, node) for name, node in found.get("list", []))
tables = dict((name, node) for name, node in found.get("table", []))
virtual = tables.get("Frequencies, virtual")
check(virtual is not None, "the virtual styled list is not in the tree as a table")
check(lists, "no list of a few rows is in the tree as a list")
if virtual is not None:
    check(virtual.childCount == 10_000_000, "the virtual list reports %d rows" % virtual.childCount)
    table = virtual.queryTable()
    check(table.nRows == 10_000_000 and table.nColumns == 1, "the table is %d x %d" % (table.nRows, table.nColumns))
    last = virtual.getChildAtIndex(9_999_999)
    check(last is not None and last.getIndexInParent() == 9_999_999, "the last row is not row 10,000,000")
    check(last is not None and last.getRoleName() == "table cell", "a row is not a table cell")
    check(last is not None and last.name, "the last row has no name")
# The role's name is "push button" before at-spi2-core 2.50 (Debian 12) and
# "button" since (Debian 13).
buttons = [name for role in ("push button", "button") for name, _ in found.get(role, [])]
for purpose in ("Open", "Save", "Search", "Sort", "Chart", "Concordance"):
    check(purpose in buttons, "the tool button %s has no name" % purpose)
check(any(name for name in buttons if name == "Browse" or name.startswith("Select")), "no named browse button")
check(all(name for name in buttons), "an unnamed push button: %s" % buttons)
# Combo boxes are named by the value they show (Qt's way on Linux): the
# colour combo, whose rows are only painted, by its colour in words.
combos = [name for name, _ in found.get("combo box", [])]
check(combos and all(name.strip() for name in combos), "combo boxes without a name: %s" % combos)
bars = [node for _, node in found.get("status bar", [])]
panels = []
for bar in bars:
    for i in range(bar.childCount):
        child = bar.getChildAtIndex(i)
        if child.getRoleName() != "unknown":  # the size grip
            panels.append((child.getRoleName(), child.name))
check(panels and all(role == "label" and name for role, name in panels), "status-bar panels: %s" % panels)

finish()
