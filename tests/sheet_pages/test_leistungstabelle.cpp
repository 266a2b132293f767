#include "base/numberformat.h"
#include "calc/lukobilanz.h"
#include "chart/grenztest.h"
#include "seitenfixture.h"
#include "sheet/pages/leistungstabelle.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace drel::sheet::testing {
namespace {

class TabelleTest : public SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        letzteT0Grenze() = T0Grenze::Unten;
        eingabe_.AktArtikelID = kQn;
        eingabe_.typ = QStringLiteral("QN4/200-4");
        eingabe_.punkt.kaeltemittel = QStringLiteral("R404A");
    }
    void TearDown() override { letzteT0Grenze() = T0Grenze::Unten; }

    // t0 and tc ranges as FROM, TO, STEP.
    void bereich(double t0u, double t0o, double t0s, double tcu, double tco, double tcs) {
        b_.SpinEdit1.wert = t0u;
        b_.SpinEdit2.wert = t0o;
        b_.SpinEdit3.wert = t0s;
        b_.SpinEdit4.wert = tcu;
        b_.SpinEdit5.wert = tco;
        b_.SpinEdit6.wert = tcs;
    }
    void rechnen() {
        tabelle_.Button1Click(*dm_, stoff_, einheiten_, chart_, b_, eingabe_, vierPolig_, luft_);
    }
    QString t(int spalte, int zeile) const { return tabelle_.text(spalte, zeile).trimmed(); }

    TabBereiche b_;
    calc::ArtikelEingabe eingabe_;
    bool vierPolig_ = true;
    bool luft_ = false;
    chart::GrenzChart chart_;
    LeistungsTabelle tabelle_;
};

TEST_F(TabelleTest, ElevenColumnsAreCutByTheBoundNotChangedLast) {
    bereich(-40, 10, 5, 40, 40, 10);
    rechnen();
    EXPECT_EQ(b_.SpinEdit1.wert, -40);
    EXPECT_EQ(b_.SpinEdit2.wert, 5);
    EXPECT_EQ(tabelle_.spalten(), 13);
    EXPECT_EQ(t(3, 1), QStringLiteral("5,0"));

    bereich(-40, 10, 5, 40, 40, 10);
    b_.SpinEdit2Change();
    rechnen();
    EXPECT_EQ(b_.SpinEdit1.wert, -35);
    EXPECT_EQ(b_.SpinEdit2.wert, 10);
    EXPECT_EQ(t(12, 1), QStringLiteral("-35,0"));

    // Ten columns (9.8 rounded up) are kept as they are; bounds in the wrong order
    // are swapped.
    bereich(4, -40, 5, 40, 40, 10);
    b_.SpinEdit1Change();
    rechnen();
    EXPECT_EQ(b_.SpinEdit1.wert, -40);
    EXPECT_EQ(b_.SpinEdit2.wert, 4);
    EXPECT_EQ(tabelle_.spalten(), 13);
    EXPECT_EQ(SpaltenZahlHolen(5, 10, -40), 11);
    EXPECT_EQ(SpaltenZahlHolen(5, 5, -40), 10);
    EXPECT_EQ(SpaltenZahlHolen(4, 5, -4), 4); // 9/4 + 1 = 3.25 rounds up
}

TEST_F(TabelleTest, ColumnsRunFromTheUpperBoundDown) {
    bereich(-10, 0, 5, 40, 40, 10);
    rechnen();
    EXPECT_EQ(tabelle_.spalten(), 6);
    EXPECT_EQ(t(3, 1), QStringLiteral("0,0"));
    EXPECT_EQ(t(4, 1), QStringLiteral("-5,0"));
    EXPECT_EQ(t(5, 1), QStringLiteral("-10,0"));
    EXPECT_EQ(tabelle_.text(4, 1), QStringLiteral("-5,0")); // padded to four characters
    EXPECT_EQ(tabelle_.text(3, 1), QStringLiteral(" 0,0"));
    // A lower bound of 0 stops at 0 (0·0.99 ≥ 0); a positive one writes one value more
    // than the grid has columns.
    bereich(0, 10, 5, 40, 40, 10);
    rechnen();
    EXPECT_EQ(tabelle_.t0Werte(), (std::vector<double>{10, 5, 0}));
    bereich(5, 10, 5, 40, 40, 10);
    rechnen();
    EXPECT_EQ(tabelle_.t0Werte(), (std::vector<double>{10, 5, 0}));
    EXPECT_EQ(tabelle_.spalten(), 5);
}

