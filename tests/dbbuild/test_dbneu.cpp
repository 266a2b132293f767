#include "base/messagesink.h"
#include "buildfixture.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"
#include "dbbuild/bausperre.h"
#include "dbbuild/dbneu.h"

#include <QFileInfo>
#include <sys/wait.h>
#include <unistd.h>

using namespace drel;
using namespace drel::db;
using namespace drel::dbbuild;
using drel::testing::BuildTest;

namespace {

Value wert(const TablePtr& t, int row, const char* feld) {
    const int pos = t->fieldIndex(QLatin1String(feld));
    if (pos < 0)
        throw std::runtime_error(feld);
    return t->rows()[static_cast<size_t>(row)][static_cast<size_t>(pos)];
}

class DBNeuTest : public BuildTest {
protected:
    TablePtr laden(const char* datei) const {
        return loadTableFile(daten() + '/' + QLatin1String(datei));
    }
    void schreiben(const QString& datei, const QByteArray& inhalt) const {
        QFile f(daten() + '/' + datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    // Writes a one-row Motors table as the "old" database.
    void alteTabellen() const {
        for (const TableDef& def : produktTabellen())
            writeTableFile(daten() + '/' + def.fileName, def, {});
        Row alt(tabelle(u"Motors")->fields.size());
        alt[0] = qint32{1};
        alt[1] = QStringLiteral("ALT");
        writeTableFile(daten() + QStringLiteral("/Motors.cds"), *tabelle(u"Motors"), {alt});
        schreiben(QStringLiteral("Stand.dat"), "12345\n");
    }
};

} // namespace

TEST_F(DBNeuTest, BuildsAll24TablesFromTheExports) {
    DBNeu bau(daten());
    std::vector<int> schritte;
    bau.setFortschritt([&](int s, int n, const QString&) {
        EXPECT_EQ(n, 24);
        schritte.push_back(s);
    });
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    ASSERT_TRUE(bau.dbNeuAufbauen());
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(schritte.size(), 24u);
    EXPECT_EQ(schritte.back(), 24);
    for (const TableDef& def : produktTabellen())
        EXPECT_TRUE(QFileInfo(daten() + '/' + def.fileName).isFile()) << def.fileName.toStdString();
    EXPECT_FALSE(QFileInfo::exists(bau.stagingVerzeichnis()));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-tausch")));

    const TablePtr art = laden("Articles.cds");
    ASSERT_EQ(art->rowCount(), 2);
    EXPECT_EQ(wert(art, 0, "Baugroesse"), Value(QStringLiteral("2 NH3")));
    EXPECT_EQ(wert(art, 0, "BaugroesseN"), Value(qint32{2}));
    EXPECT_EQ(wert(art, 0, "Hubvolumen"), Value(12.5));
    EXPECT_EQ(wert(art, 0, "Aktiv"), Value(true));
    EXPECT_EQ(wert(art, 0, "Bezeichnung2pl"), Value(QStringLiteral("Sprężarka")));
    EXPECT_EQ(wert(art, 0, "ZuletztGeaendertAm"),
              Value(QDateTime(QDate(2006, 5, 31), QTime(14, 7, 9))));
    EXPECT_EQ(wert(art, 1, "Bezeichnung1"), Value(QStringLiteral("W16/100")));
    EXPECT_EQ(wert(art, 1, "BaugroesseN"), Value(qint32{16}));
    EXPECT_TRUE(isNull(wert(art, 1, "Hubvolumen")));

    const TablePtr cap = laden("CapacityData.cds");
    EXPECT_EQ(wert(cap, 0, "KoordBlau1to"), Value(-10.5));
    EXPECT_EQ(wert(cap, 0, "KoordStrich10tc"), Value(55.0));
    EXPECT_EQ(wert(cap, 0, "KaelteLeistung1"), Value(1250.0));
    EXPECT_EQ(wert(cap, 0, "SauggasFlag"), Value(true));
    EXPECT_EQ(wert(cap, 0, "InformationText2_Ko"), Value(QStringLiteral("안내")));
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Spannung"), Value(QStringLiteral("380-420V Y/s")));
    EXPECT_EQ(laden("ShipmentTexts.cds")->rowCount(), 2);
    EXPECT_EQ(wert(laden("ZertifikatTypen.cds"), 0, "TitelEn"), Value(QStringLiteral("UL listed")));
    EXPECT_EQ(wert(laden("Legenden.cds"), 0, "Wert_FR"), Value(QStringLiteral("Limite")));
    EXPECT_EQ(wert(laden("TextResources.cds"), 0, "Text"), Value(QStringLiteral("Hello")));
    EXPECT_EQ(wert(laden("InterfVals.cds"), 0, "Mass2"), Value(QStringLiteral("1 1/8\"")));
}

TEST_F(DBNeuTest, FailedBuildKeepsTheOldTablesAndStandDat) {
    alteTabellen();
    schreiben(QStringLiteral("TechnicalDataValues.xml"),
              "<?xml version=\"1.0\"?>\n<R>\n<S/>\n<T><ID>1</T>\n</R>\n");
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    DBNeu bau(daten());
    EXPECT_FALSE(bau.dbNeuAufbauen());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.startsWith("TechnicalDataValues.xml: "));
    EXPECT_TRUE(sink.messages[0].text.contains("Zeile 4"));
    // Motors was built before the broken export, but the old file is still in place.
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("ALT")));
    EXPECT_EQ(laden("Articles.cds")->rowCount(), 0);
    QFile stand(daten() + QStringLiteral("/Stand.dat"));
    ASSERT_TRUE(stand.open(QIODevice::ReadOnly));
    EXPECT_EQ(stand.readAll(), "12345\n");
    EXPECT_FALSE(QFileInfo::exists(bau.stagingVerzeichnis()));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-tausch")));
}

