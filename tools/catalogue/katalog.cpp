#include "tools/catalogue/katalog.h"

#include "calc/polynom.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "tools/catalogue/texte.h"

#include <algorithm>
#include <cmath>

namespace drel::katalog {

namespace {

const QString kZeit = QStringLiteral("2026-11-02T08:00:00");
const QString kImport = QStringLiteral("2026-11-02T09:30:00");

QString kk(int k) {
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

QString fitSchluessel(const Artikel& a, const QString& km) {
    const ModellParameter& p = a.modell;
    return QStringLiteral("%1/%2/%3/%4/%5/%6/%7/%8/%9")
        .arg(a.serie)
        .arg(a.rahmen)
        .arg(km)
        .arg(db::zweistufigeGruppe(a.gruppe) ? 1 : 0)
        .arg(static_cast<int>(a.einsatz))
        .arg(p.lambda0, 0, 'f', 4)
        .arg(p.etaMax, 0, 'f', 4)
        .arg(p.etaMotor, 0, 'f', 4)
        .arg(p.polytrope, 0, 'f', 3);
}

// Kind of series for the heat the condenser receives (Part of the balance).
bool luftgekuehlteReihe(int gruppe) {
    return db::BaureihenArtVonGruppe(gruppe) == db::Baureihe::QL;
}

} // namespace

std::vector<std::pair<double, double>> LeistungsRechner::stuetzstellen(const Huelle& h) {
    std::vector<std::pair<double, double>> punkte;
    double t0min = 1e9, t0max = -1e9, tcmin = 1e9, tcmax = -1e9;
    for (const GrenzPunkt& p : h.strich) {
        t0min = std::min(t0min, p.t0);
        t0max = std::max(t0max, p.t0);
        tcmin = std::min(tcmin, p.tc);
        tcmax = std::max(tcmax, p.tc);
    }
    for (double t0 = t0min; t0 <= t0max + 1e-9; t0 += 2.5)
        for (double tc = tcmin; tc <= tcmax + 1e-9; tc += 2.5)
            if (innerhalb(h.strich, t0, tc))
                punkte.emplace_back(t0, tc);
    for (size_t i = 0; i + 1 < h.strich.size(); ++i)
        punkte.emplace_back(h.strich[i].t0, h.strich[i].tc);
    return punkte;
}

const LeistungsFit& LeistungsRechner::fit(const Artikel& a, const QString& km) {
    const QString schluessel = fitSchluessel(a, km);
    if (auto it = fits_.find(schluessel); it != fits_.end())
        return it->second;
    const VerdichterModell modell(stoff_, km, a.modell, sauggasFuer(km, a.gruppe));
    const Huelle h = huelleFuer(km, a.einsatz);
    std::vector<std::pair<double, double>> punkte;
    std::vector<double> qo, p;
    LeistungsFit f;
    const QString schl = calc::kaeltemittelSchluessel(km);
    for (const auto& [t0, tc] : stuetzstellen(h)) {
        const ModellPunkt m = modell.rechnen(t0, tc);
        if (!m.gueltig)
            continue;
        punkte.emplace_back(t0, tc);
        qo.push_back(m.Qo);
        // The rating multiplies the R507 power by its refrigerant factor; the record
        // holds the power without it, so the rated value is the model's.
        p.push_back(m.P / calc::r507Faktor(schl, t0, tc));
        f.pMax = std::max(f.pMax, m.P);
    }
    f.qo = polynomAnpassen(punkte, qo);
    f.p = polynomAnpassen(punkte, p);
    f.punkte = static_cast<int>(punkte.size());
    return fits_.emplace(schluessel, f).first->second;
}

namespace {

class Erzeuger {
public:
    Erzeuger(fluid::TStoff& stoff, Katalog& k) : rechner_(stoff), k_(k) {}

