// The compressor search engine: every article of a ticked series with a capacity
// record of the selected refrigerant, inside its application limits, rated at the
// operating point and stored in the result table sorted by Qo.
#pragma once

#include "search/suchtypen.h"
#include "state/betriebspunkt.h"

namespace drel::db {
class TDataModule1;
}
namespace drel::fluid {
class TStoff;
}
namespace drel::calc {
class Einheiten;
} // namespace drel::calc
namespace drel::chart {
class GrenzChart;
struct GrenzPolygone;
} // namespace drel::chart

namespace drel::search {

// Inputs of a search: the operating point and what only the search asks for.
struct SuchEingabe {
    // t0, tc, tsaug, tu, n and f are used; tle is the air inlet temperature of the
    // condensing-unit search. The engines count no useful superheat (tue is not read).
    Betriebspunkt punkt;
    QString typText; // vTyp
    TypRec typ;
    KMRec km;
    bool netz60Hz = false;
    bool typFilter = false; // chktyp
    bool mitQ0 = true;      // chkq0
    double Q0 = 10.0;       // wanted cooling capacity, kW
};

// What every engine works on.
struct SuchUmgebung {
    db::TDataModule1& dm;
    fluid::TStoff& stoff;
    const calc::Einheiten& einheiten; // user units, for the text lines and the envelope test
    Suchergebnis& ergebnis;
};

// Compressor mode (satzModus false): TBArtikel is the source and the result table is
// refilled. Set mode: STBArtikel is the source (TBArtikel follows it as its base
// compressor) and the results are appended. Without a chart the envelope test is
// skipped. A candidate whose rating cannot be computed is left out; the property
// library reports each reason once per search. A table fault is reported and ends
// the search with false.
bool VerdSuche(SuchUmgebung& u, const SuchEingabe& e, chart::GrenzChart* chart,
               bool satzModus = false);

// The envelope test on the current capacity record: polygons 3, 2, 1 as graphs 1 to
// 3, axes around the range of the last EinsatzgrenzenTest; in °F when the user
// chose °F.
bool GrenzenPruefen(db::TDataModule1& dm, const calc::Einheiten& einheiten,
                    chart::GrenzChart& chart, double tc, double t0);
// The same on the record's polygons (°C), already read.
bool GrenzenPruefen(chart::GrenzPolygone polygone, const calc::Einheiten& einheiten,
                    chart::GrenzChart& chart, double tc, double t0);

// The three limit polygons of the current capacity record (°C).
chart::GrenzPolygone grenzPolygone(const db::TDataModule1& dm);
// The envelope margin of (t0, tc) in °C on the current capacity record, in K.
double EinsatzRand(const db::TDataModule1& dm, double t0, double tc);

// The fixed-column line of a result: type (18), refrigerant (to column 25), t0 and
// tc (width 5), speed (width 6), Qo (width 10, 2 decimals), in the user's units.
QString textZeile(const calc::Einheiten& einheiten, const QString& typ, const QString& kaeltemittel,
                  double t0, double tc, double n, double qo);

} // namespace drel::search
