#include "fluid/fluideos.h"

#include <cmath>

namespace drel::fluid {

double Eos::pressure(double T, double rho) const {
    return rho * r_ * T * (1 + residual(T, rho).d1);
}

double Eos::dpdrho(double T, double rho) const {
    const ResidualDerivs r = residual(T, rho);
    return r_ * T * (1 + 2 * r.d1 + r.d2);
}

double Eos::enthalpy(double T, double rho) const {
    const ResidualDerivs r = residual(T, rho);
    const IdealDerivs i = ideal_.evaluate(T, rho);
    return r_ * T * (1 + i.t1 + r.t1 + r.d1);
}

double Eos::entropy(double T, double rho) const {
    const ResidualDerivs r = residual(T, rho);
    const IdealDerivs i = ideal_.evaluate(T, rho);
    return r_ * (i.t1 + r.t1 - i.a - r.a);
}

double Eos::gibbsOverRT(double T, double rho) const {
    const ResidualDerivs r = residual(T, rho);
    return std::log(rho) + r.a + r.d1;
}

std::optional<double> Eos::density(double T, double p, Phase phase, double guess) const {
    return densityRoot([this](double t, double rho) { return residual(t, rho); }, r_, T, p, phase,
                       guess, criticalTemperature(), criticalDensity(), maxDensity());
}

std::optional<SaturatedPair> maxwellSaturation(const Eos& eos, double T, double rhoL, double rhoV) {
    for (int i = 0; i < 100; ++i) {
        const ResidualDerivs l = eos.residual(T, rhoL);
        const ResidualDerivs v = eos.residual(T, rhoV);
        const double kL = 1 + 2 * l.d1 + l.d2; // (dp/drho)/RT
        const double kV = 1 + 2 * v.d1 + v.d2;
        const double f1 = rhoL * (1 + l.d1) - rhoV * (1 + v.d1); // pressure difference / RT
        const double f2 = std::log(rhoL) + l.a + l.d1 - std::log(rhoV) - v.a - v.d1;
        const double det = kL * kV * (1 / rhoL - 1 / rhoV);
        if (!std::isfinite(det) || det == 0)
            return std::nullopt;
        double dL = (f1 * kV / rhoV - kV * f2) / det;
        double dV = (-kL * f2 + f1 * kL / rhoL) / det;
        // Keep both densities positive and ordered.
        for (int k = 0; k < 40 && !(rhoL + dL > rhoV + dV && rhoV + dV > 0); ++k) {
            dL *= 0.5;
            dV *= 0.5;
        }
        rhoL += dL;
        rhoV += dV;
        if (std::fabs(dL) <= 1e-12 * rhoL && std::fabs(dV) <= 1e-12 * rhoV) {
            // Both roots must lie on their own side of the critical density, else the
            // iteration has found a spurious pair inside the wet region.
            const double rc = eos.criticalDensity();
            if (!(rhoL > rc && rhoV < rc) || kL <= 0 || kV <= 0)
                return std::nullopt;
            const double p = 0.5 * (eos.pressure(T, rhoL) + eos.pressure(T, rhoV));
            return SaturatedPair{p, rhoL, rhoV};
        }
    }
    return std::nullopt;
}

} // namespace drel::fluid
