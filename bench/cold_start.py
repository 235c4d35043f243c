#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""Cold start to the first paint, whole processes: the library's tool window
(200 controls, its form state file read at the first show) against a plain
QMainWindow of the same controls restored from QSettings, run in turn.
Reports the ratio of the medians (ours / Qt) in wall and CPU time.

    bench/cold_start.py <qz8_cold_start> [pairs]      (default 21 pairs)

With valgrind installed, each program then runs once under callgrind for
the instructions of the whole process.

Both programs run on the same one processor (the last one), so that the
other processes of a small machine move neither of them more than the other.

The plain window is qz8_cold_start_plain beside qz8_cold_start: a program
that loads nothing of the library.
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

import whole_process


def run(program, mode, folder, env):
    command = [program, mode, folder] if mode == "ours" else [program + "_plain", folder]
    return whole_process.run(command, env)


def main():
    program = sys.argv[1]
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    with tempfile.TemporaryDirectory() as folder:
        env["XDG_RUNTIME_DIR"] = folder
        if subprocess.call([program, "prepare", folder], env=env, stderr=subprocess.DEVNULL) != 0:
            sys.exit("prepare failed")
        for mode in ("ours", "plain"):  # warm the file system cache once
            run(program, mode, folder, env)
        times = {"ours": [], "plain": []}
        for i in range(pairs):
            order = ("ours", "plain") if i % 2 == 0 else ("plain", "ours")
            for mode in order:
                times[mode].append(run(program, mode, folder, env))
    for what, k in (("wall", 0), ("CPU", 1)):
        ours = [t[k] for t in times["ours"]]
        plain = [t[k] for t in times["plain"]]
        ratios = sorted(o / p for o, p in zip(ours, plain))
        print("%-4s ours %.1f ms, Qt %.1f ms (medians of %d): ratio %.3f; per-pair ratios %.3f..%.3f, quartiles %.3f..%.3f"
              % (what, statistics.median(ours) * 1e3, statistics.median(plain) * 1e3, pairs,
                 statistics.median(ours) / statistics.median(plain), ratios[0], ratios[-1],
                 ratios[len(ratios) // 4], ratios[(3 * len(ratios)) // 4]))
    rss = [t[2] for t in times["ours"]], [t[2] for t in times["plain"]]
    print("peak RSS ours %.1f MiB, Qt %.1f MiB (medians)" % (statistics.median(rss[0]) / 1024, statistics.median(rss[1]) / 1024))
    if shutil.which("valgrind"):
        print("instructions ours %.1fM, Qt %.1fM (callgrind, whole process): ratio %.3f"
              % instructions(program, env))


def instructions(program, env):
    """Each program once under callgrind: the instructions of the whole
    process, loading included."""
    counts = []
    with tempfile.TemporaryDirectory() as folder:
        env = dict(env, XDG_RUNTIME_DIR=folder)
        subprocess.check_call([program, "prepare", folder], env=env, stderr=subprocess.DEVNULL)
        for mode in ("ours", "plain"):
            command = [program, mode, folder] if mode == "ours" else [program + "_plain", folder]
            out = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + command,
                                 env=env, capture_output=True, text=True, check=True).stderr
            counts.append(int(re.search(r"Collected : (\d+)", out).group(1)))
    return counts[0] / 1e6, counts[1] / 1e6, counts[0] / counts[1]


if __name__ == "__main__":
    main()
