#include "calc/einsatzgrenzen.h"

#include "calc/betriebspunkt.h"
#include "db/datamodule.h"

#include <algorithm>
#include <cmath>

namespace drel::calc {

namespace {

// Points of a polygon in double precision, 0-based as the polygon: index k is the
// stored point k + 1; index 11 is the point after the eleventh, always (0, 0).
struct Punkte {
    std::array<double, 12> t0{};
    std::array<double, 12> tc{};
    int n = 2;
};

Punkte punkte(const GrenzPolygon& p) {
    Punkte q;
    q.n = std::clamp<int>(p.Anzahl, 2, 11);
    for (size_t k = 0; k < p.punkte.size(); ++k) {
        q.t0[k] = p.punkte[k].to;
        q.tc[k] = p.punkte[k].tc;
    }
    return q;
}

double normiert(double winkel) {
    if (winkel < -180.0)
        winkel += 360.0;
    if (winkel > 180.0)
        winkel -= 360.0;
    return winkel;
}

bool gleich(const Punkte& p, size_t a, size_t b) {
    return static_cast<float>(p.t0[a]) == static_cast<float>(p.t0[b]) &&
           static_cast<float>(p.tc[a]) == static_cast<float>(p.tc[b]);
}

struct Kante {
    bool gefunden = false;
    bool senkrecht = false; // t0 does not change along the edge: no line tc(t0)
    double alpha = 0.0;
    double beta = 0.0;
};

// The last of the n edges from point k to k + 1 whose end point is not below its start
// point in either coordinate, as the line tc = alpha·t0 + beta.
Kante steigendeKante(const Punkte& p) {
    for (int k = p.n - 1; k >= 0; --k) {
        const auto a = static_cast<size_t>(k);
        if (p.t0[a] <= p.t0[a + 1] && p.tc[a] <= p.tc[a + 1]) {
            const double dt0 = p.t0[a + 1] - p.t0[a];
            if (dt0 == 0.0)
                return {true, true, 0.0, 0.0};
            const double alpha = (p.tc[a + 1] - p.tc[a]) / dt0;
            return {true, false, alpha, p.tc[a] - alpha * p.t0[a]};
        }
    }
    return {};
}

void bereichSetzen(const Punkte& p, GrenzBereich& bereich) {
    double t0Min = 200.0, t0Max = -200.0, tcMin = 200.0, tcMax = -200.0;
    for (size_t k = 0; k < static_cast<size_t>(p.n); ++k) {
        t0Min = std::min(t0Min, p.t0[k]);
        t0Max = std::max(t0Max, p.t0[k]);
        tcMin = std::min(tcMin, p.tc[k]);
        tcMax = std::max(tcMax, p.tc[k]);
    }
    bereich = {t0Min, t0Max, tcMin, tcMax};
}

} // namespace

GrenzBereich& grenzBereich() {
    static GrenzBereich bereich;
    return bereich;
}

double Richtungswinkel(double y1, double x1, double y2, double x2) {
    const double dy = y2 - y1;
    const double dx = x2 - x1;
    if (dx == 0.0 && dy == 0.0)
        return 90.0;
    return std::atan2(dy, dx) * 57.29577951308232;
}

int PolygonLage(const GrenzPolygon& polygon, double t0, double tc) {
    Punkte p = punkte(polygon);
    const auto n = static_cast<size_t>(p.n);
    // With fewer than 7 points the point after the closing point becomes the first.
    if (n < 7) {
        p.t0[n] = p.t0[0];
        p.tc[n] = p.tc[0];
    }
    // Edges from point k to k + 1; the last edge is left out when the point after the
    // closing point repeats it.
    const size_t m = gleich(p, n, n - 1) ? n - 2 : n - 1;
    int r = 0;
    // x is tc, y is t0.
    for (size_t k = 0; k < m; ++k) {
        const double d1 = normiert(Richtungswinkel(p.t0[k], p.tc[k], t0, tc) -
                                   Richtungswinkel(p.t0[k], p.tc[k], p.t0[k + 1], p.tc[k + 1]));
        const double d2 = normiert(Richtungswinkel(p.t0[k + 1], p.tc[k + 1], t0, tc) -
                                   Richtungswinkel(p.t0[k + 1], p.tc[k + 1], p.t0[k], p.tc[k]));
        if (std::fabs(d1) <= 90.0 && d1 < 0.0)
            r += 1;
        if (std::fabs(d2) <= 90.0 && d2 > 0.0)
            r += 2;
    }
    return r <= 2 ? 0 : r;
}

int EinsatzgrenzenTest(const GrenzPolygon& blau, const GrenzPolygon& strich, double tsR, double ts,
                       double tc, double t0, GrenzBereich& bereich) {
    const double tsA = t0 + 10.0;
    bereichSetzen(punkte(strich), bereich);
    const int d = PolygonLage(strich, t0, tc);
    const int b = PolygonLage(blau, t0, tc);
    int a = 0;
    if (d == 0 && b > 0) {
        const Kante kanteD = steigendeKante(punkte(strich));
        const Kante kanteB = steigendeKante(punkte(blau));
        if (!kanteD.gefunden || !kanteB.gefunden)
            return 0;
        // A vertical edge gives no suction gas limit; the point keeps its side values.
        if (kanteD.senkrecht || kanteB.senkrecht)
            return 10 * d + b;
        const double tcD = kanteD.alpha * t0 + kanteD.beta;
        const double tcB = kanteB.alpha * t0 + kanteB.beta;
        const double delta = tcD - tcB;
        const double tsMax = delta != 0.0 ? tsA + (tcD - tc) / delta * (tsR - tsA) : tsA;
        a = ts > tsMax ? 1 : 0;
    }
    return 100 * a + 10 * d + b;
}

int EinsatzgrenzenTest(db::TDataModule1& dm, double ts, double tc, double t0) {
    GrenzPolygon blau;
    GrenzPolygon strich;
    db::GrenzenLesen(dm.TBLeistung, 1, blau);
    db::GrenzenLesen(dm.TBLeistung, 2, strich);
    return EinsatzgrenzenTest(blau, strich, sauggasTemperaturBemessung(dm, t0), ts, tc, t0,
                              grenzBereich());
}

void GrenzBereichLesen(db::TDataModule1& dm) {
    GrenzPolygon strich;
    db::GrenzenLesen(dm.TBLeistung, 2, strich);
    GrenzBereichSetzen(strich);
}

void GrenzBereichSetzen(const GrenzPolygon& strich) {
    bereichSetzen(punkte(strich), grenzBereich());
}

} // namespace drel::calc
