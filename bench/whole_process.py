# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""Whole processes timed as the benchmarks' scripts compare them: each run on
the same one processor (the last one), so that the other processes of a
small machine move neither side more than the other."""
import os
import subprocess
import sys
import time

CPU = max(os.sched_getaffinity(0))


def pinned():
    os.sched_setaffinity(0, {CPU})


def run(command, env):
    """Runs command to its end; returns its wall time, CPU time (seconds) and
    peak resident memory (KiB). A failing command ends the script."""
    start = time.perf_counter()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=pinned)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit("%s failed (%d)" % (" ".join(command), status))
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss
