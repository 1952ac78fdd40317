"""A value being typed survives the menus, a visit to another program and a
message box: the field is left only when the focus really moves on, and
then with all its exit work. A click of any button on the web panel opens
the maker's home page."""

import os
import shutil
import stat
import subprocess
import tempfile
import time
import unittest

from desktop import DesktopTestCase

VALUES = {"PurchasePrice": "200000", "DownPaymentPercent": "10", "Term": "30", "Interest": "6.75",
          "OriginationFees": "1200", "Points": "1200", "PrepaidInterest": "500", "MIP": "500", "Buydown": "0",
          "FloodCheck": "50", "TaxService": "50", "Other1": "0", "Other2": "0"}


def saved(program):
    with open(program.settings_path, newline="") as f:
        return dict(line.split("=", 1) for line in f.read().split("\r\n") if "=" in line)


class Session(DesktopTestCase):

    def start_with(self, **changes):
        config = tempfile.mkdtemp(prefix="quorvant-e2e-menu-")
        self.addCleanup(shutil.rmtree, config, ignore_errors=True)
        os.makedirs(os.path.join(config, "Quorvant"))
        values = dict(VALUES, **changes)
        with open(os.path.join(config, "Quorvant", "quorvant.ini"), "w", newline="") as f:
            f.write("[LastValues]\r\n" + "".join(f"{k}={v}\r\n" for k, v in values.items()) +
                    "[GeneralValues]\r\nRun=1\r\n")
        program = self.start(config_home=config)
        self.menu_height = program.geometry()["HEIGHT"] - 406
        return program

    def focused_text(self):
        """The focused field's text, selected (Shift+End) and copied."""
        self.desktop.set_clipboard("")
        self.desktop.key("shift+End", "ctrl+c")
        return self.desktop.clipboard().strip()

    def information_box(self, timeout):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.desktop.run("xdotool", "search", "--onlyvisible", "--name", "^Information$", check=False):
                return True
            time.sleep(0.1)
        return False


