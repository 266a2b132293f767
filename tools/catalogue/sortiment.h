// The product range of the sample catalogue: series, frame sizes and articles of
// the fictitious maker "Drel".
#pragma once

#include "tools/catalogue/exportschreiber.h"
#include "tools/catalogue/huellkurven.h"
#include "tools/catalogue/verdichtermodell.h"

#include <QStringList>
#include <vector>

namespace drel::katalog {

struct Artikel {
    int id = 0;
    QString teilenummer;
    int gruppe = 0;
    int basis = 0;        // base article ID, 0 = none
    QString bezeichnung1; // as exported (groups 23 and 26 carry a word the build cuts)
    QString typ;          // as the tables hold it
    Text10 beschreibung;
    QString bild, masszeichnung;
    QString groesse;  // Size element (the build appends " NH3" for groups 51 and 63)
    double hub = 0.0; // m3/h at 1450 1/min
    double maxLeistung = 0.0;
    double motorKW = 0.0;
    QString vorgaenger;
    double nMin = 0.0, nMax = 0.0;
    int ghost = 0;
    bool useBase = false;
    int textResource = 0;

    // Generator data.
    QString serie;            // picture and text key: "QN", "QL", "W", ...
    int rahmen = 0;           // frame size number
    QStringList kaeltemittel; // refrigerants with own capacity records
    ModellParameter modell;
    Einsatz einsatz = Einsatz::Standard;
    double hubFaktor = 1.0; // capacity share of the swept volume (low speed of 4/8 types)
    bool motor = false;
    bool motorStark = false;       // " S" types: the larger motor
    bool kondensator = false;      // condensing unit with an air-cooled condenser
    double kondensatorUeber = 0.0; // design tc - tle, K
};

// All articles in ID order.
std::vector<Artikel> sortimentErstellen();

// Refrigerants of the catalogue: ID and Ashrae designation.
struct Kaeltemittel {
    int id;
    QString ashrae;
};
const std::vector<Kaeltemittel>& kaeltemittelListe();
int kaeltemittelId(const QString& ashrae);
// The refrigerants of the first catalogue have the IDs up to this one; those of today
// follow.
constexpr int kErsteKaeltemittel = 8;
Sauggas sauggasFuer(const QString& kaeltemittel, int gruppe);

} // namespace drel::katalog
