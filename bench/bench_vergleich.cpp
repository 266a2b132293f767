// The comparison window: four articles of the sample catalogue rated and shown until
// the window has repainted (offscreen).
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "print/ui/frmvergleich.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/einheitenwahl.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace drel;

namespace {

void BM_VierArtikelBisGefuelltesFenster(benchmark::State& state) {
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
    QList<DatenblattAuftrag> auftraege;
    for (const char* typ : {"QN1-21", "QN2-22", "QN2-32", "QN3-43"}) {
        Betriebspunkt p;
        p.kaeltemittel = QStringLiteral("R404A, R507");
        auftraege << *sheet::artikelAuftrag(dm, QString::fromLatin1(typ), p, false);
    }
    ui::TFrmVergleich fenster(dm, stoff, einheiten);
    fenster.show();
    QApplication::processEvents();
    for (auto _ : state) {
        fenster.vergleichen(auftraege);
        fenster.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_VierArtikelBisGefuelltesFenster)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
