#include "base/messagesink.h"
#include "base/numberformat.h"
#include "chart/chartdruck.h"
#include "chart/chartzeichner.h"
#include "chart/flutfuellung.h"
#include "chart/graphenmaler.h"
#include "hilfen.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::chart;
using drel::chart::test::graphSetzen;

namespace {

const QSize kClient(342, 244);

// Axes 0..100 both ways, grid every 10.
ChartDaten leererChart() {
    ChartDaten d;
    d.XMin = 0;
    d.XMax = 100;
    d.YMin = 0;
    d.YMax = 100;
    d.XStep = 10;
    d.YStep = 10;
    return d;
}

// A square from 20 to 80 whose first point is the lower right corner, so that the
// seed (10 px left of and above it) lies inside.
void quadrat(ChartDaten& d, int g, float a = 20, float b = 80) {
    graphSetzen(d, g, {{b, a}, {b, b}, {a, b}, {a, a}, {b, a}});
}

WinFarbe farbeBei(ChartDaten& d, float x, float y, int g = 1) {
    d.KreuzSetzen(g, 1, x, y);
    d.graph(g).KreuzZahl = 1;
    d.FarbeKreuz = 4242; // a marker that no drawing produces
    zeichnen(d, kClient);
    return d.FarbeKreuz;
}

// Plain breadth-first fill of the 4-connected area, as a reference.
void referenzFuellen(QImage& bild, QPoint start, QRgb rand, QRgb fuellung) {
    auto frei = [&](QPoint p) {
        return bild.rect().contains(p) && (bild.pixel(p) & 0xFFFFFFu) != (rand & 0xFFFFFFu) &&
               (bild.pixel(p) & 0xFFFFFFu) != (fuellung & 0xFFFFFFu);
    };
    if (!frei(start))
        return;
    QList<QPoint> offen{start};
    bild.setPixel(start, fuellung);
    while (!offen.isEmpty()) {
        const QPoint p = offen.takeLast();
        for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
            if (frei(n)) {
                bild.setPixel(n, fuellung);
                offen.append(n);
            }
    }
}

} // namespace

TEST(Flutfuellung, GleichDerBreitensuche) {
    // Random blue scribbles make pockets, U-turns and one-pixel gaps.
    quint32 zufall = 12345;
    auto naechste = [&](int n) {
        zufall = zufall * 1103515245u + 12345u;
        return static_cast<int>((zufall >> 16) % static_cast<quint32>(n));
    };
    for (int runde = 0; runde < 30; ++runde) {
        QImage bild(60, 40, QImage::Format_RGB32);
        bild.fill(Qt::white);
        for (int i = 0; i < 250; ++i)
            bild.setPixel(naechste(60), naechste(40), zuQRgb(kReinBlau));
        for (int i = 0; i < 6; ++i) {
            const int x = naechste(60), y = naechste(40), l = naechste(30);
            for (int k = 0; k < l; ++k)
                bild.setPixel(std::min(59, x + (runde % 2 ? k : 0)),
                              std::min(39, y + (runde % 2 ? 0 : k)), zuQRgb(kReinBlau));
        }
        QImage erwartet = bild;
        const QPoint saat(naechste(60), naechste(40));
        referenzFuellen(erwartet, saat, zuQRgb(kReinBlau), zuQRgb(kFuellFarbe1));
        flutFuellen(pixelFeld(bild), saat, zuQRgb(kReinBlau), zuQRgb(kFuellFarbe1));
        ASSERT_EQ(bild, erwartet) << "round " << runde;
    }
}

