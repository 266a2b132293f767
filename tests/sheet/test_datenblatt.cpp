// The data sheet as one document on the sample catalogue: the order it opens from, the
// unit change with an open sheet, and the performance table rating each point as the
// sheet rates its own.
#include "base/numberformat.h"
#include "sheet/datenblatt.h"
#include "sheet/herkunft.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "tests/support/blattkatalog.h"

#include <cmath>
#include <gtest/gtest.h>

namespace drel::sheet {
namespace {

using testing::Katalog;

const QString kR404 = QStringLiteral("R404A, R507");

double wert(QString text) {
    text = text.trimmed();
    text.remove(QLatin1Char('.'));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toDouble();
}

class DatenblattTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        testing::blattUmgebung(einheiten_);
        letzteT0Grenze() = T0Grenze::Unten;
        blatt_ = std::make_unique<Datenblatt>(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    }

    // QN2-22 with R404A: dashed envelope (7.5, 25) (-45, 20) (-45, 40) (-20, 55) (0, 54)
    // (7.5, 50); diagram axes t0 -50 .. 10, tc 20 .. 60 °C.
    void qn222(double t0 = -10.0, double tc = 45.0) {
        DatenblattAuftrag a =
            Katalog::get().daten({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"), kR404);
        a.punkt.t0 = t0;
        a.punkt.tc = tc;
        blatt_->oeffnen(a);
        ASSERT_NE(blatt_->modell().AktArtikelID, 0);
    }

    // A one-cell (or one-column) table at t0 over the tc values from `tcVon` to `tcBis`.
    const LeistungsTabelle& tabelle(double t0, double tcVon, double tcBis, double tcSchritt = 1) {
        TabBereiche& b = blatt_->bereiche();
        b.SpinEdit1.wert = b.SpinEdit2.wert = t0;
        b.SpinEdit3.wert = 1;
        b.SpinEdit4.wert = tcVon;
        b.SpinEdit5.wert = tcBis;
        b.SpinEdit6.wert = tcSchritt;
        blatt_->tabelleBerechnen();
        return blatt_->tabelle();
    }

    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    calc::Einheiten einheiten_;
    std::unique_ptr<Datenblatt> blatt_;
};

TEST_F(DatenblattTest, OrderInInternalUnitsIsShownInTheUsersUnits) {
    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    einheiten_.bestaetigen();
    DatenblattAuftrag a =
        Katalog::get().daten({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"), kR404);
    a.punkt.tue = 7.0;
    blatt_->oeffnen(a);
    const TechnikModell& m = blatt_->modell();
    EXPECT_EQ(m.t0.text, QStringLiteral("14"));
    EXPECT_EQ(m.tc.text, QStringLiteral("113"));
    EXPECT_EQ(m.tue.text, QStringLiteral("12,6")); // 7 K superheat in R
    EXPECT_DOUBLE_EQ(m.ergebnis().punkt.t0, -10.0);
    EXPECT_NEAR(m.ergebnis().punkt.tue, 7.0, 1e-9);
}

// The sheet takes the frequency rules whoever opens it: 80 Hz on a QN of frame size 1
// is brought to its 60 Hz, the superheat of the program's point comes along.
TEST_F(DatenblattTest, FrequencyRulesAndSuperheatHoldForEveryOrder) {
    DatenblattAuftrag a =
        Katalog::get().daten({QStringLiteral("QN1-11")}, QStringLiteral("QNX1-11"), kR404);
    a.punkt.f = 80.0;
    a.f2 = 80.0;
    a.punkt.tue = 8.0;
    blatt_->oeffnen(a);
    EXPECT_EQ(blatt_->modell().ediHz.text, QStringLiteral("60"));
    EXPECT_DOUBLE_EQ(blatt_->modell().ergebnis().punkt.f, 60.0);
    EXPECT_EQ(blatt_->modell().tue.text, QStringLiteral("8"));
}

// °C -> °F -> °C with an open sheet: every temperature field and the nine range fields
// follow, the rated values stay, and the next input is read in the unit it shows.
TEST_F(DatenblattTest, UnitChangeConvertsFieldsAndRangesThereAndBack) {
    qn222();
    TechnikModell& m = blatt_->modell();
    m.tsaug.text = QStringLiteral("15");
    m.feldVerlassen(Eingabe::tsaug);
    const QString q2 = m.Q2.text;
    TabBereiche& b = blatt_->bereiche();
    b.SpinEdit3.wert = 5;
    b.SpinEdit7.wert = 27;
    const double t0Unten = b.SpinEdit1.wert;

    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    einheiten_.bestaetigen();
    blatt_->einheitGewechselt(false);
    EXPECT_EQ(m.t0.text, QStringLiteral("14"));
    EXPECT_EQ(m.tc.text, QStringLiteral("113"));
    EXPECT_EQ(m.tsaug.text, QStringLiteral("59"));
    EXPECT_EQ(m.Q2.text, q2); // the same point, shown in °F
    EXPECT_DOUBLE_EQ(m.ergebnis().punkt.t0, -10.0);
    EXPECT_DOUBLE_EQ(b.SpinEdit3.wert, 9.0);   // a 5 K step is 9 R
    EXPECT_DOUBLE_EQ(b.SpinEdit7.wert, 80.6);  // 27 °C air inlet
    EXPECT_DOUBLE_EQ(b.SpinEdit1.wert, -49.0); // trunc(-45 °C = -49 °F)
    // A step of t0 is a step in °F now.
    m.schritt(Eingabe::t0, +1);
    EXPECT_EQ(m.t0.text, QStringLiteral("15"));
    EXPECT_NEAR(m.ergebnis().punkt.t0, -85.0 / 9.0, 1e-9);
    m.schritt(Eingabe::t0, -1);

    einheiten_.klick(calc::EinheitGruppe::Temperatur, 0);
    einheiten_.bestaetigen();
    blatt_->einheitGewechselt(true);
    EXPECT_EQ(m.t0.text, QStringLiteral("-10"));
    EXPECT_EQ(m.tc.text, QStringLiteral("45"));
    EXPECT_EQ(m.tsaug.text, QStringLiteral("15"));
    EXPECT_EQ(m.Q2.text, q2);
    EXPECT_DOUBLE_EQ(b.SpinEdit3.wert, 5.0);
    EXPECT_DOUBLE_EQ(b.SpinEdit7.wert, 27.0);
    EXPECT_DOUBLE_EQ(b.SpinEdit1.wert, t0Unten);
    // No change of unit, no change of text.
    blatt_->einheitGewechselt(false);
    EXPECT_EQ(m.t0.text, QStringLiteral("-10"));
}

// The table's cell at the sheet's point shows what the sheet shows: the compressor
// cooling capacity at the sheet's suction gas temperature and subcooling.
TEST_F(DatenblattTest, TableCellIsTheSheetsValueAtTheSheetsConditions) {
    qn222(-10.0, 40.0);
    TechnikModell& m = blatt_->modell();
    m.tsaug.text = QStringLiteral("10");
    m.tu.text = QStringLiteral("5");
    m.feldVerlassen(Eingabe::tu);
    ASSERT_NE(m.ergebnis().verdichter1.QoV, m.ergebnis().verdichter1.Qo);
    const LeistungsTabelle& t = tabelle(-10, 40, 40);
    ASSERT_EQ(t.zeilen(), 6);
    EXPECT_NEAR(t.zelle(3, 2).zahl / 1000.0, wert(m.Q2.text), 0.0051);
    EXPECT_EQ(t.text(3, 3).trimmed(), m.pan.text.trimmed());
    EXPECT_EQ(t.text(3, 4).trimmed(), m.strom.text.trimmed());
    // The table changes nothing the sheet shows or the program keeps.
    EXPECT_DOUBLE_EQ(betriebspunkt().t0, -10.0);
    EXPECT_DOUBLE_EQ(betriebspunkt().tc, 40.0);
    EXPECT_TRUE(blatt_->tabelleAktuell());
    m.schritt(Eingabe::t0, +1);
    EXPECT_FALSE(blatt_->tabelleAktuell());
}

// A point 0.1 K beyond the edge t0 = 7.5 stays empty; on the edge it is filled.
TEST_F(DatenblattTest, TablePointATenthOutsideTheEnvelopeStaysEmpty) {
    qn222();
    const LeistungsTabelle& aussen = tabelle(7.6, 40, 40);
    EXPECT_TRUE(aussen.zelle(3, 2).ausserhalb);
    EXPECT_TRUE(aussen.text(3, 2).isEmpty());
    const LeistungsTabelle& rand = tabelle(7.5, 40, 40);
    EXPECT_FALSE(rand.zelle(3, 2).ausserhalb);
    EXPECT_FALSE(rand.text(3, 2).isEmpty());
}

// A point beyond the diagram's axes (tc 61 > 60) follows a filled one in the same
// column; it must not take that point's colour.
TEST_F(DatenblattTest, TablePointOutsideTheAxesStaysEmpty) {
    qn222();
    const LeistungsTabelle& t = tabelle(0, 40, 61, 21);
    ASSERT_EQ(t.zeilen(), 2 + 4 * 2);
    EXPECT_FALSE(t.text(3, 2).isEmpty()); // tc 40 inside
    EXPECT_EQ(t.text(1, 6).trimmed(), QStringLiteral("61,0"));
    EXPECT_TRUE(t.zelle(3, 6).ausserhalb);
    EXPECT_TRUE(t.text(3, 6).isEmpty());
}

// Ten thousand rows are refused with a message instead of exhausting memory.
TEST_F(DatenblattTest, TableWithTooManyRowsIsRefused) {
    qn222();
    const LeistungsTabelle& t = tabelle(0, 0, 50, 0.001);
    EXPECT_EQ(t.zeilen(), 0);
    ASSERT_FALSE(sink_.messages.isEmpty());
    EXPECT_TRUE(sink_.messages.back().text.contains(QStringLiteral("1000")));
}

// Two stages: the hidden subcooling is 0 before the rating, so the capacity is the
// one the printout's "Unterkuhlung 0" states.
TEST_F(DatenblattTest, TwoStageRatesWithoutTheHiddenSubcooling) {
    DatenblattAuftrag a =
        Katalog::get().daten({QStringLiteral("QNT4-70")}, QStringLiteral("QNTX4-70"), kR404);
    a.punkt.t0 = -40;
    a.punkt.tc = 40;
    a.punkt.tu = 8;
    blatt_->oeffnen(a);
    const TechnikModell& m = blatt_->modell();
    ASSERT_TRUE(m.Panel13);
    EXPECT_EQ(m.tu.text, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(m.ergebnis().punkt.tu, 0.0);
    const QString mitNull = m.Q2.text;
    a.punkt.tu = 0;
    Datenblatt ohne(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    ohne.oeffnen(a);
    EXPECT_EQ(ohne.modell().Q2.text, mitNull);
}

// Each shown value with its unit, its precision and its flags.
TEST_F(DatenblattTest, AnswersEveryShownValueWithUnitAndFlags) {
    qn222();
    AnzeigeWert qo = blatt_->wert(Groesse::Qo);
    EXPECT_TRUE(qo.berechenbar);
    EXPECT_EQ(qo.einheit, QStringLiteral("kW"));
    EXPECT_DOUBLE_EQ(qo.wert, wert(blatt_->modell().Q2.text));
    EXPECT_FALSE(qo.ausserhalb);
    EXPECT_EQ(blatt_->wert(Groesse::m).stellen, 3);
    EXPECT_EQ(blatt_->wert(Groesse::t0).einheit, QStringLiteral("°C"));
    EXPECT_FALSE(blatt_->wert(Groesse::t0).geklemmt);
    // Far below the envelope: t0 is moved (to 5 K above its warmest t0) and flagged, and
    // the point lies outside.
    qn222(-60.0, 45.0);
    const AnzeigeWert t0 = blatt_->wert(Groesse::t0);
    EXPECT_DOUBLE_EQ(t0.wert, 12.5);
    EXPECT_TRUE(blatt_->wert(Groesse::Qo).ausserhalb);
    // A suction gas above 30 °C is clamped and says so.
    qn222();
    blatt_->modell().tsaug.text = QStringLiteral("35");
    blatt_->modell().feldVerlassen(Eingabe::tsaug);
    EXPECT_TRUE(blatt_->wert(Groesse::tsaug).geklemmt);
    EXPECT_DOUBLE_EQ(blatt_->wert(Groesse::tsaug).wert, 30.0);
    // In °F the units follow.
    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    einheiten_.bestaetigen();
    blatt_->einheitGewechselt(false);
    EXPECT_EQ(blatt_->wert(Groesse::tc).einheit, QStringLiteral("°F"));
    EXPECT_DOUBLE_EQ(blatt_->wert(Groesse::tc).wert, 113.0);
    EXPECT_EQ(blatt_->wert(Groesse::tu).einheit, QStringLiteral("R"));
}

// The pages belong to the article shown and follow a change of article.
// The margin of QN2-22 at (-10, 45): the nearest edge of the dashed polygon is the top
// one from (-20, 55) to (0, 54), 190 / sqrt(401) K away.
TEST_F(DatenblattTest, EnvelopeMarginOfTheRatedPoint) {
    qn222(-10.0, 45.0);
    chart::RandPolygon gemessen = chart::RandPolygon::keins;
    EXPECT_NEAR(blatt_->einsatzRand(&gemessen), 190.0 / std::sqrt(401.0), 1e-5);
    EXPECT_EQ(gemessen, chart::RandPolygon::strich);
    const AnzeigeWert rand = blatt_->wert(Groesse::Rand);
    EXPECT_TRUE(rand.berechenbar);
    EXPECT_DOUBLE_EQ(rand.wert, 9.5);
    EXPECT_EQ(rand.stellen, 1);
    EXPECT_EQ(einsatzRandText(*blatt_), QStringLiteral("Abstand zur Einsatzgrenze: 9,5 K"));
    // On the right edge t0 = 7.5 the margin is 0; beyond the top edge it is negative and
    // the point is outside.
    qn222(7.5, 40.0);
    EXPECT_NEAR(blatt_->einsatzRand(), 0.0, 1e-6);
    EXPECT_EQ(einsatzRandZahl(blatt_->wert(Groesse::Rand)), QStringLiteral("0,0 K"));
    qn222(-10.0, 56.0);
    EXPECT_LT(blatt_->einsatzRand(), 0.0);
    EXPECT_TRUE(blatt_->wert(Groesse::Rand).ausserhalb);
    // In °F the same distance shows in R.
    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    einheiten_.bestaetigen();
    qn222(-10.0, 45.0);
    EXPECT_DOUBLE_EQ(blatt_->wert(Groesse::Rand).wert, 17.1);
    EXPECT_EQ(blatt_->wert(Groesse::Rand).einheit, QStringLiteral("R"));
}

TEST_F(DatenblattTest, PagesFollowTheArticle) {
    qn222();
    EXPECT_FALSE(blatt_->technDaten().zeilen().isEmpty());
    EXPECT_TRUE(blatt_->zertifikate().logosSichtbar());
    const QStringList vorher = blatt_->lieferumfang().memos();
    DatenblattAuftrag a = Katalog::get().daten({QStringLiteral("W4")}, QStringLiteral("WX4"),
                                               QStringLiteral("R134a"));
    blatt_->oeffnen(a);
    EXPECT_FALSE(blatt_->technDaten().zeilen().isEmpty());
    EXPECT_NE(blatt_->technDaten().zeilen().front().spalte1, QString());
    EXPECT_EQ(blatt_->modell().ComboBox1Text, QStringLiteral("WX4"));
    EXPECT_NE(blatt_->lieferumfang().memos(), vorher);
}

// The provenance lines carry the decimal separator of the values beside them: a German
// sheet reads "0,6 K", the command line under the C locale "0.6 K".
TEST(HerkunftTest, NumbersFollowTheProgramsDecimalSeparator) {
    Herkunft h;
    h.zeotrop = true;
    h.gleitT0 = 0.62, h.mittelT0 = -10.31, h.gleitTc = 0.25, h.mittelTc = 54.4;
    h.sauggasTemperatur = false;
    h.sauggasWert = 7.5;
    h.unterkuehlung = 2.5;
    const NumberSeparators vorher = numberSeparators();
    setNumberSeparators(NumberSeparators::german());
    EXPECT_TRUE(h.gleitText().contains(QStringLiteral("0,6 K"))) << h.gleitText().toStdString();
    EXPECT_TRUE(h.gleitText().contains(QStringLiteral("-10,3 °C")));
    EXPECT_TRUE(h.bemessungText().contains(QStringLiteral("7,5 K")));
    EXPECT_TRUE(h.bemessungText().contains(QStringLiteral("2,5 K")));
    setNumberSeparators(NumberSeparators::english());
    EXPECT_TRUE(h.gleitText().contains(QStringLiteral("0.6 K")));
    EXPECT_TRUE(h.bemessungText().contains(QStringLiteral("7.5 K")));
    setNumberSeparators(vorher);
}

} // namespace
} // namespace drel::sheet
