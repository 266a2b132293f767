#include "dbbuild/bausperre.h"

#include "base/directories.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <unistd.h>

namespace drel::dbbuild {

BauSperre::BauSperre(const QString& datenVerzeichnis)
    : datei_(pfad(datenVerzeichnis, QStringLiteral(".drel-bau.lock"))), sperre_(datei_) {
    // A build may take longer than any fixed age; only a dead owner makes the lock stale.
    sperre_.setStaleLockTime(0);
}

namespace {
std::atomic<bool> testNichtAnlegbar{false};
}

void BauSperre::setNichtAnlegbarFuerTests(bool an) {
    testNichtAnlegbar = an;
}

bool BauSperre::erlangen(int wartenMs) {
    nichtAnlegbar_ = false;
    if (testNichtAnlegbar) {
        nichtAnlegbar_ = true;
        return false;
    }
    // An empty lock file only counts as abandoned once it is a second old, which may
    // fall inside the wait: look at it again between short tries.
    QDeadlineTimer frist(wartenMs);
    do {
        leereSperreEntfernen();
        const qint64 versuch =
            frist.isForever() ? 100 : std::min<qint64>(100, frist.remainingTime());
        if (sperre_.tryLock(static_cast<int>(versuch)))
            return true;
        // Waiting does not make a folder writable.
        if (anlegenUnmoeglich()) {
            nichtAnlegbar_ = true;
            return false;
        }
    } while (!frist.hasExpired());
    return false;
}

// The lock file cannot be created, or a lock file of a dead owner cannot be removed,
// because the folder is not writable: nobody can be building in it.
bool BauSperre::anlegenUnmoeglich() {
    if (sperre_.error() == QLockFile::PermissionError)
        return true;
    const QString ordner = QFileInfo(datei_).absolutePath();
    return ::access(QFile::encodeName(ordner).constData(), W_OK) != 0 &&
           (errno == EACCES || errno == EROFS || errno == EPERM);
}

// A process killed between creating the lock file and writing its id into it leaves a
// file that names no owner; it would never count as stale. The gap is microseconds, so
// such a file older than a second belongs to nobody.
void BauSperre::leereSperreEntfernen() {
    qint64 pid = 0;
    QString rechner;
    QString programm;
    const QFileInfo info(datei_);
    if (!info.isFile() || sperre_.getLockInfo(&pid, &rechner, &programm))
        return;
    if (info.lastModified().msecsTo(QDateTime::currentDateTime()) > 1000)
        sperre_.removeStaleLockFile();
}

QString BauSperre::meldungNichtBeschreibbar(const QString& datenVerzeichnis) {
    return QStringLiteral("Der Ordner %1 ist nicht beschreibbar; die Tabellen können nicht "
                          "neu aufgebaut werden.")
        .arg(QDir::toNativeSeparators(datenVerzeichnis));
}

QString BauSperre::meldungBauLaeuft() {
    return QStringLiteral("Ein Aufbau der Datenbank läuft bereits. Bitte später erneut versuchen.");
}

} // namespace drel::dbbuild
