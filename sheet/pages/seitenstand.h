// Which pages of the data sheet are filled, and the grid column widths the pages
// derive from the grid width.
#pragma once

#include <QtGlobal>

namespace drel::sheet {

// Page-filled flags (program-wide in the sheet): cleared when a sheet is created and
// at every article selection.
struct SeitenGefuellt {
    bool masse = false;
    bool technik = false;
    bool lieferumfang = false;
    bool zubehoer = false;
    bool foto = false;
    bool tabelle = false;

    void loeschen() { *this = SeitenGefuellt{}; }
};

// A page is refilled when its flag is clear or another article is shown than the one
// the refrigerant list was last filled for.
inline bool neuFuellen(bool gefuellt, qint32 aktArtikelId, qint32 letzterArtikelId) {
    return !gefuellt || aktArtikelId != letzterArtikelId;
}

// Technical-values grid: columns 0 and 1 each take half the grid width less 5 pixels
// (column 2 has width 0).
inline int technikSpaltenBreite(int gitterBreite) {
    return gitterBreite / 2 - 5;
}
// Connections grid: columns 1 and 2 each take half of (width − column 0 − 10).
inline int anschlussSpaltenBreite(int gitterBreite, int spalte0) {
    return (gitterBreite - spalte0 - 10) / 2;
}
// Grids grow in 10-pixel steps until every row is visible.
inline int gitterHoehe(int startHoehe, int benoetigt) {
    int h = startHoehe;
    while (h < benoetigt)
        h += 10;
    return h;
}

} // namespace drel::sheet
