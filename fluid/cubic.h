// Peng-Robinson equation with van der Waals mixing, for the refrigerants that have
// no published multiparameter equation; fixed overall composition.
#pragma once

#include "fluid/fluideos.h"

#include <optional>
#include <vector>

namespace drel::fluid {

struct CubicComponent {
    double tc, pc, omega, x; // K, Pa, -, mole fraction
};

class PengRobinsonEos : public Eos, public PhaseEquilibrium {
public:
    PengRobinsonEos(std::vector<CubicComponent> components, double kij, double gasConstant,
                    double molarMass, IdealGas idealGas, double tcMix);

    ResidualDerivs residual(double T, double rho) const override;
    double maxDensity() const override;
    double criticalDensity() const override;
    double criticalTemperature() const override { return tcMix_; }

    // Dew pressure (vapour of the overall composition) and bubble pressure (liquid of
    // the overall composition) at T, by successive substitution on the K factors.
    std::optional<double> dewPressure(double T) const override;
    std::optional<double> bubblePressure(double T) const override;

private:
    struct Mix {
        double a, da, b;          // a(T), da/dT, b of the mixture
        std::vector<double> aSum; // sum_j x_j a_ij for the fugacities
    };
    Mix mix(double T, const std::vector<double>& x) const;
    // ln fugacity coefficients of composition x at T, p on the given branch.
    std::optional<std::vector<double>> lnPhi(double T, double p, const std::vector<double>& x,
                                             Phase phase, bool* single) const;
    std::optional<double> saturationPressure(double T, bool dew) const;
    double threeRootPressure(double T, double p) const;
    std::vector<double> ai(double T, std::vector<double>* dai) const;

    std::vector<CubicComponent> comp_;
    std::vector<double> z_;
    double kij_;
    double tcMix_;
    double bMix_;
};

} // namespace drel::fluid
