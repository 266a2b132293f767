#include "report/seitenausgabe.h"

#include "report/bericht.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace drel::bericht {

namespace {

void papierSetzen(QPagedPaintDevice& geraet, const GesetzteSeite& seite) {
    geraet.setPageSize(QPageSize(seite.paperSize(), QPageSize::Millimeter));
    geraet.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

bool seitenAusgeben(const Bericht& bericht, QPagedPaintDevice& geraet, QString& fehler) {
    if (bericht.pageCount() == 0) {
        fehler = bericht.texts().keineSeite;
        return false;
    }
    papierSetzen(geraet, bericht.preparedPage(0));
    QPainter painter;
    if (!painter.begin(&geraet)) {
        fehler = bericht.texts().ausgabeFehler;
        return false;
    }
    for (int i = 0; i < bericht.pageCount(); ++i) {
        if (i > 0) {
            papierSetzen(geraet, bericht.preparedPage(i));
            geraet.newPage();
        }
        bericht.render(painter, i);
    }
    return painter.end();
}

} // namespace drel::bericht
