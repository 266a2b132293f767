// The rating of the article shown on a data sheet at the operating point of its
// input fields: the input limits, the condenser balance of condensing units, the
// rating of one or two compressors, torque, current texts, the intermediate-cooler
// temperature and the notes of the limits. Independent of any window: the caller
// hands in the field values in °C and K and shows what comes back.
#pragma once

#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einsatzgrenzen.h"
#include "db/recordhelpers.h"
#include "state/betriebspunkt.h"

#include <QStringList>
#include <limits>

namespace drel::fluid {
class TStoff;
}

namespace drel::calc {

// Frequency limits of the semi-hermetic series by frame size (`HertzPruefen`): a
// value of 0 or less becomes 1 first; types without a frame-size number or not
// beginning with QL, QN, EQL, EQN, CQL or CQN keep it.
double HertzPruefen(const QString& typ, double f);
// The first run of digits 1..9 in the type text (the last character is never
// examined), 0 when there is none.
int baugroessenNummer(const QString& typ);

// Types with two compressors (the sheet shows `Panel9`): the text holds "EQN" or "EQL".
bool zweiVerdichter(const QString& typ);

// The speed follows the frequency: the last rating's frequency is taken out, then
// this one applied (1450 at 50 Hz is 1740 at 60 Hz). `letzteFrequenz` 0 = none yet.
double drehzahlNachFrequenz(double n, double f, double letzteFrequenz);

// Torque of an open compressor in Nm, rounded to a multiple of 0.05 (ties to even).
double Drehmoment(double P, double n);

// Current as the sheet writes it: "   -   " at 0.1 A or less, else the general number form.
QString stromText(double I, const NumberSeparators& sep);

// Temperature at the intermediate-cooler outlet (product groups 23 and 26), °C.
double zwischenkuehlerAustritt(double t0, double tc);

// What the sheet hands to the rating.
struct ArtikelEingabe {
    qint32 AktArtikelID = 0;   // the article shown, 0 = none
    qint32 DatenArtikelID = 0; // the article whose capacity data are used, 0 = the shown one
    QString typ;               // type text (ComboBox1)
    // The field values: t0, tc, tsaug, tu, tue, tle (condensing units), n (ediN),
    // f (ediHz) and the refrigerant text (KMListbox).
    Betriebspunkt punkt;
    double f2 = 50.0;     // ediHZ2, the second compressor of a duplex type
    bool Panel9 = false;  // the two-compressor panel is shown (see zweiVerdichter)
    bool zusatzk = false; // the note as the previous rating left it (kept for R717)
    // Condenser entry of the unit (AktLukoIndex); without one a condensing unit is
    // rated at tc like a compressor.
    const db::LukoEintrag* kondensator = nullptr;
};

// Which labels of the notes window are visible.
struct ArtikelHinweise {
    bool zusatzk = false;   // "Zusatzkuhlung erforderlich"
    bool Label15 = false;   // "max. Uberhitzung 10K !"
    bool anwendn1 = false;  // speed too high
    bool anwendn2 = false;  // speed too low
    bool anwendt01 = false; // t0 too high
    bool anwendt02 = false; // t0 too low
    bool anwendtc1 = false; // tc too high
    bool anwendtc2 = false; // tc too low
    bool Label25 = false;   // outside the limits
    bool Label26 = false;   // suction gas too hot for the point
    bool Label27 = false;   // peak speed range of WY..N types, with Label28
    bool Label28 = false;
    bool LeistAufn = false; // maximum power exceeded, with LeistAufn2
    bool LeistAufn2 = false;
    bool Button1 = false;      // info button (R717 with zusatzk)
    bool sofortZeigen = false; // the window is shown at once (maximum power)

    // HinweiseZeigen shows the window exactly when a label is visible.
    bool sichtbar() const;
    // The texts of the visible labels, in the order of the window.
    QStringList texte() const;
    // The same in the user's language (the data sheet's notes window translates them
    // under the same context), for the lists that show them beside other columns.
    QStringList texteUebersetzt() const;
};

// Which inputs were brought into their limits (the used value differs from the field).
struct Geklemmt {
    bool t0 = false, tc = false, tsaug = false, tu = false, tue = false, tle = false;
    bool n = false; // speed limits of the article or the 1400 of "WT" types (not the
                    // following of the frequency)
};

// What the rating yields. A value that cannot be computed is NaN.
struct ArtikelErgebnis {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    bool gerechnet = false; // false: no article, or no capacity record for the refrigerant
    db::Baureihe art = db::Baureihe::Keine; // of the data article
    bool mitMotor = false;
    bool SatzModus = false;        // condensing unit: tc from the condenser balance
    bool luftEintritt = false;     // tle shown instead of tc (SatzModus or groups 55, 57)
    bool frequenzFest = false;     // ediHz fixed at 50 (no motor, or pole-changing QN)
    bool antriebsleistung = false; // caption "Antriebsleistung" (kinds 5 to 7)
    bool zwischenkuehler = false;  // groups 23, 26: tFUA shown, subcooling hidden, tu := 0

    Betriebspunkt punkt; // the values used: clamped inputs, tc of the balance, tle, n, f
    double f2 = 50.0;
    Geklemmt geklemmt;
    int tleSchritte = 0;     // air inlet raised (> 0) or lowered (< 0) by so many kelvin
    double nVorher = 1450.0; // speed after following the frequency, before the limits

    int code = 0; // EinsatzgrenzenTest at the point used
    GrenzBereich bereich;

    Bewertung verdichter1; // Qo, P, I, mR, m, QoV, QoE of the (first) compressor
    Bewertung verdichter2; // the second compressor of a duplex type (P2, QoV2, QoE2)
    double P2 = 0.0;
    double m = nan; // summed mass flow of both compressors

    double drehmoment = nan; // Nm, kinds 5, 6 and 7
    double I = nan, I2 = nan;
    double IGesamt = nan; // the value of `strom`: I, or the sum of both (a dash counts as 0)
    QString strom, StromV1, StromV2;
    bool stromSichtbar = false;
    double tFUA = nan;

    ArtikelHinweise hinweise;
};

// NeuRechnen. Moves TBArtikel and TBLeistung (KaeltemittelPositionieren), clears
// programmschalter().Netz60Hz, reads and sets programmschalter().LetzteFrequenz (the
// frequency of the last rating on any sheet) and writes t0, tc, tle, tsaug, tu and n
// into the program-wide betriebspunkt() (t0 and tc as entered, the others as used).
// The texts take the separators `sep`.
ArtikelErgebnis NeuRechnen(db::TDataModule1& dm, fluid::TStoff& stoff,
                           const ArtikelEingabe& eingabe,
                           const NumberSeparators& sep = numberSeparators());

} // namespace drel::calc
