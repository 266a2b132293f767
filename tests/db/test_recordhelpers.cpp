#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "db/tabledefs.h"
#include "tests/support/dbfixture.h"

#include <QDir>
#include <gtest/gtest.h>
#include <map>

using namespace drel;
using namespace drel::db;
using namespace drel::db::testing;

namespace {

// A small product database in Daten/ of a temporary program directory.
class DataModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::german());
        ASSERT_TRUE(QDir(dir_.path()).mkpath("Daten"));
        write("Articles",
              {
                  rowOf("Articles", {{"ID", i(1)},
                                     {"Produktgruppe", i(25)},
                                     {"Bezeichnung1", s("QN4/200-4")},
                                     {"Basisartikel", s("0")}}),
                  rowOf("Articles", {{"ID", i(2)},
                                     {"Produktgruppe", i(23)},
                                     {"Bezeichnung1", s("WT2")},
                                     {"Basisartikel", s("")}}),
                  rowOf("Articles",
                        {{"ID", i(3)}, {"Produktgruppe", i(51)}, {"Bezeichnung1", s("w2 nh3")}}),
                  rowOf("Articles", {{"ID", i(4)},
                                     {"Produktgruppe", i(57)},
                                     {"Bezeichnung1", s("CQN4/200-4 L")},
                                     {"Basisartikel", s("1")}}),
              });
        write(
            "CapacityData",
            {
                rowOf("CapacityData",
                      merged(merged({{"ID", i(11)},
                                     {"ArtikelID", i(1)},
                                     {"KaeltemittelID", i(2)},
                                     {"Kaelteleistung1", d(12.5)},
                                     {"Antriebsleistung10", d(-0.5)}},
                                    polygon("KoordBlau",
                                            {{-40, 30}, {-10, 55}, {10, 55}, {10, 30}, {-40, 30}})),
                             polygon("KoordRot",
                                     {{-30, 40}, {0, 50}, {5, 40}, {1, 2}, {3, 4}, {-30, 40}}))),
                rowOf("CapacityData", {{"ID", i(12)},
                                       {"ArtikelID", i(1)},
                                       {"KaeltemittelID", i(1)},
                                       {"Kaelteleistung1", d(9.0)}}),
                rowOf("CapacityData",
                      merged({{"ID", i(13)}, {"ArtikelID", i(2)}, {"KaeltemittelID", i(3)}},
                             polygon("KoordStrich", {{-20, 30},
                                                     {0, 40},
                                                     {5, 45},
                                                     {7, 50},
                                                     {8, 51},
                                                     {9, 52},
                                                     {10, 53},
                                                     {11, 54},
                                                     {12, 55},
                                                     {13, 56}}))),
                rowOf("CapacityData",
                      {{"ID", i(14)}, {"ArtikelID", i(4)}, {"KaeltemittelID", i(2)}}),
            });
        write("Refrigerants", {rowOf("Refrigerants", {{"ID", i(1)}, {"Ashrae", s("R134a")}}),
                               rowOf("Refrigerants", {{"ID", i(2)}, {"Ashrae", s("R404A")}}),
                               rowOf("Refrigerants", {{"ID", i(3)}, {"Ashrae", s("R22")}})});
        write(
            "Motors",
            {rowOf("Motors", {{"ID", i(7)}, {"ElektrStrom1", d(1.5)}, {"ElektrStrom4", d(0.25)}})});
        write("MotorArticle", {rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(1)}})});
        write("AirCooledCondensers", {rowOf("AirCooledCondensers", {{"ID", i(5)}})});
        write("AirCooledCondenserArticle",
              {rowOf("AirCooledCondenserArticle",
                     {{"LuftkondensatorID", i(5)}, {"ArtikelID", i(4)}})});
        write("AirCooledCondenserRefrigerant", {});
    }

    void write(const char* table, const std::vector<Row>& rows) {
        writeTableFile(dir_.path() + "/Daten/" + tabelle(QString::fromLatin1(table))->fileName,
                       *tabelle(QString::fromLatin1(table)), rows);
    }

    TDataModule1& module() {
        if (!dm_)
            dm_ = std::make_unique<TDataModule1>(dir_.path());
        return *dm_;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TDataModule1> dm_;
};

} // namespace

