// Translation files are checked before QTranslator reads them: the ten files of the
// build pass, damaged copies are refused or at least never make a lookup crash, and
// a damaged file of the stored language turns the program German with a message.
#include "base/messagesink.h"
#include "i18n/qmpruefung.h"
#include "i18n/uebersetzer.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::i18n {
namespace {

QByteArray qm(const char* code) {
    QFile f(QStringLiteral(DREL_QM_DIR "/drel_%1.qm").arg(QLatin1String(code)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ablegen(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

TEST(QmPruefung, EveryBuiltTranslationPassesAndAnswersTheProbes) {
    QTemporaryDir dir;
    for (const char* code : {"de", "en", "fr", "it", "pt", "es", "ru", "pl", "cn", "ko"}) {
        const QByteArray inhalt = qm(code);
        ASSERT_FALSE(inhalt.isEmpty()) << code;
        QString grund;
        EXPECT_TRUE(qmPruefen(inhalt, &grund)) << code << ": " << grund.toStdString();
        const QString datei = dir.filePath(QStringLiteral("x.qm"));
        ablegen(datei, inhalt);
        QByteArray gehalten;
        EXPECT_TRUE(Uebersetzer::dateiPruefenUndLaden(datei, gehalten, grund)) << code;
    }
}

TEST(QmPruefung, ForeignOrCutFilesAreRefused) {
    const QByteArray en = qm("en");
    QString grund;
    EXPECT_FALSE(qmPruefen(QByteArray("kein qm"), &grund));
    EXPECT_FALSE(qmPruefen(en.left(en.size() / 2), &grund)); // a block runs past the end
    EXPECT_FALSE(grund.isEmpty());
    // Only the 16-byte header: loads as an empty translator, which the probe refuses.
    QTemporaryDir dir;
    ablegen(dir.filePath(QStringLiteral("leer.qm")), en.left(16));
    QByteArray gehalten;
    EXPECT_FALSE(Uebersetzer::dateiPruefenUndLaden(dir.filePath(QStringLiteral("leer.qm")),
                                                   gehalten, grund));
    EXPECT_EQ(grund, QStringLiteral("bekannte Texte fehlen"));
}

// A byte flipped anywhere in the body: the check refuses the file, or what it lets
// through answers every lookup without reading outside the file (ASan sees it).
TEST(QmPruefung, FlippedBytesNeverReachALookupThatCrashes) {
    const QByteArray en = qm("en");
    ASSERT_GT(en.size(), 1000);
    int abgelehnt = 0;
    for (qsizetype pos = 16; pos < en.size(); pos += 7) {
        for (const char maske : {'\x01', '\x80', '\xff'}) {
            QByteArray kaputt = en;
            kaputt[pos] = static_cast<char>(kaputt[pos] ^ maske);
            if (!qmPruefen(kaputt)) {
                ++abgelehnt;
                continue;
            }
            QTranslator t;
            if (!t.load(reinterpret_cast<const uchar*>(kaputt.constData()),
                        static_cast<int>(kaputt.size())))
                continue;
            for (const char* quelle : {"Neu in dieser Version", "Drel im Internet", "Copyright"})
                (void)t.translate("drel::ui::TFrmMenue", quelle);
            (void)t.translate("drel::ui::TFrmSuche", "Suchen", nullptr, 2);
        }
    }
    EXPECT_GT(abgelehnt, 0);
}

class UebersetzerStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sinkGuard = std::make_unique<ScopedMessageSink>(&sink);
        Uebersetzer::instanz().setSuchOrte({dir.path()});
    }
    void TearDown() override {
        Uebersetzer::instanz().setSuchOrte({});
        sprache() = Sprache{};
    }
    QTemporaryDir dir;
    RecordingSink sink;
    std::unique_ptr<ScopedMessageSink> sinkGuard;
};

TEST_F(UebersetzerStart, DamagedFileOfTheStoredLanguageStartsInGermanAndNamesIt) {
    QByteArray en = qm("en");
    // Flip the bytes of the hash table's first offset: the crash of the field report.
    const qsizetype hashes = en.indexOf('\x42', 16);
    ASSERT_GT(hashes, 0);
    for (qsizetype i = hashes + 9; i < hashes + 13; ++i)
        en[i] = static_cast<char>(en[i] ^ 0x7f);
    ablegen(dir.filePath(QStringLiteral("drel_en.qm")), en);
    ablegen(dir.filePath(QStringLiteral("drel_de.qm")), qm("de"));

    sprache().setzen(2); // English, as search.ini had it
    EXPECT_TRUE(Uebersetzer::instanz().laden(sprache().code));
    EXPECT_EQ(sprache().nummer, 1);
    EXPECT_EQ(sprache().code, QStringLiteral("De"));
    EXPECT_EQ(Uebersetzer::instanz().code(), QStringLiteral("De"));
    EXPECT_EQ(QCoreApplication::translate("drel::ui::TFrmMenue", "Neu in dieser Version"),
              QStringLiteral("Neu in dieser Version"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.contains(dir.filePath(QStringLiteral("drel_en.qm"))))
        << sink.messages[0].text.toStdString();

    // A sound file of the language is used as before.
    ablegen(dir.filePath(QStringLiteral("drel_en.qm")), qm("en"));
    sprache().setzen(2);
    EXPECT_TRUE(Uebersetzer::instanz().laden(sprache().code));
    EXPECT_EQ(sprache().nummer, 2);
    EXPECT_EQ(QCoreApplication::translate("drel::ui::TFrmMenue", "Neu in dieser Version"),
              QStringLiteral("New in this version"));
    EXPECT_EQ(sink.messages.size(), 1);
}

// Qt's own dialogs speak the program's language: its catalogue comes along with the
// program's (the test command installs Qt's translations).
TEST_F(UebersetzerStart, QtsOwnTextsFollowTheProgramLanguage) {
    const QString katalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(katalog + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's translations are not installed";
    ablegen(dir.filePath(QStringLiteral("drel_de.qm")), qm("de"));
    ablegen(dir.filePath(QStringLiteral("drel_en.qm")), qm("en"));
    Uebersetzer::instanz().laden(QStringLiteral("De"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    Uebersetzer::instanz().laden(QStringLiteral("En"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    Uebersetzer::instanz().laden(QStringLiteral("Fr"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    Uebersetzer::instanz().laden(QStringLiteral("De"));
}

} // namespace
} // namespace drel::i18n

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
