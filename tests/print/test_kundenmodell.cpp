// The print window's state: print selection in WUK.ini, letter files in the
// settings directory, the sections to print.
#include "meldungen.h"
#include "print/kundenmodell.h"
#include "state/sprache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace drel::print {
namespace {

class KundenModellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString datei(const QString& name) const { return ordner.filePath(name); }
    QByteArray lesen(const QString& name) const {
        QFile f(datei(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void schreiben(const QString& name, const QByteArray& inhalt) const {
        QFile f(datei(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    KundenModell modell() const { return KundenModell(ordner.path()); }

    QTemporaryDir ordner;
};

TEST_F(KundenModellTest, FreshSettingsTickAllEightBoxes) {
    KundenModell m = modell();
    m.FormCreate();
    for (int i = 1; i <= 8; ++i)
        EXPECT_TRUE(m.checkBox(i)) << i;
    // Numbers outside 1..8 name no box.
    EXPECT_FALSE(m.checkBox(0));
    EXPECT_FALSE(m.checkBox(9));
}

TEST_F(KundenModellTest, UntickedProductPhotoIsWrittenAsZeroAndReadBack) {
    KundenModell m = modell();
    m.FormCreate();
    m.setCheckBox(6, false);
    ASSERT_TRUE(m.FormClose());
    const QByteArray ini = lesen(QStringLiteral("WUK.ini"));
    EXPECT_TRUE(ini.contains("[Drucken]")) << ini.constData();
    EXPECT_TRUE(ini.contains("CheckBox6=0")) << ini.constData();
    EXPECT_TRUE(ini.contains("CheckBox1=1")) << ini.constData();
    EXPECT_TRUE(ini.contains("CheckBox8=1")) << ini.constData();

    KundenModell wieder = modell();
    wieder.FormCreate();
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(wieder.checkBox(i), i != 6) << i;
}

TEST_F(KundenModellTest, IniValuesAreIntegersAndAnythingElseKeepsTheDefault) {
    schreiben(QStringLiteral("WUK.ini"), "[Andere]\nCheckBox1=0\n"
                                         "[Drucken]\nCheckBox2=0\nCheckBox3=5\nCheckBox4=nein\n"
                                         "CheckBox5=\nCheckBox7=-1\n");
    KundenModell m = modell();
    m.FormCreate();
    EXPECT_TRUE(m.checkBox(1)); // other section
    EXPECT_FALSE(m.checkBox(2));
    EXPECT_TRUE(m.checkBox(3));
    EXPECT_TRUE(m.checkBox(4));
    EXPECT_TRUE(m.checkBox(5));
    EXPECT_TRUE(m.checkBox(7));
    // Writing keeps the other section.
    ASSERT_TRUE(m.FormClose());
    EXPECT_TRUE(lesen(QStringLiteral("WUK.ini")).contains("[Andere]"));
}

TEST_F(KundenModellTest, DateIsTodayOnEveryActivationWhateverDatumDatHolds) {
    KundenModell m = modell();
    m.Edit1 = QStringLiteral("31.12.1999");
    ASSERT_TRUE(m.speichern());
    EXPECT_EQ(lesen(QStringLiteral("datum.dat")), QByteArray("31.12.1999\n"));
    m.readmemo(QDate(2026, 12, 9));
    EXPECT_EQ(m.Edit1, QStringLiteral("9. Dezember 2026")); // a German letter's date
    m.Edit1 = QStringLiteral("geändert");
    m.readmemo(QDate(2027, 1, 2));
    EXPECT_EQ(m.Edit1, QStringLiteral("2. Januar 2027"));
    // The date follows the program's language, not the machine's locale.
    const QLocale vorher;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m.readmemo(QDate(2026, 12, 10));
    EXPECT_EQ(m.Edit1, QStringLiteral("10. Dezember 2026"));
    sprache().setzen(2); // English
    m.readmemo(QDate(2026, 12, 10));
    EXPECT_EQ(m.Edit1, QStringLiteral("10 December 2026"));
    sprache().setzen(1);
    QLocale::setDefault(vorher);
}

TEST_F(KundenModellTest, LetterTextRoundTripsExactly) {
    KundenModell m = modell();
    m.AdrMemo = {QStringLiteral("Kälte Müller GmbH"), QStringLiteral("Hauptstraße 5"), QString(),
                 QStringLiteral("  eingerückt  ")};
    m.kdrMemo = {QStringLiteral("Société Générale"), QStringLiteral("Łódź")};
    m.betreffMemo = {QStringLiteral("Angebot über 1.234,50 €")};
    m.TXTMemo = {QString(), QStringLiteral("Sehr geehrte Damen und Herren,"), QString()};
    m.Edit2 = QStringLiteral("Hr. Weiß");
    ASSERT_TRUE(m.speichern());
    EXPECT_TRUE(lesen(QStringLiteral("betreff.dat")).contains("\xe2\x82\xac")); // UTF-8 euro

    KundenModell wieder = modell();
    wieder.readmemo();
    EXPECT_EQ(wieder.AdrMemo, m.AdrMemo);
    EXPECT_EQ(wieder.kdrMemo, m.kdrMemo);
    EXPECT_EQ(wieder.betreffMemo, m.betreffMemo);
    EXPECT_EQ(wieder.TXTMemo, m.TXTMemo);
    EXPECT_EQ(wieder.Edit2, m.Edit2);

    // An empty memo stays empty, not one empty line.
    m.TXTMemo.clear();
    ASSERT_TRUE(m.speichern());
    wieder.readmemo();
    EXPECT_TRUE(wieder.TXTMemo.isEmpty());
}

TEST_F(KundenModellTest, ReadsWindowsLineBreaksAndUtf16Files) {
    schreiben(QStringLiteral("adr.dat"), "Zeile 1\r\nZeile 2\r\n");
    QByteArray utf16("\xff\xfe", 2);
    for (const char16_t c : u"Grüße\r\nZwei")
        if (c != 0)
            utf16.append(static_cast<char>(c & 0xff)).append(static_cast<char>(c >> 8));
    schreiben(QStringLiteral("kdr.dat"), utf16);
    schreiben(QStringLiteral("zust.dat"), "Frau Öztürk\nzweite Zeile\n");
    KundenModell m = modell();
    m.readmemo();
    EXPECT_EQ(m.AdrMemo, (QStringList{"Zeile 1", "Zeile 2"}));
    EXPECT_EQ(m.kdrMemo, (QStringList{QStringLiteral("Grüße"), "Zwei"}));
    EXPECT_EQ(m.Edit2, QStringLiteral("Frau Öztürk"));
}

TEST_F(KundenModellTest, MissingFilesKeepTheMemos) {
    KundenModell m = modell();
    m.AdrMemo = {QStringLiteral("bleibt")};
    m.Edit2 = QStringLiteral("auch");
    m.readmemo();
    EXPECT_EQ(m.AdrMemo, QStringList{"bleibt"});
    EXPECT_EQ(m.Edit2, QStringLiteral("auch"));
}

TEST_F(KundenModellTest, UnwritableFileIsSkippedAndTheOthersWritten) {
    // A directory in the file's place cannot be written, even by root.
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("kdr.dat")));
    schreiben(QStringLiteral("adr.dat"), "alt\n");
    KundenModell m = modell();
    m.AdrMemo = {QStringLiteral("neu")};
    m.kdrMemo = {QStringLiteral("Empfänger")};
    m.betreffMemo = {QStringLiteral("Betreff")};
    m.TXTMemo = {QStringLiteral("Text")};
    m.Edit1 = QStringLiteral("01.02.26");
    m.Edit2 = QStringLiteral("Zuständig");
    test::Meldungen meldungen;
    EXPECT_FALSE(m.speichern());
    ASSERT_EQ(meldungen.texte().size(), 1); // one message names the file that failed
    EXPECT_TRUE(meldungen.texte().first().contains(datei(QStringLiteral("kdr.dat"))));
    EXPECT_FALSE(meldungen.texte().first().contains(QStringLiteral("adr.dat")));
    EXPECT_EQ(lesen(QStringLiteral("adr.dat")), QByteArray("neu\n"));
    EXPECT_EQ(lesen(QStringLiteral("betreff.dat")), QByteArray("Betreff\n"));
    EXPECT_EQ(lesen(QStringLiteral("text.dat")), QByteArray("Text\n"));
    EXPECT_EQ(lesen(QStringLiteral("datum.dat")), QByteArray("01.02.26\n"));
    EXPECT_EQ(lesen(QStringLiteral("zust.dat")), QString("Zuständig\n").toUtf8());
}

TEST_F(KundenModellTest, UnreadableZustDatIsReportedAndTheRestLoaded) {
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("zust.dat")));
    schreiben(QStringLiteral("adr.dat"), "Absender\n");
    KundenModell m = modell();
    m.Edit2 = QStringLiteral("vorher");
    test::Meldungen meldungen;
    m.readmemo(QDate(2026, 12, 9));
    ASSERT_EQ(meldungen.texte().size(), 1);
    EXPECT_TRUE(meldungen.texte().first().contains(QStringLiteral("zust.dat")));
    EXPECT_EQ(m.Edit2, QStringLiteral("vorher"));
    EXPECT_EQ(m.AdrMemo, QStringList{"Absender"});
    EXPECT_EQ(m.Edit1, QStringLiteral("9. Dezember 2026"));
}

// A FIFO in place of a letter file or of WUK.ini would block a plain open() until
// some writer came; the window opens all the same, with the defaults.
TEST_F(KundenModellTest, FifoInPlaceOfSettingsDoesNotBlock) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(datei(QStringLiteral("kdr.dat"))).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(datei(QStringLiteral("WUK.ini"))).constData(), 0600), 0);
    schreiben(QStringLiteral("adr.dat"), "Absender\n");
    KundenModell m = modell();
    m.setCheckBox(6, false);
    test::Meldungen meldungen;
    m.FormCreate();
    m.readmemo(QDate(2026, 12, 9));
    EXPECT_TRUE(m.checkBox(6));
    EXPECT_TRUE(m.kdrMemo.isEmpty());
    EXPECT_EQ(m.AdrMemo, QStringList{"Absender"});
    ASSERT_EQ(meldungen.texte().size(), 1);
    EXPECT_TRUE(meldungen.texte().first().contains(QStringLiteral("WUK.ini")));
    EXPECT_FALSE(m.FormClose()); // nor is the FIFO replaced by a file
    EXPECT_FALSE(QFileInfo(datei(QStringLiteral("WUK.ini"))).isFile());
}

