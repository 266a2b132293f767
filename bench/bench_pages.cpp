// The performance table of the data sheet on the sample catalogue: ten t0 columns
// by five tc blocks, with the envelope test's fast path and with a full redraw of
// the chart for every block.
#include "base/messagesink.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "sheet/pages/leistungstabelle.h"
#include "tests/support/beispielkatalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace drel;

namespace {

bool katalogBauen(const QString& programm) {
    return drel::testing::beispielKatalogBauen(programm);
}

struct Katalog {
    QTemporaryDir dir;
    bool ok = false;
    std::unique_ptr<db::TDataModule1> dm;
    fluid::TStoff stoff;
    calc::Einheiten einheiten;
    qint32 artikel = 0;

    Katalog() {
        ok = katalogBauen(dir.path());
        if (!ok)
            return;
        dm = std::make_unique<db::TDataModule1>(dir.path());
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        einheiten.standardFuerLeereGruppen();
        ok = dm->TBArtikel.locate(QStringLiteral("Bezeichnung1"),
                                  {db::Value(QStringLiteral("QN2-22"))}, true);
        if (ok)
            artikel = dm->TBArtikel.asInteger(u"ID");
    }
};

Katalog& katalog() {
    static Katalog k;
    return k;
}

void tabelle(benchmark::State& state, bool schnell) {
    Katalog& k = katalog();
    if (!k.ok) {
        state.SkipWithError("sample catalogue not built");
        return;
    }
    calc::ArtikelEingabe e;
    e.AktArtikelID = k.artikel;
    e.typ = QStringLiteral("QN2-22");
    e.punkt.kaeltemittel = QStringLiteral("R404A");
    chart::GrenzChart chart;
    chart.setSchnell(schnell);
    sheet::LeistungsTabelle t;
    for (auto _ : state) {
        sheet::TabBereiche b; // t0 −40 … 5 (10 columns), tc 30 … 50 step 5 (5 blocks)
        b.SpinEdit2.wert = 5;
        b.SpinEdit6.wert = 5;
        t.Button1Click(*k.dm, k.stoff, k.einheiten, chart, b, e, true, false);
        benchmark::DoNotOptimize(t.text(3, 2));
    }
    state.counters["columns"] = t.spalten() - 3;
    state.counters["blocks"] = (t.zeilen() - 2) / 4;
}

void BM_Leistungstabelle(benchmark::State& state) {
    tabelle(state, true);
}
void BM_LeistungstabelleNeuZeichnen(benchmark::State& state) {
    tabelle(state, false);
}

BENCHMARK(BM_Leistungstabelle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeistungstabelleNeuZeichnen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Progress and messages of the build stay out of the benchmark output.
    RecordingSink still;
    ScopedMessageSink guard(&still);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
