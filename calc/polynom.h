// EN 12900 rating polynomials with the speed, frequency and refrigerant corrections,
// on the current rows of the data module.
#pragma once

#include "db/recordhelpers.h"

#include <QString>
#include <array>

namespace drel::db {
class TDataModule1;
}

namespace drel::calc {

// X = C1 + C2·S + C3·D + C4·S² + C5·S·D + C6·D² + C7·S³ + C8·S²·D + C9·S·D² + C10·D³
// with S = t0 and D = tc; a non-finite result counts as 0.
double Polynom10(const std::array<long double, 11>& c, double t0, double tc);

// Upper case, blanks removed, at most six characters ("R404A, R507" -> "R404A,").
QString kaeltemittelSchluessel(const QString& ashrae);

// Speed factors for articles without a motor.
double drehzahlFaktorQo(double n);
double drehzahlFaktorP(double n);
// Drive-power factor for R507 (1 for every other key).
double r507Faktor(const QString& schluessel, double t0, double tc);

bool hatMotor(db::TDataModule1& dm);          // TBMotorArtikel has a row
bool hatMotorDatensatz(db::TDataModule1& dm); // ... and TBMotoren too

// What the polynomials read from the current rows, read once: a rating or a check
// over many points of one record evaluates the polynomials on it without going back to
// the cursors for every point.
struct RechenSatz {
    db::KoeffSatz koeff;
    bool motor = false;          // hatMotor
    bool motorDatensatz = false; // hatMotorDatensatz
    QString schluessel;          // kaeltemittelSchluessel of the current refrigerant
    bool r717QL = false;         // R717 on a QL compressor (current + 1.5 A)
};
RechenSatz rechenSatz(db::TDataModule1& dm);

double QoRechnen(const RechenSatz& s, double t0, double tc, double n, double f);
double PRechnen(const RechenSatz& s, double t0, double tc, double n, double f);
double IRechnen(const RechenSatz& s, double t0, double tc, double n, double f, bool netz60Hz);

// The same on the current rows.
double QoRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f);
double PRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f);
double IRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f, bool netz60Hz);

} // namespace drel::calc
