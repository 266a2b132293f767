#include "app/browsermodell.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "db/datamodule.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "tests/support/dbfixture.h"
#include "tests/support/katalogtest.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace drel {
namespace {

using namespace drel::db;
using namespace drel::db::testing;

struct A {
    qint32 id;
    int gruppe;
    const char* name;
    const char* groesse;
    double hubvolumen;
    double hubraum = 0.0;
    double kw = 0.0;
    qint32 ghost = 0;
    const char* vorgaenger = "";
};

Row artikelZeile(const A& a) {
    return rowOf("Articles", {{"ID", i(a.id)},
                              {"Produktgruppe", i(a.gruppe)},
                              {"Bezeichnung1", s(a.name)},
                              {"Basisartikel", s("0")},
                              {"Baugroesse", s(a.groesse)},
                              {"BaugroesseN", i(a.id)},
                              {"Hubvolumen", d(a.hubvolumen)},
                              {"HubraumCCM", d(a.hubraum)},
                              {"NominalleistungMotorKW", d(a.kw)},
                              {"NominalleistungMotorPS", d(a.kw * 1.36)},
                              {"GhostPointer", i(a.ghost)},
                              {"Vorgaengertyp", s(a.vorgaenger)}});
}

// QN with an "X" size and a size of 10.5/10.5/12.0, CO2 with an "X" size, duplex
// around 10.5, vehicle compressors in 33 and 66, NH3 and two-stage open compressors.
void katalogSchreiben(const QString& p) {
    const std::vector<A> artikel{
        {1, 25, "QN2-105", "QN2", 10.5, 0, 4.0, 0, "Q2alt"},
        {2, 25, "QN2-105S", "QN2", 10.5},
        {3, 25, "QN2-120", "QN2", 12.0},
        {4, 25, "QNX5-1", "QNX5", 20.0},
        {5, 25, "QN3-150", "QN3", 15.0},
        {6, 73, "QNX7-CO2", "QNX7", 7.0},
        {7, 74, "QNX8-R410A", "QNX8", 8.0},
        {10, 30, "EQN4-1040", "EQN4", 10.40, 0, 3.0},
        {11, 30, "EQN4-1041", "EQN4", 10.41},
        {12, 30, "EQN4-1050", "EQN4", 10.5},
        {13, 30, "EQN4-1051", "EQN4", 10.51},
        {14, 30, "EQN4-1050G", "EQN4", 10.5, 0, 0, 12},
        {20, 66, "WY2-66", "WY2", 5.0, 100.0},
        {21, 33, "WY2-33", "WY2", 5.0, 100.0},
        {22, 38, "WY2-38", "WY2", 5.0, 100.0},
        {30, 51, "W4A NH3", "W 4 NH3", 40.0},
        {31, 51, "W4B NH3", "W 4 NH3", 41.0},
        {40, 23, "WT2-B", "WT2", 30.0},
        {41, 23, "WT2-A", "WT2", 31.0},
    };
    std::vector<Row> zeilen;
    for (const A& a : artikel)
        zeilen.push_back(artikelZeile(a));
    writeProductTable(p, "Articles", zeilen);
    writeProductTable(p, "TechnValue",
                      {rowOf("TechnValue", {{"ID", i(1)},
                                            {"Teilenummer", i(40)},
                                            {"BeschreibungID", i(340)},
                                            {"WertDe", s("2/1")}}),
                       rowOf("TechnValue", {{"ID", i(2)},
                                            {"Teilenummer", i(41)},
                                            {"BeschreibungID", i(340)},
                                            {"WertDe", s("4/2")}}),
                       rowOf("TechnValue", {{"ID", i(3)},
                                            {"Teilenummer", i(41)},
                                            {"BeschreibungID", i(336)},
                                            {"WertDe", s("falsch")}})});
    writeProductTable(p, "ProductGroups",
                      {rowOf("ProductGroups",
                             {{"ID", i(25)},
                              {"BeschreibungLangDe", s("<b>Sauggasgek\xC3\xBChlt</b><br>f\xC3\xBCr "
                                                       "R404A\r\n &amp; R134a")},
                              {"GrossesBild", s("gross25.jpg")}}),
                       rowOf("ProductGroups", {{"ID", i(45)}, {"GrossesBild", s("Gross45.JPG")}})});
}

class Browser : public drel::testing::KatalogTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(katalogOeffnen(katalogSchreiben, false));
        modell_ = std::make_unique<BrowserModell>(*dm_);
        betriebspunkt() = Betriebspunkt{};
    }

    std::vector<QString> spalte(int k) const {
        std::vector<QString> texte;
        for (const ListenZeile& z : modell_->zeilen())
            texte.push_back(z[static_cast<size_t>(k)]);
        return texte;
    }
    void liste(int gruppe, int ebene = 2) { modell_->TV1Click({gruppe, ebene, false}); }

    std::unique_ptr<BrowserModell> modell_;
};

