// The SEPR of condensing units against the worked example of the ecodesign SEPR
// calculation tool (Commission with ASERCOM, Eurovent and EPEE, "CU Annex 2 SEPR
// Calculation Tool V1.4.2", sheet "Cond Unit MT - Fix CAP+Stepless"): declared capacity
// 7.00, 7.76, 8.74, 9.61 kW and COP 2.10, 2.57, 3.27, 4.00 at A, B, C, D. Its printed
// rows are reproduced within their printed digits.
#include "calc/sepr.h"

#include <cmath>
#include <gtest/gtest.h>

namespace drel::calc {
namespace {

SeprErgebnis beispiel() {
    const std::array<double, 4> qo{7.00, 7.76, 8.74, 9.61};
    const std::array<double, 4> cop{2.10, 2.57, 3.27, 4.00};
    std::array<double, 4> p{};
    for (std::size_t k = 0; k < 4; ++k)
        p[k] = qo[k] / cop[k];
    return seprBerechnen(SeprAnwendung::Normalkuehlung, qo, p);
}

TEST(Sepr, WorkedExampleRatingPoints) {
    const SeprErgebnis e = beispiel();
    // Demand (kW), capacity ratio and part-load COP as the tool prints them.
    const double bedarf[] = {7.00, 6.27, 5.24, 4.20};
    const double cr[] = {1.00, 0.81, 0.60, 0.44};
    const double copPl[] = {2.10, 2.45, 2.94, 3.44};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(e.punkte[k].bedarf, bedarf[k], 0.005);
        EXPECT_NEAR(e.punkte[k].cr, cr[k], 0.005);
        EXPECT_NEAR(e.punkte[k].copTeillast, copPl[k], 0.005);
    }
}

TEST(Sepr, WorkedExampleBins) {
    const SeprErgebnis e = beispiel();
    // Bin rows: Tj, hours, demand, COP(PL), demand x hours, demand x hours / COP(PL).
    struct Zeile {
        double t, h, bedarf, copPl, energie, strom;
    };
    const Zeile zeilen[] = {
        {-19, 0.08, 4.20, 3.44, 0, 0},      {-10, 11.81, 4.20, 3.44, 50, 14},
        {-5, 56.61, 4.20, 3.44, 238, 69},   {0, 247.98, 4.20, 3.44, 1041, 303},
        {4, 310.77, 4.20, 3.44, 1305, 380}, {5, 336.48, 4.20, 3.44, 1413, 411},
        {6, 350.48, 4.30, 3.39, 1508, 445}, {7, 363.49, 4.41, 3.34, 1602, 480},
        {8, 368.91, 4.51, 3.29, 1664, 506}, {9, 371.63, 4.61, 3.24, 1715, 529},
    };
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.t);
        const auto bin = std::find_if(seprBins().begin(), seprBins().end(),
                                      [&](const SeprBin& b) { return b.t == z.t; });
        ASSERT_NE(bin, seprBins().end());
        EXPECT_DOUBLE_EQ(bin->h, z.h);
        const SeprBinWert w = seprBinWert(e, z.t);
        EXPECT_NEAR(w.bedarf, z.bedarf, 0.005);
        EXPECT_NEAR(w.copTeillast, z.copPl, 0.005);
        // Both energy columns are printed cut to whole kWh (1041.5 shows as 1,041); bin 9's
        // last figure is cut off in the copy, the value here is 1715 / 3.24.
        EXPECT_NEAR(w.bedarf * z.h, z.energie, 1.0);
        EXPECT_NEAR(w.bedarf * z.h / w.copTeillast, z.strom, 1.0);
    }
}

TEST(Sepr, PartLoadRatioOfBothApplications) {
    // 60 % + 40 % x (Tj - TD)/(TA - TD) at medium, 80 % + 20 % x ... at low temperature:
    // the rounded figures of the transitional method's tables.
    EXPECT_DOUBLE_EQ(seprTeillast(SeprAnwendung::Normalkuehlung, 32), 1.0);
    EXPECT_NEAR(seprTeillast(SeprAnwendung::Normalkuehlung, 25), 0.90, 0.005);
    EXPECT_NEAR(seprTeillast(SeprAnwendung::Normalkuehlung, 15), 0.75, 0.005);
    EXPECT_DOUBLE_EQ(seprTeillast(SeprAnwendung::Normalkuehlung, 5), 0.6);
    EXPECT_NEAR(seprTeillast(SeprAnwendung::Tiefkuehlung, 25), 0.95, 0.005);
    // The table prints 88 % for 80 % + 20 % x 10/27 = 87.4 %.
    EXPECT_NEAR(seprTeillast(SeprAnwendung::Tiefkuehlung, 15), 0.874, 0.0005);
    EXPECT_DOUBLE_EQ(seprTeillast(SeprAnwendung::Tiefkuehlung, 5), 0.8);
    // Beyond A and D the ratio stays where it is.
    EXPECT_DOUBLE_EQ(seprTeillast(SeprAnwendung::Normalkuehlung, 40), 1.0);
    EXPECT_DOUBLE_EQ(seprTeillast(SeprAnwendung::Tiefkuehlung, -19), 0.8);
}

TEST(Sepr, BinsRunFromMinus19To34) {
    ASSERT_EQ(seprBins().size(), 54U);
    for (std::size_t j = 0; j < seprBins().size(); ++j)
        EXPECT_EQ(seprBins()[j].t, -19.0 + static_cast<double>(j));
}

TEST(Sepr, ConstantCopWithoutCyclingEqualsTheCop) {
    // A unit whose capacity follows the demand exactly never cycles: SEPR = COP.
    std::array<double, 4> qo{}, p{};
    for (std::size_t k = 0; k < 4; ++k) {
        qo[k] = 10.0 * seprTeillast(SeprAnwendung::Tiefkuehlung, kSeprLuft[k]);
        p[k] = qo[k] / 1.8;
    }
    const SeprErgebnis e = seprBerechnen(SeprAnwendung::Tiefkuehlung, qo, p);
    EXPECT_NEAR(e.sepr, 1.8, 1e-12);
}

TEST(Sepr, NoCapacityOrPowerIsNotComputable) {
    EXPECT_FALSE(
        seprBerechnen(SeprAnwendung::Normalkuehlung, {7, 7, 7, 0}, {3, 3, 3, 3}).berechenbar());
    EXPECT_FALSE(
        seprBerechnen(SeprAnwendung::Normalkuehlung, {7, 7, 7, 7}, {3, NAN, 3, 3}).berechenbar());
    EXPECT_TRUE(beispiel().berechenbar());
}

} // namespace
} // namespace drel::calc
