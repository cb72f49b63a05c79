#!/usr/bin/python3
"""Drives the running RangeDesk window through the accessibility bus, as a screen reader does.

Usage: accessibility_walk.py DEMO DATA_DIR
Starts the window with a simulated meter, finds it on the bus, lists every control's role,
name and description, presses Read by its action once the meter is connected, and reads the
newest reading back from the reading display, then opens the History window by its button.
Prints one JSON object; exits 1 on a timeout.
"""
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

TIMEOUT_S = 30


def wait_for(condition, what):
    """The condition's value once it holds, polled within TIMEOUT_S; exits with `what` if not."""
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    print(json.dumps({"error": "timed out waiting for " + what}))
    sys.exit(1)


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and "rangedesk" in (app.name or "").lower():
            return app
    return None


def walk(node, found):
    for child in node:
        if child is None:
            continue
        states = child.getState()
        found.append({
            "role": child.getRoleName(),
            "name": child.name or "",
            "description": child.description or "",
            "showing": states.contains(pyatspi.STATE_SHOWING),
            "enabled": states.contains(pyatspi.STATE_SENSITIVE),
            "node": child,
        })
        walk(child, found)
    return found


def controls(app):
    app.clear_cache()
    return walk(app, [])


def named(app, name, role=None):
    for control in controls(app):
        if control["name"] == name and (role is None or control["role"] == role):
            return control
    return None


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() in ("press", "click"):
            action.doAction(i)
            return name
    return "none of " + ",".join(names)


def main():
    demo, data = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    window = subprocess.Popen([demo, "--data", data, "--model", "3"], env=env)
    try:
        app = wait_for(find_application, "the window on the accessibility bus")
        app.set_cache_mask(Atspi.Cache.NONE)
        wait_for(lambda: named(app, "Read", "push button"), "the Read button")
        read = wait_for(lambda: (lambda c: c if c and c["enabled"] else None)(
            named(app, "Read", "push button")), "Read enabled (the meter connected)")
        def newest_line():
            return next((c for c in controls(app) if c["description"] == "Newest reading"),
                        None)

        before = newest_line()
        before_text = before["name"] if before and before["showing"] else ""
        action = press(read["node"])
        newest = wait_for(
            lambda: (lambda c: c if c and c["showing"] and c["name"].strip()
                     and c["name"] != before_text else None)(newest_line()),
            "a new reading on the display")
        press(named(app, "History", "push button")["node"])
        wait_for(lambda: named(app, "Downloads", "table"), "the History window's downloads")
        grid = named(app, "Records", "table")
        result = {
            "application": app.name,
            "controls": [{k: v for k, v in c.items() if k != "node"} for c in controls(app)],
            "read_action": action,
            "reading": newest["name"],
            "grid_columns": grid["node"].queryTable().nColumns if grid else -1,
        }
        print(json.dumps(result, ensure_ascii=False))
    finally:
        window.terminate()
        window.wait(timeout=TIMEOUT_S)


if __name__ == "__main__":
    main()
