"""The program as a shell and a build folder see it: --version and --help
answer without any display, and the build folder holds what the program
opens from its own folder (the licence, the help file), so the README's
run command works from there."""

import os
import subprocess
import unittest

BINARY = os.environ.get("QUORVANT_BINARY", "")


def run_without_display(*args):
    # No display of any kind, and no platform chosen: what a text console
    # or an ssh session gives.
    env = {name: value for name, value in os.environ.items()
           if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
    return subprocess.run([BINARY, *args], env=env, capture_output=True, text=True, timeout=30)


class CommandLine(unittest.TestCase):

    def test_version_is_printed_without_a_display(self):
        done = run_without_display("--version")
        self.assertEqual((done.returncode, done.stdout, done.stderr), (0, "Quorvant 4.5.1\n", ""))

    def test_help_names_both_options_without_a_display(self):
        done = run_without_display("--help")
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertTrue(done.stdout.startswith("Usage: quorvant"), done.stdout)
        for option in ("--help", "--version"):
            self.assertIn(option, done.stdout)
        self.assertEqual(done.stderr, "")

    def test_other_arguments_before_an_option_are_ignored(self):
        done = run_without_display("some-file.ini", "--version")
        self.assertEqual((done.returncode, done.stdout), (0, "Quorvant 4.5.1\n"))

    def test_without_an_option_it_still_needs_a_display(self):
        # Not answered early: the window is wanted, and Qt says why it cannot open.
        done = run_without_display("--", "--version")
        self.assertNotEqual(done.returncode, 0)
        self.assertEqual(done.stdout, "")


class BuildFolder(unittest.TestCase):

    def test_licence_and_help_lie_beside_the_built_program(self):
        folder = os.path.dirname(BINARY)
        for name in ("License.txt", "quorvantcalc.chm"):
            self.assertTrue(os.path.isfile(os.path.join(folder, name)), name)
        source = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "License.txt")
        with open(source, "rb") as a, open(os.path.join(folder, "License.txt"), "rb") as b:
            self.assertEqual(a.read(), b.read())


if __name__ == "__main__":
    unittest.main()
