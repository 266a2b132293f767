#include "dbbuild/datenpruefung.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "dbbuild/bausperre.h"

#include <QFileInfo>
#include <cmath>

namespace drel::dbbuild {
namespace {

const QString kStand = QStringLiteral("Stand.dat");
const QString kKapazitaetsExport = QStringLiteral("wukcapacitydata.xml");

QString datenVerzeichnisVon(const QString& programmVerzeichnis) {
    return findeDatei(programmVerzeichnis, QStringLiteral("Daten"));
}

} // namespace

double oleDatum(const QDateTime& zeit) {
    const QDateTime lokal = zeit.toLocalTime();
    const qint64 tage = lokal.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    const double bruchteil = lokal.time().msecsSinceStartOfDay() / 86400000.0;
    return static_cast<double>(tage) + bruchteil;
}

double exportStempel(const QString& datenVerzeichnis) {
    const QString pfadExport = findeDatei(datenVerzeichnis, kKapazitaetsExport);
    QFile file(pfadExport);
    if (!QFileInfo(pfadExport).isFile() || !file.open(QIODevice::ReadOnly))
        return 0.0;
    return oleDatum(QFileInfo(file).lastModified());
}

double gespeicherterStand(const QString& datenVerzeichnis) {
    const std::optional<QByteArray> inhalt =
        dateiAnfangLesen(findeDatei(datenVerzeichnis, kStand), 1024);
    if (!inhalt)
        return 0.0;
    QString zeile = QString::fromUtf8(inhalt->left(inhalt->indexOf('\n'))).trimmed();
    const QChar dezimal = numberSeparators().decimal;
    for (const QChar zeichen : {QLatin1Char('.'), QLatin1Char(',')}) {
        const qsizetype pos = zeile.indexOf(zeichen);
        if (pos >= 0 && dezimal != zeichen)
            zeile[pos] = dezimal;
    }
    double stand = 0.0;
    if (!parseFloat(zeile, stand) || !std::isfinite(stand))
        return 0.0;
    return stand;
}

bool standSchreiben(const QString& datenVerzeichnis, double stempel) {
    return dateiAtomarSchreiben(findeDatei(datenVerzeichnis, kStand),
                                (generalFormat(stempel) + QLatin1Char('\n')).toUtf8());
}

bool neuAufbauNoetig(double stand, double exportZeit) {
    return !(stand >= std::trunc(exportZeit));
}

PruefErgebnis dateienPruefen(const QString& programmVerzeichnis, const PruefBeobachter& beobachter,
                             bool erzwingen) {
    const QString daten = datenVerzeichnisVon(programmVerzeichnis);
    if (!QFileInfo(daten).isDir() && !erzwingen)
        return PruefErgebnis::Aktuell;
    BauSperre sperre(daten);
    // A data folder that cannot be written (a system folder, a read-only share) needs
    // no lock as long as nothing has to be built in it.
    bool nurLesen = false;
    if (QFileInfo(daten).isDir()) {
        if (!sperre.erlangen()) {
            if (!sperre.nichtAnlegbar()) {
                report(BauSperre::meldungBauLaeuft(), QString(), MessageKind::Error);
                return PruefErgebnis::Fehler;
            }
            nurLesen = true;
        } else {
            schreibResteEntfernen(daten, eigeneDateien());
            // A swap that a dead process left halfway is finished before anything
            // reads the tables or Stand.dat.
            try {
                tabellenTauschAbschliessen(daten);
            } catch (const db::DbError& e) {
                report(e.message(), QString(), MessageKind::Error);
                return PruefErgebnis::Fehler;
            }
        }
    }
    const double stempel = exportStempel(daten);
    if (!erzwingen && stempel == 0.0)
        return PruefErgebnis::KeinExport;
    if (!erzwingen && !neuAufbauNoetig(gespeicherterStand(daten), stempel) &&
        !(nurLesen && tauschOffen(daten)))
        return PruefErgebnis::Aktuell;
    if (nurLesen) {
        report(BauSperre::meldungNichtBeschreibbar(daten), QString(), MessageKind::Error);
        return PruefErgebnis::Fehler;
    }
    if (beobachter.bauBeginnt)
        beobachter.bauBeginnt();
    DBNeu bau(daten);
    bau.setFortschritt(beobachter.fortschritt);
    bau.setStand(stempel);
    const bool ok = sperre.gehalten() ? bau.dbNeuAufbauen(sperre) : bau.dbNeuAufbauen();
    if (ok && beobachter.gebaut)
        beobachter.gebaut();
    if (beobachter.bauEndet)
        beobachter.bauEndet();
    return ok ? PruefErgebnis::Gebaut : PruefErgebnis::Fehler;
}

} // namespace drel::dbbuild
