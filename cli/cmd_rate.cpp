// drel-cli rate: one article at one operating point, as its data sheet shows it.
#include "base/messagesink.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"

#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

const QString kBefehl = QStringLiteral("rate");

std::optional<BlattOptionen> parse(const QStringList& args) {
    if (args.contains(QStringLiteral("--units"))) {
        nutzungsfehler(kBefehl, QStringLiteral("--units gibt es bei rate nicht mehr (bei "
                                               "search heisst es Aggregate); die "
                                               "Einheitendatei heisst --unit-file DATEI"));
        return std::nullopt;
    }
    std::optional<BlattOptionen> o = nurBlattOptionenLesen(kBefehl, args);
    if (!o || !blattOptionenVollstaendig(kBefehl, *o))
        return std::nullopt;
    return o;
}

void zeile(const char* name, const QString& wert, const QString& einheit) {
    std::printf("%-8s %12s %s\n", name, qPrintable(wert), qPrintable(einheit));
}

// What the data sheet shows, number by number, in its units and at its precision.
void sheetZeilen(const sheet::Datenblatt& blatt) {
    using sheet::Groesse;
    const sheet::TechnikModell& m = blatt.modell();
    const std::pair<const char*, Groesse> felder[] = {
        {"Qo", Groesse::Qo},   {"QoE", Groesse::QoE}, {"P", Groesse::P}, {"I", Groesse::I},
        {"COP", Groesse::COP}, {"Qc", Groesse::Qc},   {"m", Groesse::m}};
    for (const auto& [name, g] : felder) {
        if (g == Groesse::I && m.spannung.sichtbar) {
            zeile("torque", m.spannung.text.trimmed(), QStringLiteral("Nm"));
            continue;
        }
        const sheet::AnzeigeWert w = blatt.wert(g);
        if (g == Groesse::I && !m.strom.sichtbar)
            continue;
        zeile(name,
              w.berechenbar ? zahlText(w.wert, w.stellen == 3 ? "0.000" : "0.00")
                            : QStringLiteral("-"),
              w.einheit);
    }
    // The envelope margin: K (R in °F) to the nearest edge, negative outside.
    const sheet::AnzeigeWert rand = blatt.wert(Groesse::Rand);
    zeile("margin", rand.berechenbar ? zahlText(rand.wert, "0.0") : QStringLiteral("-"),
          rand.einheit);
    const calc::AusgabeWerte& w = m.werte();
    if (m.Panel9)
        std::printf("compressors 1 / 2: Qo %s / %s, QoE %s / %s, P %s / %s\n",
                    qPrintable(zahlText(w.Qo1)), qPrintable(zahlText(w.Qo2)),
                    qPrintable(zahlText(w.QoE1)), qPrintable(zahlText(w.QoE2)),
                    qPrintable(zahlText(w.P1)), qPrintable(zahlText(w.P2)));
    if (m.tFUA.sichtbar)
        zeile("tFUA", zahlText(blatt.einheiten().TempAnzeige(m.ergebnis().tFUA)),
              blatt.einheiten().text(calc::EinheitGruppe::Temperatur).left(2));
}

