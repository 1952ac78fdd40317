#!/usr/bin/env python3
"""Start-up time and peak memory of the program against a bare Qt Widgets
window, both on one private Xvfb server, run alternately.

Start-up is measured from outside, the same way for both programs: Xvfb keeps
its screen in a memory-mapped file (-fbdir), which is polled every 2 ms. The
clock starts just before the program is launched; "first complete paint" is
the last change of the screen's pixels before they stay unchanged for QUIET
seconds. So the figure covers exec, library loading, window creation and every
paint up to the settled first picture, and nothing the program reports itself.

Beside the wall-clock figure, the CPU time the program's threads had used by
then (/proc/<pid>/task/*/schedstat) is shown: on a shared machine it varies
far less, because it leaves out the time spent waiting for a core.

Peak memory is VmHWM from /proc/<pid>/status once the window has settled, and
again after a Tab key (for the program: leaving the first field runs the
calculation and repaints the results).

Prints lines in the benchmarks' format:
  ratio <case>/<floor> = 1.07 (goal <= 1.30)
"""

import argparse
import mmap
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import zlib

QUIET = 0.35  # shorter than a caret's blink phase, longer than any gap while painting
POLL = 0.002
TIMEOUT = 15.0
SCREEN = (800, 600)


class Screen:
    def __init__(self, number):
        self.folder = tempfile.mkdtemp(prefix="quorvant-bench-fb-")
        self.display = f":{number}"
        self.server = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp",
             "-br", "-fbdir", self.folder], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self._map_frame_buffer(number)
        except BaseException:
            # Nothing else would stop the server of a screen that never was.
            self.server.kill()
            self.server.wait()
            shutil.rmtree(self.folder, ignore_errors=True)
            raise
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        # The pointer away from where the window opens: no hover, no hint.
        subprocess.run(["xdotool", "mousemove", str(SCREEN[0] - 1), str(SCREEN[1] - 1)], env=self.env,
                       check=False, capture_output=True)
        time.sleep(0.2)

    def _map_frame_buffer(self, number):
        path = os.path.join(self.folder, "Xvfb_screen0")
        deadline = time.time() + 10
        # The file exists before Xvfb has given it its size.
        while not (os.path.exists(f"/tmp/.X11-unix/X{number}") and os.path.exists(path)
                   and os.path.getsize(path) > 0):
            if time.time() > deadline or self.server.poll() is not None:
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.05)
        self.file = open(path, "rb")
        self.map = mmap.mmap(self.file.fileno(), 0, access=mmap.ACCESS_READ)

    def hash(self):
        return zlib.crc32(self.map)

    def settle(self, since, deadline, process=None):
        """Polls until the pixels stay unchanged for QUIET seconds; returns
        (time of the last change or None, hash). A program that ends while
        its window should be painting is reported at once, with its status."""
        last, changed = self.hash(), None
        quiet_from = time.perf_counter()
        while True:
            time.sleep(POLL)
            now = time.perf_counter()
            current = self.hash()
            if current != last:
                last, changed, quiet_from = current, now, now
            elif now - quiet_from >= QUIET and (changed is not None or since is None):
                return changed, last
            if process is not None and process.poll() is not None:
                raise RuntimeError(f"{process.args[0]} ended with status {process.returncode} before its window settled")
            if now > deadline:
                raise RuntimeError("the screen never settled")

    def wait_empty(self):
        """Waits until the last program's window has gone and the screen is
        still. Not compared with the first picture: Xvfb draws its pointer
        into the frame buffer, and a window that came and went can leave the
        pointer drawn differently (same picture on screen, other bytes)."""
        self.settle(None, time.perf_counter() + TIMEOUT)

    def close(self):
        self.map.close()
        self.file.close()
        self.server.send_signal(signal.SIGTERM)
        self.server.wait(timeout=10)
        shutil.rmtree(self.folder, ignore_errors=True)


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM")


