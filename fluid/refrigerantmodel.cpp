#include "fluid/refrigerantmodel.h"

#include "base/dateischreiben.h"
#include "fluid/cubic.h"
#include "fluid/fluidfilecheck.h"
#include "fluid/mixture.h"

#include <QFile>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <numbers>
#include <stdexcept>

namespace drel::fluid {

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kT0 = 273.15; // reference state of the enthalpy: saturated liquid at 0 degC

// Multiparameter Helmholtz equation in tau = T_r/T, delta = rho/rho_r.
class HelmholtzEos : public Eos {
public:
    HelmholtzEos(ResidualHelmholtz residual, IdealGas ideal, double gasConstant, double molarMass,
                 double tr, double rhor, double tc, double rhoc)
        : Eos(gasConstant, molarMass, std::move(ideal)), residual_(std::move(residual)), tr_(tr),
          rhor_(rhor), tc_(tc), rhoc_(rhoc) {}
    ResidualDerivs residual(double T, double rho) const override {
        return residual_.evaluate(tr_ / T, rho / rhor_);
    }
    double maxDensity() const override { return 6 * rhoc_; }
    double criticalDensity() const override { return rhoc_; }
    double criticalTemperature() const override { return tc_; }

private:
    ResidualHelmholtz residual_;
    double tr_, rhor_, tc_, rhoc_;
};

// Pure fluid: saturation from the equality of pressure and Gibbs energy.
class PureFluid : public RefrigerantModel {
public:
    PureFluid(std::unique_ptr<Eos> eos, double tMin, double tMax, double pMax, double pc,
              Ancillary pSat, Ancillary rhoL, Ancillary rhoV)
        : RefrigerantModel(std::move(eos), QStringLiteral("helmholtz"), tMin, tMax, pMax), pc_(pc),
          pSat_(std::move(pSat)), rhoL_(std::move(rhoL)), rhoV_(std::move(rhoV)) {}

    double dewPressure(double T) const override {
        const auto s = saturation(T);
        return s ? s->p : kNaN;
    }
    double bubblePressure(double T) const override { return dewPressure(T); }
    double bubbleTemperature(double p) const override {
        const double tc = criticalTemperature();
        if (!(p > 0) || p > pc_)
            return kNaN;
        const double guess = pSat_.inverse(p);
        return invertPressureCurve([this](double T) { return dewPressure(T); }, p, tMin_, tc - 1e-3,
                                   std::isnan(guess) ? 0 : guess);
    }
    double dewTemperature(double p) const override { return bubbleTemperature(p); }

protected:
    std::optional<double> saturatedLiquidDensity(double T) const override {
        const auto s = saturation(T);
        return s ? std::optional<double>(s->rhoL) : std::nullopt;
    }
    double vapourGuess(double T, double p) const override {
        // Close to the dew line the ancillary vapour density is the better start.
        if (T < criticalTemperature() && p > 0.5 * pSat_(T))
            return std::min(rhoV_(T), p / (eos_->gasConstant() * T));
        return 0;
    }

private:
    std::optional<SaturatedPair> saturation(double T) const {
        // The reference state of water lies 0.01 K below its triple point.
        const double tc = criticalTemperature();
        if (!(T >= tMin_ - 0.02 && T <= tc))
            return std::nullopt;
        if (tc - T < 1e-4) {
            const double rc = eos_->criticalDensity();
            return SaturatedPair{pc_, rc, rc};
        }
        if (auto s = maxwellSaturation(*eos_, T, rhoL_(T), rhoV_(T)))
            return s;
        // Outside the fitted range of the density correlations (R114 below 0 degC)
        // the equation's own roots at the correlated pressure are the better start.
        const double p = pSat_(T);
        const auto rhoL = eos_->density(T, p, Phase::Liquid);
        const auto rhoV = eos_->density(T, p, Phase::Vapour);
        if (rhoL && rhoV) {
            if (auto s = maxwellSaturation(*eos_, T, *rhoL, *rhoV))
                return s;
        }
        // Within half a kelvin of the critical point the equilibrium is too flat for
        // Newton steps; the correlations are accurate there and stand in.
        if (tc - T < 0.5)
            return SaturatedPair{p, rhoL_(T), rhoV_(T)};
        return std::nullopt;
    }

