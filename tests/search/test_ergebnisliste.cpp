// The result list: order, shown rows, texts, preselection and what the data sheet gets.
#include "search/ergebnisliste.h"
#include "suchfixture.h"

#include <cmath>

namespace drel::search::testing {
namespace {

VdSatz satz(const char* typ, double qo, const char* umgekehrt = "", double hub = 0.0) {
    VdSatz v;
    v.Typ = QString::fromLatin1(typ);
    v.TypUmgekehrt = QString::fromLatin1(umgekehrt);
    v.Qo = qo;
    v.Hubvolumen = hub;
    return v;
}

class ErgebnisListeTest : public ::testing::Test {
protected:
    void SetUp() override { setNumberSeparators(NumberSeparators::german()); }

    void fuellen(std::initializer_list<VdSatz> saetze) {
        tabelle_.leeren();
        for (const VdSatz& v : saetze)
            tabelle_.anhaengen() = v;
    }
    void sortieren(double q0, double t0 = -10.0, SortOption o = SortOption::rbKaelte) {
        liste_.Sortieren(tabelle_, o, q0, t0, einheiten_);
    }
    QStringList spalte(int s) const {
        QStringList texte;
        for (int row = 1; row < liste_.RowCount(); ++row)
            texte << liste_.zelle(s, row);
        return texte;
    }

