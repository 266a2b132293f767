// The help files of the program directory: every topic a window opens is in every
// language's file, the print window's topic explains its fields, and the committed
// files are what the generator writes.
#include "base/rtftext.h"
#include "tools/catalogue/programmtexte.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
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

// The share of a text's words that the English text has as well, leaving out the
// names both languages keep. A copy of the English text gives 1.
double englischerAnteil(const QString& text, const QString& englisch) {
    static const QSet<QString> namen{"drel", "wuk",   "daten", "pdf", "qn", "lv", "co2", "r410a",
                                     "r744", "r407c", "en",    "t0",  "tc", "ok", "f1"};
    const QRegularExpression wort(QStringLiteral("[\\p{L}\\p{N}]{2,}"));
    QSet<QString> englischeWoerter;
    for (const auto& m : wort.globalMatch(englisch))
        englischeWoerter.insert(m.captured().toLower());
    int alle = 0, gleich = 0;
    for (const auto& m : wort.globalMatch(text)) {
        const QString w = m.captured().toLower();
        if (namen.contains(w) || w.front().isDigit())
            continue;
        ++alle;
        gleich += englischeWoerter.contains(w) ? 1 : 0;
    }
    return alle == 0 ? 1.0 : static_cast<double>(gleich) / alle;
}

QString ohneMarkup(const QString& html) {
    return QString(html).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
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

// Every language beyond German and English has its own wording of every help topic
// and of every note file; only names and numbers stay as in English.
TEST_F(Programmtexte, EveryLanguageHasItsOwnTextsNotEnglishCopies) {
    auto datei = [this](const QString& name) {
        QFile f(ordner.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    auto text = [&](const QString& muster, const QString& code) {
        const QByteArray roh = datei(muster.arg(code));
        if (muster.endsWith(QLatin1String(".rtf")))
            return ohneMarkup(drel::rtfZuHtml(roh));
        const QString utf8 = QString::fromUtf8(roh);
        return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(roh) : utf8;
    };
    const QString hilfeEn = lesen(ordner.filePath(QStringLiteral("WUK_En.hlp")));
    for (const QString& code : sprachCodes()) {
        if (code == u"De" || code == u"En")
            continue;
        SCOPED_TRACE(qPrintable(code));
        const QString hilfe = lesen(ordner.filePath(QStringLiteral("WUK_") + code + ".hlp"));
        for (int nummer : hilfeThemen()) {
            const QString t = thema(hilfe, nummer);
            ASSERT_FALSE(t.isEmpty()) << nummer;
            EXPECT_LT(englischerAnteil(ohneMarkup(t), ohneMarkup(thema(hilfeEn, nummer))), 0.3)
                << nummer << ": " << qPrintable(t);
        }
        for (const char* muster :
             {"Info1%1.rtf", "Readme-%1.rtf", "LV%1.txt", "Qo_%1.rtf", "Qo1_%1.rtf"}) {
            const QString t = text(QLatin1String(muster), code);
            ASSERT_FALSE(t.trimmed().isEmpty()) << muster;
            EXPECT_LT(englischerAnteil(t, text(QLatin1String(muster), QStringLiteral("En"))), 0.3)
                << muster << ": " << qPrintable(t);
        }
    }
    // The Russian, Chinese and Korean texts keep their script through the RTF escapes.
    EXPECT_TRUE(text(QStringLiteral("Qo_%1.rtf"), QStringLiteral("Ru"))
                    .contains(QStringLiteral("Холодопроизводительность")));
    EXPECT_TRUE(text(QStringLiteral("Info1%1.rtf"), QStringLiteral("Ko"))
                    .contains(QStringLiteral("카탈로그")));
    EXPECT_TRUE(
        text(QStringLiteral("LV%1.txt"), QStringLiteral("Cn")).contains(QStringLiteral("压缩机")));
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

TEST_F(Programmtexte, CommittedTextFilesAreWhatTheGeneratorWrites) {
    for (const QString& code : sprachCodes())
        for (const char* muster : {"WUK_%1.hlp", "Info1%1.rtf", "Readme-%1.rtf", "LV%1.txt",
                                   "Qo_%1.rtf", "Qo1_%1.rtf"}) {
            const QString name = QLatin1String(muster).arg(code);
            QFile neu(ordner.filePath(name));
            QFile alt(QStringLiteral(DREL_SOURCE_DIR "/data/") + name);
            ASSERT_TRUE(neu.open(QIODevice::ReadOnly) && alt.open(QIODevice::ReadOnly))
                << qPrintable(name);
            EXPECT_TRUE(neu.readAll() == alt.readAll())
                << qPrintable(name) << " differs: run drel-catalogue";
        }
}

} // namespace
