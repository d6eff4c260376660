# Prints, one line each, the focusable controls of a program that a screen reader finds without
# a name, and its windows without a title; prints nothing when each has its name.
#   /usr/bin/python3 atspi_nameless.py PROGRAM
import sys

import pyatspi


def path_of(obj):
    parts = []
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append(f"{obj.getRoleName()} '{obj.name}'")
        obj = obj.parent
    return " / ".join(reversed(parts))


def walk(obj, found):
    for child in obj:
        if child is None:
            continue
        states = child.getState()
        if (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)
                and not child.name.strip()):
            found.append(path_of(child))
        walk(child, found)


def main():
    program = sys.argv[1]
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.name == program]
    if not apps:
        names = [app.name for app in desktop if app is not None]
        print(f"no program {program} on the accessibility bus, only {names}")
        return 1
    found = []
    for window in apps[0]:
        if window is None:
            continue
        if window.getState().contains(pyatspi.STATE_SHOWING) and not window.name.strip():
            found.append(f"a window without a title: {window.getRoleName()}")
        walk(window, found)
    for line in found:
        print(line)
    return 0


sys.exit(main())
