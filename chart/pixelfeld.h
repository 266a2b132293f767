// A picture in memory as the chart's own drawing needs it: 32-bit pixels 0xFFRRGGBB,
// row by row. It views either a QImage of the windows or the envelope test's own
// buffer, so that both are drawn by the same code.
#pragma once

#include <QPoint>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace drel::chart {

struct PixelFeld {
    quint32* pixel = nullptr;
    int breite = 0;
    int hoehe = 0;
    qsizetype schritt = 0; // pixels from one row to the next

    quint32* zeile(int y) const { return pixel + y * schritt; }
    bool enthaelt(QPoint p) const {
        return p.x() >= 0 && p.y() >= 0 && p.x() < breite && p.y() < hoehe;
    }
};

// A picture that owns its pixels.
class Pixelbild {
public:
    Pixelbild() = default;
    Pixelbild(int breite, int hoehe) { groesseSetzen(breite, hoehe); }

    void groesseSetzen(int breite, int hoehe) {
        breite_ = breite;
        hoehe_ = hoehe;
        pixel_.resize(static_cast<size_t>(breite) * static_cast<size_t>(hoehe));
    }
    void fuellen(quint32 farbe) { std::fill(pixel_.begin(), pixel_.end(), farbe); }
    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    quint32 pixel(QPoint p) const {
        return pixel_[static_cast<size_t>(p.y()) * static_cast<size_t>(breite_) +
                      static_cast<size_t>(p.x())];
    }
    PixelFeld feld() { return {pixel_.data(), breite_, hoehe_, breite_}; }

private:
    int breite_ = 0, hoehe_ = 0;
    std::vector<quint32> pixel_;
};

} // namespace drel::chart
