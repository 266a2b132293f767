// What the printed data sheet takes from the data sheet: texts, pictures and grids
// of the sections, already in the user's language and units. Filled from the sheet
// (window or command line) and handed to the report assembly.
#pragma once

#include "print/druckauswahl.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace drel::print {

// Caption, value and unit of one printed row; all empty leaves the row blank.
struct WertZeile {
    QString label;
    QString wert;
    QString einheit;
};

struct LegendenZeile {
    QString text; // empty: box and text are not printed
    QColor farbe;
};

struct DatenblattInhalt {
    // ---- on every page ----
    QString typ;               // type name (bold)
    QString kaeltemittelLabel; // caption before the refrigerant
    QString kaeltemittel;
    QString fusszeile; // small line at the foot of the page
    // Section titles, in page order (the captions of the sheet's pages).
    std::array<QString, kAbschnittAnzahl> titel;

    // ---- performance data ----
    std::array<WertZeile, 8> links;  // operating point
    std::array<WertZeile, 8> rechts; // results
    bool kaeltemittelHinweisSichtbar = false;
    QString kaeltemittelHinweis; // the note on high-pressure refrigerants
    // Below the values: what the marks "*" (moved into the input limits) and "**"
    // (outside the application envelope) mean, the SEPR of a condensing unit, and where
    // the numbers come from (catalogue build, rating basis, property model, version).
    QString markierungen;
    QString sepr;
    QString herkunft;

    // ---- technical data ----
    QList<QStringList> technik; // name, value
    QString bemerkungenTitel;
    QStringList bemerkungen; // footnote texts, in ascending numbers

    // ---- application limits ----
    QImage diagramm;
    QString diagrammAchseX, diagrammAchseY; // axis captions, printed as text beside the picture
    std::array<LegendenZeile, 3> legende;
    QString einsatzRand; // "Abstand zur Einsatzgrenze: 12,5 K", under the legend

    // ---- scope of delivery, accessories ----
    QStringList lieferumfang;
    QStringList zubehoer;

    // ---- dimensions and connections ----
    QImage zeichnung;
    QString masseUnterschrift;      // under the drawing
    QString anschlussFuss;          // under the connections (empty on the sheet)
    QList<QStringList> anschluesse; // abbreviation, name, dimension

    // ---- product photo ----
    QImage foto;
    QString fotoUnterschrift;

    // ---- performance table ----
    std::array<WertZeile, 3> tabellenBedingungen; // frequency or speed, subcooling, suction gas
    QList<QStringList> tabelle;                   // the grid row by row, its two heading rows first
    int zellenBreite = 55;                        // width of a value column of the grid, pixels
    int zellenHoehe = 20;                         // height of a value row of the grid, pixels
};

} // namespace drel::print
