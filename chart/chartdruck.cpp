#include "chart/chartdruck.h"

#include "base/messagesink.h"
#include "chart/abbildung.h"
#include "chart/beschriftung.h"
#include "chart/chartzeichner.h"
#include "chart/vorbereitung.h"

#include <QFontMetricsF>
#include <cmath>

namespace drel::chart {

namespace {

class Druck {
public:
    Druck(QPainter& p, const ChartDaten& daten, bool quer)
        : p_(p), daten_(daten), punktProEinheitX_(p.device()->logicalDpiX() / 254.0),
          punktProEinheitY_(p.device()->logicalDpiY() / 254.0) {
        pw_ = daten.Breite * 10 * 0.93;
        ph_ = daten.Hoehe * 10 * 0.89 * std::pow(0.94, legenden(daten).size());
        d_ = std::sqrt(pw_ * pw_ + ph_ * ph_);
        schrift_ = QFont(QStringLiteral("Arial"));
        schrift_.setPixelSize(std::max(1, runden(laenge(quer ? 60 : d_ / 35))));
        sx_ = pw_ / (daten.XMax - daten.XMin);
        logY_ = daten.Art == ChartArt::LogY && daten.YMin > 0 && daten.YMax > daten.YMin;
        sy_ = logY_ ? ph_ / (std::log(daten.YMax) - std::log(daten.YMin))
                    : ph_ / (daten.YMax - daten.YMin);
    }

    // Axis values to device pixels.
    QPointF geraet(double x, double y) const {
        const double ly =
            logY_ ? (y > 0 ? std::log(y) - std::log(daten_.YMin) : -1e9) : y - daten_.YMin;
        const double ex = (x - daten_.XMin) * sx_ + daten_.LeftRand * 10;
        const double ey = ly * sy_ - ph_ - daten_.TopRand * 10;
        return {ex * punktProEinheitX_, -ey * punktProEinheitY_};
    }
    double laenge(double zehntelMm) const { return zehntelMm * punktProEinheitX_; }

    QRectF plot() const {
        return QRectF(geraet(daten_.XMin, daten_.YMax), geraet(daten_.XMax, daten_.YMin));
    }

    void gitter() {
        p_.setFont(schrift_);
        double y = daten_.YMin;
        for (int n = 0; n < 200; ++n) {
            waagerecht(y);
            if (logY_ ? !(daten_.YMax * 0.999 > y)
                      : !(y < daten_.YMax - 0.001 * (daten_.YMax - daten_.YMin)))
                break;
            y = logY_ ? naechsterLogWert(y) : y + daten_.YStep;
        }
        double x = daten_.XMin;
        for (int n = 0; n < 200; ++n) {
            senkrecht(x);
            if (!(x < daten_.XMax - 0.001 * (daten_.XMax - daten_.XMin)))
                break;
            x += daten_.XStep;
        }
    }

    void graphen() {
        for (int g = 1; g <= daten_.graphen(); ++g) {
            const GraphDaten& graph = daten_.graph(g);
            const double breite = graph.Strichstaerke * std::round(d_ / 900) * daten_.Scale;
            p_.setPen(QPen(QColor::fromRgb(zuQRgb(graph.Farbe)), laenge(breite), Qt::SolidLine,
                           Qt::RoundCap, Qt::RoundJoin));
            if (graph.LinienZeigen && breite > 0)
                linien(graph);
            if (graph.KreuzeZeigen && breite > 0)
                kreuze(graph);
        }
    }

    void labels() { beschriften(p_, daten_, plot(), schrift_, laenge(2 * std::round(d_ / 900))); }

private:
    QPen gitterStift(bool rand) const {
        const double einheit = std::round(d_ / 1100) * daten_.Scale;
        return rand ? QPen(Qt::black, laenge(2 * einheit))
                    : QPen(QColor::fromRgb(zuQRgb(kGrau)), laenge(einheit));
    }

    void waagerecht(double y) {
        p_.setPen(gitterStift(fastGleich(y, daten_.YMin) || fastGleich(y, daten_.YMax)));
        const QPointF a = geraet(daten_.XMin, y);
        p_.drawLine(a, geraet(daten_.XMax, y));
        p_.setPen(Qt::black);
        const double h = QFontMetricsF(schrift_, p_.device()).height();
        p_.drawText(QRectF(a.x() - laenge(20) - 10000, a.y() - h / 2, 10000, h),
                    Qt::AlignRight | Qt::AlignVCenter, achsenZahl(y, daten_.NoYDecimals));
    }

    void senkrecht(double x) {
        p_.setPen(gitterStift(fastGleich(x, daten_.XMin) || fastGleich(x, daten_.XMax)));
        const QPointF a = geraet(x, daten_.YMin);
        p_.drawLine(a, geraet(x, daten_.YMax));
        p_.setPen(Qt::black);
        const double h = QFontMetricsF(schrift_, p_.device()).height();
        p_.drawText(QRectF(a.x() - 5000, a.y() + h / 8, 10000, h), Qt::AlignHCenter | Qt::AlignTop,
                    achsenZahl(x, daten_.NoXDecimals));
    }

    bool imBereich(double x, double y) const {
        return x >= daten_.XMin && x <= daten_.XMax && y >= daten_.YMin && y <= daten_.YMax &&
               (!logY_ || y > 0);
    }

    void linien(const GraphDaten& graph) {
        for (int i = 0; i + 1 < graph.punkte(); ++i) {
            const double x1 = graph.kurveX[static_cast<size_t>(i)];
            const double y1 = graph.kurveY[static_cast<size_t>(i)];
            const double x2 = graph.kurveX[static_cast<size_t>(i + 1)];
            const double y2 = graph.kurveY[static_cast<size_t>(i + 1)];
            if (imBereich(x1, y1) && imBereich(x2, y2))
                p_.drawLine(geraet(x1, y1), geraet(x2, y2));
        }
    }

    void kreuze(const GraphDaten& graph) {
        const double r = laenge(std::round(d_ / 200));
        for (int i = 0; i < graph.kreuze(); ++i) {
            const double x = graph.kreuzX[static_cast<size_t>(i)];
            const double y = graph.kreuzY[static_cast<size_t>(i)];
            if (!imBereich(x, y))
                continue;
            const QPointF m = geraet(x, y);
            p_.drawLine(m + QPointF(-r, -r), m + QPointF(r, r));
            p_.drawLine(m + QPointF(r, -r), m + QPointF(-r, r));
        }
    }

    QPainter& p_;
    const ChartDaten& daten_;
    double punktProEinheitX_, punktProEinheitY_;
    double pw_ = 0, ph_ = 0, d_ = 0, sx_ = 0, sy_ = 0;
    bool logY_ = false;
    QFont schrift_;
};

} // namespace

void chartDrucken(QPainter& p, ChartDaten& daten, QSize client, bool quer) {
    vorbereiten(daten, client.width(), client.height());
    const bool ohneZeichnung = daten.Art == ChartArt::XLogY || daten.Art == ChartArt::LogXLogY;
    if (ohneZeichnung)
        report(nichtImplementiert(), QString(), MessageKind::Information);
    p.save();
    Druck druck(p, daten, quer);
    if (daten.Art == ChartArt::NormalXY || daten.Art == ChartArt::LogY) {
        druck.gitter();
        druck.graphen();
    }
    druck.labels();
    p.restore();
}

} // namespace drel::chart
