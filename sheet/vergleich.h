// Comparison of up to four articles at one operating point: each article rated on its
// own data sheet (the numbers its sheet shows), the difference of each value to the
// first article in %, and the table the window, the printout and the exports show.
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
    // (value - first) / |first| * 100 on the shown values; NaN for the first article,
    // where either is not computable or the first is 0.
    double differenz(std::size_t a, std::size_t g) const;

    // The table: heading row (quantity, unit, then per article its name and "Δ %"),
    // one row per quantity, then the notes row. Numbers as numbers.
    ZellenRaster raster() const;

private:
    std::vector<ReihenErgebnis> spalten_;
};

// "+12,3 %" / "-4,0 %" / "" (first article, or not computable), program number format.
QString differenzText(double prozent);

} // namespace drel::sheet