    void alles() {
        artikelSchreiben();
        gruppenSchreiben();
        leistungenSchreiben();
        motorenSchreiben();
        kondensatorenSchreiben();
        kaeltemittelSchreiben();
        technischeDatenSchreiben(k_);
        lieferumfangUndZubehoerSchreiben(k_);
        anschluesseSchreiben(k_);
        zertifikateSchreiben(k_);
        legendenUndTexteSchreiben(k_);
        k_.fits = rechner_.alle();
    }

private:
    const Artikel& basisVon(const Artikel& a) const {
        return a.basis ? k_.artikel.at(static_cast<size_t>(a.basis - 1001)) : a;
    }

    double maxLeistung(const Artikel& a) {
        double p = 0.0;
        for (const QString& km : a.kaeltemittel)
            p = std::max(p, rechner_.fit(a, km).pMax * a.hub * a.hubFaktor);
        return p;
    }

    void artikelSchreiben() {
        // Motor sizes and the power limits first: they follow from the model.
        for (Artikel& a : k_.artikel) {
            if (!a.motor && a.kaeltemittel.isEmpty())
                continue;
            const double pMax = maxLeistung(a.basis ? basisVon(a) : a);
            if (a.motor) {
                a.motorKW = normMotor(a.motorStark ? 1.08 * pMax : 0.85 * pMax);
                a.maxLeistung = std::round(a.motorKW * 1.12 * 100) / 100;
            } else {
                a.motorKW = normMotor(1.1 * pMax);
                a.maxLeistung = 0.0;
            }
        }
        for (Artikel& a : k_.artikel)
            if (a.basis && !a.motor) {
                a.motorKW = basisVon(a).motorKW;
            }
        auto& t = k_.exporte.tabelle("Articles.xml");
        for (const Artikel& a : k_.artikel) {
            Satz s;
            s.set("ID", a.id)
                .set("PartNumber", a.teilenummer)
                .set("ProductGroupID", a.gruppe)
                .set("BaseArticleID", a.basis ? QString::number(a.basis) : QStringLiteral("0"))
                .set("LastModifiedBy", QStringLiteral("katalog"))
                .set("LastModifiedAt", kZeit)
                .set("LastImportedAt", kImport)
                .setBool("IsVisibleWuk", true)
                .set("Description1", a.bezeichnung1)
                .sprachen("Description2", a.beschreibung)
                .set("Size", a.groesse)
                .set("StrokeVolume", std::round(a.hub * 100) / 100)
                .set("StrokeVolumeCCM", std::round(a.hub / (1450.0 * 60.0) * 1e6))
                .set("SpeedOfRotationMin", a.nMin)
                .set("SpeedOfRotationMax", a.nMax)
                .set("GhostPointerToArticleID", a.ghost)
                .setBool("UseBaseArticleWukData", a.useBase);
            if (!a.bild.isEmpty())
                s.set("WebImageLargeFilename", a.bild);
            if (!a.masszeichnung.isEmpty())
                s.set("WebConstructionMeasurementImageFilename2", a.masszeichnung);
            if (a.maxLeistung > 0)
                s.set("MaximumDrivingPower", a.maxLeistung);
            if (a.motorKW > 0) {
                s.set("NominalMotorPowerKW", a.motorKW);
                s.set("NominalMotorPowerPS", std::round(a.motorKW * 1.35962 * 10) / 10);
            }
            if (!a.vorgaenger.isEmpty())
                s.set("PredecessorType", a.vorgaenger);
            if (a.textResource)
                s.set("ProposalTextTextResourceID", a.textResource);
            t.push_back(s);
        }
    }

    static double normMotor(double p) {
        static const double reihe[] = {0.55, 0.75, 1.1,  1.5, 2.2, 3.0, 4.0, 5.5, 7.5,
                                       11,   15,   18.5, 22,  30,  37,  45,  55,  75,
                                       90,   110,  132,  160, 200, 250, 315};
        for (double r : reihe)
            if (r >= p)
                return r;
        return 315;
    }

