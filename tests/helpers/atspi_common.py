# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""What the screen-reader probes share: finding the program on the
accessibility bus, collecting failed checks and reporting them."""
import sys
import time

import pyatspi

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def find_app(name, what):
    """The application called name on the bus, waited for up to 30 s; exits
    saying that what did not appear otherwise."""
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(60):
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        app = next((a for a in apps if a and a.name == name), None)
        if app:
            return app
        time.sleep(0.5)
    print("%s did not appear on the accessibility bus" % what)
    sys.exit(1)


def finish():
    for f in failures:
        print("FAILED:", f)
    print("%d checks failed" % len(failures))
    sys.exit(1 if failures else 0)
