#!/usr/bin/env python3
"""The printed data sheet says what the rating says: for a compressor and a
condensing unit, drel-cli sheet writes a PDF whose first page (read with pdftotext)
names the type and refrigerant and gives t0, tc and Qo as drel-cli rate prints them;
the page count follows the chosen sections; the limit diagram names its axes. drel-cli search --pdf writes the result
printout with every listed type under a head naming the search and its date. Exit 77 (skipped) without pdftotext.
Usage: check_sheet_pdf.py CLI PROGRAM_DIR
"""
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CASES = [
    # article, refrigerant, point arguments, type shown, refrigerant shown
    ("QNX2-22", "R404A, R507", ["--t0", "-10", "--tc", "45"], "QNX2-22", "R404A, R507"),
    ("CQN4-66 L", "R404A", ["--t0", "-10", "--air", "32"], "CQNX4-66 L", "R404A"),
]

# Rows of the bundled catalogue's detail tables that the sheet of the article lists.
DETAIL_ROWS = {
    "QNX2-22": ["Bohrung / Hub", "47 / 37 mm", "380-420V D/Y-3-50Hz", "Schwingungsdämpfer",
                "Saug- und Druckabsperrventil", "Ölsumpfheizung", "Leistungsregler"],
}


def run(args):
    r = subprocess.run(args, capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"{' '.join(args)} -> {r.returncode}\n{r.stdout}{r.stderr}")
    return r.stdout


def number(text):
    return float(text.replace("\u2212", "-").replace(",", "."))


def rate_values(cli, pdir, article, km, point):
    out = run([cli, "rate", "--article", article, "--refrigerant", km, *point, "--dir", pdir])
    head = re.search(r"t0 (\S+) \S+\s+tc (\S+)", out)
    qo = re.search(r"^Qo\s+(\S+) kW", out, re.M)
    return number(head.group(1)), number(head.group(2)), qo.group(1)


def pdf_text(path, page=None):
    args = ["pdftotext", "-layout"]
    if page:
        args += ["-f", str(page), "-l", str(page)]
    return run(args + [str(path), "-"])


def pages(path):
    info = run(["pdfinfo", str(path)]) if shutil.which("pdfinfo") else ""
    m = re.search(r"^Pages:\s+(\d+)", info, re.M)
    return int(m.group(1)) if m else pdf_text(path).count("\f")


def value_after(text, label):
    m = re.search(re.escape(label) + r"\s+(\S+)", text)
    return m.group(1) if m else None


def check_sheet(cli, pdir, tmp, article, km, point, typ, km_shown):
    failures = []
    t0, tc, qo = rate_values(cli, pdir, article, km, point)
    pdf = tmp / "sheet.pdf"
    run([cli, "sheet", "--article", article, "--refrigerant", km, *point, "--pdf", str(pdf),
         "--sections", "1", "--settings", str(tmp), "--language", "De", "--dir", pdir])
    text = pdf_text(pdf, 1)
    if typ not in text:
        failures.append(f"{article}: type {typ} missing")
    if km_shown not in text:
        failures.append(f"{article}: refrigerant {km_shown} missing")
    checks = [("Verdampfungstemperatur", t0, 0.05), ("Verflüssigungstemperatur", tc, 0.05)]
    for label, expected, tol in checks:
        shown = value_after(text, label)
        if shown is None or abs(number(shown) - expected) > tol:
            failures.append(f"{article}: {label} {shown} != {expected}")
    # Qo as the rating rounds it, to the digits the sheet prints.
    shown = value_after(text, "Verdichterkälteleistung")
    if shown is None:
        failures.append(f"{article}: Qo missing")
    else:
        digits = len(shown.replace(",", ".").split(".")[1]) if re.search(r"[.,]", shown) else 0
        if abs(number(shown) - round(number(qo), digits)) > 0.5 * 10 ** -digits + 1e-9:
            failures.append(f"{article}: Qo {shown} != {qo}")
    # One page per section; the letter head prints once.
    run([cli, "sheet", "--article", article, "--refrigerant", km, *point, "--pdf", str(pdf),
         "--sections", "performance,technical,limits", "--settings", str(tmp), "--dir", pdir])
    if pages(pdf) != 3:
        failures.append(f"{article}: three sections gave {pages(pdf)} pages")
    if pdf_text(pdf, 2).count(typ) != 0 or pdf_text(pdf, 1).count(typ) != 1:
        failures.append(f"{article}: type block not only on page 1")
    # The limit diagram names its axes, as text of the PDF, in the sheet's language.
    for language, captions in [("De", ["Verdampfungstemperatur t0 [°C]",
                                       "Verflüssigungstemperatur tc [°C]"]),
                               ("En", ["Evaporating temperature t0 [°C]",
                                       "Condensing temperature tc [°C]"])]:
        run([cli, "sheet", "--article", article, "--refrigerant", km, *point, "--pdf", str(pdf),
             "--sections", "limits", "--settings", str(tmp), "--language", language,
             "--dir", pdir])
        text = pdf_text(pdf, 1)
        failures += [f"{article} {language}: diagram lacks {c!r}" for c in captions
                     if c not in text]
    # The technical, delivery and accessory pages show the article's own rows, which
    # the command reads alone from those tables.
    if article in DETAIL_ROWS:
        run([cli, "sheet", "--article", article, "--refrigerant", km, *point, "--pdf", str(pdf),
             "--sections", "technical,delivery,accessories", "--settings", str(tmp),
             "--language", "De", "--dir", pdir])
        text = pdf_text(pdf)
        failures += [f"{article}: detail pages lack {t!r}" for t in DETAIL_ROWS[article]
                     if t not in text]
    return failures


def check_search(cli, pdir, tmp):
    pdf = tmp / "liste.pdf"
    out = run([cli, "search", "--series", "QN", "--refrigerant", "R404A, R507", "--t0", "-10",
               "--tc", "45", "--q0", "10", "--pdf", str(pdf), "--dir", pdir])
    types = [line[2:].split("  ")[0].strip() for line in out.splitlines()[1:] if line.strip()]
    text = pdf_text(pdf)
    failures = [f"search printout lacks {t}" for t in types if t and t not in text]
    # The head names the search the list answers.
    for part in ["Suchergebnis", "DREL", "Baureihen: QN", "Kältemittel: R404A, R507", "t0 -10 °C", "tc 45 °C", "Qo 10 kW"]:
        if part not in text:
            failures.append(f"search printout head lacks {part!r}")
    if not re.search(r"\d{1,2}\. \w+ \d{4}", text):
        failures.append("search printout head lacks the date")
    return failures


def main(argv):
    if not shutil.which("pdftotext"):
        print("pdftotext is not installed")
        return 77
    cli, pdir = argv[1], argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as d:
        tmp = Path(d)
        for case in CASES:
            failures += check_sheet(cli, pdir, tmp, *case)
        failures += check_search(cli, pdir, tmp)
    for f in failures:
        print(f)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
