// Where the numbers of a sheet come from: the catalogue build, the rating basis of the
// capacity record, the refrigerant's property model and the program version. The sheet,
// its printout, drel-cli and the JSON export show the same record.
#pragma once

#include <QString>
#include <limits>

namespace drel::fluid {
class TStoff;
}
namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

struct Herkunft {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    // The catalogue: the export stamp the build recorded in Stand.dat (OLE date, 0 when
    // there is none) as an ISO date, and the identifier every table file of that build
    // carries (empty for tables built before builds had one).
    double stand = 0.0;
    QString standDatum;
    QString bauKennung;

    // The rating basis of the capacity record: the suction gas condition the
    // coefficients hold for (a temperature in °C, or a superheat in K above t0), liquid
    // without subcooling, at 50 Hz or 1450 1/min; the record's standard designation.
    bool sauggasTemperatur = false;
    double sauggasWert = nan;
    double unterkuehlung = 0.0;
    bool mitMotor = false; // coefficients at 50 Hz (a motor), else at 1450 1/min
    QString norm;

    // The property model: "helmholtz", "helmholtz-pseudo-pure" or "peng-robinson", the
    // literature key of its equation and the reference state of enthalpies.
    QString stoff;
    QString stoffModell;
    QString stoffGleichung;
    QString stoffBezug;

    // The refrigerant, from its fluid file: safety class and GWP (100 years, IPCC AR4
    // and AR5; the file keeps their source); empty and NaN when the file has none.
    QString sicherheitsklasse;
    double gwpAr4 = nan;
    double gwpAr5 = nan;
    QString gwpQuelle;
    // A zeotropic blend: the glide (dew minus bubble temperature at the pressure of
    // the dew point) and the mean of both at the rated t0 and tc, K and °C.
    bool zeotrop = false;
    double gleitT0 = nan, mittelT0 = nan;
    double gleitTc = nan, mittelTc = nan;

    QString programmVersion;

    // One line each for a sheet or a printout (German source texts, translated by the
    // views that show them; numbers with the program's decimal separator).
    QString katalogText() const;
    QString bemessungText() const;
    QString stoffText() const;
    // GWP and safety class; empty when the fluid file names neither.
    QString kaeltemittelText() const;
    // Glide and mean temperatures of a zeotropic blend; empty for other refrigerants.
    QString gleitText() const;
    // The lines a sheet and its printout show, one after the other.
    QString zeilen() const;
};

// The glide of the current refrigerant of `stoff` at the rated t0 and tc (°C, both
// dew points as the rating takes them), for a zeotropic blend.
void gleitRechnen(fluid::TStoff& stoff, double t0, double tc, Herkunft& h);

// The program's version, "8.1".
QString programmVersion();

// The provenance of the capacity record the data module is positioned on (TBArtikel,
// TBLeistung, TBMotorArtikel, TBKMittelS) with the property model of its refrigerant.
Herkunft herkunftLesen(db::TDataModule1& dm, fluid::TStoff& stoff);

// The catalogue part alone: Stand.dat and the build identifier of <program dir>/Daten.
void katalogLesen(const QString& programmVerzeichnis, Herkunft& h);

} // namespace drel::sheet
