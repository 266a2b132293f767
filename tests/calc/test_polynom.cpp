#include "calc/polynom.h"
#include "ratingfixture.h"

using namespace drel;
using namespace drel::calc;
using namespace drel::rating::testing;

TEST(Polynom10, TermOrderOfTheStandard) {
    std::array<long double, 11> c{};
    for (size_t k = 1; k <= 10; ++k)
        c[k] = static_cast<long double>(k);
    EXPECT_EQ(Polynom10(c, 0.0, 0.0), 1.0);
    const double s = -10.0, d = 40.0;
    const double expected = 1 + 2 * s + 3 * d + 4 * s * s + 5 * s * d + 6 * d * d + 7 * s * s * s +
                            8 * s * s * d + 9 * s * d * d + 10 * d * d * d;
    EXPECT_DOUBLE_EQ(Polynom10(c, s, d), expected);
    c[1] = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(Polynom10(c, s, d), 0.0); // a non-finite value counts as 0
}

TEST(Polynom10, CorrectionFactors) {
    EXPECT_NEAR(drehzahlFaktorQo(1450), 0.9983, 5e-5);
    EXPECT_NEAR(drehzahlFaktorP(1450), 0.9982, 5e-5);
    EXPECT_NEAR(drehzahlFaktorQo(2900), 1.82, 0.01);
    EXPECT_NEAR(drehzahlFaktorP(2900), 2.02, 0.01);
    EXPECT_NEAR(r507Faktor("R507", -10, 40), 1.01347, 5e-6);
    EXPECT_EQ(r507Faktor("R404A,", -10, 40), 1.0);
    EXPECT_EQ(kaeltemittelSchluessel("R404A, R507"), "R404A,");
    EXPECT_EQ(kaeltemittelSchluessel("r 507"), "R507");
    EXPECT_EQ(kaeltemittelSchluessel("R507A"), "R507A"); // only "R507" is corrected
}

TEST_F(RatingTest, WithMotorFrequencyScalesAndSpeedDoesNot) {
    waehle(kQnMitMotor, "R134a");
    EXPECT_DOUBLE_EQ(QoRechnen(*dm_, 0, 0, 1450, 50), 20.0);
    EXPECT_DOUBLE_EQ(PRechnen(*dm_, 0, 0, 1450, 50), 3.0);
    const double q50 = QoRechnen(*dm_, -10, 40, 1450, 50);
    EXPECT_DOUBLE_EQ(q50, qoPolynom(-10, 40));
    EXPECT_DOUBLE_EQ(QoRechnen(*dm_, -10, 40, 2900, 50), q50);
    EXPECT_NEAR(QoRechnen(*dm_, -10, 40, 1450, 60) / q50, 1.185, 1e-12);
    EXPECT_NEAR(PRechnen(*dm_, -10, 40, 1450, 60) / pPolynom(-10, 40), 1.206, 1e-12);
}

TEST_F(RatingTest, WithoutMotorSpeedScalesAndFrequencyDoesNot) {
    waehle(kOffenerW, "R134a");
    const double q = QoRechnen(*dm_, -10, 40, 1450, 60);
    EXPECT_NEAR(q / qoPolynom(-10, 40), drehzahlFaktorQo(1450), 1e-12);
    EXPECT_DOUBLE_EQ(q, QoRechnen(*dm_, -10, 40, 1450, 50));
    EXPECT_NEAR(PRechnen(*dm_, -10, 40, 1450, 50) / pPolynom(-10, 40), drehzahlFaktorP(1450),
                1e-12);
}

TEST_F(RatingTest, R507CorrectsPowerAndCurrentButNotCapacity) {
    waehle(kQnMitMotor, "R134a");
    const double q = QoRechnen(*dm_, -10, 40, 1450, 50);
    const double p = PRechnen(*dm_, -10, 40, 1450, 50);
    const double i = IRechnen(*dm_, -10, 40, 1450, 50, false);
    EXPECT_DOUBLE_EQ(i, 2.0 + 1.5 * p + 0.02 * p * p + 0.001 * p * p * p);
    waehle(kQnMitMotor, "R 507");
    EXPECT_DOUBLE_EQ(QoRechnen(*dm_, -10, 40, 1450, 50), q);
    const double p507 = PRechnen(*dm_, -10, 40, 1450, 50);
    EXPECT_NEAR(p507 / p, 1.01347, 5e-6);
    // The current follows the corrected power and is corrected once more.
    const double iCubic = 2.0 + 1.5 * p507 + 0.02 * p507 * p507 + 0.001 * p507 * p507 * p507;
    EXPECT_NEAR(IRechnen(*dm_, -10, 40, 1450, 50, false) / iCubic, 1.01347, 5e-6);
}

TEST_F(RatingTest, AmmoniaSurchargeOnlyForKind3) {
    waehle(kQlMitMotor, "R134a");
    const double i134 = IRechnen(*dm_, -10, 40, 1450, 50, false);
    waehle(kQlMitMotor, "R717");
    EXPECT_NEAR(IRechnen(*dm_, -10, 40, 1450, 50, false) - i134, 1.5, 1e-12);
    waehle(kQnMitMotor, "R134a");
    const double iQn = IRechnen(*dm_, -10, 40, 1450, 50, false);
    EXPECT_NEAR(iQn, i134, 1e-12); // same coefficients, kind 4: no surcharge
}

TEST_F(RatingTest, CurrentWithoutMotorRecordIsZero) {
    waehle(kMotorOhneSatz, "R134a");
    EXPECT_TRUE(hatMotor(*dm_));
    EXPECT_FALSE(hatMotorDatensatz(*dm_));
    EXPECT_EQ(IRechnen(*dm_, -10, 40, 1450, 50, false), 0.0);
    EXPECT_EQ(IRechnen(*dm_, -10, 40, 1450, 60, true), 0.0);
}