TEST(Flutfuellung, BleibtInnerhalbDesBlauenRands) {
    QImage bild(20, 20, QImage::Format_RGB32);
    bild.fill(Qt::white);
    for (int i = 5; i <= 15; ++i) {
        bild.setPixel(i, 5, zuQRgb(kReinBlau));
        bild.setPixel(i, 15, zuQRgb(kReinBlau));
        bild.setPixel(5, i, zuQRgb(kReinBlau));
        bild.setPixel(15, i, zuQRgb(kReinBlau));
    }
    bild.setPixel(10, 10, zuQRgb(kFuellFarbe1)); // an earlier fill is painted over
    flutFuellen(pixelFeld(bild), QPoint(8, 8), zuQRgb(kReinBlau), zuQRgb(kFuellFarbe2));
    EXPECT_EQ(ausQRgb(bild.pixel(6, 6)), kFuellFarbe2);
    EXPECT_EQ(ausQRgb(bild.pixel(14, 14)), kFuellFarbe2);
    EXPECT_EQ(ausQRgb(bild.pixel(5, 10)), kReinBlau);
    EXPECT_EQ(ausQRgb(bild.pixel(4, 10)), kWeiss);
    EXPECT_EQ(ausQRgb(bild.pixel(0, 0)), kWeiss);

    // A seed on the border or outside the picture fills nothing.
    const QImage vorher = bild;
    flutFuellen(pixelFeld(bild), QPoint(5, 5), zuQRgb(kReinBlau), zuQRgb(kFuellFarbe3));
    flutFuellen(pixelFeld(bild), QPoint(-1, 30), zuQRgb(kReinBlau), zuQRgb(kFuellFarbe3));
    EXPECT_EQ(bild, vorher);
}

TEST(Zeichnen, FarbeUnterDemKreuz) {
    ChartDaten d = leererChart();
    quadrat(d, 1);
    d.NoGraphs = 1;
    EXPECT_EQ(farbeBei(d, 50, 50), kFuellFarbe1); // inside
    EXPECT_EQ(farbeBei(d, 20, 50), kReinBlau);    // on the left border
    EXPECT_EQ(farbeBei(d, 80, 80), kReinBlau);    // on a corner
    EXPECT_EQ(farbeBei(d, 90, 50), kWeiss);       // outside
    EXPECT_EQ(farbeBei(d, 0, 0), kWeiss);         // axis corner, still inside the ranges

    // A cross outside the axis ranges leaves the colour as it was.
    EXPECT_EQ(farbeBei(d, 101, 50), 4242u);
    // Hidden crosses read nothing either.
    d.graph(1).KreuzeZeigen = false;
    EXPECT_EQ(farbeBei(d, 50, 50), 4242u);
}

TEST(Zeichnen, ZweiteFuellungEndetAmRandVonGraph1) {
    ChartDaten d = leererChart();
    quadrat(d, 1);
    // Graph 2 without points: its fill starts at the centre of the control, which lies
    // inside graph 1's square; it must not leak past graph 1's border.
    d.NoGraphs = 2;
    const Zeichnung z = zeichnen(d, kClient);
    const QPoint innen = z.abbildung.pixel(50, 50);
    const QPoint aussen = z.abbildung.pixel(90, 50);
    ASSERT_EQ(QPoint(kClient.width() / 2, kClient.height() / 2).x(), 171);
    EXPECT_EQ(ausQRgb(z.bild.pixel(innen)), kFuellFarbe2);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(22, 22))), kFuellFarbe2);
    EXPECT_EQ(ausQRgb(z.bild.pixel(aussen)), kWeiss);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(20, 50))), kReinBlau);
}

TEST(Zeichnen, SpaetereGraphenUndKreuzReihenfolge) {
    // Nested squares: graph 3's area appears in the picture, but a cross of graph 2
    // is read before graph 3 is drawn and sees graph 2's area.
    ChartDaten d = leererChart();
    quadrat(d, 1, 10, 90);
    quadrat(d, 2, 20, 80);
    quadrat(d, 3, 30, 70);
    d.NoGraphs = 3;
    EXPECT_EQ(farbeBei(d, 50, 50, 2), kFuellFarbe2);
    EXPECT_EQ(farbeBei(d, 15, 50, 2), kFuellFarbe1);
    const Zeichnung z = zeichnen(d, kClient);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(45, 45))), kFuellFarbe3);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(25, 25))), kFuellFarbe2);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(15, 15))), kFuellFarbe1);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(95, 95))), kWeiss);
    // A cross of graph 3 does see graph 3's area.
    EXPECT_EQ(farbeBei(d, 50, 50, 3), kFuellFarbe3);
}

