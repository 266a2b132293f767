// The envelope test of the search, the data sheet and the performance table:
// the application-limit polygons are drawn as graphs 1 to 3 of a chart, the
// operating point as a cross of graph 2, and the colour under the cross decides.
#pragma once

#include "base/grenzpolygon.h"
#include "chart/abbildung.h"
#include "chart/pixelfeld.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSize>
#include <array>

namespace drel::chart {

// The polygons of one capacity record as the record layer reads them (t0 = x, tc = y);
// the first Anzahl points of each are drawn (0..11, more are cut).
struct GrenzPolygone {
    GrenzPolygon blau;   // polygon 1 (KoordBlau), drawn as graph 3
    GrenzPolygon strich; // polygon 2 (KoordStrich), drawn as graph 2
    GrenzPolygon rot;    // polygon 3 (KoordRot), drawn as graph 1
};

// Axis ranges as the callers set them: x = t0, y = tc (in the user's temperature unit).
struct GrenzAchsen {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// The axes around the range of the dashed polygon (°C): t0 from 10*round((min-4)/10) to
// 10*round((max+5)/10), tc from 10*round((min-5)/10) to 10*round((max+5)/10), halves to
// even; with `fahrenheit` the shifted bounds are converted to °F before rounding.
GrenzAchsen grenzAchsen(double t0Min, double t0Max, double tcMin, double tcMax,
                        bool fahrenheit = false);

// The polygons with every coordinate converted to °F (for users who chose °F).
GrenzPolygone inFahrenheit(const GrenzPolygone& polygone);

// The colours that pass the test: areas of graphs 1 and 2 and the pure-blue border.
bool grenzFarbeZulaessig(WinFarbe farbe);

// Whether the point lies within the axes and, measured on the polygons themselves, in
// or on one of them. The colour test alone cannot tell a point a tenth of a kelvin
// outside an edge (one pixel covers more) nor one outside the axes (the chart keeps
// the colour of the previous point there); callers that must not fill such a point
// ask both.
bool geometrischInnerhalb(const GrenzPolygone& polygone, const GrenzAchsen& achsen, double t0,
                          double tc);

// Which polygon the envelope margin is measured on.
enum class RandPolygon { keins, strich, blau };

// The envelope margin: the signed distance in K from (t0, tc) in °C to the nearest
// edge of the dashed polygon, or of the blue one where the record has no dashed one
// (fewer than three points, or only the (0, 0) points of an absent polygon); positive
// inside, negative outside, 0 on an edge. Measured on the polygon itself, never on the
// drawing. NaN when neither polygon has an area.
double einsatzRand(const GrenzPolygone& polygone, double t0, double tc,
                   RandPolygon* gemessen = nullptr);

// Puts the polygons, the operating point and the axes into a chart's data
// (NoGraphs 3, the point as cross 1 of graph 2); the other settings stay.
void grenzChartFuellen(ChartDaten& daten, const GrenzPolygone& polygone, const GrenzAchsen& achsen,
                       double t0, double tc);

// The hidden chart of the envelope test. Keeps FarbeKreuz between calls as the
// chart does (a point outside the axes leaves it unchanged). With the fast path on,
// the drawing of graphs 1 and 2 is kept per polygon set and axes, and a further
// point is answered by reading one pixel of it; the colour is the same.
class GrenzChart {
public:
    explicit GrenzChart(QSize client = QSize(342, 244), quint16 scale = 1);
    // A chart with the stored settings of a visible one (margins, plot size, colours),
    // so that its colour under the cross is the one that chart draws.
    GrenzChart(const ChartDaten& einstellungen, QSize client);

    // Colour under the operating point (Windows colour value).
    WinFarbe farbe(const GrenzPolygone& polygone, const GrenzAchsen& achsen, double t0, double tc);
    bool innerhalb(const GrenzPolygone& polygone, const GrenzAchsen& achsen, double t0, double tc) {
        return grenzFarbeZulaessig(farbe(polygone, achsen, t0, tc));
    }

    WinFarbe FarbeKreuz() const { return daten_.FarbeKreuz; }
    void setFarbeKreuz(WinFarbe farbe) { daten_.FarbeKreuz = farbe; }

    void setSchnell(bool an) { schnell_ = an; }
    bool schnell() const { return schnell_; }

private:
    struct Eintrag {
        Pixelbild bild; // graphs 1 and 2 with their fills, before any cross
        Abbildung abbildung;
    };
    static constexpr int kCacheGroesse = 32;

    WinFarbe neuZeichnen();
    const Eintrag& eintragFuer(const QByteArray& schluessel);
    // Graphs 1 and 2 with their fills on `bild` (reused when it has the right size).
    Abbildung grafikZeichnen(Pixelbild& bild);
    QByteArray schluessel() const;

    QSize client_;
    ChartDaten daten_;
    bool schnell_ = true;
    Pixelbild arbeitsbild_; // picture of the drawing from scratch, kept to spare its allocation
    QHash<QByteArray, Eintrag> cache_;
    QList<QByteArray> reihenfolge_; // least recently used first
};

} // namespace drel::chart
