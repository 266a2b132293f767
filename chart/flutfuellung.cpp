#include "chart/flutfuellung.h"

#include <vector>

namespace drel::chart {

namespace {

// Span fill after Heckbert: every stacked segment remembers the row it came from,
// so the parent row is only rescanned where the new span reaches beyond it.
class Fueller {
public:
    Fueller(PixelFeld bild, quint32 rand, quint32 fuellung)
        : basis_(bild.pixel), schritt_(bild.schritt), breite_(bild.breite), hoehe_(bild.hoehe),
          rand_(0xFF000000u | rand), fuellung_(0xFF000000u | fuellung) {}

    void fuellen(QPoint start) {
        if (!fuellbar(start.x(), start.y()))
            return;
        stapel_.reserve(256);
        merken(start.y(), start.x(), start.x(), 1);
        merken(start.y() + 1, start.x(), start.x(), -1);
        while (!stapel_.empty()) {
            const Segment s = stapel_.back();
            stapel_.pop_back();
            zeileFuellen(s);
        }
    }

private:
    struct Segment {
        int y, xl, xr, dy;
    };

    quint32* zeile(int y) const { return basis_ + y * schritt_; }
    bool fuellbar(int x, int y) const {
        const quint32 p = zeile(y)[x];
        return p != rand_ && p != fuellung_;
    }
    void merken(int y, int xl, int xr, int dy) {
        if (y + dy >= 0 && y + dy < hoehe_)
            stapel_.push_back({y, xl, xr, dy});
    }

    // Fills row s.y + s.dy below (or above) the span xl..xr of row s.y.
    void zeileFuellen(const Segment& s) {
        const int y = s.y + s.dy;
        quint32* z = zeile(y);
        auto frei = [&](int x) { return z[x] != rand_ && z[x] != fuellung_; };
        int x = s.xl;
        while (x >= 0 && frei(x))
            z[x--] = fuellung_;
        int links;
        if (x < s.xl) {
            links = x + 1;
            if (links < s.xl)
                merken(y, links, s.xl - 1, -s.dy); // reaches past the parent on the left
            x = s.xl + 1;
        } else {
            links = -1; // no span starts at xl
        }
        while (true) {
            if (links >= 0) {
                while (x < breite_ && frei(x))
                    z[x++] = fuellung_;
                merken(y, links, x - 1, s.dy);
                if (x > s.xr + 1)
                    merken(y, s.xr + 1, x - 1, -s.dy); // reaches past the parent on the right
            }
            for (++x; x <= s.xr && !frei(x); ++x) {
            }
            if (x > s.xr)
                break;
            links = x;
        }
    }

    quint32* basis_;
    qsizetype schritt_;
    int breite_, hoehe_;
    quint32 rand_, fuellung_;
    std::vector<Segment> stapel_;
};

} // namespace

void flutFuellen(PixelFeld bild, QPoint start, quint32 rand, quint32 fuellung) {
    if (!bild.enthaelt(start))
        return;
    Fueller(bild, rand & 0xFFFFFFu, fuellung & 0xFFFFFFu).fuellen(start);
}

} // namespace drel::chart
