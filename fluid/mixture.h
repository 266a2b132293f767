// Multi-fluid Helmholtz model of a refrigerant blend (the reduced form of Kunz and
// Wagner, GERG-2008, as used for refrigerant blends by Lemmon 2004 and Bell
// 2022/2023): the components' own equations in reduced variables of the blend,
// composition-dependent reducing functions and binary departure functions.
#pragma once

#include "fluid/fluideos.h"

#include <optional>
#include <vector>

namespace drel::fluid {

struct MixtureComponent {
    double x;        // mole fraction in the blend
    double tr, rhor; // reducing temperature [K] and density [mol/m3] of its equation
    double tc, pc;   // critical point for Wilson's starting values
    double omega;    // acentric factor
    ResidualHelmholtz residual;
    std::optional<Ancillary> pSat; // vapour pressure for the starting values
};

// Parameters of the pair i < j (component order of the blend). betaT and betaV
// belong to that order; F = 0 or an empty departure leaves the reducing terms alone.
struct MixturePair {
    std::size_t i, j;
    double betaT, gammaT, betaV, gammaV, F;
    std::optional<ResidualHelmholtz> departure;
};

class MixtureEos : public Eos, public PhaseEquilibrium {
public:
    MixtureEos(std::vector<MixtureComponent> components, std::vector<MixturePair> pairs,
               double gasConstant, double molarMass, IdealGas idealGas);

    // At the overall composition; the reducing state stands in for the critical point.
    ResidualDerivs residual(double T, double rho) const override;
    double maxDensity() const override { return 6 / vrZ_; }
    double criticalDensity() const override { return 1 / vrZ_; }
    double criticalTemperature() const override { return trZ_; }

    std::optional<double> dewPressure(double T) const override;
    std::optional<double> bubblePressure(double T) const override;
    // The same with the composition of the incipient phase (liquid at the dew point,
    // vapour at the bubble point).
    std::optional<double> saturationPressure(double T, bool dew,
                                             std::vector<double>* incipient) const;

    // Any composition x (mole fractions, summing to one).
    ResidualDerivs residualAt(double T, double rho, const std::vector<double>& x) const;
    std::optional<double> densityAt(double T, double p, const std::vector<double>& x, Phase phase,
                                    double guess = 0) const;
    // ln fugacity coefficients of every component at T, rho and x.
    std::vector<double> lnFugacityCoefficients(double T, double rho,
                                               const std::vector<double>& x) const;
    const std::vector<double>& composition() const { return z_; }

private:
    struct Reducing {
        double tr, vr;
        std::vector<double> dtr, dvr; // derivatives by x_i, the x_i taken as independent
    };
    Reducing reducing(const std::vector<double>& x, bool derivatives) const;
    // Residual part with each component's and each pair's own value of alpha_r.
    ResidualDerivs evaluate(double T, double rho, const std::vector<double>& x, double tr,
                            double vr, std::vector<double>* componentA,
                            std::vector<double>* pairA) const;

    // The last converged bubble [0] and dew [1] point, the start of the next one.
    // The program rates on one thread (the property object is not shared).
    struct Start {
        double T = 0, p = 0, pRaoult = 0;
        std::vector<double> K;
        double rho[2] = {0, 0};
    };
    mutable Start start_[2];

    std::vector<MixtureComponent> comp_;
    std::vector<MixturePair> pairs_;
    std::vector<double> z_;
    std::vector<double> cT_, cV_; // per pair: 2 beta gamma times the combining rule
    double trZ_ = 0, vrZ_ = 0;
};

} // namespace drel::fluid
