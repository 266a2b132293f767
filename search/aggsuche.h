// The condensing-unit search: the unit list (one entry per unit, condenser and
// refrigerant) and the condenser list, built once; the search over the unit list
// with the balance between compressor and condenser; and the search of compressor
// sets through the compressor engine.
#pragma once

#include "db/recordhelpers.h"
#include "search/verdsuche.h"

#include <vector>

namespace drel::search {

// One unit with one condenser and one refrigerant.
struct AggRec {
    QString Typ;          // unit name in the form for its refrigerant
    QString TypUmgekehrt; // the other form
    QString BasisName;    // Bezeichnung1 of the base compressor
    QString Kondensator;  // LuftkondensatorID as decimal text
    QString Kaeltemittel; // Ashrae, at most six characters
    qint32 KaeltemittelID = 0;
    qint32 ArtikelID = 0; // the unit
    qint32 BasisID = 0;   // its base compressor
};

// Entries in list order (entry k is [k - 1]); grows with the data, no fixed limit.
using AggListe = std::vector<AggRec>;

// Builds the unit list from the articles with a base article and their condenser
// assignments. Leaves the cursors as it found them (filter and links restored, also
// when it throws DbError on a table fault; the caller is the boundary).
AggListe AggErstellen(db::TDataModule1& dm);
// Builds the condenser list: one entry per condenser capacity record. Throws DbError.
db::LukoTabelle KondErstellen(db::TDataModule1& dm);

// Searches the unit list (e.tc is the air inlet temperature); replaces the results
// and sets LukoModus. Units whose rating cannot be computed are left out. A table
// fault is reported and ends the search with false.
bool AggSuche(SuchUmgebung& u, const SuchEingabe& e, const AggListe& aggregate,
              const db::LukoTabelle& kondensatoren);

// Whether the set search follows the unit search: sets with receiver or open sets.
bool satzSucheNoetig(const TypRec& typ);
// Runs the compressor engine in set mode over the articles with a base article and
// appends the accepted sets to the unit results; false after a reported table fault.
// The filter and links it sets are undone in every case.
bool SatzSuche(SuchUmgebung& u, const SuchEingabe& e, chart::GrenzChart* chart);

} // namespace drel::search
