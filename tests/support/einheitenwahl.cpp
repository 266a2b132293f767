#include "tests/support/einheitenwahl.h"

namespace drel::testing {

calc::Einheiten einheitenGewaehlt(int leistung, int antrieb, int temperatur) {
    calc::Einheiten e;
    e.klick(calc::EinheitGruppe::Leistung, leistung);
    e.klick(calc::EinheitGruppe::Antrieb, antrieb);
    e.klick(calc::EinheitGruppe::Temperatur, temperatur);
    e.bestaetigen();
    return e;
}

} // namespace drel::testing
