#include "calc/artikelrechnung.h"
#include "calc/lukobilanz.h"
#include "ratingfixture.h"
#include "state/programmschalter.h"

#include <cmath>

using namespace drel;
using namespace drel::calc;
using namespace drel::rating::testing;

namespace {

enum : qint32 { kWt = 6, kEinheit = 7, kDuplex = 8, kPolumschaltbar = 9 };

// Dashed limits t0 −40..10 °C, tc 20..55 °C around a blue box t0 −30..5, tc 25..50,
// clockwise in the (tc, t0) plane as the data has them.
Fields grenzen() {
    return merged(polygon("KoordStrich", {{-40, 20}, {-40, 55}, {10, 55}, {10, 20}, {-40, 20}}),
                  polygon("KoordBlau", {{-30, 25}, {-30, 50}, {5, 50}, {5, 25}, {-30, 25}}));
}

Row artikelZeile(qint32 id, int gruppe, const char* name, Fields extra = {}) {
    return rowOf(
        "Articles",
        merged({{"ID", i(id)}, {"Produktgruppe", i(gruppe)}, {"Bezeichnung1", s(name)}}, extra));
}

class ArtikelRechnungTest : public RatingTest {
protected:
    void SetUp() override {
        RatingTest::SetUp();
        const QString p = dir_.path();
        writeProductTable(
            p, "Articles",
            {artikelZeile(kQnMitMotor, 25, "QN4/200-4"), artikelZeile(kQlMitMotor, 24, "QL4/200-4"),
             artikelZeile(kOffenerW, 31, "W4"), artikelZeile(kZweistufig, 23, "W4T"),
             artikelZeile(kMotorOhneSatz, 25, "QN5"), artikelZeile(kWt, 23, "WT12/30"),
             artikelZeile(kEinheit, 57, "CQN4/200-4 L",
                          {{"Basisartikel", s("1")}, {"UseBaseArticleWukData", Value(true)}}),
             artikelZeile(kDuplex, 30, "EQN4/200-4", {{"MaximaleAntriebsleistung", d(5.0)}}),
             artikelZeile(kPolumschaltbar, 25, "QN4-64 4/8")});
        writeProductTable(p, "CapacityData",
                          {leistung(13, kQnMitMotor, 2, false, 10.0, grenzen()),
                           leistung(21, kQlMitMotor, 4, false, 5.0, grenzen()),
                           leistung(31, kOffenerW, 1, true, 20.0, grenzen()),
                           leistung(41, kZweistufig, 2, true, 20.0, grenzen()),
                           leistung(61, kWt, 2, true, 20.0, grenzen()),
                           leistung(81, kDuplex, 2, false, 10.0, grenzen()),
                           leistung(91, kPolumschaltbar, 2, false, 10.0, grenzen())});
        writeProductTable(
            p, "MotorArticle",
            {rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kQnMitMotor)}}),
             rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kQlMitMotor)}}),
             rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kDuplex)}}),
             rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kPolumschaltbar)}})});
        dm_ = std::make_unique<TDataModule1>(p);
        programmschalter() = Programmschalter{};
        betriebspunkt() = Betriebspunkt{};
    }

    // The sheet of an article at t0 −10 °C, tc 40 °C with R404A.
    ArtikelEingabe blatt(qint32 artikel, const char* typ, const char* km = "R404A, R507") {
        ArtikelEingabe e;
        e.AktArtikelID = artikel;
        e.typ = QString::fromLatin1(typ);
        e.punkt.kaeltemittel = QString::fromLatin1(km);
        e.punkt.tc = 40.0;
        return e;
    }

    ArtikelErgebnis rechne(const ArtikelEingabe& e) {
        return NeuRechnen(*dm_, stoff_, e, NumberSeparators::english());
    }
};

