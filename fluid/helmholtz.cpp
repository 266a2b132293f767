#include "fluid/helmholtz.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace drel::fluid {

namespace {

std::vector<double> numbers(const nlohmann::json& term, const char* key, std::size_t count,
                            double fallback) {
    if (!term.contains(key))
        return std::vector<double>(count, fallback);
    std::vector<double> v = term.at(key).get<std::vector<double>>();
    if (v.size() != count)
        throw std::runtime_error(std::string("term list '") + key + "' has the wrong length");
    return v;
}

} // namespace

ResidualHelmholtz ResidualHelmholtz::fromJson(const nlohmann::json& terms) {
    ResidualHelmholtz r;
    for (const nlohmann::json& term : terms) {
        const std::string type = term.at("type").get<std::string>();
        const std::size_t count = term.at("n").size();
        const auto n = numbers(term, "n", count, 0);
        const auto d = numbers(term, "d", count, 0);
        const auto t = numbers(term, "t", count, 0);
        if (type == "ResidualHelmholtzPower" || type == "ResidualHelmholtzExponential" ||
            type == "ResidualHelmholtzLemmon2005") {
            const auto l = numbers(term, "l", count, 0);
            const auto g = numbers(term, "g", count, 1);
            const auto m = numbers(term, "m", count, 0);
            for (std::size_t i = 0; i < count; ++i)
                r.polynomial_.push_back({n[i], d[i], t[i], l[i], l[i] > 0 ? g[i] : 0, m[i]});
        } else if (type == "ResidualHelmholtzGaussian" || type == "ResidualHelmholtzGaoB") {
            const bool gao = type == "ResidualHelmholtzGaoB";
            const auto eta = numbers(term, "eta", count, 0);
            const auto eps = numbers(term, "epsilon", count, 0);
            const auto beta = numbers(term, "beta", count, 0);
            const auto gamma = numbers(term, "gamma", count, 0);
            const auto b = numbers(term, "b", count, 0);
            for (std::size_t i = 0; i < count; ++i)
                r.bell_.push_back({n[i], d[i], t[i], eta[i], eps[i], beta[i], gamma[i], b[i], gao});
        } else if (type == "ResidualHelmholtzNonAnalytic") {
            const auto a = numbers(term, "a", count, 0);
            const auto b = numbers(term, "b", count, 0);
            const auto beta = numbers(term, "beta", count, 0);
            const auto A = numbers(term, "A", count, 0);
            const auto B = numbers(term, "B", count, 0);
            const auto C = numbers(term, "C", count, 0);
            const auto D = numbers(term, "D", count, 0);
            for (std::size_t i = 0; i < count; ++i)
                r.nonAnalytic_.push_back({n[i], a[i], b[i], beta[i], A[i], B[i], C[i], D[i]});
        } else {
            throw std::runtime_error("unknown residual term type " + type);
        }
    }
    return r;
}

// Each term is v = exp(L); with D1 = delta dL/d(delta) and D2 = delta^2 d2L/d(delta)^2
// the derivatives are delta v_delta = v D1 and delta^2 v_deltadelta = v (D1^2 + D2).
ResidualDerivs ResidualHelmholtz::evaluate(double tau, double delta) const {
    ResidualDerivs r;
    const double lnTau = std::log(tau);
    const double lnDelta = std::log(delta);
    for (const Polynomial& k : polynomial_) {
        const double dl = k.g != 0 ? k.g * std::exp(k.l * lnDelta) : 0;
        const double tm = k.m != 0 ? std::exp(k.m * lnTau) : 0;
        const double v = k.n * std::exp(k.d * lnDelta + k.t * lnTau - dl - tm);
        const double d1 = k.d - k.l * dl;
        const double d2 = -k.d - k.l * (k.l - 1) * dl;
        r.a += v;
        r.d1 += v * d1;
        r.d2 += v * (d1 * d1 + d2);
        r.t1 += v * (k.t - k.m * tm);
    }
    for (const Bell& k : bell_) {
        const double dd = delta - k.eps;
        const double dt = tau - k.gamma;
        double tauPart, t1;
        if (k.gao) {
            const double q = k.beta * dt * dt + k.b;
            tauPart = 1 / q;
            t1 = k.t - tau * 2 * k.beta * dt / (q * q);
        } else {
            tauPart = -k.beta * dt * dt;
            t1 = k.t - 2 * k.beta * tau * dt;
        }
        const double sign = k.gao ? 1 : -1;
        const double v =
            k.n * std::exp(k.d * lnDelta + k.t * lnTau + sign * k.eta * dd * dd + tauPart);
        const double d1 = k.d + sign * 2 * k.eta * delta * dd;
        const double d2 = -k.d + sign * 2 * k.eta * delta * delta;
        r.a += v;
        r.d1 += v * d1;
        r.d2 += v * (d1 * d1 + d2);
        r.t1 += v * t1;
    }
    for (const NonAnalytic& k : nonAnalytic_)
        addNonAnalytic(k, tau, delta, r);
    return r;
}

