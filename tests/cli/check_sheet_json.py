#!/usr/bin/env python3
"""The open data of drel-cli against its schema and against the other views of the sheet.

- sheet --json of a compressor and of a condensing unit validate against
  data/schema/datenblatt.schema.json, also after a round trip through the parser;
  a document with a renamed member does not;
- every number the JSON shows equals what `rate` prints for the same point;
- the SEPR of `sepr` equals the JSON's and a hand calculation from four `rate` calls
  (the bin method written out again here, as an independent oracle);
- the provenance follows a rebuilt catalogue: a new build id, the export's date.
Usage: check_sheet_json.py CLI PROGRAM_DIR SCHEMA WORK_DIR
"""
import copy
import datetime
import json
import pathlib
import re
import shutil
import subprocess
import sys

import jsonschema

FAILURES = []


def check(ok, what):
    if not ok:
        FAILURES.append(what)
        print("FAIL:", what)


def run(cli, *args):
    r = subprocess.run([cli, *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"drel-cli {' '.join(args)} failed ({r.returncode}):\n{r.stderr}")
    return r.stdout


def sheet_json(cli, program, work, *point):
    out = run(cli, "sheet", *point, "--json", "-", "--dir", program, "--settings", work)
    return json.loads(out)


def rate_lines(cli, program, *point):
    return run(cli, "rate", *point, "--dir", program).splitlines()


def shown(lines, name):
    for line in lines:
        parts = line.split()
        if parts and parts[0] == name:
            return None if parts[1] == "-" else float(parts[1])
    raise AssertionError(f"no line {name}")


def exact(lines):
    line = next(l for l in lines if l.startswith("exact"))
    return {k: float(v) for k, v in re.findall(r"(\w+) (-?[\d.]+)", line)}


def compare_with_rate(cli, program, work, schema, point):
    doc = sheet_json(cli, program, work, *point)
    jsonschema.validate(doc, schema)
    jsonschema.validate(json.loads(json.dumps(doc)), schema)
    lines = rate_lines(cli, program, *point)
    outputs = doc["outputs"]
    for name in ("Qo", "QoE", "P", "COP", "Qc", "m"):
        v = outputs[name]
        want = shown(lines, name)
        got = v["value"]
        check(want == got or (want is not None and got is not None
                              and abs(want - got) < 0.5 * 10 ** -v["decimals"]),
              f"{point[1]} {name}: JSON {got}, rate {want}")
        if got is not None:
            si = v["si"]["value"] / (1000.0 if v["si"]["unit"] == "W" else 1.0)
            check(round(si, v["decimals"]) == round(got, v["decimals"]) or
                  abs(si - got) <= 0.5 * 10 ** -v["decimals"] + 1e-9,
                  f"{point[1]} {name}: SI {si} rounds to the shown {got}")
    # The envelope margin: the same number as rate's, measured on the polygon named.
    margin = doc["limits"]["margin"]
    check(shown(lines, "margin") == margin["value"],
          f"{point[1]} margin: JSON {margin['value']}, rate {shown(lines, 'margin')}")
    check(margin["value"] is None or doc["limits"]["marginPolygon"] in ("dashed", "blue"),
          f"{point[1]} margin without its polygon")
    e = exact(lines)
    for name in ("QoV", "QoE", "P"):
        check(abs(e[name] - doc["exact"][name]) < 0.0005,
              f"{point[1]} exact {name}: JSON {doc['exact'][name]}, rate {e[name]}")
    limit = shown(lines, "limits")
    check(limit == doc["limits"]["code"], f"{point[1]} limit code")
    sources = [l[9:] for l in lines if l.startswith("source")]
    prov = doc["provenance"]
    check(prov["catalogue"]["buildId"] and prov["catalogue"]["buildId"] in sources[0],
          f"{point[1]} build id in rate's source line")
    check(prov["propertyModel"]["equation"] in sources[2], f"{point[1]} equation in rate")
    broken = copy.deepcopy(doc)
    broken["outputs"]["Qo_"] = broken["outputs"].pop("Qo")
    try:
        jsonschema.validate(broken, schema)
        check(False, "a renamed output passes the schema")
    except jsonschema.ValidationError:
        pass
    return doc


# The bin method as published (ecodesign SEPR tool): demand = Qo(A) x part load, capacity and
# COP linear between the rating points and constant beyond, COP(PL) = COP (1 - 0.25 (1 - CR)).
HOURS = [0.08, 0.41, 0.65, 1.05, 1.74, 2.98, 3.79, 5.69, 8.94, 11.81, 17.29, 20.02, 28.73,
         39.71, 56.61, 76.36, 106.07, 153.22, 203.41, 247.98, 282.01, 275.91, 300.61, 310.77,
         336.48, 350.48, 363.49, 368.91, 371.63, 377.32, 376.53, 386.42, 389.84, 384.45,
         370.45, 344.96, 328.02, 305.36, 261.87, 223.90, 196.31, 163.04, 141.78, 121.93,
         104.46, 85.77, 69.54, 56.22, 43.84, 32.55, 25.60, 17.46, 11.57, 7.10]
AIR = [32, 25, 15, 5]


def interpolate(values, t):
    if t >= 32:
        return values[0]
    if t <= 5:
        return values[3]
    for k in range(3):
        hi, lo = AIR[k], AIR[k + 1]
        if lo <= t <= hi:
            return values[k + 1] + (values[k] - values[k + 1]) * (t - lo) / (hi - lo)


def sepr_by_hand(qo, p, share):
    cop = [q / w for q, w in zip(qo, p)]
    demand_sum = power_sum = 0.0
    for j, h in enumerate(HOURS):
        t = -19 + j
        part = 1 - share + share * min(1.0, max(0.0, (t - 5) / 27))
        demand = qo[0] * part
        cr = min(1.0, demand / interpolate(qo, t))
        cop_pl = interpolate(cop, t) * (1 - 0.25 * (1 - cr))
        demand_sum += h * demand
        power_sum += h * demand / cop_pl
    return demand_sum / power_sum


def check_sepr(cli, program, doc, article, refrigerant):
    out = run(cli, "sepr", "--article", article, "--refrigerant", refrigerant, "--dir", program)
    printed = [float(x) for x in re.findall(r"SEPR (\d+\.\d+)", out)]
    json_sepr = [doc["sepr"]["mediumTemperature"]["SEPR"], doc["sepr"]["lowTemperature"]["SEPR"]]
    check([h for _, h in doc["sepr"]["bins"]] == HOURS, "the JSON names the bin hours it used")
    for app, (t0, share) in enumerate(((-10, 0.4), (-35, 0.2))):
        qo, p = [], []
        for air in AIR:
            e = exact(rate_lines(cli, program, "--article", article, "--refrigerant", refrigerant,
                                 "--t0", str(t0), "--air", str(air), "--ts", "20", "--dtu", "0"))
            qo.append(e["QoV"])
            p.append(e["P"])
        hand = sepr_by_hand(qo, p, share)
        print(f"{article} {refrigerant} t0 {t0}: SEPR by hand {hand:.4f}, sepr {printed[app]}, "
              f"JSON {json_sepr[app]:.4f}")
        check(abs(hand - json_sepr[app]) < 0.002, f"SEPR t0 {t0}: hand {hand}, JSON {json_sepr[app]}")
        check(abs(printed[app] - json_sepr[app]) <= 0.005, f"SEPR t0 {t0}: printed vs JSON")


def check_rebuild(cli, program, work, point):
    copy_dir = pathlib.Path(work) / "rebuilt"
    shutil.rmtree(copy_dir, ignore_errors=True)
    shutil.copytree(program, copy_dir)
    before = sheet_json(cli, str(copy_dir), work, *point)["provenance"]["catalogue"]
    export = next((copy_dir / "Daten").glob("[Ww]uk[Cc]apacity[Dd]ata.xml"))
    stamp = datetime.datetime(2031, 5, 6, 12, 0).timestamp()
    import os
    os.utime(export, (stamp, stamp))
    run(cli, "build-db", "--force", "--dir", str(copy_dir))
    after = sheet_json(cli, str(copy_dir), work, *point)["provenance"]["catalogue"]
    check(after["buildId"] and after["buildId"] != before["buildId"], "a new build id")
    check(after["date"] == "2031-05-06", f"catalogue date {after['date']} after the rebuild")
    shutil.rmtree(copy_dir, ignore_errors=True)


def main(argv):
    cli, program, schema_path, work = argv[1:5]
    pathlib.Path(work).mkdir(parents=True, exist_ok=True)
    schema = json.loads(pathlib.Path(schema_path).read_text(encoding="utf-8"))
    jsonschema.Draft7Validator.check_schema(schema)
    compressor = ("--article", "QNX2-22", "--refrigerant", "R404A", "--t0", "-10", "--tc", "45")
    doc = compare_with_rate(cli, program, work, schema, compressor)
    check(doc["sepr"] is None, "a compressor has no SEPR")
    check(len(doc["envelope"]["dashed"]) >= 3, "the dashed polygon is exported")
    clamped = compare_with_rate(cli, program, work, schema, compressor[:5] + ("-80", "--tc", "45"))
    check(clamped["inputs"]["t0"]["clamped"], "t0 far below the envelope is flagged clamped")
    for article, refrigerant in (("CQN4-66 L", "R404A"), ("CQL1-6 SL", "R22")):
        unit = ("--article", article, "--refrigerant", refrigerant, "--t0", "-10", "--air", "32")
        doc = compare_with_rate(cli, program, work, schema, unit)
        check_sepr(cli, program, doc, article, refrigerant)
    check_rebuild(cli, program, work, compressor)
    print(f"{len(FAILURES)} failed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
