#!/usr/bin/python3
"""The Qt window as a screen reader meets it, through AT-SPI.

Run on an X display (the offscreen platform has no accessibility bridge)
inside a D-Bus session:  check_accessibility.py PROGRAM FACTS [PAGE]
Exits 0 when every row holds, 1 when one fails, 77 when no AT-SPI bus can be
started, which only says that this machine cannot run the check.
"""

import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Atspi 2.46 marks its interface calls deprecated in favour of ones it does
# not have yet; the warnings would only bury the rows.
warnings.simplefilter("ignore", DeprecationWarning)

SKIP = 77
PAGE = "(the company page)"  # CMake passes the address itself

# What a screen reader announces for each kind of control of the form. Qt
# calls every line edit editable, the result boxes too, so only read-only
# tells them apart: (role, focusable, read-only).
ROLES = {
    "Caption": (Atspi.Role.LABEL, False, True),
    "Link": (Atspi.Role.LINK, True, False),
    "EntryBox": (Atspi.Role.TEXT, True, False),
    "ResultBox": (Atspi.Role.TEXT, True, True),
    "Selector": (Atspi.Role.COMBO_BOX, True, False),
}

# The side the list shows at start, which it is announced by.
SELECTOR_NAME = "теневую"

# A part of each description a control has; every other control has none.
DESCRIPTIONS = {
    "Label55": PAGE,
    "Label56": PAGE,
    "Text6": "Объем помещения: 70 куб. м",
    "Text7": "класса 12",
}


def rows_of(facts):
    """One row per control of the form, in its table's order: its name there,
    the role and name a screen reader announces, a part of its description
    ("" for none), and whether it is focusable and read-only. A box is named
    by the caption that names it."""
    captions = {c["labelFor"]: c["caption"] for c in facts["controls"] if c["labelFor"]}
    rows = []
    for control in facts["controls"]:
        name = control["name"]
        kind = "Link" if control["link"] else control["kind"]
        role, focusable, read_only = ROLES[kind]
        if control["kind"] == "Caption":
            label = control["caption"]
        elif control["kind"] == "Selector":
            label = SELECTOR_NAME
        else:
            label = captions[name]
        rows.append((name, role, label, DESCRIPTIONS.get(name, ""), focusable, read_only))
    return rows


def a11y_bus_reachable():
    """Whether the session bus can hand out the accessibility bus."""
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
        return bool(reply.unpack()[0])
    except GLib.Error as error:
        print(f"SKIP: no AT-SPI bus: {error.message}")
        return False


def browser_stand_in(folder):
    """An xdg-open, first on PATH, that notes each page it is given; Qt asks
    xdg-open first and $BROWSER after it."""
    log = os.path.join(folder, "opened.txt")
    script = os.path.join(folder, "xdg-open")
    with open(script, "w", encoding="utf-8") as out:
        out.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{log}"\n')
    os.chmod(script, 0o755)
    return script, log


