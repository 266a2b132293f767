// The state of the print window: letter data, print selection and the files
// in the settings directory that keep them between uses.
#pragma once

#include "print/druckauswahl.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

namespace drel::print {

class KundenModell {
public:
    // `verzeichnis` is the settings directory; empty takes the program's one.
    explicit KundenModell(QString verzeichnis = QString());

    // Letter data, under the names of the window's controls.
    QStringList AdrMemo;     // sender address, adr.dat
    QStringList kdrMemo;     // recipient address, kdr.dat
    QStringList betreffMemo; // subject, betreff.dat
    QStringList TXTMemo;     // letter text, text.dat
    QString Edit1;           // date, datum.dat (written only)
    QString Edit2;           // person responsible, zust.dat

    // Print-selection boxes by their number 1..8 (other numbers: false / ignored).
    bool checkBox(int nummer) const;
    void setCheckBox(int nummer, bool an);

    // Reads the print selection from WUK.ini; a missing key ticks its box. A WUK.ini
    // that is no regular file or is oversized is reported and ticks every box.
    void FormCreate();
    // On activation: loads the memo files that exist, Edit2 from zust.dat and
    // sets Edit1 to `heute` in the locale's short date format. An existing
    // zust.dat that cannot be read is reported and leaves Edit2 as it is.
    void readmemo(const QDate& heute = QDate::currentDate());
    // Before every print, preview or PDF: writes the four memos, datum.dat and
    // zust.dat. A file that cannot be written is skipped (its old content stays);
    // the skipped files are reported in one message and the result is false.
    bool speichern() const;
    // Writes the print selection to WUK.ini; false (and reported) when it could not
    // be written.
    bool FormClose() const;

    // The sections to print: ticked boxes whose tab the data sheet shows
    // (performance data needs no tab).
    std::vector<Abschnitt> abschnitte(const ReiterSichtbar& sichtbar) const;
    // Letter data and sections for the report assembly.
    Druckauswahl druckauswahl(const ReiterSichtbar& sichtbar, const QString& seite) const;

    QString datei(const QString& name) const;

private:
    QString verzeichnis_;
    std::array<bool, kAbschnittAnzahl> checkBoxen_{true, true, true, true, true, true, true, true};
};

// The report engine's language for a short program language code (compared
// upper-cased): "DE" German, "EN" and "KO" English, "FR", "IT", "PT", "ES", "RU",
// "PL", "CN" their own; the code to pass to bericht::Bericht::setLanguage, empty
// for every other code (the engine keeps its built-in texts).
QString berichtSprache(const QString& programmCode);
// The engine's language file for that code ("German.xml" ...), empty for others.
QString berichtSprachDatei(const QString& programmCode);

} // namespace drel::print
