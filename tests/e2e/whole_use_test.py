"""A person's whole session: start, type values, both dialogs from the menu,
help with F1, the promotional tabs, close; then the settings file."""

import time
import unittest

from desktop import DesktopTestCase


class WholeSession(DesktopTestCase):

    def test_a_whole_session(self):
        program = self.start()
        menu_height = program.geometry()["HEIGHT"] - 406

        # Price, then Tab to the down payment percent and on to the term.
        self.desktop.type("250000")
        self.desktop.key("Tab")
        self.desktop.type("20")
        self.desktop.key("Tab", "Tab")
        self.desktop.type("5.5")
        self.desktop.key("Tab")
        self.desktop.screenshot("/tmp/e2e-calculator.png")

        # About from the Help menu; Enter presses its focused OK button.
        self.desktop.key("alt+h")
        self.desktop.key("a")
        about = self.window_named("About Quorvant, 4.5.1")
        self.assertIsNotNone(about, "the About dialog did not open")
        self.desktop.run("xdotool", "windowfocus", "--sync", about, check=False)
        self.desktop.screenshot("/tmp/e2e-about.png")
        self.desktop.key("Escape")
        self.assertIsNotNone(self.window_named("About Quorvant, 4.5.1", timeout=1), "Escape closed About")
        self.desktop.key("Return")
        self.assertTrue(self.wait_gone("About Quorvant, 4.5.1"))

        # The Disclaimer closes only through its OK button.
        program.focus()
        self.desktop.key("alt+h")
        self.desktop.key("d")
        disclaimer = self.window_named("^Disclaimer$")
        self.assertIsNotNone(disclaimer, "the Disclaimer did not open")
        self.desktop.screenshot("/tmp/e2e-disclaimer.png")
        self.desktop.run("xdotool", "mousemove", "--window", disclaimer, "289", "112", "click", "1")
        self.assertTrue(self.wait_gone("^Disclaimer$"))

        # The promotional tabs hide the calculator; its yellow fields return with its tab.
        program.click(120, menu_height + 32 + 9)
        self.assertEqual(program.result_fields(), [])
        self.desktop.screenshot("/tmp/e2e-page2.png")
        program.click(230, menu_height + 32 + 9)
        self.desktop.screenshot("/tmp/e2e-page3.png")
        program.click(30, menu_height + 32 + 9)
        self.assertEqual(len(program.result_fields()), 5)

        # F1 with the focus in a field opens the help's default topic.
        program.focus()
        x, y = program.result_fields()[0]  # the down payment; the price field is two rows up
        program.click(x, y - 54)
        self.desktop.key("F1")
        self.assertIsNotNone(self.window_named("Quorvant Help"), "F1 opened no help")
        time.sleep(0.5)
        self.desktop.screenshot("/tmp/e2e-help.png")

        # Closing the main window also closes the help window.
        program.focus()
        self.desktop.key("alt+f")
        self.desktop.key("x")
        self.assertEqual(program.wait_closed(), 0)
        self.assertTrue(self.wait_gone("Quorvant Help"))
        with open(program.settings_path, newline="") as f:
            saved = f.read()
        for line in ("PurchasePrice=250000", "DownPaymentPercent=20", "Interest=5.5", "Term=30", "Run=1"):
            self.assertIn(line + "\r\n", saved)


if __name__ == "__main__":
    unittest.main()