def wait_for(what, probe, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # Atspi learns of new applications and children from signals, which
        # only its main loop takes in; a client without one reads stale lists.
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise RuntimeError(f"timed out waiting for {what}")


def application_of(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def controls_of(window):
    """The window's direct children, in the table's order, which is the order
    they were made in and the order the bridge lists them."""
    return [window.get_child_at_index(i) for i in range(window.get_child_count())]


def states_of(node):
    states = node.get_state_set()
    return (states.contains(Atspi.StateType.FOCUSABLE), states.contains(Atspi.StateType.READ_ONLY))


def press(node):
    """Runs the node's press (click) action; False when it has none."""
    if "Action" not in node.get_interfaces():
        return False
    for i in range(Atspi.Action.get_n_actions(node)):
        if Atspi.Action.get_action_name(node, i).lower() in ("press", "click", "activate", "jump"):
            return Atspi.Action.do_action(node, i)
    return False


def on_session_bus(pid):
    """Whether the process has joined the session bus, where Qt's bridge
    starts watching for the accessibility bus."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    names = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "ListNames",
                              None, GLib.VariantType("(as)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    for name in names:
        if name.startswith(":"):
            try:
                peer = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                         "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)),
                                         GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000, None)
            except GLib.Error:
                continue
            if peer.unpack()[0] == pid:
                return True
    return False


def main():
    program = sys.argv[1]
    with open(sys.argv[2], encoding="utf-8") as file:
        facts = json.load(file)
    page = sys.argv[3] if len(sys.argv) > 3 else PAGE
    rows = [row[:3] + ((page if row[3] == PAGE else row[3]),) + row[4:] for row in rows_of(facts)]
    try:
        Gio.bus_get_sync(Gio.BusType.SESSION, None)
    except GLib.Error as error:
        print(f"SKIP: no D-Bus session for an AT-SPI bus: {error.message}")
        return SKIP
    with tempfile.TemporaryDirectory() as folder:
        stand_in, log = browser_stand_in(folder)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="ru_RU.UTF-8",
                   PATH=folder + os.pathsep + os.environ.get("PATH", ""), BROWSER=stand_in)
        env.pop("LC_ALL", None)
        child = subprocess.Popen([program], env=env)
        try:
            # Qt 5 misses the accessibility bus now and then when it is up
            # before the program; started after, it is always found.
            wait_for("the program on the session bus", lambda: on_session_bus(child.pid))
            time.sleep(0.5)
            if not a11y_bus_reachable():
                return SKIP
            Atspi.init()
            return check(child, rows, facts, log, page)
        finally:
            child.send_signal(signal.SIGTERM)
            child.wait(10)


def check(child, rows, facts, log, page):
    app = wait_for("the program on the AT-SPI desktop", lambda: application_of(child.pid))
    app.set_cache_mask(Atspi.Cache.NONE)
    window = wait_for("its window", lambda: app.get_child_count() > 0 and app.get_child_at_index(0))
    controls = wait_for("its controls", lambda: len(controls_of(window)) == len(rows) and controls_of(window))
    by_name = {row[0]: node for row, node in zip(rows, controls)}
    # The results, and with them the result boxes' descriptions, as a
    # screen reader's user would get them by typing.
    for box, text in facts["exampleRoom"].items():
        Atspi.EditableText.set_text_contents(by_name[box], text)
    wait_for("the results", lambda: Atspi.Text.get_text(by_name[facts["resultBoxes"][-1]], 0, -1) == "3,3", 10)

    failures = 0
    for name, role, label, description, *states in rows:
        node = by_name[name]
        node.clear_cache()
        seen = (node.get_role(), node.get_name(), node.get_description() or "", states_of(node))
        good = (seen[0] == role and seen[1] == label
                and (description in seen[2] if description else seen[2] == "")
                and seen[3] == tuple(states))
        failures += 0 if good else 1
        print(f"{'ok  ' if good else 'FAIL'} {name:8} role={Atspi.role_get_name(seen[0])!r} name={seen[1]!r} "
              f"description={seen[2].splitlines()[0] if seen[2] else ''!r} "
              f"focusable={seen[3][0]} read-only={seen[3][1]}")
        if not good:
            print(f"     wanted role={Atspi.role_get_name(role)!r} name={label!r} description~{description!r} "
                  f"focusable, read-only={tuple(states)}")

    # Following each link through its action opens the company page once.
    links = [name for name in facts["keyboardOrder"] if any(c["name"] == name and c["link"] for c in facts["controls"])]
    for expected, name in enumerate(links, start=1):
        pressed = press(by_name[name])
        deadline = time.monotonic() + 5
        while len(pages_in(log)) < expected and time.monotonic() < deadline:
            time.sleep(0.1)
        time.sleep(0.3)  # a second page, wrongly opened, would show by now
        pages = pages_in(log)
        good = pressed and pages == [page] * expected
        failures += 0 if good else 1
        print(f"{'ok  ' if good else 'FAIL'} {name:8} action press={pressed} pages opened={len(pages)}, wanted {expected}")
    return 1 if failures else 0


def pages_in(log):
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8") as opened:
        return opened.read().splitlines()


if __name__ == "__main__":
    sys.exit(main())
