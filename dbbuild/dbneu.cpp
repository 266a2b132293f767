#include "dbbuild/dbneu.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "dbbuild/bausperre.h"
#include "dbbuild/exportleser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace drel::dbbuild {
namespace {

const QString kStand = QStringLiteral("Stand.dat");
const QString kStaging = QStringLiteral(".drel-neu");
const QString kJournal = QStringLiteral(".drel-tausch");
const QByteArray kJournalKopf = "drel-tausch 1";
const QByteArray kOhneStand = "-";

// Flushes a file or a folder (the names in it) to the disk. Rename and create are
// durable only after the folder that holds them is flushed.
void aufDiskSchreiben(const QString& pfadName) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(pfadName).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(pfadName);
#endif
}

// Starts writing a finished table to the disk without waiting for it, so that the
// disk works while the next export is read; aufDiskSchreiben later waits for it.
void schreibenAnstossen(const QString& pfadName) {
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(pfadName).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    ::close(fd);
#else
    Q_UNUSED(pfadName);
#endif
}

// The staging folder is removed as a name: a link in its place goes, but never what
// it points to.
void stagingEntfernen(const QString& staging) {
    const QFileInfo info(staging);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        QFile::remove(staging);
    else if (info.isDir())
        QDir(staging).removeRecursively();
}

bool echterOrdner(const QString& pfadName) {
    const QFileInfo info(pfadName);
    return info.isDir() && !info.isSymLink();
}

// A fresh, real folder (mkdir, not mkpath: whatever holds the name is not reused).
void stagingAnlegen(const QString& staging) {
    stagingEntfernen(staging);
    if (!QDir().mkdir(staging) || !echterOrdner(staging))
        throw db::DbError(
            QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(staging));
}

// Replaces `nach` by `von` in one step (the old file disappears with the rename).
void ersetzen(const QString& von, const QString& nach) {
    std::error_code fehler;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(von).toStdString()),
                            std::filesystem::path(QFile::encodeName(nach).toStdString()), fehler);
    if (fehler) {
        throw db::DbError(QStringLiteral("%1 kann nicht nach %2 verschoben werden (%3).")
                              .arg(von, nach, QString::fromLocal8Bit(fehler.message())));
    }
}

void dateiSchreiben(const QString& pfadName, const QByteArray& inhalt) {
    QString grund;
    if (!dateiAtomarSchreiben(pfadName, inhalt, &grund))
        throw db::DbError(schreibFehlerText(pfadName, grund));
}

void ereignisseVerarbeiten() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

struct Journal {
    QByteArray stand; // the Stand.dat line, or kOhneStand
    QStringList tabellen;
};

QByteArray journalText(const Journal& j) {
    QByteArray text = kJournalKopf + '\n' + j.stand + '\n';
    for (const QString& t : j.tabellen)
        text += t.toUtf8() + '\n';
    return text;
}

std::optional<Journal> journalLesen(const QString& daten) {
    // 24 short names; a FIFO or a huge file in its place is not ours.
    const std::optional<QByteArray> inhalt =
        einstellungsDateiLesen(pfad(daten, kJournal), 64 << 10);
    if (!inhalt)
        return std::nullopt;
    const QList<QByteArray> zeilen = inhalt->split('\n');
    // The atomic write makes the journal appear whole or not at all; anything else is not ours.
    if (zeilen.size() < 2 || zeilen[0] != kJournalKopf)
        return std::nullopt;
    Journal j;
    j.stand = zeilen[1];
    for (qsizetype i = 2; i < zeilen.size(); ++i) {
        const QString name = QString::fromUtf8(zeilen[i]);
        // Only plain file names: the journal never points outside the data folder.
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String("..") &&
            name != QLatin1String("."))
            j.tabellen << name;
    }
    return j;
}

// Moves every staged table in, then settles Stand.dat and drops the journal. Each
// step may be repeated after a crash: a table already moved is no longer staged.
void journalAusfuehren(const QString& daten, const Journal& j) {
    const QString staging = pfad(daten, kStaging);
    // Through a link in place of the staging folder no file is taken: the swap ends
    // without Stand.dat, so that the next data check builds afresh.
    const bool echt = echterOrdner(staging);
    for (const QString& name : j.tabellen) {
        const QString neu = pfad(staging, name);
        if (echt && QFileInfo::exists(neu))
            ersetzen(neu, pfad(daten, name));
    }
    aufDiskSchreiben(daten);
    const QString stand = findeDatei(daten, kStand);
    if (j.stand == kOhneStand || !echt) {
        QFile::remove(stand);
    } else {
        dateiSchreiben(stand, j.stand + '\n');
    }
    aufDiskSchreiben(daten);
    QFile::remove(pfad(daten, kJournal));
    aufDiskSchreiben(daten);
    stagingEntfernen(staging);
}

} // namespace

void tabellenTauschAbschliessen(const QString& datenVerzeichnis) {
    if (const std::optional<Journal> j = journalLesen(datenVerzeichnis)) {
        journalAusfuehren(datenVerzeichnis, *j);
        return;
    }
    QFile::remove(pfad(datenVerzeichnis, kJournal));
    stagingEntfernen(pfad(datenVerzeichnis, kStaging));
}

