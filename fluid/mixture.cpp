#include "fluid/mixture.h"

#include <cmath>

namespace drel::fluid {

namespace {

// Wilson's estimate of a component's vapour pressure, for temperatures beyond its
// own vapour-pressure correlation (carbon dioxide in a blend above 31 degC).
double wilsonPressure(const MixtureComponent& c, double T) {
    return c.pc * std::exp(5.373 * (1 + c.omega) * (1 - c.tc / T));
}

double componentVapourPressure(const MixtureComponent& c, double T) {
    if (c.pSat && T >= c.pSat->tMin() && T < std::min(c.pSat->tMax(), c.tc))
        return (*c.pSat)(T);
    return wilsonPressure(c, T);
}

} // namespace

MixtureEos::MixtureEos(std::vector<MixtureComponent> components, std::vector<MixturePair> pairs,
                       double gasConstant, double molarMass, IdealGas idealGas)
    : Eos(gasConstant, molarMass, std::move(idealGas)), comp_(std::move(components)),
      pairs_(std::move(pairs)) {
    for (const MixtureComponent& c : comp_)
        z_.push_back(c.x);
    for (const MixturePair& p : pairs_) {
        const MixtureComponent& a = comp_[p.i];
        const MixtureComponent& b = comp_[p.j];
        cT_.push_back(2 * p.betaT * p.gammaT * std::sqrt(a.tr * b.tr));
        const double v = std::cbrt(1 / a.rhor) + std::cbrt(1 / b.rhor);
        cV_.push_back(2 * p.betaV * p.gammaV * v * v * v / 8);
    }
    const Reducing r = reducing(z_, false);
    trZ_ = r.tr;
    vrZ_ = r.vr;
}

// Y_r = sum x_i^2 Y_i + sum_{i<j} c_ij x_i x_j (x_i + x_j) / (beta^2 x_i + x_j).
MixtureEos::Reducing MixtureEos::reducing(const std::vector<double>& x, bool derivatives) const {
    const std::size_t n = comp_.size();
    Reducing r{0, 0, {}, {}};
    if (derivatives) {
        r.dtr.assign(n, 0);
        r.dvr.assign(n, 0);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double vi = 1 / comp_[i].rhor;
        r.tr += x[i] * x[i] * comp_[i].tr;
        r.vr += x[i] * x[i] * vi;
        if (derivatives) {
            r.dtr[i] += 2 * x[i] * comp_[i].tr;
            r.dvr[i] += 2 * x[i] * vi;
        }
    }
    for (std::size_t k = 0; k < pairs_.size(); ++k) {
        const MixturePair& p = pairs_[k];
        const double a = x[p.i], b = x[p.j];
        const auto add = [&](double beta, double c, double& y, std::vector<double>& dy) {
            const double den = beta * beta * a + b;
            if (den == 0) // neither component present
                return;
            const double ab = a * b, s = a + b;
            y += c * ab * s / den;
            if (derivatives) {
                dy[p.i] += c * (b * s / den + ab / den - ab * s * beta * beta / (den * den));
                dy[p.j] += c * (a * s / den + ab / den - ab * s / (den * den));
            }
        };
        add(p.betaT, cT_[k], r.tr, r.dtr);
        add(p.betaV, cV_[k], r.vr, r.dvr);
    }
    return r;
}

ResidualDerivs MixtureEos::evaluate(double T, double rho, const std::vector<double>& x, double tr,
                                    double vr, std::vector<double>* componentA,
                                    std::vector<double>* pairA) const {
    const double tau = tr / T, delta = rho * vr;
    ResidualDerivs sum;
    const auto add = [&sum](const ResidualDerivs& d, double w) {
        sum.a += w * d.a;
        sum.d1 += w * d.d1;
        sum.d2 += w * d.d2;
        sum.t1 += w * d.t1;
    };
    for (std::size_t i = 0; i < comp_.size(); ++i) {
        // Absent components count only for the fugacities (their alpha_r enters
        // the derivative by x_i).
        if (x[i] == 0 && !componentA)
            continue;
        const ResidualDerivs d = comp_[i].residual.evaluate(tau, delta);
        add(d, x[i]);
        if (componentA)
            (*componentA)[i] = d.a;
    }
    for (std::size_t k = 0; k < pairs_.size(); ++k) {
        const MixturePair& p = pairs_[k];
        if (!p.departure || p.F == 0 || (x[p.i] * x[p.j] == 0 && !pairA))
            continue;
        const ResidualDerivs d = p.departure->evaluate(tau, delta);
        add(d, x[p.i] * x[p.j] * p.F);
        if (pairA)
            (*pairA)[k] = p.F * d.a;
    }
    return sum;
}

ResidualDerivs MixtureEos::residualAt(double T, double rho, const std::vector<double>& x) const {
    const Reducing r = reducing(x, false);
    return evaluate(T, rho, x, r.tr, r.vr, nullptr, nullptr);
}

ResidualDerivs MixtureEos::residual(double T, double rho) const {
    return evaluate(T, rho, z_, trZ_, vrZ_, nullptr, nullptr);
}

std::optional<double> MixtureEos::densityAt(double T, double p, const std::vector<double>& x,
                                            Phase phase, double guess) const {
    const Reducing r = reducing(x, false);
    return densityRoot(
        [&](double t, double rho) { return evaluate(t, rho, x, r.tr, r.vr, nullptr, nullptr); },
        gasConstant(), T, p, phase, guess, r.tr, 1 / r.vr, 6 / r.vr);
}

// ln phi_i = alpha_r + n d(alpha_r)/dn_i - ln Z with (GERG-2008, Kunz and Wagner)
// n d(alpha_r)/dn_i = delta alpha_r,delta (1 + n dv_r/dn_i / v_r)
//                   + tau alpha_r,tau n dT_r/dn_i / T_r + alpha_r,x_i - sum_k x_k alpha_r,x_k
// and n dY/dn_i = dY/dx_i - sum_k x_k dY/dx_k.
std::vector<double> MixtureEos::lnFugacityCoefficients(double T, double rho,
                                                       const std::vector<double>& x) const {
    const std::size_t n = comp_.size();
    const Reducing r = reducing(x, true);
    std::vector<double> a0(n, 0), aij(pairs_.size(), 0);
    const ResidualDerivs d = evaluate(T, rho, x, r.tr, r.vr, &a0, &aij);
    std::vector<double> ax = a0; // d(alpha_r)/dx_i
    for (std::size_t k = 0; k < pairs_.size(); ++k) {
        ax[pairs_[k].i] += x[pairs_[k].j] * aij[k];
        ax[pairs_[k].j] += x[pairs_[k].i] * aij[k];
    }
    double sumT = 0, sumV = 0, sumA = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sumT += x[i] * r.dtr[i];
        sumV += x[i] * r.dvr[i];
        sumA += x[i] * ax[i];
    }
    const double lnZ = std::log(1 + d.d1);
    std::vector<double> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = d.a + d.d1 * (1 + (r.dvr[i] - sumV) / r.vr) + d.t1 * (r.dtr[i] - sumT) / r.tr +
                 ax[i] - sumA - lnZ;
    return out;
}

