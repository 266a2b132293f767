#include "chart/abbildung.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace drel::chart {

int runden(double wert) {
    if (std::isnan(wert))
        return -1000000000;
    return static_cast<int>(std::nearbyint(std::clamp(wert, -1e9, 1e9)));
}

QSize plotFlaeche(const ChartDaten& daten, int breite, int hoehe, int legendenZeile) {
    const auto zeilen = static_cast<int>(legenden(daten).size());
    return {runden(0.85 * breite), runden(0.75 * hoehe) - zeilen * runden(1.1 * legendenZeile)};
}

Abbildung Abbildung::linear(const ChartDaten& daten, int pw, int ph) {
    Abbildung a;
    a.art_ = Art::Linear;
    a.pw_ = pw;
    a.ph_ = ph;
    a.xMin_ = daten.XMin;
    a.xMax_ = daten.XMax;
    a.yMin_ = daten.YMin;
    a.yMax_ = daten.YMax;
    a.sx_ = pw / (daten.XMax - daten.XMin);
    a.sy_ = ph / (daten.YMax - daten.YMin);
    return a;
}

Abbildung Abbildung::logY(const ChartDaten& daten, int pw, int ph) {
    Abbildung a = linear(daten, pw, ph);
    a.art_ = Art::LogY;
    a.sy_ = ph / (std::log(daten.YMax) - std::log(daten.YMin));
    return a;
}

Abbildung Abbildung::polar(const ChartDaten& daten, int seite) {
    Abbildung a = linear(daten, seite, seite);
    a.art_ = Art::Polar;
    a.sx_ = 0.8 * seite / (daten.YMax - daten.YMin);
    a.sy_ = a.sx_;
    return a;
}

QPoint Abbildung::pixel(double x, double y) const {
    switch (art_) {
    case Art::Linear:
        return {runden((x - xMin_) * sx_ + 0.13 * pw_),
                runden(ph_ / 0.7) - runden((y - yMin_) * sy_ + 0.28 * ph_)};
    case Art::LogY: {
        const double ly = y > 0 ? std::log(y) : -1e300;
        return {runden((x - xMin_) * sx_ + 0.13 * pw_),
                runden(ph_ / 0.7) - runden((ly - std::log(yMin_)) * sy_ + 0.28 * ph_)};
    }
    case Art::Polar: {
        const double winkel = x * std::numbers::pi / 180.0;
        const double u = y * std::cos(winkel);
        const double v = y * std::sin(winkel);
        return {runden(0.6 * pw_ + 0.5 * u * sx_), runden(0.6 * pw_ - 0.5 * v * sy_)};
    }
    }
    return {};
}

bool Abbildung::imBereich(double x, double y) const {
    if (art_ == Art::LogY && y <= 0)
        return false;
    return x >= xMin_ && x <= xMax_ && y >= yMin_ && y <= yMax_;
}

QRect Abbildung::plotRechteck() const {
    if (art_ == Art::Polar) {
        const int r = runden(0.4 * pw_);
        const int m = runden(0.6 * pw_);
        return QRect(QPoint(m - r, m - r), QPoint(m + r, m + r));
    }
    return QRect(pixel(xMin_, yMax_), pixel(xMax_, yMin_));
}

} // namespace drel::chart