    double pc_;
    Ancillary pSat_, rhoL_, rhoV_;
};

// Blend as one fluid: bubble and dew pressure from its correlations, the states on
// the bubble and dew lines from the equation at those pressures.
class PseudoPureFluid : public RefrigerantModel {
public:
    PseudoPureFluid(std::unique_ptr<Eos> eos, double tMin, double tMax, double pMax, double tSatMax,
                    Ancillary pL, Ancillary pV, Ancillary rhoL, Ancillary rhoV)
        : RefrigerantModel(std::move(eos), QStringLiteral("helmholtz-pseudo-pure"), tMin, tMax,
                           pMax),
          tSatMax_(tSatMax), pL_(std::move(pL)), pV_(std::move(pV)), rhoL_(std::move(rhoL)),
          rhoV_(std::move(rhoV)) {}

    double dewPressure(double T) const override { return onLine(T) ? pV_(T) : kNaN; }
    double bubblePressure(double T) const override { return onLine(T) ? pL_(T) : kNaN; }
    double bubbleTemperature(double p) const override { return lineTemperature(pL_, p); }
    double dewTemperature(double p) const override { return lineTemperature(pV_, p); }

protected:
    std::optional<double> saturatedLiquidDensity(double T) const override {
        if (!onLine(T))
            return std::nullopt;
        return eos_->density(T, pL_(T), Phase::Liquid, rhoL_(T));
    }
    double vapourGuess(double T, double p) const override {
        if (onLine(T) && p > 0.5 * pV_(T))
            return std::min(rhoV_(T), p / (eos_->gasConstant() * T));
        return 0;
    }

private:
    bool onLine(double T) const { return T >= tMin_ - 0.02 && T <= tSatMax_; }
    double lineTemperature(const Ancillary& line, double p) const {
        if (!(p > 0))
            return kNaN;
        const double T = line.inverse(p);
        return onLine(T) ? T : kNaN;
    }

    double tSatMax_;
    Ancillary pL_, pV_, rhoL_, rhoV_;
};

// ln p of a saturation line as a Chebyshev series in 1/T, fitted when the file is
// loaded to the phase equilibrium at its nodes: a multi-fluid blend needs about a
// millisecond for one bubble or dew point, the series a fraction of a microsecond,
// within 1e-9 of the equilibrium.
class LineTable {
public:
    template <typename F> static std::optional<LineTable> fit(F line, double tLo, double tHi) {
        constexpr int n = 48;
        LineTable t;
        t.uLo_ = 1 / tHi;
        t.uHi_ = 1 / tLo;
        std::vector<double> f(n);
        // From the cold end up, so that each equilibrium starts from its neighbour.
        for (int k = 0; k < n; ++k) {
            const double x = std::cos(std::numbers::pi * (k + 0.5) / n);
            const auto p = line(1 / t.u(x));
            if (!p || !(*p > 0))
                return std::nullopt;
            f[static_cast<std::size_t>(k)] = std::log(*p);
        }
        t.c_.assign(n, 0);
        for (int j = 0; j < n; ++j) {
            double sum = 0;
            for (int k = 0; k < n; ++k)
                sum +=
                    f[static_cast<std::size_t>(k)] * std::cos(std::numbers::pi * j * (k + 0.5) / n);
            t.c_[static_cast<std::size_t>(j)] = 2.0 / n * sum;
        }
        t.c_[0] /= 2;
        return t;
    }
    bool covers(double T) const { return 1 / T >= uLo_ && 1 / T <= uHi_; }
    double operator()(double T) const {
        const double x = (2 / T - uLo_ - uHi_) / (uHi_ - uLo_);
        double b1 = 0, b2 = 0; // Clenshaw
        for (std::size_t j = c_.size() - 1; j > 0; --j) {
            const double b0 = 2 * x * b1 - b2 + c_[j];
            b2 = b1;
            b1 = b0;
        }
        return std::exp(x * b1 - b2 + c_[0]);
    }

private:
    double u(double x) const { return 0.5 * (uLo_ + uHi_) + 0.5 * (uHi_ - uLo_) * x; }
    double uLo_ = 0, uHi_ = 0;
    std::vector<double> c_;
};

// Cubic and multi-fluid blends: bubble and dew points from the phase equilibrium
// of the mixture.
class EquilibriumFluid : public RefrigerantModel {
public:
    template <typename E>
    EquilibriumFluid(std::unique_ptr<E> eos, QString model, double tMin, double tMax, double pMax,
                     std::optional<double> tSatMax = std::nullopt, bool tabelliert = false)
        : RefrigerantModel(nullptr, std::move(model), tMin, tMax, pMax), pr_(eos.get()) {
        eos_ = std::move(eos);
        tSatMax_ = tSatMax ? *tSatMax : findSaturationLimit();
        tabelliert_ = tabelliert;
    }