TEST_F(TabelleTest, RowBlocksAndHeadings) {
    bereich(-10, -10, 5, 30, 50, 10);
    rechnen();
    EXPECT_EQ(tabelle_.zeilen(), 14);
    EXPECT_EQ(t(1, 0), QStringLiteral("tc"));
    EXPECT_EQ(t(1, 1), QStringLiteral("[°C]"));
    EXPECT_EQ(t(3, 0), QStringLiteral("to [°C]"));
    EXPECT_EQ(t(1, 2), QStringLiteral("30,0"));
    EXPECT_EQ(t(1, 6), QStringLiteral("40,0"));
    EXPECT_EQ(t(1, 10), QStringLiteral("50,0"));
    EXPECT_EQ(t(2, 2), QStringLiteral("Qo [W]"));
    EXPECT_EQ(t(2, 3), QStringLiteral("P [kW]"));
    EXPECT_EQ(t(2, 4), QStringLiteral("I [A]"));
    EXPECT_EQ(t(2, 5), QString());
    // Negative lower bound: the block count takes |upper| + |lower|.
    bereich(-10, -10, 5, -10, 10, 10);
    rechnen();
    EXPECT_EQ(tabelle_.zeilen(), 2 + 4 * 3);
}

// Qo = 1.5·(30 + 0.6·t0 − 0.15·tc + 0.004·t0²), P = 3 + 0.01·t0 + 0.06·tc + 0.0005·tc².
TEST_F(TabelleTest, CapacityInKwIsShownInWattWithoutDecimals) {
    bereich(-10, -10, 5, 45, 45, 5);
    rechnen();
    EXPECT_EQ(t(2, 2), QStringLiteral("Qo [W]"));
    EXPECT_EQ(t(3, 2), QStringLiteral("26.475"));
    EXPECT_EQ(t(3, 3), QStringLiteral("6,61"));
    EXPECT_FALSE(t(3, 4).isEmpty());

    einheiten_.klick(calc::EinheitGruppe::Leistung, 2); // ton
    einheiten_.klick(calc::EinheitGruppe::Antrieb, 1);  // HP
    rechnen();
    EXPECT_EQ(t(2, 2), QStringLiteral("Qo [ton]"));
    EXPECT_EQ(t(3, 2), QStringLiteral("7,53"));
    EXPECT_EQ(t(2, 3), QStringLiteral("P [HP]"));
    // The power the sheet shows: 6.61 kW (two decimals of kW, as the field rounds it)
    // in HP, not the unrounded 6.6125 kW.
    EXPECT_EQ(t(3, 3), QStringLiteral("8,86"));
}

TEST_F(TabelleTest, NoCurrentRowAt55HzNorForWTypes) {
    bereich(-10, -10, 5, 45, 45, 5);
    eingabe_.punkt.f = 55;
    rechnen();
    EXPECT_EQ(t(2, 4), QString());
    EXPECT_EQ(t(3, 4), QString());
    EXPECT_FALSE(t(3, 2).isEmpty());
    eingabe_.punkt.f = 60;
    rechnen();
    EXPECT_EQ(t(2, 4), QStringLiteral("I [A]"));
    eingabe_.typ = QStringLiteral("W4/200");
    rechnen();
    EXPECT_EQ(t(2, 4), QString());
}

