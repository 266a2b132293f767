// The printed sheet's content read from a data sheet on the sample catalogue: the
// values are the sheet's own, the refrigerant note follows the refrigerant and the
// language, the two-frequency layout and the pages of pictures.
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "sheet/datenblatt.h"
#include "sheet/pages/htmlzutext.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/sprache.h"
#include "tests/support/blattkatalog.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace drel::print {
namespace {

using sheet::testing::Katalog;

const QString kR404 = QStringLiteral("R404A, R507");

// The pictures of the program directory, once for the catalogue of this binary.
void bilderKopieren() {
    static const bool kopiert = [] {
        const QString ziel = Katalog::get().dir.filePath(QStringLiteral("Pics"));
        QDir().mkpath(ziel);
        QDirIterator it(QStringLiteral(DREL_SOURCE_DIR "/data/Pics"), QDir::Files);
        while (it.hasNext()) {
            it.next();
            QFile::copy(it.filePath(), ziel + QLatin1Char('/') + it.fileName());
        }
        return true;
    }();
    (void)kopiert;
}

class DatenblattQuelleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        bilderKopieren();
        setNumberSeparators(NumberSeparators::german());
        sheet::testing::einheitenSI(einheiten_);
        programmschalter() = Programmschalter{};
        betriebspunkt() = Betriebspunkt{};
        sprache().setzen(1);
        blatt_ = std::make_unique<sheet::Datenblatt>(*Katalog::get().dm, Katalog::get().stoff,
                                                     einheiten_);
        modell_ = &blatt_->modell();
    }
    void TearDown() override { sprache().setzen(1); }

    void oeffnen(const QString& typ, const QString& gezeigt, const QString& km = kR404) {
        blatt_->oeffnen(Katalog::get().daten({typ}, gezeigt, km));
        ASSERT_NE(modell_->AktArtikelID, 0) << qPrintable(gezeigt);
    }

    const sheet::Datenblatt& quelle() { return *blatt_; }

    static Druckauswahl alle() {
        Druckauswahl a;
        for (int k = 0; k < kAbschnittAnzahl; ++k)
            a.abschnitte.push_back(static_cast<Abschnitt>(k));
        return a;
    }

    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    calc::Einheiten einheiten_;
    std::unique_ptr<sheet::Datenblatt> blatt_;
    sheet::TechnikModell* modell_ = nullptr;
};

TEST_F(DatenblattQuelleTest, ValuesAreTheSheetsOwnWithTheirUnits) {
    oeffnen(QStringLiteral("QN2-22"), QStringLiteral("QNX2-22"));
    const sheet::TechnikModell& m = *modell_;
    const DatenblattInhalt i = datenblattInhalt(quelle(), alle());
    EXPECT_EQ(i.typ, QStringLiteral("QNX2-22"));
    EXPECT_EQ(i.kaeltemittel, kR404);
    EXPECT_EQ(i.links[1].label, QStringLiteral("Frequenz"));
    EXPECT_EQ(i.links[1].wert, m.ediHz.text.trimmed());
    EXPECT_EQ(i.links[2].wert, m.t0.text.trimmed());
    EXPECT_EQ(i.links[2].einheit, QStringLiteral("°C"));
    EXPECT_EQ(i.links[3].wert, m.tc.text.trimmed());
    EXPECT_TRUE(i.links[4].label.isEmpty()); // no air inlet temperature for a compressor
    EXPECT_EQ(i.links[7].einheit, QStringLiteral("K"));
    EXPECT_EQ(i.rechts[0].wert, m.Q2.text.trimmed());
    EXPECT_EQ(i.rechts[0].einheit, QStringLiteral("kW"));
    EXPECT_EQ(i.rechts[2].label, QStringLiteral("Leistungsaufnahme"));
    EXPECT_EQ(i.rechts[3].label, QStringLiteral("Stromaufnahme"));
    EXPECT_EQ(i.rechts[3].wert, m.strom.text.trimmed());
    EXPECT_EQ(i.rechts[5].einheit, QStringLiteral("kW")); // the condenser capacity has its unit
    EXPECT_FALSE(i.kaeltemittelHinweisSichtbar);
    // The other pages.
    EXPECT_FALSE(i.technik.isEmpty());
    EXPECT_FALSE(i.diagramm.isNull());
    EXPECT_FALSE(i.legende[0].text.isEmpty());
    EXPECT_GE(i.tabelle.size(), 3);
    EXPECT_TRUE(i.tabelle.at(2).join(QString()).contains(QLatin1Char(',')));
}

