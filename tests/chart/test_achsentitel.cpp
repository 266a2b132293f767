// The axis captions of the normal X-Y drawing as the control shows them: written
// into the margins the type reserves, never into the plot or over the numbers, and
// left out where there is nothing to write.
#include "chart/chartzeichner.h"
#include "chart/grenztest.h"
#include "hilfen.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace drel::chart;

namespace {

struct Abweichung {
    int anzahl = 0;
    int imPlot = 0;       // inside the plot, numbers excluded
    int unterPlot = 0;    // below the x numbers
    int ueberPlot = 0;    // above the plot
    int linksVomPlot = 0; // left of the plot's left edge (where the y numbers are)
};

Abweichung vergleichen(const QImage& mit, const QImage& ohne, const QRect& plot, int zahlZeile) {
    Abweichung a;
    for (int y = 0; y < mit.height(); ++y)
        for (int x = 0; x < mit.width(); ++x) {
            if (mit.pixel(x, y) == ohne.pixel(x, y))
                continue;
            ++a.anzahl;
            if (x < plot.left() - 1) // `plot` lies one pixel inside the frame
                ++a.linksVomPlot;
            if (plot.contains(x, y))
                ++a.imPlot;
            if (y > plot.bottom() + zahlZeile)
                ++a.unterPlot;
            if (y < plot.top())
                ++a.ueberPlot;
        }
    return a;
}

ChartDaten grenzChart() {
    ChartDaten d;
    d.XStep = 10;
    d.YStep = 10;
    grenzChartFuellen(d, test::typischeGrenzen(), grenzAchsen(-35, 12.5, 25, 63), -10, 45);
    d.ChartXAchse = QStringLiteral("Verdampfungstemperatur t0 [°C]");
    d.ChartYAchse = QStringLiteral("Verflüssigungstemperatur tc [°C]");
    return d;
}

} // namespace

// At the stored size and at the widest and tallest proportions the data sheet gives
// its chart: the captions sit above and below the plot, below the x numbers, and the
// drawing inside the plot is untouched (the envelope test reads it).
TEST(AchsenTitel, GoIntoTheReservedMarginsOnly) {
    for (const QSize groesse : {QSize(342, 244), QSize(700, 389), QSize(600, 500)}) {
        SCOPED_TRACE(groesse.width());
        ChartDaten d = grenzChart();
        const Zeichnung z = zeichnen(d, groesse);
        const QImage mit = mitAchsenTiteln(z, d);
        ASSERT_EQ(mit.size(), z.anzeige.size());
        const QRect plot = z.abbildung.plotRechteck();
        // The pixel size of the number font (its point size on a 96-dpi picture).
        const int zahlZeile =
            qRound(std::hypot(groesse.width(), groesse.height()) / 55.0 * 96.0 / 72.0);
        const Abweichung a = vergleichen(mit, z.anzeige, plot.adjusted(1, 1, -1, -1), zahlZeile);
        EXPECT_GT(a.unterPlot, 20);
        EXPECT_GT(a.ueberPlot, 20);
        EXPECT_EQ(a.imPlot, 0);
        EXPECT_EQ(a.linksVomPlot, 0);
        EXPECT_EQ(a.anzahl, a.unterPlot + a.ueberPlot);
    }
}

TEST(AchsenTitel, NothingToWriteLeavesThePictureAsDrawn) {
    ChartDaten d = grenzChart();
    d.ChartXAchse.clear();
    d.ChartYAchse.clear();
    const Zeichnung z = zeichnen(d, QSize(342, 244));
    EXPECT_EQ(mitAchsenTiteln(z, d), z.anzeige);
    // The captions of one axis alone: only that margin changes.
    d.ChartXAchse = QStringLiteral("t0");
    const Zeichnung nurX = zeichnen(d, QSize(342, 244));
    const Abweichung a =
        vergleichen(mitAchsenTiteln(nurX, d), nurX.anzeige, nurX.abbildung.plotRechteck(), 0);
    EXPECT_GT(a.unterPlot, 0);
    EXPECT_EQ(a.ueberPlot, 0);
}
