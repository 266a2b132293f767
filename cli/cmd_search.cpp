// drel-cli search: the selection search of compressors or condensing units, printed
// as the result grid shows it, with the preselected row marked.
#include "base/directories.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "cli/argumente.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "search/suchmodell.h"
#include "state/sprache.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace drel::cli {

namespace {

using search::Box;

struct SearchOptions {
    bool units = false;
    QString refrigerant = r404aListenEintrag();
    std::map<search::Feld, double> fields;
    QStringList series;
    std::optional<QString> type;
    bool sixtyHz = false;
    std::optional<int> speed;
    bool csv = false;
    bool noEnvelope = false;
    QString reflibs;
    QString pdf; // the result printout goes here
};

const QString kBefehl = QStringLiteral("search");

std::nullopt_t fehler(const QString& meldung) {
    nutzungsfehler(kBefehl, meldung);
    return std::nullopt;
}

const std::map<QString, Box>& seriesBoxes() {
    static const std::map<QString, Box> boxes{
        {"QN", Box::RBQN},     {"QL", Box::RBQL},     {"QN84", Box::RB84},   {"84", Box::RB84},
        {"QNT", Box::rbQNT},   {"EQN", Box::RBEQN},   {"EQL", Box::RBEQL},   {"W", Box::RBW},
        {"WT", Box::RBWT},     {"WY", Box::RBWY},     {"CQNR", Box::RBCQNR}, {"CQLR", Box::RBCQLR},
        {"CQNL", Box::RBCQNL}, {"CQLL", Box::RBCQLL}, {"WEY", Box::RBWEY}};
    return boxes;
}

// The numeric fields with the bounds of the window's entry checks; the window
// clamps a value outside them, a command line refuses it.
struct FeldOption {
    const char* name;
    search::Feld feld;
    double min, max;
    const char* einheit;
};

const FeldOption kFeldOptionen[] = {
    {"--t0", search::Feld::t0, -273.0, 100.0, "degC"},
    {"--tc", search::Feld::tc, -100.0, 120.0, "degC"},
    {"--air", search::Feld::tc, -100.0, 120.0, "degC"},
    {"--ts", search::Feld::ts, -80.0, 40.0, "degC"},
    {"--dtu", search::Feld::dtu, 0.0, 50.0, "K"},
    {"--q0", search::Feld::Q0, 0.0, 1000.0, "kW"},
};

std::optional<SearchOptions> parse(const QStringList& args) {
    SearchOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--units")) {
            o.units = true;
            continue;
        }
        if (a == QLatin1String("--csv")) {
            o.csv = true;
            continue;
        }
        if (a == QLatin1String("--no-envelope")) {
            o.noEnvelope = true;
            continue;
        }
        if (i + 1 >= args.size())
            return fehler(QStringLiteral("%1 ohne Wert").arg(a));
        const QString value = args.at(++i);
        const FeldOption* feld = nullptr;
        for (const FeldOption& f : kFeldOptionen)
            if (a == QLatin1String(f.name))
                feld = &f;
        if (feld) {
            const std::optional<double> v = zahlLesen(value);
            if (!v)
                return fehler(QStringLiteral("%1: keine Zahl: '%2'").arg(a, value));
            const QString bereich =
                bereichPruefen(a, *v, feld->min, feld->max, QString::fromLatin1(feld->einheit));
            if (!bereich.isEmpty())
                return fehler(bereich);
            o.fields[feld->feld] = *v;
        } else if (a == QLatin1String("--refrigerant")) {
            o.refrigerant = value;
        } else if (a == QLatin1String("--series")) {
            o.series = value.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a == QLatin1String("--type")) {
            o.type = value;
        } else if (a == QLatin1String("--hz")) {
            const std::optional<double> hz = zahlLesen(value);
            if (!hz || (*hz != 50.0 && *hz != 60.0))
                return fehler(QStringLiteral("--hz %1: erlaubt sind 50 oder 60").arg(value));
            o.sixtyHz = *hz == 60.0;
        } else if (a == QLatin1String("--n")) {
            o.speed = ganzzahlLesen(value);
            if (!o.speed)
                return fehler(QStringLiteral("--n: keine ganze Zahl: '%1'").arg(value));
        } else if (a == QLatin1String("--reflibs")) {
            o.reflibs = value;
        } else if (a == QLatin1String("--pdf")) {
            o.pdf = value;
        } else {
            return fehler(QStringLiteral("unbekanntes Argument '%1'").arg(a));
        }
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
            nutzungsfehler(kBefehl, QStringLiteral("unbekannte Serie '%1'").arg(name));
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

// The suction gas cannot be colder than t0; the window's model would refuse the
// search too, but a command line says so as a usage fault.
bool punktPruefen(search::SuchModell& m) {
    Betriebspunkt p;
    p.t0 = floatOrZero(m.t0);
    p.tsaug = floatOrZero(m.ts);
    const QString fehler = calc::sauggasPruefen(p);
    if (fehler.isEmpty())
        return true;
    nutzungsfehler(kBefehl, fehler);
    return false;
}

// The speed within the bounds of the ticked series (the spin's bounds), at least 1.
bool drehzahlSetzen(search::SuchModell& m, int n) {
    m.SpinNChange();
    const QString bereich = bereichPruefen(QStringLiteral("--n"), n, std::max(1, m.SpinNMin),
                                           m.SpinNMax, QStringLiteral("1/min"));
    if (!bereich.isEmpty()) {
        nutzungsfehler(kBefehl, bereich);
        return false;
    }
    m.SpinNEingabe(n);
    return true;
}

// Why the list shows nothing; empty when it shows a row.

// A compressor search rates only the capacity records of the chosen refrigerant, so only
// those rows are read from the largest table; the rows it skips would each have been
// passed over by the refrigerant test. A refrigerant table that cannot be read leaves
// the capacity table whole (the start cursors then report it).
void nurGesuchtesKaeltemittel(db::TDataModule1& dm, const QString& listenEintrag) {
    const search::KMRec km = search::KMRec::ausListenEintrag(listenEintrag);
    db::Cursor& kaeltemittel = dm.TBKMittel;
    try {
        kaeltemittel.open();
    } catch (const db::DbError&) {
        return;
    }
    QList<qint32> ids;
    for (kaeltemittel.first(); !kaeltemittel.eof(); kaeltemittel.next())
        if (search::kaeltemittelPasst(km, kaeltemittel.asString(u"Ashrae")))
            ids << kaeltemittel.asInteger(u"ID");
    if (ids.size() < kaeltemittel.recordCount())
        dm.cache().setZeilenauswahl(QStringLiteral("CapacityData.cds"),
                                    {QStringLiteral("KaeltemittelID"), ids});
}

// A compressor search rates without a condenser: of the condensers' capacity table,
// the largest of those it opens, it reads no row.
void keineKondensatorLeistung(db::TDataModule1& dm) {
    dm.cache().setZeilenauswahl(QStringLiteral("AirCooledCondenserRefrigerant.cds"),
                                {QStringLiteral("LuftkondensatorID"), {}});
}

// The data module with the tables the search reads.
void tabellenOeffnen(std::optional<db::TDataModule1>& dm, const QString& dir, bool aggregate,
                     const QString& listenEintrag) {
    // A table fault is said once, by the command's boundary, not also by the data module.
    RecordingSink still;
    ScopedMessageSink stumm(&still);
    dm.emplace(dir, db::TDataModule1::OhneStartCursor{});
    if (!aggregate) {
        nurGesuchtesKaeltemittel(*dm, listenEintrag);
        keineKondensatorLeistung(*dm);
    }
    dm->openStartCursors();
}
} // namespace

