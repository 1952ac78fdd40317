"""A person uses the calculator: types values, tabs through, copies results,
closes, starts again."""

import os
import unittest

from desktop import DesktopTestCase


class CalculatorByKeyboard(DesktopTestCase):

    def test_typing_a_price_and_leaving_the_field_computes_and_the_values_survive_a_restart(self):
        program = self.start()
        # Activation puts the focus into the price field; its text is selected.
        self.desktop.type("150000")
        self.desktop.key("Tab")
        # The result fields take the focus on a click; a click leaves the text
        # unselected, so select it (Shift+End) and copy it.
        self.assertEqual(program.geometry()["WIDTH"], 656)
        results = program.result_fields()
        self.assertEqual(len(results), 5)
        shown = []
        for x, y in results:
            self.desktop.set_clipboard("")
            program.click(x, y)
            self.desktop.key("shift+End", "ctrl+c")
            shown.append(self.desktop.clipboard().strip())
        self.assertEqual(shown, ["15,000.00", "135,000.00", "875.61", "3,500.00", "7.0083"])
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        with open(program.settings_path, newline="") as f:
            saved = f.read()
        self.assertIn("PurchasePrice=150000\r\n", saved)
        self.assertIn("Run=1\r\n", saved)

        again = self.start(config_home=program.config_home)
        self.desktop.set_clipboard("")
        self.desktop.key("ctrl+c")  # the focus is back in the price field, its text selected
        self.assertEqual(self.desktop.clipboard().strip(), "150,000.00")

    def test_a_pasted_value_is_taken_like_typed_digits(self):
        program = self.start()
        self.desktop.set_clipboard("7.125")
        self.desktop.key("Tab", "Tab", "Tab")  # percent, term, interest
        self.desktop.key("ctrl+v", "Tab")
        self.desktop.key("alt+F4")
        program.wait_closed()
        with open(program.settings_path, newline="") as f:
            self.assertIn("Interest=7.125\r\n", f.read())


if __name__ == "__main__":
    unittest.main()
