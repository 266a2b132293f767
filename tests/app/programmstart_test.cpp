#include "app/programmstart.h"
#include "base/messagesink.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/suchini.h"
#include "tests/support/testumgebung.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace drel {
namespace {

using test::dateiLesen;
using test::dateiSchreiben;

constexpr QFileDevice::Permissions kNurLesen = QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther;

class Start : public test::AppUmgebung {
protected:
    // A program directory as installed: the library, the 38 fluid files (read-only, as
    // they come from the installation medium) and the uninstaller.
    void installieren() {
        dateiSchreiben(programm + QStringLiteral("/ASEREP32.dll"), "library 1");
        dateiSchreiben(programm + QStringLiteral("/WUKDeinst.dll"), "uninstaller");
        QFile(programm + QStringLiteral("/WUKDeinst.dll")).setPermissions(kNurLesen);
        for (const QString& name : Programmstart::fluidDateien()) {
            const QString datei = quelle(name);
            dateiSchreiben(datei, "fluid " + name.toLatin1());
            QFile(datei).setPermissions(kNurLesen);
        }
    }

    QString quelle(const QString& name) const {
        return programm + QStringLiteral("/reflibs/") + name + QStringLiteral(".ref");
    }
    QString kopie(const QString& name) const {
        return einstellungen + QStringLiteral("/Reflibs/") + name + QStringLiteral(".ref");
    }

    void starten() {
        verzeichnisse() = Verzeichnisse{};
        Programmstart start(programm, dokumente);
        start.ausfuehren();
    }

    static bool beschreibbar(const QString& datei) {
        return QFileInfo(datei).permissions().testFlag(QFileDevice::WriteOwner);
    }
};

TEST_F(Start, FirstStartCreatesTheSettingsDirectoryAndCopiesEverything) {
    installieren();
    RecordingSink meldungen;
    ScopedMessageSink guard(&meldungen);
    ASSERT_FALSE(QFileInfo::exists(einstellungen));

    starten();

    EXPECT_EQ(verzeichnisse().programm, programm);
    EXPECT_EQ(verzeichnisse().dokumente, dokumente);
    EXPECT_EQ(verzeichnisse().einstellungen, einstellungen);
    EXPECT_TRUE(QFileInfo(einstellungen).isDir());
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(einstellungen).canonicalFilePath());
    EXPECT_EQ(dateiLesen(einstellungen + QStringLiteral("/aserep32.dll")), "library 1");
    EXPECT_EQ(dateiLesen(dokumente + QStringLiteral("/WUKDeinst.dll")), "uninstaller");
    EXPECT_EQ(QDir(einstellungen + QStringLiteral("/Reflibs")).entryList(QDir::Files).size(),
              Programmstart::fluidDateien().size());
    EXPECT_EQ(Programmstart::fluidDateien().size(), 38);
    for (const QString& name : Programmstart::fluidDateien())
        EXPECT_EQ(dateiLesen(kopie(name)), "fluid " + name.toLatin1()) << name.toStdString();
    // No search.ini yet: German.
    EXPECT_FALSE(QFileInfo::exists(suchIni()));
    EXPECT_EQ(sprache().nummer, 1);
    EXPECT_EQ(sprache().kurzCode, QStringLiteral("De"));
    EXPECT_TRUE(meldungen.messages.isEmpty());
}

TEST_F(Start, CopiesAreWritableExceptTheLastThreeFluids) {
    installieren();
    starten();
    EXPECT_TRUE(beschreibbar(dokumente + QStringLiteral("/WUKDeinst.dll")));
    const QStringList& namen = Programmstart::fluidDateien();
    for (int i = 0; i < namen.size(); ++i) {
        const bool behaeltAttribute = namen[i] == QStringLiteral("R14") ||
                                      namen[i] == QStringLiteral("R227") ||
                                      namen[i] == QStringLiteral("R744");
        EXPECT_EQ(beschreibbar(kopie(namen[i])), !behaeltAttribute) << namen[i].toStdString();
    }
}

TEST_F(Start, SecondStartOverwritesFluidsButKeepsTheLibrary) {
    installieren();
    starten();
    dateiSchreiben(programm + QStringLiteral("/ASEREP32.dll"), "library 2");
    for (const char* name : {"R22", "R744"}) {
        QFile(quelle(QString::fromLatin1(name)))
            .setPermissions(kNurLesen | QFileDevice::WriteOwner);
        dateiSchreiben(quelle(QString::fromLatin1(name)), QByteArray("updated ") + name);
    }

    starten();

    EXPECT_EQ(dateiLesen(einstellungen + QStringLiteral("/aserep32.dll")), "library 1");
    EXPECT_EQ(dateiLesen(kopie(QStringLiteral("R22"))), "updated R22");
    EXPECT_EQ(dateiLesen(kopie(QStringLiteral("R744"))), "updated R744")
        << "a read-only copy from the last start is still replaced";

    QFile::remove(einstellungen + QStringLiteral("/aserep32.dll"));
    starten();
    EXPECT_EQ(dateiLesen(einstellungen + QStringLiteral("/aserep32.dll")), "library 2");
}

