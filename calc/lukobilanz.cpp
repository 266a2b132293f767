#include "calc/lukobilanz.h"

#include "calc/polynom.h"
#include "db/datamodule.h"

#include <cmath>
#include <limits>

namespace drel::calc {

namespace {

constexpr double kDrehzahl = 1450.0;
constexpr double kSchritt = 0.001;

struct Bilanz {
    double F = 0.0;
    double Qo = 0.0;
    double P = 0.0;
};

Bilanz bilanz(db::TDataModule1& dm, const db::LukoEintrag& kond, db::Baureihe art, double f,
              double tle, double t0, double tc) {
    Bilanz b;
    b.Qo = QoRechnen(dm, t0, tc, kDrehzahl, f);
    b.P = PRechnen(dm, t0, tc, kDrehzahl, f);
    // Air-cooled motors give part of their heat to the air, not to the condenser
    // (kinds 1 and 2 count as well, but no product group has them).
    const double qh = art == db::Baureihe::QL ? b.Qo + 0.8 * b.P : b.Qo + b.P;
    b.F = qh - kondensatorLeistung(kond, tc, tle, f);
    return b;
}

} // namespace

double kondensatorLeistung(const db::LukoEintrag& kond, double tc, double tle, double f) {
    const auto& k = kond.KondensLeistung;
    double qc = k[1] + k[2] * tc + k[3] * tle + k[4] * tc * tle;
    if (f != 50.0)
        qc *= 1.0 + 0.005 * (f - 50.0);
    return qc;
}

LukoErgebnis LukoBilanz(db::TDataModule1& dm, const db::LukoEintrag& kond, double f, double tle,
                        double t0, bool netz60Hz) {
    const db::Baureihe art = db::BaureihenArt(dm.TBArtikel);
    LukoErgebnis r;
    double x = tle + 5.0;
    Bilanz letzte;
    for (int i = 1;; ++i) {
        r.iterationen = i;
        double tc = x;
        const double fa = bilanz(dm, kond, art, f, tle, t0, tc).F;
        tc += kSchritt;
        letzte = bilanz(dm, kond, art, f, tle, t0, tc);
        const double d = (fa - letzte.F) / kSchritt;
        tc -= kSchritt;
        if (d == 0.0 || !std::isfinite(d) || !std::isfinite(fa)) {
            // No slope to follow: keep the last estimate, the point is not computable.
            r.berechenbar = false;
            break;
        }
        x += fa / d;
        if (std::fabs(x - tc) < 0.005 || i > 1000)
            break;
    }
    r.tc = x;
    if (!r.berechenbar) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        r.Qo = r.P = r.I = nan;
        return r;
    }
    r.Qo = letzte.Qo;
    r.P = letzte.P;
    r.I = IRechnen(dm, t0, x, kDrehzahl, f, netz60Hz);
    return r;
}

} // namespace drel::calc
