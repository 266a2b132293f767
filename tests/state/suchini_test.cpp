#include "state/sprache.h"
#include "state/suchini.h"
#include "tests/support/testumgebung.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace drel {
namespace {

using test::dateiLesen;
using test::dateiSchreiben;
using test::fixture;

class SuchIniSprache : public test::AppUmgebung {
protected:
    void SetUp() override {
        AppUmgebung::SetUp();
        QDir().mkpath(einstellungen);
    }

    // Writes the fixture record after `aendern` has changed it, then reads the language.
    template <typename F> Sprache lesenNach(F aendern) {
        QByteArray daten = fixture("search_en.ini");
        aendern(daten);
        dateiSchreiben(suchIni(), daten);
        Sprache ergebnis;
        EXPECT_TRUE(spracheLesen(suchIni(), ergebnis));
        return ergebnis;
    }
};

void nummerSetzen(QByteArray& daten, qint32 nummer) {
    qToLittleEndian<qint32>(nummer, daten.data() + 288);
}

TEST_F(SuchIniSprache, ReadsNumberAndBothCodes) {
    const Sprache s = lesenNach([](QByteArray& d) {
        nummerSetzen(d, 9);
        d.replace(256, 4,
                  QByteArray("\x03"
                             "CnX",
                             4));
        d.replace(292, 3,
                  QByteArray("\x02"
                             "Cn",
                             3));
    });
    EXPECT_EQ(s.nummer, 9);
    EXPECT_EQ(s.kurzCode, QStringLiteral("Cn")) << "only two characters of the short code";
    EXPECT_EQ(s.code, QStringLiteral("Cn"));
}

TEST_F(SuchIniSprache, EmptyShortCodeMeansGermanButKeepsTheNumber) {
    const Sprache s = lesenNach([](QByteArray& d) {
        d[256] = 0;
        nummerSetzen(d, 4);
    });
    EXPECT_EQ(s.nummer, 4);
    EXPECT_EQ(s.kurzCode, QStringLiteral("De"));
    EXPECT_EQ(s.code, QStringLiteral("De"));
}

TEST_F(SuchIniSprache, EmptyOrdinaryCodeTakesTheShortOne) {
    const Sprache s = lesenNach([](QByteArray& d) { d[292] = 0; });
    EXPECT_EQ(s.code, QStringLiteral("En"));
}

TEST_F(SuchIniSprache, NumberOutOfRangeFallsBackToOne) {
    for (const qint32 nummer : {0, 11, -1, 0x7fffffff}) {
        const Sprache s = lesenNach([nummer](QByteArray& d) { nummerSetzen(d, nummer); });
        EXPECT_EQ(s.nummer, 1) << nummer;
        EXPECT_EQ(s.kurzCode, QStringLiteral("En")) << "the codes are separate fields";
    }
}

TEST_F(SuchIniSprache, OverlongLengthBytesStayInsideTheirFields) {
    const Sprache s = lesenNach([](QByteArray& d) {
        d[256] = static_cast<char>(255);
        d[292] = static_cast<char>(255);
    });
    EXPECT_EQ(s.kurzCode, QStringLiteral("En"));
    EXPECT_EQ(s.code.size(), 30);
    EXPECT_TRUE(s.code.startsWith(QStringLiteral("En")));
}

TEST_F(SuchIniSprache, ShortOrMissingFile) {
    // Up to the short code but not the number: the code is taken, the number stays 1.
    dateiSchreiben(suchIni(), fixture("search_en.ini").left(290));
    Sprache s;
    EXPECT_TRUE(spracheLesen(suchIni(), s));
    EXPECT_EQ(s.nummer, 1);
    EXPECT_EQ(s.kurzCode, QStringLiteral("En"));

    dateiSchreiben(suchIni(), QByteArray(7, '\x05'));
    EXPECT_TRUE(spracheLesen(suchIni(), s));
    EXPECT_EQ(s.nummer, 1);
    EXPECT_EQ(s.kurzCode, QStringLiteral("De"));
    EXPECT_EQ(s.code, QStringLiteral("De"));

    QFile::remove(suchIni());
    Sprache unveraendert;
    unveraendert.setzen(6);
    EXPECT_FALSE(spracheLesen(suchIni(), unveraendert));
    EXPECT_EQ(unveraendert.code, QStringLiteral("Es"));
}

TEST_F(SuchIniSprache, ShutdownPreservesEveryOtherByte) {
    const QByteArray vorher = fixture("search_en.ini");
    dateiSchreiben(suchIni(), vorher);
    Sprache ru;
    ru.setzen(7);
    ASSERT_TRUE(spracheSchreiben(suchIni(), ru));

    const QByteArray nachher = dateiLesen(suchIni());
    ASSERT_EQ(nachher.size(), 324);
    for (int i = 0; i < 324; ++i) {
        if ((i >= 256 && i <= 258) || (i >= 288 && i <= 294))
            continue;
        EXPECT_EQ(nachher[i], vorher[i]) << "byte " << i;
    }
    Sprache gelesen;
    ASSERT_TRUE(spracheLesen(suchIni(), gelesen));
    EXPECT_EQ(gelesen.nummer, 7);
    EXPECT_EQ(gelesen.kurzCode, QStringLiteral("Ru"));
    EXPECT_EQ(gelesen.code, QStringLiteral("Ru"));
}

TEST_F(SuchIniSprache, ShutdownWithoutFileWritesTheDefaultRecord) {
    Sprache ko;
    ko.setzen(10);
    ASSERT_TRUE(spracheSchreiben(suchIni(), ko));
    SuchRec erwartet;
    erwartet.kurzCode = erwartet.code = QStringLiteral("Ko");
    erwartet.sprachNummer = 10;
    EXPECT_EQ(dateiLesen(suchIni()), erwartet.schreiben());
}

TEST_F(SuchIniSprache, ShutdownCompletesAShortFileAndCutsALongOne) {
    const QByteArray anfang = fixture("search_en.ini").left(100);
    dateiSchreiben(suchIni(), anfang);
    ASSERT_TRUE(spracheSchreiben(suchIni(), Sprache{}));
    QByteArray nachher = dateiLesen(suchIni());
    ASSERT_EQ(nachher.size(), 324);
    EXPECT_EQ(nachher.left(100), anfang);
    EXPECT_EQ(nachher.mid(186), SuchRec::defaults().schreiben().mid(186));

    dateiSchreiben(suchIni(), fixture("search_en.ini") + QByteArray(80, 'z'));
    ASSERT_TRUE(spracheSchreiben(suchIni(), Sprache{}));
    nachher = dateiLesen(suchIni());
    EXPECT_EQ(nachher.size(), 324);
    EXPECT_EQ(nachher.left(256), fixture("search_en.ini").left(256));
}

// A letter writes its date out in its own language, without the weekday and
// whatever the machine's locale.
TEST(BriefDatum, WrittenOutInTheLettersLanguage) {
    const QDate tag(2026, 12, 10);
    EXPECT_EQ(briefDatum(tag, QStringLiteral("De")), QStringLiteral("10. Dezember 2026"));
    EXPECT_EQ(briefDatum(tag, QStringLiteral("En")), QStringLiteral("10 December 2026"));
    EXPECT_EQ(briefDatum(tag, QStringLiteral("Fr")), QStringLiteral("10 décembre 2026"));
    // Russian and Polish take the month in the genitive; Chinese has its weekday last.
    EXPECT_TRUE(
        briefDatum(tag, QStringLiteral("Ru")).startsWith(QStringLiteral("10 декабря 2026")));
    EXPECT_EQ(briefDatum(tag, QStringLiteral("Pl")), QStringLiteral("10 grudnia 2026"));
    EXPECT_EQ(briefDatum(tag, QStringLiteral("Cn")), QStringLiteral("2026年12月10日"));
    for (const auto& e : sprachTabelle()) {
        const QString d = briefDatum(tag, QString::fromLatin1(e.code));
        EXPECT_TRUE(d.contains(QStringLiteral("2026"))) << e.code;
        EXPECT_FALSE(d.contains(sprachLocale(QString::fromLatin1(e.code)).dayName(4))) << e.code;
    }
}

// The menu bar drops the "(&X)" that Korean and Chinese titles end in, and only that:
// a title without it (the sheet's extras menu) keeps every character.
TEST(MenueLeistenTitel, CutsOnlyTheAcceleratorSuffix) {
    EXPECT_EQ(menueLeistenTitel(QStringLiteral("옵션(&O)"), QStringLiteral("Ko")),
              QStringLiteral("옵션"));
    EXPECT_EQ(menueLeistenTitel(QStringLiteral("选项(&O)"), QStringLiteral("Cn")),
              QStringLiteral("选项"));
    EXPECT_EQ(menueLeistenTitel(QStringLiteral("기타"), QStringLiteral("Ko")),
              QStringLiteral("기타"));
    EXPECT_EQ(menueLeistenTitel(QStringLiteral("附加"), QStringLiteral("Cn")),
              QStringLiteral("附加"));
    EXPECT_EQ(menueLeistenTitel(QStringLiteral("E&xtras(&X)"), QStringLiteral("De")),
              QStringLiteral("E&xtras(&X)"));
}

} // namespace
} // namespace drel
