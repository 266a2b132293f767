// The envelope test for one operating point on a 342 x 244 chart at Scale 1:
// drawn from scratch (as every search candidate needs it the first time) and
// answered from the kept drawing of the same polygons.
#include "chart/chartzeichner.h"
#include "chart/grenztest.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace drel::chart;
using drel::GrenzPolygon;

namespace {

GrenzPolygon polygon(std::initializer_list<std::pair<float, float>> punkte) {
    GrenzPolygon p;
    for (const auto& [t0, tc] : punkte)
        p.punkte[static_cast<size_t>(p.Anzahl++)] = {t0, tc};
    return p;
}

GrenzPolygone grenzen() {
    GrenzPolygone p;
    p.rot =
        polygon({{15, 28}, {15, 58}, {2, 66}, {-20, 66}, {-38, 52}, {-38, 22}, {0, 22}, {15, 28}});
    p.strich = polygon(
        {{12.5f, 30}, {12.5f, 55}, {0, 63}, {-20, 63}, {-35, 50}, {-35, 25}, {0, 25}, {12.5f, 30}});
    p.blau =
        polygon({{10, 32}, {10, 50}, {0, 58}, {-20, 58}, {-30, 45}, {-30, 28}, {0, 28}, {10, 32}});
    return p;
}

void GrenzTestNeu(benchmark::State& state) {
    GrenzChart chart;
    chart.setSchnell(false);
    const GrenzPolygone p = grenzen();
    const GrenzAchsen a = grenzAchsen(-35, 12.5, 25, 63);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.farbe(p, a, -10, 45));
}
BENCHMARK(GrenzTestNeu);

void GrenzTestSchnell(benchmark::State& state) {
    GrenzChart chart;
    const GrenzPolygone p = grenzen();
    const GrenzAchsen a = grenzAchsen(-35, 12.5, 25, 63);
    chart.farbe(p, a, -10, 45);
    double t0 = -30;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.farbe(p, a, t0, 45));
        t0 = t0 > 10 ? -30 : t0 + 1;
    }
}
BENCHMARK(GrenzTestSchnell);

// The whole drawing with grid and numbers, as the data sheet shows it.
void ChartZeichnen(benchmark::State& state) {
    ChartDaten d;
    d.XStep = 10;
    d.YStep = 10;
    grenzChartFuellen(d, grenzen(), grenzAchsen(-35, 12.5, 25, 63), -10, 45);
    for (auto _ : state)
        benchmark::DoNotOptimize(zeichnen(d, QSize(342, 244)));
}
BENCHMARK(ChartZeichnen);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