    void gruppenSchreiben() {
        auto& t = k_.exporte.tabelle("ProductGroups.xml");
        for (const Gruppe& g : gruppenListe()) {
            Satz s;
            s.set("ID", g.id)
                .set("Title", g.name.de())
                .set("ParentID", g.parent ? QString::number(g.parent) : QString())
                .set("LastModifiedBy", QStringLiteral("katalog"))
                .set("LastModifiedAt", kZeit)
                .set("LastImportedAt", kImport)
                .sprachen("DisplayName", g.name)
                .sprachen("DescriptionShort", gruppenKurztext(g))
                .sprachen("DescriptionLong", gruppenLangtext(g))
                .set("OrderPosition", g.reihenfolge)
                .set("ImageSmallFilename", QStringLiteral("K_%1.jpg").arg(g.id))
                .set("ImageLargeFilename", QStringLiteral("G_%1.jpg").arg(g.id))
                .setBool("IsVisibleWUK", true)
                .set("ArticleType", db::SatzArtVonGruppe(g.id) ? 2 : 1);
            t.push_back(s);
        }
    }

    void polygonSetzen(Satz& s, const QString& stamm, const Polygon& p) {
        for (size_t i = 0; i < p.size() && i < 10; ++i) {
            s.set(QStringLiteral("%1_%2_t0").arg(stamm, kk(static_cast<int>(i) + 1)), p[i].t0);
            s.set(QStringLiteral("%1_%2_tc").arg(stamm, kk(static_cast<int>(i) + 1)), p[i].tc);
        }
        // The points after the closing point stay empty and read as (0, 0).
    }

    void leistungenSchreiben() {
        auto& t = k_.exporte.tabelle("WukCapacityData.xml");
        int id = 1;
        // The records of today's refrigerants follow all the others, so that the
        // records before them keep their IDs.
        for (const bool heutige : {false, true})
            for (const Artikel& a : k_.artikel) {
                if (a.ghost)
                    continue;
                for (const QString& km : a.kaeltemittel) {
                    if ((kaeltemittelId(km) > kErsteKaeltemittel) != heutige)
                        continue;
                    const Artikel& b = basisVon(a);
                    const LeistungsFit& f = rechner_.fit(b, km);
                    const double faktor = b.hub * b.hubFaktor;
                    const Huelle h = huelleFuer(km, b.einsatz);
                    const Sauggas sg = sauggasFuer(km, b.gruppe);
                    Satz s;
                    s.set("ID", id++)
                        .set("ArticleID", a.id)
                        .set("WukRefrigerantID", kaeltemittelId(km));
                    polygonSetzen(s, "ApplicationLimit", h.blau);
                    polygonSetzen(s, "ApplicationLimit1", h.strich);
                    polygonSetzen(s, "ApplicationLimit2", h.rot);
                    for (int k = 1; k <= 10; ++k) {
                        s.set("RefrigeratingCapacity_" + kk(k),
                              f.qo.c[static_cast<size_t>(k - 1)] * faktor);
                        s.set("DrivePower_" + kk(k), f.p.c[static_cast<size_t>(k - 1)] * faktor);
                    }
                    s.set("SuctionGasValue", sg.wert)
                        .setBool("SuctionGasFlag", sg.flag)
                        .set("Norm", QStringLiteral("EN 12900"))
                        .set("LegendTextID1", legendeBlau(sg, b.gruppe))
                        .set("LegendTextID2", kLegendeReduziert)
                        .set("LegendTextID3", h.rot.empty() ? 0 : kLegendeZusatzkuehlung);
                    informationstexte(s, km);
                    t.push_back(s);
                }
            }
    }

