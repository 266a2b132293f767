#include "calc/betriebspunkt.h"
#include "calc/polynom.h"
#include "ratingfixture.h"

#include <cmath>

using namespace drel;
using namespace drel::calc;
using namespace drel::rating::testing;

namespace {

Betriebspunkt punkt(double t0, double tc, double ts, double dtu = 0.0, double dtue = 5.0) {
    Betriebspunkt e;
    e.t0 = t0;
    e.tc = tc;
    e.tsaug = ts;
    e.tu = dtu;
    e.tue = dtue;
    return e;
}

} // namespace

TEST_F(RatingTest, AtRatingConditionsTheRatingIsKept) {
    waehle(kQnMitMotor, "R134a"); // rated at 20 °C suction gas
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 20), false);
    ASSERT_TRUE(r.berechenbar());
    EXPECT_NEAR(r.m / r.mR, 1.0, 1e-12);
    EXPECT_NEAR(r.QoV / r.Qo, 1.0, 1e-9);
    EXPECT_DOUBLE_EQ(r.Qo, qoPolynom(-10, 40));
    EXPECT_DOUBLE_EQ(r.P, pPolynom(-10, 40));
    EXPECT_GT(r.I, 0.0);
    EXPECT_TRUE(sink_.messages.isEmpty());
}

TEST_F(RatingTest, UsefulSuperheatEqualToSuctionGasGivesEvaporatorEqualCompressorCapacity) {
    waehle(kQnMitMotor, "R134a");
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 5, 3, 15), false);
    EXPECT_NEAR(r.QoE, r.QoV, 1e-9 * r.QoV);
    const Bewertung s = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 5, 3, 5), false);
    EXPECT_LT(s.QoE, s.QoV);
}

TEST_F(RatingTest, WarmerSuctionGasLowersMassFlowAndKeepsPower) {
    waehle(kQnMitMotor, "R134a");
    const Bewertung kalt = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 0), false);
    const Bewertung warm = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 25), false);
    EXPECT_GT(kalt.m, warm.m);
    EXPECT_EQ(kalt.P, warm.P);
    EXPECT_EQ(kalt.mR, warm.mR);
    // Subcooling raises the capacity at the same mass flow.
    const Bewertung unterkuehlt = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 25, 5), false);
    EXPECT_EQ(unterkuehlt.m, warm.m);
    EXPECT_GT(unterkuehlt.QoV, warm.QoV);
}

TEST_F(RatingTest, RatingSuctionGasFromFlagOrSuperheat) {
    waehle(kQnMitMotor, "R134a");
    EXPECT_EQ(sauggasTemperaturBemessung(*dm_, -30), 20.0);
    waehle(kQnMitMotor, "R404A"); // flag clear, 10 K superheat
    EXPECT_EQ(sauggasTemperaturBemessung(*dm_, -30), -20.0);
    EXPECT_EQ(sauggasTemperaturBemessung(*dm_, -20), -10.0);
    // (at -20 °C, where the fixture's capacity is positive)
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-20, 40, -10), false);
    ASSERT_TRUE(r.berechenbar());
    EXPECT_NEAR(r.QoV / r.Qo, 1.0, 1e-9);
}

TEST_F(RatingTest, TwoStageTakesTheLiquidAtTcPlusT0) {
    waehle(kZweistufig, "R404A");
    const Bewertung r = ZweistufigRechnen(*dm_, stoff_, punkt(-20, 30, 0));
    ASSERT_TRUE(r.berechenbar());
    EXPECT_EQ(r.I, 0.0);
    // At the rating state (t0 + 20 K, no subcooling) the rating is kept.
    EXPECT_NEAR(r.QoV / r.Qo, 1.0, 1e-9);
    stoff_.KaeltemittelSetzen("R404A");
    const double p0 = stoff_.Taudruck(-20);
    const double h1 = stoff_.DampfEnthalpie(0, p0);
    const double hX = stoff_.FluessigEnthalpie(10.0); // liquid at 10 °C
    EXPECT_NEAR(r.mR, r.Qo / (h1 - hX), 1e-12);
    const Bewertung u = ZweistufigRechnen(*dm_, stoff_, punkt(-20, 30, 0, 5));
    const double hXu = stoff_.FluessigEnthalpie(5.0);
    EXPECT_NEAR(u.QoV, (h1 - hXu) * u.m, 1e-9);
}

