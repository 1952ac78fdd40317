"""A blind person's session: the program as a screen reader meets it over the
desktop's accessibility bus (AT-SPI), in a private D-Bus session, its tree
walked and its events heard with pyatspi, as Orca does."""

import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

# The bus and pyatspi come first: the test runs itself again inside a private
# D-Bus session, under a Python that has pyatspi (Debian's, when the caller's
# has none), with a runtime folder of its own for the accessibility bus's
# socket, apart from any other session's.
if __name__ == "__main__" and "QUORVANT_A11Y_SESSION" not in os.environ:
    python = sys.executable
    if importlib.util.find_spec("pyatspi") is None and os.path.exists("/usr/bin/python3"):
        python = "/usr/bin/python3"
    os.environ["XDG_RUNTIME_DIR"] = os.environ["QUORVANT_A11Y_SESSION"] = tempfile.mkdtemp(prefix="quorvant-a11y-")
    os.execvp("dbus-run-session", ["dbus-run-session", "--", python, os.path.abspath(__file__)] + sys.argv[1:])

import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

from desktop import DesktopTestCase  # noqa: E402

CAPTION = "Quorvant, 4.5.1"
FIELDS = [
    "Home Purchase Price:", "Down Payment Percent:", "Down Payment:", "Loan Amount:", "Term in Years:",
    "Interest Rate:", "Monthly Payment (P&I):", "TOTAL of Fixed Fees:", "Annual Percentage Rate:",
    "Origination Fees:", "Discount Points:", "Prepaid Mortgage Interest:", "Mortgage Insurance Premiums:",
    "Buydown funds:", "Flood check fee:", "Tax Servicing Fee:", "Appraisal:", "Other Loan & Closing Fees:",
]
DEFAULTS = {
    "Home Purchase Price:": "120,000.00", "Down Payment Percent:": "10.0000", "Term in Years:": "30",
    "Interest Rate:": "6.7500", "Origination Fees:": "1,200.00",
}
MESSAGE_A = ("Results of this calculation cannot be determined", "using the values you have entered.",
             "Please try again with different values.")


def accessibility_bus():
    """The address of the session's accessibility bus (at-spi-bus-launcher,
    started by D-Bus on the first request)."""
    out = subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                          "--method", "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=30)
    found = re.search(r"'([^']+)'", out.stdout)
    if out.returncode != 0 or not found:
        raise RuntimeError("no accessibility bus: " + out.stderr.strip())
    return found.group(1)


def role(node):
    return node.getRoleName()


def value(node):
    """What a screen reader reads as the object's value: its text, else its
    numeric value."""
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        pass
    try:
        return str(node.queryValue().currentValue)
    except NotImplementedError:
        return ""


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node, depth=0):
    yield depth, node
    for child in children(node):
        if child is not None:
            yield from walk(child, depth + 1)


def shown(node):
    """The tree as a screen reader sees it, one line per object: role, name,
    value, and the description where there is one."""
    lines = []
    for depth, n in walk(node):
        if n.getState().contains(pyatspi.STATE_SHOWING) or depth == 0:
            line = f"{'  ' * depth}{role(n)} | {n.name} | {value(n)}".rstrip(" |")
            if n.description:
                line += f"  (description: {n.description})"
            lines.append(line.replace("\n", "\\n"))
    return "\n".join(lines)


def find(node, role_name, name=None, where=lambda n: True):
    for _, n in walk(node):
        if role(n) == role_name and (name is None or n.name == name) and where(n):
            return n
    return None


def window_of(node):
    while node is not None and role(node) not in ("frame", "dialog", "alert"):
        node = node.parent
    return node


class Heard:
    """Events as Orca receives them, with what it would ask about their source."""

    KINDS = ("focus:", "object:state-changed:focused", "object:text-changed", "object:property-change:accessible-value",
             "object:state-changed:showing", "window:activate")

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.hear, *self.KINDS)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.hear, *self.KINDS)

    def hear(self, event):
        try:
            source = event.source
            window = window_of(source)
            self.events.append({
                "type": event.type, "detail1": event.detail1, "data": event.any_data,
                "role": role(source), "name": source.name, "description": source.description,
                "value": value(source), "window": window.name if window else None,
                "focused": source.getState().contains(pyatspi.STATE_FOCUSED),
            })
        except Exception as e:  # an object gone before it was asked about
            self.events.append({"type": event.type, "error": str(e)})

    def pump(self, seconds):
        deadline = time.time() + seconds
        context = GLib.MainContext.default()
        while time.time() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)

    def clear(self):
        self.pump(0.3)
        self.events.clear()

    def wait(self, match, seconds=10):
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.pump(0.1)
            found = [e for e in self.events if "error" not in e and match(e)]
            if found:
                return found
        return []

    def describe(self):
        return "\n".join(str(e) for e in self.events)