    Suchergebnis tabelle_;
    ErgebnisListe liste_;
    calc::Einheiten einheiten_;
};

TEST_F(ErgebnisListeTest, FirstRowReachingTheCapacityIsSelected) {
    fuellen({satz("C", 9.10), satz("A", 4.00), satz("B", 6.50)});
    sortieren(6.0);
    EXPECT_EQ(spalte(0), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(spalte(1), (QStringList{"4,00", "6,50", "9,10"}));
    EXPECT_EQ(liste_.Row(), 2);
    EXPECT_FALSE(liste_.Panel8());

    sortieren(12.0);
    EXPECT_EQ(liste_.RowCount(), 4) << "all three are still listed";
    EXPECT_EQ(liste_.Row(), 3);
    EXPECT_TRUE(liste_.Panel8());
}

TEST_F(ErgebnisListeTest, LongListsScrollToTheSelection) {
    tabelle_.leeren();
    for (int k = 10; k >= 1; --k)
        tabelle_.anhaengen() = satz("T", k);
    sortieren(8.0);
    EXPECT_EQ(liste_.Row(), 8);
    EXPECT_EQ(liste_.TopRow(), 4);
    sortieren(3.0);
    EXPECT_EQ(liste_.Row(), 3);
    EXPECT_EQ(liste_.TopRow(), 1);
    sortieren(100.0);
    EXPECT_EQ(liste_.Row(), 10);
    EXPECT_EQ(liste_.TopRow(), 9);
}

TEST_F(ErgebnisListeTest, DuplexAndThousandsTexts) {
    fuellen({satz("DEQNX4/200-4", 20.0), satz("QN99", 1234.5)});
    sortieren(1.0);
    EXPECT_EQ(spalte(1), (QStringList{"2 x  10,00", "1.234,50"}));
}

TEST_F(ErgebnisListeTest, SVersionsHiddenAtLowEvaporatingTemperature) {
    fuellen({satz("QNX6 S", 5.0, "QN6/300-4 S"), satz("QNX12P", 6.0, "QN12P/60-4 S"),
             satz("QNX8", 7.0, "QN8/2470-4 S"), satz("QNX5", 8.0, "QN5 SX")});
    sortieren(1.0, -25.0);
    EXPECT_EQ(spalte(0), (QStringList{"QNX12P", "QNX8", "QNX5"}));
    EXPECT_EQ(tabelle_[1].GridZeile, -1);
    EXPECT_EQ(tabelle_[2].GridZeile, 1);
    EXPECT_EQ(ErgebnisListe::eintragFuerZeile(tabelle_, 1), 2);
    sortieren(1.0, -20.0);
    EXPECT_EQ(spalte(0).size(), 3) << "-20 itself hides";
    sortieren(1.0, std::nextafter(-20.0, 0.0));
    EXPECT_EQ(spalte(0).size(), 4);
    // The hidden S version still counts for the capacity check, not for the selection.
    fuellen({satz("QNX5", 5.0), satz("QNX6 S", 9.0, "QN6/300-4 S")});
    sortieren(8.0, -25.0);
    EXPECT_FALSE(liste_.Panel8());
    EXPECT_EQ(liste_.Row(), 1);
}

TEST_F(ErgebnisListeTest, SortKeys) {
    fuellen({satz("A", 9.0, "", 1.0), satz("B", 1.0, "", 3.0), satz("C", 5.0, "", 2.0)});
    sortieren(1.0, -10.0, SortOption::rbHub);
    EXPECT_EQ(spalte(0), (QStringList{"A", "C", "B"}));
    tabelle_[1].Anzahl = 2.0; // A
    sortieren(1.0, -10.0, SortOption::rbAnzahl1);
    EXPECT_EQ(spalte(0), (QStringList{"B", "C", "A"}));
    sortieren(1.0, -10.0, SortOption::rbAnzahl2);
    EXPECT_EQ(spalte(0), (QStringList{"C", "B", "A"}));
    EXPECT_DOUBLE_EQ(tabelle_[3].Sortier, 2e11 + 9.0 + 100000.0);
}

TEST_F(ErgebnisListeTest, NoResultsKeepOneEmptyRow) {
    tabelle_.leeren();
    sortieren(10.0);
    EXPECT_EQ(liste_.RowCount(), 2);
    EXPECT_EQ(liste_.zelle(0, 1), "");
    EXPECT_FALSE(liste_.Panel8());
}

TEST_F(ErgebnisListeTest, CapacityUnitOfTheUser) {
    einheiten_.klick(calc::EinheitGruppe::Leistung, 3); // kcal/h
    fuellen({satz("A", 1.0), satz("B", 2.0)});
    sortieren(1000.0); // 1.0 kW is 859.85 kcal/h
    EXPECT_EQ(liste_.Row(), 2);
    EXPECT_EQ(liste_.zelle(1, 2), "1.719,70");
}

class DatenblattTest : public SuchTest {};

TEST_F(DatenblattTest, ReceivesTypesRefrigerantAndOperatingPoint) {
    TypRec t;
    t.RBQN = true;
    suchen(eingabe(t));
    ErgebnisListe liste;
    liste.Sortieren(ergebnis_, SortOption::rbKaelte, 1.0, -10.0, einheiten_);
    DatenblattKontext k;
    k.punkt.tsaug = 20.5;
    k.rb60Hz = true;
    DatenblattAuftrag d;
    ASSERT_TRUE(liste.datenblatt(ergebnis_, *dm_, k, d));
    EXPECT_EQ(d.typen.size(), ergebnis_.anzahl());
    EXPECT_TRUE(d.artikelIds.contains(kMitBasis));
    EXPECT_EQ(d.typ, liste.zelle(0, liste.Row()));
    EXPECT_EQ(d.punkt.kaeltemittel, "R404A, R507");
    // The point goes over in °C and K, whatever the user's units: the sheet converts.
    EXPECT_DOUBLE_EQ(d.punkt.t0, -10.0);
    EXPECT_DOUBLE_EQ(d.punkt.tsaug, 20.5);
    EXPECT_DOUBLE_EQ(d.punkt.f, 60.0);
    EXPECT_DOUBLE_EQ(d.f2, 60.0);
    EXPECT_DOUBLE_EQ(d.punkt.n, 1450.0);
    EXPECT_FALSE(d.luko);

    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    k.satzModus = true;
    ASSERT_TRUE(liste.datenblatt(ergebnis_, *dm_, k, d));
    EXPECT_DOUBLE_EQ(d.punkt.t0, -10.0);
    EXPECT_TRUE(d.luko);
    // A unit's result keeps its air inlet temperature for the sheet.
    EXPECT_DOUBLE_EQ(d.punkt.tle,
                     ergebnis_[ErgebnisListe::eintragFuerZeile(ergebnis_, liste.Row())].tc);
}

} // namespace
} // namespace drel::search::testing
