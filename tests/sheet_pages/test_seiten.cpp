#include "base/rtftext.h"
#include "seitenfixture.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/seitenstand.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"
#include "sheet/pages/zertifikate.h"

namespace drel::sheet::testing {
namespace {

const QString kDe = QStringLiteral("De");

TEST_F(SeitenTest, TechnicalValuesSortWithTheTieRuleAndShareFootnoteNumbers) {
    TechnDatenSeite seite;
    seite.fuellen(*dm_, kQn, kDe);
    const QList<TechnDatenZeile>& z = seite.zeilen();
    ASSERT_EQ(z.size(), 5); // the inactive description and the inactive value are left out
    // Equal group and order: a new entry goes directly after the first equal one,
    // so Olmenge (read last) comes before Zylinder.
    EXPECT_EQ(z[0].spalte0, QStringLiteral("Ohne Wert  "));
    EXPECT_EQ(z[1].spalte0, QStringLiteral("Hubvolumen  "));
    EXPECT_EQ(z[2].spalte0, QStringLiteral("Olmenge    1)"));
    EXPECT_EQ(z[3].spalte0, QStringLiteral("Zylinder    2)"));
    EXPECT_EQ(z[4].spalte0, QStringLiteral("Gewicht    1)"));
    EXPECT_EQ(z[0].spalte1, QStringLiteral("  bar"));
    EXPECT_EQ(z[1].spalte1, QStringLiteral("  35,5  m3/h"));
    EXPECT_EQ(z[3].spalte1, QStringLiteral("  4  ")); // markup converted
    EXPECT_EQ(z[4].spalte2, QStringLiteral("0"));
    // Footnote 9 has a number but no row: only the memo of footnote 7.
    ASSERT_EQ(seite.memos().size(), 1);
    EXPECT_EQ(seite.memos()[0].nummer, 1);
    EXPECT_EQ(seite.memos()[0].text, QStringLiteral("1)\r\nbei 50 Hz"));
    EXPECT_TRUE(seite.bemerkungenSichtbar());
    EXPECT_EQ(seite.fussnotenAnzahl(), 2);
}

TEST(TechnDatenSortierung, GroupThenOrderWithEqualKeysAfterTheFirstEqual) {
    using E = TechnDatenSeite::Eintrag;
    QList<E> liste;
    auto eintrag = [](int gruppe, int reihenfolge, const char* wert) {
        E e;
        e.gruppenReihenfolge = gruppe;
        e.reihenfolge = reihenfolge;
        e.wert = QString::fromLatin1(wert);
        return e;
    };
    for (const E& e : {eintrag(1, 5, "a"), eintrag(1, 5, "b"), eintrag(1, 5, "c"),
                       eintrag(1, 4, "d"), eintrag(0, 9, "e")})
        TechnDatenSeite::einsortieren(liste, e);
    QStringList werte;
    for (const E& e : liste)
        werte << e.wert;
    EXPECT_EQ(werte.join(QString()), QStringLiteral("edacb"));
}

TEST(TechnDatenSortierung, FootnotesNumberedByFirstOccurrence) {
    using E = TechnDatenSeite::Eintrag;
    QList<E> liste;
    for (qint32 id : {9, 0, 4, 9, -1}) {
        E e;
        e.fussnoteId = id;
        liste.append(e);
    }
    EXPECT_EQ(TechnDatenSeite::fussnotenNummerieren(liste), (QList<qint32>{9, 4}));
    EXPECT_EQ(liste[0].fussnoteNummer, 1);
    EXPECT_EQ(liste[1].fussnoteNummer, 0);
    EXPECT_EQ(liste[2].fussnoteNummer, 2);
    EXPECT_EQ(liste[3].fussnoteNummer, 1);
    EXPECT_EQ(liste[4].fussnoteNummer, 0);
}

TEST_F(SeitenTest, ValueFallsBackToGermanWhenTheLanguageHasNone) {
    TechnDatenSeite seite;
    seite.fuellen(*dm_, kQn, QStringLiteral("En"));
    ASSERT_EQ(seite.zeilen().size(), 5);
    EXPECT_EQ(seite.zeilen()[4].spalte0, QStringLiteral("EN    1)"));
    EXPECT_EQ(seite.zeilen()[4].spalte1, QStringLiteral("  150  kg"));
}

TEST_F(SeitenTest, DeliveryTextsSortStablyAndSkipHiddenOnes) {
    TextSeite liefer(TextSeitenArt::Lieferumfang);
    liefer.fuellen(*dm_, kQn, kDe);
    EXPECT_EQ(liefer.memos(), (QStringList{"Erster", "Zweiter", "Dritter"}));
    EXPECT_EQ(liefer.memoHint(), QStringLiteral("21"));
    TextSeite zubehoer(TextSeitenArt::Zubehoer);
    zubehoer.fuellen(*dm_, kQn, kDe);
    EXPECT_EQ(zubehoer.memos(), QStringList{QStringLiteral("Olsumpfheizung\r\n230 V")});
    EXPECT_EQ(zubehoer.memoHint(), QStringLiteral("22"));
    EXPECT_EQ(memoHoehe(2), 37);
}

TEST(Bilder, TifInAnyCaseIsLookedUpAsJpg) {
    EXPECT_EQ(tifZuJpg(QStringLiteral("Masse/QN4.TIF")), QStringLiteral("Masse/QN4.jpg"));
    EXPECT_EQ(tifZuJpg(QStringLiteral("a.Tif.tif")), QStringLiteral("a.jpg.jpg"));
    EXPECT_EQ(tifZuJpg(QStringLiteral("foto.png")), QStringLiteral("foto.png"));
}

TEST(Bilder, PhotoFrom219PixelsHighIsShown218High) {
    EXPECT_EQ(fotoAnzeigeGroesse(QSize(400, 300)), QSize(290, 218));
    EXPECT_EQ(fotoAnzeigeGroesse(QSize(400, 219)), QSize(398, 218));
    EXPECT_EQ(fotoAnzeigeGroesse(QSize(400, 218)), QSize(400, 218));
}

TEST_F(SeitenTest, DimensionPageShowsTheJpgAndSortedConnections) {
    MasseSeite seite;
    seite.fuellen(*dm_, kQn, kDe);
    EXPECT_FALSE(seite.seiteSichtbar()); // no picture yet: the page is hidden
    EXPECT_EQ(seite.zeichnungName(), QStringLiteral("Masse/QN4.jpg"));
    ASSERT_EQ(seite.anschluesse().size(), 2);
    EXPECT_EQ(seite.anschluesse()[0].spalte0, QStringLiteral(" DL"));
    EXPECT_EQ(seite.anschluesse()[0].spalte2, QStringLiteral(" 22 mm"));
    EXPECT_EQ(seite.anschluesse()[1].spalte1, QStringLiteral(" Saugleitung"));
    EXPECT_EQ(seite.anschluesse()[1].spalte2, QStringLiteral(" 35 mm - 1 3/8 Zoll"));

    bildAnlegen(QStringLiteral("masse/qn4.JPG"));
    seite.fuellen(*dm_, kQn, kDe);
    EXPECT_TRUE(seite.seiteSichtbar());
    EXPECT_TRUE(seite.zeichnungPfad().endsWith(QStringLiteral("masse/qn4.JPG")));

    FotoSeite foto;
    foto.fuellen(*dm_, kQn);
    EXPECT_FALSE(foto.seiteSichtbar());
    bildAnlegen(QStringLiteral("qn4.jpg"));
    foto.fuellen(*dm_, kQn);
    EXPECT_TRUE(foto.seiteSichtbar());
}

TEST_F(SeitenTest, CertificatesSortByOrderAndTakeTheLanguageColumn) {
    bildAnlegen(QStringLiteral("z1.jpg"));
    ZertListe liste;
    liste.fuellen(*dm_, kQn, kR404A, kDe);
    ASSERT_EQ(liste.eintraege().size(), 2);
    EXPECT_EQ(liste.eintraege()[0].titel, QStringLiteral("Erstes"));
    EXPECT_EQ(liste.eintraege()[0].beschreibung, QStringLiteral("deutscher Text"));
    EXPECT_TRUE(liste.logosSichtbar());
    ZertListe::Hinweis h;
    ASSERT_TRUE(liste.hinweis(dir_.path(), 1, h));
    EXPECT_EQ(h.titel, QStringLiteral("Erstes"));
    EXPECT_FALSE(h.bildPfad.isEmpty());
    ASSERT_TRUE(liste.hinweis(dir_.path(), 2, h));
    EXPECT_TRUE(h.bildPfad.isEmpty()); // z2.jpg is missing
    EXPECT_FALSE(liste.hinweis(dir_.path(), 3, h));

    liste.fuellen(*dm_, kQn, kR404A, QStringLiteral("En"));
    EXPECT_EQ(liste.eintraege()[0].beschreibung, QStringLiteral("english text"));
    liste.fuellen(*dm_, kQn, kR134a, kDe);
    EXPECT_FALSE(liste.logosSichtbar());
}

TEST(SeitenStand, PagesRefillForAnotherArticleAndGridsGrowInTenPixelSteps) {
    EXPECT_FALSE(neuFuellen(true, 5, 5));
    EXPECT_TRUE(neuFuellen(true, 5, 6));
    EXPECT_TRUE(neuFuellen(false, 5, 5));
    EXPECT_EQ(gitterHoehe(100, 100), 100);
    EXPECT_EQ(gitterHoehe(100, 101), 110);
}

TEST(HilfeTexte, Qo1ForR410AAndR744) {
    EXPECT_EQ(hilfeTextDateiName(QStringLiteral("R404A"), QStringLiteral("De")),
              QStringLiteral("Qo_De.rtf"));
    EXPECT_EQ(hilfeTextDateiName(QStringLiteral("R410A"), QStringLiteral("En")),
              QStringLiteral("Qo1_En.rtf"));
    EXPECT_EQ(hilfeTextDateiName(QStringLiteral("R744"), QStringLiteral("Ko")),
              QStringLiteral("Qo1_Ko.rtf"));
}

TEST(Ausschreibungszeile, TabsUntilTheReferenceWidthIsReached) {
    EXPECT_EQ(
        Ausschreibung::wertZeile(QStringLiteral("tc:"), QStringLiteral("45"), 16, zeichenBreite),
        QStringLiteral("tc:\t\t45"));
    // A label exactly as wide as the reference gets no tab.
    EXPECT_EQ(
        Ausschreibung::wertZeile(QStringLiteral("12345678"), QStringLiteral("x"), 8, zeichenBreite),
        QStringLiteral("12345678x"));
    EXPECT_EQ(
        Ausschreibung::wertZeile(QStringLiteral("1234567"), QStringLiteral("x"), 8, zeichenBreite),
        QStringLiteral("1234567\tx"));
}

TEST_F(SeitenTest, TenderTextPutsThePartsInOrder) {
    AusschreibungsWerte w;
    w.typ = QStringLiteral("QN4/200-4");
    w.qo = QStringLiteral("26,48");
    w.frequenz = QStringLiteral("55");
    Ausschreibung a;
    a.erstellen(*dm_, kQn, kDe, {}, w);
    const QString text = a.alsText();
    const QStringList zeilen = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(zeilen[0], QStringLiteral("Halbhermetischer Verdichter"));
    EXPECT_EQ(zeilen.mid(1, 4), (QStringList{"", "", "", ""}));
    EXPECT_EQ(zeilen[5], QStringLiteral("Lieferumfang:"));
    const qsizetype liefer = text.indexOf(QStringLiteral("Lieferumfang:"));
    const qsizetype technik = text.indexOf(QStringLiteral("Baureihe QN"));
    const qsizetype zubehoer = text.indexOf(QStringLiteral("Zubehor:"));
    EXPECT_LT(liefer, technik);
    EXPECT_LT(technik, zubehoer);
    // Reference width: "Hubvolumen  \t\t" is 24 wide, so every label is tabbed to 24.
    EXPECT_EQ(a.referenzBreite(), 24);
    EXPECT_TRUE(text.contains(QStringLiteral("Olmenge    1):\t\t  2  l")));
    EXPECT_TRUE(text.contains(QStringLiteral("tc:\t\t\t ")));
    // 55 Hz: the frequency line but no current line.
    EXPECT_TRUE(text.contains(QStringLiteral("Frequenz:\t\t55 Hz")));
    EXPECT_FALSE(text.contains(QStringLiteral("Stromaufnahme")));
    EXPECT_TRUE(text.contains(QStringLiteral("Bemerkungen:\r\n1)\r\nbei 50 Hz")));

    // Without the description the text starts with the scope of delivery.
    AusschreibungsAuswahl ohne;
    ohne.beschreibung = false;
    a.erstellen(*dm_, kQn, kDe, ohne, w);
    EXPECT_TRUE(a.alsText().startsWith(QStringLiteral("Lieferumfang:")));
    const QString html = rtfZuHtml(a.alsRtf());
    EXPECT_TRUE(html.contains(QStringLiteral("Lieferumfang:")));
    EXPECT_TRUE(html.contains(QStringLiteral("QN4/200-4")));
}

TEST_F(SeitenTest, TenderDescriptionInTheLanguageWhereTheCatalogueHasIt) {
    const auto ersteZeile = [&](const char* code) {
        Ausschreibung a;
        a.erstellen(*dm_, kQn, QString::fromLatin1(code), {}, AusschreibungsWerte{});
        return a.alsText().section(QStringLiteral("\r\n"), 0, 0);
    };
    EXPECT_EQ(ersteZeile("Ru"), QStringLiteral("Полугерметичный компрессор"));
    EXPECT_EQ(ersteZeile("Fr"), QStringLiteral("Semi-hermetic compressor")) << "empty: English";
    EXPECT_EQ(ersteZeile("En"), QStringLiteral("Semi-hermetic compressor"));
    EXPECT_EQ(ersteZeile("De"), QStringLiteral("Halbhermetischer Verdichter"));
    EXPECT_EQ(ersteZeile("Ko"), QString()) << "Korean keeps its own, empty column";
}

} // namespace
} // namespace drel::sheet::testing