TEST_F(DatenblattQuelleTest, HighPressureNoteForR410AInTheUsersLanguage) {
    oeffnen(QStringLiteral("QNX2-18 R410A"), QStringLiteral("QNX2-18 R410A"),
            QStringLiteral("R410A"));
    DatenblattInhalt i = datenblattInhalt(quelle(), alle());
    ASSERT_TRUE(i.kaeltemittelHinweisSichtbar);
    EXPECT_TRUE(i.kaeltemittelHinweis.startsWith(QStringLiteral("Hinweis: R410A und R744")))
        << qPrintable(i.kaeltemittelHinweis);
    sprache().setzen(2); // English reads the column "Text"
    i = datenblattInhalt(quelle(), alle());
    EXPECT_TRUE(i.kaeltemittelHinweis.startsWith(QStringLiteral("Note: R410A")))
        << qPrintable(i.kaeltemittelHinweis);
    EXPECT_FALSE(i.kaeltemittelHinweis.contains(QLatin1Char('<')));
    // Printed below the values of page 1.
    Druckauswahl a;
    a.abschnitte = {Abschnitt::Leistungsdaten};
    auto b = datenblattBericht(a, i);
    ASSERT_TRUE(b->prepare());
    EXPECT_EQ(b->preparedPage(0).find(QStringLiteral("MemoR410A")).size(), 1u);
}

TEST_F(DatenblattQuelleTest, TwoFrequencyLayoutShowsBothFrequencies) {
    oeffnen(QStringLiteral("EQN2-64"), QStringLiteral("EQNX2-64"));
    ASSERT_TRUE(modell_->Panel12);
    modell_->ediHZ2.text = QStringLiteral("45");
    modell_->feldVerlassen(sheet::Eingabe::ediHZ2);
    const auto z = betriebspunktZeilen(*modell_, einheiten_);
    EXPECT_EQ(z[1].label, QStringLiteral("Frequenz Verdichter 1"));
    EXPECT_EQ(z[1].wert, modell_->ediHz.text.trimmed());
    EXPECT_EQ(z[2].label, QStringLiteral("Frequenz Verdichter 2"));
    EXPECT_EQ(z[2].wert, QStringLiteral("45"));
    EXPECT_EQ(z[3].label, QStringLiteral("Verdampfungstemperatur"));
    EXPECT_EQ(z[4].label, QStringLiteral("Verflussigungstemperatur"));
}

TEST_F(DatenblattQuelleTest, RowsFollowTheKindOfArticle) {
    // An open compressor: drive power and torque instead of power input and current.
    oeffnen(QStringLiteral("W4"), QStringLiteral("W4"), QStringLiteral("R134a"));
    ASSERT_TRUE(modell_->Label19);
    std::array<WertZeile, 8> r = ergebnisZeilen(*modell_, einheiten_);
    EXPECT_EQ(r[2].label, QStringLiteral("Antriebsleistung"));
    EXPECT_EQ(r[3].label, QStringLiteral("Drehmoment"));
    EXPECT_EQ(r[3].wert, modell_->spannung.text.trimmed());
    EXPECT_EQ(r[3].einheit, QStringLiteral("Nm"));
    EXPECT_EQ(betriebspunktZeilen(*modell_, einheiten_)[1].label, QStringLiteral("Drehzahl"));
    EXPECT_TRUE(r[7].label.isEmpty());

    // Two stages: the intermediate cooler's outlet temperature.
    oeffnen(QStringLiteral("QNT4-70"), QStringLiteral("QNTX4-70"));
    ASSERT_TRUE(modell_->Panel13);
    r = ergebnisZeilen(*modell_, einheiten_);
    EXPECT_EQ(r[7].label, QStringLiteral("Temperatur am Zwischenkuhleraustritt"));
    EXPECT_EQ(r[7].wert, modell_->tFUA.text.trimmed());
    EXPECT_EQ(r[7].einheit, QStringLiteral("°C"));

    // A condensing unit: the air inlet row and the balanced tc.
    DatenblattAuftrag d =
        Katalog::get().daten({QStringLiteral("CQN4-66 L")}, QStringLiteral("CQNX4-66 L"), kR404);
    d.luko = true;
    d.punkt.tle = 32.0;
    blatt_->oeffnen(d);
    ASSERT_FALSE(modell_->tc.sichtbar);
    const std::array<WertZeile, 8> p = betriebspunktZeilen(*modell_, einheiten_);
    EXPECT_EQ(p[3].wert, modell_->tcle.text.trimmed());
    EXPECT_EQ(p[4].label, QStringLiteral("Lufteintrittstemperatur"));
    EXPECT_EQ(p[4].wert, modell_->tle.text.trimmed());
}

