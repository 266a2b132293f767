// Invariants of the bundled catalogue on the built tables: every record named exists,
// every searchable article can be rated, every polygon closes where the chart can draw it.
#include "chart/grenztest.h"
#include "db/recordhelpers.h"
#include "katalogumgebung.h"
#include "tools/catalogue/bilder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

using namespace drel;
using drel::db::Baureihe;
using drel::katalog::test::KatalogUmgebung;
using drel::katalog::test::oeffnen;

namespace {

template <typename F> void jedeZeile(db::Cursor& c, F f) {
    for (c.first(); !c.eof(); c.next())
        f();
}

bool bildDa(QString name) {
    name.replace(QLatin1String(".tif"), QLatin1String(".jpg"), Qt::CaseInsensitive);
    return QFileInfo::exists(KatalogUmgebung::quelle("data/Pics/" + name));
}

// The keys of a whole table, read through a cursor of its own (the data module's
// cursors of detail tables show only the rows of their master).
std::set<int> ids(const char* datei) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    db::Cursor c(QStringLiteral("Pruefung"), &u.dm().cache());
    c.setFileName(u.programm() + "/Daten/" + QLatin1String(datei));
    c.open();
    std::set<int> s;
    jedeZeile(c, [&] { s.insert(c.asInteger(u"ID")); });
    return s;
}

} // namespace

class Invarianten : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(u.gebaut()); }
    KatalogUmgebung& u = KatalogUmgebung::get();
    db::TDataModule1& dm = u.dm();
};

TEST_F(Invarianten, JederSuchbareArtikelHatLeistungsdaten) {
    std::set<int> mitDaten;
    jedeZeile(dm.TBArtikel, [&] {
        if (!dm.TBLeistung.isEmpty())
            mitDaten.insert(dm.TBArtikel.asInteger(u"ID"));
    });
    const std::set<int> alle = ids("Articles.cds");
    int gezaehlt = 0;
    jedeZeile(dm.TBArtikel, [&] {
        const db::Baureihe art = db::BaureihenArt(dm.TBArtikel);
        const int id = dm.TBArtikel.asInteger(u"ID");
        const int basis = dm.TBArtikel.asString(u"Basisartikel").toInt();
        const int geist = dm.TBArtikel.asInteger(u"GhostPointer");
        if (basis) {
            EXPECT_TRUE(alle.count(basis)) << id << " names base " << basis;
        }
        if (geist) {
            EXPECT_TRUE(alle.count(geist)) << id << " stands for " << geist;
            return;
        }
        if (art == Baureihe::Keine || art == Baureihe::Gruppe64 || art == Baureihe::LV)
            return;
        ++gezaehlt;
        const bool ueberBasis =
            dm.TBArtikel.asBool(u"UseBaseArticleWukData") && mitDaten.count(basis);
        EXPECT_TRUE(mitDaten.count(id) || ueberBasis)
            << qPrintable(dm.TBArtikel.asString(u"Bezeichnung1")) << " has no capacity data";
    });
    EXPECT_GT(gezaehlt, 500);
}

