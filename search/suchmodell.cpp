#include "search/suchmodell.h"

#include "base/dateischreiben.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace drel::search {

namespace {

using B = SuchRec;

using Gruppen = std::vector<std::vector<Box>>;

// Ticking a box unticks every box of the other groups.
const Gruppen& verdichterGruppen() {
    static const Gruppen g{{B::RBQN, B::RBQL, B::RB84},
                           {B::RBEQN, B::RBEQL},
                           {B::rbQNT},
                           {B::RBW},
                           {B::RBWT},
                           {B::RBWY}};
    return g;
}
const Gruppen& aggregatGruppen() {
    static const Gruppen g{{B::RBCQNR, B::RBCQLR}, {B::RBCQNL, B::RBCQLL}, {B::RBWEY}};
    return g;
}

// The order in which the window ticks its boxes when there is no settings file.
constexpr Box kStartReihenfolge[] = {B::RBQL,   B::RBQN,   B::rbQNT, B::RBEQL, B::RBEQN,
                                     B::RBW,    B::RBWY,   B::RBWT,  B::RBWEY, B::RBCQLL,
                                     B::RBCQNL, B::RBCQLR, B::RBCQNR};

int gruppeVon(const Gruppen& gruppen, Box b) {
    for (std::size_t g = 0; g < gruppen.size(); ++g) {
        if (std::find(gruppen[g].begin(), gruppen[g].end(), b) != gruppen[g].end())
            return static_cast<int>(g);
    }
    return -1;
}

int verdichterGruppe(Box b) {
    return gruppeVon(verdichterGruppen(), b);
}
int aggregatGruppe(Box b) {
    return gruppeVon(aggregatGruppen(), b);
}

// TDEdit's AsInteger and AsFloat: 0 for a text that is no whole number, no number.
int asInteger(const QString& text) {
    int wert = 0;
    return parseInt(text, wert) ? wert : 0;
}
double asFloat(const QString& text) {
    return floatOrZero(text);
}
bool istZahl(const QString& text) {
    double wert = 0.0;
    return parseFloat(text, wert);
}

bool fahrenheit(const calc::Einheiten& e) {
    return e.index(calc::EinheitGruppe::Temperatur) == 1;
}
bool kilowatt(const calc::Einheiten& e) {
    return e.index(calc::EinheitGruppe::Leistung) == 0;
}

} // namespace

SuchModell::SuchModell(const calc::Einheiten& einheiten, Suchergebnis& ergebnis)
    : einheiten_(einheiten), ergebnis_(ergebnis) {
    roh_ = SuchRec{}.schreiben();
    standardBoxen();
    rbVerdichterClick(true);
    KMListeIndex = KMListe.isEmpty() ? -1 : 0;
}

QString SuchModell::kaeltemittel() const {
    return KMListeIndex >= 0 && KMListeIndex < KMListe.size() ? KMListe.at(KMListeIndex)
                                                              : QString();
}

bool SuchModell::anyBox(std::initializer_list<Box> boxen) const {
    return std::any_of(boxen.begin(), boxen.end(), [this](Box b) { return box(b); });
}

void SuchModell::boxSetzen(Box b, bool an) {
    if (box(b) == an)
        return;
    boxStill(b, an);
    if (verdichterGruppe(b) >= 0)
        RBVerdClick(b);
    else if (aggregatGruppe(b) >= 0)
        RBAggrClick(b);
}

void SuchModell::standardBoxen() {
    for (Box b : kStartReihenfolge)
        boxSetzen(b, true);
    boxSetzen(B::RBLV, false);
    boxSetzen(B::RB84, false);
    boxSetzen(B::verbundtoo, false);
}

void SuchModell::kaeltemittelWaehlen(const QString& text) {
    qsizetype i = KMListe.indexOf(text);
    if (i < 0)
        i = KMListe.indexOf(r404aListenEintrag());
    if (i >= 0)
        KMListeIndex = static_cast<int>(i);
}