// The rating behind the sheet's rounded fields, and what the sheet changed or noted.
void rechenZeilen(const sheet::TechnikModell& m, const BlattOptionen& o, const calc::Einheiten& e) {
    const calc::ArtikelErgebnis& a = m.ergebnis();
    const calc::Bewertung& r = a.verdichter1;
    std::printf("exact    Qo %s, QoV %s, QoE %s, P %s kW, mR %s, m %s kg/s\n",
                qPrintable(zahlText(r.Qo, "0.000")), qPrintable(zahlText(r.QoV, "0.000")),
                qPrintable(zahlText(r.QoE, "0.000")), qPrintable(zahlText(r.P, "0.000")),
                qPrintable(zahlText(r.mR, "0.00000")), qPrintable(zahlText(a.m, "0.00000")));
    zeile("limits", QString::number(a.code), QStringLiteral("(0 = inside)"));
    const calc::GrenzBereich& g = a.bereich;
    auto t = [&](double c) { return zahlText(e.TempAnzeige(c), "0.##"); };
    const QString u = e.text(calc::EinheitGruppe::Temperatur).left(2);
    const QString k = m.fahrenheit() ? QStringLiteral("R") : QStringLiteral("K");
    std::printf("range    t0 %s .. %s %s, tc %s .. %s %s\n", qPrintable(t(g.GrenzT0Min)),
                qPrintable(t(g.GrenzT0Max)), qPrintable(u), qPrintable(t(g.GrenzTcMin)),
                qPrintable(t(g.GrenzTcMax)), qPrintable(u));
    const Betriebspunkt& bp = a.punkt;
    const Betriebspunkt& ein = o.punkt;
    const struct {
        bool geklemmt;
        const char* name;
        double vorher, nachher;
        QString einheit;
    } klemmen[] = {
        {std::abs(ein.t0 - bp.t0) > 0.005, "t0", e.TempAnzeige(ein.t0), e.TempAnzeige(bp.t0), u},
        {!a.SatzModus && std::abs(ein.tc - bp.tc) > 0.005, "tc", e.TempAnzeige(ein.tc),
         e.TempAnzeige(bp.tc), u},
        {std::abs(ein.tsaug - bp.tsaug) > 0.005, "ts", e.TempAnzeige(ein.tsaug),
         e.TempAnzeige(bp.tsaug), u},
        {std::abs(ein.tu - bp.tu) > 0.005, "dtu", e.DiffAnzeige(ein.tu), e.DiffAnzeige(bp.tu), k},
        {std::abs(ein.tue - bp.tue) > 0.005, "superheat", e.DiffAnzeige(ein.tue),
         e.DiffAnzeige(bp.tue), k},
        {a.SatzModus && std::abs(ein.tle - bp.tle) > 0.005, "air", e.TempAnzeige(ein.tle),
         e.TempAnzeige(bp.tle), u},
        {a.mitMotor && ein.f != bp.f, "f", ein.f, bp.f, QStringLiteral("Hz")},
        {!a.mitMotor && ein.n != bp.n, "n", ein.n, bp.n, QStringLiteral("1/min")},
    };
    for (const auto& klemme : klemmen)
        if (klemme.geklemmt)
            std::printf("clamped  %s %s -> %s %s\n", klemme.name,
                        qPrintable(zahlText(klemme.vorher, "0.##")),
                        qPrintable(zahlText(klemme.nachher, "0.##")), qPrintable(klemme.einheit));
    for (const QString& text : m.hinweise().texte())
        std::printf("note     %s\n", qPrintable(text));
}

int bewertungAusgeben(const BlattOptionen& o, OffenesBlatt& offen) {
    const sheet::TechnikModell& m = offen.blatt().modell();
    const calc::Einheiten& e = offen.einheiten();
    const Betriebspunkt& bp = m.ergebnis().punkt;
    auto t = [&](double c) { return zahlText(e.TempAnzeige(c), "0.##"); };
    const QString u = e.text(calc::EinheitGruppe::Temperatur).left(2);
    std::printf("%s  %s  t0 %s %s  tc %s %s%s\n", qPrintable(m.ComboBox1Text),
                qPrintable(m.KMListboxText), qPrintable(t(bp.t0)), qPrintable(u),
                qPrintable(t(bp.tc)), qPrintable(u),
                m.lukoModus() ? " (balance with the condenser)" : "");
    sheetZeilen(offen.blatt());
    rechenZeilen(m, o, e);
    herkunftZeilen(offen.blatt().herkunft());
    return m.ergebnis().verdichter1.berechenbar() ? 0 : 1;
}

} // namespace

void herkunftZeilen(const sheet::Herkunft& h) {
    std::printf("source   %s\n", qPrintable(h.katalogText()));
    std::printf("source   %s\n", qPrintable(h.bemessungText()));
    std::printf("source   %s\n", qPrintable(h.stoffText()));
    for (const QString& zeile : {h.kaeltemittelText(), h.gleitText()})
        if (!zeile.isEmpty())
            std::printf("source   %s\n", qPrintable(zeile));
}

int cmdRate(const QStringList& arguments) {
    // A rating shows no product page: their tables stay closed.
    return blattBefehlAusfuehren<BlattOptionen>(arguments, kBefehl, parse, false,
                                                bewertungAusgeben);
}

} // namespace drel::cli
