#include "sheet/herkunft.h"

#include "base/directories.h"
#include "base/kaeltemittelname.h"
#include "base/numberformat.h"
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

// With the decimal separator of the values beside it on the sheet ("0,6 K" in a German
// window), not always a point.
QString mitKomma(QString text) {
    return text.replace(QLatin1Char('.'), numberSeparators().decimal);
}

QString zahl(double v) {
    return mitKomma(QString::number(v, 'g', 6));
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
        h.sicherheitsklasse = m->safetyClass();
        h.gwpAr4 = m->gwpAr4();
        h.gwpAr5 = m->gwpAr5();
        h.gwpQuelle = m->gwpSource();
    }
    h.zeotrop = zeotropesGemisch(h.stoff);
    return h;
}

void gleitRechnen(fluid::TStoff& stoff, double t0, double tc, Herkunft& h) {
    if (!h.zeotrop || !stoff.modell())
        return;
    stoff.KaeltemittelSetzen(h.stoff);
    const auto gleit = [&stoff](double t, double& gleitWert, double& mittel) {
        if (!std::isfinite(t))
            return;
        const double blase = stoff.Siedetemperatur(stoff.Taudruck(t));
        gleitWert = t - blase;
        mittel = 0.5 * (t + blase);
    };
    gleit(t0, h.gleitT0, h.mittelT0);
    gleit(tc, h.gleitTc, h.mittelTc);
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

QString Herkunft::kaeltemittelText() const {
    if (!std::isfinite(gwpAr4) && sicherheitsklasse.isEmpty())
        return {};
    const auto gwp = [](double v) {
        return std::isfinite(v) ? QString::number(v, 'f', 0) : QStringLiteral("-");
    };
    return QCoreApplication::translate("drel::sheet::Herkunft",
                                       "%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4")
        .arg(stoff, gwp(gwpAr4), gwp(gwpAr5),
             sicherheitsklasse.isEmpty() ? QStringLiteral("-") : sicherheitsklasse);
}

QString Herkunft::gleitText() const {
    if (!zeotrop || !std::isfinite(gleitT0) || !std::isfinite(gleitTc))
        return {};
    const auto z = [](double v) { return mitKomma(QString::number(v, 'f', 1)); };
    return QCoreApplication::translate(
               "drel::sheet::Herkunft",
               "Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K "
               "(Mitteltemperatur %4 °C)")
        .arg(z(gleitT0), z(mittelT0), z(gleitTc), z(mittelTc));
}

QString Herkunft::zeilen() const {
    QStringList z{katalogText(), bemessungText(), stoffText()};
    for (const QString& zeile : {kaeltemittelText(), gleitText()})
        if (!zeile.isEmpty())
            z << zeile;
    return z.join(QLatin1Char('\n'));
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
