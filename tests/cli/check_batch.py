#!/usr/bin/env python3
"""drel-cli batch rates every row as drel-cli rate rates it, and bad rows never stop it.

Usage: check_batch.py <drel-cli> <program dir> <input.csv> <work dir>
Each rated row of the batch (CSV and XLSX output) carries the numbers `rate` prints for
the same options; the broken row, the unknown article and the point outside every
envelope are in the output with their reason or flags, and the rows after them are rated.
"""
import csv
import io
import pathlib
import subprocess
import sys
import zipfile

FIELDS = {"Qo": "Qo [kW]", "QoE": "QoE [kW]", "P": "P [kW]", "I": "I [A]", "COP": "COP",
          "Qc": "Qc [kW]", "m": "m [kg/s]", "margin": "margin [K]"}
OPTIONS = {"t0": "--t0", "tc": "--tc", "air": "--air", "ts": "--ts", "subcooling": "--dtu",
           "superheat": "--superheat", "hz": "--hz"}


def run(cli, *args, check=True):
    return subprocess.run([cli, *args], capture_output=True, text=True, check=check)


def rate(cli, directory, row):
    args = ["rate", "--article", row["article"], "--refrigerant", row["refrigerant"],
            "--dir", directory]
    for column, option in OPTIONS.items():
        if row.get(column, "").strip():
            args += [option, row[column]]
    values = {}
    for line in run(cli, *args).stdout.splitlines():
        parts = line.split()
        if len(parts) >= 2 and parts[0] in FIELDS:
            values[parts[0]] = parts[1]
    return values


def main():
    cli, directory, infile, work = sys.argv[1:5]
    work = pathlib.Path(work)
    work.mkdir(parents=True, exist_ok=True)
    out = run(cli, "batch", infile, "--dir", directory)
    rows = list(csv.DictReader(io.StringIO(out.stdout)))
    inputs = list(csv.DictReader(open(infile, encoding="utf-8"), delimiter=";"))
    assert len(rows) == len(inputs) == 7, out.stdout + out.stderr
    by_line = {int(r["row"]): r for r in rows}
    # Broken number, unknown article: their reason, and the batch goes on.
    assert by_line[4]["status"] == "error" and "abc" in by_line[4]["reason"], by_line[4]
    assert by_line[5]["status"] == "error" and "NOPE-1" in by_line[5]["reason"], by_line[5]
    # Outside every envelope: rated at the clamped point, flagged, negative margin.
    outside = by_line[6]
    assert outside["status"] == "ok" and outside["outside"] == "yes", outside
    assert "t0" in outside["clamped"].split() and float(outside["margin [K]"]) < 0, outside
    assert by_line[8]["status"] == "ok", by_line[8]
    # Every rated row equals the single rating with the same options.
    for line, source in enumerate(inputs, start=2):
        row = by_line[line]
        if row["status"] != "ok":
            continue
        source = {k: v.replace(",", ".") if k not in ("article", "refrigerant") else v
                  for k, v in source.items()}
        single = rate(cli, directory, source)
        for name, column in FIELDS.items():
            if name in single:
                assert float(single[name]) == float(row[column]), (line, name, single, row)
    # The same rows as a workbook: numbers as number cells.
    xlsx = work / "batch.xlsx"
    run(cli, "batch", infile, "--out", str(xlsx), "--dir", directory)
    with zipfile.ZipFile(xlsx) as z:
        sheet = z.read("xl/worksheets/sheet1.xml").decode()
    assert "<v>11.44</v>" in sheet, "Qo of row 2 is no number cell"
    # The workbook read back as input (its columns name the point as rated) rates every
    # rated row to the same numbers; the unrated rows stay unrated.
    again = list(csv.DictReader(io.StringIO(run(cli, "batch", str(xlsx), "--dir",
                                                directory).stdout)))
    assert len(again) == len(rows), again
    for first, second in zip(rows, again):
        assert first["status"] == second["status"], (first, second)
        if first["status"] == "ok":
            assert first["Qo [kW]"] == second["Qo [kW]"], (first, second)
    # A comma-separated file with a decimal point and quoted fields.
    comma = pathlib.Path(infile).with_name("punkte_komma.csv")
    rows = list(csv.DictReader(io.StringIO(run(cli, "batch", str(comma), "--dir",
                                               directory).stdout)))
    assert len(rows) == 1 and rows[0]["status"] == "ok" and rows[0]["t0 [°C]"] == "-10.50", rows
    print("batch ok")


if __name__ == "__main__":
    main()
