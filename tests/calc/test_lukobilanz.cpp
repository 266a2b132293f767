#include "calc/lukobilanz.h"
#include "calc/polynom.h"
#include "ratingfixture.h"

#include <cmath>

using namespace drel;
using namespace drel::calc;
using namespace drel::rating::testing;

namespace {

LukoEintrag kondensator(double k1, double k2, double k3, double k4) {
    LukoEintrag e;
    e.LuftkondensatorID = 1;
    e.Kaeltemittel = "R134a";
    e.KondensLeistung = {0.0, k1, k2, k3, k4};
    return e;
}

} // namespace

TEST(Kondensator, CapacityAndFrequency) {
    const LukoEintrag k = kondensator(1.0, 2.0, -1.5, 0.01);
    EXPECT_DOUBLE_EQ(kondensatorLeistung(k, 40, 30, 50), 1 + 80 - 45 + 12);
    EXPECT_DOUBLE_EQ(kondensatorLeistung(k, 40, 30, 60), (1 + 80 - 45 + 12) * 1.05);
}

TEST_F(RatingTest, BalanceFindsTheCondensingTemperature) {
    waehle(kQnMitMotor, "R134a"); // kind 4: all of P goes to the condenser
    // Qc = 2.5·(tc − tle): rejects nothing at the air temperature.
    const LukoEintrag k = kondensator(0.0, 2.5, -2.5, 0.0);
    const LukoErgebnis r = LukoBilanz(*dm_, k, 50, 32, -10, false);
    ASSERT_TRUE(r.berechenbar);
    const double qh = qoPolynom(-10, r.tc) + pPolynom(-10, r.tc);
    EXPECT_NEAR(qh, kondensatorLeistung(k, r.tc, 32, 50), 0.05);
    EXPECT_GT(r.tc, 32.0 + 5.0);
    EXPECT_NEAR(r.I, IRechnen(*dm_, -10, r.tc, 1450, 50, false), 1e-12);
    // Qo and P come from the last evaluation at the previous estimate + 0.001 K.
    EXPECT_NEAR(r.Qo, qoPolynom(-10, r.tc), 0.01);
}

TEST_F(RatingTest, KindThreeCountsEightyPercentOfThePower) {
    const LukoEintrag k = kondensator(0.0, 2.5, -2.5, 0.0);
    waehle(kQlMitMotor, "R134a"); // kind 3, same coefficients
    const LukoErgebnis ql = LukoBilanz(*dm_, k, 50, 32, -10, false);
    const double qh = qoPolynom(-10, ql.tc) + 0.8 * pPolynom(-10, ql.tc);
    EXPECT_NEAR(qh, kondensatorLeistung(k, ql.tc, 32, 50), 0.05);
    waehle(kQnMitMotor, "R134a");
    EXPECT_GT(LukoBilanz(*dm_, k, 50, 32, -10, false).tc, ql.tc);
}

TEST_F(RatingTest, LinearBalanceConvergesInTwoIterations) {
    // No coefficients: Qh = 0, so F = −Qc is linear in tc.
    writeProductTable(
        dir_.path(), "CapacityData",
        {rowOf("CapacityData",
               {{"ID", i(1)}, {"ArtikelID", i(kQnMitMotor)}, {"KaeltemittelID", i(1)}})});
    dm_ = std::make_unique<TDataModule1>(dir_.path());
    waehle(kQnMitMotor, "R134a");
    const LukoErgebnis r = LukoBilanz(*dm_, kondensator(-80.0, 2.0, 0.0, 0.0), 50, 25, -10, false);
    EXPECT_EQ(r.iterationen, 2);
    EXPECT_NEAR(r.tc, 40.0, 1e-6);
}

TEST_F(RatingTest, FlatBalanceIsNotComputable) {
    writeProductTable(
        dir_.path(), "CapacityData",
        {rowOf("CapacityData",
               {{"ID", i(1)}, {"ArtikelID", i(kQnMitMotor)}, {"KaeltemittelID", i(1)}})});
    dm_ = std::make_unique<TDataModule1>(dir_.path());
    waehle(kQnMitMotor, "R134a");
    // Neither side changes with tc: the Newton step has no slope.
    const LukoErgebnis r = LukoBilanz(*dm_, kondensator(10.0, 0.0, 0.0, 0.0), 50, 25, -10, false);
    EXPECT_FALSE(r.berechenbar);
    EXPECT_EQ(r.tc, 30.0); // the first estimate, 5 K above the air
    EXPECT_TRUE(std::isnan(r.Qo));
    EXPECT_EQ(r.iterationen, 1);
}
