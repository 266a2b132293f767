#include "base/directories.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel;

TEST(Directories, PathJoinsWithOneSlash) {
    EXPECT_EQ(pfad("/prog", "\\Daten\\Articles.cds"), "/prog/Daten/Articles.cds");
    EXPECT_EQ(pfad("/prog/", "search.ini"), "/prog/search.ini");
    EXPECT_EQ(pfad("", "x"), "/x");
}

TEST(Directories, FindsFilesWithoutRegardToCase) {
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkpath("Daten"));
    QFile f(tmp.path() + "/Daten/WukCapacityData.XML");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(findeDatei(tmp.path(), "daten/wukcapacitydata.xml"),
              tmp.path() + "/Daten/WukCapacityData.XML");
    // Nothing matches: the plain joined path comes back.
    EXPECT_EQ(findeDatei(tmp.path(), "Daten/missing.xml"), tmp.path() + "/Daten/missing.xml");
}

// A picture name from an export must not reach a file outside Pics/: "../" in any
// spelling gives no path at all, so the caller treats the picture as missing.
TEST(Directories, NamesThatLeaveTheFolderFindNothing) {
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkpath("prog/Pics/sub"));
    for (const char* name : {"geheim.jpg", "prog/Pics/sub/a..b.jpg"}) {
        QFile f(tmp.path() + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString pics = tmp.path() + "/prog/Pics";
    EXPECT_EQ(findeDatei(pics, "../../geheim.jpg"), QString());
    EXPECT_EQ(findeDatei(pics, "..\\..\\geheim.jpg"), QString());
    EXPECT_EQ(findeDatei(pics, "sub/../../../geheim.jpg"), QString());
    EXPECT_EQ(findeDatei(pics, ".."), QString());
    EXPECT_FALSE(bleibtImOrdner("sub/.."));
    // Dots inside a name and a leading slash stay inside.
    EXPECT_EQ(findeDatei(pics, "SUB/a..b.jpg"), pics + "/sub/a..b.jpg");
    EXPECT_EQ(findeDatei(pics, "/geheim.jpg"), pics + "/geheim.jpg");
    EXPECT_TRUE(bleibtImOrdner("..a/b.."));
}
