// Terms of a multiparameter Helmholtz-energy equation of state and the
// correlations that give its starting values.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <vector>

namespace drel::fluid {

// Reduced residual Helmholtz energy and the derivatives the property formulas need:
// a = alpha_r, d1 = delta * d(alpha_r)/d(delta), d2 = delta^2 * d2(alpha_r)/d(delta)^2,
// t1 = tau * d(alpha_r)/d(tau).
struct ResidualDerivs {
    double a = 0, d1 = 0, d2 = 0, t1 = 0;
};

// Reduced ideal-gas Helmholtz energy a = alpha_0 and t1 = -T * d(alpha_0)/dT.
struct IdealDerivs {
    double a = 0, t1 = 0;
};

// Sum of the residual terms in tau = T_r / T and delta = rho / rho_r.
// Throws std::runtime_error on a term type it does not know.
class ResidualHelmholtz {
public:
    static ResidualHelmholtz fromJson(const nlohmann::json& terms);
    ResidualDerivs evaluate(double tau, double delta) const;

private:
    // n delta^d tau^t exp(-g delta^l - tau^m): power, exponential and Lemmon 2005 terms.
    struct Polynomial {
        double n, d, t, l, g, m;
    };
    // n delta^d tau^t exp(sign * eta (delta - eps)^2 + tauPart): Gaussian and Gao B terms.
    struct Bell {
        double n, d, t, eta, eps, beta, gamma, b;
        bool gao;
    };
    // Non-analytic critical-region term of IAPWS-95 and the carbon dioxide equation.
    struct NonAnalytic {
        double n, a, b, beta, A, B, C, D;
    };
    static void addNonAnalytic(const NonAnalytic& k, double tau, double delta, ResidualDerivs& r);

    std::vector<Polynomial> polynomial_;
    std::vector<Bell> bell_;
    std::vector<NonAnalytic> nonAnalytic_;
};

// Ideal-gas part: a weighted sum of parts, each with its own reducing state, so
// that the ideal gas of a blend can be composed of its components' equations.
class IdealGas {
public:
    static IdealGas fromJson(const nlohmann::json& parts);
    IdealDerivs evaluate(double T, double rho) const;

private:
    enum class Kind { Lead, LogTau, Power, PlanckEinstein, Cp0Constant, Cp0PolyT, Offset };
    struct Term {
        Kind kind;
        double n, t, tc, t0; // meaning per kind, see evaluate
    };
    struct Part {
        double weight, tr, rhor;
        std::vector<Term> terms;
    };
    static void addPartTerms(const nlohmann::json& terms, Part& part);
    static IdealDerivs evaluatePart(const Part& part, double tau);

    std::vector<Part> parts_;
};

// Saturation correlation: value = reducing * exp((T_r/T) * sum n theta^t) ("exp",
// the factor T_r/T only when usingTauR) or reducing * (1 + sum n theta^t) ("noexp"),
// theta = 1 - T/T_r.
class Ancillary {
public:
    static Ancillary fromJson(const nlohmann::json& a);
    double operator()(double T) const;
    // Temperature where the (monotonic) correlation reaches the value; NaN outside.
    double inverse(double value) const;
    double tMin() const { return tMin_; }
    double tMax() const { return tMax_; }

private:
    bool exponential_ = true;
    bool usingTauR_ = true;
    double tr_ = 0, reducing_ = 0, tMin_ = 0, tMax_ = 0;
    std::vector<double> n_, t_;
};

} // namespace drel::fluid
