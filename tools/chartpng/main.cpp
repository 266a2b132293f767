// chartpng: draws a 342 x 244 application-limit chart with three envelope
// polygons and an operating-point cross, and writes it as PNG.
// Usage: chartpng OUTPUT.png [t0 tc]
#include "chart/chartzeichner.h"
#include "chart/grenztest.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace drel::chart;
using drel::GrenzPolygon;

namespace {

GrenzPolygon polygon(std::initializer_list<std::pair<float, float>> punkte) {
    GrenzPolygon p;
    for (const auto& [t0, tc] : punkte)
        p.punkte[static_cast<size_t>(p.Anzahl++)] = {t0, tc};
    return p;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 4) {
        std::fprintf(stderr, "usage: chartpng OUTPUT.png [t0 tc]\n");
        return 2;
    }
    const double t0 = args.size() == 4 ? args[2].toDouble() : -10.0;
    const double tc = args.size() == 4 ? args[3].toDouble() : 45.0;

    GrenzPolygone polygone;
    polygone.rot =
        polygon({{15, 28}, {15, 58}, {2, 66}, {-20, 66}, {-38, 52}, {-38, 22}, {0, 22}, {15, 28}});
    polygone.strich = polygon(
        {{12.5f, 30}, {12.5f, 55}, {0, 63}, {-20, 63}, {-35, 50}, {-35, 25}, {0, 25}, {12.5f, 30}});
    polygone.blau =
        polygon({{10, 32}, {10, 50}, {0, 58}, {-20, 58}, {-30, 45}, {-30, 28}, {0, 28}, {10, 32}});

    ChartDaten daten;
    daten.XStep = 10;
    daten.YStep = 10;
    daten.Scale = 1;
    grenzChartFuellen(daten, polygone, grenzAchsen(-35, 12.5, 25, 63), t0, tc);
    const Zeichnung z = zeichnen(daten, QSize(342, 244));
    if (!z.anzeige.save(args[1], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextStream(stdout) << "t0 " << t0 << " tc " << tc << ": FarbeKreuz " << daten.FarbeKreuz
                        << (grenzFarbeZulaessig(daten.FarbeKreuz) ? " (inside)" : " (outside)")
                        << "\n";
    return 0;
}
