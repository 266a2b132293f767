// drel-cli rate: one article at one operating point, as the data sheet rates it.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/artikelrechnung.h"
#include "calc/einheiten.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"

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

// A clamped input: the entry and the value used.
void geklemmtZeile(const char* name, double vorher, double nachher, const QString& einheit) {
    std::printf("clamped  %s %s -> %s %s\n", name, qPrintable(wert(vorher, "0.##")),
                qPrintable(wert(nachher, "0.##")), qPrintable(einheit));
}

// What the rating adds beyond the values of one compressor: the second compressor of
// a duplex type, torque, intermediate cooler, the inputs it clamped and its notes.
void zusatzZeilen(const calc::ArtikelErgebnis& a, const calc::ArtikelEingabe& e,
                  double frequenzVorher, const calc::Einheiten& einheiten) {
    using calc::EinheitGruppe;
    const QString q = einheiten.text(EinheitGruppe::Leistung);
    const QString t = einheiten.text(EinheitGruppe::Temperatur).left(2);
    const QString k =
        einheiten.index(EinheitGruppe::Temperatur) == 1 ? QStringLiteral("R") : QStringLiteral("K");
    const Betriebspunkt& bp = a.punkt;
    if (e.Panel9) {
        std::printf("second compressor at %s Hz\n", qPrintable(wert(a.f2, "0.##")));
        zeile("P2", wert(einheiten.AntriebAnzeige(a.P2)), einheiten.text(EinheitGruppe::Antrieb));
        zeile("I2", wert(a.I2, "0.00"), QStringLiteral("A"));
        zeile("QoV2", wert(einheiten.LeistungAnzeige(a.verdichter2.QoV)), q);
        zeile("QoE2", wert(einheiten.LeistungAnzeige(a.verdichter2.QoE)), q);
        zeile("m both", wert(a.m, "0.00000"), QStringLiteral("kg/s"));
        zeile("I both", wert(a.IGesamt, "0.00"), QStringLiteral("A"));
    }
    if (!a.mitMotor)
        zeile("n", wert(bp.n, "0.##"), QStringLiteral("1/min"));
    if (std::isfinite(a.drehmoment))
        zeile("torque", wert(a.drehmoment, "0.00"), QStringLiteral("Nm"));
    if (a.zwischenkuehler)
        zeile("tFUA", wert(einheiten.TempAnzeige(a.tFUA), "0.00"), t);
    const Betriebspunkt& ein = e.punkt;
    auto anzeige = [&](double v) { return einheiten.TempAnzeige(v); };
    auto diff = [&](double v) { return einheiten.DiffAnzeige(v); };
    if (a.geklemmt.t0)
        geklemmtZeile("t0", anzeige(ein.t0), anzeige(bp.t0), t);
    if (a.geklemmt.tc)
        geklemmtZeile("tc", anzeige(ein.tc), anzeige(bp.tc), t);
    if (a.geklemmt.tsaug)
        geklemmtZeile("ts", anzeige(ein.tsaug), anzeige(bp.tsaug), t);
    if (a.geklemmt.tu)
        geklemmtZeile("dtu", diff(ein.tu), diff(bp.tu), k);
    if (a.geklemmt.tue)
        geklemmtZeile("superheat", diff(ein.tue), diff(bp.tue), k);
    if (a.geklemmt.tle)
        geklemmtZeile("air", anzeige(ein.tle), anzeige(bp.tle), t);
    if (frequenzVorher != bp.f)
        geklemmtZeile("f", frequenzVorher, bp.f, QStringLiteral("Hz"));
    if (a.geklemmt.n)
        geklemmtZeile("n", a.nVorher, bp.n, QStringLiteral("1/min"));
    for (const QString& text : a.hinweise.texte())
        std::printf("note     %s\n", qPrintable(text));
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
    if (!findeArtikel(dm, o.artikel)) {
        std::fprintf(stderr, "drel-cli rate: no article '%s'\n", qPrintable(o.artikel));
        return 1;
    }
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    // A condensing unit keeps its own condenser while its base compressor is rated.
    const qint32 kondensatorId =
        dm.TBLukoArtikel.isEmpty() ? 0 : dm.TBLukoArtikel.asInteger(u"LuftkondensatorID");
    const qint32 artikelId = dm.TBArtikel.asInteger(u"ID");
    const qint32 basis = db::datenArtikelId(dm.TBArtikel);
    const qint32 id = basis != 0 ? basis : artikelId;
    db::KaeltemittelPositionieren(dm, o.kaeltemittel, id);
    if (dm.TBLeistung.eof() || dm.TBLeistung.isEmpty()) {
        std::fprintf(stderr, "drel-cli rate: %s has no capacity data for %s\n", qPrintable(name),
                     qPrintable(o.kaeltemittel));
        return 1;
    }
    calc::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, dir));

    // The entries as the data sheet would hold them; the frequency rules of its
    // fields apply before the rating, the other limits inside it.
    calc::ArtikelEingabe e;
    e.AktArtikelID = artikelId;
    e.DatenArtikelID = basis;
    e.typ = name;
    e.punkt.kaeltemittel = o.kaeltemittel;
    e.punkt.t0 = *o.t0;
    e.punkt.tc = o.tc.value_or(e.punkt.tc);
    e.punkt.tle = o.air.value_or(e.punkt.tle);
    e.punkt.tsaug = o.ts;
    e.punkt.tu = o.dtu;
    e.punkt.tue = o.superheat;
    e.punkt.n = o.n;
    e.punkt.f = calc::HertzPruefen(name, o.hz);
    e.Panel9 = calc::zweiVerdichter(name);
    e.f2 = e.punkt.f;
    std::optional<db::LukoEintrag> kond;
    if (o.air) {
        kond = kondensator(dir, kondensatorId, dm.TBLeistung.asInteger(u"KaeltemittelID"),
                           dm.TBKMittelS.asString(u"Ashrae"));
        if (!kond) {
            std::fprintf(stderr, "drel-cli rate: the article has no condenser for %s\n",
                         qPrintable(o.kaeltemittel));
            return 1;
        }
        e.kondensator = &*kond;
    }
    const calc::ArtikelErgebnis a = calc::NeuRechnen(dm, stoff, e, NumberSeparators::english());
    if (o.air && !a.SatzModus) {
        std::fprintf(stderr, "drel-cli rate: %s is no condensing unit; give --tc\n",
                     qPrintable(name));
        return 2;
    }
    const calc::Bewertung& r = a.verdichter1;
    const Betriebspunkt& bp = a.punkt;
    const calc::GrenzBereich& g = a.bereich;

    calc::Einheiten einheiten;
    if (!o.units.isEmpty())
        einheiten.laden(unitsFile(o.units));
    einheiten.standardFuerLeereGruppen();
    using calc::EinheitGruppe;
    const QString q = einheiten.text(EinheitGruppe::Leistung);
    const QString p = einheiten.text(EinheitGruppe::Antrieb);
    const QString t = einheiten.text(EinheitGruppe::Temperatur).left(2);
    auto temp = [&](double v) { return wert(einheiten.TempAnzeige(v), "0.##"); };

    std::printf("%s  %s  t0 %s %s  tc %s %s%s\n", qPrintable(name),
                qPrintable(dm.TBKMittelS.asString(u"Ashrae")), qPrintable(temp(bp.t0)),
                qPrintable(t), qPrintable(temp(bp.tc)), qPrintable(t),
                a.SatzModus && kond ? " (balance with the condenser)" : "");
    zeile("Qo", wert(einheiten.LeistungAnzeige(r.Qo)), q);
    zeile("P", wert(einheiten.AntriebAnzeige(r.P)), p);
    zeile("I", wert(r.I, "0.00"), QStringLiteral("A"));
    zeile("mR", wert(r.mR, "0.00000"), QStringLiteral("kg/s"));
    zeile("m", wert(r.m, "0.00000"), QStringLiteral("kg/s"));
    zeile("QoV", wert(einheiten.LeistungAnzeige(r.QoV)), q);
    zeile("QoE", wert(einheiten.LeistungAnzeige(r.QoE)), q);
    zeile("COP", wert(r.P != 0.0 ? r.QoV / r.P : NAN, "0.00"), QString());
    zeile("limits", QString::number(a.code), QStringLiteral("(0 = inside)"));
    std::printf("range    t0 %s .. %s %s, tc %s .. %s %s\n", qPrintable(temp(g.GrenzT0Min)),
                qPrintable(temp(g.GrenzT0Max)), qPrintable(t), qPrintable(temp(g.GrenzTcMin)),
                qPrintable(temp(g.GrenzTcMax)), qPrintable(t));
    zusatzZeilen(a, e, o.hz, einheiten);
    return r.berechenbar() ? 0 : 1;
}

} // namespace drel::cli
