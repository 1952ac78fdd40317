"""A person under a decimal-comma or otherwise regional locale types values
with the locale's decimal character, reads the results, closes and starts
again: display, entry, calculation and the settings file agree."""

import os
import shutil
import tempfile
import unittest

from desktop import DesktopTestCase

# locale, decimal character, thousands character as the C library gives them
LOCALES = [
    ("pt_PT.UTF-8", ",", ""),
    ("fr_FR.UTF-8", ",", "\u202f"),  # narrow no-break space
    ("de_CH.UTF-8", ".", "\u2019"),  # right single quote
]


def regional(text, decimal, thousands):
    """A number text shown under C ("1,234.50") as the locale shows it."""
    return text.replace(",", "\x00").replace(".", decimal).replace("\x00", thousands)


def read(path):
    with open(path, newline="", encoding="utf-8") as f:
        return f.read()


class RegionalNumbers(DesktopTestCase):

    def session(self, locale, decimal):
        """Types a price and an interest rate with the locale's decimal
        character, leaves each field, and returns the five results as shown
        and the settings file written at close."""
        program = self.start(locale=locale)
        self.desktop.type("987654" + decimal + "25")
        self.desktop.key("Tab", "Tab", "Tab")  # percent, term, interest
        self.desktop.type("7" + decimal + "00005")
        self.desktop.key("Tab")
        results = program.result_fields()
        self.assertEqual(len(results), 5)
        shown = []
        for x, y in results:
            self.desktop.set_clipboard("")
            program.click(x, y)
            self.desktop.key("shift+End", "ctrl+c")
            shown.append(self.desktop.clipboard().strip())
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)
        return program, shown, read(program.settings_path)

    def test_typing_saving_and_restarting_under_regional_locales(self):
        # The same typing under C gives the figures every locale must show.
        _, plain, plain_file = self.session("C.UTF-8", ".")
        with self.subTest(locale="C.UTF-8"):
            self.assertIn("PurchasePrice=987654.25\r\n", plain_file)
            self.assertIn("Interest=7.0001\r\n", plain_file)  # typed 7.00005 rounds up

        for locale, decimal, thousands in LOCALES:
            with self.subTest(locale=locale):
                program, shown, saved = self.session(locale, decimal)
                self.assertEqual(shown, [regional(t, decimal, thousands) for t in plain])
                self.assertIn("PurchasePrice=987654%s25\r\n" % decimal, saved)
                self.assertIn("Interest=7%s0001\r\n" % decimal, saved)

                again = self.start(config_home=program.config_home, locale=locale)
                inputs = again.inputs()
                self.assertEqual(inputs[0], regional("987,654.25", decimal, thousands))
                self.assertEqual(inputs[3], regional("7.0001", decimal, thousands))
                self.desktop.key("alt+F4")
                self.assertEqual(again.wait_closed(), 0)
                self.assertEqual(read(again.settings_path), saved)

    def test_a_file_from_another_locale_is_never_misread(self):
        # Written with a decimal comma, read where the point is the decimal
        # character (and the reverse): the values that do not read in the
        # user's form fall back to their defaults, never to other numbers.
        config = tempfile.mkdtemp(prefix="quorvant-e2e-locale-")
        self.addCleanup(shutil.rmtree, config, ignore_errors=True)
        os.makedirs(os.path.join(config, "Quorvant"))
        path = os.path.join(config, "Quorvant", "quorvant.ini")
        for written, read_under, price, interest in [
                ("987654,25", "de_CH.UTF-8", "120\u2019000.00", "6.7500"),
                ("987654.25", "pt_PT.UTF-8", "120000,00", "6,7500")]:
            with self.subTest(read_under=read_under):
                interest_text = "7" + written[6] + "0001"
                with open(path, "w", newline="") as f:
                    f.write("[LastValues]\r\nPurchasePrice=%s\r\nInterest=%s\r\nTerm=15\r\n"
                            "[GeneralValues]\r\nRun=1\r\n" % (written, interest_text))
                program = self.start(config_home=config, locale=read_under)
                inputs = program.inputs()
                self.assertEqual(inputs[0], price)
                self.assertEqual(inputs[2], "15")
                self.assertEqual(inputs[3], interest)
                program.close()


if __name__ == "__main__":
    unittest.main()
