#include "search/aggsuche.h"

#include "base/messagesink.h"
#include "calc/betriebspunkt.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "db/cursorguard.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "search/verdsuche.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <QHash>
#include <cmath>
#include <utility>

namespace drel::search {

using db::Baureihe;

namespace {

const QString kNurMitBasis = QStringLiteral("Basisartikel <> '' and BasisArtikel <> '0'");

void oeffnen(db::Cursor& c) {
    if (!c.active())
        c.open();
}

QString ashraeVon(db::Cursor& kmittel, qint32 id) {
    return kmittel.findKey({db::Value(id)}) ? kmittel.asString(u"Ashrae") : QString();
}

// The entries of one unit: every assigned condenser with every refrigerant record.
void einheitAufnehmen(db::TDataModule1& dm, AggListe& liste) {
    const qint32 id = dm.TBArtikel.asInteger(u"ID");
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    QString basisName;
    qint32 basisId = 0;
    const qint32 basis = dm.TBArtikel.asString(u"Basisartikel").trimmed().toInt();
    if (dm.STBArtikel.findKey({db::Value(basis)})) {
        basisName = dm.STBArtikel.asString(u"Bezeichnung1");
        basisId = dm.STBArtikel.asInteger(u"ID");
    }
    for (dm.TBLukoArtikel.first(); !dm.TBLukoArtikel.eof(); dm.TBLukoArtikel.next()) {
        const QString kondensator =
            QString::number(dm.TBLukoArtikel.asInteger(u"LuftkondensatorID"));
        for (dm.TBLukoLeistung.first(); !dm.TBLukoLeistung.eof(); dm.TBLukoLeistung.next()) {
            AggRec a;
            a.ArtikelID = id;
            a.BasisName = basisName;
            a.BasisID = basisId;
            a.Kondensator = kondensator;
            a.KaeltemittelID = dm.TBLukoLeistung.asInteger(u"KaeltemittelID");
            a.Kaeltemittel = ashraeVon(dm.TBKMittel, a.KaeltemittelID).left(6);
            a.Typ = db::typMitX(name, a.Kaeltemittel);
            a.TypUmgekehrt = db::typMitXUmgekehrt(name, a.Kaeltemittel);
            liste.push_back(a);
        }
    }
}

// The refrigerant as the result records carry it: "R134A" is written "R134a".
QString ergebnisKaeltemittel(const QString& kaeltemittel) {
    const QString n = normalisiert(kaeltemittel);
    return n == QLatin1String("R134A") ? QStringLiteral("R134a") : n;
}

// The entries of the condenser table by condenser and refrigerant, each pair with its
// first entry (1-based), as a scan from the start would find it: the search asks for
// every unit, and the scan made texts of every entry each time.
class KondensatorIndex {
public:
    explicit KondensatorIndex(const db::LukoTabelle& kond) {
        eintraege_.reserve(static_cast<qsizetype>(kond.anzahl()));
        for (int k = 1; k <= kond.anzahl(); ++k) {
            const db::LukoEintrag& e = kond.eintraege[static_cast<std::size_t>(k - 1)];
            std::pair<QString, QString> schluessel{QString::number(e.LuftkondensatorID),
                                                   normalisiert(e.Kaeltemittel)};
            if (!eintraege_.contains(schluessel))
                eintraege_.insert(std::move(schluessel), k);
        }
    }
    // 0 when the table has no entry for the unit's condenser and refrigerant.
    int eintrag(const AggRec& a) const {
        return eintraege_.value({normalisiert(a.Kondensator), normalisiert(a.Kaeltemittel)}, 0);
    }

private:
    QHash<std::pair<QString, QString>, int> eintraege_;
};

// The refrigerant of each record from the capacity table's column; the numbers of the
// record found are fetched ahead, as the balance and the rating read them next.
bool leistungFinden(db::TDataModule1& dm, qint32 kaeltemittelId) {
    for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next()) {
        if (db::KaeltemittelSchluessel(dm.TBLeistung) == kaeltemittelId) {
            db::LeistungVorladen(dm.TBLeistung);
            return true;
        }
    }
    return false;
}

bool serieAbgelehnt(db::Baureihe art, const TypRec& t) {
    if (art == Baureihe::Keine || art == Baureihe::Gruppe64 || art == Baureihe::LV)
        return true;
    if (art == Baureihe::QL && !t.RBCQLL && !t.RBCQLR)
        return true;
    return art == Baureihe::QN && !t.RBCQNL && !t.RBCQNR;
}

// Air-cooled units end in "L", units with receiver in "RU".
bool bauartPasst(db::Baureihe art, const TypRec& t, const QString& name) {
    const QString n = normalisiert(name);
    if ((t.RBCQLL && art == Baureihe::QL) || (t.RBCQNL && art == Baureihe::QN))
        return n.endsWith(QLatin1Char('L'));
    if ((t.RBCQLR && art == Baureihe::QL) || (t.RBCQNR && art == Baureihe::QN))
        return n.endsWith(QLatin1String("RU"));
    return true;
}

class AggLauf {
public:
    AggLauf(SuchUmgebung& u, const SuchEingabe& e, const db::LukoTabelle& kond)
        : u_(u), e_(e), kond_(kond), kondIndex_(kond) {}
    // Whether the entry was stored.
    bool einheit(int nummer, const AggRec& a);

private:
    bool vorauswahl(const AggRec& a);
    SuchUmgebung& u_;
    const SuchEingabe& e_;
    const db::LukoTabelle& kond_;
    const KondensatorIndex kondIndex_;
};

bool AggLauf::vorauswahl(const AggRec& a) {
    if (e_.typFilter && !normalisiert(e_.typText).isEmpty() &&
        !ohneErstesX(normalisiert(a.Typ)).contains(normalisiert(e_.typText)))
        return false;
    if (!kaeltemittelPasst(e_.km, a.Kaeltemittel))
        return false;
    db::TDataModule1& dm = u_.dm;
    if (!dm.TBArtikel.findKey({db::Value(a.BasisID)}) || !leistungFinden(dm, a.KaeltemittelID))
        return false;
    const db::Baureihe art = db::BaureihenArt(dm.TBArtikel);
    return !serieAbgelehnt(art, e_.typ) && bauartPasst(art, e_.typ, a.Typ);
}

bool AggLauf::einheit(int nummer, const AggRec& a) {
    const bool mitQ0 = e_.mitQ0 && e_.Q0 > 0.001;
    double t0 = e_.punkt.t0;
    double tle = e_.punkt.tle;
    if (!mitQ0) {
        // Without a capacity to reach, every unit is rated at the standard point.
        t0 = a.Kaeltemittel.contains(QLatin1String("134")) ? -10.0 : -20.0;
        tle = 27.0;
    }
    if (!vorauswahl(a))
        return false;
    ++u_.ergebnis.zaehler.passend;
    const int kIndex = kondIndex_.eintrag(a);
    if (kIndex == 0)
        return false;
    db::TDataModule1& dm = u_.dm;
    const db::LukoEintrag& kond = kond_.eintraege[static_cast<std::size_t>(kIndex - 1)];
    const calc::LukoErgebnis luko = calc::LukoBilanz(dm, kond, e_.punkt.f, tle, t0, e_.netz60Hz);
    if (!luko.berechenbar || !std::isfinite(luko.tc) || !std::isfinite(luko.P))
        return false;
    // The search counts no useful superheat in the evaporator.
    Betriebspunkt be = e_.punkt;
    be.t0 = t0;
    be.tc = luko.tc;
    be.tue = 0.0;
    const calc::Bewertung r = calc::BetriebspunktRechnen(dm, u_.stoff, be, e_.netz60Hz);
    if (!std::isfinite(r.QoV))
        return false;
    if (mitQ0 && r.QoV > 2.0 * e_.Q0)
        return false;
    calc::GrenzBereichLesen(dm);
    const calc::GrenzBereich& g = calc::grenzBereich();
    if (t0 < g.GrenzT0Min - 5.0 || t0 > g.GrenzT0Max + 5.0 || luko.tc < g.GrenzTcMin ||
        luko.tc > g.GrenzTcMax + 5.0)
        return false;
    ++u_.ergebnis.zaehler.imBereich;

    VdSatz& v = u_.ergebnis.anhaengen();
    v.Durchlauf = nummer;
    v.Durchlauf2 = 0;
    v.KondIndex = kIndex;
    v.Anzahl = 1.0;
    v.t0 = t0;
    v.tc = tle;
    v.n = 1450.0;
    v.Hubvolumen = db::Hubvolumen(dm.TBArtikel);
    v.Qo = qoRunden(r.QoV);
    v.Typ = a.Typ;
    v.TypUmgekehrt = a.TypUmgekehrt;
    v.Kaeltemittel = ergebnisKaeltemittel(a.Kaeltemittel);
    v.ArtikelID = a.ArtikelID;
    v.BasisArtikel = a.BasisID;
    v.P = luko.P;
    v.I = std::isfinite(r.I) ? r.I : 0.0;
    v.Rand = EinsatzRand(dm, t0, luko.tc); // at the tc of the condenser balance
    v.Zeile = textZeile(u_.einheiten, a.Typ, a.Kaeltemittel, t0, tle, 1450.0, v.Qo);
    return true;
}

} // namespace

