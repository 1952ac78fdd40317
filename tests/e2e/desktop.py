"""A real X session for the end-to-end tests: Xvfb, the program under a
private config folder, and a person's keys, clicks and clipboard."""

import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

BINARY = os.environ.get("QUORVANT_BINARY", "")
CAPTION = "Quorvant, 4.5.1"


def _free_displays():
    first = int(os.environ.get("QUORVANT_FIRST_DISPLAY", "120"))
    for number in range(first, first + 80):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            yield number


class Desktop:
    """One Xvfb server with a window manager (openbox) on it, as on a user's
    desktop; programs started on it share the clipboard."""

    def __init__(self, window_manager=True, screen="1024x768x24"):
        # Xvfb writes its display number to the pipe once it accepts
        # connections, and closes it unsaid when the number was taken in the
        # meantime (another session's server): then the next one is tried.
        for number in _free_displays():
            ready, notify = os.pipe()
            server = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", screen, "-nolisten", "tcp", "-displayfd", str(notify)],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(notify,))
            os.close(notify)
            with os.fdopen(ready) as pipe:
                said = pipe.readline().strip()
            if said == str(number):
                break
            server.kill()
            server.wait()
        else:
            raise RuntimeError("Xvfb did not start")
        self.number, self.server = number, server
        self.display = f":{self.number}"
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        self.window_manager = None
        if window_manager:
            try:
                self._start_window_manager()
            except BaseException:
                # No test will close a desktop that never was: stop its server here.
                self.close()
                raise

    def _start_window_manager(self):
        # An empty config folder: openbox's defaults, whatever the user has.
        self.wm_home = tempfile.mkdtemp(prefix="quorvant-wm-")
        env = dict(self.env, HOME=self.wm_home, XDG_CONFIG_HOME=self.wm_home)
        self.window_manager = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # It has taken over once it owns the screen's window-manager selection.
        deadline = time.time() + 10
        while time.time() < deadline:
            if self.window_manager.poll() is not None:
                raise RuntimeError("openbox ended at start")
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                 capture_output=True, text=True, timeout=10).stdout
            if "window id" in out:
                return
            time.sleep(0.05)
        raise RuntimeError("openbox did not take over the screen")

    def pixels(self, window="root"):
        """A window's image (the whole screen by default) as (width, height, rgb bytes)."""
        data = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], env=self.env,
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

    def close(self):
        if self.window_manager is not None:
            self.window_manager.terminate()
            self.window_manager.wait(timeout=10)
            shutil.rmtree(self.wm_home, ignore_errors=True)
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

    def wait_window(self, *criteria, timeout=30):
        """Ids of the visible windows that meet all criteria (xdotool search
        options), polled often enough to time a start-up."""
        deadline = time.time() + timeout
        while True:
            out = self.run("xdotool", "search", "--all", "--onlyvisible", *criteria, check=False)
            if out:
                return out.split()
            if time.time() > deadline:
                names = self.run("xdotool", "search", "--name", ".", check=False).split()
                shown = [self.run("xdotool", "getwindowname", w, check=False) for w in names]
                raise RuntimeError(f"no window {criteria} within {timeout} s on {self.display}; windows: {shown}")
            time.sleep(0.01)

    def close_windows(self, *windows):
        """Asks the windows to close, as a window manager's close box does
        (WM_DELETE_WINDOW), all in one go: the requests leave together."""
        x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                        ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise RuntimeError("cannot open " + self.display)
        try:
            protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
            delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            for window in windows:
                event = ClientMessage(type=33, window=int(window), message_type=protocols, format=32)
                event.data[0] = delete
                x11.XSendEvent(display, int(window), 0, 0, ctypes.byref(event))
            x11.XFlush(display)
        finally:
            x11.XCloseDisplay(display)

    def message_box(self, title="Information", timeout=30):
        """A modal box by its title: its id and its text, copied as a person
        can copy it (Ctrl+C in the box)."""
        window = self.wait_window("--name", f"^{title}$", timeout=timeout)[0]
        self.run("xdotool", "windowfocus", "--sync", window, check=False)
        time.sleep(0.3)
        self.set_clipboard("")
        self.key("ctrl+c")
        return window, self.clipboard()


class Program:
    """The real binary with its own HOME and config folder."""

    def __init__(self, desktop, config_home=None, first_run=False, locale="C.UTF-8", activate=True):
        self.desktop = desktop
        self.home = tempfile.mkdtemp(prefix="quorvant-e2e-")
        self.config_home = config_home or os.path.join(self.home, "config")
        os.makedirs(self.config_home, exist_ok=True)
        if not first_run and not os.path.lexists(self.settings_path):
            # Not the first run: no welcome topic takes the focus.
            os.makedirs(os.path.dirname(self.settings_path), exist_ok=True)
            with open(self.settings_path, "w", newline="") as f:
                f.write("[GeneralValues]\r\nRun=1\r\n")
        env = dict(desktop.env, HOME=self.home, XDG_CONFIG_HOME=self.config_home, LC_ALL=locale)
        started = time.monotonic()
        self.process = subprocess.Popen([BINARY], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        # This program's window, also when another instance shows one.
        try:
            self.window = desktop.wait_window("--pid", str(self.process.pid), "--name", CAPTION)[0]
        except RuntimeError as e:
            state = self.process.poll()
            self.process.kill()
            output = self.process.communicate()[0].decode(errors="replace")
            raise RuntimeError(f"{e}; the program {'runs' if state is None else f'ended with {state}'}:\n{output}")
        self.startup_seconds = time.monotonic() - started
        if activate:
            self.focus()

    def focus(self):
        # As a person's click on the window would: raised and active.
        self.desktop.run("xdotool", "windowactivate", "--sync", self.window, check=False)
        time.sleep(0.4)

    def pixels(self):
        """The window's image as (width, height, rgb bytes)."""
        return self.desktop.pixels(self.window)

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

    def inputs(self):
        """The thirteen input fields' shown texts, in tab order, copied from
        each field as the focus moves on (the focus starts in the first)."""
        shown = []
        for i in range(13):
            self.desktop.set_clipboard("")
            self.desktop.key("ctrl+c")
            shown.append(self.desktop.clipboard().strip())
            self.desktop.key("Tab")
        return shown

    def wait_closed(self, timeout=10):
        return self.process.wait(timeout=timeout)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()
        shutil.rmtree(self.home, ignore_errors=True)


class DesktopTestCase(unittest.TestCase):
    """Each test class shares one X server."""

    @classmethod
    def setUpClass(cls):
        # Missing tools fail the run: a skipped end-to-end test proves nothing.
        if not BINARY or not shutil.which("Xvfb") or not shutil.which("xdotool"):
            raise RuntimeError("needs the program, Xvfb and xdotool (scripts/bootstrap installs them)")
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def start(self, config_home=None, first_run=False, locale="C.UTF-8", activate=True):
        program = Program(self.desktop, config_home, first_run, locale, activate)
        self.addCleanup(program.close)
        return program

    def window_named(self, name, timeout=10):
        """The first visible window whose name matches, or None."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            out = self.desktop.run("xdotool", "search", "--onlyvisible", "--name", name, check=False)
            if out:
                return out.split()[0]
            time.sleep(0.1)
        return None

    def wait_gone(self, name, timeout=10):
        """True once no visible window's name matches."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.desktop.run("xdotool", "search", "--onlyvisible", "--name", name, check=False):
                return True
            time.sleep(0.1)
        return False
