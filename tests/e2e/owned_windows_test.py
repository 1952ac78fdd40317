"""The program's windows as a window manager sees them: the dialogs, message
boxes and help windows belong to the main window (one taskbar button, kept
above it), every window carries the program's icon, and the welcome topic
of a first run leaves the keyboard in the calculator."""

import os
import re
import time
import unittest

from desktop import DesktopTestCase

HELP_TITLE = "Quorvant Help"
SHOTS = os.environ.get("QUORVANT_SHOTS", "")


class WindowManagerView:
    """Window properties read with xprop, as a taskbar or pager reads them."""

    def __init__(self, desktop):
        self.desktop = desktop

    def prop(self, window, name):
        return self.desktop.run("xprop", "-id", str(window), name, check=False)

    def ids(self, text):
        return [int(x, 16) for x in re.findall(r"0x[0-9a-fA-F]+", text.split("#", 1)[-1])] if "#" in text else []

    def transient_for(self, window):
        ids = self.ids(self.prop(window, "WM_TRANSIENT_FOR"))
        return ids[0] if ids else None

    def clients(self, stacking=False):
        name = "_NET_CLIENT_LIST_STACKING" if stacking else "_NET_CLIENT_LIST"
        return self.ids(self.desktop.run("xprop", "-root", name, check=False))

    def pid(self, window):
        found = re.search(r"= (\d+)", self.prop(window, "_NET_WM_PID"))
        return int(found.group(1)) if found else None

    def has_icon(self, window):
        """The program's own icon, not the desktop's stand-in for a program
        without one: the sizes it ships (its 32-pixel window icon, its 48-
        and 128-pixel desktop icons)."""
        sizes = set(re.findall(r"Icon \((\d+) x \d+\)", self.prop(window, "_NET_WM_ICON")))
        return {"32", "48", "128"} <= sizes

    def types(self, window):
        return self.prop(window, "_NET_WM_WINDOW_TYPE")

    def states(self, window):
        return self.prop(window, "_NET_WM_STATE")


class OwnedWindows(DesktopTestCase):

    def setUp(self):
        self.wm = WindowManagerView(self.desktop)

    def window(self, name, program, timeout=10):
        return int(self.desktop.wait_window("--pid", str(program.process.pid), "--name", name, timeout=timeout)[0])

    def wait_gone(self, name, program, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.desktop.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.process.pid),
                                    "--name", name, check=False):
                return True
            time.sleep(0.1)
        return False

    def taskbar_windows(self, program):
        """The program's managed windows that a taskbar lists: not owned by
        another window and not asking to be left out."""
        shown = []
        for window in self.wm.clients():
            if self.wm.pid(window) != program.process.pid:
                continue
            if self.wm.transient_for(window) is None and "SKIP_TASKBAR" not in self.wm.states(window):
                shown.append(window)
        return shown

    def assert_owned(self, window, main, what, modal=True):
        self.assertEqual(self.wm.transient_for(window), main, f"{what} is not transient for the main window")
        if modal:
            self.assertIn("_NET_WM_STATE_MODAL", self.wm.states(window), f"{what} is not modal")
        self.assertTrue(self.wm.has_icon(window), f"{what} has no icon")
        self.assertEqual(self.taskbar_windows(self.program), [main], f"a second taskbar button with {what}")
        # Stacked above the main window.
        stacking = self.wm.clients(stacking=True)
        self.assertGreater(stacking.index(window), stacking.index(main), f"{what} is below the main window")

    def test_dialogs_message_boxes_and_help_belong_to_the_main_window(self):
        self.program = program = self.start()
        main = int(program.window)
        self.assertTrue(self.wm.has_icon(main), "the main window has no icon")
        self.assertEqual(self.taskbar_windows(program), [main])

        self.desktop.key("alt+h")
        self.desktop.key("a")
        about = self.window("About Quorvant, 4.5.1", program)
        self.assertIn("_NET_WM_WINDOW_TYPE_DIALOG", self.wm.types(about))
        self.assert_owned(about, main, "About")
        self.desktop.run("xdotool", "windowfocus", "--sync", str(about), check=False)
        self.desktop.key("Return")
        self.assertTrue(self.wait_gone("About Quorvant", program))

        program.focus()
        self.desktop.key("alt+h")
        self.desktop.key("d")
        disclaimer = self.window("^Disclaimer$", program)
        self.assert_owned(disclaimer, main, "the Disclaimer")
        self.desktop.run("xdotool", "mousemove", "--window", str(disclaimer), "289", "112", "click", "1")
        self.assertTrue(self.wait_gone("^Disclaimer$", program))

        # Fees far above the loan: the calculation's message box.
        program.focus()
        self.desktop.key("Tab", "Tab", "Tab", "Tab")
        self.desktop.type("9999999")
        self.desktop.key("Tab")
        box = self.window("^Information$", program)
        self.assert_owned(box, main, "the message box")
        self.desktop.run("xdotool", "windowfocus", "--sync", str(box), check=False)
        self.desktop.key("Return")
        self.assertTrue(self.wait_gone("^Information$", program))

        program.focus()
        self.desktop.key("F1")
        viewer = self.window(HELP_TITLE, program)
        time.sleep(0.3)
        self.assert_owned(viewer, main, "the help window", modal=False)

        program.focus()
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)

    def test_a_first_run_shows_the_welcome_topic_above_the_window_and_typing_reaches_the_price(self):
        # No settings file at all, and nobody clicks the window: the desktop
        # decides where the keyboard goes.
        self.program = program = self.start(first_run=True, activate=False)
        main = int(program.window)
        viewer = self.window(HELP_TITLE, program)
        time.sleep(0.5)
        self.assertEqual(self.wm.transient_for(viewer), main, "the welcome topic is not owned by the main window")
        stacking = self.wm.clients(stacking=True)
        self.assertGreater(stacking.index(viewer), stacking.index(main), "the welcome topic is behind")
        self.assertEqual(self.taskbar_windows(program), [main])
        # Short of room beside the window on this screen, the topic stands
        # against the screen's edge and leaves the fields' column in sight.
        own = program.geometry()
        out = self.desktop.run("xdotool", "getwindowgeometry", "--shell", str(viewer))
        topic = {k: int(v) for k, v in (line.split("=") for line in out.splitlines() if "=" in line)}
        covered = min(own["X"] + own["WIDTH"], topic["X"] + topic["WIDTH"]) - max(own["X"], topic["X"])
        self.assertLessEqual(covered, own["WIDTH"] // 2, f"the topic covers the calculator: {own} {topic}")

        self.desktop.type("250000")
        self.desktop.key("Tab")
        if SHOTS:
            self.desktop.screenshot(os.path.join(SHOTS, "first_run.png"))
        self.assertTrue(self.desktop.run("xdotool", "search", "--onlyvisible", "--name", HELP_TITLE, check=False),
                        "the welcome topic went away")
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        with open(program.settings_path, newline="") as f:
            saved = f.read()
        self.assertIn("PurchasePrice=250000\r\n", saved)
        self.assertIn("Run=1\r\n", saved)


if __name__ == "__main__":
    unittest.main()