    double criticalTemperature() const override { return tSatMax_; }

    double dewPressure(double T) const override {
        if (!onLine(T))
            return kNaN;
        if (const LineTable* t = tabelle(true); t && t->covers(T))
            return (*t)(T);
        return pr_->dewPressure(T).value_or(kNaN);
    }
    double bubblePressure(double T) const override {
        if (!onLine(T))
            return kNaN;
        if (const LineTable* t = tabelle(false); t && t->covers(T))
            return (*t)(T);
        return pr_->bubblePressure(T).value_or(kNaN);
    }
    double bubbleTemperature(double p) const override {
        return invertLine([this](double T) { return bubblePressure(T); }, p);
    }
    double dewTemperature(double p) const override {
        return invertLine([this](double T) { return dewPressure(T); }, p);
    }

protected:
    std::optional<double> saturatedLiquidDensity(double T) const override {
        const double p = bubblePressure(T);
        if (std::isnan(p))
            return std::nullopt;
        return eos_->density(T, p, Phase::Liquid);
    }

private:
    bool onLine(double T) const { return T >= tMin_ && T < tSatMax_; }
    bool equilibriumExists(double T) const {
        return pr_->dewPressure(T).has_value() && pr_->bubblePressure(T).has_value();
    }
    // The mixture's critical point is not known in advance; the highest temperature
    // where the phase equilibrium still exists, a little lowered, ends both lines.
    double findSaturationLimit() const {
        double lo = 0.6 * eos_->criticalTemperature(), hi = eos_->criticalTemperature();
        if (equilibriumExists(hi))
            return hi;
        for (int i = 0; i < 30 && hi - lo > 0.01; ++i) {
            const double mid = 0.5 * (lo + hi);
            (equilibriumExists(mid) ? lo : hi) = mid;
        }
        return lo - 0.5;
    }
    template <typename F> double invertLine(F line, double p) const {
        if (!(p > 0))
            return kNaN;
        // A Clausius-Clapeyron line through two points gives the start.
        const double t1 = 0.7 * criticalTemperature(), t2 = 0.9 * criticalTemperature();
        const double p1 = line(t1), p2 = line(t2);
        double guess = 0;
        if (p1 > 0 && p2 > 0) {
            const double slope = std::log(p2 / p1) / (1 / t2 - 1 / t1);
            guess = 1 / (1 / t1 + std::log(p / p1) / slope);
        }
        return invertPressureCurve(line, p, tMin_, criticalTemperature() * (1 - 1e-3), guess);
    }

    // The series of the dew or bubble line, fitted on first use (a blend that is
    // loaded only to be checked does not pay for it); null where it cannot be fitted.
    const LineTable* tabelle(bool dew) const {
        if (!tabelliert_)
            return nullptr;
        Tabelle& t = tabellen_[dew ? 1 : 0];
        if (!t.versucht) {
            t.versucht = true;
            // The last kelvin below the end of the lines stays with the equilibrium.
            t.linie = LineTable::fit(
                [this, dew](double T) {
                    return dew ? pr_->dewPressure(T) : pr_->bubblePressure(T);
                },
                tMin_, tSatMax_ - 1);
        }
        return t.linie ? &*t.linie : nullptr;
    }

