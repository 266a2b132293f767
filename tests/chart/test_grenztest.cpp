#include "chart/chartzeichner.h"
#include "chart/grenztest.h"
#include "hilfen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

using namespace drel::chart;
using drel::GrenzPolygon;
using drel::chart::test::polygon;
using drel::chart::test::typischeGrenzen;

namespace {

const GrenzAchsen kAchsen = grenzAchsen(-35, 12.5, 25, 63);

// The colour as the full chart finds it: grid, all three graphs, the cross.
WinFarbe farbeDesCharts(const GrenzPolygone& p, const GrenzAchsen& a, double t0, double tc,
                        QSize client = QSize(342, 244), quint16 scale = 1) {
    ChartDaten d;
    d.XStep = 10;
    d.YStep = 10;
    d.Scale = scale;
    d.FarbeKreuz = kSchwarz;
    grenzChartFuellen(d, p, a, t0, tc);
    zeichnen(d, client);
    return d.FarbeKreuz;
}

// A second envelope: a narrow one with a sloped top, and a dashed polygon that is empty
// except for two points (no closed area).
GrenzPolygone schmaleGrenzen() {
    GrenzPolygone p;
    p.rot = polygon({{-5, 20}, {-5, 48}, {-12, 55}, {-25, 55}, {-25, 20}, {-5, 20}});
    p.strich = polygon({{-7, 24}, {-7, 45}, {-14, 51}, {-23, 51}, {-23, 24}, {-7, 24}});
    p.blau = polygon({{-9, 26}, {-9, 40}, {-21, 40}, {-21, 26}, {-9, 26}});
    return p;
}

} // namespace

TEST(GrenzTest, AchsenWieDasDatenblatt) {
    const GrenzAchsen a = grenzAchsen(-35, 12.5, 25, 63);
    EXPECT_EQ(a.XMin, -40);
    EXPECT_EQ(a.XMax, 20);
    EXPECT_EQ(a.YMin, 20);
    EXPECT_EQ(a.YMax, 70);
    // Halves go to even: (-45 + 0)/10 = -4.5 -> -4; (15 + 5)/10 = 2.
    const GrenzAchsen b = grenzAchsen(-41, 15, 30, 50);
    EXPECT_EQ(b.XMin, -40);
    EXPECT_EQ(b.XMax, 20);
    // In °F: t0 -35 - 4 = -39 °C = -38.2 °F -> -40.
    const GrenzAchsen f = grenzAchsen(-35, 12.5, 25, 63, true);
    EXPECT_EQ(f.XMin, -40);
    EXPECT_EQ(f.XMax, 60);  // 17.5 °C = 63.5 °F
    EXPECT_EQ(f.YMin, 70);  // 20 °C = 68 °F
    EXPECT_EQ(f.YMax, 150); // 68 °C = 154.4 °F
}

TEST(GrenzTest, FahrenheitGibtDieselbenBereiche) {
    // The same envelope and point in °F land in the same areas.
    GrenzChart chart;
    const GrenzPolygone c = typischeGrenzen();
    const GrenzPolygone f = inFahrenheit(c);
    EXPECT_FLOAT_EQ(f.strich.punkte[0].to, 54.5f);
    EXPECT_FLOAT_EQ(f.strich.punkte[0].tc, 86.0f);
    const GrenzAchsen af = grenzAchsen(-35, 12.5, 25, 63, true);
    auto fahrenheit = [](double t) { return t * 9 / 5 + 32; };
    for (const auto& [t0, tc] : {std::pair{-10.0, 45.0}, {-36.5, 40.0}, {17.0, 40.0}, {0.0, 50.0}})
        EXPECT_EQ(chart.farbe(f, af, fahrenheit(t0), fahrenheit(tc)),
                  chart.farbe(c, kAchsen, t0, tc))
            << t0 << " " << tc;
}

TEST(GrenzTest, ZulaessigeFarben) {
    EXPECT_TRUE(grenzFarbeZulaessig(kFuellFarbe1));
    EXPECT_TRUE(grenzFarbeZulaessig(kFuellFarbe2));
    EXPECT_TRUE(grenzFarbeZulaessig(kReinBlau));
    EXPECT_FALSE(grenzFarbeZulaessig(kFuellFarbe3));
    EXPECT_FALSE(grenzFarbeZulaessig(kWeiss));
}

