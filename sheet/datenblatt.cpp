#include "sheet/datenblatt.h"

#include "base/kaeltemittelname.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "db/recordhelpers.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace drel::sheet {

Datenblatt::Datenblatt(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                       BlattModus modus)
    : dm_(dm), stoff_(stoff), einheiten_(einheiten), modell_(dm, stoff, einheiten) {
    modell_.nurRechnen = modus == BlattModus::nurRechnen;
}

void Datenblatt::oeffnen(const DatenblattAuftrag& auftrag, bool mitSeiten) {
    modell_.oeffnen(auftrag);
    modell_.FormShow();
    if (mitSeiten)
        seitenFuellen();
}

void Datenblatt::seitenFuellen() {
    const qint32 id = modell_.AktArtikelID;
    const QString fuer = QString::number(id) + QLatin1Char('|') + modell_.KMListboxText +
                         QLatin1Char('|') + sprache().code;
    if (fuer == seitenFuer_)
        return;
    seitenFuer_ = fuer;
    technDaten_ = TechnDatenSeite{};
    lieferumfang_ = TextSeite{TextSeitenArt::Lieferumfang};
    zubehoer_ = TextSeite{TextSeitenArt::Zubehoer};
    masse_ = MasseSeite{};
    foto_ = FotoSeite{};
    zertifikate_ = ZertListe{};
    if (id == 0)
        return;
    // Each page on its own: a fault in one leaves the others filled.
    db::runReported([&] { technDaten_.fuellen(dm_, id); });
    db::runReported([&] { lieferumfang_.fuellen(dm_, id); });
    db::runReported([&] { zubehoer_.fuellen(dm_, id); });
    db::runReported([&] { masse_.fuellen(dm_, id); });
    db::runReported([&] { foto_.fuellen(dm_, id); });
    db::runReported([&] {
        const qint32 daten = modell_.DatenArtikelID > 0 ? modell_.DatenArtikelID : id;
        db::KaeltemittelPositionieren(dm_, modell_.KMListboxText, daten);
        if (!dm_.TBLeistung.isEmpty() && !dm_.TBLeistung.eof())
            zertifikate_.fuellen(dm_, id, dm_.TBKMittelS.asInteger(u"ID"));
    });
}

QString Datenblatt::zertLogoPfad(int tag) const {
    return zertifikate_.logoPfad(dm_.programDirectory(), tag);
}

bool Datenblatt::zertHinweis(int tag, ZertListe::Hinweis& h) const {
    return zertifikate_.hinweis(dm_.programDirectory(), tag, h);
}

QString Datenblatt::hilfeTextDatei() const {
    return sheet::hilfeTextDatei(dm_.programDirectory(), kaeltemittelAshrae(modell_.KMListboxText));
}

bool Datenblatt::ausserhalb() const {
    const calc::ArtikelHinweise& h = modell_.hinweise();
    return modell_.ergebnis().code != 0 || h.anwendt01 || h.anwendt02 || h.anwendtc1 ||
           h.anwendtc2 || h.Label25;
}

double Datenblatt::einsatzRand(chart::RandPolygon* gemessen) const {
    const calc::ArtikelErgebnis& r = modell_.ergebnis();
    if (!r.gerechnet || modell_.AktArtikelID == 0) {
        if (gemessen)
            *gemessen = chart::RandPolygon::keins;
        return std::numeric_limits<double>::quiet_NaN();
    }
    return chart::einsatzRand(modell_.polygone(), r.punkt.t0, r.punkt.tc, gemessen);
}

Herkunft Datenblatt::herkunft() const {
    Herkunft h;
    h.programmVersion = programmVersion();
    db::runReported([&] {
        const qint32 id = modell_.AktArtikelID;
        if (id == 0) {
            katalogLesen(dm_.programDirectory(), h);
            return;
        }
        const qint32 daten = modell_.DatenArtikelID > 0 ? modell_.DatenArtikelID : id;
        db::KaeltemittelPositionieren(dm_, modell_.KMListboxText, daten);
        h = herkunftLesen(dm_, stoff_);
        const calc::ArtikelErgebnis& r = modell_.ergebnis();
        if (r.gerechnet)
            gleitRechnen(stoff_, r.punkt.t0, r.punkt.tc, h);
    });
    return h;
}

const SeprBlatt& Datenblatt::sepr() const {
    const QString fuer = QStringLiteral("%1|%2|%3|%4|%5")
                             .arg(modell_.AktArtikelID)
                             .arg(modell_.DatenArtikelID)
                             .arg(modell_.KMListboxText)
                             .arg(modell_.lukoModus() ? modell_.AktLukoIndex : -1)
                             .arg(modell_.eingabe().punkt.tue);
    if (fuer == seprFuer_)
        return sepr_;
    seprFuer_ = fuer;
    sepr_ = SeprBlatt{};
    if (!modell_.lukoModus())
        return sepr_;
    db::runReported([&] { sepr_ = seprRechnen(dm_, stoff_, modell_.eingabe()); });
    return sepr_;
}

