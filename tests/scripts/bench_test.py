"""scripts/bench against a build folder of stand-in benchmarks: one that
cannot measure is measured once more, and if it still cannot, the run fails
and its summary says why; nothing that was not measured passes."""

import os
import shutil
import subprocess
import tempfile
import textwrap
import unittest

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


class Bench(unittest.TestCase):

    def setUp(self):
        self.build = tempfile.mkdtemp(prefix="quorvant-bench-test-")
        self.addCleanup(shutil.rmtree, self.build, ignore_errors=True)
        os.makedirs(os.path.join(self.build, "bench"))
        self.baseline = os.path.join(self.build, "baseline.txt")
        self.write_baseline({"Good/Floor": 1.0})

    def write_baseline(self, ratios):
        with open(self.baseline, "w") as f:
            for name, ratio in ratios.items():
                f.write(f"{name} {ratio}\n")

    def benchmark(self, path, script):
        """A stand-in program; each start is counted in <path>.starts."""
        path = os.path.join(self.build, path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write("#!/bin/sh\necho start >> \"$0.starts\"\n" + textwrap.dedent(script))
        os.chmod(path, 0o755)
        return path

    def starts(self, path):
        try:
            with open(os.path.join(self.build, path) + ".starts") as f:
                return len(f.readlines())
        except FileNotFoundError:
            return 0

    def good(self):
        self.benchmark("bench/GoodBench", "echo 'ratio Good/Floor = 1.000 (goal <= 1.30)'\n")

    def start_up(self, script):
        # The start-up measurement runs the program under its own Xvfb.
        self.benchmark("src/app/quorvant", script)
        self.benchmark("bench/BareWindow", "exit 0\n")

    def run_bench(self):
        done = subprocess.run([os.path.join(SOURCE, "scripts", "bench"), self.build, "--baseline", self.baseline],
                              env=dict(os.environ, BENCH_PAIRS="1", BENCH_REPETITIONS="1"),
                              capture_output=True, text=True, timeout=240)
        return done.returncode, done.stdout + done.stderr

    def summary(self, output):
        return output[output.rindex("verdict"):]

    def test_a_benchmark_that_crashes_twice_fails_the_run_with_its_reason(self):
        self.good()
        self.start_up("exit 3\n")
        self.benchmark("bench/BrokenBench", """\
            echo 'the screen did not clear' >&2
            kill -SEGV $$
            """)
        status, output = self.run_bench()
        self.assertNotEqual(status, 0, output)
        self.assertEqual(self.starts("bench/BrokenBench"), 2, output)
        summary = self.summary(output)
        self.assertIn("CANNOT MEASURE BrokenBench: killed by signal 11 (SEGV): the screen did not clear", summary)
        # The program ended before it painted: said at once, not after a time-out.
        self.assertIn("CANNOT MEASURE start-up and memory: exit status 1: cannot measure:", summary)
        self.assertIn("ended with status 3 before its window settled", summary)
        self.assertEqual(self.starts("src/app/quorvant"), 2, output)
        self.assertRegex(summary, r"Good/Floor +1\.000 .* ok")

    def test_a_benchmark_that_fails_once_counts_from_its_second_attempt(self):
        self.good()
        self.benchmark("bench/FlakyBench", """\
            if [ "$(wc -l < "$0.starts")" -eq 1 ]; then
              echo 'ratio Flaky/Floor: not measured'; exit 1
            fi
            echo 'ratio Flaky/Floor = 1.100 (goal <= 1.30)'
            """)
        self.write_baseline({"Good/Floor": 1.0, "Flaky/Floor": 1.1})
        status, output = self.run_bench()
        self.assertIn("FlakyBench: cannot measure (exit status 1: ratio Flaky/Floor: not measured)", output)
        self.assertEqual(self.starts("bench/FlakyBench"), 2, output)
        summary = self.summary(output)
        self.assertRegex(summary, r"Flaky/Floor +1\.100 .* ok")
        self.assertNotIn("FlakyBench", summary)
        # Nothing here can start a window: that alone fails the run.
        self.assertIn("CANNOT MEASURE start-up and memory: quorvant or BareWindow is not built", summary)
        self.assertNotEqual(status, 0)

    def test_a_ratio_of_the_baseline_that_nothing_printed_fails(self):
        self.benchmark("bench/SilentBench", "exit 0\n")
        self.write_baseline({"Good/Floor": 1.0})
        status, output = self.run_bench()
        self.assertNotEqual(status, 0, output)
        summary = self.summary(output)
        self.assertRegex(summary, r"Good/Floor +- +1\.000 +NOT MEASURED")
        self.assertIn("CANNOT MEASURE SilentBench: exit status 0 but no ratio printed", summary)


if __name__ == "__main__":
    unittest.main()
