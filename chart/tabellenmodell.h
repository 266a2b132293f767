// The value table ("Tabellen"): a grid of texts filled from "chart.dat" and read
// back into the chart's graphs after "&Werte übernehmen".
#pragma once

#include "chart/chartdatei.h"

#include <QString>
#include <vector>

namespace drel::chart {

class TabellenModell {
public:
    // Column 1 names the row; one column for each point a graph can hold.
    static constexpr int kSpalten = kMaxPunkte + 1;
    static constexpr int kZeilen = 16384;

    // Cells are 1-based; outside the grid reads give "" and writes are dropped.
    QString zelle(int zeile, int spalte) const;
    void setZelle(int zeile, int spalte, const QString& text);
    // Rows in use (the highest row with a cell set).
    int benutzteZeilen() const { return static_cast<int>(zellen_.size()); }
    void leeren() { zellen_.clear(); }

    // Clears the take-over flag and fills the grid from the file: "X"n / "Y"n in
    // column 1 of rows 2n-1 / 2n, the points from column 2 on. A missing or
    // malformed file is reported and leaves the grid as it was.
    bool laden(const QString& pfad);
    void fuellen(const ChartDatInhalt& inhalt);

    // "&Werte übernehmen" was chosen.
    bool Uebernommen = false;

    // Reads the graphs back while column 2 of row 2n-1 is not empty (at most ten
    // graphs of 5000 points). A cell that is no number is reported and the chart
    // stays unchanged.
    bool zurueckLesen(ChartDaten& daten) const;

private:
    std::vector<std::vector<QString>> zellen_;
};

// The shortest decimal text of a value as the chart keeps it (single precision).
QString kurzeZahl(float wert);

} // namespace drel::chart
