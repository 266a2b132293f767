// drel-cli search --pdf: the result printout, written by drel-cli-voll.
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "print/ergebnisdruck.h"
#include "report/pdfausgabe.h"
#include "search/suchmodell.h"
#include "state/sprache.h"

#include <QDate>
#include <cstdio>

namespace drel::cli {

// The result printout of the window: the heading and the rows the grid shows.
bool ergebnisPdf(const search::SuchModell& m, const QStringList& series, const QString& datei) {
    const search::ErgebnisListe& l = m.liste();
    // The command line rates in kW; the heading names the unit as the window's does.
    print::DruckRaster raster{{m.KopfTyp, QStringLiteral("Qo   kW")}};
    for (int row = 1; row < l.RowCount(); ++row)
        if (!l.zelle(0, row).isEmpty())
            raster.push_back({l.zelle(0, row), l.zelle(1, row)});
    // The printout is a customer document: German, with its umlauts.
    spracheWaehlen(QStringLiteral("De"));
    auto bericht = print::ergebnisBerichtAnlegen();
    bericht->setTitle(QStringLiteral("Suchergebnis"));
    QString punkt = QStringLiteral("t0 %1 °C, %2 %3 °C")
                        .arg(m.t0, m.Label8 ? QStringLiteral("tL") : QStringLiteral("tc"), m.tc);
    if (m.chkq0 && m.Q0Sichtbar)
        punkt += QStringLiteral(", Qo %1 kW").arg(m.Q0);
    const print::ErgebnisKopf kopf{series.join(QStringLiteral(", ")), m.kaeltemittel(), punkt,
                                   briefDatum(QDate::currentDate(), QStringLiteral("De"))};
    print::ergebnisBerichtFuellen(*bericht, raster, QStringLiteral("Seite"), kopf);
    QString fehler;
    if (!bericht::pdfSchreiben(*bericht, datei, fehler)) {
        std::fprintf(stderr, "drel-cli search: %s\n", qPrintable(fehler));
        return false;
    }
    return true;
}

} // namespace drel::cli
