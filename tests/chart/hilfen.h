// Small builders shared by the chart tests.
#pragma once

#include "chart/grenztest.h"

#include <initializer_list>
#include <utility>

namespace drel::chart::test {

inline GrenzPolygon polygon(std::initializer_list<std::pair<float, float>> punkte) {
    GrenzPolygon p;
    for (const auto& [x, y] : punkte)
        p.punkte[static_cast<size_t>(p.Anzahl++)] = {x, y};
    return p;
}

inline void graphSetzen(ChartDaten& d, int g,
                        std::initializer_list<std::pair<float, float>> punkte) {
    int i = 0;
    for (const auto& [x, y] : punkte)
        d.PunktSetzen(g, ++i, x, y);
    d.graph(g).PunktZahl = i;
}

// An envelope shaped like the application limits of a compressor: red outermost,
// dashed inside it, blue inside the dashed one; first points at the lower right.
inline GrenzPolygone typischeGrenzen() {
    GrenzPolygone p;
    p.rot =
        polygon({{15, 28}, {15, 58}, {2, 66}, {-20, 66}, {-38, 52}, {-38, 22}, {0, 22}, {15, 28}});
    p.strich = polygon(
        {{12.5f, 30}, {12.5f, 55}, {0, 63}, {-20, 63}, {-35, 50}, {-35, 25}, {0, 25}, {12.5f, 30}});
    p.blau =
        polygon({{10, 32}, {10, 50}, {0, 58}, {-20, 58}, {-30, 45}, {-30, 28}, {0, 28}, {10, 32}});
    return p;
}

} // namespace drel::chart::test
