// The seasonal energy performance ratio (SEPR) of a condensing unit as the ecodesign
// rules for professional refrigeration define it (Regulation (EU) 2015/1095 with the
// rating of EN 13215): the cooling capacity and the power input at the four rating
// points A to D of the outdoor air, the part-load demand of each hour bin of the
// year, the cycling loss of a unit that runs above the demand, and the ratio of the
// annual refrigeration demand to the annual electricity it takes.
#pragma once

#include <array>
#include <limits>

namespace drel::calc {

// Medium temperature (t0 −10 °C) and low temperature (t0 −35 °C).
enum class SeprAnwendung { Normalkuehlung, Tiefkuehlung };

// The rating points A, B, C, D: outdoor air 32, 25, 15 and 5 °C.
inline constexpr std::array<double, 4> kSeprLuft{32.0, 25.0, 15.0, 5.0};
// Degradation coefficient of a unit with fixed capacity.
inline constexpr double kSeprCd = 0.25;

double seprVerdampfung(SeprAnwendung a); // −10 or −35 °C
double seprLastAnteil(SeprAnwendung a);  // share of the demand that follows the air: 0.4, 0.2

// One hour bin of the year: outdoor temperature (°C) and hours.
struct SeprBin {
    double t;
    double h;
};
const std::array<SeprBin, 54>& seprBins();

// The part-load ratio of the demand at outdoor temperature t: 1 at A and above, the
// fixed share (0.6 or 0.8) at D and below, linear in between.
double seprTeillast(SeprAnwendung a, double t);

struct SeprPunkt {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    double luft = nan;        // °C
    double Qo = nan;          // declared capacity at full load, kW
    double P = nan;           // power input, kW
    double cop = nan;         // Qo / P
    double teillast = nan;    // part-load ratio of the demand
    double bedarf = nan;      // demand: Qo at A times the part-load ratio, kW
    double cr = nan;          // capacity ratio demand / capacity (at most 1)
    double copTeillast = nan; // COP × (1 − Cd × (1 − CR))
};

struct SeprErgebnis {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    SeprAnwendung anwendung = SeprAnwendung::Normalkuehlung;
    std::array<SeprPunkt, 4> punkte{};
    double jahresBedarf = nan; // kWh of refrigeration
    double jahresStrom = nan;  // kWh of electricity
    double sepr = nan;
    bool berechenbar() const;
};

// One bin: demand, capacity ratio and part-load COP with the capacity and COP
// interpolated between the rating points (constant beyond A and D).
struct SeprBinWert {
    double bedarf, cr, copTeillast;
};
SeprBinWert seprBinWert(const SeprErgebnis& e, double t);

// SEPR from the capacities and power inputs at A, B, C, D (in this order). A point
// that is not finite or has no positive capacity and power gives NaN.
SeprErgebnis seprBerechnen(SeprAnwendung a, const std::array<double, 4>& Qo,
                           const std::array<double, 4>& P);

} // namespace drel::calc
