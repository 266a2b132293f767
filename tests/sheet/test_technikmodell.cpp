// The data-sheet model on the sample catalogue: type and refrigerant choice, the
// frequency and speed fields, pole switching, the t0 and tc ranges, the output
// texts and the notes.
#include "sheet/eingaberegeln.h"
#include "sheet/technikmodell.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "tests/support/blattkatalog.h"

#include <gtest/gtest.h>

namespace drel::sheet {
namespace {

using testing::Katalog;

const QString kR404 = QStringLiteral("R404A, R507");

double wert(const QString& text) {
    QString t = text.trimmed();
    t.remove(QLatin1Char('.'));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : std::nan("");
}

class TechnikModellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        testing::blattUmgebung(einheiten_);
        modell_ =
            std::make_unique<TechnikModell>(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    }

    // Opens the sheet on `gezeigt` among `typen` as the search does.
    void oeffnen(const QStringList& typen, const QString& gezeigt, const QString& km = kR404) {
        modell_->oeffnen(Katalog::get().daten(typen, gezeigt, km));
        modell_->FormShow();
        ASSERT_NE(modell_->AktArtikelID, 0) << qPrintable(gezeigt);
    }

    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    calc::Einheiten einheiten_;
    std::unique_ptr<TechnikModell> modell_;
};

TEST_F(TechnikModellTest, SpeedFollowsTheFrequencyThereAndBack) {
    // W5 has no motor: the speed field is shown, the frequency fixed at 50.
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    EXPECT_EQ(m.ediN.text, QStringLiteral("1450"));
    m.ediHz.text = QStringLiteral("60");
    m.feldVerlassen(Eingabe::ediHz);
    EXPECT_EQ(m.ediHz.text, QStringLiteral("60"));
    EXPECT_EQ(m.ediN.text, QStringLiteral("1740"));
    m.ediHz.text = QStringLiteral("50");
    m.feldVerlassen(Eingabe::ediHz);
    EXPECT_EQ(m.ediN.text, QStringLiteral("1450"));
    // The step button runs the frame-size limits: QN2 ends at 60 Hz.
    m.ediHz.text = QStringLiteral("60");
    m.schritt(Eingabe::ediHz, +1);
    EXPECT_EQ(m.ediHz.text, QStringLiteral("60"));
    m.ediHz.text = QStringLiteral("kein");
    m.schritt(Eingabe::ediHz, -1);
    EXPECT_EQ(m.ediHz.text, QStringLiteral("49")); // no number counts as 50
}

TEST_F(TechnikModellTest, XFormStaysWithR404AndPlainFormWithR22) {
    oeffnen({QStringLiteral("QN2-22"), QStringLiteral("QN2-26")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    EXPECT_EQ(m.ComboBox1Text, QStringLiteral("QNX2-22"));
    EXPECT_EQ(m.KMListboxText, kR404);
    ASSERT_TRUE(m.KMListboxItems.contains(QStringLiteral("R22")));
    const qint32 id = m.AktArtikelID;
    m.kaeltemittelWaehlen(QStringLiteral("R22"));
    EXPECT_EQ(m.ComboBox1Text, QStringLiteral("QN2-22"));
    EXPECT_EQ(m.AktArtikelID, id);
    EXPECT_EQ(programmschalter().MerkKaeltemittel, QStringLiteral("R22"));
    // Choosing an X-form type from the list while R22 is remembered keeps R22 and
    // shows the plain form of the new type.
    m.typWaehlen(QStringLiteral("QNX2-26"));
    EXPECT_EQ(m.KMListboxText, QStringLiteral("R22"));
    EXPECT_EQ(m.ComboBox1Text, QStringLiteral("QN2-26"));
    EXPECT_EQ(m.AktArtikelID, Katalog::get().id(QStringLiteral("QN2-26")));
    // A letter typed into the type box puts the last type back.
    m.ComboBox1Text = QStringLiteral("QN2-2x");
    m.ComboBox1KeyUp();
    EXPECT_EQ(m.ComboBox1Text, QStringLiteral("QN2-26"));
}

TEST_F(TechnikModellTest, ChoosingTheShownTypeAgainKeepsARating) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    // The remembered refrigerant is none of the article's: the list's first is rated.
    programmschalter().MerkKaeltemittel = QStringLiteral("R999");
    m.typWaehlen(QStringLiteral("QNX2-22"));
    EXPECT_EQ(m.KMListboxText, m.KMListboxItems.value(0));
    EXPECT_TRUE(m.ergebnis().gerechnet);
    EXPECT_NE(m.Q2.text, QStringLiteral("-"));
}

TEST_F(TechnikModellTest, UnknownTypeStopsTheRecalculation) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    const int bild = m.bildNummer();
    m.ComboBox1Text = QStringLiteral("QN9-99");
    m.ComboBox1Change(Sender::Keiner);
    EXPECT_EQ(m.AktArtikelID, 0);
    m.schritt(Eingabe::t0, +1);
    EXPECT_EQ(m.bildNummer(), bild);
}

TEST_F(TechnikModellTest, EightPoleShows51PercentAndHalfTheCurrent) {
    oeffnen({QStringLiteral("QN4-64 4/8")}, QStringLiteral("QNX4-64 4/8"));
    TechnikModell& m = *modell_;
    ASSERT_TRUE(m.pol.sichtbar);
    EXPECT_EQ(m.pol.text, QStringLiteral("&Umschaltung Polpaarzahl 8"));
    EXPECT_FALSE(m.ediHz.aktiv); // pole-changing motors run at 50 Hz
    const QString q2 = m.Q2.text, q3 = m.Q3.text, pan = m.pan.text, strom = m.strom.text;
    const QString m5 = m.Edit5.text, cop = m.Edit4.text;
    ASSERT_GT(wert(strom), 0.1);
    m.polClick();
    EXPECT_FALSE(m.VierPolig);
    EXPECT_EQ(m.pol.text, QStringLiteral("&Umschaltung Polpaarzahl 4"));
    EXPECT_EQ(m.Q2.text, formatFloat(u"###,###,##0.00", wert(q2) / calc::kAchtPolFaktor));
    EXPECT_EQ(m.Q3.text, formatFloat(u"###,###,##0.00", wert(q3) / calc::kAchtPolFaktor));
    EXPECT_EQ(m.pan.text, formatFloat(u"###,###,##0.00", wert(pan) / calc::kAchtPolFaktor));
    EXPECT_EQ(m.Edit5.text, formatFloat(u"###,###,##0.000", wert(m5) / calc::kAchtPolFaktor));
    EXPECT_EQ(m.strom.text, formatFloat(u"0.00", wert(strom) / 2.0));
    EXPECT_EQ(m.Edit4.text, cop); // the ratio stays
    EXPECT_NEAR(wert(m.Q2.text) / wert(q2), 0.51, 0.001);
    // Back to 4-pole: the full values again.
    m.polClick();
    EXPECT_EQ(m.Q2.text, q2);
    EXPECT_EQ(m.strom.text, strom);
}

TEST_F(TechnikModellTest, EightPoleWithR404StopsT0StepsAtMinus25) {
    oeffnen({QStringLiteral("QN4-64 4/8")}, QStringLiteral("QNX4-64 4/8"));
    TechnikModell& m = *modell_;
    ASSERT_LT(m.bereiche.SpinEdit2.min, -26); // the envelope itself allows lower values
    m.t0.text = QStringLiteral("-30");
    m.polClick(); // switching to 8-pole raises t0
    EXPECT_EQ(m.t0.text, QStringLiteral("-25"));
    m.schritt(Eingabe::t0, -1);
    EXPECT_EQ(m.t0.text, QStringLiteral("-25"));
    m.t0.text = QStringLiteral("-24");
    m.schritt(Eingabe::t0, -1);
    EXPECT_EQ(m.t0.text, QStringLiteral("-25"));
    m.t0.text = QStringLiteral("-26");
    m.feldVerlassen(Eingabe::t0);
    EXPECT_EQ(m.t0.text, QStringLiteral("-25"));
    // 4-pole: the envelope alone limits.
    m.polClick();
    m.schritt(Eingabe::t0, -1);
    EXPECT_EQ(m.t0.text, QStringLiteral("-26"));
}

TEST_F(TechnikModellTest, ChoosingATypeReturnsToFourPole) {
    oeffnen({QStringLiteral("QN4-64 4/8"), QStringLiteral("QN2-22")},
            QStringLiteral("QNX4-64 4/8"));
    TechnikModell& m = *modell_;
    m.polClick();
    ASSERT_FALSE(m.VierPolig);
    m.typWaehlen(QStringLiteral("QNX2-22"));
    EXPECT_TRUE(m.VierPolig);
    EXPECT_FALSE(m.pol.sichtbar);
}

TEST_F(TechnikModellTest, RangesComeFromTheDashedEnvelope) {
    // QN2-22 with R404A: t0 -45 .. 7.5 °C, tc 20 .. 55 °C.
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    EXPECT_EQ(m.bereiche.SpinEdit1.min, -50);
    EXPECT_EQ(m.bereiche.SpinEdit1.wert, -45);
    EXPECT_EQ(m.bereiche.SpinEdit2.max, 12); // trunc(7.5) + 5
    EXPECT_EQ(m.bereiche.SpinEdit2.wert, 7);
    EXPECT_EQ(m.bereiche.SpinEdit5.min, 15);
    EXPECT_EQ(m.bereiche.SpinEdit5.max, 60);
    // At the lower bound -50 the t0 stays; below it, it moves to t0max + 5 and is
    // then clamped to the range of the field.
    m.t0.text = QStringLiteral("-50");
    m.MinMaxHolen();
    EXPECT_EQ(m.t0.text, QStringLiteral("-50"));
    m.t0.text = QStringLiteral("-50,5");
    m.MinMaxHolen();
    EXPECT_EQ(m.t0.text, QStringLiteral("12,5"));
    m.T0Pruefen();
    EXPECT_EQ(m.t0.text, QStringLiteral("12"));
    m.tc.text = QStringLiteral("61");
    m.TcPruefen();
    EXPECT_EQ(m.tc.text, QStringLiteral("60"));
    m.tc.text = QStringLiteral("60");
    m.TcPruefen();
    EXPECT_EQ(m.tc.text, QStringLiteral("60"));
}

TEST_F(TechnikModellTest, PointOutsideTheEnvelopeAlwaysCarriesItsNote) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    EXPECT_FALSE(m.hinweiseSichtbar());
    // 7.5 is the envelope's upper t0: inside, no note; one kelvin above: the note.
    m.t0.text = QStringLiteral("7");
    m.feldVerlassen(Eingabe::t0);
    EXPECT_FALSE(m.hinweise().anwendt01);
    m.schritt(Eingabe::t0, +1);
    EXPECT_EQ(m.t0.text, QStringLiteral("8"));
    EXPECT_TRUE(m.hinweise().anwendt01);
    EXPECT_TRUE(m.hinweiseSichtbar());
    EXPECT_TRUE(m.hinweise().texte().contains(
        QStringLiteral("t0: Einsatzgrenze beachten !    t0 zu gross")));
    EXPECT_FALSE(chart::grenzFarbeZulaessig(m.diagramm().FarbeKreuz()));
}

