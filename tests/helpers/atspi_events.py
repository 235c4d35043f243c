# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""Listens on the AT-SPI bus while keys move the selection in four lists
(the library's styled list and Qt's QListWidget, each with one row and with
several rows selectable) and checks that a screen reader hears of the library's
lists every kind of event it hears of Qt's: focus and selection of the row
reached, deselection of the row left, a row toggled in place, a focus moved
with Ctrl, select-all, and positions that are the rows'; that the lists say
they manage their descendants as Qt's do; and that the focused row's object
outlives 600 other rows asked for. Given any argument, prints
every event it hears."""
import sys

import pyatspi
from atspi_common import check, failures, find_app, finish
from gi.repository import GLib

DEBUG = len(sys.argv) > 1
app = find_app("atspi_lists", "the test window")

lists = {}


def walk(node, depth=0):
    if depth > 10 or node is None:
        return
    if node.getRoleName() in ("list", "table"):
        lists[node.name] = node
        return
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


walk(app)
names = ["Ours, one row", "Qt's, one row", "Ours, several rows", "Qt's, several rows"]
missing = [n for n in names if n not in lists]
if missing:
    print("lists not found:", missing, "found:", list(lists))
    sys.exit(1)

heard = {}  # list name -> list of (event kind, row index or -1)
marks = {}  # list name -> how many of its events came before its Ctrl moves
current = [None]  # the list the keys go to
listening = set()  # lists whose events count: from their first key on, late ones too


def owner(source):
    """The list an event's source is, or is a row of."""
    for name, node in lists.items():
        if source == node:
            return name
        try:
            if source.parent == node:
                return name
        except Exception:
            pass
    return None


def on_event(event):
    if DEBUG:
        print("event", event.type, event.detail1, event.source.getRoleName(), event.source.name, current[0])
    name = owner(event.source)
    if name not in listening:
        return
    kind = event.type if not event.type.startswith("object:state-changed") else "%s=%d" % (event.type, event.detail1)
    row = -1
    try:
        if event.source != lists[name]:
            row = event.source.getIndexInParent()
    except Exception:
        pass
    heard.setdefault(name, []).append((kind, row))


for kind in ("object:state-changed:selected", "object:state-changed:focused", "object:selection-changed",
             "object:active-descendant-changed"):
    pyatspi.Registry.registerEventListener(on_event, kind)

DOWN = 0xFF54
KEY_A = 0x61
SHIFT, CONTROL = 1, 4  # X modifier masks


