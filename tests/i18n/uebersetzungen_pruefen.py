#!/usr/bin/env python3
"""Checks of the translation files in i18n/.

  fachbegriffe  every trade term of i18n/fachbegriffe.tsv whose German term occurs in a
                message is translated with the glossary's term in every language
  vollstaendig  no message is unfinished or empty in any of the ten files, and no
                translation equals the German source or (outside English) the English
                text unless i18n/gleiche_texte.tsv lists it for that language

Usage: uebersetzungen_pruefen.py <check> [i18n folder]; exit status 1 on a finding."""
import csv
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

SPRACHEN = ["de", "en", "fr", "it", "pt", "es", "ru", "pl", "cn", "ko"]


def tsv(datei):
    with open(datei, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE))


def nachrichten(ordner, sprache):
    """(context, source, translation, unfinished) of every message of one .ts file."""
    baum = ET.parse(ordner / f"drel_{sprache}.ts")
    for kontext in baum.getroot().iter("context"):
        name = kontext.findtext("name")
        for n in kontext.iter("message"):
            t = n.find("translation")
            yield name, n.findtext("source") or "", t.text or "", t.get("type") == "unfinished"


def ohne_kuerzel(text):
    # Accelerators ("&Datei", "文件(&F)") are no part of the words.
    return re.sub(r"\(&.\)", "", text).replace("&", "")


def deutsch_normal(text):
    # Source texts are partly written without umlauts ("Kalteleistung", "Kaeltemittel").
    text = ohne_kuerzel(text).lower()
    for umlaut, ersatz in (("ä", "a"), ("ö", "o"), ("ü", "u"), ("ae", "a"), ("oe", "o"),
                           ("ue", "u")):
        text = text.replace(umlaut, ersatz)
    return text


def fremd_normal(text):
    return re.sub(r"\s+", " ", ohne_kuerzel(text).lower())


def begriffe_im_text(deutsch, begriffe):
    """The glossary rows whose German term occurs in `deutsch`; a term inside a longer
    one found at the same place ("Kälteleistung" in "Verdichterkälteleistung") counts
    only as the longer one."""
    text = deutsch_normal(deutsch)
    belegt = [False] * len(text)
    gefunden = []
    for zeile in sorted(begriffe, key=lambda z: -len(z["de"])):
        begriff = deutsch_normal(zeile["de"])
        for treffer in re.finditer(re.escape(begriff), text):
            bereich = range(treffer.start(), treffer.end())
            if any(belegt[i] for i in bereich):
                continue
            for i in bereich:
                belegt[i] = True
            gefunden.append(zeile)
            break
    return gefunden


def fachbegriffe_pruefen(ordner):
    begriffe = tsv(ordner / "fachbegriffe.tsv")
    deutsch = {q: t for _, q, t, _ in nachrichten(ordner, "de")}
    befunde = []
    for sprache in SPRACHEN[1:]:
        for kontext, quelle, uebersetzung, _ in nachrichten(ordner, sprache):
            anzeige = deutsch.get(quelle) or quelle
            for zeile in begriffe_im_text(anzeige, begriffe):
                formen = [fremd_normal(f) for f in zeile[sprache].split("|")]
                if not any(f in fremd_normal(uebersetzung) for f in formen):
                    befunde.append(f"{sprache}: '{zeile['de']}' ist nicht '{zeile[sprache]}'"
                                   f" in {kontext} '{quelle}' -> '{uebersetzung}'")
    return befunde


def gleiche_erlaubt(ordner):
    erlaubt = {}
    for zeile in tsv(ordner / "gleiche_texte.tsv"):
        erlaubt[zeile["text"]] = set(zeile["sprachen"].split()) if zeile["sprachen"] != "*" \
            else set(SPRACHEN)
    return erlaubt


def vollstaendig_pruefen(ordner):
    erlaubt = gleiche_erlaubt(ordner)
    englisch = {(k, q): t for k, q, t, _ in nachrichten(ordner, "en")}
    befunde = []
    for sprache in SPRACHEN:
        for kontext, quelle, uebersetzung, offen in nachrichten(ordner, sprache):
            wo = f"{sprache}: {kontext} '{quelle}'"
            if offen or not uebersetzung:
                befunde.append(f"{wo} ist nicht übersetzt")
                continue
            if sprache == "de":
                continue
            gleich = uebersetzung == quelle or (sprache != "en" and
                                                uebersetzung == englisch[(kontext, quelle)])
            if gleich and sprache not in erlaubt.get(uebersetzung, ()):
                befunde.append(f"{wo} bleibt '{uebersetzung}' (nicht in gleiche_texte.tsv)")
    return befunde


def main():
    pruefung = {"fachbegriffe": fachbegriffe_pruefen, "vollstaendig": vollstaendig_pruefen}
    ordner = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else \
        pathlib.Path(__file__).resolve().parents[2] / "i18n"
    befunde = pruefung[sys.argv[1]](ordner)
    for befund in befunde:
        print(befund)
    print(f"{len(befunde)} Befunde")
    return 1 if befunde else 0


if __name__ == "__main__":
    sys.exit(main())