void SuchModell::rbVerdichterClick(bool verdichter) {
    gemerkt_ = kaeltemittel();
    rbVerdichter = verdichter;
    rbSatz = !verdichter;
    Panel7 = verdichter;
    Panel6 = !verdichter;
    Label7 = verdichter;
    Label8 = !verdichter;
    RBWEnabled = verdichter;
    verbundtooEnabled = verdichter;
    if (!verdichter)
        RBAggrClick();
    kaeltemittelWaehlen(gemerkt_);
    KMittelSetzen();
    RBWClick();
    RBQLClick();
    SpinNChange();
}

void SuchModell::gruppenRegel(const Gruppen& gruppen, Box geklickt) {
    const int gruppe = gruppeVon(gruppen, geklickt);
    if (!box(geklickt) || gruppe < 0)
        return;
    for (std::size_t g = 0; g < gruppen.size(); ++g) {
        if (static_cast<int>(g) == gruppe)
            continue;
        for (Box b : gruppen[g])
            boxStill(b, false);
    }
}

void SuchModell::RBVerdClick(Box geklickt) {
    gruppenRegel(verdichterGruppen(), geklickt);
    RBQLClick();
    RBWClick();
    KMittelSetzen();
    tcChange();
}

void SuchModell::RBAggrClick(Box geklickt) {
    gruppenRegel(aggregatGruppen(), geklickt);
    RBAggrClick();
}

void SuchModell::RBAggrClick() {
    if (anyBox({B::RBCQNL, B::RBCQLL})) {
        Label8 = true;
        Label7 = false;
    }
    if (anyBox({B::RBCQNR, B::RBCQLR, B::RBWEY})) {
        Label7 = true;
        Label8 = false;
    }
    Panel4 = box(B::RBWEY);
    Panel3 = !box(B::RBWEY);
    KMittelSetzen();
    tcChange();
}

void SuchModell::RBQLClick() {
    Panel3 = (rbVerdichter && anyBox({B::RBQL, B::RBQN, B::RB84, B::rbQNT, B::RBEQL, B::RBEQN})) ||
             (rbSatz && anyBox({B::RBCQLR, B::RBCQNR, B::RBCQLL, B::RBCQNL}));
}

void SuchModell::RBWClick() {
    Panel4 = (rbVerdichter && anyBox({B::RBW, B::RBWY, B::RBWT})) || (rbSatz && box(B::RBWEY));
    if (!Panel4 && SpinN != 1450)
        SpinNEingabe(1450);
}

void SuchModell::SpinNChange() {
    SpinNMin = 0;
    SpinNMax = 1800;
    if (rbVerdichter && box(B::RBWY))
        SpinNMax = 3500;
    if ((rbVerdichter && anyBox({B::RBWY, B::RBW, B::RBWT})) || (rbSatz && box(B::RBWEY)))
        SpinNMin = 500;
    setSpinN(SpinN);
}

void SuchModell::setSpinN(int wert) {
    SpinN = std::clamp(wert, SpinNMin, SpinNMax);
}

void SuchModell::SpinNEingabe(int wert) {
    SpinN = wert;
    SpinNChange();
}

void SuchModell::rb50HzClick(bool sechzig) {
    rb60Hz = sechzig;
    rb50Hz = !sechzig;
    programmschalter().Netz60Hz = sechzig;
}

