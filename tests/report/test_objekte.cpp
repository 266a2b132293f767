// Objects of a report: look-up by name, run-time objects, picture fitting,
// text alignment (on the measured geometry), placeholders and engine texts.
#include "report/berichtschrift.h"
#include "report/bild.h"
#include "report/form.h"
#include "report/platzhalter.h"
#include "suchdruck.h"
#include "tabellendaten.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <gtest/gtest.h>

namespace drel::bericht::test {
namespace {

TEST(ReportObjects, FindsPagesBandsAndObjectsWithoutRegardToCase) {
    Suchdruck druck;
    Bericht& bericht = druck.bericht;
    EXPECT_EQ(bericht.findPage(QStringLiteral("PAGE1")), druck.seite);
    EXPECT_EQ(bericht.findBand(QStringLiteral("masterdata1")), druck.daten);
    EXPECT_EQ(bericht.findObject(QStringLiteral("pagefooter1")), druck.fuss);
    EXPECT_EQ(bericht.find<Memo>(QStringLiteral("MEMO14")),
              druck.fuss->findObject(QStringLiteral("Memo14")));
    EXPECT_EQ(bericht.find<Bild>(QStringLiteral("Memo14")), nullptr); // wrong kind
    EXPECT_EQ(bericht.findObject(QStringLiteral("Memo99")), nullptr);
    EXPECT_EQ(bericht.findBand(QStringLiteral("Memo14")), nullptr);
}

TEST(ReportObjects, ObjectsCreatedAtRunTimePrintAndCanBeRemoved) {
    Suchdruck druck;
    druck.daten->setRowCount(2);
    auto& rahmen = druck.daten->createShape(QStringLiteral("Rahmen1"));
    rahmen.setGeometry(40, 0, 200, 100);
    rahmen.setColor(QColor(214, 227, 247));
    druck.daten->createMemo(QStringLiteral("Zelle1")).setText(QStringLiteral("x"));
    EXPECT_EQ(druck.bericht.find<Form>(QStringLiteral("rahmen1")), &rahmen);
    ASSERT_TRUE(druck.bericht.prepare());
    EXPECT_EQ(druck.bericht.preparedPage(0).find(QStringLiteral("Rahmen1")).size(), 2u);

    EXPECT_TRUE(druck.daten->removeObject(QStringLiteral("RAHMEN1")));
    EXPECT_FALSE(druck.daten->removeObject(QStringLiteral("Rahmen1")));
    EXPECT_EQ(druck.bericht.findObject(QStringLiteral("Rahmen1")), nullptr);
    ASSERT_TRUE(druck.bericht.prepare());
    EXPECT_TRUE(druck.bericht.preparedPage(0).find(QStringLiteral("Rahmen1")).empty());
}

TEST(ReportObjects, MemoFontFamilyReachesEveryMemoAndKeepsItsStyle) {
    Suchdruck druck;
    QFont fett(QStringLiteral("Arial"), 12);
    fett.setBold(true);
    druck.bericht.find<Memo>(QStringLiteral("Memo1"))->setFont(fett);
    druck.bericht.setMemoFontFamily(QStringLiteral("DejaVu Sans"));
    for (const char* name : {"Memo1", "Memo7", "Memo14"})
        EXPECT_EQ(druck.bericht.find<Memo>(QString::fromLatin1(name))->font().family(),
                  QStringLiteral("DejaVu Sans"));
    const QFont titel = druck.bericht.find<Memo>(QStringLiteral("Memo1"))->font();
    EXPECT_TRUE(titel.bold());
    EXPECT_EQ(titel.pointSize(), 12);
}

TEST(ReportObjects, PictureScaledIntoItsBoxKeepsAspect) {
    Bild bild(QStringLiteral("Picture10"));
    bild.setPicture(QImage(1000, 600, QImage::Format_RGB32));
    bild.setGeometry(10, 20, 833, 833);
    const QRectF ziel = bild.pictureRect();
    EXPECT_DOUBLE_EQ(ziel.width(), 833);
    EXPECT_NEAR(ziel.height(), 500, 0.5);
    EXPECT_EQ(ziel.topLeft(), QPointF(10, 20));

    // A tall box: the height limits, the width follows.
    bild.setGeometry(0, 0, 833, 300);
    EXPECT_DOUBLE_EQ(bild.pictureRect().height(), 300);
    EXPECT_DOUBLE_EQ(bild.pictureRect().width(), 500);

    bild.setCenter(true);
    EXPECT_DOUBLE_EQ(bild.pictureRect().left(), (833 - 500) / 2.0);

    bild.setKeepAspect(false);
    EXPECT_EQ(bild.pictureRect(), bild.rect());
}

TEST(ReportObjects, UnstretchedPictureKeepsItsOwnSizeAtNinetySixDpi) {
    Bild bild(QStringLiteral("Picture8"));
    bild.setPicture(QImage(96, 48, QImage::Format_RGB32));
    bild.setGeometry(0, 0, 1000, 1000);
    bild.setStretch(false);
    EXPECT_DOUBLE_EQ(bild.pictureRect().width(), 254);
    EXPECT_DOUBLE_EQ(bild.pictureRect().height(), 127);
}

class MemoAlignment : public ::testing::Test {
protected:
    MemoAlignment() : memo(QStringLiteral("Memo8")) {
        memo.setGeometry(100, 50, 1000, 300);
        memo.setText(QStringLiteral("123,45"));
    }
    Memo memo;
};

TEST_F(MemoAlignment, RightAlignedTextEndsAtTheRightEdge) {
    memo.setHAlign(Qt::AlignRight);
    const QRectF text = memo.textRect();
    EXPECT_NEAR(text.right(), 1100 - Memo::padding, 1);
    EXPECT_GT(text.left(), 600); // a short number, far from the left edge
}

TEST_F(MemoAlignment, LeftAlignedTextStartsAtTheLeftEdge) {
    const QRectF text = memo.textRect();
    EXPECT_NEAR(text.left(), 100 + Memo::padding, 1);
    EXPECT_NEAR(text.top(), 50 + Memo::padding, 1);
    // 10 pt is about 3.5 mm: a line is some 35 to 50 units high.
    EXPECT_GT(text.height(), 30);
    EXPECT_LT(text.height(), 60);
}

TEST_F(MemoAlignment, CentredAndBottomAlignedText) {
    memo.setHAlign(Qt::AlignHCenter);
    memo.setVAlign(Qt::AlignBottom);
    const QRectF text = memo.textRect();
    EXPECT_NEAR(text.center().x(), 600, 1);
    EXPECT_NEAR(text.bottom(), 350 - Memo::padding, 1);
}

TEST(ReportPlaceholders, PageNumbersWithoutRegardToCase) {
    EXPECT_EQ(seitenzahlenEinsetzen(QStringLiteral("Seite [Page#] / [totalpages#]"), 2, 7),
              QStringLiteral("Seite 2 / 7"));
    EXPECT_EQ(seitenzahlenEinsetzen(QStringLiteral("[Page]"), 2, 7), QStringLiteral("[Page]"));
}

TEST(ReportPlaceholders, FieldsOfTheCurrentRowOnly) {
    Tabellendaten daten({QStringLiteral("Feld1")}, {{QStringLiteral("R404A")}});
    daten.First();
    EXPECT_EQ(felderEinsetzen(QStringLiteral("[Feld1]/[Feld1] [Feld9] [] [Page#]"), daten),
              QStringLiteral("R404A/R404A [Feld9] [] [Page#]"));
}

TEST(ReportTexts, LanguageCodesPickTheirTexts) {
    EXPECT_EQ(sprache(QStringLiteral("De")).vorschau, QStringLiteral("Vorschau"));
    EXPECT_EQ(sprache(QStringLiteral("EN")).vorschau, QStringLiteral("Preview"));
    EXPECT_EQ(sprache(QStringLiteral("KO")).vorschau, QStringLiteral("Preview"));
    EXPECT_EQ(sprache(QStringLiteral("fr")).vorschau, QStringLiteral("Aperçu"));
    // Codes without texts of their own keep the built-in ones.
    EXPECT_EQ(sprache(QStringLiteral("XX")).vorschau, QStringLiteral("Preview"));
    Bericht bericht;
    bericht.setLanguage(QStringLiteral("de"));
    EXPECT_EQ(bericht.texts().seite, QStringLiteral("Seite"));
}

// Every language file of the print window has texts of its own, and the messages
// keep the place of the file or printer name.
TEST(ReportTexts, EveryEngineLanguageIsTranslatedAndKeepsItsPlaceholders) {
    const BerichtTexte en = sprache(QStringLiteral("EN"));
    for (const char* code : {"DE", "FR", "IT", "PT", "ES", "RU", "PL", "CN"}) {
        SCOPED_TRACE(code);
        const BerichtTexte t = sprache(QLatin1String(code));
        for (const auto& [text, englisch] : {std::pair{t.vorschau, en.vorschau},
                                             {t.drucken, en.drucken},
                                             {t.keineSeite, en.keineSeite},
                                             {t.pdfFehler, en.pdfFehler},
                                             {t.ausgabeFehler, en.ausgabeFehler},
                                             {t.druckerFehlt, en.druckerFehlt}})
            EXPECT_NE(text, englisch);
        EXPECT_TRUE(t.pdfFehler.contains(QLatin1String("%1")));
        EXPECT_TRUE(t.druckerFehlt.contains(QLatin1String("%1")));
        EXPECT_FALSE(t.seite.isEmpty());
    }
}

// Reports are defined in Arial and print in the font the program carries: the widths
// are those of the bundled file, whatever fonts the machine has (DejaVu Sans, the usual
// stand-in, is an eighth wider and would break lines elsewhere).
TEST(ReportFont, ArialPrintsInTheBundledFaceWithItsOwnWidths) {
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(100);
    const QFont f = eigeneSchrift(arial);
    EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(kEigeneSchrift));
    QFile datei(QStringLiteral(":/drel/schriften/LiberationSans-Regular.ttf"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QRawFont roh(datei.readAll(), 100);
    ASSERT_TRUE(roh.isValid());
    const QString text = QStringLiteral("Coefficient of performance (COP) Verflüssigung");
    const QList<quint32> glyphen = roh.glyphIndexesForString(text);
    double breite = 0;
    for (const QPointF& a : roh.advancesForGlyphIndexes(glyphen))
        breite += a.x();
    EXPECT_NEAR(QFontMetricsF(f).horizontalAdvance(text), breite, 0.02 * breite);
    // Other families are the caller's choice.
    EXPECT_EQ(eigeneSchrift(QFont(QStringLiteral("DejaVu Sans"))).family(),
              QStringLiteral("DejaVu Sans"));
}

// Cyrillic prints in the bundled face; Chinese and Korean in the faces the install
// brings, named after the bundled one so that the PDF embeds them.
TEST(ReportFont, EveryScriptOfTheTenLanguagesHasAFaceThatPrintsIt) {
    const QFont f = eigeneSchrift(QFont(QStringLiteral("Arial")));
    ASSERT_EQ(f.families().size(), 2);
    const QString zusatz = f.families().at(1);
    EXPECT_TRUE(zusatz == QLatin1String(kChinesischeSchrift) ||
                zusatz == QLatin1String(kKoreanischeSchrift));
    QFile datei(QStringLiteral(":/drel/schriften/LiberationSans-Regular.ttf"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QRawFont(datei.readAll(), 10).supportsCharacter(QChar(0x0416))); // Ж
    const std::pair<const char*, QFontDatabase::WritingSystem> cjk[] = {
        {kChinesischeSchrift, QFontDatabase::SimplifiedChinese},
        {kKoreanischeSchrift, QFontDatabase::Korean}};
    for (const auto& [familie, schrift] : cjk) {
        SCOPED_TRACE(familie);
        ASSERT_TRUE(QFontDatabase::hasFamily(QLatin1String(familie)))
            << "tools/install-deps.sh installs it";
        EXPECT_TRUE(QFontDatabase::writingSystems(QLatin1String(familie)).contains(schrift));
    }
}

} // namespace
} // namespace drel::bericht::test
