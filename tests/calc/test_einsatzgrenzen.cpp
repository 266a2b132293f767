#include "calc/einsatzgrenzen.h"
#include "ratingfixture.h"

using namespace drel;
using namespace drel::calc;
using namespace drel::db;
using namespace drel::rating::testing;

namespace {

GrenzPolygon poly(std::vector<std::pair<float, float>> punkte) {
    GrenzPolygon p;
    for (size_t k = 0; k < punkte.size() && k < 10; ++k)
        p.punkte[k] = {punkte[k].first, punkte[k].second};
    p.Anzahl = 11;
    for (size_t k = 1; k < 10; ++k)
        if (p.punkte[k] == p.punkte[0]) {
            p.Anzahl = static_cast<int>(k) + 1;
            break;
        }
    return p;
}

// Envelope shapes as (t0, tc), clockwise in the (tc, t0) plane as the data has them.
const GrenzPolygon blau = poly({{-40, 25}, {-40, 40}, {-20, 50}, {10, 55}, {10, 25}, {-40, 25}});
const GrenzPolygon strich = poly({{-45, 20}, {-45, 45}, {-20, 60}, {12, 62}, {12, 20}, {-45, 20}});

} // namespace

TEST(Richtungswinkel, DegreesAndNullVector) {
    EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, 1, 0), 90.0);
    EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, 0, -1), 180.0);
    EXPECT_DOUBLE_EQ(Richtungswinkel(0, 0, -1, 0), -90.0);
    EXPECT_DOUBLE_EQ(Richtungswinkel(5, 5, 5, 5), 90.0);
}

TEST(PolygonLage, InsideIsZeroOutsideAtLeastThree) {
    EXPECT_EQ(PolygonLage(blau, -10, 40), 0);
    EXPECT_GE(PolygonLage(blau, -10, 58), 3);
    EXPECT_GE(PolygonLage(blau, 20, 40), 3);
    EXPECT_GE(PolygonLage(blau, -50, 30), 3);
    // n = 6 < 7: the closing edge (tc = 25 from t0 = 10 back to -40) is not tested.
    EXPECT_EQ(PolygonLage(blau, -10, 20), 0);
}

TEST(PolygonLage, TriangleTestsOnlyTwoEdges) {
    // n = 4: only P1 -> P2 (t0 = 0) and P2 -> P3 (the hypotenuse) are tested; the
    // closing edge P3 -> P4 along tc = 0 is not.
    const GrenzPolygon dreieck = poly({{0, 0}, {0, 10}, {10, 0}, {0, 0}});
    EXPECT_EQ(dreieck.Anzahl, 4);
    EXPECT_EQ(PolygonLage(dreieck, 2, 2), 0);
    EXPECT_GE(PolygonLage(dreieck, 8, 8), 3);  // beyond the hypotenuse
    EXPECT_GE(PolygonLage(dreieck, -3, 5), 3); // below the first edge
    EXPECT_EQ(PolygonLage(dreieck, 5, -3), 0); // beyond the untested closing edge
}

TEST(PolygonLage, OpenPolygonReadsNothingPastPointEleven) {
    GrenzPolygon offen = poly({{-40, 25},
                               {-40, 40},
                               {-30, 45},
                               {-20, 50},
                               {-10, 52},
                               {0, 54},
                               {10, 55},
                               {10, 45},
                               {10, 35},
                               {10, 25}});
    ASSERT_EQ(offen.Anzahl, 11);
    EXPECT_EQ(PolygonLage(offen, -10, 40), 0);
}

TEST(EinsatzgrenzenTest, CodesAndPublishedRange) {
    GrenzBereich bereich;
    EXPECT_EQ(EinsatzgrenzenTest(blau, strich, 20.0, 20.0, 40, -10, bereich), 0);
    EXPECT_EQ(bereich.GrenzT0Min, -45.0);
    EXPECT_EQ(bereich.GrenzT0Max, 12.0);
    EXPECT_EQ(bereich.GrenzTcMin, 20.0);
    EXPECT_EQ(bereich.GrenzTcMax, 62.0);
    // Outside both: 10·d + b, suction gas not tested.
    const int aussen = EinsatzgrenzenTest(blau, strich, 20.0, 40.0, 70, -10, bereich);
    EXPECT_GE(aussen / 10 % 10, 3);
    EXPECT_GE(aussen % 10, 3);
    EXPECT_LT(aussen, 100);
}

TEST(EinsatzgrenzenTest, SuctionGasLimitBetweenTheLines) {
    GrenzBereich bereich;
    // t0 = -10: blue rising edge (-20,50)->(10,55) gives tcB = 51.67; dashed edge
    // (-20,60)->(12,62) gives tcD = 60.625. tc = 56 lies between them.
    const int ok = EinsatzgrenzenTest(blau, strich, 20.0, 0.0, 56, -10, bereich);
    EXPECT_EQ(ok % 100, ok); // a = 0 for ts = t0 + 10
    EXPECT_EQ(ok / 10 % 10, 0);
    EXPECT_GE(ok % 10, 3);
    const int heiss = EinsatzgrenzenTest(blau, strich, 20.0, 25.0, 56, -10, bereich);
    EXPECT_EQ(heiss, 100 + ok);
    // tsMax = 0 + (60.625 - 56)/(60.625 - 51.667)·(20 - 0) = 10.33
    EXPECT_EQ(EinsatzgrenzenTest(blau, strich, 20.0, 10.3, 56, -10, bereich), ok);
    EXPECT_EQ(EinsatzgrenzenTest(blau, strich, 20.0, 10.4, 56, -10, bereich), 100 + ok);
}

TEST(EinsatzgrenzenTest, VerticalEdgeGivesNoSuctionGasLimit) {
    GrenzBereich bereich;
    const GrenzPolygon senkrecht = poly({{-40, 25},
                                         {-40, 45},
                                         {10, 45},
                                         {10, 55},
                                         {10, 25},
                                         {-40, 25}}); // last rising edge is vertical in t0
    const int code = EinsatzgrenzenTest(senkrecht, strich, 20.0, 30.0, 50, -10, bereich);
    EXPECT_LT(code, 100);
    EXPECT_GE(code % 10, 3);
}

TEST_F(RatingTest, EnvelopeOfTheCurrentRecordAndEmptyDashedPolygon) {
    writeProductTable(
        dir_.path(), "CapacityData",
        {leistung(11, kQnMitMotor, 1, true, 20.0,
                  polygon("KoordBlau",
                          {{-40, 25}, {-40, 40}, {-20, 50}, {10, 55}, {10, 25}, {-40, 25}}))});
    dm_ = std::make_unique<TDataModule1>(dir_.path());
    waehle(kQnMitMotor, "R134a");
    EXPECT_EQ(EinsatzgrenzenTest(*dm_, 20, 40, -10), 0);
    // The dashed polygon is empty: the blue one stands in, also for the range.
    EXPECT_EQ(grenzBereich().GrenzTcMax, 55.0);
    EXPECT_EQ(grenzBereich().GrenzT0Min, -40.0);
}