    const PhaseEquilibrium* pr_;
    double tSatMax_ = 0;
    bool tabelliert_ = false;
    struct Tabelle {
        bool versucht = false;
        std::optional<LineTable> linie;
    };
    mutable Tabelle tabellen_[2]; // bubble, dew
};

Ancillary ancillary(const nlohmann::json& file, const char* key) {
    return Ancillary::fromJson(file.at("ancillaries").at(key));
}

std::unique_ptr<RefrigerantModel> helmholtzModel(const nlohmann::json& f, bool pseudoPure) {
    const double R = f.at("gas_constant").get<double>();
    const double M = f.at("molar_mass").get<double>();
    const auto& crit = f.at("critical");
    const auto& red = f.at("reducing");
    auto eos = std::make_unique<HelmholtzEos>(
        ResidualHelmholtz::fromJson(f.at("residual")), IdealGas::fromJson(f.at("ideal_gas")), R, M,
        red.at("T").get<double>(), red.at("rhomolar").get<double>(), crit.at("T").get<double>(),
        crit.at("rhomolar").get<double>());
    const double tMin = f.at("T_min").get<double>();
    const double tMax = f.at("T_max").get<double>();
    const double pMax = f.at("p_max").get<double>();
    if (pseudoPure) {
        const double tSatMax = f.value("T_sat_max", crit.at("T").get<double>());
        return std::make_unique<PseudoPureFluid>(
            std::move(eos), tMin, tMax, pMax, tSatMax, ancillary(f, "p_bubble"),
            ancillary(f, "p_dew"), ancillary(f, "rho_liquid"), ancillary(f, "rho_vapour"));
    }
    return std::make_unique<PureFluid>(std::move(eos), tMin, tMax, pMax, crit.at("p").get<double>(),
                                       ancillary(f, "p_sat"), ancillary(f, "rho_liquid"),
                                       ancillary(f, "rho_vapour"));
}

std::unique_ptr<RefrigerantModel> cubicModel(const nlohmann::json& f) {
    std::vector<CubicComponent> comps;
    for (const auto& c : f.at("components"))
        comps.push_back({c.at("T_c").get<double>(), c.at("p_c").get<double>(),
                         c.at("omega").get<double>(), c.at("x").get<double>()});
    auto eos = std::make_unique<PengRobinsonEos>(
        std::move(comps), f.value("k_ij", 0.0), f.at("gas_constant").get<double>(),
        f.at("molar_mass").get<double>(), IdealGas::fromJson(f.at("ideal_gas")),
        f.at("critical").at("T").get<double>());
    return std::make_unique<EquilibriumFluid>(
        std::move(eos), QStringLiteral("peng-robinson"), f.at("T_min").get<double>(),
        f.at("T_max").get<double>(), f.at("p_max").get<double>());
}

std::unique_ptr<RefrigerantModel> mixtureModel(const nlohmann::json& f) {
    std::vector<MixtureComponent> comps;
    for (const auto& c : f.at("components")) {
        std::optional<Ancillary> pSat;
        if (c.contains("p_sat"))
            pSat = Ancillary::fromJson(c.at("p_sat"));
        comps.push_back({c.at("x").get<double>(), c.at("T_r").get<double>(),
                         c.at("rhomolar_r").get<double>(), c.at("T_c").get<double>(),
                         c.at("p_c").get<double>(), c.at("omega").get<double>(),
                         ResidualHelmholtz::fromJson(c.at("residual")), std::move(pSat)});
    }
    std::vector<MixturePair> pairs;
    for (const auto& p : f.at("pairs")) {
        const std::size_t i = p.at("i").get<std::size_t>(), j = p.at("j").get<std::size_t>();
        if (!(i < j && j < comps.size()))
            throw std::runtime_error("pair of components out of order");
        std::optional<ResidualHelmholtz> departure;
        if (p.contains("departure"))
            departure = ResidualHelmholtz::fromJson(p.at("departure"));
        pairs.push_back({i, j, p.at("betaT").get<double>(), p.at("gammaT").get<double>(),
                         p.at("betaV").get<double>(), p.at("gammaV").get<double>(),
                         p.value("F", 0.0), std::move(departure)});
    }
    auto eos = std::make_unique<MixtureEos>(
        std::move(comps), std::move(pairs), f.at("gas_constant").get<double>(),
        f.at("molar_mass").get<double>(), IdealGas::fromJson(f.at("ideal_gas")));
    return std::make_unique<EquilibriumFluid>(
        std::move(eos), QStringLiteral("helmholtz-mixture"), f.at("T_min").get<double>(),
        f.at("T_max").get<double>(), f.at("p_max").get<double>(),
        // The search for the end of the lines costs a second for a blend of five;
        // the converter's check tool has done it once and stored the result.
        f.contains("T_sat_max") ? std::optional<double>(f.at("T_sat_max").get<double>())
                                : std::nullopt,
        true);
}

} // namespace

