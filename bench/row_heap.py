#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""The heap per row of the styled list box's stored rows beside Qt's
QListWidget and a QListView over a QStringListModel: each list and each size
filled in a fresh process (qz8_row_heap), rows of twelve characters.

    bench/row_heap.py <qz8_row_heap> [rows ...]   (default 10000 1000000 10000000)
"""
import os
import subprocess
import sys

KINDS = ("styled", "qlistwidget", "qstringlistmodel")


def main():
    program = sys.argv[1]
    sizes = [int(a) for a in sys.argv[2:]] or [10_000, 1_000_000, 10_000_000]
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    print("%-18s %12s %16s %20s" % ("list", "rows", "heap B/row", "resident B/row"))
    for rows in sizes:
        for kind in KINDS:
            out = subprocess.run([program, kind, str(rows)], env=env, check=True, capture_output=True,
                                 text=True).stdout
            fields = dict(f.split("=") for f in out.split()[1:])
            print("%-18s %12d %16s %20s" % (kind, rows, fields["heap_bytes_per_row"],
                                             fields["resident_bytes_per_row"]))


if __name__ == "__main__":
    main()
