// drel-cli compare: up to four articles at one operating point, side by side, with
// the difference of each value to the first article.
#include "base/numberformat.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "print/vergleichsdruck.h"
#include "report/pdfausgabe.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/vergleich.h"

#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

const QString kBefehl = QStringLiteral("compare");

struct VergleichsOptionen {
    BlattOptionen blatt;
    QStringList artikel;
    bool csv = false;
    QString pdf, xlsx;
    QString sprache; // the words of the table and the page; German without a choice
};

std::optional<VergleichsOptionen> parse(const QStringList& args) {
    VergleichsOptionen o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == u"--csv") {
            o.csv = true;
            continue;
        }
        QString* datei = a == u"--pdf"        ? &o.pdf
                         : a == u"--xlsx"     ? &o.xlsx
                         : a == u"--language" ? &o.sprache
                                              : nullptr;
        if (datei || a == u"--article") {
            if (i + 1 >= args.size()) {
                nutzungsfehler(kBefehl, QStringLiteral("%1 ohne Wert").arg(a));
                return std::nullopt;
            }
            if (datei)
                *datei = args.at(++i);
            else
                o.artikel << args.at(++i);
            continue;
        }
        const OptionGelesen g = blattOptionLesen(kBefehl, args, i, o.blatt);
        if (g == OptionGelesen::Fehler)
            return std::nullopt;
        if (g == OptionGelesen::Fremd) {
            nutzungsfehler(kBefehl, QStringLiteral("unbekanntes Argument '%1'").arg(a));
            return std::nullopt;
        }
    }
    if (o.artikel.isEmpty() || o.artikel.size() > sheet::Vergleich::kMaxArtikel) {
        nutzungsfehler(kBefehl, QStringLiteral("--article ein- bis viermal angeben"));
        return std::nullopt;
    }
    o.blatt.artikel = o.artikel.front();
    if (!blattOptionenVollstaendig(kBefehl, o.blatt))
        return std::nullopt;
    return o;
}

// The table as plain text: quantity and unit, then per article its value and the
// difference to the first.
void textAusgeben(const sheet::ZellenRaster& raster) {
    for (const auto& zeile : raster) {
        QString s;
        for (std::size_t c = 0; c < zeile.size(); ++c) {
            const QString t = zeile[c].text;
            if (c == 0)
                s += t.leftJustified(26);
            else if (c == 1)
                s += t.leftJustified(6);
            else if (c % 2 == 0)
                s += QLatin1Char(' ') + t.rightJustified(14);
            else
                s += QLatin1Char(' ') + t.leftJustified(9);
        }
        std::printf("%s\n", qPrintable(s.trimmed()));
    }
}

} // namespace

int cmdCompare(const QStringList& arguments) {
    const auto anfang = befehlsAnfang<VergleichsOptionen>(
        arguments, kBefehl, [](const QStringList& a) { return parse(a); });
    if (!anfang)
        return 2;
    const VergleichsOptionen& o = anfang->second;
    Befehlsmeldungen meldungen;
    // The words in the program's language, as the window and the sheet's printout show
    // them; the numbers keep the command line's form below.
    const QString sprache = o.sprache.isEmpty() ? QStringLiteral("De") : o.sprache;
    if (!spracheWaehlen(sprache)) {
        nutzungsfehler(kBefehl, QStringLiteral("unbekannte Sprache '%1'").arg(sprache));
        return 2;
    }
    // The program's number form of the command line: "." in numbers.
    setNumberSeparators(NumberSeparators::english());
    OffeneDaten daten(anfang->first, o.blatt);
    sheet::Reihenrechnung rechnung(daten.dm(), daten.stoff(), daten.einheiten());
    sheet::Vergleich vergleich;
    vergleich.rechnen(rechnung, o.artikel, o.blatt.punkt, o.blatt.mitLuft);
    int exitCode = 0;
    for (const sheet::ReihenErgebnis& e : vergleich.spalten())
        if (!e.gerechnet) {
            std::fprintf(stderr, "drel-cli compare: %s: %s\n", qPrintable(e.ein.artikel),
                         qPrintable(e.grund));
            exitCode = 1;
        }
    const sheet::ZellenRaster raster = vergleich.raster();
    const sheet::CsvForm form{QLatin1Char(','), QLatin1Char('.')};
    if (o.csv) {
        const QByteArray text = sheet::rasterAlsCsv(raster, form).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    } else {
        const Betriebspunkt& p = o.blatt.punkt;
        std::printf("compare  %s  t0 %s degC  %s %s degC\n", qPrintable(p.kaeltemittel),
                    qPrintable(zahlText(p.t0, "0.##")), o.blatt.mitLuft ? "air" : "tc",
                    qPrintable(zahlText(o.blatt.mitLuft ? p.tle : p.tc, "0.##")));
        textAusgeben(raster);
    }
    QString grund;
    if (!o.xlsx.isEmpty() && !sheet::rasterAlsXlsx(raster, o.xlsx, &grund)) {
        std::fprintf(stderr, "drel-cli compare: %s: %s\n", qPrintable(o.xlsx), qPrintable(grund));
        return 1;
    }
    if (!o.pdf.isEmpty()) {
        auto bericht = print::vergleichsBerichtAnlegen(vergleich, daten.einheiten());
        if (!bericht::pdfSchreiben(*bericht, o.pdf, grund)) {
            std::fprintf(stderr, "drel-cli compare: %s\n", qPrintable(grund));
            return 1;
        }
    }
    return exitCode;
}

} // namespace drel::cli
