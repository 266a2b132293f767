#!/usr/bin/env python3
"""Compares the same benchmarks of two or more builds, alternating them round by round.

Usage: bench/compare_builds.py BUILD_DIR BUILD_DIR... [--program bench_search]
                               [--filter REGEX] [--rounds N] [--repetitions N]

On a shared machine one run of a build can land in a slow stretch of the host, so that
two builds run one after the other differ by more than a change does. Here the builds
take turns (the order rotates and reverses from round to round), each run's repetitions
alternate between its benchmarks, and every figure is the median over the rounds. When
the filter selects two benchmarks, the ratio of the second to the first is taken in
each round and given as the median and the spread of the rounds.
"""
import argparse
import json
import os
import pathlib
import statistics
import subprocess
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def run_once(exe, pattern, repetitions):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([str(exe), f"--benchmark_filter={pattern}",
                          f"--benchmark_repetitions={repetitions}",
                          "--benchmark_enable_random_interleaving=true",
                          "--benchmark_format=json"],
                         capture_output=True, text=True, env=env, check=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("run_type") == "iteration":
            times.setdefault(b["run_name"], []).append(
                b["real_time"] * UNIT_MS[b["time_unit"]])
    return {name: statistics.median(t) for name, t in times.items()}


def sort_key(name):
    # "BM_X/1" before "BM_X/10": the numeric argument decides, not the text.
    base, _, arg = name.rpartition("/")
    return (base, int(arg)) if arg.isdigit() else (name, 0)


def main(argv):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("builds", nargs="+", type=pathlib.Path)
    p.add_argument("--program", default="bench_search")
    p.add_argument("--filter", default="^BM_VerdSucheAlleSerien/(1|10)$")
    p.add_argument("--rounds", type=int, default=8)
    p.add_argument("--repetitions", type=int, default=3)
    a = p.parse_args(argv[1:])
    exes = [b / "bench" / a.program for b in a.builds]
    for exe in exes:
        if not exe.exists():
            sys.exit(f"missing {exe}: not built")
    medians = {exe: {} for exe in exes}
    ratios = {exe: [] for exe in exes}
    for r in range(a.rounds):
        k = r % len(exes)
        order = exes[k:] + exes[:k]
        for exe in (order[::-1] if r % 2 else order):
            m = run_once(exe, a.filter, a.repetitions)
            for name, t in m.items():
                medians[exe].setdefault(name, []).append(t)
            names = sorted(m, key=sort_key)
            if len(names) == 2 and m[names[0]] > 0:
                ratios[exe].append(m[names[1]] / m[names[0]])
    for exe in exes:
        shown = ", ".join(f"{name} {statistics.median(t):.3f} ms"
                          for name, t in sorted(medians[exe].items(),
                                                key=lambda kv: sort_key(kv[0])))
        line = f"{exe.parent.parent.name}: {shown}"
        if ratios[exe]:
            line += (f"; ratio {statistics.median(ratios[exe]):.2f}"
                     f" ({min(ratios[exe]):.2f}-{max(ratios[exe]):.2f})")
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
