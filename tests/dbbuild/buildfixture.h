// Helpers for the database build tests: a copy of the fixture data folder in a
// temporary program directory, and pinned German number separators.
#pragma once

#include "base/numberformat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::testing {

inline QString buildData(const QString& relative) {
    return QStringLiteral(DREL_TEST_DATA "/dbbuild/") + relative;
}

inline void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from + '/' + name, to + '/' + name)) << name.toStdString();
}

class BuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::german());
        ASSERT_TRUE(tmp.isValid());
        copyFolder(buildData(QStringLiteral("Daten")), daten());
    }
    void TearDown() override { setNumberSeparators(NumberSeparators::german()); }

    QString programm() const { return tmp.path(); }
    QString daten() const { return tmp.path() + QStringLiteral("/Daten"); }

    QTemporaryDir tmp;
};

} // namespace drel::testing
