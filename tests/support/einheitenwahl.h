// Unit choices as the units window would leave them, for tests and benchmarks.
#pragma once

#include "calc/einheiten.h"

namespace drel::testing {

// Power, drive and temperature by their button index (0 kW, kW and °C), confirmed.
calc::Einheiten einheitenGewaehlt(int leistung, int antrieb, int temperatur);
// kW, kW and °C.
inline calc::Einheiten siEinheiten() {
    return einheitenGewaehlt(0, 0, 0);
}

} // namespace drel::testing