def cpu_seconds(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total / 1e9


def measure(screen, binary, caption, env, repaints_on_tab):
    screen.wait_empty()
    start = time.perf_counter()
    process = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        painted, before = screen.settle(start, start + TIMEOUT, process)
        startup = painted - start
        cpu = cpu_seconds(process.pid)
        memory_start = peak_kib(process.pid)
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", caption], env=env,
                                capture_output=True, text=True, timeout=10).stdout.split()
        if not window:
            raise RuntimeError(f"no window named {caption!r}")
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], env=env, capture_output=True, timeout=10)
        screen.settle(None, time.perf_counter() + TIMEOUT)
        focused = screen.hash()
        subprocess.run(["xdotool", "key", "Tab"], env=env, capture_output=True, timeout=10)
        # The program repaints its results on Tab: wait for that change, which
        # a loaded machine can delay past the quiet time.
        tab = time.perf_counter()
        try:
            screen.settle(tab if repaints_on_tab else None, tab + TIMEOUT, process)
        except RuntimeError as error:
            raise RuntimeError(f"after the Tab key: {error}") from error
        memory_tab = peak_kib(process.pid)
        repainted = screen.hash() != focused
        if process.poll() is not None:
            raise RuntimeError(f"{binary} ended early")
        return startup, memory_start, memory_tab, repainted, cpu
    finally:
        process.kill()
        process.wait()


def free_display(numbers):
    for number in numbers:
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    raise RuntimeError("no free X display number")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("quorvant")
    parser.add_argument("bare")
    parser.add_argument("--pairs", type=int, default=15)
    parser.add_argument("--displays", default="170-179", help="X display numbers to choose from")
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print(f"cannot measure: {tool} is missing (scripts/bootstrap installs it)", file=sys.stderr)
            return 1
    low, high = (int(n) for n in args.displays.split("-"))

    home = tempfile.mkdtemp(prefix="quorvant-bench-home-")
    config = os.path.join(home, "config")
    os.makedirs(os.path.join(config, "Quorvant"))
    # Not the first run: no help window opens.
    with open(os.path.join(config, "Quorvant", "quorvant.ini"), "w", newline="") as f:
        f.write("[GeneralValues]\r\nRun=1\r\n")
    screen = Screen(free_display(range(low, high + 1)))
    env = dict(screen.env, HOME=home, XDG_CONFIG_HOME=config, LC_ALL="C.UTF-8")
    programs = {"Quorvant": (args.quorvant, "Quorvant, 4.5.1"), "Bare": (args.bare, "Bare window")}
    results = {name: [] for name in programs}
    try:
        # One unmeasured run each, so both start with warm file caches.
        for name, (binary, caption) in programs.items():
            measure(screen, binary, caption, env, name == "Quorvant")
        for pair in range(args.pairs):
            order = ["Bare", "Quorvant"] if pair % 2 == 0 else ["Quorvant", "Bare"]
            for name in order:
                results[name].append(measure(screen, *programs[name], env, name == "Quorvant"))
    finally:
        screen.close()
        shutil.rmtree(home, ignore_errors=True)

    def median(name, column):
        return statistics.median(run[column] for run in results[name])

    def spread(name, column):
        q = statistics.quantiles([run[column] * 1000 for run in results[name]], n=4)
        return f"{q[0]:.0f}-{q[2]:.0f}"

    ok = all(run[3] for run in results["Quorvant"])
    print(f"start-up, median of {args.pairs} alternating pairs: Quorvant {median('Quorvant', 0) * 1000:.0f} ms "
          f"(quartiles {spread('Quorvant', 0)}), bare {median('Bare', 0) * 1000:.0f} ms "
          f"(quartiles {spread('Bare', 0)}); CPU time by then: Quorvant {median('Quorvant', 4) * 1000:.0f} ms, "
          f"bare {median('Bare', 4) * 1000:.0f} ms")
    print(f"peak resident memory: Quorvant {median('Quorvant', 1)} KiB after start-up, {median('Quorvant', 2)} KiB "
          f"after the calculation; bare {median('Bare', 1)} KiB, {median('Bare', 2)} KiB after Tab")
    print(f"ratio Startup/BareStartup = {median('Quorvant', 0) / median('Bare', 0):.3f} (goal <= 1.30)")
    print(f"ratio StartupCpu/BareStartupCpu = {median('Quorvant', 4) / median('Bare', 4):.3f} (goal <= 1.30)")
    print(f"ratio PeakMemoryAtStart/BarePeakMemory = {median('Quorvant', 1) / median('Bare', 1):.3f} (goal <= 1.30)")
    print(f"ratio PeakMemoryAfterCalculation/BarePeakMemory = "
          f"{median('Quorvant', 2) / median('Bare', 2):.3f} (goal <= 1.30)")
    if not ok:
        print("cannot measure: the Tab key did not repaint the program's window every time, "
              "so no calculation was measured", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (RuntimeError, OSError, ValueError, subprocess.SubprocessError, statistics.StatisticsError) as error:
        # One line that scripts/bench shows as the reason.
        print(f"cannot measure: {error}", file=sys.stderr)
        sys.exit(1)
