#include "dbbuild/bausperre.h"

#include "base/directories.h"

#include <QDateTime>
#include <QFileInfo>

namespace drel::db {

BauSperre::BauSperre(const QString& datenVerzeichnis)
    : datei_(pfad(datenVerzeichnis, QStringLiteral(".drel-bau.lock"))), sperre_(datei_) {
    // A build may take longer than any fixed age; only a dead owner makes the lock stale.
    sperre_.setStaleLockTime(0);
}

bool BauSperre::erlangen(int wartenMs) {
    leereSperreEntfernen();
    return sperre_.tryLock(wartenMs);
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

QString BauSperre::meldungBauLaeuft() {
    return QStringLiteral("Ein Aufbau der Datenbank läuft bereits. Bitte später erneut versuchen.");
}

} // namespace drel::db
