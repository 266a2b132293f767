// The usage text of each command, shown by --help (stdout) and after a usage fault
// (stderr).
#include "cli/commands.h"

#include <map>

namespace drel::cli {

namespace {

const std::map<QString, const char*>& texte() {
    static const std::map<QString, const char*> t{
        {"tables", "Aufruf: drel-cli tables [--dir DIR]\n"
                   "  jede Tabellendatei in DIR/Daten mit ihrer Zeilenzahl\n"},
        {"dump", "Aufruf: drel-cli dump <Tabelle> [--filter TEXT] [--sort FELDER]\n"
                 "                      [--fields a,b,c] [--dir DIR]\n"
                 "  Zeilen als CSV mit Kopfzeile\n"},
        {"fluid",
         "Aufruf: drel-cli fluid <Kaeltemittel> <Operation> <Argumente...> [--reflibs DIR]\n"
         "Operationen (degC, bar, kJ/kg, m3/kg):\n"
         "  Taudruck t | Siedetemperatur p | FluessigEnthalpie t |\n"
         "  FluessigEnthalpieSiedepunkt p | DampfEnthalpie t p | DampfVolumen t p\n"},
        {"rate",
         "Aufruf: drel-cli rate --article <Bezeichnung oder ID> --refrigerant <Name>\n"
         "                      --t0 <degC> (--tc <degC> | --air <degC>) [--ts 20] [--dtu 0]\n"
         "                      [--superheat 5] [--hz 50] [--n 1450] [--unit-file DATEI]\n"
         "                      [--reflibs DIR] [--dir DIR]\n"
         "  --hz 1 bis 100 (die Baugroesse begrenzt weiter, mit Hinweis), --n 1 bis 10000,\n"
         "  --dtu ab 0; ts nicht unter t0. --unit-file: units.dat der Anzeigeeinheiten\n"
         "  (ohne DATEI die des Einstellungsverzeichnisses); ohne: kW und degC.\n"},
        {"search",
         "Aufruf: drel-cli search [--units] [--refrigerant R] [--t0 T] [--tc T | --air T]\n"
         "                        [--ts T] [--dtu K] [--q0 KW] [--series QN,QL,...]\n"
         "                        [--type TEXT] [--hz 50|60] [--n U/MIN] [--csv]\n"
         "                        [--no-envelope] [--pdf DATEI] [--reflibs DIR] [--dir DIR]\n"
         "  --units: Aggregate (Verdichtersaetze und Verflussigungssaetze) statt Verdichter\n"
         "  Serien: QN QL QN84 QNT EQN EQL W WT WY (Verdichter),\n"
         "          CQNR CQLR CQNL CQLL WEY (Aggregate)\n"
         "  Bereiche: t0 -273 bis 100, tc -100 bis 120, ts -80 bis 40 degC und nicht\n"
         "  unter t0, dtu 0 bis 50 K, q0 0 bis 1000 kW, n in den Grenzen der Serie.\n"
         "  Eine leere Liste endet mit Exit-Code 0; der Grund steht auf stderr.\n"
         "  --pdf: die Ergebnisliste zusaetzlich als Ausdruck in DATEI\n"},
        {"table",
         "Aufruf: drel-cli table --article <Bezeichnung oder ID> --refrigerant <Name>\n"
         "                       --t0 VON:BIS:SCHRITT (--tc VON:BIS:SCHRITT | --air "
         "VON:BIS:SCHRITT)\n"
         "                       [--ts 20] [--dtu 0] [--superheat 5] [--hz 50] [--n 1450]\n"
         "                       [--csv] [--reflibs DIR] [--dir DIR]\n"
         "  die Leistungstabelle des Datenblatts; --air fuer Verflussigungssaetze;\n"
         "  hoechstens 1000 Punkte je Bereich; die uebrigen Bereiche wie bei rate\n"},
        {"sheet",
         "Aufruf: drel-cli sheet --article <Bezeichnung oder ID> --refrigerant <Name>\n"
         "                       --t0 <degC> (--tc <degC> | --air <degC>)\n"
         "                       (--pdf DATEI | --json DATEI|- | beide)\n"
         "                       [--ts 20] [--dtu 0] [--superheat 5] [--hz 50]\n"
         "                       [--n 1450] [--sections 1,2,...|all]\n"
         "                       [--table-t0 VON:BIS:SCHRITT] [--table-tc VON:BIS:SCHRITT\n"
         "                       | --table-air VON:BIS:SCHRITT] [--language De|En|Fr|...]\n"
         "                       [--settings DIR] [--reflibs DIR] [--dir DIR]\n"
         "  das Datenblatt als PDF-Brief; Abschnitte nach Seite (1 Leistungsdaten,\n"
         "  2 Technische Daten, 3 Einsatzgrenzen, 4 Lieferumfang, 5 Zubehoer, 6 Masse,\n"
         "  7 Produktfoto, 8 Tabelle) oder performance, technical, limits, delivery,\n"
         "  accessories, dimensions, photo, table; ohne --sections die Auswahl aus\n"
         "  WUK.ini, Briefdaten aus den .dat-Dateien des Einstellungsordners;\n"
         "  --table-...: die Bereiche der Tabelle auf Seite 8 (sonst die Einsatzgrenzen)\n"
         "  Bereiche wie bei rate.\n"
         "  --json: das ganze Datenblatt als JSON (Schema data/schema/datenblatt.schema.json),\n"
         "  - schreibt auf die Standardausgabe\n"},
        {"coefficients",
         "Aufruf: drel-cli coefficients --article <Bezeichnung oder ID> [--refrigerant <Name>]\n"
         "                              [--csv | --json] [--dir DIR]\n"
         "  die EN-12900-Koeffizienten jedes Leistungsdatensatzes mit Bemessungsbedingungen\n"
         "  (Sauggas, Unterkuehlung, Antrieb, Norm), Stromkoeffizienten des Motors und den\n"
         "  drei Einsatzgrenzen-Polygonen (t0, tc in degC)\n"},
        {"sepr", "Aufruf: drel-cli sepr --article <Bezeichnung oder ID> --refrigerant <Name>\n"
                 "                      [--reflibs DIR] [--dir DIR]\n"
                 "  die jahreszeitbedingte Leistungszahl (SEPR) eines Verflussigungssatzes nach\n"
                 "  Verordnung (EU) 2015/1095 und EN 13215: Normalkuehlung (t0 -10 degC) und\n"
                 "  Tiefkuehlung (t0 -35 degC), Punkte A-D bei Luft 32, 25, 15, 5 degC aus der\n"
                 "  Bilanz des Satzes (Sauggas 20 degC, keine Unterkuehlung, 50 Hz), Cd 0,25\n"},
        {"batch",
         "Aufruf: drel-cli batch EIN.csv|EIN.xlsx [--out AUS.csv|AUS.xlsx] [--unit-file DATEI]\n"
         "                       [--reflibs DIR] [--dir DIR]\n"
         "  jede Zeile wie rate: Spalten article, refrigerant, t0, tc oder air, ts,\n"
         "  subcooling, superheat, hz, n (erste Zeile; auch deutsche Namen); CSV mit ;\n"
         "  , oder Tab, Dezimalkomma oder -punkt. Ohne --out CSV auf die Standardausgabe.\n"
         "  Eine Zeile, die nicht gerechnet werden kann, nennt ihren Grund; die anderen\n"
         "  werden weiter gerechnet.\n"},
        {"compare",
         "Aufruf: drel-cli compare --article A --article B [--article C] [--article D]\n"
         "                         --refrigerant <Name> --t0 <degC> (--tc <degC> | --air <degC>)\n"
         "                         [--ts 20] [--dtu 0] [--superheat 5] [--hz 50] [--n 1450]\n"
         "                         [--csv] [--pdf DATEI] [--xlsx DATEI] [--unit-file DATEI]\n"
         "                         [--language De|En|Fr|...] [--reflibs DIR] [--dir DIR]\n"
         "  Qo, QoE, P, I, m, COP, Qc und Abstand zur Einsatzgrenze jedes Artikels mit der\n"
         "  Differenz zum ersten in %; --pdf: eine Seite mit den ueberlagerten Einsatzgrenzen;\n"
         "  die Texte in der Sprache von --language (sonst Deutsch)\n"},
        {"build-db", "Aufruf: drel-cli build-db [--force] [--dir DIR]\n"
                     "  die Tabellen aus den XML-Exporten in DIR/Daten aufbauen, wenn sie\n"
                     "  neuer sind (mit --force immer)\n"},
    };
    return t;
}

} // namespace

void befehlsHilfe(const QString& befehl, FILE* out) {
    const auto it = texte().find(befehl);
    if (it != texte().end())
        std::fputs(it->second, out);
}

int nutzungsfehler(const QString& befehl, const QString& meldung) {
    std::fprintf(stderr, "drel-cli %s: %s\n", qPrintable(befehl), qPrintable(meldung));
    befehlsHilfe(befehl, stderr);
    return 2;
}

} // namespace drel::cli
