#include "sheet/herkunft.h"

#include "base/directories.h"
#include "db/datamodule.h"
#include "db/tablefile.h"
#include "dbbuild/datenpruefung.h"
#include "fluid/stoff.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <cmath>

namespace drel::sheet {

namespace {

QString zahl(double v) {
    return QString::number(v, 'g', 6);
}

} // namespace

QString programmVersion() {
    return QStringLiteral(DREL_VERSION);
}

void katalogLesen(const QString& programmVerzeichnis, Herkunft& h) {
    const QString daten = pfad(programmVerzeichnis, QStringLiteral("Daten"));
    h.stand = dbbuild::gespeicherterStand(daten);
    h.standDatum.clear();
    if (h.stand > 0.0) {
        // An OLE date counts days from 30 December 1899; the fraction is the time of day.
        const QDate tag = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(h.stand)));
        h.standDatum = tag.toString(Qt::ISODate);
    }
    h.bauKennung =
        db::tableFileMeta(pfad(daten, QStringLiteral("CapacityData.cds")), QStringLiteral("build"));
}

Herkunft herkunftLesen(db::TDataModule1& dm, fluid::TStoff& stoff) {
    Herkunft h;
    h.programmVersion = programmVersion();
    katalogLesen(dm.programDirectory(), h);
    if (dm.TBLeistung.isEmpty() || dm.TBLeistung.eof())
        return h;
    h.sauggasTemperatur = dm.TBLeistung.asBool(u"SauggasFlag");
    h.sauggasWert = dm.TBLeistung.asFloat(u"Sauggaswert");
    h.norm = dm.TBLeistung.asString(u"Norm").trimmed();
    h.mitMotor = !dm.TBMotorArtikel.isEmpty();
    h.stoff = dm.TBKMittelS.asString(u"Ashrae");
    stoff.KaeltemittelSetzen(h.stoff);
    if (const fluid::RefrigerantModel* m = stoff.modell()) {
        h.stoffModell = m->model();
        h.stoffGleichung = m->equation();
        h.stoffBezug = m->referenceState();
    }
    return h;
}

QString Herkunft::katalogText() const {
    return QCoreApplication::translate("drel::sheet::Herkunft", "Katalog %1, Build %2, Programm %3")
        .arg(standDatum.isEmpty() ? QStringLiteral("-") : standDatum,
             bauKennung.isEmpty() ? QStringLiteral("-") : bauKennung, programmVersion);
}

QString Herkunft::bemessungText() const {
    const QString sauggas =
        !std::isfinite(sauggasWert) ? QStringLiteral("-")
        : sauggasTemperatur
            ? QCoreApplication::translate("drel::sheet::Herkunft", "Sauggastemperatur %1 °C")
                  .arg(zahl(sauggasWert))
            : QCoreApplication::translate("drel::sheet::Herkunft", "Uberhitzung %1 K")
                  .arg(zahl(sauggasWert));
    const QString antrieb = mitMotor ? QStringLiteral("50 Hz") : QStringLiteral("1450 1/min");
    QString text =
        QCoreApplication::translate("drel::sheet::Herkunft", "Bemessung: %1, Unterkuhlung %2 K, %3")
            .arg(sauggas, zahl(unterkuehlung), antrieb);
    if (!norm.isEmpty())
        text += QStringLiteral(", ") + norm;
    return text;
}

QString Herkunft::stoffText() const {
    if (stoffModell.isEmpty())
        return QCoreApplication::translate("drel::sheet::Herkunft",
                                           "Stoffwerte %1: keine Stoffdatei")
            .arg(stoff);
    return QCoreApplication::translate("drel::sheet::Herkunft",
                                       "Stoffwerte %1: %2 (%3), Bezugszustand %4")
        .arg(stoff, stoffModell, stoffGleichung,
             stoffBezug.isEmpty() ? QStringLiteral("-") : stoffBezug);
}

} // namespace drel::sheet
