// PDF output without a printer: the eight-page data sheet of a compressor with
// drawing and photo on the sample catalogue, and the result printout of 100 rows.
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "print/ergebnisdruck.h"
#include "report/pdfausgabe.h"
#include "search/ergebnisliste.h"
#include "sheet/datenblatt.h"
#include "tests/support/beispielkatalog.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace drel;

namespace {

struct Blatt : testing::BeispielKatalog {
    calc::Einheiten einheiten;
    std::unique_ptr<sheet::Datenblatt> blatt;

    Blatt() {
        if (!gebaut)
            return;
        const QString pics = dir.filePath(QStringLiteral("Pics"));
        QDir().mkpath(pics);
        for (QDirIterator it(QStringLiteral(DREL_SOURCE_DIR "/data/Pics"), QDir::Files);
             it.hasNext();) {
            it.next();
            QFile::copy(it.filePath(), pics + QLatin1Char('/') + it.fileName());
        }
        einheiten.standardFuerLeereGruppen();
        blatt = std::make_unique<sheet::Datenblatt>(*dm, stoff, einheiten);
        dm->TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(QStringLiteral("QN1-21"))},
                             true);
        DatenblattAuftrag d;
        d.typen = {QStringLiteral("QNX1-21")};
        d.artikelIds = {dm->TBArtikel.asInteger(u"ID")};
        d.typ = d.typen.front();
        blatt->oeffnen(d);
    }
};

print::Druckauswahl alleAbschnitte() {
    print::Druckauswahl a;
    a.brief.absender = {QStringLiteral("Kälte Süd GmbH"), QStringLiteral("Hafenstraße 1")};
    a.brief.empfaenger = {QStringLiteral("Müller & Söhne")};
    a.brief.betreff = {QStringLiteral("Angebot")};
    a.brief.seite = QStringLiteral("Seite");
    for (int k = 0; k < print::kAbschnittAnzahl; ++k)
        a.abschnitte.push_back(static_cast<print::Abschnitt>(k));
    return a;
}

// Content, report and PDF: what the print window's "PDF erstellen" does.
void BM_DatenblattPdf(benchmark::State& state) {
    static Blatt blatt;
    QTemporaryDir ziel;
    const sheet::Datenblatt& quelle = *blatt.blatt;
    const print::Druckauswahl a = alleAbschnitte();
    int seiten = 0;
    for (auto _ : state) {
        auto bericht = print::datenblattBericht(a, print::datenblattInhalt(quelle, a));
        QString fehler;
        if (!bericht::pdfSchreiben(*bericht, ziel.filePath(QStringLiteral("b.pdf")), fehler))
            state.SkipWithError(qPrintable(fehler));
        seiten = bericht->pageCount();
    }
    state.counters["pages"] = seiten;
}
BENCHMARK(BM_DatenblattPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Ergebnisdruck100Pdf(benchmark::State& state) {
    QTemporaryDir ziel;
    print::DruckRaster raster{{QStringLiteral("Typ"), QStringLiteral("Qo   kW")}};
    for (int i = 0; i < 100; ++i)
        raster.push_back({QStringLiteral("QNX%1-22").arg(i), formatFloat(u"0.00", 10.0 + i)});
    for (auto _ : state) {
        auto bericht = print::ergebnisBerichtAnlegen();
        print::ergebnisBerichtFuellen(*bericht, raster, QStringLiteral("Seite"));
        QString fehler;
        if (!bericht::pdfSchreiben(*bericht, ziel.filePath(QStringLiteral("l.pdf")), fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}
BENCHMARK(BM_Ergebnisdruck100Pdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
