"""Closing saves the worksheet, also when things go wrong around it: two
instances closing together, a full disk."""

import errno
import os
import shutil
import subprocess
import tempfile
import threading
import unittest

from desktop import DesktopTestCase

MESSAGE_B = ("An problem has occurred.\r\n\r\nIf you wish contact Brackwell Software    \r\n\r\nat:  ")


def settings_text(price):
    return ("[LastValues]\r\nPurchasePrice=%d\r\nDownPaymentPercent=10\r\nTerm=30\r\nInterest=6.75\r\n"
            "OriginationFees=1200\r\nPoints=1200\r\nPrepaidInterest=500\r\nMIP=500\r\nBuydown=0\r\n"
            "FloodCheck=50\r\nTaxService=50\r\nOther1=0\r\nOther2=0\r\n[GeneralValues]\r\nRun=1\r\n" % price)


def read(path):
    with open(path, newline="") as f:
        return f.read()


def leftovers(folder):
    return [name for name in os.listdir(folder) if name != "quorvant.ini"]


class TwoInstances(DesktopTestCase):

    def shared_config(self):
        config = tempfile.mkdtemp(prefix="quorvant-e2e-shared-")
        self.addCleanup(shutil.rmtree, config, ignore_errors=True)
        os.makedirs(os.path.join(config, "Quorvant"))
        with open(os.path.join(config, "Quorvant", "quorvant.ini"), "w", newline="") as f:
            f.write(settings_text(120000))
        return config

    def start_with_price(self, config_home, price):
        program = self.start(config_home=config_home)
        self.desktop.type(str(price))
        self.desktop.key("Tab")  # leaving the field calculates: the new price is what will be saved
        return program

    def test_the_instance_that_closes_last_wins_with_a_whole_file(self):
        config = self.shared_config()
        first = self.start_with_price(config, 111000)
        second = self.start_with_price(config, 222000)
        first.focus()
        self.desktop.key("alt+F4")
        self.assertEqual(first.wait_closed(), 0)
        self.assertEqual(read(first.settings_path), settings_text(111000))
        second.focus()
        self.desktop.key("alt+F4")
        self.assertEqual(second.wait_closed(), 0)
        self.assertEqual(read(second.settings_path), settings_text(222000))
        self.assertEqual(leftovers(os.path.dirname(first.settings_path)), [])

    def test_closing_at_the_same_moment_leaves_one_whole_file_of_either(self):
        config = self.shared_config()
        for round in range(3):
            a = self.start_with_price(config, 100000 + round)
            b = self.start_with_price(config, 200000 + round)
            self.desktop.close_windows(a.window, b.window)
            self.assertEqual(a.wait_closed(), 0)
            self.assertEqual(b.wait_closed(), 0)
            text = read(a.settings_path)
            self.assertIn(text, (settings_text(100000 + round), settings_text(200000 + round)))
            self.assertEqual(leftovers(os.path.dirname(a.settings_path)), [])


class FullDisk(DesktopTestCase):

    def setUp(self):
        if os.geteuid() != 0 or not shutil.which("mount"):
            self.skipTest("mounting a small file system needs root")
        self.mount = tempfile.mkdtemp(prefix="quorvant-e2e-full-")
        self.addCleanup(os.rmdir, self.mount)
        out = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k,mode=0755", "tmpfs", self.mount],
                             capture_output=True, text=True)
        if out.returncode != 0:
            self.skipTest("cannot mount a tmpfs here: " + out.stderr.strip())
        self.addCleanup(subprocess.run, ["umount", "-l", self.mount], check=False)

    def fill(self):
        with open(os.path.join(self.mount, "filler"), "wb", buffering=0) as f:
            for size in (4096, 1):
                try:
                    while True:
                        f.write(b"\0" * size)
                except OSError as e:
                    self.assertEqual(e.errno, errno.ENOSPC)

    def test_a_full_disk_shows_the_general_message_closes_and_keeps_the_old_file(self):
        folder = os.path.join(self.mount, "Quorvant")
        os.makedirs(folder)
        old = settings_text(150000)
        with open(os.path.join(folder, "quorvant.ini"), "w", newline="") as f:
            f.write(old)
        self.fill()
        program = self.start(config_home=self.mount)
        self.desktop.type("175000")
        self.desktop.key("Tab")
        self.desktop.key("alt+F4")
        box, text = self.desktop.message_box("Information")
        self.assertTrue(text, "nothing copied from the message box")
        self.assertIn(MESSAGE_B, text.replace("\r\n", "\n").replace("\n", "\r\n"))
        self.assertIn("@", text.split("at:  ")[1])  # the support address follows
        self.assertIsNone(program.process.poll(), "the program ended before the box was answered")
        self.desktop.key("Return")
        self.assertEqual(program.wait_closed(), 0)
        self.assertEqual(read(program.settings_path), old)
        self.assertEqual(leftovers(folder), [])


if __name__ == "__main__":
    unittest.main()