    void motorenSchreiben() {
        // One motor per nominal power and winding; the articles share them.
        std::map<QString, int> motorIds;
        auto& m = k_.exporte.tabelle("WukMotors.xml");
        auto& ma = k_.exporte.tabelle("WukMotorsArticles.xml");
        for (const Artikel& a : k_.artikel) {
            if (!a.motor || a.ghost)
                continue;
            const bool polumschaltbar = a.gruppe == 45;
            const QString name =
                QStringLiteral("DM %1%2").arg(a.motorKW).arg(polumschaltbar ? " PU" : "");
            auto it = motorIds.find(name);
            if (it == motorIds.end()) {
                const int id = static_cast<int>(motorIds.size()) + 1;
                it = motorIds.emplace(name, id).first;
                double rms = 0.0;
                // Input power at nominal shaft power: the motor's efficiency.
                const double pNenn = a.motorKW / 0.88;
                const auto c = stromAnpassen(pNenn, 400.0, &rms);
                k_.strommodellRms = std::max(k_.strommodellRms, rms);
                const double iNenn = motorStrom(pNenn, pNenn, 400.0);
                Satz s;
                s.set("ID", id).set("Name", name);
                if (polumschaltbar)
                    s.set("Voltage", QStringLiteral("400V D/YY-3-50Hz"));
                else if (a.motorKW <= 15)
                    s.set("Voltage", QStringLiteral("380-420V D/S-3-50Hz"));
                else
                    s.set("Voltage", QStringLiteral("380-420V PW-3-50Hz"));
                s.set("BlockedRotorCurrentWinding1", std::round(iNenn * 3.6 * 10) / 10)
                    .set("BlockedRotorCurrentWinding12", std::round(iNenn * 6.0 * 10) / 10)
                    .set("BlockedRotorCurrentStar", std::round(iNenn * 2.1 * 10) / 10)
                    .set("BlockedRotorCurrentDelta", std::round(iNenn * 6.3 * 10) / 10);
                for (int k = 1; k <= 4; ++k)
                    s.set("Current_" + kk(k), c[static_cast<size_t>(k - 1)]);
                s.set("MotorPower", a.motorKW);
                m.push_back(s);
            }
            Satz z;
            z.set("WUKMotorID", it->second).set("ArticleID", a.id);
            ma.push_back(z);
        }
    }

    void kondensatorenSchreiben() {
        auto& l = k_.exporte.tabelle("WukAirCooledCondensers.xml");
        auto& la = k_.exporte.tabelle("WukAirCooledCondensersArticles.xml");
        auto& lr = k_.exporte.tabelle("WukAirCooledCondensersRefrigerants.xml");
        int id = 0;
        int lrId = 1;
        std::vector<Satz> spaeter;
        for (const Artikel& a : k_.artikel) {
            if (!a.kondensator)
                continue;
            ++id;
            Satz s;
            s.set("ID", id).set("Name", QStringLiteral("LK %1-%2")
                                            .arg(a.typ.section(' ', 0, 0))
                                            .arg(a.typ.section(' ', 1)));
            l.push_back(s);
            Satz z;
            z.set("WukAirCooledCondenserID", id).set("ArticleID", a.id);
            la.push_back(z);
            const Artikel& b = basisVon(a);
            for (const QString& km : b.kaeltemittel) {
                const LeistungsFit& f = rechner_.fit(b, km);
                // Sized so that the unit condenses a.kondensatorUeber above 32 °C air at t0 -10 °C.
                const double tc = 32.0 + a.kondensatorUeber;
                const double faktor = b.hub * b.hubFaktor;
                const double qo = polynomWert(f.qo.c, -10.0, tc) * faktor;
                const double p = polynomWert(f.p.c, -10.0, tc) * faktor *
                                 calc::r507Faktor(calc::kaeltemittelSchluessel(km), -10.0, tc);
                const double waerme = qo + (luftgekuehlteReihe(b.gruppe) ? 0.8 : 1.0) * p;
                const double u = waerme / a.kondensatorUeber;
                const double k4 = 0.001 * u;
                // Today's refrigerants follow all the others (see leistungenSchreiben).
                const bool heutig = kaeltemittelId(km) > kErsteKaeltemittel;
                Satz r;
                r.set("ID", heutig ? 0 : lrId++)
                    .set("WukAirCooledCondenserID", id)
                    .set("WukRefrigerantID", kaeltemittelId(km))
                    .set("CondenserCapacity_01", 0.0)
                    .set("CondenserCapacity_02", u - 32.0 * k4)
                    .set("CondenserCapacity_03", -u)
                    .set("CondenserCapacity_04", k4);
                (heutig ? spaeter : lr).push_back(r);
            }
        }
        for (Satz& r : spaeter) {
            r.set("ID", lrId++);
            lr.push_back(r);
        }
    }

