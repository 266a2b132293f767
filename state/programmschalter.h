// Program-wide flags that several subsystems read and set.
#pragma once

namespace drel {

struct Programmschalter {
    bool Netz60Hz = false;       // 60 Hz mains chosen in the search
    double LetzteFrequenz = 0.0; // frequency of the last rating on any data sheet, 0 = none yet
    bool LukoModus = false;      // condensing units with air-cooled condenser
};

Programmschalter& programmschalter();

} // namespace drel
