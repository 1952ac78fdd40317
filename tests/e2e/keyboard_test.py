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

        changed = [y for y in range(len(plain)) if plain[y] != held[y]]
        self.assertTrue(changed, "holding Alt changed nothing in the menu bar")
        # Only thin lines change: underlines, not a highlighted item.
        self.assertLessEqual(len(changed), 3, changed)
        self.assertTrue(all(menu_mode[y] != plain[y] for y in changed), "the cues went with Alt's release")
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
