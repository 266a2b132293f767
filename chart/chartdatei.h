// "chart.dat": the graph data handed from the chart to its value table, one
// value per line: the graph count, then per graph its point count and for every
// point its x and its y.
#pragma once

#include "chart/chartdaten.h"

#include <QList>
#include <QPointF>
#include <optional>

namespace drel::chart {

inline const QString kChartDat = QStringLiteral("chart.dat");

// The text of the file: integers plain, point values in scientific notation
// right-aligned in 23 characters.
QString chartDatText(const ChartDaten& daten);
// Writes the file; a failure is reported and gives false.
bool chartDatSchreiben(const QString& pfad, const ChartDaten& daten);

// Graphs as read, each a list of points; counts are not trusted beyond the text.
using ChartDatInhalt = QList<QList<QPointF>>;

// Parses the text; on a malformed text `fehler` names the line and nothing is returned.
std::optional<ChartDatInhalt> chartDatParsen(const QString& text, QString& fehler);
// Reads and parses the file; a missing, unreadable or malformed file is reported.
std::optional<ChartDatInhalt> chartDatLesen(const QString& pfad);

// The standard conversion error texts.
QString keinGleitkommawert(const QString& text);
QString keinIntegerwert(const QString& text);

} // namespace drel::chart
