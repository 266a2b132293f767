// A small product database for the rating tests: a few articles of different
// series with motors, capacity records and a condenser.
#pragma once

#include "base/messagesink.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "tests/support/dbfixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace drel::rating::testing {

using namespace drel::db;
using namespace drel::db::testing;

// Article IDs of the fixture.
enum : qint32 {
    kQnMitMotor = 1,    // group 25 (kind 4), motor 7, R134a / R507 / R404A
    kQlMitMotor = 2,    // group 24 (kind 3), motor 7, R717 / R134a
    kOffenerW = 3,      // group 31, no motor, R134a
    kZweistufig = 4,    // group 23, no motor, R404A
    kMotorOhneSatz = 5, // group 25, motor row without a Motors record
};

// Capacity polynomial: Qo = 20 + 0.6·t0 − 0.15·tc + 0.004·t0² (kW);
// power: P = 3 + 0.01·t0 + 0.06·tc + 0.0005·tc² (kW).
inline Fields koeffizienten() {
    return {{"Kaelteleistung1", d(20.0)},   {"Kaelteleistung2", d(0.6)},
            {"Kaelteleistung3", d(-0.15)},  {"Kaelteleistung4", d(0.004)},
            {"Antriebsleistung1", d(3.0)},  {"Antriebsleistung2", d(0.01)},
            {"Antriebsleistung3", d(0.06)}, {"Antriebsleistung6", d(0.0005)}};
}

inline double qoPolynom(double t0, double tc) {
    return 20 + 0.6 * t0 - 0.15 * tc + 0.004 * t0 * t0;
}
inline double pPolynom(double t0, double tc) {
    return 3 + 0.01 * t0 + 0.06 * tc + 0.0005 * tc * tc;
}

inline Row leistung(qint32 id, qint32 artikel, qint32 kaeltemittel, bool flag, double sauggas,
                    Fields extra = {}) {
    Fields f = merged(koeffizienten(), {{"ID", i(id)},
                                        {"ArtikelID", i(artikel)},
                                        {"KaeltemittelID", i(kaeltemittel)},
                                        {"SauggasFlag", Value(flag)},
                                        {"Sauggaswert", d(sauggas)}});
    return rowOf("CapacityData", merged(f, extra));
}

class RatingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath("Daten"));
        const QString p = dir_.path();
        writeProductTable(
            p, "Articles",
            {rowOf("Articles", {{"ID", i(kQnMitMotor)},
                                {"Produktgruppe", i(25)},
                                {"Bezeichnung1", s("QN4/200-4")}}),
             rowOf("Articles", {{"ID", i(kQlMitMotor)},
                                {"Produktgruppe", i(24)},
                                {"Bezeichnung1", s("QL4/200-4")}}),
             rowOf("Articles",
                   {{"ID", i(kOffenerW)}, {"Produktgruppe", i(31)}, {"Bezeichnung1", s("W4")}}),
             rowOf("Articles",
                   {{"ID", i(kZweistufig)}, {"Produktgruppe", i(23)}, {"Bezeichnung1", s("W4T")}}),
             rowOf("Articles", {{"ID", i(kMotorOhneSatz)},
                                {"Produktgruppe", i(25)},
                                {"Bezeichnung1", s("QN5")}})});
        writeProductTable(p, "Refrigerants",
                          {rowOf("Refrigerants", {{"ID", i(1)}, {"Ashrae", s("R134a")}}),
                           rowOf("Refrigerants", {{"ID", i(2)}, {"Ashrae", s("R404A")}}),
                           rowOf("Refrigerants", {{"ID", i(3)}, {"Ashrae", s("R 507")}}),
                           rowOf("Refrigerants", {{"ID", i(4)}, {"Ashrae", s("R717")}})});
        writeProductTable(
            p, "CapacityData",
            {leistung(11, kQnMitMotor, 1, true, 20.0), leistung(12, kQnMitMotor, 3, true, 20.0),
             leistung(13, kQnMitMotor, 2, false, 10.0), leistung(21, kQlMitMotor, 4, false, 5.0),
             leistung(22, kQlMitMotor, 1, true, 20.0), leistung(31, kOffenerW, 1, true, 20.0),
             leistung(41, kZweistufig, 2, true, 20.0),
             leistung(51, kMotorOhneSatz, 1, true, 20.0)});
        writeProductTable(p, "Motors",
                          {rowOf("Motors", {{"ID", i(7)},
                                            {"ElektrStrom1", d(2.0)},
                                            {"ElektrStrom2", d(1.5)},
                                            {"ElektrStrom3", d(0.02)},
                                            {"ElektrStrom4", d(0.001)}})});
        writeProductTable(
            p, "MotorArticle",
            {rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kQnMitMotor)}}),
             rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kQlMitMotor)}}),
             rowOf("MotorArticle", {{"MotorID", i(99)}, {"ArtikelID", i(kMotorOhneSatz)}})});
        writeProductTable(p, "AirCooledCondensers", {});
        writeProductTable(p, "AirCooledCondenserArticle", {});
        writeProductTable(p, "AirCooledCondenserRefrigerant", {});
        dm_ = std::make_unique<TDataModule1>(p);
        stoff_.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
    }

    // Positions the article and refrigerant; fails the test when there is no row.
    void waehle(qint32 artikel, const char* kaeltemittel) {
        KaeltemittelPositionieren(*dm_, QString::fromLatin1(kaeltemittel), artikel);
        ASSERT_FALSE(dm_->TBLeistung.eof()) << kaeltemittel;
        ASSERT_EQ(dm_->TBArtikel.asInteger("ID"), artikel);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TDataModule1> dm_;
    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    fluid::TStoff stoff_;
};

} // namespace drel::rating::testing