void SuchModell::KMittelSetzen() {
    const QString merk = kaeltemittel();
    const bool v = rbVerdichter;
    const bool s = rbSatz;
    const bool einVerdichter =
        anyBox({B::RBQN, B::RBQL, B::RB84, B::rbQNT, B::RBEQN, B::RBEQL, B::RBW, B::RBWT, B::RBWY});
    const bool einAggregat = anyBox({B::RBCQNR, B::RBCQLR, B::RBCQNL, B::RBCQLL, B::RBWEY});
    const bool r134a = (v && anyBox({B::RBQN, B::RB84, B::RBEQN, B::RBW, B::RBWY})) ||
                       (s && anyBox({B::RBCQNR, B::RBCQNL, B::RBWEY}));
    const bool r22 = (v && einVerdichter) || (s && einAggregat);
    KMListe.clear();
    KMListeIndex = -1;
    if (r134a)
        KMListe << QStringLiteral("R134a") << QStringLiteral("R407C");
    if (r22)
        KMListe << QStringLiteral("R22");
    if (v && anyBox({B::RBQN, B::rbQNT, B::RBWT}))
        KMListe << QStringLiteral("R410A");
    if (r22)
        KMListe << r404aListenEintrag();
    if ((v && box(B::RBW)) || (s && box(B::RBWEY)))
        KMListe << QStringLiteral("R717");
    if (v && box(B::RBQN))
        KMListe << QStringLiteral("R744");
    // Today's refrigerants where the catalogue has data for them: the HFO blends on
    // QN and QL and their units, the R134a replacements on the duplex series, R32 on
    // its own QN types. After the others, so that a stored selection keeps its entry.
    if ((v && anyBox({B::RBQN, B::RBQL})) ||
        (s && anyBox({B::RBCQNR, B::RBCQLR, B::RBCQNL, B::RBCQLL})))
        KMListe << QStringLiteral("R448A") << QStringLiteral("R449A") << QStringLiteral("R454C")
                << QStringLiteral("R455A");
    if (v && anyBox({B::RBEQN, B::RBEQL}))
        KMListe << QStringLiteral("R513A") << QStringLiteral("R1234ze(E)")
                << QStringLiteral("R1234yf");
    if (v && box(B::RBQN))
        KMListe << QStringLiteral("R32");
    KMListeIndex = static_cast<int>(KMListe.indexOf(merk));
    if (KMListeIndex < 0 && !KMListe.isEmpty())
        KMListeIndex = 0;
}

void SuchModell::KMListeClick(int index) {
    if (index >= 0 && index < KMListe.size())
        KMListeIndex = index;
    gemerkt_ = kaeltemittel();
    tcChange();
}

void SuchModell::tcChange() {
    const QString km = kaeltemittel();
    Panel10 = Label7 && asFloat(tc) < 20.0 && !(box(B::RBW) && km == QLatin1String("R717")) &&
              !(box(B::RBQN) && km == QLatin1String("R744"));
}

void SuchModell::chkq0Click(bool an) {
    chkq0 = an;
    chktyp = !an;
    Q0Sichtbar = an;
    vTypSichtbar = !an;
}

void SuchModell::chktypClick(bool an) {
    chkq0Click(!an);
}

QString& SuchModell::text(Feld feld) {
    switch (feld) {
    case Feld::Q0:
        return Q0;
    case Feld::t0:
        return t0;
    case Feld::tc:
        return tc;
    case Feld::ts:
        return ts;
    case Feld::dtu:
        break;
    }
    return dtu;
}

void SuchModell::aufGrenzenPruefen(Feld feld, QString& wert) {
    const calc::Einheiten& e = einheiten_;
    auto grenze = [&wert](double g) { wert = shortestDecimal(g); };
    switch (feld) {
    case Feld::Q0:
        if (asInteger(wert) < 0)
            wert = QStringLiteral("0");
        else if (asInteger(wert) > e.LeistungAnzeige(1000.0))
            grenze(e.LeistungAnzeige(1000.0));
        break;
    case Feld::t0:
        if (asFloat(wert) < e.TempAnzeige(-273.0))
            grenze(e.TempAnzeige(-273.0));
        else if (asInteger(wert) > e.TempAnzeige(100.0))
            grenze(e.TempAnzeige(100.0));
        break;
    case Feld::tc:
        if (asInteger(wert) < e.TempAnzeige(-100.0))
            grenze(e.TempAnzeige(-100.0));
        else if (asInteger(wert) > e.TempAnzeige(120.0))
            grenze(e.TempAnzeige(120.0));
        break;
    case Feld::ts:
        if (asInteger(wert) < e.TempAnzeige(-80.0))
            grenze(e.TempAnzeige(-80.0));
        else if (asInteger(wert) > e.TempAnzeige(40.0))
            grenze(e.TempAnzeige(40.0));
        break;
    case Feld::dtu:
        if (asFloat(wert) < 0.0)
            wert = QStringLiteral("0");
        else if (asFloat(wert) > e.DiffAnzeige(50.0))
            grenze(e.DiffAnzeige(50.0));
        break;
    }
}