TEST_F(TabelleTest, TwoCompressorsAreSummedAndEightPoleIsDivided) {
    bereich(-10, -10, 5, 45, 45, 5);
    eingabe_.AktArtikelID = kDuplex;
    eingabe_.typ = QStringLiteral("EQN4/200-4");
    eingabe_.Panel9 = true;
    rechnen();
    // Each compressor as the sheet shows it, 26.475 -> 26.48 kW, and their sum, as in Q2.
    EXPECT_EQ(t(3, 2), QStringLiteral("52.960"));
    EXPECT_NEAR(floatOrZero(t(3, 3)), 2 * 6.6125, 0.006);

    eingabe_ = {};
    eingabe_.AktArtikelID = kQn;
    eingabe_.punkt.kaeltemittel = QStringLiteral("R404A");
    rechnen();
    const double i4 = floatOrZero(t(3, 4));
    vierPolig_ = false;
    rechnen();
    EXPECT_EQ(t(3, 2), QStringLiteral("13.502")); // 26475 / 1.960784314
    EXPECT_EQ(t(3, 3), QStringLiteral("3,37"));
    EXPECT_NEAR(floatOrZero(t(3, 4)), i4 / 2, 0.006);
}

TEST_F(TabelleTest, BlocksOutsideTheEnvelopeAreMarkedAndEmpty) {
    // The red polygon reaches to t0 −28 °C: −29 lies outside, −19 inside.
    bereich(-29, -19, 10, 45, 45, 5);
    rechnen();
    EXPECT_EQ(t(4, 1), QStringLiteral("-29,0"));
    for (int r = 2; r < 6; ++r) {
        EXPECT_TRUE(tabelle_.zelle(4, r).ausserhalb);
        EXPECT_TRUE(t(4, r).isEmpty());
        EXPECT_FALSE(tabelle_.zelle(3, r).ausserhalb);
    }
    EXPECT_FALSE(t(3, 2).isEmpty());
    EXPECT_TRUE(LeistungsTabelle::istWertZelle(3, 2));
    EXPECT_FALSE(LeistungsTabelle::istWertZelle(2, 2));
    EXPECT_FALSE(LeistungsTabelle::istWertZelle(3, 1));
    EXPECT_EQ(LeistungsTabelle::hintergrund(3), 16245718u);
}

TEST_F(TabelleTest, ClickTakesThePointOverAndAnEmptyColumnGivesT0Zero) {
    bereich(-20, -10, 10, 30, 40, 10);
    rechnen();
    PunktUebernahme u = tabelle_.GridMouseUp(4, 8); // column −20, second block's third row
    EXPECT_EQ(u.t0, -20);
    EXPECT_EQ(u.zeilenWert, 40);
    EXPECT_FALSE(u.luftEintritt);
    u = tabelle_.GridMouseUp(2, 3);
    EXPECT_EQ(u.t0, 0);
    EXPECT_EQ(u.zeilenWert, 30);
}

TEST_F(TabelleTest, CondensingUnitRowsAreAirInletWithTheBalancedTc) {
    b_.SpinEdit7.wert = 30;
    b_.SpinEdit8.wert = 30;
    b_.SpinEdit9.wert = 5;
    bereich(-10, -10, 5, 0, 0, 1);
    db::LukoEintrag kond;
    kond.KondensLeistung = {0, 0, 2, -2, 0};
    eingabe_.AktArtikelID = kUnitL;
    eingabe_.DatenArtikelID = kQn;
    eingabe_.typ = QStringLiteral("CQN4/200-4L");
    luft_ = true;
    eingabe_.kondensator = &kond;
    rechnen();
    EXPECT_EQ(t(1, 0), QStringLiteral("tle"));
    EXPECT_EQ(t(1, 2), QStringLiteral("30,0"));
    EXPECT_EQ(t(2, 5), QStringLiteral("tc [°C]"));
    dm_->TBArtikel.findKey({Value(qint32(kQn))});
    const double tc = calc::LukoBilanz(*dm_, kond, 50, 30, -10, false).tc;
    EXPECT_GT(tc, 30.0);
    EXPECT_EQ(t(3, 5), ZahlFormatieren(7, 2, tc).trimmed());
    EXPECT_TRUE(tabelle_.GridMouseUp(3, 5).luftEintritt);
}