TEST(BrowserNodes, FamiliesOnlyExpandTheSearchNodeSearchesEverythingElseLists) {
    EXPECT_EQ(BrowserModell::knotenAktion({-1, 0, false}), KnotenAktion::Suche);
    for (const BrowserKnoten k :
         {BrowserKnoten{58, 0, true}, BrowserKnoten{38, 0, true}, BrowserKnoten{39, 0, true},
          BrowserKnoten{25, 1, true}, BrowserKnoten{24, 1, true}})
        EXPECT_EQ(BrowserModell::knotenAktion(k), KnotenAktion::Aufklappen) << k.gruppe;
    for (const BrowserKnoten k :
         {BrowserKnoten{65, 0, false}, BrowserKnoten{25, 2, false}, BrowserKnoten{31, 1, false},
          BrowserKnoten{66, 1, false}, BrowserKnoten{24, 2, false}})
        EXPECT_EQ(BrowserModell::knotenAktion(k), KnotenAktion::Liste) << k.gruppe;
}

TEST_F(Browser, ExpandNodeShowsNoList) {
    liste(25);
    ASSERT_FALSE(modell_->zeilen().empty());
    EXPECT_EQ(modell_->TV1Click({25, 1, true}), KnotenAktion::Aufklappen);
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Start);
    EXPECT_FALSE(modell_->rueckSichtbar());
}

TEST_F(Browser, SizeListShowsEachDistinctValueOnceAndHidesXSizes) {
    liste(25);
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Groessenliste);
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   QN2", "   QN3"}));
    const ListenZeile& qn2 = modell_->zeilen()[0];
    EXPECT_EQ(qn2[1], QStringLiteral("10,5"));
    EXPECT_EQ(qn2[2], QStringLiteral("12,0"));
    EXPECT_TRUE(qn2[3].isEmpty());
    EXPECT_EQ(modell_->label1(), QStringLiteral("   Aktuelle Typen"));
    EXPECT_EQ(modell_->label2(), QStringLiteral("  Hubvolumen bei 50 Hz (1450 1/min) m3/h"));
    EXPECT_EQ(modell_->breiten(), (std::array<int, 7>{125, 65, 65, 65, 65, 65, 0}));
    EXPECT_EQ(modell_->memo1(), QStringLiteral("Sauggasgekühlt\nfür R404A & R134a"));

    liste(73); // the CO2 and R410A lists keep their "X" sizes
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   QNX7"}));
    liste(74);
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   QNX8"}));
}

