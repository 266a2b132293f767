#include "tools/catalogue/huellkurven.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace drel::katalog {

namespace {

// Shape of one envelope. Points of the dashed polygon, clockwise from the lower
// right corner: (t0max, tcUntenRechts), (t0min, tcUntenLinks), (t0min, tcLinks),
// (t0Knick, tcMax), (t0Oben, tcMax - 1), (t0max, tcRechts).
struct Form {
    double t0min, t0max;
    double tcUntenLinks, tcUntenRechts;
    double tcLinks, t0Knick, tcMax, t0Oben, tcRechts;
    // Blue polygon: left edge and knee further right, lower left corner.
    double t0minBlau, tcLinksBlau, t0KnickBlau;
    bool rot;
};

double aufGerade(GrenzPunkt a, GrenzPunkt b, double t0) {
    return a.tc + (b.tc - a.tc) * (t0 - a.t0) / (b.t0 - a.t0);
}

Polygon schliessen(Polygon p) {
    p.push_back(p.front());
    return p;
}

Huelle bauen(const Form& f) {
    Huelle h;
    const GrenzPunkt untenRechts{f.t0max, f.tcUntenRechts};
    const GrenzPunkt untenLinks{f.t0min, f.tcUntenLinks};
    const GrenzPunkt obenRechts{f.t0Oben, f.tcMax - 1};
    const GrenzPunkt rechts{f.t0max, f.tcRechts};
    const GrenzPunkt linksOben{f.t0min, f.tcLinks};
    const GrenzPunkt knick{f.t0Knick, f.tcMax};
    h.strich = schliessen({untenRechts, untenLinks, linksOben, knick, obenRechts, rechts});

    const GrenzPunkt untenLinksBlau{f.t0minBlau, aufGerade(untenRechts, untenLinks, f.t0minBlau)};
    const GrenzPunkt linksObenBlau{f.t0minBlau, f.tcLinksBlau};
    // The blue knee lies on the dashed top edge, which falls slightly to the right.
    const GrenzPunkt knickBlau{f.t0KnickBlau, aufGerade(knick, obenRechts, f.t0KnickBlau)};
    h.blau =
        schliessen({untenRechts, untenLinksBlau, linksObenBlau, knickBlau, obenRechts, rechts});
    if (f.rot) {
        // The corner left of the blue polygon, above the lower part of its left edge.
        const double tcUnten = f.tcLinksBlau - 6.0;
        const double t0Rechts = f.t0minBlau + 3.0;
        h.rot = schliessen({linksObenBlau,
                            {f.t0min, tcUnten},
                            linksOben,
                            {t0Rechts, aufGerade(linksOben, knick, t0Rechts)}});
    }
    return h;
}

Form standardForm(const QString& km) {
    //  t0min  t0max  tcUL tcUR tcL  knick tcMax oben tcR   blau: t0min tcL knick  rot
    if (km == u"R134a")
        return {-25, 15, 20, 30, 50, -5, 70, 10, 60, -15, 47, 2.5, false};
    if (km == u"R404A" || km == u"R507")
        return {-45, 7.5, 20, 25, 40, -20, 55, 0, 50, -35, 37, -10, true};
    if (km == u"R22")
        return {-40, 12.5, 20, 25, 40, -15, 60, 5, 55, -30, 36, -5, true};
    if (km == u"R407C")
        return {-35, 12.5, 20, 25, 42, -10, 60, 5, 55, -25, 39, -2.5, true};
    if (km == u"R717")
        return {-40, 10, 20, 25, 36, -10, 55, 5, 50, -30, 32, 0, true};
    if (km == u"R410A")
        return {-20, 15, 20, 30, 45, -5, 60, 10, 55, -15, 42, 0, false};
    if (km == u"R744")
        return {-50, -5, -30, 0, 0, -35, 15, -15, 10, -40, -2, -25, true};
    // The HFO blends that replace R404A: their higher discharge temperatures end the
    // envelope 5 K higher at low t0.
    if (km == u"R448A" || km == u"R449A" || km == u"R454C" || km == u"R455A")
        return {-40, 7.5, 20, 25, 40, -20, 55, 0, 50, -30, 37, -10, true};
    // R1234yf discharges cooler than R134a; its limits are taken as those of R134a.
    if (km == u"R513A" || km == u"R1234yf")
        return {-25, 15, 20, 30, 50, -5, 70, 10, 60, -15, 47, 2.5, false};
    if (km == u"R1234ze(E)")
        return {-20, 15, 20, 30, 50, -5, 70, 10, 60, -10, 47, 2.5, false};
    // R32: the discharge temperature lies 15 to 20 K above that of R410A, so the
    // condensing temperature ends 5 K lower on the whole left side.
    if (km == u"R32")
        return {-20, 15, 20, 30, 40, -5, 55, 10, 50, -15, 37, 0, false};
    throw std::invalid_argument(("no envelope for " + km).toStdString());
}

Form zweistufigForm(const QString& km) {
    Form f{-60, -25, 20, 25, 45, -50, 55, -35, 50, -55, 42, -45, false};
    if (km == u"R22" || km == u"R717") {
        f.tcMax = 50;
        f.tcRechts = 45;
        f.tcLinks = 40;
        f.tcLinksBlau = 37;
    }
    return f;
}

Form fahrzeugForm(const QString& km) {
    Form f = standardForm(km);
    if (km == u"R134a") {
        // Air conditioning of buses and trains: higher t0, high condensing temperatures.
        f = {-20, 15, 25, 30, 50, 0, 70, 10, 62, -10, 48, 5, false};
    }
    return f;
}

} // namespace

Huelle huelleFuer(const QString& kaeltemittel, Einsatz einsatz) {
    switch (einsatz) {
    case Einsatz::Zweistufig:
        return bauen(zweistufigForm(kaeltemittel));
    case Einsatz::Fahrzeug:
        return bauen(fahrzeugForm(kaeltemittel));
    case Einsatz::Standard:
        break;
    }
    return bauen(standardForm(kaeltemittel));
}

bool innerhalb(const Polygon& p, double t0, double tc) {
    if (randAbstand(p, t0, tc) < 1e-9)
        return true;
    bool drin = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const GrenzPunkt a = p[i], b = p[j];
        if ((a.tc > tc) != (b.tc > tc) && t0 < (b.t0 - a.t0) * (tc - a.tc) / (b.tc - a.tc) + a.t0)
            drin = !drin;
    }
    return drin;
}

double randAbstand(const Polygon& p, double t0, double tc) {
    double best = 1e300;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const GrenzPunkt a = p[i], b = p[i + 1];
        const double dx = b.t0 - a.t0, dy = b.tc - a.tc;
        const double l2 = dx * dx + dy * dy;
        double s = l2 > 0 ? ((t0 - a.t0) * dx + (tc - a.tc) * dy) / l2 : 0.0;
        s = std::clamp(s, 0.0, 1.0);
        best = std::min(best, std::hypot(t0 - (a.t0 + s * dx), tc - (a.tc + s * dy)));
    }
    return best;
}

} // namespace drel::katalog
