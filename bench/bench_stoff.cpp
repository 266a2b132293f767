// Median cost of the property calls without memo hits (each iteration asks for a
// new temperature) and of a memo hit. Run from a Release build:
//   bench_stoff --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "base/messagesink.h"
#include "fluid/stoff.h"

#include <benchmark/benchmark.h>

namespace {

drel::fluid::TStoff& stoffFor(const char* refrigerant) {
    static drel::fluid::TStoff s;
    static bool created = false;
    if (!created) {
        s.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        created = true;
    }
    s.KaeltemittelSetzen(QString::fromLatin1(refrigerant));
    return s;
}

// A fresh temperature for every call of the whole run (repetitions included),
// between -30 and +10 degC, so the memo never hits.
double nextT(double&) {
    static long long counter = 0;
    ++counter;
    return -30 + static_cast<double>(counter % 4000000) * 1e-5;
}

void taudruck(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    double t = -30;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Taudruck(nextT(t)));
}

void dampfEnthalpie(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    const double p = s.Taudruck(-10);
    double t = -30;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.DampfEnthalpie(20 + nextT(t), p));
}

void dampfVolumen(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    const double p = s.Taudruck(-10);
    double t = -30;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.DampfVolumen(20 + nextT(t), p));
}

void memoHit(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    const double p = s.Taudruck(-10);
    s.DampfEnthalpie(20, p);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.DampfEnthalpie(20, p));
}

// As the search calls it: the refrigerant is set again for every article.
void memoHitWithSetzen(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    const QString name = QString::fromLatin1(refrigerant);
    const double p = s.Taudruck(-10);
    s.DampfEnthalpie(20, p);
    for (auto _ : state) {
        s.KaeltemittelSetzen(name);
        benchmark::DoNotOptimize(s.DampfEnthalpie(20, p));
    }
}

// Bubble temperature at a new pressure every call (the five-component blend needs
// a phase equilibrium for every try of the temperature).
void siedetemperatur(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    double t = -30;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Siedetemperatur(2 + 0.5 * nextT(t) / 30));
}

void taudruckMemoHit(benchmark::State& state, const char* refrigerant) {
    auto& s = stoffFor(refrigerant);
    s.Taudruck(-10);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Taudruck(-10));
}

} // namespace

BENCHMARK_CAPTURE(taudruck, R448A, "R448A");
BENCHMARK_CAPTURE(taudruck, R449A, "R449A");
BENCHMARK_CAPTURE(siedetemperatur, R448A, "R448A");
BENCHMARK_CAPTURE(taudruckMemoHit, R448A, "R448A");
BENCHMARK_CAPTURE(dampfEnthalpie, R448A, "R448A");
BENCHMARK_CAPTURE(taudruck, R134a, "R134a");
BENCHMARK_CAPTURE(taudruck, R404A, "R404A");
BENCHMARK_CAPTURE(taudruck, R717, "R717");
BENCHMARK_CAPTURE(taudruck, R744, "R744");
BENCHMARK_CAPTURE(dampfEnthalpie, R134a, "R134a");
BENCHMARK_CAPTURE(dampfEnthalpie, R404A, "R404A");
BENCHMARK_CAPTURE(dampfEnthalpie, R717, "R717");
BENCHMARK_CAPTURE(dampfEnthalpie, R744, "R744");
BENCHMARK_CAPTURE(dampfVolumen, R134a, "R134a");
BENCHMARK_CAPTURE(dampfVolumen, R404A, "R404A");
BENCHMARK_CAPTURE(dampfVolumen, R717, "R717");
BENCHMARK_CAPTURE(dampfVolumen, R744, "R744");
BENCHMARK_CAPTURE(memoHit, R134a, "R134a");
BENCHMARK_CAPTURE(memoHitWithSetzen, R134a, "R134a");

BENCHMARK_MAIN();
