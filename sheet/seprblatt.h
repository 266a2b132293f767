// The SEPR of the condensing unit on a sheet: the unit rated by its own condenser
// balance at the four rating points of each application, then the seasonal ratio.
#pragma once

#include "calc/artikelrechnung.h"
#include "calc/sepr.h"

#include <array>

namespace drel::fluid {
class TStoff;
}

namespace drel::sheet {

// The rating conditions of EN 13215 at each point: suction gas 20 °C, no subcooling,
// 50 Hz.
inline constexpr double kSeprSauggas = 20.0;

struct SeprAnwendungsWert {
    calc::SeprErgebnis ergebnis;
    std::array<double, 4> tc{};       // condensing temperature of the balance, °C
    std::array<bool, 4> ausserhalb{}; // outside the envelope, or the air moved/t0 clamped
    bool anwendbar = false;           // t0 of the application lies within the envelope
};

struct SeprBlatt {
    bool gerechnet = false; // false: no condensing unit
    SeprAnwendungsWert normal, tief;
};

// Rates the unit of `basis` (a condensing unit with its condenser) at the points of
// both applications. The program-wide operating point and last frequency are kept as
// they were; the data module stays on the same article and refrigerant.
SeprBlatt seprRechnen(db::TDataModule1& dm, fluid::TStoff& stoff,
                      const calc::ArtikelEingabe& basis);

} // namespace drel::sheet
