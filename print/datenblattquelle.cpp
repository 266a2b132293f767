#include "print/datenblattquelle.h"

#include "calc/einheiten.h"
#include "chart/grenztest.h"
#include "chart/winfarbe.h"
#include "db/cursor.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "sheet/datenblatt.h"
#include "sheet/grenzdiagramm.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/spaltentext.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"
#include "sheet/technikmodell.h"
#include "state/sprache.h"

#include <QCoreApplication>

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
    if (m.diagramm().gezeichnet())
        i.diagramm = m.diagramm().zeichnung().anzeige;
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
