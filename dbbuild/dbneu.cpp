#include "dbbuild/dbneu.h"

#include "base/directories.h"
#include "base/messagesink.h"
#include "dbbuild/exportleser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace drel::db {
namespace {

const QString kStand = QStringLiteral("Stand.dat");

void verzeichnisLeeren(const QString& pfad) {
    QDir dir(pfad);
    if (dir.exists())
        dir.removeRecursively();
}

void verzeichnisAnlegen(const QString& pfad) {
    if (!QDir().mkpath(pfad))
        throw DbError(QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(pfad));
}

void verschieben(const QString& von, const QString& nach) {
    if (!QFile::rename(von, nach))
        throw DbError(QStringLiteral("%1 kann nicht nach %2 verschoben werden.").arg(von, nach));
}

void ereignisseVerarbeiten() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace

DBNeu::DBNeu(QString datenVerzeichnis) : daten_(std::move(datenVerzeichnis)) {}

DBNeu::~DBNeu() = default;

QString DBNeu::stagingVerzeichnis() const {
    const QFileInfo info(daten_);
    return pfad(info.absolutePath(), info.fileName() + QStringLiteral(".neu"));
}

QString DBNeu::sicherungsVerzeichnis() const {
    const QFileInfo info(daten_);
    return pfad(info.absolutePath(), info.fileName() + QStringLiteral(".alt"));
}

void DBNeu::dbsErstellen(const QString& tabellenPfad, const BauSchritt& schritt) {
    writer_.reset();
    QFile::remove(tabellenPfad);
    writer_ = std::make_unique<TableFileWriter>(tabellenPfad, schritt.definition);
    ereignisseVerarbeiten();
}

void DBNeu::dbDatenUebergeben(const QString& xmlPfad, const BauSchritt& schritt) {
    if (!writer_)
        throw DbError(QStringLiteral("%1: keine Tabelle angelegt").arg(schritt.tabellenDatei));
    exportDateiLesen(xmlPfad, schritt.zuordnung, [this](const Row& row) { writer_->insert(row); });
    writer_->commit();
    writer_.reset();
    ereignisseVerarbeiten();
}

void DBNeu::alleTabellenBauen(const std::vector<BauSchritt>& schritte) {
    if (!QFileInfo(daten_).isDir())
        throw DbError(QStringLiteral("Das Verzeichnis %1 wurde nicht gefunden.").arg(daten_));
    const QString staging = stagingVerzeichnis();
    verzeichnisLeeren(staging);
    verzeichnisAnlegen(staging);
    const int anzahl = static_cast<int>(schritte.size());
    for (int i = 0; i < anzahl; ++i) {
        const BauSchritt& s = schritte[static_cast<size_t>(i)];
        if (fortschritt_)
            fortschritt_(i + 1, anzahl, s.tabellenDatei);
        const QString xml = findeDatei(daten_, s.xmlDatei);
        if (!QFileInfo(xml).isFile())
            throw DbError(QStringLiteral("%1: Die Datei wurde nicht gefunden.").arg(s.xmlDatei));
        dbsErstellen(pfad(staging, s.tabellenDatei), s);
        dbDatenUebergeben(xml, s);
    }
}

// A process that dies while the files are being replaced leaves the old files of
// the unreplaced tables in the backup folder and no Stand.dat; put the old files
// back where no new one arrived. The missing Stand.dat makes the next data check
// build again.
void DBNeu::sicherungZurueckholen() const {
    const QString sicherung = sicherungsVerzeichnis();
    const QDir dir(sicherung);
    if (!dir.exists())
        return;
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name == kStand)
            continue;
        const QString ziel = pfad(daten_, name);
        if (!QFileInfo::exists(ziel))
            QFile::rename(pfad(sicherung, name), ziel);
    }
    verzeichnisLeeren(sicherung);
}

// Moves the new files in. Stand.dat goes into the backup first, so that a process
// dying halfway leaves no Stand.dat behind; on a failure the old files come back.
void DBNeu::tabellenErsetzen(const std::vector<BauSchritt>& schritte) {
    const QString staging = stagingVerzeichnis();
    const QString sicherung = sicherungsVerzeichnis();
    verzeichnisLeeren(sicherung);
    verzeichnisAnlegen(sicherung);
    const QString stand = findeDatei(daten_, kStand);
    const bool standDa = QFileInfo(stand).isFile();
    std::vector<QString> ersetzt;
    try {
        if (standDa)
            verschieben(stand, pfad(sicherung, kStand));
        for (const BauSchritt& s : schritte) {
            const QString alt = pfad(daten_, s.tabellenDatei);
            if (QFileInfo::exists(alt))
                verschieben(alt, pfad(sicherung, s.tabellenDatei));
            ersetzt.push_back(s.tabellenDatei);
            verschieben(pfad(staging, s.tabellenDatei), alt);
        }
    } catch (const DbError&) {
        for (const QString& name : ersetzt) {
            const QString gesichert = pfad(sicherung, name);
            if (QFileInfo::exists(gesichert)) {
                QFile::remove(pfad(daten_, name));
                QFile::rename(gesichert, pfad(daten_, name));
            }
        }
        if (standDa)
            QFile::rename(pfad(sicherung, kStand), stand);
        throw;
    }
}

void DBNeu::abbrechen() {
    writer_.reset();
    verzeichnisLeeren(stagingVerzeichnis());
    sicherungZurueckholen();
}

bool DBNeu::dbNeuAufbauen() {
    writer_.reset();
    try {
        sicherungZurueckholen();
        const std::vector<BauSchritt> schritte = dbZuordnungErstellen();
        alleTabellenBauen(schritte);
        tabellenErsetzen(schritte);
    } catch (const DbError& e) {
        abbrechen();
        report(e.message(), QString(), MessageKind::Error);
        return false;
    } catch (const std::exception& e) {
        abbrechen();
        report(QString::fromLocal8Bit(e.what()), QString(), MessageKind::Error);
        return false;
    }
    verzeichnisLeeren(stagingVerzeichnis());
    verzeichnisLeeren(sicherungsVerzeichnis());
    return true;
}

} // namespace drel::db
