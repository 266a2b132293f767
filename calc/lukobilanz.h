// Condensing temperature of a condensing unit from the balance between the heat
// of the compressor and the heat the air-cooled condenser rejects.
#pragma once

#include "db/recordhelpers.h"

namespace drel::calc {

struct LukoErgebnis {
    double tc = 0.0; // condensing temperature, °C
    double Qo = 0.0; // kW
    double P = 0.0;  // kW
    double I = 0.0;  // A
    int iterationen = 0;
    bool berechenbar = true; // false when the balance had no slope to follow
};

// Condenser capacity Qc = K1 + K2·tc + K3·tle + K4·tc·tle, 0.5 % more per Hz above 50.
double kondensatorLeistung(const db::LukoEintrag& kond, double tc, double tle, double f);

LukoErgebnis LukoBilanz(db::TDataModule1& dm, const db::LukoEintrag& kond, double f, double tle,
                        double t0, bool netz60Hz);

} // namespace drel::calc
