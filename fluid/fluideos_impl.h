// Template part of fluideos.h.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace drel::fluid {

// Newton steps on p(rho) inside a bracket that shrinks with every evaluation:
// for the vapour the root is the first stable crossing from below, for the liquid
// the crossing on the stable branch above the critical density.
template <typename F>
std::optional<double> densityRoot(F residual, double gasConstant, double T, double p, Phase phase,
                                  double guess, double tc, double rhoc, double rhoMax) {
    if (!(p > 0) || !(T > 0))
        return std::nullopt;
    const bool subcritical = T < tc;
    const bool vapour = phase == Phase::Vapour;
    const double rt = gasConstant * T;
    double lo = vapour ? 0 : (subcritical ? rhoc : 0);
    double hi = vapour && subcritical ? rhoc : rhoMax;
    double rho = guess > 0 ? guess : (vapour ? p / rt : 0.5 * (lo + hi));
    if (!(rho > lo && rho < hi))
        rho = vapour && p / rt < hi ? p / rt : 0.5 * (lo + hi);
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

template <typename LnPhi>
std::optional<double> substitutionSaturation(const std::vector<double>& z, std::vector<double>& K,
                                             double p, bool dew, LnPhi lnPhi) {
    const std::size_t n = z.size();
    std::vector<double> other(n);
    int nudges = 0;
    for (int it = 0; it < 500; ++it) {
        double sum = 0;
        for (std::size_t i = 0; i < n; ++i) {
            other[i] = dew ? z[i] / K[i] : z[i] * K[i];
            sum += other[i];
        }
        for (double& v : other)
            v /= sum;
        const auto liquid = lnPhi(p, dew ? other : z, Phase::Liquid);
        const auto vapour = liquid ? lnPhi(p, dew ? z : other, Phase::Vapour) : liquid;
        if (!liquid || !vapour) {
            // No liquid root: the pressure is too low for it; no vapour root: too high.
            if (++nudges > 30)
                return std::nullopt;
            p *= liquid ? 0.9 : 1.1;
            continue;
        }
        double s = 0, change = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double k = std::exp((*liquid)[i] - (*vapour)[i]);
            change = std::max(change, std::fabs(k / K[i] - 1));
            K[i] = k;
            s += dew ? z[i] / k : z[i] * k;
        }
        p = dew ? p / s : p * s;
        if (!std::isfinite(p) || p <= 0)
            return std::nullopt;
        // The sum settles within a few 1e-12 of one, limited by rounding.
        if (std::fabs(s - 1) < 1e-11 && change < 1e-10)
            return p;
    }
    return std::nullopt;
}

template <typename F>
double invertPressureCurve(F pOfT, double p, double tLo, double tHi, double tGuess) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto f = [&](double T) { return std::log(pOfT(T) / p); };
    double lo = tLo, hi = tHi;
    if (!(tGuess > lo && tGuess < hi))
        tGuess = 0.5 * (lo + hi);
    // Secant steps from the guess; the bracket is kept up to date for a fallback.
    double x0 = tGuess, f0 = f(x0);
    if (!std::isfinite(f0))
        return nan;
    double x1 = std::min(hi, x0 * (1 + 1e-4)), f1 = f(x1);
    for (int i = 0; i < 30; ++i) {
        if (!std::isfinite(f1) || f1 == f0)
            break;
        if (f1 < 0)
            lo = std::max(lo, x1);
        else
            hi = std::min(hi, x1);
        const double y = 1 / x1 - f1 * (1 / x1 - 1 / x0) / (f1 - f0);
        const double x2 = 1 / y;
        if (std::fabs(x2 - x1) < 1e-10 * x1 && std::fabs(f1) < 1e-9)
            return x2;
        if (!(x2 > tLo && x2 < tHi))
            break;
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = f(x1);
        if (std::fabs(f1) < 1e-13)
            return x1;
    }
    // Bisection inside the bracket found so far. A failed evaluation can only come
    // from the upper end (close to the critical point), so it counts as too high.
    for (int i = 0; i < 200 && hi - lo > 1e-9; ++i) {
        const double mid = 0.5 * (lo + hi);
        const double fm = f(mid);
        (std::isfinite(fm) && fm < 0 ? lo : hi) = mid;
    }
    const double t = 0.5 * (lo + hi);
    const double ft = f(t);
    return std::isfinite(ft) && std::fabs(ft) < 1e-6 ? t : nan;
}

} // namespace drel::fluid
