"""Prints the program as a screen reader meets it over the accessibility bus,
one line per object (role | name | value): the main window with each page,
what it announces after a calculation, the About and Disclaimer dialogs and
the calculation message. Run by hand:
    QUORVANT_BINARY=build/src/app/quorvant tests/e2e/screen_reader_view.py"""

import importlib.util
import os
import sys
import tempfile
import time

if "QUORVANT_A11Y_SESSION" not in os.environ:
    python = sys.executable
    if importlib.util.find_spec("pyatspi") is None and os.path.exists("/usr/bin/python3"):
        python = "/usr/bin/python3"
    os.environ["XDG_RUNTIME_DIR"] = os.environ["QUORVANT_A11Y_SESSION"] = tempfile.mkdtemp(prefix="quorvant-a11y-")
    os.execvp("dbus-run-session", ["dbus-run-session", "--", python, os.path.abspath(__file__)])

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pyatspi  # noqa: E402

from accessibility_test import CAPTION, Heard, accessibility_bus, children, find, shown  # noqa: E402
from desktop import Desktop, Program  # noqa: E402


def window(app, name, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for w in children(app):
            if w is not None and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        time.sleep(0.1)
    raise RuntimeError(f"no window {name!r}")


def main():
    accessibility_bus()
    os.environ["QUORVANT_BINARY"] = os.path.abspath(os.environ["QUORVANT_BINARY"])
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    desktop = Desktop()
    program = None
    try:
        heard = Heard()
        program = Program(desktop)
        deadline = time.time() + 20
        app = None
        while app is None and time.time() < deadline:
            app = next((a for a in children(pyatspi.Registry.getDesktop(0))
                        if a is not None and a.get_process_id() == program.process.pid and a.childCount), None)
            time.sleep(0.2)
        main_window = window(app, CAPTION)
        print("== the main window\n" + shown(main_window))

        # The focus starts in the price field, its text selected.
        heard.clear()
        desktop.type("150000")
        desktop.key("Tab")
        heard.pump(2)
        print("\n== heard after typing 150000 into the price and pressing Tab")
        for e in heard.events:
            if e.get("role") in ("text", "notification") and e["type"] != "object:state-changed:focused":
                print(f"{e['type']} | {e['role']} | {e['name']} | {e['data'] if isinstance(e['data'], str) else e['value']}")
        desktop.key("Tab", "Tab", "Tab")
        desktop.type("200000")
        desktop.key("Tab")
        message = window(app, "Information")
        print("\n== the calculation message\n" + shown(message))
        desktop.key("Return")
        time.sleep(1)
        program.focus()

        for keys, name in ((("alt+h", "a"), "About " + CAPTION), (("alt+h", "d"), "Disclaimer")):
            heard.clear()
            for key in keys:
                desktop.key(key)
            dialog = window(app, name)
            heard.pump(1)
            print(f"\n== {name}\n" + shown(dialog))
            focus = [e for e in heard.events if e.get("type") == "object:state-changed:focused" and e["detail1"]]
            if focus:
                print(f"focus on opening: {focus[-1]['role']} | {focus[-1]['name']}")
            find(dialog, "push button", "OK").queryAction().doAction(0)
            time.sleep(1)

        tabs = find(main_window, "page tab list")
        for i, tab in enumerate(children(tabs)[1:], start=2):
            tab.queryAction().doAction(0)
            time.sleep(0.5)
            print(f"\n== page {i}\n" + shown(tab))
    finally:
        if program is not None:
            program.close()
        desktop.close()


if __name__ == "__main__":
    main()
