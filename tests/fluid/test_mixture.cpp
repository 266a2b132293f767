// The multi-fluid blends: bubble and dew points against the designation data, the
// pure HFO/HFC equations against the saturation states of their reference data,
// and the limiting cases of the model (one component, an azeotrope).
#include "fluid/mixture.h"
#include "fluid/refrigerantmodel.h"
#include "stofftestutil.h"

#include <QFile>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace drel::fluid::test {
namespace {

const double kK = 273.15;
const double kAtm = 101325;

nlohmann::json bundledJson(const QString& stem) {
    QFile f(bundledReflibs() + QLatin1Char('/') + stem + QStringLiteral(".ref"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << stem.toStdString();
    const QByteArray bytes = f.readAll();
    return nlohmann::json::parse(bytes.begin(), bytes.end());
}

std::unique_ptr<RefrigerantModel> bundled(const QString& stem) {
    QString error;
    auto m =
        loadFluidFile(bundledReflibs() + QLatin1Char('/') + stem + QStringLiteral(".ref"), &error);
    EXPECT_TRUE(m) << stem.toStdString() << ": " << error.toStdString();
    return m;
}

std::unique_ptr<RefrigerantModel> fromJson(const nlohmann::json& f) {
    const std::string text = f.dump();
    QString error;
    auto m = loadFluidDataUnchecked(QByteArray::fromStdString(text), &error);
    EXPECT_TRUE(m) << error.toStdString();
    return m;
}

// ASHRAE Standard 34 designations: bubble and dew temperature at 101.325 kPa.
struct Designation {
    const char* name;
    double bubble, dew; // degC
    double tol;         // K
};

TEST(Mixture, BubbleAndDewAtOneAtmosphereMatchTheDesignations) {
    const Designation rows[] = {
        {"R448A", -45.9, -39.8, 1.0},
        {"R449A", -46.0, -39.9, 1.0},
        {"R454C", -46.0, -37.8, 1.0},
        {"R513A", -29.2, -29.2, 1.0},
        // Published only rounded to the kelvin, and the R744/R32 pair has no
        // fitted parameters.
        {"R455A", -52, -39, 1.5},
    };
    for (const Designation& d : rows) {
        auto m = bundled(QString::fromLatin1(d.name));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->model(), QStringLiteral("helmholtz-mixture"));
        EXPECT_NEAR(m->bubbleTemperature(kAtm) - kK, d.bubble, d.tol) << d.name;
        EXPECT_NEAR(m->dewTemperature(kAtm) - kK, d.dew, d.tol) << d.name;
        // The lines are each other's inverse.
        const double t = 263.15;
        EXPECT_NEAR(m->dewTemperature(m->dewPressure(t)), t, 1e-6) << d.name;
        EXPECT_NEAR(m->bubbleTemperature(m->bubblePressure(t)), t, 1e-6) << d.name;
        EXPECT_GE(m->bubblePressure(t), m->dewPressure(t)) << d.name;
    }
}

// The lines the rating reads are series fitted to the phase equilibrium when a blend
// is first used; they stay within a few 1e-8 of it, and within 1e-6 (the check
// tolerance of the files) in the last ten kelvin, where the equilibrium converges
// slowly itself.
TEST(Mixture, FittedLinesFollowThePhaseEquilibrium) {
    for (const char* name : {"R448A", "R455A"}) {
        auto m = bundled(QString::fromLatin1(name));
        ASSERT_TRUE(m);
        const auto& eos = dynamic_cast<const MixtureEos&>(m->eos());
        int punkte = 0;
        for (double T = 200.5; T < m->criticalTemperature(); T += 4.3) {
            const auto dew = eos.dewPressure(T), bubble = eos.bubblePressure(T);
            ASSERT_TRUE(dew && bubble) << name << " " << T;
            const double tol = T < m->criticalTemperature() - 10 ? 5e-8 : 1e-6;
            EXPECT_NEAR(m->dewPressure(T) / *dew, 1, tol) << name << " " << T;
            EXPECT_NEAR(m->bubblePressure(T) / *bubble, 1, tol) << name << " " << T;
            ++punkte;
        }
        EXPECT_GT(punkte, 30);
        EXPECT_TRUE(std::isnan(m->dewPressure(m->criticalTemperature() + 1)));
    }
}

// The pure fluids against the saturation states that accompany their equations in
// the reference data (triple-point liquid and vapour): 0.1 % in pressure and 0.2 %
// in the enthalpy difference; and their normal boiling points (designations).
TEST(Mixture, PureFluidsReproduceTheirReferenceStates) {
    const struct {
        const char* name;
        double nbp; // degC
    } rows[] = {{"R32", -51.7}, {"R1234yf", -29.5}, {"R1234ze(E)", -19.0}};
    for (const auto& r : rows) {
        const QString stem = QString::fromLatin1(r.name);
        auto m = bundled(stem);
        ASSERT_TRUE(m);
        const auto checks = bundledJson(stem).at("checks");
        const auto& liq = checks.at("triple_liquid");
        const auto& vap = checks.at("triple_vapour");
        const double T = liq.at("T").get<double>();
        const double p = liq.at("p").get<double>();
        const double pT = m->dewPressure(T);
        EXPECT_NEAR(pT / p, 1, 1e-3) << r.name;
        const double dh = (vap.at("hmolar").get<double>() - liq.at("hmolar").get<double>()) /
                          m->eos().molarMass();
        const double dhModel = m->vapourEnthalpy(T, pT * (1 - 1e-9)) - m->liquidEnthalpy(T);
        EXPECT_NEAR(dhModel / dh, 1, 2e-3) << r.name;
        EXPECT_NEAR(m->dewTemperature(kAtm) - kK, r.nbp, 0.1) << r.name;
        const double tc = bundledJson(stem).at("critical").at("T").get<double>();
        const double pc = bundledJson(stem).at("critical").at("p").get<double>();
        EXPECT_NEAR(m->dewPressure(tc - 0.01) / pc, 1, 1e-3) << r.name;
    }
}

// A blend of one component is that component: same pressures, volumes and
// enthalpies (both in the IIR reference).
TEST(Mixture, BlendOfOneComponentEqualsThePureFluid) {
    nlohmann::json f = bundledJson(QStringLiteral("R454C"));
    nlohmann::json r32 = f.at("components").at(0);
    ASSERT_EQ(r32.at("name"), "R32");
    r32["x"] = 1.0;
    f["components"] = nlohmann::json::array({r32});
    f["pairs"] = nlohmann::json::array();
    nlohmann::json ideal = f.at("ideal_gas").at(0);
    ideal["weight"] = 1.0;
    f["ideal_gas"] = nlohmann::json::array({ideal});
    f["molar_mass"] = r32.at("molar_mass");
    f["gas_constant"] = r32.at("gas_constant");
    f.erase("T_sat_max");
    auto blend = fromJson(f);
    auto pure = bundled(QStringLiteral("R32"));
    ASSERT_TRUE(blend && pure);
    for (const double t : {-40.0, -10.0, 20.0, 50.0}) {
        const double T = t + kK;
        const double p = pure->dewPressure(T);
        EXPECT_NEAR(blend->dewPressure(T) / p, 1, 1e-7) << t;
        EXPECT_NEAR(blend->bubblePressure(T) / p, 1, 1e-7) << t;
        EXPECT_NEAR(blend->liquidEnthalpy(T), pure->liquidEnthalpy(T), 1e-3) << t;
        EXPECT_NEAR(blend->vapourEnthalpy(T + 10, p), pure->vapourEnthalpy(T + 10, p), 1e-3);
        EXPECT_NEAR(blend->vapourVolume(T + 10, p) / pure->vapourVolume(T + 10, p), 1, 1e-9);
    }
}

// R1234yf/R134a forms an azeotrope near the composition of R513A: where the
// incipient vapour has the liquid's composition, bubble and dew point coincide.
TEST(Mixture, AzeotropeHasNoGlide) {
    const nlohmann::json base = bundledJson(QStringLiteral("R513A"));
    const double T = 253.15;
    const auto vapourExcess = [&](double x1, std::unique_ptr<RefrigerantModel>* keep) {
        nlohmann::json f = base;
        f["components"][0]["x"] = x1;
        f["components"][1]["x"] = 1 - x1;
        f["ideal_gas"][0]["weight"] = x1;
        f["ideal_gas"][1]["weight"] = 1 - x1;
        auto m = fromJson(f);
        const auto& eos = dynamic_cast<const MixtureEos&>(m->eos());
        std::vector<double> y;
        EXPECT_TRUE(eos.saturationPressure(T, false, &y));
        if (keep)
            *keep = std::move(m);
        return y.empty() ? 0.0 : y[0] - x1;
    };
    // Below the azeotrope the vapour is richer in R1234yf, above it poorer.
    double lo = 0.2, hi = 0.9;
    ASSERT_GT(vapourExcess(lo, nullptr), 0);
    ASSERT_LT(vapourExcess(hi, nullptr), 0);
    for (int i = 0; i < 30; ++i) {
        const double mid = 0.5 * (lo + hi);
        (vapourExcess(mid, nullptr) > 0 ? lo : hi) = mid;
    }
    std::unique_ptr<RefrigerantModel> azeotrope;
    vapourExcess(0.5 * (lo + hi), &azeotrope);
    EXPECT_NEAR(azeotrope->bubblePressure(T) / azeotrope->dewPressure(T), 1, 1e-7);
    // The designated R513A lies close to it: a glide of a tenth of a kelvin.
    auto r513a = bundled(QStringLiteral("R513A"));
    EXPECT_LT(r513a->dewTemperature(kAtm) - r513a->bubbleTemperature(kAtm), 0.2);
}

// The rating's calls: t0 and tc are dew temperatures, the liquid leaving the
// condenser is on the bubble line at the condensing pressure.
TEST(Mixture, PropertyObjectAnswersTheRatingCalls) {
    StoffFixture f;
    TStoff& s = f.with("R449A");
    const double p0 = s.Taudruck(-10), pc = s.Taudruck(45);
    EXPECT_NEAR(p0, 3.3, 0.3);
    EXPECT_NEAR(pc, 19.3, 1.0);
    const double tBubble = s.Siedetemperatur(pc);
    EXPECT_NEAR(45 - tBubble, 4.5, 1.5); // glide at the condensing pressure
    const double h3 = s.FluessigEnthalpieSiedepunkt(pc);
    EXPECT_DOUBLE_EQ(h3, s.FluessigEnthalpie(tBubble));
    const double h1 = s.DampfEnthalpie(10, p0);
    EXPECT_GT(h1 - h3, 120); // refrigerating effect, kJ/kg
    EXPECT_LT(h1 - h3, 200);
    EXPECT_GT(s.DampfVolumen(10, p0), 0.05);
    EXPECT_TRUE(f.sink.messages.isEmpty());
}

} // namespace
} // namespace drel::fluid::test
