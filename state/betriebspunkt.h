// The operating point shared by the search and the data sheets, in °C, K, 1/min and Hz.
#pragma once

#include <QString>

namespace drel {

struct Betriebspunkt {
    double t0 = -10.0;   // evaporating temperature, °C
    double tc = 45.0;    // condensing temperature, °C
    double tsaug = 20.0; // suction gas temperature, °C
    double tu = 0.0;     // liquid subcooling, K
    double tle = 45.0;   // air inlet temperature of the condenser, °C
    double tue = 5.0;    // superheat, K
    double n = 1450.0;   // speed, 1/min
    double f = 50.0;     // mains frequency, Hz
    QString kaeltemittel = QStringLiteral("R404A, R507");
};

// The program-wide operating point; the main window resets it to the start values.
Betriebspunkt& betriebspunkt();

} // namespace drel
