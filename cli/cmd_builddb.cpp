// drel-cli build-db: the data check, or with --force an unconditional build of the
// product tables from the XML exports in <DIR>/Daten.
#include "base/directories.h"
#include "calc/koeffizientenpruefung.h"
#include "cli/commands.h"
#include "dbbuild/datenpruefung.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace drel::cli {

int cmdBuildDb(const QStringList& arguments) {
    bool erzwingen = false;
    QString verzeichnis = QDir::currentPath();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--force")) {
            erzwingen = true;
        } else if (a == QLatin1String("--dir") && i + 1 < arguments.size()) {
            verzeichnis = arguments[++i];
        } else {
            return nutzungsfehler(QStringLiteral("build-db"),
                                  QStringLiteral("unbekanntes Argument '%1'").arg(a));
        }
    }
    // A missing folder is no database that is up to date.
    if (!QFileInfo(verzeichnis).isDir())
        return nutzungsfehler(
            QStringLiteral("build-db"),
            QStringLiteral("Das Programmverzeichnis '%1' gibt es nicht.").arg(verzeichnis));
    if (!QFileInfo(findeDatei(verzeichnis, QStringLiteral("Daten"))).isDir()) {
        std::fprintf(stderr,
                     "drel-cli build-db: In '%s' gibt es keinen Ordner Daten mit den "
                     "XML-Exporten.\n",
                     qPrintable(verzeichnis));
        return 1;
    }
    db::PruefBeobachter beobachter;
    beobachter.fortschritt = [](int schritt, int anzahl, const QString& datei) {
        std::printf("Tabelle %d von %d: %s\n", schritt, anzahl, qPrintable(datei));
        std::fflush(stdout);
    };
    // The coefficients of every new build are checked at once; the report goes to
    // Daten/Pruefbericht.txt and to stdout.
    int befunde = 0;
    beobachter.gebaut = [&] {
        const QString bericht = calc::pruefberichtErstellen(verzeichnis, befunde);
        std::printf("%s", qPrintable(bericht));
        std::fflush(stdout);
    };
    switch (db::dateienPruefen(verzeichnis, beobachter, erzwingen)) {
    case db::PruefErgebnis::Aktuell:
        std::printf("Die Tabellen sind aktuell.\n");
        return 0;
    case db::PruefErgebnis::Gebaut:
        std::printf("Die Tabellen wurden neu aufgebaut.\n");
        return befunde < 0 ? 1 : 0;
    case db::PruefErgebnis::Fehler:
        break;
    }
    return 1;
}

} // namespace drel::cli
