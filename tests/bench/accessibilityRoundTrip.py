#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

"""Times what a screen reader asks of a program most often: the name and the state of a push
button, through the accessibility bus, as many times as asked.

Usage: accessibilityRoundTrip.py <process id> <button name> <calls>
Prints "round-trip-ms <median of the calls>". Exit status: 0 measured, 1 failed (the program or
its button did not show within 20 s), 77 skipped (no pyatspi)."""
import statistics
import sys
import time

try:
    import pyatspi
except ImportError:
    print("python3-pyatspi is not installed", file=sys.stderr)
    sys.exit(77)

PID = int(sys.argv[1])
NAME = sys.argv[2]
CALLS = int(sys.argv[3])


def nodes(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from nodes(child)


def button():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is None or app.get_process_id() != PID:
            continue
        for node in nodes(app):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == NAME:
                return node
    return None


deadline = time.monotonic() + 20
found = button()
while found is None and time.monotonic() < deadline:
    time.sleep(0.1)
    found = button()
if found is None:
    print(f"no push button {NAME!r} in process {PID} on the accessibility bus", file=sys.stderr)
    sys.exit(1)

samples = []
for _ in range(CALLS):
    start = time.perf_counter()
    found.name
    found.getState()
    samples.append((time.perf_counter() - start) * 1000)
print(f"round-trip-ms {statistics.median(samples):.4f}")