// A planted coefficient text that no rating may use: the build stops with its place
// and the previous tables stay; a decimal comma is just a number.
TEST_F(DBNeuTest, UnreadableCoefficientStopsTheBuildAndKeepsTheOldTables) {
    QFile quelle(daten() + QStringLiteral("/WukCapacityData.xml"));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    const QByteArray original = quelle.readAll();
    quelle.close();
    const QByteArray element = "<RefrigeratingCapacity_05>0</RefrigeratingCapacity_05>";
    ASSERT_TRUE(original.contains(element));
    auto pflanzen = [&](const QByteArray& text) {
        QByteArray xml = original;
        xml.replace(element, "<RefrigeratingCapacity_05>" + text + "</RefrigeratingCapacity_05>");
        schreiben(QStringLiteral("WukCapacityData.xml"), xml);
    };
    const std::pair<const char*, const char*> faelle[] = {
        {"NaN", "Zeile 15"}, {"inf", "Zeile 15"}, {"1e308", "Zeile 15"}, {"", "Zeile 4"}};
    for (const auto& [text, zeile] : faelle) {
        alteTabellen();
        pflanzen(text);
        RecordingSink sink;
        ScopedMessageSink scope(&sink);
        EXPECT_FALSE(DBNeu(daten()).dbNeuAufbauen()) << text;
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].text.startsWith(
            QStringLiteral("WukCapacityData.xml, %1, Datensatz 1 (ID 1), Feld Kaelteleistung5: ")
                .arg(QLatin1String(zeile))))
            << sink.messages[0].text.toStdString();
        EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("ALT")));
        EXPECT_EQ(laden("CapacityData.cds")->rowCount(), 0);
    }
    pflanzen("29,77");
    ASSERT_TRUE(DBNeu(daten()).dbNeuAufbauen());
    EXPECT_EQ(wert(laden("CapacityData.cds"), 0, "Kaelteleistung5"), Value(29.77));
}

