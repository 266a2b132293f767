#include "report/pdfausgabe.h"

#include "report/bericht.h"
#include "report/seitenausgabe.h"

#include <QFile>
#include <QPdfWriter>

namespace drel::bericht {

namespace {

// Fine enough for vector text and pictures; positions are kept in 0.1 mm.
constexpr int aufloesung = 1200;

// QPdfWriter only finds out at the first paint that it cannot open its file,
// and then writes nothing; opening it here gives a clear answer up front.
bool beschreibbar(const QString& pfad) {
    QFile datei(pfad);
    const bool gab = datei.exists();
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    datei.close();
    if (!gab)
        datei.remove();
    return true;
}

} // namespace

bool pdfSchreiben(Bericht& bericht, const QString& pfad, QString& fehler) {
    fehler.clear();
    if (!bericht.prepare()) {
        fehler = bericht.error();
        return false;
    }
    if (pfad.isEmpty() || !beschreibbar(pfad)) {
        fehler = bericht.texts().pdfFehler.arg(pfad);
        return false;
    }
    QPdfWriter schreiber(pfad);
    schreiber.setTitle(bericht.title());
    schreiber.setCreator(QStringLiteral("Drel WUK 8.1"));
    schreiber.setResolution(aufloesung);
    if (!seitenAusgeben(bericht, schreiber, fehler)) {
        fehler = bericht.texts().pdfFehler.arg(pfad);
        return false;
    }
    return true;
}

} // namespace drel::bericht
