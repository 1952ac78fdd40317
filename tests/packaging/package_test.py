"""The .deb as a person installs it: built with cpack, unpacked into a
throw-away root, started from there. The first run opens the help file
that lies beside the installed program, which shows that the program finds
its own folder wherever it is installed."""

import glob
import os
import shutil
import subprocess
import tempfile
import unittest

BUILD = os.environ.get("QUORVANT_BUILD_DIR", "")
APP_ID = os.environ.get("QUORVANT_APP_ID", "example.ostrel.Quorvant")
HELP_TITLE = "Quorvant Help"


def run(*args, **kw):
    return subprocess.run(list(args), check=True, capture_output=True, text=True, timeout=300, **kw).stdout


class Package(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        if not BUILD or not shutil.which("cpack") or not shutil.which("dpkg-deb"):
            raise unittest.SkipTest("needs a build folder, cpack and dpkg-deb")
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

    def test_the_desktop_finds_entry_icon_and_metadata(self):
        entry = self.installed(f"/usr/share/applications/{APP_ID}.desktop")
        with open(entry) as f:
            lines = f.read().splitlines()
        self.assertIn("Exec=quorvant", lines)
        self.assertIn("Icon=quorvant", lines)
        for size in (32, 48, 128):
            self.assertTrue(os.path.isfile(self.installed(f"/usr/share/icons/hicolor/{size}x{size}/apps/quorvant.png")))
        metainfo = self.installed(f"/usr/share/metainfo/{APP_ID}.metainfo.xml")
        with open(metainfo) as f:
            text = f.read()
        self.assertIn(f"<launchable type=\"desktop-id\">{APP_ID}.desktop</launchable>", text)
        self.assertIn("<release version=\"4.5.1\"", text)
        if shutil.which("appstreamcli"):
            run("appstreamcli", "validate", "--no-net", metainfo)

    def test_the_package_declares_what_it_needs_at_run_time(self):
        fields = {name: run("dpkg-deb", "-f", self.deb, name).strip() for name in ("Package", "Version", "Depends")}
        self.assertEqual(fields["Package"], "quorvant")
        self.assertEqual(fields["Version"], "4.5.1")
        for needed in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "libchm1", "libstdc++6", "qt6-qpa-plugins",
                       "fonts-liberation"):
            self.assertIn(needed, fields["Depends"])

    def test_started_from_the_unpacked_root_it_opens_its_own_help_on_the_first_run(self):
        if not shutil.which("Xvfb") or not shutil.which("xdotool"):
            self.skipTest("needs Xvfb and xdotool")
        os.environ["QUORVANT_BINARY"] = self.installed("/usr/bin/quorvant")
        import desktop
        desktop.BINARY = os.environ["QUORVANT_BINARY"]
        screen = desktop.Desktop()
        try:
            program = desktop.Program(screen, first_run=True)
            try:
                found = screen.run("xdotool", "search", "--sync", "--onlyvisible", "--name", HELP_TITLE)
                self.assertTrue(found)
                screen.run("xdotool", "windowfocus", "--sync", program.window, check=False)
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


if __name__ == "__main__":
    unittest.main()