def press(key, modifiers=0):
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def click(name, row, modifiers=0):
    box = lists[name].getChildAtIndex(row).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateMouseEvent(box.x + 5, box.y + box.height // 2, "b1c")
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


# Per list: give it the keyboard, then Down, Down; for the lists of several rows also
# Shift+Down (extends to a second row) and Down (leaves both).
steps = []
for name in names:
    steps.append(("focus", name))
    steps += [("key", DOWN, 0), ("key", DOWN, 0)]
    if "several" in name:
        # Shift+Down extends to rows 3 and 4; Ctrl+click on row 4 takes it
        # out of the selection in place.
        steps += [("key", DOWN, SHIFT), ("key", DOWN, SHIFT), ("ctrlclick", 4)]
        # Ctrl+Down moves the focus to row 5 and selects nothing; Ctrl+A
        # selects every row.
        steps += [("mark", 0), ("key", DOWN, CONTROL), ("key", KEY_A, CONTROL)]


def run_step():
    if not steps:
        # A moment more for events still on their way, then stop.
        GLib.timeout_add(1000, lambda: pyatspi.Registry.stop())
        return False
    what, arg, *modifiers = steps.pop(0)
    if DEBUG:
        print("step", what, arg)
    if what == "focus":
        # A click on the first row, already the current one, gives the list
        # the keyboard and changes nothing else.
        click(arg, 0)
        steps.insert(0, ("listen", arg))
    elif what == "listen":
        current[0] = arg
        listening.add(arg)
    elif what == "key":
        press(arg, modifiers[0])
    elif what == "ctrlclick":
        click(current[0], arg, CONTROL)
    elif what == "mark":
        # Where the events of the Ctrl moves begin (a moment later: those on
        # their way belong before).
        GLib.timeout_add(400, lambda: marks.__setitem__(current[0], len(heard.get(current[0], []))) and False)
    return True


GLib.timeout_add(500, run_step)
GLib.timeout_add(60_000, lambda: (failures.append("timed out"), pyatspi.Registry.stop()))
pyatspi.Registry.start()


def kinds(name):
    return sorted(set(k for k, _ in heard.get(name, [])))


for ours, theirs in (("Ours, one row", "Qt's, one row"), ("Ours, several rows", "Qt's, several rows")):
    print("%s: %s" % (theirs, kinds(theirs)))
    print("%s: %s" % (ours, kinds(ours)))
    check(kinds(theirs), "nothing heard of %s: the keys did not reach it" % theirs)
    for kind in kinds(theirs):
        check(kind in kinds(ours), "%s sends %s, %s does not" % (theirs, kind, ours))
    # The rows reached are rows 1 and 2 (and 3, 4 with several): a selection
    # event names the row by its true index.
    selected = [row for k, row in heard.get(ours, []) if k == "object:state-changed:selected=1"]
    check(selected[:2] == [1, 2], "%s: rows announced as selected %s, not rows 1 and 2" % (ours, selected))
    left = [row for k, row in heard.get(ours, []) if k == "object:state-changed:selected=0"]
    check(0 in left and 1 in left, "%s: the rows left (0, 1) not announced as deselected: %s" % (ours, left))
    if "several" in ours:
        # Shift+Down adds rows 3 and 4 to row 2; the Ctrl+click takes row 4
        # out: the last thing heard of the selection, as from Qt's list.
        before = heard.get(ours, [])[: marks.get(ours)]
        theirs_before = heard.get(theirs, [])[: marks.get(theirs)]
        last = [(k, row) for k, row in before if "selected" in k][-1:]
        theirs_last = [(k, row) for k, row in theirs_before if "selected" in k][-1:]
        check(selected[2:4] == [3, 4], "%s: rows added by Shift+Down announced as %s" % (ours, selected[2:]))
        check(last == [("object:state-changed:selected=0", 4)] and last == theirs_last,
              "%s: the row toggled off in place was heard as %s, Qt's as %s" % (ours, last, theirs_last))

    if "several" in ours:
        # The focus moved with Ctrl is heard, as from Qt's list.
        focused = [row for k, row in heard.get(ours, []) if k == "object:state-changed:focused=1"]
        theirs_focused = [row for k, row in heard.get(theirs, []) if k == "object:state-changed:focused=1"]
        print("%s: focus heard on rows %s; %s: on rows %s" % (ours, focused, theirs, theirs_focused))
        check(5 in focused or 5 not in theirs_focused,
              "%s: the Ctrl move to row 5 was not heard (focus heard on %s; Qt's on %s)" % (ours, focused, theirs_focused))
        # Select-all never reads as the list (or the focused row) not selected.
        after_ctrl_a = heard.get(ours, [])[marks.get(ours, 0) :]
        check(("object:state-changed:selected=0", -1) not in after_ctrl_a,
              "%s: heard as a list that is not selected: %s" % (ours, after_ctrl_a[-5:]))

# A screen reader need not walk every row: the lists say they manage their
# descendants, as Qt's do.
for name, node in lists.items():
    manages = node.getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS)
    print("%s manages its descendants: %s" % (name, manages))
for ours, theirs in (("Ours, one row", "Qt's, one row"), ("Ours, several rows", "Qt's, several rows")):
    check(lists[ours].getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS)
          or not lists[theirs].getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS),
          "%s does not say it manages its descendants, %s does" % (ours, theirs))

# The focused row's object outlives 600 other rows asked for.
ours = lists["Ours, several rows"]
focused_row = ours.getChildAtIndex(5)
for i in range(300, 900):
    ours.getChildAtIndex(i)
try:
    alive = focused_row.name == "row 5" and focused_row.getIndexInParent() == 5
except Exception as error:
    alive = False
    print("the focused row is gone:", error)
check(alive, "the focused row's object did not outlive 600 other rows")

finish()
