"""The program as a Wayland client of weston, as a GNOME or KDE user runs it
with Debian's qt6-wayland: start, type, Tab, a tooltip, About, a maximise
request, close, settings saved.

Weston runs with its X11 backend inside Xvfb, so a person's keys and
clicks reach it through xdotool (the headless backend has no input
devices). What the program asks of the compositor is read from its own
protocol log (WAYLAND_DEBUG): toplevels, their parents, pop-ups and where
they are anchored, and the pointer's surface coordinates, which tell
where weston placed each window."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from desktop import BINARY, CAPTION, Desktop

APP_ID = "example.ostrel.Quorvant"
ABOUT = " About Quorvant, 4.5.1"
SHOTS = os.environ.get("QUORVANT_SHOTS", "")
# Qt's own window decorations on weston: borders and the title bar.
FRAME_LEFT, FRAME_TOP = 3, 30
BUTTON_WIDTH, BUTTON_SPACING, BUTTONS_RIGHT = 18, 5, 8


class Weston:
    """Weston on an Xvfb display (its X11 backend), with a private runtime
    folder and socket."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.runtime = tempfile.mkdtemp(prefix="quorvant-xdg-")
        self.socket = f"quorvant-wayland-{desktop.number}"
        env = dict(desktop.env, XDG_RUNTIME_DIR=self.runtime, HOME=self.runtime, XDG_CONFIG_HOME=self.runtime)
        self.log = open(os.path.join(self.runtime, "weston.log"), "w")
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--no-config", "--idle-time=0",
             "--width=1024", "--height=720", f"--socket={self.socket}"],
            env=env, stdout=self.log, stderr=subprocess.STDOUT)
        deadline = time.time() + 30
        while not os.path.exists(os.path.join(self.runtime, self.socket)):
            if self.process.poll() is not None or time.time() > deadline:
                raise RuntimeError("weston did not start: " + self.read_log())
            time.sleep(0.05)
        self.window = desktop.wait_window("--classname", "weston")[0]
        geometry = desktop.run("xdotool", "getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=") for line in geometry.splitlines() if "=" in line)
        self.x, self.y = int(values["X"]), int(values["Y"])
        self.take_keyboard()

    def read_log(self):
        with open(os.path.join(self.runtime, "weston.log")) as f:
            return f.read()

    def take_keyboard(self):
        """The X keyboard focus on weston's window: keys reach the Wayland
        window that weston has made active."""
        self.desktop.run("xdotool", "windowfocus", "--sync", self.window, check=False)
        time.sleep(0.2)

    def give_keyboard_away(self):
        """The keyboard goes to another program outside weston: weston's
        clients lose it."""
        root = re.search(r"Window id: (0x[0-9a-f]+)", self.desktop.run("xwininfo", "-root")).group(1)
        self.desktop.run("xdotool", "windowfocus", "--sync", root, check=False)
        time.sleep(0.3)

    def move(self, x, y):
        self.desktop.run("xdotool", "mousemove", str(self.x + x), str(self.y + y))
        time.sleep(0.15)

    def click(self, x, y):
        self.move(x, y)
        self.desktop.run("xdotool", "click", "1")
        time.sleep(0.3)

    def close(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)


class Toplevel:
    def __init__(self, xdg_surface, wl_surface):
        self.xdg_surface, self.wl_surface = xdg_surface, wl_surface
        self.title = self.app_id = self.parent = None
        self.size = None  # the window geometry it last set
        self.destroyed = False
        self.configures = []  # (width, height, number of states)