TEST_F(DataModuleTest, OpensTheEightStartCursorsWithTheirLinks) {
    TDataModule1& dm = module();
    EXPECT_TRUE(dm.TBArtikel.active());
    EXPECT_TRUE(dm.TBLeistung.active());
    EXPECT_TRUE(dm.TBKMittelS.active());
    EXPECT_TRUE(dm.TBLukoLeistung.active());
    EXPECT_FALSE(dm.STBArtikel.active()); // opened by the window that needs it
    EXPECT_FALSE(dm.TBKMittel.active());
    EXPECT_EQ(dm.TBArtikel.filter(), "Basisartikel <> ''");
    EXPECT_FALSE(dm.TBArtikel.filtered());
    EXPECT_EQ(dm.TBLeistung.recordCount(), 2); // article 1
    EXPECT_EQ(dm.TBMotoren.asFloat("ElektrStrom1"), 1.5);
    dm.TBArtikel.findKey({i(4)});
    EXPECT_EQ(dm.TBLukoArtikel.asInteger("LuftkondensatorID"), 5);
    EXPECT_TRUE(dm.TBMotoren.isEmpty());
    EXPECT_EQ(dm.cursor(u"tbartikel"), &dm.TBArtikel);
    EXPECT_EQ(dm.dataSource(u"DtsSTBArtikel")->dataSet(), nullptr);
}

TEST_F(DataModuleTest, MissingTablesAreReportedByNameInOneMessage) {
    QFile::remove(dir_.path() + "/Daten/Motors.cds");
    QFile::remove(dir_.path() + "/Daten/AirCooledCondensers.cds");
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    TDataModule1& dm = module();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.contains("Motors.cds"));
    EXPECT_TRUE(sink.messages[0].text.contains("AirCooledCondensers.cds"));
    EXPECT_FALSE(dm.TBMotoren.active());
    EXPECT_FALSE(dm.TBLukos.active());
    EXPECT_TRUE(dm.TBLukoArtikel.active()); // after both in the start order
    EXPECT_TRUE(dm.TBKMittelS.active());
    EXPECT_TRUE(dm.TBMotoren.isNull("ElektrStrom1"));
    // The same faults, each with its file, for a caller that must name the table.
    ASSERT_EQ(dm.openErrors().size(), 2u);
    EXPECT_TRUE(dm.openErrors()[0].file().endsWith("/Motors.cds"));
    EXPECT_TRUE(dm.openErrors()[1].file().endsWith("/AirCooledCondensers.cds"));
    // Rebuilt tables open again and the list empties.
    write("Motors", {});
    write("AirCooledCondensers", {});
    dm.openStartCursors();
    EXPECT_TRUE(dm.openErrors().empty());
}

TEST_F(DataModuleTest, WritesNoProgramWideStateAndOwnsTheCondenserTable) {
    const Verzeichnisse vorher = verzeichnisse();
    verzeichnisse().programm = QStringLiteral("/start/up");
    TDataModule1& dm = module();
    EXPECT_EQ(dm.programDirectory(), dir_.path());
    EXPECT_EQ(verzeichnisse().programm, "/start/up"); // the start-up's to set
    verzeichnisse() = vorher;

    dm.lukoTabelle().eintraege.push_back({5, QStringLiteral("R404A"), {}});
    EXPECT_EQ(dm.lukoTabelle().anzahl(), 1);
    dm.closeAll(); // built from the tables, it goes with them
    EXPECT_EQ(dm.lukoTabelle().anzahl(), 0);
    // A second data module has its own table.
    TDataModule1 zweites(dir_.path());
    zweites.lukoTabelle().eintraege.push_back({});
    EXPECT_EQ(dm.lukoTabelle().anzahl(), 0);
}

