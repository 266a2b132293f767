// An application-limit polygon in the plane of evaporating over condensing
// temperature, as the record layer reads it and the limit test and the chart use it.
#pragma once

#include <array>
#include <cstddef>

namespace drel {

// One point, °C, in 32-bit precision: all comparisons of points are made on these
// values. `to` is the evaporating temperature t0 (spelled as the stored fields are).
struct GrenzPunkt {
    float to = 0.0F;
    float tc = 0.0F;

    bool operator==(const GrenzPunkt&) const = default;
};

// Points 0-based: punkte[0] is the first stored point. The store numbers its points
// from 1; the reader converts. punkte[10] is the eleventh point, always (0, 0), and
// punkte[11] the point after it, also (0, 0): the limit test may look one point past
// the closing point.
struct GrenzPolygon {
    static constexpr std::size_t kGespeichert = 10; // points a capacity record stores

    int Anzahl = 0; // points that make up the closed polygon, the closing point included
    std::array<GrenzPunkt, 12> punkte{};
};

// Signed distance in K from (t0, tc) to the nearest edge of the polygon's first Anzahl
// points (closed if the last point is not the first): positive inside, negative
// outside, 0 on an edge. NaN for a polygon of fewer than three points.
double randAbstand(const GrenzPolygon& polygon, double t0, double tc);

// Whether (t0, tc) lies inside the polygon or on its edge (within a millikelvin, so
// that a point stored in 32 bits still counts as on the edge).
bool imPolygon(const GrenzPolygon& polygon, double t0, double tc);

} // namespace drel
