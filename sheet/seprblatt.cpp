#include "sheet/seprblatt.h"

#include "calc/einsatzgrenzen.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <cmath>

namespace drel::sheet {

namespace {

SeprAnwendungsWert anwendungRechnen(db::TDataModule1& dm, fluid::TStoff& stoff,
                                    const calc::ArtikelEingabe& basis, calc::SeprAnwendung a) {
    SeprAnwendungsWert w;
    std::array<double, 4> qo{}, p{};
    w.anwendbar = true;
    for (std::size_t k = 0; k < 4; ++k) {
        calc::ArtikelEingabe e = basis;
        e.punkt.t0 = calc::seprVerdampfung(a);
        e.punkt.tle = calc::kSeprLuft[k];
        e.punkt.tsaug = kSeprSauggas;
        e.punkt.tu = 0.0;
        e.punkt.f = 50.0;
        e.punkt.n = 1450.0;
        const calc::ArtikelErgebnis r = calc::NeuRechnen(dm, stoff, e);
        const calc::Bewertung& v = r.verdichter1;
        qo[k] = v.QoV + (e.Panel9 ? r.verdichter2.QoV : 0.0);
        p[k] = v.P + (e.Panel9 ? r.verdichter2.P : 0.0);
        w.tc[k] = r.punkt.tc;
        w.ausserhalb[k] = r.code != 0 || r.geklemmt.t0 || r.tleSchritte != 0;
        // A unit whose envelope does not reach the application's t0 has no SEPR there.
        w.anwendbar = w.anwendbar && r.gerechnet && !r.geklemmt.t0;
    }
    w.ergebnis = calc::seprBerechnen(a, qo, p);
    if (!w.anwendbar)
        w.ergebnis.sepr = calc::SeprErgebnis::nan;
    return w;
}

} // namespace

SeprBlatt seprRechnen(db::TDataModule1& dm, fluid::TStoff& stoff,
                      const calc::ArtikelEingabe& basis) {
    SeprBlatt s;
    if (basis.AktArtikelID == 0 || basis.kondensator == nullptr)
        return s;
    // The ratings write the program-wide point and frequency; the sheet's stay.
    const Betriebspunkt punkt = betriebspunkt();
    const Programmschalter schalter = programmschalter();
    const calc::GrenzBereich bereich = calc::grenzBereich();
    s.gerechnet = true;
    s.normal = anwendungRechnen(dm, stoff, basis, calc::SeprAnwendung::Normalkuehlung);
    s.tief = anwendungRechnen(dm, stoff, basis, calc::SeprAnwendung::Tiefkuehlung);
    betriebspunkt() = punkt;
    programmschalter() = schalter;
    calc::grenzBereich() = bereich;
    return s;
}

} // namespace drel::sheet
