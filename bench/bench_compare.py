#!/usr/bin/env python3
"""Runs the paint benchmarks of a base commit and of the working tree in one run and prints
their medians side by side.

Both sides run the working tree's benchmark cases: the base commit's sources are exported into a
scratch folder and the current paint benchmarks (with the fixture headers they include from
bench/) are copied over them. The runs alternate (base, current, base, current, ...) so that a
change of machine load falls on both sides alike. Everything lives in one scratch folder under
the checkout's build folder, removed at the end; the checkout and its own builds are left alone.

    bench/bench_compare.py [BASE] [--rounds N] [--repetitions N] [--filter REGEX] [-j N]
"""

import argparse
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PAINT_BENCHES = ("schemora_paint_bench", "tracelyn_paint_bench")
DEFAULT_BASE = "32e3970"  # the painting code before the repaint work
UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


class CompareError(Exception):
    """A failure the user is told about in one message, without a stack trace."""


# ---- Reading benchmark output and making the table ------------------------------------------

class Samples:
    """The wall times (ms) one side measured for one case, and the case's label."""

    def __init__(self):
        self.times = []
        self.label = ""
        self.error = ""


def read_samples(report, into=None):
    """Adds the single repetitions of a Google Benchmark JSON report (aggregates are ignored:
    the median is taken over every repetition of every round) to `into`, keyed by case."""
    into = {} if into is None else into
    for b in report.get("benchmarks", []):
        if b.get("run_type") == "aggregate":
            continue
        name = b.get("run_name") or b.get("name", "?")
        s = into.setdefault(name, Samples())
        if b.get("error_occurred"):
            s.error = b.get("error_message") or "error"
            continue
        scale = UNIT_TO_MS.get(b.get("time_unit", "ns"))
        if scale is None or "real_time" not in b:
            s.error = "no wall time in the report"
            continue
        s.times.append(float(b["real_time"]) * scale)
        s.label = b.get("label") or s.label
    return into


def format_ms(ms):
    return f"{ms:.2f}" if ms < 10 else f"{ms:.1f}" if ms < 100 else f"{ms:.0f}"


def format_ratio(base_ms, current_ms):
    if current_ms <= 0:
        return "-"
    r = base_ms / current_ms
    return f"{format_ms(r)}× faster" if r >= 1 else f"{r:.2f}× (slower)"


def make_table(title, base, current, load=None):
    """Lines of one benchmark program's table: case, label, base and current medians (ms),
    base/current, and each side's fastest repetition (ms), which a busy machine disturbs least;
    cases that only one side measured are listed with the reason."""
    names = list(current) + [n for n in base if n not in current]
    rows = [("case", "label", "base ms", "current ms", "base/current", "base best", "current best")]
    missing = []
    for n in names:
        b, c = base.get(n), current.get(n)
        label = (c.label if c and c.label else b.label if b else "")
        if b and b.times and c and c.times:
            bm, cm = statistics.median(b.times), statistics.median(c.times)
            rows.append((n, label, format_ms(bm), format_ms(cm), format_ratio(bm, cm),
                         format_ms(min(b.times)), format_ms(min(c.times))))
            continue
        rows.append((n, label, format_ms(statistics.median(b.times)) if b and b.times else "-",
                     format_ms(statistics.median(c.times)) if c and c.times else "-", "-", "-", "-"))
        for side, s in (("base", b), ("current", c)):
            if not s:
                missing.append(f"  {n}: not run on the {side} side")
            elif not s.times:
                missing.append(f"  {n}: failed on the {side} side: {s.error}")
    widths = [max(len(r[i]) for r in rows) for i in range(7)]
    align = ("<", "<", ">", ">", ">", ">", ">")
    lines = [title]
    if not names:
        return lines + ["  no case matches the filter"]
    for i, r in enumerate(rows):
        lines.append("  ".join(f"{v:{a}{w}}" for v, a, w in zip(r, align, widths)).rstrip())
        if i == 0:
            lines.append("  ".join("-" * w for w in widths))
    runs = [len(s.times) for side in (base, current) for s in side.values() if s.times]
    if runs:
        lines.append(f"medians of {min(runs)} to {max(runs)} repetitions a side, wall time"
                     if min(runs) != max(runs) else f"medians of {runs[0]} repetitions a side, wall time")
    if load:
        spread = f"{min(load):.1f}" + (f" to {max(load):.1f}" if max(load) > min(load) else "")
        lines.append(f"machine load (1-minute average) during the runs: {spread} on {os.cpu_count()} processors")
    if missing:
        lines.append("compared on one side only:")
        lines.extend(missing)
    return lines