RefrigerantModel::RefrigerantModel(std::unique_ptr<Eos> eos, QString model, double tMin,
                                   double tMax, double pMax)
    : eos_(std::move(eos)), model_(std::move(model)), tMin_(tMin), tMax_(tMax), pMax_(pMax) {}

double RefrigerantModel::enthalpyAt(double T, double rho) const {
    return (eos_->enthalpy(T, rho) + hOffset_) / eos_->molarMass();
}

double RefrigerantModel::entropyAt(double T, double rho) const {
    return (eos_->entropy(T, rho) + sOffset_) / eos_->molarMass();
}

double RefrigerantModel::liquidEnthalpy(double T) const {
    if (!inRange(T))
        return kNaN;
    const auto rho = saturatedLiquidDensity(T);
    return rho ? enthalpyAt(T, *rho) : kNaN;
}

double RefrigerantModel::liquidVolume(double T) const {
    if (!inRange(T))
        return kNaN;
    const auto rho = saturatedLiquidDensity(T);
    return rho ? 1 / (*rho * eos_->molarMass()) : kNaN;
}

// The vapour root where one exists (also slightly inside the wet region, where the
// rating rounds onto the dew line); otherwise the state is liquid.
static std::optional<double> vapourLikeDensity(const Eos& eos, double T, double p, double guess) {
    if (auto rho = eos.density(T, p, Phase::Vapour, guess))
        return rho;
    return eos.density(T, p, Phase::Liquid);
}

double RefrigerantModel::vapourEnthalpy(double T, double p) const {
    if (!inRange(T) || !(p > 0 && p <= pMax_))
        return kNaN;
    const auto rho = vapourLikeDensity(*eos_, T, p, vapourGuess(T, p));
    return rho ? enthalpyAt(T, *rho) : kNaN;
}

double RefrigerantModel::vapourVolume(double T, double p) const {
    if (!inRange(T) || !(p > 0 && p <= pMax_))
        return kNaN;
    const auto rho = vapourLikeDensity(*eos_, T, p, vapourGuess(T, p));
    return rho ? 1 / (*rho * eos_->molarMass()) : kNaN;
}

void RefrigerantModel::useIirReference() {
    hOffset_ = sOffset_ = 0;
    const auto rho = saturatedLiquidDensity(kT0);
    if (!rho)
        throw std::runtime_error("no saturated liquid at 0 degC for the reference state");
    const double M = eos_->molarMass();
    hOffset_ = 200e3 * M - eos_->enthalpy(kT0, *rho);
    sOffset_ = 1e3 * M - eos_->entropy(kT0, *rho);
}

namespace {

// Model of a parsed file whose members have passed their checks.
std::unique_ptr<RefrigerantModel> buildModel(const nlohmann::json& f, const std::string& model,
                                             QString* error, bool checked) {
    std::unique_ptr<RefrigerantModel> m;
    try {
        if (model == "peng-robinson")
            m = cubicModel(f);
        else if (model == "helmholtz-mixture")
            m = mixtureModel(f);
        else
            m = helmholtzModel(f, model == "helmholtz-pseudo-pure");
    } catch (const std::exception& e) {
        *error = QStringLiteral("Gleichung nicht lesbar (%1)").arg(QString::fromUtf8(e.what()));
        return nullptr;
    }
    const auto reference = f.find("reference");
    if (reference != f.end() && *reference == "IIR") {
        try {
            m->useIirReference();
        } catch (const std::exception&) {
            *error = QStringLiteral("Bezugszustand bei 0 °C nicht berechenbar");
            return nullptr;
        }
    }
    *error = checked ? checkSaturationPoint(*m, f) : QString();
    return error->isEmpty() ? std::move(m) : nullptr;
}

} // namespace

