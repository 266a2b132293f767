#include "state/suchini.h"

#include "base/dateischreiben.h"
#include "base/directories.h"

namespace drel {

namespace {

// At most one record; a FIFO or device in its place counts as unreadable.
QByteArray recordLesen(const QString& datei, bool& gelesen) {
    const std::optional<QByteArray> inhalt = dateiAnfangLesen(datei, SuchRec::Groesse);
    gelesen = inhalt.has_value();
    return inhalt.value_or(QByteArray());
}

} // namespace

QString suchIniPfad() {
    return pfad(verzeichnisse().einstellungen, QStringLiteral("search.ini"));
}

Sprache spracheAusRecord(const SuchRec& rec) {
    Sprache ergebnis;
    ergebnis.nummer = rec.sprachNummer;
    ergebnis.kurzCode = rec.kurzCode.left(2);
    ergebnis.code = rec.code;
    if (ergebnis.kurzCode.isEmpty()) {
        ergebnis.kurzCode = QStringLiteral("De");
        ergebnis.code = QStringLiteral("De");
    } else if (ergebnis.code.isEmpty()) {
        ergebnis.code = ergebnis.kurzCode;
    }
    return ergebnis;
}

bool spracheLesen(const QString& datei, Sprache& ziel) {
    bool gelesen = false;
    const QByteArray daten = recordLesen(datei, gelesen);
    if (!gelesen)
        return false;
    ziel = spracheAusRecord(SuchRec::lesen(daten));
    return true;
}

bool spracheSchreiben(const QString& datei, const Sprache& sprache) {
    QByteArray record = SuchRec::defaults().schreiben();
    bool gelesen = false;
    const QByteArray vorhanden = recordLesen(datei, gelesen);
    record.replace(0, vorhanden.size(), vorhanden);
    SuchRec::spracheEinsetzen(record, sprache.kurzCode, sprache.nummer, sprache.code);

    return dateiSchreibenOderMelden(datei, record);
}

} // namespace drel
