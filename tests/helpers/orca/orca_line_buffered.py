# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs Orca with its debug log (argv[1]) written line by line: it is
# block-buffered otherwise, and lost when Orca is stopped.
import builtins, sys
log = sys.argv[1]
_open = builtins.open
def lined(f, mode='r', *a, **k):
    if f == log:
        return _open(f, mode, 1)
    return _open(f, mode, *a, **k)
builtins.open = lined
sys.argv = ['/usr/bin/orca', '-d', 'speech', '-d', 'braille', '--debug-file', log]
code = compile(_open('/usr/bin/orca').read(), '/usr/bin/orca', 'exec')
exec(code, {'__name__': '__main__', '__file__': '/usr/bin/orca'})