void SuchModell::feldVerlassen(Feld feld) {
    aufGrenzenPruefen(feld, text(feld));
}

void SuchModell::spin(Feld feld, bool hoch) {
    QString& t = text(feld);
    double wert = 10.0;
    parseFloat(t, wert);
    if (hoch) {
        wert += 1.0;
    } else {
        if (feld == Feld::Q0 && wert < 1.0)
            wert = 1.0;
        wert -= 1.0;
    }
    t = generalFormat(wert);
    feldVerlassen(feld);
    if (feld == Feld::t0)
        KMListeClick(KMListeIndex);
    else if (feld == Feld::tc)
        tcChange();
}

bool SuchModell::q0TasteErlaubt(QChar taste) const {
    const QChar dezimal = numberSeparators().decimal;
    if (taste.isDigit())
        return true;
    if (taste == dezimal)
        return !Q0.contains(dezimal);
    return taste != QLatin1Char('.');
}

void SuchModell::standardWerte() {
    const SuchRec d;
    Q0 = d.q0;
    t0 = d.t0;
    tc = d.tc;
    ts = d.ts;
    dtu = d.dtu;
    vTyp.clear();
    chkq0Click(true);
    rb50HzClick(false);
    standardBoxen();
    rbVerdichterClick(true);
    KMListeIndex = KMListe.isEmpty() ? -1 : 0;
    SpinN = 1450;
    SpinNChange();
}

void SuchModell::FormShow(const QString& suchIni) {
    KMListeIndex = KMListe.isEmpty() ? -1 : 0;
    KopfTyp = QStringLiteral("Typ");
    KopfQo = QStringLiteral("Qo   ");
    rbVerdichterClick(rbVerdichter);
    const std::optional<QByteArray> inhalt =
        suchIni.isEmpty() ? std::nullopt : dateiAnfangLesen(suchIni, SuchRec::Groesse);
    if (inhalt) {
        const QByteArray& gelesen = *inhalt;
        // A short file keeps the default bytes where it ends.
        roh_ = gelesen + SuchRec{}.schreiben().mid(gelesen.size());
        laden(SuchRec::lesen(gelesen));
    } else {
        roh_ = SuchRec{}.schreiben();
        standardWerte();
    }
    KMListeClick(KMListeIndex);
}

bool SuchModell::setRandSpalte(bool an, const QString& suchIni) {
    rec_.randSpalte = an;
    if (roh_.size() < SuchRec::Groesse)
        roh_ = SuchRec{}.schreiben();
    roh_[SuchRec::Offset::randMarke] = an ? SuchRec::RandMarke : '\0';
    roh_[SuchRec::Offset::randSpalte] = an ? 1 : 0;
    if (suchIni.isEmpty() || dateiAtomarSchreiben(suchIni, roh_, &schreibGrund_))
        return true;
    if (!schreibFehlerGemeldet_)
        report(schreibFehlerText(suchIni, schreibGrund_), QStringLiteral("Suchkriterien"));
    schreibFehlerGemeldet_ = true;
    return false;
}