# ---- Naming a case that does not compile -----------------------------------------------------

CASE_START = re.compile(r"^\s*(?:static\s+)?void\s+(\w+)\s*\(\s*benchmark::State\s*&")
COMPILER_ERROR = re.compile(r"(bench/[\w.]+):(\d+):(?:\d+:)?\s*(?:fatal )?error:\s*(.*)")


def case_at(source_lines, line_no):
    """The benchmark case whose body holds line `line_no` (1-based), or None."""
    for text in reversed(source_lines[:line_no]):
        m = CASE_START.match(text)
        if m:
            return m.group(1)
    return None


def failing_cases(build_log, source_root):
    """One line per compiler error in the copied benchmark files: the case (or file) it is in."""
    found = []
    for m in COMPILER_ERROR.finditer(build_log):
        rel, line_no, what = m.group(1), int(m.group(2)), m.group(3).strip()
        path = Path(source_root) / rel
        lines = path.read_text(errors="replace").splitlines() if path.is_file() else []
        case = case_at(lines, line_no) if rel.endswith(".cpp") else None
        entry = f"  {case or rel} ({rel}:{line_no}): {what}"
        if entry not in found:
            found.append(entry)
    return found


# ---- Building and running ---------------------------------------------------------------------

def run(cmd, log=None, cwd=None, env=None):
    """Runs a command in its own process group and returns its exit code; the whole group is
    stopped if this script is interrupted, so no build keeps writing into the scratch folder."""
    out = open(log, "ab") if log else subprocess.DEVNULL
    try:
        p = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT if log else None, cwd=cwd,
                             env=env, start_new_session=True)
        try:
            return p.wait()
        except BaseException:
            os.killpg(p.pid, signal.SIGTERM)
            p.wait()
            raise
    finally:
        if log:
            out.close()


def git(root, *args):
    return subprocess.run(["git", "-C", str(root), *args], capture_output=True, text=True)


def resolve_commit(root, base):
    r = git(root, "rev-parse", "--verify", "--quiet", f"{base}^{{commit}}")
    if r.returncode != 0 or not r.stdout.strip():
        raise CompareError(f"'{base}' is not a commit of this repository")
    return r.stdout.strip()


def bench_files(root):
    """The paint benchmark sources and the bench/ headers they include, recursively."""
    todo = [f"bench/{b}.cpp" for b in PAINT_BENCHES]
    seen = []
    while todo:
        rel = todo.pop()
        if rel in seen:
            continue
        seen.append(rel)
        text = (root / rel).read_text()
        todo.extend(re.findall(r'^#include "(bench/[\w.]+)"', text, re.M))
    return seen


def export_base(root, commit, dest):
    dest.mkdir()
    archive = subprocess.Popen(["git", "-C", str(root), "archive", "--format=tar", commit],
                               stdout=subprocess.PIPE)
    untar = subprocess.run(["tar", "-x", "-C", str(dest)], stdin=archive.stdout)
    archive.stdout.close()
    if archive.wait() != 0 or untar.returncode != 0:
        raise CompareError(f"could not export {commit[:10]} into {dest}")
    for rel in bench_files(root):
        (dest / rel).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(root / rel, dest / rel)


def build(source, build_dir, jobs, env, what):
    log = build_dir.parent / f"{build_dir.name}.log"
    options = ["-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQUILL_TESTS=OFF",
               "-DQUILL_BENCH=ON", "-DQUILL_SANITIZE=OFF", "-DQUILL_FUZZ=OFF"]
    if shutil.which("ccache"):
        options.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    print(f"building the paint benchmarks of {what} ...", flush=True)
    started = time.monotonic()
    if run(["cmake", "-S", str(source), "-B", str(build_dir), *options], log=log, env=env) != 0 or \
            run(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target", *PAINT_BENCHES],
                log=log, env=env) != 0:
        text = log.read_text(errors="replace")
        errors = failing_cases(text, source)
        if errors:
            raise CompareError(f"these benchmark cases do not compile against {what}:\n" + "\n".join(errors))
        tail = "\n".join(text.splitlines()[-30:])
        raise CompareError(f"the build of {what} failed:\n{tail}")
    print(f"  built in {time.monotonic() - started:.0f} s", flush=True)
    for b in PAINT_BENCHES:
        if not (build_dir / "bench" / b).is_file():
            raise CompareError(f"the build of {what} made no bench/{b} (is Google Benchmark installed?)")


