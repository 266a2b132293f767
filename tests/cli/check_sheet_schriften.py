#!/usr/bin/env python3
"""Data sheets in Russian, Chinese and Korean print in fonts that the PDF carries: every
font pdffonts lists is embedded, the face that covers the script is among them, and
pdftotext reads the translated captions and product texts back as the characters they
are (no Kangxi radicals standing in for Chinese characters). The test install brings
pdftotext and the fonts, so a missing tool is a failure, not a skip.
Usage: check_sheet_schriften.py CLI PROGRAM_DIR
"""
import re
import shutil
import sys
import tempfile
from pathlib import Path

from check_sheet_pdf import run

# language, face covering its script, texts of page 1 (translator) and page 2 (catalogue)
CASES = [
    ("Ru", "LiberationSans", ["Температура кипения", "Страница"],
     ["Описываемый объём", "Без заправки маслом и упаковки"]),
    ("Cn", "WenQuanYiMicroHei", ["蒸发温度", "吸气温度", "输入功率"],
     ["气缸数", "不含充油和包装"]),
    ("Ko", "NotoSansCJKkr", ["증발온도", "냉매"], ["실린더 수", "오일 충전량 및 포장 제외"]),
]

RADICALS = re.compile("[\u2e80-\u2fdf]")


def fonts(pdf):
    rows = run(["pdffonts", str(pdf)]).splitlines()[2:]
    # name, type words..., encoding, emb, sub, uni, object, generation
    return [(row.split()[0], row.split()[-5]) for row in rows if row.strip()]


def check(cli, pdir, tmp, code, face, page1, page2):
    pdf = tmp / f"sheet-{code}.pdf"
    run([cli, "sheet", "--article", "QNX2-22", "--refrigerant", "R404A, R507", "--t0", "-10",
         "--tc", "45", "--language", code, "--sections", "performance,technical",
         "--pdf", str(pdf), "--settings", str(tmp), "--dir", pdir])
    failures = []
    listed = fonts(pdf)
    if not listed:
        failures.append(f"{code}: no fonts in the PDF")
    failures += [f"{code}: font {name} not embedded" for name, emb in listed if emb != "yes"]
    if not any(name.split("+")[-1].startswith(face) for name, _ in listed):
        failures.append(f"{code}: no {face} among {[n for n, _ in listed]}")
    for page, texts in ((1, page1), (2, page2)):
        text = run(["pdftotext", "-f", str(page), "-l", str(page), str(pdf), "-"])
        failures += [f"{code} page {page}: {t!r} missing" for t in texts if t not in text]
        if RADICALS.search(text) or "\ufffd" in text:
            failures.append(f"{code} page {page}: text reads back as other characters")
    return failures


def main(argv):
    for tool in ("pdftotext", "pdffonts"):
        if not shutil.which(tool):
            print(f"{tool} is missing: tools/install-deps.sh installs poppler-utils")
            return 1
    cli, pdir = argv[1], argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as d:
        for case in CASES:
            failures += check(cli, pdir, Path(d), *case)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
