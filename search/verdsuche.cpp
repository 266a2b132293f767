#include "search/verdsuche.h"

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "calc/einsatzgrenzen.h"
#include "calc/polynom.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "state/programmschalter.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace drel::search {

using db::Baureihe;

namespace {

// How many articles ahead the search asks for an article's fields and the range of its
// capacity records: a rejected article takes a fraction of the time a fetch from
// memory takes.
constexpr int kArtikelVoraus = 4;

bool fahrenheit(const calc::Einheiten& einheiten) {
    return einheiten.index(calc::EinheitGruppe::Temperatur) == 1;
}

bool istDuplex(db::Baureihe art) {
    return art == Baureihe::QLDuplex || art == Baureihe::QNDuplex;
}

// Step 3: the series boxes against the series kind of TBArtikel.
bool serieAbgelehnt(const db::Cursor& artikel, const TypRec& t) {
    const db::Baureihe art = db::BaureihenArt(artikel);
    if (art == Baureihe::Keine || art == Baureihe::Gruppe64 || art == Baureihe::LV)
        return true;
    if (db::SatzArt(artikel) != 0)
        return true;
    if ((!t.RBQL && art == Baureihe::QL) || (!t.RBEQL && art == Baureihe::QLDuplex) ||
        (!t.RBEQN && art == Baureihe::QNDuplex) || (!t.rbQNT && art == Baureihe::QNZweistufig) ||
        (!t.RBW && art == Baureihe::W) || (!t.RBWY && art == Baureihe::WY) ||
        (!t.RBWT && art == Baureihe::WZweistufig))
        return true;
    // The 8/4-pole line (group 45) has a box of its own beside the QN box; with only
    // that box ticked nothing else can appear.
    const bool gruppe45 = db::Produktgruppe(artikel) == 45;
    if (!t.RBQN && !t.RB84)
        return art == Baureihe::QN;
    if (t.RBQN && !t.RB84)
        return gruppe45;
    if (!t.RBQN && t.RB84)
        return !gruppe45;
    return false;
}

// Step 4 (set mode): the unit boxes against the set kind of STBArtikel.
bool satzAbgelehnt(const db::Cursor& satz, const TypRec& t) {
    switch (db::SatzArt(satz)) {
    case 0:
        return true;
    case 9:
        return !t.RBCQLL;
    case 10:
        return !t.RBCQLR;
    case 11:
        return !t.RBCQNL;
    case 12:
        return !t.RBCQNR;
    case 13:
        return !t.RBWEY;
    default:
        return false;
    }
}

bool typPasst(const QString& typText, const QString& typName) {
    return ohneErstesX(normalisiert(typName)).contains(ohneErstesX(normalisiert(typText)));
}

// Whether the current capacity record carries a refrigerant searched for, remembered
// per refrigerant ID: most records carry another one, and their answer then costs a
// number from a column of the capacity table instead of the refrigerant row and name.
class KaeltemittelFilter {
public:
    explicit KaeltemittelFilter(const KMRec& km) : km_(km) {}

    bool passt(const db::TDataModule1& dm) {
        const std::optional<double> id = db::KaeltemittelSchluessel(dm.TBLeistung);
        if (!id)
            return nachName(dm);
        for (const auto& [schluessel, passt] : gemerkt_)
            if (schluessel == *id)
                return passt;
        const bool passt = nachName(dm);
        gemerkt_.emplace_back(*id, passt);
        return passt;
    }

private:
    bool nachName(const db::TDataModule1& dm) const {
        return kaeltemittelPasst(km_, dm.TBKMittelS.asString(u"Ashrae"));
    }

    const KMRec& km_;
    std::vector<std::pair<double, bool>> gemerkt_;
};

// Record positions of the source article and its capacity record.
struct Merker {
    bool aktiv = false;
    int artikel = -1;
    int leistung = -1; // -1: the article had no capacity record
};

class Lauf {
public:
    Lauf(SuchUmgebung& u, const SuchEingabe& e, chart::GrenzChart* chart, bool satzModus)
        : u_(u), e_(e), chart_(chart), satzModus_(satzModus),
          quelle_(satzModus ? u.dm.STBArtikel : u.dm.TBArtikel),
          praefix_(satzModus ? QStringLiteral("S") : QString()), kaeltemittel_(e.km) {}

