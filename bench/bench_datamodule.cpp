// Opening all product tables and walking every article with its capacity records,
// on a generated database of 5,000 articles x 4 capacity records.
#include "base/messagesink.h"
#include "db/datamodule.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace drel::db;

namespace {

constexpr int kArticles = 5000;
constexpr int kCapacityPerArticle = 4;

Row emptyRow(const TableDef& def) {
    return Row(def.fields.size());
}

void set(Row& row, const TableDef& def, const char* field, Value v) {
    row[static_cast<size_t>(def.fieldIndex(QString::fromLatin1(field)))] = std::move(v);
}

std::vector<Row> articles(const TableDef& def) {
    std::vector<Row> rows;
    for (int a = 1; a <= kArticles; ++a) {
        Row r = emptyRow(def);
        set(r, def, "ID", qint32(a));
        set(r, def, "Produktgruppe", qint32(a % 2 ? 25 : 24));
        set(r, def, "Basisartikel", QStringLiteral("0"));
        set(r, def, "Bezeichnung1", QStringLiteral("QN%1/%2-4").arg(a % 8 + 1).arg(a));
        set(r, def, "Baugroesse", QStringLiteral("QN%1").arg(a % 8 + 1));
        set(r, def, "Hubvolumen", 5.0 + a % 300);
        set(r, def, "GhostPointer", qint32(0));
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<Row> capacities(const TableDef& def) {
    std::vector<Row> rows;
    int id = 1;
    for (int a = 1; a <= kArticles; ++a) {
        for (int k = 1; k <= kCapacityPerArticle; ++k) {
            Row r = emptyRow(def);
            set(r, def, "ID", qint32(id++));
            set(r, def, "ArtikelID", qint32(a));
            set(r, def, "KaeltemittelID", qint32(k));
            for (size_t f = 3; f <= 82; ++f)
                r[f] = 0.5 * static_cast<double>(f) + a * 1e-3;
            set(r, def, "Sauggaswert", 20.0);
            set(r, def, "SauggasFlag", true);
            rows.push_back(std::move(r));
        }
    }
    return rows;
}

std::vector<Row> refrigerants(const TableDef& def) {
    std::vector<Row> rows;
    const char* names[] = {"R134a", "R404A", "R22", "R407C"};
    for (int k = 1; k <= 4; ++k) {
        Row r = emptyRow(def);
        set(r, def, "ID", qint32(k));
        set(r, def, "Ashrae", QString::fromLatin1(names[k - 1]));
        rows.push_back(std::move(r));
    }
    return rows;
}

// The generated program directory, written once per process.
const QString& programDirectory() {
    static std::unique_ptr<QTemporaryDir> dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        QDir(d->path()).mkpath(QStringLiteral("Daten"));
        for (const TableDef& def : produktTabellen()) {
            std::vector<Row> rows;
            if (def.name == QLatin1String("Articles"))
                rows = articles(def);
            else if (def.name == QLatin1String("CapacityData"))
                rows = capacities(def);
            else if (def.name == QLatin1String("Refrigerants"))
                rows = refrigerants(def);
            writeTableFile(d->path() + QStringLiteral("/Daten/") + def.fileName, def, rows);
        }
        return d;
    }();
    static const QString path = dir->path();
    return path;
}

const char* const kOtherCursors[] = {
    "STBArtikel",   "TBGruppen",     "TBGruppenS",     "TBKMittel",     "TBTechWerte",
    "TBTechBeschr", "TBTechGruppen", "TBLieferumfang", "TBLieferTexte", "TBZubehoer",
    "TBZubTexte",   "TBAnschlMass",  "TBAnschlTyp",    "TBFussnote",    "TBZerti",
    "TBZertiTyp",   "TBZertiTypS",   "TBLegenden",     "TBTextRes",     "TBTextResTypes",
};

void openAll(TDataModule1& dm) {
    for (const char* name : kOtherCursors)
        dm.cursor(QString::fromLatin1(name))->open();
}

void BM_OpenAllTables(benchmark::State& state) {
    const QString dir = programDirectory();
    for (auto _ : state) {
        TDataModule1 dm(dir);
        openAll(dm);
        benchmark::DoNotOptimize(dm.TBLeistung.recordCount());
    }
}
BENCHMARK(BM_OpenAllTables)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_WalkArticlesWithCapacities(benchmark::State& state) {
    TDataModule1 dm(programDirectory());
    openAll(dm);
    for (auto _ : state) {
        double sum = 0.0;
        int rows = 0;
        for (dm.TBArtikel.first(); !dm.TBArtikel.eof(); dm.TBArtikel.next()) {
            for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next()) {
                sum += dm.TBLeistung.asFloat(u"Kaelteleistung1");
                ++rows;
            }
        }
        if (rows != kArticles * kCapacityPerArticle)
            state.SkipWithError("walk did not see every capacity record");
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WalkArticlesWithCapacities)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
