#include "chart/vorbereitung.h"

#include "base/numberformat.h"

#include <cmath>
#include <utility>

namespace drel::chart {

bool fastGleich(double a, double b) {
    return std::abs(b - a) <= std::abs((a + b) / 2) / 1e5;
}

void achseKorrigieren(double& min, double& max, double& step) {
    if (min > max)
        std::swap(min, max);
    if (fastGleich(min, max)) {
        max = min + 1;
        step = 1;
    }
    if ((max - min) / 40 > step)
        step = (max - min) / 40;
}

quint16 scaleBegrenzen(quint16 scale, int breite, int hoehe) {
    int s = scale == 0 ? 1 : (scale > 10 ? 10 : scale);
    if (breite > 0 && s * breite > 1600)
        s = static_cast<int>(roundHalfEven(1600.0 / breite));
    if (hoehe > 0 && s * hoehe > 1200)
        s = static_cast<int>(roundHalfEven(1200.0 / hoehe));
    // A control wider than 3200 pixels would round to 0; it still needs a picture.
    return static_cast<quint16>(s < 1 ? 1 : s);
}

void vorbereiten(ChartDaten& daten, int breite, int hoehe) {
    achseKorrigieren(daten.YMin, daten.YMax, daten.YStep);
    achseKorrigieren(daten.XMin, daten.XMax, daten.XStep);
    daten.Scale = scaleBegrenzen(daten.Scale, breite, hoehe);
}

} // namespace drel::chart
