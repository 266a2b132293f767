#include "calc/artikelrechnung.h"

#include "calc/lukobilanz.h"
#include "calc/polynom.h"
#include "db/datamodule.h"
#include "state/programmschalter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace drel::calc {

namespace {

bool beginntMit(const QString& text, const char* anfang) {
    return text.startsWith(QLatin1String(anfang), Qt::CaseInsensitive);
}

bool enthaelt(const QString& text, const char* teil) {
    return text.contains(QLatin1String(teil), Qt::CaseInsensitive);
}

struct HertzBereich {
    double min = 30.0;
    double max = 60.0;
};

HertzBereich hertzBereich(const QString& typ, int nummer) {
    if (nummer == 12 || nummer == 22)
        return {30.0, 70.0};
    if (nummer == 34)
        return {25.0, 70.0};
    if (nummer >= 4 && nummer <= 8) {
        const bool qnOhneCo2 =
            beginntMit(typ, "QN") && !enthaelt(typ, "CO2") && !enthaelt(typ, "R410A");
        return {25.0, qnOhneCo2 ? 70.0 : 60.0};
    }
    return {};
}

bool frequenzBegrenzt(const QString& typ) {
    for (const char* serie : {"QL", "QN", "EQL", "EQN", "CQL", "CQN"})
        if (beginntMit(typ, serie))
            return true;
    return false;
}

bool istR717(const QString& kaeltemittel) {
    return kaeltemittel.toUpper() == QLatin1String("R717");
}

// Clamps `wert` into [unten, oben] (the upper bound first) and says whether it moved.
double klemmen(double wert, double unten, double oben, bool& geklemmt) {
    const double neu = std::max(std::min(wert, oben), unten);
    geklemmt = geklemmt || neu != wert;
    return neu;
}

// The limits of the inputs: suction gas, t0 and tc by the envelope, subcooling, superheat.
void eingabenBegrenzen(db::TDataModule1& dm, ArtikelErgebnis& r) {
    Betriebspunkt& p = r.punkt;
    if (p.tsaug > 30.0) {
        p.tsaug = 30.0;
        r.geklemmt.tsaug = true;
    }
    EinsatzgrenzenTest(dm, p.tsaug, p.tc, p.t0);
    const GrenzBereich& g = grenzBereich();
    p.tc = klemmen(p.tc, g.GrenzTcMin - 5.0, g.GrenzTcMax + 5.0, r.geklemmt.tc);
    p.t0 = klemmen(p.t0, g.GrenzT0Min - 5.0, g.GrenzT0Max + 5.0, r.geklemmt.t0);
    p.tu = klemmen(p.tu, -50.0, 50.0, r.geklemmt.tu);
    p.tue = klemmen(p.tue, 0.0, 50.0, r.geklemmt.tue);
    if (p.t0 + p.tue > p.tsaug) {
        p.tsaug = p.t0 + p.tue;
        r.geklemmt.tsaug = true;
    }
}

// Step 5: the condensing temperature of a condensing unit from the condenser
// balance, with the air inlet temperature raised or lowered until tc lies in the
// range of the limits. Both loops stop after 1001 steps: a condenser entry whose tc
// does not follow tle would otherwise never end the lowering.
void satzBilanz(db::TDataModule1& dm, const db::LukoEintrag& kond, ArtikelErgebnis& r,
                ArtikelHinweise& h) {
    constexpr int kSchritte = 1001;
    Betriebspunkt& p = r.punkt;
    if (p.tle > 85.0) {
        p.tle = 85.0;
        r.geklemmt.tle = true;
    }
    auto bilanz = [&] { p.tc = LukoBilanz(dm, kond, p.f, p.tle, p.t0, false).tc; };
    bilanz();
    h.zusatzk = EinsatzgrenzenTest(dm, p.tsaug, p.tc, p.t0) == 4;
    const GrenzBereich& g = grenzBereich();
    if (g.GrenzTcMin != 0.0 && p.tc < g.GrenzTcMin) {
        for (int i = 0; i < kSchritte && !(p.tc >= g.GrenzTcMin); ++i) {
            p.tle += 1.0;
            ++r.tleSchritte;
            bilanz();
        }
    }
    if (g.GrenzTcMax != 0.0 && p.tc > g.GrenzTcMax) {
        for (int i = 0; i < kSchritte && !(p.tc <= g.GrenzTcMax); ++i) {
            p.tle -= 1.0;
            --r.tleSchritte;
            bilanz();
        }
    }
    r.geklemmt.tle = r.geklemmt.tle || r.tleSchritte != 0;
}

// Step 6: the speed follows the frequency and is kept in the article's limits.
void drehzahlBegrenzen(db::TDataModule1& dm, const QString& typ, ArtikelErgebnis& r,
                       ArtikelHinweise& h) {
    Betriebspunkt& p = r.punkt;
    Programmschalter& schalter = programmschalter();
    p.n = drehzahlNachFrequenz(p.n, p.f, schalter.LetzteFrequenz);
    schalter.LetzteFrequenz = p.f;
    r.nVorher = p.n;
    if (!r.mitMotor) {
        const db::DrehzahlGrenzen g = db::drehzahlGrenzen(dm.TBArtikel, dm.TBKMittelS);
        h.anwendn1 = p.n > g.max + 1;
        h.anwendn2 = p.n < g.min - 1;
        p.n = std::min(std::max(p.n, static_cast<double>(g.min)), static_cast<double>(g.max));
    }
    if (typ.startsWith(QLatin1String("WT")))
        p.n = std::max(p.n, kZweistufigMindestdrehzahl);
    r.geklemmt.n = p.n != r.nVorher;
}

// Step 8: one compressor, or both of a duplex type (the second one first).
void bewerten(db::TDataModule1& dm, fluid::TStoff& stoff, const ArtikelEingabe& e,
              ArtikelErgebnis& r) {
    const Betriebspunkt& p = r.punkt;
    if (r.art == db::Baureihe::WZweistufig) {
        r.verdichter1 = ZweistufigRechnen(dm, stoff, p);
        r.m = r.verdichter1.m;
        return;
    }
    r.m = 0.0;
    if (e.Panel9) {
        Betriebspunkt zweiter = p;
        zweiter.f = r.f2;
        r.verdichter2 = BetriebspunktRechnen(dm, stoff, zweiter, false);
        r.P2 = r.verdichter2.P;
        r.m = r.verdichter2.m;
    }
    r.verdichter1 = BetriebspunktRechnen(dm, stoff, p, false);
    r.m += r.verdichter1.m;
}

// Step 13: torque of open compressors, current texts of articles with a motor.
void drehmomentUndStrom(db::TDataModule1& dm, const ArtikelEingabe& e, ArtikelErgebnis& r,
                        const NumberSeparators& sep) {
    const Betriebspunkt& p = r.punkt;
    const bool offen = db::offenerVerdichter(r.art);
    if (offen)
        r.drehmoment = Drehmoment(r.verdichter1.P, p.n);
    if (!r.mitMotor)
        return;
    r.I = IRechnen(dm, p.t0, p.tc, p.n, p.f, false);
    r.strom = stromText(r.I, sep);
    r.StromV1 = r.strom;
    r.IGesamt = r.I;
    if (e.Panel9) {
        r.I2 = IRechnen(dm, p.t0, p.tc, p.n, r.f2, false);
        r.StromV2 = stromText(r.I2, sep);
        // The sum of the two texts; the dash counts as 0.
        r.IGesamt = (r.I > 0.1 ? r.I : 0.0) + (r.I2 > 0.1 ? r.I2 : 0.0);
        r.strom = generalFormat(r.IGesamt, sep);
    }
    r.stromSichtbar = !offen;
}

// Steps 7 and 15: the notes of the limits at the point used.
void grenzHinweise(const ArtikelEingabe& e, ArtikelErgebnis& r, ArtikelHinweise& h) {
    const Betriebspunkt& p = r.punkt;
    if (!istR717(e.punkt.kaeltemittel))
        h.zusatzk = r.code == 4;
    else if (r.code == 0)
        h.zusatzk = false;
    h.Label15 = istR717(e.punkt.kaeltemittel) && p.tsaug > p.t0 + 10.0;

    h.Label27 = h.Label28 = e.typ.startsWith(QLatin1String("WY")) &&
                            e.typ.endsWith(QLatin1Char('N'), Qt::CaseInsensitive) && p.n > 3000.0;
    const GrenzBereich& g = r.bereich;
    if (g.GrenzTcMax != g.GrenzTcMin) {
        h.anwendtc1 = p.tc > g.GrenzTcMax;
        h.anwendtc2 = p.tc < g.GrenzTcMin;
    }
    if (g.GrenzT0Max != g.GrenzT0Min) {
        h.anwendt01 = p.t0 > g.GrenzT0Max;
        h.anwendt02 = p.t0 < g.GrenzT0Min;
    }
    h.Label25 = r.code > 10 && r.code < 100;
    h.Label26 = r.code > 100;
}

void maximaleLeistung(db::TDataModule1& dm, ArtikelErgebnis& r, ArtikelHinweise& h) {
    const double maximum = dm.TBArtikel.asFloat(u"MaximaleAntriebsleistung");
    const bool ueber = maximum != 0.0 && (r.verdichter1.P > maximum || r.P2 > maximum);
    // The second line only completes the first.
    h.LeistAufn = h.LeistAufn2 = ueber;
    h.sofortZeigen = ueber;
}

bool satzModusVon(const QString& bezeichnung) {
    const QString b = bezeichnung.toUpper();
    return (b.contains(QLatin1String(" L")) || b.contains(QLatin1String(" SL"))) &&
           (b.contains(QLatin1String("CQL")) || b.contains(QLatin1String("CQN")));
}

} // namespace

