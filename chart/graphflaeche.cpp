#include "chart/graphflaeche.h"

#include "chart/flutfuellung.h"
#include "chart/strichraster.h"

namespace drel::chart {

WinFarbe fuellFarbe(int g) {
    switch (g) {
    case 1:
        return kFuellFarbe1;
    case 2:
        return kFuellFarbe2;
    case 3:
        return kFuellFarbe3;
    default:
        return 0;
    }
}

QPoint fuellSaat(const GraphDaten& graph, const Abbildung& abbildung, QPoint standardSaat) {
    if (graph.punkte() < 2 || !graph.LinienZeigen)
        return standardSaat;
    return abbildung.pixel(graph.kurveX[0], graph.kurveY[0]) - QPoint(10, 10);
}

void linienUndFuellung(PixelFeld bild, const Abbildung& abbildung, const GraphDaten& graph, int g,
                       QPoint standardSaat, int scale) {
    const int breite = scale * graph.Strichstaerke;
    const int n = graph.punkte();
    if (n >= 2 && graph.LinienZeigen && breite > 0) {
        const quint32 farbe = zuQRgb(graph.Farbe);
        for (int i = 0; i + 1 < n; ++i) {
            const double x1 = graph.kurveX[static_cast<size_t>(i)];
            const double y1 = graph.kurveY[static_cast<size_t>(i)];
            const double x2 = graph.kurveX[static_cast<size_t>(i + 1)];
            const double y2 = graph.kurveY[static_cast<size_t>(i + 1)];
            if (abbildung.imBereich(x1, y1) && abbildung.imBereich(x2, y2))
                strichZiehen(bild, abbildung.pixel(x1, y1), abbildung.pixel(x2, y2), breite, farbe);
        }
    }
    if (const WinFarbe fuellung = fuellFarbe(g); fuellung != 0)
        flutFuellen(bild, fuellSaat(graph, abbildung, standardSaat), zuQRgb(kReinBlau),
                    zuQRgb(fuellung));
}

} // namespace drel::chart