TEST_F(TechnikModellTest, OutputsMatchTheRating) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    const calc::ArtikelErgebnis& r = m.ergebnis();
    ASSERT_TRUE(r.gerechnet);
    EXPECT_EQ(m.Q2.text, formatFloat(u"0.00", roundHalfEven(r.verdichter1.QoV, 2)));
    EXPECT_EQ(m.pan.text, formatFloat(u"0.00", roundHalfEven(r.verdichter1.P, 2)));
    EXPECT_EQ(m.strom.text, formatFloat(u"0.00", r.I));
    EXPECT_EQ(m.Q2V1.text, m.Q2.text);
    EXPECT_TRUE(m.strom.sichtbar);
    EXPECT_TRUE(m.Panel10);
    EXPECT_FALSE(m.Panel9);
    // At 55 Hz no current is shown.
    m.ediHz.text = QStringLiteral("55");
    m.feldVerlassen(Eingabe::ediHz);
    EXPECT_FALSE(m.strom.sichtbar);
}

TEST_F(TechnikModellTest, NotComputableValuesShowADash) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    // A refrigerant the article has no data for: nothing can be rated.
    m.kaeltemittelWaehlen(QStringLiteral("R999"));
    EXPECT_FALSE(m.ergebnis().gerechnet);
    for (const Feld* f : {&m.Q2, &m.Q3, &m.pan, &m.Edit4, &m.Edit5, &m.Edit7, &m.strom})
        EXPECT_EQ(f->text, QStringLiteral("-"));
}

