// Shared set-up of the app tests: a temporary program directory and documents folder,
// and restoring the program-wide state (working directory, directories, language) that
// start-up changes.
#pragma once

#include "base/directories.h"
#include "state/betriebspunkt.h"
#include "state/sprache.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::test {

inline QByteArray dateiLesen(const QString& datei) {
    QFile file(datei);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void dateiSchreiben(const QString& datei, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(datei).absolutePath());
    QFile file(datei);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << datei.toStdString();
    file.write(inhalt);
}

inline QByteArray fixture(const char* name) {
    return dateiLesen(QStringLiteral(DREL_TEST_DATA "/app/") + QString::fromLatin1(name));
}

class AppUmgebung : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        arbeitsVerzeichnis_ = QDir::currentPath();
        gespeicherteVerzeichnisse_ = verzeichnisse();
        programm = tmp_.filePath(QStringLiteral("programm"));
        dokumente = tmp_.filePath(QStringLiteral("dokumente"));
        einstellungen = dokumente + QStringLiteral("/DrelWUK");
        QDir().mkpath(programm);
        QDir().mkpath(dokumente);
        sprache() = Sprache{};
        verzeichnisse() = Verzeichnisse{programm, dokumente, einstellungen};
    }

    void TearDown() override {
        QDir::setCurrent(arbeitsVerzeichnis_);
        verzeichnisse() = gespeicherteVerzeichnisse_;
        sprache() = Sprache{};
        betriebspunkt() = Betriebspunkt{};
    }

    QString suchIni() const { return einstellungen + QStringLiteral("/search.ini"); }

    QTemporaryDir tmp_;
    QString programm;
    QString dokumente;
    QString einstellungen;

private:
    QString arbeitsVerzeichnis_;
    Verzeichnisse gespeicherteVerzeichnisse_;
};

} // namespace drel::test