std::unique_ptr<RefrigerantModel> loadParsed(const nlohmann::json& f, QString* error,
                                             bool checked) {
    if (f.is_discarded()) {
        *error = QStringLiteral("kein gültiges JSON");
        return nullptr;
    }
    const auto format = f.is_object() ? f.find("format") : f.end();
    if (!f.is_object() || format == f.end() || *format != "drel-fluid") {
        *error = QStringLiteral("keine Stoffdatei (Eintrag format fehlt oder falsch)");
        return nullptr;
    }
    const auto model = f.find("model");
    const std::string name =
        model != f.end() && model->is_string() ? model->get<std::string>() : std::string();
    if (name != "helmholtz" && name != "helmholtz-pseudo-pure" && name != "peng-robinson" &&
        name != "helmholtz-mixture") {
        *error = QStringLiteral("Eintrag model: unbekanntes Modell");
        return nullptr;
    }
    *error = checked ? checkFluidMembers(f) : QString();
    if (!error->isEmpty())
        return nullptr;
    try {
        std::unique_ptr<RefrigerantModel> m = buildModel(f, name, error, checked);
        if (m) {
            // The cubic files name no equation: theirs is the one of Peng and Robinson,
            // Ind. Eng. Chem. Fundam. 15 (1976) 59-64.
            const auto gleichung = f.find("equation");
            m->equation_ = gleichung != f.end() && gleichung->is_string()
                               ? QString::fromStdString(gleichung->get<std::string>())
                               : QStringLiteral("PengRobinson-IECF-1976");
            const auto bezug = f.find("reference");
            if (bezug != f.end() && bezug->is_string())
                m->referenceState_ = QString::fromStdString(bezug->get<std::string>());
            const auto klasse = f.find("safety_class");
            if (klasse != f.end() && klasse->is_string())
                m->safetyClass_ = QString::fromStdString(klasse->get<std::string>());
            const auto gwp = f.find("gwp");
            if (gwp != f.end() && gwp->is_object()) {
                const auto zahl = [&](const char* key) {
                    const auto v = gwp->find(key);
                    return v != gwp->end() && v->is_number()
                               ? v->get<double>()
                               : std::numeric_limits<double>::quiet_NaN();
                };
                m->gwpAr4_ = zahl("AR4");
                m->gwpAr5_ = zahl("AR5");
                m->gwpSource_ = QString::fromStdString(gwp->value("source", std::string()));
            }
        }
        return m;
    } catch (const std::exception& e) {
        // A member the checks above do not cover has the wrong type.
        *error = QStringLiteral("nicht lesbar (%1)").arg(QString::fromUtf8(e.what()));
        return nullptr;
    }
}

std::unique_ptr<RefrigerantModel> loadFluidData(const QByteArray& bytes, QString* error) {
    return loadParsed(nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false), error,
                      true);
}

std::unique_ptr<RefrigerantModel> loadFluidDataUnchecked(const QByteArray& bytes, QString* error) {
    return loadParsed(nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false), error,
                      false);
}

std::unique_ptr<RefrigerantModel> loadFluidFile(const QString& path, QString* error) {
    // The largest fluid file has a few kilobytes; a FIFO or device is not read at all.
    QString grund;
    const std::optional<QByteArray> inhalt = einstellungsDateiLesen(path, 4 << 20, &grund);
    if (!inhalt) {
        *error = grund.isEmpty() ? QStringLiteral("nicht lesbar")
                                 : QStringLiteral("nicht lesbar (%1)").arg(grund);
        return nullptr;
    }
    return loadFluidData(*inhalt, error);
}

} // namespace drel::fluid