void SuchModell::laden(const SuchRec& gelesen) {
    SuchRec r = gelesen;
    auto ersetzen = [](QString& t, const char* ersatz) {
        if (!istZahl(t))
            t = QString::fromLatin1(ersatz);
    };
    ersetzen(r.tc, "45");
    ersetzen(r.t0, "10");
    ersetzen(r.ts, "20");
    ersetzen(r.dtu, "0");
    ersetzen(r.q0, "0");
    rec_ = r;

    // The boxes go first so that the refrigerant list is the one the stored index
    // refers to (it was saved with these boxes).
    for (int b = 0; b < SuchRec::BoxAnzahl; ++b)
        boxSetzen(static_cast<Box>(b), r.boxen[static_cast<std::size_t>(b)]);
    boxSetzen(B::RBLV, false);
    boxSetzen(B::verbundtoo, false);
    rbVerdichterClick(r.modus != 1);
    KMListeIndex = -1;
    for (int i = 0; i < SuchRec::KaeltemittelAnzahl && i < KMListe.size(); ++i) {
        if (r.kaeltemittel[static_cast<std::size_t>(i)])
            KMListeIndex = i;
    }

    const calc::Einheiten& e = einheiten_;
    if (fahrenheit(e)) {
        tc = formatFloat(u"########0", e.TempAnzeige(asFloat(r.tc)));
        t0 = formatFloat(u"########0", e.TempAnzeige(asFloat(r.t0)));
        ts = formatFloat(u"########0", e.TempAnzeige(asFloat(r.ts)));
        dtu = formatFloat(u"########0", e.DiffAnzeige(asFloat(r.dtu)));
    } else {
        tc = r.tc;
        t0 = r.t0;
        ts = r.ts;
        dtu = r.dtu;
    }
    Q0 = kilowatt(e) ? r.q0 : formatFloat(u"########0", e.LeistungAnzeige(asFloat(r.q0)));
    vTyp = r.vTyp;
    chkq0Click(r.chkq0);
    rb50HzClick(r.rb60Hz);
    SpinNChange();
    setSpinN(r.spinN);
}

TypRec SuchModell::typRec() const {
    TypRec t;
    t.RBWEY = box(B::RBWEY);
    t.RBCQLL = box(B::RBCQLL);
    t.RBCQNL = box(B::RBCQNL);
    t.RBCQLR = box(B::RBCQLR);
    t.RBCQNR = box(B::RBCQNR);
    if (rbSatz)
        return t;
    t.RBLV = box(B::RBLV);
    t.RBQL = box(B::RBQL);
    t.RBQN = box(B::RBQN);
    t.RB84 = box(B::RB84);
    t.rbQNT = box(B::rbQNT);
    t.RBEQL = box(B::RBEQL);
    t.RBEQN = box(B::RBEQN);
    t.RBW = box(B::RBW);
    t.RBWY = box(B::RBWY);
    t.RBWT = box(B::RBWT);
    t.verbundtoo = box(B::verbundtoo);
    return t;
}

void SuchModell::inRecordSchreiben() {
    const calc::Einheiten& e = einheiten_;
    rec_.modus = rbSatz ? 1 : 0;
    for (int i = 0; i < SuchRec::KaeltemittelAnzahl; ++i)
        rec_.kaeltemittel[static_cast<std::size_t>(i)] = i == KMListeIndex && i < KMListe.size();
    if (fahrenheit(e)) {
        rec_.tc = generalFormat(e.TempIntern(asFloat(tc)));
        rec_.t0 = generalFormat(e.TempIntern(asFloat(t0)));
        rec_.ts = generalFormat(e.TempIntern(asFloat(ts)));
        rec_.dtu = generalFormat(e.DiffIntern(asFloat(dtu)));
    } else {
        rec_.tc = tc;
        rec_.t0 = t0;
        rec_.ts = ts;
        rec_.dtu = dtu;
    }
    rec_.q0 = kilowatt(e) ? Q0 : generalFormat(e.LeistungIntern(asFloat(Q0)));
    rec_.chkq0 = chkq0;
    rec_.vTyp = vTyp;
    rec_.boxen = boxen_;
    rec_.rb60Hz = rb60Hz;
    rec_.spinN = SpinN;
}

