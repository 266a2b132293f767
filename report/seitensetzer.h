// Lays one report page out into printed pages: the page header (and its
// children) on top of each, the data bands row by row with a page break where
// a band no longer fits above the page footer, the footer at the bottom.
#pragma once

#include "report/berichtobjekt.h"
#include "report/gesetzteseite.h"

#include <vector>

namespace drel::bericht {

class Band;
class Datenmenge;
class Seite;

class Seitensetzer {
public:
    // `vorher` and `nachher` are the report-wide handlers, called after each
    // object's own before-print and after-print handler.
    Seitensetzer(Seite& seite, const BerichtObjekt::Ereignis& vorher,
                 const BerichtObjekt::Ereignis& nachher, std::vector<GesetzteSeite>& ausgabe);

    void setzen();

private:
    enum class Bereich { Kopf, Koerper, Fuss };

    void neueSeite();
    void seiteAbschliessen();
    void datenbandDrucken(Band& band);
    void bandDrucken(Band& band, const Datenmenge* daten, Bereich bereich, std::size_t tiefe = 0);
    void objekteSetzen(Band& band, const Datenmenge* daten);
    double koerperUnten() const;
    void vorDruck(BerichtObjekt& objekt);
    void nachDruck(BerichtObjekt& objekt);

    Seite& seite_;
    const BerichtObjekt::Ereignis& vorher_;
    const BerichtObjekt::Ereignis& nachher_;
    std::vector<GesetzteSeite>& ausgabe_;
    Band* kopf_ = nullptr;
    Band* fuss_ = nullptr;
    double y_ = 0;
    bool koerperLeer_ = true;
};

} // namespace drel::bericht