def read_report(path):
    """A benchmark program's JSON report; a filter that matches none of the program's cases
    leaves an empty file, which holds no cases."""
    text = path.read_text() if path.is_file() else ""
    if not text.strip():
        return {}
    try:
        return json.loads(text)
    except json.JSONDecodeError as e:
        raise CompareError(f"{path.name} is not a benchmark report: {e}") from None


def sides_in_round(sides, rnd):
    """The sides in the order round `rnd` runs them: the first side first in odd rounds, last
    in even ones. A program run right after another is often slower on a busy machine, so a
    fixed order would favour one side."""
    order = list(sides.items())
    return order if rnd % 2 == 1 else order[::-1]


def run_interleaved(sides, scratch, args):
    """Runs every paint benchmark `args.rounds` times per side, alternating the sides; returns
    the samples per benchmark and side, and the machine load seen before each run."""
    results = {b: {side: {} for side in sides} for b in PAINT_BENCHES}
    load = {b: [] for b in PAINT_BENCHES}
    for rnd in range(1, args.rounds + 1):
        for b in PAINT_BENCHES:
            for side, build_dir in sides_in_round(sides, rnd):
                out = scratch / f"{side}-{b}-{rnd}.json"
                load[b].append(os.getloadavg()[0])
                print(f"round {rnd}/{args.rounds}: {b} ({side})", flush=True)
                code = run([str(build_dir / "bench" / b), f"--benchmark_repetitions={args.repetitions}",
                            f"--benchmark_filter={args.filter}", f"--benchmark_out={out}",
                            "--benchmark_out_format=json"], log=scratch / f"{side}-{b}.log")
                if code != 0:
                    raise CompareError(f"{side} {b} stopped with exit code {code}")
                read_samples(read_report(out), results[b][side])
    return results, load


def main(argv):
    parser = argparse.ArgumentParser(
        prog="./dev bench-compare",
        description="Paint benchmarks of BASE and of the working tree, run in one interleaved run.")
    parser.add_argument("base", nargs="?", default=DEFAULT_BASE, help=f"base commit ({DEFAULT_BASE})")
    parser.add_argument("--rounds", type=int, default=2, help="runs per side, alternating (2)")
    parser.add_argument("--repetitions", type=int, default=3, help="repetitions per run (3)")
    parser.add_argument("--filter", default=".", help="benchmark filter, the same on both sides")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count() or 1, help="build jobs (nproc)")
    args = parser.parse_args(argv)
    if args.rounds < 1 or args.repetitions < 1 or args.jobs < 1:
        parser.error("--rounds, --repetitions and --jobs take a number from 1 up")

    root = Path(__file__).resolve().parent.parent
    commit = resolve_commit(root, args.base)
    head = git(root, "rev-parse", "--short", "HEAD").stdout.strip()
    dirty = git(root, "status", "--porcelain", "--untracked-files=no").stdout.strip()
    current = f"the working tree ({head}{' with uncommitted changes' if dirty else ''})"

    env = dict(os.environ)
    # Compiler cache hits across the scratch folders of earlier runs and other checkouts.
    env.setdefault("CCACHE_BASEDIR", str(root))
    env.setdefault("CCACHE_NOHASHDIR", "1")

    build_root = root / "build"
    made_build_root = not build_root.exists()
    build_root.mkdir(exist_ok=True)
    scratch = Path(tempfile.mkdtemp(prefix="bench-compare-", dir=build_root))
    # A terminated run cleans up like an interrupted one.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        export_base(root, commit, scratch / "base-src")
        build(scratch / "base-src", scratch / "base", args.jobs, env, f"base {args.base} ({commit[:10]})")
        build(root, scratch / "current", args.jobs, env, current)
        results, load = run_interleaved({"base": scratch / "base", "current": scratch / "current"},
                                        scratch, args)
        print()
        print(f"base: {args.base} ({commit[:10]}); current: {current}")
        for b in PAINT_BENCHES:
            print()
            print("\n".join(make_table(b, results[b]["base"], results[b]["current"], load[b])))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
        if made_build_root:
            try:
                build_root.rmdir()
            except OSError:
                pass
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except CompareError as e:
        print(f"bench-compare: {e}", file=sys.stderr)
        sys.exit(1)
    except KeyboardInterrupt:
        print("bench-compare: interrupted; scratch folder removed", file=sys.stderr)
        sys.exit(130)
