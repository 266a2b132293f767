#include "search/ergebnisliste.h"

#include "base/kaeltemittelname.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"

#include <cmath>

namespace drel::search {

namespace {

bool duplexTyp(const QString& typ) {
    const QString t = typ.toUpper();
    return t.contains(QLatin1String("EQN")) || t.contains(QLatin1String("EQL"));
}

QString qoText(const QString& typ, double qo) {
    if (duplexTyp(typ))
        return QStringLiteral("2 x  ") + formatFloat(u"########0.00", qo / 2.0);
    return formatFloat(u"###,###,##0.00", qo);
}

QString randText(const calc::Einheiten& einheiten, double kelvin) {
    if (!std::isfinite(kelvin))
        return QStringLiteral("-");
    const double gezeigt = roundShown(einheiten.DiffAnzeige(kelvin), 1);
    return formatFloat(u"0.0", gezeigt == 0.0 ? 0.0 : gezeigt);
}

} // namespace

double sortierSchluessel(SortOption option, const VdSatz& v) {
    switch (option) {
    case SortOption::rbKaelte:
        return v.Qo;
    case SortOption::rbHub:
        return v.Hubvolumen * 100000.0 + v.Qo;
    case SortOption::rbAnzahl1:
        return v.Anzahl * 100000.0 + v.Qo;
    case SortOption::rbAnzahl2:
        return v.Anzahl * 1e11 + v.Qo + v.Hubvolumen * 100000.0;
    }
    return v.Qo;
}

bool sVersionVerborgen(const QString& typUmgekehrt, double t0Celsius) {
    return typUmgekehrt.endsWith(QLatin1String(" S")) &&
           !typUmgekehrt.contains(QLatin1String("QN12P/60-")) &&
           !typUmgekehrt.contains(QLatin1String("QN8/2470-")) && t0Celsius <= -20.0;
}

void ErgebnisListe::Sortieren(Suchergebnis& ergebnis, SortOption option, double q0,
                              double t0Celsius, const calc::Einheiten& einheiten) {
    for (int i = 1; i <= ergebnis.anzahl(); ++i)
        ergebnis[i].Sortier = sortierSchluessel(option, ergebnis[i]);
    ergebnis.auswahlSortieren([](const VdSatz& v) { return v.Sortier; });

    bool erreicht = false;
    for (int i = 1; i <= ergebnis.anzahl(); ++i)
        erreicht = erreicht || einheiten.LeistungAnzeige(ergebnis[i].Qo) >= q0;
    panel8_ = !erreicht && ergebnis.anzahl() > 0;

    zeilen_.assign(1, Zeile{});
    row_ = 1;
    topRow_ = 1;
    bool gewaehlt = false;
    int letzte = 0;
    for (int i = 1; i <= ergebnis.anzahl(); ++i) {
        VdSatz& v = ergebnis[i];
        if (sVersionVerborgen(v.TypUmgekehrt, t0Celsius)) {
            v.GridZeile = -1;
            continue;
        }
        const int row = ++letzte;
        if (row > static_cast<int>(zeilen_.size()))
            zeilen_.push_back(Zeile{});
        v.GridZeile = row;
        const double qo = einheiten.LeistungAnzeige(v.Qo);
        zeilen_[static_cast<std::size_t>(row - 1)] =
            Zeile{v.Typ, qoText(v.Typ, qo), randText(einheiten, v.Rand)};
        if (!gewaehlt && qo >= q0) {
            gewaehlt = true;
            row_ = row;
            if (row > 4)
                topRow_ = row - 4;
        }
    }
    if (row_ == 1 && !gewaehlt && letzte > 0) {
        row_ = letzte;
        if (row_ > 6)
            topRow_ = row_ - 1;
    }
}

QString ErgebnisListe::zelle(int spalte, int row) const {
    if (row < 1 || row > static_cast<int>(zeilen_.size()))
        return {};
    const Zeile& z = zeilen_[static_cast<std::size_t>(row - 1)];
    switch (spalte) {
    case 0:
        return z.typ;
    case 1:
        return z.qo;
    case 2:
        return z.rand;
    default:
        return {};
    }
}

int ErgebnisListe::eintragFuerZeile(const Suchergebnis& ergebnis, int row) {
    for (int i = 1; i <= ergebnis.anzahl(); ++i) {
        if (ergebnis[i].GridZeile == row)
            return i;
    }
    return 0;
}

bool ErgebnisListe::datenblatt(const Suchergebnis& ergebnis, db::TDataModule1& dm,
                               const DatenblattKontext& k, DatenblattAuftrag& d) const {
    if (ergebnis.anzahl() < 1)
        return false;
    d = DatenblattAuftrag{};
    for (int i = 1; i <= ergebnis.anzahl(); ++i) {
        const VdSatz& v = ergebnis[i];
        const qint32 gesucht = v.BasisArtikel > 0 ? v.BasisArtikel : v.ArtikelID;
        if (dm.TBArtikel.findKey({db::Value(gesucht)})) {
            d.typen << v.Typ;
            d.artikelIds << v.ArtikelID;
        }
    }
    d.typ = zelle(0, row_);
    d.punkt = k.punkt;
    if (const int e = eintragFuerZeile(ergebnis, row_); e > 0) {
        d.punkt.kaeltemittel = kaeltemittelListenEintrag(ergebnis[e].Kaeltemittel);
        // A condensing unit's result keeps the air inlet temperature it was found at.
        if (k.satzModus)
            d.punkt.tle = ergebnis[e].tc;
    }
    d.luko = k.satzModus;
    d.punkt.f = k.rb60Hz ? 60.0 : 50.0;
    d.f2 = d.punkt.f;
    d.punkt.n = k.spinN;
    return true;
}

} // namespace drel::search
