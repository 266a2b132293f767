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
#include "search/ergebnisliste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace drel::sheet::testing {

struct Katalog {
    QTemporaryDir dir;
    bool gebaut = false;
    std::unique_ptr<db::TDataModule1> dm;
    calc::TStoff stoff;

    Katalog() {
        const QDir quelle(QStringLiteral(DREL_SOURCE_DIR "/data/Daten"));
        const QString daten = dir.filePath(QStringLiteral("Daten"));
        QDir().mkpath(daten);
        for (const QString& name : quelle.entryList({QStringLiteral("*.xml")}, QDir::Files))
            QFile::copy(quelle.filePath(name), daten + QLatin1Char('/') + name);
        RecordingSink sink;
        ScopedMessageSink scope(&sink);
        gebaut = db::DBNeu(daten).dbNeuAufbauen();
        if (!gebaut)
            return;
        dm = std::make_unique<db::TDataModule1>(dir.path());
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
    }
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

    // What the result list hands over for `typen` (designations), showing `gezeigt`.
    search::DatenblattDaten daten(const QStringList& typen, const QString& gezeigt,
                                  const QString& kaeltemittel) const {
        search::DatenblattDaten d;
        for (const QString& t : typen) {
            const QString x = db::typMitX(t, kaeltemittel.section(QLatin1Char(','), 0, 0));
            d.typen << x;
            d.artikelIds << QString::number(id(t));
        }
        d.typText = gezeigt;
        d.kaeltemittel = kaeltemittel;
        d.t0 = QStringLiteral("-10");
        d.tc = QStringLiteral("45");
        d.tsaug = QStringLiteral("20");
        d.tu = QStringLiteral("0");
        d.ediHz = QStringLiteral("50");
        d.ediN = QStringLiteral("1450");
        return d;
    }
};

inline void einheitenSI(calc::Einheiten& e) {
    e.klick(calc::EinheitGruppe::Leistung, 0);
    e.klick(calc::EinheitGruppe::Antrieb, 0);
    e.klick(calc::EinheitGruppe::Temperatur, 0);
    e.bestaetigen();
}

} // namespace drel::sheet::testing
