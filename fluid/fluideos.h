// An equation of state in temperature and molar density, with the derived
// properties and the density solver shared by the Helmholtz and cubic models.
#pragma once

#include "fluid/helmholtz.h"

#include <optional>
#include <vector>

namespace drel::fluid {

enum class Phase { Liquid, Vapour };

class Eos {
public:
    Eos(double gasConstant, double molarMass, IdealGas idealGas)
        : r_(gasConstant), molarMass_(molarMass), ideal_(std::move(idealGas)) {}
    virtual ~Eos() = default;

    // Residual part at T [K] and rho [mol/m3].
    virtual ResidualDerivs residual(double T, double rho) const = 0;
    // Density above which no fluid state exists (for bracketing the liquid root).
    virtual double maxDensity() const = 0;
    // Density between the vapour and liquid branches below the critical temperature.
    virtual double criticalDensity() const = 0;
    virtual double criticalTemperature() const = 0;

    double gasConstant() const { return r_; }
    double molarMass() const { return molarMass_; }

    double pressure(double T, double rho) const; // Pa
    double dpdrho(double T, double rho) const;   // Pa m3/mol
    double enthalpy(double T, double rho) const; // J/mol, equation's reference
    double entropy(double T, double rho) const;  // J/(mol K)
    // Gibbs energy / RT up to a function of T alone (enough for phase equilibrium).
    double gibbsOverRT(double T, double rho) const;

    // Density of the given phase at T and p; `guess` (0: none) starts the iteration.
    // Empty when the phase has no root there.
    std::optional<double> density(double T, double p, Phase phase, double guess = 0) const;

private:
    double r_;
    double molarMass_;
    IdealGas ideal_;
};

// Bubble and dew pressures of a fixed overall composition, for the models that
// compute them from a phase equilibrium (cubic and multi-fluid blends).
class PhaseEquilibrium {
public:
    virtual ~PhaseEquilibrium() = default;
    virtual std::optional<double> dewPressure(double T) const = 0;
    virtual std::optional<double> bubblePressure(double T) const = 0;
};

struct SaturatedPair {
    double p, rhoL, rhoV;
};

// Phase equilibrium of a pure fluid at T (equal pressure and Gibbs energy),
// started from liquid and vapour densities. Empty when it does not converge.
std::optional<SaturatedPair> maxwellSaturation(const Eos& eos, double T, double rhoL, double rhoV);

// Root of p(rho) = p on the given branch for any residual function residual(T, rho);
// the branches are split at rhoc below tc. Shared by the fixed-composition models
// and by the phases of a blend whose composition differs from the overall one.
template <typename F>
std::optional<double> densityRoot(F residual, double gasConstant, double T, double p, Phase phase,
                                  double guess, double tc, double rhoc, double rhoMax);

// Bubble (dew = false) or dew pressure of the overall composition z at one
// temperature by successive substitution on the K factors, started from K and p;
// on success K holds the converged factors. lnPhi(p, x, phase) gives the ln
// fugacity coefficients of composition x, empty when that phase has no root at p
// (the pressure is then moved towards the side where it has one).
template <typename LnPhi>
std::optional<double> substitutionSaturation(const std::vector<double>& z, std::vector<double>& K,
                                             double p, bool dew, LnPhi lnPhi);

// Solves pOfT(T) = p for T in [tLo, tHi], starting at tGuess; secant steps in
// ln p over 1/T, safeguarded by bisection. NaN when p is not bracketed.
template <typename F>
double invertPressureCurve(F pOfT, double p, double tLo, double tHi, double tGuess);

} // namespace drel::fluid

#include "fluid/fluideos_impl.h"