TEST_F(Invarianten, MotorenUndVerfluessigerDerArtikelExistieren) {
    const std::set<int> motoren = ids("Motors.cds");
    const std::set<int> lukos = ids("AirCooledCondensers.cds");
    oeffnen(dm.TBLukoArtikel);
    oeffnen(dm.TBLukoLeistung);
    int einheiten = 0;
    jedeZeile(dm.TBArtikel, [&] {
        const QString typ = dm.TBArtikel.asString(u"Bezeichnung1");
        const db::Baureihe art = db::BaureihenArt(dm.TBArtikel);
        const bool halbhermetisch = art == Baureihe::QL || art == Baureihe::QN ||
                                    art == Baureihe::QLDuplex || art == Baureihe::QNDuplex ||
                                    art == Baureihe::QNZweistufig;
        const bool kompressor =
            db::SatzArt(dm.TBArtikel) == 0 && !dm.TBArtikel.asBool(u"UseBaseArticleWukData");
        if (halbhermetisch && kompressor && dm.TBArtikel.asInteger(u"GhostPointer") == 0) {
            EXPECT_FALSE(dm.TBMotorArtikel.isEmpty()) << qPrintable(typ) << " has no motor";
        }
        jedeZeile(dm.TBMotorArtikel, [&] {
            EXPECT_TRUE(motoren.count(dm.TBMotorArtikel.asInteger(u"MotorID"))) << qPrintable(typ);
        });
        const int gruppe = dm.TBArtikel.asInteger(u"Produktgruppe");
        if (gruppe != 55 && gruppe != 57)
            return;
        ++einheiten;
        ASSERT_EQ(dm.TBLukoArtikel.recordCount(), 1) << qPrintable(typ);
        EXPECT_TRUE(lukos.count(dm.TBLukoArtikel.asInteger(u"LuftkondensatorID")));
        // A condenser row for every refrigerant of the base compressor.
        std::set<int> kaeltemittel;
        jedeZeile(dm.TBLukoLeistung,
                  [&] { kaeltemittel.insert(dm.TBLukoLeistung.asInteger(u"KaeltemittelID")); });
        const int basis = dm.TBArtikel.asString(u"Basisartikel").toInt();
        const int einheit = dm.TBArtikel.asInteger(u"ID");
        ASSERT_TRUE(dm.TBArtikel.findKey({db::Value(qint32(basis))}));
        std::set<int> basisKm;
        jedeZeile(dm.TBLeistung,
                  [&] { basisKm.insert(dm.TBLeistung.asInteger(u"KaeltemittelID")); });
        dm.TBArtikel.findKey({db::Value(qint32(einheit))});
        EXPECT_EQ(kaeltemittel, basisKm) << qPrintable(typ);
    });
    EXPECT_GT(einheiten, 100);
}

TEST_F(Invarianten, JedesGenannteBildExistiert) {
    for (const QString& name : katalog::startbildNamen()) {
        EXPECT_TRUE(bildDa(name)) << qPrintable(name);
    }
    jedeZeile(dm.TBArtikel, [&] {
        for (const char* feld : {"Bild", "Masszeichnung"}) {
            const QString name = dm.TBArtikel.asString(QLatin1String(feld));
            if (!name.isEmpty()) {
                EXPECT_TRUE(bildDa(name)) << qPrintable(name);
            }
        }
    });
    oeffnen(dm.TBGruppenS);
    jedeZeile(dm.TBGruppenS, [&] {
        EXPECT_TRUE(bildDa(dm.TBGruppenS.asString(u"GrossesBild")));
        EXPECT_TRUE(bildDa(dm.TBGruppenS.asString(u"KleinesBild")));
    });
    oeffnen(dm.TBZertiTypS);
    jedeZeile(dm.TBZertiTypS, [&] { EXPECT_TRUE(bildDa(dm.TBZertiTypS.asString(u"BildName"))); });
}

