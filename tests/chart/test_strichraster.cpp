// The chart's own line drawing: the painter's pixels up to its 1/64-pixel rounding,
// closed borders for the fill, and strokes at the picture's edges.
#include "chart/flutfuellung.h"
#include "chart/graphenmaler.h"
#include "chart/strichraster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace drel::chart;

namespace {

constexpr quint32 kWeissPixel = 0xFFFFFFFFu;
constexpr quint32 kBlauPixel = 0xFF0000FFu;

QImage weiss(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

double abstandZurStrecke(double x, double y, QPoint a, QPoint b) {
    const double vx = b.x() - a.x(), vy = b.y() - a.y();
    const double t =
        std::clamp(((x - a.x()) * vx + (y - a.y()) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    return std::hypot(a.x() + t * vx - x, a.y() + t * vy - y);
}

struct Abweichung {
    int pixel = 0;        // pixels the two drawings disagree on
    int strich = 0;       // pixels of the painter's stroke
    double weitest = 0.0; // largest distance of a disputed centre from the stroke's edge
};

Abweichung vergleichen(QPoint a, QPoint b, int breite) {
    QImage maler = weiss(120, 120), eigen = weiss(120, 120);
    {
        QPainter p(&maler);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(0, 0, 255), breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(a, b);
    }
    strichZiehen(pixelFeld(eigen), a, b, breite, kBlauPixel);
    Abweichung w;
    for (int y = 0; y < maler.height(); ++y) {
        for (int x = 0; x < maler.width(); ++x) {
            const bool m = maler.pixel(x, y) != kWeissPixel;
            w.strich += m ? 1 : 0;
            if (m == (eigen.pixel(x, y) != kWeissPixel))
                continue;
            ++w.pixel;
            const double rand = abstandZurStrecke(x + 0.5, y + 0.5, a, b) - breite / 2.0;
            w.weitest = std::max(w.weitest, std::abs(rand));
        }
    }
    return w;
}

} // namespace

// Every line the envelope chart can draw runs between whole pixels. Ours and the
// painter's strokes may differ only where a pixel's centre lies on the stroke's edge
// within the painter's rounding of its outline to 1/64 pixel.
TEST(Strichraster, PaintersPixelsUpToItsRounding) {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> weite(-50, 50);
    for (int breite : {2, 3, 4, 6}) {
        long strich = 0, anders = 0;
        for (int i = 0; i < 400; ++i) {
            const QPoint a(60, 60), b(60 + weite(zufall), 60 + weite(zufall));
            if (a == b)
                continue;
            const Abweichung w = vergleichen(a, b, breite);
            SCOPED_TRACE(testing::Message()
                         << "width " << breite << " to " << b.x() - 60 << "," << b.y() - 60);
            EXPECT_LT(w.weitest, 0.03);
            strich += w.strich;
            anders += w.pixel;
        }
        EXPECT_LT(anders * 200, strich) << "width " << breite; // under 0.5 % of the pixels
    }
}

// The fill stops at the border: a closed polygon of strokes keeps the fill outside
// away from its inside, however its edges slope.
TEST(Strichraster, ClosedPolygonHoldsTheFill) {
    std::mt19937 zufall(11);
    std::uniform_int_distribution<int> radius(15, 45);
    for (int fall = 0; fall < 200; ++fall) {
        QImage bild = weiss(120, 120);
        const PixelFeld feld = pixelFeld(bild);
        const int n = 3 + fall % 9;
        std::vector<QPoint> ecken;
        for (int i = 0; i < n; ++i) {
            const double winkel = 2 * M_PI * i / n;
            const int r = radius(zufall);
            ecken.emplace_back(60 + static_cast<int>(std::lround(r * std::cos(winkel))),
                               60 + static_cast<int>(std::lround(r * std::sin(winkel))));
        }
        for (int i = 0; i < n; ++i)
            strichZiehen(feld, ecken[static_cast<size_t>(i)],
                         ecken[static_cast<size_t>((i + 1) % n)], 2, kBlauPixel);
        flutFuellen(feld, QPoint(0, 0), zuQRgb(kReinBlau), zuQRgb(kFuellFarbe1));
        ASSERT_EQ(bild.pixel(0, 0), zuQRgb(kFuellFarbe1));
        EXPECT_EQ(bild.pixel(60, 60), kWeissPixel) << "polygon " << fall << " leaks";
    }
}

TEST(Strichraster, EdgesOfThePictureAndEmptyStrokes) {
    QImage bild = weiss(20, 10);
    const PixelFeld feld = pixelFeld(bild);
    // A stroke of no length or width draws nothing.
    strichZiehen(feld, QPoint(5, 5), QPoint(5, 5), 2, kBlauPixel);
    strichZiehen(feld, QPoint(1, 1), QPoint(9, 9), 0, kBlauPixel);
    EXPECT_EQ(bild, weiss(20, 10));
    // One that leaves the picture draws the part inside it, nothing beyond.
    strichZiehen(feld, QPoint(-30, 5), QPoint(50, 5), 2, kBlauPixel);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(bild.pixel(x, 4), kBlauPixel) << x;
        EXPECT_EQ(bild.pixel(x, 5), kBlauPixel) << x;
        EXPECT_EQ(bild.pixel(x, 3), kWeissPixel) << x;
    }
    // A round end reaches half the width beyond the end point.
    QImage ende = weiss(20, 10);
    strichZiehen(pixelFeld(ende), QPoint(5, 5), QPoint(12, 5), 2, kBlauPixel);
    EXPECT_EQ(ende.pixel(4, 4), kBlauPixel);
    EXPECT_EQ(ende.pixel(3, 4), kWeissPixel);
    EXPECT_EQ(ende.pixel(12, 5), kBlauPixel);
    EXPECT_EQ(ende.pixel(13, 5), kWeissPixel);
}
