// A report shaped like the search-result printout: header, one data band and a
// footer with the page number, on A4 with 10 mm margins. Header 270 and footer
// 100 units leave a body of exactly 2400 units: 24 rows of 100.
#pragma once

#include "report/bericht.h"
#include "report/memo.h"

namespace drel::bericht::test {

struct Suchdruck {
    Bericht bericht;
    Seite* seite = nullptr;
    Band* kopf = nullptr;
    Band* daten = nullptr;
    Band* fuss = nullptr;

    explicit Suchdruck(double zeilenhoehe = 100) {
        seite = &bericht.addPage(QStringLiteral("Page1"));
        kopf = &seite->addBand(QStringLiteral("PageHeader1"), BandArt::Seitenkopf);
        kopf->setHeight(270);
        auto& titel = kopf->createMemo(QStringLiteral("Memo1"));
        titel.setGeometry(0, 0, 400, 60);
        titel.setText(QStringLiteral("Typ"));
        daten = &seite->addBand(QStringLiteral("MasterData1"), BandArt::Stammdaten);
        daten->setHeight(zeilenhoehe);
        auto& zelle = daten->createMemo(QStringLiteral("Memo7"));
        zelle.setGeometry(50, 10, 600, 80);
        zelle.setText(QStringLiteral("[Feld1]"));
        fuss = &seite->addBand(QStringLiteral("PageFooter1"), BandArt::Seitenfuss);
        fuss->setHeight(100);
        auto& nummer = fuss->createMemo(QStringLiteral("Memo14"));
        nummer.setGeometry(1000, 0, 800, 80);
        nummer.setText(QStringLiteral("Seite [Page#]/[TotalPages#]"));
    }
};

} // namespace drel::bericht::test