TEST(Zeichnen, SaatLagen) {
    // First point at the upper left corner: the seed lies outside the square and the
    // fill takes everything around it.
    ChartDaten d = leererChart();
    graphSetzen(d, 1, {{20, 80}, {80, 80}, {80, 20}, {20, 20}, {20, 80}});
    d.NoGraphs = 1;
    EXPECT_EQ(farbeBei(d, 50, 50), kWeiss);
    EXPECT_EQ(farbeBei(d, 90, 90), kFuellFarbe1);

    // One point draws no line; the fill from the centre then covers the whole picture.
    ChartDaten e = leererChart();
    graphSetzen(e, 1, {{50, 50}});
    e.NoGraphs = 1;
    EXPECT_EQ(farbeBei(e, 50, 50), kFuellFarbe1);
    EXPECT_EQ(farbeBei(e, 99, 1), kFuellFarbe1);

    // Hidden lines: the seed is the centre too, and no border stops the fill.
    ChartDaten f = leererChart();
    quadrat(f, 1);
    f.graph(1).LinienZeigen = false;
    f.NoGraphs = 1;
    EXPECT_EQ(farbeBei(f, 95, 95), kFuellFarbe1);
}

TEST(Zeichnen, PunkteAusserhalbDerAchsenZeichnenKeineLinie) {
    ChartDaten d = leererChart();
    // The right edge runs outside the x range: its two segments are left out and the
    // fill leaks through the gap.
    graphSetzen(d, 1, {{120, 20}, {120, 80}, {20, 80}, {20, 20}, {120, 20}});
    d.NoGraphs = 1;
    d.KreuzSetzen(1, 1, 95, 95);
    d.graph(1).KreuzZahl = 1;
    const Zeichnung z = zeichnen(d, kClient);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(20, 50))), kReinBlau);
    EXPECT_EQ(ausQRgb(z.bild.pixel(z.abbildung.pixel(90, 50))), kWeiss);
}

TEST(Zeichnen, BilderUndGitter) {
    ChartDaten d = leererChart();
    quadrat(d, 1);
    d.NoGraphs = 1;
    d.Scale = 2;
    const Zeichnung z = zeichnen(d, kClient);
    ASSERT_TRUE(z.gezeichnet);
    EXPECT_EQ(z.bild.size(), QSize(684, 488));
    EXPECT_EQ(z.anzeige.size(), z.bild.size());
    // Plot 85 % x 75 %: x 0 lies at 13 % of the plot width, y 0 at ph/0.7 - 0.28 ph.
    EXPECT_EQ(z.abbildung.pw(), 581);
    EXPECT_EQ(z.abbildung.ph(), 366);
    EXPECT_EQ(z.abbildung.pixel(0, 0), QPoint(76, 523 - 102));
    // The YMin border line is black in the display and absent from the picture.
    const QPoint unten = z.abbildung.pixel(85, 0);
    EXPECT_EQ(ausQRgb(z.anzeige.pixel(unten)), kSchwarz);
    EXPECT_EQ(ausQRgb(z.bild.pixel(unten)), kWeiss);
    // Inner grid lines are silver; combined with the fill by AND.
    const QPoint gitter = z.abbildung.pixel(50, 43);
    EXPECT_EQ(ausQRgb(z.bild.pixel(gitter)), kFuellFarbe1);
    EXPECT_EQ(z.anzeige.pixel(gitter), zuQRgb(kSilber) & zuQRgb(kFuellFarbe1));
}

TEST(Zeichnen, LegendenVerkleinernDenPlot) {
    ChartDaten d = leererChart();
    const int ohne = plotGroesse(d, 342, 244).height();
    d.ChartLegende2 = QStringLiteral("Sauggasüberhitzung 10 K");
    const int mit = plotGroesse(d, 342, 244).height();
    EXPECT_EQ(ohne, 183);
    EXPECT_LT(mit, ohne - 10);
    d.ChartLegende3 = QStringLiteral("x");
    EXPECT_EQ(plotGroesse(d, 342, 244).height(), 2 * mit - ohne);
}

TEST(Zeichnen, ArtenOhneZeichnungMelden) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    for (ChartArt art : {ChartArt::XLogY, ChartArt::LogXLogY}) {
        ChartDaten d = leererChart();
        d.Art = art;
        d.FarbeKreuz = 7;
        const Zeichnung z = zeichnen(d, kClient);
        EXPECT_FALSE(z.gezeichnet);
        EXPECT_EQ(d.FarbeKreuz, 7u);
    }
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_EQ(sink.messages[0].text, QStringLiteral("Noch nicht implementiert!"));
}

