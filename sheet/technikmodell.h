// The data sheet of one article without its window: the type and refrigerant
// choice, the operating-point fields and their rules, the recalculation pipeline,
// the output fields, the notes and the application-limit diagram. Everything is
// held under the names of the window's controls; the window only mirrors it.
#pragma once

#include "calc/artikelrechnung.h"
#include "calc/ausgabewerte.h"
#include "sheet/grenzdiagramm.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/leistungstabelle.h"
#include "state/datenblattauftrag.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <optional>
#include <utility>

namespace drel::db {
class TDataModule1;
}
namespace drel::fluid {
class TStoff;
}
namespace drel::calc {
class Einheiten;
} // namespace drel::calc

namespace drel::sheet {

// One field of the window: its text and whether it is shown and enabled.
struct Feld {
    QString text;
    bool sichtbar = true;
    bool aktiv = true;
};

// The operating-point inputs that have step buttons or a leave handling.
enum class Eingabe { t0, tc, tcle, tle, tu, tsaug, tue, ediN, ediHz, ediHZ2 };

// Which control started an article selection.
enum class Sender { Keiner, ComboBox1, KMListbox, DDBCombo1 };

// The legend rows below the diagram.
struct Legende {
    QString text;
    bool sichtbar = false;
};

class TechnikModell {
public:
    // Whether a typed character may go into an input: subcooling is never negative, so
    // its field refuses a "-".
    static bool tasteErlaubt(Eingabe e, QChar taste);
    TechnikModell(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten);

    // ---- opening ----
    // Takes the order: the type list, the type, the refrigerant and the operating point
    // (written into the fields in the user's units), the poles; the frequency is brought
    // into the frame size's limits. FormShow then selects and rates the article.
    void oeffnen(const DatenblattAuftrag& auftrag);
    // The user switched the temperature unit (the confirmed unit is already the new
    // one): every temperature field and the table's range fields are rewritten in the
    // new unit, then the sheet is rated again.
    void einheitGewechselt(bool warFahrenheit);
    // FormShow: pole caption, then the article selection without a sender.
    void FormShow();

    // ---- handlers ----
    void ComboBox1Change(Sender sender);
    // The user picks a type or refrigerant from the lists.
    void typWaehlen(const QString& typ);
    void kaeltemittelWaehlen(const QString& kaeltemittel);
    // A letter or digit typed into the type combo: the type can only be chosen.
    void ComboBox1KeyUp();
    void NeuesBild();
    void MinMaxHolen();
    void T0Pruefen();
    void TcPruefen();
    void HertzFelderPruefen();
    // Step buttons: +1 or -1 on the field, its check, the recalculation.
    void schritt(Eingabe feld, int richtung);
    // Leaving an input field or Enter in it (ediN has its own rule).
    void feldVerlassen(Eingabe feld);
    void ediNExit();
    void cmbHZSelect(const QString& text);
    void polClick();
    // GridMouseUp: a point of the performance table becomes the operating point (t0,
    // and tc or the air inlet temperature, whichever input is shown), then the
    // leave-field handling checks and recalculates.
    void GridMouseUp(const PunktUebernahme& punkt);
    void AusgabeFuellen();
    // The tab page "Einsatzgrenzen" became active (or not): legends follow it.
    void setEinsatzgrenzenAktiv(bool aktiv);
    void DiagrammZeichnen();
    void LegendenHolen();
    // The legends of the current capacity record, whether or not the page is active.
    std::array<Legende, 3> legendenLesen() const;
    // The current input state stored into the program-wide operating point
    // (undocking keeps it for the next sheet).
    void betriebspunktSichern() const;

    // Field access by input.
    Feld& feld(Eingabe e);
    const Feld& feld(Eingabe e) const;

    // ---- type and refrigerant ----
    QStringList ComboBox1Items; // type names
    QStringList ComboBox1Ids;   // the parallel list: article IDs as text
    QString ComboBox1Text;
    QStringList KMListboxItems; // sorted
    QString KMListboxText;
    QString MotorComboText;
    bool MotorSichtbar = false;
    QStringList DDBCombo1Items; // condenser choice (hidden)
    QStringList DDBCombo1Ids;
    QString DDBCombo1Text;

    // ---- inputs (texts in the user's units) ----
    Feld t0{QStringLiteral("-10,0")};
    Feld tc{QStringLiteral("40,0")};
    Feld tcle{QStringLiteral("40,0"), false, false};
    Feld tle{QStringLiteral("32,0"), false};
    Feld tu{QStringLiteral("2")};
    Feld tsaug{QStringLiteral("20,0")};
    Feld tue{QStringLiteral("5")};
    Feld ediN{QStringLiteral("1450"), false};
    Feld ediHz{QStringLiteral("50")};
    Feld ediHZ2{QStringLiteral("50"), false};
    Feld cmbHZ{QStringLiteral("50"), false};
    Feld tFUA{QString(), false};
    bool Sptc = true; // tc step button shown (hidden for condensing units)
    bool SpinButton2 = true;
    bool Frequenz = true;   // "Frequenz" / "Hz" shown
    bool Drehzahl = false;  // "Drehzahl" / "1/min" shown
    bool Frequenz1 = false; // "Frequenz Verdichter 1" instead of "Frequenz"
    bool Panel12 = false;   // second frequency
    bool Panel13 = false;   // intermediate-cooler temperature
    bool Panel14 = false;
    bool Panel16 = false;
    bool Unterkuehlung = true; // subcooling controls
    Feld pol{QStringLiteral("&Umschaltung Polpaarzahl 4"), false};