class MenuModeIsNoExit(Session):

    def round_trips(self, program):
        click_file = lambda: program.click(15, self.menu_height // 2)  # noqa: E731
        right_click = lambda: program.click(600, self.menu_height + 16, button=3)  # noqa: E731
        return [
            ("Alt tapped, Escape", [lambda: self.desktop.key("alt"), lambda: self.desktop.key("Escape")]),
            ("Alt tapped twice", [lambda: self.desktop.key("alt"), lambda: self.desktop.key("alt")]),
            ("Alt+F, Escape twice", [lambda: self.desktop.key("alt+f", "Escape", "Escape")]),
            ("Alt+F, along the menus, Escape", [lambda: self.desktop.key("alt+f", "Down", "Down", "Right",
                                                                         "Right", "Left", "Escape", "Escape")]),
            ("F10, Escape", [lambda: self.desktop.key("F10"), lambda: self.desktop.key("Escape")]),
            ("File clicked, Escape twice", [click_file, lambda: self.desktop.key("Escape", "Escape")]),
            ("File clicked twice", [click_file, click_file]),
            ("pop-up menu, Escape", [right_click, lambda: self.desktop.key("Escape")]),
        ]

    def test_opening_and_closing_a_menu_keeps_the_entry_and_nothing_is_calculated(self):
        program = self.start_with()
        for name, steps in self.round_trips(program):
            with self.subTest(name):
                self.desktop.type("12")
                for step in steps:
                    step()
                program.focus()  # openbox gives the keyboard back after a click on the menu
                self.desktop.type("3")
                # "3" was appended: the entry went on, nothing selected it.
                self.assertEqual(self.focused_text(), "123")
        # Exit from the menu: the typed value never left its field, the values
        # of the last calculation (here: as read at start) are saved.
        self.desktop.type("45")
        self.desktop.key("alt+f")
        self.desktop.key("x")
        self.assertEqual(program.wait_closed(), 0)
        self.assertEqual(saved(program)["PurchasePrice"], "200000")

    def test_the_file_menu_with_fees_above_the_loan_shows_no_message(self):
        program = self.start_with(OriginationFees="900000")
        self.desktop.key("alt+f")
        shown = self.information_box(timeout=2)
        if shown:
            self.desktop.key("Return")
        self.assertFalse(shown, "opening the File menu calculated")
        self.desktop.key("Escape", "Escape")
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        self.assertEqual(saved(program)["OriginationFees"], "900000")

    def test_a_command_that_moves_the_focus_leaves_the_field(self):
        program = self.start_with()
        self.desktop.key("Tab", "Tab", "Tab")  # interest
        self.desktop.type("7.123456")
        self.desktop.key("alt+f", "Escape", "Escape")
        self.desktop.key("alt+f")
        self.desktop.key("r")  # Reset moves the focus to the price field
        self.desktop.type("150000")
        self.desktop.key("Tab")
        self.assertEqual(self.focused_text(), "10.0000")
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        values = saved(program)
        self.assertEqual(values["PurchasePrice"], "150000")
        self.assertEqual(values["Interest"], "6.75")  # the default


class ComingBack(Session):

    def other_program(self):
        other = subprocess.Popen(["xmessage", "-name", "quorvant-e2e-other", "another program"], env=self.desktop.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(other.wait)
        self.addCleanup(other.kill)
        # Xt sets no _NET_WM_PID: found by the name it was given.
        return self.desktop.wait_window("--name", "^quorvant-e2e-other$")[0]

    def test_coming_back_leaves_the_field_as_tab_would(self):
        program = self.start_with()
        other = self.other_program()
        program.focus()
        self.desktop.key("Tab")  # down payment percent
        self.desktop.type("10.00003")
        self.desktop.run("xdotool", "windowactivate", "--sync", other)
        time.sleep(0.5)
        program.focus()
        time.sleep(0.5)
        # The focus is in the price field; the percent was rounded on its way out.
        self.assertEqual(self.focused_text(), "200,000.00")
        self.desktop.key("Tab")
        self.assertEqual(self.focused_text(), "10.0000")
        # The calculation saw the rounded percent: the down payment is whole.
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        self.assertEqual(saved(program)["DownPaymentPercent"], "10")

    def test_only_the_focused_field_shows_a_selection(self):
        program = self.start_with()
        other = self.other_program()
        program.focus()
        self.desktop.key("Tab")  # the percent, selected as Tab selects
        self.desktop.run("xdotool", "windowactivate", "--sync", other)
        time.sleep(0.5)
        program.focus()
        time.sleep(0.5)
        self.assertEqual(count_selected(program, self.menu_height), 1)

        # A calculation that fails: message A, then Reset puts the focus into
        # the price field.
        self.desktop.key("Tab", "Tab", "Tab", "Tab")  # origination fees
        self.desktop.type("900000")
        self.desktop.key("Tab")
        self.assertTrue(self.information_box(timeout=10), "no message")
        _, text = self.desktop.message_box("Information")
        self.assertIn("cannot be determined", text)
        self.desktop.key("Return")
        time.sleep(0.8)
        self.assertEqual(count_selected(program, self.menu_height), 1)
        self.assertEqual(self.focused_text(), "120,000.00")


def count_selected(program, menu_height):
    """Input fields drawn with a selection, on the calculator page between
    the tab strip and the status bar: rows with a dozen or more pixels of a
    saturated blue (the usual highlight colours; the text over it breaks
    the runs), in blocks per column of fields. The focused field's frame is
    drawn in the same colour two rows off its selection; fields stand
    further apart."""
    width, height, rgb = program.pixels()
    top, bottom = menu_height + 64, height - 30  # below menu, toolbar and tabs; above the status bar
    rows = {0: [], 1: []}
    for y in range(top, bottom):
        row = rgb[y * width * 3:(y + 1) * width * 3]
        count = [0, 0]
        for x in range(width):
            r, g, b = row[x * 3:x * 3 + 3]
            if b > 150 and b - r > 80 and b - g > 40:
                count[0 if x < width // 2 else 1] += 1
        for column in (0, 1):
            if count[column] >= 12:
                rows[column].append(y)
    return sum(sum(1 for i, y in enumerate(ys) if i == 0 or y > ys[i - 1] + 3) for ys in rows.values())


class WebPanel(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # A browser stand-in: what the desktop is asked to open lands in a file.
        cls.bin = tempfile.mkdtemp(prefix="quorvant-e2e-bin-")
        cls.opened = os.path.join(cls.bin, "opened")
        script = os.path.join(cls.bin, "xdg-open")
        with open(script, "w") as f:
            f.write(f'#!/bin/sh\necho "$1" >> "{cls.opened}"\n')
        os.chmod(script, stat.S_IRWXU)
        cls.desktop.env["PATH"] = cls.bin + os.pathsep + cls.desktop.env.get("PATH", "")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.bin, ignore_errors=True)
        super().tearDownClass()

    def opened_addresses(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as f:
            return f.read().split()

    def test_any_button_released_over_the_web_panel_opens_the_home_page(self):
        program = self.start()
        y = program.geometry()["HEIGHT"] - 8
        for button in (3, 1, 2):
            with self.subTest(button=button):
                before = len(self.opened_addresses())
                program.click(60, y, button=button)
                deadline = time.time() + 5
                while len(self.opened_addresses()) == before and time.time() < deadline:
                    time.sleep(0.1)
                addresses = self.opened_addresses()[before:]
                self.assertEqual(len(addresses), 1, f"button {button} opened {addresses}")
                self.assertTrue(addresses[0].endswith("/?ref=Kestavo451"), addresses[0])
                # The pop-up menu may follow the right click.
                self.desktop.key("Escape")
                program.focus()


if __name__ == "__main__":
    unittest.main()