TEST(Zeichnen, PolarUndLogYZeichnenGraphen) {
    ChartDaten d = leererChart();
    d.Art = ChartArt::Kreis;
    d.XMin = 0;
    d.XMax = 360;
    d.XStep = 30;
    d.YMin = 0;
    d.YMax = 10;
    d.YStep = 2;
    graphSetzen(d, 4, {{0, 5}, {90, 5}, {180, 5}});
    d.NoGraphs = 4;
    const Zeichnung z = zeichnen(d, kClient);
    ASSERT_TRUE(z.gezeichnet);
    // Radius 5 at 90 degrees lies straight above the centre.
    const QPoint oben = z.abbildung.pixel(90, 5);
    const QPoint mitte = z.abbildung.pixel(0, 0);
    EXPECT_EQ(oben.x(), mitte.x());
    EXPECT_LT(oben.y(), mitte.y());
    EXPECT_EQ(ausQRgb(z.bild.pixel(oben)), kSchwarz);

    ChartDaten l = leererChart();
    l.Art = ChartArt::LogY;
    l.YMin = 1;
    l.YMax = 1000;
    const Zeichnung zl = zeichnen(l, kClient);
    ASSERT_TRUE(zl.gezeichnet);
    // Decades are evenly spaced.
    const int y1 = zl.abbildung.pixel(0, 1).y();
    const int y10 = zl.abbildung.pixel(0, 10).y();
    const int y100 = zl.abbildung.pixel(0, 100).y();
    EXPECT_NEAR(y1 - y10, y10 - y100, 1);
    EXPECT_FALSE(zl.abbildung.imBereich(0, 0));
}

TEST(Zeichnen, LogGitterFolge) {
    QList<double> werte{0.1};
    while (werte.size() < 9)
        werte << naechsterLogWert(werte.last());
    const QList<double> erwartet{0.1, 0.2, 0.3, 0.5, 1, 2, 3, 5, 10};
    EXPECT_EQ(werte, erwartet);
    // A value with none of the digits 1, 2, 3, 5 still advances.
    EXPECT_GT(naechsterLogWert(7), 7);
    EXPECT_EQ(naechsterLogWert(150), 300);
}

TEST(Zeichnen, AchsenZahlen) {
    drel::setNumberSeparators(drel::NumberSeparators::german());
    EXPECT_EQ(achsenZahl(-40, 0), QStringLiteral("-40"));
    EXPECT_EQ(achsenZahl(2.5, 1), QStringLiteral("2,5"));
    EXPECT_EQ(achsenZahl(12345.678, 2), QStringLiteral("12345,68"));
}

TEST(Drucken, ZehntelMillimeterMitYNachOben) {
    // At 254 dpi one device pixel is 0.1 mm, so positions can be read off directly.
    QImage papier(2100, 1500, QImage::Format_RGB32);
    papier.setDotsPerMeterX(10000);
    papier.setDotsPerMeterY(10000);
    papier.fill(Qt::white);
    ChartDaten d = leererChart();
    quadrat(d, 1);
    d.NoGraphs = 1;
    d.KreuzSetzen(1, 1, 50, 50);
    d.graph(1).KreuzZahl = 1;
    d.FarbeKreuz = 4242;
    {
        QPainter p(&papier);
        chartDrucken(p, d, kClient, false);
    }
    // Plot 1300 * 0.93 = 1209 wide, 800 * 0.89 = 712 high, from LeftRand 40 mm and
    // TopRand 30 mm: x 0 at 400, y 100 at 300 and y 0 at 1012.
    EXPECT_EQ(ausQRgb(papier.pixel(800, 1012)), kSchwarz);
    EXPECT_EQ(ausQRgb(papier.pixel(800, 300)), kSchwarz);
    EXPECT_EQ(ausQRgb(papier.pixel(400, 600)), kSchwarz);
    EXPECT_EQ(ausQRgb(papier.pixel(800, 1030)), kWeiss);
    // The cross at (50, 50): 400 + 50 * 12.09, 1012 - 50 * 7.12.
    EXPECT_EQ(ausQRgb(papier.pixel(1004, 656)), kReinBlau);
    // Areas are not filled and FarbeKreuz stays.
    EXPECT_EQ(ausQRgb(papier.pixel(850, 700)), kWeiss);
    EXPECT_EQ(d.FarbeKreuz, 4242u);
}
