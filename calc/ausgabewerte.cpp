#include "calc/ausgabewerte.h"

#include "base/numberformat.h"

#include <cmath>

namespace drel::calc {

namespace {

// A multiple of 0.05 (round(x·20)/20, halves to even).
double aufFuenfHundertstel(double x) {
    return std::nearbyint(x * 20.0) / 20.0;
}

double zweiStellen(double x) {
    return roundShown(x, 2);
}

} // namespace

AusgabeWerte ausgabeWerte(const ArtikelErgebnis& r, bool zwei, bool vierPolig) {
    AusgabeWerte w;
    if (!r.gerechnet)
        return w;
    w.Qo1 = zweiStellen(r.verdichter1.QoV);
    w.QoE1 = aufFuenfHundertstel(r.verdichter1.QoE);
    w.P1 = zweiStellen(r.verdichter1.P);
    if (zwei) {
        w.Qo2 = zweiStellen(r.verdichter2.QoV);
        w.QoE2 = aufFuenfHundertstel(r.verdichter2.QoE);
        w.P2 = zweiStellen(r.P2);
    }
    // Condensing capacity: air-cooled QL motors give 15 % of their power to the air.
    const double anteil = r.art == db::Baureihe::QL ? 0.85 : 1.0;
    const double Qc1 = aufFuenfHundertstel(r.verdichter1.QoV + anteil * r.verdichter1.P);
    const double Qc2 = zwei ? aufFuenfHundertstel(r.verdichter2.QoV + anteil * r.P2) : 0.0;
    // 8-pole operation divides the shown sums, and the current by two.
    const double pol = vierPolig ? 1.0 : kAchtPolFaktor;
    const double teilen = vierPolig ? 1.0 : 2.0;
    const auto geteilt = [&](double x, int stellen) {
        return vierPolig ? x : roundShown(x / pol, stellen);
    };
    w.Qo = geteilt(w.Qo1 + w.Qo2, 2);
    w.QoE = geteilt(w.QoE1 + w.QoE2, 2);
    w.P = geteilt(w.P1 + w.P2, 2);
    w.Qc = Qc1 + Qc2;
    w.cop = (w.Qo1 + w.Qo2) / (w.P1 + w.P2);
    w.m = geteilt(r.m, 3);
    w.I = (zwei ? r.IGesamt : r.I) / teilen;
    // A duplex sums its two shown capacities, so its table cells do too.
    w.QoGenau = zwei ? w.Qo : r.verdichter1.QoV / pol;
    return w;
}

} // namespace drel::calc