TEST_F(RatingTest, PropertyFailureMakesThePointNotComputable) {
    waehle(kQnMitMotor, "R134a");
    // Far above the critical point: no dew pressure.
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 150, 20), false);
    EXPECT_FALSE(r.berechenbar());
    EXPECT_TRUE(std::isnan(r.QoV));
    EXPECT_TRUE(std::isnan(r.m));
    EXPECT_FALSE(sink_.messages.isEmpty());
}

// What the build refuses is not rated from a damaged table file either: a negative
// capacity at the point or a coefficient that is not finite gives NaN with the reason.
TEST_F(RatingTest, NegativeCapacityOrNonFiniteCoefficientIsRefusedWithTheReason) {
    waehle(kQnMitMotor, "R134a");
    ASSERT_LT(qoPolynom(-45, 45), 0.0);
    Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-45, 45, -40), false);
    EXPECT_TRUE(std::isnan(r.Qo));
    EXPECT_TRUE(std::isnan(r.P));
    EXPECT_TRUE(std::isnan(r.QoV));
    EXPECT_FALSE(r.berechenbar());
    EXPECT_EQ(r.grund, QStringLiteral("Leistungsdatensatz 11 (QN4/200-4, R134a): negative "
                                      "Kälteleistung; nicht berechenbar."));
    ASSERT_EQ(sink_.messages.size(), 1);
    EXPECT_EQ(sink_.messages[0].text, r.grund);
    r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 20), false);
    EXPECT_TRUE(r.berechenbar());
    EXPECT_TRUE(r.grund.isEmpty());

    dm_.reset();
    writeProductTable(
        dir_.path(), "CapacityData",
        {leistung(11, kQnMitMotor, 1, true, 20.0, {{"Antriebsleistung7", d(HUGE_VAL)}})});
    dm_ = std::make_unique<TDataModule1>(dir_.path());
    waehle(kQnMitMotor, "R134a");
    r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 20), false);
    EXPECT_TRUE(std::isnan(r.Qo));
    EXPECT_TRUE(r.grund.contains(QStringLiteral("Koeffizienten nicht endlich")))
        << r.grund.toStdString();
}

TEST_F(RatingTest, MissingFluidFileIsReportedAndNothingIsInvented) {
    stoff_.Create(dir_.path() + "/keine-reflibs");
    waehle(kQnMitMotor, "R134a");
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 20), false);
    EXPECT_TRUE(std::isnan(r.QoV));
    EXPECT_TRUE(std::isnan(r.QoE));
    EXPECT_DOUBLE_EQ(r.Qo, qoPolynom(-10, 40)); // the polynomial itself needs no properties
    EXPECT_FALSE(sink_.messages.isEmpty());
}

// Values from tools/checks/rating_r134a.py, which evaluates the reference equation of
// R134a in plain Python from its published coefficients, independently of the
// program's property library: t0 −10 °C, tc 40 °C, rating suction gas 20 °C, user
// suction gas 5 °C, 3 K subcooling, 8 K useful superheat, Qo = 8.4 kW.
TEST_F(RatingTest, AgreesWithASeparateCalculationOffRating) {
    waehle(kQnMitMotor, "R134a");
    const Bewertung r = BetriebspunktRechnen(*dm_, stoff_, punkt(-10, 40, 5, 3, 8), false);
    ASSERT_DOUBLE_EQ(r.Qo, 8.4);
    EXPECT_NEAR(r.mR, 0.0518814, 0.001 * 0.0518814);
    EXPECT_NEAR(r.m, 0.0552654, 0.001 * 0.0552654);
    EXPECT_NEAR(r.QoV, 8.482505, 0.001 * 8.482505);
    EXPECT_NEAR(r.QoE, 8.153106, 0.001 * 8.153106);
}
