#include "base/grenzpolygon.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace drel {

namespace {

double streckenAbstand(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double laenge2 = dx * dx + dy * dy;
    double t = laenge2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / laenge2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

} // namespace

double randAbstand(const GrenzPolygon& polygon, double t0, double tc) {
    const int n = std::min<int>(polygon.Anzahl, static_cast<int>(polygon.punkte.size()));
    if (n < 3)
        return std::numeric_limits<double>::quiet_NaN();
    double abstand = std::numeric_limits<double>::infinity();
    bool innen = false;
    for (int i = 0; i < n; ++i) {
        // The edge to the next point; the last point closes back to the first.
        const GrenzPunkt& a = polygon.punkte[static_cast<size_t>(i)];
        const GrenzPunkt& b = polygon.punkte[static_cast<size_t>((i + 1) % n)];
        abstand = std::min(abstand, streckenAbstand(t0, tc, a.to, a.tc, b.to, b.tc));
        // Even-odd rule on a ray towards higher t0.
        if ((a.tc > tc) != (b.tc > tc)) {
            const double schnitt = a.to + (tc - a.tc) * (b.to - a.to) / (b.tc - a.tc);
            if (t0 < schnitt)
                innen = !innen;
        }
    }
    return innen ? abstand : -abstand;
}

bool imPolygon(const GrenzPolygon& polygon, double t0, double tc) {
    const double d = randAbstand(polygon, t0, tc);
    return std::isfinite(d) && d >= -1e-3;
}

} // namespace drel