int sucheAusfuehren(const QStringList& arguments, ErgebnisPdf pdf) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, kBefehl);
    if (!programm)
        return 2;
    const QString& dir = *programm;
    const std::optional<SearchOptions> parsed = parse(args);
    if (!parsed)
        return 2;
    const SearchOptions& o = *parsed;
    StderrSink sink;
    ScopedMessageSink guard(&sink);
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
                     "drel-cli search: '%s' wird fuer diese Serien nicht angeboten; zur Wahl "
                     "stehen: %s\n",
                     qPrintable(o.refrigerant), qPrintable(m.KMListe.join(QLatin1String(" | "))));
        return 2;
    }
    m.KMListeClick(item);
    for (const auto& [feld, wert] : o.fields) {
        m.text(feld) = shortestDecimal(wert);
        m.feldVerlassen(feld);
    }
    if (!punktPruefen(m))
        return 2;
    m.tcChange();
    if (o.type) {
        m.chktypClick(true);
        m.vTyp = *o.type;
    }
    m.rb50HzClick(o.sixtyHz);
    if (o.speed && !drehzahlSetzen(m, *o.speed))
        return 2;

    // The tables are opened once the refrigerant is known, which bounds the rows read.
    std::optional<db::TDataModule1> dmOffen;
    tabellenOeffnen(dmOffen, dir, o.units, m.KMListe.at(item));
    db::TDataModule1& dm = *dmOffen;
    requireTables(dm);
    fluid::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, dir));

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
    if (!o.pdf.isEmpty()) {
        if (!pdf) {
            std::fprintf(stderr, "drel-cli search: --pdf schreibt nur drel-cli-voll\n");
            return 1;
        }
        if (!pdf(m, o.series, o.pdf))
            return 1;
    }
    if (const QString grund = m.leerGrund(); !grund.isEmpty())
        std::fprintf(stderr, "drel-cli search: %s\n", qPrintable(grund));
    return 0;
}

} // namespace drel::cli