bool tauschOffen(const QString& datenVerzeichnis) {
    return QFileInfo::exists(pfad(datenVerzeichnis, kJournal));
}

QStringList eigeneDateien() {
    return {kStand, kJournal, QStringLiteral("Pruefbericht.txt")};
}

DBNeu::DBNeu(QString datenVerzeichnis) : daten_(std::move(datenVerzeichnis)) {}

DBNeu::~DBNeu() = default;

QString DBNeu::stagingVerzeichnis() const {
    return pfad(daten_, kStaging);
}

void DBNeu::dbsErstellen(const QString& tabellenPfad, const BauSchritt& schritt) {
    writer_.reset();
    QFile::remove(tabellenPfad);
    writer_ = std::make_unique<db::TableFileWriter>(tabellenPfad, schritt.definition);
    ereignisseVerarbeiten();
}

void DBNeu::dbDatenUebergeben(const QString& xmlPfad, const BauSchritt& schritt) {
    if (!writer_)
        throw db::DbError(QStringLiteral("%1: keine Tabelle angelegt").arg(schritt.tabellenDatei));
    exportDateiLesen(xmlPfad, schritt.zuordnung,
                     [this](const db::Row& row) { writer_->insert(row); });
    if (!kennung_.isEmpty())
        writer_->setMeta(QStringLiteral("build"), kennung_);
    writer_->commit();
    writer_.reset();
    ereignisseVerarbeiten();
}

void DBNeu::alleTabellenBauen(const std::vector<BauSchritt>& schritte) {
    const QString staging = stagingVerzeichnis();
    stagingAnlegen(staging);
    const int anzahl = static_cast<int>(schritte.size());
    for (int i = 0; i < anzahl; ++i) {
        const BauSchritt& s = schritte[static_cast<size_t>(i)];
        if (fortschritt_)
            fortschritt_(i + 1, anzahl, s.tabellenDatei);
        const QString xml = findeDatei(daten_, s.xmlDatei);
        if (!QFileInfo(xml).isFile())
            throw db::DbError(
                QStringLiteral("%1: Die Datei wurde nicht gefunden.").arg(s.xmlDatei));
        const QString tabelle = pfad(staging, s.tabellenDatei);
        dbsErstellen(tabelle, s);
        dbDatenUebergeben(xml, s);
        schreibenAnstossen(tabelle);
    }
    // Every table is on the disk before the journal can name it.
    for (const BauSchritt& s : schritte)
        aufDiskSchreiben(pfad(staging, s.tabellenDatei));
    aufDiskSchreiben(staging);
}

// The journal makes the swap all-or-nothing across a crash: once it is on the disk,
// the new set is complete and the swap only ever goes forward.
void DBNeu::tabellenErsetzen(const std::vector<BauSchritt>& schritte) {
    Journal j;
    j.stand = stand_ ? generalFormat(*stand_).toUtf8() : kOhneStand;
    for (const BauSchritt& s : schritte)
        j.tabellen << s.tabellenDatei;
    dateiSchreiben(pfad(daten_, kJournal), journalText(j));
    aufDiskSchreiben(daten_);
    journalAusfuehren(daten_, j);
}

void DBNeu::abbrechen() {
    writer_.reset();
    // Only a build that has not written its journal is undone; a journal that is
    // written stays for the next data check to finish.
    if (!QFileInfo::exists(pfad(daten_, kJournal)))
        stagingEntfernen(stagingVerzeichnis());
}

bool DBNeu::dbNeuAufbauen() {
    if (!QFileInfo(daten_).isDir()) {
        report(QStringLiteral("Das Verzeichnis %1 wurde nicht gefunden.").arg(daten_), QString(),
               MessageKind::Error);
        return false;
    }
    BauSperre sperre(daten_);
    if (!sperre.erlangen(sperrWartezeit_)) {
        report(sperre.nichtAnlegbar() ? BauSperre::meldungNichtBeschreibbar(daten_)
                                      : BauSperre::meldungBauLaeuft(),
               QString(), MessageKind::Error);
        return false;
    }
    return aufbauen();
}

bool DBNeu::dbNeuAufbauen(const BauSperre& gehalten) {
    if (!gehalten.gehalten()) {
        report(BauSperre::meldungBauLaeuft(), QString(), MessageKind::Error);
        return false;
    }
    return aufbauen();
}

bool DBNeu::aufbauen() {
    writer_.reset();
    kennung_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    try {
        if (!QFileInfo(daten_).isDir())
            throw db::DbError(
                QStringLiteral("Das Verzeichnis %1 wurde nicht gefunden.").arg(daten_));
        tabellenTauschAbschliessen(daten_);
        const std::vector<BauSchritt> schritte = dbZuordnungErstellen();
        alleTabellenBauen(schritte);
        tabellenErsetzen(schritte);
    } catch (const db::DbError& e) {
        abbrechen();
        report(e.message(), QString(), MessageKind::Error);
        return false;
    } catch (const std::exception& e) {
        abbrechen();
        report(QString::fromLocal8Bit(e.what()), QString(), MessageKind::Error);
        return false;
    }
    return true;
}

} // namespace drel::dbbuild
