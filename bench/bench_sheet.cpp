// The data sheet on the sample catalogue: NeuesBild for the typical request's type
// (QNX1-21, "R404A, R507", t0 -10 °C, tc 45 °C) with the diagram painted as the window
// paints it, and a click on the t0 step button until the window has repainted (offscreen).
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "search/ergebnisliste.h"
#include "sheet/grenzbild.h"
#include "sheet/technikmodell.h"
#include "sheet/ui/frmtechnik.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/einheitenwahl.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <memory>

using namespace drel;

namespace {

struct Umgebung {
    QTemporaryDir dir;
    RecordingSink sink;
    ScopedMessageSink guard{&sink};
    std::unique_ptr<db::TDataModule1> dm;
    fluid::TStoff stoff;
    calc::Einheiten einheiten;
    DatenblattAuftrag daten;

    bool aufbauen() {
        if (!drel::testing::beispielKatalogBauen(dir.path()))
            return false;
        setNumberSeparators(NumberSeparators::german());
        dm = std::make_unique<db::TDataModule1>(dir.path());
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        einheiten = drel::testing::siEinheiten();
        dm->TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(QStringLiteral("QN1-21"))});
        daten.typen << QStringLiteral("QNX1-21");
        daten.artikelIds << dm->TBArtikel.asInteger(u"ID");
        daten.typ = QStringLiteral("QNX1-21");
        return true;
    }
};

void BM_NeuesBild(benchmark::State& state) {
    Umgebung u;
    if (!u.aufbauen()) {
        state.SkipWithError("no sample catalogue in data/Daten");
        return;
    }
    sheet::TechnikModell modell(*u.dm, u.stoff, u.einheiten);
    modell.oeffnen(u.daten);
    modell.FormShow();
    for (auto _ : state) {
        modell.NeuesBild();
        const chart::Zeichnung bild = sheet::grenzZeichnung(modell.diagramm());
        benchmark::DoNotOptimize(modell.Q2.text);
        benchmark::DoNotOptimize(bild.anzeige.constBits());
    }
}
BENCHMARK(BM_NeuesBild)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_T0SchrittBisNeuGezeichnet(benchmark::State& state) {
    Umgebung u;
    if (!u.aufbauen()) {
        state.SkipWithError("no sample catalogue in data/Daten");
        return;
    }
    ui::TFrmTechnik1 blatt(*u.dm, u.stoff, u.einheiten);
    blatt.oeffnen(u.daten);
    blatt.resize(1000, 640);
    blatt.show();
    blatt.PageControl1()->setCurrentIndex(1); // the diagram is on screen
    QCoreApplication::processEvents();
    QToolButton* hoch = blatt.stufe(sheet::Eingabe::t0, +1);
    QToolButton* runter = blatt.stufe(sheet::Eingabe::t0, -1);
    bool auf = true;
    for (auto _ : state) {
        (auf ? hoch : runter)->click();
        auf = !auf;
        blatt.repaint(); // synchronous paint of the whole sheet
        benchmark::DoNotOptimize(blatt.model().bildNummer());
    }
}
BENCHMARK(BM_T0SchrittBisNeuGezeichnet)->Unit(benchmark::kMillisecond)->UseRealTime();

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