TEST_F(Browser, DuplexValueOpensArticlesFromNineHundredthsBelowUpToTheValue) {
    liste(30);
    ASSERT_EQ(modell_->zeilen().size(), 1u);
    const ListenZeile& zeile = modell_->zeilen()[0];
    EXPECT_EQ(zeile[1], QStringLiteral("2x 10,4"));
    EXPECT_EQ(zeile[2], QStringLiteral("2x 10,5"));
    betriebspunkt().kaeltemittel = QStringLiteral("R404A");

    const std::optional<ArtikelAuswahl> auswahl = modell_->StringGrid1Click(0, 2);
    ASSERT_TRUE(auswahl.has_value());
    // 10.40 and 10.51 lie outside, the ghost article is left out.
    EXPECT_EQ(auswahl->typen, (QStringList{"EQN4-1041", "EQN4-1050"}));
    EXPECT_EQ(auswahl->ids, (std::vector<qint32>{11, 12}));
    EXPECT_EQ(auswahl->index, 0);
    EXPECT_EQ(auswahl->kaeltemittel, QStringLiteral("R404A, R507"));
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Groessenliste);
    // The filter is left as it was for the other users of the cursor.
    EXPECT_FALSE(dm_->STBArtikel.filtered());
    EXPECT_EQ(dm_->STBArtikel.indexFieldNames(), QStringLiteral("ID"));
}

TEST_F(Browser, SizeNameOpensTheTypeListAndBackReturns) {
    liste(25);
    EXPECT_FALSE(modell_->StringGrid1Click(0, 0).has_value());
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Typenliste);
    EXPECT_TRUE(modell_->rueckSichtbar());
    EXPECT_TRUE(modell_->linksbuendig());
    // Sorted by swept volume before the designation for QN.
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   QN2-105", "   QN2-105S", "   QN2-120"}));
    EXPECT_EQ(modell_->zeilen()[0][2], QStringLiteral("4,0/5,4"));
    EXPECT_EQ(modell_->zeilen()[0][4], QStringLiteral("Q2alt"));
    EXPECT_EQ(modell_->breiten(), (std::array<int, 7>{125, 65, 65, 5, 200, 0, 0}));
    EXPECT_EQ(modell_->label2(), QStringLiteral("Hubv 50Hz Motor KW/PS   Vorgängertyp"));

    // A type opens exactly that designation, whatever cell is clicked.
    std::optional<ArtikelAuswahl> auswahl = modell_->StringGrid1Click(1, 4);
    ASSERT_TRUE(auswahl.has_value());
    EXPECT_EQ(auswahl->typen, QStringList{"QN2-105S"});
    EXPECT_EQ(auswahl->kaeltemittel, QStringLiteral("R404A, R507"));

    modell_->RueckBtnClick();
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Groessenliste);
    EXPECT_FALSE(modell_->rueckSichtbar());
    EXPECT_EQ(spalte(0).size(), 2u);
}

TEST_F(Browser, VehicleGroup66AlsoOpensGroup33) {
    liste(66, 1);
    ASSERT_EQ(modell_->zeilen().size(), 1u);
    EXPECT_EQ(modell_->zeilen()[0][1], QStringLiteral("100"));
    EXPECT_EQ(modell_->label2(), QStringLiteral("  Hubraum in ccm"));
    const std::optional<ArtikelAuswahl> auswahl = modell_->StringGrid1Click(0, 1);
    ASSERT_TRUE(auswahl.has_value());
    EXPECT_EQ(auswahl->typen, (QStringList{"WY2-33", "WY2-66"}));

    liste(33, 1);
    const std::optional<ArtikelAuswahl> nur33 = modell_->StringGrid1Click(0, 1);
    ASSERT_TRUE(nur33.has_value());
    EXPECT_EQ(nur33->typen, QStringList{"WY2-33"});
}

TEST_F(Browser, Nh3SizeKeepsItsBlank) {
    liste(51, 1);
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   W 4 NH3"}));
    EXPECT_EQ(modell_->label2(), QStringLiteral("  Hubvolumen (1450 1/min) m3/h"));
    modell_->StringGrid1Click(0, 0);
    EXPECT_EQ(spalte(0), (std::vector<QString>{"   W4A NH3", "   W4B NH3"}));
    modell_->RueckBtnClick();
    // In the size list NH3 sets are found by their size, not by a designation prefix.
    const std::optional<ArtikelAuswahl> auswahl = modell_->StringGrid1Click(0, 2);
    ASSERT_TRUE(auswahl.has_value());
    EXPECT_EQ(auswahl->typen, QStringList{"W4B NH3"});
}

