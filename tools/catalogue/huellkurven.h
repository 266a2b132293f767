// Application-limit polygons of the sample catalogue.
//
// Each record has a dashed polygon (the whole envelope), a blue polygon inside it
// (the range without restrictions, at the rating suction gas condition) and, where
// the refrigerant needs it, a red polygon: the corner of the dashed range at the
// lowest evaporating temperatures that needs additional cooling. The red polygon
// lies inside the dashed one and outside the blue one.
//
// The diagram fills each polygon from a seed 10 pixels left of and above its first
// point, and the search reads the colour under the operating point after the red
// and the dashed fill. So every polygon starts at its lower right corner, where the
// seed falls inside it, and runs clockwise in the t0-tc plane (counter-clockwise
// with tc as x, as the side test of the limits expects: inside on the left).
#pragma once

#include <QString>
#include <vector>

namespace drel::katalog {

struct GrenzPunkt {
    double t0 = 0.0;
    double tc = 0.0;
};
using Polygon = std::vector<GrenzPunkt>; // closed: the last point repeats the first

struct Huelle {
    Polygon blau;
    Polygon strich;
    Polygon rot; // empty when the refrigerant needs no additional cooling
};

// Envelope kinds by application.
enum class Einsatz {
    Standard,   // single-stage compressors
    Zweistufig, // two-stage, low temperatures only
    Fahrzeug,   // vehicle compressors
};

Huelle huelleFuer(const QString& kaeltemittel, Einsatz einsatz);

// Point-in-polygon by crossing count (points on the border count as inside).
bool innerhalb(const Polygon& p, double t0, double tc);
// Smallest distance of a point to the border, in K.
double randAbstand(const Polygon& p, double t0, double tc);

} // namespace drel::katalog
