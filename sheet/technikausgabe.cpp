// The sheet model's outputs: the rating shown in the fields, the current, the diagram
// and its legends.
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/temperatur.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "search/aggsuche.h"
#include "sheet/eingaberegeln.h"
#include "sheet/pages/htmlzutext.h"
#include "sheet/technikanzeige.h"
#include "sheet/technikmodell.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/sprache.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace drel::sheet {

using namespace anzeige;

void TechnikModell::ergebnisZeigen(const calc::ArtikelEingabe& e) {
    const calc::ArtikelErgebnis& r = ergebnis_;
    hinweise_ = r.hinweise;
    if (!r.gerechnet) {
        for (Feld* f : {&strom, &StromV1, &StromV2, &spannung, &tFUA})
            f->text = kStrich;
        return;
    }
    const Betriebspunkt& p = r.punkt;
    // Frequency and speed controls by series.
    ediHz.aktiv = !r.frequenzFest;
    SpinButton2 = !r.frequenzFest;
    if (r.frequenzFest)
        ediHz.text = QStringLiteral("50");
    Frequenz = r.mitMotor;
    Drehzahl = !r.mitMotor;
    ediN.sichtbar = Drehzahl;
    ediHz.sichtbar = r.mitMotor && !db::frequenzAuswahlGruppe(gruppe_);
    cmbHZ.sichtbar = r.mitMotor && db::frequenzAuswahlGruppe(gruppe_);
    Label19 = r.antriebsleistung;
    Label52 = !r.antriebsleistung;
    // Condensing units: the air inlet temperature instead of tc.
    SatzModus = r.SatzModus;
    tc.sichtbar = !r.luftEintritt;
    Sptc = !r.luftEintritt && !r.SatzModus;
    tcle.sichtbar = r.luftEintritt;
    tle.sichtbar = r.luftEintritt;
    if (r.SatzModus) {
        tcle.text = zeigen(u"0.0", einheiten_.TempAnzeige(p.tc));
        tle.text = temperaturText(p.tle);
    }
    // Inputs brought into their limits.
    if (r.geklemmt.tsaug)
        tsaug.text = temperaturText(p.tsaug);
    if (r.geklemmt.tu)
        tu.text = generalFormat(einheiten_.DiffAnzeige(p.tu));
    if (r.geklemmt.tue)
        tue.text = generalFormat(einheiten_.DiffAnzeige(p.tue));
    ediN.text = generalFormat(p.n);
    // Intermediate cooler.
    Panel13 = Panel16 = tFUA.sichtbar = r.zwischenkuehler;
    Panel14 = false;
    Unterkuehlung = !r.zwischenkuehler;
    if (r.zwischenkuehler) {
        tFUA.text = zeigen(kMusterLeistung, einheiten_.TempAnzeige(r.tFUA));
        tu.text = QStringLiteral("0");
    }
    // Torque of open compressors, current of articles with a motor.
    const bool offen = db::offenerVerdichter(r.art);
    spannung.sichtbar = drehmomenttext = offen;
    spannung.text = offen ? zeigen(u"0.00", r.drehmoment) : QString();
    auto stromText = [](double I) {
        if (!std::isfinite(I))
            return kStrich;
        return I <= 0.1 ? kStromStrich : formatFloat(u"0.00", I);
    };
    strom.text = r.mitMotor ? stromText(e.Panel9 ? r.IGesamt : r.I) : kStrich;
    StromV1.text = r.mitMotor ? stromText(r.I) : kStrich;
    StromV2.text = r.mitMotor && e.Panel9 ? stromText(r.I2) : kStrich;
    strom.sichtbar = stromtext = Panel15 = r.stromSichtbar;
    OhneUmrechnung = false;
}

void TechnikModell::stromAnzeigen() {
    if (db::offenerVerdichter(ergebnis_.art))
        return; // the rating's choice of torque stays
    const auto netzFrequenz = [](const QString& t) {
        return t.trimmed() == QLatin1String("50") || t.trimmed() == QLatin1String("60");
    };
    bool zeigen = netzFrequenz(ediHz.text);
    if (Panel12 && !netzFrequenz(ediHZ2.text))
        zeigen = false;
    strom.sichtbar = stromtext = Panel15 = zeigen;
}

void TechnikModell::AusgabeFuellen() {
    const bool zwei = Panel9;
    werte_ = calc::ausgabeWerte(ergebnis_, zwei, VierPolig);
    const calc::AusgabeWerte& w = werte_;
    auto leistung = [&](double kw) {
        return zeigen(kMusterLeistung, einheiten_.LeistungAnzeige(kw));
    };
    auto antrieb = [&](double kw) {
        return zeigen(kMusterLeistung, einheiten_.AntriebAnzeige(kw));
    };
    Q2V1.text = leistung(w.Qo1);
    Q3V1.text = leistung(w.QoE1);
    panV1.text = antrieb(w.P1);
    Q2V2.text = zwei ? leistung(w.Qo2) : kStrich;
    Q3V2.text = zwei ? leistung(w.QoE2) : kStrich;
    panV2.text = zwei ? antrieb(w.P2) : kStrich;
    Edit4.text = zeigen(kMusterLeistung, w.cop);
    Edit7.text = leistung(w.Qc);
    Edit5.text = zeigen(kMusterMasse, w.m);
    Q2.text = leistung(w.Qo);
    Q3.text = leistung(w.QoE);
    pan.text = antrieb(w.P);
    pan.sichtbar = true;
    // 8-pole operation halves the current as well (the duplex columns keep theirs).
    if (!VierPolig && ergebnis_.mitMotor && std::isfinite(w.I))
        strom.text = w.I <= 0.1 ? kStromStrich : formatFloat(u"0.00", w.I);
}