AggListe AggErstellen(db::TDataModule1& dm) {
    AggListe liste;
    oeffnen(dm.TBKMittel);
    oeffnen(dm.STBArtikel);
    oeffnen(dm.TBLukos);
    oeffnen(dm.TBLukoArtikel);
    oeffnen(dm.TBLukoLeistung);
    db::Cursor& artikel = dm.TBArtikel;
    const db::CursorGuard filterZurueck(artikel);
    artikel.setFilter(kNurMitBasis);
    artikel.setFiltered(true);
    for (artikel.first(); !artikel.eof(); artikel.next())
        einheitAufnehmen(dm, liste);
    return liste;
}

db::LukoTabelle KondErstellen(db::TDataModule1& dm) {
    db::LukoTabelle tabelle;
    oeffnen(dm.TBKMittel);
    oeffnen(dm.TBLukos);
    db::Cursor& leistung = dm.TBLukoLeistung;
    const db::CursorGuard linkZurueck(leistung);
    leistung.setMasterSource(nullptr);
    oeffnen(leistung);
    for (leistung.first(); !leistung.eof(); leistung.next()) {
        db::LukoEintrag e;
        e.LuftkondensatorID = leistung.asInteger(u"LuftkondensatorID");
        e.Kaeltemittel = ashraeVon(dm.TBKMittel, leistung.asInteger(u"KaeltemittelID")).left(6);
        for (int j = 1; j <= 4; ++j)
            e.KondensLeistung[static_cast<std::size_t>(j)] =
                leistung.asFloat(QStringLiteral("KondensLeistung%1").arg(j));
        tabelle.eintraege.push_back(e);
    }
    return tabelle;
}