TEST_F(DataModuleTest, SpeedLimitsAsCalculatedFields) {
    TDataModule1& dm = module();
    dm.TBArtikel.findKey({i(1)});
    EXPECT_EQ(dm.TBArtikel.asInteger("nGrmin"), 1450);
    EXPECT_EQ(dm.TBArtikel.asInteger("NGRMAX"), 1740);
    dm.TBArtikel.findKey({i(2)});
    EXPECT_EQ(dm.TBArtikel.asInteger("nGrmin"), 700); // group 23: kind 6
    EXPECT_EQ(dm.TBArtikel.asInteger("nGrmax"), 1800);
    dm.TBArtikel.findKey({i(3)});
    EXPECT_EQ(dm.TBArtikel.asInteger("nGrmin"), 960); // "W2 NH3" in any case
    EXPECT_EQ(dm.TBArtikel.asInteger("nGrmax"), 1450);
}

TEST(SpeedLimits, RulesInOrder) {
    auto n = [](int g, const char* d) {
        const DrehzahlGrenzen r = drehzahlGrenzenVon(g, QString::fromLatin1(d));
        return std::pair(r.min, r.max);
    };
    using P = std::pair<qint32, qint32>;
    EXPECT_EQ(n(25, "QN4/200-4"), P(1450, 1740));
    EXPECT_EQ(n(23, "W2T"), P(700, 1800));
    EXPECT_EQ(n(51, "W7 NH3"), P(700, 1450));
    EXPECT_EQ(n(31, "W2"), P(960, 1800));
    EXPECT_EQ(n(31, "WEY5"), P(500, 1800));
    EXPECT_EQ(n(31, "W16/2"), P(700, 1800));
    EXPECT_EQ(n(33, "WY40/100 TK"), P(500, 2600));
    EXPECT_EQ(n(33, "WY40/100 K"), P(500, 3500));
    EXPECT_EQ(n(33, "WY40/100 N"), P(500, 3000));
    EXPECT_EQ(n(33, "WY15/70"), P(500, 3000));
    EXPECT_EQ(n(33, "WY26/100 TK"), P(500, 3000)); // WY26 is not in the TK rule
    EXPECT_EQ(n(51, "W3 nh3"), P(960, 1450));
    EXPECT_EQ(n(31, "WEY7 NH3"), P(1450, 1740)); // WEY types never get the NH3 rule
}

TEST_F(DataModuleTest, PolygonsCloseAtTheRepeatedFirstPoint) {
    TDataModule1& dm = module();
    dm.TBArtikel.findKey({i(1)});
    KaeltemittelPositionieren(dm, "R404A", 1);
    GrenzPolygon p;
    GrenzenLesen(dm.TBLeistung, 1, p);
    EXPECT_EQ(p.Anzahl, 5); // the stored point 5 repeats point 1
    EXPECT_EQ(p.punkte[1].to, -10.0F);
    EXPECT_EQ(p.punkte[4], p.punkte[0]);
    EXPECT_EQ(p.punkte[10].tc, 0.0F);
    GrenzenLesen(dm.TBLeistung, 2, p); // all zero: polygon 1 instead
    EXPECT_EQ(p.Anzahl, 5);
    EXPECT_EQ(p.punkte[1].tc, 55.0F);
    GrenzenLesen(dm.TBLeistung, 3, p);
    EXPECT_EQ(p.Anzahl, 6);
    KaeltemittelPositionieren(dm, "R134a", 1);
    GrenzenLesen(dm.TBLeistung, 3, p); // all zero red polygon stays empty
    EXPECT_EQ(p.Anzahl, 2);
    EXPECT_EQ(p.punkte[0].to, 0.0F);
    KaeltemittelPositionieren(dm, "R22", 2);
    GrenzenLesen(dm.TBLeistung, 2, p); // never closed
    EXPECT_EQ(p.Anzahl, 11);
    EXPECT_EQ(p.punkte[10].to, 0.0F);
    EXPECT_EQ(p.punkte[9].tc, 56.0F); // the stored point 10
}

