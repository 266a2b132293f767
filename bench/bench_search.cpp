// The compressor search over all series and the condensing-unit search, on the
// sample catalogue built from data/Daten and on a catalogue ten times its size
// (every article, capacity record and assignment copied under new IDs).
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "search/aggsuche.h"
#include "tests/support/beispielkatalog.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

using namespace drel;
using namespace drel::db;

namespace {

// Base articles are texts of at most five characters, so copies stay below 100000.
constexpr qint32 kIdAbstand = 10000;

QString daten(const QString& programm) {
    return programm + QStringLiteral("/Daten");
}

bool katalogBauen(const QString& programm) {
    return drel::testing::beispielKatalogBauen(programm);
}

Value verschoben(const Value& v, qint32 versatz) {
    if (const auto* zahl = std::get_if<qint32>(&v))
        return Value(*zahl + versatz);
    if (const auto* text = std::get_if<QString>(&v)) {
        bool ok = false;
        const int n = text->toInt(&ok);
        return ok && n != 0 ? Value(QString::number(n + versatz)) : v;
    }
    return v;
}

// Copies of the rows with the ID fields moved by k·kIdAbstand, k = 1..faktor−1.
void vervielfachen(const QString& programm, const char* tabellenName,
                   std::initializer_list<const char*> idFelder, int faktor) {
    const TableDef* def = tabelle(QString::fromLatin1(tabellenName));
    const QString pfad = daten(programm) + QLatin1Char('/') + def->fileName;
    const TablePtr t = loadTableFile(pfad);
    std::vector<Row> zeilen = t->rows();
    std::vector<int> spalten;
    for (const char* f : idFelder)
        spalten.push_back(t->fieldIndex(QString::fromLatin1(f)));
    for (int k = 1; k < faktor; ++k) {
        for (const Row& r : t->rows()) {
            Row kopie = r;
            for (int s : spalten)
                kopie[static_cast<std::size_t>(s)] =
                    verschoben(r[static_cast<std::size_t>(s)], k * kIdAbstand);
            zeilen.push_back(std::move(kopie));
        }
    }
    writeTableFile(pfad, t->def(), zeilen);
}

struct Katalog {
    QTemporaryDir dir;
    bool ok = false;
    std::unique_ptr<TDataModule1> dm;
    fluid::TStoff stoff;
    calc::Einheiten einheiten;
    search::AggListe aggregate;
    LukoTabelle kond;
    search::Suchergebnis ergebnis;
    chart::GrenzChart chart;

    explicit Katalog(int faktor) {
        ok = katalogBauen(dir.path());
        if (!ok)
            return;
        try {
            aufbauen(faktor);
        } catch (const DbError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
            ok = false;
        }
    }

    void aufbauen(int faktor) {
        if (faktor > 1) {
            vervielfachen(dir.path(), "Articles", {"ID", "Basisartikel"}, faktor);
            vervielfachen(dir.path(), "CapacityData", {"ID", "ArtikelID"}, faktor);
            vervielfachen(dir.path(), "MotorArticle", {"ArtikelID"}, faktor);
            vervielfachen(dir.path(), "AirCooledCondenserArticle", {"ArtikelID"}, faktor);
        }
        dm = std::make_unique<TDataModule1>(dir.path());
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        aggregate = search::AggErstellen(*dm);
        kond = search::KondErstellen(*dm);
    }
};

Katalog& katalog(int faktor) {
    static std::map<int, std::unique_ptr<Katalog>> kataloge;
    auto& k = kataloge[faktor];
    if (!k)
        k = std::make_unique<Katalog>(faktor);
    return *k;
}

search::SuchEingabe eingabe(const QString& kaeltemittel = r404aListenEintrag()) {
    search::SuchEingabe e;
    e.km = search::KMRec::ausListenEintrag(kaeltemittel);
    e.punkt.t0 = -10.0;
    e.punkt.tc = 45.0;
    e.Q0 = 10.0;
    return e;
}

void verdSucheAlleSerien(benchmark::State& state, const QString& kaeltemittel) {
    Katalog& k = katalog(static_cast<int>(state.range(0)));
    if (!k.ok) {
        state.SkipWithError("no sample catalogue in data/Daten (or it cannot be copied)");
        return;
    }
    search::SuchEingabe e = eingabe(kaeltemittel);
    search::TypRec& t = e.typ;
    t.RBQL = t.RBQN = t.RB84 = t.rbQNT = t.RBEQL = t.RBEQN = t.RBW = t.RBWY = t.RBWT = true;
    search::SuchUmgebung u{*k.dm, k.stoff, k.einheiten, k.ergebnis};
    for (auto _ : state) {
        search::VerdSuche(u, e, &k.chart);
        benchmark::DoNotOptimize(k.ergebnis.anzahl());
    }
    state.counters["results"] = k.ergebnis.anzahl();
}

void BM_VerdSucheAlleSerien(benchmark::State& state) {
    verdSucheAlleSerien(state, r404aListenEintrag());
}

// The blend R448A over the same series (it has records on QN, QL and their sets).
void BM_VerdSucheAlleSerienR448A(benchmark::State& state) {
    verdSucheAlleSerien(state, QStringLiteral("R448A"));
}

// The search of air-cooled units (both series) at 32 °C air.
void BM_AggSuche(benchmark::State& state) {
    Katalog& k = katalog(static_cast<int>(state.range(0)));
    if (!k.ok) {
        state.SkipWithError("no sample catalogue in data/Daten (or it cannot be copied)");
        return;
    }
    search::SuchEingabe e = eingabe();
    e.punkt.tle = 32.0;
    e.typ.RBCQLL = e.typ.RBCQNL = true;
    search::SuchUmgebung u{*k.dm, k.stoff, k.einheiten, k.ergebnis};
    for (auto _ : state) {
        search::AggSuche(u, e, k.aggregate, k.kond);
        benchmark::DoNotOptimize(k.ergebnis.anzahl());
    }
    state.counters["results"] = k.ergebnis.anzahl();
}

// Units with receiver: the unit search followed by the set search.
void BM_AggUndSatzSuche(benchmark::State& state) {
    Katalog& k = katalog(static_cast<int>(state.range(0)));
    if (!k.ok) {
        state.SkipWithError("no sample catalogue in data/Daten (or it cannot be copied)");
        return;
    }
    search::SuchEingabe e = eingabe();
    e.punkt.tle = 32.0;
    e.typ.RBCQLR = e.typ.RBCQNR = true;
    search::SuchUmgebung u{*k.dm, k.stoff, k.einheiten, k.ergebnis};
    for (auto _ : state) {
        search::AggSuche(u, e, k.aggregate, k.kond);
        search::SatzSuche(u, e, &k.chart);
        benchmark::DoNotOptimize(k.ergebnis.anzahl());
    }
    state.counters["results"] = k.ergebnis.anzahl();
}

BENCHMARK(BM_VerdSucheAlleSerien)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdSucheAlleSerienR448A)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggSuche)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggUndSatzSuche)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

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
