// Which operating points the search accepts and which notes the data sheet gives, on
// the catalogue's own envelopes: hand-picked points from a fixture, then a grid.
#include "calc/einsatzgrenzen.h"
#include "chart/grenztest.h"
#include "db/recordhelpers.h"
#include "katalogumgebung.h"
#include "tools/catalogue/huellkurven.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace drel;
using drel::katalog::test::KatalogUmgebung;

namespace {

katalog::Polygon polygon(const db::GrenzPolygon& p) {
    katalog::Polygon out;
    for (int k = 0; k < p.Anzahl; ++k)
        out.push_back({p.punkte[static_cast<size_t>(k)].to, p.punkte[static_cast<size_t>(k)].tc});
    return out;
}

// The envelope of one record as the search draws it.
struct Grenzen {
    db::GrenzPolygon blau, strich, rot;
    chart::GrenzPolygone chart;
    chart::GrenzAchsen achsen;
    bool rotLeer = true;
};

Grenzen lesen(db::TDataModule1& dm, const QString& typ, const QString& km) {
    Grenzen g;
    EXPECT_TRUE(dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(typ)}, false))
        << qPrintable(typ);
    db::KaeltemittelPositionieren(dm, km, dm.TBArtikel.asInteger(u"ID"));
    EXPECT_FALSE(dm.TBLeistung.eof()) << qPrintable(typ) << " " << qPrintable(km);
    db::GrenzenLesen(dm.TBLeistung, 1, g.blau);
    db::GrenzenLesen(dm.TBLeistung, 2, g.strich);
    db::GrenzenLesen(dm.TBLeistung, 3, g.rot);
    g.rotLeer = g.rot.punkte[0] == GrenzPunkt{};
    g.chart = {g.blau, g.strich, g.rot};
    // The range alone is the range the full test publishes.
    calc::grenzBereich() = {};
    calc::GrenzBereichLesen(dm);
    const calc::GrenzBereich nurBereich = calc::grenzBereich();
    calc::grenzBereich() = {};
    calc::EinsatzgrenzenTest(dm, 20, 40, -10);
    const calc::GrenzBereich& b = calc::grenzBereich();
    EXPECT_EQ(nurBereich.GrenzT0Min, b.GrenzT0Min);
    EXPECT_EQ(nurBereich.GrenzT0Max, b.GrenzT0Max);
    EXPECT_EQ(nurBereich.GrenzTcMin, b.GrenzTcMin);
    EXPECT_EQ(nurBereich.GrenzTcMax, b.GrenzTcMax);
    g.achsen = chart::grenzAchsen(b.GrenzT0Min, b.GrenzT0Max, b.GrenzTcMin, b.GrenzTcMax);
    return g;
}

QString farbKlasse(chart::WinFarbe f) {
    if (f == chart::kFuellFarbe1)
        return "rot";
    if (f == chart::kFuellFarbe2)
        return "strich";
    return chart::grenzFarbeZulaessig(f) ? "rand" : "aussen";
}

QString codeKlasse(int code) {
    if (code == 0)
        return "0";
    if (code / 10 % 10 >= 3)
        return "aussen";
    return code >= 100 ? "ring+a" : "ring";
}

} // namespace

