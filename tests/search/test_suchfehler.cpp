// A missing or damaged table when the search window's OK button is pressed: the
// fault is reported with the table's file, the list is empty, nothing is thrown and
// the shared cursors are left as they were.
#include "chart/grenztest.h"
#include "search/suchmodell.h"
#include "search/suchstart.h"
#include "suchfixture.h"

#include <QFile>

namespace drel::search::testing {
namespace {

using B = SuchRec;

class SuchFehlerTest : public SuchTest {
protected:
    void SetUp() override {
        SuchTest::SetUp();
        aggregate_ = AggErstellen(*dm_);
        kond_ = KondErstellen(*dm_);
        m_.FormShow(QString());
    }

    bool ok() {
        SuchDienste d{*dm_, stoff_, &chart_, &aggregate_, &kond_};
        bool ergebnis = false;
        EXPECT_NO_THROW(ergebnis = m_.OKBtnClick(QString(), d));
        return ergebnis;
    }

    void verderben(const char* datei) {
        QFile f(dir_.path() + "/Daten/" + datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, '\x5a'));
    }

    bool gemeldet(const char* datei) const {
        for (const Message& m : sink_.messages) {
            if (m.text.contains(QLatin1String(datei)) && m.kind == MessageKind::Error)
                return true;
        }
        return false;
    }

    chart::GrenzChart chart_;
    AggListe aggregate_;
    db::LukoTabelle kond_;
    SuchModell m_{einheiten_, ergebnis_};
};

TEST_F(SuchFehlerTest, TableMissingSinceStartIsReportedAndTheListStaysEmpty) {
    m_.boxSetzen(B::RBQN, true);
    m_.KMListeClick(static_cast<int>(m_.KMListe.indexOf("R404A, R507")));
    ASSERT_TRUE(ok());
    ASSERT_GT(ergebnis_.anzahl(), 0);

    // The program was started without the refrigerant table.
    ASSERT_TRUE(QFile::remove(dir_.path() + "/Daten/Refrigerants.cds"));
    dm_ = std::make_unique<TDataModule1>(dir_.path());
    sink_.messages.clear();
    EXPECT_FALSE(ok());
    EXPECT_TRUE(gemeldet("Refrigerants.cds"));
    EXPECT_EQ(ergebnis_.anzahl(), 0); // no results of the search before
    EXPECT_TRUE(m_.Panel1);
    EXPECT_EQ(m_.liste().zelle(0, 1), "");
}

TEST_F(SuchFehlerTest, DamagedTableInTheSetSearchLeavesTheCursorsAsTheyWere) {
    m_.rbVerdichterClick(false);
    m_.boxSetzen(B::RBCQNR, true);
    m_.KMListeClick(static_cast<int>(m_.KMListe.indexOf("R404A, R507")));
    ASSERT_TRUE(satzSucheNoetig(m_.typRec()));

    // The article table is damaged while the program runs; the search of sets is the
    // first to open it again.
    dm_->STBArtikel.close();
    verderben("Articles.cds");
    EXPECT_FALSE(ok());
    EXPECT_TRUE(gemeldet("Articles.cds"));
    EXPECT_EQ(ergebnis_.anzahl(), 0);
    EXPECT_EQ(dm_->TBArtikel.masterSource(), nullptr);
    EXPECT_EQ(dm_->TBArtikel.masterFields(), "");
    EXPECT_EQ(dm_->DtsSTBArtikel.dataSet(), nullptr);
    EXPECT_FALSE(dm_->STBArtikel.filtered());
    EXPECT_EQ(dm_->STBArtikel.filter(), "");
}

TEST_F(SuchFehlerTest, WindowCreationWithADamagedTableReportsAndBuildsNoLists) {
    dm_ = std::make_unique<TDataModule1>(dir_.path()); // TBKMittel not opened yet
    verderben("Refrigerants.cds");
    sink_.messages.clear();
    SuchListen listen;
    EXPECT_NO_THROW(listen = FormCreate(*dm_));
    EXPECT_TRUE(gemeldet("Refrigerants.cds"));
    EXPECT_TRUE(listen.aggregate.empty());
    EXPECT_EQ(dm_->lukoTabelle().anzahl(), 0);
    EXPECT_FALSE(dm_->TBArtikel.filtered());
}

} // namespace
} // namespace drel::search::testing
