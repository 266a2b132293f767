#include "sheet/blattjson.h"

#include "base/dateischreiben.h"
#include "calc/einheiten.h"
#include "sheet/datenblatt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdio>

namespace drel::sheet {

namespace {

// A number, or null where the sheet shows "-".
QJsonValue zahl(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

QJsonObject siWert(double v, const char* einheit) {
    return {{"value", zahl(v)}, {"unit", QString::fromLatin1(einheit)}};
}

// The shown value with its unit, decimals and flags; `si` the same quantity unrounded.
QJsonObject wertJson(const AnzeigeWert& a, const QJsonObject& si) {
    return {{"value", a.berechenbar ? zahl(a.wert) : QJsonValue(QJsonValue::Null)},
            {"unit", a.einheit},
            {"decimals", a.stellen},
            {"computable", a.berechenbar},
            {"clamped", a.geklemmt},
            {"outside", a.ausserhalb},
            {"si", si}};
}

// A polygon point as stored (32 bits): the shortest decimal that reads back to it.
double gespeichert(float v) {
    return QString::number(v, 'g', 7).toDouble();
}

double kelvin(double celsius) {
    return celsius + 273.15;
}

QJsonObject eingaben(const Datenblatt& b, const Betriebspunkt* bestellt) {
    const Betriebspunkt& p = b.modell().ergebnis().punkt;
    const bool luko = b.modell().lukoModus();
    // An input counts as clamped when the sheet rated it at another value than asked.
    const auto wert = [&](Groesse g, double Betriebspunkt::*feld) {
        AnzeigeWert a = b.wert(g);
        if (bestellt && feld && std::abs(bestellt->*feld - p.*feld) > 0.005)
            a.geklemmt = true;
        return a;
    };
    QJsonObject o;
    o["t0"] = wertJson(wert(Groesse::t0, &Betriebspunkt::t0), siWert(kelvin(p.t0), "K"));
    o["tc"] =
        wertJson(wert(Groesse::tc, luko ? nullptr : &Betriebspunkt::tc), siWert(kelvin(p.tc), "K"));
    if (luko)
        o["airInlet"] =
            wertJson(wert(Groesse::tle, &Betriebspunkt::tle), siWert(kelvin(p.tle), "K"));
    o["suctionGas"] =
        wertJson(wert(Groesse::tsaug, &Betriebspunkt::tsaug), siWert(kelvin(p.tsaug), "K"));
    o["subcooling"] = wertJson(wert(Groesse::tu, &Betriebspunkt::tu), siWert(p.tu, "K"));
    o["superheat"] = wertJson(wert(Groesse::tue, &Betriebspunkt::tue), siWert(p.tue, "K"));
    o["frequency"] =
        wertJson(wert(Groesse::f, b.modell().ergebnis().mitMotor ? &Betriebspunkt::f : nullptr),
                 siWert(p.f, "Hz"));
    o["speed"] =
        wertJson(wert(Groesse::n, b.modell().ergebnis().mitMotor ? nullptr : &Betriebspunkt::n),
                 siWert(p.n / 60.0, "1/s"));
    return o;
}

QJsonObject ausgaben(const Datenblatt& b) {
    const calc::AusgabeWerte& w = b.modell().werte();
    const auto watt = [](double kw) { return siWert(kw * 1000.0, "W"); };
    QJsonObject o;
    o["Qo"] = wertJson(b.wert(Groesse::Qo), watt(w.QoGenau));
    o["QoE"] = wertJson(b.wert(Groesse::QoE), watt(w.QoE));
    o["P"] = wertJson(b.wert(Groesse::P), watt(w.P));
    o["I"] = wertJson(b.wert(Groesse::I), siWert(b.wert(Groesse::I).wert, "A"));
    o["COP"] = wertJson(b.wert(Groesse::COP), siWert(w.cop, "1"));
    o["Qc"] = wertJson(b.wert(Groesse::Qc), watt(w.Qc));
    o["m"] = wertJson(b.wert(Groesse::m), siWert(w.m, "kg/s"));
    const TechnikModell& m = b.modell();
    if (m.spannung.sichtbar)
        o["torque"] = QJsonObject{{"text", m.spannung.text.trimmed()},
                                  {"unit", "Nm"},
                                  {"si", siWert(m.ergebnis().drehmoment, "N m")}};
    return o;
}

QJsonObject genau(const Datenblatt& b) {
    const calc::ArtikelErgebnis& a = b.modell().ergebnis();
    const calc::Bewertung& r = a.verdichter1;
    QJsonObject o{{"Qo", zahl(r.Qo)}, {"QoV", zahl(r.QoV)}, {"QoE", zahl(r.QoE)}, {"P", zahl(r.P)},
                  {"mR", zahl(r.mR)}, {"m", zahl(a.m)},     {"unit", "kW, kg/s"}};
    if (b.modell().Panel9)
        o["compressor2"] = QJsonObject{
            {"QoV", zahl(a.verdichter2.QoV)}, {"QoE", zahl(a.verdichter2.QoE)}, {"P", zahl(a.P2)}};
    return o;
}

QJsonObject grenzen(const Datenblatt& b) {
    const calc::ArtikelErgebnis& a = b.modell().ergebnis();
    const calc::GrenzBereich& g = a.bereich;
    chart::RandPolygon gemessen = chart::RandPolygon::keins;
    const double rand = b.einsatzRand(&gemessen);
    const QJsonValue polygon = gemessen == chart::RandPolygon::strich ? QJsonValue("dashed")
                               : gemessen == chart::RandPolygon::blau ? QJsonValue("blue")
                                                                      : QJsonValue();
    return {{"code", a.code},
            {"outside", b.ausserhalb()},
            {"margin", wertJson(b.wert(Groesse::Rand), siWert(rand, "K"))},
            {"marginPolygon", polygon},
            {"range", QJsonObject{{"t0Min", g.GrenzT0Min},
                                  {"t0Max", g.GrenzT0Max},
                                  {"tcMin", g.GrenzTcMin},
                                  {"tcMax", g.GrenzTcMax},
                                  {"unit", "degC"}}}};
}

QJsonArray polygonJson(const GrenzPolygon& p) {
    QJsonArray punkte;
    for (int i = 0; i < p.Anzahl && i < static_cast<int>(p.punkte.size()); ++i)
        punkte.append(QJsonArray{gespeichert(p.punkte[i].to), gespeichert(p.punkte[i].tc)});
    return punkte;
}

QJsonObject huelle(const Datenblatt& b) {
    const chart::GrenzPolygone& p = b.modell().polygone();
    return {{"unit", "degC"},
            {"axes", "t0, tc"},
            {"blue", polygonJson(p.blau)},
            {"dashed", polygonJson(p.strich)},
            {"red", polygonJson(p.rot)}};
}

QJsonObject tabelle(const Datenblatt& b) {
    const LeistungsTabelle t = b.tabelleZumDrucken();
    QJsonArray kopf;
    for (const auto& [name, wert] : t.kopf())
        kopf.append(QJsonObject{{"name", name}, {"value", wert}});
    QJsonArray zeilen;
    for (int r = 0; r < t.zeilen(); ++r) {
        QJsonArray zeile;
        for (int c = 0; c < t.spalten(); ++c) {
            const TabellenZelle& z = t.zelle(c, r);
            zeile.append(QJsonObject{
                {"text", z.text.trimmed()}, {"value", zahl(z.zahl)}, {"outside", z.ausserhalb}});
        }
        zeilen.append(zeile);
    }
    return {{"overAirInlet", t.luftEintritt()},
            {"header", kopf},
            {"columns", t.spalten()},
            {"rows", t.zeilen()},
            {"cells", zeilen}};
}

QJsonObject technisch(const Datenblatt& b) {
    QJsonArray werte;
    for (const TechnDatenZeile& z : b.technDaten().zeilen())
        werte.append(QJsonObject{{"name", z.spalte0}, {"value", z.spalte1}});
    QJsonArray fussnoten;
    for (const FussnotenMemo& f : b.technDaten().memos())
        fussnoten.append(QJsonObject{{"number", f.nummer}, {"text", f.text}});
    return {{"values", werte}, {"footnotes", fussnoten}};
}

QJsonObject herkunftJson(const Herkunft& h) {
    return {{"catalogue",
             QJsonObject{
                 {"stand", h.stand > 0.0 ? QJsonValue(h.stand) : QJsonValue()},
                 {"date", h.standDatum.isEmpty() ? QJsonValue() : QJsonValue(h.standDatum)},
                 {"buildId", h.bauKennung.isEmpty() ? QJsonValue() : QJsonValue(h.bauKennung)}}},
            {"ratingBasis",
             QJsonObject{{"suctionGas", h.sauggasTemperatur ? "temperature" : "superheat"},
                         {"suctionGasValue", zahl(h.sauggasWert)},
                         {"suctionGasUnit", h.sauggasTemperatur ? "degC" : "K"},
                         {"subcooling", h.unterkuehlung},
                         {"drive", h.mitMotor ? "50 Hz" : "1450 1/min"},
                         {"standard", h.norm}}},
            {"propertyModel",
             QJsonObject{
                 {"refrigerant", h.stoff},
                 {"model", h.stoffModell},
                 {"equation", h.stoffGleichung},
                 {"referenceState", h.stoffBezug},
                 {"safetyClass",
                  h.sicherheitsklasse.isEmpty() ? QJsonValue() : QJsonValue(h.sicherheitsklasse)},
                 {"gwpAR4", zahl(h.gwpAr4)},
                 {"gwpAR5", zahl(h.gwpAr5)},
                 {"gwpSource", h.gwpQuelle.isEmpty() ? QJsonValue() : QJsonValue(h.gwpQuelle)},
                 {"glide", h.zeotrop && std::isfinite(h.gleitT0)
                               ? QJsonValue(QJsonObject{{"t0", h.gleitT0},
                                                        {"meanT0", h.mittelT0},
                                                        {"tc", h.gleitTc},
                                                        {"meanTc", h.mittelTc}})
                               : QJsonValue()}}},
            {"program", QJsonObject{{"name", "Drel WUK"}, {"version", h.programmVersion}}}};
}

QJsonObject seprAnwendung(const SeprAnwendungsWert& w) {
    const calc::SeprErgebnis& e = w.ergebnis;
    static const char* const namen[] = {"A", "B", "C", "D"};
    QJsonArray punkte;
    for (std::size_t k = 0; k < 4; ++k) {
        const calc::SeprPunkt& p = e.punkte[k];
        punkte.append(QJsonObject{{"point", namen[k]},
                                  {"airInlet", p.luft},
                                  {"tc", zahl(w.tc[k])},
                                  {"Qo", zahl(p.Qo)},
                                  {"P", zahl(p.P)},
                                  {"COP", zahl(p.cop)},
                                  {"partLoad", zahl(p.teillast)},
                                  {"demand", zahl(p.bedarf)},
                                  {"capacityRatio", zahl(p.cr)},
                                  {"COPpartLoad", zahl(p.copTeillast)},
                                  {"outside", w.ausserhalb[k]}});
    }
    return {{"t0", calc::seprVerdampfung(e.anwendung)},
            {"applicable", w.anwendbar},
            {"SEPR", zahl(e.sepr)},
            {"annualDemand", zahl(e.jahresBedarf)},
            {"annualConsumption", zahl(e.jahresStrom)},
            {"points", punkte}};
}

QJsonValue seprJson(const Datenblatt& b) {
    const SeprBlatt& s = b.sepr();
    if (!s.gerechnet)
        return QJsonValue();
    // The hour bins go with the result, so that a reader can recompute it.
    QJsonArray bins;
    for (const calc::SeprBin& bin : calc::seprBins())
        bins.append(QJsonArray{bin.t, bin.h});
    return QJsonObject{{"method", "Regulation (EU) 2015/1095, EN 13215"},
                       {"bins", bins},
                       {"degradationCoefficient", calc::kSeprCd},
                       {"suctionGas", kSeprSauggas},
                       {"mediumTemperature", seprAnwendung(s.normal)},
                       {"lowTemperature", seprAnwendung(s.tief)}};
}

} // namespace

QJsonObject blattJson(const Datenblatt& b, const Betriebspunkt* bestellt) {
    const TechnikModell& m = b.modell();
    QJsonObject o;
    o["format"] = "drel-sheet";
    o["formatVersion"] = kBlattJsonVersion;
    o["article"] = QJsonObject{{"id", m.AktArtikelID},
                               {"type", m.ComboBox1Text},
                               {"refrigerant", m.KMListboxText},
                               {"condensingUnit", m.lukoModus()}};
    o["inputs"] = eingaben(b, bestellt);
    o["outputs"] = ausgaben(b);
    o["exact"] = genau(b);
    o["limits"] = grenzen(b);
    o["notes"] = QJsonArray::fromStringList(m.hinweise().texte());
    o["envelope"] = huelle(b);
    o["performanceTable"] = tabelle(b);
    o["technicalValues"] = technisch(b);
    o["sepr"] = seprJson(b);
    o["provenance"] = herkunftJson(b.herkunft());
    return o;
}

bool blattJsonSchreiben(const Datenblatt& blatt, const QString& datei, QString* grund,
                        const Betriebspunkt* bestellt) {
    const QByteArray text =
        QJsonDocument(blattJson(blatt, bestellt)).toJson(QJsonDocument::Indented);
    if (datei == QLatin1String("-")) {
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        return true;
    }
    return dateiAtomarSchreiben(datei, text, grund);
}

} // namespace drel::sheet
