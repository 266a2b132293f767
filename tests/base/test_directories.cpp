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
