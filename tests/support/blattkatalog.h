// The sample catalogue of the program directory, built once per test binary, and a
// data sheet opened on types of it as the result list would hand them over.
#pragma once

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "state/betriebspunkt.h"
#include "state/datenblattauftrag.h"
#include "state/programmschalter.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/einheitenwahl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace drel::sheet::testing {

struct Katalog : drel::testing::BeispielKatalog {
    static Katalog& get() {
        static Katalog k;
        return k;
    }

    // The ID of an article by its designation, 0 when there is none.
    qint32 id(const QString& bezeichnung) const {
        if (!dm->TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(bezeichnung)}))
            return 0;
        return dm->TBArtikel.asInteger(u"ID");
    }

    // What the result list hands over for `typen` (designations), showing `gezeigt`, at
    // t0 -10 °C, tc 45 °C, suction gas 20 °C, no subcooling, 50 Hz and 1450 1/min.
    DatenblattAuftrag daten(const QStringList& typen, const QString& gezeigt,
                            const QString& kaeltemittel) const {
        DatenblattAuftrag d;
        for (const QString& t : typen) {
            const QString x = db::typMitX(t, kaeltemittel.section(QLatin1Char(','), 0, 0));
            d.typen << x;
            d.artikelIds << id(t);
        }
        d.typ = gezeigt;
        d.punkt.kaeltemittel = kaeltemittel;
        d.punkt.t0 = -10.0;
        d.punkt.tc = 45.0;
        d.punkt.tsaug = 20.0;
        d.punkt.tu = 0.0;
        d.punkt.f = 50.0;
        d.punkt.n = 1450.0;
        return d;
    }
};

inline void einheitenSI(calc::Einheiten& e) {
    e = drel::testing::siEinheiten();
}

// What every sheet test starts from: German separators, kW and °C, and the program-wide
// switches and point at their start values.
inline void blattUmgebung(calc::Einheiten& e) {
    setNumberSeparators(NumberSeparators::german());
    einheitenSI(e);
    programmschalter() = Programmschalter{};
    betriebspunkt() = Betriebspunkt{};
}

} // namespace drel::sheet::testing
