// The coefficient check follows the generation of tables in place: a build, a swap
// that the next data check finishes from the journal, a check that was killed.
#include "../dbbuild/buildfixture.h"
#include "base/messagesink.h"
#include "calc/koeffizientenpruefung.h"
#include "dbbuild/datenpruefung.h"

#include <QFile>
#include <QTemporaryDir>

using namespace drel;
using namespace drel::db;
using namespace drel::dbbuild;
using drel::testing::BuildTest;
using drel::testing::copyFolder;

namespace {

class PruefGeneration : public BuildTest {
protected:
    QString bericht() const {
        QFile f(daten() + QStringLiteral("/Pruefbericht.txt"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

TEST_F(PruefGeneration, EachGenerationIsCheckedOnceAndNamedInTheReport) {
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    ASSERT_EQ(dateienPruefen(programm(), {}, true), PruefErgebnis::Gebaut);
    const QString erste = calc::tabellenAufbau(programm());
    ASSERT_FALSE(erste.isEmpty());

    int befunde = -1;
    QString text;
    EXPECT_TRUE(calc::pruefberichtAktualisieren(programm(), befunde, &text));
    EXPECT_GE(befunde, 0);
    EXPECT_EQ(bericht(), text);
    EXPECT_EQ(calc::berichtAufbau(bericht()), erste);
    EXPECT_FALSE(calc::pruefberichtAktualisieren(programm(), befunde)); // current

    // A check killed halfway left the report of the generation before.
    ASSERT_EQ(dateienPruefen(programm(), {}, true), PruefErgebnis::Gebaut);
    EXPECT_NE(calc::tabellenAufbau(programm()), erste);
    EXPECT_TRUE(calc::pruefberichtAktualisieren(programm(), befunde));
    EXPECT_EQ(calc::berichtAufbau(bericht()), calc::tabellenAufbau(programm()));
    EXPECT_TRUE(sink.messages.isEmpty());
}

// Another process built a new set and died after writing its journal: the data check
// of this process finishes the swap, and the new generation gets its own report.
TEST_F(PruefGeneration, SwapFinishedFromTheJournalGetsANewReport) {
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    ASSERT_EQ(dateienPruefen(programm(), {}, true), PruefErgebnis::Gebaut);
    int befunde = -1;
    ASSERT_TRUE(calc::pruefberichtAktualisieren(programm(), befunde));
    const QString alt = calc::tabellenAufbau(programm());

    QTemporaryDir anderer;
    copyFolder(drel::testing::buildData(QStringLiteral("Daten")), anderer.path() + "/Daten");
    ASSERT_EQ(dateienPruefen(anderer.path(), {}, true), PruefErgebnis::Gebaut);
    const QString neu = calc::tabellenAufbau(anderer.path());
    ASSERT_NE(neu, alt);

    // The dead build's state: its tables staged, the journal written, nothing moved.
    const QString staging = daten() + QStringLiteral("/.drel-neu");
    ASSERT_TRUE(QDir().mkdir(staging));
    QByteArray journal = "drel-tausch 1\n";
    QFile stand(daten() + QStringLiteral("/Stand.dat"));
    ASSERT_TRUE(stand.open(QIODevice::ReadOnly));
    journal += stand.readAll().trimmed() + '\n';
    for (const QString& name : QDir(anderer.path() + "/Daten").entryList({"*.cds"})) {
        ASSERT_TRUE(QFile::copy(anderer.path() + "/Daten/" + name, staging + '/' + name));
        journal += name.toUtf8() + '\n';
    }
    QFile j(daten() + QStringLiteral("/.drel-tausch"));
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(journal);
    j.close();

    EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::Aktuell);
    EXPECT_EQ(calc::tabellenAufbau(programm()), neu);
    EXPECT_EQ(calc::berichtAufbau(bericht()), alt);
    EXPECT_TRUE(calc::pruefberichtAktualisieren(programm(), befunde));
    EXPECT_EQ(calc::berichtAufbau(bericht()), neu);
    EXPECT_TRUE(sink.messages.isEmpty());
}

} // namespace
