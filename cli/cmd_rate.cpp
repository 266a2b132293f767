// drel-cli rate: one article at one operating point, as the data sheet rates it.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/artikelrechnung.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "cli/argumente.h"
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
    Betriebspunkt punkt;               // the entries, at the program's start values
    bool mitT0 = false, mitTc = false; // --t0 and --tc given
    bool mitLuft = false;              // --air given: a condensing unit
    QString units;                     // units.dat to display in; empty = kW and °C
    QString reflibs;
};

const QString kBefehl = QStringLiteral("rate");

// The numeric options: where the value goes and the range a command line may give.
// The data sheet clamps t0, tc, the speed and the frequency further, with a note;
// these bounds only keep out what no sheet entry could mean.
struct ZahlOption {
    const char* name;
    double Betriebspunkt::*feld;
    double min, max;
    const char* einheit;
};

const ZahlOption kZahlOptionen[] = {
    {"--t0", &Betriebspunkt::t0, -273.0, 100.0, "degC"},
    {"--tc", &Betriebspunkt::tc, -100.0, 120.0, "degC"},
    {"--air", &Betriebspunkt::tle, -100.0, 120.0, "degC"},
    {"--ts", &Betriebspunkt::tsaug, -273.0, 120.0, "degC"},
    {"--dtu", &Betriebspunkt::tu, 0.0, 50.0, "K"},
    {"--superheat", &Betriebspunkt::tue, 0.0, 100.0, "K"},
    {"--hz", &Betriebspunkt::f, 1.0, 100.0, "Hz"},
    {"--n", &Betriebspunkt::n, 1.0, 10000.0, "1/min"},
};

std::optional<RateOptions> parse(QStringList args) {
    RateOptions o;
    auto fehler = [](const QString& meldung) {
        nutzungsfehler(kBefehl, meldung);
        return std::nullopt;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool mitWert = i + 1 < args.size();
        if (a == QLatin1String("--units"))
            return fehler(QStringLiteral("--units gibt es bei rate nicht mehr (bei search heisst "
                                         "es Aggregate); die Einheitendatei heisst --unit-file "
                                         "DATEI"));
        if (a == QLatin1String("--unit-file")) {
            const bool datei = mitWert && !args.at(i + 1).startsWith(QLatin1String("--"));
            o.units = datei ? args.at(++i) : QStringLiteral("-");
            continue;
        }
        const ZahlOption* zahl = nullptr;
        for (const ZahlOption& z : kZahlOptionen)
            if (a == QLatin1String(z.name))
                zahl = &z;
        if (!mitWert)
            return fehler(QStringLiteral("%1 ohne Wert").arg(a));
        const QString wert = args.at(++i);
        if (a == QLatin1String("--article"))
            o.artikel = wert;
        else if (a == QLatin1String("--refrigerant"))
            o.punkt.kaeltemittel = wert;
        else if (a == QLatin1String("--reflibs"))
            o.reflibs = wert;
        else if (!zahl)
            return fehler(QStringLiteral("unbekanntes Argument '%1'").arg(a));
        else {
            const std::optional<double> v = zahlLesen(wert);
            if (!v)
                return fehler(QStringLiteral("%1: keine Zahl: '%2'").arg(a, wert));
            const QString bereich =
                bereichPruefen(a, *v, zahl->min, zahl->max, QString::fromLatin1(zahl->einheit));
            if (!bereich.isEmpty())
                return fehler(bereich);
            o.punkt.*(zahl->feld) = *v;
            o.mitT0 = o.mitT0 || a == QLatin1String("--t0");
            o.mitTc = o.mitTc || a == QLatin1String("--tc");
            o.mitLuft = o.mitLuft || a == QLatin1String("--air");
        }
    }
    if (o.artikel.isEmpty() || o.punkt.kaeltemittel.isEmpty() || !o.mitT0 ||
        (!o.mitTc && !o.mitLuft))
        return fehler(QStringLiteral("--article, --refrigerant, --t0 und --tc oder --air "
                                     "sind noetig"));
    if (const QString s = calc::sauggasPruefen(o.punkt); !s.isEmpty())
        return fehler(s);
    return o;
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
    const struct {
        bool geklemmt;
        const char* name;
        double eingabe, verwendet;
        QString einheit;
    } klemmen[] = {
        {a.geklemmt.t0, "t0", anzeige(ein.t0), anzeige(bp.t0), t},
        {a.geklemmt.tc && !a.SatzModus, "tc", anzeige(ein.tc), anzeige(bp.tc), t},
        {a.geklemmt.tsaug, "ts", anzeige(ein.tsaug), anzeige(bp.tsaug), t},
        {a.geklemmt.tu, "dtu", diff(ein.tu), diff(bp.tu), k},
        {a.geklemmt.tue, "superheat", diff(ein.tue), diff(bp.tue), k},
        {a.geklemmt.tle, "air", anzeige(ein.tle), anzeige(bp.tle), t},
        {frequenzVorher != bp.f, "f", frequenzVorher, bp.f, QStringLiteral("Hz")},
        {a.geklemmt.n, "n", a.nVorher, bp.n, QStringLiteral("1/min")},
    };
    for (const auto& klemme : klemmen)
        if (klemme.geklemmt)
            std::printf("clamped  %s %s -> %s %s\n", klemme.name,
                        qPrintable(wert(klemme.eingabe, "0.##")),
                        qPrintable(wert(klemme.verwendet, "0.##")), qPrintable(klemme.einheit));
    for (const QString& text : a.hinweise.texte())
        std::printf("note     %s\n", qPrintable(text));
}

} // namespace

