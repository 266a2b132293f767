// drel-cli batch: a table of operating points, each rated as `rate` rates it.
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "sheet/reihenrechnung.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

const QString kBefehl = QStringLiteral("batch");

struct BatchOptionen {
    BlattOptionen blatt; // --reflibs and --unit-file only
    QString ein;
    QString aus; // empty: CSV on standard output
};

std::optional<BatchOptionen> parse(const QStringList& args) {
    BatchOptionen o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == u"--out") {
            if (i + 1 >= args.size()) {
                nutzungsfehler(kBefehl, QStringLiteral("--out ohne Wert"));
                return std::nullopt;
            }
            o.aus = args.at(++i);
            continue;
        }
        if (a == u"--reflibs" || a == u"--unit-file") {
            if (blattOptionLesen(kBefehl, args, i, o.blatt, false) == OptionGelesen::Fehler)
                return std::nullopt;
            continue;
        }
        if (a.startsWith(QLatin1String("--")) || !o.ein.isEmpty()) {
            nutzungsfehler(kBefehl, QStringLiteral("unbekanntes Argument '%1'").arg(a));
            return std::nullopt;
        }
        o.ein = a;
    }
    if (o.ein.isEmpty()) {
        nutzungsfehler(kBefehl, QStringLiteral("die Eingabedatei fehlt"));
        return std::nullopt;
    }
    const QString endung = QFileInfo(o.aus).suffix().toLower();
    if (!o.aus.isEmpty() && endung != u"csv" && endung != u"xlsx") {
        nutzungsfehler(kBefehl, QStringLiteral("--out braucht eine Datei .csv oder .xlsx"));
        return std::nullopt;
    }
    return o;
}

} // namespace

int cmdBatch(const QStringList& arguments) {
    const auto anfang = befehlsAnfang<BatchOptionen>(arguments, kBefehl,
                                                     [](const QStringList& a) { return parse(a); });
    if (!anfang)
        return 2;
    const BatchOptionen& o = anfang->second;
    Befehlsmeldungen meldungen;
    const sheet::ReihenTabelle tabelle = sheet::reihenLesen(o.ein);
    if (!tabelle.fehler.isEmpty()) {
        std::fprintf(stderr, "drel-cli batch: %s\n", qPrintable(tabelle.fehler));
        return 1;
    }
    OffeneDaten daten(anfang->first, o.blatt);
    sheet::Reihenrechnung rechnung(daten.dm(), daten.stoff(), daten.einheiten());
    const std::vector<sheet::ReihenErgebnis> ergebnisse = rechnung.alleRechnen(tabelle.punkte);
    int fehler = 0;
    for (const sheet::ReihenErgebnis& e : ergebnisse)
        if (!e.gerechnet) {
            ++fehler;
            std::fprintf(stderr, "drel-cli batch: Zeile %d: %s\n", e.ein.zeile,
                         qPrintable(e.grund));
        }
    // Files for other programs take the English form: "," between fields, "." in numbers.
    const sheet::CsvForm form{QLatin1Char(','), QLatin1Char('.')};
    QString grund;
    bool ok = true;
    if (o.aus.isEmpty()) {
        const QByteArray text = sheet::reihenAlsCsv(ergebnisse, form).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    } else if (QFileInfo(o.aus).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0) {
        ok = sheet::reihenAlsXlsx(ergebnisse, o.aus, &grund);
    } else {
        ok = sheet::textSchreiben(o.aus, sheet::csvDatei(sheet::reihenAlsCsv(ergebnisse, form)),
                                  &grund);
    }
    if (!ok) {
        std::fprintf(stderr, "drel-cli batch: %s: %s\n", qPrintable(o.aus), qPrintable(grund));
        return 1;
    }
    std::fprintf(stderr, "drel-cli batch: %zu Zeilen, %d nicht berechnet\n", ergebnisse.size(),
                 fehler);
    return 0;
}

} // namespace drel::cli
