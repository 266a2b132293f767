// The program's own icons for buttons, menus and tool bars: SVG pictures in the
// resources, drawn by the Qt SVG module at every size the style asks for.
#pragma once

#include <QIcon>

namespace drel::ui {

enum class Symbol {
    Drucken,    // print
    Vorschau,   // print preview
    Pdf,        // save as PDF
    Speichern,  // save to a file (JSON, picture)
    Csv,        // save as CSV
    Tabelle,    // save as a workbook (XLSX)
    Kopieren,   // copy to the clipboard
    Word,       // hand the text to the word processor
    Suchen,     // start the search
    Datenblatt, // open the data sheet
    Hilfe,      // help
    Zurueck,    // back
    Abkoppeln,  // undock the data sheet
    Einklinken, // dock it back
    Drucker,    // choose and set up the printer
    Info,       // a note to read
};

// The icon; its pixmaps are drawn from the SVG at the requested size, so they stay
// sharp on any screen.
QIcon symbol(Symbol s);

// Resource path of the SVG file (for tests and the screenshot tool).
QString symbolPfad(Symbol s);

} // namespace drel::ui
