// Every capacity record rates sensibly inside its envelope, its coefficients give the
// compressor model back, and every condensing unit condenses a sensible distance above
// the air.
#include "calc/betriebspunkt.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "calc/polynom.h"
#include "db/recordhelpers.h"
#include "katalogumgebung.h"
#include "tools/catalogue/katalog.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace drel;
using drel::katalog::test::KatalogUmgebung;
using drel::katalog::test::oeffnen;

namespace {

template <typename F> void jederSatz(db::TDataModule1& dm, F f) {
    for (dm.TBArtikel.first(); !dm.TBArtikel.eof(); dm.TBArtikel.next())
        for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next())
            f();
}

// A point well inside the blue polygon: the mean of its corners.
std::pair<double, double> mitteBlau(const db::Cursor& leistung) {
    db::GrenzPolygon p;
    db::GrenzenLesen(leistung, 1, p);
    double t0 = 0, tc = 0;
    const int n = p.Anzahl - 1;
    for (int k = 1; k <= n; ++k) {
        t0 += p.to[k];
        tc += p.tc[k];
    }
    return {t0 / n, tc / n};
}

} // namespace

TEST(Leistung, JederSatzRechnetImInnernSeinerGrenzen) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    db::TDataModule1& dm = u.dm();
    int geprueft = 0;
    jederSatz(dm, [&] {
        const QString was =
            dm.TBArtikel.asString(u"Bezeichnung1") + " " + dm.TBKMittelS.asString(u"Ashrae");
        const auto [t0, tc] = mitteBlau(dm.TBLeistung);
        db::GrenzPolygon blau;
        db::GrenzenLesen(dm.TBLeistung, 1, blau);
        ASSERT_EQ(calc::PolygonLage(blau, t0, tc), 0) << qPrintable(was);
        Betriebspunkt e;
        e.t0 = t0;
        e.tc = tc;
        e.tsaug = calc::sauggasTemperaturBemessung(dm, t0);
        const bool zweistufig = db::BaureihenArt(dm.TBArtikel) == db::Baureihe::WZweistufig;
        const calc::Bewertung b = zweistufig ? calc::ZweistufigRechnen(dm, u.stoff(), e)
                                             : calc::BetriebspunktRechnen(dm, u.stoff(), e, false);
        EXPECT_GT(b.Qo, 0) << qPrintable(was);
        EXPECT_GT(b.P, 0) << qPrintable(was);
        EXPECT_GT(b.Qo / b.P, 1.0) << qPrintable(was) << " at " << t0 << "/" << tc;
        EXPECT_LT(b.Qo / b.P, 10.0) << qPrintable(was) << " at " << t0 << "/" << tc;
        if (calc::hatMotorDatensatz(dm)) {
            const double i = calc::IRechnen(dm, t0, tc, 1450, 50, false);
            EXPECT_GT(i, 0.5) << qPrintable(was);
            // Below the locked-rotor current of the motor.
            EXPECT_LT(i, dm.TBMotoren.asFloat(u"BlockierterRotrstromWicklung1u2"))
                << qPrintable(was);
        }
        ++geprueft;
    });
    EXPECT_GT(geprueft, 1000);
}

TEST(Leistung, KoeffizientenGebenDasVerdichtermodellWieder) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    db::TDataModule1& dm = u.dm();
    const katalog::Katalog& k = u.katalog();
    std::map<int, const katalog::Artikel*> artikel;
    for (const katalog::Artikel& a : k.artikel)
        artikel[a.id] = &a;
    double summe = 0, maxAbw = 0;
    int punkte = 0;
    jederSatz(dm, [&] {
        const katalog::Artikel& a = *artikel.at(dm.TBArtikel.asInteger(u"ID"));
        const QString km = dm.TBKMittelS.asString(u"Ashrae");
        const katalog::VerdichterModell modell(u.stoff(), km, a.modell,
                                               katalog::sauggasFuer(km, a.gruppe));
        db::KoeffSatz c;
        db::KoeffizientenLesen(dm.TBLeistung, dm.TBMotoren, c);
        const QString schluessel = calc::kaeltemittelSchluessel(km);
        const auto stellen =
            katalog::LeistungsRechner::stuetzstellen(katalog::huelleFuer(km, a.einsatz));
        for (size_t i = 0; i < stellen.size(); i += 5) {
            const auto [t0, tc] = stellen[i];
            const katalog::ModellPunkt m = modell.rechnen(t0, tc);
            ASSERT_TRUE(m.gueltig) << qPrintable(a.typ) << " " << t0 << "/" << tc;
            const double v = a.hub * a.hubFaktor;
            const double qo = calc::Polynom10(c.Qo, t0, tc) / (m.Qo * v) - 1;
            const double p =
                calc::Polynom10(c.P, t0, tc) * calc::r507Faktor(schluessel, t0, tc) / (m.P * v) - 1;
            summe += qo * qo + p * p;
            punkte += 2;
            maxAbw = std::max({maxAbw, std::abs(qo), std::abs(p)});
        }
    });
    ASSERT_GT(punkte, 10000);
    EXPECT_LT(std::sqrt(summe / punkte), 0.005);
    EXPECT_LT(maxAbw, 0.03);
}

