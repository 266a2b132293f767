// The unit and condenser lists, the condensing-unit search and the set search.
#include "search/suchstart.h"
#include "state/programmschalter.h"
#include "suchfixture.h"

namespace drel::search::testing {
namespace {

class AggSucheTest : public SuchTest {
protected:
    void SetUp() override {
        SuchTest::SetUp();
        aggregate_ = AggErstellen(*dm_);
        kond_ = KondErstellen(*dm_);
    }

    SuchEingabe einheiten(TypRec typ, double q0 = 15.0) const {
        SuchEingabe e = eingabe(typ);
        e.punkt.tle = 32.0; // air inlet temperature
        e.Q0 = q0;
        return e;
    }

    void aggSuchen(const SuchEingabe& e) {
        SuchUmgebung u{*dm_, stoff_, einheiten_, ergebnis_};
        AggSuche(u, e, aggregate_, kond_);
    }

    QStringList typen() const {
        QStringList t;
        for (int k = 1; k <= ergebnis_.anzahl(); ++k)
            t << ergebnis_[k].Typ;
        return t;
    }

    AggListe aggregate_;
    db::LukoTabelle kond_;
};

TypRec nur(bool TypRec::*box) {
    TypRec t;
    t.*box = true;
    return t;
}

TEST_F(AggSucheTest, ListsHoldOneEntryPerUnitCondenserAndRefrigerant) {
    ASSERT_EQ(aggregate_.size(), 9u); // three units, one condenser, three refrigerants
    ASSERT_EQ(kond_.anzahl(), 3);
    const AggRec& r404a = aggregate_[1];
    EXPECT_EQ(r404a.ArtikelID, kUnitL);
    EXPECT_EQ(r404a.Kaeltemittel, "R404A");
    EXPECT_EQ(r404a.Typ, "CQNX4/200-4L");
    EXPECT_EQ(r404a.TypUmgekehrt, "CQN4/200-4L");
    EXPECT_EQ(r404a.BasisID, kQn);
    EXPECT_EQ(r404a.BasisName, "QN4/200-4");
    EXPECT_EQ(r404a.Kondensator, "50");
    const AggRec& r22 = aggregate_[2];
    EXPECT_EQ(r22.Typ, "CQN4/200-4L");
    EXPECT_EQ(r22.TypUmgekehrt, "CQNX4/200-4L");
    EXPECT_DOUBLE_EQ(kond_.eintraege[0].KondensLeistung[2], 2.0);
    // The article cursor is left unfiltered: every article is visible again.
    EXPECT_FALSE(dm_->TBArtikel.filtered());
    EXPECT_EQ(dm_->TBArtikel.recordCount(), 13);
}

TEST_F(AggSucheTest, WindowCreationBuildsBothListsAndTheCondenserTable) {
    dm_->lukoTabelle() = {};
    const SuchListen listen = FormCreate(*dm_); // no exports: nothing to rebuild
    EXPECT_EQ(listen.aggregate.size(), 9u);
    EXPECT_EQ(dm_->lukoTabelle().anzahl(), 3);
    EXPECT_EQ(dm_->lukoTabelle().eintraege[1].Kaeltemittel, "R404A");
}

TEST_F(AggSucheTest, AirCooledBoxListsOnlyTheLUnitOfItsSeries) {
    aggSuchen(einheiten(nur(&TypRec::RBCQNL)));
    EXPECT_EQ(typen(), QStringList{"CQNX4/200-4L"});
    const VdSatz& v = ergebnis_[1];
    EXPECT_EQ(v.Kaeltemittel, "R404A");
    EXPECT_EQ(v.ArtikelID, kUnitL);
    EXPECT_EQ(v.BasisArtikel, kQn);
    EXPECT_DOUBLE_EQ(v.tc, 32.0);
    EXPECT_EQ(v.KondIndex, 2);
    EXPECT_EQ(v.Durchlauf, 2);
    EXPECT_EQ(v.Durchlauf2, 0);
    EXPECT_GT(v.Qo, 0.0);
    EXPECT_TRUE(programmschalter().LukoModus);

    aggSuchen(einheiten(nur(&TypRec::RBCQLL)));
    EXPECT_EQ(typen(), QStringList{"CQLX4/100-4L"});
    // An "L" unit is dropped when only units with receiver are asked for.
    aggSuchen(einheiten(nur(&TypRec::RBCQLR)));
    EXPECT_TRUE(typen().isEmpty());
    aggSuchen(einheiten(nur(&TypRec::RBCQNR)));
    EXPECT_EQ(typen(), QStringList{"CQNX4/200-4RU"});
}

// A condenser listed twice for a refrigerant is balanced with its first entry, and a
// refrigerant the condenser has no entry for gives no result.
TEST_F(AggSucheTest, UnitUsesTheFirstEntryOfItsCondenserAndRefrigerant) {
    db::LukoEintrag zweiter = kond_.eintraege[1]; // R404A
    zweiter.KondensLeistung[2] = 4.0;             // Qc = 4 kW/K (tc - tle)
    zweiter.KondensLeistung[3] = -4.0;
    kond_.eintraege.push_back(zweiter);
    aggSuchen(einheiten(nur(&TypRec::RBCQNL)));
    ASSERT_EQ(ergebnis_.anzahl(), 1);
    EXPECT_EQ(ergebnis_[1].KondIndex, 2);
    const double qo = ergebnis_[1].Qo;

    kond_.eintraege.insert(kond_.eintraege.begin(), zweiter);
    aggSuchen(einheiten(nur(&TypRec::RBCQNL)));
    ASSERT_EQ(ergebnis_.anzahl(), 1);
    EXPECT_EQ(ergebnis_[1].KondIndex, 1);
    EXPECT_GT(ergebnis_[1].Qo, qo); // a larger condenser: lower tc, more capacity

    kond_.eintraege.erase(kond_.eintraege.begin(), kond_.eintraege.begin() + 3);
    aggSuchen(einheiten(nur(&TypRec::RBCQNL)));
    EXPECT_EQ(ergebnis_.anzahl(), 1); // the appended R404A entry is left
    kond_.eintraege.pop_back();
    aggSuchen(einheiten(nur(&TypRec::RBCQNL)));
    EXPECT_EQ(ergebnis_.anzahl(), 0);
}

TEST_F(AggSucheTest, UnitAboveTwiceTheWantedCapacityIsDropped) {
    aggSuchen(einheiten(nur(&TypRec::RBCQNL), 1000.0));
    ASSERT_EQ(ergebnis_.anzahl(), 1);
    const double qo = ergebnis_[1].Qo; // rounded to 0.05
    aggSuchen(einheiten(nur(&TypRec::RBCQNL), qo / 2 + 0.02));
    EXPECT_EQ(ergebnis_.anzahl(), 1);
    aggSuchen(einheiten(nur(&TypRec::RBCQNL), qo / 2 - 0.05));
    EXPECT_EQ(ergebnis_.anzahl(), 0);
}

TEST_F(AggSucheTest, EvaporatingTemperatureMayLieFiveKelvinOutside) {
    SuchEingabe e = einheiten(nur(&TypRec::RBCQNL));
    e.punkt.t0 = -29.0; // 4 K below the smallest t0
    aggSuchen(e);
    EXPECT_EQ(ergebnis_.anzahl(), 1);
    e.punkt.t0 = -31.0;
    aggSuchen(e);
    EXPECT_EQ(ergebnis_.anzahl(), 0);
}

TEST_F(AggSucheTest, WithoutCapacityCriterionUnitsAreRatedAtTheStandardPoint) {
    SuchEingabe e = einheiten(nur(&TypRec::RBCQNL), 1.0);
    e.mitQ0 = false;
    e.punkt.t0 = 5.0;
    aggSuchen(e);
    ASSERT_EQ(ergebnis_.anzahl(), 1);
    EXPECT_DOUBLE_EQ(ergebnis_[1].t0, -20.0);
    EXPECT_DOUBLE_EQ(ergebnis_[1].tc, 27.0);
}

TEST_F(AggSucheTest, SetSearchAppendsSetsWithReceiverRatedOnTheirBaseCompressor) {
    SuchEingabe e = einheiten(nur(&TypRec::RBCQNR));
    aggSuchen(e);
    ASSERT_EQ(ergebnis_.anzahl(), 1);
    ASSERT_TRUE(satzSucheNoetig(e.typ));
    e.punkt.tc = 45.0;
    SuchUmgebung u{*dm_, stoff_, einheiten_, ergebnis_};
    SatzSuche(u, e, nullptr);
    ASSERT_EQ(ergebnis_.anzahl(), 2);
    // The unit entry has no second pass number; the set from the compressor engine has.
    const VdSatz* satz = ergebnis_[1].Durchlauf2 != 0 ? &ergebnis_[1] : &ergebnis_[2];
    ASSERT_NE(satz->Durchlauf2, 0);
    EXPECT_EQ(satz->ArtikelID, kUnitRU);
    EXPECT_EQ(satz->Typ, "CQNX4/200-4RU");
    EXPECT_EQ(satz->BasisArtikel, kQn);
    // The cursors are back as they were.
    EXPECT_FALSE(dm_->STBArtikel.filtered());
    EXPECT_EQ(dm_->TBArtikel.masterSource(), nullptr);
    EXPECT_EQ(dm_->TBArtikel.recordCount(), 13);
    EXPECT_EQ(dm_->DtsSTBArtikel.dataSet(), nullptr);
}

} // namespace
} // namespace drel::search::testing