TEST_F(TechnikModellTest, DuplexSumsBothCompressors) {
    oeffnen({QStringLiteral("EQN2-64")}, QStringLiteral("EQNX2-64"));
    TechnikModell& m = *modell_;
    EXPECT_TRUE(m.Panel9);
    EXPECT_FALSE(m.Panel10);
    EXPECT_TRUE(m.Panel12);
    const double q1 = wert(m.Q2V1.text), q2 = wert(m.Q2V2.text);
    EXPECT_GT(q1, 0.0);
    EXPECT_NEAR(wert(m.Q2.text), q1 + q2, 1e-9);
    EXPECT_NEAR(wert(m.strom.text), wert(m.StromV1.text) + wert(m.StromV2.text), 0.011);
    // A second frequency off the mains hides the current.
    m.ediHZ2.text = QStringLiteral("45");
    m.feldVerlassen(Eingabe::ediHZ2);
    EXPECT_FALSE(m.strom.sichtbar);
    EXPECT_LT(wert(m.Q2V2.text), q2);
}

TEST_F(TechnikModellTest, CondensingUnitShowsTheBalanceTc) {
    DatenblattAuftrag d =
        Katalog::get().daten({QStringLiteral("CQN4-66 L")}, QStringLiteral("CQNX4-66 L"), kR404);
    d.luko = true;
    d.punkt.tle = 32.0;
    modell_->oeffnen(d);
    modell_->FormShow();
    TechnikModell& m = *modell_;
    ASSERT_NE(m.AktArtikelID, 0);
    EXPECT_TRUE(m.SatzModus);
    EXPECT_TRUE(m.tcle.sichtbar);
    EXPECT_TRUE(m.tle.sichtbar);
    EXPECT_FALSE(m.tc.sichtbar);
    EXPECT_FALSE(m.Sptc);
    const double tcBilanz = wert(m.tcle.text);
    EXPECT_GT(tcBilanz, 32.0);
    EXPECT_NEAR(tcBilanz, m.ergebnis().punkt.tc, 0.05);
    // A warmer air inlet gives a warmer condenser.
    m.schritt(Eingabe::tle, +1);
    EXPECT_GT(wert(m.tcle.text), tcBilanz);
    EXPECT_NE(m.Q2.text, QStringLiteral("-"));
}

