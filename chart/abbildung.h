// Pixel mapping of a drawing: from axis values to pixels of the internal picture.
#pragma once

#include "chart/chartdaten.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace drel::chart {

// Rounds halves to the even neighbour and keeps the result in a safe int range
// (points far outside the axes still give a seed or an undrawn pixel).
int runden(double wert);

// Plot size of the normal and logarithmic drawings: 85 % x 75 % of the picture, less
// `legendenZeile` pixels for every non-empty legend line.
// Without fonts, the line height of the default 8-point font on a 96-dpi picture.
inline constexpr int kLegendenZeileOhneSchrift = 13;
QSize plotFlaeche(const ChartDaten& daten, int breite, int hoehe, int legendenZeile);

class Abbildung {
public:
    enum class Art { Linear, LogY, Polar };

    // Normal X-Y: plot pw x ph pixels.
    static Abbildung linear(const ChartDaten& daten, int pw, int ph);
    // Logarithmic y; YMin and YMax must be above 0.
    static Abbildung logY(const ChartDaten& daten, int pw, int ph);
    // Polar: x is an angle in degrees, y a radius; the plot is `seite` pixels square.
    static Abbildung polar(const ChartDaten& daten, int seite);

    QPoint pixel(double x, double y) const;
    // The point lies within both axis ranges (inclusive).
    bool imBereich(double x, double y) const;
    // Pixel rectangle of the plot (left/top = XMin/YMax corner).
    QRect plotRechteck() const;

    Art art() const { return art_; }
    int pw() const { return pw_; }
    int ph() const { return ph_; }
    double sx() const { return sx_; }
    double sy() const { return sy_; }

private:
    Art art_ = Art::Linear;
    int pw_ = 0, ph_ = 0;
    double sx_ = 0, sy_ = 0;
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
};

} // namespace drel::chart
