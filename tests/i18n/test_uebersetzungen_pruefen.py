#!/usr/bin/env python3
"""The translation checks find what they are there to find, on small made-up files."""
import pathlib
import sys
import tempfile
import unittest
from xml.sax.saxutils import escape

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import uebersetzungen_pruefen as pruefen  # noqa: E402

BEGRIFFE = ("de\ten\tfr\tit\tpt\tes\tru\tpl\tcn\tko\n"
            "Kälteleistung\tcooling capacity\tpuissance frigorifique\tpotenza frigorifera\t"
            "capacidade frigorífica\tpotencia frigorífica\tхолодопроизводительность\t"
            "wydajność chłodnicza|wydajności chłodniczej\t制冷量\t냉동능력\n"
            "Verdichterkälteleistung\tcompressor cooling capacity\tpuissance frigorifique du "
            "compresseur\tpotenza frigorifera del compressore\tcapacidade frigorífica do "
            "compressor\tpotencia frigorífica del compresor\tхолодопроизводительность "
            "компрессора\twydajność chłodnicza sprężarki\t压缩机制冷量\t압축기 냉동능력\n")

# source -> translations in the order of pruefen.SPRACHEN
RICHTIG = {
    "Kalteleistung:": ["Kälteleistung:", "Cooling capacity:", "Puissance frigorifique :",
                       "Potenza frigorifera:", "Capacidade frigorífica:", "Potencia frigorífica:",
                       "Холодопроизводительность:", "Wydajność chłodnicza:", "制冷量：", "냉동능력:"],
    "Verdichterkalteleistung": ["Verdichterkälteleistung", "Compressor cooling capacity",
                                "Puissance frigorifique du compresseur",
                                "Potenza frigorifera del compressore",
                                "Capacidade frigorífica do compressor",
                                "Potencia frigorífica del compresor",
                                "Холодопроизводительность компрессора",
                                "Wydajność chłodnicza sprężarki", "压缩机制冷量", "압축기 냉동능력"],
    "QN": ["QN"] * 10,
}


def ordner_mit(nachrichten, gleiche=""):
    ordner = pathlib.Path(tempfile.mkdtemp())
    (ordner / "fachbegriffe.tsv").write_text(BEGRIFFE, encoding="utf-8")
    (ordner / "gleiche_texte.tsv").write_text("text\tsprachen\tgrund\nQN\t*\tseries code\n" + gleiche,
                                              encoding="utf-8")
    for i, sprache in enumerate(pruefen.SPRACHEN):
        teile = []
        for quelle, texte in nachrichten.items():
            text = texte[i]
            art = ' type="unfinished"' if text is None else ""
            teile.append(f"<message><source>{escape(quelle)}</source>"
                         f"<translation{art}>{escape(text or '')}</translation></message>")
        (ordner / f"drel_{sprache}.ts").write_text(
            "<TS><context><name>K</name>" + "".join(teile) + "</context></TS>",
            encoding="utf-8")
    return ordner


def mit(sprache, quelle, text):
    nachrichten = {q: list(t) for q, t in RICHTIG.items()}
    nachrichten[quelle][pruefen.SPRACHEN.index(sprache)] = text
    return nachrichten


class Fachbegriffe(unittest.TestCase):
    def test_consistent_terms_pass(self):
        self.assertEqual(pruefen.fachbegriffe_pruefen(ordner_mit(RICHTIG)), [])

    def test_another_word_for_a_term_is_found_in_its_language(self):
        befunde = pruefen.fachbegriffe_pruefen(
            ordner_mit(mit("fr", "Kalteleistung:", "Capacité de froid :")))
        self.assertEqual(len(befunde), 1)
        self.assertTrue(befunde[0].startswith("fr: 'Kälteleistung'"))

    def test_the_longer_term_decides_inside_a_compound(self):
        # "Verdichterkälteleistung" needs its own term, the shorter one inside it no more.
        befunde = pruefen.fachbegriffe_pruefen(
            ordner_mit(mit("it", "Verdichterkalteleistung", "Potenza frigorifera")))
        self.assertEqual([b.split(" ist")[0] for b in befunde], ["it: 'Verdichterkälteleistung'"])

    def test_inflected_forms_listed_in_the_glossary_count(self):
        ordner = ordner_mit(mit("pl", "Kalteleistung:", "Brak wydajności chłodniczej:"))
        self.assertEqual(pruefen.fachbegriffe_pruefen(ordner), [])


class Vollstaendig(unittest.TestCase):
    def test_complete_files_pass(self):
        self.assertEqual(pruefen.vollstaendig_pruefen(ordner_mit(RICHTIG)), [])

    def test_unfinished_message_is_found(self):
        befunde = pruefen.vollstaendig_pruefen(ordner_mit(mit("ko", "Kalteleistung:", None)))
        self.assertEqual(befunde, ["ko: K 'Kalteleistung:' ist nicht übersetzt"])

    def test_copied_english_or_german_text_needs_the_reviewed_list(self):
        kopiert = mit("ru", "Kalteleistung:", "Cooling capacity:")
        kopiert["Verdichterkalteleistung"][pruefen.SPRACHEN.index("es")] = \
            "Verdichterkalteleistung"
        self.assertEqual(len(pruefen.vollstaendig_pruefen(ordner_mit(kopiert))), 2)
        erlaubt = "Cooling capacity:\tru\tmade up\nVerdichterkalteleistung\tes\tmade up\n"
        self.assertEqual(pruefen.vollstaendig_pruefen(ordner_mit(kopiert, erlaubt)), [])

    def test_the_list_allows_only_the_languages_it_names(self):
        kopiert = mit("pl", "Kalteleistung:", "Cooling capacity:")
        befunde = pruefen.vollstaendig_pruefen(
            ordner_mit(kopiert, "Cooling capacity:\tru\tmade up\n"))
        self.assertEqual(len(befunde), 1)


if __name__ == "__main__":
    unittest.main()