TEST_F(Invarianten, VerweiseAufTexteUndBeschreibungenLoesenSichAuf) {
    const std::set<int> beschreibungen = ids("TechnDescr.cds");
    const std::set<int> gruppen = ids("TechnGroups.cds");
    const std::set<int> fussnoten = ids("Fussnoten.cds");
    const std::set<int> legenden = ids("Legenden.cds");
    const std::set<int> zertTypen = ids("ZertifikatTypen.cds");
    oeffnen(dm.TBTextRes);
    std::set<std::pair<int, int>> texte;
    jedeZeile(dm.TBTextRes, [&] {
        texte.insert({dm.TBTextRes.asInteger(u"ID"), dm.TBTextRes.asInteger(u"TypeID")});
    });
    EXPECT_TRUE(texte.count({316, 2}));
    db::Cursor beschr(QStringLiteral("Pruefung"), &dm.cache());
    beschr.setFileName(u.programm() + "/Daten/TechnDescr.cds");
    beschr.open();
    jedeZeile(beschr, [&] { EXPECT_TRUE(gruppen.count(beschr.asInteger(u"GruppenID"))); });
    oeffnen(dm.TBTechWerte);
    // Detail cursors follow TBArtikel; walk each article's rows.
    jedeZeile(dm.TBArtikel, [&] {
        const int textId = dm.TBArtikel.asInteger(u"TextResourceID");
        if (dm.TBArtikel.asInteger(u"GhostPointer") == 0 &&
            dm.TBArtikel.asInteger(u"Produktgruppe") != 65) {
            EXPECT_TRUE(texte.count({textId, 3}))
                << qPrintable(dm.TBArtikel.asString(u"Bezeichnung1"));
        }
        jedeZeile(dm.TBTechWerte, [&] {
            EXPECT_TRUE(beschreibungen.count(dm.TBTechWerte.asInteger(u"BeschreibungID")));
            const int fn = dm.TBTechWerte.asInteger(u"FussnoteID");
            EXPECT_TRUE(fn == 0 || fussnoten.count(fn));
        });
        jedeZeile(dm.TBLeistung, [&] {
            for (const char* f : {"LegendTextID1", "LegendTextID2"}) {
                EXPECT_TRUE(legenden.count(dm.TBLeistung.asInteger(QLatin1String(f))));
            }
            const int l3 = dm.TBLeistung.asInteger(u"LegendTextID3");
            EXPECT_TRUE(l3 == 0 || legenden.count(l3));
        });
    });
    oeffnen(dm.TBZerti);
    jedeZeile(dm.TBZerti,
              [&] { EXPECT_TRUE(zertTypen.count(dm.TBZerti.asInteger(u"ZertifikatsID"))); });
}

TEST_F(Invarianten, PolygoneSchliessenInnerhalbDerAchsen) {
    int saetze = 0;
    jedeZeile(dm.TBArtikel, [&] {
        jedeZeile(dm.TBLeistung, [&] {
            ++saetze;
            db::GrenzPolygon blau, strich, rot;
            db::GrenzenLesen(dm.TBLeistung, 1, blau);
            db::GrenzenLesen(dm.TBLeistung, 2, strich);
            db::GrenzenLesen(dm.TBLeistung, 3, rot);
            const QString was = dm.TBArtikel.asString(u"Bezeichnung1") + " " +
                                QString::number(dm.TBLeistung.asInteger(u"KaeltemittelID"));
            EXPECT_LE(blau.Anzahl, 10) << qPrintable(was);
            EXPECT_GE(blau.Anzahl, 4) << qPrintable(was);
            EXPECT_LE(strich.Anzahl, 10) << qPrintable(was);
            const bool rotLeer =
                rot.to[1] == 0 && rot.tc[1] == 0 && rot.to[2] == 0 && rot.tc[2] == 0;
            EXPECT_TRUE(rotLeer || rot.Anzahl <= 10) << qPrintable(was);
            float t0min = 200, t0max = -200, tcmin = 200, tcmax = -200;
            for (int k = 1; k <= strich.Anzahl; ++k) {
                t0min = std::min(t0min, strich.to[k]);
                t0max = std::max(t0max, strich.to[k]);
                tcmin = std::min(tcmin, strich.tc[k]);
                tcmax = std::max(tcmax, strich.tc[k]);
            }
            // The chart draws only segments inside the axes; a cut polygon would leak its fill.
            const chart::GrenzAchsen a = chart::grenzAchsen(t0min, t0max, tcmin, tcmax);
            for (const db::GrenzPolygon* p : {&blau, &strich, &rot}) {
                if (p == &rot && rotLeer)
                    continue;
                for (int k = 1; k <= p->Anzahl; ++k) {
                    EXPECT_TRUE(p->to[k] >= a.XMin && p->to[k] <= a.XMax) << qPrintable(was);
                    EXPECT_TRUE(p->tc[k] >= a.YMin && p->tc[k] <= a.YMax) << qPrintable(was);
                }
                // The fill seed lies left of and above the first point: no corner may lie
                // to the right of it and not above it.
                for (int k = 2; k <= p->Anzahl; ++k) {
                    EXPECT_FALSE(p->to[k] > p->to[1] && p->tc[k] <= p->tc[1]) << qPrintable(was);
                }
            }
        });
    });
    EXPECT_GT(saetze, 1000);
}