void ResidualHelmholtz::addNonAnalytic(const NonAnalytic& k, double tau, double delta,
                                       ResidualDerivs& r) {
    // The term is singular in its derivatives at delta = 1 exactly; a tiny shift is
    // far below any tolerance of the callers.
    if (delta == 1)
        delta = 1 + 1e-12;
    const double dm = delta - 1;
    const double dm2 = dm * dm;
    const double psi = std::exp(-k.C * dm2 - k.D * (tau - 1) * (tau - 1));
    const double psiD = -2 * k.C * dm * psi;
    const double psiDD = (2 * k.C * dm2 - 1) * 2 * k.C * psi;
    const double psiT = -2 * k.D * (tau - 1) * psi;
    // Three powers serve all derivatives: x^(e-1) = x^e / x.
    const double e = 1 / (2 * k.beta);
    const double P = std::pow(dm2, e);   // (delta-1)^(2e)
    const double Q = std::pow(dm2, k.a); // (delta-1)^(2a)
    const double theta = (1 - tau) + k.A * P;
    const double Delta = theta * theta + k.B * Q;
    const double P1 = P / dm2, P2 = P1 / dm2, Q1 = Q / dm2, Q2 = Q1 / dm2;
    const double DeltaD = dm * (k.A * theta * 2 / k.beta * P1 + 2 * k.B * k.a * Q1);
    const double DeltaDD = DeltaD / dm + dm2 * (4 * k.B * k.a * (k.a - 1) * Q2 +
                                                2 * k.A * k.A / (k.beta * k.beta) * P1 * P1 +
                                                k.A * theta * 4 / k.beta * (e - 1) * P2);
    const double Db = std::pow(Delta, k.b);
    const double Db1 = Db / Delta, Db2 = Db1 / Delta;
    const double DbD = k.b * Db1 * DeltaD;
    const double DbDD = k.b * (Db1 * DeltaDD + (k.b - 1) * Db2 * DeltaD * DeltaD);
    const double DbT = -2 * theta * k.b * Db1;
    const double phi = k.n * Db * delta * psi;
    const double phiD = k.n * (Db * (psi + delta * psiD) + DbD * delta * psi);
    const double phiDD = k.n * (Db * (2 * psiD + delta * psiDD) + 2 * DbD * (psi + delta * psiD) +
                                DbDD * delta * psi);
    const double phiT = k.n * delta * (DbT * psi + Db * psiT);
    r.a += phi;
    r.d1 += delta * phiD;
    r.d2 += delta * delta * phiDD;
    r.t1 += tau * phiT;
}

IdealGas IdealGas::fromJson(const nlohmann::json& parts) {
    IdealGas g;
    for (const nlohmann::json& p : parts) {
        Part part{p.at("weight").get<double>(),
                  p.at("T_r").get<double>(),
                  p.at("rhomolar_r").get<double>(),
                  {}};
        addPartTerms(p.at("terms"), part);
        g.parts_.push_back(std::move(part));
    }
    return g;
}

void IdealGas::addPartTerms(const nlohmann::json& terms, Part& part) {
    for (const nlohmann::json& term : terms) {
        const std::string type = term.at("type").get<std::string>();
        if (type == "IdealGasHelmholtzLead") {
            part.terms.push_back(
                {Kind::Lead, term.at("a1").get<double>(), term.at("a2").get<double>(), 0, 0});
        } else if (type == "IdealGasHelmholtzEnthalpyEntropyOffset") {
            part.terms.push_back(
                {Kind::Offset, term.at("a1").get<double>(), term.at("a2").get<double>(), 0, 0});
        } else if (type == "IdealGasHelmholtzLogTau") {
            part.terms.push_back({Kind::LogTau, term.at("a").get<double>(), 0, 0, 0});
        } else if (type == "IdealGasHelmholtzPower" || type == "IdealGasHelmholtzPlanckEinstein") {
            const Kind kind = type == "IdealGasHelmholtzPower" ? Kind::Power : Kind::PlanckEinstein;
            const auto n = term.at("n").get<std::vector<double>>();
            const auto t = term.at("t").get<std::vector<double>>();
            if (n.size() != t.size())
                throw std::runtime_error("ideal-gas term lists of unequal length");
            for (std::size_t i = 0; i < n.size(); ++i)
                part.terms.push_back({kind, n[i], t[i], 0, 0});
        } else if (type == "IdealGasHelmholtzCP0Constant") {
            part.terms.push_back({Kind::Cp0Constant, term.at("cp_over_R").get<double>(), 0,
                                  term.at("Tc").get<double>(), term.at("T0").get<double>()});
        } else if (type == "IdealGasHelmholtzCP0PolyT") {
            const auto c = term.at("c").get<std::vector<double>>();
            const auto t = term.at("t").get<std::vector<double>>();
            if (c.size() != t.size())
                throw std::runtime_error("ideal-gas term lists of unequal length");
            for (std::size_t i = 0; i < c.size(); ++i)
                part.terms.push_back({t[i] == 0 ? Kind::Cp0Constant : Kind::Cp0PolyT, c[i], t[i],
                                      term.at("Tc").get<double>(), term.at("T0").get<double>()});
        } else {
            throw std::runtime_error("unknown ideal-gas term type " + type);
        }
    }
}