TEST_F(ArtikelRechnungTest, T0IsKeptWithinFiveKelvinOfTheEnvelope) {
    ArtikelEingabe e = blatt(kQnMitMotor, "QNX4/200-4");
    e.punkt.tsaug = 0.0;
    e.punkt.t0 = -60.0;
    ArtikelErgebnis r = rechne(e);
    ASSERT_TRUE(r.gerechnet);
    EXPECT_DOUBLE_EQ(r.punkt.t0, -45.0);
    EXPECT_TRUE(r.geklemmt.t0);
    EXPECT_TRUE(r.hinweise.anwendt02);
    // The fixture's polynomial turns negative at -45/45 °C: the record is refused there
    // with its reason, never rated at a negative capacity.
    EXPECT_FALSE(std::isfinite(r.verdichter1.QoV));
    EXPECT_TRUE(r.verdichter1.grund.contains(QStringLiteral("negative Kälteleistung")))
        << r.verdichter1.grund.toStdString();
    // The program-wide point keeps the entry, the rating the value used.
    EXPECT_DOUBLE_EQ(betriebspunkt().t0, -60.0);

    e.punkt.t0 = -45.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.t0, -45.0);
    EXPECT_FALSE(r.geklemmt.t0);

    e.punkt.t0 = -45.01;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.t0, -45.0);
    EXPECT_TRUE(r.geklemmt.t0);
    EXPECT_TRUE(r.hinweise.texte().contains("t0: Einsatzgrenze beachten !    t0 zu klein"));
}

TEST_F(ArtikelRechnungTest, TcNoteStartsJustAboveTheEnvelope) {
    ArtikelEingabe e = blatt(kQnMitMotor, "QNX4/200-4");
    ArtikelErgebnis r = rechne(e);
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(r.hinweise.sichtbar());
    e.punkt.tc = 55.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.bereich.GrenzTcMax, 55.0);
    EXPECT_FALSE(r.hinweise.anwendtc1);
    EXPECT_FALSE(r.geklemmt.tc);

    e.punkt.tc = 55.01;
    r = rechne(e);
    EXPECT_TRUE(r.hinweise.anwendtc1);
    EXPECT_FALSE(r.hinweise.anwendtc2);
    EXPECT_TRUE(r.hinweise.Label25); // outside both polygons
    EXPECT_FALSE(r.geklemmt.tc);
    EXPECT_TRUE(r.hinweise.sichtbar());

    e.punkt.tc = 61.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.tc, 60.0);
    EXPECT_TRUE(r.geklemmt.tc);
}

TEST_F(ArtikelRechnungTest, SuctionGasIsAtMostThirtyAndAtLeastT0PlusSuperheat) {
    ArtikelEingabe e = blatt(kQnMitMotor, "QNX4/200-4");
    e.punkt.tsaug = 35.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.tsaug, 30.0);
    EXPECT_TRUE(r.geklemmt.tsaug);

    e.punkt.tsaug = 30.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.tsaug, 30.0);
    EXPECT_FALSE(r.geklemmt.tsaug);

    e.punkt.t0 = -10.0;
    e.punkt.tue = 5.0;
    e.punkt.tsaug = -8.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.tsaug, -5.0);
    EXPECT_TRUE(r.geklemmt.tsaug);

    e.punkt.tsaug = -5.0;
    r = rechne(e);
    EXPECT_FALSE(r.geklemmt.tsaug);

    e.punkt.tue = 60.0;
    e.punkt.tu = -51.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.tue, 50.0);
    EXPECT_DOUBLE_EQ(r.punkt.tu, -50.0);
}

TEST_F(ArtikelRechnungTest, SpeedFollowsTheFrequencyThroughTheLastRating) {
    ArtikelEingabe e = blatt(kQnMitMotor, "QNX4/200-4");
    e.punkt.f = 60.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.n, 1740.0);
    EXPECT_DOUBLE_EQ(programmschalter().LetzteFrequenz, 60.0);
    EXPECT_FALSE(r.geklemmt.n);

    e.punkt.n = r.punkt.n; // ediN shows it
    e.punkt.f = 50.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.n, 1450.0);
    EXPECT_DOUBLE_EQ(programmschalter().LetzteFrequenz, 50.0);
}

TEST_F(ArtikelRechnungTest, ArticleWithoutMotorIsRatedAtFiftyHertz) {
    programmschalter().LetzteFrequenz = 60.0;
    programmschalter().Netz60Hz = true;
    ArtikelEingabe e = blatt(kOffenerW, "WX4", "R134a");
    e.punkt.f = 60.0;
    e.punkt.n = 1740.0;
    const ArtikelErgebnis r = rechne(e);
    EXPECT_TRUE(r.frequenzFest);
    EXPECT_DOUBLE_EQ(r.punkt.f, 50.0);
    // The 60 Hz of the last rating is taken out of the speed.
    EXPECT_DOUBLE_EQ(r.punkt.n, 1450.0);
    EXPECT_FALSE(programmschalter().Netz60Hz);
}