TEST_F(DataModuleTest, CoefficientsAreReadWithAnyCaseOfTheFieldNames) {
    TDataModule1& dm = module();
    KaeltemittelPositionieren(dm, "R404A", 1);
    KoeffSatz k;
    KoeffizientenLesen(dm.TBLeistung, dm.TBMotoren, k);
    EXPECT_EQ(k.Qo[1], 12.5L);
    EXPECT_EQ(k.Qo[2], 0.0L); // an empty coefficient counts as 0
    EXPECT_EQ(k.P[10], -0.5L);
    EXPECT_EQ(k.I[1], 1.5L);
    EXPECT_EQ(k.I[4], 0.25L);
}

TEST_F(DataModuleTest, RefrigerantPositioning) {
    TDataModule1& dm = module();
    KaeltemittelPositionieren(dm, "R404A, R507", 1);
    EXPECT_FALSE(dm.TBLeistung.eof());
    EXPECT_EQ(dm.TBLeistung.asInteger("ID"), 11);
    KaeltemittelPositionieren(dm, "r134A", 1);
    EXPECT_EQ(dm.TBLeistung.asInteger("ID"), 12);
    KaeltemittelPositionieren(dm, "R22", 2); // moves the article too
    EXPECT_EQ(dm.TBArtikel.asInteger("ID"), 2);
    EXPECT_EQ(dm.TBLeistung.asInteger("ID"), 13);
    KaeltemittelPositionieren(dm, "R717", 2); // none: past the end
    EXPECT_TRUE(dm.TBLeistung.eof());
    KaeltemittelPositionieren(dm, "R22", 99); // unknown article: no match either
    EXPECT_EQ(dm.TBArtikel.asInteger("ID"), 2);
}

TEST_F(DataModuleTest, TypeDesignationWithX) {
    TDataModule1& dm = module();
    KaeltemittelPositionieren(dm, "R404A", 1);
    EXPECT_EQ(TypBezeichnung(dm, ""), "QNX4/200-4");
    EXPECT_EQ(TypBezeichnungUmgekehrt(dm, ""), "QN4/200-4");
    KaeltemittelPositionieren(dm, "R22", 2);
    EXPECT_EQ(TypBezeichnung(dm, ""), "WT2");
    EXPECT_EQ(TypBezeichnungUmgekehrt(dm, ""), "WTX2");
    EXPECT_EQ(typMitX("W2", "R134a"), "WX2");
    EXPECT_EQ(typMitX("W2", "r717"), "W2");
    EXPECT_EQ(typMitX("QNX4/200-4", "R404A"), "QNX4/200-4");
    EXPECT_EQ(typMitX("Q04", "R404A"), "Q0X4"); // 0 is skipped, the search starts at 2nd char
    EXPECT_EQ(typMitX("4QN", "R404A"), "4QN");
}

TEST(RecordHelpers, SeriesAndSetKinds) {
    EXPECT_EQ(BaureihenArtVonGruppe(29), Baureihe::QLDuplex);
    EXPECT_EQ(BaureihenArtVonGruppe(30), Baureihe::QNDuplex);
    EXPECT_EQ(BaureihenArtVonGruppe(26), Baureihe::QNZweistufig);
    EXPECT_EQ(BaureihenArtVonGruppe(59), Baureihe::QL);
    EXPECT_EQ(BaureihenArtVonGruppe(74), Baureihe::QN);
    EXPECT_EQ(BaureihenArtVonGruppe(63), Baureihe::W);
    EXPECT_EQ(BaureihenArtVonGruppe(67), Baureihe::WY);
    EXPECT_EQ(BaureihenArtVonGruppe(64), Baureihe::Gruppe64);
    EXPECT_EQ(BaureihenArtVonGruppe(65), Baureihe::LV);
    EXPECT_EQ(BaureihenArtVonGruppe(99), Baureihe::Keine);
    EXPECT_EQ(SatzArtVonGruppe(55), 9);
    EXPECT_EQ(SatzArtVonGruppe(63), 13);
    EXPECT_EQ(SatzArtVonGruppe(60), 0);
}

