// drel-cli coefficients: the EN 12900 coefficients of an article's capacity records
// with the conditions they hold for and the three limit polygons, as text, CSV or JSON.
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "db/recordhelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

const QString kBefehl = QStringLiteral("coefficients");

enum class Form { Text, Csv, Json };

struct Optionen {
    BlattOptionen blatt;
    Form form = Form::Text;
};

std::optional<Optionen> parse(const QStringList& args) {
    Optionen o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--csv" || args.at(i) == u"--json") {
            o.form = args.at(i) == u"--csv" ? Form::Csv : Form::Json;
            continue;
        }
        const OptionGelesen g = blattOptionLesen(kBefehl, args, i, o.blatt, false);
        if (g == OptionGelesen::Fremd)
            nutzungsfehler(kBefehl, QStringLiteral("unbekanntes Argument '%1'").arg(args.at(i)));
        if (g != OptionGelesen::Ja)
            return std::nullopt;
    }
    // Without --refrigerant every capacity record (the point's start value is no choice).
    if (!args.contains(QStringLiteral("--refrigerant")))
        o.blatt.punkt.kaeltemittel.clear();
    if (o.blatt.artikel.isEmpty()) {
        nutzungsfehler(kBefehl, QStringLiteral("--article ist noetig"));
        return std::nullopt;
    }
    return o;
}

// One capacity record: its refrigerant, rating basis, coefficients and polygons.
struct Satz {
    sheet::Herkunft herkunft;
    db::KoeffSatz koeff;
    bool motor = false;
    GrenzPolygon polygone[3];
};

QString zahl(long double v) {
    return QString::number(static_cast<double>(v), 'g', 15);
}

// A polygon point as stored (32 bits): the shortest decimal that reads back to it.
QString punktZahl(float v) {
    return QString::number(v, 'g', 7);
}

QJsonArray reihe(const long double* von, int anzahl) {
    QJsonArray a;
    for (int k = 0; k < anzahl; ++k)
        a.append(static_cast<double>(von[k]));
    return a;
}

QJsonArray polygonJson(const GrenzPolygon& p) {
    QJsonArray a;
    for (int i = 0; i < p.Anzahl && i < static_cast<int>(p.punkte.size()); ++i)
        a.append(
            QJsonArray{punktZahl(p.punkte[i].to).toDouble(), punktZahl(p.punkte[i].tc).toDouble()});
    return a;
}

const char* const kPolygonNamen[] = {"blue", "dashed", "red"};

QJsonObject bedingungen(const sheet::Herkunft& h) {
    return {{"suctionGas", h.sauggasTemperatur ? "temperature" : "superheat"},
            {"suctionGasValue", h.sauggasWert},
            {"suctionGasUnit", h.sauggasTemperatur ? "degC" : "K"},
            {"subcooling", h.unterkuehlung},
            {"drive", h.mitMotor ? "50 Hz" : "1450 1/min"},
            {"standard", h.norm},
            {"terms", "C1 + C2 t0 + C3 tc + C4 t0^2 + C5 t0 tc + C6 tc^2 + C7 t0^3 + C8 t0^2 tc "
                      "+ C9 t0 tc^2 + C10 tc^3 (degC; Qo and P in kW)"}};
}

void alsJson(const QString& name, qint32 id, const QList<Satz>& saetze) {
    QJsonArray liste;
    for (const Satz& s : saetze) {
        QJsonObject huelle{{"unit", "degC"}, {"axes", "t0, tc"}};
        for (int n = 0; n < 3; ++n)
            huelle[QLatin1String(kPolygonNamen[n])] = polygonJson(s.polygone[n]);
        QJsonObject koeff{{"Qo", reihe(&s.koeff.Qo[1], 10)}, {"P", reihe(&s.koeff.P[1], 10)}};
        if (s.motor)
            koeff["I"] = reihe(&s.koeff.I[1], 4);
        liste.append(QJsonObject{{"refrigerant", s.herkunft.stoff},
                                 {"ratingConditions", bedingungen(s.herkunft)},
                                 {"coefficients", koeff},
                                 {"envelope", huelle}});
    }
    const QJsonObject o{{"format", "drel-coefficients"},
                        {"formatVersion", 1},
                        {"article", QJsonObject{{"id", id}, {"type", name}}},
                        {"records", liste}};
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
}

