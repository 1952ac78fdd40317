"""Whatever lies where the settings file should be, the program starts at
once and still closes, and never loses what the file held: a large file is
read and rewritten whole, one beyond the size limit is left alone."""

import os
import shutil
import tempfile
import unittest

from desktop import DesktopTestCase
from saving_test import MESSAGE_B, read, settings_text

# The defaults as the thirteen input fields show them.
DEFAULTS_SHOWN = ["120,000.00", "10.0000", "30", "6.7500", "1,200.00", "1,200.00", "500.00", "500.00", "0.00",
                  "50.00", "50.00", "0.00", "0.00"]
STARTUP_LIMIT = 1.0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime, the 14th and 15th fields of the line.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class HostileSettingsFile(DesktopTestCase):

    def prepare(self, make):
        config = tempfile.mkdtemp(prefix="quorvant-e2e-hostile-")
        self.addCleanup(shutil.rmtree, config, ignore_errors=True)
        folder = os.path.join(config, "Quorvant")
        os.makedirs(folder)
        make(os.path.join(folder, "quorvant.ini"))
        return config

    def start_and_check_inputs(self, config, shown=DEFAULTS_SHOWN, cpu_limit=None):
        program = self.start(config_home=config)
        if cpu_limit is None:
            self.assertLess(program.startup_seconds, STARTUP_LIMIT)
        else:
            # A large file takes its time to read; on a busy machine the
            # clock runs on while others hold the cores, so the processor
            # time spent until the window showed is what is held to a limit.
            self.assertLess(cpu_seconds(program.process.pid), cpu_limit)
        # A file without a first-run marker: the welcome topic may have
        # opened; the keys go to the main window.
        program.focus()
        self.assertEqual(program.inputs(), shown)
        program.focus()
        return program

    def start_and_check_defaults(self, config):
        return self.start_and_check_inputs(config)

    def expect_message_b_and_close(self, program):
        self.desktop.key("alt+F4")
        _, text = self.desktop.message_box("Information")
        self.assertIn(MESSAGE_B.replace("\r\n", "\n"), text.replace("\r\n", "\n"))
        self.desktop.key("Return")
        self.assertEqual(program.wait_closed(), 0)

    def close_normally(self, program):
        self.desktop.key("alt+F4")
        self.assertEqual(program.wait_closed(), 0)

    def test_a_file_of_50_megabytes_is_read_and_kept_whole(self):
        line = "Key=" + "v" * 40 + "\r\n"
        body = line * (50 * 1024 * 1024 // len(line))

        def make(path):
            with open(path, "w", newline="") as f:
                f.write("[LastValues]\r\nInterest=7.5\r\n" + body)
        config = self.prepare(make)
        shown = list(DEFAULTS_SHOWN)
        shown[3] = "7.5000"
        program = self.start_and_check_inputs(config, shown, cpu_limit=STARTUP_LIMIT)
        self.close_normally(program)
        ours = settings_text(120000).replace("Interest=6.75\r\n", "")
        ours = ours[len("[LastValues]\r\n"):]
        # Interest keeps its line; the other keys follow the section's last line.
        self.assertEqual(read(program.settings_path), "[LastValues]\r\nInterest=7.5\r\n" + body + ours)

    def test_a_file_beyond_the_size_limit_is_left_alone(self):
        head = "[LastValues]\r\nInterest=7.5\r\n"
        size = 64 * 1024 * 1024 + 1

        def make(path):
            with open(path, "w", newline="") as f:
                f.write(head)
            os.truncate(path, size)
        config = self.prepare(make)
        program = self.start_and_check_defaults(config)
        self.expect_message_b_and_close(program)
        self.assertEqual(os.path.getsize(program.settings_path), size)
        with open(program.settings_path, newline="") as f:
            self.assertEqual(f.read(len(head)), head)

    def test_a_file_of_nul_bytes(self):
        def make(path):
            with open(path, "wb") as f:
                f.write(b"\0" * 65536)
        config = self.prepare(make)
        program = self.start_and_check_defaults(config)
        self.close_normally(program)
        # The unreadable line is left alone; the values follow it.
        self.assertTrue(read(program.settings_path).endswith(settings_text(120000)))

    def test_a_folder_in_its_place(self):
        config = self.prepare(os.mkdir)
        program = self.start_and_check_defaults(config)
        self.expect_message_b_and_close(program)
        self.assertTrue(os.path.isdir(program.settings_path))

    def test_a_link_to_itself(self):
        config = self.prepare(lambda path: os.symlink(os.path.basename(path), path))
        program = self.start_and_check_defaults(config)
        self.close_normally(program)
        self.assertFalse(os.path.islink(program.settings_path))
        self.assertEqual(read(program.settings_path), settings_text(120000))

    def test_a_named_pipe_in_its_place(self):
        config = self.prepare(os.mkfifo)
        program = self.start_and_check_defaults(config)
        self.expect_message_b_and_close(program)


if __name__ == "__main__":
    unittest.main()
