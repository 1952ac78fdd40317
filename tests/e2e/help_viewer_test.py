"""The help window as a person uses it: opened with F1, its index and search
driven from the keyboard, put away with Escape or Ctrl+W, and found again
where it was left."""

import os
import time
import unittest

from desktop import DesktopTestCase

HELP_TITLE = "Quorvant Help"
SHOTS = os.environ.get("QUORVANT_SHOTS", "")


class HelpViewer(DesktopTestCase):

    def open_help(self, program):
        program.focus()
        self.desktop.key("F1")
        window = self.desktop.wait_window("--pid", str(program.process.pid), "--name", f"^{HELP_TITLE}$")[0]
        self.desktop.run("xdotool", "windowactivate", "--sync", window, check=False)
        time.sleep(0.4)
        return window

    def wait_gone(self, window, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            shown = self.desktop.run("xdotool", "search", "--onlyvisible", "--name", f"^{HELP_TITLE}$", check=False)
            if window not in shown.split():
                return True
            time.sleep(0.05)
        return False

    def geometry(self, window):
        out = self.desktop.run("xdotool", "getwindowgeometry", "--shell", window)
        return {k: int(v) for k, v in (line.split("=") for line in out.splitlines() if "=" in line)
                if k in ("X", "Y", "WIDTH", "HEIGHT")}

    def shot(self, name):
        if SHOTS:
            os.makedirs(SHOTS, exist_ok=True)
            self.desktop.screenshot(os.path.join(SHOTS, name))

    def test_escape_and_ctrl_w_close_it_and_it_reopens_where_it_was(self):
        program = self.start()
        window = self.open_help(program)
        # Moved and resized as a person would with the window manager.
        self.desktop.run("xdotool", "windowmove", "--sync", window, "230", "150")
        self.desktop.run("xdotool", "windowsize", "--sync", window, "700", "500")
        time.sleep(0.5)
        placed = self.geometry(window)

        self.desktop.key("Escape")
        self.assertTrue(self.wait_gone(window), "Escape left the help window open")
        self.assertIsNone(program.process.poll())

        window = self.open_help(program)
        self.assertEqual(self.geometry(window), placed)

        self.desktop.key("ctrl+w")
        self.assertTrue(self.wait_gone(window), "Ctrl+W left the help window open")
        window = self.open_help(program)
        self.assertEqual(self.geometry(window), placed)

        # Closing the main window closes the help as well.
        program.focus()
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)

    def test_index_and_search_from_the_keyboard(self):
        program = self.start()
        window = self.open_help(program)
        # The index tab, then a keyword by its first letters.
        self.desktop.key("alt+d")
        self.desktop.key("alt+t")
        self.desktop.type("term of")
        self.desktop.key("Return")
        time.sleep(0.5)
        self.shot("help-index.png")

        self.desktop.key("alt+s")
        self.desktop.key("alt+w")
        self.desktop.type("Brackwell site")
        self.desktop.key("Return")
        time.sleep(0.3)
        # The first topic found, opened from the list.
        self.desktop.key("Tab", "Tab", "Return")
        time.sleep(0.5)
        self.shot("help-search.png")
        self.desktop.key("Escape")
        self.assertTrue(self.wait_gone(window))
        program.focus()
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)


if __name__ == "__main__":
    unittest.main()
