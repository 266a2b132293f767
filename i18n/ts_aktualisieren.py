#!/usr/bin/env python3
"""Brings the translation files up to date: lupdate over the window sources, then
every message without a translation takes it from glossar.tsv (German restores the
umlauts the source texts are written without). Run from the repository root."""
import csv
import pathlib
import subprocess
import xml.etree.ElementTree as ET

SPRACHEN = ["de", "en", "fr", "it", "pt", "es", "ru", "pl", "cn", "ko"]
# The codes Qt knows for the file header (Cn and Ko are the program's own codes).
QT_SPRACHE = {"cn": "zh_CN", "ko": "ko_KR"}
WURZEL = pathlib.Path(__file__).resolve().parent.parent
LUPDATE = "/usr/lib/qt6/bin/lupdate"


def quellen():
    dateien = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard",
                              "*.cpp", "*.h"], cwd=WURZEL, capture_output=True, text=True,
                             check=True).stdout.split()
    return [d for d in dateien if d.split("/")[0] not in ("tests", "bench", "tools", "cli")]


def glossar():
    tabelle = {}
    with open(WURZEL / "i18n" / "glossar.tsv", encoding="utf-8", newline="") as f:
        for zeile in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
            tabelle[zeile["source"]] = zeile
    return tabelle


def fuellen(ts, sprache, tabelle):
    baum = ET.parse(ts)
    for nachricht in baum.getroot().iter("message"):
        quelle = nachricht.findtext("source") or ""
        uebersetzung = nachricht.find("translation")
        eintrag = tabelle.get(quelle, {})
        text = eintrag.get(sprache) or ""
        if sprache == "de" and not text and quelle in tabelle:
            text = quelle  # the German display form equals the source
        if text:
            uebersetzung.text = text
            uebersetzung.attrib.pop("type", None)
    inhalt = ET.tostring(baum.getroot(), encoding="unicode")
    ts.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + inhalt + "\n",
                  encoding="utf-8")


def main():
    tabelle = glossar()
    for sprache in SPRACHEN:
        ts = WURZEL / "i18n" / f"drel_{sprache}.ts"
        subprocess.run([LUPDATE, "-silent", "-I", ".", "-no-obsolete", "-locations", "none",
                        "-target-language", QT_SPRACHE.get(sprache, sprache), *quellen(),
                        "-ts", str(ts)], cwd=WURZEL, check=True, stderr=subprocess.DEVNULL)
        fuellen(ts, sprache, tabelle)


if __name__ == "__main__":
    main()
