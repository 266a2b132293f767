// Carries a rating from its measured suction gas state to the user's operating
// point: mass flows, compressor and evaporator cooling capacity.
#pragma once

#include <limits>

namespace drel::db {
class TDataModule1;
}

namespace drel::calc {

class TStoff;

struct BetriebspunktEingabe {
    double t0 = -10.0; // evaporating temperature (dew point), °C
    double tc = 45.0;  // condensing temperature (dew point), °C
    double n = 1450.0; // speed, 1/min (articles without a motor)
    double f = 50.0;   // mains frequency, Hz (articles with a motor)
    double ts = 20.0;  // suction gas temperature at the compressor inlet, °C
    double dtu = 0.0;  // liquid subcooling, K
    double dtue = 5.0; // useful superheat in the evaporator, K
    bool netz60Hz = false;
};

// A value that cannot be computed (a failed property call, a zero enthalpy
// difference or volume) is NaN, never a plausible number.
struct Bewertung {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    double Qo = nan;  // kW, polynomial value
    double P = nan;   // kW
    double I = nan;   // A; 0 without a motor
    double mR = nan;  // kg/s at the rating conditions
    double m = nan;   // kg/s at the user's suction gas temperature
    double QoV = nan; // kW, compressor cooling capacity
    double QoE = nan; // kW, evaporator cooling capacity

    bool berechenbar() const;
};

// Rating suction gas temperature of the current capacity record.
double sauggasTemperaturBemessung(db::TDataModule1& dm, double t0);

Bewertung BetriebspunktRechnen(db::TDataModule1& dm, TStoff& stoff, const BetriebspunktEingabe& e);
// Two-stage series: rating state t0 + 20 K, liquid at tc + t0 − Δtu; no current.
Bewertung ZweistufigRechnen(db::TDataModule1& dm, TStoff& stoff, const BetriebspunktEingabe& e);

} // namespace drel::calc
