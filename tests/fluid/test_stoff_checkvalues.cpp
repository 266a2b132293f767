// Published saturation tables against the property library. Enthalpies are
// compared relative to the latent heat, so that a 0.3 % tolerance means the same
// for h' and h''; sources with another reference state are compared as differences.
#include "stofftestutil.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace drel::fluid::test {
namespace {

enum class Q {
    P,     // dew pressure [bar] at t
    VV,    // saturated vapour volume [m3/kg] at t
    HL,    // saturated liquid enthalpy, IIR
    HV,    // saturated vapour enthalpy, IIR
    DH,    // latent heat
    HLREL, // h'(t) - h'(tRef)
    HVREL, // h''(t) - h'(tRef)
};

struct Row {
    const char* fluid;
    double t; // degC
    Q q;
    double value; // source value in degC, bar, kJ/kg, m3/kg
    double tol;   // relative
    const char* source;
    double tRef = 0;
};

// Tolerances: reference-quality tables 0.1 % (pressure) and 0.3 % (enthalpy
// differences, volumes); tables the source marks as older formulations 0.5 % and
// 1.5 % (they differ from modern equations by a few 0.1 % and 1-2 kJ/kg).
const Row kRows[] = {
    // R744, table A (IIR)
    {"R744", -20, Q::P, 19.696, 0.001, "A"},
    {"R744", -14, Q::P, 23.593, 0.001, "A"},
    {"R744", -10, Q::P, 26.487, 0.001, "A"},
    {"R744", -4, Q::P, 31.303, 0.001, "A"},
    {"R744", 0, Q::P, 34.851, 0.001, "A"},
    {"R744", -20, Q::VV, 0.019343, 0.003, "A"},
    {"R744", -10, Q::VV, 0.014048, 0.003, "A"},
    {"R744", 0, Q::VV, 0.010241, 0.003, "A"},
    {"R744", -20, Q::HL, 154.45, 0.003, "A"},
    {"R744", -20, Q::HV, 436.89, 0.003, "A"},
    {"R744", -10, Q::HL, 176.52, 0.003, "A"},
    {"R744", -10, Q::HV, 435.14, 0.003, "A"},
    {"R744", -4, Q::HV, 432.95, 0.003, "A"},
    {"R744", 0, Q::HV, 430.89, 0.003, "A"},
    // R717, table B (IIR) and D (densities, latent heat). Both sit 0.1-0.2 % above
    // the 2020 ammonia equation at low temperatures (table C agrees with it within
    // 0.05 %), as the older 1993 equation does; hence 0.3 % and 0.4 %.
    {"R717", -45, Q::P, 0.5450, 0.003, "B"},
    {"R717", -40, Q::P, 0.7171, 0.003, "B"},
    {"R717", -20, Q::P, 1.9011, 0.003, "B"},
    {"R717", -45, Q::VV, 2.00458, 0.004, "B"},
    {"R717", -40, Q::VV, 1.55117, 0.004, "B"},
    {"R717", -20, Q::VV, 0.62274, 0.004, "B"},
    {"R717", -45, Q::DH, 1399.25 + 1.80, 0.004, "B"},
    {"R717", -40, Q::DH, 1407.25 - 20.25, 0.004, "B"},
    {"R717", -20, Q::DH, 1436.51 - 109.40, 0.004, "B"},
    {"R717", -20, Q::HL, 109.40, 0.004, "B"},
    {"R717", -20, Q::HV, 1436.51, 0.004, "B"},
    {"R717", -50, Q::P, 0.4087, 0.003, "D"},
    {"R717", 0, Q::P, 4.294, 0.003, "D"},
    {"R717", -50, Q::VV, 1 / 0.38158, 0.004, "D"},
    {"R717", 0, Q::VV, 1 / 3.4528, 0.004, "D"},
    {"R717", -50, Q::DH, 1417, 0.004, "D"},
    // R717, table C (older formulation, h' = 0 at -40 degC)
    {"R717", 20, Q::P, 8.575, 0.005, "C"},
    {"R717", 40, Q::P, 15.549, 0.005, "C"},
    {"R717", 0, Q::HLREL, 180.36, 0.015, "C", -40},
    {"R717", 20, Q::HLREL, 274.30, 0.015, "C", -40},
    {"R717", 40, Q::HVREL, 1470.2, 0.015, "C", -40},
    {"R717", 20, Q::DH, 1185.9, 0.015, "C"},
    // R22, table H (older formulation, h' = 0 at -40 degC)
    {"R22", -60, Q::P, 0.3749, 0.005, "H"},
    {"R22", -40, Q::P, 1.0522, 0.005, "H"},
    {"R22", -20, Q::P, 2.4534, 0.005, "H"},
    {"R22", 0, Q::P, 4.9811, 0.005, "H"},
    {"R22", -40, Q::VV, 0.2052, 0.015, "H"},
    {"R22", 0, Q::VV, 0.0470, 0.015, "H"},
    {"R22", -60, Q::DH, 245.35, 0.015, "H"},
    {"R22", -20, Q::DH, 219.91, 0.015, "H"},
    {"R22", 0, Q::HLREL, 45.12, 0.015, "H", -40},
    {"R22", 0, Q::HVREL, 249.92, 0.015, "H", -40},
    // R134a, table I (low temperatures, IIR-like)
    {"R134a", -100, Q::P, 0.005594, 0.003, "I"},
    {"R134a", -90, Q::P, 0.015241, 0.003, "I"},
    {"R134a", -80, Q::P, 0.036719, 0.003, "I"},
    {"R134a", -90, Q::VV, 9.7698, 0.003, "I"},
    {"R134a", -80, Q::VV, 4.2682, 0.003, "I"},
    {"R134a", -100, Q::DH, 261.488, 0.003, "I"},
    {"R134a", -80, Q::DH, 249.669, 0.003, "I"},
    {"R134a", -80, Q::HV, 348.83, 0.003, "I"},
    // R134a, table K (IIR-like) and J (older formulation)
    {"R134a", 39.37, Q::P, 10.00, 0.001, "K"},
    {"R134a", 39.37, Q::VV, 0.02038, 0.003, "K"},
    {"R134a", 39.37, Q::HV, 419.54, 0.003, "K"},
    // J's 1 bar row lies 0.16 K below the normal boiling point of every modern source.
    {"R134a", -26.52, Q::P, 1.0, 0.01, "J"},
    {"R134a", 21.54, Q::P, 6.0, 0.005, "J"},
    {"R134a", -10.18, Q::VV, 0.1001, 0.015, "J"},
    {"R134a", 21.54, Q::DH, 262.1 - 81.0, 0.015, "J"},
    // R410A, table G (older formulation, dew pressure column; rebuilt from PDF text)
    {"R410A", -40, Q::P, 1.758, 0.01, "G"},
    {"R410A", -30, Q::P, 2.701, 0.01, "G"},
    {"R410A", -40, Q::VV, 0.1419, 0.015, "G"},
    {"R410A", -40, Q::HV, 407.1, 0.015, "G"},
    {"R410A", -30, Q::HV, 411.6, 0.015, "G"},
    {"R410A", -30, Q::HL, 155.3, 0.015, "G"},
    // R404A, table E (uncertain source: vapour only)
    {"R404A", -50, Q::VV, 0.22296, 0.015, "E"},
    {"R404A", -40, Q::VV, 0.14281, 0.015, "E"},
    {"R404A", -50, Q::HV, 337.30, 0.015, "E"},
    {"R404A", -40, Q::HV, 343.81, 0.015, "E"},
};

double value(TStoff& s, const Row& r) {
    const double p = s.Taudruck(r.t);
    switch (r.q) {
    case Q::P:
        return p;
    case Q::VV:
        return s.DampfVolumen(r.t, p);
    case Q::HL:
        return s.FluessigEnthalpie(r.t);
    case Q::HV:
        return s.DampfEnthalpie(r.t, p);
    case Q::DH:
        return s.DampfEnthalpie(r.t, p) - s.FluessigEnthalpie(r.t);
    case Q::HLREL:
        return s.FluessigEnthalpie(r.t) - s.FluessigEnthalpie(r.tRef);
    case Q::HVREL:
        return s.DampfEnthalpie(r.t, p) - s.FluessigEnthalpie(r.tRef);
    }
    return NAN;
}

// Enthalpies are measured against the latent heat at t.
double scale(TStoff& s, const Row& r) {
    switch (r.q) {
    case Q::HL:
    case Q::HV:
    case Q::HLREL:
    case Q::HVREL:
        return s.DampfEnthalpie(r.t, s.Taudruck(r.t)) - s.FluessigEnthalpie(r.t);
    default:
        return std::fabs(r.value);
    }
}

TEST(StoffCheckValues, PublishedSaturationTables) {
    StoffFixture f;
    double worst = 0;
    for (const Row& r : kRows) {
        TStoff& s = f.with(r.fluid);
        const double v = value(s, r);
        const double dev = (v - r.value) / scale(s, r);
        worst = std::max(worst, std::fabs(dev) / r.tol);
        std::printf("%-6s %7.2f q%d src %s: %.6g vs %.6g (%+.3f %%)\n", r.fluid, r.t,
                    static_cast<int>(r.q), r.source, v, r.value, 100 * dev);
        EXPECT_LE(std::fabs(dev), r.tol)
            << r.fluid << " at " << r.t << " degC, quantity " << static_cast<int>(r.q)
            << ", source " << r.source << ": " << v << " vs " << r.value;
    }
    std::printf("largest deviation: %.2f of the tolerance\n", worst);
    EXPECT_TRUE(f.sink.messages.isEmpty());
}

// ISO 17584 table of R404A by pressure: bubble and dew temperatures, saturated
// vapour density and enthalpies (IIR).
struct BlendRow {
    double pMPa, tBubble, rhoL, tDew, rhoV, hL, hV;
};
const BlendRow kR404A[] = {
    {0.0100, -84.93, 1421.3, -83.84, 0.626, 91.83, 316.83},
    {0.0200, -75.05, 1392.4, -74.08, 1.199, 103.81, 322.78},
    {0.0300, -68.68, 1373.7, -67.76, 1.752, 111.58, 326.65},
    {0.0500, -59.92, 1347.7, -59.07, 2.825, 122.31, 331.97},
    {0.0800, -51.03, 1321.0, -50.25, 4.390, 133.31, 337.36},
};

TEST(StoffCheckValues, R404ABubbleAndDewLinesOfIso17584) {
    StoffFixture f;
    TStoff& s = f.with("R404A");
    const RefrigerantModel* m = s.modell();
    ASSERT_NE(m, nullptr);
    for (const BlendRow& r : kR404A) {
        if (r.tBubble + 273.15 < m->minTemperature()) {
            // Below the range of the blend's equation (200 K): a message and NaN.
            f.sink.messages.clear();
            EXPECT_TRUE(std::isnan(s.Siedetemperatur(r.pMPa * 10)));
            EXPECT_EQ(f.sink.messages.size(), 1);
            continue;
        }
        const double p = r.pMPa * 10; // bar
        const double dh = r.hV - r.hL;
        // Temperatures are given to 0.01 K: compare the pressures they give.
        EXPECT_NEAR(s.Taudruck(r.tDew) / p, 1, 0.001) << r.pMPa;
        EXPECT_NEAR(m->bubblePressure(r.tBubble + 273.15) / 1e5 / p, 1, 0.001) << r.pMPa;
        EXPECT_NEAR(s.Siedetemperatur(p), r.tBubble, 0.02) << r.pMPa;
        EXPECT_NEAR(1 / s.DampfVolumen(r.tDew, p) / r.rhoV, 1, 0.003) << r.pMPa;
        EXPECT_NEAR(s.FluessigEnthalpieSiedepunkt(p), r.hL, 0.003 * dh) << r.pMPa;
        EXPECT_NEAR(s.DampfEnthalpie(r.tDew, p), r.hV, 0.003 * dh) << r.pMPa;
        EXPECT_NEAR(1 / m->liquidVolume(r.tBubble + 273.15) / r.rhoL, 1, 0.003) << r.pMPa;
    }
}

// Published fixed points of the blends (bubble temperature at 1.01325 bar) and of
// R134a and R290 (normal boiling point).
TEST(StoffCheckValues, NormalBoilingPoints) {
    StoffFixture f;
    const struct {
        const char* fluid;
        double tK, tol;
    } points[] = {{"R404A", 226.93, 0.05}, {"R407C", 229.52, 0.05},  {"R410A", 221.71, 0.05},
                  {"R507", 226.41, 0.05},  {"R134a", 247.076, 0.02}, {"R290", 231.1, 0.2},
                  {"R13B1", 215.40, 1.0}};
    for (const auto& p : points)
        EXPECT_NEAR(f.with(p.fluid).Siedetemperatur(1.01325) + 273.15, p.tK, p.tol) << p.fluid;
}

// R407C bubble pressures of a service chart (gauge, rounded to about 1 %).
TEST(StoffCheckValues, R407CBubblePressures) {
    StoffFixture f;
    const RefrigerantModel* m = f.with("R407C").modell();
    ASSERT_NE(m, nullptr);
    const double gaugeKPa[][2] = {{10, 664}, {20, 922}, {40, 1624}};
    for (const auto& row : gaugeKPa) {
        const double absoluteBar = row[1] / 100 + 1.01325;
        EXPECT_NEAR(m->bubblePressure(row[0] + 273.15) / 1e5 / absoluteBar, 1, 0.015) << row[0];
    }
}

} // namespace
} // namespace drel::fluid::test
