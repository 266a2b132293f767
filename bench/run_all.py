#!/usr/bin/env python3
"""Runs every benchmark with a target and prints its median against the target.

Usage: bench/run_all.py [BUILD_DIR] [--runs N] [--only TEXT]

--only keeps the rows whose name contains TEXT; "cli" and "window" name the process rows.

BUILD_DIR is a Release build with the benchmarks (default: build-bench). The Google
Benchmark programs run with N repetitions (default 9); the drel-cli calls run N * 3
times each as whole processes on a program directory laid out from data/ (wall time
and peak resident memory of each process). A row is "ok" when its median meets the
target; the exit code is 1 when a row misses it. bench/README.md lists the rows.
"""
import json
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

# (program, benchmark, what, target in ms or None, counter targets)
BENCHMARKS = [
    ("bench_search", "BM_VerdSucheAlleSerien/1", "compressor search, all series", 3.0, {}),
    ("bench_search", "BM_VerdSucheAlleSerien/10", "the same, 10x catalogue", None, {}),
    ("bench_search", "BM_VerdSucheAlleSerienR448A/1", "the same with R448A", None, {}),
    ("bench_stoff", "taudruck/R448A", "dew point of R448A (5 components), cold", 0.05, {}),
    ("bench_stoff", "taudruckMemoHit/R448A", "the same, memoised", 0.0001, {}),
    ("bench_rating", "BM_BetriebspunktRechnenR448AMemoHits", "rating with R448A, memoised",
     0.02, {}),
    ("bench_search", "BM_AggSuche/1", "condensing-unit search", 2.0, {}),
    ("bench_search", "BM_AggSuche/10", "the same, 10x catalogue", None, {}),
    ("bench_search", "BM_AggUndSatzSuche/1", "units with receiver and sets", None, {}),
    ("bench_dbbuild", "BM_DBNeuAufbauen", "database build, 5,000 articles", 2000.0,
     {"peak_MiB": 350.0}),
    ("bench_dbbuild", "BM_DBNeuAufbauenBeispiel", "database build, bundled catalogue", 200.0,
     {}),
    ("bench_searchwin", "BM_OkBisGefuelltesGrid", "search window, OK to filled grid", 20.0, {}),
    ("bench_sheet", "BM_NeuesBild", "data sheet NeuesBild", 1.0, {}),
    ("bench_rand", "BM_EinsatzRand", "envelope margin of one point", 0.005, {}),
    ("bench_rand", "BM_Reihe/10000/0", "batch in process, 10,000 rows", None, {}),
    ("bench_rand", "BM_Reihe/1000/0", "batch in process, 1,000 rows", None, {}),
    ("bench_rand", "BM_Reihe/1000/1", "the same, each row's diagram drawn", None, {}),
    ("bench_vergleich", "BM_VierArtikelBisGefuelltesFenster",
     "comparison, four articles to filled window", 20.0, {}),
]

# A ten-fold catalogue may take at most ten times the time of the plain one.
RATIOS = [("BM_VerdSucheAlleSerien/10", "BM_VerdSucheAlleSerien/1", 10.0),
          ("BM_VerdSucheAlleSerienR448A/1", "BM_VerdSucheAlleSerien/1", 1.5),
          ("BM_AggSuche/10", "BM_AggSuche/1", 10.0)]

TYPICAL = ["--refrigerant", "R404A, R507", "--t0", "-10"]
# (name, arguments, target ms, peak memory target MiB or None)
PROCESSES = [
    ("drel-cli --version", ["--version"], 15.0, None),
    ("drel-cli rate", ["rate", "--article", "QNX2-22", *TYPICAL, "--tc", "45"], 40.0, 20.0),
    ("drel-cli search", ["search", "--series", "QN", *TYPICAL, "--tc", "45", "--q0", "10"],
     40.0, 20.0),
    ("drel-cli sheet --pdf", ["sheet", "--article", "QNX2-22", *TYPICAL, "--tc", "45",
                              "--sections", "all", "--pdf", "{tmp}/blatt.pdf"], 150.0, None),
    ("drel-cli batch, 10,000 rows", ["batch", "{tmp}/lastprofil.csv", "--out",
                                     "{tmp}/ergebnis.csv"], 1000.0, 100.0),
]

# The program window from process start to a usable main window (bench_fensterstart).
WINDOW_TARGET_MS = 400.0


def lastprofil(datei, zeilen=10000):
    """A load profile: four QN types over t0 -40..6 and tc 25..55, every 50th row an
    unknown article (the input of the batch row)."""
    typen = ["QNX2-22", "QNX2-32", "QNX3-43", "QNX1-21"]
    with open(datei, "w", encoding="utf-8") as f:
        f.write("article;refrigerant;t0;tc;ts\n")
        for i in range(zeilen):
            artikel = "QN9-99" if i % 50 == 49 else typen[i % 4]
            t0 = -40 + i % 47
            f.write(f"{artikel};R404A, R507;{t0};{25 + i % 31};{max(20, t0)}\n")


def to_ms(value, unit):
    return value * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[unit]


