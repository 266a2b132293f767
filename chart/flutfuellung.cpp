#include "chart/flutfuellung.h"

#include <vector>

namespace drel::chart {

namespace {

struct Fueller {
    QImage& bild;
    QRgb rand;
    QRgb fuellung;

    bool fuellbar(QRgb p) const {
        const QRgb farbe = p & 0xFFFFFFu;
        return farbe != rand && farbe != fuellung;
    }
    QRgb* zeile(int y) { return reinterpret_cast<QRgb*>(bild.scanLine(y)); }

    // Pushes one seed for every run of fillable pixels of row y between xl and xr.
    void laeufeMerken(int y, int xl, int xr, std::vector<QPoint>& stapel) {
        const QRgb* z = zeile(y);
        bool imLauf = false;
        for (int x = xl; x <= xr; ++x) {
            const bool f = fuellbar(z[x]);
            if (f && !imLauf)
                stapel.emplace_back(x, y);
            imLauf = f;
        }
    }
};

} // namespace

void flutFuellen(QImage& bild, QPoint start, QRgb rand, QRgb fuellung) {
    Q_ASSERT(bild.format() == QImage::Format_RGB32);
    if (!bild.rect().contains(start))
        return;
    Fueller f{bild, rand & 0xFFFFFFu, fuellung & 0xFFFFFFu};
    if (!f.fuellbar(f.zeile(start.y())[start.x()]))
        return;
    const int breite = bild.width();
    const int hoehe = bild.height();
    const QRgb wert = 0xFF000000u | f.fuellung;
    std::vector<QPoint> stapel;
    stapel.reserve(256);
    stapel.push_back(start);
    while (!stapel.empty()) {
        const QPoint p = stapel.back();
        stapel.pop_back();
        QRgb* z = f.zeile(p.y());
        if (!f.fuellbar(z[p.x()]))
            continue;
        int xl = p.x();
        while (xl > 0 && f.fuellbar(z[xl - 1]))
            --xl;
        int xr = p.x();
        while (xr < breite - 1 && f.fuellbar(z[xr + 1]))
            ++xr;
        for (int x = xl; x <= xr; ++x)
            z[x] = wert;
        if (p.y() > 0)
            f.laeufeMerken(p.y() - 1, xl, xr, stapel);
        if (p.y() < hoehe - 1)
            f.laeufeMerken(p.y() + 1, xl, xr, stapel);
    }
}

} // namespace drel::chart
