#include "base/messagesink.h"
#include "base/numberformat.h"
#include "chart/chartdatei.h"
#include "chart/tabellenmodell.h"
#include "hilfen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::chart;
using drel::chart::test::graphSetzen;

namespace {

QString fixture(const char* name) {
    return QStringLiteral(DREL_CHART_DATA "/") + QLatin1String(name);
}

class ChartDatTest : public ::testing::Test {
protected:
    void SetUp() override { setNumberSeparators(NumberSeparators::german()); }
    RecordingSink sink;
    ScopedMessageSink guard{&sink};
};

} // namespace

TEST_F(ChartDatTest, SchreibenUndZurueckUeberDieTabelle) {
    ChartDaten d;
    graphSetzen(d, 1, {{-40, 20}, {12.5f, 63.25f}, {0.1f, -1e-7f}});
    graphSetzen(d, 2, {{1, 2}});
    d.NoGraphs = 2;
    const QString text = chartDatText(d);
    const QStringList zeilen = text.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 1 + 6 + 1 + 2);
    EXPECT_EQ(zeilen[0], QStringLiteral("2"));
    EXPECT_EQ(zeilen[1], QStringLiteral("3"));
    EXPECT_EQ(zeilen[2].size(), 23);
    EXPECT_EQ(zeilen[2].trimmed(), QStringLiteral("-4.000000000000000E+01"));

    QTemporaryDir dir;
    const QString pfad = dir.filePath(kChartDat);
    ASSERT_TRUE(chartDatSchreiben(pfad, d));
    TabellenModell tabelle;
    tabelle.Uebernommen = true;
    ASSERT_TRUE(tabelle.laden(pfad));
    EXPECT_FALSE(tabelle.Uebernommen);
    EXPECT_EQ(tabelle.zelle(1, 1), QStringLiteral("X1"));
    EXPECT_EQ(tabelle.zelle(2, 1), QStringLiteral("Y1"));
    EXPECT_EQ(tabelle.zelle(3, 1), QStringLiteral("X2"));
    EXPECT_EQ(tabelle.zelle(1, 3), QStringLiteral("12,5"));
    EXPECT_EQ(tabelle.zelle(2, 3), QStringLiteral("63,25"));
    EXPECT_EQ(tabelle.zelle(1, 4), QStringLiteral("0,1"));
    EXPECT_EQ(tabelle.zelle(2, 4), QStringLiteral("-1E-7"));
    EXPECT_EQ(tabelle.zelle(1, 5), QString());

    ChartDaten zurueck;
    ASSERT_TRUE(tabelle.zurueckLesen(zurueck));
    EXPECT_EQ(zurueck.NoGraphs, 2);
    ASSERT_EQ(zurueck.graph(1).PunktZahl, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(zurueck.graph(1).kurveX[i], d.graph(1).kurveX[i]);
        EXPECT_EQ(zurueck.graph(1).kurveY[i], d.graph(1).kurveY[i]);
    }
    EXPECT_EQ(zurueck.graph(2).PunktZahl, 1);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ChartDatTest, FremdeSchreibweisenWerdenGelesen) {
    TabellenModell tabelle;
    ASSERT_TRUE(tabelle.laden(fixture("zwei_graphen.dat")));
    EXPECT_EQ(tabelle.zelle(1, 2), QStringLiteral("10"));
    EXPECT_EQ(tabelle.zelle(2, 2), QStringLiteral("20"));
    EXPECT_EQ(tabelle.zelle(1, 3), QStringLiteral("12,5"));
    EXPECT_EQ(tabelle.zelle(2, 3), QStringLiteral("-3,5"));
    EXPECT_EQ(tabelle.zelle(3, 2), QStringLiteral("5"));
    EXPECT_EQ(tabelle.zelle(4, 2), QStringLiteral("6"));
}

TEST_F(ChartDatTest, RueckLesenEndetBeimLeerenGraph) {
    TabellenModell tabelle;
    ASSERT_TRUE(tabelle.laden(fixture("zwei_graphen.dat")));
    tabelle.setZelle(3, 2, QString()); // graph 2 emptied in column 2
    ChartDaten d;
    d.NoGraphs = 5;
    ASSERT_TRUE(tabelle.zurueckLesen(d));
    EXPECT_EQ(d.NoGraphs, 1);
    EXPECT_EQ(d.graph(1).PunktZahl, 3);

    // An emptied x cell ends the graph's points there.
    tabelle.setZelle(1, 3, QString());
    ASSERT_TRUE(tabelle.zurueckLesen(d));
    EXPECT_EQ(d.graph(1).PunktZahl, 1);
}

