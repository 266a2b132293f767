// The letter on its own: frame on every page, subject once, every text line in
// order, and the engine's language chosen from the program's code.
#include "print/briefbericht.h"
#include "print/kundenmodell.h"
#include "report/memo.h"
#include "tests/print/berichttexte.h"

#include <gtest/gtest.h>

namespace drel::print {
namespace {

using test::texteVon;

Druckauswahl brief(int textZeilen) {
    Druckauswahl a;
    a.brief.absender = {QStringLiteral("Kälte Süd GmbH"), QStringLiteral("Hafenstraße 1")};
    a.brief.empfaenger = {QStringLiteral("Müller & Söhne"), QStringLiteral("Łódź")};
    a.brief.betreff = {QStringLiteral("Angebot über 12 €")};
    a.brief.datum = QStringLiteral("09.12.26");
    a.brief.zustaendig = QStringLiteral("Hr. Weiß");
    a.brief.seite = QStringLiteral("Seite");
    for (int i = 1; i <= textZeilen; ++i)
        a.brief.text << QStringLiteral("Zeile %1").arg(i);
    return a;
}

TEST(BriefBericht, OnePageCarriesTheWholeLetter) {
    Druckauswahl a = brief(2);
    a.brief.text.insert(1, QString());             // an empty line keeps its place
    a.brief.text << QStringLiteral("[Feld1] [x]"); // brackets print as written
    auto bericht = briefBericht(a);
    ASSERT_TRUE(bericht->prepare()) << bericht->error().toStdString();
    ASSERT_EQ(bericht->pageCount(), 1);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo1")),
              QStringList{QStringLiteral("Kälte Süd GmbH\nHafenstraße 1")});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo2")),
              QStringList{QStringLiteral("Müller & Söhne\nŁódź")});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo3")),
              QStringList{QStringLiteral("Angebot über 12 €")});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRLabel1")), QStringList{"09.12.26"});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRLabel2")),
              QStringList{QStringLiteral("Hr. Weiß")});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRLabel10")), QStringList{"Seite"});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Seitenzahl")), QStringList{"1 / 1"});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRLabel5")), QStringList{"WUK 8.1 "});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo4")),
              (QStringList{"Zeile 1", "", "Zeile 2", "[Feld1] [x]"}));
}

TEST(BriefBericht, AddressBlocksGrowWithTheirLines) {
    Druckauswahl kurz = brief(0);
    Druckauswahl lang = brief(0);
    lang.brief.empfaenger << QStringLiteral("z. Hd. Frau Öztürk") << QStringLiteral("Abteilung 4");
    auto a = briefBericht(kurz);
    auto b = briefBericht(lang);
    const double hoeheKurz = a->find<bericht::Memo>(QStringLiteral("QRMemo2"))->height();
    const double hoeheLang = b->find<bericht::Memo>(QStringLiteral("QRMemo2"))->height();
    EXPECT_GT(hoeheLang, hoeheKurz * 1.5);
    // Every line fits inside the memo.
    const auto* memo = b->find<bericht::Memo>(QStringLiteral("QRMemo2"));
    EXPECT_LE(memo->textRect().height(), memo->height());
}

TEST(BriefBericht, LongLetterBreaksPagesWithTheFrameOnEach) {
    auto bericht = briefBericht(brief(150));
    ASSERT_TRUE(bericht->prepare());
    const int seiten = bericht->pageCount();
    ASSERT_GT(seiten, 1);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo1")).size(), seiten);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo2")).size(), seiten);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo3")).size(), 1);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Seitenzahl")).last(),
              QStringLiteral("%1 / %1").arg(seiten));
    const QStringList zeilen = texteVon(*bericht, QStringLiteral("QRMemo4"));
    ASSERT_EQ(zeilen.size(), 150);
    EXPECT_EQ(zeilen.front(), QStringLiteral("Zeile 1"));
    EXPECT_EQ(zeilen.back(), QStringLiteral("Zeile 150"));
    // Laying out again (preview, then print) gives the same pages.
    ASSERT_TRUE(bericht->prepare());
    EXPECT_EQ(bericht->pageCount(), seiten);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("QRMemo4")), zeilen);
}

TEST(BriefBericht, KoreanProgramLanguageGivesEnglishEngineTexts) {
    auto bericht = briefBericht(brief(1));
    bericht->setLanguage(berichtSprache(QStringLiteral("De")));
    EXPECT_EQ(bericht->texts().vorschau, QStringLiteral("Vorschau"));
    bericht->setLanguage(berichtSprache(QStringLiteral("Ko")));
    EXPECT_EQ(bericht->texts().vorschau, QStringLiteral("Preview"));
    EXPECT_EQ(bericht->texts().seite, QStringLiteral("Page"));
}

} // namespace
} // namespace drel::print
