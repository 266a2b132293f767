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

// Newton steps on p(rho) inside a bracket that shrinks with every evaluation:
// for the vapour the root is the first stable crossing from below, for the liquid
// the crossing on the stable branch above the critical density.
std::optional<double> Eos::density(double T, double p, Phase phase, double guess) const {
    if (!(p > 0) || !(T > 0))
        return std::nullopt;
    const bool subcritical = T < criticalTemperature();
    const bool vapour = phase == Phase::Vapour;
    double lo = vapour ? 0 : (subcritical ? criticalDensity() : 0);
    double hi = vapour && subcritical ? criticalDensity() : maxDensity();
    double rho = guess > 0 ? guess : (vapour ? p / (r_ * T) : 0.5 * (lo + hi));
    if (!(rho > lo && rho < hi))
        rho = vapour && p / (r_ * T) < hi ? p / (r_ * T) : 0.5 * (lo + hi);
    const double rt = r_ * T;
    for (int i = 0; i < 200; ++i) {
        const ResidualDerivs r = residual(T, rho);
        const double P = rho * rt * (1 + r.d1);
        const double D = rt * (1 + 2 * r.d1 + r.d2);
        const bool stable = D > 0;
        if (stable && std::fabs(P - p) <= 1e-12 * p)
            return rho;
        if (vapour)
            (!stable || P > p ? hi : lo) = rho;
        else
            (stable && P > p ? hi : lo) = rho;
        double next = stable ? rho - (P - p) / D : 0.5 * (lo + hi);
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (stable && std::fabs(next - rho) <= 1e-13 * rho)
            return next;
        if (hi - lo <= 1e-14 * hi)
            return std::nullopt;
        rho = next;
    }
    return std::nullopt;
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