TEST_F(ChartDatTest, FehlerhafteDateienAendernNichts) {
    TabellenModell tabelle;
    ASSERT_TRUE(tabelle.laden(fixture("zwei_graphen.dat")));
    for (const char* name : {"keine_zahl.dat", "zu_kurz.dat", "fehlt.dat"}) {
        sink.messages.clear();
        EXPECT_FALSE(tabelle.laden(fixture(name))) << name;
        ASSERT_EQ(sink.messages.size(), 1) << name;
        EXPECT_TRUE(sink.messages[0].text.contains(QLatin1String(name))) << name;
        EXPECT_EQ(tabelle.zelle(1, 3), QStringLiteral("12,5")) << name;
    }
    EXPECT_TRUE(sink.messages[0].text.contains(QLatin1String("kann nicht gelesen")));

    QString fehler;
    EXPECT_FALSE(chartDatParsen(QStringLiteral("2\n-1\n"), fehler));
    EXPECT_TRUE(fehler.contains(QLatin1String("Integerwert")));
    EXPECT_FALSE(chartDatParsen(QStringLiteral("2000000000\n1\n1\n1\n"), fehler));
    EXPECT_TRUE(fehler.contains(QLatin1String("Dateiende")));
}

TEST_F(ChartDatTest, ZelleOhneZahlAendertDenChartNicht) {
    TabellenModell tabelle;
    ASSERT_TRUE(tabelle.laden(fixture("zwei_graphen.dat")));
    tabelle.setZelle(4, 2, QStringLiteral("sechs"));
    ChartDaten d;
    graphSetzen(d, 1, {{7, 8}});
    d.NoGraphs = 1;
    EXPECT_FALSE(tabelle.zurueckLesen(d));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0].text, QStringLiteral("'sechs' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(d.NoGraphs, 1);
    EXPECT_EQ(d.graph(1).PunktZahl, 1);
    EXPECT_EQ(d.graph(1).kurveX[0], 7.0f);
}

TEST_F(ChartDatTest, GrenzenDerFelder) {
    // Twelve graphs of 300 points: the grid keeps every point a graph can hold (a graph
    // cut to 255 points on taking the values back lost its tail), the chart ten graphs.
    QTemporaryDir dir;
    const QString pfad = dir.filePath(kChartDat);
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        QByteArray text = "12\n";
        for (int g = 0; g < 12; ++g) {
            text += "300\n";
            for (int i = 0; i < 300; ++i)
                text += QByteArray::number(i) + '\n' + QByteArray::number(g) + '\n';
        }
        datei.write(text);
    }
    TabellenModell tabelle;
    ASSERT_TRUE(tabelle.laden(pfad));
    EXPECT_EQ(tabelle.zelle(23, 1), QStringLiteral("X12"));
    EXPECT_EQ(tabelle.zelle(1, 256), QStringLiteral("254"));
    EXPECT_EQ(tabelle.zelle(1, 301), QStringLiteral("299"));
    EXPECT_EQ(tabelle.zelle(1, 302), QString());
    ChartDaten d;
    ASSERT_TRUE(tabelle.zurueckLesen(d));
    EXPECT_EQ(d.NoGraphs, 10);
    EXPECT_EQ(d.graph(10).PunktZahl, 300);
    EXPECT_EQ(d.graph(10).kurveX[299], 299.0f);
    EXPECT_EQ(d.graph(10).kurveY[299], 9.0f);

    // Writes past the arrays are ignored; counts past them are cut on export.
    d.PunktSetzen(11, 1, 1, 1);
    d.PunktSetzen(1, 5001, 1, 1);
    d.KreuzSetzen(0, 1, 1, 1);
    d.NoGraphs = 15;
    d.graph(1).PunktZahl = 6000;
    const QStringList zeilen = chartDatText(d).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(zeilen[0], QStringLiteral("10"));
    EXPECT_EQ(zeilen[1], QStringLiteral("5000"));
    tabelle.setZelle(16385, 1, QStringLiteral("x"));
    tabelle.setZelle(1, 0, QStringLiteral("x"));
    EXPECT_EQ(tabelle.benutzteZeilen(), 24);
}

// A graph's rows read 0 wherever nothing was set, before and after the last point set,
// and a point set out of order keeps the ones set before it.
TEST(ChartDaten, UnsetPlacesReadZero) {
    ChartDaten d;
    EXPECT_EQ(d.graph(3).kurveX[0], 0.0f);
    EXPECT_EQ(d.graph(3).kreuzY[kMaxPunkte - 1], 0.0f);
    d.PunktSetzen(3, 4, 1.5f, -2.5f);
    d.PunktSetzen(3, 2, 7.0f, 8.0f);
    d.KreuzSetzen(3, kMaxPunkte, 9.0f, 10.0f);
    EXPECT_EQ(d.graph(3).kurveX[0], 0.0f);
    EXPECT_EQ(d.graph(3).kurveX[1], 7.0f);
    EXPECT_EQ(d.graph(3).kurveY[3], -2.5f);
    EXPECT_EQ(d.graph(3).kurveY[4], 0.0f);
    EXPECT_EQ(d.graph(3).kreuzX[kMaxPunkte - 1], 9.0f);
    EXPECT_EQ(d.graph(3).kreuzX[kMaxPunkte - 2], 0.0f);
    const ChartDaten kopie = d;
    EXPECT_EQ(kopie.graph(3).kurveY[1], 8.0f);
    EXPECT_EQ(kopie.graph(2).kurveX[1], 0.0f);
}
