#include "fluid/cubic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace drel::fluid {

namespace {

const double kSqrt2 = std::numbers::sqrt2;

// Real roots of z^3 + c2 z^2 + c1 z + c0, ascending.
std::vector<double> cubicRoots(double c2, double c1, double c0) {
    const double q = (3 * c1 - c2 * c2) / 9;
    const double r = (9 * c2 * c1 - 27 * c0 - 2 * c2 * c2 * c2) / 54;
    const double disc = q * q * q + r * r;
    if (disc > 0) {
        const double s = std::cbrt(r + std::sqrt(disc));
        const double t = std::cbrt(r - std::sqrt(disc));
        return {s + t - c2 / 3};
    }
    const double th = std::acos(std::clamp(r / std::sqrt(-q * q * q), -1.0, 1.0));
    const double m = 2 * std::sqrt(-q);
    std::vector<double> z;
    for (int k = 0; k < 3; ++k)
        z.push_back(m * std::cos((th + 2 * k * std::numbers::pi) / 3) - c2 / 3);
    std::sort(z.begin(), z.end());
    return z;
}

} // namespace

PengRobinsonEos::PengRobinsonEos(std::vector<CubicComponent> components, double kij,
                                 double gasConstant, double molarMass, IdealGas idealGas,
                                 double tcMix)
    : Eos(gasConstant, molarMass, std::move(idealGas)), comp_(std::move(components)), kij_(kij),
      tcMix_(tcMix) {
    bMix_ = 0;
    for (const CubicComponent& c : comp_) {
        z_.push_back(c.x);
        bMix_ += c.x * 0.07780 * gasConstant * c.tc / c.pc;
    }
}

std::vector<double> PengRobinsonEos::ai(double T, std::vector<double>* dai) const {
    std::vector<double> a;
    const double R = gasConstant();
    for (const CubicComponent& c : comp_) {
        const double kappa = 0.37464 + 1.54226 * c.omega - 0.26992 * c.omega * c.omega;
        const double ac = 0.45724 * R * R * c.tc * c.tc / c.pc;
        const double s = 1 + kappa * (1 - std::sqrt(T / c.tc));
        a.push_back(ac * s * s);
        if (dai)
            dai->push_back(-ac * kappa * s / std::sqrt(T * c.tc));
    }
    return a;
}

PengRobinsonEos::Mix PengRobinsonEos::mix(double T, const std::vector<double>& x) const {
    std::vector<double> da;
    const std::vector<double> a = ai(T, &da);
    Mix m{0, 0, 0, std::vector<double>(x.size(), 0)};
    const double R = gasConstant();
    for (std::size_t i = 0; i < x.size(); ++i) {
        m.b += x[i] * 0.07780 * R * comp_[i].tc / comp_[i].pc;
        for (std::size_t j = 0; j < x.size(); ++j) {
            const double k = i == j ? 0 : kij_;
            const double aij = std::sqrt(a[i] * a[j]) * (1 - k);
            const double daij =
                (1 - k) * (da[i] * a[j] + a[i] * da[j]) / (2 * std::sqrt(a[i] * a[j]));
            m.a += x[i] * x[j] * aij;
            m.da += x[i] * x[j] * daij;
            m.aSum[i] += x[j] * aij;
        }
    }
    return m;
}

// alpha_r = -ln(1 - b rho) - a/(b R T) F, F = ln[(1+(1+sqrt2) b rho)/(1+(1-sqrt2) b rho)]/(2
// sqrt2).
ResidualDerivs PengRobinsonEos::residual(double T, double rho) const {
    const Mix m = mix(T, z_);
    const double R = gasConstant();
    const double br = m.b * rho;
    const double F = std::log((1 + (1 + kSqrt2) * br) / (1 + (1 - kSqrt2) * br)) / (2 * kSqrt2);
    const double D = 1 + 2 * br - br * br;
    const double rhoF1 = br / D;                                  // rho dF/drho
    const double rho2F2 = -br * (2 * br - 2 * br * br) / (D * D); // rho^2 d2F/drho2
    const double q = m.a / (m.b * R * T);
    ResidualDerivs r;
    r.a = -std::log(1 - br) - q * F;
    r.d1 = br / (1 - br) - q * rhoF1;
    r.d2 = br * br / ((1 - br) * (1 - br)) - q * rho2F2;
    r.t1 = F * (m.da * T - m.a) / (m.b * R * T);
    return r;
}

