#include "sheet/vergleichsdiagramm.h"

#include "base/temperatur.h"
#include "sheet/vergleich.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace drel::sheet {

namespace {

// The polygon the margin is measured on: the dashed one, else the blue one.
const GrenzPolygon* randPolygon(const chart::GrenzPolygone& p) {
    const auto flaeche = [](const GrenzPolygon& g) {
        if (g.Anzahl < 3)
            return false;
        for (int i = 0; i < g.Anzahl && i < static_cast<int>(g.punkte.size()); ++i)
            if (g.punkte[static_cast<std::size_t>(i)] != GrenzPunkt{})
                return true;
        return false;
    };
    if (flaeche(p.strich))
        return &p.strich;
    if (flaeche(p.blau))
        return &p.blau;
    return nullptr;
}

} // namespace

QColor vergleichsFarbe(std::size_t n) {
    static const QColor farben[] = {QColor(0, 70, 200), QColor(200, 40, 30), QColor(0, 140, 60),
                                    QColor(150, 60, 170)};
    return farben[n % 4];
}

void vergleichsDiagrammZeichnen(QPainter& p, const QRectF& ziel, const Vergleich& vergleich,
                                bool fahrenheit) {
    const auto temp = [&](double c) { return fahrenheit ? celsiusNachFahrenheit(c) : c; };
    double x0 = std::numeric_limits<double>::max(), x1 = -x0, y0 = x0, y1 = -x0;
    const auto umfassen = [&](double t0, double tc) {
        x0 = std::min(x0, temp(t0));
        x1 = std::max(x1, temp(t0));
        y0 = std::min(y0, temp(tc));
        y1 = std::max(y1, temp(tc));
    };
    for (const ReihenErgebnis& e : vergleich.spalten()) {
        if (const GrenzPolygon* g = randPolygon(e.polygone))
            for (int i = 0; i < g->Anzahl && i < static_cast<int>(g->punkte.size()); ++i)
                umfassen(g->punkte[static_cast<std::size_t>(i)].to,
                         g->punkte[static_cast<std::size_t>(i)].tc);
        if (e.gerechnet)
            umfassen(e.punkt.t0, e.punkt.tc);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(ziel, Qt::white);
    if (x0 > x1) { // nothing to draw
        p.restore();
        return;
    }
    x0 = 10 * std::floor((x0 - 5) / 10);
    x1 = 10 * std::ceil((x1 + 5) / 10);
    y0 = 10 * std::floor((y0 - 5) / 10);
    y1 = 10 * std::ceil((y1 + 5) / 10);
    const QFontMetricsF fm(p.font());
    const double links = ziel.left() + fm.horizontalAdvance(QStringLiteral("-100")) + 8;
    const double unten = ziel.bottom() - 2.2 * fm.height();
    const double legende = fm.height() * 1.3 * static_cast<double>(vergleich.spalten().size());
    // Between the legend and the field: the tc title, above the top value of its scale.
    const double titel = 1.6 * fm.height();
    const QRectF feld(links, ziel.top() + 4 + legende + titel, ziel.right() - links - 12,
                      unten - ziel.top() - 4 - legende - titel);
    const auto punkt = [&](double t0, double tc) {
        return QPointF(feld.left() + (temp(t0) - x0) / (x1 - x0) * feld.width(),
                       feld.bottom() - (temp(tc) - y0) / (y1 - y0) * feld.height());
    };
    // Grid and scale every 10 K.
    p.setPen(QPen(QColor(210, 210, 210), 0));
    for (double x = x0; x <= x1 + 1e-9; x += 10) {
        const double px = feld.left() + (x - x0) / (x1 - x0) * feld.width();
        p.drawLine(QPointF(px, feld.top()), QPointF(px, feld.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(px - 20, feld.bottom() + 2, 40, fm.height()), Qt::AlignHCenter,
                   QString::number(x, 'f', 0));
        p.setPen(QPen(QColor(210, 210, 210), 0));
    }
    for (double y = y0; y <= y1 + 1e-9; y += 10) {
        const double py = feld.bottom() - (y - y0) / (y1 - y0) * feld.height();
        p.drawLine(QPointF(feld.left(), py), QPointF(feld.right(), py));
        p.setPen(Qt::black);
        // The lowest value stands above its line, clear of the t0 scale below the corner.
        const double oben = y == y0 ? py - fm.height() : py - fm.height() / 2;
        p.drawText(QRectF(ziel.left(), oben, links - ziel.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'f', 0));
        p.setPen(QPen(QColor(210, 210, 210), 0));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(feld);
    const QString einheit = fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C");
    p.drawText(QRectF(feld.left(), unten + fm.height(), feld.width(), fm.height()),
               Qt::AlignHCenter, QStringLiteral("t0 [%1]").arg(einheit));
    p.drawText(QRectF(ziel.left(), feld.top() - titel, feld.right() - ziel.left(), fm.height()),
               Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("tc [%1]").arg(einheit));
    // Envelopes and points, then the legend.
    std::size_t n = 0;
    for (const ReihenErgebnis& e : vergleich.spalten()) {
        const QColor farbe = vergleichsFarbe(n);
        if (const GrenzPolygon* g = randPolygon(e.polygone)) {
            QPainterPath pfad;
            for (int i = 0; i < g->Anzahl && i < static_cast<int>(g->punkte.size()); ++i) {
                const GrenzPunkt& gp = g->punkte[static_cast<std::size_t>(i)];
                i == 0 ? pfad.moveTo(punkt(gp.to, gp.tc)) : pfad.lineTo(punkt(gp.to, gp.tc));
            }
            pfad.closeSubpath();
            QColor fuellung = farbe;
            fuellung.setAlpha(28);
            p.fillPath(pfad, fuellung);
            p.setPen(QPen(farbe, 2));
            p.drawPath(pfad);
        }
        if (e.gerechnet) {
            const QPointF c = punkt(e.punkt.t0, e.punkt.tc);
            p.setPen(QPen(farbe, 2));
            p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
            p.drawLine(c + QPointF(-6, 6), c + QPointF(6, -6));
        }
        const double ly = ziel.top() + 4 + fm.height() * 1.3 * static_cast<double>(n);
        p.fillRect(QRectF(links, ly + 3, 18, fm.height() - 6), farbe);
        p.setPen(Qt::black);
        p.drawText(QRectF(links + 24, ly, ziel.right() - links - 24, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, e.typ.isEmpty() ? e.ein.artikel : e.typ);
        ++n;
    }
    p.restore();
}

QImage vergleichsDiagramm(const Vergleich& vergleich, QSize groesse, bool fahrenheit) {
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    // The text grows with the picture, so that a print-size picture stays legible.
    QFont schrift = p.font();
    schrift.setPixelSize(std::max(11, groesse.height() / 42));
    p.setFont(schrift);
    vergleichsDiagrammZeichnen(p, QRectF(QPointF(0, 0), QSizeF(groesse)), vergleich, fahrenheit);
    return bild;
}

} // namespace drel::sheet
