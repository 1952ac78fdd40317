"""A real X session for the end-to-end tests: Xvfb, the program under a
private config folder, and a person's keys, clicks and clipboard."""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

BINARY = os.environ.get("QUORVANT_BINARY", "")
CAPTION = "Quorvant, 4.5.1"


def _free_display():
    for number in range(120, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    raise RuntimeError("no free X display number")


class Desktop:
    """One Xvfb server; programs started on it share the clipboard."""

    def __init__(self):
        self.number = _free_display()
        self.display = f":{self.number}"
        self.server = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while not os.path.exists(f"/tmp/.X11-unix/X{self.number}"):
            if time.time() > deadline or self.server.poll() is not None:
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.05)
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")

    def close(self):
        self.server.send_signal(signal.SIGTERM)
        self.server.wait(timeout=10)

    def run(self, *args, check=True):
        out = subprocess.run(list(args), env=self.env, capture_output=True, text=True, timeout=30)
        if check and out.returncode != 0:
            raise RuntimeError(f"{args}: {out.stderr.strip()}")
        return out.stdout.strip()

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "40", *keys)
        time.sleep(0.15)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "40", text)
        time.sleep(0.15)

    def clipboard(self):
        return self.run("xclip", "-selection", "clipboard", "-o", check=False)

    def set_clipboard(self, text):
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text, text=True, env=self.env,
                       timeout=10, check=True)

    def screenshot(self, path):
        self.run("import", "-window", "root", path)


class Program:
    """The real binary with its own HOME and config folder."""

    def __init__(self, desktop, config_home=None, first_run=False):
        self.desktop = desktop
        self.home = tempfile.mkdtemp(prefix="quorvant-e2e-")
        self.config_home = config_home or os.path.join(self.home, "config")
        os.makedirs(self.config_home, exist_ok=True)
        if not first_run and not os.path.exists(self.settings_path):
            # Not the first run: no welcome topic takes the focus.
            os.makedirs(os.path.dirname(self.settings_path), exist_ok=True)
            with open(self.settings_path, "w", newline="") as f:
                f.write("[GeneralValues]\r\nRun=1\r\n")
        env = dict(desktop.env, HOME=self.home, XDG_CONFIG_HOME=self.config_home, LC_ALL="C.UTF-8")
        self.process = subprocess.Popen([BINARY], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.window = desktop.run("xdotool", "search", "--sync", "--onlyvisible", "--name", CAPTION)
        self.window = self.window.split()[0]
        self.focus()

    def focus(self):
        # No window manager here: give the window the keyboard directly.
        self.desktop.run("xdotool", "windowfocus", "--sync", self.window, check=False)
        time.sleep(0.4)

    def pixels(self):
        """The window's image as (width, height, rgb bytes)."""
        data = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"], env=self.desktop.env,
                              capture_output=True, timeout=30, check=True).stdout
        # P6 header: magic, width, height, maxval, each followed by whitespace.
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            fields.append(data[start:pos])
        return int(fields[1]), int(fields[2]), data[pos + 1:]

    def result_fields(self):
        """Centres of the yellow result fields, top to bottom, found on screen
        as a person finds them."""
        width, height, rgb = self.pixels()
        rows = {}
        for y in range(height):
            line = rgb[y * width * 3:(y + 1) * width * 3]
            xs = [x for x in range(0, width, 2) if line[x * 3:x * 3 + 3] == b"\xff\xff\x00"]
            if len(xs) > 20:
                rows[y] = (xs[0], xs[-1])
        bands, current = [], []
        for y in sorted(rows):
            if current and y != current[-1] + 1:
                bands.append(current)
                current = []
            current.append(y)
        if current:
            bands.append(current)
        return [((rows[b[0]][0] + rows[b[0]][1]) // 2, (b[0] + b[-1]) // 2) for b in bands if len(b) > 8]

    @property
    def settings_path(self):
        return os.path.join(self.config_home, "Quorvant", "quorvant.ini")

    def geometry(self):
        out = self.desktop.run("xdotool", "getwindowgeometry", "--shell", self.window)
        return {k: int(v) for k, v in (line.split("=") for line in out.splitlines() if "=" in line)
                if k in ("X", "Y", "WIDTH", "HEIGHT")}

    def click(self, x, y, button=1):
        """A click at client coordinates of the main window."""
        self.desktop.run("xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", str(button))
        time.sleep(0.2)

    def wait_closed(self, timeout=10):
        return self.process.wait(timeout=timeout)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


class DesktopTestCase(unittest.TestCase):
    """Each test class shares one X server."""

    @classmethod
    def setUpClass(cls):
        if not BINARY or not shutil.which("Xvfb") or not shutil.which("xdotool"):
            raise unittest.SkipTest("needs the program, Xvfb and xdotool")
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def start(self, config_home=None, first_run=False):
        program = Program(self.desktop, config_home, first_run)
        self.addCleanup(program.close)
        return program
