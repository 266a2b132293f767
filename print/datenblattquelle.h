// The content of the printed data sheet, read from the data sheet's model: the
// output fields with their captions and units, the pages' texts, grids and
// pictures, and the performance table. Shared by the window and the command line.
#pragma once

#include "print/datenblattinhalt.h"
#include "print/druckauswahl.h"

namespace drel::db {
class TDataModule1;
}
namespace drel::calc {
class Einheiten;
class TStoff;
} // namespace drel::calc
namespace drel::sheet {
class LeistungsTabelle;
class TechnikModell;
} // namespace drel::sheet

namespace drel::print {

struct DatenblattQuelle {
    db::TDataModule1& dm;
    calc::TStoff& stoff;
    const calc::Einheiten& einheiten;
    sheet::TechnikModell& modell;
    // The performance table the sheet shows; nullptr or an empty one is computed
    // over the sheet's current ranges.
    const sheet::LeistungsTabelle* tabelle = nullptr;
};

// Which sections the article has: the dimension and photo pages exist only with
// their picture, the others always.
ReiterSichtbar reiterSichtbar(const DatenblattQuelle& quelle);

// Fills what the sections of `auswahl` print (the others stay empty). Draws the
// diagram and fetches its legends when the sheet has not yet done so.
DatenblattInhalt datenblattInhalt(const DatenblattQuelle& quelle, const Druckauswahl& auswahl);

// The page-1 value rows of the sheet's current state (operating point, results).
std::array<WertZeile, 8> betriebspunktZeilen(const sheet::TechnikModell& m,
                                             const calc::Einheiten& e);
std::array<WertZeile, 8> ergebnisZeilen(const sheet::TechnikModell& m, const calc::Einheiten& e);

} // namespace drel::print
