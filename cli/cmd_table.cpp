// drel-cli table: the performance table of an article's data sheet.
#include "base/messagesink.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "sheet/pages/tabellenexport.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace drel::cli {
namespace {

const QString kBefehl = QStringLiteral("table");

struct TableOptions {
    BlattOptionen blatt;
    std::optional<TabellenBereich> t0, tc, luft;
    bool csv = false;
};

std::optional<TableOptions> parse(const QStringList& args) {
    TableOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == u"--csv") {
            o.csv = true;
            continue;
        }
        if (a == u"--t0" || a == u"--tc" || a == u"--air") {
            if (i + 1 >= args.size())
                return nutzungsfehler(kBefehl, a + QStringLiteral(" ohne Wert")), std::nullopt;
            std::optional<TabellenBereich>& ziel = a == u"--t0"   ? o.t0
                                                   : a == u"--tc" ? o.tc
                                                                  : o.luft;
            ziel = tabellenBereichLesen(kBefehl, a, args.at(++i));
            if (!ziel)
                return std::nullopt;
            continue;
        }
        const OptionGelesen g = blattOptionLesen(kBefehl, args, i, o.blatt, false);
        if (g == OptionGelesen::Fremd)
            nutzungsfehler(kBefehl, QStringLiteral("unbekanntes Argument '%1'").arg(a));
        if (g != OptionGelesen::Ja)
            return std::nullopt;
    }
    if (o.blatt.artikel.isEmpty() || o.blatt.punkt.kaeltemittel.isEmpty() || !o.t0 ||
        (!o.tc == !o.luft))
        return nutzungsfehler(kBefehl, QStringLiteral("--article, --refrigerant, --t0 und --tc "
                                                      "oder --air sind noetig")),
               std::nullopt;
    // The sheet opens at the program's start point; its table rates every range point.
    o.blatt.mitT0 = true;
    o.blatt.mitLuft = o.luft.has_value();
    o.blatt.mitTc = !o.blatt.mitLuft;
    return o;
}

int tabelleAusgeben(const TableOptions& o, OffenesBlatt& offen) {
    sheet::Datenblatt& blatt = offen.blatt();
    tabellenBereicheSetzen(blatt.bereiche(), *o.t0, o.luft ? *o.luft : *o.tc, o.luft.has_value());
    blatt.tabelleBerechnen();
    const sheet::LeistungsTabelle& tabelle = blatt.tabelle();
    if (o.csv) {
        std::fputs(
            qPrintable(sheet::alsCsv(tabelle, sheet::CsvForm::fuerSprache(QStringLiteral("De")))),
            stdout);
        return 0;
    }
    for (const auto& [k, w] : tabelle.kopf())
        std::printf("%s: %s\n", qPrintable(k), qPrintable(w));
    std::printf("\n");
    for (int r = 0; r < tabelle.zeilen(); ++r) {
        QString zeile;
        for (int c = 0; c < tabelle.spalten(); ++c)
            zeile += tabelle.text(c, r).rightJustified(c < 3 ? 8 : 11);
        std::printf("%s\n", qPrintable(zeile.trimmed().isEmpty() ? QString() : zeile));
    }
    return 0;
}

} // namespace

int cmdTable(const QStringList& arguments) {
    return blattBefehlAusfuehren<TableOptions>(arguments, kBefehl, parse, false, tabelleAusgeben);
}

} // namespace drel::cli
