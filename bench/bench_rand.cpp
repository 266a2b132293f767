// The envelope margin of one point, and the batch rating of 10,000 rows in process
// (the whole `drel-cli batch` process is measured by bench/README.md's command).
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "sheet/reihenrechnung.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/einheitenwahl.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace drel;

namespace {

GrenzPolygon polygon(std::initializer_list<std::pair<float, float>> punkte) {
    GrenzPolygon p;
    for (const auto& [x, y] : punkte)
        p.punkte[static_cast<std::size_t>(p.Anzahl++)] = {x, y};
    return p;
}

void BM_EinsatzRand(benchmark::State& state) {
    chart::GrenzPolygone p;
    p.strich = polygon(
        {{12.5f, 30}, {12.5f, 55}, {0, 63}, {-20, 63}, {-35, 50}, {-35, 25}, {0, 25}, {12.5f, 30}});
    double t0 = -30, tc = 20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::einsatzRand(p, t0, tc));
        t0 = t0 > 15 ? -30 : t0 + 0.37;
        tc = tc > 65 ? 20 : tc + 0.23;
    }
}
BENCHMARK(BM_EinsatzRand);

// The rows of a load profile: one compressor over a grid of points, a tenth of them
// outside its envelope, every fiftieth with an unknown article.
std::vector<sheet::ReihenPunkt> lastprofil(int anzahl) {
    std::vector<sheet::ReihenPunkt> punkte;
    for (int i = 0; i < anzahl; ++i) {
        sheet::ReihenPunkt p;
        p.zeile = i + 2;
        p.artikel = i % 50 == 49 ? QStringLiteral("QN9-99") : QStringLiteral("QNX2-22");
        p.punkt.kaeltemittel = QStringLiteral("R404A, R507");
        p.punkt.t0 = -40.0 + (i % 47);
        p.punkt.tc = 25.0 + (i % 31);
        p.punkt.tsaug = std::max(20.0, p.punkt.t0);
        punkte.push_back(p);
    }
    return punkte;
}

void BM_Reihe(benchmark::State& state) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    drel::testing::BeispielKatalog katalog;
    if (!katalog.gebaut) {
        state.SkipWithError("no sample catalogue in data/Daten");
        return;
    }
    setNumberSeparators(NumberSeparators::german());
    db::TDataModule1& dm = *katalog.dm;
    fluid::TStoff& stoff = katalog.stoff;
    const calc::Einheiten einheiten = drel::testing::siEinheiten();
    const std::vector<sheet::ReihenPunkt> punkte = lastprofil(static_cast<int>(state.range(0)));
    // Second argument 1: each row's sheet set up to be shown, as the window's sheet is
    // (its diagram is painted only when a window shows it).
    const auto modus =
        state.range(1) == 1 ? sheet::BlattModus::zeigen : sheet::BlattModus::nurRechnen;
    for (auto _ : state) {
        sheet::Reihenrechnung rechnung(dm, stoff, einheiten, modus);
        benchmark::DoNotOptimize(rechnung.alleRechnen(punkte));
    }
}
BENCHMARK(BM_Reihe)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
