#include "dbbuild/bausperre.h"

#include "base/directories.h"

namespace drel::db {

BauSperre::BauSperre(const QString& datenVerzeichnis)
    : sperre_(pfad(datenVerzeichnis, QStringLiteral(".drel-bau.lock"))) {
    // A build may take longer than any fixed age; only a dead owner makes the lock stale.
    sperre_.setStaleLockTime(0);
}

bool BauSperre::erlangen(int wartenMs) {
    return sperre_.tryLock(wartenMs);
}

QString BauSperre::meldungBauLaeuft() {
    return QStringLiteral("Ein Aufbau der Datenbank läuft bereits. Bitte später erneut versuchen.");
}

} // namespace drel::db