TEST_F(ArtikelRechnungTest, PoleChangingQnIsRatedAtFiftyHertz) {
    ArtikelEingabe e = blatt(kPolumschaltbar, "QNX4-64 4/8");
    e.punkt.f = 60.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_TRUE(r.frequenzFest);
    EXPECT_DOUBLE_EQ(r.punkt.f, 50.0);
    e = blatt(kQnMitMotor, "QNX4/200-4");
    e.punkt.f = 60.0;
    r = rechne(e);
    EXPECT_FALSE(r.frequenzFest);
    EXPECT_DOUBLE_EQ(r.punkt.f, 60.0);
}

TEST_F(ArtikelRechnungTest, NothingHappensWithoutAnArticleOrCapacityRecord) {
    ArtikelEingabe e = blatt(0, "");
    e.punkt.f = 60.0;
    EXPECT_FALSE(rechne(e).gerechnet);
    EXPECT_DOUBLE_EQ(programmschalter().LetzteFrequenz, 0.0);
    e = blatt(kOffenerW, "WX4", "R22"); // W4 has no R22 record
    EXPECT_FALSE(rechne(e).gerechnet);
}

TEST_F(ArtikelRechnungTest, WtTypesRunAtLeast1400) {
    ArtikelEingabe e = blatt(kWt, "WTX12/30");
    e.punkt.t0 = -20.0; // where the fixture's capacity is positive
    e.punkt.n = 1200.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.n, 1400.0);
    EXPECT_TRUE(r.geklemmt.n);
    EXPECT_DOUBLE_EQ(r.nVorher, 1200.0);

    e.punkt.n = 1400.0;
    r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.n, 1400.0);
    EXPECT_FALSE(r.geklemmt.n);
    // Two-stage: intermediate cooler, torque, no current.
    EXPECT_TRUE(r.zwischenkuehler);
    EXPECT_DOUBLE_EQ(r.tFUA, zwischenkuehlerAustritt(-20.0, 40.0));
    ASSERT_TRUE(std::isfinite(r.verdichter1.P));
    EXPECT_DOUBLE_EQ(r.drehmoment, Drehmoment(r.verdichter1.P, 1400.0));
    EXPECT_FALSE(r.stromSichtbar);
}

TEST_F(ArtikelRechnungTest, SpeedOutsideTheArticleLimitsIsNotedAndClamped) {
    // W4: 500 to 1800 1/min.
    ArtikelEingabe e = blatt(kOffenerW, "WX4", "R134a");
    e.punkt.n = 1801.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_DOUBLE_EQ(r.punkt.n, 1800.0);
    EXPECT_FALSE(r.hinweise.anwendn1); // only above nGrmax + 1
    e.punkt.n = 1801.5;
    r = rechne(e);
    EXPECT_TRUE(r.hinweise.anwendn1);
    e.punkt.n = 498.5;
    r = rechne(e);
    EXPECT_TRUE(r.hinweise.anwendn2);
    EXPECT_DOUBLE_EQ(r.punkt.n, 500.0);
}

TEST_F(ArtikelRechnungTest, CondensingUnitRaisesTheAirInletUntilTcReachesTheEnvelope) {
    // Qc = tc − tle: the balance lies about 16 K above the air inlet.
    db::LukoEintrag kond;
    kond.KondensLeistung = {0.0, 0.0, 1.0, -1.0, 0.0};
    ArtikelEingabe e = blatt(kEinheit, "CQNX4/200-4 L");
    e.DatenArtikelID = kQnMitMotor;
    e.kondensator = &kond;
    e.punkt.tle = 0.0;
    const ArtikelErgebnis r = rechne(e);
    ASSERT_TRUE(r.SatzModus);
    ASSERT_GT(r.tleSchritte, 0);
    EXPECT_DOUBLE_EQ(r.punkt.tle, r.tleSchritte);
    EXPECT_TRUE(r.geklemmt.tle);
    EXPECT_GE(r.punkt.tc, 20.0);
    // One kelvin less would leave tc below the envelope.
    const double vorher = LukoBilanz(*dm_, kond, 50.0, r.punkt.tle - 1.0, -10.0, false).tc;
    EXPECT_LT(vorher, 20.0);
}

TEST_F(ArtikelRechnungTest, CondensingUnitLoweringStopsAfter1001Steps) {
    // A condenser whose tc does not follow the air inlet temperature.
    db::LukoEintrag kond;
    kond.KondensLeistung = {0.0, -50.0, 1.0, 0.0, 0.0}; // tc about 64 °C
    ArtikelEingabe e = blatt(kEinheit, "CQNX4/200-4 L");
    e.DatenArtikelID = kQnMitMotor;
    e.kondensator = &kond;
    e.punkt.tle = 30.0;
    const ArtikelErgebnis r = rechne(e);
    EXPECT_EQ(r.tleSchritte, -1001);
    EXPECT_GT(r.punkt.tc, 55.0);
}