TEST_F(DataModuleTest, CondenserTableLookups) {
    TDataModule1& dm = module();
    LukoTabelle t;
    KaeltemittelPositionieren(dm, "R404A", 4);
    EXPECT_EQ(LukoIndexArtikel(dm, t), 1); // empty table
    t.eintraege.push_back({9, "R404A", {}});
    t.eintraege.push_back({5, "R134a", {}});
    t.eintraege.push_back({5, "r404a", {}});
    EXPECT_EQ(LukoIndexArtikel(dm, t), 3);
    EXPECT_EQ(LukoIndex(dm, t, 9), 1);
    EXPECT_EQ(LukoIndex(dm, t, 42), 1);
    KaeltemittelPositionieren(dm, "R404A", 1); // article without condenser rows
    EXPECT_EQ(LukoIndexArtikel(dm, t), 1);
}

TEST(RecordHelpers, ZahlFormatieren) {
    setNumberSeparators(NumberSeparators::german());
    EXPECT_EQ(ZahlFormatieren(10, 2, 3.14159), "      3,14");
    EXPECT_EQ(ZahlFormatieren(5, 1, 32.0), " 32,0");
    EXPECT_EQ(ZahlFormatieren(0, 0, 2.5), "3"); // display formats: halves away from zero
    EXPECT_EQ(ZahlFormatieren(0, 0, -2.5), "-3");
    EXPECT_EQ(ZahlFormatieren(2, 3, -12.3456), "-12,346");
}

TEST(RecordHelpers, BaseArticleZeroOrEmptyMeansNone) {
    QTemporaryDir dir;
    const TableDef* def = tabelle(u"Articles");
    writeTableFile(dir.path() + "/a.cds", *def,
                   {rowOf("Articles", {{"ID", i(1)}, {"Basisartikel", s("0")}}),
                    rowOf("Articles", {{"ID", i(2)}, {"Basisartikel", s("")}}),
                    rowOf("Articles", {{"ID", i(3)}, {"Basisartikel", s("17")}}),
                    rowOf("Articles", {{"ID", i(4)}})});
    Cursor c("STBArtikel");
    c.setFileName(dir.path() + "/a.cds");
    c.open();
    std::vector<qint32> ids;
    for (c.first(); !c.eof(); c.next())
        ids.push_back(basisId(c));
    EXPECT_EQ(ids, (std::vector<qint32>{0, 0, 17, 0}));
}

TEST(RecordHelpers, RatedWithTheBaseArticleOnlyWhenItIsSetAndWanted) {
    QTemporaryDir dir;
    const TableDef* def = tabelle(u"Articles");
    const Value ja(true), nein(false);
    writeTableFile(
        dir.path() + "/a.cds", *def,
        {rowOf("Articles", {{"ID", i(1)}, {"Basisartikel", s("0")}, {"UseBaseArticleWukData", ja}}),
         rowOf("Articles", {{"ID", i(2)}, {"Basisartikel", s("")}, {"UseBaseArticleWukData", ja}}),
         rowOf("Articles",
               {{"ID", i(3)}, {"Basisartikel", s("17")}, {"UseBaseArticleWukData", ja}}),
         rowOf("Articles",
               {{"ID", i(4)}, {"Basisartikel", s("17")}, {"UseBaseArticleWukData", nein}}),
         rowOf("Articles",
               {{"ID", i(5)}, {"Basisartikel", s(" 18 ")}, {"UseBaseArticleWukData", ja}})});
    Cursor c("TBArtikel");
    c.setFileName(dir.path() + "/a.cds");
    c.open();
    std::vector<qint32> ids;
    for (c.first(); !c.eof(); c.next())
        ids.push_back(datenArtikelId(c));
    EXPECT_EQ(ids, (std::vector<qint32>{0, 0, 17, 0, 18}));
}
