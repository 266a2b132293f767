// Draws a chart into its internal picture by chart type: the normal X-Y
// drawing with its grid picture, the polar and the logarithmic-y drawing.
#pragma once

#include "chart/abbildung.h"

#include <QImage>
#include <QSize>

namespace drel::chart {

struct Zeichnung {
    QImage bild;    // internal picture: graphs, fills and crosses (copy and save take this)
    QImage anzeige; // what the control shows stretched (grid combined with the picture)
    Abbildung abbildung;
    bool gezeichnet = false; // false for the types without a drawing
};

// The message of the chart types without a drawing, in the user's language.
QString nichtImplementiert();

// Runs the preparation, draws by `Art` and updates `FarbeKreuz`. `client` is the
// control's size; the internal picture is Scale times as large. Types 3 and 4
// report "Noch nicht implementiert!" and draw nothing.
Zeichnung zeichnen(ChartDaten& daten, QSize client);

// The shown picture of a normal X-Y drawing with its axis captions (ChartXAchse
// centred under the x numbers, ChartYAchse at the left above the plot), written into
// the room the type reserves for them; the other types already carry their labels.
// The caption font is the number font, made smaller where the room below is short.
QImage mitAchsenTiteln(const Zeichnung& zeichnung, const ChartDaten& daten);

// Plot size of the normal and logarithmic drawings: 85 % x 75 % of the picture,
// less room for every non-empty legend line.
QSize plotGroesse(const ChartDaten& daten, int breite, int hoehe);

// Number text of an axis: fixed decimals, blanks removed.
QString achsenZahl(double wert, int dezimalen);

// Bitwise AND of two pictures of the same size (the grid and the graphs).
QImage undVerknuepfen(QImage a, const QImage& b);

// The next grid value of the logarithmic axis (1-2-3-5 sequence); always above `wert`.
double naechsterLogWert(double wert);

} // namespace drel::chart
