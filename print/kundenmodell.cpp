#include "print/kundenmodell.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "print/meldung.h"
#include "state/sprache.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStringDecoder>

namespace drel::print {

namespace {

const QString kAdr = QStringLiteral("adr.dat");
const QString kKdr = QStringLiteral("kdr.dat");
const QString kBetreff = QStringLiteral("betreff.dat");
const QString kText = QStringLiteral("text.dat");
const QString kDatum = QStringLiteral("datum.dat");
const QString kZust = QStringLiteral("zust.dat");
const QString kIni = QStringLiteral("WUK.ini");

QString iniSchluessel(int nummer) {
    return QStringLiteral("Drucken/CheckBox%1").arg(nummer);
}

// Files from older versions may be UTF-16 with a byte-order mark; everything
// else is read as UTF-8.
QString dekodieren(const QByteArray& bytes) {
    const auto kodierung = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(kodierung.value_or(QStringConverter::Utf8));
    return decoder(bytes);
}

// Line list of a text file as a memo loads it: CR LF, LF or CR end a line, and
// a final line break does not start another line.
QStringList zeilen(const QString& text) {
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList liste = t.split(QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n')))
        liste.removeLast();
    return liste;
}

enum class Lesen { Fehlt, Gelesen, Fehler };

// Letter texts are a few lines; anything beyond this is no file of ours.
constexpr qint64 kHoechstens = 1 << 20;

// A FIFO or device in place of a letter file is not opened for reading (it could
// block for ever); too large a file is not read at all.
Lesen zeilenLesen(const QString& pfad, QStringList& ziel) {
    if (!QFileInfo::exists(pfad))
        return Lesen::Fehlt;
    const std::optional<QByteArray> bytes = einstellungsDateiLesen(pfad, kHoechstens);
    if (!bytes)
        return Lesen::Fehler;
    ziel = zeilen(dekodieren(*bytes));
    return Lesen::Gelesen;
}

// Written through a temporary file, so a failed write keeps the old content.
bool zeilenSchreiben(const QString& pfad, const QStringList& liste, QStringList& fehler) {
    QByteArray bytes;
    for (const QString& zeile : liste) {
        bytes += zeile.toUtf8();
        bytes += '\n';
    }
    QString grund;
    if (dateiAtomarSchreiben(pfad, bytes, &grund))
        return true;
    fehler << schreibFehlerText(pfad, grund);
    return false;
}

// QSettings reads the whole file and would wait on a FIFO: it only gets a regular
// file of sane size.
bool iniBrauchbar(const QString& pfad) {
    const QFileInfo info(pfad);
    return alsEinstellungsDateiLesbar(pfad) && (!info.exists() || info.size() <= kHoechstens);
}

// An INI value counts as ticked unless it is an integer 0; a missing or
// unreadable value keeps the default.
bool iniBool(const QSettings& ini, const QString& schluessel, bool vorgabe) {
    const QVariant wert = ini.value(schluessel);
    if (!wert.isValid())
        return vorgabe;
    bool ok = false;
    const int zahl = wert.toString().trimmed().toInt(&ok);
    return ok ? zahl != 0 : vorgabe;
}

struct Sprachzuordnung {
    const char* programm;
    const char* bericht;
    const char* datei;
};

// Korean has no engine texts of its own and falls back to English.
constexpr Sprachzuordnung kSprachen[] = {
    {"DE", "DE", "German.xml"},  {"EN", "EN", "English.xml"}, {"KO", "EN", "English.xml"},
    {"FR", "FR", "French.xml"},  {"IT", "IT", "Italian.xml"}, {"PT", "PT", "Portuguese.xml"},
    {"ES", "ES", "Spanish.xml"}, {"RU", "RU", "Russian.xml"}, {"PL", "PL", "Polish.xml"},
    {"CN", "CN", "Chinese.xml"},
};

const Sprachzuordnung* sprachzuordnung(const QString& code) {
    const QString gross = code.trimmed().toUpper();
    for (const Sprachzuordnung& s : kSprachen)
        if (gross == QLatin1String(s.programm))
            return &s;
    return nullptr;
}

} // namespace

int checkBoxNummer(Abschnitt abschnitt) {
    switch (abschnitt) {
    case Abschnitt::Leistungsdaten:
        return 7;
    case Abschnitt::TechnischeDaten:
        return 1;
    case Abschnitt::Einsatzgrenzen:
        return 2;
    case Abschnitt::Lieferumfang:
        return 3;
    case Abschnitt::Zubehoer:
        return 4;
    case Abschnitt::Masse:
        return 5;
    case Abschnitt::Produktfoto:
        return 6;
    case Abschnitt::TabelleLeistung:
        return 8;
    }
    return 0;
}

bool Druckauswahl::enthaelt(Abschnitt abschnitt) const {
    return std::find(abschnitte.begin(), abschnitte.end(), abschnitt) != abschnitte.end();
}

KundenModell::KundenModell(QString verzeichnis) : verzeichnis_(std::move(verzeichnis)) {}

QString KundenModell::datei(const QString& name) const {
    return pfad(verzeichnis_.isEmpty() ? verzeichnisse().einstellungen : verzeichnis_, name);
}

bool KundenModell::checkBox(int nummer) const {
    if (nummer < 1 || nummer > kAbschnittAnzahl)
        return false;
    return checkBoxen_[static_cast<std::size_t>(nummer - 1)];
}

void KundenModell::setCheckBox(int nummer, bool an) {
    if (nummer < 1 || nummer > kAbschnittAnzahl)
        return;
    checkBoxen_[static_cast<std::size_t>(nummer - 1)] = an;
}

void KundenModell::FormCreate() {
    if (!iniBrauchbar(datei(kIni))) {
        fehlerMelden(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                         .arg(QDir::toNativeSeparators(datei(kIni))));
        for (int i = 1; i <= kAbschnittAnzahl; ++i)
            setCheckBox(i, true);
        return;
    }
    const QSettings ini(datei(kIni), QSettings::IniFormat);
    for (int i = 1; i <= kAbschnittAnzahl; ++i)
        setCheckBox(i, iniBool(ini, iniSchluessel(i), true));
}

void KundenModell::readmemo(const QDate& heute) {
    zeilenLesen(datei(kAdr), AdrMemo);
    zeilenLesen(datei(kKdr), kdrMemo);
    zeilenLesen(datei(kBetreff), betreffMemo);
    zeilenLesen(datei(kText), TXTMemo);
    QStringList zust;
    switch (zeilenLesen(datei(kZust), zust)) {
    case Lesen::Gelesen:
        Edit2 = zust.isEmpty() ? QString() : zust.first();
        break;
    case Lesen::Fehler:
        fehlerMelden(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                         .arg(QDir::toNativeSeparators(datei(kZust))));
        break;
    case Lesen::Fehlt:
        break;
    }
    // The letter's date in its language's form, whatever the machine's locale.
    Edit1 = briefDatum(heute, sprache().kurzCode);
}

bool KundenModell::speichern() const {
    QDir().mkpath(datei(QString()));
    QStringList fehler;
    zeilenSchreiben(datei(kKdr), kdrMemo, fehler);
    zeilenSchreiben(datei(kAdr), AdrMemo, fehler);
    zeilenSchreiben(datei(kBetreff), betreffMemo, fehler);
    zeilenSchreiben(datei(kText), TXTMemo, fehler);
    zeilenSchreiben(datei(kDatum), QStringList{Edit1}, fehler);
    zeilenSchreiben(datei(kZust), QStringList{Edit2}, fehler);
    // One message for all: a read-only folder fails every file for the same reason.
    if (!fehler.isEmpty())
        fehlerMelden(fehler.join(QLatin1Char('\n')));
    return fehler.isEmpty();
}

bool KundenModell::FormClose() const {
    QDir().mkpath(datei(QString()));
    // QSettings writes through a temporary file too; it only says whether it failed.
    const bool brauchbar = iniBrauchbar(datei(kIni));
    if (brauchbar) {
        QSettings ini(datei(kIni), QSettings::IniFormat);
        for (int i = 1; i <= kAbschnittAnzahl; ++i)
            ini.setValue(iniSchluessel(i), checkBox(i) ? 1 : 0);
        ini.sync();
        if (ini.status() == QSettings::NoError)
            return true;
    }
    fehlerMelden(schreibFehlerText(datei(kIni),
                                   brauchbar ? QStringLiteral("keine Berechtigung oder kein Platz")
                                             : QStringLiteral("keine gewöhnliche Datei")));
    return false;
}

std::vector<Abschnitt> KundenModell::abschnitte(const ReiterSichtbar& sichtbar) const {
    std::vector<Abschnitt> liste;
    for (int i = 0; i < kAbschnittAnzahl; ++i) {
        const auto abschnitt = static_cast<Abschnitt>(i);
        if (!checkBox(checkBoxNummer(abschnitt)))
            continue;
        if (abschnitt == Abschnitt::Leistungsdaten || (sichtbar && sichtbar(abschnitt)))
            liste.push_back(abschnitt);
    }
    return liste;
}

Druckauswahl KundenModell::druckauswahl(const ReiterSichtbar& sichtbar,
                                        const QString& seite) const {
    Druckauswahl auswahl;
    auswahl.brief = {AdrMemo, kdrMemo, betreffMemo, TXTMemo, Edit1, Edit2, seite};
    auswahl.abschnitte = abschnitte(sichtbar);
    return auswahl;
}

QString berichtSprache(const QString& programmCode) {
    const Sprachzuordnung* s = sprachzuordnung(programmCode);
    return s ? QString::fromLatin1(s->bericht) : QString();
}

QString berichtSprachDatei(const QString& programmCode) {
    const Sprachzuordnung* s = sprachzuordnung(programmCode);
    return s ? QString::fromLatin1(s->datei) : QString();
}

} // namespace drel::print
