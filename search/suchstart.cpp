#include "search/suchstart.h"

#include "db/datamodule.h"

namespace drel::search {

SuchListen FormCreate(db::TDataModule1& dm, const db::PruefBeobachter& beobachter) {
    if (db::dateienPruefen(dm.programDirectory(), beobachter) == db::PruefErgebnis::Gebaut)
        dm.openStartCursors();
    SuchListen listen;
    listen.aggregate = AggErstellen(dm);
    listen.kondensatoren = KondErstellen(dm);
    db::lukoTabelle() = listen.kondensatoren;
    return listen;
}

} // namespace drel::search
