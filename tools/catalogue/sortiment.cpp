#include "tools/catalogue/sortiment.h"

#include "db/recordhelpers.h"

#include <cmath>

namespace drel::katalog {

namespace {

// Second designation lines in the ten languages.
Text10 halbhermetisch() {
    return Text10::alle("Semi-hermetic compressor", "Halbhermetischer Verdichter",
                        "Compresseur semi-hermétique", "Compressore semiermetico",
                        "Compresor semihermético", "Compressor semi-hermético",
                        "Полугерметичный компрессор", "半封闭压缩机", "Sprężarka półhermetyczna",
                        "반밀폐형 압축기");
}
Text10 zweistufigHalbhermetisch() {
    return Text10::alle(
        "Two-stage semi-hermetic compressor", "Zweistufiger halbhermetischer Verdichter",
        "Compresseur semi-hermétique bi-étagé", "Compressore semiermetico bistadio",
        "Compresor semihermético de dos etapas", "Compressor semi-hermético de dois estágios",
        "Двухступенчатый полугерметичный компрессор", "双级半封闭压缩机",
        "Dwustopniowa sprężarka półhermetyczna", "2단 반밀폐형 압축기");
}
Text10 zweiDrehzahlen() {
    return Text10::alle(
        "Semi-hermetic compressor, two speeds", "Halbhermetischer Verdichter, zwei Drehzahlen",
        "Compresseur semi-hermétique, deux vitesses", "Compressore semiermetico, due velocità",
        "Compresor semihermético, dos velocidades", "Compressor semi-hermético, duas velocidades",
        "Полугерметичный компрессор, две скорости", "双速半封闭压缩机",
        "Sprężarka półhermetyczna, dwie prędkości", "2속 반밀폐형 압축기");
}
Text10 duplex() {
    return Text10::alle("Duplex compressor", "Duplex-Verdichter", "Compresseur duplex",
                        "Compressore duplex", "Compresor dúplex", "Compressor duplex",
                        "Сдвоенный компрессор", "双联压缩机", "Sprężarka zdwojona",
                        "듀플렉스 압축기");
}
Text10 satzMitSammler() {
    return Text10::alle("Compressor set with receiver", "Verdichtersatz mit Sammler",
                        "Groupe compresseur avec réservoir", "Gruppo compressore con ricevitore",
                        "Grupo compresor con recipiente", "Conjunto compressor com reservatório",
                        "Компрессорный агрегат с ресивером", "带储液器的压缩机组",
                        "Agregat sprężarkowy ze zbiornikiem", "수액기 부착 압축기 세트");
}
Text10 verfluessigungssatz() {
    return Text10::alle("Air-cooled condensing unit", "Luftgekühlter Verflüssigungssatz",
                        "Groupe de condensation à air", "Unità condensatrice ad aria",
                        "Unidad condensadora por aire", "Unidade condensadora a ar",
                        "Конденсаторный агрегат с возд. охлаждением", "风冷冷凝机组",
                        "Agregat skraplający chłodzony powietrzem", "공랭식 응축 유닛");
}
Text10 kompaktsatz() {
    return Text10::alle("Compact compressor set", "Kompakt-Verdichtersatz",
                        "Groupe compresseur compact", "Gruppo compressore compatto",
                        "Grupo compresor compacto", "Conjunto compressor compacto",
                        "Компактный компрессорный агрегат", "紧凑型压缩机组",
                        "Kompaktowy agregat sprężarkowy", "컴팩트 압축기 세트");
}
Text10 offen() {
    return Text10::alle("Open compressor", "Offener Verdichter", "Compresseur ouvert",
                        "Compressore aperto", "Compresor abierto", "Compressor aberto",
                        "Открытый компрессор", "开启式压缩机", "Sprężarka otwarta",
                        "개방형 압축기");
}
Text10 offenZweistufig() {
    return Text10::alle("Two-stage open compressor", "Zweistufiger offener Verdichter",
                        "Compresseur ouvert bi-étagé", "Compressore aperto bistadio",
                        "Compresor abierto de dos etapas", "Compressor aberto de dois estágios",
                        "Двухступенчатый открытый компрессор", "双级开启式压缩机",
                        "Dwustopniowa sprężarka otwarta", "2단 개방형 압축기");
}
Text10 offenerSatz() {
    return Text10::alle("Open compressor set", "Offener Verdichtersatz",
                        "Groupe compresseur ouvert", "Gruppo compressore aperto",
                        "Grupo compresor abierto", "Conjunto compressor aberto",
                        "Открытый компрессорный агрегат", "开启式压缩机组",
                        "Otwarty agregat sprężarkowy", "개방형 압축기 세트");
}
Text10 offenNh3() {
    return Text10::alle("Open compressor for NH3", "Offener Verdichter für NH3",
                        "Compresseur ouvert pour NH3", "Compressore aperto per NH3",
                        "Compresor abierto para NH3", "Compressor aberto para NH3",
                        "Открытый компрессор для NH3", "NH3开启式压缩机",
                        "Sprężarka otwarta do NH3", "NH3용 개방형 압축기");
}
Text10 satzNh3() {
    return Text10::alle("NH3 compressor set", "NH3-Verdichtersatz", "Groupe compresseur NH3",
                        "Gruppo compressore NH3", "Grupo compresor NH3", "Conjunto compressor NH3",
                        "Компрессорный агрегат NH3", "NH3压缩机组", "Agregat sprężarkowy NH3",
                        "NH3 압축기 세트");
}
Text10 fahrzeug() {
    return Text10::alle("Vehicle compressor", "Fahrzeugverdichter", "Compresseur pour véhicules",
                        "Compressore per veicoli", "Compresor para vehículos",
                        "Compressor veicular", "Транспортный компрессор", "车用压缩机",
                        "Sprężarka pojazdowa", "차량용 압축기");
}
Text10 motorverdichter() {
    return Text10::alle("Open motor compressor", "Offener Motorverdichter",
                        "Motocompresseur ouvert", "Motocompressore aperto", "Motocompresor abierto",
                        "Motocompressor aberto", "Открытый мотор-компрессор", "开启式电动压缩机",
                        "Otwarta motosprężarka", "개방형 모터 압축기");
}

QString nummer(double hub) {
    return QString::number(static_cast<int>(std::lround(hub)));
}

// Efficiencies by series; larger frames are a little better.
ModellParameter halbhermetischParameter(int rahmen, bool luftgekuehlt) {
    ModellParameter p;
    p.lambda0 = (luftgekuehlt ? 0.925 : 0.94) + 0.003 * rahmen;
    p.schadraum = luftgekuehlt ? 0.05 : 0.045;
    p.etaMax = (luftgekuehlt ? 0.70 : 0.73) + 0.005 * rahmen;
    p.reibung = luftgekuehlt ? 0.014 : 0.011;
    p.etaMotor = (luftgekuehlt ? 0.82 : 0.85) + 0.008 * rahmen;
    return p;
}

ModellParameter offenParameter(int rahmen) {
    ModellParameter p;
    p.lambda0 = 0.94 + 0.002 * rahmen;
    p.schadraum = 0.04;
    p.etaMax = 0.72 + 0.004 * rahmen;
    p.reibung = 0.009;
    return p;
}

ModellParameter fahrzeugParameter() {
    ModellParameter p;
    p.lambda0 = 0.9;
    p.schadraum = 0.055;
    p.etaMax = 0.66;
    p.reibung = 0.015;
    return p;
}

const QStringList kHfkUndR22{"R134a", "R404A", "R507", "R407C", "R22"};
// The QN and QL series and their sets and units also carry the HFO blends that
// replace R404A; the duplex series, which carry R134a, its replacements.
const QStringList kQnQl = kHfkUndR22 + QStringList{"R448A", "R449A", "R455A", "R454C"};
const QStringList kDuplex = kHfkUndR22 + QStringList{"R513A", "R1234ze(E)", "R1234yf"};

class Sammler {
public:
    Artikel& neu(int gruppe, const QString& serie, int rahmen) {
        Artikel a;
        a.id = naechsteId_++;
        a.teilenummer = QString::number(10000 + a.id % 90000).left(5);
        a.gruppe = gruppe;
        a.serie = serie;
        a.rahmen = rahmen;
        a.nMin = 1450;
        a.nMax = 1740;
        liste_.push_back(a);
        return liste_.back();
    }
    std::vector<Artikel>& liste() { return liste_; }
    const Artikel& nach(int id) const { return liste_.at(static_cast<size_t>(id - 1001)); }

private:
    int naechsteId_ = 1001;
    std::vector<Artikel> liste_;
};

void bilder(Artikel& a, const QString& serie, int rahmen, bool tif = false) {
    a.bild = QStringLiteral("%1_%2.jpg").arg(serie).arg(rahmen);
    // A few dimension drawings are stored under their old .tif names.
    a.masszeichnung = QStringLiteral("M_%1_%2.%3").arg(serie).arg(rahmen).arg(tif ? "TIF" : "jpg");
}

struct Rahmen {
    int nummer;
    std::vector<double> hub;
};

// Semi-hermetic compressors of one series with their sets and condensing units.
void halbhermetischeReihe(Sammler& s, const QString& serie, int gruppe, int gruppeRu, int gruppeL,
                          int gruppeK, const std::vector<Rahmen>& rahmen, int rahmenS) {
    const bool ql = serie == u"QL";
    for (const Rahmen& r : rahmen) {
        for (size_t i = 0; i < r.hub.size(); ++i) {
            const double hub = r.hub[i];
            const QString typ = QStringLiteral("%1%2-%3").arg(serie).arg(r.nummer).arg(nummer(hub));
            Artikel& a = s.neu(gruppe, serie, r.nummer);
            a.bezeichnung1 = a.typ = typ;
            a.groesse = serie + QString::number(r.nummer);
            a.beschreibung = halbhermetisch();
            a.hub = hub;
            a.kaeltemittel = kQnQl;
            a.modell = halbhermetischParameter(r.nummer, ql);
            a.motor = true;
            bilder(a, serie, r.nummer, r.nummer == 3);
            if (i < 2 && r.nummer > 1)
                a.vorgaenger =
                    QStringLiteral("%1%2/%3").arg(serie).arg(r.nummer).arg(nummer(hub * 0.95));
            const int basis = a.id;
            const Artikel kopie = a;
            if (r.nummer >= rahmenS) {
                Artikel& st = s.neu(gruppe, serie, r.nummer);
                const int id = st.id;
                const QString tn = st.teilenummer;
                st = kopie;
                st.id = id;
                st.teilenummer = tn;
                st.bezeichnung1 = st.typ = typ + " S";
                st.beschreibung = kopie.beschreibung + ", S";
                st.vorgaenger.clear();
                st.motorStark = true;
            }
            auto satz = [&](int g, const QString& ende, const Text10& text, bool luko,
                            double ueber) {
                Artikel& u = s.neu(g, serie, r.nummer);
                u.basis = basis;
                u.bezeichnung1 = u.typ = QStringLiteral("C%1%2-%3 %4")
                                             .arg(serie)
                                             .arg(r.nummer)
                                             .arg(nummer(hub))
                                             .arg(ende);
                u.groesse = "C" + serie + QString::number(r.nummer);
                u.beschreibung = text;
                u.hub = hub;
                u.modell = kopie.modell;
                const QString art = luko ? QStringLiteral("L") : QString();
                u.bild = QStringLiteral("C%1%2_%3.jpg").arg(serie, art).arg(r.nummer);
                u.masszeichnung = QStringLiteral("M_C%1%2_%3.jpg").arg(serie, art).arg(r.nummer);
                // Sets and units are rated with the data of their compressor. Compact sets
                // are listed by the search as compressors of their own and carry their
                // own records.
                if (ende == QLatin1String("K")) {
                    // Searched and listed with the compressors: named like them.
                    u.bezeichnung1 = u.typ = typ + " K";
                    u.groesse = serie + QString::number(r.nummer);
                    u.kaeltemittel = kQnQl;
                    u.motor = true;
                } else {
                    u.useBase = true;
                }
                if (luko) {
                    u.motor = true;
                    u.kondensator = true;
                    u.kondensatorUeber = ueber;
                }
            };
            satz(gruppeRu, "RU", satzMitSammler(), false, 0);
            satz(gruppeL, "L", verfluessigungssatz(), true, 15.0 - 0.5 * r.nummer);
            satz(gruppeL, "SL", verfluessigungssatz(), true, 11.0 - 0.3 * r.nummer);
            satz(gruppeK, "K", kompaktsatz(), false, 0);
        }
    }
}

// Types of the high-pressure group for one refrigerant: the R410A housing (R32 with
// a smaller clearance volume); pictures and texts of the R410A series.
void hochdruckReihe(Sammler& s, const char* kaeltemittel, double schadraum) {
    for (int f = 2; f <= 4; ++f)
        for (double hub : {9.0 * f, 12.0 * f}) {
            Artikel& a = s.neu(74, "QNR410A", f);
            a.bezeichnung1 = a.typ =
                QStringLiteral("QNX%1-%2 %3").arg(f).arg(nummer(hub)).arg(kaeltemittel);
            a.groesse = QStringLiteral("QNX%1").arg(f);
            a.beschreibung = halbhermetisch() + " " + kaeltemittel;
            a.hub = hub;
            a.kaeltemittel = {QLatin1String(kaeltemittel)};
            a.modell = halbhermetischParameter(f, false);
            a.modell.schadraum = schadraum;
            a.motor = true;
            bilder(a, "QNR410A", f);
        }
}

void qnSonderreihen(Sammler& s) {
    // Two-stage QNT: swept volume of the low stage.
    for (int f = 4; f <= 7; ++f)
        for (double hub : {20.0 * f - 10, 24.0 * f}) {
            Artikel& a = s.neu(26, "QNT", f);
            a.typ = QStringLiteral("QNT%1-%2").arg(f).arg(nummer(hub));
            a.bezeichnung1 = a.typ + " 2ST";
            a.groesse = QStringLiteral("QNT%1").arg(f);
            a.beschreibung = zweistufigHalbhermetisch();
            a.hub = hub;
            a.kaeltemittel = {"R404A", "R507", "R22"};
            a.modell = halbhermetischParameter(f, false);
            a.modell.zweistufig = true;
            a.einsatz = Einsatz::Zweistufig;
            a.motor = true;
            bilder(a, "QNT", f);
        }
    // Pole-changing 8/4 motors: the 8/4 record at 1450, the 4/8 one at 725 1/min.
    for (int f = 4; f <= 7; ++f)
        for (int i = 0; i < 3; ++i) {
            const double hub = 14.0 * f + 10.0 * i + 8;
            for (const char* pol : {"8/4", "4/8"}) {
                Artikel& a = s.neu(45, "QN84", f);
                a.bezeichnung1 = a.typ =
                    QStringLiteral("QN%1-%2 %3").arg(f).arg(nummer(hub)).arg(pol);
                a.groesse = QStringLiteral("QN%1").arg(f);
                a.beschreibung = zweiDrehzahlen();
                a.hub = hub;
                a.hubFaktor = QLatin1String(pol) == QLatin1String("4/8") ? 0.5 : 1.0;
                a.kaeltemittel = {"R134a", "R404A", "R507", "R22"};
                a.modell = halbhermetischParameter(f, false);
                a.motor = true;
                bilder(a, "QN84", f);
            }
        }
    // Duplex: two compressors on one frame; the records hold one of them.
    auto duplexReihe = [&](int gruppe, const QString& serie, int von, int bis, double basis) {
        for (int f = von; f <= bis; ++f)
            for (int i = 0; i < 4; ++i) {
                const double hub = 2.0 * (basis * f + basis * 0.2 * i);
                Artikel& a = s.neu(gruppe, serie, f);
                a.bezeichnung1 = a.typ =
                    QStringLiteral("%1%2-%3").arg(serie).arg(f).arg(nummer(hub));
                a.groesse = serie + QString::number(f);
                a.beschreibung = duplex();
                a.hub = hub;
                a.hubFaktor = 0.5;
                a.kaeltemittel = kDuplex;
                a.modell = halbhermetischParameter(f, serie == u"EQL");
                a.motor = true;
                bilder(a, serie, f);
            }
    };
    duplexReihe(30, "EQN", 2, 8, 16.0);
    duplexReihe(29, "EQL", 2, 6, 5.0);
    for (int f = 2; f <= 5; ++f)
        for (double hub : {6.0 * f, 8.0 * f}) {
            Artikel& a = s.neu(73, "QNCO2", f);
            a.bezeichnung1 = a.typ = QStringLiteral("QNX%1-%2 CO2").arg(f).arg(nummer(hub));
            a.groesse = QStringLiteral("QNX%1").arg(f);
            a.beschreibung = halbhermetisch() + " CO2";
            a.hub = hub;
            a.kaeltemittel = {"R744"};
            a.modell = halbhermetischParameter(f, false);
            a.modell.schadraum = 0.06;
            a.motor = true;
            bilder(a, "QNCO2", f);
        }
    hochdruckReihe(s, "R410A", 0.045);
}

void offeneReihen(Sammler& s) {
    struct Typ {
        const char* name;
        const char* groesse;
        int rahmen;
        double hub;
    };
    const Typ typen[] = {{"W1", "W1", 1, 16},        {"W2", "W2", 2, 26},
                         {"W3", "W3", 3, 41},        {"W4", "W4", 4, 62},
                         {"W5", "W5", 5, 92},        {"W6", "W6", 6, 128},
                         {"W14/40", "W14", 14, 176}, {"W14/60", "W14", 14, 214},
                         {"W16/80", "W16", 16, 258}, {"W16/100", "W16", 16, 298}};
    for (const Typ& t : typen) {
        Artikel& a = s.neu(31, "W", t.rahmen);
        a.bezeichnung1 = a.typ = QLatin1String(t.name);
        a.groesse = QLatin1String(t.groesse);
        a.beschreibung = offen();
        a.hub = t.hub;
        a.kaeltemittel = kHfkUndR22;
        a.modell = offenParameter(t.rahmen);
        bilder(a, "W", t.rahmen);
        const int basis = a.id;
        const Artikel kopie = a;
        Artikel& w = s.neu(32, "WEY", t.rahmen);
        w.basis = basis;
        w.useBase = true;
        w.bezeichnung1 = w.typ = QStringLiteral("WEY") + QLatin1String(t.name).mid(1);
        w.groesse = QStringLiteral("WEY") + QLatin1String(t.groesse).mid(1);
        w.beschreibung = offenerSatz();
        w.hub = kopie.hub;
        w.modell = kopie.modell;
        bilder(w, "WEY", t.rahmen);
    }
    for (const Typ& t : typen) {
        if (t.rahmen == 1 || QLatin1String(t.name) == QLatin1String("W14/40") ||
            QLatin1String(t.name) == QLatin1String("W16/80"))
            continue;
        Artikel& a = s.neu(51, "WNH3", t.rahmen);
        // The browser finds NH3 types by their size text with " NH3": one type per size.
        a.bezeichnung1 = a.typ = QLatin1String(t.groesse) + QStringLiteral(" NH3");
        a.groesse = QLatin1String(t.groesse); // the build appends " NH3"
        a.beschreibung = offenNh3();
        a.hub = t.hub;
        a.kaeltemittel = {"R717"};
        a.modell = offenParameter(t.rahmen);
        a.modell.polytrope = 1.28;
        bilder(a, "WNH3", t.rahmen);
        const int basis = a.id;
        const double hub = a.hub;
        Artikel& w = s.neu(63, "WEYNH3", t.rahmen);
        w.basis = basis;
        w.useBase = true;
        w.bezeichnung1 = w.typ = QStringLiteral("WEY") + QLatin1String(t.groesse).mid(1) + " NH3";
        w.groesse = QStringLiteral("WEY") + QLatin1String(t.groesse).mid(1);
        w.beschreibung = satzNh3();
        w.hub = hub;
        bilder(w, "WEYNH3", t.rahmen);
    }
    // Two-stage open compressors; the build cuts the designation before the last blank.
    const Typ wt[] = {{"WT12/30", "WT12", 12, 30}, {"WT12/40", "WT12", 12, 40},
                      {"WT14/50", "WT14", 14, 50}, {"WT14/70", "WT14", 14, 70},
                      {"WT16/90", "WT16", 16, 90}, {"WT16/120", "WT16", 16, 120}};
    for (const Typ& t : wt) {
        Artikel& a = s.neu(23, "WT", t.rahmen);
        a.typ = QLatin1String(t.name);
        a.bezeichnung1 = a.typ + " ND";
        a.groesse = QLatin1String(t.groesse);
        a.beschreibung = offenZweistufig();
        a.hub = t.hub;
        a.kaeltemittel = {"R22", "R404A", "R507", "R717"};
        a.modell = offenParameter(t.rahmen / 2);
        a.modell.zweistufig = true;
        a.einsatz = Einsatz::Zweistufig;
        a.nMin = 700;
        a.nMax = 1800;
        bilder(a, "WT", t.rahmen);
    }
}

void fahrzeugReihen(Sammler& s) {
    // Bus and rail air conditioning: K types (peak speed 3500) and N types (3000).
    for (int f : {20, 26, 30, 40, 50}) {
        for (const char* ende : {"K", "N"}) {
            if (QLatin1String(ende) == QLatin1String("N") && (f == 26 || f == 50))
                continue;
            Artikel& a = s.neu(33, "WY", f);
            a.bezeichnung1 = a.typ = QStringLiteral("WY%1%2").arg(f).arg(ende);
            a.groesse = QStringLiteral("WY%1").arg(f);
            a.beschreibung = fahrzeug();
            a.hub = 1.45 * f * 1.0 + 4;
            a.kaeltemittel = {"R134a", "R407C"};
            a.modell = fahrzeugParameter();
            a.einsatz = Einsatz::Fahrzeug;
            a.nMin = 500;
            a.nMax = QLatin1String(ende) == QLatin1String("K") ? 3500 : 3000;
            bilder(a, "WY", f);
        }
    }
    // Transport refrigeration: small WY types and the TK types.
    for (int f : {2, 3, 4}) {
        Artikel& a = s.neu(66, "WY", f);
        a.bezeichnung1 = a.typ = QStringLiteral("WY%1").arg(f);
        a.groesse = QStringLiteral("WY%1").arg(f);
        a.beschreibung = fahrzeug();
        a.hub = 4.5 * f;
        a.kaeltemittel = {"R134a", "R404A", "R507"};
        a.modell = fahrzeugParameter();
        a.einsatz = Einsatz::Fahrzeug;
        a.nMin = 500;
        a.nMax = 3000;
        bilder(a, "WY", f);
    }
    for (int f : {20, 30, 40, 50}) {
        Artikel& a = s.neu(66, "WY", f);
        a.bezeichnung1 = a.typ = QStringLiteral("WY%1TK").arg(f);
        a.groesse = QStringLiteral("WY%1").arg(f);
        a.beschreibung = fahrzeug();
        a.hub = 1.4 * f + 3;
        a.kaeltemittel = {"R134a", "R404A", "R507"};
        a.modell = fahrzeugParameter();
        a.einsatz = Einsatz::Fahrzeug;
        a.nMin = 500;
        a.nMax = 2600;
        bilder(a, "WY", f);
    }
}

void lvReihe(Sammler& s) {
    // Open motor compressors: listed in the browser only, no ratings.
    for (int f = 2; f <= 5; ++f)
        for (double hub : {30.0 * f, 36.0 * f}) {
            Artikel& a = s.neu(65, "LV", f);
            a.bezeichnung1 = a.typ = QStringLiteral("LV%1-%2").arg(f).arg(nummer(hub));
            a.groesse = QStringLiteral("LV%1").arg(f);
            a.beschreibung = motorverdichter();
            a.hub = hub;
        }
}

// Entries that stand for another article under an older designation.
void geister(Sammler& s) {
    std::vector<Artikel> neu;
    for (const Artikel& a : s.liste())
        if (!a.vorgaenger.isEmpty() && (a.gruppe == 25 || a.gruppe == 24))
            neu.push_back(a);
    for (const Artikel& ziel : neu) {
        Artikel& g = s.neu(ziel.gruppe, ziel.serie, ziel.rahmen);
        g.ghost = ziel.id;
        g.bezeichnung1 = g.typ = ziel.vorgaenger;
        g.groesse = ziel.groesse;
        g.beschreibung = ziel.beschreibung;
        g.hub = ziel.hub;
        g.bild = ziel.bild;
    }
}

} // namespace

std::vector<Artikel> sortimentErstellen() {
    Sammler s;
    halbhermetischeReihe(s, "QN", 25, 56, 57, 60,
                         {{1, {11.2, 13.4, 15.8, 18.1, 20.5}},
                          {2, {22.4, 25.6, 28.9, 32.3, 35.7}},
                          {3, {38.5, 42.6, 47.0, 51.4, 56.1}},
                          {4, {60.2, 66.3, 72.8, 79.4, 86.0}},
                          {5, {92.5, 101.0, 110.4, 120.1, 130.0}},
                          {6, {138.0, 151.2, 164.8, 178.6, 192.0}},
                          {7, {204.0, 218.5, 233.0, 248.0, 262.0}},
                          {8, {271.0, 279.5, 287.0, 294.0, 301.0}}},
                         2);
    halbhermetischeReihe(s, "QL", 24, 54, 55, 59,
                         {{1, {4.8, 5.7, 6.6, 7.6, 8.5}},
                          {2, {8.7, 9.6, 10.6, 11.7, 12.8}},
                          {3, {14.0, 15.4, 16.9, 18.5, 20.2}},
                          {4, {22.0, 24.1, 26.3, 28.6, 31.0}},
                          {5, {33.5, 36.4, 39.5, 42.8, 46.2}},
                          {6, {49.8, 53.5, 57.4, 61.5, 65.8}}},
                         2);
    qnSonderreihen(s);
    offeneReihen(s);
    fahrzeugReihen(s);
    lvReihe(s);
    geister(s);
    // R32 types last, so that the articles before them keep their IDs.
    hochdruckReihe(s, "R32", 0.04);
    return std::move(s.liste());
}

const std::vector<Kaeltemittel>& kaeltemittelListe() {
    static const std::vector<Kaeltemittel> liste{
        {1, "R134a"},  {2, "R22"},      {3, "R404A"},       {4, "R507"},
        {5, "R407C"},  {6, "R410A"},    {7, "R717"},        {8, "R744"},
        {9, "R32"},    {10, "R1234yf"}, {11, "R1234ze(E)"}, {12, "R448A"},
        {13, "R449A"}, {14, "R454C"},   {15, "R455A"},      {16, "R513A"}};
    return liste;
}

int kaeltemittelId(const QString& ashrae) {
    for (const Kaeltemittel& k : kaeltemittelListe())
        if (k.ashrae == ashrae)
            return k.id;
    return 0;
}

Sauggas sauggasFuer(const QString& kaeltemittel, int gruppe) {
    // EN 12900 rates HFC and R22 at 20 °C suction gas; NH3 and CO2 with superheat.
    if (db::zweistufigeGruppe(gruppe))
        return {false, 20.0};
    if (kaeltemittel == u"R717")
        return {false, 5.0};
    if (kaeltemittel == u"R744")
        return {false, 10.0};
    return {true, 20.0};
}

} // namespace drel::katalog