TEST(GrenzTest, BereicheDerHuelle) {
    GrenzChart chart;
    const GrenzPolygone p = typischeGrenzen();
    EXPECT_EQ(chart.farbe(p, kAchsen, -10, 45), kFuellFarbe2);   // inside blue and dashed
    EXPECT_EQ(chart.farbe(p, kAchsen, -36.5, 40), kFuellFarbe1); // between dashed and red
    EXPECT_EQ(chart.farbe(p, kAchsen, -35, 40), kReinBlau);      // on the dashed border
    EXPECT_EQ(chart.farbe(p, kAchsen, 17, 40), kWeiss);          // right of everything
    EXPECT_FALSE(chart.innerhalb(p, kAchsen, 17, 40));
    EXPECT_TRUE(chart.innerhalb(p, kAchsen, 0, 50));
    // Outside the axes: no cross, the previous colour stays.
    chart.setFarbeKreuz(kFuellFarbe3);
    EXPECT_EQ(chart.farbe(p, kAchsen, 25, 40), kFuellFarbe3);
    chart.setSchnell(false);
    EXPECT_EQ(chart.farbe(p, kAchsen, 25, 40), kFuellFarbe3);
}

TEST(GrenzTest, LeerePolygone) {
    // Without points every fill starts at the centre and floods the picture.
    GrenzChart chart;
    EXPECT_EQ(chart.farbe(GrenzPolygone{}, kAchsen, 0, 40), kFuellFarbe2);
    // More than 11 points are cut to the record's 11.
    GrenzPolygone p = typischeGrenzen();
    p.strich.Anzahl = 200;
    p.rot.Anzahl = -3;
    chart.setSchnell(false);
    const WinFarbe langsam = chart.farbe(p, kAchsen, -10, 45);
    chart.setSchnell(true);
    EXPECT_EQ(chart.farbe(p, kAchsen, -10, 45), langsam);
}

TEST(GrenzTest, LeeresRotesPolygonFlutetNichtDasDiagramm) {
    // A record without a red polygon stores (0, 0) points. With axes that include
    // (0, 0), their seed must not flood the picture, or every point would pass.
    GrenzPolygone p = typischeGrenzen();
    p.rot = polygon({{0, 0}, {0, 0}});
    ASSERT_EQ(p.rot.Anzahl, 2);
    const GrenzAchsen weit = grenzAchsen(-35, 12.5, -10, 63);
    ASSERT_LT(weit.YMin, 0.0);
    for (bool schnell : {false, true}) {
        GrenzChart chart;
        chart.setSchnell(schnell);
        EXPECT_FALSE(chart.innerhalb(p, weit, 17, 40)) << schnell; // right of everything
        EXPECT_FALSE(chart.innerhalb(p, weit, -10, 5)) << schnell; // below everything
        EXPECT_TRUE(chart.innerhalb(p, weit, -10, 45)) << schnell; // inside blue
        EXPECT_TRUE(chart.innerhalb(p, weit, -34, 40)) << schnell; // inside dashed only
    }
    EXPECT_EQ(farbeDesCharts(p, weit, 17, 40), kWeiss);
}

// The fast path and the drawing from scratch must give the colour the full chart
// finds, on a grid of points around the envelopes, vertices and edges included.
TEST(GrenzTest, SchnellerWegGleichDerZeichnung) {
    struct Fall {
        GrenzPolygone polygone;
        GrenzAchsen achsen;
        QSize client;
        quint16 scale;
        double raster; // grid spacing in K
    };
    const QList<Fall> faelle{
        {typischeGrenzen(), kAchsen, QSize(342, 244), 1, 2.5},
        {schmaleGrenzen(), grenzAchsen(-23, -7, 24, 51), QSize(342, 244), 1, 2},
        {typischeGrenzen(), kAchsen, QSize(200, 150), 3, 5},
    };
    for (const Fall& fall : faelle) {
        GrenzChart schnell(fall.client, fall.scale);
        GrenzChart neu(fall.client, fall.scale);
        neu.setSchnell(false);
        QList<std::pair<double, double>> punkte;
        for (double t0 = fall.achsen.XMin; t0 <= fall.achsen.XMax; t0 += fall.raster)
            for (double tc = fall.achsen.YMin; tc <= fall.achsen.YMax; tc += fall.raster)
                punkte.append({t0, tc});
        for (const GrenzPolygon* poly : {&fall.polygone.rot, &fall.polygone.strich})
            for (int i = 0; i + 1 < poly->Anzahl; ++i) {
                const double x = poly->punkte[static_cast<size_t>(i)].to;
                const double y = poly->punkte[static_cast<size_t>(i)].tc;
                const double x2 = poly->punkte[static_cast<size_t>(i + 1)].to;
                const double y2 = poly->punkte[static_cast<size_t>(i + 1)].tc;
                for (double s : {0.0, 0.25, 0.5, 0.05})
                    punkte.append({x + s * (x2 - x), y + s * (y2 - y)});
                punkte.append({x + 0.3, y - 0.3});
                punkte.append({x - 0.3, y + 0.3});
            }
        int grenzen = 0, flaechen = 0;
        for (const auto& [t0, tc] : punkte) {
            const WinFarbe erwartet =
                farbeDesCharts(fall.polygone, fall.achsen, t0, tc, fall.client, fall.scale);
            neu.setFarbeKreuz(kSchwarz);
            schnell.setFarbeKreuz(kSchwarz);
            ASSERT_EQ(neu.farbe(fall.polygone, fall.achsen, t0, tc), erwartet)
                << "from scratch at t0 " << t0 << " tc " << tc;
            ASSERT_EQ(schnell.farbe(fall.polygone, fall.achsen, t0, tc), erwartet)
                << "fast path at t0 " << t0 << " tc " << tc;
            grenzen += erwartet == kReinBlau;
            flaechen += erwartet == kFuellFarbe1 || erwartet == kFuellFarbe2;
        }
        // The grid really crosses borders and both areas.
        EXPECT_GT(grenzen, 15) << punkte.size() << " points";
        EXPECT_GT(flaechen, punkte.size() / 4) << punkte.size() << " points";
    }
}