    void ausfuehren();

private:
    bool kandidat(qint32 basis, QString& typ);
    bool vorauswahl(qint32 basis);
    bool typZulaessig(const QString& typ) const;
    void basisArtikelEinsetzen(qint32 basis, Merker& merker, QString& typ);
    void zurueck(const Merker& merker);
    bool innerhalbGrenzen();
    bool imBereichGezaehlt();
    bool zweistufig() const;
    Betriebspunkt bewertungsPunkt(const Betriebspunkt& punkt) const;
    calc::Bewertung bewerten(const Betriebspunkt& punkt) const;
    void speichern(int durchlauf, QString typ, const calc::Bewertung& r, double strom,
                   const Merker& merker);

    SuchUmgebung& u_;
    const SuchEingabe& e_;
    chart::GrenzChart* chart_;
    bool satzModus_;
    db::Cursor& quelle_;
    QString praefix_;
    chart::GrenzPolygone polygone_; // of the record in innerhalbGrenzen
    KaeltemittelFilter kaeltemittel_;
};

// The checks on numbers and on the refrigerant come before the type name, so that a
// search over a large catalogue reads the names only of records it may list. A record
// rated with its base article's data is checked against that article's records later.
bool Lauf::vorauswahl(qint32 basis) {
    const bool abgelehnt =
        satzModus_ ? satzAbgelehnt(quelle_, e_.typ) : serieAbgelehnt(u_.dm.TBArtikel, e_.typ);
    if (abgelehnt)
        return false;
    if (basis != 0)
        return true;
    if (!kaeltemittel_.passt(u_.dm))
        return false;
    db::LeistungVorladen(u_.dm.TBLeistung);
    return true;
}

bool Lauf::typZulaessig(const QString& typ) const {
    if (typ.contains(QLatin1String("4/8")))
        return false;
    return !e_.typFilter || normalisiert(e_.typText).isEmpty() || typPasst(e_.typText, typ);
}

// Whether the current record may be listed before its refrigerant and limits are
// looked at; sets the type name when the cheaper checks pass.
bool Lauf::kandidat(qint32 basis, QString& typ) {
    if (!vorauswahl(basis))
        return false;
    typ = db::TypBezeichnung(u_.dm, praefix_);
    return typZulaessig(typ);
}

void Lauf::basisArtikelEinsetzen(qint32 basis, Merker& merker, QString& typ) {
    if (basis == 0)
        return;
    db::Cursor& leistung = u_.dm.TBLeistung;
    merker.aktiv = true;
    merker.artikel = quelle_.currentTableRow();
    merker.leistung = leistung.isEmpty() ? -1 : leistung.currentTableRow();
    quelle_.findKey({db::Value(basis)}); // ordered by ID
    const QString name1 = normalisiert(e_.km.Name[0]);
    for (leistung.first(); !leistung.eof(); leistung.next()) {
        if (name1.contains(normalisiert(u_.dm.TBKMittelS.asString(u"Ashrae"))))
            break;
    }
    typ = db::TypBezeichnung(u_.dm, praefix_);
}

void Lauf::zurueck(const Merker& merker) {
    if (!merker.aktiv)
        return;
    quelle_.gotoTableRow(merker.artikel);
    if (merker.leistung >= 0)
        u_.dm.TBLeistung.gotoTableRow(merker.leistung);
}

// Reads the record's polygons once: the range, the envelope test and the margin of a
// listed record all come from them.
bool Lauf::innerhalbGrenzen() {
    polygone_ = grenzPolygone(u_.dm);
    calc::GrenzBereichSetzen(polygone_.strich);
    const calc::GrenzBereich& g = calc::grenzBereich();
    if (e_.punkt.t0 < g.GrenzT0Min || e_.punkt.t0 > g.GrenzT0Max || e_.punkt.tc < g.GrenzTcMin ||
        e_.punkt.tc > g.GrenzTcMax)
        return false;
    return chart_ == nullptr ||
           GrenzenPruefen(polygone_, u_.einheiten, *chart_, e_.punkt.tc, e_.punkt.t0);
}

// A candidate with the selected refrigerant; counted, and counted again when its
// limits hold the point (an empty list then says why).
bool Lauf::imBereichGezaehlt() {
    ++u_.ergebnis.zaehler.passend;
    if (!innerhalbGrenzen())
        return false;
    ++u_.ergebnis.zaehler.imBereich;
    return true;
}

// Kind 6 (two-stage W) is rated as the data sheet rates it, so that the list and
// the sheet give the same capacity.
bool Lauf::zweistufig() const {
    return db::BaureihenArt(u_.dm.TBArtikel) == Baureihe::WZweistufig;
}

Betriebspunkt Lauf::bewertungsPunkt(const Betriebspunkt& punkt) const {
    Betriebspunkt p = punkt;
    if (zweistufig())
        p.n = std::max(p.n, calc::kZweistufigMindestdrehzahl);
    return p;
}

calc::Bewertung Lauf::bewerten(const Betriebspunkt& punkt) const {
    if (zweistufig())
        return calc::ZweistufigRechnen(u_.dm, u_.stoff, punkt);
    return calc::BetriebspunktRechnen(u_.dm, u_.stoff, punkt, e_.netz60Hz);
}

void Lauf::speichern(int durchlauf, QString typ, const calc::Bewertung& r, double strom,
                     const Merker& merker) {
    const double I = zweiStellen(strom);
    const QString kaeltemittel = u_.dm.TBKMittelS.asString(u"Ashrae");
    // The margin on the capacity record that was rated (its polygons were read for the
    // envelope test), before the cursors go back.
    const double rand = chart::einsatzRand(polygone_, e_.punkt.t0, e_.punkt.tc);
    zurueck(merker);
    double qo = r.QoV;
    const bool duplex = istDuplex(db::BaureihenArt(u_.dm.TBArtikel));
    if (duplex) {
        typ.prepend(QLatin1Char('D'));
        qo *= 2.0;
    }
    VdSatz& v = u_.ergebnis.anhaengen();
    v.ArtikelID = db::ArtikelNummer(quelle_);
    v.Durchlauf = durchlauf;
    v.Durchlauf2 = durchlauf;
    v.KondIndex = 0;
    v.Anzahl = 1.0;
    v.Qo = qoRunden(qo);
    v.Zeile =
        textZeile(u_.einheiten, typ, kaeltemittel, e_.punkt.t0, e_.punkt.tc, e_.punkt.n, v.Qo);
    v.t0 = e_.punkt.t0;
    v.tc = e_.punkt.tc;
    v.n = 1450.0;
    v.Hubvolumen = db::Hubvolumen(quelle_);
    const int gruppe = db::Produktgruppe(quelle_);
    v.Typ = db::zweistufigeGruppe(gruppe) ? typ + QStringLiteral(" - ") + kaeltemittel : typ;
    v.TypUmgekehrt = db::TypBezeichnungUmgekehrt(u_.dm, praefix_);
    v.Kaeltemittel = kaeltemittel;
    v.BasisArtikel = db::BasisartikelText(quelle_).trimmed().toInt();
    v.P = zweiStellen(r.P);
    v.I = I;
    v.Rand = rand;
    if (duplex) {
        v.P *= 2.0;
        v.I *= 2.0;
    }
}

void Lauf::ausfuehren() {
    db::TDataModule1& dm = u_.dm;
    if (!dm.TBKMittelS.active())
        dm.TBKMittelS.open();
    if (!satzModus_)
        u_.ergebnis.leeren();
    // The search counts no useful superheat in the evaporator.
    Betriebspunkt be = e_.punkt;
    be.tue = 0.0;

    int durchlauf = 0;
    // The article whose data rate it is read once per article, not once per record.
    int artikelZeile = -1;
    qint32 basis = 0;
    quelle_.first();
    dm.TBLeistung.first();
    while (!quelle_.eof()) {
        ++durchlauf;
        bool angenommen = false;
        Merker merker;
        if (quelle_.currentTableRow() != artikelZeile) {
            artikelZeile = quelle_.currentTableRow();
            basis = db::datenArtikelId(quelle_);
            const int voraus = quelle_.tableRowAhead(kArtikelVoraus);
            db::ArtikelVorladen(quelle_, voraus);
            dm.TBLeistung.bereichVorladen(voraus);
        }
        QString typ;
        if (kandidat(basis, typ)) {
            basisArtikelEinsetzen(basis, merker, typ);
            if (kaeltemittel_.passt(dm) && imBereichGezaehlt()) {
                const Betriebspunkt bp = bewertungsPunkt(be);
                const calc::Bewertung r = bewerten(bp);
                const double strom = calc::IRechnen(dm, bp.t0, bp.tc, bp.n, bp.f, e_.netz60Hz);
                // A rating the property library could not compute is left out, never
                // listed with a made-up capacity.
                if (std::isfinite(r.QoV) && std::isfinite(r.P)) {
                    speichern(durchlauf, typ, r, strom, merker);
                    angenommen = true;
                }
            }
        }
        if (!angenommen)
            zurueck(merker);
        dm.TBLeistung.next();
        if (dm.TBLeistung.eof() || angenommen) {
            quelle_.next();
            dm.TBLeistung.first();
        }
    }
    u_.ergebnis.nachQoSortieren();
}

} // namespace

