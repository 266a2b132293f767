// drel-catalogue: writes the sample catalogue into a program directory (data/):
// Daten/*.xml, Pics/ and the help and note texts. The output is the same on every run.
#include "base/messagesink.h"
#include "fluid/stoff.h"
#include "tools/catalogue/bilder.h"
#include "tools/catalogue/katalog.h"
#include "tools/catalogue/programmtexte.h"
#include "tools/catalogue/uebersetzung.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QString ausgabe = QStringLiteral("data");
    QString reflibs;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--out"))
            ausgabe = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--reflibs"))
            reflibs = args.at(i + 1);
        else {
            std::fprintf(stderr, "usage: drel-catalogue [--out DIR] [--reflibs DIR]\n");
            return 2;
        }
    }
    if (reflibs.isEmpty())
        reflibs = ausgabe + QStringLiteral("/reflibs");
    try {
        drel::fluid::TStoff stoff;
        stoff.Create(reflibs);
        const drel::katalog::Katalog k = drel::katalog::katalogErstellen(stoff);
        k.exporte.schreiben(ausgabe + QStringLiteral("/Daten"));
        drel::katalog::bilderSchreiben(k, ausgabe + QStringLiteral("/Pics"));
        drel::katalog::programmtexteSchreiben(ausgabe);
        // Every language column holds a real text: name each English text the
        // translation table still lacks.
        if (const QStringList fehlt = drel::katalog::fehlendeUebersetzungen(); !fehlt.isEmpty()) {
            for (const QString& text : fehlt)
                std::fprintf(stderr, "no translation: %s\n", qUtf8Printable(text));
            std::fprintf(stderr, "drel-catalogue: add the texts above to "
                                 "tools/catalogue/uebersetzungen.tsv\n");
            return 1;
        }
        double qoMax = 0, pMax = 0, qoSumme = 0, pSumme = 0, punktMax = 0;
        for (const auto& [schluessel, f] : k.fits) {
            qoMax = std::max(qoMax, f.qo.rmsRelativ);
            pMax = std::max(pMax, f.p.rmsRelativ);
            qoSumme += f.qo.rmsRelativ;
            pSumme += f.p.rmsRelativ;
            punktMax = std::max({punktMax, f.qo.maxRelativ, f.p.maxRelativ});
        }
        const double n = std::max<double>(1.0, static_cast<double>(k.fits.size()));
        std::printf("%zu articles, %zu capacity records, %zu fits\n", k.artikel.size(),
                    k.exporte.finde(QStringLiteral("WukCapacityData.xml"))->size(), k.fits.size());
        std::printf("fit RMS of the relative deviation: Qo mean %.3f %% max %.3f %%, "
                    "P mean %.3f %% max %.3f %%; largest single deviation %.2f %%; "
                    "current fits max %.3f %%\n",
                    100 * qoSumme / n, 100 * qoMax, 100 * pSumme / n, 100 * pMax, 100 * punktMax,
                    100 * k.strommodellRms);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drel-catalogue: %s\n", e.what());
        return 1;
    }
    return 0;
}