class ScreenReader(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        # The program finds the bus through the session bus, as on a desktop
        # (Qt 6.4 never registers when given AT_SPI_BUS_ADDRESS: it reports
        # itself enabled before anyone listens), so the bus is started first.
        accessibility_bus()
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        super().setUpClass()

    def app(self, program, timeout=20):
        """The program's accessible application, found by its process."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            for app in children(desktop):
                try:
                    if app is not None and app.get_process_id() == program.process.pid and app.childCount:
                        return app
                except Exception:
                    pass
            time.sleep(0.2)
        self.fail("the program did not appear on the accessibility bus")

    def top(self, app, name, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for window in children(app):
                if window is not None and window.name == name and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
            time.sleep(0.1)
        self.fail(f"no window {name!r}: " + ", ".join(f"{role(w)} {w.name!r}" for w in children(app) if w))

    def wait_no_window(self, app, name, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not any(w is not None and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)
                       for w in children(app)):
                return
            time.sleep(0.1)
        self.fail(f"{name!r} did not close")

    def setUp(self):
        self.heard = Heard()
        self.addCleanup(self.heard.close)
        self.program = self.start()
        self.application = self.app(self.program)
        self.main = self.top(self.application, CAPTION)

    def test_fields_results_tabs_and_texts_as_a_screen_reader_reads_them(self):
        print("\nThe main window as a screen reader sees it:\n" + shown(self.main), file=sys.stderr)
        self.assertEqual(role(self.main), "frame")
        for caption in FIELDS:
            field = find(self.main, "text", caption)
            self.assertIsNotNone(field, caption)
            self.assertRegex(value(field), r"^-?[\d,]+(\.\d+)?$", caption)
            self.assertEqual(value(field), str(value(field)).strip(), caption)
            if caption in DEFAULTS:
                self.assertEqual(value(field), DEFAULTS[caption], caption)
            self.assertIsNotNone(field.queryValue(), caption)
        self.assertEqual(len([n for _, n in walk(self.main) if role(n) == "text" and n.name in FIELDS]), 18)

        tabs_list = find(self.main, "page tab list")
        self.assertIsNotNone(tabs_list)
        self.assertNotEqual(tabs_list.name.strip(), "", "the tab list has no name")
        tabs = [c for c in children(tabs_list) if role(c) == "page tab"]
        self.assertEqual(len(tabs), 3)
        self.assertEqual(tabs[0].name, "Quorvant")
        for tab in tabs:
            self.assertNotEqual(tab.name.strip(), "")
        self.assertTrue(tabs[0].getState().contains(pyatspi.STATE_SELECTED))

        # Pressing the current tab puts the focus on the tab list: the
        # screen reader hears the page's tab with its caption.
        self.heard.clear()
        box = tabs[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.desktop.run("xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                         "click", "1")
        focused = self.heard.wait(lambda e: e["type"] == "object:state-changed:focused" and e["detail1"] == 1
                                  and e["role"] == "page tab")
        self.assertTrue(focused, "no focus on a page tab:\n" + self.heard.describe())
        self.heard.pump(0.5)
        last = [e for e in self.heard.events if e.get("type") == "object:state-changed:focused" and e["detail1"] == 1]
        self.assertEqual((last[-1]["role"], last[-1]["name"]), ("page tab", "Quorvant"), self.heard.describe())
        self.assertFalse([e for e in last if not e["name"].strip()], "focus on a nameless object")

        # The promotional pages: paragraphs stay apart, anchors are links.
        for tab in tabs[1:]:
            texts = [n for _, n in walk(tab) if role(n) == "label" and len(n.name) > 80]
            self.assertTrue(texts, tab.name)
            for text in texts:
                self.assertIsNone(re.search(r"[.:!?][A-Z]", text.name), f"paragraphs run together: {text.name!r}")
            body = max(texts, key=lambda n: len(n.name))
            self.assertIn("\n", body.name, "the body's paragraphs are not apart")
            links = [n for _, n in walk(tab) if role(n) == "link"]
            self.assertGreater(len(links), 2, tab.name)
            self.assertTrue(all(link.name.strip() for link in links))

    def test_a_calculation_tells_the_new_rate(self):
        apr = find(self.main, "text", "Annual Percentage Rate:")
        self.heard.clear()
        # The focus is in the price field, its text selected.
        self.desktop.type("150000")
        self.desktop.key("Tab")
        changed = self.heard.wait(lambda e: e["name"] == "Annual Percentage Rate:" and e["type"] in (
            "object:text-changed:insert", "object:property-change:accessible-value") and e["value"] == "7.0083")
        self.assertTrue(changed, "nothing told of the new rate:\n" + self.heard.describe())
        inserted = [e for e in self.heard.events if e.get("type") == "object:text-changed:insert"
                    and e.get("name") == "Annual Percentage Rate:"]
        self.assertTrue(inserted and inserted[-1]["data"] == "7.0083", self.heard.describe())
        self.assertEqual(value(apr), "7.0083")
        # And the window says the new rate, as a desktop notification is said.
        said = self.heard.wait(lambda e: e["type"] == "object:state-changed:showing" and e["detail1"] == 1
                               and e["role"] == "notification")
        self.assertTrue(said, "no announcement:\n" + self.heard.describe())
        self.assertIn("Annual Percentage Rate: 7.0083", said[-1]["name"])

    def test_the_disclaimer_is_a_dialog_read_when_it_opens(self):
        self.heard.clear()
        self.desktop.key("alt+h")
        self.desktop.key("d")
        dialog = self.top(self.application, "Disclaimer")
        print("\nThe Disclaimer as a screen reader sees it:\n" + shown(dialog), file=sys.stderr)
        self.assertEqual(role(dialog), "dialog")
        self.assertIn("there is NO WARRANTY,", dialog.description)
        self.assertTrue(dialog.description.startswith("Though effort was made"))
        text = find(dialog, "label")
        self.assertTrue(text.name.startswith("Though effort was made to ensure the accuracy"))
        self.assertTrue(text.name.endswith("before making any financial decision."))
        # No control of the dialog takes the focus: the dialog holds it, and
        # a screen reader reads its name and text.
        read = self.heard.wait(lambda e: e["type"] == "object:state-changed:focused" and e["detail1"] == 1
                               and e["window"] == "Disclaimer")
        self.assertTrue(read, "nothing read when the Disclaimer opened:\n" + self.heard.describe())
        self.assertEqual((read[-1]["role"], read[-1]["name"]), ("dialog", "Disclaimer"))
        self.assertTrue(read[-1]["focused"], "the focus event's object does not say it is focused")
        self.assertIn("NO WARRANTY", read[-1]["description"])
        ok = find(dialog, "push button", "OK")
        self.assertIsNotNone(ok)
        ok.queryAction().doAction(0)
        self.wait_no_window(self.application, "Disclaimer")

    def test_about_is_a_dialog_whose_button_takes_the_focus(self):
        self.heard.clear()
        self.desktop.key("alt+h")
        self.desktop.key("a")
        dialog = self.top(self.application, "About " + CAPTION)
        self.assertEqual(role(dialog), "dialog")
        self.assertIn("Version 4.5.1", dialog.description)
        self.assertIn("Compiled February 11, 2010", dialog.description)
        read = self.heard.wait(lambda e: e["type"] == "object:state-changed:focused" and e["detail1"] == 1
                               and e["window"] == "About " + CAPTION)
        self.assertTrue(read, "no focus in the About dialog:\n" + self.heard.describe())
        self.assertEqual((read[-1]["role"], read[-1]["name"]), ("push button", "OK"))
        self.assertTrue(read[-1]["focused"])
        self.desktop.key("Return")
        self.wait_no_window(self.application, "About " + CAPTION)

    def test_the_calculation_message_is_an_alert_with_its_text(self):
        self.desktop.key("Tab", "Tab", "Tab", "Tab")  # on to the origination fees
        self.heard.clear()
        self.desktop.type("200000")
        self.desktop.key("Tab")
        alert = self.top(self.application, "Information")
        self.assertEqual(role(alert), "alert")
        for line in MESSAGE_A:
            self.assertIn(line, alert.description)
        self.assertEqual(alert.description.splitlines(), [MESSAGE_A[0], MESSAGE_A[1], "", MESSAGE_A[2]])
        read = self.heard.wait(lambda e: e["type"] == "object:state-changed:focused" and e["detail1"] == 1
                               and e["window"] == "Information")
        self.assertTrue(read, "no focus in the message box:\n" + self.heard.describe())
        self.assertEqual(read[-1]["role"], "push button")
        self.desktop.key("Return")
        self.wait_no_window(self.application, "Information")
        # Then the worksheet is reset.
        self.assertEqual(value(find(self.main, "text", "Origination Fees:")), "1,200.00")


if __name__ == "__main__":
    try:
        unittest.main()
    finally:
        shutil.rmtree(os.environ["QUORVANT_A11Y_SESSION"], ignore_errors=True)
