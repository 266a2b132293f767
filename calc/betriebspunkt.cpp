#include "calc/betriebspunkt.h"

#include "base/messagesink.h"
#include "calc/polynom.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"

#include <algorithm>
#include <cmath>

namespace drel::calc {

QString sauggasPruefen(const Betriebspunkt& p) {
    if (p.tsaug < p.t0)
        return QStringLiteral("Die Sauggastemperatur darf nicht unter der "
                              "Verdampfungstemperatur liegen.");
    return {};
}

namespace {

// a / b, or NaN where b is zero or either side is not computable.
double quotient(double a, double b) {
    if (b == 0.0 || !std::isfinite(a) || !std::isfinite(b))
        return Bewertung::nan;
    return a / b;
}

// Every property factor of the mass flow and the capacities (enthalpy differences,
// volumes) is positive, so they carry the sign of the polynomial's capacity. One
// against it comes from a bad property value: not computable, not a wrong number.
Bewertung vorzeichenGeprueft(Bewertung r) {
    for (double* v : {&r.mR, &r.m, &r.QoV, &r.QoE})
        if (!(*v * r.Qo >= 0))
            *v = Bewertung::nan;
    return r;
}

template <size_t N> bool endlich(const std::array<long double, N>& c) {
    return std::all_of(c.begin() + 1, c.end(), [](long double x) { return std::isfinite(x); });
}

// The refused record's rating: NaN throughout, the reason reported once per operation.
Bewertung abgelehnt(const QString& grund) {
    Bewertung r;
    r.grund = grund;
    report(grund, QString(), MessageKind::Warning);
    return r;
}

} // namespace

QString datensatzNichtBewertbar(db::TDataModule1& dm, const db::KoeffSatz& satz, double qo) {
    QString grund;
    if (!endlich(satz.Qo) || !endlich(satz.P) || !endlich(satz.I))
        grund = QStringLiteral("Koeffizienten nicht endlich; nicht berechenbar.");
    else if (qo < 0.0)
        grund = QStringLiteral("negative Kälteleistung; nicht berechenbar.");
    else
        return {}; // the usual case: no text is built
    return QStringLiteral("Leistungsdatensatz %1 (%2, %3): ")
               .arg(dm.TBLeistung.asString(u"ID"),
                    dm.TBArtikel.active() ? dm.TBArtikel.asString(u"Bezeichnung1") : QString(),
                    dm.TBKMittelS.asString(u"Ashrae")) +
           grund;
}

bool Bewertung::berechenbar() const {
    return std::isfinite(Qo) && std::isfinite(P) && std::isfinite(m) && std::isfinite(QoV) &&
           std::isfinite(QoE);
}

double sauggasTemperaturBemessung(db::TDataModule1& dm, double t0) {
    const db::SauggasBemessung s = db::SauggasLesen(dm.TBLeistung);
    return s.temperatur ? s.wert : t0 + s.wert;
}

Bewertung BetriebspunktRechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const Betriebspunkt& e,
                               bool netz60Hz) {
    Bewertung r;
    stoff.KaeltemittelSetzen(dm.TBKMittelS.asString(u"Ashrae"));
    const RechenSatz satz = rechenSatz(dm);
    r.Qo = QoRechnen(satz, e.t0, e.tc, e.n, e.f);
    if (const QString grund = datensatzNichtBewertbar(dm, satz.koeff, r.Qo); !grund.isEmpty())
        return abgelehnt(grund);
    r.P = PRechnen(satz, e.t0, e.tc, e.n, e.f);
    r.I = satz.motor ? IRechnen(satz, e.t0, e.tc, e.n, e.f, netz60Hz) : 0.0;
    const double tsR = sauggasTemperaturBemessung(dm, e.t0);
    const double pc = stoff.Taudruck(e.tc);
    const double p0 = stoff.Taudruck(e.t0);
    const double h1 = stoff.DampfEnthalpie(tsR, p0);
    const double h3 = stoff.FluessigEnthalpieSiedepunkt(pc);
    const double tB = stoff.Siedetemperatur(pc);
    r.mR = quotient(r.Qo, h1 - h3);
    const double vR = stoff.DampfVolumen(tsR, p0);
    const double volumenstrom = r.mR * vR;
    const double h1u = stoff.DampfEnthalpie(e.tsaug, p0);
    const double hE = stoff.DampfEnthalpie(e.t0 + e.tue, p0);
    const double h3u = stoff.FluessigEnthalpie(tB - e.tu);
    const double vU = stoff.DampfVolumen(e.tsaug, p0);
    r.m = quotient(volumenstrom, vU);
    r.QoV = (h1u - h3u) * r.m;
    r.QoE = (hE - h3u) * r.m;
    return vorzeichenGeprueft(r);
}

Bewertung ZweistufigRechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const Betriebspunkt& e) {
    Bewertung r;
    stoff.KaeltemittelSetzen(dm.TBKMittelS.asString(u"Ashrae"));
    const RechenSatz satz = rechenSatz(dm);
    r.Qo = QoRechnen(satz, e.t0, e.tc, e.n, e.f);
    if (const QString grund = datensatzNichtBewertbar(dm, satz.koeff, r.Qo); !grund.isEmpty())
        return abgelehnt(grund);
    r.P = PRechnen(satz, e.t0, e.tc, e.n, e.f);
    r.I = 0.0;
    const double p0 = stoff.Taudruck(e.t0);
    const double h1 = stoff.DampfEnthalpie(e.t0 + 20.0, p0);
    const double vR = stoff.DampfVolumen(e.t0 + 20.0, p0);
    const double hX = stoff.FluessigEnthalpie(e.tc + e.t0);
    r.mR = quotient(r.Qo, h1 - hX);
    const double volumenstrom = r.mR * vR;
    const double h1u = stoff.DampfEnthalpie(e.tsaug, p0);
    const double vU = stoff.DampfVolumen(e.tsaug, p0);
    r.m = quotient(volumenstrom, vU);
    const double hXu = stoff.FluessigEnthalpie(e.tc - e.tu + e.t0);
    const double hE = stoff.DampfEnthalpie(e.t0 + e.tue, p0);
    r.QoV = (h1u - hXu) * r.m;
    r.QoE = (hE - hXu) * r.m;
    return vorzeichenGeprueft(r);
}

} // namespace drel::calc
