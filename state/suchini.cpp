#include "state/suchini.h"

#include "base/directories.h"

#include <QFile>
#include <QSaveFile>

namespace drel {

namespace {

// At most one record; errors give what could be read.
QByteArray recordLesen(const QString& datei, bool& gelesen) {
    QFile file(datei);
    gelesen = file.open(QIODevice::ReadOnly);
    if (!gelesen)
        return {};
    return file.read(SuchRec::Groesse);
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

    QSaveFile file(datei);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(record);
    return file.commit();
}

} // namespace drel
