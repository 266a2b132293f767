// The help files of the program directory: every topic a window opens is in every
// language's file, the print window's topic explains its fields, and the committed
// files are what the generator writes.
#include "tools/catalogue/programmtexte.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel::katalog;

namespace {

QString lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text of one topic: from its anchor to the next heading.
QString thema(const QString& html, int nummer) {
    const QRegularExpression re(
        QStringLiteral("<h2><a[^>]*name=\"%1\"></a>(.*?)(?=<h2>|</body>)").arg(nummer),
        QRegularExpression::DotMatchesEverythingOption);
    return re.match(html).captured(1);
}

class Programmtexte : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        programmtexteSchreiben(ordner.path());
    }
    QTemporaryDir ordner;
};

TEST_F(Programmtexte, EveryTopicAWindowOpensIsInEveryLanguage) {
    // 4 units, 9 search, 11 print window, 12 chart dialogs.
    for (int nummer : {1, 4, 8, 9, 11, 12})
        EXPECT_TRUE(hilfeThemen().contains(nummer)) << nummer;
    for (const QString& code : sprachCodes()) {
        const QString html = lesen(ordner.filePath(QStringLiteral("WUK_") + code + ".hlp"));
        ASSERT_FALSE(html.isEmpty()) << qPrintable(code);
        for (int nummer : hilfeThemen())
            EXPECT_FALSE(thema(html, nummer).isEmpty()) << qPrintable(code) << " " << nummer;
    }
}

TEST_F(Programmtexte, PrintTopicNamesTheFieldsTheEightBoxesAndPdf) {
    const QString de = thema(lesen(ordner.filePath(QStringLiteral("WUK_De.hlp"))), 11);
    for (const char* text : {"Absender-Adresse", "Empfänger-Adresse", "Betreff", "Datum",
                             "Zuständig", "Leistungsdaten", "Technische Daten", "Einsatzgrenzen",
                             "Lieferumfang", "Zubehör", "Maße und Anschlüsse", "Produktfoto",
                             "Tabelle Leistungsdaten", "PDF erstellen", "Vorschau"})
        EXPECT_TRUE(de.contains(QString::fromUtf8(text))) << text;
    const QString en = thema(lesen(ordner.filePath(QStringLiteral("WUK_En.hlp"))), 11);
    EXPECT_TRUE(en.contains(QStringLiteral("eight boxes")));
    EXPECT_TRUE(en.contains(QStringLiteral("Create PDF")));
}

TEST_F(Programmtexte, CommittedHelpFilesAreWhatTheGeneratorWrites) {
    for (const QString& code : sprachCodes()) {
        const QString name = QStringLiteral("WUK_") + code + ".hlp";
        EXPECT_EQ(lesen(ordner.filePath(name)),
                  lesen(QStringLiteral(DREL_SOURCE_DIR "/data/") + name))
            << qPrintable(name) << " differs: run drel-catalogue";
    }
}

} // namespace
