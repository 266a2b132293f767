#!/usr/bin/env python3
"""The search lists a two-stage W compressor with the capacity its data sheet gives.

Usage: check_search_rate.py <drel-cli> <program dir>
For WT12/30 with R404A at -35/40 °C, at the default speed and at 1200 1/min (which
both the sheet and the search raise to 1400), the listed Qo equals the sheet's
compressor cooling capacity QoV rounded to 0.05 kW as the list rounds.
"""
import csv
import io
import subprocess
import sys


def run(cli, *args):
    out = subprocess.run([cli, *args], capture_output=True, text=True, check=True)
    return out.stdout


def listed(cli, directory, extra):
    text = run(cli, "search", "--series", "WT", "--refrigerant", "R404A, R507", "--t0", "-35",
               "--tc", "40", "--csv", "--dir", directory, *extra)
    for row in csv.DictReader(io.StringIO(text)):
        if row["type"].startswith("WTX12/30"):
            return float(row["qo_kw"])
    raise SystemExit("WTX12/30 not listed:\n" + text)


def rated(cli, directory, extra):
    text = run(cli, "rate", "--article", "WT12/30", "--refrigerant", "R404A, R507", "--t0", "-35",
               "--tc", "40", "--dir", directory, *extra)
    # The line of the unrounded rating behind the sheet's fields: "exact    Qo a, QoV b, ..."
    for line in text.splitlines():
        if line.startswith("exact "):
            for teil in line[len("exact"):].split(","):
                name, wert = teil.split()[:2]
                if name == "QoV":
                    return float(wert)
    raise SystemExit("no QoV in the exact line:\n" + text)


def main():
    cli, directory = sys.argv[1], sys.argv[2]
    failed = 0
    for extra in ([], ["--n", "1200"]):
        qo = listed(cli, directory, extra)
        qov = rated(cli, directory, extra)
        expected = round(qov * 20) / 20  # Python rounds halves to even, as the list does
        ok = abs(qo - expected) < 1e-9
        failed += not ok
        print(f"{' '.join(extra) or 'n 1450'}: listed {qo}, sheet QoV {qov} -> {expected}"
              f" {'ok' if ok else 'DIFFERENT'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
