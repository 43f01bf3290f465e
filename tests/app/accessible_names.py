#!/usr/bin/env python3
"""Lists what a screen reader sees of the running editor and checks the controls' names.

Not part of the suite: it needs an X display, a D-Bus session and the AT-SPI bus.
  Xvfb :99 & export DISPLAY=:99
  dbus-run-session -- python3 tests/app/accessible_names.py build-app/app/plugwright
"""
import os
import subprocess
import sys
import time

import pyatspi

EXPECTED = [
    "Tweak item name", "Tweak item description", "UID", "Key", "Item type", "Item view type",
    "Use selection list", "Minimal value size", "Maximal value size", "Separator", "Select",
    "increase key number", "Add item", "Save item", "Remove item", "Tweak items", "Move up",
    "Move down", "Selection list values", "Count", "Text", "Value", "Add value", "Save value",
    "Selection list texts", "Remove", "Increase value", "Plugin name", "Description",
    "Plugin file", "Plugin uid: 0\u0445fac", "Open plugin", "Save plugin", "join",
    "Associate *.qvx",
]
SKIPPED_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_FRAME,
               pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST_ITEM}


def find_application(pid, timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.5)
    sys.exit("the editor did not appear on the accessibility bus")


def controls(node):
    """Every control below node: (role name, accessible name, labelled-by texts)."""
    for child in node:
        if child is None:
            continue
        if child.getRole() not in SKIPPED_ROLES:
            labels = [target.name
                      for relation in child.getRelationSet()
                      if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      for target in (relation.getTarget(k)
                                     for k in range(relation.getNTargets()))]
            yield child.getRoleName(), child.name, labels
        yield from controls(child)


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build-app/app/plugwright"
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    editor = subprocess.Popen([program], env=env)
    try:
        app = find_application(editor.pid)
        time.sleep(1)
        seen = {}
        for role, name, labels in controls(app):
            print(f"{role:16} {name!r:40} labelled by {labels}" if labels else
                  f"{role:16} {name!r}")
            seen[name] = labels
        # Qt names a drop-down by its value on this platform and by its label through the
        # labelled-by relation; either carries the expected name.
        found = set(seen)
        for labels in seen.values():
            found.update(label.rstrip(": ").strip() for label in labels)
        missing = [name for name in EXPECTED if name not in found]
        print("missing:", missing if missing else "none")
        return 1 if missing else 0
    finally:
        editor.terminate()
        editor.wait()


if __name__ == "__main__":
    sys.exit(main())