void TechnikModell::NeuesBild() {
    if (AktArtikelID == 0)
        return;
    MessageScope meldungen; // a message repeated within one recalculation is shown once
    // The refrigerant list first, so that the rating already uses the entry shown.
    if (LetzterArtikelID != AktArtikelID) {
        kaeltemittelListeFuellen();
        kondensatorWaehlen();
    } else if (KMListboxText.isEmpty() && !KMListboxItems.isEmpty()) {
        // An X-form type chosen again for the same article cleared the refrigerant.
        KMListboxText = KMListboxItems.first();
        kondensatorWaehlen();
    }
    MinMaxHolen();
    const calc::ArtikelEingabe e = eingabe();
    ergebnis_ = calc::NeuRechnen(dm_, stoff_, e);
    ergebnisZeigen(e);
    DiagrammZeichnen();
    AusgabeFuellen();
    stromAnzeigen();
    if (einsatzgrenzenAktiv)
        LegendenHolen();
    ++bildNummer_;
}

// ---------------------------------------------------------------- diagram

void TechnikModell::DiagrammZeichnen() {
    if (!ArtikelGewaehlt)
        ComboBox1Change(Sender::Keiner);
    if (AktArtikelID == 0)
        return;
    capacityRecordWaehlen();
    if (dm_.TBLeistung.isEmpty() || dm_.TBLeistung.eof())
        return;
    db::GrenzPolygon blau, strich, rot;
    db::GrenzenLesen(dm_.TBLeistung, 3, rot);
    db::GrenzenLesen(dm_.TBLeistung, 2, strich);
    db::GrenzenLesen(dm_.TBLeistung, 1, blau);
    polygone_ = {blau, strich, rot};
    const bool f = fahrenheit();
    const chart::GrenzPolygone gezeigt = f ? chart::inFahrenheit(polygone_) : polygone_;
    DiagTc = zahl(tcle.sichtbar ? tcle.text : tc.text);
    DiagT0 = zahl(t0.text);
    const calc::GrenzBereich& g = ergebnis_.bereich;
    const chart::GrenzAchsen achsen =
        chart::grenzAchsen(g.GrenzT0Min, g.GrenzT0Max, g.GrenzTcMin, g.GrenzTcMax, f);
    diagramm_.achsenBeschriften(f);
    const chart::WinFarbe farbe = nurRechnen ? diagramm_.farbe(gezeigt, achsen, DiagT0, DiagTc)
                                             : diagramm_.zeichnen(gezeigt, achsen, DiagT0, DiagTc);

    calc::ArtikelHinweise& h = hinweise_;
    const bool grenzHinweis = h.anwendt01 || h.anwendt02 || h.anwendtc1 || h.anwendtc2 || h.Label25;
    if (!grenzHinweis && !chart::grenzFarbeZulaessig(farbe))
        h.Label25 = true;
    if (farbe == chart::kFuellFarbe1) {
        h.Label25 = false;
        h.Label26 = true;
    }
}

void TechnikModell::setEinsatzgrenzenAktiv(bool aktiv) {
    einsatzgrenzenAktiv = aktiv;
    if (aktiv)
        LegendenHolen();
}

void TechnikModell::LegendenHolen() {
    const std::array<Legende, 3> l = legendenLesen();
    std::copy(l.begin(), l.end(), std::begin(Leg));
}

std::array<Legende, 3> TechnikModell::legendenLesen() const {
    std::array<Legende, 3> leg{};
    if (AktArtikelID == 0)
        return leg;
    db::Cursor& legenden = dm_.TBLegenden;
    if (!legenden.active()) {
        try {
            legenden.open();
        } catch (const std::exception& fehler) {
            report(QString::fromUtf8(fehler.what()), QStringLiteral("Drel"));
            return leg;
        }
    }
    db::KaeltemittelPositionieren(dm_, KMListboxText,
                                  DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID);
    if (dm_.TBLeistung.isEmpty() || dm_.TBLeistung.eof())
        return leg;
    const QString code = sprache().kurzCode;
    const QString spalte = code.compare(QLatin1String("EN"), Qt::CaseInsensitive) == 0
                               ? QStringLiteral("Wert")
                               : QStringLiteral("Wert_") + code;
    for (int i = 0; i < 3; ++i) {
        const qint32 id = dm_.TBLeistung.asInteger(QStringLiteral("LegendTextID%1").arg(i + 1));
        if (!legenden.findKey({db::Value(id)}))
            continue;
        QString text = legenden.asString(spalte);
        // A trailing marker "*" (last or second-to-last place) becomes a blank.
        for (qsizetype pos : {text.size() - 1, text.size() - 2})
            if (pos >= 0 && text.at(pos) == QLatin1Char('*')) {
                text[pos] = QLatin1Char(' ');
                break;
            }
        leg[static_cast<size_t>(i)] = {text, true};
    }
    return leg;
}

} // namespace drel::sheet
