// The search window from a click on OK to the filled result grid, for the typical
// request (QN, "R404A, R507", t0 -10 °C, tc 45 °C, 10 kW) on the sample catalogue,
// with the window shown offscreen.
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "tests/support/beispielkatalog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace drel;

namespace {

bool katalogBauen(const QString& programm) {
    return drel::testing::beispielKatalogBauen(programm);
}

void BM_OkBisGefuelltesGrid(benchmark::State& state) {
    QTemporaryDir dir;
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    if (!katalogBauen(dir.path())) {
        state.SkipWithError("no sample catalogue in data/Daten");
        return;
    }
    setNumberSeparators(NumberSeparators::german());
    db::TDataModule1 dm(dir.path());
    fluid::TStoff stoff;
    stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
    calc::Einheiten einheiten;
    einheiten.klick(calc::EinheitGruppe::Leistung, 0);
    einheiten.klick(calc::EinheitGruppe::Temperatur, 0);
    einheiten.bestaetigen();

    ui::TFrmSuche fenster(einheiten);
    fenster.setSuchIni(dir.filePath(QStringLiteral("search.ini")));
    fenster.FormCreate(dm, stoff);
    fenster.resize(880, 470);
    fenster.show();
    fenster.suchbereichOeffnen();
    fenster.box(SuchRec::RBQN)->click();
    auto* liste = fenster.findChild<QListWidget*>(QStringLiteral("KMListe"));
    liste->setCurrentItem(liste->findItems(r404aListenEintrag(), Qt::MatchExactly).value(0));
    fenster.feld(search::Feld::t0)->setText(QStringLiteral("-10"));
    fenster.feld(search::Feld::tc)->setText(QStringLiteral("45"));
    fenster.feld(search::Feld::Q0)->setText(QStringLiteral("10"));
    auto* ok = fenster.findChild<QPushButton*>(QStringLiteral("OKBtn"));

    for (auto _ : state) {
        ok->click();
        QCoreApplication::processEvents(); // layout and paint of the grid
        benchmark::DoNotOptimize(fenster.stgSuche()->rowCount());
    }
    state.counters["rows"] = fenster.stgSuche()->rowCount();
}
BENCHMARK(BM_OkBisGefuelltesGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