QString textZeile(const calc::Einheiten& einheiten, const QString& typ, const QString& kaeltemittel,
                  double t0, double tc, double n, double qo) {
    QString zeile = typ.left(18).leftJustified(18, QLatin1Char(' '));
    zeile += kaeltemittel;
    zeile = zeile.left(25).leftJustified(25, QLatin1Char(' '));
    zeile += ZahlFormatieren(5, 0, einheiten.TempAnzeige(t0));
    zeile += ZahlFormatieren(5, 0, einheiten.TempAnzeige(tc));
    zeile += ZahlFormatieren(6, 0, n);
    zeile += ZahlFormatieren(10, 2, einheiten.LeistungAnzeige(qo));
    return zeile.left(60);
}

chart::GrenzPolygone grenzPolygone(const db::TDataModule1& dm) {
    db::GrenzPolygon p1, p2, p3;
    db::GrenzenLesen(dm.TBLeistung, 3, p3);
    db::GrenzenLesen(dm.TBLeistung, 2, p2);
    db::GrenzenLesen(dm.TBLeistung, 1, p1);
    return {p1, p2, p3};
}

double EinsatzRand(const db::TDataModule1& dm, double t0, double tc) {
    return chart::einsatzRand(grenzPolygone(dm), t0, tc);
}

