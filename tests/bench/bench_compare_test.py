#!/usr/bin/env python3
"""The same-run comparison's table and its naming of cases that do not compile, from benchmark
reports and compiler output spelled out here (nothing is built)."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "bench" / "bench_compare.py"
sys.dont_write_bytecode = True  # no cache folder beside the script in the source tree
sys.path.insert(0, str(SCRIPT.parent))
import bench_compare as bc  # noqa: E402


def rep(name, real, unit="ms", label="", **extra):
    return {"name": name, "run_name": name, "run_type": "iteration", "real_time": real,
            "cpu_time": real, "time_unit": unit, "label": label, **extra}


def agg(name, kind, real):
    return {"name": f"{name}_{kind}", "run_name": name, "run_type": "aggregate",
            "aggregate_name": kind, "real_time": real, "time_unit": "ms"}


def row(lines, case):
    found = [ln.split() for ln in lines if ln.startswith(case + " ")]
    assert len(found) == 1, (case, lines)
    return found[0]


class TableTest(unittest.TestCase):
    def setUp(self):
        # Two rounds a side; aggregates are in the reports but must not count as samples.
        base = {}
        bc.read_samples({"benchmarks": [rep("BM_A/0", 100), rep("BM_A/0", 120), agg("BM_A/0", "median", 1),
                                        rep("BM_B", 30e6, unit="ns"), rep("BM_OnlyBase", 5)]}, base)
        bc.read_samples({"benchmarks": [rep("BM_A/0", 90), rep("BM_A/0", 500),
                                        rep("BM_B", 31e6, unit="ns"), rep("BM_Broken", 1)]}, base)
        current = {}
        bc.read_samples({"benchmarks": [rep("BM_A/0", 10, label="all in view"), rep("BM_A/0", 12),
                                        rep("BM_B", 60000, unit="us"), rep("BM_OnlyCurrent", 2),
                                        rep("BM_Broken", 0, error_occurred=True, error_message="no sheet")]},
                        current)
        bc.read_samples({"benchmarks": [rep("BM_A/0", 11), rep("BM_A/0", 9), rep("BM_B", 61000, unit="us")]},
                        current)
        self.base, self.current = base, current
        self.lines = bc.make_table("schemora_paint_bench", base, current, load=[3.0, 7.5])

    def test_medians_over_every_repetition_of_every_round(self):
        self.assertEqual(self.base["BM_A/0"].times, [100, 120, 90, 500])
        a = row(self.lines, "BM_A/0")
        # base median 110, current median 10.5: 10.5 times faster; the label comes from the current side
        self.assertEqual(a[1:], ["all", "in", "view", "110", "10.5", "10.5\u00d7", "faster", "90.0", "9.00"])

    def test_units_are_turned_into_milliseconds_and_slower_cases_say_so(self):
        b = row(self.lines, "BM_B")
        self.assertEqual(b[1:], ["30.5", "60.5", "0.50\u00d7", "(slower)", "30.0", "60.0"])

    def test_cases_measured_on_one_side_only_are_reported(self):
        self.assertEqual(row(self.lines, "BM_OnlyBase")[1:], ["5.00", "-", "-", "-", "-"])
        self.assertEqual(row(self.lines, "BM_OnlyCurrent")[1:], ["-", "2.00", "-", "-", "-"])
        tail = self.lines[self.lines.index("compared on one side only:") + 1:]
        self.assertEqual(sorted(tail), sorted([
            "  BM_OnlyCurrent: not run on the base side",
            "  BM_Broken: failed on the current side: no sheet",
            "  BM_OnlyBase: not run on the current side"]))

    def test_title_count_and_load_are_printed(self):
        self.assertEqual(self.lines[0], "schemora_paint_bench")
        self.assertIn("medians of 1 to 4 repetitions a side, wall time", self.lines)
        self.assertTrue(any(ln.startswith("machine load (1-minute average) during the runs: 3.0 to 7.5")
                            for ln in self.lines))


class RoundOrderTest(unittest.TestCase):
    def test_each_side_runs_first_in_every_other_round(self):
        sides = {"base": "b", "current": "c"}
        self.assertEqual([s for s, _ in bc.sides_in_round(sides, 1)], ["base", "current"])
        self.assertEqual([s for s, _ in bc.sides_in_round(sides, 2)], ["current", "base"])
        self.assertEqual([s for s, _ in bc.sides_in_round(sides, 3)], ["base", "current"])


class EmptyRunTest(unittest.TestCase):
    def test_a_filter_that_matches_no_case_gives_an_empty_table(self):
        with tempfile.TemporaryDirectory() as root:
            report = Path(root) / "run.json"
            report.write_text("")  # what the benchmark program leaves when nothing matches
            samples = bc.read_samples(bc.read_report(report))
            self.assertEqual(bc.make_table("tracelyn_paint_bench", {}, samples, load=[2.0]),
                             ["tracelyn_paint_bench", "  no case matches the filter"])
            report.write_text("{ not json")
            with self.assertRaises(bc.CompareError):
                bc.read_report(report)


class CompileFailureTest(unittest.TestCase):
    def test_an_error_is_named_by_the_case_or_header_it_is_in(self):
        with tempfile.TemporaryDirectory() as root:
            (Path(root) / "bench").mkdir()
            (Path(root) / "bench" / "paint_bench.cpp").write_text(
                "#include <benchmark/benchmark.h>\n"        # 1
                "void BM_First(benchmark::State& state)\n"  # 2
                "{\n"                                       # 3
                "    NewRoutine();\n"                       # 4
                "}\n"                                       # 5
                "static void BM_Second(benchmark::State& s)\n"  # 6
                "{\n"                                       # 7
                "    OtherRoutine();\n"                     # 8
                "}\n")
            log = (f"FAILED: bench/CMakeFiles/x.o\n"
                   f"{root}/bench/paint_bench.cpp:4:5: error: 'NewRoutine' was not declared in this scope\n"
                   f"{root}/bench/paint_bench.cpp:8:5: error: 'OtherRoutine' was not declared in this scope\n"
                   f"{root}/bench/paint_bench.cpp:8:5: error: 'OtherRoutine' was not declared in this scope\n"
                   f"{root}/bench/fixture.h:12:3: error: no member named 'zoom'\n"
                   f"{root}/schemora/core/x.cpp:1:1: warning: unused\n")
            self.assertEqual(bc.failing_cases(log, root), [
                "  BM_First (bench/paint_bench.cpp:4): 'NewRoutine' was not declared in this scope",
                "  BM_Second (bench/paint_bench.cpp:8): 'OtherRoutine' was not declared in this scope",
                "  bench/fixture.h (bench/fixture.h:12): no member named 'zoom'"])


class CommandTest(unittest.TestCase):
    def test_a_base_that_is_not_a_commit_is_refused_before_anything_is_built(self):
        r = subprocess.run([sys.executable, str(SCRIPT), "no-such-commit-xyz"], capture_output=True,
                           text=True, cwd=tempfile.gettempdir())
        self.assertEqual(r.returncode, 1)
        self.assertIn("'no-such-commit-xyz' is not a commit of this repository", r.stderr)
        self.assertEqual(r.stdout, "")


if __name__ == "__main__":
    unittest.main()
