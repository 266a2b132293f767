// drel-cli search: the selection search of compressors or condensing units, printed
// as the result grid shows it, with the preselected row marked.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "fluid/stoff.h"
#include "chart/grenztest.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "search/suchmodell.h"

#include <QFileInfo>
#include <cstdio>
#include <map>
#include <optional>

namespace drel::cli {

namespace {

using search::Box;

struct SearchOptions {
    bool units = false;
    QString refrigerant = QStringLiteral("R404A, R507");
    std::map<search::Feld, QString> fields;
    QStringList series;
    std::optional<QString> type;
    bool sixtyHz = false;
    std::optional<int> speed;
    bool csv = false;
    bool noEnvelope = false;
    QString reflibs;
};

int usage() {
    std::fprintf(
        stderr,
        "usage: drel-cli search [--units] [--refrigerant R] [--t0 T] [--tc T | --air T]\n"
        "                       [--ts T] [--dtu K] [--q0 KW] [--series QN,QL,...]\n"
        "                       [--type TEXT] [--hz 50|60] [--n RPM] [--csv]\n"
        "                       [--no-envelope] [--reflibs DIR] [--dir DIR]\n"
        "series: QN QL QN84 QNT EQN EQL W WT WY (compressors), CQNR CQLR CQNL CQLL WEY (units)\n");
    return 2;
}

const std::map<QString, Box>& seriesBoxes() {
    static const std::map<QString, Box> boxes{
        {"QN", Box::RBQN},     {"QL", Box::RBQL},     {"QN84", Box::RB84},   {"84", Box::RB84},
        {"QNT", Box::rbQNT},   {"EQN", Box::RBEQN},   {"EQL", Box::RBEQL},   {"W", Box::RBW},
        {"WT", Box::RBWT},     {"WY", Box::RBWY},     {"CQNR", Box::RBCQNR}, {"CQLR", Box::RBCQLR},
        {"CQNL", Box::RBCQNL}, {"CQLL", Box::RBCQLL}, {"WEY", Box::RBWEY}};
    return boxes;
}

bool number(const QString& text) {
    double v = 0.0;
    return parseFloat(text, v);
}

std::optional<SearchOptions> parse(const QStringList& args) {
    SearchOptions o;
    const std::map<QString, search::Feld> numeric{
        {"--t0", search::Feld::t0}, {"--tc", search::Feld::tc},   {"--air", search::Feld::tc},
        {"--ts", search::Feld::ts}, {"--dtu", search::Feld::dtu}, {"--q0", search::Feld::Q0}};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        const QString value = hasValue ? args.at(i + 1) : QString();
        bool ok = true;
        if (a == QLatin1String("--units"))
            o.units = true;
        else if (a == QLatin1String("--csv"))
            o.csv = true;
        else if (a == QLatin1String("--no-envelope"))
            o.noEnvelope = true;
        else if (!hasValue)
            ok = false;
        else if (const auto f = numeric.find(a); f != numeric.end())
            ok = number(value) && (o.fields[f->second] = value, true);
        else if (a == QLatin1String("--refrigerant"))
            o.refrigerant = value;
        else if (a == QLatin1String("--series"))
            o.series = value.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (a == QLatin1String("--type"))
            o.type = value;
        else if (a == QLatin1String("--hz"))
            ok = (value == QLatin1String("50") || value == QLatin1String("60")) &&
                 (o.sixtyHz = value == QLatin1String("60"), true);
        else if (a == QLatin1String("--n"))
            ok = parseInt(value, *(o.speed = 0));
        else if (a == QLatin1String("--reflibs"))
            o.reflibs = value;
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "drel-cli search: bad argument '%s'\n", qPrintable(a));
            return std::nullopt;
        }
        if (a != QLatin1String("--units") && a != QLatin1String("--csv") &&
            a != QLatin1String("--no-envelope"))
            ++i;
    }
    return o;
}

// The list item the option names: the item itself or its first refrigerant.
int refrigerantItem(const QStringList& items, const QString& wanted) {
    for (qsizetype k = 0; k < items.size(); ++k) {
        const QString& item = items.at(k);
        if (item.compare(wanted, Qt::CaseInsensitive) == 0 ||
            item.section(QLatin1Char(','), 0, 0).trimmed().compare(wanted, Qt::CaseInsensitive) ==
                0)
            return static_cast<int>(k);
    }
    return -1;
}

