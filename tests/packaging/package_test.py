"""The .deb as a person installs it and as a distribution checks it: built
with cpack, checked by lintian, desktop-file-validate and appstreamcli,
unpacked into a throw-away root and started from there through its desktop
entry. The first run opens the help file that lies beside the installed
program, which shows that the program finds its own folder wherever it is
installed."""

import glob
import gzip
import math
import os
import shutil
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ.get("QUORVANT_BUILD_DIR", "")
SOURCE = os.environ.get("QUORVANT_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
APP_ID = os.environ.get("QUORVANT_APP_ID", "example.ostrel.Quorvant")
HELP_TITLE = "Quorvant Help"


def run(*args, **kw):
    return subprocess.run(list(args), check=True, capture_output=True, text=True, timeout=300, **kw).stdout


class Package(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        # Every tool is installed by scripts/bootstrap: a missing one fails.
        assert BUILD, "QUORVANT_BUILD_DIR is not set"
        for tool in ("cpack", "dpkg-deb", "lintian", "desktop-file-validate", "appstreamcli", "file"):
            assert shutil.which(tool), f"{tool} is missing (scripts/bootstrap installs it)"
        cls.work = tempfile.mkdtemp(prefix="quorvant-deb-")
        run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", cls.work)
        debs = glob.glob(os.path.join(cls.work, "*.deb"))
        assert len(debs) == 1, debs
        cls.deb = debs[0]
        cls.root = os.path.join(cls.work, "root")
        run("dpkg-deb", "-x", cls.deb, cls.root)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def installed(self, path):
        return os.path.join(self.root, path.lstrip("/"))

    def program_folder(self):
        return os.path.dirname(os.path.realpath(self.installed("/usr/bin/quorvant")))

    def test_the_program_its_help_and_licence_share_one_folder(self):
        folder = self.program_folder()
        self.assertTrue(folder.startswith(self.root))
        for name in ("quorvant", "quorvantcalc.chm", "License.txt"):
            self.assertTrue(os.path.isfile(os.path.join(folder, name)), name)
        self.assertTrue(os.access(os.path.join(folder, "quorvant"), os.X_OK))
        self.assertTrue(os.path.islink(self.installed("/usr/bin/quorvant")))

    def desktop_entry(self):
        return self.installed(f"/usr/share/applications/{APP_ID}.desktop")

    def test_the_desktop_finds_entry_icon_and_metadata(self):
        with open(self.desktop_entry()) as f:
            lines = f.read().splitlines()
        self.assertIn("Exec=quorvant", lines)
        self.assertIn("Icon=quorvant", lines)
        metainfo = self.installed(f"/usr/share/metainfo/{APP_ID}.metainfo.xml")
        with open(metainfo) as f:
            text = f.read()
        self.assertIn(f"<launchable type=\"desktop-id\">{APP_ID}.desktop</launchable>", text)
        self.assertIn("<release version=\"4.5.1\"", text)

    def test_every_icon_size_is_installed_into_hicolor(self):
        icons = glob.glob(os.path.join(SOURCE, "resources", "icons", "*", "quorvant.*"))
        self.assertTrue(icons)
        for icon in icons:
            size = os.path.basename(os.path.dirname(icon))
            folder = f"{size}x{size}" if size.isdigit() else size
            with self.subTest(size=size):
                installed = self.installed(f"/usr/share/icons/hicolor/{folder}/apps/{os.path.basename(icon)}")
                with open(icon, "rb") as a, open(installed, "rb") as b:
                    self.assertEqual(a.read(), b.read())

    def test_desktop_entry_and_metadata_validate(self):
        # Both tools exit non-zero on errors; their notes are shown on failure.
        for command in (["desktop-file-validate", self.desktop_entry()],
                        ["appstreamcli", "validate", "--pedantic", "--no-net",
                         self.installed(f"/usr/share/metainfo/{APP_ID}.metainfo.xml")]):
            with self.subTest(tool=command[0]):
                done = subprocess.run(command, capture_output=True, text=True, timeout=120)
                self.assertEqual(done.returncode, 0, done.stdout + done.stderr)

    def test_lintian_finds_no_error_or_warning(self):
        # Warnings that do not apply to a package from its maker are
        # overridden in the package itself, with the reason beside them.
        done = subprocess.run(["lintian", "--pedantic", self.deb], capture_output=True, text=True, timeout=300)
        tags = [line for line in done.stdout.splitlines() if line[:2] in ("E:", "W:")]
        self.assertEqual(tags, [], done.stdout)
        self.assertIn(done.returncode, (0, 2), done.stderr)

    def test_the_program_is_stripped_and_documented(self):
        program = os.path.join(self.program_folder(), "quorvant")
        described = run("file", "-b", program)
        self.assertIn(", stripped", described)
        self.assertLess(os.path.getsize(program), 8 << 20)
        with gzip.open(self.installed("/usr/share/man/man1/quorvant.1.gz"), "rt") as f:
            page = f.read()
        for option in ("\\-\\-version", "\\-\\-help"):
            self.assertIn(option, page)
        with open(self.installed("/usr/share/doc/quorvant/copyright")) as f:
            copyright_text = f.read()
        self.assertTrue(copyright_text.startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        with open(os.path.join(SOURCE, "resources", "License.txt")) as f:
            first = f.readline().strip()
        self.assertIn(" " + first + "\n", copyright_text)
        with gzip.open(self.installed("/usr/share/doc/quorvant/changelog.Debian.gz"), "rt") as f:
            self.assertTrue(f.readline().startswith("quorvant (4.5.1-1) "))

    def test_installed_size_counts_each_file_once(self):
        # dpkg-gencontrol's count: each file's KiB rounded up, 1 for any other entry.
        expected = 0
        for folder, dirs, files in os.walk(self.root):
            for name in dirs + files:
                path = os.path.join(folder, name)
                if os.path.isfile(path) and not os.path.islink(path):
                    expected += math.ceil(os.path.getsize(path) / 1024)
                else:
                    expected += 1
        self.assertEqual(int(run("dpkg-deb", "-f", self.deb, "Installed-Size")), expected)

    def test_the_package_declares_what_it_needs_at_run_time(self):
        fields = {name: run("dpkg-deb", "-f", self.deb, name).strip() for name in ("Package", "Version", "Depends")}
        self.assertEqual(fields["Package"], "quorvant")
        self.assertEqual(fields["Version"], "4.5.1-1")
        depends = [alternative.split()[0] for alternative in fields["Depends"].split(", ")]
        # xdg-utils: every web page, e-mail address and the licence open through xdg-open.
        for needed in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "libchm1", "libstdc++6", "qt6-qpa-plugins",
                       "fonts-liberation", "xdg-utils"):
            self.assertIn(needed, depends)
        maintainer = run("dpkg-deb", "-f", self.deb, "Maintainer").strip()
        self.assertRegex(maintainer, r"^\w[^<]* <[^@>]+@[^>]+>$")

    def test_started_from_its_desktop_entry_it_opens_its_help_and_hands_the_licence_to_the_desktop(self):
        for tool in ("Xvfb", "xdotool", "openbox", "xdg-open"):
            assert shutil.which(tool), f"{tool} is missing (scripts/bootstrap installs it)"
        # The entry's command as the desktop runs it, found through PATH.
        with open(self.desktop_entry()) as f:
            command = [line[5:] for line in f.read().splitlines() if line.startswith("Exec=")][0].split()
        self.assertEqual(command, ["quorvant"])
        binary = shutil.which(command[0], path=self.installed("/usr/bin"))
        self.assertTrue(binary)
        os.environ["QUORVANT_BINARY"] = binary
        import desktop
        desktop.BINARY = binary
        screen = desktop.Desktop(window_manager=True)
        try:
            # The user's choice of viewer for text files, in the desktop's own
            # settings: xdg-open finds it there, as on any desktop.
            config, opened = self.viewer_for_text_files(screen)
            program = desktop.Program(screen, config_home=config, first_run=True)
            try:
                self.assertTrue(screen.wait_window("--name", HELP_TITLE))
                program.focus()
                screen.key("alt+h")
                screen.key("a")
                about = screen.wait_window("--name", "About Quorvant, ")[0]
                screen.run("xdotool", "windowactivate", "--sync", about, check=False)
                # Read License, then OK, clicked where a person sees them.
                self.click(screen, about, 196 + 51, 252 + 13)
                self.assertEqual(self.wait_for(opened), os.path.join(self.program_folder(), "License.txt"))
                self.click(screen, about, 357 + 40, 252 + 13)
                program.focus()
                # File, Exit: closing the main window closes the help too.
                screen.key("alt+f")
                screen.key("x")
                self.assertEqual(program.wait_closed(), 0)
                with open(program.settings_path, newline="") as f:
                    self.assertIn("Run=1\r\n", f.read())
            finally:
                program.close()
        finally:
            screen.close()

    def viewer_for_text_files(self, screen):
        data = os.path.join(self.work, "data")
        config = os.path.join(self.work, "config")
        opened = os.path.join(self.work, "opened")
        os.makedirs(os.path.join(data, "applications"))
        os.makedirs(config)
        viewer = os.path.join(self.work, "viewer")
        with open(viewer, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" > {opened}\n")
        os.chmod(viewer, 0o755)
        with open(os.path.join(data, "applications", "test-viewer.desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=Viewer\n"
                    f"Exec={viewer} %f\nMimeType=text/plain;\n")
        with open(os.path.join(config, "mimeapps.list"), "w") as f:
            f.write("[Default Applications]\ntext/plain=test-viewer.desktop\n")
        screen.env["XDG_DATA_HOME"] = data
        return config, opened

    @staticmethod
    def click(screen, window, x, y):
        screen.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")

    @staticmethod
    def wait_for(path, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if os.path.exists(path):
                with open(path) as f:
                    text = f.read()
                if text.endswith("\n"):
                    return text.strip()
            time.sleep(0.1)
        return None


if __name__ == "__main__":
    unittest.main()