SuchEingabe SuchModell::eingabeAusRecord() const {
    SuchEingabe e;
    e.typText = vTyp;
    e.typ = typRec();
    e.km = KMRec::ausListenEintrag(kaeltemittel());
    e.punkt.f = rb60Hz ? 60.0 : 50.0;
    e.punkt.n = SpinN;
    e.netz60Hz = rb60Hz;
    e.typFilter = chktyp;
    e.mitQ0 = chkq0;
    e.punkt.tu = asFloat(rec_.dtu);
    e.punkt.tsaug = asFloat(rec_.ts);
    e.punkt.t0 = asFloat(rec_.t0);
    // The one field holds the condensing temperature, or the air inlet temperature
    // in the condensing-unit search.
    e.punkt.tc = asFloat(rec_.tc);
    e.punkt.tle = e.punkt.tc;
    e.punkt.kaeltemittel = kaeltemittel();
    e.Q0 = asFloat(rec_.q0);
    return e;
}

bool SuchModell::OKBtnClick(const QString& suchIni, SuchDienste& dienste) {
    for (Feld f : {Feld::Q0, Feld::t0, Feld::tc, Feld::ts, Feld::dtu}) {
        if (asFloat(text(f)) == 0.0)
            text(f) = QStringLiteral("0");
    }
    liste_.setPanel8(false);
    KopfTyp = QStringLiteral("Typ");
    KopfQo = QStringLiteral("Qo   ") + einheiten_.text(calc::EinheitGruppe::Leistung);

    inRecordSchreiben();
    QByteArray daten = rec_.schreiben();
    daten.replace(256, SuchRec::Groesse - 256, roh_.mid(256, SuchRec::Groesse - 256));
    roh_ = daten;
    // Written on every search: a failure is said once per file, not at every search.
    if (!suchIni.isEmpty() && !dateiAtomarSchreiben(suchIni, daten, &schreibGrund_)) {
        if (!schreibFehlerGemeldet_)
            report(schreibFehlerText(suchIni, schreibGrund_), QStringLiteral("Suchkriterien"));
        schreibFehlerGemeldet_ = true;
    }

    eingabe_ = eingabeAusRecord();
    if (const QString fehler = calc::sauggasPruefen(eingabe_.punkt); !fehler.isEmpty()) {
        report(fehler, QStringLiteral("Suchkriterien"));
        ergebnis_.leeren();
        sortierenUndZeigen();
        return false;
    }
    SuchUmgebung u{dienste.dm, dienste.stoff, einheiten_, ergebnis_};
    Betriebspunkt& bp = betriebspunkt();
    bp.temperaturenUebernehmen(eingabe_.punkt);
    MessageScope eineSuche; // units and sets are one search
    bool ok = true;
    if (rbVerdichter) {
        ok = VerdSuche(u, eingabe_, dienste.chart);
    } else {
        bp.tle = eingabe_.punkt.tle;
        static const AggListe keineAggregate;
        static const db::LukoTabelle keineKondensatoren;
        ok = AggSuche(u, eingabe_, dienste.aggregate ? *dienste.aggregate : keineAggregate,
                      dienste.kondensatoren ? *dienste.kondensatoren : keineKondensatoren);
        if (ok && satzSucheNoetig(eingabe_.typ))
            ok = SatzSuche(u, eingabe_, dienste.chart);
    }
    if (!ok)
        ergebnis_.leeren(); // the engine reported the fault; no half list
    sortierenUndZeigen();
    return ok;
}

void SuchModell::sortierenUndZeigen() {
    // The S-version rule is a limit in °C, whatever unit the field shows.
    liste_.Sortieren(ergebnis_, sortOption_, asFloat(Q0), einheiten_.TempIntern(asFloat(t0)),
                     einheiten_);
    Panel1 = true;
}

void SuchModell::rbKaelteClick(SortOption option) {
    sortOption_ = option;
    sortierenUndZeigen();
}

} // namespace drel::search