TEST_F(DBNeuTest, MissingExportIsReportedByName) {
    QFile::remove(daten() + QStringLiteral("/LegendText.xml"));
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    EXPECT_FALSE(DBNeu(daten()).dbNeuAufbauen());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.startsWith("LegendText.xml:"));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/Articles.cds")));
}

TEST_F(DBNeuTest, MissingDataFolderIsReported) {
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    DBNeu bau(programm() + QStringLiteral("/Fehlt"));
    EXPECT_FALSE(bau.dbNeuAufbauen());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.contains("Fehlt"));
    EXPECT_FALSE(QFileInfo::exists(bau.stagingVerzeichnis()));
}

TEST_F(DBNeuTest, ExportsAreFoundWithoutRegardToCase) {
    ASSERT_TRUE(QFile::rename(daten() + QStringLiteral("/WukCapacityData.xml"),
                              daten() + QStringLiteral("/wukcapacitydata.XML")));
    EXPECT_TRUE(DBNeu(daten()).dbNeuAufbauen());
    EXPECT_EQ(laden("CapacityData.cds")->rowCount(), 1);
}

// A process killed during the swap left its journal, two tables moved in and the rest
// staged; the next build finishes that swap before it starts, so a failure of its own
// leaves one complete set (the killed build's) and the killed build's Stand.dat.
TEST_F(DBNeuTest, SwapOfAKilledBuildIsFinishedBeforeTheNextBuild) {
    alteTabellen();
    const QString staging = daten() + QStringLiteral("/.drel-neu");
    QDir().mkpath(staging);
    Row neu(tabelle(u"Motors")->fields.size());
    neu[0] = qint32{2};
    neu[1] = QStringLiteral("NEU");
    writeTableFile(staging + QStringLiteral("/Motors.cds"), *tabelle(u"Motors"), {neu});
    writeTableFile(staging + QStringLiteral("/Legenden.cds"), *tabelle(u"Legenden"), {});
    schreiben(QStringLiteral(".drel-tausch"),
              "drel-tausch 1\n777,5\nArticles.cds\nMotors.cds\nLegenden.cds\n../x\n");
    schreiben(QStringLiteral("WukMotors.xml"), "<R><S/><T><ID>1</T></R>"); // this build fails
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    DBNeu bau(daten());
    EXPECT_FALSE(bau.dbNeuAufbauen());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.startsWith("WukMotors.xml: "));
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("NEU")));
    QFile stand(daten() + QStringLiteral("/Stand.dat"));
    ASSERT_TRUE(stand.open(QIODevice::ReadOnly));
    EXPECT_EQ(stand.readAll(), "777,5\n");
    EXPECT_FALSE(QFileInfo::exists(staging));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-tausch")));
}

