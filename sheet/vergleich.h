// Comparison of up to four articles at one operating point: each article rated on its
// own data sheet (the numbers its sheet shows), the difference of each value to the
// first article (in %, the envelope margin's in K), and the table the window, the
// printout and the exports show.
#pragma once

#include "sheet/reihenrechnung.h"

#include <QList>
#include <vector>

namespace drel::sheet {

// The compared quantities, in row order: Qo, QoE, P, I, m, COP, Qc, margin.
const std::vector<Groesse>& vergleichsGroessen();

class Vergleich {
public:
    static constexpr int kMaxArtikel = 4;

    // Rates the orders (at most kMaxArtikel; the rest is left out). `namen` are the
    // names the user gave (the type of each order where empty).
    void rechnen(Reihenrechnung& rechnung, const QList<DatenblattAuftrag>& auftraege,
                 const QStringList& namen = {});
    // The same from names at one point, as the command line gives them.
    void rechnen(Reihenrechnung& rechnung, const QStringList& artikel, const Betriebspunkt& punkt,
                 bool luft);

    const std::vector<ReihenErgebnis>& spalten() const { return spalten_; }
    // The shown value of quantity `g` (index into vergleichsGroessen) of article `a`.
    const AnzeigeWert* wert(std::size_t a, std::size_t g) const;
    // The difference of article `a` to the first on the shown values: (value - first) /
    // |first| * 100, but for the envelope margin value - first in K (R with °F), since
    // a margin's percentage says nothing (a first margin near 0 makes any change
    // huge). NaN for the first article, where either is not computable, or (in %) where
    // the first is 0.
    double differenz(std::size_t a, std::size_t g) const;
    // The unit of differenz for quantity `g`: "%", or the margin's "K" or "R".
    QString differenzEinheit(std::size_t g) const;

    // The table: heading row (quantity, unit, then per article its name and "Diff."),
    // one row per quantity, then the notes row. Numbers as numbers; a difference
    // shows its unit ("+4,2 %", "-1,5 K") and keeps it as its workbook number format.
    ZellenRaster raster() const;

private:
    std::vector<ReihenErgebnis> spalten_;
};

// "+12,3 %" / "-4,0 K" / "" (first article, or not computable), program number format.
QString differenzText(double differenz, const QString& einheit = QStringLiteral("%"));

// The order that rates the article a sheet shows, at the sheet's operating point as
// last rated (its inputs, the refrigerant, the condensing-unit mode, frequencies).
DatenblattAuftrag blattAuftrag(const TechnikModell& modell);

} // namespace drel::sheet
