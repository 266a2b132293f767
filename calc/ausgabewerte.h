// The numbers the data sheet shows for a rating, each made as its output field makes
// it: the window, the printout, the performance table and drel-cli read them here, so
// that one point shows one number everywhere. Capacities and powers in kW.
#pragma once

#include "calc/artikelrechnung.h"

#include <limits>

namespace drel::calc {

// Eight-pole operation of a pole-changing motor runs at about half speed.
inline constexpr double kAchtPolFaktor = 1.960784314;

struct AusgabeWerte {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    // Compressor 1 and, of a duplex type, compressor 2 (0 for a single compressor).
    double Qo1 = nan, Qo2 = 0.0;   // compressor cooling capacity QoV, two decimals
    double QoE1 = nan, QoE2 = 0.0; // evaporator cooling capacity, multiple of 0.05
    double P1 = nan, P2 = 0.0;     // drive power, two decimals
    // The sums of the sheet's main fields (8-pole operation divided out).
    double Qo = nan;  // Q2
    double QoE = nan; // Q3
    double P = nan;   // pan
    double Qc = nan;  // Edit7, condensing capacity
    double cop = nan; // Edit4, made of the rounded terms
    double m = nan;   // Edit5, kg/s
    double I = nan;   // strom, A (both compressors of a duplex type)
    // The compressor cooling capacity before the sheet's rounding (8-pole divided out):
    // the performance table shows it in W, finer than the sheet's two decimals of kW. A
    // duplex sums the two rounded capacities as Q2 does.
    double QoGenau = nan;
};

// `zwei`: the two-compressor panel is shown; `vierPolig` clear: 8-pole operation.
AusgabeWerte ausgabeWerte(const ArtikelErgebnis& r, bool zwei, bool vierPolig);

} // namespace drel::calc
