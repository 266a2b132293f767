// drel-cli rate: one article at one operating point, as the data sheet rates it.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "fluid/stoff.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

struct RateOptions {
    QString artikel;
    QString kaeltemittel;
    std::optional<double> t0, tc, air;
    double ts = 20.0;
    double dtu = 0.0;
    double superheat = 5.0;
    double hz = 50.0;
    double n = 1450.0;
    QString units; // units.dat to display in; empty = kW and °C
    QString reflibs;
};

int usage() {
    std::fprintf(
        stderr,
        "usage: drel-cli rate --article <designation or ID> --refrigerant <name>\n"
        "                     --t0 <degC> (--tc <degC> | --air <degC>) [--ts 20] [--dtu 0]\n"
        "                     [--superheat 5] [--hz 50] [--n 1450] [--units [FILE]]\n"
        "                     [--reflibs DIR] [--dir DIR]\n");
    return 2;
}

bool number(const QString& text, double& value) {
    return parseFloat(text, NumberSeparators::english(), value) ||
           parseFloat(text, numberSeparators(), value);
}

std::optional<RateOptions> parse(QStringList args) {
    RateOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue =
            i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1String("--"));
        auto take = [&](double& target) {
            double v = 0.0;
            if (i + 1 >= args.size() || !number(args.at(i + 1), v))
                return false;
            target = v;
            ++i;
            return true;
        };
        auto takeOpt = [&](std::optional<double>& target) {
            double v = 0.0;
            if (!take(v))
                return false;
            target = v;
            return true;
        };
        bool ok = true;
        if (a == QLatin1String("--article") && i + 1 < args.size())
            o.artikel = args.at(++i);
        else if (a == QLatin1String("--refrigerant") && i + 1 < args.size())
            o.kaeltemittel = args.at(++i);
        else if (a == QLatin1String("--reflibs") && i + 1 < args.size())
            o.reflibs = args.at(++i);
        else if (a == QLatin1String("--units"))
            o.units = hasValue ? args.at(++i) : QStringLiteral("-");
        else if (a == QLatin1String("--t0"))
            ok = takeOpt(o.t0);
        else if (a == QLatin1String("--tc"))
            ok = takeOpt(o.tc);
        else if (a == QLatin1String("--air"))
            ok = takeOpt(o.air);
        else if (a == QLatin1String("--ts"))
            ok = take(o.ts);
        else if (a == QLatin1String("--dtu"))
            ok = take(o.dtu);
        else if (a == QLatin1String("--superheat"))
            ok = take(o.superheat);
        else if (a == QLatin1String("--hz"))
            ok = take(o.hz);
        else if (a == QLatin1String("--n"))
            ok = take(o.n);
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "drel-cli rate: bad argument '%s'\n", qPrintable(a));
            return std::nullopt;
        }
    }
    if (o.artikel.isEmpty() || o.kaeltemittel.isEmpty() || !o.t0 || (!o.tc && !o.air))
        return std::nullopt;
    return o;
}

// Finds the article by ID or designation; "QNX4/..." also finds "QN4/...".
bool findeArtikel(db::TDataModule1& dm, const QString& text) {
    bool isId = false;
    const int id = text.toInt(&isId);
    if (isId)
        return dm.TBArtikel.findKey({db::Value(qint32(id))});
    if (dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(text)}, true))
        return true;
    QString ohneX = text;
    const qsizetype x = ohneX.indexOf(QLatin1Char('X'), 1, Qt::CaseInsensitive);
    if (x < 0)
        return false;
    ohneX.remove(x, 1);
    return dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(ohneX)}, true);
}

// The base article whose capacity data the article is rated with, 0 for its own.
qint32 datenArtikel(db::Cursor& artikel) {
    const QString basis = artikel.asString(u"Basisartikel").trimmed();
    if (basis.isEmpty() || basis == QLatin1String("0") || !artikel.asBool(u"UseBaseArticleWukData"))
        return 0;
    return basis.toInt();
}

// The entry of a condenser for a refrigerant (by its ID), read from the table itself:
// the cursors follow the base compressor while it is rated.
std::optional<db::LukoEintrag> kondensator(const QString& programDir, qint32 kondensatorId,
                                           qint32 kaeltemittelId, const QString& ashrae) {
    db::Cursor k(QStringLiteral("Kondensatoren"));
    k.setFileName(findeDatei(pfad(programDir, QStringLiteral("Daten")),
                             QStringLiteral("AirCooledCondenserRefrigerant.cds")));
    k.open();
    if (!k.locate(QStringLiteral("LuftkondensatorID;KaeltemittelID"),
                  {db::Value(kondensatorId), db::Value(kaeltemittelId)}))
        return std::nullopt;
    db::LukoEintrag e;
    e.LuftkondensatorID = kondensatorId;
    e.Kaeltemittel = ashrae.left(6);
    for (int j = 1; j <= 4; ++j)
        e.KondensLeistung[static_cast<size_t>(j)] =
            k.asFloat(QStringLiteral("KondensLeistung%1").arg(j));
    return e;
}

QString unitsFile(const QString& option) {
    if (option != QLatin1String("-"))
        return option;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return pfad(pfad(docs, QStringLiteral("DrelWUK")), QStringLiteral("units.dat"));
}

QString wert(double v, const char* pattern = "0.000") {
    return std::isfinite(v)
               ? formatFloat(QString::fromLatin1(pattern), v, NumberSeparators::english())
               : QStringLiteral("-");
}