TEST(Einsatzgrenzen, PunkteDerTabelle) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    QFile f(QStringLiteral(DREL_TEST_DATA "/catalogue/bereiche.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    chart::GrenzChart chart;
    int zeilen = 0;
    while (!f.atEnd()) {
        const QString zeile = QString::fromUtf8(f.readLine()).trimmed();
        if (zeile.isEmpty() || zeile.startsWith('#'))
            continue;
        const QStringList s = zeile.split(';');
        ASSERT_EQ(s.size(), 7) << qPrintable(zeile);
        const double t0 = s[2].toDouble(), tc = s[3].toDouble(), ts = s[4].toDouble();
        const Grenzen g = lesen(u.dm(), s[0], s[1]);
        EXPECT_EQ(farbKlasse(chart.farbe(g.chart, g.achsen, t0, tc)), s[5]) << qPrintable(zeile);
        EXPECT_EQ(codeKlasse(calc::EinsatzgrenzenTest(u.dm(), ts, tc, t0)), s[6])
            << qPrintable(zeile);
        ++zeilen;
    }
    EXPECT_GE(zeilen, 15);
}

// Over a 1 K grid of the whole diagram, points more than 1.5 K from every border:
// the dashed fill covers the dashed polygon except the red one, the red fill the red
// polygon, nothing else is accepted; the limit test agrees inside the blue polygon
// and outside the dashed one.
TEST(Einsatzgrenzen, RasterUeberDasDiagramm) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    const std::pair<QString, QString> saetze[] = {
        {"QN4-66", "R404A"},        {"QL3-15", "R134a"},     {"W4", "R22"},
        {"W4 NH3", "R717"},         {"QNX3-24 CO2", "R744"}, {"WT14/70", "R22"},
        {"QNX3-27 R410A", "R410A"}, {"WY30K", "R134a"},      {"QN8-301", "R407C"}};
    chart::GrenzChart chart;
    for (const auto& [typ, km] : saetze) {
        const Grenzen g = lesen(u.dm(), typ, km);
        const katalog::Polygon blau = polygon(g.blau), strich = polygon(g.strich),
                               rot = polygon(g.rot);
        int drinnen = 0, ring = 0, ringErkannt = 0, aussen = 0, aussenErkannt = 0, rotePunkte = 0;
        for (double t0 = g.achsen.XMin; t0 <= g.achsen.XMax; t0 += 1)
            for (double tc = g.achsen.YMin; tc <= g.achsen.YMax; tc += 1) {
                double abstand = katalog::randAbstand(strich, t0, tc);
                abstand = std::min(abstand, katalog::randAbstand(blau, t0, tc));
                if (!g.rotLeer)
                    abstand = std::min(abstand, katalog::randAbstand(rot, t0, tc));
                if (abstand < 1.5)
                    continue;
                const QString farbe = farbKlasse(chart.farbe(g.chart, g.achsen, t0, tc));
                const bool inRot = !g.rotLeer && katalog::innerhalb(rot, t0, tc);
                const bool inStrich = katalog::innerhalb(strich, t0, tc);
                const QString erwartet = inRot ? "rot" : inStrich ? "strich" : "aussen";
                rotePunkte += inRot;
                ASSERT_EQ(farbe, erwartet)
                    << qPrintable(typ) << " " << qPrintable(km) << " " << t0 << "/" << tc;
                const int code = calc::EinsatzgrenzenTest(u.dm(), t0 + 10, tc, t0);
                if (katalog::innerhalb(blau, t0, tc)) {
                    EXPECT_EQ(code, 0) << qPrintable(typ) << " " << t0 << "/" << tc;
                    ++drinnen;
                } else if (inStrich) {
                    ++ring;
                    ringErkannt += code % 100 >= 3 && code % 100 < 10;
                } else {
                    ++aussen;
                    aussenErkannt += code % 100 >= 30;
                }
            }
        RecordProperty(
            (typ + " " + km).toStdString(),
            QStringLiteral(
                "blue %1, dashed ring %2 (side test %3, red %4), outside %5 (side test %6)")
                .arg(drinnen)
                .arg(ring)
                .arg(ringErkannt)
                .arg(rotePunkte)
                .arg(aussen)
                .arg(aussenErkannt)
                .toStdString());
        EXPECT_GT(drinnen, 100) << qPrintable(typ);
        EXPECT_GT(ring, 20) << qPrintable(typ);
        // The side test looks at edge strips only; points beside a corner pass it.
        EXPECT_GE(ringErkannt * 100, ring * 95)
            << qPrintable(typ) << " " << ringErkannt << "/" << ring;
        EXPECT_GE(aussenErkannt * 100, aussen * 95)
            << qPrintable(typ) << " " << aussenErkannt << "/" << aussen;
    }
}
