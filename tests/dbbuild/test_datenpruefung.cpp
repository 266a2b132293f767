#include "base/messagesink.h"
#include "buildfixture.h"
#include "db/tablefile.h"
#include "dbbuild/bausperre.h"
#include "dbbuild/datenpruefung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <unistd.h>

using namespace drel;
using namespace drel::db;
using namespace drel::dbbuild;
using drel::testing::BuildTest;

namespace {

class DatenPruefung : public BuildTest {
protected:
    QString standPfad() const { return daten() + QStringLiteral("/Stand.dat"); }
    QString exportPfad() const { return daten() + QStringLiteral("/WukCapacityData.xml"); }

    void exportZeit(const QDateTime& zeit) const {
        QFile f(exportPfad());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(zeit, QFileDevice::FileModificationTime));
    }
    void stand(const QByteArray& inhalt) const {
        QFile f(standPfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray standInhalt() const {
        QFile f(standPfad());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

const QDateTime kMittag(QDate(2006, 5, 31), QTime(12, 0, 0));

} // namespace

TEST(OleDatum, DaysSince30December1899InLocalTime) {
    EXPECT_DOUBLE_EQ(oleDatum(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(oleDatum(kMittag), 38868.5);
    EXPECT_DOUBLE_EQ(oleDatum(QDateTime(QDate(2006, 5, 31), QTime(18, 0, 0, 500))),
                     38868.75 + 0.5 / 86400.0);
    EXPECT_DOUBLE_EQ(oleDatum(kMittag.toUTC()), 38868.5); // converted back to local time
}

TEST(OleDatum, WholeDayRule) {
    EXPECT_FALSE(neuAufbauNoetig(38868.0, 38868.99)); // same day as the last build
    EXPECT_FALSE(neuAufbauNoetig(38868.5, 38868.2));
    EXPECT_TRUE(neuAufbauNoetig(38867.99, 38868.01)); // a later day
    EXPECT_TRUE(neuAufbauNoetig(0.0, 38868.5));       // no Stand.dat
    EXPECT_FALSE(neuAufbauNoetig(0.0, 0.0));          // no export
}

TEST_F(DatenPruefung, StandDatIsReadWithEitherSeparator) {
    EXPECT_EQ(gespeicherterStand(daten()), 0.0); // missing
    stand("38868.5\r\n");
    EXPECT_EQ(gespeicherterStand(daten()), 38868.5);
    stand("38868,25\nrest");
    EXPECT_EQ(gespeicherterStand(daten()), 38868.25);
    setNumberSeparators(NumberSeparators::english());
    EXPECT_EQ(gespeicherterStand(daten()), 38868.25);
    stand("keine Zahl");
    EXPECT_EQ(gespeicherterStand(daten()), 0.0);
    stand("");
    EXPECT_EQ(gespeicherterStand(daten()), 0.0);
}

TEST_F(DatenPruefung, StandDatKeeps15SignificantDigits) {
    const double stempel = oleDatum(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    ASSERT_TRUE(standSchreiben(daten(), stempel));
    EXPECT_TRUE(standInhalt().contains(',')) << standInhalt().toStdString();
    EXPECT_NEAR(gespeicherterStand(daten()), stempel, 1e-9);
    ASSERT_TRUE(standSchreiben(daten(), 45351.0));
    EXPECT_EQ(standInhalt(), "45351\n");
}

TEST_F(DatenPruefung, ExportStampFoundWithoutRegardToCase) {
    exportZeit(kMittag);
    EXPECT_DOUBLE_EQ(exportStempel(daten()), 38868.5);
    QFile::remove(exportPfad());
    EXPECT_EQ(exportStempel(daten()), 0.0);
}

TEST_F(DatenPruefung, BuildsOnlyWhenTheExportIsOfALaterDay) {
    exportZeit(kMittag);
    int gestartet = 0;
    PruefBeobachter beobachter;
    beobachter.bauBeginnt = [&] { ++gestartet; };
    // No Stand.dat: build, then Stand.dat holds the export's full time stamp.
    EXPECT_EQ(dateienPruefen(programm(), beobachter), PruefErgebnis::Gebaut);
    EXPECT_EQ(gestartet, 1);
    EXPECT_EQ(standInhalt(), "38868,5\n");
    EXPECT_TRUE(QFileInfo(daten() + QStringLiteral("/Articles.cds")).isFile());
    // A newer export of the same day builds nothing.
    exportZeit(kMittag.addSecs(3600 * 11));
    EXPECT_EQ(dateienPruefen(programm(), beobachter), PruefErgebnis::Aktuell);
    EXPECT_EQ(gestartet, 1);
    // The next day does; forcing always does.
    exportZeit(kMittag.addDays(1));
    EXPECT_EQ(dateienPruefen(programm(), beobachter), PruefErgebnis::Gebaut);
    EXPECT_EQ(standInhalt(), "38869,5\n");
    EXPECT_EQ(dateienPruefen(programm(), beobachter, true), PruefErgebnis::Gebaut);
    EXPECT_EQ(gestartet, 3);
}

TEST_F(DatenPruefung, NoExportNoBuild) {
    QFile::remove(exportPfad());
    EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::KeinExport);
    EXPECT_FALSE(QFileInfo::exists(standPfad()));
}

// The lock cannot be created in a folder that is not writable: current tables are used
// without a lock and without a word; a build that is due says that the folder cannot be
// written, once, instead of "a build is running" after a wait.
TEST_F(DatenPruefung, ReadOnlyDataFolderUsesCurrentTablesAndNamesItWhenABuildIsDue) {
    exportZeit(kMittag);
    stand("38868\n");
    struct Zuruecksetzen {
        ~Zuruecksetzen() { BauSperre::setNichtAnlegbarFuerTests(false); }
    } zuruecksetzen;
    BauSperre::setNichtAnlegbarFuerTests(true);
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::Aktuell);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_LT(uhr.elapsed(), 1000); // no wait for a build that is not running

    exportZeit(kMittag.addDays(1));
    int gestartet = 0;
    PruefBeobachter beobachter;
    beobachter.bauBeginnt = [&] { ++gestartet; };
    EXPECT_EQ(dateienPruefen(programm(), beobachter), PruefErgebnis::Fehler);
    EXPECT_EQ(gestartet, 0);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.contains(daten())) << sink.messages[0].text.toStdString();
    EXPECT_TRUE(sink.messages[0].text.contains(QStringLiteral("nicht beschreibbar")));
    EXPECT_EQ(standInhalt(), "38868\n");
}

// Real permissions, where the test does not run as root (root writes anywhere).
TEST_F(DatenPruefung, WriteProtectedFolderNeedsNoLockForCurrentTables) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    exportZeit(kMittag);
    stand("38868\n");
    QFile::setPermissions(daten(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    const PruefErgebnis ergebnis = dateienPruefen(programm());
    QFile::setPermissions(daten(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ergebnis, PruefErgebnis::Aktuell);
    EXPECT_TRUE(sink.messages.isEmpty());
}

// What killed atomic writes left of the build's own files goes at the next check;
// foreign files with similar names stay.
TEST_F(DatenPruefung, LeftoversOfKilledWritesAreRemoved) {
    exportZeit(kMittag);
    stand("38868\n");
    for (const char* name : {"Stand.dat.aB3dE9", "Pruefbericht.txt.Q1w2E3",
                             ".Stand.dat.drel-2147483646-zZ9yY8", "Kunden.txt.aB3dE9"}) {
        QFile f(daten() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::Aktuell);
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/Stand.dat.aB3dE9")));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/Pruefbericht.txt.Q1w2E3")));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.Stand.dat.drel-2147483646-zZ9yY8")));
    EXPECT_TRUE(QFileInfo::exists(daten() + QStringLiteral("/Kunden.txt.aB3dE9")));
}

// A link in place of the staging folder is removed as a name; its target keeps its files.
TEST_F(DatenPruefung, StagingLinkIsNeverFollowed) {
    QTemporaryDir fremd;
    ASSERT_TRUE(fremd.isValid());
    QFile wertvoll(fremd.filePath(QStringLiteral("wertvoll.txt")));
    ASSERT_TRUE(wertvoll.open(QIODevice::WriteOnly));
    wertvoll.write("bleibt");
    wertvoll.close();
    ASSERT_TRUE(QFile::link(fremd.path(), daten() + QStringLiteral("/.drel-neu")));
    exportZeit(kMittag);
    EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::Gebaut);
    EXPECT_TRUE(QFileInfo::exists(fremd.filePath(QStringLiteral("wertvoll.txt"))));
    EXPECT_EQ(QDir(fremd.path()).entryList(QDir::Files), QStringList{"wertvoll.txt"});
    EXPECT_FALSE(QFileInfo(daten() + QStringLiteral("/.drel-neu")).exists());
}

TEST_F(DatenPruefung, FailedBuildLeavesStandDatForTheNextStart) {
    exportZeit(kMittag);
    stand("100\n");
    QFile::remove(daten() + QStringLiteral("/Certifications.xml"));
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    bool beendet = false;
    PruefBeobachter beobachter;
    beobachter.bauEndet = [&] { beendet = true; };
    EXPECT_EQ(dateienPruefen(programm(), beobachter), PruefErgebnis::Fehler);
    EXPECT_TRUE(beendet);
    EXPECT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(standInhalt(), "100\n");
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/Articles.cds")));
}
