// Kills drel-cli build-db at random moments and checks that the data check of the
// next start always finds all 24 tables of one build, whatever the moment was.
#include "base/messagesink.h"
#include "buildfixture.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"
#include "dbbuild/datenpruefung.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace drel;
using namespace drel::db;
using namespace drel::dbbuild;

namespace {

pid_t bauStarten(const QString& programm) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        const QByteArray dir = QFile::encodeName(programm);
        ::execl(DREL_CLI, DREL_CLI, "build-db", "--force", "--dir", dir.constData(),
                static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

int warten(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

class BauAbbruch : public drel::testing::BuildTest {
protected:
    // The build identities of the 24 table files (empty for a missing file).
    std::set<QString> kennungen() const {
        std::set<QString> ids;
        for (const TableDef& def : produktTabellen())
            ids.insert(tableFileMeta(daten() + '/' + def.fileName, QStringLiteral("build")));
        return ids;
    }
};

} // namespace

TEST_F(BauAbbruch, EveryKillLeavesTheTablesOfOneBuild) {
    // A complete first build, timed, gives the old set and the span to kill in.
    QElapsedTimer uhr;
    uhr.start();
    const int erster = warten(bauStarten(programm()));
    const qint64 dauerMs = std::max<qint64>(uhr.elapsed(), 20);
    ASSERT_TRUE(WIFEXITED(erster) && WEXITSTATUS(erster) == 0);
    std::set<QString> ids = kennungen();
    ASSERT_EQ(ids.size(), 1u);
    QString letzte = *ids.begin();
    ASSERT_FALSE(letzte.isEmpty());

    const unsigned seed = std::random_device{}();
    std::mt19937 zufall(seed);
    std::uniform_int_distribution<qint64> moment(0, dauerMs * 11 / 10 * 1000);
    int alteBehalten = 0;
    int neueUebernommen = 0;
    int fertigVorDemKill = 0;
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    for (int lauf = 0; lauf < 50; ++lauf) {
        const pid_t pid = bauStarten(programm());
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(zufall)));
        ::kill(pid, SIGKILL);
        const int status = warten(pid);
        if (WIFEXITED(status))
            ++fertigVorDemKill;
        // The start: the data check finishes or drops what the build left, and finds
        // the tables up to date (Stand.dat belongs to the set in place).
        EXPECT_EQ(dateienPruefen(programm()), PruefErgebnis::Aktuell)
            << "seed " << seed << ", status " << status << ": "
            << (sink.messages.isEmpty() ? std::string() : sink.messages.back().text.toStdString());
        ids = kennungen();
        ASSERT_EQ(ids.size(), 1u) << "run " << lauf << ", seed " << seed;
        ASSERT_FALSE(ids.begin()->isEmpty()) << "run " << lauf << ", seed " << seed;
        (*ids.begin() == letzte ? alteBehalten : neueUebernommen) += 1;
        letzte = *ids.begin();
        EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-neu")));
        EXPECT_FALSE(QFileInfo::exists(daten() + QStringLiteral("/.drel-tausch")));
        EXPECT_TRUE(QFileInfo::exists(daten() + QStringLiteral("/Stand.dat")));
    }
    EXPECT_TRUE(sink.messages.isEmpty());
    std::cout << "kill test: seed " << seed << ", build " << dauerMs
              << " ms, 50 kills: " << alteBehalten << " kept the old set, " << neueUebernommen
              << " ended with the new set (" << fertigVorDemKill << " had exited already)\n";
}
