// Carries a rating from its measured suction gas state to the user's operating
// point: mass flows, compressor and evaporator cooling capacity.
#pragma once

#include "db/recordhelpers.h"
#include "state/betriebspunkt.h"

#include <QString>
#include <limits>

namespace drel::db {
class TDataModule1;
}

namespace drel::fluid {
class TStoff;
}

namespace drel::calc {

// A value that cannot be computed (a failed property call, a zero enthalpy
// difference or volume) is NaN, never a plausible number.
struct Bewertung {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    double Qo = nan;  // kW, polynomial value
    double P = nan;   // kW
    double I = nan;   // A; 0 without a motor
    double mR = nan;  // kg/s at the rating conditions
    double m = nan;   // kg/s at the user's suction gas temperature
    double QoV = nan; // kW, compressor cooling capacity
    double QoE = nan; // kW, evaporator cooling capacity
    QString grund;    // why the capacity record could not be rated ("" when it could)

    bool berechenbar() const;
};

// Two-stage W compressors are not rated below this speed, on the data sheet and in
// the search alike, so that a listed capacity is the one the sheet shows.
constexpr double kZweistufigMindestdrehzahl = 1400.0;

// The suction gas cannot be colder than the evaporating refrigerant: the message
// for such a point, empty when ts >= t0 (°C).
QString sauggasPruefen(const Betriebspunkt& p);

// Rating suction gas temperature of the current capacity record.
double sauggasTemperaturBemessung(db::TDataModule1& dm, double t0);

// Why the current capacity record cannot be rated where its polynomial gives `qo`: a
// coefficient that is not finite, or a negative cooling capacity. The build refuses
// both, so only a damaged table file gets here. "" when the record can be rated.
QString datensatzNichtBewertbar(db::TDataModule1& dm, const db::KoeffSatz& satz, double qo);

// Uses t0, tc, n, f, tsaug, tu and tue of the point (its refrigerant and tle are not
// read: the refrigerant is that of the current capacity record). `netz60Hz` is the
// program switch of the search; it matters for the current of articles without a
// motor record. A record that datensatzNichtBewertbar() refuses gives NaN throughout,
// with the reason in `grund` and reported through the message sink.
Bewertung BetriebspunktRechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const Betriebspunkt& e,
                               bool netz60Hz);
// Two-stage series: rating state t0 + 20 K, liquid at tc + t0 − Δtu; no current.
Bewertung ZweistufigRechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const Betriebspunkt& e);

} // namespace drel::calc