int cmdRate(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, kBefehl);
    if (!programm)
        return 2;
    const QString& dir = *programm;
    const std::optional<RateOptions> parsed = parse(args);
    if (!parsed)
        return 2;
    const RateOptions& o = *parsed;
    StderrSink sink;
    ScopedMessageSink guard(&sink);
    MessageScope operation;

    db::TDataModule1 dm(dir);
    requireTables(dm);
    if (!findeArtikel(dm, o.artikel)) {
        std::fprintf(stderr, "drel-cli rate: kein Artikel '%s'\n", qPrintable(o.artikel));
        return 1;
    }
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    // A condensing unit keeps its own condenser while its base compressor is rated.
    const qint32 kondensatorId =
        dm.TBLukoArtikel.isEmpty() ? 0 : dm.TBLukoArtikel.asInteger(u"LuftkondensatorID");
    const qint32 artikelId = dm.TBArtikel.asInteger(u"ID");
    const qint32 basis = db::datenArtikelId(dm.TBArtikel);
    const qint32 id = basis != 0 ? basis : artikelId;
    db::KaeltemittelPositionieren(dm, o.punkt.kaeltemittel, id);
    if (dm.TBLeistung.eof() || dm.TBLeistung.isEmpty()) {
        std::fprintf(stderr, "drel-cli rate: %s hat keine Leistungsdaten fuer %s\n",
                     qPrintable(name), qPrintable(o.punkt.kaeltemittel));
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
    e.punkt = o.punkt;
    e.punkt.f = calc::HertzPruefen(name, o.punkt.f);
    e.Panel9 = calc::zweiVerdichter(name);
    e.f2 = e.punkt.f;
    std::optional<db::LukoEintrag> kond;
    if (o.mitLuft) {
        kond = kondensator(dir, kondensatorId, dm.TBLeistung.asInteger(u"KaeltemittelID"),
                           dm.TBKMittelS.asString(u"Ashrae"));
        if (!kond) {
            std::fprintf(stderr, "drel-cli rate: der Artikel hat keinen Verflussiger fuer %s\n",
                         qPrintable(o.punkt.kaeltemittel));
            return 1;
        }
        e.kondensator = &*kond;
    }
    const calc::ArtikelErgebnis a = calc::NeuRechnen(dm, stoff, e, NumberSeparators::english());
    if (o.mitLuft && !a.SatzModus) {
        std::fprintf(stderr, "drel-cli rate: %s ist kein Verflussigungssatz; --tc angeben\n",
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
    zusatzZeilen(a, e, o.punkt.f, einheiten);
    return r.berechenbar() ? 0 : 1;
}

} // namespace drel::cli