TEST_F(Browser, TwoStageListKeepsAHeadingRowAndShowsThePressureStages) {
    liste(23, 1);
    ASSERT_EQ(modell_->zeilen().size(), 2u);
    EXPECT_TRUE(modell_->zeilen()[0][0].isEmpty());
    EXPECT_EQ(modell_->zeilen()[1][0], QStringLiteral("   WT2"));
    // Sorted by BaugroesseN (the ID here): article 40 first.
    EXPECT_EQ(modell_->zeilen()[1][1], QStringLiteral("2/1"));
    EXPECT_EQ(modell_->zeilen()[1][2], QStringLiteral("4/2"));
    EXPECT_TRUE(modell_->kopfzeileSichtbar());
    EXPECT_EQ(modell_->label3(), QStringLiteral("LP/HP"));
    EXPECT_EQ(modell_->breiten(), (std::array<int, 7>{105, 90, 90, 90, 90, 0, 0}));
    EXPECT_FALSE(modell_->StringGrid1Click(0, 1).has_value()); // heading row
    EXPECT_EQ(modell_->ansicht(), BrowserAnsicht::Groessenliste);

    modell_->StringGrid1Click(1, 0);
    // Open compressors: designation before swept volume.
    EXPECT_EQ(spalte(0), (std::vector<QString>{"", "   WT2-A", "   WT2-B"}));
    EXPECT_EQ(modell_->breiten()[1], 100);
    EXPECT_EQ(modell_->breiten()[4], 165);
}

TEST_F(Browser, CondensingUnitModeFollowsTheGroup) {
    liste(57);
    EXPECT_TRUE(programmschalter().LukoModus);
    liste(56);
    EXPECT_FALSE(programmschalter().LukoModus);
}

TEST_F(Browser, NoMatchingArticleIsReported) {
    liste(25);
    EXPECT_FALSE(modell_->ArtikelAnzeigen(QStringLiteral("ZZ9"), 0.0).has_value());
    EXPECT_TRUE(modell_->keineDaten());
}

TEST_F(Browser, RussianHeadingsGetTheirThreeBack) {
    QStringList texte;
    for (int k = 0; k < 9; ++k)
        texte << QStringLiteral("m?/h ?") + QString::number(k);
    modell_->setUeberschriften(texte, 7);
    liste(25);
    EXPECT_EQ(modell_->label2(), QStringLiteral("  m3/h ?1"));
}

TEST(BrowserCells, NumberOfACell) {
    setNumberSeparators(NumberSeparators::german());
    EXPECT_DOUBLE_EQ(BrowserModell::zellenZahl(QStringLiteral("2x 10,5")), 10.5);
    EXPECT_DOUBLE_EQ(BrowserModell::zellenZahl(QStringLiteral("1.234,5")), 1234.5);
    EXPECT_DOUBLE_EQ(BrowserModell::zellenZahl(QStringLiteral("4,0/5,4")), 0.0);
    EXPECT_DOUBLE_EQ(BrowserModell::zellenZahl(QString()), 0.0);
}

// ---- start pictures ------------------------------------------------------------

class StartBilder : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir_.path()).mkpath(QStringLiteral("Pics"));
        for (const char* name : {"qn_start.BMP", "gross45.jpg"}) {
            QFile bild(dir_.path() + QStringLiteral("/Pics/") + QString::fromLatin1(name));
            ASSERT_TRUE(bild.open(QIODevice::WriteOnly));
            bild.write("BM");
        }
    }
    StartBildWahl wahl() {
        return StartBildWahl(dir_.path(), [](int gruppe) {
            return gruppe == 45 ? QStringLiteral("Gross45.JPG") : QStringLiteral("fehlt.jpg");
        });
    }
    QTemporaryDir dir_;
};

