// The application-limit diagram of a data sheet: the three limit polygons of the
// capacity record, the operating point as a cross and the axes around the range of
// the dashed polygon; the colour under the cross decides the notes. The model keeps
// the chart's data; its picture is painted by grenzbild.h when it is shown.
#pragma once

#include "chart/chartdaten.h"
#include "chart/grenztest.h"

#include <QSize>
#include <optional>

namespace drel::sheet {

// The chart's size for the envelope test and the smallest it is shown on the page
// "Einsatzgrenzen" (the page lets it grow with the window).
inline const QSize kDiagrammGroesse(342, 244);

// Size of the drawing that goes into the printout: fine enough for a page-wide
// picture, in the proportions of the sheet's chart.
inline const QSize kDruckDiagrammGroesse(1026, 732);

// The largest diagram that fits into `platz` with a width between 1.2 and 1.8 times
// its height (the proportions its axis captions have room in).
QSize diagrammFlaeche(QSize platz);

// Fill colours of the legend boxes, in legend order.
inline constexpr chart::WinFarbe kLegendenFarbe[3] = {15448477, 16046269, 16446684};

class GrenzDiagramm {
public:
    GrenzDiagramm();

    // Puts the polygons and the point (t0, tc), both in the display unit, on the axes
    // of a chart to be shown; returns FarbeKreuz, the colour under the cross of that
    // chart. A point outside the axes keeps the previous FarbeKreuz.
    chart::WinFarbe zeichnen(const chart::GrenzPolygone& polygone, const chart::GrenzAchsen& achsen,
                             double t0, double tc);

    // Axis captions "Verdampfungstemperatur t0 [°C]" and "Verflussigungstemperatur tc [°C]"
    // (°F when chosen) in the user's language; kept in ChartXAchse and ChartYAchse.
    void achsenBeschriften(bool fahrenheit);

    // Only the colour under the cross, as zeichnen returns it, for a sheet that is not
    // shown: the diagram is marked as not drawn.
    chart::WinFarbe farbe(const chart::GrenzPolygone& polygone, const chart::GrenzAchsen& achsen,
                          double t0, double tc);

    const chart::ChartDaten& daten() const { return daten_; }
    chart::WinFarbe FarbeKreuz() const { return daten_.FarbeKreuz; }
    // Whether the last point was put on a chart to be shown (zeichnen).
    bool gezeichnet() const { return gezeichnet_; }

private:
    chart::WinFarbe kreuzFarbe(const chart::GrenzPolygone& polygone,
                               const chart::GrenzAchsen& achsen, double t0, double tc);

    chart::ChartDaten daten_;
    bool gezeichnet_ = false;
    std::optional<chart::GrenzChart> test_; // made at the first point
};

} // namespace drel::sheet