IdealDerivs IdealGas::evaluatePart(const Part& part, double tau) {
    IdealDerivs r;
    for (const Term& k : part.terms) {
        switch (k.kind) {
        case Kind::Lead:
        case Kind::Offset:
            r.a += k.n + k.t * tau;
            r.t1 += k.t * tau;
            break;
        case Kind::LogTau:
            r.a += k.n * std::log(tau);
            r.t1 += k.n;
            break;
        case Kind::Power: {
            const double v = k.n * std::pow(tau, k.t);
            r.a += v;
            r.t1 += k.t * v;
            break;
        }
        case Kind::PlanckEinstein: {
            const double e = std::exp(-k.t * tau);
            r.a += k.n * std::log1p(-e);
            r.t1 += k.n * k.t * tau * e / (1 - e);
            break;
        }
        case Kind::Cp0Constant: { // cp0/R = c
            const double tau0 = k.tc / k.t0;
            r.a += k.n * (1 - tau / tau0 + std::log(tau / tau0));
            r.t1 += k.n * (1 - tau / tau0);
            break;
        }
        case Kind::Cp0PolyT: { // cp0/R = c T^t
            const double c = k.n, t = k.t, tc = k.tc, t0 = k.t0;
            const double tau0 = tc / t0;
            if (t == -1) {
                r.a += c * tau / tc * std::log(tau0 / tau) + c * (tau - tau0) / tc;
                r.t1 += c * tau / tc * std::log(tau0 / tau);
            } else {
                const double first = c * std::pow(tc, t) * std::pow(tau, -t);
                const double second = c * std::pow(t0, t + 1) * tau / (tc * (t + 1));
                r.a += -first / (t * (t + 1)) - second + c * std::pow(t0, t) / t;
                r.t1 += first / (t + 1) - second;
            }
            break;
        }
        }
    }
    return r;
}

IdealDerivs IdealGas::evaluate(double T, double rho) const {
    IdealDerivs r;
    for (const Part& part : parts_) {
        const IdealDerivs p = evaluatePart(part, part.tr / T);
        r.a += part.weight * (std::log(rho / part.rhor) + p.a);
        r.t1 += part.weight * p.t1;
    }
    return r;
}

Ancillary Ancillary::fromJson(const nlohmann::json& a) {
    Ancillary r;
    r.exponential_ = a.at("form").get<std::string>() != "noexp";
    r.usingTauR_ = a.at("using_tau_r").get<bool>();
    r.tr_ = a.at("T_r").get<double>();
    r.reducing_ = a.at("reducing_value").get<double>();
    r.tMin_ = a.at("T_min").get<double>();
    r.tMax_ = a.at("T_max").get<double>();
    r.n_ = a.at("n").get<std::vector<double>>();
    r.t_ = a.at("t").get<std::vector<double>>();
    if (r.n_.size() != r.t_.size())
        throw std::runtime_error("ancillary lists of unequal length");
    return r;
}

double Ancillary::operator()(double T) const {
    const double theta = std::max(0.0, 1 - T / tr_);
    double s = 0;
    for (std::size_t i = 0; i < n_.size(); ++i)
        s += n_[i] * std::pow(theta, t_[i]);
    if (!exponential_)
        return reducing_ * (1 + s);
    return reducing_ * std::exp(usingTauR_ ? tr_ / T * s : s);
}

double Ancillary::inverse(double value) const {
    // Bisection in ln(value) over 1/T keeps it robust; the callers refine the result.
    double lo = tMin_, hi = std::min(tMax_, tr_);
    double flo = std::log((*this)(lo) / value), fhi = std::log((*this)(hi) / value);
    if (!(flo * fhi <= 0))
        return std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < 200 && hi - lo > 1e-10 * hi; ++i) {
        // Regula falsi in 1/T with an Illinois step guards against slow ends.
        const double xlo = 1 / lo, xhi = 1 / hi;
        const double x = xhi - fhi * (xlo - xhi) / (flo - fhi);
        const double mid = 1 / x;
        const double f = std::log((*this)(mid) / value);
        if (f == 0)
            return mid;
        if ((f < 0) == (flo < 0)) {
            lo = mid;
            flo = f;
            fhi /= 2;
        } else {
            hi = mid;
            fhi = f;
            flo /= 2;
        }
    }
    return 0.5 * (lo + hi);
}

} // namespace drel::fluid
