// Atomic writes keep the old file on any failure; settings reads never block or
// swallow an oversized file; leftovers of killed writes are removed by their pattern.
#include "base/dateischreiben.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drel {
namespace {

QByteArray lesen(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

class AtomicWrite : public ::testing::Test {
protected:
    void TearDown() override { setSchreibStoerung({}); }
    QString pfad(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList eintraege() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

TEST_F(AtomicWrite, ReplacesContentAndKeepsModeOfExistingFile) {
    schreiben(pfad("a.dat"), "alt, und länger als das Neue");
    ::chmod(QFile::encodeName(pfad("a.dat")).constData(), 0640);
    QString grund;
    ASSERT_TRUE(dateiAtomarSchreiben(pfad("a.dat"), "neu", &grund)) << grund.toStdString();
    EXPECT_EQ(lesen(pfad("a.dat")), "neu");
    struct stat st {};
    ::stat(QFile::encodeName(pfad("a.dat")).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(eintraege(), QStringList{"a.dat"});
}

TEST_F(AtomicWrite, FullDiskMidwayKeepsOldFileAndLeavesNoTemporary) {
    schreiben(pfad("blatt.pdf"), "der gute alte Inhalt");
    setSchreibStoerung([](const QString&, qint64 geschrieben) {
        return geschrieben > 0 ? ENOSPC : 0; // the first block goes out, then the disk is full
    });
    QString grund;
    EXPECT_FALSE(dateiAtomarSchreiben(pfad("blatt.pdf"), QByteArray(3 << 20, 'x'), &grund));
    EXPECT_EQ(grund, QStringLiteral("kein Platz mehr auf dem Datenträger"));
    EXPECT_EQ(lesen(pfad("blatt.pdf")), "der gute alte Inhalt");
    EXPECT_EQ(eintraege(), QStringList{"blatt.pdf"});
    EXPECT_TRUE(schreibFehlerText(pfad("blatt.pdf"), grund).contains(pfad("blatt.pdf")));
}

TEST_F(AtomicWrite, FullDeviceIsWrittenInPlaceAndReportsFailure) {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    QString grund;
    EXPECT_FALSE(dateiAtomarSchreiben(QStringLiteral("/dev/full"), "x", &grund));
    EXPECT_FALSE(grund.isEmpty());
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)); // the device node was not replaced
}

TEST_F(AtomicWrite, LinkTargetIsReplacedNotTheLink) {
    schreiben(pfad("echt.ini"), "alt");
    ASSERT_TRUE(QFile::link(pfad("echt.ini"), pfad("link.ini")));
    ASSERT_TRUE(dateiAtomarSchreiben(pfad("link.ini"), "neu"));
    EXPECT_TRUE(QFileInfo(pfad("link.ini")).isSymLink());
    EXPECT_EQ(lesen(pfad("echt.ini")), "neu");
}

TEST_F(AtomicWrite, MissingFolderAndFolderTargetFail) {
    QString grund;
    EXPECT_FALSE(dateiAtomarSchreiben(pfad("fehlt/x.dat"), "x", &grund));
    EXPECT_EQ(grund, QStringLiteral("der Ordner existiert nicht"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    EXPECT_FALSE(dateiAtomarSchreiben(pfad("ordner"), "x", &grund));
    EXPECT_TRUE(QFileInfo(pfad("ordner")).isDir());
}

TEST_F(AtomicWrite, FifoWithoutReaderFailsAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad("rohr")).constData(), 0600), 0);
    QString grund;
    EXPECT_FALSE(dateiAtomarSchreiben(pfad("rohr"), "x", &grund));
    EXPECT_EQ(grund, QStringLiteral("niemand liest von dieser Datei"));
}

TEST_F(AtomicWrite, SettingsReadHasCapAndRefusesFifo) {
    schreiben(pfad("units.dat"), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(einstellungsDateiLesen(pfad("units.dat"), 9).value_or("-"), "1\r\n2\r\n3\r\n");
    QString grund;
    EXPECT_FALSE(einstellungsDateiLesen(pfad("units.dat"), 8, &grund));
    EXPECT_TRUE(grund.contains(QStringLiteral("8 Bytes")));
    EXPECT_FALSE(einstellungsDateiLesen(pfad("fehlt.dat"), 8, &grund));
    EXPECT_TRUE(grund.isEmpty());
    EXPECT_TRUE(alsEinstellungsDateiLesbar(pfad("fehlt.dat")));

    // A FIFO with no writer would block a plain open() for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad("kdr.dat")).constData(), 0600), 0);
    EXPECT_FALSE(einstellungsDateiLesen(pfad("kdr.dat"), 1000, &grund));
    EXPECT_EQ(grund, QStringLiteral("keine gewöhnliche Datei"));
    EXPECT_FALSE(alsEinstellungsDateiLesbar(pfad("kdr.dat")));
}

TEST_F(AtomicWrite, LeftoversOfDeadWritersAreRemovedOthersKept) {
    // pid 0x7ffffffe is never a live process on Linux (pid_max is at most 2^22).
    schreiben(pfad(".search.ini.drel-2147483646-abc123"), "tot");
    const QByteArray lebend = ".units.dat.drel-" + QByteArray::number(::getpid()) + "-abc123";
    schreiben(pfad(lebend.constData()), "laeuft");
    schreiben(pfad("Stand.dat.Xy12Z9"), "rest");
    schreiben(pfad("Stand.dat.zu-lang7"), "fremd");
    schreiben(pfad("Andere.dat.Xy12Z9"), "fremd");
    schreiben(pfad("Stand.dat"), "1");
    EXPECT_EQ(schreibResteEntfernen(dir.path(), {QStringLiteral("Stand.dat")}), 2);
    QStringList erwartet{QString::fromLatin1(lebend), "Andere.dat.Xy12Z9", "Stand.dat",
                         "Stand.dat.zu-lang7"};
    erwartet.sort();
    QStringList ist = eintraege();
    ist.sort();
    EXPECT_EQ(ist, erwartet);
}

} // namespace
} // namespace drel