TEST_F(TabelleTest, RangesFollowTheEnvelopeAndTheTemperatureUnit) {
    const HuellenExtreme h = MinMaxTabLeistung(*dm_, QStringLiteral("R404A"), kQn);
    EXPECT_EQ(h.t0Min, -25);
    EXPECT_EQ(h.t0Max, 10);
    EXPECT_EQ(h.tcMax, 55);
    b_.ausHuelle(h, einheiten_);
    EXPECT_EQ(b_.SpinEdit1.min, -30);
    EXPECT_EQ(b_.SpinEdit2.max, 15);
    EXPECT_EQ(b_.SpinEdit1.wert, -25);
    EXPECT_EQ(b_.SpinEdit5.wert, 55);
    EXPECT_EQ(b_.SpinEdit4.min, 20);
    const HuellenExtreme leer = MinMaxTabLeistung(*dm_, QStringLiteral("R999"), kQn);
    EXPECT_EQ(leer.t0Min, 2147483647.0);

    TabBereiche b;
    b.einheitWechseln(true);
    EXPECT_EQ(b.SpinEdit1.wert, -40);
    EXPECT_EQ(b.SpinEdit2.wert, 50);
    EXPECT_EQ(b.SpinEdit3.wert, 9);
    b.einheitWechseln(false);
    EXPECT_EQ(b.SpinEdit2.wert, 10);
    EXPECT_EQ(b.SpinEdit3.wert, 5);
}

// A FIFO where Tab.ini should be is no settings file: reading it must not wait for a
// writer, writing must not replace it; the ranges keep their defaults.
TEST(TabIni, FifoInItsPlaceNeitherBlocksNorIsReplaced) {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("Tab.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
    TabBereiche b;
    b.lesen(datei);
    EXPECT_EQ(b.SpinEdit1.wert, -40);
    EXPECT_EQ(b.SpinEdit3.wert, 5);
    EXPECT_FALSE(b.schreiben(datei));
    EXPECT_FALSE(QFileInfo(datei).isFile());
}

TEST(TabIni, RoundTripAndLenientNumbers) {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("Tab.ini"));
    setNumberSeparators(NumberSeparators::german());
    TabBereiche a;
    a.SpinEdit1.wert = -32.5;
    a.SpinEdit2.wert = 7;
    a.SpinEdit3.wert = 2.5;
    a.SpinEdit4.wert = 25;
    a.SpinEdit5.wert = 55;
    a.SpinEdit6.wert = 3;
    a.SpinEdit7.wert = 11; // not stored
    ASSERT_TRUE(a.schreiben(datei));
    TabBereiche b;
    b.lesen(datei);
    for (auto feld : {&TabBereiche::SpinEdit1, &TabBereiche::SpinEdit2, &TabBereiche::SpinEdit3,
                      &TabBereiche::SpinEdit4, &TabBereiche::SpinEdit5, &TabBereiche::SpinEdit6})
        EXPECT_EQ((b.*feld).wert, (a.*feld).wert);
    EXPECT_EQ(b.SpinEdit7.wert, 27);

    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Andere]\r\nTOV=1\r\n[Tabelle]\r\nTOV=-12.5\r\nTOB=7,5\r\nTOS=abc\r\n");
    f.close();
    TabBereiche c;
    c.lesen(datei);
    EXPECT_EQ(c.SpinEdit1.wert, -12.5);
    EXPECT_EQ(c.SpinEdit2.wert, 7.5);
    EXPECT_EQ(c.SpinEdit3.wert, 1);  // no number counts as 0, which the control raises to 1
    EXPECT_EQ(c.SpinEdit4.wert, 30); // missing: the default stays
    TabBereiche d;
    d.lesen(dir.filePath(QStringLiteral("fehlt.ini")));
    EXPECT_EQ(d.SpinEdit1.wert, -40);
}

} // namespace
} // namespace drel::sheet::testing