class ProtocolLog:
    """The client's WAYLAND_DEBUG output, read as it grows."""

    LINE = re.compile(r"^\[\s*[\d.]+\]\s+(->)?\s*(\w+)@(\d+)\.(\w+)\((.*)\)\s*$")

    def __init__(self, path):
        self.path, self.offset = path, 0
        self.xdg_surfaces = {}  # xdg_surface id -> wl_surface id
        self.toplevels = {}  # xdg_toplevel id -> Toplevel (latest with that id)
        self.all_toplevels = []
        self.popups = []  # (wl_surface, parent xdg_surface, anchor rect)
        self.anchors = {}
        self.pointer = None  # (wl_surface, x, y)
        self.pointer_events = 0
        self.errors = []

    def update(self):
        with open(self.path, errors="replace") as f:
            f.seek(self.offset)
            text = f.read()
        complete = text[:text.rfind("\n") + 1]
        self.offset += len(complete.encode(errors="replace"))
        for line in complete.splitlines():
            if "error" in line.lower() and ("wl_display" in line or "protocol" in line.lower()):
                self.errors.append(line)
            found = self.LINE.match(line)
            if found:
                self.handle(bool(found.group(1)), found.group(2), int(found.group(3)), found.group(4),
                            found.group(5))
        return self

    def handle(self, request, interface, object_id, message, args):
        ids = [int(x) for x in re.findall(r"@(\d+)", args)]
        numbers = re.findall(r"-?\d+(?:\.\d+)?", re.sub(r"\w+@\d+", "", args))
        if request and interface == "xdg_wm_base" and message == "get_xdg_surface":
            self.xdg_surfaces[ids[0]] = ids[1]
        elif request and interface == "xdg_surface" and message == "get_toplevel":
            top = Toplevel(object_id, self.xdg_surfaces.get(object_id))
            self.toplevels[ids[0]] = top
            self.all_toplevels.append(top)
        elif request and interface == "xdg_surface" and message == "get_popup":
            self.popups.append((self.xdg_surfaces.get(object_id), ids[1], self.anchors.get(ids[2])))
        elif request and interface == "xdg_positioner" and message == "set_anchor_rect":
            self.anchors[object_id] = tuple(int(n) for n in numbers[:4])
        elif request and interface == "xdg_surface" and message == "set_window_geometry":
            for top in self.toplevels.values():
                if top.xdg_surface == object_id and not top.destroyed:
                    top.size = (int(numbers[2]), int(numbers[3]))
        elif interface == "xdg_toplevel" and object_id in self.toplevels:
            top = self.toplevels[object_id]
            if request and message == "set_title":
                top.title = re.search(r'"(.*)"', args).group(1)
            elif request and message == "set_app_id":
                top.app_id = re.search(r'"(.*)"', args).group(1)
            elif request and message == "set_parent":
                top.parent = self.toplevels.get(ids[0]) if ids else None
            elif request and message == "destroy":
                top.destroyed = True
            elif not request and message == "configure":
                states = re.search(r"array\[(\d+)\]", args)
                top.configures.append((int(numbers[0]), int(numbers[1]), int(states.group(1)) // 4 if states else 0))
        if not request and interface == "wl_pointer" and message in ("enter", "motion", "leave"):
            self.pointer_events += 1
        if not request and interface == "wl_pointer" and message == "enter":
            self.pointer = (ids[0], float(numbers[1]), float(numbers[2]))
        elif not request and interface == "wl_pointer" and message == "motion" and self.pointer:
            self.pointer = (self.pointer[0], float(numbers[1]), float(numbers[2]))
        elif not request and interface == "wl_pointer" and message == "leave":
            self.pointer = None

    def toplevel(self, title):
        for top in reversed(self.all_toplevels):
            if top.title == title and not top.destroyed:
                return top
        return None


class WaylandSession(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        if not BINARY or not shutil.which("weston") or not shutil.which("Xvfb") or not shutil.which("xdotool"):
            raise RuntimeError("needs the program, weston, Xvfb and xdotool (scripts/bootstrap installs them)")
        cls.desktop = Desktop(window_manager=False)
        try:
            cls.weston = Weston(cls.desktop)
        except Exception:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.weston.close()
        cls.desktop.close()

    def start(self):
        self.home = tempfile.mkdtemp(prefix="quorvant-e2e-")
        self.addCleanup(shutil.rmtree, self.home, True)
        self.settings_path = os.path.join(self.home, "config", "Quorvant", "quorvant.ini")
        os.makedirs(os.path.dirname(self.settings_path))
        with open(self.settings_path, "w", newline="") as f:
            f.write("[GeneralValues]\r\nRun=1\r\n")
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_SOCKET")}
        env.update(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, "config"), LC_ALL="C.UTF-8",
                   XDG_RUNTIME_DIR=self.weston.runtime, WAYLAND_DISPLAY=self.weston.socket,
                   QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
        log_path = os.path.join(self.home, "wayland.log")
        self.output = open(log_path, "w")
        self.process = subprocess.Popen([BINARY], env=env, stdout=self.output, stderr=subprocess.STDOUT)
        self.addCleanup(self.stop)
        self.protocol = ProtocolLog(log_path)
        self.main = self.wait_toplevel(CAPTION)
        time.sleep(0.5)
        return self.main

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.output.close()

    def wait_for(self, what, condition, timeout=10):
        deadline = time.time() + timeout
        while True:
            self.protocol.update()
            found = condition()
            if found:
                return found
            if self.process.poll() is not None:
                self.fail(f"the program ended ({self.process.returncode}) waiting for {what}: "
                          f"{self.protocol.errors[-3:]}")
            if time.time() > deadline:
                self.fail(f"no {what} within {timeout} s")
            time.sleep(0.05)

    def wait_toplevel(self, title):
        return self.wait_for(f"window {title!r}", lambda: self.protocol.toplevel(title))

    def locate(self, top):
        """Where weston put the window's surface on the output: the pointer
        is moved over the output until it enters that surface."""
        for y in range(60, 720, 70):
            for x in range(40, 1024, 90):
                pointer = self.point_at(x, y)
                if pointer and pointer[0] == top.wl_surface:
                    return round(x - pointer[1]), round(y - pointer[2])
        self.fail(f"window {top.title!r} not found on the output")

    def point_at(self, x, y):
        """Moves the pointer; the surface and surface coordinates the
        program was told of, or None when it is over none of its windows."""
        seen = self.protocol.update().pointer_events
        self.weston.move(x, y)
        deadline = time.time() + 0.5
        while self.protocol.update().pointer_events == seen and time.time() < deadline:
            time.sleep(0.02)
        # The last event of the move is the one that counts.
        time.sleep(0.05)
        return self.protocol.update().pointer

    def close_box(self, top, origin):
        width = top.size[0] if top.size else None
        self.assertIsNotNone(width, f"{top.title!r} set no window geometry")
        return origin[0] + width - BUTTONS_RIGHT - BUTTON_WIDTH // 2, origin[1] + FRAME_TOP // 2

    def maximise_box(self, top, origin):
        x, y = self.close_box(top, origin)
        return x - BUTTON_WIDTH - BUTTON_SPACING, y

    def test_a_session_under_weston(self):
        main = self.start()
        self.assertEqual(main.app_id, APP_ID, "the app id does not name the desktop entry")
        self.weston.take_keyboard()
        origin = self.locate(main)
        client = (origin[0] + FRAME_LEFT, origin[1] + FRAME_TOP)

        # Typing reaches the price field; Tab leaves it and calculates.
        self.desktop.type("250000")
        self.desktop.key("Tab")

        # A tooltip while another program has the keyboard: a pop-up of the
        # main window, anchored where the pointer is over it.
        self.weston.click(client[0] + 120, client[1] + 63)  # the second page's tab
        self.weston.give_keyboard_away()
        popups_before = len(self.protocol.update().popups)
        tops_before = len(self.protocol.all_toplevels)
        self.point_at(client[0] + 395, client[1] + 200)
        pointer = self.point_at(client[0] + 400, client[1] + 205)
        self.assertEqual(pointer and pointer[0], main.wl_surface, "the pointer is not over the main window")
        time.sleep(1.2)
        self.protocol.update()
        if SHOTS:
            self.desktop.screenshot(os.path.join(SHOTS, "wayland_tooltip.png"))
        self.assertEqual(len(self.protocol.all_toplevels), tops_before, "the tooltip became a window of its own")
        self.assertGreater(len(self.protocol.popups), popups_before, "no tooltip pop-up")
        _, parent, anchor = self.protocol.popups[-1]
        self.assertEqual(parent, main.xdg_surface, "the tooltip is not a pop-up of the main window")
        self.assertIsNotNone(anchor)
        self.assertLess(abs(anchor[0] - pointer[1]), 40, f"tooltip anchored at {anchor}, pointer at {pointer}")
        self.assertLess(abs(anchor[1] - pointer[2]), 60, f"tooltip anchored at {anchor}, pointer at {pointer}")

        # Back to the calculator page with the keyboard.
        self.weston.take_keyboard()
        self.weston.click(client[0] + 30, client[1] + 63)

        # About and the Disclaimer: children of the main window; the close box
        # that the desktop's title bar gives them acts as their OK.
        self.desktop.key("alt+h")
        time.sleep(0.5)  # the menu is a pop-up the compositor maps first
        self.desktop.key("a")
        about = self.wait_toplevel(ABOUT)
        self.assertIs(about.parent, main, "About is not a child of the main window")
        time.sleep(0.5)
        self.weston.click(*self.close_box(about, self.locate(about)))
        self.wait_for("About to close", lambda: about.destroyed)
        time.sleep(0.5)
        self.weston.click(origin[0] + 200, origin[1] + FRAME_TOP // 2)  # the main window's title bar
        self.desktop.key("alt+h")
        time.sleep(0.5)  # the menu is a pop-up the compositor maps first
        self.desktop.key("d")
        disclaimer = self.wait_toplevel("Disclaimer")
        self.assertIs(disclaimer.parent, main, "the Disclaimer is not a child of the main window")
        time.sleep(0.5)
        self.weston.click(*self.close_box(disclaimer, self.locate(disclaimer)))
        self.wait_for("the Disclaimer to close", lambda: disclaimer.destroyed)

        # Maximise from the title bar is refused, and the program lives on.
        self.weston.click(*self.maximise_box(main, origin))
        time.sleep(1.0)
        self.protocol.update()
        self.assertIsNone(self.process.poll(), f"the program was ended: {self.protocol.errors[-3:]}")
        self.assertEqual(self.protocol.errors, [])
        # The window as it is now (shown anew if that was what refusing took).
        now = self.wait_toplevel(CAPTION)
        time.sleep(0.5)
        self.protocol.update()
        self.assertFalse([c for c in now.configures if c[0] > now.size[0] + 10],
                         f"the window was maximised: {now.configures[-3:]}")
        self.assertEqual(now.size, main.size)
        self.assertEqual(self.protocol.errors, [])
        if SHOTS:
            self.desktop.screenshot(os.path.join(SHOTS, "wayland.png"))

        # Exit from the File menu saves what was typed.
        self.weston.take_keyboard()
        self.desktop.key("alt+f")
        time.sleep(0.5)
        self.desktop.key("x")
        self.assertEqual(self.process.wait(timeout=10), 0)
        with open(self.settings_path, newline="") as f:
            saved = f.read()
        self.assertIn("PurchasePrice=250000\r\n", saved)
        self.assertIn("Run=1\r\n", saved)


if __name__ == "__main__":
    unittest.main()
