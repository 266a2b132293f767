#include "calc/polynom.h"

#include "db/datamodule.h"
#include "db/recordhelpers.h"

#include <cmath>

namespace drel::calc {

namespace {

QString schluessel(db::TDataModule1& dm) {
    return kaeltemittelSchluessel(dm.TBKMittelS.asString(u"Ashrae"));
}

} // namespace

double Polynom10(const std::array<long double, 11>& c, double t0, double tc) {
    const long double s = t0;
    const long double d = tc;
    const long double x = c[1] + c[2] * s + c[3] * d + c[4] * s * s + c[5] * s * d + c[6] * d * d +
                          c[7] * s * s * s + c[8] * s * s * d + c[9] * s * d * d +
                          c[10] * d * d * d;
    const double result = static_cast<double>(x);
    return std::isfinite(result) ? result : 0.0;
}

QString kaeltemittelSchluessel(const QString& ashrae) {
    QString key = ashrae.toUpper();
    key.remove(QLatin1Char(' '));
    return key.left(6);
}

double drehzahlFaktorQo(double n) {
    return -0.0309761459816471 + 0.000782503545290555 * n - 5.01089226300653e-8 * n * n;
}

double drehzahlFaktorP(double n) {
    return 0.0281546225169528 + 0.000651787858756573 * n + 1.18899126981712e-8 * n * n;
}

double r507Faktor(const QString& key, double t0, double tc) {
    if (key != QLatin1String("R507"))
        return 1.0;
    return 1.01311253061572 - 0.000573609340678352 * t0 - 1.20808831746779e-5 * t0 * t0 -
           8.84594771662223e-5 * tc - 1.82398471095462e-7 * tc * tc + 8.62509289080177e-7 * t0 * tc;
}

bool hatMotor(db::TDataModule1& dm) {
    return !dm.TBMotorArtikel.isEmpty();
}

bool hatMotorDatensatz(db::TDataModule1& dm) {
    return hatMotor(dm) && !dm.TBMotoren.isEmpty();
}

RechenSatz rechenSatz(db::TDataModule1& dm) {
    RechenSatz s;
    db::KoeffizientenLesen(dm.TBLeistung, dm.TBMotoren, s.koeff);
    s.motor = hatMotor(dm);
    s.motorDatensatz = hatMotorDatensatz(dm);
    s.schluessel = schluessel(dm);
    s.r717QL =
        s.schluessel == QLatin1String("R717") && db::BaureihenArt(dm.TBArtikel) == db::Baureihe::QL;
    return s;
}

double QoRechnen(const RechenSatz& s, double t0, double tc, double n, double f) {
    const double kn = s.motor ? 1.0 : drehzahlFaktorQo(n);
    double q = Polynom10(s.koeff.Qo, t0, tc) * kn;
    if (s.motor && f != 50.0)
        q *= 1.0 + 0.0185 * (f - 50.0);
    return q;
}

double PRechnen(const RechenSatz& s, double t0, double tc, double n, double f) {
    const double kn = s.motor ? 1.0 : drehzahlFaktorP(n);
    double p = Polynom10(s.koeff.P, t0, tc) * kn;
    p *= r507Faktor(s.schluessel, t0, tc);
    if (s.motor && f != 50.0)
        p *= 1.0 + 0.0206 * (f - 50.0);
    return p;
}

double IRechnen(const RechenSatz& s, double t0, double tc, double n, double f, bool netz60Hz) {
    double i = 0.0;
    const db::KoeffSatz& k = s.koeff;
    if (s.motorDatensatz) {
        const double p = PRechnen(s, t0, tc, n, f);
        i = static_cast<double>(k.I[1] + k.I[2] * p + k.I[3] * p * p + k.I[4] * p * p * p);
    } else if (!netz60Hz) {
        // Without a motor row the current coefficients are all 0; the ten-term form
        // over them gives I1 + I2·t0 + I3·tc + I4·t0², which is 0 as well.
        std::array<long double, 11> c{};
        for (size_t j = 1; j <= 4; ++j)
            c[j] = k.I[j];
        i = Polynom10(c, t0, tc);
    }
    if (s.r717QL)
        i += 1.5;
    return i * r507Faktor(s.schluessel, t0, tc);
}

double QoRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f) {
    return QoRechnen(rechenSatz(dm), t0, tc, n, f);
}

double PRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f) {
    return PRechnen(rechenSatz(dm), t0, tc, n, f);
}

double IRechnen(db::TDataModule1& dm, double t0, double tc, double n, double f, bool netz60Hz) {
    return IRechnen(rechenSatz(dm), t0, tc, n, f, netz60Hz);
}

} // namespace drel::calc
