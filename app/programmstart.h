// The start-up steps of the main window that need no window: directories, the copies
// into the settings directory, the start values and the language from search.ini; and
// the shutdown that writes the language back.
#pragma once

#include "base/directories.h"

#include <QString>
#include <QStringList>

namespace drel {

class Programmstart {
public:
    // `programmVerzeichnis` is the working directory at start; `dokumente` is the
    // user's documents folder as the system reports it (empty: it could not be found).
    Programmstart(QString programmVerzeichnis, QString dokumente);

    // The documents folder as the system reports it.
    static QString dokumenteVomSystem();

    // The fluid files copied at every start, in copy order: the 30 of the first
    // release, then those of R32, the HFOs and the HFO blends.
    static const QStringList& fluidDateien();
    // How many of them, from the start of the list, get their attributes cleared.
    static constexpr int FluidDateienBeschreibbar = 27;
    // The three after them (R14, R227, R744) keep their attributes; the files of
    // today's refrigerants that follow are cleared again.
    static constexpr int FluidDateienMitAttributen = 3;

    // The directories for a documents folder; an empty one leaves "/DrelWUK".
    static Verzeichnisse verzeichnisseFuer(const QString& programm, const QString& dokumente);

    // Finds the documents folder and the settings directory, stores them in
    // verzeichnisse() and creates the settings directory. An undeterminable documents
    // folder is reported and start-up goes on with an empty path.
    void IniVerzHolen();
    // Copies the property library, the fluid files and WUKDeinst.dll; a missing source
    // is skipped silently.
    void WichtigeDateienKopieren() const;
    // Start values of the operating point, the program flags and the language.
    static void StandardwerteSetzen();
    // Language from <settings>/search.ini; errors leave the defaults.
    void SucheIniLesen() const;

    // All steps in start-up order; afterwards the settings directory is the working
    // directory.
    void ausfuehren();

    // Shutdown: writes the language into search.ini (the file is created if needed).
    static bool beenden();

private:
    QString programm_;
    QString dokumente_;
};

} // namespace drel