    void kaeltemittelSchreiben() {
        auto& t = k_.exporte.tabelle("WukRefrigerants.xml");
        for (const Kaeltemittel& km : kaeltemittelListe()) {
            Satz s;
            s.set("ID", km.id).set("Ashrae", km.ashrae);
            const QStringList namen = kaeltemittelNamen(km.ashrae);
            for (int i = 0; i < namen.size() && i < 10; ++i)
                s.set("Name" + kk(i + 1), namen.at(i));
            t.push_back(s);
        }
    }

    LeistungsRechner rechner_;
    Katalog& k_;
};

} // namespace

Katalog katalogErstellen(fluid::TStoff& stoff) {
    Katalog k;
    k.artikel = sortimentErstellen();
    for (Artikel& a : k.artikel)
        a.textResource = ausschreibungstextId(a);
    Erzeuger(stoff, k).alles();
    return k;
}

const std::vector<Gruppe>& gruppenListe() {
    static const std::vector<Gruppe> liste = [] {
        std::vector<Gruppe> g;
        auto add = [&g](int id, int parent, int pos, Text10 name, const char* serie) {
            g.push_back({id, parent, pos, std::move(name), QLatin1String(serie)});
        };
        add(58, 0, 1,
            Text10::alle("Semi-hermetic compressors", "Halbhermetische Verdichter",
                         "Compresseurs semi-hermétiques", "Compressori semiermetici",
                         "Compresores semiherméticos", "Compressores semi-herméticos",
                         "Полугерметичные компрессоры", "半封闭压缩机", "Sprężarki półhermetyczne",
                         "반밀폐형 압축기"),
            "QN");
        add(25, 58, 2,
            Text10::alle("QN single-stage", "QN einstufig", "QN mono-étagé", "QN monostadio",
                         "QN de una etapa", "QN de um estágio", "QN одноступенчатые", "QN 单级",
                         "QN jednostopniowe", "QN 단단"),
            "QN");
        add(26, 58, 3,
            Text10::alle("QN two-stage", "QN zweistufig", "QN bi-étagé", "QN bistadio",
                         "QN de dos etapas", "QN de dois estágios", "QN двухступенчатые", "QN 双级",
                         "QN dwustopniowe", "QN 2단"),
            "QNT");
        add(45, 58, 4,
            Text10::alle("QN 8/4-pole (two speeds)", "QN 8/4-polig (zwei Drehzahlen)",
                         "QN 8/4 pôles (deux vitesses)", "QN 8/4 poli (due velocità)",
                         "QN 8/4 polos (dos velocidades)", "QN 8/4 polos (duas velocidades)",
                         "QN 8/4-полюсные (две скорости)", "QN 8/4极（双速）",
                         "QN 8/4-biegunowe (dwie prędkości)", "QN 8/4극 (2속)"),
            "QN84");
        add(30, 58, 5,
            Text10::alle("EQN duplex compressors", "EQN Duplex-Verdichter",
                         "EQN compresseurs duplex", "EQN compressori duplex",
                         "EQN compresores dúplex", "EQN compressores duplex",
                         "EQN сдвоенные компрессоры", "EQN 双联压缩机", "EQN sprężarki zdwojone",
                         "EQN 듀플렉스 압축기"),
            "EQN");
        add(56, 58, 6,
            Text10::alle("CQN compressor sets with receiver", "CQN Verdichtersätze mit Sammler",
                         "CQN groupes avec réservoir", "CQN gruppi con ricevitore",
                         "CQN grupos con recipiente", "CQN conjuntos com reservatório",
                         "CQN агрегаты с ресивером", "CQN 带储液器机组",
                         "CQN agregaty ze zbiornikiem", "CQN 수액기 부착 세트"),
            "CQN");
        add(57, 58, 7,
            Text10::alle("CQN air-cooled condensing units", "CQN Verflüssigungssätze luftgekühlt",
                         "CQN groupes de condensation à air", "CQN unità condensatrici ad aria",
                         "CQN unidades condensadoras por aire", "CQN unidades condensadoras a ar",
                         "CQN конденсаторные агрегаты", "CQN 风冷冷凝机组",
                         "CQN agregaty skraplające", "CQN 공랭식 응축 유닛"),
            "CQN");
        add(60, 58, 8,
            Text10::alle("CQN compact sets", "CQN Kompaktsätze", "CQN groupes compacts",
                         "CQN gruppi compatti", "CQN grupos compactos", "CQN conjuntos compactos",
                         "CQN компактные агрегаты", "CQN 紧凑型机组", "CQN agregaty kompaktowe",
                         "CQN 컴팩트 세트"),
            "CQN");
        add(73, 58, 9,
            Text10::alle("QN CO2 subcritical", "QN CO2 subkritisch", "QN CO2 sous-critique",
                         "QN CO2 subcritico", "QN CO2 subcrítico", "QN CO2 subcrítico",
                         "QN CO2 докритические", "QN CO2 亚临界", "QN CO2 podkrytyczne",
                         "QN CO2 아임계"),
            "QNCO2");
        add(74, 58, 10, Text10::gleich("QN R410A, R32"), "QNR410A");
        add(24, 58, 11,
            Text10::alle("QL single-stage", "QL einstufig", "QL mono-étagé", "QL monostadio",
                         "QL de una etapa", "QL de um estágio", "QL одноступенчатые", "QL 单级",
                         "QL jednostopniowe", "QL 단단"),
            "QL");
        add(29, 58, 12,
            Text10::alle("EQL duplex compressors", "EQL Duplex-Verdichter",
                         "EQL compresseurs duplex", "EQL compressori duplex",
                         "EQL compresores dúplex", "EQL compressores duplex",
                         "EQL сдвоенные компрессоры", "EQL 双联压缩机", "EQL sprężarki zdwojone",
                         "EQL 듀플렉스 압축기"),
            "EQL");
        add(54, 58, 13,
            Text10::alle("CQL compressor sets with receiver", "CQL Verdichtersätze mit Sammler",
                         "CQL groupes avec réservoir", "CQL gruppi con ricevitore",
                         "CQL grupos con recipiente", "CQL conjuntos com reservatório",
                         "CQL агрегаты с ресивером", "CQL 带储液器机组",
                         "CQL agregaty ze zbiornikiem", "CQL 수액기 부착 세트"),
            "CQL");
        add(55, 58, 14,
            Text10::alle("CQL air-cooled condensing units", "CQL Verflüssigungssätze luftgekühlt",
                         "CQL groupes de condensation à air", "CQL unità condensatrici ad aria",
                         "CQL unidades condensadoras por aire", "CQL unidades condensadoras a ar",
                         "CQL конденсаторные агрегаты", "CQL 风冷冷凝机组",
                         "CQL agregaty skraplające", "CQL 공랭식 응축 유닛"),
            "CQL");
        add(59, 58, 15,
            Text10::alle("CQL compact sets", "CQL Kompaktsätze", "CQL groupes compacts",
                         "CQL gruppi compatti", "CQL grupos compactos", "CQL conjuntos compactos",
                         "CQL компактные агрегаты", "CQL 紧凑型机组", "CQL agregaty kompaktowe",
                         "CQL 컴팩트 세트"),
            "CQL");
        add(65, 0, 16,
            Text10::alle("LV open motor compressors", "Offene Motorverdichter LV",
                         "Motocompresseurs ouverts LV", "Motocompressori aperti LV",
                         "Motocompresores abiertos LV", "Motocompressores abertos LV",
                         "Открытые мотор-компрессоры LV", "LV 开启式电动压缩机",
                         "Otwarte motosprężarki LV", "LV 개방형 모터 압축기"),
            "LV");
        add(38, 0, 17,
            Text10::alle("Open compressors W", "Offene Verdichter W", "Compresseurs ouverts W",
                         "Compressori aperti W", "Compresores abiertos W", "Compressores abertos W",
                         "Открытые компрессоры W", "W 开启式压缩机", "Sprężarki otwarte W",
                         "W 개방형 압축기"),
            "W");
        add(31, 38, 18,
            Text10::alle("W single-stage", "W einstufig", "W mono-étagé", "W monostadio",
                         "W de una etapa", "W de um estágio", "W одноступенчатые", "W 单级",
                         "W jednostopniowe", "W 단단"),
            "W");
        add(23, 38, 19,
            Text10::alle("WT two-stage", "WT zweistufig", "WT bi-étagé", "WT bistadio",
                         "WT de dos etapas", "WT de dois estágios", "WT двухступенчатые", "WT 双级",
                         "WT dwustopniowe", "WT 2단"),
            "WT");
        add(32, 38, 20,
            Text10::alle("WEY compressor sets", "WEY Verdichtersätze", "WEY groupes compresseurs",
                         "WEY gruppi compressori", "WEY grupos compresores",
                         "WEY conjuntos compressores", "WEY компрессорные агрегаты", "WEY 压缩机组",
                         "WEY agregaty sprężarkowe", "WEY 압축기 세트"),
            "WEY");
        add(51, 38, 21,
            Text10::alle("W NH3 compressors", "W NH3-Verdichter", "W compresseurs NH3",
                         "W compressori NH3", "W compresores NH3", "W compressores NH3",
                         "W компрессоры NH3", "W NH3压缩机", "W sprężarki NH3", "W NH3 압축기"),
            "WNH3");
        add(63, 38, 22,
            Text10::alle("WEY NH3 compressor sets", "WEY NH3-Verdichtersätze",
                         "WEY groupes compresseurs NH3", "WEY gruppi compressori NH3",
                         "WEY grupos compresores NH3", "WEY conjuntos compressores NH3",
                         "WEY компрессорные агрегаты NH3", "WEY NH3压缩机组",
                         "WEY agregaty sprężarkowe NH3", "WEY NH3 압축기 세트"),
            "WEYNH3");
        add(39, 0, 23,
            Text10::alle("Vehicle compressors WY", "Fahrzeugverdichter WY",
                         "Compresseurs pour véhicules WY", "Compressori per veicoli WY",
                         "Compresores para vehículos WY", "Compressores veiculares WY",
                         "Транспортные компрессоры WY", "WY 车用压缩机", "Sprężarki pojazdowe WY",
                         "WY 차량용 압축기"),
            "WY");
        add(33, 39, 24,
            Text10::alle("WY bus and rail air conditioning", "WY Bus- und Bahnklimatisierung",
                         "WY climatisation bus et train", "WY climatizzazione bus e treni",
                         "WY climatización de autobuses y trenes",
                         "WY climatização de ônibus e trens",
                         "WY кондиционирование автобусов и поездов", "WY 客车和轨道车辆空调",
                         "WY klimatyzacja autobusów i pociągów", "WY 버스 및 철도 공조"),
            "WY");
        add(66, 39, 25,
            Text10::alle("WY transport refrigeration", "WY Transportkühlung",
                         "WY froid de transport", "WY refrigerazione per trasporti",
                         "WY refrigeración de transporte", "WY refrigeração de transporte",
                         "WY транспортное охлаждение", "WY 运输冷藏", "WY chłodnictwo transportowe",
                         "WY 수송 냉동"),
            "WY");
        return g;
    }();
    return liste;
}

} // namespace drel::katalog