TEST(GrenzTest, CacheWechseltZwischenHuellen) {
    // More polygon sets than the cache keeps, visited twice: answers stay right.
    GrenzChart schnell;
    GrenzChart neu;
    neu.setSchnell(false);
    for (int runde = 0; runde < 2; ++runde)
        for (int k = 0; k < 40; ++k) {
            GrenzPolygone p = typischeGrenzen();
            p.strich.punkte[1].to = 12.5f - static_cast<float>(k) * 0.5f; // vary the dashed polygon
            EXPECT_EQ(schnell.farbe(p, kAchsen, 10, 52), neu.farbe(p, kAchsen, 10, 52))
                << "set " << k;
        }
}

// The envelope margin on the dashed polygon of typischeGrenzen(): its right edge is
// t0 = 12.5, its bottom tc = 25, its upper right corner (12.5, 55).
TEST(EinsatzRand, SignedDistanceToTheDashedPolygon) {
    const GrenzPolygone p = typischeGrenzen();
    RandPolygon gemessen = RandPolygon::keins;
    EXPECT_DOUBLE_EQ(einsatzRand(p, 0, 40, &gemessen), 12.5);
    EXPECT_EQ(gemessen, RandPolygon::strich);
    EXPECT_DOUBLE_EQ(einsatzRand(p, 15, 40), -2.5);
    EXPECT_DOUBLE_EQ(einsatzRand(p, -20, 20), -5.0); // below the bottom edge
    // On an edge and on a corner the margin is 0, never "-0".
    for (const auto& [t0, tc] :
         {std::pair{12.5, 40.0}, {-10.0, 63.0}, {12.5, 55.0}, {-35.0, 25.0}}) {
        SCOPED_TRACE(testing::Message() << t0 << " / " << tc);
        const double rand = einsatzRand(p, t0, tc);
        EXPECT_EQ(rand, 0.0);
        EXPECT_FALSE(std::signbit(rand));
    }
    // A millikelvin either side of the edge has that sign.
    EXPECT_NEAR(einsatzRand(p, 12.499, 40), 0.001, 1e-6);
    EXPECT_NEAR(einsatzRand(p, 12.501, 40), -0.001, 1e-6);
    // Beyond the corner the corner itself is nearest (a 3-4-5 triangle), not the lines
    // through its edges.
    EXPECT_NEAR(einsatzRand(p, 15.5, 59), -5.0, 1e-6);
    // The red and blue polygons do not count while there is a dashed one: this point
    // lies inside the red one.
    EXPECT_LT(einsatzRand(p, 14, 40), 0.0);
}

TEST(EinsatzRand, BluePolygonWhereThereIsNoDashedOne) {
    GrenzPolygone p = typischeGrenzen();
    for (const GrenzPolygon& ohne : {GrenzPolygon{}, polygon({{0, 0}, {0, 0}, {0, 0}, {0, 0}}),
                                     polygon({{-7, 24}, {-7, 45}})}) {
        p.strich = ohne;
        RandPolygon gemessen = RandPolygon::keins;
        // Blue: right edge t0 = 10.
        EXPECT_DOUBLE_EQ(einsatzRand(p, 0, 40, &gemessen), 10.0);
        EXPECT_EQ(gemessen, RandPolygon::blau);
        EXPECT_DOUBLE_EQ(einsatzRand(p, 11, 40), -1.0);
        EXPECT_EQ(einsatzRand(p, 10, 40), 0.0);
    }
    p.blau = GrenzPolygon{};
    RandPolygon gemessen = RandPolygon::strich;
    EXPECT_TRUE(std::isnan(einsatzRand(p, 0, 40, &gemessen)));
    EXPECT_EQ(gemessen, RandPolygon::keins);
}
