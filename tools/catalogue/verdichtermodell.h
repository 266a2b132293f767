// The physical compressor model behind the sample catalogue's capacity data and
// the least-squares fit of the EN 12900 polynomials to it.
#pragma once

#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace drel::fluid {
class TStoff;
}

namespace drel::katalog {

// Efficiencies of one series (and frame size).
struct ModellParameter {
    double lambda0 = 0.95;    // volumetric efficiency without re-expansion
    double schadraum = 0.045; // relative clearance volume
    double polytrope = 1.15;  // exponent of re-expansion and compression
    double etaMax = 0.72;     // best isentropic efficiency
    double piOptimal = 3.5;   // pressure ratio of the best efficiency
    double reibung = 0.012;   // friction power per swept volume, kW/(m3/h)
    double etaMotor = 0.0;    // motor efficiency; 0 = shaft power of an open compressor
    bool zweistufig = false;  // two stages with intermediate cooling of the liquid
};

// Rating suction gas condition of a capacity record.
struct Sauggas {
    bool flag = true; // true: temperature in °C; false: superheat in K over t0
    double wert = 20.0;
    double temperatur(double t0) const { return flag ? wert : t0 + wert; }
};

struct ModellPunkt {
    double Qo = 0.0; // kW
    double P = 0.0;  // kW
    bool gueltig = false;
};

// Cooling capacity and power of one cubic metre per hour of swept volume at 1450 1/min.
class VerdichterModell {
public:
    VerdichterModell(fluid::TStoff& stoff, QString kaeltemittel, ModellParameter parameter,
                     Sauggas sauggas);
    ModellPunkt rechnen(double t0, double tc) const;
    const QString& kaeltemittel() const { return kaeltemittel_; }

private:
    double isentropeArbeit(double p1, double v1, double p2) const; // kJ/kg
    double liefergrad(double druckverhaeltnis) const;
    double wirkungsgrad(double druckverhaeltnis) const;

    fluid::TStoff& stoff_;
    QString kaeltemittel_;
    ModellParameter par_;
    Sauggas sauggas_;
};

using Koeffizienten = std::array<double, 10>; // C1..C10

struct Anpassung {
    Koeffizienten c{};
    double rmsRelativ = 0.0; // root mean square of the relative deviation
    double maxRelativ = 0.0;
};

// The ten EN 12900 terms at one point.
std::array<double, 10> polynomTerme(double t0, double tc);
double polynomWert(const Koeffizienten& c, double t0, double tc);

// Weighted least squares (weight 1/value, so the relative deviation is minimised).
Anpassung polynomAnpassen(const std::vector<std::pair<double, double>>& punkte,
                          const std::vector<double>& werte);

// Current of a three-phase motor at input power P (kW): active and magnetising part.
double motorStrom(double p, double nennleistung, double spannung);
// Cubic I = a + b·P + c·P² + d·P³ fitted over 10 % to 130 % of the nominal power.
std::array<double, 4> stromAnpassen(double nennleistung, double spannung, double* rmsRelativ);

} // namespace drel::katalog
