// drel-cli sepr: the seasonal energy performance ratio of a condensing unit, from the
// unit's own balance at the rating points of both applications, as its sheet shows it.
#include "base/messagesink.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"

#include <cstdio>
#include <optional>

namespace drel::cli {

namespace {

const QString kBefehl = QStringLiteral("sepr");

std::optional<BlattOptionen> parse(const QStringList& args) {
    std::optional<BlattOptionen> o = nurBlattOptionenLesen(kBefehl, args, false);
    if (!o)
        return std::nullopt;
    // The point's refrigerant has a start value; the SEPR is asked for one by name.
    if (o->artikel.isEmpty() || !args.contains(QStringLiteral("--refrigerant"))) {
        nutzungsfehler(kBefehl, QStringLiteral("--article und --refrigerant sind noetig"));
        return std::nullopt;
    }
    // The sheet opens at the medium-temperature point A; the SEPR rates its own points.
    o->punkt.t0 = calc::seprVerdampfung(calc::SeprAnwendung::Normalkuehlung);
    o->punkt.tle = calc::kSeprLuft[0];
    o->punkt.tsaug = sheet::kSeprSauggas;
    o->mitT0 = o->mitLuft = true;
    return o;
}

void anwendungZeilen(const char* name, const sheet::SeprAnwendungsWert& w) {
    const calc::SeprErgebnis& e = w.ergebnis;
    std::printf("%s  t0 %s degC  SEPR %s%s\n", name,
                qPrintable(zahlText(calc::seprVerdampfung(e.anwendung), "0")),
                qPrintable(zahlText(e.sepr)), w.anwendbar ? "" : "  (t0 outside the envelope)");
    std::printf("  point  air degC  tc degC    Qo kW     P kW    COP  part load  demand kW"
                "     CR  COP(PL)\n");
    static const char* const namen[] = {"A", "B", "C", "D"};
    for (std::size_t k = 0; k < 4; ++k) {
        const calc::SeprPunkt& p = e.punkte[k];
        std::printf("  %-5s %9s %8s %8s %8s %6s %10s %10s %6s %8s%s\n", namen[k],
                    qPrintable(zahlText(p.luft, "0")), qPrintable(zahlText(w.tc[k])),
                    qPrintable(zahlText(p.Qo, "0.000")), qPrintable(zahlText(p.P, "0.000")),
                    qPrintable(zahlText(p.cop)), qPrintable(zahlText(p.teillast, "0.000")),
                    qPrintable(zahlText(p.bedarf, "0.000")), qPrintable(zahlText(p.cr)),
                    qPrintable(zahlText(p.copTeillast)), w.ausserhalb[k] ? "  outside" : "");
    }
    std::printf("  annual demand %s kWh, annual consumption %s kWh\n",
                qPrintable(zahlText(e.jahresBedarf, "0")),
                qPrintable(zahlText(e.jahresStrom, "0")));
}

int seprAusgeben(const BlattOptionen&, OffenesBlatt& offen) {
    const sheet::Datenblatt& blatt = offen.blatt();
    const sheet::SeprBlatt& s = blatt.sepr();
    const sheet::TechnikModell& m = blatt.modell();
    std::printf("%s  %s  SEPR (Regulation (EU) 2015/1095, EN 13215; suction gas %s degC, no "
                "subcooling, 50 Hz, Cd %s)\n",
                qPrintable(m.ComboBox1Text), qPrintable(m.KMListboxText),
                qPrintable(zahlText(sheet::kSeprSauggas, "0")),
                qPrintable(zahlText(calc::kSeprCd)));
    anwendungZeilen("medium temperature", s.normal);
    anwendungZeilen("low temperature   ", s.tief);
    herkunftZeilen(blatt.herkunft());
    return s.normal.ergebnis.berechenbar() || s.tief.ergebnis.berechenbar() ? 0 : 1;
}

} // namespace

int cmdSepr(const QStringList& arguments) {
    return blattBefehlAusfuehren<BlattOptionen>(arguments, kBefehl, parse, true, seprAusgeben);
}

} // namespace drel::cli
