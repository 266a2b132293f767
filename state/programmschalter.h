// Program-wide flags that several subsystems read and set.
#pragma once

#include <QString>

namespace drel {

struct Programmschalter {
    bool Netz60Hz = false;       // 60 Hz mains chosen in the search
    double LetzteFrequenz = 0.0; // frequency of the last rating on any data sheet, 0 = none yet
    bool LukoModus = false;      // condensing units with air-cooled condenser
    QString MerkKaeltemittel;    // refrigerant last chosen on any data sheet
    QString MerkTyp;             // type text last shown on a data sheet
};

Programmschalter& programmschalter();

} // namespace drel
