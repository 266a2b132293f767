// BetriebspunktRechnen for one article: at a repeated operating point (property
// memo hits) and at a new point every time.
#include "base/messagesink.h"
#include "calc/betriebspunkt.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"
#include "fluid/stoff.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace drel;
using namespace drel::db;

namespace {

Row row(const char* table, std::initializer_list<std::pair<const char*, Value>> fields) {
    const TableDef* def = tabelle(QString::fromLatin1(table));
    Row r(def->fields.size());
    for (const auto& [name, value] : fields)
        r[static_cast<size_t>(def->fieldIndex(QString::fromLatin1(name)))] = value;
    return r;
}

void write(const QString& dir, const char* table, const std::vector<Row>& rows) {
    const TableDef* def = tabelle(QString::fromLatin1(table));
    writeTableFile(dir + QStringLiteral("/Daten/") + def->fileName, *def, rows);
}

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TDataModule1> dm;
    fluid::TStoff stoff;

    explicit Fixture(const QString& refrigerant) {
        const QString p = dir.path();
        QDir(p).mkpath(QStringLiteral("Daten"));
        write(p, "Articles", {row("Articles", {{"ID", qint32(1)}, {"Produktgruppe", qint32(25)}})});
        write(p, "Refrigerants",
              {row("Refrigerants", {{"ID", qint32(1)}, {"Ashrae", refrigerant}})});
        write(p, "CapacityData",
              {row("CapacityData", {{"ID", qint32(1)},
                                    {"ArtikelID", qint32(1)},
                                    {"KaeltemittelID", qint32(1)},
                                    {"Kaelteleistung1", 20.0},
                                    {"Kaelteleistung2", 0.6},
                                    {"Kaelteleistung3", -0.15},
                                    {"Antriebsleistung1", 3.0},
                                    {"Antriebsleistung3", 0.06},
                                    {"SauggasFlag", true},
                                    {"Sauggaswert", 20.0}})});
        write(p, "Motors",
              {row("Motors", {{"ID", qint32(7)}, {"ElektrStrom1", 2.0}, {"ElektrStrom2", 1.5}})});
        write(p, "MotorArticle",
              {row("MotorArticle", {{"MotorID", qint32(7)}, {"ArtikelID", qint32(1)}})});
        write(p, "AirCooledCondensers", {});
        write(p, "AirCooledCondenserArticle", {});
        write(p, "AirCooledCondenserRefrigerant", {});
        dm = std::make_unique<TDataModule1>(p);
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        KaeltemittelPositionieren(*dm, refrigerant, 1);
    }
};

Fixture& fixture() {
    static Fixture f(QStringLiteral("R404A"));
    return f;
}

void memoHits(benchmark::State& state, Fixture& f) {
    Betriebspunkt e;
    e.t0 = -10;
    e.tc = 45;
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::BetriebspunktRechnen(*f.dm, f.stoff, e, false).QoV);
}

void newPoints(benchmark::State& state, Fixture& f) {
    Betriebspunkt e;
    double step = 0.0;
    for (auto _ : state) {
        // A point never seen before: no property call can be a memo hit.
        step += 1e-7;
        e.t0 = -10 + step;
        e.tc = 45 - step;
        e.tsaug = 20 + step;
        benchmark::DoNotOptimize(calc::BetriebspunktRechnen(*f.dm, f.stoff, e, false).QoV);
    }
}

void BM_BetriebspunktRechnenMemoHits(benchmark::State& state) {
    memoHits(state, fixture());
}
BENCHMARK(BM_BetriebspunktRechnenMemoHits);

void BM_BetriebspunktRechnenNewPoints(benchmark::State& state) {
    newPoints(state, fixture());
}
BENCHMARK(BM_BetriebspunktRechnenNewPoints);

// The same with the five-component blend R448A: once the point's properties are
// memoised, and at a new point every time (bubble and dew points from the mixture).
Fixture& r448a() {
    static Fixture f(QStringLiteral("R448A"));
    return f;
}

void BM_BetriebspunktRechnenR448AMemoHits(benchmark::State& state) {
    memoHits(state, r448a());
}
BENCHMARK(BM_BetriebspunktRechnenR448AMemoHits);

void BM_BetriebspunktRechnenR448ANewPoints(benchmark::State& state) {
    newPoints(state, r448a());
}
BENCHMARK(BM_BetriebspunktRechnenR448ANewPoints)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