void zeile(const char* name, const QString& value, const QString& unit) {
    std::printf("%-8s %12s %s\n", name, qPrintable(value), qPrintable(unit));
}

} // namespace

int cmdRate(const QStringList& arguments) {
    QStringList args = arguments;
    const QString dir = programDirectory(args);
    const std::optional<RateOptions> parsed = parse(args);
    if (!parsed)
        return usage();
    const RateOptions& o = *parsed;
    StderrSink sink;
    ScopedMessageSink guard(&sink);
    MessageScope operation;

    db::TDataModule1 dm(dir);
    requireTables(dm);
    if (!findeArtikel(dm, o.artikel)) {
        std::fprintf(stderr, "drel-cli rate: no article '%s'\n", qPrintable(o.artikel));
        return 1;
    }
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    // A condensing unit keeps its own condenser while its base compressor is rated.
    const qint32 kondensatorId =
        dm.TBLukoArtikel.isEmpty() ? 0 : dm.TBLukoArtikel.asInteger(u"LuftkondensatorID");
    const qint32 basis = datenArtikel(dm.TBArtikel);
    const qint32 id = basis != 0 ? basis : dm.TBArtikel.asInteger(u"ID");
    db::KaeltemittelPositionieren(dm, o.kaeltemittel, id);
    if (dm.TBLeistung.eof() || dm.TBLeistung.isEmpty()) {
        std::fprintf(stderr, "drel-cli rate: %s has no capacity data for %s\n", qPrintable(name),
                     qPrintable(o.kaeltemittel));
        return 1;
    }
    calc::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, dir));

    calc::BetriebspunktEingabe e;
    e.t0 = *o.t0;
    e.n = o.n;
    e.f = o.hz;
    e.ts = o.ts;
    e.dtu = o.dtu;
    e.dtue = o.superheat;
    e.netz60Hz = o.hz == 60.0;
    std::optional<calc::LukoErgebnis> luko;
    if (o.air) {
        const auto kond =
            kondensator(dir, kondensatorId, dm.TBLeistung.asInteger(u"KaeltemittelID"),
                        dm.TBKMittelS.asString(u"Ashrae"));
        if (!kond) {
            std::fprintf(stderr, "drel-cli rate: the article has no condenser for %s\n",
                         qPrintable(o.kaeltemittel));
            return 1;
        }
        luko = calc::LukoBilanz(dm, *kond, o.hz, *o.air, e.t0, e.netz60Hz);
        e.tc = luko->tc;
        e.n = 1450.0;
    } else {
        e.tc = *o.tc;
    }
    const bool zweistufig = db::BaureihenArt(dm.TBArtikel) == 6;
    const calc::Bewertung r = zweistufig ? calc::ZweistufigRechnen(dm, stoff, e)
                                         : calc::BetriebspunktRechnen(dm, stoff, e);
    const int code = calc::EinsatzgrenzenTest(dm, e.ts, e.tc, e.t0);
    const calc::GrenzBereich& g = calc::grenzBereich();

    calc::Einheiten einheiten;
    if (!o.units.isEmpty())
        einheiten.laden(unitsFile(o.units));
    einheiten.standardFuerLeereGruppen();
    using calc::EinheitGruppe;
    const QString q = einheiten.text(EinheitGruppe::Leistung);
    const QString p = einheiten.text(EinheitGruppe::Antrieb);
    const QString t = einheiten.text(EinheitGruppe::Temperatur).left(2);

    std::printf("%s  %s  t0 %s %s  tc %s %s%s\n", qPrintable(name),
                qPrintable(dm.TBKMittelS.asString(u"Ashrae")),
                qPrintable(wert(einheiten.TempAnzeige(e.t0), "0.##")), qPrintable(t),
                qPrintable(wert(einheiten.TempAnzeige(e.tc), "0.##")), qPrintable(t),
                luko ? " (balance with the condenser)" : "");
    zeile("Qo", wert(einheiten.LeistungAnzeige(r.Qo)), q);
    zeile("P", wert(einheiten.AntriebAnzeige(r.P)), p);
    zeile("I", wert(r.I, "0.00"), QStringLiteral("A"));
    zeile("mR", wert(r.mR, "0.00000"), QStringLiteral("kg/s"));
    zeile("m", wert(r.m, "0.00000"), QStringLiteral("kg/s"));
    zeile("QoV", wert(einheiten.LeistungAnzeige(r.QoV)), q);
    zeile("QoE", wert(einheiten.LeistungAnzeige(r.QoE)), q);
    zeile("COP", wert(r.P != 0.0 ? r.QoV / r.P : NAN, "0.00"), QString());
    zeile("limits", QString::number(code), QStringLiteral("(0 = inside)"));
    std::printf("range    t0 %s .. %s %s, tc %s .. %s %s\n",
                qPrintable(wert(einheiten.TempAnzeige(g.GrenzT0Min), "0.##")),
                qPrintable(wert(einheiten.TempAnzeige(g.GrenzT0Max), "0.##")), qPrintable(t),
                qPrintable(wert(einheiten.TempAnzeige(g.GrenzTcMin), "0.##")),
                qPrintable(wert(einheiten.TempAnzeige(g.GrenzTcMax), "0.##")), qPrintable(t));
    return r.berechenbar() ? 0 : 1;
}

} // namespace drel::cli
