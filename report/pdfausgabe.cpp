#include "report/pdfausgabe.h"

#include "base/dateischreiben.h"
#include "report/bericht.h"
#include "report/seitenausgabe.h"

#include <QBuffer>
#include <QPdfWriter>

namespace drel::bericht {

namespace {

// Fine enough for vector text and pictures; positions are kept in 0.1 mm.
constexpr int aufloesung = 1200;

} // namespace

bool pdfSchreiben(Bericht& bericht, const QString& pfad, QString& fehler) {
    fehler.clear();
    if (!bericht.prepare()) {
        fehler = bericht.error();
        return false;
    }
    if (pfad.isEmpty()) {
        fehler = bericht.texts().pdfFehler.arg(pfad);
        return false;
    }
    // The document is laid out in memory and written in one go: QPdfWriter would
    // truncate an existing file first and never tell of a write that failed.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(bericht.title());
        schreiber.setCreator(QStringLiteral("Drel WUK 8.1"));
        schreiber.setResolution(aufloesung);
        if (!seitenAusgeben(bericht, schreiber, fehler)) {
            fehler = bericht.texts().pdfFehler.arg(pfad);
            return false;
        }
    }
    QString grund;
    if (!dateiAtomarSchreiben(pfad, puffer.data(), &grund)) {
        fehler = bericht.texts().pdfFehler.arg(pfad);
        if (fehler.endsWith(QLatin1Char('.')))
            fehler.chop(1);
        fehler += QStringLiteral(" (%1).").arg(grund);
        return false;
    }
    return true;
}

} // namespace drel::bericht