def run_benchmarks(build, runs, only):
    medians, counters = {}, {}
    programs = sorted({b[0] for b in BENCHMARKS if only in b[1] or only in b[2]})
    for program in programs:
        exe = build / "bench" / program
        if not exe.exists():
            print(f"(missing {exe}: not built)")
            continue
        names = [b[1] for b in BENCHMARKS if b[0] == program]
        # Options the programs fix for a benchmark follow its name ("/iterations:1",
        # "/real_time"); they are not part of what a row names.
        pattern = "^(" + "|".join(names) + ")(/[a-z_]+(:[0-9.]+)?)*$"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        # The results go to a file of their own: a program may print on stdout too.
        # The repetitions of a program's benchmarks alternate, so that the two sides of
        # a ratio (the 1x and the 10x catalogue) see the same phases of a busy host.
        with tempfile.NamedTemporaryFile(suffix=".json") as ergebnis:
            out = subprocess.run([str(exe), f"--benchmark_filter={pattern}",
                                  f"--benchmark_repetitions={runs}",
                                  "--benchmark_enable_random_interleaving=true",
                                  "--benchmark_report_aggregates_only=true",
                                  f"--benchmark_out={ergebnis.name}",
                                  "--benchmark_out_format=json"],
                                 capture_output=True, text=True, env=env, check=False)
            text = pathlib.Path(ergebnis.name).read_text(encoding="utf-8")
        if out.returncode != 0 or not text:
            print(f"{program} failed:\n{out.stderr}")
            continue
        for b in json.loads(text)["benchmarks"]:
            if b.get("aggregate_name") != "median":
                continue
            name = "/".join(part for part in b["run_name"].split("/")
                            if ":" not in part and part != "real_time")
            medians[name] = to_ms(b["real_time"], b["time_unit"])
            counters[name] = {k: v for k, v in b.items() if k.endswith("_MiB")}
    return medians, counters


def program_dir(build, tmp):
    """The bundled catalogue laid out as a program directory, its tables built."""
    prog = tmp / "programm"
    shutil.copytree(ROOT / "data", prog)
    subprocess.run([str(build / "cli" / "drel-cli"), "build-db", "--dir", str(prog)],
                   check=True, capture_output=True)
    return prog


def time_process(args, env, runs, cwd=None):
    """Medians of wall time (ms), peak memory (MiB) and CPU time (ms, user + system)."""
    times, peaks, cpu = [], [], []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                env=env, cwd=cwd)
        _, status, usage = os.wait4(proc.pid, 0)
        times.append((time.perf_counter() - start) * 1000.0)
        peaks.append(usage.ru_maxrss / 1024.0)
        cpu.append((usage.ru_utime + usage.ru_stime) * 1000.0)
        if os.waitstatus_to_exitcode(status) != 0:
            raise RuntimeError(f"{' '.join(args)} failed")
    return statistics.median(times), statistics.median(peaks), statistics.median(cpu)


def row(what, command, median, target, unit="ms"):
    ok = target is None or median <= target
    goal = "-" if target is None else f"<= {target:g} {unit}"
    print(f"{'ok  ' if ok else 'MISS'} {what:38} {median:10.2f} {unit:3} {goal:14} {command}")
    return ok


def main(argv):
    args = [a for a in argv[1:]]
    runs, only = 9, ""
    if "--runs" in args:
        i = args.index("--runs")
        runs = int(args[i + 1])
        del args[i:i + 2]
    if "--only" in args:
        i = args.index("--only")
        only = args[i + 1]
        del args[i:i + 2]
    build = pathlib.Path(args[0] if args else ROOT / "build-bench").resolve()
    print(f"{'':4} {'what':38} {'median':>10} {'':3} {'target':14} command")
    all_ok = True
    medians, counters = run_benchmarks(build, runs, only)
    for program, name, what, target, counter_targets in BENCHMARKS:
        if name not in medians:
            continue
        command = f"{build.name}/bench/{program} --benchmark_filter='^{name}(/|$)'"
        all_ok &= row(what, command, medians[name], target)
        for counter, limit in counter_targets.items():
            value = counters[name].get(counter)
            if value is not None:
                all_ok &= row(f"  {counter}", "(counter of the same run)", value, limit, "MiB")
    for big, small, factor in RATIOS:
        if big in medians and small in medians:
            all_ok &= row(f"{big} / {small}", "(ratio of the two medians)",
                          medians[big] / medians[small], factor, "x")

    cli = build / "cli" / "drel-cli"
    fenster = build / "bench" / "bench_fensterstart"
    mit_cli = cli.exists() and (only == "" or "cli" in only)
    mit_fenster = cli.exists() and fenster.exists() and (only == "" or "window" in only)
    if mit_cli or mit_fenster:
        with tempfile.TemporaryDirectory() as t:
            tmp = pathlib.Path(t)
            prog = program_dir(build, tmp)
            # The settings directory lies below HOME: keep the user's out of the runs.
            env = dict(os.environ, HOME=str(tmp / "home"), QT_QPA_PLATFORM="offscreen")
            (tmp / "home").mkdir()
            lastprofil(tmp / "lastprofil.csv")
            for name, cli_args, target, peak_target in (PROCESSES if mit_cli else []):
                full = [str(cli), *[a.format(tmp=tmp) for a in cli_args], "--dir", str(prog)]
                median, peak, cpu = time_process(full, env, runs * 3)
                shown = " ".join(f'"{a}"' if " " in a else a for a in full[1:-2])
                all_ok &= row(name + " (process)", f"drel-cli {shown}", median, target)
                # On a loaded machine the wall time waits for the processor; the CPU time
                # shows the program's own share.
                row("  CPU time, user + system", "(same runs)", cpu, None)
                if peak_target is not None:
                    all_ok &= row("  peak memory", "(same runs)", peak, peak_target, "MiB")
            if mit_fenster:
                # The first start copies the fluid files and checks the coefficients once;
                # the timed runs are those of a returning user.
                time_process([str(fenster)], env, 1, cwd=prog)
                median, _, cpu = time_process([str(fenster)], env, runs, cwd=prog)
                all_ok &= row("program window, start to usable (process)",
                              "bench_fensterstart (in the program directory)",
                              median, WINDOW_TARGET_MS)
                row("  CPU time, user + system", "(same runs)", cpu, None)
    return 0 if all_ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