TEST_F(KundenModellTest, OversizedLetterFileIsNotLoaded) {
    schreiben(QStringLiteral("text.dat"), QByteArray((1 << 20) + 1, 'x'));
    schreiben(QStringLiteral("betreff.dat"), QByteArray(1 << 20, 'y'));
    KundenModell m = modell();
    m.readmemo(QDate(2026, 12, 9));
    EXPECT_TRUE(m.TXTMemo.isEmpty());
    ASSERT_EQ(m.betreffMemo.size(), 1); // exactly at the cap is still read
    EXPECT_EQ(m.betreffMemo.first().size(), 1 << 20);
}

TEST_F(KundenModellTest, SectionsFollowPageOrderTicksAndVisibleTabs) {
    KundenModell m = modell();
    const auto alle = [](Abschnitt) { return true; };
    const std::vector<Abschnitt> seitenfolge{Abschnitt::Leistungsdaten, Abschnitt::TechnischeDaten,
                                             Abschnitt::Einsatzgrenzen, Abschnitt::Lieferumfang,
                                             Abschnitt::Zubehoer,       Abschnitt::Masse,
                                             Abschnitt::Produktfoto,    Abschnitt::TabelleLeistung};
    EXPECT_EQ(m.abschnitte(alle), seitenfolge);
    // Performance data has no tab: it prints without a data sheet's tabs.
    EXPECT_EQ(m.abschnitte(nullptr), std::vector<Abschnitt>{Abschnitt::Leistungsdaten});

    // Each box selects its own section (box 7 the first page, box 8 the last).
    for (int nummer = 1; nummer <= 8; ++nummer) {
        for (int i = 1; i <= 8; ++i)
            m.setCheckBox(i, i == nummer);
        const auto liste = m.abschnitte(alle);
        ASSERT_EQ(liste.size(), 1u) << nummer;
        EXPECT_EQ(checkBoxNummer(liste.front()), nummer);
    }

    for (int i = 1; i <= 8; ++i)
        m.setCheckBox(i, true);
    m.setCheckBox(4, false);
    const auto ohneFoto = [](Abschnitt a) { return a != Abschnitt::Produktfoto; };
    const Druckauswahl auswahl = m.druckauswahl(ohneFoto, QStringLiteral("Seite"));
    EXPECT_EQ(auswahl.abschnitte,
              (std::vector<Abschnitt>{Abschnitt::Leistungsdaten, Abschnitt::TechnischeDaten,
                                      Abschnitt::Einsatzgrenzen, Abschnitt::Lieferumfang,
                                      Abschnitt::Masse, Abschnitt::TabelleLeistung}));
    EXPECT_TRUE(auswahl.enthaelt(Abschnitt::Masse));
    EXPECT_FALSE(auswahl.enthaelt(Abschnitt::Zubehoer));
    EXPECT_EQ(auswahl.brief.seite, QStringLiteral("Seite"));
}

TEST(BerichtSprache, ProgramCodesChooseTheEngineLanguage) {
    EXPECT_EQ(berichtSprache(QStringLiteral("De")), QStringLiteral("DE"));
    EXPECT_EQ(berichtSprache(QStringLiteral("Ko")), QStringLiteral("EN"));
    EXPECT_EQ(berichtSprache(QStringLiteral("KO")), QStringLiteral("EN"));
    EXPECT_EQ(berichtSprache(QStringLiteral("Cn")), QStringLiteral("CN"));
    EXPECT_EQ(berichtSprache(QStringLiteral("XX")), QString());
    EXPECT_EQ(berichtSprachDatei(QStringLiteral("De")), QStringLiteral("German.xml"));
    EXPECT_EQ(berichtSprachDatei(QStringLiteral("Ko")), QStringLiteral("English.xml"));
    EXPECT_EQ(berichtSprachDatei(QStringLiteral("Pt")), QStringLiteral("Portuguese.xml"));
    EXPECT_EQ(berichtSprachDatei(QStringLiteral("Cn")), QStringLiteral("Chinese.xml"));
    EXPECT_EQ(berichtSprachDatei(QStringLiteral("Jp")), QString());
}

} // namespace
} // namespace drel::print