TEST(Leistung, VerfluessigerKondensiertAcht_bisZwanzigKelvinUeberDerLuft) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    db::TDataModule1& dm = u.dm();
    oeffnen(dm.TBLukoArtikel);
    oeffnen(dm.TBLukoLeistung);
    oeffnen(dm.TBKMittel);
    struct Einheit {
        QString typ;
        int basis;
        db::LukoEintrag kond;
    };
    std::vector<Einheit> einheiten;
    for (dm.TBArtikel.first(); !dm.TBArtikel.eof(); dm.TBArtikel.next()) {
        const int gruppe = dm.TBArtikel.asInteger(u"Produktgruppe");
        if (gruppe != 55 && gruppe != 57)
            continue;
        for (dm.TBLukoLeistung.first(); !dm.TBLukoLeistung.eof(); dm.TBLukoLeistung.next()) {
            Einheit e{dm.TBArtikel.asString(u"Bezeichnung1"),
                      dm.TBArtikel.asString(u"Basisartikel").toInt(),
                      {}};
            e.kond.LuftkondensatorID = dm.TBLukoLeistung.asInteger(u"LuftkondensatorID");
            ASSERT_TRUE(
                dm.TBKMittel.findKey({db::Value(dm.TBLukoLeistung.asInteger(u"KaeltemittelID"))}));
            e.kond.Kaeltemittel = dm.TBKMittel.asString(u"Ashrae");
            for (size_t k = 1; k <= 4; ++k)
                e.kond.KondensLeistung[k] =
                    dm.TBLukoLeistung.asFloat(QStringLiteral("KondensLeistung%1").arg(k));
            einheiten.push_back(e);
        }
    }
    ASSERT_GT(einheiten.size(), 500u);
    double minAbstand = 100, maxAbstand = 0;
    for (const Einheit& e : einheiten) {
        db::KaeltemittelPositionieren(dm, e.kond.Kaeltemittel, e.basis);
        ASSERT_FALSE(dm.TBLeistung.eof()) << qPrintable(e.typ);
        for (double t0 : {-10.0, -20.0}) {
            const calc::LukoErgebnis r = calc::LukoBilanz(dm, e.kond, 50, 32, t0, false);
            ASSERT_TRUE(r.berechenbar) << qPrintable(e.typ);
            // Units are sized at t0 -10 °C; at -20 °C the smaller heat load condenses lower.
            const double min = t0 == -10.0 ? 8.0 : 4.0;
            EXPECT_GE(r.tc - 32, min)
                << qPrintable(e.typ) << " " << qPrintable(e.kond.Kaeltemittel);
            EXPECT_LE(r.tc - 32, 20.0)
                << qPrintable(e.typ) << " " << qPrintable(e.kond.Kaeltemittel);
            EXPECT_GT(r.Qo, 0);
            if (t0 == -10.0) {
                minAbstand = std::min(minAbstand, r.tc - 32);
                maxAbstand = std::max(maxAbstand, r.tc - 32);
            }
        }
    }
    RecordProperty("tc - tle at t0 -10 °C, 32 °C air", QStringLiteral("%1 .. %2 K")
                                                           .arg(minAbstand, 0, 'f', 1)
                                                           .arg(maxAbstand, 0, 'f', 1)
                                                           .toStdString());
}
