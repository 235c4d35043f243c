#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""qz8-formstate get and set against KDE's kreadconfig5 and kwriteconfig5
(Debian's libkf5config-bin), whole processes, in turn, on one processor:
the same key of the same file of 2,000 sections. Reports each program's
median CPU time and wall time, and the ratio of the medians (ours / KDE's).

    bench/formstate_vs_kconfig.py <qz8-formstate> [pairs]   (default 31 pairs)

Installs libkf5config-bin when it is missing (the benchmark's own set-up;
the library does not depend on it).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

import whole_process

def run(command, env):
    wall, cpu, _ = whole_process.run(command, env)
    return wall, cpu


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    ours = os.path.abspath(sys.argv[1])
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 31
    if not shutil.which("kreadconfig5"):
        sudo = [] if os.geteuid() == 0 else ["sudo"]
        subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends", "libkf5config-bin"],
                       check=True, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "tool.ini")
    with open(path, "w") as f:
        for i in range(2000):
            f.write("[Control%d]\ntext=value of control %d\n" % (i, i))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    commands = {
        "get": ([ours, "get", path, "Control1000", "text"],
                ["kreadconfig5", "--file", path, "--group", "Control1000", "--key", "text"]),
        "set": ([ours, "set", path, "Control1000", "text", "new value"],
                ["kwriteconfig5", "--file", path, "--group", "Control1000", "--key", "text", "new value"]),
    }
    for name, (mine, kde) in commands.items():
        times = {"ours": [], "kde": []}
        for _ in range(pairs):
            times["ours"].append(run(mine, env))
            times["kde"].append(run(kde, env))
        med = {k: (statistics.median(w for w, _ in v), statistics.median(c for _, c in v)) for k, v in times.items()}
        print("%s: qz8-formstate %.1f ms CPU (%.1f ms wall), %s %.1f ms CPU (%.1f ms wall); CPU ratio %.2f"
              % (name, med["ours"][1] * 1000, med["ours"][0] * 1000, kde[0], med["kde"][1] * 1000,
                 med["kde"][0] * 1000, med["ours"][1] / med["kde"][1]))
    shutil.rmtree(folder)


if __name__ == "__main__":
    main()
