// What the search window does once, when it is created: the database freshness
// check, then the unit and condenser lists of the condensing-unit search.
#pragma once

#include "dbbuild/datenpruefung.h"
#include "search/aggsuche.h"

namespace drel::search {

struct SuchListen {
    AggListe aggregate;
    db::LukoTabelle kondensatoren;
};

// Rebuilds the tables when the exports are newer (reopening the start cursors after a
// build), builds both lists and hands the condenser list to the data module, whose
// condenser table the data sheets search. A table fault is reported and leaves both
// lists empty.
SuchListen FormCreate(db::TDataModule1& dm, const dbbuild::PruefBeobachter& beobachter = {});

} // namespace drel::search
