// The Helmholtz evaluator against the states its equations' authors publish: the
// IAPWS-95 test table for water and, for every fluid file with a reference
// equation, the critical point and the saturated states at the triple point.
#include "fluid/refrigerantmodel.h"
#include "stofftestutil.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace drel::fluid::test {
namespace {

std::unique_ptr<RefrigerantModel> load(const QString& name) {
    QString error;
    auto m =
        loadFluidFile(bundledReflibs() + QLatin1Char('/') + name + QStringLiteral(".ref"), &error);
    EXPECT_NE(m, nullptr) << error.toStdString();
    return m;
}

nlohmann::json readJson(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray b = f.readAll();
    return nlohmann::json::parse(b.begin(), b.end());
}

// IAPWS-95 Table 7: pressure at (T, rho), and entropy differences between rows
// (the file moves water to the refrigeration reference state).
TEST(Helmholtz, WaterSinglePhaseTestValues) {
    const auto m = load(QStringLiteral("R718"));
    ASSERT_NE(m, nullptr);
    const double M = m->eos().molarMass();
    const struct {
        double T, rho, pMPa, s;
    } rows[] = {
        {300, 996.5560, 0.0992418352, 0.393062643}, {300, 1188.202, 700.004704, 0.132609616},
        {500, 0.4350000, 0.0999679423, 7.94488271}, {500, 838.0250, 10.0003858, 2.56690919},
        {647, 358.0000, 22.0384756, 4.32092307},    {900, 52.61500, 20.0000690, 6.59070225}};
    const double s0 = m->entropyAt(rows[0].T, rows[0].rho / M) / 1000;
    for (const auto& r : rows) {
        EXPECT_NEAR(m->eos().pressure(r.T, r.rho / M) / 1e6 / r.pMPa, 1, 1e-8)
            << r.T << " " << r.rho;
        const double ds = m->entropyAt(r.T, r.rho / M) / 1000 - s0;
        EXPECT_NEAR(ds, r.s - rows[0].s, 1e-7) << r.T << " " << r.rho;
    }
}

// IAPWS-95 Table 8: saturation pressure, densities and latent heat.
TEST(Helmholtz, WaterSaturationTestValues) {
    const auto m = load(QStringLiteral("R718"));
    ASSERT_NE(m, nullptr);
    const double M = m->eos().molarMass();
    const struct {
        double T, pMPa, rhoL, rhoV, hL, hV;
    } rows[] = {{275, 0.698451167e-3, 999.887406, 0.550664919e-2, 7.75972202, 2504.28995},
                {450, 0.932203564, 890.341250, 4.81200360, 749.161585, 2774.41078}};
    for (const auto& r : rows) {
        const double p = m->dewPressure(r.T);
        EXPECT_NEAR(p / 1e6 / r.pMPa, 1, 1e-7);
        EXPECT_NEAR(1 / m->liquidVolume(r.T) / r.rhoL, 1, 1e-7);
        EXPECT_NEAR(1 / m->vapourVolume(r.T, p) / r.rhoV, 1, 1e-7);
        const double dh = (m->vapourEnthalpy(r.T, p) - m->liquidEnthalpy(r.T)) / 1000;
        EXPECT_NEAR(dh, r.hV - r.hL, 1e-6 * (r.hV - r.hL));
        (void)M;
    }
}

// Every reference equation reproduces its own critical pressure and the
// saturated liquid and vapour at its lowest temperature as its data file gives them.
TEST(Helmholtz, CheckStatesOfEveryReferenceEquation) {
    const QStringList files = QDir(bundledReflibs()).entryList({QStringLiteral("*.ref")});
    int checked = 0;
    for (const QString& file : files) {
        const nlohmann::json f = readJson(bundledReflibs() + QLatin1Char('/') + file);
        if (f.at("model") != "helmholtz")
            continue;
        const QString name = file.chopped(4);
        SCOPED_TRACE(name.toStdString());
        const auto m = load(name);
        ASSERT_NE(m, nullptr);
        const auto& checks = f.at("checks");
        const auto& c = checks.at("critical");
        // Older equations were fitted with a measured critical point they do not
        // reproduce exactly (R13, R14, R114 by up to 0.7 %); a gross error still shows.
        EXPECT_NEAR(m->eos().pressure(c.at("T"), c.at("rhomolar")) / c.at("p").get<double>(), 1,
                    f.at("reducing").at("T") == c.at("T") && c.at("T") > 340 ? 2e-3 : 1e-2);
        if (checks.contains("triple_liquid")) {
            const auto& l = checks.at("triple_liquid");
            const auto& v = checks.at("triple_vapour");
            const double T = l.at("T");
            const double M = m->eos().molarMass();
            // At the triple point some fluids are at millipascals; the stored states
            // come from another solver, hence the looser pressure and vapour tolerances.
            EXPECT_NEAR(m->dewPressure(T) / l.at("p").get<double>(), 1, 3e-4);
            EXPECT_NEAR(1 / (m->liquidVolume(T) * M) / l.at("rhomolar").get<double>(), 1, 1e-5);
            EXPECT_NEAR(1 / (m->vapourVolume(T, m->dewPressure(T)) * M) /
                            v.at("rhomolar").get<double>(),
                        1, 2e-3);
            const double dh = (m->vapourEnthalpy(T, m->dewPressure(T)) - m->liquidEnthalpy(T)) * M;
            const double dhRef = v.at("hmolar").get<double>() - l.at("hmolar").get<double>();
            EXPECT_NEAR(dh / dhRef, 1, 1e-4);
        }
        // Extended-precision saturation states published with the equation.
        for (const auto& sp : checks.value("saturation", nlohmann::json::array())) {
            const double T = sp.at("T");
            if (T >= c.at("T").get<double>() - 1)
                continue; // near-critical points are out of the refrigeration range
            const double M = m->eos().molarMass();
            const double p = m->dewPressure(T);
            EXPECT_NEAR(p / sp.at("p").get<double>(), 1, 1e-8) << T;
            EXPECT_NEAR(1 / (m->liquidVolume(T) * M) / sp.at("rhomolar_liquid").get<double>(), 1,
                        1e-8)
                << T;
            EXPECT_NEAR(1 / (m->vapourVolume(T, p) * M) / sp.at("rhomolar_vapour").get<double>(), 1,
                        1e-8)
                << T;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 23);
}

// R32 against the saturation table of Tillner-Roth and Yokozeki (J. Phys. Chem. Ref.
// Data 26 (1997) 1273, Table 12): pressure to 0.1 %, the enthalpy differences between
// the table's states to 0.2 %.
TEST(Helmholtz, R32SaturationTableOfItsPaper) {
    const auto m = load(QStringLiteral("R32"));
    ASSERT_NE(m, nullptr);
    const struct {
        double tC, pkPa, hL, hV; // kJ/kg
    } rows[] = {
        {-50, 110.14, 117.22, 497.27}, {0, 813.10, 200.00, 515.30}, {50, 3141.2, 297.49, 507.10}};
    const double h0 = rows[1].hL;
    const double h0Modell = m->liquidEnthalpy(273.15) / 1000;
    for (const auto& r : rows) {
        const double T = r.tC + 273.15;
        const double p = m->dewPressure(T);
        EXPECT_NEAR(p / 1000 / r.pkPa, 1, 1e-3) << r.tC;
        const double hV = m->vapourEnthalpy(T, p * (1 - 1e-9)) / 1000 - h0Modell;
        const double hL = m->liquidEnthalpy(T) / 1000 - h0Modell;
        EXPECT_NEAR(hV / (r.hV - h0), 1, 2e-3) << r.tC;
        if (r.hL != h0) {
            EXPECT_NEAR(hL / (r.hL - h0), 1, 2e-3) << r.tC;
        }
    }
}

// R1234ze(E) against the test values of Thol and Lemmon (Int. J. Thermophys. 37 (2016)
// 28, Table 3): pressure at temperature and molar density, liquid, vapour and
// supercritical.
TEST(Helmholtz, R1234zeETestValuesOfItsPaper) {
    const auto m = load(QStringLiteral("R1234ze(E)"));
    ASSERT_NE(m, nullptr);
    const struct {
        double T, molProL, pMPa;
    } rows[] = {{200, 12.6, 2.161400},
                {350, 11.4, 95.04156},
                {383, 4.29, 3.670105},
                {360, 1, 2.039103},
                {420, 8, 19.95447}};
    for (const auto& r : rows)
        EXPECT_NEAR(m->eos().pressure(r.T, r.molProL * 1000) / 1e6 / r.pMPa, 1, 1e-4)
            << r.T << " " << r.molProL;
}

// R1234yf: the paper of its equation gives no table that is at hand here; the vapour
// densities that Perkins and Huber (J. Chem. Eng. Data 56 (2011) 4868, Table 2) list
// with their thermal conductivities come from the previous equation of state and
// bound the gas phase.
TEST(Helmholtz, R1234yfVapourStatesOfThePublishedTables) {
    const auto m = load(QStringLiteral("R1234yf"));
    ASSERT_NE(m, nullptr);
    const double M = m->eos().molarMass();
    const struct {
        double T, pPa, rho; // kg/m3
    } rows[] = {{250, 5e4, 2.80006}, {300, 1e5, 4.671553}};
    for (const auto& r : rows)
        EXPECT_NEAR(m->eos().pressure(r.T, r.rho / M) / r.pPa, 1, 1e-3) << r.T;
}

} // namespace
} // namespace drel::fluid::test
