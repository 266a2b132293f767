// Mutual exclusion of database builds: one lock file in the data folder, so that two
// processes never build or swap the same tables at once.
#pragma once

#include <QLockFile>
#include <QString>

namespace drel::dbbuild {

class BauSperre {
public:
    explicit BauSperre(const QString& datenVerzeichnis);

    // Waits up to `wartenMs` for a running build to end. A lock left by a process that
    // died is taken over at once, also one that died before it wrote its id.
    bool erlangen(int wartenMs = 3000);
    bool gehalten() const { return sperre_.isLocked(); }
    // After a failed erlangen(): the lock file could not be created at all (the data
    // folder is not writable), as against a lock that another build holds.
    bool nichtAnlegbar() const { return nichtAnlegbar_; }

    // The message for a build that found another one running.
    static QString meldungBauLaeuft();
    // The message for a build in a data folder that cannot be written.
    static QString meldungNichtBeschreibbar(const QString& datenVerzeichnis);

    // For tests: every erlangen() fails as in a folder that cannot be written (root
    // may write into any folder, so permissions alone cannot show it).
    static void setNichtAnlegbarFuerTests(bool an);

private:
    void leereSperreEntfernen();
    bool anlegenUnmoeglich();

    bool nichtAnlegbar_ = false;

    QString datei_;
    QLockFile sperre_;
};

} // namespace drel::dbbuild