// Folders of the user beside the data folder, with old build names, are no business
// of the build: a real folder and a symbolic link keep their contents.
TEST_F(DBNeuTest, FoldersBesideTheDataFolderSurviveABuild) {
    const QString alt = programm() + QStringLiteral("/Daten.alt");
    const QString ziel = programm() + QStringLiteral("/Eigenes");
    QDir().mkpath(alt);
    QDir().mkpath(ziel);
    for (const QString& datei :
         {alt + QStringLiteral("/Motors.cds"), ziel + QStringLiteral("/Notiz.txt")}) {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("meins");
    }
    ASSERT_TRUE(QFile::link(ziel, programm() + QStringLiteral("/Daten.neu")));
    const QStringList vorher = QDir(programm()).entryList(QDir::AllEntries | QDir::Hidden);
    ASSERT_TRUE(DBNeu(daten()).dbNeuAufbauen());
    // Nothing is created beside the data folder: only Daten needs to be writable.
    EXPECT_EQ(QDir(programm()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
    EXPECT_EQ(QDir(alt).entryList(QDir::Files), QStringList{QStringLiteral("Motors.cds")});
    EXPECT_EQ(QDir(ziel).entryList(QDir::Files), QStringList{QStringLiteral("Notiz.txt")});
    EXPECT_TRUE(QFileInfo(programm() + QStringLiteral("/Daten.neu")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/Notiz.txt")));
}

// An export whose root holds no element at all is an empty table, not a failure.
TEST_F(DBNeuTest, ExportWithAnEmptyRootGivesAnEmptyTable) {
    schreiben(QStringLiteral("LegendText.xml"), "<?xml version=\"1.0\"?>\n<NewDataSet/>\n");
    ASSERT_TRUE(DBNeu(daten()).dbNeuAufbauen());
    EXPECT_EQ(laden("Legenden.cds")->rowCount(), 0);
    EXPECT_GT(laden("Articles.cds")->rowCount(), 0);
}

TEST_F(DBNeuTest, SecondBuildWhileOneRunsSaysSo) {
    alteTabellen();
    BauSperre andere(daten());
    ASSERT_TRUE(andere.erlangen(0));
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Another process: it waits briefly, then reports and changes nothing.
        RecordingSink sink;
        ScopedMessageSink scope(&sink);
        DBNeu bau(daten());
        bau.setSperrWartezeit(200);
        const bool ok = bau.dbNeuAufbauen();
        const bool gemeldet =
            sink.messages.size() == 1 && sink.messages[0].text == BauSperre::meldungBauLaeuft();
        _exit(!ok && gemeldet ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("ALT")));
    EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-neu")));
}

// A process killed right after creating the lock file left it empty: after a second
// it names no living owner and is taken over; a fresh one is respected.
TEST_F(DBNeuTest, EmptyLockFileOfAKilledProcessIsTakenOver) {
    const QString sperre = daten() + QStringLiteral("/.drel-bau.lock");
    {
        QFile f(sperre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                  QFileDevice::FileModificationTime));
    }
    {
        BauSperre alt(daten());
        EXPECT_TRUE(alt.erlangen(0));
    }
    EXPECT_FALSE(QFileInfo::exists(sperre));
    {
        QFile f(sperre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    BauSperre frisch(daten());
    EXPECT_FALSE(frisch.erlangen(0));
}

TEST_F(DBNeuTest, ProcessDyingMidBuildLeavesTheOldDatabase) {
    alteTabellen();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        DBNeu bau(daten());
        bau.setFortschritt([](int schritt, int, const QString&) {
            if (schritt == 12)
                _exit(7); // dies after eleven tables were written
        });
        bau.dbNeuAufbauen();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("ALT")));
    EXPECT_EQ(laden("Articles.cds")->rowCount(), 0);
    QFile stand(daten() + QStringLiteral("/Stand.dat"));
    ASSERT_TRUE(stand.open(QIODevice::ReadOnly));
    EXPECT_EQ(stand.readAll(), "12345\n");
    // The next start builds again over the leftovers.
    DBNeu bau(daten());
    ASSERT_TRUE(bau.dbNeuAufbauen());
    EXPECT_EQ(wert(laden("Motors.cds"), 0, "Name"), Value(QStringLiteral("M1")));
    EXPECT_FALSE(QFileInfo::exists(bau.stagingVerzeichnis()));
}

TEST(DBNeuBundled, BuildsFromTheBundledExportsWhenThereAreAny) {
    const QString quelle = QStringLiteral(DREL_SOURCE_DIR "/data/Daten");
    if (QDir(quelle).entryList({QStringLiteral("*.xml")}, QDir::Files).size() < 24)
        GTEST_SKIP() << "no exports in data/Daten";
    QTemporaryDir tmp;
    drel::testing::copyFolder(quelle, tmp.path() + QStringLiteral("/Daten"));
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    ASSERT_TRUE(DBNeu(tmp.path() + QStringLiteral("/Daten")).dbNeuAufbauen())
        << (sink.messages.isEmpty() ? std::string() : sink.messages[0].text.toStdString());
    EXPECT_GT(loadTableFile(tmp.path() + QStringLiteral("/Daten/Articles.cds"))->rowCount(), 0);
}