// A two-stage compressor asked for with subcooling: the printout states "0" on page 8
// and page 1's capacity is the one rated without it.
TEST_F(DatenblattQuelleTest, TwoStagePrintoutStatesTheSubcoolingItWasRatedWith) {
    DatenblattAuftrag d =
        Katalog::get().daten({QStringLiteral("QNT4-70")}, QStringLiteral("QNTX4-70"), kR404);
    d.punkt.t0 = -40;
    d.punkt.tc = 40;
    d.punkt.tu = 6;
    blatt_->oeffnen(d);
    const DatenblattInhalt i = datenblattInhalt(quelle(), alle());
    const WertZeile& tu = i.tabellenBedingungen[1];
    EXPECT_EQ(tu.label, QStringLiteral("Unterkuhlung"));
    EXPECT_EQ(tu.wert, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(modell_->ergebnis().punkt.tu, 0.0);
    EXPECT_EQ(i.rechts[0].wert, modell_->Q2.text.trimmed());
    // Page 8 is the sheet's table over its ranges: its cells are the sheet's ratings.
    ASSERT_GT(i.tabelle.size(), 2);
    EXPECT_EQ(i.tabelle, [&] {
        QList<QStringList> z;
        const sheet::LeistungsTabelle t = quelle().tabelleZumDrucken();
        for (int r = 0; r < t.zeilen(); ++r) {
            QStringList zeile;
            for (int c = 0; c < t.spalten(); ++c)
                zeile << t.text(c, r);
            z << zeile;
        }
        return z;
    }());
}

TEST_F(DatenblattQuelleTest, R744HasTheNoteToo) {
    oeffnen(QStringLiteral("QNX2-12 CO2"), QStringLiteral("QNX2-12 CO2"), QStringLiteral("R744"));
    ASSERT_EQ(modell_->KMListboxText, QStringLiteral("R744"));
    Druckauswahl a;
    a.abschnitte = {Abschnitt::Leistungsdaten};
    EXPECT_TRUE(datenblattInhalt(quelle(), a).kaeltemittelHinweisSichtbar);
    // Without the performance page nothing of it is read.
    a.abschnitte = {Abschnitt::Zubehoer};
    EXPECT_FALSE(datenblattInhalt(quelle(), a).kaeltemittelHinweisSichtbar);
}

TEST_F(DatenblattQuelleTest, PicturePagesExistOnlyWithTheirPicture) {
    oeffnen(QStringLiteral("QN1-21"), QStringLiteral("QNX1-21"));
    ReiterSichtbar sichtbar = reiterSichtbar(quelle());
    EXPECT_TRUE(sichtbar(Abschnitt::Masse));
    EXPECT_TRUE(sichtbar(Abschnitt::Produktfoto));
    const DatenblattInhalt i = datenblattInhalt(quelle(), alle());
    EXPECT_FALSE(i.zeichnung.isNull());
    EXPECT_FALSE(i.foto.isNull());
    EXPECT_FALSE(i.anschluesse.isEmpty());

    oeffnen(QStringLiteral("QN2-22"), QStringLiteral("QNX2-22"));
    sichtbar = reiterSichtbar(quelle());
    EXPECT_TRUE(sichtbar(Abschnitt::TechnischeDaten));
    EXPECT_TRUE(sichtbar(Abschnitt::TabelleLeistung));
}

} // namespace
} // namespace drel::print