    // ---- outputs ----
    Feld Q2, Q3, pan, strom, spannung, Edit4, Edit7, Edit5;
    Feld Q2V1, Q3V1, panV1, StromV1, Q2V2, Q3V2, panV2, StromV2;
    bool Panel9 = false;  // two-compressor panel
    bool Panel10 = true;  // one-compressor panel
    bool Panel15 = false; // current row of the two-compressor panel
    bool stromtext = false;
    bool drehmomenttext = false;
    bool Label19 = false; // "Antriebsleistung" (open compressors)
    bool Label52 = true;  // "Leistungsaufnahme"

    // ---- pages ----
    bool TabSheet8 = true; // "Ausschreibungstexte" (hidden for WY types)
    bool einsatzgrenzenAktiv = false;
    Legende Leg[3];

    // ---- the performance-table ranges (the t0 and tc checks use them) ----
    TabBereiche bereiche;

    // ---- state of the sheet ----
    qint32 AktArtikelID = 0;
    qint32 DatenArtikelID = 0;
    bool ArtikelGewaehlt = false;
    qint32 LetzterArtikelID = 0;
    int AktLukoIndex = 1;
    bool VierPolig = true;
    bool SatzModus = false;
    bool OhneUmrechnung = false;
    double DiagT0 = 0.0;
    double DiagTc = 0.0;
    // Compute only: the envelope's colour test decides the notes as on the drawn
    // diagram, but no picture is drawn (batch and comparison show no diagram).
    bool nurRechnen = false;

    // ---- results ----
    const calc::ArtikelErgebnis& ergebnis() const { return ergebnis_; }
    const calc::ArtikelHinweise& hinweise() const { return hinweise_; }
    // HinweiseZeigen: the notes window is shown exactly when a note is visible.
    bool hinweiseSichtbar() const { return hinweise_.sichtbar(); }
    const GrenzDiagramm& diagramm() const { return diagramm_; }
    // The three limit polygons of the capacity record as last read (°C).
    const chart::GrenzPolygone& polygone() const { return polygone_; }
    // The shown numbers of the last rating (what the output fields hold).
    const calc::AusgabeWerte& werte() const { return werte_; }
    // What the last rating was given: the fields in °C and K, the condenser, the duplex
    // panel. The performance table rates each of its points from it.
    calc::ArtikelEingabe eingabe() const;
    // Condensing-unit mode: rated over the air inlet temperature with the unit's condenser.
    bool lukoModus() const { return tle.sichtbar && kondensator_.has_value(); }
    bool fahrenheit() const;
    // What the tender text quotes from the upper part of the sheet.
    AusschreibungsWerte ausschreibungsWerte() const;
    // Counts the recalculations (the window repaints after each).
    int bildNummer() const { return bildNummer_; }

private:
    double temperaturLesen(const Feld& f) const;
    double differenzLesen(const Feld& f) const;
    QString temperaturText(double celsius) const;
    static double zahl(const QString& text);
    void kaeltemittelListeFuellen();
    // The refrigerants of article `daten` and the motor text of the shown one, read.
    void listeLesen(qint32 daten);
    // MinMaxHolen with the envelope's extremes: the table's ranges, t0 and tc brought near.
    void huellenAnwenden(const HuellenExtreme& h);
    qint32 artikelIdSuchen(const QString& typ) const;
    void capacityRecordWaehlen();
    bool polygonLesen(db::GrenzPolygon& polygon);
    void ergebnisZeigen(const calc::ArtikelEingabe& e);
    void stromAnzeigen();
    void achtPolT0Grenze();
    void panelsNachTyp();
    void kondensatorWaehlen();

    db::TDataModule1& dm_;
    fluid::TStoff& stoff_;
    const calc::Einheiten& einheiten_;
    calc::ArtikelErgebnis ergebnis_;
    calc::AusgabeWerte werte_;
    calc::ArtikelHinweise hinweise_;
    GrenzDiagramm diagramm_;
    int bildNummer_ = 0;
    int gruppe_ = 0;                // product group of the shown article
    chart::GrenzPolygone polygone_; // as last read for the diagram
    std::optional<db::LukoEintrag> kondensator_;
    bool waehlt_ = false; // the type text is being set; the refrigerant list stays quiet
    // Compute only: the refrigerant list and motor text by article and language.
    QHash<QString, std::pair<QStringList, QString>> listen_;
    QHash<QString, HuellenExtreme> huellen_; // and the envelope's extremes by record
};

} // namespace drel::sheet