TEST_F(TechnikModellTest, AmmoniaSuperheatNoteAndTorque) {
    oeffnen({QStringLiteral("W5 NH3")}, QStringLiteral("W5 NH3"), QStringLiteral("R717"));
    TechnikModell& m = *modell_;
    EXPECT_EQ(m.ComboBox1Text, QStringLiteral("W5 NH3"));
    EXPECT_TRUE(m.Drehzahl);
    EXPECT_FALSE(m.Frequenz);
    EXPECT_TRUE(m.spannung.sichtbar); // torque instead of current
    EXPECT_FALSE(m.strom.sichtbar);
    // ts = t0 + 10 is the limit; one kelvin more shows the note.
    m.tsaug.text = QStringLiteral("0");
    m.feldVerlassen(Eingabe::tsaug);
    EXPECT_FALSE(m.hinweise().Label15);
    m.schritt(Eingabe::tsaug, +1);
    EXPECT_TRUE(m.hinweise().Label15);
    EXPECT_TRUE(m.hinweise().texte().contains(QStringLiteral("max. Uberhitzung 10K !")));
}

TEST_F(TechnikModellTest, SubcoolingStepStopsAtZero) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    m.tu.text = QStringLiteral("1");
    m.schritt(Eingabe::tu, -1);
    EXPECT_EQ(m.tu.text, QStringLiteral("0"));
    m.schritt(Eingabe::tu, -1);
    EXPECT_EQ(m.tu.text, QStringLiteral("0"));
}

TEST_F(TechnikModellTest, UndockingKeepsThePointInCelsius) {
    oeffnen({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"));
    TechnikModell& m = *modell_;
    m.t0.text = QStringLiteral("-12,5");
    m.betriebspunktSichern();
    EXPECT_DOUBLE_EQ(betriebspunkt().t0, -12.5);
    EXPECT_EQ(betriebspunkt().kaeltemittel, kR404);
}

// The performance table and the tender text rate with what the sheet shows: the
// condensing unit over the air inlet with its condenser, a duplex as two compressors.
TEST_F(TechnikModellTest, TableAndTenderTakeTheSheetsValues) {
    DatenblattAuftrag d =
        Katalog::get().daten({QStringLiteral("CQN4-66 L")}, QStringLiteral("CQNX4-66 L"), kR404);
    d.luko = true;
    d.punkt.tle = 32.0;
    modell_->oeffnen(d);
    modell_->FormShow();
    TechnikModell& m = *modell_;
    ASSERT_NE(m.AktArtikelID, 0);
    m.tsaug.text = QStringLiteral("15,0");
    calc::ArtikelEingabe e = m.eingabe();
    EXPECT_TRUE(m.lukoModus());
    ASSERT_NE(e.kondensator, nullptr);
    EXPECT_FALSE(e.Panel9);
    EXPECT_EQ(e.AktArtikelID, m.AktArtikelID);
    EXPECT_EQ(e.punkt.kaeltemittel, m.KMListboxText);
    EXPECT_DOUBLE_EQ(e.punkt.tsaug, 15.0);

    oeffnen({QStringLiteral("EQN2-64")}, QStringLiteral("EQNX2-64"));
    e = m.eingabe();
    EXPECT_FALSE(m.lukoModus());
    EXPECT_TRUE(e.Panel9);
    const AusschreibungsWerte w = m.ausschreibungsWerte();
    EXPECT_EQ(w.typ, m.ComboBox1Text);
    EXPECT_EQ(w.qo, m.Q2.text.trimmed());
    EXPECT_EQ(w.antriebsleistung, m.Label19);
    EXPECT_EQ(w.tempEinheit, QStringLiteral("°C"));
    EXPECT_EQ(w.diffEinheit, QStringLiteral("K"));
}

} // namespace
} // namespace drel::sheet
