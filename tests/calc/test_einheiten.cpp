#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "tests/support/einheitenwahl.h"

#include <QFile>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::calc;

namespace {

using drel::testing::einheitenGewaehlt;
const auto gewaehlt = einheitenGewaehlt;

} // namespace

TEST(Einheiten, ExactFactors) {
    const Einheiten btu = gewaehlt(1, 1, 1);
    EXPECT_DOUBLE_EQ(btu.LeistungAnzeige(1.0), 3413.0);
    EXPECT_DOUBLE_EQ(gewaehlt(2, 0, 0).LeistungAnzeige(1.0), 0.2846);
    EXPECT_DOUBLE_EQ(gewaehlt(3, 0, 0).LeistungAnzeige(1.0), 859.85);
    EXPECT_DOUBLE_EQ(btu.AntriebAnzeige(1.0), 1.3411);
    EXPECT_DOUBLE_EQ(gewaehlt(0, 2, 0).AntriebAnzeige(1.0), 1.36);
    EXPECT_DOUBLE_EQ(btu.TempAnzeige(-10.0), 14.0);
    EXPECT_DOUBLE_EQ(btu.TempIntern(14.0), -10.0);
    EXPECT_DOUBLE_EQ(btu.DiffAnzeige(5.0), 9.0);
    EXPECT_DOUBLE_EQ(btu.LeistungIntern(3413.0), 1.0);
    EXPECT_EQ(btu.TempEinheitText(), "[°F]");
    EXPECT_EQ(gewaehlt(0, 0, 0).TempEinheitText(), "[°C]");
}

TEST(Einheiten, WorkingAndConfirmedChoiceAndCancel) {
    Einheiten e = gewaehlt(0, 1, 0);
    e.klick(EinheitGruppe::Leistung, 3);
    EXPECT_EQ(e.index(EinheitGruppe::Leistung), 3);
    EXPECT_EQ(e.bestaetigt(EinheitGruppe::Leistung), 0);
    EXPECT_EQ(e.text(EinheitGruppe::Leistung), "kcal/h");
    EXPECT_FALSE(e.standardFuerLeereGruppen()); // all groups chosen: HP stays
    EXPECT_EQ(e.index(EinheitGruppe::Antrieb), 1);
    Einheiten leer;
    EXPECT_FALSE(leer.gewaehlt(EinheitGruppe::Temperatur));
    EXPECT_EQ(leer.text(EinheitGruppe::Temperatur), "");
    EXPECT_TRUE(leer.standardFuerLeereGruppen());
    EXPECT_EQ(leer.text(EinheitGruppe::Temperatur), "°C  -  K");
    e.klick(EinheitGruppe::Antrieb, 7); // no such button
    EXPECT_EQ(e.index(EinheitGruppe::Antrieb), 1);
}

TEST(Einheiten, UnitsFileRoundTripAndDamagedFiles) {
    QTemporaryDir dir;
    const QString pfad = dir.path() + "/units.dat";
    ASSERT_TRUE(gewaehlt(2, 1, 1).speichern(pfad));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("2\r\n1\r\n1\r\n"));
    f.close();
    Einheiten geladen;
    geladen.laden(pfad);
    EXPECT_EQ(geladen.bestaetigt(EinheitGruppe::Leistung), 2);
    EXPECT_EQ(geladen.text(EinheitGruppe::Temperatur), "°F  -  R");

    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("9\nx\n1");
    f.close();
    Einheiten kaputt;
    kaputt.laden(pfad);
    EXPECT_FALSE(kaputt.gewaehlt(EinheitGruppe::Leistung)); // 9 is no capacity unit
    EXPECT_FALSE(kaputt.gewaehlt(EinheitGruppe::Antrieb));
    EXPECT_TRUE(kaputt.gewaehlt(EinheitGruppe::Temperatur));
    Einheiten fehlt;
    fehlt.laden(dir.path() + "/none.dat");
    EXPECT_FALSE(fehlt.gewaehlt(EinheitGruppe::Leistung));
    EXPECT_EQ(fehlt.LeistungAnzeige(2.0), 2.0);
}

TEST(Einheiten, ConvertersFormatEveryUnit) {
    setNumberSeparators(NumberSeparators::german());
    const Einheiten e = gewaehlt(1, 2, 1);
    const Q0Umrechnung q = CalcQ0(e, "3413", false); // read in the working unit Btu/h
    EXPECT_EQ(q.ComboQ0, "Btu/h");
    EXPECT_EQ(q.Edit1, "1");
    EXPECT_EQ(q.Edit2, "3413");
    EXPECT_EQ(q.Edit3, "0,2846");
    EXPECT_EQ(q.Edit4, "859,85");
    EXPECT_EQ(q.Edit9, "3413");
    const Q0Umrechnung mit = CalcQ0(e, "2", true); // with a sender: kW
    EXPECT_EQ(mit.ComboQ0, "kW");
    EXPECT_EQ(mit.Edit2, "6826");
    const PeUmrechnung p = CalcPe(e, "10", true);
    EXPECT_EQ(p.Edit11, "     10,00");
    EXPECT_EQ(p.Edit13, "     13,41");
    EXPECT_EQ(p.Edit15, "     13,60");
    EXPECT_EQ(p.Edit10, p.Edit15);
    const TUmrechnung t = CalcT("14", "°F");
    EXPECT_EQ(t.Edit16, "   -10,0");
    EXPECT_EQ(t.Edit17, "    14,0");
    EXPECT_EQ(CalcT("abc", "°C").Edit16, "     0,0"); // no number counts as 0
}
