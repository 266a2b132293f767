// The one operating point of the program: the search, the engines, the result list,
// the data sheets and drel-cli all use this type. Temperatures in °C, temperature
// differences in K, speed in 1/min, frequency in Hz.
#pragma once

#include "base/kaeltemittelname.h"

#include <QString>

namespace drel {

struct Betriebspunkt {
    double t0 = -10.0;   // evaporating temperature (dew point), °C
    double tc = 45.0;    // condensing temperature (dew point), °C
    double tsaug = 20.0; // suction gas temperature at the compressor inlet, °C
    double tu = 0.0;     // liquid subcooling below the bubble point, K
    double tle = 45.0;   // air inlet temperature of an air-cooled condenser, °C
    double tue = 5.0;    // useful superheat in the evaporator, K
    double n = 1450.0;   // speed, 1/min (matters for articles without a motor)
    double f = 50.0;     // mains frequency, Hz (matters for articles with a motor)
    QString kaeltemittel = r404aListenEintrag(); // refrigerant as listed

    // Takes t0, tc, suction gas temperature and subcooling of `quelle`: what a
    // search hands on to the program-wide point.
    void temperaturenUebernehmen(const Betriebspunkt& quelle) {
        t0 = quelle.t0;
        tc = quelle.tc;
        tsaug = quelle.tsaug;
        tu = quelle.tu;
    }
};

// The program-wide operating point; the main window resets it to the start values.
Betriebspunkt& betriebspunkt();

} // namespace drel
