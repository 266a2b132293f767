// What opens a data sheet: the type list it offers, the type to show and the operating
// point, all typed and in the program's internal units (°C, K, Hz, 1/min). The search,
// the product browser and drel-cli fill it; the sheet converts to the user's units.
#pragma once

#include "state/betriebspunkt.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

namespace drel {

struct DatenblattAuftrag {
    QStringList typen;        // the sheet's type list, in the order offered
    QList<qint32> artikelIds; // the article of each entry of `typen`
    QString typ;              // the entry shown first
    // t0, tc, suction gas, subcooling, superheat, frequency, speed and the refrigerant
    // list entry; the air inlet temperature counts for condensing units only.
    Betriebspunkt punkt;
    bool luko = false; // a condensing unit rated over the air inlet temperature
    double f2 = 50.0;  // the second compressor of a duplex type
    bool vierPolig = true;
};

} // namespace drel

Q_DECLARE_METATYPE(drel::DatenblattAuftrag)
