#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

namespace drel {

Betriebspunkt& betriebspunkt() {
    static Betriebspunkt punkt;
    return punkt;
}

Programmschalter& programmschalter() {
    static Programmschalter schalter;
    return schalter;
}

} // namespace drel
