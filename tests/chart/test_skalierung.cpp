#include "base/messagesink.h"
#include "base/numberformat.h"
#include "chart/chartzeichner.h"
#include "chart/skalierungmodell.h"
#include "hilfen.h"

#include <gtest/gtest.h>

using namespace drel;
using namespace drel::chart;

namespace {

class SkalierungTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::german());
        daten.XMin = -40;
        daten.XMax = 20;
        daten.XStep = 10;
        daten.YMin = 20;
        daten.YMax = 70;
        daten.YStep = 2.5;
        daten.NoYDecimals = 1;
        daten.NoYDigits = 6;
        test::graphSetzen(daten, 1, {{10, 30}, {10, 60}, {-30, 60}, {-30, 30}, {10, 30}});
        daten.NoGraphs = 1;
    }
    ChartDaten daten;
    SkalierungModell modell;
    RecordingSink sink;
    ScopedMessageSink guard{&sink};
};

} // namespace

TEST_F(SkalierungTest, FuellenFormatiertDieFelder) {
    daten.Breite = 130;
    daten.Scale = 6;
    modell.fuellen(daten);
    EXPECT_EQ(modell.Edit[1], QStringLiteral("-40"));
    EXPECT_EQ(modell.Edit[6], QStringLiteral("  20,0"));
    EXPECT_EQ(modell.Edit[8], QStringLiteral("   2,5"));
    EXPECT_EQ(modell.Edit[9], QStringLiteral("    6"));
    EXPECT_EQ(modell.Edit[17], QStringLiteral("40"));
    EXPECT_EQ(modell.Edit[18], QStringLiteral("130"));
    EXPECT_EQ(modell.SpinEdit[11], 4); // the quality control offers 1..4
    EXPECT_EQ(modell.Farben[1], kReinBlau);
    EXPECT_EQ(modell.SpinEdit[1], 2);
}

TEST_F(SkalierungTest, UnveraendertBestaetigtBehaeltDieZeichnung) {
    const QImage vorher = zeichnen(daten, QSize(342, 244)).anzeige;
    modell.fuellen(daten);
    modell.angezeigt();
    modell.ok();
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_EQ(zeichnen(daten, QSize(342, 244)).anzeige, vorher);
}

TEST_F(SkalierungTest, UnveraenderteAchsenfelderBehaltenIhreGenauenWerte) {
    // With no decimals -2.5 shows "-3"; confirming without a change must not move the axis.
    daten.XMin = -2.5;
    daten.XStep = 7.5;
    daten.YMax = 70.25; // one decimal: "70,3"
    modell.fuellen(daten);
    ASSERT_EQ(modell.Edit[1], QStringLiteral("-3"));
    ASSERT_EQ(modell.Edit[7], QStringLiteral("  70,3"));
    modell.ok();
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_EQ(daten.XMin, -2.5);
    EXPECT_EQ(daten.XStep, 7.5);
    EXPECT_EQ(daten.YMax, 70.25);

    // A field the user changed takes the typed value.
    modell.fuellen(daten);
    modell.Edit[1] = QStringLiteral("-4");
    modell.Edit[7] = QStringLiteral("70,3 ");
    modell.ok();
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_EQ(daten.XMin, -4.0);
    EXPECT_EQ(daten.YMax, 70.3);
}

TEST_F(SkalierungTest, DruckwerteWerdenBegrenzt) {
    modell.fuellen(daten);
    modell.Edit[17] = QStringLiteral("5");
    modell.Edit[18] = QStringLiteral("1000");
    modell.Edit[19] = QStringLiteral("251");
    modell.Edit[20] = QStringLiteral("400");
    modell.ok();
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_EQ(daten.LeftRand, 10);
    EXPECT_EQ(daten.Breite, 300);
    EXPECT_EQ(daten.TopRand, 250);
    EXPECT_EQ(daten.Hoehe, 300);
    EXPECT_EQ(linkerRandBegrenzen(151), 150);
    EXPECT_EQ(breiteBegrenzen(19), 20);
    EXPECT_EQ(obererRandBegrenzen(9), 10);
    EXPECT_EQ(hoeheBegrenzen(20), 20);
}

TEST_F(SkalierungTest, OhneBestaetigungOderMitFehlerBleibtAlles) {
    modell.fuellen(daten);
    modell.Edit[1] = QStringLiteral("-50");
    modell.angezeigt();
    EXPECT_FALSE(modell.uebernehmen(daten)); // "&Abbrechen"
    EXPECT_EQ(daten.XMin, -40);

    modell.Edit[2] = QStringLiteral("zwanzig");
    modell.ok();
    EXPECT_FALSE(modell.uebernehmen(daten));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0].text, QStringLiteral("'zwanzig' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(daten.XMin, -40);

    modell.Edit[2] = QStringLiteral("30");
    modell.Edit[5] = QStringLiteral("1,6"); // counts are rounded
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_EQ(daten.XMin, -50);
    EXPECT_EQ(daten.XMax, 30);
    EXPECT_EQ(daten.NoXDecimals, 2);
}

TEST_F(SkalierungTest, HakenUndFarbenDesDialogs) {
    modell.fuellen(daten);
    EXPECT_TRUE(modell.CheckBox[1]);
    // Unticked and cancelled: the next showing has the last confirmed state again.
    modell.CheckBox[1] = false;
    modell.fuellen(daten);
    EXPECT_TRUE(modell.CheckBox[1]);
    // Unticked and confirmed: the chart hides graph 1's lines and keeps that.
    modell.CheckBox[1] = false;
    modell.CheckBox[12] = false;
    modell.farbeWaehlen(1, 255);
    modell.farbeWaehlen(11, 255);
    modell.ok();
    ASSERT_TRUE(modell.uebernehmen(daten));
    EXPECT_FALSE(daten.graph(1).LinienZeigen);
    EXPECT_FALSE(daten.graph(2).KreuzeZeigen);
    EXPECT_EQ(daten.graph(1).Farbe, 255u);
    modell.fuellen(daten);
    EXPECT_FALSE(modell.CheckBox[1]);
}
