// The committed exports are what the generator writes today, and the build reads them.
#include "katalogumgebung.h"
#include "tools/catalogue/katalog.h"
#include "tools/catalogue/uebersetzung.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
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

// Every language column the generator fills holds a text in that language: no English
// text lacks its translation, and a column equals English only where the word is the
// same in that language or the text is a name, symbol or number.
TEST(Exporte, SprachspaltenTragenUebersetzteTexte) {
    const Katalog& k = KatalogUmgebung::get().katalog();
    EXPECT_TRUE(fehlendeUebersetzungen().isEmpty())
        << qPrintable(fehlendeUebersetzungen().join(QLatin1Char('\n')));
    const QSet<QString> gleichesWort{"Motor", "Compressor", "mm"};
    const QRegularExpression wort(QStringLiteral("\\p{L}{3,}"));
    int spalten = 0;
    for (const char* datei :
         {"TechnicalDataDescriptions.xml", "TechnicalDataGroups.xml", "FootnoteTextBlocks.xml",
          "ShipmentVolumeTextBlocks.xml", "AccessoryTextBlocks.xml", "InterfaceTypes.xml",
          "CertificationTypes.xml", "LegendText.xml", "TextResources.xml", "ProductGroups.xml",
          "Articles.xml"}) {
        SCOPED_TRACE(datei);
        const std::vector<Satz>* tabelle = k.exporte.finde(QLatin1String(datei));
        ASSERT_NE(tabelle, nullptr);
        for (const Satz& s : *tabelle)
            for (const auto& [element, text] : s.werte())
                for (size_t i = 2; i < kXmlSprachen.size(); ++i) {
                    const QString suffix = QLatin1String(kXmlSprachen[i]);
                    if (!element.endsWith(suffix))
                        continue;
                    const QString englisch = s.wert(element.chopped(suffix.size()));
                    if (englisch.isEmpty() || !s.hat(element.chopped(suffix.size())))
                        continue;
                    ++spalten;
                    const bool erlaubt = text != englisch || gleichesWort.contains(text) ||
                                         !wort.match(text).hasMatch();
                    EXPECT_TRUE(erlaubt) << qPrintable(element) << ": " << qPrintable(text);
                }
    }
    EXPECT_GT(spalten, 1000);
}
