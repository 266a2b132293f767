#include "print/datenblattquelle.h"

#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "chart/winfarbe.h"
#include "db/cursor.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "sheet/datenblatt.h"
#include "sheet/grenzbild.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/spaltentext.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"
#include "sheet/technikmodell.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <cmath>

// The printed sheet's own texts: the captions the sheet shows, in the user's language.
struct DatenblattDruck {
    Q_DECLARE_TR_FUNCTIONS(DatenblattDruck)
};

namespace drel::print {

namespace {

QString temperatur(const calc::Einheiten& e) {
    return e.text(calc::EinheitGruppe::Temperatur).left(2);
}

QString differenz(const calc::Einheiten& e) {
    return e.text(calc::EinheitGruppe::Temperatur).mid(7, 1);
}

QString wert(const sheet::Feld& f) {
    return f.text.trimmed();
}

// The frequency row while "Frequenz" is shown, else the speed row.
WertZeile frequenzZeile(const sheet::TechnikModell& m) {
    if (m.Frequenz && !m.Frequenz1)
        return {DatenblattDruck::tr("Frequenz"), wert(m.ediHz), QStringLiteral("Hz")};
    return {DatenblattDruck::tr("Drehzahl"), wert(m.ediN), QStringLiteral("1/min")};
}

WertZeile tcZeile(const sheet::TechnikModell& m, const calc::Einheiten& e) {
    return {DatenblattDruck::tr("Verflussigungstemperatur"), wert(m.tc.sichtbar ? m.tc : m.tcle),
            temperatur(e)};
}

// Text resource 316 (type 2): the note on refrigerants of high pressure.
void kaeltemittelHinweis(db::TDataModule1& dm, const QString& kaeltemittel, DatenblattInhalt& i) {
    const QString km = kaeltemittel.trimmed().toUpper();
    if (km != u"R410A" && km != u"R744")
        return;
    if (!sheet::oeffnen(dm.TBTextRes) ||
        !dm.TBTextRes.findKey({db::Value(qint32(316)), db::Value(qint32(2))}))
        return;
    const QString code = sprache().kurzCode;
    const QString spalte =
        code.toUpper() == u"EN" ? QStringLiteral("Text") : QStringLiteral("Text_") + code;
    i.kaeltemittelHinweisSichtbar = true;
    i.kaeltemittelHinweis = sheet::feldText(dm.TBTextRes, spalte, code).trimmed();
}

void technik(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    for (const sheet::TechnDatenZeile& z : blatt.technDaten().zeilen())
        i.technik << QStringList{z.spalte0, z.spalte1};
    i.bemerkungenTitel = DatenblattDruck::tr("Bemerkungen:");
    for (const sheet::FussnotenMemo& m : blatt.technDaten().memos())
        i.bemerkungen << m.text;
}

void einsatzgrenzen(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    const sheet::TechnikModell& m = blatt.modell();
    const std::array<sheet::Legende, 3> legenden = m.legendenLesen();
    for (std::size_t k = 0; k < i.legende.size(); ++k) {
        const sheet::Legende& l = legenden[k];
        i.legende[k] = {l.sichtbar ? l.text : QString(),
                        QColor::fromRgb(chart::zuQRgb(sheet::kLegendenFarbe[k]))};
    }
    if (m.diagramm().gezeichnet()) {
        i.diagramm = sheet::grenzBild(m.diagramm(), sheet::kDruckDiagrammGroesse);
        i.diagrammAchseX = m.diagramm().daten().ChartXAchse;
        i.diagrammAchseY = m.diagramm().daten().ChartYAchse;
    }
    i.einsatzRand = sheet::einsatzRandText(blatt);
}

void masse(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    const sheet::MasseSeite& seite = blatt.masse();
    if (!seite.zeichnungPfad().isEmpty())
        i.zeichnung = QImage(seite.zeichnungPfad());
    i.masseUnterschrift = DatenblattDruck::tr("Masse und Anschlusse");
    for (const sheet::AnschlussZeile& z : seite.anschluesse())
        i.anschluesse << QStringList{z.spalte0, z.spalte1, z.spalte2};
}

void foto(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    if (!blatt.foto().pfad().isEmpty())
        i.foto = QImage(blatt.foto().pfad());
    i.fotoUnterschrift = DatenblattDruck::tr("Abbildung ahnlich");
}

void tabelle(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    const sheet::TechnikModell& m = blatt.modell();
    const calc::Einheiten& e = blatt.einheiten();
    i.tabellenBedingungen = {
        frequenzZeile(m), WertZeile{DatenblattDruck::tr("Unterkuhlung"), wert(m.tu), differenz(e)},
        WertZeile{DatenblattDruck::tr("Sauggastemperatur"), wert(m.tsaug), temperatur(e)}};
    // The sheet's own table when it belongs to the point shown, else one over its ranges.
    const sheet::LeistungsTabelle t = blatt.tabelleZumDrucken();
    for (int r = 0; r < t.zeilen(); ++r) {
        QStringList zeile;
        for (int c = 0; c < t.spalten(); ++c)
            zeile << t.text(c, r);
        i.tabelle << zeile;
    }
}

// Marks the printed values as the sheet flags them: "*" an input the sheet moved into
// its limits, "**" every result of a point outside the envelope.
void markieren(const sheet::Datenblatt& blatt, DatenblattInhalt& i) {
    const std::pair<QString, sheet::Groesse> eingaben[] = {
        {DatenblattDruck::tr("Verdampfungstemperatur"), sheet::Groesse::t0},
        {DatenblattDruck::tr("Verflussigungstemperatur"), sheet::Groesse::tc},
        {DatenblattDruck::tr("Lufteintrittstemperatur"), sheet::Groesse::tle},
        {DatenblattDruck::tr("Unterkuhlung"), sheet::Groesse::tu},
        {DatenblattDruck::tr("Sauggastemperatur"), sheet::Groesse::tsaug},
        {DatenblattDruck::tr("Uberhitzung (Verdampfer)"), sheet::Groesse::tue},
        {DatenblattDruck::tr("Drehzahl"), sheet::Groesse::n}};
    bool geklemmt = false;
    for (WertZeile& z : i.links)
        for (const auto& [label, g] : eingaben)
            if (z.label == label && !z.wert.isEmpty() && blatt.wert(g).geklemmt) {
                z.wert += QStringLiteral(" *");
                geklemmt = true;
            }
    const bool ausserhalb = blatt.ausserhalb();
    if (ausserhalb)
        for (WertZeile& z : i.rechts)
            if (!z.wert.isEmpty())
                z.wert += QStringLiteral(" **");
    QStringList texte;
    if (geklemmt)
        texte << DatenblattDruck::tr("* in die Eingabegrenzen verschoben");
    if (ausserhalb)
        texte << DatenblattDruck::tr("** Betriebspunkt ausserhalb der Einsatzgrenzen");
    i.markierungen = texte.join(QLatin1Char('\n'));
}

QString seprText(const sheet::SeprBlatt& s) {
    if (!s.gerechnet)
        return {};
    const auto zahl = [](double v) {
        return std::isfinite(v) ? formatFloat(QStringLiteral("0.00"), v) : QStringLiteral("-");
    };
    QStringList zeilen{DatenblattDruck::tr(
        "SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)")};
    for (const sheet::SeprAnwendungsWert* w : {&s.normal, &s.tief}) {
        const calc::SeprErgebnis& e = w->ergebnis;
        QStringList punkte;
        for (std::size_t k = 0; k < 4; ++k)
            punkte << QStringLiteral("%1 %2 °C: COP %3%4")
                          .arg(QChar(u'A' + static_cast<char16_t>(k)))
                          .arg(e.punkte[k].luft)
                          .arg(zahl(e.punkte[k].cop),
                               w->ausserhalb[k] ? QStringLiteral(" **") : QString());
        zeilen << (e.anwendung == calc::SeprAnwendung::Normalkuehlung
                       ? DatenblattDruck::tr("Normalkuhlung (t0 -10 °C): SEPR %1 (%2)")
                       : DatenblattDruck::tr("Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)"))
                      .arg(zahl(e.sepr), punkte.join(QStringLiteral(", ")));
    }
    return zeilen.join(QLatin1Char('\n'));
}

} // namespace

std::array<WertZeile, 8> betriebspunktZeilen(const sheet::TechnikModell& m,
                                             const calc::Einheiten& e) {
    std::array<WertZeile, 8> z;
    if (m.MotorSichtbar)
        z[0] = {DatenblattDruck::tr("Motor"), m.MotorComboText, QString()};
    const WertZeile t0{DatenblattDruck::tr("Verdampfungstemperatur"), wert(m.t0), temperatur(e)};
    if (m.Panel12) {
        // Two compressors at their own frequencies: both frequencies, then t0 and tc.
        z[1] = {DatenblattDruck::tr("Frequenz Verdichter 1"), wert(m.ediHz), QStringLiteral("Hz")};
        z[2] = {DatenblattDruck::tr("Frequenz Verdichter 2"), wert(m.ediHZ2), QStringLiteral("Hz")};
        z[3] = t0;
        z[4] = tcZeile(m, e);
    } else {
        z[1] = frequenzZeile(m);
        z[2] = t0;
        z[3] = tcZeile(m, e);
        if (m.tle.sichtbar)
            z[4] = {DatenblattDruck::tr("Lufteintrittstemperatur"), wert(m.tle), temperatur(e)};
    }
    if (m.Unterkuehlung)
        z[5] = {DatenblattDruck::tr("Unterkuhlung"), wert(m.tu), differenz(e)};
    z[6] = {DatenblattDruck::tr("Sauggastemperatur"), wert(m.tsaug), temperatur(e)};
    z[7] = {DatenblattDruck::tr("Uberhitzung (Verdampfer)"), wert(m.tue), differenz(e)};
    return z;
}

std::array<WertZeile, 8> ergebnisZeilen(const sheet::TechnikModell& m, const calc::Einheiten& e) {
    const QString leistung = e.text(calc::EinheitGruppe::Leistung);
    std::array<WertZeile, 8> z;
    z[0] = {DatenblattDruck::tr("Verdichterkalteleistung"), wert(m.Q2), leistung};
    z[1] = {DatenblattDruck::tr("Verdampferkalteleistung"), wert(m.Q3), leistung};
    z[2] = {m.Label19 ? DatenblattDruck::tr("Antriebsleistung")
                      : DatenblattDruck::tr("Leistungsaufnahme"),
            wert(m.pan), e.text(calc::EinheitGruppe::Antrieb)};
    if (m.spannung.sichtbar)
        z[3] = {DatenblattDruck::tr("Drehmoment"), wert(m.spannung), QStringLiteral("Nm")};
    else if (m.stromtext)
        z[3] = {DatenblattDruck::tr("Stromaufnahme"), wert(m.strom), QStringLiteral("A")};
    z[4] = {DatenblattDruck::tr("Kalteleistungszahl (COP)"), wert(m.Edit4), QString()};
    z[5] = {DatenblattDruck::tr("Verflussigungsleistung"), wert(m.Edit7), leistung};
    z[6] = {DatenblattDruck::tr("Massenstrom"), wert(m.Edit5), QStringLiteral("kg/s")};
    if (m.Panel13)
        z[7] = {DatenblattDruck::tr("Temperatur am Zwischenkuhleraustritt"), wert(m.tFUA),
                temperatur(e)};
    return z;
}

ReiterSichtbar reiterSichtbar(const sheet::Datenblatt& blatt) {
    const bool zeichnung = blatt.masseSichtbar();
    const bool bild = blatt.fotoSichtbar();
    return [zeichnung, bild](Abschnitt a) {
        if (a == Abschnitt::Masse)
            return zeichnung;
        if (a == Abschnitt::Produktfoto)
            return bild;
        return true;
    };
}

DatenblattInhalt datenblattInhalt(const sheet::Datenblatt& blatt, const Druckauswahl& auswahl) {
    const sheet::TechnikModell& m = blatt.modell();
    const calc::Einheiten& e = blatt.einheiten();
    DatenblattInhalt i;
    i.typ = m.ComboBox1Text;
    i.kaeltemittelLabel = DatenblattDruck::tr("Kaltemittel");
    i.kaeltemittel = m.KMListboxText;
    i.fusszeile = DatenblattDruck::tr("Anderungen vorbehalten.");
    i.titel = {
        DatenblattDruck::tr("Leistungsdaten"), DatenblattDruck::tr("Techn. Daten"),
        DatenblattDruck::tr("Einsatzgrenzen"), DatenblattDruck::tr("Lieferumfang"),
        DatenblattDruck::tr("Zubehor"),        DatenblattDruck::tr("Masse und Anschlusse"),
        DatenblattDruck::tr("Produktfoto"),    DatenblattDruck::tr("Tabelle Leistungsdaten")};
    if (auswahl.enthaelt(Abschnitt::Leistungsdaten)) {
        i.links = betriebspunktZeilen(m, e);
        i.rechts = ergebnisZeilen(m, e);
        kaeltemittelHinweis(blatt.dm(), m.KMListboxText, i);
        markieren(blatt, i);
        i.sepr = seprText(blatt.sepr());
        const sheet::Herkunft h = blatt.herkunft();
        i.herkunft = h.zeilen();
    }
    if (auswahl.enthaelt(Abschnitt::TechnischeDaten))
        technik(blatt, i);
    if (auswahl.enthaelt(Abschnitt::Einsatzgrenzen))
        einsatzgrenzen(blatt, i);
    if (auswahl.enthaelt(Abschnitt::Lieferumfang))
        i.lieferumfang = blatt.lieferumfang().memos();
    if (auswahl.enthaelt(Abschnitt::Zubehoer))
        i.zubehoer = blatt.zubehoer().memos();
    if (auswahl.enthaelt(Abschnitt::Masse))
        masse(blatt, i);
    if (auswahl.enthaelt(Abschnitt::Produktfoto))
        foto(blatt, i);
    if (auswahl.enthaelt(Abschnitt::TabelleLeistung))
        tabelle(blatt, i);
    return i;
}

} // namespace drel::print