AnzeigeWert Datenblatt::wert(Groesse g) const {
    using calc::EinheitGruppe;
    const calc::ArtikelErgebnis& r = modell_.ergebnis();
    const calc::AusgabeWerte& w = modell_.werte();
    const calc::Einheiten& e = einheiten_;
    const Betriebspunkt& p = r.punkt;
    const QString temperatur = e.text(EinheitGruppe::Temperatur).left(2);
    const QString differenz = modell_.fahrenheit() ? QStringLiteral("R") : QStringLiteral("K");
    const QString leistung = e.text(EinheitGruppe::Leistung);
    AnzeigeWert a;
    const auto setzen = [&](double v, const QString& einheit, int stellen, bool geklemmt) {
        a.wert = std::isfinite(v) ? roundShown(v, stellen) : v;
        a.einheit = einheit;
        a.stellen = stellen;
        a.berechenbar = r.gerechnet && std::isfinite(v);
        a.geklemmt = geklemmt;
    };
    switch (g) {
    case Groesse::t0:
        setzen(e.TempAnzeige(p.t0), temperatur, 2, r.geklemmt.t0);
        break;
    case Groesse::tc:
        setzen(e.TempAnzeige(p.tc), temperatur, 2, r.geklemmt.tc);
        break;
    case Groesse::tle:
        setzen(e.TempAnzeige(p.tle), temperatur, 2, r.geklemmt.tle);
        break;
    case Groesse::tsaug:
        setzen(e.TempAnzeige(p.tsaug), temperatur, 2, r.geklemmt.tsaug);
        break;
    case Groesse::tu:
        setzen(e.DiffAnzeige(p.tu), differenz, 2, r.geklemmt.tu);
        break;
    case Groesse::tue:
        setzen(e.DiffAnzeige(p.tue), differenz, 2, r.geklemmt.tue);
        break;
    case Groesse::f:
        setzen(p.f, QStringLiteral("Hz"), 0, false);
        break;
    case Groesse::n:
        setzen(p.n, QStringLiteral("1/min"), 0, r.geklemmt.n);
        break;
    case Groesse::Qo:
        setzen(e.LeistungAnzeige(w.Qo), leistung, 2, false);
        break;
    case Groesse::QoE:
        setzen(e.LeistungAnzeige(w.QoE), leistung, 2, false);
        break;
    case Groesse::P:
        setzen(e.AntriebAnzeige(w.P), e.text(EinheitGruppe::Antrieb), 2, false);
        break;
    case Groesse::I:
        // Not shown off the mains (and for open compressors, which show their torque).
        setzen(modell_.strom.sichtbar && w.I > 0.1 ? w.I : calc::AusgabeWerte::nan,
               QStringLiteral("A"), 2, false);
        break;
    case Groesse::COP:
        setzen(w.cop, QString(), 2, false);
        break;
    case Groesse::Qc:
        setzen(e.LeistungAnzeige(w.Qc), leistung, 2, false);
        break;
    case Groesse::m:
        setzen(w.m, QStringLiteral("kg/s"), 3, false);
        break;
    case Groesse::Rand: {
        const double k = einsatzRand();
        setzen(modell_.fahrenheit() ? k * 1.8 : k, differenz, 1, false);
        if (a.wert == 0.0)
            a.wert = 0.0; // "0,0", never "-0,0" for a point a few hundredths outside
        break;
    }
    }
    a.ausserhalb = ausserhalb();
    return a;
}

void Datenblatt::ausschreibungErstellen(const AusschreibungsAuswahl& auswahl,
                                        const AusschreibungsWerte& werte,
                                        const TextBreite& breite) {
    db::runReported(
        [&] { ausschreibung_.erstellen(dm_, modell_.AktArtikelID, auswahl, werte, breite); });
}

void Datenblatt::tabelleRechnen(LeistungsTabelle& tabelle, TabBereiche& bereiche) const {
    tabelle.Button1Click(dm_, stoff_, einheiten_, chart_, bereiche, modell_.eingabe(),
                         modell_.VierPolig, modell_.lukoModus());
}

void Datenblatt::tabelleBerechnen() {
    tabelleRechnen(tabelle_, modell_.bereiche);
    tabelleBild_ = modell_.bildNummer();
}

LeistungsTabelle Datenblatt::tabelleZumDrucken() const {
    if (tabelleAktuell())
        return tabelle_;
    LeistungsTabelle tabelle;
    TabBereiche bereiche = modell_.bereiche;
    tabelleRechnen(tabelle, bereiche);
    return tabelle;
}

void Datenblatt::einheitGewechselt(bool warFahrenheit) {
    modell_.einheitGewechselt(warFahrenheit);
}

QString einsatzRandZahl(const AnzeigeWert& rand) {
    if (!rand.berechenbar)
        return QStringLiteral("-");
    return formatFloat(u"0.0", rand.wert) + QLatin1Char(' ') + rand.einheit;
}

QString einsatzRandText(const Datenblatt& blatt) {
    return QCoreApplication::translate("drel::sheet::Datenblatt", "Abstand zur Einsatzgrenze: %1")
        .arg(einsatzRandZahl(blatt.wert(Groesse::Rand)));
}

namespace {

bool artikelFinden(db::TDataModule1& dm, const QString& text) {
    bool istId = false;
    const int id = text.toInt(&istId);
    if (istId)
        return dm.TBArtikel.findKey({db::Value(qint32(id))});
    if (dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(text)}, true))
        return true;
    // The designation with the refrigerant's "X" names the same article.
    QString ohneX = text;
    const qsizetype x = ohneX.indexOf(QLatin1Char('X'), 1, Qt::CaseInsensitive);
    if (x < 0)
        return false;
    ohneX.remove(x, 1);
    return dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(ohneX)}, true);
}

} // namespace

std::optional<DatenblattAuftrag> artikelAuftrag(db::TDataModule1& dm, const QString& artikel,
                                                const Betriebspunkt& punkt, bool luko) {
    if (!artikelFinden(dm, artikel))
        return std::nullopt;
    DatenblattAuftrag a;
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    a.typ = db::typMitX(name, kaeltemittelAshrae(punkt.kaeltemittel));
    a.typen = {a.typ};
    a.artikelIds = {dm.TBArtikel.asInteger(u"ID")};
    a.punkt = punkt;
    a.punkt.kaeltemittel = kaeltemittelListenEintrag(punkt.kaeltemittel);
    a.f2 = punkt.f;
    a.luko = luko;
    return a;
}

} // namespace drel::sheet
