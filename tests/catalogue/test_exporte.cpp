// The committed exports are what the generator writes today, and the build reads them.
#include "katalogumgebung.h"
#include "tools/catalogue/katalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel::katalog;
using drel::katalog::test::KatalogUmgebung;

TEST(Exporte, DerBauLiestAlle24Exporte) {
    KatalogUmgebung& u = KatalogUmgebung::get();
    ASSERT_TRUE(u.gebaut());
    EXPECT_EQ(QDir(u.programm() + "/Daten").entryList({"*.cds"}, QDir::Files).size(), 24);
    u.dm().TBArtikel.first();
    EXPECT_GE(u.dm().TBArtikel.recordCount(), 550);
    EXPECT_LE(u.dm().TBArtikel.recordCount(), 1000);
}

TEST(Exporte, NeuErzeugtGleichDenEingechecktenDateien) {
    // Regenerating gives the same bytes: fixed seeds and stamps, and the committed
    // files are not stale against the generator.
    KatalogUmgebung& u = KatalogUmgebung::get();
    const Katalog& k = u.katalog();
    QTemporaryDir dir;
    k.exporte.schreiben(dir.path());
    const QDir neu(dir.path());
    const QStringList namen = neu.entryList({"*.xml"}, QDir::Files);
    EXPECT_EQ(namen.size(), 24);
    for (const QString& name : namen) {
        QFile a(neu.filePath(name));
        QFile b(KatalogUmgebung::quelle("data/Daten/" + name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << qPrintable(name);
        EXPECT_TRUE(a.readAll() == b.readAll())
            << qPrintable(name) << " differs: run drel-catalogue";
    }
}

TEST(Exporte, AnpassungenUnterEinemProzent) {
    const Katalog& k = KatalogUmgebung::get().katalog();
    ASSERT_FALSE(k.fits.empty());
    for (const auto& [schluessel, f] : k.fits) {
        EXPECT_LT(f.qo.rmsRelativ, 0.01) << qPrintable(schluessel);
        EXPECT_LT(f.p.rmsRelativ, 0.01) << qPrintable(schluessel);
        EXPECT_GE(f.punkte, 30) << qPrintable(schluessel);
    }
    EXPECT_LT(k.strommodellRms, 0.01);
}
