// drel-cli table: the performance table of an article's data sheet.
#include "base/messagesink.h"
#include "cli/argumente.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "sheet/pages/tabellenexport.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace drel::cli {
namespace {

const QString kBefehl = QStringLiteral("table");

struct Bereich {
    double von = 0, bis = 0, schritt = 0;
};

struct TableOptions {
    BlattOptionen blatt;
    std::optional<Bereich> t0, tc, luft;
    bool csv = false;
};

// "VON:BIS:SCHRITT" with a positive step and no more rows than a table can hold.
std::optional<Bereich> bereich(const QString& option, const QString& text) {
    const QStringList teile = text.split(QLatin1Char(':'));
    Bereich b;
    std::optional<double> v[3];
    for (int k = 0; k < 3 && teile.size() == 3; ++k)
        v[k] = zahlLesen(teile[k]);
    if (!v[0] || !v[1] || !v[2] || !(*v[2] > 0.0)) {
        nutzungsfehler(kBefehl, QStringLiteral("%1 erwartet VON:BIS:SCHRITT mit einem Schritt "
                                               "ueber 0: '%2'")
                                    .arg(option, text));
        return std::nullopt;
    }
    b = {*v[0], *v[1], *v[2]};
    const double punkte = std::abs(b.bis - b.von) / b.schritt + 1.0;
    if (punkte > sheet::LeistungsTabelle::kMaxBloecke) {
        nutzungsfehler(kBefehl, QStringLiteral("%1 ergaebe %2 Tabellenpunkte; erlaubt sind "
                                               "hoechstens %3")
                                    .arg(option, QString::number(std::ceil(punkte), 'g', 3))
                                    .arg(sheet::LeistungsTabelle::kMaxBloecke));
        return std::nullopt;
    }
    return b;
}

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
            std::optional<Bereich>& ziel = a == u"--t0" ? o.t0 : a == u"--tc" ? o.tc : o.luft;
            ziel = bereich(a, args.at(++i));
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

void bereicheSetzen(sheet::TabBereiche& b, const TableOptions& o) {
    b.SpinEdit1.wert = o.t0->von;
    b.SpinEdit2.wert = o.t0->bis;
    b.SpinEdit3.wert = o.t0->schritt;
    const Bereich zeilen = o.luft ? *o.luft : *o.tc;
    sheet::SpinFeld* felder[] = {o.luft ? &b.SpinEdit7 : &b.SpinEdit4,
                                 o.luft ? &b.SpinEdit8 : &b.SpinEdit5,
                                 o.luft ? &b.SpinEdit9 : &b.SpinEdit6};
    felder[0]->wert = zeilen.von;
    felder[1]->wert = zeilen.bis;
    felder[2]->wert = zeilen.schritt;
}

} // namespace

int cmdTable(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, kBefehl);
    if (!programm)
        return 2;
    const std::optional<TableOptions> o = parse(args);
    if (!o)
        return 2;
    StderrSink sink;
    ScopedMessageSink guard(&sink);
    MessageScope operation;
    int exitCode = 0;
    const auto offen = OffenesBlatt::oeffnen(kBefehl, *programm, o->blatt, exitCode);
    if (!offen)
        return exitCode;
    sheet::Datenblatt& blatt = offen->blatt();
    bereicheSetzen(blatt.bereiche(), *o);
    blatt.tabelleBerechnen();
    const sheet::LeistungsTabelle& tabelle = blatt.tabelle();
    if (o->csv) {
        std::fputs(qPrintable(sheet::alsCsv(tabelle)), stdout);
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

} // namespace drel::cli