TEST_F(Invarianten, BezeichnungenFolgenDenRegelnDesSortiments) {
    std::map<QString, int> gesehen;
    std::set<QString> namen;
    auto zaehle = [&](const char* was, bool ja) { gesehen[QLatin1String(was)] += ja ? 1 : 0; };
    jedeZeile(dm.TBArtikel, [&] {
        const QString d = dm.TBArtikel.asString(u"Bezeichnung1");
        const QString g = dm.TBArtikel.asString(u"Baugroesse");
        const int gruppe = dm.TBArtikel.asInteger(u"Produktgruppe");
        for (const char* sp : {"En", "De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "pl", "Ko"}) {
            EXPECT_FALSE(
                dm.TBArtikel.asString(QLatin1String("Bezeichnung2") + QLatin1String(sp)).isEmpty())
                << qPrintable(d);
        }
        if (dm.TBArtikel.asInteger(u"GhostPointer") != 0) {
            zaehle("ghost", true);
            return;
        }
        // One article per designation: the type lists and the search show names only.
        EXPECT_TRUE(namen.insert(d).second) << qPrintable(d) << " twice";
        // The browser finds the types of a size by the size text at the start of the name.
        const QString groesse = gruppe == 51 || gruppe == 63 ? g : QString(g).remove(' ');
        EXPECT_TRUE(d.startsWith(groesse)) << qPrintable(d) << " / " << qPrintable(g);
        zaehle("4/8", gruppe == 45 && d.endsWith("4/8"));
        zaehle("8/4", gruppe == 45 && d.endsWith("8/4"));
        zaehle(" S", d.endsWith(" S"));
        zaehle("CO2", gruppe == 73 && d.contains("CO2"));
        zaehle("R410A", gruppe == 74 && d.contains("R410A"));
        zaehle("RU", (gruppe == 54 || gruppe == 56) && d.endsWith("RU"));
        zaehle(" L", (gruppe == 55 || gruppe == 57) && d.endsWith(" L"));
        zaehle(" SL", (gruppe == 55 || gruppe == 57) && d.endsWith(" SL"));
        zaehle("WT", gruppe == 23 && d.startsWith("WT") && !d.contains(' '));
        zaehle("WY K", d.startsWith("WY") && d.endsWith("K") && !d.endsWith("TK"));
        zaehle("WY N", d.startsWith("WY") && d.endsWith("N"));
        zaehle("WY TK", d.startsWith("WY") && d.endsWith("TK"));
        zaehle("NH3", (gruppe == 51 || gruppe == 63) && g.endsWith(" NH3"));
        zaehle("EQ", d.contains("EQN") || d.contains("EQL"));
        zaehle("base data", dm.TBArtikel.asBool(u"UseBaseArticleWukData"));
        zaehle("predecessor", !dm.TBArtikel.asString(u"Vorgaengertyp").isEmpty());
        // Refrigerant "X" goes before the frame digit for HFC: the size digit must be the
        // first digit 1-9 of the name (CO2 and R410A names carry their X already).
        EXPECT_EQ(db::typMitX(d, "R22"), d);
        if (gruppe != 73 && gruppe != 74 && gruppe != 65) {
            EXPECT_EQ(db::typMitX(d, "R404A").indexOf('X'), d.indexOf(QRegularExpression("[1-9]")));
        }
    });
    for (const auto& [was, n] : gesehen) {
        EXPECT_GT(n, 0) << qPrintable(was);
    }
}
