// Builds all records of the sample catalogue's 24 exports from the product range.
#pragma once

#include "tools/catalogue/exportschreiber.h"
#include "tools/catalogue/sortiment.h"

#include <map>

namespace drel::fluid {
class TStoff;
}

namespace drel::katalog {

// Fit of one series and frame with one refrigerant, per m3/h of swept volume.
struct LeistungsFit {
    Anpassung qo;
    Anpassung p;
    double pMax = 0.0; // largest power over the envelope, kW per m3/h
    int punkte = 0;
};

// Capacity and power fits, one per model, refrigerant and envelope.
class LeistungsRechner {
public:
    explicit LeistungsRechner(fluid::TStoff& stoff) : stoff_(stoff) {}
    const LeistungsFit& fit(const Artikel& a, const QString& kaeltemittel);
    // Grid points of the fit: inside the dashed polygon, 2.5 K apart, and its corners.
    static std::vector<std::pair<double, double>> stuetzstellen(const Huelle& h);
    const std::map<QString, LeistungsFit>& alle() const { return fits_; }
    fluid::TStoff& stoff() { return stoff_; }

private:
    fluid::TStoff& stoff_;
    std::map<QString, LeistungsFit> fits_;
};

struct Katalog {
    std::vector<Artikel> artikel;
    ExportSammlung exporte;
    std::map<QString, LeistungsFit> fits; // key: series/frame/refrigerant
    double strommodellRms = 0.0;          // largest RMS of the current fits
};

Katalog katalogErstellen(fluid::TStoff& stoff);

// Product groups of the catalogue with their parent and tree position.
struct Gruppe {
    int id;
    int parent;
    int reihenfolge;
    Text10 name;
    QString serie; // picture key
};
const std::vector<Gruppe>& gruppenListe();

} // namespace drel::katalog
