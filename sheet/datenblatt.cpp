#include "sheet/datenblatt.h"

#include "base/kaeltemittelname.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "db/recordhelpers.h"
#include "state/sprache.h"

namespace drel::sheet {

Datenblatt::Datenblatt(db::TDataModule1& dm, calc::TStoff& stoff, const calc::Einheiten& einheiten)
    : dm_(dm), stoff_(stoff), einheiten_(einheiten), modell_(dm, stoff, einheiten) {}

void Datenblatt::oeffnen(const DatenblattAuftrag& auftrag) {
    modell_.oeffnen(auftrag);
    modell_.FormShow();
    seitenFuellen();
}

void Datenblatt::seitenFuellen() {
    const qint32 id = modell_.AktArtikelID;
    const QString code = sprache().code;
    if (id == seitenFuer_ && code == seitenSprache_)
        return;
    seitenFuer_ = id;
    seitenSprache_ = code;
    technDaten_ = TechnDatenSeite{};
    lieferumfang_ = TextSeite{TextSeitenArt::Lieferumfang};
    zubehoer_ = TextSeite{TextSeitenArt::Zubehoer};
    masse_ = MasseSeite{};
    foto_ = FotoSeite{};
    if (id == 0)
        return;
    // Each page on its own: a fault in one leaves the others filled.
    db::runReported([&] { technDaten_.fuellen(dm_, id); });
    db::runReported([&] { lieferumfang_.fuellen(dm_, id); });
    db::runReported([&] { zubehoer_.fuellen(dm_, id); });
    db::runReported([&] { masse_.fuellen(dm_, id); });
    db::runReported([&] { foto_.fuellen(dm_, id); });
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
