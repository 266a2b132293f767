#include "search/suchstart.h"

#include "db/datamodule.h"
#include "db/errorboundary.h"

namespace drel::search {

SuchListen FormCreate(db::TDataModule1& dm, const dbbuild::PruefBeobachter& beobachter) {
    SuchListen listen;
    const bool ok = db::runReported([&] {
        if (dbbuild::dateienPruefen(dm.programDirectory(), beobachter) ==
            dbbuild::PruefErgebnis::Gebaut)
            dm.openStartCursors();
        listen.aggregate = AggErstellen(dm);
        listen.kondensatoren = KondErstellen(dm);
    });
    if (!ok)
        listen = {}; // reported; the window opens with empty lists rather than half ones
    dm.lukoTabelle() = listen.kondensatoren;
    return listen;
}

} // namespace drel::search
