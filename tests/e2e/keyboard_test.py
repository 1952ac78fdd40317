"""The keyboard user: accelerator underlines in the menu bar only while Alt
is held or the menu has the keyboard, and dialogs closed by their
accelerators."""

import time
import unittest

from desktop import DesktopTestCase


class KeyboardUse(DesktopTestCase):

    def menu_bar(self, program):
        """The menu bar's captions as pixels: the strip above the client area,
        from the left edge to past "Help"."""
        width, height, rgb = program.pixels()
        menu_height = height - 406
        return [rgb[(y * width) * 3:(y * width + 220) * 3] for y in range(menu_height)]

    def test_menu_bar_underlines_show_while_alt_is_held_or_the_menu_has_the_keyboard(self):
        program = self.start()
        plain = self.menu_bar(program)
        self.desktop.run("xdotool", "keydown", "alt")
        time.sleep(0.4)
        held = self.menu_bar(program)
        self.desktop.run("xdotool", "keyup", "alt")
        time.sleep(0.4)
        # Alt tapped: the menu bar has the keyboard, the cues stay.
        menu_mode = self.menu_bar(program)
        self.desktop.key("Escape")
        time.sleep(0.3)
        after = self.menu_bar(program)

        def underlines(a, b):
            """Rows where b adds a line under each of the three captions: three
            runs of changed pixels, each a few pixels wide. A highlighted item
            would change whole blocks; text drawn in runs shifts single pixels."""
            rows = []
            for y in range(len(a)):
                changed = [x for x in range(len(a[y]) // 3) if a[y][x * 3:x * 3 + 3] != b[y][x * 3:x * 3 + 3]]
                runs, start = [], None
                for i, x in enumerate(changed):
                    if start is None:
                        start = x
                    if i + 1 == len(changed) or changed[i + 1] != x + 1:
                        runs.append(x + 1 - start)
                        start = None
                if sum(1 for r in runs if 4 <= r <= 20) >= 3:
                    rows.append(y)
            return rows

        held_rows = underlines(plain, held)
        self.assertTrue(held_rows, "holding Alt drew no underlines in the menu bar")
        self.assertLessEqual(len(held_rows), 3, held_rows)
        self.assertEqual(underlines(plain, menu_mode), held_rows, "the cues went with Alt's release")
        self.assertEqual(after, plain, "the cues stayed after the menu let go")

    def test_the_disclaimer_and_about_close_by_their_accelerators(self):
        program = self.start()
        self.desktop.key("alt+h")
        self.desktop.key("d")
        disclaimer = self.window_named("^Disclaimer$")
        self.assertIsNotNone(disclaimer, "the Disclaimer did not open")
        time.sleep(0.5)  # the dialog has the keyboard once it is shown
        self.desktop.key("alt+o")
        self.assertTrue(self.wait_gone("^Disclaimer$"), "Alt+O did not close the Disclaimer")

        self.desktop.key("alt+h")
        self.desktop.key("a")
        about = self.window_named("^ About Quorvant, 4.5.1$")
        self.assertIsNotNone(about, "About did not open")
        time.sleep(0.5)
        self.desktop.key("alt+o")
        self.assertTrue(self.wait_gone("^ About Quorvant, 4.5.1$"), "Alt+O did not close About")


if __name__ == "__main__":
    unittest.main()
