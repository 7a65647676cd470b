#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

"""Reads the running verrin program through the accessibility bus, as a screen reader does,
and checks the names, roles and states it shows and that each action does what it says.

Usage: verrin_accessibility.py <window title>
       verrin_accessibility.py --button <name>: only whether the program shows a button, check box
       or menu entry of that name now (exit status 0 or 1).
Exit status: 0 passed, 1 failed, 77 skipped (no pyatspi)."""
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed", file=sys.stderr)
    sys.exit(77)

TITLE = sys.argv[1]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_until(what, condition, limit=10.0):
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.05)


def nodes(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from nodes(child)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == "verrin":
            return app
    return None


def find(role, name):
    for node in nodes(APP):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def has(node, state):
    return node.getState().contains(state)


def showing(role, name):
    node = find(role, name)
    return node is not None and has(node, pyatspi.STATE_SHOWING)


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    if action not in names:
        fail(f"{node.getRoleName()} {node.name!r} offers {names}, not {action}")
    actions.doAction(names.index(action))


if TITLE == "--button":
    APP = program()
    named = [find(role, sys.argv[2]) for role in ("push button", "check box", "list item")] if APP else []
    sys.exit(0 if any(node is not None for node in named) else 1)

APP = wait_until("the program does not show on the accessibility bus", program)
frame = wait_until("no frame named by the title", lambda: find("frame", TITLE))

# The window holds the content, the title bar and the panel; the grips stay out of the tree.
if frame.childCount != 3:
    fail(f"the window has {frame.childCount} children, expected 3 without the grips")

for name in ("Minimize", "Maximize", "Close"):
    button = find("push button", name)
    if button is None or button.description != name:
        fail(f"no push button named and described {name!r}")

city = find("filler", "City")
if city is None or not city.description:
    fail("the city view has no name and description")

programButton = find("check box", "Menu")
if programButton is None or not has(programButton, pyatspi.STATE_CHECKED):
    fail("no check box named \"Menu\", checked while the panel is open")

act(find("push button", "Maximize"), "Press")
wait_until("Press on Maximize did not turn it into Restore", lambda: find("push button", "Restore"))
act(find("push button", "Restore"), "Press")
wait_until("Press on Restore did not turn it back", lambda: find("push button", "Maximize"))

act(programButton, "Toggle")
wait_until("Toggle did not close the panel", lambda: not showing("list item", "About"))
if has(programButton, pyatspi.STATE_CHECKED):
    fail("the program button stayed checked with the panel closed")
act(programButton, "Toggle")
wait_until("Toggle did not open the panel", lambda: showing("list item", "About"))

# The menu is a list; its entries are its items, in order, as a screen reader counts them.
about = find("list item", "About")
menu = about.parent
entries = [menu.getChildAtIndex(index).name for index in range(menu.childCount)]
if menu.getRoleName() != "list" or entries != ["About", "Exit"]:
    fail(f"the menu is a {menu.getRoleName()} of {entries}, not a list of About and Exit")
act(about, "Press")
wait_until("Press on About did not select it", lambda: has(about, pyatspi.STATE_SELECTED))
portrait = wait_until("the About page shows no portrait", lambda: find("image", "Portrait"))
if not portrait.description:
    fail("the portrait has no description")
act(about, "Press")
wait_until("the second Press did not unselect About", lambda: not has(about, pyatspi.STATE_SELECTED))
wait_until("the About page stayed", lambda: not showing("image", "Portrait"))
print("accessibility checks passed")