bool applySeries(search::SuchModell& m, const QStringList& series) {
    if (series.isEmpty())
        return true;
    for (int b = 0; b < SuchRec::BoxAnzahl; ++b)
        m.boxSetzen(static_cast<Box>(b), false);
    for (const QString& name : series) {
        const auto it = seriesBoxes().find(name);
        if (it == seriesBoxes().end()) {
            std::fprintf(stderr, "drel-cli search: unknown series '%s'\n", qPrintable(name));
            return false;
        }
        m.boxSetzen(it->second, true);
    }
    return true;
}

QString csvField(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) +
               QLatin1Char('"');
    return text;
}

void printGrid(search::SuchModell& m, bool csv) {
    const search::ErgebnisListe& l = m.liste();
    const search::Suchergebnis& r = m.ergebnis();
    if (csv) {
        std::printf("row,type,qo,qo_kw,refrigerant,article,selected\n");
        for (int row = 1; row < l.RowCount(); ++row) {
            const int e = search::ErgebnisListe::eintragFuerZeile(r, row);
            if (e == 0)
                continue;
            std::printf("%d,%s,%s,%s,%s,%d,%d\n", row, qPrintable(csvField(l.zelle(0, row))),
                        qPrintable(csvField(l.zelle(1, row))), qPrintable(shortestDecimal(r[e].Qo)),
                        qPrintable(csvField(r[e].Kaeltemittel)), r[e].ArtikelID,
                        row == l.Row() ? 1 : 0);
        }
        return;
    }
    std::printf("  %-24s %14s\n", qPrintable(m.KopfTyp), qPrintable(m.KopfQo.trimmed()));
    for (int row = 1; row < l.RowCount(); ++row) {
        if (l.zelle(0, row).isEmpty())
            continue;
        std::printf("%c %-24s %14s\n", row == l.Row() ? '*' : ' ', qPrintable(l.zelle(0, row)),
                    qPrintable(l.zelle(1, row)));
    }
    if (l.Panel8())
        std::printf("Kalteleistung zu gross - Kein grosserer Verdichter verfugbar\n");
    if (m.Panel10)
        std::printf("Fur Verflussigungstemperaturen unterhalb 20 C Leistungsdaten bitte "
                    "anfragen.\n");
}

} // namespace

int cmdSearch(const QStringList& arguments) {
    QStringList args = arguments;
    const QString dir = programDirectory(args);
    const std::optional<SearchOptions> parsed = parse(args);
    if (!parsed)
        return usage();
    const SearchOptions& o = *parsed;
    StderrSink sink;
    ScopedMessageSink guard(&sink);

    db::TDataModule1 dm(dir);
    requireTables(dm);
    calc::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, dir));
    calc::Einheiten einheiten; // kW and °C
    search::Suchergebnis ergebnis;
    search::SuchModell m(einheiten, ergebnis);
    m.FormShow(QString());
    m.rbVerdichterClick(!o.units);
    if (!applySeries(m, o.series))
        return 2;
    const int item = refrigerantItem(m.KMListe, o.refrigerant);
    if (item < 0) {
        std::fprintf(stderr,
                     "drel-cli search: '%s' is not offered for these series; choose one "
                     "of: %s\n",
                     qPrintable(o.refrigerant), qPrintable(m.KMListe.join(QLatin1String(" | "))));
        return 1;
    }
    m.KMListeClick(item);
    for (const auto& [feld, text] : o.fields) {
        m.text(feld) = text;
        m.feldVerlassen(feld);
    }
    m.tcChange();
    if (o.type) {
        m.chktypClick(true);
        m.vTyp = *o.type;
    }
    m.rb50HzClick(o.sixtyHz);
    if (o.speed)
        m.SpinNEingabe(*o.speed);

    search::AggListe aggregate;
    db::LukoTabelle kondensatoren;
    if (o.units) {
        aggregate = search::AggErstellen(dm);
        kondensatoren = search::KondErstellen(dm);
    }
    chart::GrenzChart chart;
    search::SuchDienste dienste{dm, stoff, o.noEnvelope ? nullptr : &chart, &aggregate,
                                &kondensatoren};
    if (!m.OKBtnClick(QString(), dienste))
        return 1; // the engine reported the fault
    printGrid(m, o.csv);
    return 0;
}

} // namespace drel::cli
