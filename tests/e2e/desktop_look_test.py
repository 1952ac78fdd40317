"""The window on a user's desktop: a dark GTK theme and a screen of twice the
pixel density, as a person sets them up and sees them."""

import os
import subprocess
import unittest

from desktop import Desktop, DesktopTestCase

IMAGES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "images")


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


class Picture:
    """Width, height and an (r, g, b) lookup over raw RGB bytes."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def strongest_contrast(self, left, top, right, bottom, background):
        return max(contrast(self.at(x, y), background) for y in range(top, bottom) for x in range(left, right))

    def commonest(self, left, top, right, bottom):
        counts = {}
        for y in range(top, bottom):
            for x in range(left, right):
                counts[self.at(x, y)] = counts.get(self.at(x, y), 0) + 1
        return max(counts, key=counts.get)


def read_png_rgba(path):
    """(width, height, rgba bytes) of a PNG, decoded by ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                          check=True).stdout.split()
    data = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], capture_output=True, check=True).stdout
    return int(size[0]), int(size[1]), data


class DarkGtkTheme(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # The user's choice of a dark GTK theme, read through Qt's GTK platform theme.
        cls.desktop.env.update(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")

    def test_result_digits_and_the_web_link_stay_readable(self):
        program = self.start()
        self.desktop.type("250000")
        self.desktop.key("Tab")
        picture = Picture(*program.pixels())
        # The theme reached the window: its face is dark.
        face = picture.commonest(0, picture.height - 60, 150, picture.height - 30)
        self.assertLess(luminance(face), 0.1, f"window face {face} is not dark")

        fields = program.result_fields()
        self.assertEqual(len(fields), 5)
        yellow = (255, 255, 0)
        for x, y in fields:
            self.assertGreaterEqual(picture.strongest_contrast(x - 45, y - 6, x + 45, y + 7, yellow), 4.5,
                                    f"digits of the yellow field at {x}, {y}")

        # The web panel at the left of the status bar, 120 pixels wide.
        top, bottom = picture.height - 17, picture.height - 2
        bar = picture.commonest(2, top, 118, bottom)
        self.assertLess(luminance(bar), 0.1, f"status bar {bar} is not dark")
        self.assertGreaterEqual(picture.strongest_contrast(2, top, 118, bottom, bar), 4.5, "web panel link")


class ScaleFactorTwo(DesktopTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # A screen where the doubled window fits whole.
        cls.desktop.close()
        cls.desktop = Desktop(screen="2048x1536x24")
        cls.desktop.env.update(QT_SCALE_FACTOR="2")

    def test_toolbar_glyphs_are_drawn_from_their_double_size_artwork(self):
        program = self.start()
        self.assertEqual(program.geometry()["WIDTH"], 2 * 656)
        picture = Picture(*program.pixels())
        for name in ("btnReset", "btnHelp", "btnAbout", "btnExit", "btnUpdate"):
            width, height, rgba = read_png_rgba(os.path.join(IMAGES, name + "@2x.png"))
            # The normal image: the first of the strip's square images.
            opaque = [(x, y, tuple(rgba[(y * width + x) * 4:(y * width + x) * 4 + 3]))
                      for y in range(height) for x in range(height) if rgba[(y * width + x) * 4 + 3] == 255]
            self.assertGreater(len(opaque), 100, name)
            self.assertIsNotNone(self.find(picture, opaque), f"{name}: not drawn pixel for pixel from @2x")

    @staticmethod
    def find(picture, opaque):
        """Where in the toolbar band all opaque pixels of the drawing show
        unchanged (a blurred or pixel-doubled glyph matches nowhere)."""
        ax, ay, anchor = opaque[0]
        for top in range(0, min(picture.height, 200) - 32):
            for left in range(0, picture.width - 32):
                if picture.at(left + ax, top + ay) != anchor:
                    continue
                if all(picture.at(left + x, top + y) == rgb for x, y, rgb in opaque):
                    return left, top
        return None


if __name__ == "__main__":
    unittest.main()
