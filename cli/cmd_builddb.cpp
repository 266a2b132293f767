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
    dbbuild::PruefBeobachter beobachter;
    beobachter.fortschritt = [](int schritt, int anzahl, const QString& datei) {
        std::printf("Tabelle %d von %d: %s\n", schritt, anzahl, qPrintable(datei));
        std::fflush(stdout);
    };
    // Every generation of tables that becomes current has its coefficients checked,
    // also one whose swap this run finished from the journal; the report goes to
    // Daten/Pruefbericht.txt and to stdout.
    int befunde = 0;
    const auto pruefen = [&] {
        QString bericht;
        if (calc::pruefberichtAktualisieren(verzeichnis, befunde, &bericht)) {
            std::printf("%s", qPrintable(bericht));
            std::fflush(stdout);
        }
    };
    beobachter.gebaut = pruefen;
    switch (dbbuild::dateienPruefen(verzeichnis, beobachter, erzwingen)) {
    case dbbuild::PruefErgebnis::Aktuell:
        pruefen();
        std::printf("Die Tabellen sind aktuell.\n");
        return befunde < 0 ? 1 : 0;
    case dbbuild::PruefErgebnis::KeinExport: {
        // Nothing to build is no build that is up to date.
        const bool tabellen = QFileInfo::exists(findeDatei(
            findeDatei(verzeichnis, QStringLiteral("Daten")), QStringLiteral("CapacityData.cds")));
        std::fprintf(
            stderr,
            "drel-cli build-db: In %s gibt es keinen Export wukcapacitydata.xml; es "
            "gibt nichts aufzubauen%s.\n",
            qPrintable(QDir::toNativeSeparators(findeDatei(verzeichnis, QStringLiteral("Daten")))),
            tabellen ? ", die vorhandenen Tabellen bleiben" : " und keine Tabellen");
        if (tabellen)
            pruefen();
        return tabellen && befunde >= 0 ? 0 : 1;
    }
    case dbbuild::PruefErgebnis::Gebaut:
        std::printf("Die Tabellen wurden neu aufgebaut.\n");
        return befunde < 0 ? 1 : 0;
    case dbbuild::PruefErgebnis::Fehler:
        break;
    }
    return 1;
}

} // namespace drel::cli