TEST_F(StartBilder, FileGroupPictureThenTheFamilysBuiltInPicture) {
    StartBildWahl w = wahl();
    const StartBildWahl::Knoten qn{2, 25, 1, 1, 58};
    StartBildWahl::Ergebnis e = w.TV1MouseMove(&qn);
    EXPECT_TRUE(e.bildGefunden);
    EXPECT_TRUE(e.datei.endsWith(QStringLiteral("/Pics/qn_start.BMP"))) << e.datei.toStdString();

    EXPECT_FALSE(w.TV1MouseMove(&qn).geaendert); // same node: nothing to do

    // QN single-stage has no file here; 8/4-pole has only its group picture.
    const StartBildWahl::Knoten vierAcht{5, 45, 2, 1, 58};
    e = w.TV1MouseMove(&vierAcht);
    EXPECT_TRUE(e.datei.endsWith(QStringLiteral("/Pics/gross45.jpg")));

    const StartBildWahl::Knoten einstufig{3, 25, 2, 1, 58};
    e = w.TV1MouseMove(&einstufig);
    EXPECT_TRUE(e.bildGefunden);
    EXPECT_TRUE(e.datei.isEmpty());
    EXPECT_EQ(e.eingebaut, QStringLiteral("Image7"));
    // Within the same family the built-in picture stays.
    const StartBildWahl::Knoten sammler{7, 56, 2, 1, 58};
    EXPECT_FALSE(w.TV1MouseMove(&sammler).geaendert);

    e = w.TV1MouseMove(nullptr);
    EXPECT_TRUE(e.geaendert);
    EXPECT_FALSE(e.bildGefunden);
    EXPECT_TRUE(w.TV1MouseMove(&sammler).geaendert);
}

TEST(StartBildGroesse, FitsWidthOrHeightAndScalesDownAgain) {
    EXPECT_EQ(StartBildWahl::bildGroesse({1000, 500}), QSize(457, 228));
    EXPECT_EQ(StartBildWahl::bildGroesse({300, 600}), QSize(159, 319));
    EXPECT_EQ(StartBildWahl::bildGroesse({400, 400}), QSize(319, 319));
    // Wide, but 457 wide it would be taller than 319.
    EXPECT_EQ(StartBildWahl::bildGroesse({1000, 900}), QSize(354, 319));
    EXPECT_EQ(StartBildWahl::bildGroesse({0, 10}), QSize());
}

// The browser hands the whole program-wide point over, superheat and air inlet included,
// in °C and K; a frequency off the mains counts as 50 Hz, as the list offers only these.
TEST(BrowserAuftrag, HandsTheWholePointOverInInternalUnits) {
    ArtikelAuswahl a;
    a.typen = {QStringLiteral("CQNX4-66 L"), QStringLiteral("CQNX4-73 L")};
    a.ids = {1095, 1096};
    a.index = 1;
    a.kaeltemittel = QStringLiteral("R404A, R507");
    a.lukoModus = true;
    Betriebspunkt p;
    p.t0 = -12.5;
    p.tue = 7.5;
    p.tle = 33.5;
    p.f = 60.0;
    DatenblattAuftrag d = datenblattAuftrag(a, p);
    EXPECT_EQ(d.typ, QStringLiteral("CQNX4-73 L"));
    EXPECT_EQ(d.artikelIds, (QList<qint32>{1095, 1096}));
    EXPECT_DOUBLE_EQ(d.punkt.t0, -12.5);
    EXPECT_DOUBLE_EQ(d.punkt.tue, 7.5);
    EXPECT_DOUBLE_EQ(d.punkt.tle, 33.5);
    EXPECT_DOUBLE_EQ(d.punkt.f, 60.0);
    EXPECT_DOUBLE_EQ(d.f2, 60.0);
    EXPECT_TRUE(d.luko);
    EXPECT_EQ(d.punkt.kaeltemittel, QStringLiteral("R404A, R507"));
    p.f = 55.0;
    EXPECT_DOUBLE_EQ(datenblattAuftrag(a, p).punkt.f, 50.0);
}

} // namespace
} // namespace drel