void alsCsv(const QString& name, const QList<Satz>& saetze) {
    // Comma-separated with a decimal point: the coefficients keep all their digits.
    std::printf("article,refrigerant,suction_gas,suction_gas_value,subcooling_K,drive,standard,"
                "row,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n");
    for (const Satz& s : saetze) {
        const sheet::Herkunft& h = s.herkunft;
        const QString kopf =
            QStringLiteral("\"%1\",\"%2\",%3,%4,%5,%6,\"%7\"")
                .arg(name, h.stoff,
                     h.sauggasTemperatur ? QStringLiteral("temperature_degC")
                                         : QStringLiteral("superheat_K"),
                     zahl(h.sauggasWert), zahl(h.unterkuehlung),
                     h.mitMotor ? QStringLiteral("50 Hz") : QStringLiteral("1450 1/min"), h.norm);
        const auto zeile = [&](const char* was, const QStringList& werte) {
            std::printf("%s,%s,%s\n", qPrintable(kopf), was, qPrintable(werte.join(',')));
        };
        QStringList qo, p, strom;
        for (int k = 1; k <= 10; ++k)
            qo << zahl(s.koeff.Qo[k]), p << zahl(s.koeff.P[k]);
        zeile("Qo", qo);
        zeile("P", p);
        if (s.motor) {
            for (int k = 1; k <= 4; ++k)
                strom << zahl(s.koeff.I[k]);
            zeile("I", strom);
        }
        for (int n = 0; n < 3; ++n) {
            QStringList punkte;
            const GrenzPolygon& g = s.polygone[n];
            for (int i = 0; i < g.Anzahl && i < static_cast<int>(g.punkte.size()); ++i)
                punkte << punktZahl(g.punkte[i].to) << punktZahl(g.punkte[i].tc);
            zeile(QByteArray("envelope_").append(kPolygonNamen[n]).constData(), punkte);
        }
    }
}

void alsText(const QString& name, qint32 id, const QList<Satz>& saetze) {
    std::printf("%s  (ID %d)\n", qPrintable(name), id);
    for (const Satz& s : saetze) {
        std::printf("\n%s\n", qPrintable(s.herkunft.stoff));
        std::printf("  %s\n", qPrintable(s.herkunft.bemessungText()));
        const auto reiheText = [](const long double* von, int anzahl) {
            QStringList t;
            for (int k = 0; k < anzahl; ++k)
                t << zahl(von[k]);
            return t.join(QStringLiteral("  "));
        };
        std::printf("  Qo [kW]  %s\n", qPrintable(reiheText(&s.koeff.Qo[1], 10)));
        std::printf("  P  [kW]  %s\n", qPrintable(reiheText(&s.koeff.P[1], 10)));
        if (s.motor)
            std::printf("  I  [A]   %s  (of P in kW)\n", qPrintable(reiheText(&s.koeff.I[1], 4)));
        for (int n = 0; n < 3; ++n) {
            QStringList punkte;
            const GrenzPolygon& g = s.polygone[n];
            for (int i = 0; i < g.Anzahl && i < static_cast<int>(g.punkte.size()); ++i)
                punkte << QStringLiteral("(%1 %2)").arg(punktZahl(g.punkte[i].to),
                                                        punktZahl(g.punkte[i].tc));
            std::printf("  %-6s t0 tc [degC]  %s\n", kPolygonNamen[n],
                        qPrintable(punkte.join(' ')));
        }
    }
}

} // namespace

int cmdCoefficients(const QStringList& arguments) {
    const auto anfang =
        befehlsAnfang<Optionen>(arguments, kBefehl, [](const QStringList& a) { return parse(a); });
    if (!anfang)
        return 2;
    const QString& programmDir = anfang->first;
    const Optionen& o = anfang->second;
    Befehlsmeldungen meldungen;
    db::TDataModule1 dm(programmDir);
    requireTables(dm);
    if (!sheet::artikelAuftrag(dm, o.blatt.artikel, Betriebspunkt{}, false)) {
        std::fprintf(stderr, "drel-cli coefficients: kein Artikel '%s'\n",
                     qPrintable(o.blatt.artikel));
        return 1;
    }
    fluid::TStoff stoff;
    stoff.Create(reflibsDirectory(o.blatt.reflibs, programmDir));
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    const qint32 id = dm.TBArtikel.asInteger(u"ID");
    QList<Satz> saetze;
    for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next()) {
        const QString km = dm.TBKMittelS.asString(u"Ashrae");
        if (!o.blatt.punkt.kaeltemittel.isEmpty() &&
            !gleichesKaeltemittel(km, o.blatt.punkt.kaeltemittel))
            continue;
        Satz s;
        s.herkunft = sheet::herkunftLesen(dm, stoff);
        s.motor = !dm.TBMotorArtikel.isEmpty() && !dm.TBMotoren.isEmpty();
        db::KoeffizientenLesen(dm.TBLeistung, dm.TBMotoren, s.koeff);
        for (int n = 0; n < 3; ++n)
            db::GrenzenLesen(dm.TBLeistung, n + 1, s.polygone[n]);
        saetze << s;
    }
    if (saetze.isEmpty()) {
        std::fprintf(stderr, "drel-cli coefficients: %s hat keine Leistungsdaten%s%s\n",
                     qPrintable(name), o.blatt.punkt.kaeltemittel.isEmpty() ? "" : " fuer ",
                     qPrintable(o.blatt.punkt.kaeltemittel));
        return 1;
    }
    switch (o.form) {
    case Form::Json:
        alsJson(name, id, saetze);
        break;
    case Form::Csv:
        alsCsv(name, saetze);
        break;
    case Form::Text:
        alsText(name, id, saetze);
        herkunftZeilen(saetze.first().herkunft);
        break;
    }
    return 0;
}

} // namespace drel::cli
