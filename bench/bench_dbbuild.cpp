// Database build from a generated export set of 5,000 articles, 20,000 capacity
// records and 100,000 technical values. Reports the peak resident memory as a
// counter (maximum over the process, generator included). Then the build of the
// bundled catalogue (data/Daten).
#include "base/messagesink.h"
#include "dbbuild/dbneu.h"
#include "tools/genexports/genexports.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

void BM_DBNeuAufbauen(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString daten = tmp.path() + QStringLiteral("/Daten");
    if (!drel::tools::exportsErzeugen(daten, {})) {
        state.SkipWithError("cannot write the exports");
        return;
    }
    for (auto _ : state) {
        drel::dbbuild::DBNeu bau(daten);
        if (!bau.dbNeuAufbauen()) {
            state.SkipWithError("build failed");
            return;
        }
    }
    state.counters["peak_MiB"] = peakMiB();
}
BENCHMARK(BM_DBNeuAufbauen)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

void BM_DBNeuAufbauenBeispiel(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir quelle(QStringLiteral(DREL_SOURCE_DIR "/data/Daten"));
    const QString daten = tmp.path() + QStringLiteral("/Daten");
    const QStringList xml = quelle.entryList({QStringLiteral("*.xml")}, QDir::Files);
    if (xml.isEmpty() || !QDir().mkpath(daten)) {
        state.SkipWithError("no sample catalogue in data/Daten");
        return;
    }
    for (const QString& datei : xml)
        QFile::copy(quelle.filePath(datei), daten + QLatin1Char('/') + datei);
    for (auto _ : state) {
        drel::dbbuild::DBNeu bau(daten);
        if (!bau.dbNeuAufbauen()) {
            state.SkipWithError("build failed");
            return;
        }
    }
}
BENCHMARK(BM_DBNeuAufbauenBeispiel)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