bool AggSuche(SuchUmgebung& u, const SuchEingabe& e, const AggListe& aggregate,
              const db::LukoTabelle& kondensatoren) {
    MessageScope eineSuche;
    return db::runReported([&] {
        programmschalter().LukoModus = true;
        u.ergebnis.leeren();
        AggLauf lauf(u, e, kondensatoren);
        for (std::size_t k = 0; k < aggregate.size(); ++k)
            lauf.einheit(static_cast<int>(k + 1), aggregate[k]);
        u.ergebnis.nachQoSortieren();
    });
}

bool satzSucheNoetig(const TypRec& typ) {
    return typ.RBCQLR || typ.RBCQNR || typ.RBWEY;
}

bool SatzSuche(SuchUmgebung& u, const SuchEingabe& e, chart::GrenzChart* chart) {
    SuchEingabe s = e;
    TypRec& t = s.typ;
    t.RBLV = t.rbQNT = t.RBEQL = t.RBEQN = t.RBW = t.RBWY = t.RBWT = t.verbundtoo = false;
    t.RBQL = t.RBCQLR;
    t.RBQN = t.RBCQNR;
    betriebspunkt().temperaturenUebernehmen(s.punkt);

    db::TDataModule1& dm = u.dm;
    db::Cursor& saetze = dm.STBArtikel;
    db::Cursor& artikel = dm.TBArtikel;
    const db::CursorGuard saetzeZurueck(saetze);
    const db::DataSourceGuard quelleZurueck(dm.DtsSTBArtikel);
    const db::CursorGuard artikelZurueck(artikel);
    const bool verbunden = db::runReported([&] {
        oeffnen(saetze);
        saetze.setFilter(QStringLiteral("BasisArtikel <> '0' and BasisArtikel <> ''"));
        saetze.setFiltered(true);
        dm.DtsSTBArtikel.setDataSet(&saetze);
        artikel.setMasterFields(QStringLiteral("BasisID"));
        artikel.setMasterSource(&dm.DtsSTBArtikel);
    });
    return verbunden && VerdSuche(u, s, chart, true);
}

} // namespace drel::search
