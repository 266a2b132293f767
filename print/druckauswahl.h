// What the print window hands to the report assembly: the letter data and the
// sections to print, in page order.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace drel::bericht {
class Bericht;
}

namespace drel::print {

// The eight sections of the printed data sheet in page order (pages 1 to 8).
enum class Abschnitt {
    Leistungsdaten,  // CheckBox7, no tab of its own
    TechnischeDaten, // CheckBox1
    Einsatzgrenzen,  // CheckBox2
    Lieferumfang,    // CheckBox3
    Zubehoer,        // CheckBox4
    Masse,           // CheckBox5
    Produktfoto,     // CheckBox6
    TabelleLeistung, // CheckBox8
};

inline constexpr int kAbschnittAnzahl = 8;

// Number of the print-selection box (1..8) that selects a section.
int checkBoxNummer(Abschnitt abschnitt);

// The letter frame of every printed page.
struct Briefdaten {
    QStringList absender;   // AdrMemo
    QStringList empfaenger; // kdrMemo
    QStringList betreff;    // betreffMemo
    QStringList text;       // TXTMemo
    QString datum;          // Edit1
    QString zustaendig;     // Edit2
    QString seite;          // caption of the page label ("Seite")
};

struct Druckauswahl {
    Briefdaten brief;
    std::vector<Abschnitt> abschnitte; // ticked and available, in page order

    bool enthaelt(Abschnitt abschnitt) const;
};

// Whether the data sheet shows the tab of a section (pages 2 to 8 print only then).
using ReiterSichtbar = std::function<bool(Abschnitt)>;

// Builds the report to print from the selection; the data sheet plugs in here.
// nullptr means there is nothing to print.
using BerichtErzeuger = std::function<std::unique_ptr<bericht::Bericht>(const Druckauswahl&)>;

} // namespace drel::print
