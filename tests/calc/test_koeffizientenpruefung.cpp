#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/koeffizientenpruefung.h"
#include "db/datamodule.h"
#include "db/tabledefs.h"
#include "tests/support/dbfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::calc;
using namespace drel::db;
using namespace drel::db::testing;

namespace {

// Every record has the envelope t0 -20..0 °C, tc 30..50 °C (21 x 21 grid points) and
// a motor (no speed factor), so Qo and P are the polynomials as written.
Row datensatz(qint32 id, qint32 artikel, double qo1, double qo2) {
    Fields f = polygon("KoordBlau", {{-20, 30}, {0, 30}, {0, 50}, {-20, 50}, {-20, 30}});
    f = merged(f, {{"ID", i(id)},
                   {"ArtikelID", i(artikel)},
                   {"KaeltemittelID", i(1)},
                   {"Kaelteleistung1", d(qo1)},
                   {"Kaelteleistung2", d(qo2)},
                   {"Antriebsleistung1", d(1.0)}});
    return rowOf("CapacityData", f);
}

class KoeffizientenPruefungTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::english());
        ASSERT_TRUE(QDir(dir_.path()).mkpath("Daten"));
        const QString p = dir_.path();
        for (const TableDef& def : produktTabellen())
            writeTableFile(p + "/Daten/" + def.fileName, def, {});
        std::vector<Row> artikel;
        std::vector<Row> zuordnung;
        for (qint32 id = 1; id <= 4; ++id) {
            artikel.push_back(rowOf(
                "Articles", {{"ID", i(id)}, {"Produktgruppe", i(25)}, {"Bezeichnung1", s("QN")}}));
            zuordnung.push_back(rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(id)}}));
        }
        writeProductTable(p, "Articles", artikel);
        writeProductTable(p, "MotorArticle", zuordnung);
        writeProductTable(p, "Motors", {rowOf("Motors", {{"ID", i(7)}, {"ElektrStrom1", d(1.0)}})});
        writeProductTable(p, "Refrigerants",
                          {rowOf("Refrigerants", {{"ID", i(1)}, {"Ashrae", s("R134a")}})});
        writeProductTable(p, "CapacityData",
                          {datensatz(10, 1, 5.0, 0.0),     // fine everywhere
                           datensatz(20, 2, 2.5, 0.25),    // Qo = 2.5 + 0.25 t0 < 0 below -10 °C
                           datensatz(30, 3, 20.0, 0.0),    // Qo/P = 20 exactly: still fine
                           datensatz(40, 4, 20.01, 0.0)}); // Qo/P above 20 everywhere
    }
    void TearDown() override { setNumberSeparators(NumberSeparators::german()); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(KoeffizientenPruefungTest, NegativeCapacityAndCopAreFoundWithTheirRegion) {
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    TDataModule1 dm(dir_.path());
    const KoeffizientenPruefung p = koeffizientenPruefen(dm);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(p.datensaetze, 4);
    ASSERT_EQ(p.befunde.size(), 3u);

    const KoeffizientenBefund& qo = p.befunde[0];
    EXPECT_EQ(qo.leistungsId, 20);
    EXPECT_EQ(qo.artikel, QStringLiteral("QN"));
    EXPECT_EQ(qo.kaeltemittel, QStringLiteral("R134a"));
    EXPECT_EQ(qo.groesse, PruefGroesse::Kaelteleistung);
    // -10 °C gives exactly 0, which is no fault; -11 °C is the first negative column.
    EXPECT_EQ(qo.punkte, 10 * 21);
    EXPECT_EQ(qo.punkteGesamt, 21 * 21);
    EXPECT_EQ(qo.t0Min, -20.0);
    EXPECT_EQ(qo.t0Max, -11.0);
    EXPECT_EQ(qo.tcMin, 30.0);
    EXPECT_EQ(qo.tcMax, 50.0);
    EXPECT_EQ(qo.t0, -20.0);
    EXPECT_EQ(qo.wert, -2.5);

    // Below 0.3 where Qo is not negative: -10 and -9 °C (0 and 0.25).
    const KoeffizientenBefund& tief = p.befunde[1];
    EXPECT_EQ(tief.leistungsId, 20);
    EXPECT_EQ(tief.groesse, PruefGroesse::Leistungszahl);
    EXPECT_EQ(tief.punkte, 2 * 21);
    EXPECT_EQ(tief.t0Min, -10.0);
    EXPECT_EQ(tief.t0Max, -9.0);

    const KoeffizientenBefund& hoch = p.befunde[2];
    EXPECT_EQ(hoch.leistungsId, 40);
    EXPECT_EQ(hoch.groesse, PruefGroesse::Leistungszahl);
    EXPECT_EQ(hoch.punkte, 21 * 21);

    const QString bericht = pruefberichtText(p);
    EXPECT_TRUE(bericht.contains(QStringLiteral(
        "QN, R134a (Datensatz 20): Kälteleistung negativ oder nicht endlich an 210 von 441 "
        "Punkten, t0 -20 bis -11 °C, tc 30 bis 50 °C")))
        << bericht.toStdString();
}

TEST_F(KoeffizientenPruefungTest, ReportIsWrittenIntoTheDataFolder) {
    int befunde = -1;
    const QString text = pruefberichtErstellen(dir_.path(), befunde);
    EXPECT_EQ(befunde, 3);
    QFile datei(dir_.path() + QStringLiteral("/Daten/Pruefbericht.txt"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(datei.readAll()), text);
    EXPECT_EQ(pruefberichtText({}),
              QStringLiteral("Prüfbericht der Leistungskoeffizienten\n0 "
                             "Leistungsdatensätze geprüft, Raster 1 K über der blauen "
                             "und der gestrichelten Einsatzgrenze, 50 Hz, 1450 1/min.\n"
                             "Keine Auffälligkeiten.\n"));
}

// A picture or drawing name that leaves Pics/ is listed with table, record and field;
// the names inside their folder are not.
TEST_F(KoeffizientenPruefungTest, FileNamesLeavingTheirFolderAreReported) {
    std::vector<Row> artikel;
    const char* bilder[] = {"qn.jpg", "../../etc/passwd", "sub/a..b.jpg", "..\\x.png"};
    for (qint32 id = 1; id <= 4; ++id)
        artikel.push_back(rowOf("Articles", {{"ID", i(id)},
                                             {"Produktgruppe", i(25)},
                                             {"Bezeichnung1", s("QN")},
                                             {"Bild", s(bilder[id - 1])}}));
    writeProductTable(dir_.path(), "Articles", artikel);
    int befunde = -1;
    const QString text = pruefberichtErstellen(dir_.path(), befunde);
    EXPECT_EQ(befunde, 3 + 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Articles, Datensatz 2, Feld Bild: ../../etc/passwd")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Articles, Datensatz 4, Feld Bild: ..\\x.png")));
    EXPECT_FALSE(text.contains(QStringLiteral("a..b.jpg")));
}

TEST(Leistungszahl, UpperLimitIsTwentyOrCarnotAtSmallLifts) {
    EXPECT_EQ(leistungszahlMax(-10.0, 45.0), 20.0);
    EXPECT_NEAR(leistungszahlMax(-5.0, 0.0), 268.15 / 5.0, 1e-12);
    EXPECT_EQ(leistungszahlMax(5.0, 5.0), HUGE_VAL);
}