bool GrenzenPruefen(db::TDataModule1& dm, const calc::Einheiten& einheiten,
                    chart::GrenzChart& chart, double tc, double t0) {
    return GrenzenPruefen(grenzPolygone(dm), einheiten, chart, tc, t0);
}

bool GrenzenPruefen(chart::GrenzPolygone polygone, const calc::Einheiten& einheiten,
                    chart::GrenzChart& chart, double tc, double t0) {
    const calc::GrenzBereich& g = calc::grenzBereich();
    const bool f = fahrenheit(einheiten);
    if (f)
        polygone = chart::inFahrenheit(polygone);
    const chart::GrenzAchsen achsen =
        chart::grenzAchsen(g.GrenzT0Min, g.GrenzT0Max, g.GrenzTcMin, g.GrenzTcMax, f);
    // The point goes into the chart in the same unit as the polygons.
    return chart.innerhalb(polygone, achsen, einheiten.TempAnzeige(t0), einheiten.TempAnzeige(tc));
}

bool VerdSuche(SuchUmgebung& u, const SuchEingabe& e, chart::GrenzChart* chart, bool satzModus) {
    MessageScope eineSuche;
    return db::runReported([&] {
        programmschalter().LukoModus = false;
        Lauf(u, e, chart, satzModus).ausfuehren();
    });
}

} // namespace drel::search