double PengRobinsonEos::maxDensity() const {
    return 0.999 / bMix_;
}

// The critical volume of Peng-Robinson is about 3.95 b; its inverse separates the
// branches well enough for bracketing.
double PengRobinsonEos::criticalDensity() const {
    return 1 / (3.95 * bMix_);
}

std::optional<std::vector<double>> PengRobinsonEos::lnPhi(double T, double p,
                                                          const std::vector<double>& x, Phase phase,
                                                          bool* single) const {
    const Mix m = mix(T, x);
    const double rt = gasConstant() * T;
    const double A = m.a * p / (rt * rt);
    const double B = m.b * p / rt;
    std::vector<double> roots =
        cubicRoots(-(1 - B), A - 3 * B * B - 2 * B, -(A * B - B * B - B * B * B));
    roots.erase(std::remove_if(roots.begin(), roots.end(), [B](double z) { return z <= B; }),
                roots.end());
    if (roots.empty())
        return std::nullopt;
    if (single)
        *single = roots.size() == 1;
    const double Z = phase == Phase::Liquid ? roots.front() : roots.back();
    const double L = std::log((Z + (1 + kSqrt2) * B) / (Z + (1 - kSqrt2) * B));
    const double R = gasConstant();
    std::vector<double> out;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double bi = 0.07780 * R * comp_[i].tc / comp_[i].pc;
        out.push_back(bi / m.b * (Z - 1) - std::log(Z - B) -
                      A / (2 * kSqrt2 * B) * (2 * m.aSum[i] / m.a - bi / m.b) * L);
    }
    return out;
}

// Close to the critical point Wilson's estimate can fall where the cubic has one
// root only, and the iteration would settle on the trivial solution. The nearest
// pressure with a liquid and a vapour root is the better start.
double PengRobinsonEos::threeRootPressure(double T, double p) const {
    for (int k = 0; k <= 60; ++k) {
        for (const double sign : {1.0, -1.0}) {
            const double trial = p * (1 + sign * 0.01 * k);
            bool single = true;
            if (trial > 0 && lnPhi(T, trial, z_, Phase::Liquid, &single) && !single)
                return trial;
        }
    }
    return p;
}

std::optional<double> PengRobinsonEos::dewPressure(double T) const {
    return saturationPressure(T, true);
}

std::optional<double> PengRobinsonEos::bubblePressure(double T) const {
    return saturationPressure(T, false);
}

// The incipient phase's composition follows from the K factors; the pressure is
// corrected until its mole fractions sum to one. Wilson's K values start it.
std::optional<double> PengRobinsonEos::saturationPressure(double T, bool dew) const {
    const std::size_t n = comp_.size();
    std::vector<double> psat(n);
    double p = 0;
    for (std::size_t i = 0; i < n; ++i) {
        psat[i] = comp_[i].pc * std::exp(5.373 * (1 + comp_[i].omega) * (1 - comp_[i].tc / T));
        p += dew ? z_[i] / psat[i] : z_[i] * psat[i];
    }
    p = dew ? 1 / p : p;
    p = threeRootPressure(T, p);
    std::vector<double> K(n);
    for (std::size_t i = 0; i < n; ++i)
        K[i] = psat[i] / p;
    bool oneRoot[2] = {false, false};
    const auto result = substitutionSaturation(
        z_, K, p, dew, [&](double pressure, const std::vector<double>& x, Phase phase) {
            return lnPhi(T, pressure, x, phase, &oneRoot[phase == Phase::Vapour ? 1 : 0]);
        });
    // With a single cubic root both phases are the same fluid: no equilibrium.
    if (oneRoot[0] || oneRoot[1])
        return std::nullopt;
    return result;
}

} // namespace drel::fluid
