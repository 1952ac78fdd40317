"""The rounded tooltip of a promotional screenshot on a desktop without a
compositor: it casts a shadow of its own onto what lies beneath it, right of
and below its shape, and nowhere else."""

import time
import unittest

from desktop import DesktopTestCase

GREY = (128, 128, 128)


class HintShadow(DesktopTestCase):

    def screen(self):
        width, height, rgb = self.desktop.pixels()
        return lambda x, y: tuple(rgb[(y * width + x) * 3:(y * width + x) * 3 + 3])

    def test_tooltip_casts_its_own_shadow(self):
        program = self.start()
        g = program.geometry()
        menu_height = g["HEIGHT"] - 406
        program.click(120, menu_height + 32 + 9)  # the second page's tab
        # The pointer away from anything with a hint: the page as it stands.
        self.desktop.run("xdotool", "mousemove", "--window", program.window, "200", str(menu_height + 300))
        time.sleep(0.8)
        before = self.screen()
        # Onto the screenshot picture near its left edge, so that the tooltip
        # and its shadow lie over the window; it shows after 400 ms.
        at = (350, menu_height + 80)
        self.desktop.run("xdotool", "mousemove", "--window", program.window, str(at[0] - 3), str(at[1]))
        self.desktop.run("xdotool", "mousemove", "--window", program.window, *map(str, at))
        time.sleep(1.2)
        after = self.screen()

        # The tooltip's grey outline: its top row lies below the pointer.
        x0, y0 = g["X"] + at[0], g["Y"] + at[1]
        top = next((y for y in range(y0, y0 + 60) if after(x0 + 20, y) == GREY), None)
        self.assertIsNotNone(top, "no tooltip outline below the pointer")
        bottom = next(y for y in range(top + 5, top + 200) if after(x0 + 20, y) == GREY)
        right = next(x for x in range(x0 + 20, x0 + 900) if after(x, (top + bottom) // 2) == GREY)
        middle_x, middle_y = (x0 + right) // 2, (top + bottom) // 2

        def darker(x, y):
            b, a = before(x, y), after(x, y)
            return all(p <= q for p, q in zip(a, b)) and sum(b) - sum(a) >= 30

        # Below the bottom edge and right of the right edge: darkened.
        for x, y in ((middle_x, bottom + 1), (middle_x, bottom + 2), (right + 1, middle_y), (right + 2, middle_y)):
            self.assertTrue(darker(x, y), f"no shadow at {x},{y}: {before(x, y)} -> {after(x, y)}")
        # Beyond the shadow, and above or left of the tooltip: untouched.
        for x, y in ((middle_x, bottom + 6), (right + 6, middle_y), (middle_x, top - 2), (x0 - 3, middle_y)):
            self.assertEqual(after(x, y), before(x, y), f"changed at {x},{y}")


if __name__ == "__main__":
    unittest.main()
