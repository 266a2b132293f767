#include "tools/catalogue/texte.h"

#include "db/recordhelpers.h"
#include "tools/catalogue/uebersetzung.h"

#include <cmath>

namespace drel::katalog {

using db::Baureihe;

namespace {

// Number text in German and English notation.
QString de(double wert, int dezimalen) {
    return QString::number(wert, 'f', dezimalen).replace(QLatin1Char('.'), QLatin1Char(','));
}
QString en(double wert, int dezimalen) {
    return QString::number(wert, 'f', dezimalen);
}

enum Beschreibung {
    kHubvolumen = 1,
    kZylinder,
    kBohrungHub,
    kOelfuellung,
    kGewicht,
    kMotorleistung,
    kSpannung,
    kBetriebsstrom,
    kAnlaufstrom,
    kSchutzart,
    kDrehzahlbereich,
    kHubraum,
    kSammler,
    kLuftstrom,
    kSchalldruck,
    kPruefnummer,
    // Swept volumes of the low- and high-pressure stage, which the browser lists for
    // the two-stage series (QNT: 336, WT: 340).
    kStufenQnt = 336,
    kStufenWt = 340,
};

enum Fussnote { kFnGewicht = 1, kFnAnlauf, kFnSammler, kFnSchall };

int zylinder(double hub) {
    return hub < 20 ? 2 : hub < 60 ? 4 : hub < 150 ? 6 : 8;
}

bool offeneReihe(int gruppe) {
    const db::Baureihe art = db::BaureihenArtVonGruppe(gruppe);
    return art == Baureihe::W || art == Baureihe::WZweistufig || art == Baureihe::WY ||
           gruppe == 65;
}

class Werte {
public:
    Werte(std::vector<Satz>& t, int artikel) : t_(t), artikel_(artikel) {}
    void add(int beschreibung, const QString& wertEn, const QString& wertDe, int fussnote = 0,
             bool anzeigen = true) {
        Satz s;
        s.set("ID", static_cast<int>(t_.size()) + 1)
            .set("ArticleID", artikel_)
            .set("TechnicalDataDescriptionID", beschreibung)
            .set("Value", wertEn)
            .set("Value_de", wertDe)
            .setBool("IsForDisplay", anzeigen)
            .set("FootnoteID", fussnote);
        t_.push_back(s);
    }
    void zahl(int beschreibung, double wert, int dezimalen, int fussnote = 0) {
        add(beschreibung, en(wert, dezimalen), de(wert, dezimalen), fussnote);
    }

private:
    std::vector<Satz>& t_;
    int artikel_;
};

void beschreibungenSchreiben(Katalog& k) {
    struct B {
        int id, gruppe;
        const char *de, *en, *einheit, *formel;
        bool aktiv;
    };
    const B liste[] = {
        {kHubvolumen, 1, "Hubvolumen (1450 1/min)", "Swept volume (1450 rpm)", "m³/h", "V", true},
        {kZylinder, 1, "Zylinderzahl", "Number of cylinders", "", "z", true},
        {kBohrungHub, 1, "Bohrung / Hub", "Bore / stroke", "mm", "d/s", true},
        {kOelfuellung, 1, "Ölfüllung", "Oil charge", "dm³", "", true},
        {kGewicht, 1, "Gewicht", "Weight", "kg", "m", true},
        {kMotorleistung, 2, "Motorleistung", "Motor power", "kW", "P", true},
        {kSpannung, 2, "Motorspannung", "Motor voltage", "", "U", true},
        {kBetriebsstrom, 2, "Max. Betriebsstrom", "Max. operating current", "A", "I", true},
        {kAnlaufstrom, 2, "Anlaufstrom (Rotor blockiert)", "Locked rotor current", "A", "I", true},
        {kSchutzart, 2, "Schutzart", "Enclosure class", "", "", true},
        {kDrehzahlbereich, 1, "Drehzahlbereich", "Speed range", "1/min", "n", true},
        {kHubraum, 1, "Hubraum", "Displacement", "cm³", "", true},
        {kSammler, 3, "Sammlerinhalt", "Receiver volume", "dm³", "", true},
        {kLuftstrom, 3, "Luftvolumenstrom Verflüssiger", "Condenser air flow", "m³/h", "", true},
        {kSchalldruck, 4, "Schalldruckpegel", "Sound pressure level", "dB(A)", "Lp", true},
        {kPruefnummer, 1, "Interne Prüfnummer", "Internal test number", "", "", false},
        {kStufenQnt, 1, "Hubvolumen ND/HD", "Swept volume LP/HP", "m³/h", "", true},
        {kStufenWt, 1, "Hubvolumen ND/HD", "Swept volume LP/HP", "m³/h", "", true},
    };
    auto& t = k.exporte.tabelle("TechnicalDataDescriptions.xml");
    for (const B& b : liste) {
        Satz s;
        s.set("ID", b.id)
            .set("TechnicalDataGroupID", b.gruppe)
            .sprachen("Title", uebersetzt(QString::fromUtf8(b.de), QString::fromUtf8(b.en)))
            .sprachen("Formula", Text10::gleich(QLatin1String(b.formel)))
            .ohne("Formula_pl") // the table has no Polish formula column
            .set("Unit", QString::fromUtf8(b.einheit))
            .setBool("IsVisibleWUK", b.aktiv)
            .set("OrderPosition", b.id * 10)
            .set("Type", 1);
        t.push_back(s);
    }
    auto& g = k.exporte.tabelle("TechnicalDataGroups.xml");
    const std::pair<QString, QString> gruppen[] = {{"Verdichter", "Compressor"},
                                                   {"Motor", "Motor"},
                                                   {"Aggregat", "Unit"},
                                                   {"Akustik", "Acoustics"}};
    int id = 1;
    for (const auto& [gDe, gEn] : gruppen) {
        Satz s;
        s.set("ID", id).sprachen("Title", uebersetzt(gDe, gEn)).set("OrderPosition", id * 10);
        g.push_back(s);
        ++id;
    }
    auto& f = k.exporte.tabelle("FootnoteTextBlocks.xml");
    const std::pair<QString, QString> fussnoten[] = {
        {"Ohne Ölfüllung und Verpackung", "Without oil charge and packing"},
        {"Bei Teilwicklungsanlauf gilt der Wert der ersten Wicklung",
         "With part-winding start the value of the first winding applies"},
        {"Maximale Füllung 90 % bei 20 °C", "Maximum charge 90 % at 20 °C"},
        {"In 1 m Abstand, Freifeld, t0 -10 °C, tc 45 °C, 50 Hz",
         "At 1 m distance, free field, t0 -10 °C, tc 45 °C, 50 Hz"},
    };
    id = 1;
    for (const auto& [fDe, fEn] : fussnoten) {
        Satz s;
        s.set("ID", id++).set("Type", 1).sprachen("Text", uebersetzt(fDe, fEn));
        f.push_back(s);
    }
}

QString spannungText(double kw) {
    return kw <= 15 ? QStringLiteral("380-420V D/Y-3-50Hz") : QStringLiteral("380-420V PW-3-50Hz");
}

} // namespace

int legendeBlau(const Sauggas& sauggas, int gruppe) {
    if (db::zweistufigeGruppe(gruppe))
        return 6;
    if (sauggas.flag)
        return 1;
    return sauggas.wert >= 10 ? 2 : 3;
}

void technischeDatenSchreiben(Katalog& k) {
    beschreibungenSchreiben(k);
    auto& t = k.exporte.tabelle("TechnicalDataValues.xml");
    for (const Artikel& a : k.artikel) {
        if (a.ghost)
            continue;
        Werte w(t, a.id);
        const int z = zylinder(a.hub);
        const double vZyl = a.hub / (1450.0 * 60.0) / z;
        const double bohrung = std::cbrt(vZyl / (0.2 * M_PI)) * 1000.0;
        const bool satz = a.basis != 0;
        const double gewicht = (offeneReihe(a.gruppe) ? 20 + 1.5 * std::pow(a.hub, 0.9)
                                                      : 30 + 2.2 * std::pow(a.hub, 0.9)) *
                               (satz ? (a.kondensator ? 1.9 : 1.4) : 1.0);
        w.zahl(kHubvolumen, a.hub, 2);
        if (db::zweistufigeGruppe(a.gruppe)) {
            // The high-pressure stage has half the low-pressure stage's volume.
            w.add(a.gruppe == 23 ? kStufenWt : kStufenQnt,
                  QStringLiteral("%1/%2").arg(en(a.hub, 1), en(a.hub / 2, 1)),
                  QStringLiteral("%1/%2").arg(de(a.hub, 1), de(a.hub / 2, 1)));
        }
        if (a.gruppe == 33 || a.gruppe == 66)
            w.zahl(kHubraum, std::round(a.hub / (1450.0 * 60.0) * 1e6), 0);
        if (!satz) {
            w.add(kZylinder, QString::number(z), QString::number(z));
            w.add(kBohrungHub, QStringLiteral("%1 / %2").arg(en(bohrung, 0), en(0.8 * bohrung, 0)),
                  QStringLiteral("%1 / %2").arg(de(bohrung, 0), de(0.8 * bohrung, 0)));
            w.zahl(kOelfuellung, 0.5 + 0.03 * a.hub, 1);
        }
        w.zahl(kGewicht, std::round(gewicht), 0, kFnGewicht);
        if (a.motorKW > 0 && (a.motor || satz))
            w.zahl(kMotorleistung, a.motorKW, a.motorKW < 10 ? 2 : 1);
        if (a.motor) {
            w.add(kSpannung, spannungText(a.motorKW), spannungText(a.motorKW));
            const double iMax = motorStrom(a.maxLeistung, a.motorKW / 0.88, 400.0);
            w.zahl(kBetriebsstrom, iMax, 1);
            w.zahl(kAnlaufstrom, std::round(iMax * 5.5), 0, a.motorKW > 15 ? kFnAnlauf : 0);
            w.add(kSchutzart, QStringLiteral("IP54"), QStringLiteral("IP54"));
        }
        if (offeneReihe(a.gruppe) && a.gruppe != 65)
            w.add(kDrehzahlbereich, QStringLiteral("%1 - %2").arg(a.nMin).arg(a.nMax),
                  QStringLiteral("%1 - %2").arg(a.nMin).arg(a.nMax));
        if (a.bezeichnung1.endsWith(QLatin1String("RU")) || a.gruppe == 32 || a.gruppe == 63)
            w.zahl(kSammler, std::round(4 + 0.25 * a.hub), 0, kFnSammler);
        if (a.kondensator)
            w.zahl(kLuftstrom,
                   std::round((a.bezeichnung1.endsWith(QLatin1String("SL")) ? 140 : 110) * a.hub /
                              10) *
                       10,
                   0);
        w.zahl(kSchalldruck,
               58 + 10 * std::log10(a.hub) - (a.bezeichnung1.endsWith(QLatin1String("SL")) ? 6 : 0),
               0, kFnSchall);
        w.add(kPruefnummer, QStringLiteral("P-%1").arg(a.id), QStringLiteral("P-%1").arg(a.id));
    }
}

void lieferumfangUndZubehoerSchreiben(Katalog& k) {
    struct Block {
        int id, reihenfolge;
        const char *de, *en;
        bool anzeigen;
    };
    const Block liefer[] = {
        {1, 10, "Verdichter mit Motor und Ölfüllung", "Compressor with motor and oil charge", true},
        {2, 20, "Saug- und Druckabsperrventil", "Suction and discharge shut-off valve", true},
        {3, 30, "Schwingungsdämpfer", "Vibration dampers", true},
        {4, 40, "Klemmenkasten IP54 mit Motorschutz<br />und Anschlussplan",
         "Terminal box IP54 with motor protection<br />and wiring diagram", true},
        {5, 10, "Verdichter ohne Antrieb, mit Ölfüllung",
         "Compressor without drive, with oil charge", true},
        {6, 50, "Flüssigkeitssammler mit Absperrventil", "Liquid receiver with shut-off valve",
         true},
        {7, 60, "Grundrahmen, Kupplung und Kupplungsschutz",
         "Base frame, coupling and coupling guard", true},
        {8, 70, "Luftgekühlter Verflüssiger mit Lüfter", "Air-cooled condenser with fan", true},
        {9, 80, "Elektroschaltkasten, verdrahtet", "Electrical control box, wired", true},
        {10, 10, "Verdichter mit Magnetkupplung", "Compressor with magnetic clutch", true},
        {11, 90, "Schutzgasfüllung", "Protective gas charge", true},
        {12, 99, "Nur für Werksmontage", "For factory assembly only", false},
        {13, 45, "<P class=\"hinweis\">Ölabscheider mit Rückführung</P>",
         "<P class=\"hinweis\">Oil separator with return line</P>", true},
    };
    const Block zubehoer[] = {
        {1, 10, "Ölsumpfheizung", "Crankcase heater", true},
        {2, 20, "Leistungsregler", "Capacity regulator", true},
        {3, 30, "Zusatzlüfter für Zusatzkühlung", "Additional fan for additional cooling", true},
        {4, 40, "Öldifferenzdruckschalter", "Oil differential pressure switch", true},
        {5, 50, "Elektronischer Motorschutz", "Electronic motor protection", true},
        {6, 60, "Anlaufentlastung", "Start unloading", true},
        {7, 70, "Wassergekühlte Zylinderköpfe", "Water-cooled cylinder heads", true},
        {8, 80, "Riemenscheibe und Keilriemen", "Pulley and V-belts", true},
        {9, 90, "Schalldämmhaube", "Sound insulation hood", true},
    };
    auto bloecke = [](std::vector<Satz>& t, const auto& liste) {
        for (const Block& b : liste) {
            Satz s;
            s.set("ID", b.id)
                .set("OrderPosition", b.reihenfolge)
                .sprachen("Text", uebersetzt(QString::fromUtf8(b.de), QString::fromUtf8(b.en)))
                .setBool("IsVisibleWUK", b.anzeigen);
            t.push_back(s);
        }
    };
    bloecke(k.exporte.tabelle("ShipmentVolumeTextBlocks.xml"), liefer);
    bloecke(k.exporte.tabelle("AccessoryTextBlocks.xml"), zubehoer);
    auto& lv = k.exporte.tabelle("ShipmentVolumes.xml");
    auto& zv = k.exporte.tabelle("Accessories.xml");
    auto zeile = [](std::vector<Satz>& t, const char* textElement, int artikel, int text) {
        Satz s;
        s.set("ID", static_cast<int>(t.size()) + 1)
            .set("ArticleID", artikel)
            .set(textElement, text);
        t.push_back(s);
    };
    for (const Artikel& a : k.artikel) {
        if (a.ghost)
            continue;
        std::vector<int> l, z;
        const db::Baureihe art = db::BaureihenArtVonGruppe(a.gruppe);
        if (art == Baureihe::WY) {
            l = {10, 2, 11};
            z = {2, 8};
        } else if (offeneReihe(a.gruppe)) {
            l = {5, 2, 11};
            z = {1, 8};
            if (a.gruppe == 51 || a.gruppe == 63)
                z.push_back(7);
            if (a.gruppe == 32 || a.gruppe == 63)
                l.insert(l.end(), {7, 6, 12});
        } else {
            l = {1, 2, 3, 4, 11};
            z = {1, 2, 4, 5, 6};
            if (a.kaeltemittel.contains(QStringLiteral("R22")) || a.useBase)
                z.push_back(3);
            if (a.bezeichnung1.endsWith(QLatin1String("RU")))
                l.push_back(6);
            if (a.bezeichnung1.endsWith(QLatin1String(" K")))
                l.push_back(13);
            if (a.kondensator) {
                l.insert(l.end(), {6, 8, 9});
                z.push_back(9);
            }
        }
        for (int t : l)
            zeile(lv, "ShipmentVolumeTextBlockID", a.id, t);
        for (int t : z)
            zeile(zv, "AccessoryTextBlockID", a.id, t);
    }
}

void anschluesseSchreiben(Katalog& k) {
    struct Typ {
        int id;
        const char *kurz, *de, *en, *e1De, *e1En, *e2De, *e2En;
    };
    const Typ typen[] = {
        {1, "SL", "Saugleitung", "Suction line", "mm", "mm", "Zoll", "inch"},
        {2, "DL", "Druckleitung", "Discharge line", "mm", "mm", "Zoll", "inch"},
        {3, "FL", "Flüssigkeitsleitung", "Liquid line", "mm", "mm", "Zoll", "inch"},
        {4, "WA", "Kühlwasseranschluss", "Cooling water connection", "", "", "", ""},
    };
    auto& t = k.exporte.tabelle("InterfaceTypes.xml");
    for (const Typ& x : typen) {
        Satz s;
        s.set("ID", x.id)
            .set("Shortcut", QLatin1String(x.kurz))
            .sprachen("Title", uebersetzt(QString::fromUtf8(x.de), QLatin1String(x.en)))
            .sprachen("Unit1", uebersetzt(QLatin1String(x.e1De), QLatin1String(x.e1En)))
            .sprachen("Unit2", uebersetzt(QLatin1String(x.e2De), QLatin1String(x.e2En)))
            .set("OrderPosition", x.id * 10)
            .setBool("IsVisibleWUK", true);
        t.push_back(s);
    }
    struct Rohr {
        int mm;
        const char* zoll;
    };
    const Rohr rohre[] = {{12, "1/2"},   {16, "5/8"},   {22, "7/8"},   {28, "1 1/8"},
                          {35, "1 3/8"}, {42, "1 5/8"}, {54, "2 1/8"}, {67, "2 5/8"},
                          {76, "3 1/8"}, {89, "3 1/2"}, {108, "4 1/8"}};
    auto rohr = [&](double durchmesser) {
        for (const Rohr& r : rohre)
            if (r.mm >= durchmesser)
                return r;
        return rohre[10];
    };
    auto& v = k.exporte.tabelle("InterfaceValues.xml");
    auto wert = [&v](int artikel, int typ, const QString& m1, const QString& m2) {
        Satz s;
        s.set("ID", static_cast<int>(v.size()) + 1)
            .set("ArticleID", artikel)
            .set("InterfaceTypeID", typ)
            .set("Value1", m1)
            .set("Value2", m2);
        v.push_back(s);
    };
    for (const Artikel& a : k.artikel) {
        if (a.ghost)
            continue;
        // Suction line for about 12 m/s at 30 m³/h per 10 cm² and so on: grows with √V.
        const Rohr sl = rohr(9.0 * std::sqrt(a.hub));
        const Rohr dl = rohr(6.5 * std::sqrt(a.hub));
        wert(a.id, 1, QString::number(sl.mm), QLatin1String(sl.zoll));
        wert(a.id, 2, QString::number(dl.mm), QLatin1String(dl.zoll));
        if (a.basis)
            wert(a.id, 3, QString::number(rohr(4.0 * std::sqrt(a.hub)).mm),
                 QLatin1String(rohr(4.0 * std::sqrt(a.hub)).zoll));
        if (a.gruppe == 51 || a.gruppe == 63)
            wert(a.id, 4, QStringLiteral("G 1/2"), QString());
    }
}

void zertifikateSchreiben(Katalog& k) {
    struct Typ {
        int id;
        const char *titelDe, *titelEn, *beschrDe, *beschrEn, *anzeigeDe, *anzeigeEn, *bild, *kurz;
    };
    const Typ typen[] = {
        {1, "Drel Leistungsdaten geprüft", "Drel performance data verified",
         "Die Leistungsdaten dieses Verdichters wurden auf dem Prüfstand nachgemessen.<br "
         "/>Referenzbedingungen: EN 12900, Sauggastemperatur 20 °C, keine Unterkühlung.",
         "The performance data of this compressor were checked on the test bench.<br />Reference "
         "conditions: EN 12900, suction gas temperature 20 °C, no subcooling.",
         "Leistung geprüft", "Performance verified", "Zert_DPV.jpg", "DPV"},
        {2, "Drel Qualitätszeichen", "Drel quality mark",
         "Serienfertigung mit 100 % Endprüfung auf Dichtheit und elektrische Sicherheit.",
         "Series production with 100 % final test for tightness and electrical safety.", "Qualität",
         "Quality", "Zert_DQZ.jpg", "DQZ"},
        {3, "Druckgeräte-Konformität", "Pressure equipment conformity",
         "Ausgelegt und gefertigt nach den Regeln für Druckgeräte der Kategorie I.",
         "Designed and manufactured to the rules for pressure equipment of category I.",
         "Druckgeräte", "Pressure equipment", "Zert_DGK.jpg", "DGK"},
    };
    auto& t = k.exporte.tabelle("CertificationTypes.xml");
    for (const Typ& x : typen) {
        const Text10 titel = uebersetzt(QString::fromUtf8(x.titelDe), QLatin1String(x.titelEn));
        Satz s;
        s.set("ID", x.id)
            .sprachen("Title", titel)
            .set("Title_en", QLatin1String(x.titelEn))
            .sprachen("Description",
                      uebersetzt(QString::fromUtf8(x.beschrDe), QString::fromUtf8(x.beschrEn)))
            .sprachen("DisplayName",
                      uebersetzt(QString::fromUtf8(x.anzeigeDe), QLatin1String(x.anzeigeEn)))
            .set("OrderPosition", QString::number(x.id))
            .set("ImageFilename", QLatin1String(x.bild))
            .set("Shortcut", QLatin1String(x.kurz));
        t.push_back(s);
    }
    auto& z = k.exporte.tabelle("Certifications.xml");
    for (const Artikel& a : k.artikel) {
        if (a.ghost || (a.gruppe != 24 && a.gruppe != 25 && a.gruppe != 57))
            continue;
        for (const QString& km : a.kaeltemittel) {
            if (km != u"R134a" && km != u"R404A" && km != u"R407C")
                continue;
            for (int typ : a.gruppe == 57 ? std::vector<int>{3} : std::vector<int>{1, 2, 3}) {
                Satz s;
                s.set("ID", static_cast<int>(z.size()) + 1)
                    .set("RefrigerantID", kaeltemittelId(km))
                    .set("ArticleID", a.id)
                    .set("CertificationID", typ);
                z.push_back(s);
            }
        }
    }
}

namespace {

struct Ausschreibung {
    const char* serie;
    const char* de;
    const char* en;
};

const Ausschreibung kAusschreibungen[] = {
    {"QN",
     "Halbhermetischer Hubkolbenverdichter der Baureihe QN, sauggasgekühlter Motor, Zylinderköpfe "
     "mit Ventilplatten aus Federstahl, Druckumlaufschmierung mit Ölpumpe, Ölschauglas und "
     "Ölsumpfheizung vorbereitet.",
     "Semi-hermetic reciprocating compressor of the QN series, suction-gas-cooled motor, cylinder "
     "heads with spring steel valve plates, forced lubrication with oil pump, oil sight glass, "
     "prepared for crankcase heater."},
    {"QL",
     "Halbhermetischer Hubkolbenverdichter der Baureihe QL, luftgekühlter Motor mit Kühlrippen, "
     "kompakte Bauform für kleine Leistungen.",
     "Semi-hermetic reciprocating compressor of the QL series, air-cooled motor with cooling fins, "
     "compact design for small capacities."},
    {"QNT",
     "Zweistufiger halbhermetischer Verdichter der Baureihe QNT mit Zwischenkühler-Anschluss für "
     "Tiefkühlanwendungen.",
     "Two-stage semi-hermetic compressor of the QNT series with intermediate cooler connection for "
     "low temperature applications."},
    {"QN84",
     "Halbhermetischer Verdichter mit polumschaltbarem Motor 8/4-polig für zwei Drehzahlen.",
     "Semi-hermetic compressor with pole-changing 8/4-pole motor for two speeds."},
    {"EQN",
     "Duplex-Verdichter aus zwei Verdichtern der Baureihe QN auf gemeinsamem Rahmen mit "
     "Ölausgleich.",
     "Duplex compressor of two QN compressors on a common frame with oil equalisation."},
    {"EQL", "Duplex-Verdichter aus zwei Verdichtern der Baureihe QL auf gemeinsamem Rahmen.",
     "Duplex compressor of two QL compressors on a common frame."},
    {"QNCO2",
     "Halbhermetischer Verdichter für CO2 im subkritischen Betrieb, Gehäuse für hohe "
     "Stillstandsdrücke.",
     "Semi-hermetic compressor for CO2 in subcritical operation, housing for high standstill "
     "pressures."},
    {"QNR410A", "Halbhermetischer Verdichter für R410A und R32 mit verstärktem Gehäuse.",
     "Semi-hermetic compressor for R410A and R32 with reinforced housing."},
    {"CQN", "Verdichtersatz mit halbhermetischem QN-Verdichter, betriebsfertig montiert.",
     "Compressor set with semi-hermetic QN compressor, mounted ready for operation."},
    {"CQL", "Verdichtersatz mit halbhermetischem QL-Verdichter, betriebsfertig montiert.",
     "Compressor set with semi-hermetic QL compressor, mounted ready for operation."},
    {"W", "Offener Hubkolbenverdichter der Baureihe W für Riemen- oder Kupplungsantrieb.",
     "Open reciprocating compressor of the W series for belt or coupling drive."},
    {"WEY",
     "Offener Verdichtersatz mit Verdichter der Baureihe W, Elektromotor, Kupplung und "
     "Grundrahmen.",
     "Open compressor set with W series compressor, electric motor, coupling and base frame."},
    {"WNH3", "Offener Verdichter für Ammoniak mit Stahlgehäuse und wassergekühlten Zylinderköpfen.",
     "Open compressor for ammonia with steel housing and water-cooled cylinder heads."},
    {"WEYNH3", "Verdichtersatz für Ammoniak mit offenem Verdichter, Motor und Grundrahmen.",
     "Compressor set for ammonia with open compressor, motor and base frame."},
    {"WT", "Zweistufiger offener Verdichter der Baureihe WT für tiefe Verdampfungstemperaturen.",
     "Two-stage open compressor of the WT series for low evaporating temperatures."},
    {"WY", "Fahrzeugverdichter der Baureihe WY mit Magnetkupplung, leichte Bauweise.",
     "Vehicle compressor of the WY series with magnetic clutch, lightweight design."},
    {"LV", "Offener Motorverdichter der Baureihe LV.", "Open motor compressor of the LV series."},
};

QString serieVon(const Artikel& a) {
    if (a.serie == u"WEY" || a.serie == u"WEYNH3" || a.serie == u"WNH3")
        return a.serie;
    if (a.basis && !a.serie.isEmpty())
        return "C" + a.serie;
    return a.serie;
}

} // namespace

int ausschreibungstextId(const Artikel& a) {
    const QString serie = serieVon(a);
    for (size_t i = 0; i < std::size(kAusschreibungen); ++i)
        if (serie == QLatin1String(kAusschreibungen[i].serie))
            return 400 + static_cast<int>(i);
    return 0;
}

void informationstexte(Satz& s, const QString& km) {
    int id = 0;
    Text10 text;
    if (km == u"R717") {
        id = 100;
        text = uebersetzt("Max. Sauggasüberhitzung 10 K.", "Max. suction gas superheat 10 K.");
    } else if (km == u"R744") {
        id = 101;
        text = uebersetzt("Nur für subkritischen Betrieb.", "For subcritical operation only.");
    } else if (km == u"R404A" || km == u"R507") {
        id = 102;
        text = uebersetzt("Bei t0 unter -35 °C Zusatzkühlung vorsehen.",
                          "Provide additional cooling below t0 -35 °C.");
    } else if (km == u"R32" || km == u"R454C" || km == u"R455A" || km == u"R1234ze(E)" ||
               km == u"R1234yf") {
        id = 103;
        text = uebersetzt("Sicherheitsgruppe A2L: Füllmengen und Aufstellung nach EN 378.",
                          "Safety class A2L: charge and installation as EN 378 requires.");
    } else if (km == u"R448A" || km == u"R449A") {
        id = 104;
        text = uebersetzt("Zeotropes Gemisch: t0 und tc sind Taupunkttemperaturen.",
                          "Zeotropic blend: t0 and tc are dew point temperatures.");
    }
    if (!id)
        return;
    // German and English; the other languages find the text through its text resource.
    s.set("InformationText1", text.en())
        .set("InformationText1_de", text.de())
        .set("InformationText1TextResourceID", id);
}

QStringList kaeltemittelNamen(const QString& a) {
    if (a == u"R134a")
        return {"HFKW-134a", "Tetrafluorethan"};
    if (a == u"R22")
        return {"HFCKW-22", "Chlordifluormethan"};
    if (a == u"R717")
        return {"NH3", "Ammoniak"};
    if (a == u"R744")
        return {"CO2", "Kohlendioxid"};
    if (a == u"R507")
        return {"R507A"};
    if (a == u"R32")
        return {"HFKW-32", "Difluormethan"};
    if (a == u"R1234yf")
        return {"HFO-1234yf", "2,3,3,3-Tetrafluorpropen"};
    if (a == u"R1234ze(E)")
        return {"HFO-1234ze(E)", "trans-1,3,3,3-Tetrafluorpropen"};
    if (a == u"R448A" || a == u"R449A" || a == u"R454C" || a == u"R455A" || a == u"R513A")
        return {"HFKW/HFO-Gemisch " + a.mid(1)};
    return {"HFKW-Gemisch " + a.mid(1)};
}

Text10 gruppenKurztext(const Gruppe& g) {
    Text10 x = uebersetzt(QStringLiteral("Baureihe %1: %2"), QStringLiteral("Series %1: %2"));
    for (size_t i = 0; i < x.t.size(); ++i)
        x.t[i] = x.t[i].arg(g.serie, g.name.t[i]);
    return x;
}

Text10 gruppenLangtext(const Gruppe& g) {
    for (const Ausschreibung& x : kAusschreibungen)
        if (g.serie == QLatin1String(x.serie)) {
            Text10 text = uebersetzt(QString::fromUtf8(x.de), QString::fromUtf8(x.en));
            for (size_t i = 0; i < text.t.size(); ++i)
                text.t[i] = QStringLiteral("<P>%1</P><br />%2").arg(g.name.t[i], text.t[i]);
            return text;
        }
    return g.name;
}

void legendenUndTexteSchreiben(Katalog& k) {
    const std::pair<const char*, const char*> legenden[] = {
        {"Sauggastemperatur 20 °C", "Suction gas temperature 20 °C"},
        {"Sauggasüberhitzung 10 K", "Suction gas superheat 10 K"},
        {"Sauggasüberhitzung 5 K", "Suction gas superheat 5 K"},
        {"Reduzierte Sauggastemperatur*", "Reduced suction gas temperature*"},
        {"Zusatzkühlung erforderlich", "Additional cooling required"},
        {"Sauggasüberhitzung 20 K", "Suction gas superheat 20 K"},
    };
    auto& l = k.exporte.tabelle("LegendText.xml");
    int id = 1;
    for (const auto& [lDe, lEn] : legenden) {
        Satz s;
        s.set("ID", id)
            .sprachen("Value", uebersetzt(QString::fromUtf8(lDe), QString::fromUtf8(lEn)))
            .set("OrderPosition", id)
            .set("Shortcut", QStringLiteral("L%1").arg(id));
        l.push_back(s);
        ++id;
    }
    auto& typen = k.exporte.tabelle("TextResourcesTypes.xml");
    const std::tuple<int, const char*, const char*> tt[] = {{1, "Informationstext", "CapacityData"},
                                                            {2, "Kältemittelhinweis", "Datenblatt"},
                                                            {3, "Ausschreibungstext", "Articles"}};
    for (const auto& [tid, name, objekt] : tt) {
        Satz s;
        s.set("ID", tid)
            .set("TypeName", QString::fromUtf8(name))
            .set("ObjectID", QLatin1String(objekt));
        typen.push_back(s);
    }
    auto& r = k.exporte.tabelle("TextResources.xml");
    auto resource = [&r](int rid, int typ, const QString& titel, const QString& tDe,
                         const QString& tEn) {
        Satz s;
        s.set("ID", rid)
            .set("TypeID", typ)
            .set("Title", titel)
            .sprachen("Text", uebersetzt(tDe, tEn));
        r.push_back(s);
    };
    resource(100, 1, "R717", QStringLiteral("Max. Sauggasüberhitzung 10 K."),
             "Max. suction gas superheat 10 K.");
    resource(101, 1, "R744", QStringLiteral("Nur für subkritischen Betrieb."),
             "For subcritical operation only.");
    resource(102, 1, "R404A", QStringLiteral("Bei t0 unter -35 °C Zusatzkühlung vorsehen."),
             "Provide additional cooling below t0 -35 °C.");
    resource(103, 1, "A2L",
             QStringLiteral("Sicherheitsgruppe A2L: Füllmengen und Aufstellung nach EN 378."),
             "Safety class A2L: charge and installation as EN 378 requires.");
    resource(104, 1, "R448A/R449A",
             QStringLiteral("Zeotropes Gemisch: t0 und tc sind Taupunkttemperaturen."),
             "Zeotropic blend: t0 and tc are dew point temperatures.");
    resource(
        kTextResourceKaeltemittelHinweis, 2, "R410A/R744",
        QStringLiteral("<P>Hinweis: R410A und R744 arbeiten mit deutlich höheren Drücken.<br />"
                       "Alle Anlagenteile müssen für diese Drücke ausgelegt sein.</P>"),
        "<P>Note: R410A and R744 work at considerably higher pressures.<br />"
        "All components of the system must be designed for these pressures.</P>");
    for (size_t i = 0; i < std::size(kAusschreibungen); ++i)
        resource(400 + static_cast<int>(i), 3, QLatin1String(kAusschreibungen[i].serie),
                 QString::fromUtf8(kAusschreibungen[i].de),
                 QString::fromUtf8(kAusschreibungen[i].en));
}

} // namespace drel::katalog
