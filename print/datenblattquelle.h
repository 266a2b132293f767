// The content of the printed data sheet, read from the data sheet's document: the
// output fields with their captions and units, the pages' texts, grids and
// pictures, and the performance table. Shared by the window and the command line.
#pragma once

#include "print/datenblattinhalt.h"
#include "print/druckauswahl.h"

namespace drel::calc {
class Einheiten;
}
namespace drel::sheet {
class Datenblatt;
class TechnikModell;
} // namespace drel::sheet

namespace drel::print {

// Which sections the article has: the dimension and photo pages exist only with
// their picture, the others always.
ReiterSichtbar reiterSichtbar(const sheet::Datenblatt& blatt);

// Fills what the sections of `auswahl` print (the others stay empty), from the sheet's
// document as it stands: its fields, its pages, its diagram and its performance table.
DatenblattInhalt datenblattInhalt(const sheet::Datenblatt& blatt, const Druckauswahl& auswahl);

// The page-1 value rows of the sheet's current state (operating point, results).
std::array<WertZeile, 8> betriebspunktZeilen(const sheet::TechnikModell& m,
                                             const calc::Einheiten& e);
std::array<WertZeile, 8> ergebnisZeilen(const sheet::TechnikModell& m, const calc::Einheiten& e);

} // namespace drel::print
