// drel-cli table: the performance table of the data sheet for one article.
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/artikelrechnung.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "cli/argumente.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/tabellenexport.h"

#include <cstdio>
#include <optional>

namespace drel::cli {
namespace {

struct Bereich {
    double von = 0, bis = 0, schritt = 0;
};

struct TableOptions {
    QString artikel;
    QString kaeltemittel;
    std::optional<Bereich> t0, tc, luft;
    double tsaug = 20.0, tu = 0.0, tue = 5.0, hz = 50.0, n = 1450.0;
    bool csv = false;
    QString reflibs;
};

int usage() {
    befehlsHilfe(QStringLiteral("table"), stderr);
    return 2;
}

// Numbers as every command reads them (decimal point or comma, Unicode minus).
bool zahl(const QString& text, double& v) {
    const std::optional<double> gelesen = zahlLesen(text);
    if (gelesen)
        v = *gelesen;
    return gelesen.has_value();
}

std::optional<Bereich> bereich(const QString& text) {
    const QStringList teile = text.split(QLatin1Char(':'));
    Bereich b;
    if (teile.size() != 3 || !zahl(teile[0], b.von) || !zahl(teile[1], b.bis) ||
        !zahl(teile[2], b.schritt) || !(b.schritt > 0.0))
        return std::nullopt;
    return b;
}

std::optional<TableOptions> parse(const QStringList& args) {
    TableOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool mitWert = i + 1 < args.size();
        bool ok = true;
        if (a == u"--csv") {
            o.csv = true;
        } else if (!mitWert) {
            ok = false;
        } else if (a == u"--article") {
            o.artikel = args.at(++i);
        } else if (a == u"--refrigerant") {
            o.kaeltemittel = args.at(++i);
        } else if (a == u"--reflibs") {
            o.reflibs = args.at(++i);
        } else if (a == u"--t0" || a == u"--tc" || a == u"--air") {
            std::optional<Bereich>& ziel = a == u"--t0" ? o.t0 : a == u"--tc" ? o.tc : o.luft;
            ziel = bereich(args.at(++i));
            ok = ziel.has_value();
        } else {
            double* ziel = a == u"--ts"          ? &o.tsaug
                           : a == u"--dtu"       ? &o.tu
                           : a == u"--superheat" ? &o.tue
                           : a == u"--hz"        ? &o.hz
                           : a == u"--n"         ? &o.n
                                                 : nullptr;
            ok = ziel && zahl(args.at(++i), *ziel);
        }
        if (!ok) {
            std::fprintf(stderr, "drel-cli table: unbekanntes oder falsches Argument '%s'\n",
                         qPrintable(a));
            return std::nullopt;
        }
    }
    if (o.artikel.isEmpty() || o.kaeltemittel.isEmpty() || !o.t0 || (!o.tc == !o.luft))
        return std::nullopt;
    return o;
}

// The unit's own condenser for the refrigerant, read from the tables themselves: the
// cursors follow the base compressor while it is rated.
std::optional<db::LukoEintrag> kondensator(db::TDataModule1& dm, qint32 kondensatorId,
                                           const QString& ashrae) {
    db::Cursor alle(QStringLiteral("Kondensatoren"));
    alle.setFileName(dm.TBLukoLeistung.fileName());
    alle.open();
    db::Cursor km(QStringLiteral("Kaeltemittel"));
    km.setFileName(dm.TBKMittelS.fileName());
    km.open();
    if (!km.locate(QStringLiteral("Ashrae"), {db::Value(ashrae)}, true) ||
        !alle.locate(QStringLiteral("LuftkondensatorID;KaeltemittelID"),
                     {db::Value(kondensatorId), db::Value(km.asInteger(u"ID"))}))
        return std::nullopt;
    db::LukoEintrag e;
    e.LuftkondensatorID = kondensatorId;
    e.Kaeltemittel = ashrae.left(6);
    for (int j = 1; j <= 4; ++j)
        e.KondensLeistung[static_cast<size_t>(j)] =
            alle.asFloat(QStringLiteral("KondensLeistung%1").arg(j));
    return e;
}

} // namespace

int cmdTable(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        befehlsHilfe(QStringLiteral("table"), stdout);
        return 0;
    }
    const std::optional<QString> programm = programDirectory(args, QStringLiteral("table"));
    if (!programm)
        return 2;
    const QString dir = *programm;
    const std::optional<TableOptions> parsed = parse(args);
    if (!parsed)
        return usage();
    const TableOptions& o = *parsed;
    StderrSink sink;
    ScopedMessageSink guard(&sink);
    MessageScope operation;

    db::TDataModule1 dm(dir);
    requireTables(dm);
    if (!findeArtikel(dm, o.artikel)) {
        std::fprintf(stderr, "drel-cli table: kein Artikel '%s'\n", qPrintable(o.artikel));
        return 1;
    }
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    const qint32 kondensatorId =
        dm.TBLukoArtikel.isEmpty() ? 0 : dm.TBLukoArtikel.asInteger(u"LuftkondensatorID");
    const qint32 artikelId = dm.TBArtikel.asInteger(u"ID");
    const qint32 basis = db::datenArtikelId(dm.TBArtikel);
    const QString ashrae =
        o.kaeltemittel.contains(QLatin1String("R404A")) ? QStringLiteral("R404A") : o.kaeltemittel;
    db::KaeltemittelPositionieren(dm, ashrae, basis != 0 ? basis : artikelId);
    if (dm.TBLeistung.eof() || dm.TBLeistung.isEmpty()) {
        std::fprintf(stderr, "drel-cli table: %s hat keine Leistungsdaten fuer %s\n",
                     qPrintable(name), qPrintable(o.kaeltemittel));
        return 1;
    }
    std::optional<db::LukoEintrag> kond;
    if (o.luft) {
        kond = kondensator(dm, kondensatorId, ashrae);
        if (!kond) {
            std::fprintf(stderr, "drel-cli table: der Artikel hat keinen Verflussiger fuer %s\n",
                         qPrintable(o.kaeltemittel));
            return 1;
        }
    }
    calc::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, dir));
    calc::Einheiten einheiten;
    einheiten.standardFuerLeereGruppen();

    sheet::TabBereiche b;
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

    sheet::TabellenEingabe e;
    e.AktArtikelID = artikelId;
    e.DatenArtikelID = basis;
    e.typ = name;
    e.kaeltemittel = ashrae;
    e.ediHz = calc::HertzPruefen(name, o.hz);
    e.ediHZ2 = e.ediHz;
    e.ediN = o.n;
    e.ediNSichtbar = dm.TBMotorArtikel.isEmpty();
    e.tsaug = o.tsaug;
    e.tu = o.tu;
    e.tue = o.tue;
    e.zweiVerdichter = calc::zweiVerdichter(name);
    e.LukoModus = o.luft.has_value();
    e.kondensator = kond ? &*kond : nullptr;

    chart::GrenzChart chart;
    sheet::LeistungsTabelle tabelle;
    tabelle.Button1Click(dm, stoff, einheiten, chart, b, e);
    if (o.csv) {
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