TEST_F(ArtikelRechnungTest, AmmoniaNotesSuperheatAboveTenKelvin) {
    ArtikelEingabe e = blatt(kQlMitMotor, "QL4/200-4", "R717");
    e.punkt.t0 = -10.0;
    e.punkt.tsaug = 0.0;
    ArtikelErgebnis r = rechne(e);
    EXPECT_FALSE(r.hinweise.Label15);
    e.punkt.tsaug = 0.01;
    r = rechne(e);
    EXPECT_TRUE(r.hinweise.Label15);
    // R717 keeps zusatzk from before unless the point lies inside.
    e.zusatzk = true;
    r = rechne(e);
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(r.hinweise.zusatzk);
}

TEST_F(ArtikelRechnungTest, DuplexRatesTheSecondCompressorAtItsFrequency) {
    ArtikelEingabe e = blatt(kDuplex, "EQNX4/200-4");
    e.Panel9 = zweiVerdichter(e.typ);
    ASSERT_TRUE(e.Panel9);
    e.f2 = 60.0;
    const ArtikelErgebnis r = rechne(e);
    EXPECT_GT(r.P2, r.verdichter1.P); // more power at 60 Hz
    EXPECT_DOUBLE_EQ(r.m, r.verdichter1.m + r.verdichter2.m);
    EXPECT_DOUBLE_EQ(r.IGesamt, r.I + r.I2);
    EXPECT_EQ(r.strom, generalFormat(r.I + r.I2, NumberSeparators::english()));
    EXPECT_TRUE(r.stromSichtbar);
    // The maximum power of 5 kW is exceeded.
    EXPECT_TRUE(r.hinweise.LeistAufn);
    EXPECT_TRUE(r.hinweise.sofortZeigen);
}

TEST(ArtikelRechnungFunktionen, TorqueOfTenKilowattAt1450) {
    EXPECT_DOUBLE_EQ(Drehmoment(10.0, 1450.0), 65.85);
}

TEST(ArtikelRechnungFunktionen, CurrentTextDashUpToOneTenthAmpere) {
    const NumberSeparators sep = NumberSeparators::german();
    EXPECT_EQ(stromText(0.05, sep), "   -   ");
    EXPECT_EQ(stromText(0.1, sep), "   -   ");
    EXPECT_EQ(stromText(0.11, sep), "0,11");
    EXPECT_EQ(stromText(std::nan(""), sep), "-");
}

TEST(ArtikelRechnungFunktionen, FrameSizeNumber) {
    EXPECT_EQ(baugroessenNummer("QN12-40"), 12);
    EXPECT_EQ(baugroessenNummer("QNX6/300"), 6);
    EXPECT_EQ(baugroessenNummer("QN40-1"), 4); // a 0 ends the run
    EXPECT_EQ(baugroessenNummer("QN4"), 0);    // the last character is not examined
    EXPECT_EQ(baugroessenNummer("QN"), 0);
}

TEST(ArtikelRechnungFunktionen, FrequencyLimitsByFrameSize) {
    EXPECT_DOUBLE_EQ(HertzPruefen("QN12-40", 80.0), 70.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN12-40", 20.0), 30.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN22-40", 70.0), 70.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN34-80", 25.0), 25.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN34-80", 24.0), 25.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN6-30", 75.0), 70.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN6-30 CO2", 75.0), 60.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN6-30 R410A", 75.0), 60.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("CQN6-30", 75.0), 60.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("eqn6-30", 24.0), 25.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN1-11", 61.0), 60.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN1-11", 29.0), 30.0);
    // Not limited: other series, no frame-size number.
    EXPECT_DOUBLE_EQ(HertzPruefen("W4-30", 80.0), 80.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QNA", 80.0), 80.0);
    // 0 or less becomes 1 first.
    EXPECT_DOUBLE_EQ(HertzPruefen("W4-30", 0.0), 1.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("W4-30", -3.0), 1.0);
    EXPECT_DOUBLE_EQ(HertzPruefen("QN12-40", -3.0), 30.0);
}

TEST(ArtikelRechnungFunktionen, TwoCompressorTypes) {
    EXPECT_TRUE(zweiVerdichter("EQN4/200-4"));
    EXPECT_TRUE(zweiVerdichter("eql2-10"));
    EXPECT_FALSE(zweiVerdichter("QN4/200-4"));
}

} // namespace
