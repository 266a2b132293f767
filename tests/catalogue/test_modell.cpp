// The generator's building blocks: the fit, the envelopes' geometry, the motor
// current, and the rated values against the ranges usual for such compressors.
#include "calc/betriebspunkt.h"
#include "db/recordhelpers.h"
#include "katalogumgebung.h"
#include "tools/catalogue/huellkurven.h"
#include "tools/catalogue/verdichtermodell.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::katalog;

TEST(Anpassung, FindetDieKoeffizientenEinesKubischenPolynoms) {
    // A polynomial of the size of real data: the fit works on scaled variables and
    // must give the coefficients of t0 and tc back.
    const Koeffizienten soll{40.0,   1.3,    -0.45, 0.021,  -0.012,
                             0.0031, 1.1e-4, -6e-5, 2.5e-5, -1.5e-5};
    std::vector<std::pair<double, double>> punkte;
    std::vector<double> werte;
    for (double t0 = -40; t0 <= 10; t0 += 2.5)
        for (double tc = 20; tc <= 60; tc += 2.5) {
            punkte.emplace_back(t0, tc);
            werte.push_back(polynomWert(soll, t0, tc));
            ASSERT_GT(werte.back(), 0);
        }
    const Anpassung a = polynomAnpassen(punkte, werte);
    for (size_t k = 0; k < 10; ++k)
        EXPECT_NEAR(a.c[k], soll[k], std::abs(soll[k]) * 1e-6) << "C" << k + 1;
    EXPECT_LT(a.rmsRelativ, 1e-9);
}

TEST(Anpassung, MotorstromSteigtMitDerLeistung) {
    double rms = 1;
    const auto c = stromAnpassen(20.0, 400.0, &rms);
    EXPECT_LT(rms, 0.01);
    double vorher = 0;
    for (double p = 2; p <= 26; p += 2) {
        const double i = c[0] + c[1] * p + c[2] * p * p + c[3] * p * p * p;
        EXPECT_GT(i, vorher) << p;
        vorher = i;
    }
    // About 1.8 A per kW at 400 V and full load.
    const double voll = c[0] + c[1] * 20 + c[2] * 400 + c[3] * 8000;
    EXPECT_GT(voll / 20, 1.5);
    EXPECT_LT(voll / 20, 2.2);
}

TEST(Huellkurven, BlauImGestricheltenRotZwischenBeiden) {
    const std::pair<const char*, Einsatz> arten[] = {
        {"R134a", Einsatz::Standard},   {"R404A", Einsatz::Standard}, {"R507", Einsatz::Standard},
        {"R22", Einsatz::Standard},     {"R407C", Einsatz::Standard}, {"R717", Einsatz::Standard},
        {"R410A", Einsatz::Standard},   {"R744", Einsatz::Standard},  {"R22", Einsatz::Zweistufig},
        {"R404A", Einsatz::Zweistufig}, {"R134a", Einsatz::Fahrzeug}, {"R407C", Einsatz::Fahrzeug}};
    for (const auto& [km, einsatz] : arten) {
        const Huelle h = huelleFuer(QLatin1String(km), einsatz);
        for (const Polygon* p : {&h.blau, &h.strich, &h.rot}) {
            if (p->empty())
                continue;
            EXPECT_LE(p->size(), 10u) << km;
            EXPECT_EQ(p->front().t0, p->back().t0) << km;
            EXPECT_EQ(p->front().tc, p->back().tc) << km;
        }
        for (const GrenzPunkt& q : h.blau)
            EXPECT_TRUE(innerhalb(h.strich, q.t0, q.tc)) << km << " " << q.t0 << "/" << q.tc;
        if (h.rot.empty())
            continue;
        double t0 = 0, tc = 0;
        for (size_t i = 0; i + 1 < h.rot.size(); ++i) {
            EXPECT_TRUE(innerhalb(h.strich, h.rot[i].t0, h.rot[i].tc)) << km;
            t0 += h.rot[i].t0 / static_cast<double>(h.rot.size() - 1);
            tc += h.rot[i].tc / static_cast<double>(h.rot.size() - 1);
        }
        // Additional cooling is a restriction: the red area lies outside the blue one.
        EXPECT_FALSE(innerhalb(h.blau, t0, tc)) << km;
        EXPECT_TRUE(innerhalb(h.rot, t0, tc)) << km;
    }
}

TEST(Plausibel, LeistungUndLeistungszahlAnUeblichenPunkten) {
    auto& u = test::KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    db::TDataModule1& dm = u.dm();
    QFile f(QStringLiteral(DREL_TEST_DATA "/catalogue/plausibel.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    int zeilen = 0;
    while (!f.atEnd()) {
        const QString zeile = QString::fromUtf8(f.readLine()).trimmed();
        if (zeile.isEmpty() || zeile.startsWith('#'))
            continue;
        const QStringList s = zeile.split(';');
        ASSERT_EQ(s.size(), 9) << qPrintable(zeile);
        ASSERT_TRUE(dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(s[0])}));
        db::KaeltemittelPositionieren(dm, s[1], dm.TBArtikel.asInteger(u"ID"));
        ASSERT_FALSE(dm.TBLeistung.eof()) << qPrintable(zeile);
        Betriebspunkt e;
        e.t0 = s[2].toDouble();
        e.tc = s[3].toDouble();
        e.tsaug = s[4].toDouble();
        const calc::Bewertung b = db::BaureihenArt(dm.TBArtikel) == db::Baureihe::WZweistufig
                                      ? calc::ZweistufigRechnen(dm, u.stoff(), e)
                                      : calc::BetriebspunktRechnen(dm, u.stoff(), e, false);
        const double proVolumen = b.QoV / dm.TBArtikel.asFloat(u"Hubvolumen");
        const double cop = b.QoV / b.P;
        EXPECT_GE(proVolumen, s[5].toDouble()) << qPrintable(zeile);
        EXPECT_LE(proVolumen, s[6].toDouble()) << qPrintable(zeile);
        EXPECT_GE(cop, s[7].toDouble()) << qPrintable(zeile);
        EXPECT_LE(cop, s[8].toDouble()) << qPrintable(zeile);
        ++zeilen;
    }
    EXPECT_GE(zeilen, 10);
}