int baugroessenNummer(const QString& typ) {
    int nummer = 0;
    bool inZahl = false;
    // The last character is never examined.
    for (qsizetype i = 0; i + 1 < typ.size(); ++i) {
        const QChar c = typ.at(i);
        const bool ziffer = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (inZahl && !ziffer)
            break;
        if (!inZahl && c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            inZahl = true;
        if (inZahl) {
            if (c == QLatin1Char('0'))
                break;
            nummer = nummer * 10 + (c.unicode() - u'0');
        }
    }
    return nummer;
}

double HertzPruefen(const QString& typ, double f) {
    if (f <= 0.0)
        f = 1.0;
    const int nummer = baugroessenNummer(typ);
    if (nummer == 0 || typ.size() <= 2 || !frequenzBegrenzt(typ))
        return f;
    const HertzBereich b = hertzBereich(typ, nummer);
    if (f < b.min)
        f = b.min;
    if (f > b.max)
        f = b.max;
    return f;
}

bool zweiVerdichter(const QString& typ) {
    return enthaelt(typ, "EQN") || enthaelt(typ, "EQL");
}

double drehzahlNachFrequenz(double n, double f, double letzteFrequenz) {
    if (letzteFrequenz != 0.0)
        n = n / (1.0 + 0.02 * (letzteFrequenz - 50.0));
    if (f != 50.0)
        n = n * (1.0 + 0.02 * (f - 50.0));
    return n;
}

double Drehmoment(double P, double n) {
    const double nm = P * 1000.0 * 60.0 / n / 2.0 / std::numbers::pi;
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(nm * 20.0) / 20.0;
}

QString stromText(double I, const NumberSeparators& sep) {
    if (!std::isfinite(I))
        return QStringLiteral("-");
    return I <= 0.1 ? QStringLiteral("   -   ") : generalFormat(I, sep);
}

double zwischenkuehlerAustritt(double t0, double tc) {
    return 15.8600022 + 0.68800003 * t0 + 0.29799997 * tc + 6.6666e-5 * t0 * tc;
}

bool ArtikelHinweise::sichtbar() const {
    return zusatzk || Label15 || anwendn1 || anwendn2 || anwendt01 || anwendt02 || anwendtc1 ||
           anwendtc2 || Label25 || Label26 || Label27 || Label28 || LeistAufn || LeistAufn2;
}

QStringList ArtikelHinweise::texte() const {
    const std::pair<bool, const char*> labels[] = {
        {zusatzk, "Zusatzkuhlung erforderlich"},
        {Label15, "max. Uberhitzung 10K !"},
        {anwendn1, "Drehzahl: Einsatzgrenze beachten !  n zu gross"},
        {anwendn2, "Drehzahl: Einsatzgrenze beachten !    n zu klein "},
        {anwendtc1, "tc: Einsatzgrenze beachten !    tc zu gross"},
        {anwendtc2, "tc: Einsatzgrenze beachten !    tc zu klein"},
        {anwendt01, "t0: Einsatzgrenze beachten !    t0 zu gross"},
        {anwendt02, "t0: Einsatzgrenze beachten !    t0 zu klein"},
        {Label25, "Einsatzgrenze beachten ! (t0, tc, toh)"},
        {Label26, "Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig."},
        {Label27, "Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei"},
        {Label28, "Schaltvorgangen, Bergabfahrten im Schubbetrieb usw."},
        {LeistAufn, "Maximale Leistungsaufnahme uberschritten !"},
        {LeistAufn2, "Siehe Technische Daten."},
    };
    QStringList out;
    for (const auto& [sichtbar, text] : labels)
        if (sichtbar)
            out << QString::fromLatin1(text);
    return out;
}

QStringList ArtikelHinweise::texteUebersetzt() const {
    QStringList out = texte();
    for (QString& text : out)
        text = QCoreApplication::translate("TFrmHinweise", text.toLatin1().constData());
    return out;
}

ArtikelErgebnis NeuRechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const ArtikelEingabe& e,
                           const NumberSeparators& sep) {
    ArtikelErgebnis r;
    r.punkt = e.punkt;
    if (e.AktArtikelID == 0)
        return r;
    // The name tests belong to the article shown; kind, motor, speed limits and
    // maximum power to the article whose data are used.
    db::Cursor& artikel = dm.TBArtikel;
    if (artikel.isEmpty() || artikel.asInteger(u"ID") != e.AktArtikelID)
        artikel.locate(QStringLiteral("ID"), {db::Value(e.AktArtikelID)});
    if (artikel.isEmpty() || artikel.asInteger(u"ID") != e.AktArtikelID)
        return r;
    const QString bezeichnung = artikel.asString(u"Bezeichnung1");
    const int gezeigteGruppe = artikel.asInteger(u"Produktgruppe");

    db::KaeltemittelPositionieren(dm, e.punkt.kaeltemittel,
                                  e.DatenArtikelID > 0 ? e.DatenArtikelID : e.AktArtikelID);
    programmschalter().Netz60Hz = false;
    if (dm.TBLeistung.isEmpty() || dm.TBLeistung.eof())
        return r;
    r.gerechnet = true;
    r.art = db::BaureihenArt(artikel);
    const int gruppe = artikel.asInteger(u"Produktgruppe");
    r.mitMotor = hatMotor(dm);
    r.antriebsleistung = db::offenerVerdichter(r.art);
    const bool polumschaltbar =
        r.art == db::Baureihe::QN &&
        (bezeichnung.contains(QLatin1String("8/4")) || bezeichnung.contains(QLatin1String("4/8")));
    r.frequenzFest = polumschaltbar || !r.mitMotor;
    r.punkt.f = r.frequenzFest ? 50.0 : std::trunc(e.punkt.f);
    r.f2 = std::trunc(e.f2);
    r.SatzModus = satzModusVon(bezeichnung);
    r.luftEintritt = r.SatzModus || db::lukoGruppe(gezeigteGruppe);

    ArtikelHinweise& h = r.hinweise;
    h.zusatzk = e.zusatzk;
    eingabenBegrenzen(dm, r);
    if (r.SatzModus && e.kondensator != nullptr)
        satzBilanz(dm, *e.kondensator, r, h);
    drehzahlBegrenzen(dm, e.typ, r, h);
    r.code = EinsatzgrenzenTest(dm, r.punkt.tsaug, r.punkt.tc, r.punkt.t0);
    r.bereich = grenzBereich();
    // With an intermediate cooler the subcooling is no input: its hidden field is 0, and
    // the rating must use what the sheet and its printout state.
    r.zwischenkuehler = db::zweistufigeGruppe(gruppe);
    if (r.zwischenkuehler)
        r.punkt.tu = 0.0;
    bewerten(dm, stoff, e, r);
    maximaleLeistung(dm, r, h);
    if (r.zwischenkuehler)
        r.tFUA = zwischenkuehlerAustritt(r.punkt.t0, r.punkt.tc);
    drehmomentUndStrom(dm, e, r, sep);
    grenzHinweise(e, r, h);
    h.Button1 = h.zusatzk && istR717(e.punkt.kaeltemittel);

    Betriebspunkt& bp = betriebspunkt();
    bp.t0 = e.punkt.t0;
    bp.tc = r.SatzModus ? r.punkt.tc : e.punkt.tc;
    bp.tle = r.punkt.tle;
    bp.tsaug = r.punkt.tsaug;
    bp.tu = r.zwischenkuehler ? 0.0 : r.punkt.tu;
    bp.n = r.punkt.n;
    return r;
}

} // namespace drel::calc
