// Today's refrigerants on the bundled sample catalogue: a search with R449A finds QN
// and QL types rated with the blend, and the rating of a record at its own rating
// point (suction gas and subcooling of the record) is its polynomial.
#include "base/messagesink.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "calc/polynom.h"
#include "chart/grenztest.h"
#include "db/recordhelpers.h"
#include "search/verdsuche.h"
#include "tests/support/beispielkatalog.h"

#include <cmath>
#include <gtest/gtest.h>

namespace drel::search {
namespace {

testing::BeispielKatalog& katalog() {
    static testing::BeispielKatalog k;
    return k;
}

TEST(HeutigeKaeltemittel, SucheMitR449AFindetQnUndQlTypen) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    testing::BeispielKatalog& k = katalog();
    ASSERT_TRUE(k.gebaut);
    calc::Einheiten einheiten;
    Suchergebnis ergebnis;
    chart::GrenzChart chart;
    SuchEingabe e;
    e.km = KMRec::ausListenEintrag(QStringLiteral("R449A"));
    e.punkt.t0 = -10.0;
    e.punkt.tc = 45.0;
    e.punkt.tsaug = 20.0;
    e.Q0 = 10.0;
    e.typ.RBQN = e.typ.RBQL = true;
    SuchUmgebung u{*k.dm, k.stoff, einheiten, ergebnis};
    ASSERT_TRUE(VerdSuche(u, e, &chart));
    ASSERT_GT(ergebnis.anzahl(), 10);
    EXPECT_TRUE(sink.messages.isEmpty());
    for (int i = 1; i <= ergebnis.anzahl(); ++i) {
        const VdSatz& r = ergebnis[i];
        EXPECT_EQ(r.Kaeltemittel, QStringLiteral("R449A")) << qPrintable(r.Typ);
        EXPECT_TRUE(r.Typ.startsWith(QLatin1String("QN")) || r.Typ.startsWith(QLatin1String("QL")))
            << qPrintable(r.Typ);
        EXPECT_GT(r.Qo, 0) << qPrintable(r.Typ);
    }
    // The same search with R404A finds about as many types: the blend replaces it on
    // the same compressors, with a little less capacity at this point.
    e.km = KMRec::ausListenEintrag(QStringLiteral("R404A, R507"));
    Suchergebnis r404a;
    SuchUmgebung u404{*k.dm, k.stoff, einheiten, r404a};
    ASSERT_TRUE(VerdSuche(u404, e, &chart));
    EXPECT_NEAR(ergebnis.anzahl(), r404a.anzahl(), 0.2 * r404a.anzahl());
}

// R1234yf on the duplex series, beside R134a which it replaces: every type that the
// R134a search finds at -10/45 °C is found again, with about its capacity. The HFO's
// smaller latent heat is nearly made up here by the 30 K of useful superheat that the
// 20 °C suction gas brings, so the ratio lies a little below or above 1.
TEST(HeutigeKaeltemittel, SucheMitR1234yfAufDenDuplexSerien) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    testing::BeispielKatalog& k = katalog();
    ASSERT_TRUE(k.gebaut);
    calc::Einheiten einheiten;
    chart::GrenzChart chart;
    SuchEingabe e;
    e.punkt.t0 = -10.0;
    e.punkt.tc = 45.0;
    e.punkt.tsaug = 20.0;
    e.Q0 = 10.0;
    e.typ.RBEQN = e.typ.RBEQL = true;
    auto suchen = [&](const QString& km, Suchergebnis& ergebnis) {
        e.km = KMRec::ausListenEintrag(km);
        SuchUmgebung u{*k.dm, k.stoff, einheiten, ergebnis};
        return VerdSuche(u, e, &chart);
    };
    Suchergebnis yf, r134a;
    ASSERT_TRUE(suchen(QStringLiteral("R1234yf"), yf));
    ASSERT_TRUE(suchen(QStringLiteral("R134a"), r134a));
    ASSERT_GT(r134a.anzahl(), 5);
    EXPECT_EQ(yf.anzahl(), r134a.anzahl());
    QHash<qint32, double> qo134a;
    for (int i = 1; i <= r134a.anzahl(); ++i)
        qo134a.insert(r134a[i].ArtikelID, r134a[i].Qo);
    for (int i = 1; i <= yf.anzahl(); ++i) {
        const VdSatz& r = yf[i];
        EXPECT_EQ(r.Kaeltemittel, QStringLiteral("R1234yf")) << qPrintable(r.Typ);
        ASSERT_TRUE(qo134a.contains(r.ArtikelID)) << qPrintable(r.Typ);
        const double verhaeltnis = r.Qo / qo134a.value(r.ArtikelID);
        EXPECT_GT(verhaeltnis, 0.85) << qPrintable(r.Typ);
        EXPECT_LT(verhaeltnis, 1.05) << qPrintable(r.Typ);
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

// At the record's own rating conditions the corrections of the operating point have
// nothing to do: QoV equals the polynomial.
TEST(HeutigeKaeltemittel, BewertungImBemessungspunktGleichDemPolynom) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    testing::BeispielKatalog& k = katalog();
    ASSERT_TRUE(k.gebaut);
    db::TDataModule1& dm = *k.dm;
    int geprueft = 0;
    for (dm.TBArtikel.first(); !dm.TBArtikel.eof(); dm.TBArtikel.next()) {
        for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next()) {
            const QString km = dm.TBKMittelS.asString(u"Ashrae");
            if (!QStringList{"R32", "R448A", "R449A", "R454C", "R455A", "R513A", "R1234ze(E)",
                             "R1234yf"}
                     .contains(km))
                continue;
            if (db::BaureihenArt(dm.TBArtikel) == db::Baureihe::WZweistufig)
                continue;
            db::KoeffSatz c;
            db::KoeffizientenLesen(dm.TBLeistung, dm.TBMotoren, c);
            Betriebspunkt e;
            e.t0 = -5;
            e.tc = 40;
            e.tsaug = calc::sauggasTemperaturBemessung(dm, e.t0);
            e.tu = 0;
            const calc::Bewertung b = calc::BetriebspunktRechnen(dm, k.stoff, e, false);
            const double polynom = calc::Polynom10(c.Qo, e.t0, e.tc);
            EXPECT_NEAR(b.Qo / polynom, 1, 1e-12) << qPrintable(km);
            EXPECT_NEAR(b.QoV / b.Qo, 1, 1e-12) << qPrintable(km);
            // Another suction gas temperature does change it, through the blend's
            // enthalpies and vapour volumes (by about a percent for 10 K).
            e.tsaug += 10;
            const calc::Bewertung w = calc::BetriebspunktRechnen(dm, k.stoff, e, false);
            EXPECT_GT(std::abs(w.QoV / b.QoV - 1), 2e-3) << qPrintable(km);
            EXPECT_LT(std::abs(w.QoV / b.QoV - 1), 0.05) << qPrintable(km);
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 100);
    EXPECT_TRUE(sink.messages.isEmpty());
}

} // namespace
} // namespace drel::search
