// Template part of fluideos.h.
#pragma once

#include <cmath>
#include <limits>

namespace drel::fluid {

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
