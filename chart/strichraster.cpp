#include "chart/strichraster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace drel::chart {

namespace {

double aufRaster(double wert) {
    return std::round(wert * 64.0) / 64.0;
}

struct Punkt {
    double x, y;
};

// The band around the segment as a convex quadrilateral, corners in drawing order.
class Band {
public:
    Band(QPoint a, QPoint b, double radius) {
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const double laenge = std::hypot(dx, dy);
        const double nx = -dy / laenge * radius;
        const double ny = dx / laenge * radius;
        ecken_ = {Punkt{aufRaster(a.x() + nx), aufRaster(a.y() + ny)},
                  Punkt{aufRaster(b.x() + nx), aufRaster(b.y() + ny)},
                  Punkt{aufRaster(b.x() - nx), aufRaster(b.y() - ny)},
                  Punkt{aufRaster(a.x() - nx), aufRaster(a.y() - ny)}};
    }

    // Inside or on the edge: the point is on the same side of all four edges.
    bool enthaelt(double x, double y) const {
        bool links = false, rechts = false;
        for (size_t i = 0; i < ecken_.size(); ++i) {
            const Punkt& p = ecken_[i];
            const Punkt& q = ecken_[(i + 1) % ecken_.size()];
            const double kreuz = (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
            links = links || kreuz > 0;
            rechts = rechts || kreuz < 0;
        }
        return !(links && rechts);
    }

private:
    std::array<Punkt, 4> ecken_{};
};

bool inScheibe(QPoint m, double radius, double x, double y) {
    const double dx = x - m.x();
    const double dy = y - m.y();
    return dx * dx + dy * dy < radius * radius;
}

} // namespace

void strichZiehen(PixelFeld feld, QPoint a, QPoint b, int breite, quint32 farbe) {
    if (breite <= 0 || a == b)
        return;
    const double radius = breite / 2.0;
    const Band band(a, b, radius);
    const int rand = breite / 2 + 2;
    const int x0 = std::max(0, std::min(a.x(), b.x()) - rand);
    const int x1 = std::min(feld.breite - 1, std::max(a.x(), b.x()) + rand);
    const int y0 = std::max(0, std::min(a.y(), b.y()) - rand);
    const int y1 = std::min(feld.hoehe - 1, std::max(a.y(), b.y()) + rand);
    // Per row only the columns near the line are tested: a centre farther than the
    // radius (and a rounding margin) from the line's x at that height is outside.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double laenge = std::hypot(dx, dy);
    const double spanne = (radius + 0.1) * laenge / std::max(std::abs(dy), 1e-9);
    for (int y = y0; y <= y1; ++y) {
        const double cy = y + 0.5;
        int von = x0, bis = x1;
        if (std::abs(dy) * 8 > std::abs(dx)) {
            const double t = std::clamp((cy - a.y()) / dy, 0.0, 1.0);
            const double mitte = a.x() + t * dx;
            von = std::max(x0, static_cast<int>(std::floor(mitte - spanne - radius)) - 1);
            bis = std::min(x1, static_cast<int>(std::ceil(mitte + spanne + radius)) + 1);
        }
        quint32* z = feld.zeile(y);
        for (int x = von; x <= bis; ++x) {
            const double cx = x + 0.5;
            if (band.enthaelt(cx, cy) || inScheibe(a, radius, cx, cy) ||
                inScheibe(b, radius, cx, cy))
                z[x] = farbe;
        }
    }
}

} // namespace drel::chart