std::optional<double> MixtureEos::dewPressure(double T) const {
    return saturationPressure(T, true, nullptr);
}

std::optional<double> MixtureEos::bubblePressure(double T) const {
    return saturationPressure(T, false, nullptr);
}

// Raoult's law with the components' vapour pressures gives the start.
std::optional<double> MixtureEos::saturationPressure(double T, bool dew,
                                                     std::vector<double>* incipient) const {
    const std::size_t n = comp_.size();
    std::vector<double> psat(n), K(n);
    double p = 0;
    for (std::size_t i = 0; i < n; ++i) {
        psat[i] = componentVapourPressure(comp_[i], T);
        p += dew ? z_[i] / psat[i] : z_[i] * psat[i];
    }
    p = dew ? 1 / p : p;
    for (std::size_t i = 0; i < n; ++i)
        K[i] = psat[i] / p;
    // Each phase's density of the last step starts the next one: the steps change
    // pressure and composition less and less.
    double last[2] = {0, 0};
    // A point a few kelvin away (the inversion of a line for a temperature, the next
    // point of a table) starts with its K factors, its pressure scaled as Raoult's
    // law scales, and its densities: half the steps.
    Start& start = start_[dew ? 1 : 0];
    const double pRaoult = p;
    if (start.T > 0 && std::fabs(T - start.T) < 5) {
        p = start.p * pRaoult / start.pRaoult;
        K = start.K;
        last[0] = start.rho[0];
        last[1] = start.rho[1];
    }
    const auto result =
        substitutionSaturation(z_, K, p, dew,
                               [&](double pressure, const std::vector<double>& x,
                                   Phase phase) -> std::optional<std::vector<double>> {
                                   double& guess = last[phase == Phase::Vapour ? 1 : 0];
                                   const auto rho = densityAt(T, pressure, x, phase, guess);
                                   if (!rho)
                                       return std::nullopt;
                                   guess = *rho;
                                   return lnFugacityCoefficients(T, *rho, x);
                               });
    if (!result)
        return std::nullopt;
    std::vector<double> other(n);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += other[i] = dew ? z_[i] / K[i] : z_[i] * K[i];
    for (double& v : other)
        v /= sum;
    // Two phases of one density are the trivial solution, not an equilibrium (an
    // azeotrope has K = 1 as well, but a liquid and a vapour).
    const auto rhoL = densityAt(T, *result, dew ? other : z_, Phase::Liquid, last[0]);
    const auto rhoV = densityAt(T, *result, dew ? z_ : other, Phase::Vapour, last[1]);
    if (!rhoL || !rhoV || *rhoL < 1.01 * *rhoV)
        return std::nullopt;
    start = Start{T, *result, pRaoult, K, {*rhoL, *rhoV}};
    if (incipient)
        *incipient = std::move(other);
    return result;
}

} // namespace drel::fluid
