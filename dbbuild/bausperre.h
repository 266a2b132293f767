// Mutual exclusion of database builds: one lock file in the data folder, so that two
// processes never build or swap the same tables at once.
#pragma once

#include <QLockFile>
#include <QString>

namespace drel::db {

class BauSperre {
public:
    explicit BauSperre(const QString& datenVerzeichnis);

    // Waits up to `wartenMs` for a running build to end. A lock left by a process that
    // died is taken over at once, also one that died before it wrote its id.
    bool erlangen(int wartenMs = 3000);
    bool gehalten() const { return sperre_.isLocked(); }

    // The message for a build that found another one running.
    static QString meldungBauLaeuft();

private:
    void leereSperreEntfernen();

    QString datei_;
    QLockFile sperre_;
};

} // namespace drel::db