TEST_F(Start, SourcesAreFoundWithoutRegardToCaseAndMissingOnesAreSkipped) {
    dateiSchreiben(programm + QStringLiteral("/aserep32.DLL"), "library");
    dateiSchreiben(programm + QStringLiteral("/REFLIBS/r134A.REF"), "r134a");
    RecordingSink meldungen;
    ScopedMessageSink guard(&meldungen);

    starten();

    EXPECT_EQ(dateiLesen(einstellungen + QStringLiteral("/aserep32.dll")), "library");
    EXPECT_EQ(dateiLesen(kopie(QStringLiteral("R134a"))), "r134a");
    EXPECT_EQ(QDir(einstellungen + QStringLiteral("/Reflibs")).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(dokumente + QStringLiteral("/WUKDeinst.dll")));
    EXPECT_TRUE(meldungen.messages.isEmpty()) << "missing sources are not reported";
}

TEST_F(Start, ProgramDirectoryIsTheWorkingDirectoryNotTheInstallation) {
    installieren();
    // Another directory with its own library: started there, it is the program directory.
    const QString anderes = tmp_.filePath(QStringLiteral("woanders"));
    dateiSchreiben(anderes + QStringLiteral("/ASEREP32.dll"), "other library");
    QDir::setCurrent(anderes);

    verzeichnisse() = Verzeichnisse{};
    Programmstart start(QDir::currentPath(), dokumente);
    start.ausfuehren();

    EXPECT_EQ(QFileInfo(verzeichnisse().programm).canonicalFilePath(),
              QFileInfo(anderes).canonicalFilePath());
    EXPECT_EQ(dateiLesen(einstellungen + QStringLiteral("/aserep32.dll")), "other library");
    EXPECT_FALSE(QFileInfo::exists(kopie(QStringLiteral("R22"))));
}

TEST_F(Start, StartResetsSharedStateAndReadsTheLanguage) {
    betriebspunkt().t0 = 3;
    betriebspunkt().kaeltemittel = QStringLiteral("R22");
    programmschalter().LukoModus = true;
    programmschalter().LetzteFrequenz = 60;
    dateiSchreiben(suchIni(), test::fixture("search_en.ini"));

    starten();

    EXPECT_EQ(betriebspunkt().t0, -10.0);
    EXPECT_EQ(betriebspunkt().tc, 45.0);
    EXPECT_EQ(betriebspunkt().kaeltemittel, QStringLiteral("R404A, R507"));
    EXPECT_FALSE(programmschalter().LukoModus);
    EXPECT_EQ(programmschalter().LetzteFrequenz, 0.0);
    EXPECT_EQ(sprache().nummer, 2);
    EXPECT_EQ(sprache().kurzCode, QStringLiteral("En"));
    EXPECT_EQ(sprache().code, QStringLiteral("En"));
}

// A write killed at the last start left its temporary files; the start removes them
// and nothing else.
TEST_F(Start, LeftoversOfKilledSettingsWritesAreRemoved) {
    QDir().mkpath(einstellungen);
    dateiSchreiben(suchIni(), test::fixture("search_en.ini"));
    dateiSchreiben(einstellungen + QStringLiteral("/search.ini.a1B2c3"), "halb");
    dateiSchreiben(einstellungen + QStringLiteral("/.units.dat.drel-2147483646-Zz9Yy8"), "halb");
    dateiSchreiben(einstellungen + QStringLiteral("/Kunde.ini.a1B2c3"), "fremd");
    starten();
    EXPECT_FALSE(QFileInfo::exists(einstellungen + QStringLiteral("/search.ini.a1B2c3")));
    EXPECT_FALSE(
        QFileInfo::exists(einstellungen + QStringLiteral("/.units.dat.drel-2147483646-Zz9Yy8")));
    EXPECT_TRUE(QFileInfo::exists(einstellungen + QStringLiteral("/Kunde.ini.a1B2c3")));
    EXPECT_EQ(sprache().nummer, 2);
}

TEST_F(Start, ShutdownWritesTheLanguageEvenWithoutAFile) {
    starten();
    sprache().setzen(3);
    ASSERT_TRUE(Programmstart::beenden());
    Sprache gelesen;
    ASSERT_TRUE(spracheLesen(suchIni(), gelesen));
    EXPECT_EQ(gelesen.nummer, 3);
    EXPECT_EQ(gelesen.code, QStringLiteral("Fr"));
    // The next start comes up in that language.
    starten();
    EXPECT_EQ(sprache().kurzCode, QStringLiteral("Fr"));
}

TEST(Verzeichnisse, DocumentsFolderWithoutTrailingSlashAndFallback) {
    const Verzeichnisse dirs = Programmstart::verzeichnisseFuer(QStringLiteral("/opt/drel/"),
                                                                QStringLiteral("/home/u/Docs/"));
    EXPECT_EQ(dirs.programm, QStringLiteral("/opt/drel"));
    EXPECT_EQ(dirs.dokumente, QStringLiteral("/home/u/Docs"));
    EXPECT_EQ(dirs.einstellungen, QStringLiteral("/home/u/Docs/DrelWUK"));
    EXPECT_EQ(
        Programmstart::verzeichnisseFuer(QStringLiteral("/opt/drel"), QString()).einstellungen,
        QStringLiteral("/DrelWUK"));
}

TEST(Sprachcodes, NumbersGiveTheirCodes) {
    EXPECT_EQ(sprachCode(9), QStringLiteral("Cn"));
    EXPECT_EQ(sprachCode(3), QStringLiteral("Fr"));
    EXPECT_EQ(sprachCode(11), QStringLiteral("En"));
    EXPECT_EQ(sprachCode(0), QStringLiteral("De"));
    EXPECT_EQ(sprachCode(-4), QStringLiteral("De"));
}

} // namespace
} // namespace drel
